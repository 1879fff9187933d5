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

struct ConversionCase
{
    const char *name;
    Notation from;
    const char *input;
    QString bin, dec, hex;   // all empty: the results are emptied
    QString message;         // empty: no error line
};

class BdhConversion : public testing::TestWithParam<ConversionCase>
{};

TEST_P(BdhConversion, ShowsAllThreeNotations)
{
    const ConversionCase &c = GetParam();
    const Conversion r = convert(c.from, QString::fromUtf8(c.input));
    EXPECT_EQ(r.bin, c.bin);
    EXPECT_EQ(r.dec, c.dec);
    EXPECT_EQ(r.hex, c.hex);
    EXPECT_EQ(r.error, !c.message.isEmpty());
    EXPECT_EQ(r.message, c.message);
    EXPECT_EQ(Hiba, r.error);
}

const QString two53p1Bin = QStringLiteral("1") + QString(52, QLatin1Char('0')) + QStringLiteral("1");

INSTANTIATE_TEST_SUITE_P(
    Examples, BdhConversion,
    testing::Values(
        ConversionCase{"bin_101", Binary, "101", "101", " 5", "05", {}},
        ConversionCase{"bin_102_bad_digit", Binary, "102", "102", " 0", "00", kCharacter},
        ConversionCase{"bin_lower_letters_upper_cased", Binary, "1b", "1B", " 0", "00", kCharacter},
        ConversionCase{"bin_64_ones", Binary, "0000" "1111111111111111111111111111111111111111111111111111111111111111",
                       "0000" + ones(64), " 18446744073709551615", "FFFFFFFFFFFFFFFF", {}},
        ConversionCase{"bin_65_digits", Binary, "1" "0000000000000000000000000000000000000000000000000000000000000000",
                       {}, {}, {}, kTooLarge},
        ConversionCase{"hex_ff", Hexadecimal, "ff", "11111111", " 255", "FF", {}},
        ConversionCase{"hex_1g", Hexadecimal, "1g", "0", " 0", "1G", kCharacter},
        ConversionCase{"hex_leading_blank_is_examined", Hexadecimal, " FF", "0", " 0", " FF", kCharacter},
        ConversionCase{"hex_trailing_blank_is_not", Hexadecimal, "FF ", "11111111", " 255", "FF ", {}},
        ConversionCase{"hex_2_53_plus_1", Hexadecimal, "20000000000001", two53p1Bin, " 9007199254740993",
                       "20000000000001", {}},
        ConversionCase{"hex_max", Hexadecimal, "00FFFFFFFFFFFFFFFF", ones(64), " 18446744073709551615",
                       "00FFFFFFFFFFFFFFFF", {}},
        ConversionCase{"hex_17_digits", Hexadecimal, "10000000000000000", {}, {}, {}, kTooLarge},
        ConversionCase{"dec_256", Decimal, "256", "100000000", " 256", "0100", {}},
        ConversionCase{"dec_2_32", Decimal, "4294967296", "1" + QString(32, QLatin1Char('0')), " 4294967296",
                       "000100000000", {}},
        ConversionCase{"dec_12_5_point_flagged", Decimal, "12.5", "1100", " 12.5", "0C", kCharacter},
        ConversionCase{"dec_12a_reads_12", Decimal, "12a", "1100", " 12", "0C", kCharacter},
        ConversionCase{"dec_half", Decimal, ".5", "0", " .5", "00", kCharacter},
        ConversionCase{"dec_exponent", Decimal, "1e3", "1111101000", " 1000", "03E8", kCharacter},
        ConversionCase{"dec_2_53_plus_1", Decimal, "9007199254740993", two53p1Bin, " 9007199254740993",
                       "0020000000000001", {}},
        ConversionCase{"dec_max", Decimal, "18446744073709551615", ones(64), " 18446744073709551615",
                       "FFFFFFFFFFFFFFFF", {}},
        ConversionCase{"dec_large_with_fraction", Decimal, "18446744073709551615.50", ones(64),
                       " 18446744073709551615.5", "FFFFFFFFFFFFFFFF", kCharacter},
        ConversionCase{"dec_2_64", Decimal, "18446744073709551616", {}, {}, {}, kTooLarge},
        ConversionCase{"dec_exponent_too_large", Decimal, "1e30", {}, {}, {}, kTooLarge},
        ConversionCase{"dec_negative", Decimal, "-5", {}, {}, {}, kNegative},
        ConversionCase{"dec_minus_zero", Decimal, "-0", "0", " 0", "00", kCharacter},
        ConversionCase{"dec_hex_prefix_negative", Decimal, "&HFFFF", {}, {}, {}, kNegative}),
    [](const testing::TestParamInfo<ConversionCase> &i) { return std::string(i.param.name); });

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
