#include "catalogs/module1.h"
#include "core/search.h"
#include "core/textfile.h"
#include "transistor_synth.h"

#include <gtest/gtest.h>

#include <QStringList>

namespace {

using Files = std::array<Transistor_File, kTransistorFields>;

QByteArray lines(const QStringList &l)
{
    QString t;
    for (const QString &s : l)
        t += s + QStringLiteral("\r\n");
    return textfile::encode(t);
}

// Every file read, each with `records` lines: empty unless given.
Files filesWith(int records, const std::map<int, QStringList> &given)
{
    Files f;
    for (int k = 0; k < kTransistorFields; ++k) {
        f[k].state = Transistor_File::State::Read;
        const auto it = given.find(k);
        QStringList l = it == given.end() ? QStringList() : it->second;
        while (l.size() < records)
            l << QString();
        f[k].bytes = lines(l);
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

QString u8(const char *s) { return QString::fromUtf8(s); }

std::vector<int> find(const Transistor_Table &t, const char *needle)
{
    std::vector<int> out{-1};   // must be replaced, not appended to
    t.findTypes(QString::fromUtf8(needle), &out);
    return out;
}

} // namespace

TEST(TransistorLoader, MaterialAndStructureCodesAreWholeExactLines)
{
    const Transistor_Table t = loaded(filesWith(7, {
        {1, {"1", "2", "Si", "3", " 1", "", "1 "}},
        {2, {"1", "2", "3", "4", "npn", "", "5"}},
    }));
    ASSERT_EQ(t.size(), 7);
    const char *material[] = {"Ge", "Si", "", "", "", "", ""};
    const char *structure[] = {"pnp", "npn", "p/n", "n/p", "", "", ""};
    for (int s = 0; s < 7; ++s) {
        EXPECT_EQ(t.field(s, 1), QString::fromLatin1(material[s])) << s;
        EXPECT_EQ(t.field(s, 2), QString::fromLatin1(structure[s])) << s;
    }
}

TEST(TransistorLoader, UsageClassCodesAndPlainText)
{
    const Transistor_Table t = loaded(filesWith(9, {{14, {
        "<A46", "<a46", "<A46 ", "<B", "<Bx", u8("Hangfrekvenciás végfok"), "", "<B3", "<06"}}}));
    EXPECT_EQ(t.field(0, 14), u8("Nagyteljesítményű, Nagyfeszültségű, Általános célra"));
    EXPECT_EQ(t.field(1, 14), u8("<a46"));
    EXPECT_EQ(t.field(2, 14), u8("<A46 "));
    EXPECT_EQ(t.field(3, 14), u8("Ultra Nagy Frekvencia"));
    EXPECT_EQ(t.field(4, 14), u8("<Bx"));
    EXPECT_EQ(t.field(5, 14), u8("Hangfrekvenciás végfok"));
    EXPECT_EQ(t.field(6, 14), QString());
    EXPECT_EQ(t.field(7, 14), u8("Ultra Nagy Frekvencia, Közepes Teljesítmény"));
    EXPECT_EQ(t.field(8, 14), u8("Teljesítmény-tranzisztor, Általános célra"));
}

TEST(TransistorLoader, UsageCodesAtTheEdgesOfTheFile)
{
    // Codes near the end of the bytes and a last line without a line end; a
    // lone LF belongs to the line, which then is no code.
    Files f = filesWith(0, {});
    f[14].bytes = QByteArray("<B\n\r\n\r\n<12\r<E\r\n<A46");
    const Transistor_Table t = loaded(f);
    ASSERT_EQ(t.size(), 5);
    EXPECT_EQ(t.field(0, 14), u8("<B\n"));
    EXPECT_EQ(t.field(1, 14), QString());
    EXPECT_EQ(t.field(2, 14), u8("Darlington, Kisteljesítményű"));
    EXPECT_EQ(t.field(3, 14), u8("DUA Belső ellenállások"));
    EXPECT_EQ(t.field(4, 14), u8("Nagyteljesítményű, Nagyfeszültségű, Általános célra"));
}

TEST(TransistorLoader, DecodeUsageClass)
{
    EXPECT_EQ(Decode_Usage_Class(u8("<B0")), u8("Ultra Nagy Frekvencia, Teljesítmény tranzisztor"));
    EXPECT_EQ(Decode_Usage_Class(u8("<286")), u8("Kisteljesítményű, Kiszajú, Általános célra"));
    EXPECT_EQ(Decode_Usage_Class(u8("<F")), u8("Belső ellenállások"));
    for (const char *same : {"<", "<X", "<B00", "<A466", "A46", "", "<26 "})
        EXPECT_EQ(Decode_Usage_Class(u8(same)), u8(same)) << same;
}

TEST(TransistorLoader, FieldsAreWholeLinesAsRead)
{
    // Commas, quotes and blanks stay; a lone LF stays inside its line; CR alone
    // ends a line; the last line needs no line end; code page 1250 letters.
    QByteArray f15 = textfile::encode(u8(" BC237, BC547 , \"x,y\"  \r\n"
                                         "a\nb\r"
                                         "\r\n"
                                         "ő ű Ő Ű\r\n"
                                         "last"));
    Files f = filesWith(5, {});
    f[15].bytes = f15;
    Transistor_LoadReport r;
    const Transistor_Table t = loaded(f, &r);
    ASSERT_EQ(t.size(), 5);
    EXPECT_TRUE(r.ok()) << qPrintable(r.message());
    EXPECT_EQ(t.field(0, 15), u8(" BC237, BC547 , \"x,y\"  "));
    EXPECT_EQ(t.field(1, 15), u8("a\nb"));
    EXPECT_EQ(t.field(2, 15), QString());
    EXPECT_EQ(t.field(3, 15), u8("ő ű Ő Ű"));
    EXPECT_EQ(t.field(4, 15), u8("last"));
    const Transistor_Record rec = t.record(3);
    EXPECT_EQ(rec.field[15], u8("ő ű Ő Ű"));
    EXPECT_EQ(t.field(5, 15), QString());    // out of range
    EXPECT_EQ(t.field(0, 19), QString());
    EXPECT_EQ(t.field(-1, 0), QString());
}

TEST(TransistorLoader, LinesMatchTheSharedLineReader)
{
    // Random mixtures of CR, LF and text: every field is the line that
    // textfile::LineReader gives, also at the vector-scan block borders.
    uint64_t seed = 7;
    auto next = [&seed] { seed = seed * 6364136223846793005ull + 1442695040888963407ull; return seed >> 33; };
    for (int round = 0; round < 40; ++round) {
        QByteArray bytes;
        const int len = int(next() % 700);
        for (int i = 0; i < len; ++i) {
            const int k = int(next() % 6);
            bytes += k == 0 ? '\r' : k == 1 ? '\n' : char('a' + next() % 3);
        }
        const QStringList expected = textfile::splitLines(textfile::decode(bytes));
        Files f = filesWith(0, {});
        f[3].bytes = bytes;
        f[0].bytes = bytes;
        const Transistor_Table t = loaded(f);
        ASSERT_EQ(t.size(), expected.size()) << round;
        for (int s = 0; s < t.size(); ++s)
            ASSERT_EQ(t.field(s, 3), expected[s]) << round << " line " << s;
    }
}

TEST(TransistorLoader, UnequalMissingAndUnreadableFilesAreNamed)
{
    Files f = filesWith(3, {{0, {"BC107", "BC108", "BC109"}}, {5, {"45 V", "20 V"}}});
    f[5].bytes = lines({u8("45 V"), u8("20 V")});   // one line short
    f[7] = Transistor_File{Transistor_File::State::Missing, {}};
    f[9] = Transistor_File{Transistor_File::State::Unreadable, {}};
    Transistor_LoadReport r;
    const Transistor_Table t = loaded(f, &r);
    EXPECT_EQ(r.records, 3);
    EXPECT_EQ(t.size(), 3);
    EXPECT_EQ(t.field(2, 0), u8("BC109"));
    EXPECT_EQ(t.field(1, 5), u8("20 V"));
    EXPECT_EQ(t.field(2, 5), QString());
    EXPECT_EQ(t.field(2, 7), QString());
    EXPECT_EQ(r.problems, QStringList({u8("f07.txt: hiányzik."), u8("f09.txt: nem olvasható."),
                                       u8("f05.txt: 2 sor a 3 helyett.")}));
    EXPECT_TRUE(r.message().contains(u8("f05.txt: 2 sor a 3 helyett.")));
    EXPECT_TRUE(r.message().startsWith(u8("Hibás tranzisztor adatfájlok:")));
}

TEST(TransistorLoader, NoFilesGivesAnEmptyTable)
{
    Transistor_LoadReport r;
    const Transistor_Table t = loaded(Files{}, &r);
    EXPECT_EQ(t.size(), 0);
    EXPECT_EQ(r.records, 0);
    EXPECT_EQ(r.problems.size(), kTransistorFields);
    EXPECT_TRUE(find(t, "BC").empty());
    EXPECT_EQ(t.field(0, 0), QString());
}

TEST(TransistorLoader, ReloadReplacesEverything)
{
    Transistor_Table t;
    Load_Transistor_Data(filesWith(3, {{0, {"A1", "A2", "A3"}}, {1, {"1", "1", "1"}}}), &t);
    // A line that is no code leaves the field empty; nothing of the earlier
    // catalog shows through.
    const Transistor_LoadReport r = Load_Transistor_Data(filesWith(2, {{0, {"B1", "B2"}}, {1, {"x", "2"}}}), &t);
    EXPECT_EQ(r.records, 2);
    ASSERT_EQ(t.size(), 2);
    EXPECT_EQ(t.field(0, 0), u8("B1"));
    EXPECT_EQ(t.field(0, 1), QString());
    EXPECT_EQ(t.field(1, 1), u8("Si"));
}

TEST(TransistorSearch, SubstringCaseIgnoredInSlotOrder)
{
    const Transistor_Table t = loaded(filesWith(8, {{0, {
        "BC107", "2N3055", "xbcx", "bcBC", u8("Árvíztűrő"), "AB", "CD", u8("ÁRVÍZ")}}}));
    EXPECT_EQ(find(t, "BC"), (std::vector<int>{0, 2, 3}));   // the first line's record too
    EXPECT_EQ(find(t, "bc"), find(t, "BC"));
    EXPECT_EQ(find(t, "árvíz"), (std::vector<int>{4, 7}));
    EXPECT_EQ(find(t, "TŰRŐ"), (std::vector<int>{4}));
    EXPECT_EQ(find(t, "BC")[0], 0);
    EXPECT_TRUE(find(t, "BC").size() == 3);
    EXPECT_TRUE(find(t, "BD").empty());       // "AB" and "CD" do not join across lines
    EXPECT_EQ(find(t, "55"), (std::vector<int>{1}));   // at the end of the name
    EXPECT_TRUE(find(t, "2N3055X").empty());
    EXPECT_EQ(find(t, "").size(), 8u);
}

TEST(TransistorSearch, MatchStaysInsideTheName)
{
    // A lone LF belongs to the name; the CR LF line end does not.
    QByteArray f00 = textfile::encode(u8("AB\nC\r\nDE\r\nX\r"));
    Files f = filesWith(0, {});
    f[0].bytes = f00;
    const Transistor_Table t = loaded(f);
    ASSERT_EQ(t.size(), 3);
    EXPECT_EQ(find(t, "B\nC"), (std::vector<int>{0}));
    EXPECT_TRUE(find(t, "C\r").empty());
    EXPECT_TRUE(find(t, "C\r\nD").empty());
    EXPECT_TRUE(find(t, "\nD").empty());
    EXPECT_TRUE(find(t, "X\r").empty());
}

TEST(TransistorSearch, DenseMatchesAgreeWithAPlainScan)
{
    // Short names over a tiny alphabet: several hits per name and per
    // vector block, names of every length, line ends in between.
    uint64_t seed = 11;
    auto next = [&seed] { seed = seed * 6364136223846793005ull + 1442695040888963407ull; return int(seed >> 33); };
    const QString alphabet = u8("abAB\nőŐ");
    for (int round = 0; round < 30; ++round) {
        QStringList names;
        for (int i = 0, count = 1 + next() % 60; i < count; ++i) {
            QString n;
            for (int k = 0, len = next() % 13; k < len; ++k)
                n += alphabet[next() % alphabet.size()];
            names << n;
        }
        Files f = filesWith(0, {});
        f[0].bytes = lines(names);
        const Transistor_Table t = loaded(f);
        ASSERT_EQ(t.size(), names.size());
        for (int q = 0; q < 20; ++q) {
            QString needle;
            for (int k = 0, len = 1 + next() % 3; k < len; ++k)
                needle += alphabet[next() % alphabet.size()];
            std::vector<int> expected, got{-1};
            for (int s = 0; s < names.size(); ++s)
                if (search::containsNoCase(names[s], needle))
                    expected.push_back(s);
            t.findTypes(needle, &got);
            ASSERT_EQ(got, expected) << round << " " << qPrintable(needle);
        }
    }
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
        EXPECT_EQ(find(t, needle), expected) << needle;
    }
    EXPECT_GE(find(t, "BC").size(), 5000u);
}
