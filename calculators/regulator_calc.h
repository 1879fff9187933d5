// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calculators/calc_outcome.h"
#include "calculators/eseries.h"

// Adjustable three-terminal regulator of the LM317 (positive) / LM337
// (negative) kind. Voltages are magnitudes: an LM337 set for -5 V is
// calculated as 5 V; the caller keeps the sign.
namespace regulator {

constexpr double kVref = 1.25;
constexpr double kIadj = 50e-6;
constexpr double kDropout = 3;
// R1 is picked among the series' values within these; on equal error the
// value nearest kPreferredR1 wins (the datasheets' 240 ohm).
constexpr double kMinR1 = 100;
constexpr double kMaxR1 = 1000;
constexpr double kPreferredR1 = 240;
// R2 beyond this would leave Iadj setting the voltage more than the divider.
constexpr double kMaxR2 = 100e3;

struct Params
{
    double vref = kVref;
    double iadjA = kIadj;
    double dropoutV = kDropout;
};

// With an input voltage and a load current: the headroom check and the
// regulator's dissipation. uinV 0 means not given.
struct Load
{
    double uinV = 0;
    double loadA = 0;
};

struct Result : calc::Outcome
{
    double r1Ohms = 0;
    double r2Ohms = 0;
    double uout = 0;
    double errorPercent = 0;       // back calculation: of the wanted Uout
    bool loadChecked = false;      // a Load was given
    double headroomV = 0;          // uin - uout
    bool dropoutOk = true;         // headroom >= dropout; message says why not
    double dissipationW = 0;       // (uin - uout) * load current
};

// Uout = Vref * (1 + R2/R1) + Iadj * R2.
Result forward(double r1Ohms, double r2Ohms, const Params &p = {}, const Load &load = {});

// A standard pair for a wanted Uout (above Vref).
Result design(double uoutV, eseries::Series series = eseries::Series::E24, const Params &p = {},
              const Load &load = {});

} // namespace regulator
