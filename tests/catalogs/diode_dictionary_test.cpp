// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogs/diodetable.h"
#include "catalogs/dictionary.h"
#include "core/textfile.h"
#include "dictionary_synth.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QCollator>
#include <QLocale>
#include <QStringList>

namespace {

QString u8(const char *s) { return QString::fromUtf8(s); }

QStringList types(const Diode_Table &t)
{
    QStringList l;
    for (int s = 1; s <= t.size(); ++s)
        l << t.record(s).type + u8("|") + t.record(s).data;
    return l;
}

Dictionary_Table dictionary(const char *text)
{
    Dictionary_Table t;
    t.read(u8(text));
    return t;
}

// The column's terms in the table's order.
QStringList ordered(const Dictionary_Table &t, int column)
{
    QStringList l;
    for (int r : t.order(column))
        l << t.entry(r).term[size_t(column)];
    return l;
}

} // namespace

TEST(DiodeTable, ReadsPairsOfWholeLines)
{
    struct Case
    {
        const char *text;
        QStringList expected;
    };
    const Case cases[] = {
        {"1N4007\r\nSi; 1000 V\r\nBAT54\r\nSchottky\r\n", {u8("1N4007|Si; 1000 V"), u8("BAT54|Schottky")}},
        {"1N4148\r1N4148 data\r", {u8("1N4148|1N4148 data")}},                   // CR alone ends a line
        {"A\nB\r\n x \r\n", {u8("A\nB| x ")}},                                   // LF stays, no trimming
        {"1N4007\r\nSi\r\nBY255", {u8("1N4007|Si"), u8("BY255|")}},              // type without its data line
        {"1N4007\r\nSi\r\n\r\n\r\n\r\n\r\n", {u8("1N4007|Si")}},                 // blank pairs are no diodes
        {"\r\norphan data\r\n", {u8("|orphan data")}},
        {"", {}},
    };
    for (const Case &c : cases) {
        Diode_Table t;
        t.read(u8(c.text));
        EXPECT_EQ(types(t), c.expected) << c.text;
    }
}

TEST(DiodeTable, ReadsEveryPairBeyondThreeThousandAndSearchesCaseless)
{
    QString text;
    for (int i = 1; i <= 3500; ++i)
        text += u8("BZX%1\r\nZener %1\r\n").arg(i);
    text += u8("1n4148\r\nSi kisjelű\r\n");
    Diode_Table t;
    t.read(text);
    ASSERT_EQ(t.size(), 3501);
    EXPECT_EQ(t.record(0).type, QString());      // slots count from 1

    std::vector<int> found;
    t.findTypes(u8("x350"), &found);
    EXPECT_EQ(found, (std::vector<int>{350, 3500}));
    t.findTypes(u8("N41"), &found);
    EXPECT_EQ(found, std::vector<int>{3501});
}

TEST(DiodeTable, MissingFileLeavesEmptyTableAndNamesTheFile)
{
    Diode_Table t;
    t.read(u8("X\r\nY\r\n"));
    QBuffer closed;   // cannot be opened for reading: no data behind it
    closed.open(QIODevice::WriteOnly);
    const Diode_LoadReport r = Load_Diode_Data(closed, &t);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(t.size(), 0);
    EXPECT_TRUE(r.message().contains(u8("dioda.ini")));

    QByteArray bytes = textfile::encode(u8("1N5819\r\nSchottky; URRM 40 V\r\n"));
    QBuffer good(&bytes);
    const Diode_LoadReport ok = Load_Diode_Data(good, &t);
    EXPECT_TRUE(ok.ok);
    EXPECT_EQ(ok.records, 1);
    EXPECT_TRUE(ok.message().isEmpty());
}

TEST(Dictionary, SplitsLinesAtTheFirstTwoCommas)
{
    struct Case
    {
        const char *line, *hu, *en, *de;
    };
    const Case cases[] = {
        {"ellenállás,resistor,Widerstand", "ellenállás", "resistor", "Widerstand"},
        {"a,b,c,d,e", "a", "b", "c,d,e"},          // the German term keeps further commas
        {"dióda,diode", "dióda", "diode", ""},
        {"tekercs", "tekercs", "", ""},
        {" x , y ,\"z\"", " x ", " y ", "\"z\""},  // nothing trimmed, quotes plain
        {",,", "", "", ""},
    };
    for (const Case &c : cases) {
        const Dictionary_Entry e = Split_Dictionary_Line(u8(c.line));
        EXPECT_EQ(e.term[0], u8(c.hu)) << c.line;
        EXPECT_EQ(e.term[1], u8(c.en)) << c.line;
        EXPECT_EQ(e.term[2], u8(c.de)) << c.line;
    }
}

TEST(Dictionary, EveryNonEmptyLineIsAnEntry)
{
    const Dictionary_Table t = dictionary("a,b,c\r\n\r\nd\r\ne,f\r\n\r\n");
    ASSERT_EQ(t.size(), 3);
    EXPECT_EQ(t.entry(1).term[0], u8("d"));
    EXPECT_EQ(t.entry(2).term[1], u8("f"));
    EXPECT_EQ(t.entry(3).term[0], QString());
}

TEST(Dictionary, SortsInHungarianOrderStably)
{
    const Dictionary_Table t = dictionary(
        "zsák,sack,Sack\r\nzár,lock,Schloss\r\nöt,five,fünf\r\nőr,guard,Wache\r\nökör,ox,Ochse\r\n"
        "óra,clock,Uhr\r\nolló,scissors,Schere\r\ncsap,tap,Hahn\r\ncukor,sugar,Zucker\r\n"
        "alma,apple,Apfel\r\nábra,figure,Abbildung\r\nablak,window,Fenster\r\nkár,damage,Schaden\r\n"
        "Kar,Arm,Arm\r\nkar,arm,Arm\r\nűr,space,All\r\nüveg,glass,Glas\r\nutca,street,Straße\r\n"
        "nyak,neck,Hals\r\nnulla,zero,Null\r\n");
    EXPECT_EQ(ordered(t, 0).join(u8(" ")),
              u8("ablak ábra alma cukor csap Kar kar kár nulla nyak olló óra ökör őr öt utca űr üveg zár zsák"));
    // Equal keys keep file order: "Kar" came first, and both "Arm"s keep theirs.
    const std::vector<int> &en = t.order(1);
    EXPECT_EQ(t.entry(en[0]).term[1], u8("apple"));
    const std::vector<int> &de = t.order(2);
    EXPECT_EQ(t.entry(de[3]).term[0], u8("Kar"));
    EXPECT_EQ(t.entry(de[4]).term[0], u8("kar"));
}

TEST(Dictionary, MatchesCaselessWithLongVowelsAsShort)
{
    const Dictionary_Table t = dictionary("erősítő,amplifier,Verstärker\r\nfűtés,heating,Heizung\r\n"
                                          "ÖNTÖTT,cast,gegossen\r\nkondenzátor,capacitor,Kondensator\r\n");
    struct Case
    {
        int language;
        const char *needle;
        std::vector<int> matchNo;
    };
    const Case cases[] = {
        {0, "erös", {1, 0, 0, 0}},   // the search box turns "ő" into "ö"
        {0, "ERŐS", {1, 0, 0, 0}},
        {0, "füt", {0, 1, 0, 0}},
        {0, "öntött", {0, 0, 1, 0}},
        {1, "CAP", {0, 0, 0, 1}},
        {1, "ca", {0, 0, 1, 2}},     // match numbers count in file order
        {2, "ver", {1, 0, 0, 0}},
        {2, "kondensator", {0, 0, 0, 1}},
        {0, "capacitor", {0, 0, 0, 0}},   // only the chosen language is searched
    };
    for (const Case &c : cases) {
        std::vector<int> m;
        t.match(c.language, u8(c.needle), &m);
        EXPECT_EQ(m, c.matchNo) << c.needle;
    }
}

TEST(Dictionary, FullSizeSyntheticOrderIsSortedAndStable)
{
    Dictionary_Table t;
    t.read(dictionary_synth::generate());
    ASSERT_EQ(t.size(), dictionary_synth::kRows);
    QCollator hu{QLocale(QLocale::Hungarian, QLocale::Hungary)};
    hu.setCaseSensitivity(Qt::CaseInsensitive);
    for (int c = 0; c < kDictionaryLanguages; ++c) {
        const std::vector<int> &o = t.order(c);
        ASSERT_EQ(int(o.size()), t.size());
        for (size_t i = 1; i < o.size(); ++i) {
            const int cmp = hu.compare(t.entry(o[i - 1]).term[size_t(c)], t.entry(o[i]).term[size_t(c)]);
            ASSERT_TRUE(cmp < 0 || (cmp == 0 && o[i - 1] < o[i])) << c << " at " << i;
        }
    }
}
