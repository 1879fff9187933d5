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

QString digit(int d)
{
    return d < 0 ? QString() : QString::number(d);
}

// ---- Colour code: digits and multiplier to values and tolerance ----------

struct ColourCase
{
    const char *name;
    int first, second, multiplier;   // colour index, -1 for not picked
    int tolerance;                   // ceramic E
    const char *multiplierText, *pF, *nF, *uF, *toleranceText;
};
using ColourCodeTest = testing::TestWithParam<ColourCase>;

TEST_P(ColourCodeTest, picks_give_values_and_tolerance)
{
    const ColourCase &c = GetParam();
    const QString m = c.multiplier < 0 ? QString() : capcodes::multiplierText(c.multiplier);
    EXPECT_EQ(m, QString::fromLatin1(c.multiplierText));
    const double pf = capcodes::capacitance(digit(c.first), digit(c.second), m);
    const capcodes::ValueTexts t = capcodes::valueTexts(pf);
    EXPECT_EQ(t.pF, QString::fromLatin1(c.pF));
    EXPECT_EQ(t.nF, QString::fromLatin1(c.nF));
    EXPECT_EQ(t.uF, QString::fromLatin1(c.uF));
    EXPECT_EQ(capcodes::ceramicTolerance(c.tolerance, pf), QString::fromLatin1(c.toleranceText));
}

INSTANTIATE_TEST_SUITE_P(
    Examples, ColourCodeTest,
    testing::Values(
        ColourCase{"yellow_violet_red_black", Yellow, Violet, Red, Black, "100", "4700", "4,7", "0,0047", "20 %"},
        ColourCase{"ten_pF_is_not_below_ten", Brown, Black, Black, Green, "1", "10", "0,01", "1E-05", "5 %"},
        ColourCase{"five_pF_uses_small_table", Black, Green, Black, Green, "1", "5", "0,005", "5E-06", "0.5 pF"},
        ColourCase{"grey_multiplier", Brown, Black, Grey, Black, "0,01", "0,1", "0,0001", "1E-07", "2.0 pF"},
        ColourCase{"white_multiplier", Brown, Black, White, White, "0,1", "1", "0,001", "1E-06", "1.0 pF"},
        ColourCase{"brown_below_ten_has_none", Black, Green, Black, Brown, "1", "5", "0,005", "5E-06", ""},
        ColourCase{"grey_from_ten_has_none", Brown, Black, Black, Grey, "1", "10", "0,01", "1E-05", ""},
        ColourCase{"first_digit_alone", Yellow, -1, Brown, Red, "10", "40", "0,04", "4E-05", "3 %"},
        ColourCase{"no_multiplier_is_zero", -1, Violet, -1, Black, "", "0", "0", "0", ""},
        ColourCase{"nothing_picked", -1, -1, -1, Black, "", "0", "0", "0", ""},
        ColourCase{"largest_ceramic", White, White, Violet, Brown, "10000000", "990000000", "990000", "990",
                   "1 %"},
        ColourCase{"banded_470n", Yellow, Violet, Yellow, Black, "10000", "470000", "470", "0,47", "20 %"},
        ColourCase{"banded_10n", Brown, Black, Orange, Black, "1000", "10000", "10", "0,01", "20 %"}),
    caseName<ColourCase>);

TEST(ColourCode, texts_keep_the_comma_under_any_locale)
{
    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    const capcodes::ValueTexts t = capcodes::valueTexts(capcodes::capacitance("1", "5", "0,01"));
    QLocale::setDefault(saved);
    EXPECT_EQ(t.pF, QStringLiteral("0,15"));
    EXPECT_EQ(t.uF, QStringLiteral("1,5E-07"));
}

TEST(ColourCode, bad_multiplier_text_reads_as_zero_without_negative_zero)
{
    EXPECT_EQ(capcodes::valueTexts(capcodes::capacitance("4", "7", "x")).pF, QStringLiteral("0"));
    EXPECT_EQ(capcodes::valueTexts(capcodes::capacitance("0", "0", "0,1")).uF, QStringLiteral("0"));
}

// ---- Tables ---------------------------------------------------------------

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
                    TableCase{"red", Red, "-80", 300, "", "200 V"},
                    TableCase{"yellow", Yellow, "-220", 300, "", "400 V"},
                    TableCase{"green", Green, "-330", 300, "+/- 5 %", ""},
                    TableCase{"violet", Violet, "-750", 300, "", ""},
                    TableCase{"grey", Grey, "+30", 300, "", ""},
                    TableCase{"white", White, "+120 tól -750 (EIA)         +500 tól -330 (JAN)", 855, "+/- 10 %", ""},
                    TableCase{"gold", Gold, "Bypass or Coupling", 855, "", ""},
                    TableCase{"silver", Silver, "+100 (JAN)", 300, "", ""},
                    TableCase{"spare_slot", 12, "", 300, "", ""},
                    TableCase{"out_of_range", -1, "", 300, "", ""}),
    caseName<TableCase>);

TEST(Columns, entries_top_to_bottom)
{
    using capcodes::Column;
    EXPECT_EQ(capcodes::ceramicColumn(Column::A).size(), 12);
    EXPECT_EQ(capcodes::ceramicColumn(Column::D), QVector<int>({0, 1, 2, 3, 4, 5, 6, 7, 8, 9}));
    EXPECT_EQ(capcodes::ceramicColumn(Column::E), QVector<int>({0, 1, 2, 5, 8, 9}));
    EXPECT_EQ(capcodes::bandedColumn(Column::C), QVector<int>({3, 4, 5}));
    EXPECT_EQ(capcodes::bandedColumn(Column::D), QVector<int>({0, 5, 9}));
    EXPECT_EQ(capcodes::bandedColumn(Column::E), QVector<int>({1, 2, 4}));
    EXPECT_EQ(QString::fromUtf8(capcodes::colour(Silver).caption), QStringLiteral("Ezüst"));
    EXPECT_TRUE((capcodes::colour(Orange).background == capcodes::Rgb{255, 128, 0}));
}

// ---- Printed code ---------------------------------------------------------

struct PrintedCase
{
    const char *name;
    const char *first, *second;
    int zeros;
    const char *pF, *nF, *uF;
};
using PrintedTest = testing::TestWithParam<PrintedCase>;

TEST_P(PrintedTest, digits_and_zeros_give_values)
{
    const PrintedCase &c = GetParam();
    const capcodes::ValueTexts t = capcodes::printedTexts(QString::fromLatin1(c.first),
                                                          QString::fromLatin1(c.second), capcodes::zeros(c.zeros));
    EXPECT_EQ(t.pF, QString::fromLatin1(c.pF));
    EXPECT_EQ(t.nF, QString::fromLatin1(c.nF));
    EXPECT_EQ(t.uF, QString::fromLatin1(c.uF));
}

INSTANTIATE_TEST_SUITE_P(
    Examples, PrintedTest,
    testing::Values(PrintedCase{"code_154", "1", "5", 4, "150000 ", "150 ", "0,15 "},
                    PrintedCase{"second_digit_only", "", "5", 2, "500 ", "0,5 ", "0,0005 "},
                    PrintedCase{"no_zeros", "4", "7", 0, "47 ", "0,047 ", "4,7E-05 "},
                    PrintedCase{"nine_zeros", "9", "9", 9, "99000000000 ", "99000000 ", "99000 "},
                    PrintedCase{"leading_zero", "0", "1", 1, "010 ", "0,01 ", "1E-05 "},
                    PrintedCase{"zeros_alone", "", "", 3, "000 ", "0 ", "0 "},
                    PrintedCase{"nothing", "", "", -1, " ", "0 ", "0 "},
                    PrintedCase{"small_in_exponent_form", "", "1", 0, "1 ", "0,001 ", "1E-06 "}),
    caseName<PrintedCase>);

TEST(PrintedCode, letters_and_their_tolerances)
{
    const char *expected[] = {"E25 ", "F1 ", "G2 ", "H2,5 ", "J5 ", "K10 ", "M20 "};
    for (int i = 0; i < capcodes::kLetterCount; ++i)
        EXPECT_EQ(QString(capcodes::toleranceLetter(i)) + capcodes::letterTolerance(i),
                  QString::fromLatin1(expected[i]));
    EXPECT_TRUE(capcodes::letterTolerance(7).isEmpty());
    EXPECT_EQ(capcodes::zeros(10), QString());
}

} // namespace
