#include "core/numbers.h"
#include "decoders/mod_r.h"

#include <QLocale>
#include <gtest/gtest.h>
#include <cmath>

namespace {

enum Colour { Black, Brown, Red, Orange, Yellow, Green, Blue, Violet, Grey, White, Silver, Gold, None };

// ---- Value texts ---------------------------------------------------------

struct ValueCase
{
    const char *name;
    QVector<int> digits;
    int multiplier;
    int tolerance;
    double ohms;
    const char *text;
};

class ValueTextTest : public testing::TestWithParam<ValueCase>
{
};

TEST_P(ValueTextTest, bands_give_resistance_and_text)
{
    const ValueCase &c = GetParam();
    mod_R::InitColourTables();
    const std::optional<double> r = mod_R::resistance(c.digits, c.multiplier);
    ASSERT_TRUE(r);
    EXPECT_NEAR(*r, c.ohms, c.ohms * 1e-12);
    EXPECT_EQ(mod_R::valueText(*r, c.tolerance).value_or(QStringLiteral("?")), QString::fromUtf8(c.text));
}

INSTANTIATE_TEST_SUITE_P(
    Examples, ValueTextTest,
    testing::Values(
        ValueCase{"ten_ohms", {Brown, Black}, Black, Gold, 10, "10 ohm  5%"},
        ValueCase{"zero_ohms", {Black, Black}, Silver, Brown, 0, "0 ohm  1%"},
        ValueCase{"tenth_of_an_ohm", {Brown, Black}, Silver, None, 0.1, "0,1 ohm  20%"},
        ValueCase{"load_state_4k7", {Yellow, Violet}, Red, Silver, 4700, "4,7 k-ohm  10%"},
        ValueCase{"exactly_1000_is_kilo", {Brown, Black}, Red, Gold, 1000, "1 k-ohm  5%"},
        ValueCase{"hundred_megohm", {Brown, Black}, Violet, Gold, 1e8, "100 M-ohm  5%"},
        ValueCase{"ten_gigaohm", {Brown, Black}, White, Gold, 1e10, "10 G-ohm  5%"},
        ValueCase{"largest_four_band", {White, White}, White, Gold, 99e9, "99 G-ohm  5%"},
        ValueCase{"five_band_999_stays_ohm", {White, White, White}, Black, Brown, 999, "999 ohm  1%"},
        ValueCase{"five_band_load_state", {Red, Red, Blue}, Red, Brown, 22600, "22,6 k-ohm  1%"},
        ValueCase{"leading_black_is_a_zero", {Black, Green}, Black, Gold, 5, "5 ohm  5%"},
        ValueCase{"gold_multiplier_five_band", {Red, Red, Blue}, Gold, Brown, 22.6, "22,6 ohm  1%"},
        ValueCase{"smallest_nonzero", {Black, Brown}, Silver, Violet, 0.01, "0,01 ohm  0,1%"},
        ValueCase{"black_tolerance_is_blank", {Brown, Black}, Black, Black, 10, "10 ohm  "},
        ValueCase{"just_above_999_k", {Brown, Black, Brown}, Blue, Gold, 101e6, "101 M-ohm  5%"}),
    [](const testing::TestParamInfo<ValueCase> &i) { return std::string(i.param.name); });

TEST(ValueText, uses_decimal_comma_whatever_the_locale)
{
    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    const QString text = mod_R::valueText(4700, Silver).value_or(QString());
    QLocale::setDefault(saved);
    EXPECT_EQ(text, QStringLiteral("4,7 k-ohm  10%"));
}

TEST(ValueText, failures_give_no_text)
{
    EXPECT_FALSE(mod_R::resistance({Brown, Black}, None));          // unmarked has no multiplier
    EXPECT_FALSE(mod_R::resistance({Silver, Black}, Black));        // silver has no digit
    EXPECT_FALSE(mod_R::resistance({}, Black));
    EXPECT_FALSE(mod_R::valueText(10, 13));
    EXPECT_FALSE(mod_R::valueText(NAN, Gold));
    EXPECT_FALSE(mod_R::valueText(-1, Gold));
}

// ---- Bands from typed text ------------------------------------------------

struct TypedCase
{
    const char *name;
    const char *text;
    const char *unit;
    bool some;
    int first, second, multiplier;
};

class BandsFromTypedTest : public testing::TestWithParam<TypedCase>
{
};

TEST_P(BandsFromTypedTest, typed_value_gives_bands)
{
    const TypedCase &c = GetParam();
    const auto bands = mod_R::bandsFromTyped(QString::fromUtf8(c.text), QString::fromUtf8(c.unit));
    ASSERT_EQ(bands.has_value(), c.some);
    if (!c.some)
        return;
    EXPECT_EQ(bands->first, c.first);
    EXPECT_EQ(bands->second, c.second);
    EXPECT_EQ(bands->multiplier, c.multiplier);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, BandsFromTypedTest,
    testing::Values(
        TypedCase{"k_4_7", "4,7", "k-Ohm", true, Yellow, Violet, Red},
        TypedCase{"M_470", "470", "M-Ohm", true, Yellow, Violet, Violet},
        TypedCase{"ohm_4_7_gold", "4,7", "Ohm", true, Yellow, Violet, Gold},
        TypedCase{"ohm_1_0", "1,0", "Ohm", true, Brown, Black, Gold},
        TypedCase{"ohm_10", "10", "Ohm", true, Brown, Black, Black},
        TypedCase{"k_comma_1", ",1", "k-Ohm", true, Brown, Black, Brown},
        TypedCase{"ohm_single_digit", "5", "Ohm", true, Black, Green, Black},
        TypedCase{"k_single_digit", "5", "k-Ohm", true, Green, Black, Red},
        TypedCase{"ohm_below_one", "0,4", "Ohm", true, Yellow, Black, Silver},
        TypedCase{"ohm_zero", "0", "Ohm", true, Black, Black, Silver},
        TypedCase{"k_zero_none", "0", "k-Ohm", false, 0, 0, 0},
        TypedCase{"M_zero_none", "0,0", "M-Ohm", false, 0, 0, 0},
        TypedCase{"lone_comma_none", ",", "Ohm", false, 0, 0, 0},
        TypedCase{"two_commas_none", ",,", "k-Ohm", false, 0, 0, 0},
        TypedCase{"empty_none", "", "Ohm", false, 0, 0, 0},
        TypedCase{"trailing_comma", "4,", "k-Ohm", true, Yellow, Black, Red},
        TypedCase{"unknown_unit_is_ohm", "47", "kOhm", true, Yellow, Violet, Black},
        TypedCase{"empty_unit_is_ohm", "4,7", "", true, Yellow, Violet, Gold},
        TypedCase{"M_990_tops_out", "990", "M-Ohm", true, White, White, Violet},
        TypedCase{"rejected_text_gets_no_bands", "475", "Ohm", false, 0, 0, 0},
        TypedCase{"negative_pasted_none", "-,5", "Ohm", false, 0, 0, 0}),
    [](const testing::TestParamInfo<TypedCase> &i) { return std::string(i.param.name); });

// Every text the value box accepts, in every unit: the bands spell exactly
// the typed value (or none for a zero kilo/mega value). Catches a
// floating-point product landing just under 10 and a band ten times off.
TEST(BandsFromTyped, every_accepted_text_round_trips)
{
    const QString chars = QStringLiteral("0123456789,");
    QStringList texts;
    for (QChar a : chars) {
        texts << QString(a);
        for (QChar b : chars) {
            texts << QString(a) + b;
            for (QChar c : chars)
                texts << QString(a) + b + c;
        }
    }
    int checked = 0;
    for (const QString &t : texts) {
        if (!mod_R::typedValueAccepted(t))
            continue;
        const std::optional<double> v = num::localeNumber(t, QLatin1Char(','));
        for (const QString &unit : mod_R::tables().units) {
            const auto bands = mod_R::bandsFromTyped(t, unit);
            if (!v) {
                EXPECT_FALSE(bands) << qPrintable(t);
                continue;
            }
            const double ohms = *v * mod_R::unitFactor(unit);
            if (ohms == 0 && unit != QLatin1String("Ohm")) {
                EXPECT_FALSE(bands) << qPrintable(t + QLatin1Char(' ') + unit);
                continue;
            }
            ASSERT_TRUE(bands) << qPrintable(t + QLatin1Char(' ') + unit);
            const auto r = mod_R::resistance({bands->first, bands->second}, bands->multiplier);
            ASSERT_TRUE(r);
            EXPECT_NEAR(*r, ohms, ohms * 1e-12) << qPrintable(t + QLatin1Char(' ') + unit);
            ++checked;
        }
    }
    EXPECT_GT(checked, 300);
}

// ---- Typed-text acceptance and the key filter --------------------------------

struct AcceptCase
{
    const char *name;
    const char *text;
    bool accepted;
};

class TypedValueCheckTest : public testing::TestWithParam<AcceptCase>
{
};

TEST_P(TypedValueCheckTest, accepts_at_most_two_significant_digits)
{
    EXPECT_EQ(mod_R::typedValueAccepted(QString::fromUtf8(GetParam().text)), GetParam().accepted);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, TypedValueCheckTest,
    testing::Values(AcceptCase{"empty", "", true}, AcceptCase{"four_chars", "4700", false},
                    AcceptCase{"three_ending_in_zero", "470", true}, AcceptCase{"comma_inside", "4,7", true},
                    AcceptCase{"one_comma_zero", "1,0", true}, AcceptCase{"three_digits", "475", false},
                    AcceptCase{"trailing_comma", "47,", false}, AcceptCase{"leading_comma", ",47", false},
                    AcceptCase{"two_chars", "47", true}, AcceptCase{"four_ending_in_zero", "4,70", false}),
    [](const testing::TestParamInfo<AcceptCase> &i) { return std::string(i.param.name); });

TEST(KeyFilter, passes_digits_comma_and_control_keys_only)
{
    EXPECT_EQ(mod_R::keyFilter(QLatin1Char('.')), QChar(QLatin1Char(',')));
    EXPECT_EQ(mod_R::keyFilter(QLatin1Char(',')), QChar(QLatin1Char(',')));
    EXPECT_EQ(mod_R::keyFilter(QChar(8)), QChar(8));   // backspace
    EXPECT_EQ(mod_R::keyFilter(QChar(22)), QChar(22));   // Ctrl+V
    for (char d = '0'; d <= '9'; ++d)
        EXPECT_EQ(mod_R::keyFilter(QLatin1Char(d)), QChar(QLatin1Char(d)));
    for (char c : {'a', 'K', ' ', '-', '+', 'e'})
        EXPECT_FALSE(mod_R::keyFilter(QLatin1Char(c))) << c;
    EXPECT_FALSE(mod_R::keyFilter(QChar(0x00e9)));   // é
}

// ---- Tables ---------------------------------------------------------------------

TEST(ColourTables, roles_tolerances_and_refilling)
{
    mod_R::InitColourTables();
    mod_R::InitColourTables();
    const mod_R::Tables &t = mod_R::tables();
    EXPECT_EQ(t.units, QStringList({QStringLiteral("Ohm"), QStringLiteral("k-Ohm"), QStringLiteral("M-Ohm")}));
    EXPECT_EQ(t.paletteHint, QStringLiteral("Ha ide klikkelsz átszínezed a villogó vonal alatti sávot !"));
    EXPECT_EQ(t.multiplier[Silver], 0.01);
    EXPECT_EQ(t.multiplier[Gold], 0.1);
    EXPECT_TRUE(std::isnan(t.multiplier[None]));
    EXPECT_EQ(t.multiplier[White], 1e9);

    EXPECT_EQ(mod_R::toleranceList(),
              QStringList({QStringLiteral("20%"), QStringLiteral("10%"), QStringLiteral("5%"), QStringLiteral("4%"),
                           QStringLiteral("3%"), QStringLiteral("2%"), QStringLiteral("1%"), QStringLiteral("0,5%"),
                           QStringLiteral("0,25%"), QStringLiteral("0,1%")}));
    // Each tolerance in the list maps back to the colour it came from.
    const int order[] = {None, Silver, Gold, Yellow, Orange, Red, Brown, Green, Blue, Violet};
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(mod_R::toleranceColour(mod_R::toleranceList().at(i)), order[i]);
    EXPECT_FALSE(mod_R::toleranceColour(QString()));   // grey's blank text is no pick
    EXPECT_FALSE(mod_R::toleranceColour(QStringLiteral("7%")));

    QString offered[3];
    const mod_R::BandRole roles[3] = {mod_R::BandRole::Digit, mod_R::BandRole::Multiplier,
                                      mod_R::BandRole::Tolerance};
    for (int r = 0; r < 3; ++r)
        for (int i = -1; i <= 13; ++i)
            offered[r] += mod_R::roleOffers(roles[r], i) ? QLatin1Char('x') : QLatin1Char('.');
    EXPECT_EQ(offered[0], QStringLiteral(".xxxxxxxxxx...."));
    EXPECT_EQ(offered[1], QStringLiteral(".xxxxxxxxxxxx.."));
    EXPECT_EQ(offered[2], QStringLiteral("..xxxxxxx..xxx."));
}

} // namespace
