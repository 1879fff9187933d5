// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/textfile.h"
#include "decoders/smdcodes.h"

#include <QFile>
#include <QRegularExpression>
#include <gtest/gtest.h>
#include <cmath>

using namespace smdcodes;

namespace {

QString u8(const char *s) { return QString::fromUtf8(s); }

QString shipped(const char *name)
{
    QFile f(u8(KONDRIX_SOURCE_DATA "/SMD/") + u8(name));
    QString text;
    if (!textfile::readAll(f, &text))
        ADD_FAILURE() << "cannot read " << name;
    return text;
}

const Tables &shippedTables()
{
    static const Tables t = [] {
        Tables x;
        x.onePercent = readPairs(shipped("!smd_1.txt"));
        x.twoFive = readPairs(shipped("!smd_2_5.txt"));
        x.multipliers = readMultipliers(shipped("!smd_szorzo.txt"));
        x.ceramic = readPairs(shipped("!smd_keramia.txt"));
        return x;
    }();
    return t;
}

const int kE24[24] = {100, 110, 120, 130, 150, 160, 180, 200, 220, 240, 270, 300,
                      330, 360, 390, 430, 470, 510, 560, 620, 680, 750, 820, 910};

} // namespace

// ---- Shipped tables against independently computed ones -------------------

TEST(SmdTables, shipped_tables_match_the_standard_series)
{
    const Tables &t = shippedTables();
    ASSERT_EQ(t.onePercent.size(), 96u);
    for (int n = 1; n <= 96; ++n) {
        const CodePair &p = t.onePercent[size_t(n - 1)];
        EXPECT_EQ(p.code, QString::asprintf("%02d", n));
        EXPECT_EQ(p.value.toInt(), int(std::lround(std::pow(10.0, 2 + (n - 1) / 96.0)))) << n;
    }
    ASSERT_EQ(t.twoFive.size(), 48u);
    for (int n = 1; n <= 48; ++n) {
        EXPECT_EQ(t.twoFive[size_t(n - 1)].code, QString::asprintf("%02d", n));
        EXPECT_EQ(t.twoFive[size_t(n - 1)].value.toInt(), kE24[(n - 1) % 24]) << n;
    }
    const std::vector<double> mult = {1, 10, 100, 1000, 10000, 100000, 0.1, 0.1, 0.01, 0.01};
    EXPECT_EQ(t.multipliers, mult);

    // Upper-case letters without I and O carry the E24 figures; the lower-case
    // ones fill the gaps.
    std::map<QChar, double> expected;
    int k = 0;
    for (char c = 'A'; c <= 'Z'; ++c)
        if (c != 'I' && c != 'O')
            expected[QLatin1Char(c)] = kE24[k++] / 100.0;
    const std::pair<char, double> lower[] = {{'a', 2.5}, {'b', 3.5}, {'d', 4.0}, {'e', 4.5}, {'f', 5.0},
                                             {'m', 6.0}, {'n', 7.0}, {'t', 8.0}, {'y', 9.0}};
    for (auto [c, v] : lower)
        expected[QLatin1Char(c)] = v;
    ASSERT_EQ(t.ceramic.size(), 33u);
    for (const CodePair &p : t.ceramic) {
        ASSERT_EQ(p.code.size(), 1);
        ASSERT_TRUE(expected.count(p.code.at(0))) << p.code.toStdString();
        EXPECT_DOUBLE_EQ(p.value.toDouble(), expected[p.code.at(0)]) << p.code.toStdString();
        expected.erase(p.code.at(0));
    }
    EXPECT_TRUE(expected.empty());
}

// Every "code = value unit" reference line decodes as it says.
TEST(SmdTables, reference_lines_are_correct_to_the_digit)
{
    const QRegularExpression rx(u8("^([0-9R]{3,4}) = ([0-9]+(?:,[0-9]+)?) (ohm|kohm|Mohm)( \\(átkötés\\))?$"));
    for (const char *file : {"!smd_3.txt", "!smd_4.txt"}) {
        int checked = 0;
        for (const QString &line : textfile::splitLines(shipped(file))) {
            const auto m = rx.match(line);
            if (!m.hasMatch()) {
                EXPECT_FALSE(line.contains(QLatin1Char('='))) << line.toStdString();
                continue;
            }
            const QString code = m.captured(1);
            EXPECT_EQ(code.size(), file[5] == '3' ? 3 : 4) << line.toStdString();
            double ohms;
            if (code.contains(QLatin1Char('R')))
                ohms = QString(code).replace(QLatin1Char('R'), QLatin1Char('.')).toDouble();
            else
                ohms = code.left(code.size() - 1).toInt() * std::pow(10.0, code.right(1).toInt());
            const double unit = m.captured(3) == u8("Mohm") ? 1e6 : m.captured(3) == u8("kohm") ? 1e3 : 1;
            EXPECT_NEAR(m.captured(2).replace(QLatin1Char(','), QLatin1Char('.')).toDouble() * unit, ohms,
                        ohms * 1e-12)
                << line.toStdString();
            EXPECT_EQ(m.captured(4).isEmpty(), ohms != 0) << line.toStdString();
            ++checked;
        }
        EXPECT_GE(checked, 10) << file;
    }
}

// ---- Resistor codes --------------------------------------------------------

TEST(SmdResistor, decodes)
{
    const struct
    {
        const char *typed, *code, *text;
        bool known;
    } cases[] = {
        {"22A", "22A", " 165 ohm\r\n1%-os ellenállás", true},
        {"22a", "22A", " 165 ohm\r\n1%-os ellenállás", true},
        {"01C", "01C", " 10 K-ohm\r\n1%-os ellenállás", true},
        {"68X", "68X", " 49.9 ohm\r\n1%-os ellenállás", true},
        {"01R", "01R", " 1 ohm\r\n1%-os ellenállás", true},
        {"96F", "96F", " 97.6 M-ohm\r\n1%-os ellenállás", true},
        {"01Y", "01Y", " 1 ohm\r\n1%-os ellenállás", true},
        {"D18", "D18", " 510 K-ohm\r\n2 %-os ellenállás", true},
        {"d24", "D24", " 910 K-ohm\r\n2 %-os ellenállás", true},
        {"D25", "D25", " 100 K-ohm\r\n5 %-os ellenállás", true},
        {"E31", "E31", " 1.8 M-ohm\r\n5 %-os ellenállás", true},
        {"S48", "S48", " 91 ohm\r\n5 %-os ellenállás", true},
        {"97A", "97A", "nem ismert!", false},
        {"00A", "00A", "nem ismert!", false},
        {"A49", "A49", "nem ismert!", false},
        {"A00", "A00", "nem ismert!", false},
        {"2A2", "2A2", "nem ismert!", false},
        {"22Z", "22Z", "nem ismert!", false},
        {"ő2A", "Ő2A", "nem ismert!", false},
        {"22", "22", "3 karakter", false},
        {"", "", "3 karakter", false},
        {"22AB", "22AB", "Max 3 karakter!", false},
    };
    for (const auto &c : cases) {
        const ResistorResult r = decodeResistor(u8(c.typed), shippedTables());
        EXPECT_EQ(r.code, u8(c.code));
        EXPECT_EQ(r.text, u8(c.text)) << c.typed;
        EXPECT_EQ(r.known, c.known) << c.typed;
    }
}

TEST(SmdResistorText, units_and_tables_short_of_records)
{
    EXPECT_EQ(resistorText(1e9), u8(" 1 G-ohm"));
    EXPECT_EQ(resistorText(999.5), u8(" 999.5 ohm"));
    EXPECT_EQ(resistorText(0.47), u8(" .47 ohm"));
    // A code in range but missing from a short table reads as 0 ohm; a
    // missing multiplier gives 0 too.
    Tables t;
    t.onePercent = readPairs(u8("\"01\",\"100\"\r\n\"01\",\"102.5\"\r\n"));
    t.multipliers = {1, 10};
    EXPECT_EQ(decodeResistor(u8("01B"), t).text, u8(" 1.02 K-ohm\r\n1%-os ellenállás"));   // later one, to even
    EXPECT_EQ(decodeResistor(u8("02A"), t).text, u8(" 0 ohm\r\n1%-os ellenállás"));
    EXPECT_EQ(decodeResistor(u8("01C"), t).text, u8(" 0 ohm\r\n1%-os ellenállás"));
    EXPECT_EQ(decodeResistor(u8("A05"), t).text, u8(" 0 ohm\r\n2 %-os ellenállás"));
}

// ---- Capacitor codes -------------------------------------------------------

TEST(SmdCeramic, last_two_characters_decode)
{
    const std::pair<const char *, const char *> cases[] = {
        {"A2", "100 pF"},   {"KA2", "100 pF"}, {"S3", "4,7 nF"}, {"Z6", "9,1 uF"},  {"a2", "250 pF"},
        {"y1", "90 pF"},    {"A9", "0,1 pF"},  {"J9", "0,22 pF"}, {"A0", ""},        {"A", ""},
        {"", ""},           {"I2", ""},        {"Ax", ""},       {"2A", ""},        {"B8", "0,011 pF"}, {"A8", "0,01 pF"}, {"S7", "47 uF"},
    };
    for (auto [typed, shown] : cases)
        EXPECT_EQ(decodeCeramic(u8(typed), shippedTables()), u8(shown)) << typed;
    EXPECT_EQ(decodeCeramic(u8("A2"), Tables()), QString());
}

TEST(SmdElectrolytic, voltage_letter_digits_and_power)
{
    const std::pair<const char *, const char *> cases[] = {
        {"A475", "4,7 uF/10 V"}, {"e106", "10 uF/2.5 V"}, {"e475", "4,7 uF/2.5 V"}, {"E475", "4,7 uF/25 V"},
        {"H101", "100 pF/50 V"}, {"J222", "2,2 nF/6.3 V"}, {"V107", "100 uF/35 V"}, {"A4755", "4,7 uF/10 V"},
        {"G100", "10 pF/4 V"},   {"A47", "XXXX"},         {"a475", "XXXX"},        {"B475", "XXXX"},
        {"A4x5", "XXXX"},        {"A47x", "XXXX"},        {"", "XXXX"},
    };
    for (auto [typed, shown] : cases)
        EXPECT_EQ(decodeElectrolytic(u8(typed)), u8(shown)) << typed;
}

// ---- Table files -----------------------------------------------------------

TEST(SmdTableFiles, pairs_and_multiplier_lines)
{
    const std::vector<CodePair> p = readPairs(u8("\"01\", \"100\"\r\n  A ,\"1,5\"\r\nZ"));
    ASSERT_EQ(p.size(), 3u);
    EXPECT_EQ(p[0].code, u8("01"));
    EXPECT_EQ(p[0].value, u8("100"));
    EXPECT_EQ(p[1].code, u8("A"));
    EXPECT_EQ(p[1].value, u8("1,5"));
    EXPECT_EQ(p[2].code, u8("Z"));   // the file ends after the code
    EXPECT_TRUE(p[2].value.isEmpty());
    EXPECT_EQ(readMultipliers(u8("1\r\n0.1 x\r\nabc\r\n1E3\r\n")), (std::vector<double>{1, 0.1, 0, 1000}));
    EXPECT_TRUE(readPairs(QString()).empty());
}
