// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calculators/calc_outcome.h"

#include <QString>
#include <optional>
#include <vector>

// American Wire Gauge, diameter and cross-section of round copper wire, its
// resistance per metre at 20 degC and the current it carries at a chosen
// current density.
namespace wire {

constexpr int kMinGauge = -3;   // 0000
constexpr int kMaxGauge = 40;
constexpr double kCopperResistivity = 1.724e-8;   // ohm m at 20 degC

// The transformer calculator's current density, the default here.
double defaultDensity();   // A/mm2
// The densities offered for choosing, the default among them.
const std::vector<double> &densityChoices();

// d = 0.127 mm * 92^((36 - n) / 39); n may be fractional.
double diameterForGauge(double gauge);     // metres
double gaugeForDiameter(double diameterM); // fractional

// "0000", "000", "00", "0", "1" .. "40"; empty outside the range.
QString gaugeName(int gauge);
// "0000", "4/0", "00", "2/0", "22", "-1" ...; no value for anything else.
std::optional<double> gaugeFromText(QStringView text);

enum class Given { Gauge, Diameter, Area };

struct Input
{
    Given given = Given::Gauge;
    double value = 0;      // gauge, metres or mm2
    double densityAmm2 = 0;   // 0: defaultDensity()
};

struct Result : calc::Outcome
{
    double gauge = 0;          // exact (fractional from a diameter or area)
    int nearestGauge = 0;      // kMinGauge..kMaxGauge
    double diameterM = 0;
    double areaMm2 = 0;
    double ohmsPerM = 0;
    double densityAmm2 = 0;
    double currentA = 0;
};

Result calculate(const Input &in);

} // namespace wire
