// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <optional>

// Unloaded voltage divider and two resistors in parallel.
namespace oszt {

enum DividerRow { U1 = 0, R1 = 1, U2 = 2, R2 = 3 };
enum ParallelRow { PR1 = 0, PR2 = 1, RE = 2 };

constexpr int kMinExponent = -18;
constexpr int kMaxExponent = 18;

// "kilo", "mega", "Tera"...; empty for 0 and for any exponent without a name.
QString prefixName(int exponent);

struct Scaled
{
    double mantissa;   // 1 <= m < 1000
    int exponent;      // a multiple of 3, possibly beyond +-18
};
// Only a positive finite value has one.
std::optional<Scaled> normalise(double v);

// A value with its prefixed unit: "1,06382978723404 mili A"; zero, and values
// beyond the prefixes, as a plain number with the base unit ("0  W").
QString quantityText(double v, const QString &unit);

enum class Status
{
    NotEnough,   // not every given value is above zero: nothing changes
    Failed,      // the error text is shown
    Shown,
};

struct DividerOutcome
{
    Status status = Status::NotEnough;
    bool soughtShown = false;   // also true when a later step failed
    double sought = 0;
    Scaled soughtScaled{0, 0};
    QString powerR1, powerR2, current, ratio, decibel;   // Label2, 3, 4, 5, 6
};

// values: U1, R1, U2, R2 in volt and ohm; the sought row's value is not read.
DividerOutcome divider(int sought, const double values[4]);

struct ParallelOutcome
{
    Status status = Status::NotEnough;
    double sought = 0;
    Scaled soughtScaled{0, 0};
};

// values: R1, R2, RE in ohm; the sought row's value is not read.
ParallelOutcome parallel(int sought, const double values[3]);

// The unit beside a row's scroller: "kilo ohm", "mili V", " V".
QString dividerUnitLabel(int row, int exponent);
QString parallelUnitLabel(int exponent);

// Typed number times 10^exponent.
double rowValue(const QString &text, int exponent);

} // namespace oszt
