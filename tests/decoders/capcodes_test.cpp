// SPDX-License-Identifier: GPL-3.0-or-later
#include "decoders/capcodes.h"

#include <QLocale>
#include <gtest/gtest.h>

namespace {

enum Colour { Black, Brown, Red, Orange, Yellow, Green, Blue, Violet, Grey, White, Gold, Silver };

template <typename Case>
std::string caseName(const testing::TestParamInfo<Case> &i)
{
    return i.param.name;
}

QString joined(const capcodes::ValueTexts &t)
{
    return t.pF + QLatin1Char('|') + t.nF + QLatin1Char('|') + t.uF;
}

// The worked examples run through the windows' tests; these are the ends.
struct ColourCase
{
    const char *name;
    int first, second, multiplier, tolerance;   // -1: not picked
    const char *expected;                       // multiplier | pF | nF | uF | tolerance
};
using ColourCodeTest = testing::TestWithParam<ColourCase>;

TEST_P(ColourCodeTest, picks_give_values_and_tolerance)
{
    const ColourCase &c = GetParam();
    auto digit = [](int d) { return d < 0 ? QString() : QString::number(d); };
    const QString m = c.multiplier < 0 ? QString() : capcodes::multiplierText(c.multiplier);
    const double pf = capcodes::capacitance(digit(c.first), digit(c.second), m);
    EXPECT_EQ(m + QLatin1Char('|') + joined(capcodes::valueTexts(pf)) + QLatin1Char('|')
                  + capcodes::ceramicTolerance(c.tolerance, pf),
              QString::fromLatin1(c.expected));
}

INSTANTIATE_TEST_SUITE_P(
    Edges, ColourCodeTest,
    testing::Values(ColourCase{"white_multiplier", Brown, Black, White, White, "0,1|1|0,001|1E-06|1.0 pF"},
                    ColourCase{"grey_from_ten_has_none", Brown, Black, Black, Grey, "1|10|0,01|1E-05|"},
                    ColourCase{"no_multiplier_is_zero", -1, Violet, -1, Black, "|0|0|0|"},
                    ColourCase{"largest", White, White, Violet, Brown, "10000000|990000000|990000|990|1 %"}),
    caseName<ColourCase>);

TEST(ColourCode, keeps_the_comma_and_reads_a_bad_multiplier_as_zero)
{
    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    const QString t = joined(capcodes::valueTexts(capcodes::capacitance("1", "5", "0,01")));
    QLocale::setDefault(saved);
    EXPECT_EQ(t, QStringLiteral("0,15|0,00015|1,5E-07"));
    EXPECT_EQ(joined(capcodes::valueTexts(capcodes::capacitance("4", "7", "x"))), QStringLiteral("0|0|0"));
}

struct TableCase
{
    const char *name;
    int index;
    const char *coefficient;
    int height;
    const char *bandedTolerance, *voltage;
};
using TableTest = testing::TestWithParam<TableCase>;

TEST_P(TableTest, lookups_by_colour)
{
    const TableCase &c = GetParam();
    EXPECT_EQ(capcodes::temperatureCoefficient(c.index), QString::fromUtf8(c.coefficient));
    EXPECT_EQ(capcodes::coefficientLabelHeight(c.index), c.height);
    EXPECT_EQ(capcodes::bandedTolerance(c.index), QString::fromLatin1(c.bandedTolerance));
    EXPECT_EQ(capcodes::bandedVoltage(c.index), QString::fromLatin1(c.voltage));
}

INSTANTIATE_TEST_SUITE_P(
    Colours, TableTest,
    testing::Values(TableCase{"black", Black, "0", 300, "+/- 20 %", ""},
                    TableCase{"brown", Brown, "-30", 300, "", "100 V"},
                    TableCase{"yellow", Yellow, "-220", 300, "", "400 V"},
                    TableCase{"green", Green, "-330", 300, "+/- 5 %", ""},
                    TableCase{"white", White, "+120 tól -750 (EIA)         +500 tól -330 (JAN)", 855, "+/- 10 %", ""},
                    TableCase{"gold", Gold, "Bypass or Coupling", 855, "", ""},
                    TableCase{"spare_slot", 12, "", 300, "", ""},
                    TableCase{"out_of_range", -1, "", 300, "", ""}),
    caseName<TableCase>);

struct PrintedCase
{
    const char *name;
    const char *first, *second;
    int zeros;
    const char *expected;   // pF | nF | µF
};
using PrintedTest = testing::TestWithParam<PrintedCase>;

TEST_P(PrintedTest, digits_and_zeros_give_values)
{
    const PrintedCase &c = GetParam();
    EXPECT_EQ(joined(capcodes::printedTexts(QString::fromLatin1(c.first), QString::fromLatin1(c.second),
                                            capcodes::zeros(c.zeros))),
              QString::fromLatin1(c.expected));
}

INSTANTIATE_TEST_SUITE_P(Edges, PrintedTest,
                         testing::Values(PrintedCase{"nine_zeros", "9", "9", 9, "99000000000 |99000000 |99000 "},
                                         PrintedCase{"leading_zero", "0", "1", 1, "010 |0,01 |1E-05 "},
                                         PrintedCase{"zeros_alone", "", "", 3, "000 |0 |0 "},
                                         PrintedCase{"nothing", "", "", -1, " |0 |0 "}),
                         caseName<PrintedCase>);

TEST(PrintedCode, letters_and_their_tolerances)
{
    QString all;
    for (int i = 0; i < capcodes::kLetterCount; ++i)
        all += QString(capcodes::toleranceLetter(i)) + capcodes::letterTolerance(i) + QLatin1Char('|');
    EXPECT_EQ(all + capcodes::letterTolerance(capcodes::kLetterCount), QStringLiteral("E25 |F1 |G2 |H2,5 |J5 |K10 |M20 |"));
}

} // namespace
