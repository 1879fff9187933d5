// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/numbers.h"
#include "decoders/mod_r.h"

#include <QLocale>
#include <gtest/gtest.h>
#include <cmath>

namespace {

enum Colour { Black, Brown, Red, Orange, Yellow, Green, Blue, Violet, Grey, White, Silver, Gold, None };

template <typename Case>
std::string caseName(const testing::TestParamInfo<Case> &i)
{
    return i.param.name;
}

// ---- Value texts ---------------------------------------------------------

struct ValueCase
{
    const char *name;
    QVector<int> digits;
    int multiplier, tolerance;
    double ohms;
    const char *text;
};
using ValueTextTest = testing::TestWithParam<ValueCase>;

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
        ValueCase{"smallest_nonzero", {Black, Brown}, Silver, Violet, 0.01, "0,01 ohm  0,1%"},
        ValueCase{"leading_black_is_a_zero", {Black, Green}, Black, Gold, 5, "5 ohm  5%"},
        ValueCase{"black_tolerance_is_blank", {Brown, Black}, Black, Black, 10, "10 ohm  "},
        ValueCase{"five_band_999_stays_ohm", {White, White, White}, Black, Brown, 999, "999 ohm  1%"},
        ValueCase{"exactly_1000_is_kilo", {Brown, Black}, Red, Gold, 1000, "1 k-ohm  5%"},
        ValueCase{"load_state_4k7", {Yellow, Violet}, Red, Silver, 4700, "4,7 k-ohm  10%"},
        ValueCase{"five_band_load_state", {Red, Red, Blue}, Red, Brown, 22600, "22,6 k-ohm  1%"},
        ValueCase{"gold_multiplier_five_band", {Red, Red, Blue}, Gold, Brown, 22.6, "22,6 ohm  1%"},
        ValueCase{"just_above_999_k", {Brown, Black, Brown}, Blue, Gold, 101e6, "101 M-ohm  5%"},
        ValueCase{"hundred_megohm", {Brown, Black}, Violet, Gold, 1e8, "100 M-ohm  5%"},
        ValueCase{"largest_four_band", {White, White}, White, Gold, 99e9, "99 G-ohm  5%"}),
    caseName<ValueCase>);

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
    EXPECT_FALSE(mod_R::resistance({Brown, Black}, None));     // unmarked has no multiplier
    EXPECT_FALSE(mod_R::resistance({Silver, Black}, Black));   // silver has no digit
    EXPECT_FALSE(mod_R::resistance({}, Black));
    EXPECT_FALSE(mod_R::valueText(10, 13));
    EXPECT_FALSE(mod_R::valueText(NAN, Gold));
    EXPECT_FALSE(mod_R::valueText(-1, Gold));
}

// ---- Bands from typed text ------------------------------------------------

struct TypedCase
{
    const char *name, *text, *unit;
    int first = -1, second = -1, multiplier = -1;   // -1: no bands
};
using BandsFromTypedTest = testing::TestWithParam<TypedCase>;

TEST_P(BandsFromTypedTest, typed_value_gives_bands)
{
    const TypedCase &c = GetParam();
    const auto bands = mod_R::bandsFromTyped(QString::fromUtf8(c.text), QString::fromUtf8(c.unit));
    const QVector<int> got = bands ? QVector<int>({bands->first, bands->second, bands->multiplier}) : QVector<int>();
    EXPECT_EQ(got, c.first < 0 ? QVector<int>() : QVector<int>({c.first, c.second, c.multiplier}));
}

INSTANTIATE_TEST_SUITE_P(
    Examples, BandsFromTypedTest,
    testing::Values(
        TypedCase{"k_4_7", "4,7", "k-Ohm", Yellow, Violet, Red}, TypedCase{"ohm_10", "10", "Ohm", Brown, Black, Black},
        TypedCase{"M_470", "470", "M-Ohm", Yellow, Violet, Violet},
        TypedCase{"M_990_tops_out", "990", "M-Ohm", White, White, Violet},
        TypedCase{"ohm_4_7_gold", "4,7", "Ohm", Yellow, Violet, Gold},
        TypedCase{"ohm_1_0", "1,0", "Ohm", Brown, Black, Gold},
        TypedCase{"k_comma_1", ",1", "k-Ohm", Brown, Black, Brown},
        TypedCase{"ohm_single_digit", "5", "Ohm", Black, Green, Black},
        TypedCase{"k_single_digit", "5", "k-Ohm", Green, Black, Red},
        TypedCase{"ohm_below_one", "0,4", "Ohm", Yellow, Black, Silver},
        TypedCase{"ohm_zero", "0", "Ohm", Black, Black, Silver},
        TypedCase{"trailing_comma", "4,", "k-Ohm", Yellow, Black, Red},
        TypedCase{"unknown_unit_is_ohm", "47", "kOhm", Yellow, Violet, Black},
        TypedCase{"empty_unit_is_ohm", "4,7", "", Yellow, Violet, Gold},
        TypedCase{"k_zero_none", "0", "k-Ohm"}, TypedCase{"M_zero_none", "0,0", "M-Ohm"},
        TypedCase{"lone_comma_none", ",", "Ohm"}, TypedCase{"two_commas_none", ",,", "k-Ohm"},
        TypedCase{"empty_none", "", "Ohm"}, TypedCase{"rejected_text_none", "475", "Ohm"},
        TypedCase{"negative_pasted_none", "-,5", "Ohm"}),
    caseName<TypedCase>);

// Every text of up to three characters that the value box accepts, in every
// unit: the bands spell exactly the typed value (or none for a zero kilo/mega
// value). Catches a product landing just under 10 and a band ten times off.
TEST(BandsFromTyped, every_accepted_text_round_trips)
{
    const QString chars = QStringLiteral("0123456789,");
    QStringList texts{QString()};
    for (int len = 0; len < 3; ++len)
        for (const QString &t : QStringList(texts))
            if (t.size() == len)
                for (QChar c : chars)
                    texts << t + c;
    int checked = 0;
    for (const QString &t : texts) {
        if (!mod_R::typedValueAccepted(t))
            continue;
        const std::optional<double> v = num::localeNumber(t, QLatin1Char(','));
        for (const QString &unit : mod_R::tables().units) {
            const QString what = t + QLatin1Char(' ') + unit;
            const auto bands = mod_R::bandsFromTyped(t, unit);
            const double ohms = v ? *v * mod_R::unitFactor(unit) : 0;
            if (!v || (ohms == 0 && unit != QLatin1String("Ohm"))) {
                EXPECT_FALSE(bands) << qPrintable(what);
                continue;
            }
            ASSERT_TRUE(bands) << qPrintable(what);
            const auto r = mod_R::resistance({bands->first, bands->second}, bands->multiplier);
            ASSERT_TRUE(r);
            EXPECT_NEAR(*r, ohms, ohms * 1e-12) << qPrintable(what);
            ++checked;
        }
    }
    EXPECT_GT(checked, 300);
}

// ---- Typed-text acceptance and the key filter --------------------------------

struct AcceptCase
{
    const char *name, *text;
    bool accepted;
};
using TypedValueCheckTest = testing::TestWithParam<AcceptCase>;

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
    caseName<AcceptCase>);

struct KeyCase
{
    const char *name;
    char16_t key;
    int passed;   // -1: the key is dropped
};
using KeyFilterTest = testing::TestWithParam<KeyCase>;

TEST_P(KeyFilterTest, passes_digits_comma_and_control_keys_only)
{
    const std::optional<QChar> got = mod_R::keyFilter(QChar(GetParam().key));
    EXPECT_EQ(got ? int(got->unicode()) : -1, GetParam().passed);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, KeyFilterTest,
    testing::Values(KeyCase{"point_becomes_comma", u'.', u','}, KeyCase{"comma", u',', u','},
                    KeyCase{"backspace", 8, 8}, KeyCase{"ctrl_v", 22, 22}, KeyCase{"digit_0", u'0', u'0'},
                    KeyCase{"digit_5", u'5', u'5'}, KeyCase{"digit_9", u'9', u'9'}, KeyCase{"letter", u'a', -1},
                    KeyCase{"capital_k", u'K', -1}, KeyCase{"space", u' ', -1}, KeyCase{"minus", u'-', -1},
                    KeyCase{"plus", u'+', -1}, KeyCase{"exponent", u'e', -1}, KeyCase{"accented", u'\u00e9', -1}),
    caseName<KeyCase>);

TEST(ColourTables, tolerance_list_and_role_bounds)
{
    mod_R::InitColourTables();
    mod_R::InitColourTables();   // refilling keeps the contents
    const QStringList list = QStringLiteral("20% 10% 5% 4% 3% 2% 1% 0,5% 0,25% 0,1%").split(QLatin1Char(' '));
    EXPECT_EQ(mod_R::toleranceList(), list);
    const int colourOf[] = {None, Silver, Gold, Yellow, Orange, Red, Brown, Green, Blue, Violet};
    for (int i = 0; i < list.size(); ++i)
        EXPECT_EQ(mod_R::toleranceColour(list.at(i)), colourOf[i]);
    EXPECT_FALSE(mod_R::toleranceColour(QString()));   // grey's blank text is no pick
    EXPECT_FALSE(mod_R::toleranceColour(QStringLiteral("7%")));

    // The colour columns themselves are checked through the windows.
    for (auto role : {mod_R::BandRole::Digit, mod_R::BandRole::Multiplier, mod_R::BandRole::Tolerance})
        EXPECT_FALSE(mod_R::roleOffers(role, -1) || mod_R::roleOffers(role, 13));
}

} // namespace
