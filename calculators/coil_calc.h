// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calculators/calc_outcome.h"

// Single-layer air-core coil after Wheeler: L[uH] = d^2 n^2 / (18 d + 40 l)
// with the diameter d and the winding length l in inches. Everything here
// is SI: metres and henries.
namespace coil {

struct Input
{
    double diameterM = 0;    // coil diameter (to the wire centres)
    double lengthM = 0;      // winding length; 0 with a wire: close-wound, n * wire
    double turns = 0;        // 0: sought from inductanceH
    double inductanceH = 0;  // used only when turns is 0
    double wireM = 0;        // wire diameter with insulation; 0: not given
};

struct Result : calc::Outcome
{
    double inductanceH = 0;
    double turns = 0;            // exact (fractional) when sought
    double turnsRounded = 0;     // whole turns, rounded up when sought
    double lengthM = 0;          // the length used
    bool fitChecked = false;     // a wire diameter was given
    double neededLengthM = 0;    // turns * wire
    bool fits = true;            // neededLength <= length
};

Result calculate(const Input &in);

// Wheeler's formula in SI and its inverses.
double inductance(double diameterM, double lengthM, double turns);
double turnsFor(double diameterM, double lengthM, double inductanceH);
// Close-wound: the length is turns * wire, which makes it a quadratic in turns.
double closeWoundTurnsFor(double diameterM, double wireM, double inductanceH);

} // namespace coil
