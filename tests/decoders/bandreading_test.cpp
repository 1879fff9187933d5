// SPDX-License-Identifier: GPL-3.0-or-later
#include "decoders/bandreading.h"

#include <gtest/gtest.h>
#include <cmath>

using bands::Series;

namespace {

enum Colour { Black, Brown, Red, Orange, Yellow, Green, Blue, Violet, Grey, White, Silver, Gold, None };

QString u8(const char *s) { return QString::fromUtf8(s); }

// ---- E-series -------------------------------------------------------------

// Every value of E48, E96 and E192 is round(10^(2 + i/n)); the standard keeps
// 920 in E192 where the formula gives 919.
QVector<int> computedSeries(int n)
{
    QVector<int> v;
    for (int i = 0; i < n; ++i) {
        const int x = int(std::lround(std::pow(10.0, 2.0 + double(i) / n)));
        v << (n == 192 && x == 919 ? 920 : x);
    }
    return v;
}

TEST(ESeries, tables_match_the_standard)
{
    EXPECT_EQ(bands::seriesValues(Series::E6), (QVector<int>{10, 15, 22, 33, 47, 68}));
    EXPECT_EQ(bands::seriesValues(Series::E12),
              (QVector<int>{10, 12, 15, 18, 22, 27, 33, 39, 47, 56, 68, 82}));
    EXPECT_EQ(bands::seriesValues(Series::E24),
              (QVector<int>{10, 11, 12, 13, 15, 16, 18, 20, 22, 24, 27, 30,
                            33, 36, 39, 43, 47, 51, 56, 62, 68, 75, 82, 91}));
    EXPECT_EQ(bands::seriesValues(Series::E48), computedSeries(48));
    EXPECT_EQ(bands::seriesValues(Series::E96), computedSeries(96));
    EXPECT_EQ(bands::seriesValues(Series::E192), computedSeries(192));
    // Spot values against the printed tables (a widely copied E96 list has
    // 491 for 499 and 959 for 953).
    const QVector<int> &e96 = bands::seriesValues(Series::E96);
    EXPECT_TRUE(e96.contains(499) && e96.contains(953) && !e96.contains(491) && !e96.contains(959));
    EXPECT_TRUE(bands::seriesValues(Series::E48).contains(511));
    EXPECT_TRUE(bands::seriesValues(Series::E192).contains(920));
    EXPECT_TRUE(bands::seriesValues(Series::E192).contains(988));
}

struct SeriesCase
{
    double ohms;
    Series series;
    bool in;
};

TEST(ESeries, membership_in_any_decade)
{
    const SeriesCase cases[] = {
        {4700, Series::E6, true},      {4700, Series::E24, true},    {0.47, Series::E12, true},
        {4.3, Series::E24, true},      {4.3, Series::E12, false},    {4710, Series::E24, false},
        {22600, Series::E96, true},    {22600, Series::E24, false},  {120, Series::E96, false},
        {120, Series::E192, true},     {1e9, Series::E6, true},      {4750, Series::E96, true},
        {9.53e6, Series::E96, true},   {9.2, Series::E192, true},    {0, Series::E6, false},
        {NAN, Series::E6, false},      {1000, Series::E48, true},    {220, Series::E48, false},
    };
    for (const SeriesCase &c : cases)
        EXPECT_EQ(bands::inSeries(c.ohms, c.series), c.in) << c.ohms << " " << qPrintable(bands::seriesName(c.series));
}

TEST(ESeries, tolerance_colours_name_their_series)
{
    EXPECT_EQ(bands::seriesForTolerance(None), Series::E6);
    EXPECT_EQ(bands::seriesForTolerance(Silver), Series::E12);
    EXPECT_EQ(bands::seriesForTolerance(Gold), Series::E24);
    EXPECT_EQ(bands::seriesForTolerance(Red), Series::E48);
    EXPECT_EQ(bands::seriesForTolerance(Brown), Series::E96);
    for (int c : {Green, Blue, Violet})
        EXPECT_EQ(bands::seriesForTolerance(c), Series::E192);
    for (int c : {Orange, Yellow, Black, Grey, White})
        EXPECT_FALSE(bands::seriesForTolerance(c));
}

// ---- Colour names ---------------------------------------------------------

TEST(ColourNames, hungarian_english_and_digits)
{
    const std::pair<const char *, int> named[] = {
        {"Vörös", Red},  {"voros", Red},     {"RED", Red},      {"piros", Red},   {"2", Red},
        {"2-Vörös", Red}, {"sárga", Yellow}, {"SARGA", Yellow}, {"ibolya", Violet}, {"purple", Violet},
        {"grey", Grey},  {"gray", Grey},     {"szürke", Grey},  {"fehér", White}, {"Ezüst", Silver},
        {"ezust", Silver}, {"arany", Gold},  {"gold", Gold},    {"0", Black},     {"Jelöletlen", None},
        {" zöld ", Green}, {"9", White},
    };
    for (const auto &[name, colour] : named)
        EXPECT_EQ(bands::colourFromName(u8(name)), colour) << name;
    for (const char *bad : {"", "pink", "10", "3-Vörös", "-1", "vörösbarna"})
        EXPECT_FALSE(bands::colourFromName(u8(bad))) << bad;
    EXPECT_EQ(bands::hungarianName(Red), u8("Vörös"));
    EXPECT_EQ(bands::hungarianName(Gold), u8("Arany"));
    EXPECT_EQ(bands::englishName(Violet), u8("violet"));
}

// ---- Reading from either end ---------------------------------------------

struct ReadingExpected
{
    const char *text;
    bool reversed;
    bool inSeries;
};

TEST(ReadBands, valid_readings_plausible_first)
{
    const struct
    {
        QVector<int> colours;
        QVector<ReadingExpected> readings;   // in order, plausible first
    } cases[] = {
        // The reverse starts with gold, which is no digit.
        {{Brown, Black, Red, Gold}, {{"1 k-ohm  5%", false, true}}},
        {{Gold, Red, Black, Brown}, {{"1 k-ohm  5%", true, true}}},
        {{Yellow, Violet, Red, Silver}, {{"4,7 k-ohm  10%", false, true}}},
        // Both ends readable; only 10 k is an E96 value (120 ohm is not).
        {{Brown, Black, Black, Red, Brown}, {{"10 k-ohm  1%", false, true}, {"120 ohm  1%", true, false}}},
        {{Brown, Red, Black, Black, Brown}, {{"10 k-ohm  1%", true, true}, {"120 ohm  1%", false, false}}},
        // Neither in its series: the given order stays first.
        {{Red, Blue, Green, Brown}, {{"2,6 M-ohm  1%", false, false}, {"15 M-ohm  2%", true, false}}},
        // A tolerance without a series never counts as in one.
        {{Yellow, Violet, Red, Orange}, {{"4,7 k-ohm  3%", false, false}, {"320 M-ohm  4%", true, false}}},
        // The same both ways: one reading.
        {{Red, Red, Red, Red, Red}, {{"22,2 k-ohm  2%", false, false}}},
        // A leading black is a digit (a black last band is no tolerance).
        {{Black, Brown, Black, Black, Brown}, {{"10 ohm  1%", false, true}}},
        // No valid reading: metal at both ends, three or six bands.
        {{Grey, White, Black, Grey}, {}},
        {{Gold, Red, Red, Silver}, {}},
        {{Yellow, Violet, Red}, {}},
        {{Brown, Black, Black, Black, Red, Brown}, {}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << &c - cases);
        const QVector<bands::Reading> got = bands::readBands(c.colours);
        ASSERT_EQ(got.size(), c.readings.size());
        for (int i = 0; i < got.size(); ++i) {
            EXPECT_EQ(got[i].valueText, u8(c.readings[i].text)) << i;
            EXPECT_EQ(got[i].reversed, c.readings[i].reversed) << i;
            EXPECT_EQ(got[i].inSeries, c.readings[i].inSeries) << i;
            QVector<int> expectedOrder = c.colours;
            if (got[i].reversed)
                std::reverse(expectedOrder.begin(), expectedOrder.end());
            EXPECT_EQ(got[i].colours, expectedOrder);
        }
    }
}

TEST(ReadBands, reading_carries_tolerance_and_series)
{
    const QVector<bands::Reading> r = bands::readBands({Blue, Grey, Gold, Gold});
    ASSERT_EQ(r.size(), 1);
    EXPECT_DOUBLE_EQ(r[0].ohms, 6.8);
    EXPECT_EQ(r[0].tolerance, u8("5%"));
    EXPECT_EQ(r[0].series, Series::E24);
    EXPECT_TRUE(r[0].inSeries);
}

// ---- Value texts to bands -------------------------------------------------

TEST(ValueText, the_usual_ways_of_writing_a_resistance)
{
    const std::pair<const char *, double> ok[] = {
        {"4,7k", 4700}, {"4.7k", 4700}, {"4k7", 4700},  {"4K7", 4700},   {"470", 470},
        {"1M", 1e6},    {"0R47", 0.47}, {"R47", 0.47},  {"2G2", 2.2e9},  {"4,7 k-ohm", 4700},
        {"470 ohm", 470}, {"10Ω", 10}, {",5", 0.5},     {"1M5", 1.5e6},  {"4,", 4},
    };
    for (const auto &[text, ohms] : ok) {
        const std::optional<double> v = bands::parseValueText(u8(text));
        ASSERT_TRUE(v) << text;
        EXPECT_DOUBLE_EQ(*v, ohms) << text;
    }
    const QString huge = QStringLiteral("1") + QString(400, QLatin1Char('0'));
    for (const QString &bad : {QString(), u8("abc"), u8("4,7,1"), u8("1m"), u8("-5"), u8("1e400"),
                               u8("10^400"), u8("4k7k"), u8("k"), huge})
        EXPECT_FALSE(bands::parseValueText(bad)) << qPrintable(bad);
}

struct ToBandsCase
{
    double ohms;
    int digits;
    QVector<int> colours;   // empty: a message instead
};

TEST(ValueText, to_four_and_five_bands)
{
    const ToBandsCase cases[] = {
        {4700, 2, {Yellow, Violet, Red}},          {4700, 3, {Yellow, Violet, Black, Brown}},
        {4.7, 2, {Yellow, Violet, Gold}},          {0.47, 2, {Yellow, Violet, Silver}},
        {0.47, 3, {Black, Yellow, Violet, Silver}}, {0.05, 2, {Black, Green, Silver}},
        {10, 2, {Brown, Black, Black}},            {22600, 3, {Red, Red, Blue, Red}},
        {99e9, 2, {White, White, White}},          {1e6, 2, {Brown, Black, Green}},
        {4750, 2, {}},  {1e12, 2, {}},  {0, 2, {}},  {0.001, 3, {}},  {1234, 3, {}},
    };
    for (const ToBandsCase &c : cases) {
        const bands::BandCode code = bands::valueToBands(c.ohms, c.digits);
        EXPECT_EQ(code.colours, c.colours) << c.ohms << " " << c.digits;
        EXPECT_EQ(code.message.isEmpty(), !c.colours.isEmpty()) << c.ohms;
    }
}

// Every series value in every decade the bands can show survives the round
// trip value -> bands -> reading, and is recognised as in its series.
TEST(ValueText, series_values_round_trip_through_bands)
{
    const struct { Series series; int digits; int tolerance; } runs[] = {
        {Series::E24, 2, Gold}, {Series::E12, 2, Silver}, {Series::E96, 3, Brown}, {Series::E192, 3, Violet}};
    for (const auto &run : runs) {
        const QVector<int> &values = bands::seriesValues(run.series);
        for (int v : values) {
            for (int exp = -2; exp <= 8; ++exp) {
                const double ohms = v * std::pow(10.0, exp);
                const bands::BandCode code = bands::valueToBands(ohms, run.digits);
                ASSERT_FALSE(code.colours.isEmpty()) << ohms;
                const QVector<bands::Reading> r = bands::readBands(code.colours + QVector<int>{run.tolerance});
                ASSERT_FALSE(r.isEmpty()) << ohms;
                EXPECT_FALSE(r[0].reversed) << ohms;
                EXPECT_NEAR(r[0].ohms, ohms, ohms * 1e-12);
                EXPECT_TRUE(r[0].inSeries) << ohms;
            }
        }
    }
}

} // namespace
