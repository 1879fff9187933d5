// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <optional>

// Parallel LC circuit: two of capacitance, inductance and resonance
// frequency give the third and the reactance of the branches at resonance.
namespace rezgokor {

// 2 * pi as the calculator has always used it.
constexpr double kTwoPi = 2 * 3.1415926536;

enum Row { Capacitance = 0, Inductance = 1, Frequency = 2 };

struct Outcome
{
    bool hiba = false;          // a needed value is zero: "HIBA!!!!"
    bool derived[3] = {};       // rows that received a computed value
    double value[3] = {};       // C, L, F (base units) after the derivations
    std::optional<double> impedance;   // ohm, when it could be computed
};

// value: C, L, F in base units as read from the boxes; ticked: Check1..3.
// The derivations run in the order F, L, C, each on the results of the one
// before; a zero among the values a ticked pair needs stops there with hiba.
// A derivation whose result is not a positive finite number is skipped.
Outcome calculate(const bool ticked[3], const double value[3]);

// Voltage gain to decibels and back; the caller checks for a finite result.
double gainToDb(double au);
double dbToGain(double db);

// A value as a box of the calculator shows it: a mantissa 1..1000 and its
// prefix, or beyond the prefixes the plain number in base units. Only a
// positive finite value has one.
struct Shown
{
    QString number;
    int prefix;
};
std::optional<Shown> shownValue(double v);

// "Impedancia: " and the value with its prefixed unit; empty without one.
QString impedanceText(double ohms);
// "= 20 dB" for a gain, "= 10" for decibels; empty when there is no finite
// result.
QString decibelText(double au);
QString gainText(double db);

} // namespace rezgokor
