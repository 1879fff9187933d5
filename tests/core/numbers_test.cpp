// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/numbers.h"

#include <gtest/gtest.h>
#include <cmath>

using num::decimalText;
using num::generalText;
using num::leadingNumber;
using num::localeNumber;

TEST(LeadingNumber, ReadsLongestLeadingNumber)
{
    const std::pair<const char *, double> cases[] = {
        {"12.5V", 12.5}, {"12,5", 12},   {"", 0},         {"abc", 0},        {" 1 2\t3\n", 123}, {"4.7.1", 4.7},
        {"-.5", -0.5},   {"+3", 3},      {"-", 0},        {".", 0},          {"1E3", 1000},      {"1e-2x", 0.01},
        {"2D2", 200},    {"5E", 5},      {"5E+", 5},      {"&HFF", 255},     {"&hff", 255},      {"&HFFFF", -1},
        {"&H10000", 65536}, {"&O17", 15}, {"&H", 0},      {"&", 0},          {"12.5 V", 12.5},   {"1\r2", 1},
    };
    for (const auto &[text, value] : cases)
        EXPECT_DOUBLE_EQ(leadingNumber(QString::fromUtf8(text)), value) << text;
}

TEST(LeadingNumberEdge, HugeExponentIsNotFinite)
{
    EXPECT_FALSE(std::isfinite(leadingNumber(QStringLiteral("1E999"))));
    EXPECT_EQ(leadingNumber(QStringLiteral("ő5")), 0);
}

TEST(LocaleNumber, ReadsWithTheGivenSeparator)
{
    const QChar comma(',');
    EXPECT_DOUBLE_EQ(*localeNumber(QStringLiteral("4,7"), comma), 4.7);
    EXPECT_DOUBLE_EQ(*localeNumber(QStringLiteral("4,"), comma), 4);
    EXPECT_DOUBLE_EQ(*localeNumber(QStringLiteral(",5"), comma), 0.5);
    EXPECT_DOUBLE_EQ(*localeNumber(QStringLiteral(" -12 "), comma), -12);
    EXPECT_DOUBLE_EQ(*localeNumber(QStringLiteral("1,5E3"), comma), 1500);
    EXPECT_FALSE(localeNumber(QStringLiteral(","), comma));
    EXPECT_FALSE(localeNumber(QStringLiteral(",,"), comma));
    EXPECT_FALSE(localeNumber(QStringLiteral(""), comma));
    EXPECT_FALSE(localeNumber(QStringLiteral("4.7"), comma));
    EXPECT_FALSE(localeNumber(QStringLiteral("4,7k"), comma));
    EXPECT_FALSE(localeNumber(QStringLiteral("1E999"), comma));
}

TEST(LocaleNumber, HungarianLocaleUsesComma)
{
    EXPECT_DOUBLE_EQ(*localeNumber(QStringLiteral("4,7")), 4.7);
    EXPECT_EQ(num::localeDecimalPoint(), QChar(','));
}

TEST(GeneralText, OverviewExamples)
{
    EXPECT_EQ(generalText(4.7), "4,7");
    EXPECT_EQ(generalText(22.6), "22,6");
    EXPECT_EQ(generalText(0.47), "0,47");
    EXPECT_EQ(generalText(10), "10");
    EXPECT_EQ(generalText(4.7e-5), "4,7E-05");
    EXPECT_EQ(generalText(1e15), "1E+15");
}

TEST(GeneralText, Boundaries)
{
    EXPECT_EQ(generalText(0), "0");
    EXPECT_EQ(generalText(-0.0), "0");
    EXPECT_EQ(generalText(-4.7), "-4,7");
    EXPECT_EQ(generalText(0.0001), "0,0001");
    EXPECT_EQ(generalText(0.00009), "9E-05");
    EXPECT_EQ(generalText(999999999999999.0), "999999999999999");
    EXPECT_EQ(generalText(1e100), "1E+100");
    // Fifteen significant digits, rounded: floating residue vanishes.
    EXPECT_EQ(generalText(0.1 + 0.2), "0,3");
    EXPECT_EQ(generalText(4.7 * 1000), "4700");
    EXPECT_EQ(generalText(2.0 / 3.0), "0,666666666666667");
    EXPECT_EQ(generalText(4.7, QChar('.')), "4.7");
}

TEST(DecimalText, OverviewExamples)
{
    EXPECT_EQ(decimalText(5), " 5");
    EXPECT_EQ(decimalText(0.5), " .5");
    EXPECT_EQ(decimalText(-2), "-2");
    EXPECT_EQ(decimalText(18446744073709551616.0), " 1.84467440737096E+19");
    EXPECT_EQ(decimalText(0), " 0");
    EXPECT_EQ(decimalText(-0.25), "-.25");
    EXPECT_EQ(decimalText(40), " 40");
    EXPECT_EQ(decimalText(0.00001), " 1E-05");
}
