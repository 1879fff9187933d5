// SPDX-License-Identifier: GPL-3.0-or-later
#include "calculators/bdh_funkciok.h"

#include <QRandomGenerator>
#include <gtest/gtest.h>

using namespace BDH_Funkciók;

namespace {
const QString kTooLarge = QStringLiteral("Túl nagy szám! (legfeljebb 64 bites egész)");
const QString kNegative = QStringLiteral("Negatív szám nem váltható át!");
const QString kCharacter = QStringLiteral("Karakter hiba !!!!!!");

QString ones(int n) { return QString(n, QLatin1Char('1')); }

// Reference digits from Qt's own integer formatting.
QString hexWidth(quint64 v)
{
    const int width = v < 256 ? 2 : v < 65536 ? 4 : v < (quint64(1) << 32) ? 8 : v < (quint64(1) << 48) ? 12 : 16;
    return QString::number(v, 16).toUpper().rightJustified(width, QLatin1Char('0'));
}
} // namespace

TEST(BdhConversion, ShowsAllThreeNotations)
{
    const QString two53p1Bin = QStringLiteral("1") + QString(52, QLatin1Char('0')) + QStringLiteral("1");
    const struct
    {
        Notation from;
        const char *input;
        QString bin, dec, hex;   // all empty: the results are emptied
        QString message;         // empty: no error line
    } cases[] = {
        {Binary, "101", "101", " 5", "05", {}},
        {Binary, "102", "102", " 0", "00", kCharacter},
        {Binary, "1b", "1B", " 0", "00", kCharacter},
        {Binary, "0000" "1111111111111111111111111111111111111111111111111111111111111111",
         "0000" + ones(64), " 18446744073709551615", "FFFFFFFFFFFFFFFF", {}},
        {Binary, "1" "0000000000000000000000000000000000000000000000000000000000000000", {}, {}, {}, kTooLarge},
        {Hexadecimal, "ff", "11111111", " 255", "FF", {}},
        {Hexadecimal, "1g", "0", " 0", "1G", kCharacter},
        {Hexadecimal, " FF", "0", " 0", " FF", kCharacter},
        {Hexadecimal, "FF ", "11111111", " 255", "FF ", {}},
        {Hexadecimal, "20000000000001", two53p1Bin, " 9007199254740993", "20000000000001", {}},
        {Hexadecimal, "00FFFFFFFFFFFFFFFF", ones(64), " 18446744073709551615", "00FFFFFFFFFFFFFFFF", {}},
        {Hexadecimal, "10000000000000000", {}, {}, {}, kTooLarge},
        {Decimal, "256", "100000000", " 256", "0100", {}},
        {Decimal, "4294967296", "1" + QString(32, QLatin1Char('0')), " 4294967296", "000100000000", {}},
        {Decimal, "12.5", "1100", " 12.5", "0C", kCharacter},
        {Decimal, "12a", "1100", " 12", "0C", kCharacter},
        {Decimal, ".5", "0", " .5", "00", kCharacter},
        {Decimal, "1e3", "1111101000", " 1000", "03E8", kCharacter},
        {Decimal, "9007199254740993", two53p1Bin, " 9007199254740993", "0020000000000001", {}},
        {Decimal, "18446744073709551615", ones(64), " 18446744073709551615", "FFFFFFFFFFFFFFFF", {}},
        {Decimal, "18446744073709551615.50", ones(64), " 18446744073709551615.5", "FFFFFFFFFFFFFFFF", kCharacter},
        {Decimal, "18446744073709551616", {}, {}, {}, kTooLarge},
        {Decimal, "1e30", {}, {}, {}, kTooLarge},
        {Decimal, "-5", {}, {}, {}, kNegative},
        {Decimal, "-0", "0", " 0", "00", kCharacter},
        {Decimal, "&HFFFF", {}, {}, {}, kNegative},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.input);
        const Conversion r = convert(c.from, QString::fromUtf8(c.input));
        EXPECT_EQ(r.bin, c.bin);
        EXPECT_EQ(r.dec, c.dec);
        EXPECT_EQ(r.hex, c.hex);
        EXPECT_EQ(r.error, !c.message.isEmpty());
        EXPECT_EQ(r.message, c.message);
        EXPECT_EQ(Hiba, r.error);
    }
}

TEST(BdhFunctions, EveryWholeNumberRoundTripsExactly)
{
    QRandomGenerator rng(20261206);
    for (int i = 0; i < 3000; ++i) {
        // Spread over all magnitudes, not only near 2^64.
        const quint64 v = rng.generate64() >> rng.bounded(64);
        SCOPED_TRACE(v);
        const QString bin = QString::number(v, 2), dec = QLatin1Char(' ') + QString::number(v);
        const Conversion d = convert(Decimal, QString::number(v));
        EXPECT_EQ(d.bin, bin);
        EXPECT_EQ(d.hex, hexWidth(v));
        EXPECT_EQ(d.dec, dec);
        EXPECT_EQ(convert(Binary, bin).dec, dec);
        EXPECT_EQ(convert(Hexadecimal, QString::number(v, 16)).dec, dec);
        EXPECT_FALSE(d.error);
    }
}

TEST(BdhFunctions, DirectCallsSetTheFlag)
{
    Hiba = false;
    EXPECT_EQ(HexToDec(QStringLiteral("aBc")), 0xABCu);
    EXPECT_FALSE(Hiba);
    EXPECT_EQ(HexToDec(QStringLiteral("@")), 0u);   // between the digit and letter ranges
    EXPECT_TRUE(Hiba);
}

TEST(BdhFunctions, HugeInputsAnswerAtOnce)
{
    const QString digits(200000, QLatin1Char('9'));
    EXPECT_EQ(convert(Decimal, digits).message, kTooLarge);
    EXPECT_EQ(convert(Hexadecimal, digits).message, kTooLarge);
    EXPECT_EQ(convert(Binary, QString(200000, QLatin1Char('0'))).dec, QStringLiteral(" 0"));
}
