// SPDX-License-Identifier: GPL-3.0-or-later
#include "decoders/capcodes.h"

#include <QLocale>
#include <gtest/gtest.h>

namespace {

enum Colour { Black, Brown, Red, Orange, Yellow, Green, Blue, Violet, Grey, White, Gold, Silver };

QString joined(const capcodes::ValueTexts &t)
{
    return t.pF + QLatin1Char('|') + t.nF + QLatin1Char('|') + t.uF;
}

// The worked examples run through the windows' tests; these are the ends.
TEST(ColourCode, picks_give_values_and_tolerance)
{
    const struct
    {
        int first, second, multiplier, tolerance;   // -1: not picked
        const char *expected;                       // multiplier | pF | nF | uF | tolerance
    } cases[] = {
        {Brown, Black, White, White, "0,1|1|0,001|1E-06|1.0 pF"},
        {Brown, Black, Black, Grey, "1|10|0,01|1E-05|"},   // grey has none from ten on
        {-1, Violet, -1, Black, "|0|0|0|"},                 // no multiplier: zero
        {White, White, Violet, Brown, "10000000|990000000|990000|990|1 %"},
    };
    auto digit = [](int d) { return d < 0 ? QString() : QString::number(d); };
    for (const auto &c : cases) {
        const QString m = c.multiplier < 0 ? QString() : capcodes::multiplierText(c.multiplier);
        const double pf = capcodes::capacitance(digit(c.first), digit(c.second), m);
        EXPECT_EQ(m + QLatin1Char('|') + joined(capcodes::valueTexts(pf)) + QLatin1Char('|')
                      + capcodes::ceramicTolerance(c.tolerance, pf),
                  QString::fromLatin1(c.expected));
    }
}

TEST(ColourCode, keeps_the_comma_and_reads_a_bad_multiplier_as_zero)
{
    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    const QString t = joined(capcodes::valueTexts(capcodes::capacitance("1", "5", "0,01")));
    QLocale::setDefault(saved);
    EXPECT_EQ(t, QStringLiteral("0,15|0,00015|1,5E-07"));
    EXPECT_EQ(joined(capcodes::valueTexts(capcodes::capacitance("4", "7", "x"))), QStringLiteral("0|0|0"));
}

TEST(ColourCode, lookups_by_colour)
{
    const struct
    {
        int index;   // 12: the spare slot
        const char *coefficient;
        int height;
        const char *bandedTolerance, *voltage;
    } cases[] = {
        {Black, "0", 300, "+/- 20 %", ""},
        {Brown, "-30", 300, "", "100 V"},
        {Yellow, "-220", 300, "", "400 V"},
        {Green, "-330", 300, "+/- 5 %", ""},
        {White, "+120 tól -750 (EIA)         +500 tól -330 (JAN)", 855, "+/- 10 %", ""},
        {Gold, "Bypass or Coupling", 855, "", ""},
        {12, "", 300, "", ""},
        {-1, "", 300, "", ""},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(capcodes::temperatureCoefficient(c.index), QString::fromUtf8(c.coefficient)) << c.index;
        EXPECT_EQ(capcodes::coefficientLabelHeight(c.index), c.height) << c.index;
        EXPECT_EQ(capcodes::bandedTolerance(c.index), QString::fromLatin1(c.bandedTolerance)) << c.index;
        EXPECT_EQ(capcodes::bandedVoltage(c.index), QString::fromLatin1(c.voltage)) << c.index;
    }
}

TEST(PrintedCode, digits_and_zeros_give_values)
{
    const struct
    {
        const char *first, *second;
        int zeros;
        const char *expected;   // pF | nF | µF
    } cases[] = {
        {"9", "9", 9, "99000000000 |99000000 |99000 "},
        {"0", "1", 1, "010 |0,01 |1E-05 "},
        {"", "", 3, "000 |0 |0 "},
        {"", "", -1, " |0 |0 "},
    };
    for (const auto &c : cases)
        EXPECT_EQ(joined(capcodes::printedTexts(QString::fromLatin1(c.first), QString::fromLatin1(c.second),
                                                capcodes::zeros(c.zeros))),
                  QString::fromLatin1(c.expected));
}

TEST(PrintedCode, letters_and_their_tolerances)
{
    QString all;
    for (int i = 0; i < capcodes::kLetterCount; ++i)
        all += QString(capcodes::toleranceLetter(i)) + capcodes::letterTolerance(i) + QLatin1Char('|');
    EXPECT_EQ(all + capcodes::letterTolerance(capcodes::kLetterCount), QStringLiteral("E25 |F1 |G2 |H2,5 |J5 |K10 |M20 |"));
}

} // namespace
