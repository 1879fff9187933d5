// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calculators/calc_outcome.h"

#include <QString>
#include <QStringView>
#include <optional>
#include <vector>

// The IEC 60063 preferred-value series and what can be built from them: a
// resistance from one to three standard resistors, and a divider pair for a
// voltage ratio.
namespace eseries {

enum class Series { E3, E6, E12, E24, E48, E96, E192 };
constexpr Series kAllSeries[] = {Series::E3,  Series::E6,  Series::E12, Series::E24,
                                 Series::E48, Series::E96, Series::E192};

QString seriesName(Series s);                          // "E12"
std::optional<Series> seriesFromName(QStringView name);   // "E12", "e12", "12"

// One decade as three significant digits, ascending: E12 gives 100 120 ... 820.
const std::vector<int> &mantissas(Series s);

// Every value of the series within [lo, hi], ascending (lo, hi > 0).
std::vector<double> valuesBetween(Series s, double lo, double hi);

// The standard value nearest to v (ratio-wise), the smallest one at or above
// it, and the largest one at or below it; no value for a v that is not
// positive and finite. A v that is itself standard gives v back.
std::optional<double> nearest(Series s, double v);
std::optional<double> atOrAbove(Series s, double v);
std::optional<double> atOrBelow(Series s, double v);

// ---- Resistance from one to three standard resistors ----

enum class Connection
{
    Single,               // a
    Series,               // a + b
    Parallel,             // a || b
    Series3,              // a + b + c
    Parallel3,            // a || b || c
    SeriesInParallel,     // (a + b) || c
    ParallelInSeries,     // a + (b || c)
};

QString connectionKey(Connection c);    // "single", "series", "parallel", "series3", "parallel3",
                                        // "(a+b)||c", "a+(b||c)"
QString connectionText(Connection c);   // Hungarian: "egy ellenállás", "soros", ...

struct Combination
{
    Connection connection = Connection::Single;
    std::vector<double> values;   // ohm, in the order the connection names them
    double totalOhms = 0;
    double errorPercent = 0;      // (total - target) / target * 100
};

// The stock the solver draws from: a standard value is used only inside
// [minOhms, maxOhms] and within spanDecades of the target on either side.
constexpr double kMinOhms = 1;
constexpr double kMaxOhms = 10e6;
constexpr int kSpanDecades = 3;

struct SolveInput
{
    double targetOhms = 0;
    Series series = Series::E24;
    int maxResistors = 3;   // 1..3
    int count = 10;         // how many combinations to keep
    double minOhms = kMinOhms;
    double maxOhms = kMaxOhms;
};

// "3,9 kΩ + 200 Ω", "(1 kΩ + 2,2 kΩ) || 10 kΩ".
QString formula(const Combination &c);

struct SolveResult : calc::Outcome
{
    double targetOhms = 0;
    Series series = Series::E24;
    std::vector<Combination> best;   // smallest |error| first; fewer resistors first on a tie
};

SolveResult solve(const SolveInput &in);

// ---- Divider pair for a voltage ratio: Uout = Uin * R2 / (R1 + R2) ----

// Without a wanted size the pair's total stays within these (a range from
// which every reasonable divider load and bias current follows), preferring
// the total nearest kPreferredTotal on equal ratio error.
constexpr double kRatioMinTotal = 1e3;
constexpr double kRatioMaxTotal = 1e6;
constexpr double kPreferredTotal = 10e3;
// With a wanted size (a total, or Uin over a divider current) the total may
// stray from it by this factor either way.
constexpr double kSizeTolerance = 1.25;

struct RatioInput
{
    double uin = 0;
    double uout = 0;             // 0 < uout < uin
    Series series = Series::E24;
    double totalOhms = 0;        // 0: not given
    double currentA = 0;         // 0: not given; sets the total as uin / current
};

struct RatioResult : calc::Outcome
{
    double r1Ohms = 0;
    double r2Ohms = 0;
    double uout = 0;             // with the standard pair
    double errorPercent = 0;     // of uout (and so of the ratio)
    double currentA = 0;         // uin / (r1 + r2)
};

RatioResult ratio(const RatioInput &in);

} // namespace eseries
