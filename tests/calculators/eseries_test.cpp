// SPDX-License-Identifier: GPL-3.0-or-later
#include "calculators/eseries.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>

using namespace eseries;

// The decoder's tables are checked against the standard where they live;
// here the three-digit form and E3, which only this side has.
TEST(ESeriesTables, ThreeDigitsAndE3)
{
    EXPECT_EQ(mantissas(Series::E3), (std::vector<int>{100, 220, 470}));
    EXPECT_EQ(mantissas(Series::E24)[15], 430);
    const std::vector<int> &e96 = mantissas(Series::E96);
    ASSERT_EQ(e96.size(), 96u);
    EXPECT_EQ(e96[94], 953);   // EIA-96 code 95
    const std::vector<int> &e192 = mantissas(Series::E192);
    EXPECT_EQ(std::count(e192.begin(), e192.end(), 920) - std::count(e192.begin(), e192.end(), 919), 1);
    const std::vector<double> decade = valuesBetween(Series::E12, 1, 9.99);
    EXPECT_EQ(decade.size(), 12u);
    EXPECT_DOUBLE_EQ(decade[8], 4.7);
    EXPECT_EQ(valuesBetween(Series::E6, 0.01, 1e9).size(), 11u * 6 + 1);
    EXPECT_EQ(seriesFromName(u"e96"), Series::E96);
    EXPECT_EQ(seriesFromName(u"12"), Series::E12);
    EXPECT_FALSE(seriesFromName(u"E10").has_value());
}

TEST(ESeriesTables, NeighboursOfAValue)
{
    struct Case { Series s; double v, below, nearest, above; };
    const Case cases[] = {
        {Series::E12, 4100, 3900, 3900, 4700},
        {Series::E24, 1000, 1000, 1000, 1000},
        {Series::E6, 0.0012, 0.001, 0.001, 0.0015},
        {Series::E3, 9.9e6, 4.7e6, 10e6, 10e6},
        {Series::E96, 4.7, 4.64, 4.75, 4.75},
    };
    for (const Case &c : cases) {
        EXPECT_DOUBLE_EQ(*atOrBelow(c.s, c.v), c.below) << c.v;
        EXPECT_DOUBLE_EQ(*nearest(c.s, c.v), c.nearest) << c.v;
        EXPECT_DOUBLE_EQ(*atOrAbove(c.s, c.v), c.above) << c.v;
    }
    for (double bad : {0.0, -1.0, double(INFINITY), double(NAN)})
        EXPECT_FALSE(atOrAbove(Series::E12, bad) || atOrBelow(Series::E12, bad) || nearest(Series::E12, bad));
}

namespace {

double totalOf(const Combination &c)
{
    const std::vector<double> &v = c.values;
    const auto par = [](double a, double b) { return a * b / (a + b); };
    switch (c.connection) {
    case Connection::Single: return v[0];
    case Connection::Series: return v[0] + v[1];
    case Connection::Parallel: return par(v[0], v[1]);
    case Connection::Series3: return v[0] + v[1] + v[2];
    case Connection::Parallel3: return par(par(v[0], v[1]), v[2]);
    case Connection::SeriesInParallel: return par(v[0] + v[1], v[2]);
    case Connection::ParallelInSeries: return v[0] + par(v[1], v[2]);
    }
    return 0;
}

// Every way of one to three parts from the same stock, the least error.
double bruteForceError(Series s, double T, int parts)
{
    const std::vector<double> v = valuesBetween(s, std::max(kMinOhms, T / 1000), std::min(kMaxOhms, T * 1000));
    double best = INFINITY;
    const auto take = [&](double total) { best = std::min(best, std::fabs(total - T) / T); };
    const auto par = [](double a, double b) { return a * b / (a + b); };
    for (double a : v) {
        take(a);
        for (double b : v) {
            if (parts < 2)
                break;
            take(a + b);
            take(par(a, b));
            for (double c : v) {
                if (parts < 3)
                    break;
                take(a + b + c);
                take(par(par(a, b), c));
                take(par(a + b, c));
                take(a + par(b, c));
            }
        }
    }
    return best * 100;
}

} // namespace

TEST(ESeriesSolver, FindsTheBruteForceOptimumAndListsEachCircuitOnce)
{
    for (Series s : {Series::E6, Series::E12})
        for (int parts : {2, 3})
            for (double T : {4100.0, 3333.0, 1.0, 777.7, 12345.0, 0.6, 9.5e6}) {
                const SolveResult r = solve({T, s, parts, 10});
                ASSERT_TRUE(r.ok()) << qPrintable(r.message);
                ASSERT_FALSE(r.best.empty());
                EXPECT_NEAR(std::fabs(r.best.front().errorPercent), bruteForceError(s, T, parts), 1e-9)
                    << qPrintable(seriesName(s)) << " " << parts << " " << T;
                std::set<std::pair<int, std::vector<double>>> seen;
                double previous = 0;
                for (const Combination &c : r.best) {
                    EXPECT_LE(int(c.values.size()), parts);
                    EXPECT_NEAR(c.totalOhms, totalOf(c), 1e-9 * T);
                    EXPECT_NEAR(c.errorPercent, (c.totalOhms - T) / T * 100, 1e-9);
                    EXPECT_GE(std::fabs(c.errorPercent), previous);
                    previous = std::fabs(c.errorPercent);
                    // Swapping the parts of a symmetric sum is not a new circuit.
                    std::vector<double> key = c.values;
                    if (c.connection == Connection::SeriesInParallel)
                        std::sort(key.begin(), key.begin() + 2);
                    else if (c.connection == Connection::ParallelInSeries)
                        std::sort(key.begin() + 1, key.end());
                    else
                        std::sort(key.begin(), key.end());
                    EXPECT_TRUE(seen.insert({int(c.connection), key}).second);
                }
            }
}

TEST(ESeriesSolver, ExactValuesAndBadTargets)
{
    // A standard value is itself best; a two-part exact hit ranks after it.
    const SolveResult r = solve({2200, Series::E12, 2, 5});
    ASSERT_GE(r.best.size(), 2u);
    EXPECT_EQ(r.best[0].connection, Connection::Single);
    EXPECT_EQ(r.best[0].errorPercent, 0);
    EXPECT_EQ(r.best[1].errorPercent, 0);   // 1k + 1k2
    EXPECT_EQ(solve({0, Series::E12, 3, 5}).status, calc::Status::BadInput);
    EXPECT_EQ(solve({NAN, Series::E12, 3, 5}).status, calc::Status::BadInput);
    EXPECT_EQ(solve({1000, Series::E12, 4, 5}).status, calc::Status::BadInput);
    EXPECT_EQ(solve({1e-6, Series::E12, 3, 5}).status, calc::Status::NoSolution);
}

TEST(ESeriesRatio, BestPairWithinItsSize)
{
    struct Case { double uin, uout, total, current; double lo, hi; };
    const Case cases[] = {
        {5, 3.3, 0, 0, kRatioMinTotal, kRatioMaxTotal},
        {12, 1.25, 10e3, 0, 10e3 / kSizeTolerance, 10e3 * kSizeTolerance},
        {24, 23, 0, 1e-3, 24e3 / kSizeTolerance, 24e3 * kSizeTolerance},
    };
    for (const Case &c : cases) {
        const RatioResult r = ratio({c.uin, c.uout, Series::E24, c.total, c.current});
        ASSERT_TRUE(r.ok()) << qPrintable(r.message);
        const double total = r.r1Ohms + r.r2Ohms;
        EXPECT_GE(total, c.lo * (1 - 1e-12));
        EXPECT_LE(total, c.hi * (1 + 1e-12));
        EXPECT_DOUBLE_EQ(r.uout, c.uin * r.r2Ohms / total);
        // No pair of the same stock comes closer.
        const std::vector<double> v = valuesBetween(Series::E24, 1, c.hi);
        double best = INFINITY;
        for (double a : v)
            for (double b : v)
                if (a + b >= c.lo * (1 - 1e-12) && a + b <= c.hi * (1 + 1e-12))
                    best = std::min(best, std::fabs(c.uin * b / (a + b) - c.uout) / c.uout * 100);
        EXPECT_NEAR(std::fabs(r.errorPercent), best, 1e-9) << c.uout;
    }
    EXPECT_EQ(ratio({5, 5, Series::E24, 0, 0}).status, calc::Status::NoSolution);
    EXPECT_EQ(ratio({5, -1, Series::E24, 0, 0}).status, calc::Status::BadInput);
    EXPECT_EQ(ratio({5, 1, Series::E24, -10, 0}).status, calc::Status::BadInput);
}

TEST(ESeriesText, PrefixedValuesAndFormulas)
{
    // Hungarian locale: decimal comma; rounding may carry into the next prefix.
    struct Case { double v; int digits; const char *text; };
    const Case cases[] = {{4700, 4, "4,7 kΩ"}, {999.96, 4, "1 kΩ"}, {0, 4, "0 Ω"}, {-12.00424, 6, "-12,0042 Ω"},
                          {1e-15, 4, "0,001 pΩ"}, {2.2e12, 3, "2200 GΩ"}, {0.1, 4, "100 mΩ"}};
    for (const Case &c : cases)
        EXPECT_EQ(calc::siText(c.v, QStringLiteral("Ω"), c.digits), QString::fromUtf8(c.text)) << c.v;
    EXPECT_EQ(calc::siText(NAN, QStringLiteral("V")), QString());
    const Combination mixed{Connection::SeriesInParallel, {1000, 2200, 10e3}, 0, 0};
    EXPECT_EQ(formula(mixed), QStringLiteral("(1 kΩ + 2,2 kΩ) || 10 kΩ"));
    const Combination two{Connection::Parallel, {8200, 8200}, 0, 0};
    EXPECT_EQ(formula(two), QStringLiteral("8,2 kΩ || 8,2 kΩ"));
}

TEST(ESeriesRatio, EqualRatiosPreferTheWantedSize)
{
    // E24 has 1:2 exactly at 1k/2k, 1k2/2k4, 1k5/3k, 1k8/3k6 in each decade:
    // the total nearest the size wins (10 kΩ unless one is given).
    EXPECT_DOUBLE_EQ(ratio({3, 2, Series::E24, 0, 0}).r2Ohms, 3600);
    const RatioResult big = ratio({3, 2, Series::E24, 300e3, 0});
    EXPECT_DOUBLE_EQ(big.r1Ohms + big.r2Ohms, 300e3);
    EXPECT_EQ(big.errorPercent, 0);
}
