// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogs/module1.h"
#include "core/search.h"
#include "core/textfile.h"
#include "transistor_synth.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>
#include <QStringList>

#include <numeric>

namespace {

using Files = std::array<Transistor_File, kTransistorFields>;

QString u8(const char *s) { return QString::fromUtf8(s); }

// Every file read, each with `records` CR LF lines: empty unless given.
Files filesWith(int records, const std::map<int, QStringList> &given = {})
{
    Files f;
    for (int k = 0; k < kTransistorFields; ++k) {
        QStringList l = given.count(k) ? given.at(k) : QStringList();
        while (l.size() < records)
            l << QString();
        const QString text = l.isEmpty() ? QString() : l.join(u8("\r\n")) + u8("\r\n");
        f[k] = Transistor_File{Transistor_File::State::Read, textfile::encode(text)};
    }
    return f;
}

Transistor_Table loaded(const Files &f, Transistor_LoadReport *report = nullptr)
{
    Transistor_Table t;
    const Transistor_LoadReport r = Load_Transistor_Data(f, &t);
    if (report)
        *report = r;
    return t;
}

std::vector<int> find(const Transistor_Table &t, const QString &needle)
{
    std::vector<int> out{-1};   // must be replaced, not appended to
    t.findTypes(needle, &out);
    return out;
}

} // namespace

// Codes are whole, exact lines; a lone LF belongs to its line, CR alone ends
// one, the last line needs no line end. Decode_Usage_Class agrees line by line.
TEST(TransistorLoader, EveryLineOfAFieldAsExpected)
{
    const struct
    {
        int field;
        const char *text;   // the whole file, before encoding to code page 1250
        std::vector<const char *> expected;
    } cases[] = {
        {1, "1\r\n2\r\nSi\r\n3\r\n 1\r\n\r\n1 \r\n", {"Ge", "Si", "", "", "", "", ""}},
        {2, "1\r\n2\r\n3\r\n4\r\nnpn\r\n\r\n5\r\n8\r\n9\r\n0\r\n10\r\n",
            {"pnp", "npn", "p/n", "n/p", "", "", "N-MOSFET", "P-JFET", "N-MOSFET, 2 gate", "", ""}},
        {14, "<A46\r\n<a46\r\n<A46 \r\n<B\r\n<Bx\r\nHangfrekvenciás végfok\r\n\r\n<B3\r\n<06\r\n"
                 "<B0\r\n<286\r\n<F\r\n<\r\n<B00\r\n<A466\r\nA46\r\n<26 \r\n",
            {"Nagyteljesítményű, Nagyfeszültségű, Általános célra", "<a46", "<A46 ", "Ultra Nagy Frekvencia",
             "<Bx", "Hangfrekvenciás végfok", "", "Ultra Nagy Frekvencia, Közepes Teljesítmény",
             "Teljesítmény-tranzisztor, Általános célra", "Ultra Nagy Frekvencia, Teljesítmény tranzisztor",
             "Kisteljesítményű, Kiszajú, Általános célra", "Belső ellenállások", "<", "<B00", "<A466", "A46",
             "<26 "}},
        {14, "<B\n\r\n\r\n<12\r<E\r\n<A46",
            {"<B\n", "", "Darlington, Kisteljesítményű", "DUA Belső ellenállások",
             "Nagyteljesítményű, Nagyfeszültségű, Általános célra"}},
        {15, " BC237, BC547 , \"x,y\"  \r\na\nb\r\r\nő ű Ő Ű\r\nlast",   // plain text stays whole
            {" BC237, BC547 , \"x,y\"  ", "a\nb", "", "ő ű Ő Ű", "last"}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.text);
        Files f = filesWith(int(c.expected.size()));
        f[c.field].bytes = textfile::encode(u8(c.text));
        Transistor_LoadReport r;
        const Transistor_Table t = loaded(f, &r);
        EXPECT_TRUE(r.ok()) << qPrintable(r.message());
        ASSERT_EQ(t.size(), int(c.expected.size()));
        const QStringList raw = textfile::splitLines(u8(c.text));
        for (int s = 0; s < t.size(); ++s) {
            EXPECT_EQ(t.field(s, c.field), u8(c.expected[size_t(s)])) << "line " << s;
            if (c.field == 14) {
                EXPECT_EQ(Decode_Usage_Class(raw[s]), u8(c.expected[size_t(s)])) << "line " << s;
            }
        }
    }
}

TEST(TransistorLoader, RandomLinesAndSearchesAgreeWithAPlainReading)
{
    // CR, LF and letters in every mixture, also across the vector-scan block
    // borders: lines as the shared line reader splits them, matches as a plain scan finds.
    uint64_t seed = 7;
    auto next = [&seed] { seed = seed * 6364136223846793005ull + 1442695040888963407ull; return int(seed >> 33); };
    const QString alphabet = u8("\r\nabAB\nőŐ");
    auto word = [&](int len, int from) {
        QString w;
        while (len-- > 0)
            w += alphabet[from + next() % (alphabet.size() - from)];
        return w;
    };
    for (int round = 0; round < 40; ++round) {
        const QByteArray bytes = textfile::encode(word(next() % 700, 0));
        const QStringList names = textfile::splitLines(textfile::decode(bytes));
        Files f = filesWith(0);
        for (Transistor_File &file : f)   // all alike: the count is theirs
            file.bytes = bytes;
        const Transistor_Table t = loaded(f);
        ASSERT_EQ(t.size(), names.size()) << round;
        for (int s = 0; s < t.size(); ++s)
            ASSERT_EQ(t.field(s, 3), names[s]) << round << " line " << s;
        for (int q = 0; q < 20; ++q) {
            const QString needle = word(1 + next() % 3, 1);
            std::vector<int> expected;
            for (int s = 0; s < names.size(); ++s)
                if (search::containsNoCase(names[s], needle))
                    expected.push_back(s);
            ASSERT_EQ(find(t, needle), expected) << round << " " << qPrintable(needle);
        }
    }
}

TEST(TransistorLoader, UnequalMissingAndUnreadableFilesAndReloads)
{
    Files f = filesWith(3, {{0, {"BC107", "BC108", "BC109"}}, {1, {"1", "1", "1"}}});
    f[5].bytes = "45 V\r\n20 V\r\n";   // one line short
    f[7] = Transistor_File{Transistor_File::State::Missing, {}};
    f[9] = Transistor_File{Transistor_File::State::Unreadable, {}};
    Transistor_Table t;
    Transistor_LoadReport r = Load_Transistor_Data(f, &t);
    EXPECT_EQ(r.records, 3);
    ASSERT_EQ(t.size(), 3);
    EXPECT_EQ(t.field(2, 0), u8("BC109"));
    EXPECT_EQ(t.record(1).field[5], u8("20 V"));
    const std::pair<int, int> empty[] = {{2, 5}, {2, 7}, {3, 0}, {0, 19}, {-1, 0}};   // short, missing, outside
    for (const auto &[slot, field] : empty)
        EXPECT_EQ(t.field(slot, field), QString()) << slot << " " << field;
    EXPECT_EQ(r.problems, QStringList({u8("f07.txt: hiányzik."), u8("f09.txt: nem olvasható."),
                                       u8("f05.txt: 2 sor a 3 helyett.")}));
    EXPECT_TRUE(r.message().startsWith(u8("Hibás tranzisztor adatfájlok:")));
    EXPECT_TRUE(r.message().contains(u8("f05.txt: 2 sor a 3 helyett.")));

    r = Load_Transistor_Data(filesWith(2, {{0, {"B1", "B2"}}, {1, {"x", "2"}}}), &t);
    EXPECT_TRUE(r.ok());
    ASSERT_EQ(t.size(), 2);
    EXPECT_EQ(t.field(0, 0), u8("B1"));
    EXPECT_EQ(t.field(0, 1), QString());   // no code: nothing of the earlier "Ge" shows through
    EXPECT_EQ(t.field(1, 1), u8("Si"));

    const Transistor_Table none = loaded(Files{}, &r);
    EXPECT_EQ(none.size(), 0);
    EXPECT_EQ(r.records, 0);
    EXPECT_EQ(r.problems.size(), kTransistorFields);
    EXPECT_TRUE(find(none, u8("BC")).empty());
}

namespace {
struct CountCase
{
    std::map<int, int> lines;   // file -> line count; the others have 3
    std::vector<int> missing;
    int expected;
    std::vector<const char *> problems;
};
} // namespace

// The line count most files share sets the record count; only the files that
// differ from it are named. Fields beyond a short file are empty, lines beyond
// the count in a long one are no records (the search does not reach them).
static void checkRecordCount(const CountCase &c)
{
    Files f;
    for (int k = 0; k < kTransistorFields; ++k) {
        const int n = c.lines.count(k) ? c.lines.at(k) : 3;
        QByteArray b;
        for (int l = 0; l < n; ++l)
            b += "T" + QByteArray::number(k) + "x" + QByteArray::number(l) + "\r\n";
        f[k] = Transistor_File{Transistor_File::State::Read, b};
    }
    for (int k : c.missing)
        f[k] = Transistor_File{Transistor_File::State::Missing, {}};
    Transistor_LoadReport r;
    const Transistor_Table t = loaded(f, &r);
    EXPECT_EQ(r.records, c.expected);
    ASSERT_EQ(t.size(), c.expected);
    QStringList problems;
    for (const char *p : c.problems)
        problems << u8(p);
    EXPECT_EQ(r.problems, problems);
    EXPECT_EQ(r.ok(), problems.isEmpty());
    for (int k = 3; k < kTransistorFields; k += 5) {   // plain fields: as read, or empty past the file
        const bool read = std::find(c.missing.begin(), c.missing.end(), k) == c.missing.end();
        const int n = !read ? 0 : c.lines.count(k) ? c.lines.at(k) : 3;
        for (int s = 0; s <= c.expected; ++s)
            EXPECT_EQ(t.field(s, k), s < n && s < c.expected ? u8("T%1x%2").arg(k).arg(s) : QString()) << k << " " << s;
    }
    std::vector<int> all(size_t(c.expected));
    std::iota(all.begin(), all.end(), 0);
    if ((c.lines.count(0) ? c.lines.at(0) : 3) >= c.expected) {
        EXPECT_EQ(find(t, u8("T0x")), all);
    }
}

TEST(TransistorLoader, RecordCountIsTheMajorityOfTheFiles)
{
    const CountCase cases[] = {
        {{}, {}, 3, {}},
        {{{14, 9}}, {}, 3, {"f14.txt: 9 sor a 3 helyett."}},
        {{{0, 6}}, {}, 3, {"f00.txt: 6 sor a 3 helyett."}},   // the long one is the names' file
        {{{5, 1}}, {}, 3, {"f05.txt: 1 sor a 3 helyett."}},
        {{{3, 5}, {17, 0}}, {}, 3, {"f03.txt: 5 sor a 3 helyett.", "f17.txt: 0 sor a 3 helyett."}},
        // Missing files do not vote.
        {{{1, 4}, {2, 4}, {3, 4}, {16, 4}, {17, 4}}, {4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15}, 4,
         {"f04.txt: hiányzik.", "f05.txt: hiányzik.", "f06.txt: hiányzik.", "f07.txt: hiányzik.",
          "f08.txt: hiányzik.", "f09.txt: hiányzik.", "f10.txt: hiányzik.", "f11.txt: hiányzik.",
          "f12.txt: hiányzik.", "f13.txt: hiányzik.", "f14.txt: hiányzik.", "f15.txt: hiányzik.",
          "f00.txt: 3 sor a 4 helyett.", "f18.txt: 3 sor a 4 helyett."}},
        // Nine against nine: the names' count wins, even when it is the smaller.
        {{{0, 2}, {1, 2}, {2, 2}, {3, 2}, {4, 2}, {5, 2}, {6, 2}, {7, 2}, {8, 2},
          {9, 5}, {10, 5}, {11, 5}, {12, 5}, {13, 5}, {14, 5}, {15, 5}, {16, 5}, {17, 5}}, {18}, 2,
         {"f18.txt: hiányzik.", "f09.txt: 5 sor a 2 helyett.", "f10.txt: 5 sor a 2 helyett.",
          "f11.txt: 5 sor a 2 helyett.", "f12.txt: 5 sor a 2 helyett.", "f13.txt: 5 sor a 2 helyett.",
          "f14.txt: 5 sor a 2 helyett.", "f15.txt: 5 sor a 2 helyett.", "f16.txt: 5 sor a 2 helyett.",
          "f17.txt: 5 sor a 2 helyett."}},
        // Without the names in the tie the larger count wins: no line is hidden.
        {{{0, 7}, {1, 2}, {2, 2}, {3, 2}, {4, 2}, {5, 2}, {6, 2}, {7, 2}, {8, 2}, {9, 2}}, {}, 3,
         {"f00.txt: 7 sor a 3 helyett.", "f01.txt: 2 sor a 3 helyett.", "f02.txt: 2 sor a 3 helyett.",
          "f03.txt: 2 sor a 3 helyett.", "f04.txt: 2 sor a 3 helyett.", "f05.txt: 2 sor a 3 helyett.",
          "f06.txt: 2 sor a 3 helyett.", "f07.txt: 2 sor a 3 helyett.", "f08.txt: 2 sor a 3 helyett.",
          "f09.txt: 2 sor a 3 helyett."}},
    };
    for (const CountCase &c : cases) {
        SCOPED_TRACE(testing::Message() << &c - cases);
        checkRecordCount(c);
    }
}

// Every package named in the shipped catalog has its picture, and a pinout
// after the hyphen names each numbered lead of that picture once: E B C for
// bipolar types, G D S for field-effect ones, G1 G2 D S for dual-gate ones.
TEST(TransistorData, PackagesHavePicturesAndWholePinouts)
{
    const std::map<QString, int> leads = {
        {u8("TO1"), 3},  {u8("TO3"), 3},   {u8("TO5"), 3},   {u8("TO18"), 3},  {u8("TO39"), 3},
        {u8("TO66"), 3}, {u8("TO72"), 4},  {u8("TO92"), 3},  {u8("TO126"), 3}, {u8("TO202"), 3},
        {u8("TO218"), 3}, {u8("TO220"), 3}, {u8("TO247"), 3}, {u8("TO3P"), 3},  {u8("SOT23"), 3},
        {u8("SOT32"), 3}, {u8("SOT89"), 3}, {u8("SOT223"), 4}, {u8("SOT323"), 3}, {u8("SOT93"), 3},
        {u8("TO220F"), 3}, {u8("TO262"), 3}, {u8("DPAK"), 3}, {u8("D2PAK"), 3}, {u8("IPAK"), 3},
        {u8("SO8"), 8},   {u8("SOT143"), 4}};
    const QString dir = QStringLiteral(KONDRIX_SOURCE_DATA "/Tranzisztor/");
    for (const auto &[package, n] : leads)   // the table covers the pictures drawn
        EXPECT_TRUE(QFileInfo::exists(dir + u8("Tokpic/") + package + u8(".jpg"))) << qPrintable(package);
    Files f;
    for (int k = 0; k < kTransistorFields; ++k) {
        QFile in(dir + Transistor_FileName(k));
        ASSERT_TRUE(in.open(QIODevice::ReadOnly)) << k;
        f[k] = Transistor_File{Transistor_File::State::Read, in.readAll()};
    }
    Transistor_LoadReport r;
    const Transistor_Table t = loaded(f, &r);
    ASSERT_TRUE(r.ok()) << qPrintable(r.message());
    int withPinout = 0;
    for (int s = 0; s < t.size(); ++s) {
        const QString field = t.field(s, 13).toString();
        if (field.isEmpty())
            continue;
        const QString type = t.field(s, 0).toString();
        const QString package = field.section(QLatin1Char('-'), 0, 0);
        ASSERT_TRUE(leads.count(package)) << qPrintable(type) << " " << qPrintable(field);
        if (!field.contains(QLatin1Char('-')))
            continue;
        ++withPinout;
        const QString pins = field.section(QLatin1Char('-'), 1);
        QStringList lead;
        for (const QRegularExpressionMatch &m : QRegularExpression(u8("G[12]|.")).globalMatch(pins))
            lead << m.captured();
        EXPECT_EQ(lead.size(), leads.at(package)) << qPrintable(type) << " " << qPrintable(field);
        const bool bipolar = QRegularExpression(u8("^[EBC]+$")).match(pins).hasMatch();
        const bool fet = QRegularExpression(u8("^[GDS]+$")).match(pins).hasMatch();
        const bool dualGate = QRegularExpression(u8("^(G1|G2|D|S)+$")).match(pins).hasMatch();
        EXPECT_TRUE(bipolar || fet || dualGate) << qPrintable(type) << " " << qPrintable(field);
        // Each electrode once; on a SOT-223 one of three takes two leads (the
        // tab, or an RF type's second emitter), an SO-8 MOSFET has three
        // source and four drain leads.
        if (package == u8("SO8")) {
            EXPECT_EQ(pins, u8("SSSGDDDD")) << qPrintable(type);
            continue;
        }
        const int distinct = int(QSet<QString>(lead.cbegin(), lead.cend()).size());
        EXPECT_EQ(distinct, package == u8("SOT223") ? 3 : int(lead.size())) << qPrintable(field);
    }
    EXPECT_GT(withPinout, 200);
    const std::pair<const char *, const char *> known[] = {
        {"BC547", "TO92-CBE"}, {"2N3904", "TO92-EBC"}, {"BD139", "SOT32-ECB"}, {"TIP31C", "TO220-BCE"},
        {"2N3055", "TO3-BEC"}, {"BC847", "SOT23-BEC"}, {"BC107", "TO18-EBC"}, {"2SC1815", "TO92-ECB"},
        {"2N7000", "TO92-SGD"}, {"BS170", "TO92-DGS"}, {"2N7002", "SOT23-GSD"}, {"IRFZ44N", "TO220-GDS"},
        {"BF245A", "TO92-GSD"}, {"BF998", "SOT143-SDG2G1"}};
    for (const auto &[type, field] : known) {
        const std::vector<int> slots = find(t, u8(type));
        ASSERT_FALSE(slots.empty()) << type;
        EXPECT_EQ(t.field(slots.front(), 13), u8(field)) << type;
    }
}

TEST(TransistorSearch, SubstringCaseIgnoredInSlotOrderInsideTheName)
{
    const Transistor_Table t = loaded(filesWith(8, {{0, {
        "BC107", "2N3055", "xbcx", "bcBC", u8("Árvíztűrő"), "AB\nC", "DE", u8("ÁRVÍZ")}}}));
    const std::pair<const char *, std::vector<int>> cases[] = {
        {"BC", {0, 2, 3}}, {"bc", {0, 2, 3}}, {"árvíz", {4, 7}}, {"TŰRŐ", {4}}, {"55", {1}},
        {"2N3055X", {}}, {"", {0, 1, 2, 3, 4, 5, 6, 7}}, {"B\nC", {5}},   // a lone LF is part of the name
        {"CD", {}}, {"C\r", {}}, {"C\r\nD", {}}, {"\nD", {}},             // the line end is not
    };
    for (const auto &[needle, expected] : cases)
        EXPECT_EQ(find(t, u8(needle)), expected) << needle;
}

TEST(TransistorSearch, FullSizeSyntheticCatalog)
{
    // More lines than the catalog's nominal 46126: all are read.
    const int records = transistor_synth::kFullSize + 74;
    const auto bytes = transistor_synth::generate(records);
    Files f;
    qsizetype fileBytes = 0;
    for (int k = 0; k < kTransistorFields; ++k) {
        f[k] = Transistor_File{Transistor_File::State::Read, bytes[k]};
        fileBytes += bytes[k].size();
    }
    Transistor_LoadReport r;
    const Transistor_Table t = loaded(f, &r);
    ASSERT_TRUE(r.ok()) << qPrintable(r.message());
    ASSERT_EQ(t.size(), records);
    EXPECT_LE(t.memoryBytes(), 3 * fileBytes);

    const QStringList names = textfile::splitLines(textfile::decode(bytes[0]));
    ASSERT_EQ(names.size(), records);
    EXPECT_EQ(t.field(records - 1, 0), names.last());
    for (const char *needle : {"BC", "sc", "2n3", "X5", "-16"}) {
        std::vector<int> expected;
        for (int s = 0; s < records; ++s)
            if (search::containsNoCase(names[s], QString::fromLatin1(needle)))
                expected.push_back(s);
        EXPECT_EQ(find(t, u8(needle)), expected) << needle;
        EXPECT_GE(expected.size(), needle == std::string("BC") ? 5000u : 1u) << needle;
    }
}
