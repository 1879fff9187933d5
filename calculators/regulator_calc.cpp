// SPDX-License-Identifier: GPL-3.0-or-later
#include "calculators/regulator_calc.h"

#include "core/numbers.h"

#include <cmath>
#include <limits>

namespace regulator {
namespace {

bool paramsUsable(const Params &p)
{
    return calc::positive(p.vref) && p.iadjA >= 0 && std::isfinite(p.iadjA) && p.dropoutV >= 0
           && std::isfinite(p.dropoutV);
}

double output(double r1, double r2, const Params &p) { return p.vref * (1 + r2 / r1) + p.iadjA * r2; }

// Adds the headroom check and the dissipation; false for an unusable load.
bool applyLoad(Result &r, const Params &p, const Load &load)
{
    if (load.uinV == 0 && load.loadA == 0)
        return true;
    if (!calc::positive(load.uinV) || !(load.loadA >= 0) || !std::isfinite(load.loadA)) {
        r.status = calc::Status::BadInput;
        r.message = QStringLiteral("A bemenő feszültség pozitív, a terhelőáram nem negatív szám legyen.");
        return false;
    }
    r.loadChecked = true;
    r.headroomV = load.uinV - r.uout;
    r.dropoutOk = r.headroomV >= p.dropoutV;
    r.dissipationW = std::max(0.0, r.headroomV) * load.loadA;
    if (!calc::finite({r.headroomV, r.dissipationW})) {
        r.status = calc::Status::BadInput;
        r.message = calc::outOfRange();
        return false;
    }
    if (!r.dropoutOk)
        r.message = QStringLiteral("Kevés a bemenő feszültség: legalább %1 kell (a kimenő feszültség + %2).")
                        .arg(calc::siText(r.uout + p.dropoutV, QStringLiteral("V")),
                             calc::siText(p.dropoutV, QStringLiteral("V")));
    return true;
}

} // namespace

Result forward(double r1Ohms, double r2Ohms, const Params &p, const Load &load)
{
    Result r;
    if (!calc::positive(r1Ohms) || !(r2Ohms >= 0) || !std::isfinite(r2Ohms))
        return calc::failure(r, calc::Status::BadInput, QStringLiteral("R1 pozitív, R2 nem negatív szám legyen."));
    if (!paramsUsable(p))
        return calc::failure(r, calc::Status::BadInput,
                             QStringLiteral("A referenciafeszültség pozitív, az Iadj és a feszültségesés nem negatív legyen."));
    r.r1Ohms = r1Ohms;
    r.r2Ohms = r2Ohms;
    r.uout = output(r1Ohms, r2Ohms, p);
    if (!calc::finite({r.uout}))
        return calc::failure(Result(), calc::Status::BadInput, calc::outOfRange());
    applyLoad(r, p, load);
    return r;
}

Result design(double uoutV, eseries::Series series, const Params &p, const Load &load)
{
    Result r;
    if (!paramsUsable(p))
        return calc::failure(r, calc::Status::BadInput,
                             QStringLiteral("A referenciafeszültség pozitív, az Iadj és a feszültségesés nem negatív legyen."));
    if (!calc::positive(uoutV) || uoutV > 1e6)
        return calc::failure(r, calc::Status::BadInput, QStringLiteral("A kimenő feszültség pozitív szám legyen."));
    if (uoutV <= p.vref)
        return calc::failure(r, calc::Status::NoSolution,
                             QStringLiteral("A kimenő feszültség nagyobb legyen a referenciafeszültségnél (%1 V).")
                                 .arg(num::generalText(p.vref)));
    double bestErr = std::numeric_limits<double>::infinity();
    double bestDist = bestErr;
    for (double r1 : eseries::valuesBetween(series, kMinR1, kMaxR1)) {
        const double ideal = (uoutV - p.vref) / (p.vref / r1 + p.iadjA);
        for (const std::optional<double> &r2 : {eseries::atOrBelow(series, ideal), eseries::atOrAbove(series, ideal)}) {
            if (!r2 || *r2 > kMaxR2)
                continue;
            const double err = std::fabs(output(r1, *r2, p) - uoutV) / uoutV;
            const double dist = std::fabs(std::log(r1 / kPreferredR1));
            // Within a hundredth of a percent the errors count as equal.
            const bool tie = std::fabs(err - bestErr) <= 1e-4;
            if ((!tie && err < bestErr) || (tie && dist < bestDist)) {
                bestErr = tie ? std::min(err, bestErr) : err;
                bestDist = dist;
                r.r1Ohms = r1;
                r.r2Ohms = *r2;
            }
        }
    }
    if (!std::isfinite(bestErr))
        return calc::failure(r, calc::Status::NoSolution,
                             QStringLiteral("Ehhez a kimenő feszültséghez nincs ellenálláspár (R2 legfeljebb 100 kΩ)."));
    r.uout = output(r.r1Ohms, r.r2Ohms, p);
    r.errorPercent = (r.uout - uoutV) / uoutV * 100;
    applyLoad(r, p, load);
    return r;
}

} // namespace regulator
