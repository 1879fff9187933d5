// SPDX-License-Identifier: GPL-3.0-or-later
#include "calculators/led_calc.h"

#include "core/numbers.h"

#include <cmath>

namespace led {

double suggestedRating(double powerW)
{
    static const double ratings[] = {0.125, 0.25, 0.5, 1, 2, 5};
    const double needed = 2 * powerW;
    for (double w : ratings)
        if (needed <= w)
            return w;
    return std::ceil(needed);
}

Result calculate(const Input &in)
{
    Result r;
    if (!calc::positive(in.supplyV) || !calc::positive(in.forwardV) || !calc::positive(in.currentA))
        return calc::failure(r, calc::Status::BadInput,
                             QStringLiteral("A tápfeszültség, a nyitófeszültség és az áram pozitív szám legyen."));
    if (in.count < 1 || in.count > 1000)
        return calc::failure(r, calc::Status::BadInput, QStringLiteral("A LED-ek száma 1 és 1000 között legyen."));
    const double leds = in.forwardV * in.count;
    const double drop = in.supplyV - leds;
    if (!(drop > leds * 1e-9))
        return calc::failure(r, calc::Status::NoSolution,
                             QStringLiteral("Kevés a tápfeszültség: a LED-ek nyitófeszültsége összesen %1 V, "
                                            "ennél nagyobb tápfeszültség kell.")
                                 .arg(num::generalText(leds)));
    r.exactOhms = drop / in.currentA;
    const std::optional<double> standard = eseries::atOrAbove(in.series, r.exactOhms);
    if (!std::isfinite(r.exactOhms) || !standard)
        return calc::failure(r, calc::Status::BadInput, calc::outOfRange());
    r.standardOhms = *standard;
    r.currentA = drop / r.standardOhms;
    r.powerW = r.currentA * r.currentA * r.standardOhms;
    r.ratingW = suggestedRating(r.powerW);
    if (!calc::finite({r.currentA, r.powerW, r.ratingW}))
        return calc::failure(Result(), calc::Status::BadInput, calc::outOfRange());
    return r;
}

} // namespace led
