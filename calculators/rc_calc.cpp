// SPDX-License-Identifier: GPL-3.0-or-later
#include "calculators/rc_calc.h"

#include <cmath>

namespace rc {
namespace {

constexpr double kTwoPi = 2 * 3.14159265358979323846;

// Exactly two of the three given (positive), the third 0.
bool twoOfThree(double a, double b, double c)
{
    const double v[3] = {a, b, c};
    int given = 0;
    for (double x : v) {
        if (x == 0)
            continue;
        if (!calc::positive(x))
            return false;
        ++given;
    }
    return given == 2;
}

// a · b · c = 1 / 2π (R·C·f, X·f·C): fills the one left at 0.
void completeReciprocal(double &a, double &b, double &c)
{
    if (a == 0)
        a = 1 / (kTwoPi * b * c);
    else if (b == 0)
        b = 1 / (kTwoPi * a * c);
    else
        c = 1 / (kTwoPi * a * b);
}

} // namespace

RcResult rcFilter(double rOhms, double cFarads, double cutoffHz)
{
    RcResult r;
    if (!twoOfThree(rOhms, cFarads, cutoffHz))
        return calc::failure(r, calc::Status::BadInput,
                             QStringLiteral("Kettőt adj meg az ellenállás, a kapacitás és a frekvencia közül, pozitív számként."));
    r.rOhms = rOhms;
    r.cFarads = cFarads;
    r.cutoffHz = cutoffHz;
    completeReciprocal(r.rOhms, r.cFarads, r.cutoffHz);
    r.tauS = r.rOhms * r.cFarads;
    if (!calc::positive(r.rOhms) || !calc::positive(r.cFarads) || !calc::positive(r.cutoffHz) || !calc::positive(r.tauS))
        return calc::failure(RcResult(), calc::Status::BadInput, calc::outOfRange());
    return r;
}

ReactanceResult capacitive(double ohms, double frequencyHz, double farads)
{
    ReactanceResult r;
    if (!twoOfThree(ohms, frequencyHz, farads))
        return calc::failure(r, calc::Status::BadInput,
                             QStringLiteral("Kettőt adj meg a reaktancia, a frekvencia és a kapacitás közül, pozitív számként."));
    r.ohms = ohms;
    r.frequencyHz = frequencyHz;
    r.farads = farads;
    completeReciprocal(r.ohms, r.frequencyHz, r.farads);
    if (!calc::positive(r.ohms) || !calc::positive(r.frequencyHz) || !calc::positive(r.farads))
        return calc::failure(ReactanceResult(), calc::Status::BadInput, calc::outOfRange());
    return r;
}

ReactanceResult inductive(double ohms, double frequencyHz, double henries)
{
    ReactanceResult r;
    r.kind = Kind::Inductive;
    if (!twoOfThree(ohms, frequencyHz, henries))
        return calc::failure(r, calc::Status::BadInput,
                             QStringLiteral("Kettőt adj meg a reaktancia, a frekvencia és az induktivitás közül, pozitív számként."));
    r.ohms = ohms;
    r.frequencyHz = frequencyHz;
    r.henries = henries;
    if (ohms == 0)
        r.ohms = kTwoPi * frequencyHz * henries;
    else if (frequencyHz == 0)
        r.frequencyHz = ohms / (kTwoPi * henries);
    else
        r.henries = ohms / (kTwoPi * frequencyHz);
    if (!calc::positive(r.ohms) || !calc::positive(r.frequencyHz) || !calc::positive(r.henries)) {
        ReactanceResult bad;
        bad.kind = Kind::Inductive;
        return calc::failure(bad, calc::Status::BadInput, calc::outOfRange());
    }
    return r;
}

} // namespace rc
