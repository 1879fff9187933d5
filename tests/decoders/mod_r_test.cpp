// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/numbers.h"
#include "decoders/mod_r.h"

#include <QLocale>
#include <gtest/gtest.h>
#include <cmath>

namespace {

enum Colour { Black, Brown, Red, Orange, Yellow, Green, Blue, Violet, Grey, White, Silver, Gold, None };

// ---- Value texts ---------------------------------------------------------

TEST(ValueText, bands_give_resistance_and_text)
{
    const struct
    {
        QVector<int> digits;
        int multiplier, tolerance;
        double ohms;
        const char *text;
    } cases[] = {
        {{Brown, Black}, Black, Gold, 10, "10 ohm  5%"},
        {{Black, Black}, Silver, Brown, 0, "0 ohm  1%"},
        {{Brown, Black}, Silver, None, 0.1, "0,1 ohm  20%"},
        {{Black, Brown}, Silver, Violet, 0.01, "0,01 ohm  0,1%"},    // the smallest but zero
        {{Black, Green}, Black, Gold, 5, "5 ohm  5%"},               // a leading black is a zero
        {{Brown, Black}, Black, Black, 10, "10 ohm  "},              // a black tolerance is blank
        {{White, White, White}, Black, Brown, 999, "999 ohm  1%"},
        {{Brown, Black}, Red, Gold, 1000, "1 k-ohm  5%"},
        {{Yellow, Violet}, Red, Silver, 4700, "4,7 k-ohm  10%"},
        {{Red, Red, Blue}, Red, Brown, 22600, "22,6 k-ohm  1%"},
        {{Red, Red, Blue}, Gold, Brown, 22.6, "22,6 ohm  1%"},
        {{Brown, Black, Brown}, Blue, Gold, 101e6, "101 M-ohm  5%"},
        {{Brown, Black}, Violet, Gold, 1e8, "100 M-ohm  5%"},
        {{White, White}, White, Gold, 99e9, "99 G-ohm  5%"},         // the largest of four bands
    };
    mod_R::InitColourTables();
    for (const auto &c : cases) {
        const std::optional<double> r = mod_R::resistance(c.digits, c.multiplier);
        ASSERT_TRUE(r) << c.text;
        EXPECT_NEAR(*r, c.ohms, c.ohms * 1e-12);
        EXPECT_EQ(mod_R::valueText(*r, c.tolerance).value_or(QStringLiteral("?")), QString::fromUtf8(c.text));
    }
}

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

TEST(BandsFromTyped, typed_value_gives_bands)
{
    const struct
    {
        const char *text, *unit;
        QVector<int> bands;   // first, second, multiplier; none when empty
    } cases[] = {
        {"4,7", "k-Ohm", {Yellow, Violet, Red}}, {"10", "Ohm", {Brown, Black, Black}},
        {"470", "M-Ohm", {Yellow, Violet, Violet}}, {"990", "M-Ohm", {White, White, Violet}},   // tops out
        {"4,7", "Ohm", {Yellow, Violet, Gold}}, {"1,0", "Ohm", {Brown, Black, Gold}},
        {",1", "k-Ohm", {Brown, Black, Brown}}, {"5", "Ohm", {Black, Green, Black}},
        {"5", "k-Ohm", {Green, Black, Red}}, {"0,4", "Ohm", {Yellow, Black, Silver}},
        {"0", "Ohm", {Black, Black, Silver}}, {"4,", "k-Ohm", {Yellow, Black, Red}},
        {"47", "kOhm", {Yellow, Violet, Black}}, {"4,7", "", {Yellow, Violet, Gold}},   // unknown, empty: ohm
        {"0", "k-Ohm", {}}, {"0,0", "M-Ohm", {}}, {",", "Ohm", {}}, {",,", "k-Ohm", {}}, {"", "Ohm", {}},
        {"475", "Ohm", {}},   // rejected text
        {"-,5", "Ohm", {}},   // pasted
    };
    for (const auto &c : cases) {
        const auto b = mod_R::bandsFromTyped(QString::fromUtf8(c.text), QString::fromUtf8(c.unit));
        EXPECT_EQ(b ? QVector<int>({b->first, b->second, b->multiplier}) : QVector<int>(), c.bands)
            << c.text << " " << c.unit;
    }
}

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

TEST(TypedValue, accepts_at_most_two_significant_digits)
{
    const std::pair<const char *, bool> cases[] = {
        {"", true},     {"4700", false}, {"470", true},  {"4,7", true},  {"1,0", true},
        {"475", false}, {"47,", false},  {",47", false}, {"47", true},   {"4,70", false},
    };
    for (const auto &[text, accepted] : cases)
        EXPECT_EQ(mod_R::typedValueAccepted(QString::fromUtf8(text)), accepted) << text;
}

TEST(TypedValue, key_filter_passes_digits_comma_and_control_keys_only)
{
    const std::pair<char16_t, int> cases[] = {   // -1: the key is dropped; the point becomes a comma
        {u'.', u','}, {u',', u','}, {8, 8},      {22, 22},     {u'0', u'0'}, {u'5', u'5'},  {u'9', u'9'},
        {u'a', -1},   {u'K', -1},   {u' ', -1},  {u'-', -1},   {u'+', -1},   {u'e', -1},    {u'\u00e9', -1},
    };
    for (const auto &[key, passed] : cases) {
        const std::optional<QChar> got = mod_R::keyFilter(QChar(key));
        EXPECT_EQ(got ? int(got->unicode()) : -1, passed) << int(key);
    }
}

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
