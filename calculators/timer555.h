// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calculators/calc_outcome.h"
#include "calculators/eseries.h"

// The 555 timer: astable (R1, R2, C) and monostable (R, C), and standard
// parts for a wanted astable frequency and duty cycle.
namespace timer555 {

struct AstableResult : calc::Outcome
{
    double frequencyHz = 0;
    double dutyPercent = 0;   // high time over the period
    double highS = 0;
    double lowS = 0;
    double periodS = 0;
};

AstableResult astable(double r1Ohms, double r2Ohms, double cFarads);

struct MonoResult : calc::Outcome
{
    double pulseS = 0;
};

MonoResult monostable(double rOhms, double cFarads);

// The stock the back calculation draws from: C from E6 between these,
// R1 and R2 from the chosen series between these. Below 100 pF stray
// capacitance, above 1 Mohm the threshold current skew the timing.
constexpr double kMinC = 100e-12;
constexpr double kMaxC = 1000e-6;
constexpr double kMinR = 1e3;
constexpr double kMaxR = 1e6;

struct DesignInput
{
    double frequencyHz = 0;
    double dutyPercent = 0;   // above 50 and below 100: without a diode the high time is the longer
    eseries::Series series = eseries::Series::E24;
};

struct DesignResult : AstableResult
{
    double r1Ohms = 0;
    double r2Ohms = 0;
    double cFarads = 0;
    double frequencyErrorPercent = 0;
    double dutyErrorPercent = 0;   // percentage points
};

DesignResult design(const DesignInput &in);

} // namespace timer555
