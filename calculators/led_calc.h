// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calculators/calc_outcome.h"
#include "calculators/eseries.h"

// Series resistor for one or more LEDs in series on a DC supply.
namespace led {

struct Input
{
    double supplyV = 0;
    double forwardV = 0;     // of one LED
    double currentA = 0;     // wanted
    int count = 1;           // LEDs in series
    eseries::Series series = eseries::Series::E24;
};

struct Result : calc::Outcome
{
    double exactOhms = 0;
    double standardOhms = 0;   // the smallest standard value at or above exactOhms
    double currentA = 0;       // with the standard resistor
    double powerW = 0;         // in the resistor
    double ratingW = 0;        // suggested: see suggestedRating
};

// The first of 1/8, 1/4, 1/2, 1, 2, 5 W that holds twice the dissipation
// (a resistor at half its rating runs cool enough to last); above 5 W the
// doubled dissipation rounded up to whole watts.
double suggestedRating(double powerW);

Result calculate(const Input &in);

} // namespace led
