// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calculators/calc_outcome.h"

// RC time constant and cut-off frequency; capacitive and inductive reactance.
// In each, any two of the three quantities give the third: pass 0 for the
// one sought.
namespace rc {

struct RcResult : calc::Outcome
{
    double rOhms = 0;
    double cFarads = 0;
    double cutoffHz = 0;   // 1 / (2 pi R C), of the RC low- or high-pass
    double tauS = 0;       // R C
};

RcResult rcFilter(double rOhms, double cFarads, double cutoffHz);

enum class Kind { Capacitive, Inductive };

struct ReactanceResult : calc::Outcome
{
    Kind kind = Kind::Capacitive;
    double ohms = 0;
    double frequencyHz = 0;
    double farads = 0;     // capacitive
    double henries = 0;    // inductive
};

// Xc = 1 / (2 pi f C)
ReactanceResult capacitive(double ohms, double frequencyHz, double farads);
// Xl = 2 pi f L
ReactanceResult inductive(double ohms, double frequencyHz, double henries);

} // namespace rc
