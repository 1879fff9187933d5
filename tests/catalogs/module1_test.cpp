#include "catalogs/module1.h"
#include "core/search.h"
#include "core/textfile.h"
#include "transistor_synth.h"

#include <gtest/gtest.h>

#include <QStringList>

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

struct DecodeCase
{
    const char *name;
    int field;
    const char *text;   // the whole file, before encoding to code page 1250
    std::vector<const char *> expected;
};
class FieldDecoding : public testing::TestWithParam<DecodeCase> {};

} // namespace

// Codes are whole, exact lines; a lone LF belongs to its line, CR alone ends
// one, the last line needs no line end. Decode_Usage_Class agrees line by line.
TEST_P(FieldDecoding, EveryLineAsExpected)
{
    const DecodeCase &c = GetParam();
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

INSTANTIATE_TEST_SUITE_P(TransistorLoader, FieldDecoding, testing::Values(
    DecodeCase{"Material", 1, "1\r\n2\r\nSi\r\n3\r\n 1\r\n\r\n1 \r\n", {"Ge", "Si", "", "", "", "", ""}},
    DecodeCase{"Structure", 2, "1\r\n2\r\n3\r\n4\r\nnpn\r\n\r\n5\r\n", {"pnp", "npn", "p/n", "n/p", "", "", ""}},
    DecodeCase{"Usage", 14, "<A46\r\n<a46\r\n<A46 \r\n<B\r\n<Bx\r\nHangfrekvenciás végfok\r\n\r\n<B3\r\n<06\r\n"
                            "<B0\r\n<286\r\n<F\r\n<\r\n<B00\r\n<A466\r\nA46\r\n<26 \r\n",
               {"Nagyteljesítményű, Nagyfeszültségű, Általános célra", "<a46", "<A46 ", "Ultra Nagy Frekvencia",
                "<Bx", "Hangfrekvenciás végfok", "", "Ultra Nagy Frekvencia, Közepes Teljesítmény",
                "Teljesítmény-tranzisztor, Általános célra", "Ultra Nagy Frekvencia, Teljesítmény tranzisztor",
                "Kisteljesítményű, Kiszajú, Általános célra", "Belső ellenállások", "<", "<B00", "<A466", "A46",
                "<26 "}},
    DecodeCase{"UsageAtTheEdgesOfTheFile", 14, "<B\n\r\n\r\n<12\r<E\r\n<A46",
               {"<B\n", "", "Darlington, Kisteljesítményű", "DUA Belső ellenállások",
                "Nagyteljesítményű, Nagyfeszültségű, Általános célra"}},
    DecodeCase{"PlainTextStaysWhole", 15, " BC237, BC547 , \"x,y\"  \r\na\nb\r\r\nő ű Ő Ű\r\nlast",
               {" BC237, BC547 , \"x,y\"  ", "a\nb", "", "ő ű Ő Ű", "last"}}),
    [](const testing::TestParamInfo<DecodeCase> &i) { return std::string(i.param.name); });

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
        f[0].bytes = f[3].bytes = bytes;
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
