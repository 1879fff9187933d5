// SPDX-License-Identifier: GPL-3.0-or-later
#include "calculators/timer555.h"

#include <cmath>
#include <limits>

namespace timer555 {
namespace {

// The capacitor swings between 1/3 and 2/3 of the supply.
const double kLn2 = std::log(2.0);
const double kLn3 = std::log(3.0);

} // namespace

AstableResult astable(double r1Ohms, double r2Ohms, double cFarads)
{
    AstableResult r;
    if (!calc::positive(r1Ohms) || !calc::positive(r2Ohms) || !calc::positive(cFarads))
        return calc::failure(r, calc::Status::BadInput, QStringLiteral("R1, R2 és C pozitív szám legyen."));
    r.highS = kLn2 * (r1Ohms + r2Ohms) * cFarads;
    r.lowS = kLn2 * r2Ohms * cFarads;
    r.periodS = r.highS + r.lowS;
    r.frequencyHz = 1 / r.periodS;
    r.dutyPercent = r.highS / r.periodS * 100;
    if (!calc::finite({r.highS, r.lowS, r.periodS, r.frequencyHz, r.dutyPercent}) || !(r.lowS > 0)
        || !(r.frequencyHz > 0))
        return calc::failure(AstableResult(), calc::Status::BadInput, calc::outOfRange());
    return r;
}

MonoResult monostable(double rOhms, double cFarads)
{
    MonoResult r;
    if (!calc::positive(rOhms) || !calc::positive(cFarads))
        return calc::failure(r, calc::Status::BadInput, QStringLiteral("R és C pozitív szám legyen."));
    r.pulseS = kLn3 * rOhms * cFarads;
    if (!calc::positive(r.pulseS))
        return calc::failure(MonoResult(), calc::Status::BadInput, calc::outOfRange());
    return r;
}

DesignResult design(const DesignInput &in)
{
    DesignResult best;
    if (!calc::positive(in.frequencyHz) || !std::isfinite(in.dutyPercent))
        return calc::failure(best, calc::Status::BadInput,
                             QStringLiteral("A frekvencia pozitív szám, a kitöltési tényező 50 és 100 % közötti legyen."));
    if (in.dutyPercent <= 50)
        return calc::failure(best, calc::Status::NoSolution,
                             QStringLiteral("Dióda nélkül a kitöltési tényező 50 %-nál nagyobb: a töltés R1-en és R2-n, "
                                            "a kisütés csak R2-n át folyik. 50 % vagy kevesebb az R2-vel párhuzamos "
                                            "diódával érhető el."));
    if (in.dutyPercent >= 100)
        return calc::failure(best, calc::Status::BadInput, QStringLiteral("A kitöltési tényező 100 %-nál kisebb legyen."));
    const double d = in.dutyPercent / 100;
    const std::vector<double> caps = eseries::valuesBetween(eseries::Series::E6, kMinC, kMaxC);
    double bestScore = std::numeric_limits<double>::infinity();
    for (double c : caps) {
        const double sum = 1 / (kLn2 * in.frequencyHz * c);   // R1 + 2 R2
        const double idealR1 = (2 * d - 1) * sum, idealR2 = (1 - d) * sum;
        if (idealR1 > kMaxR * 2.5 || idealR2 > kMaxR * 2.5 || idealR1 + idealR2 < kMinR / 2.5)
            continue;   // no standard pair anywhere near with this capacitor
        const std::optional<double> r1s[] = {eseries::atOrBelow(in.series, idealR1), eseries::atOrAbove(in.series, idealR1)};
        const std::optional<double> r2s[] = {eseries::atOrBelow(in.series, idealR2), eseries::atOrAbove(in.series, idealR2)};
        for (const auto &r1 : r1s)
            for (const auto &r2 : r2s) {
                if (!r1 || !r2 || *r1 < kMinR * (1 - 1e-12) || *r2 < kMinR * (1 - 1e-12) || *r1 > kMaxR * (1 + 1e-12)
                    || *r2 > kMaxR * (1 + 1e-12))
                    continue;
                const AstableResult a = astable(*r1, *r2, c);
                if (!a.ok())
                    continue;
                const double fErr = (a.frequencyHz - in.frequencyHz) / in.frequencyHz * 100;
                const double dErr = a.dutyPercent - in.dutyPercent;
                const double score = std::hypot(fErr, dErr);
                if (score < bestScore) {
                    bestScore = score;
                    static_cast<AstableResult &>(best) = a;
                    best.r1Ohms = *r1;
                    best.r2Ohms = *r2;
                    best.cFarads = c;
                    best.frequencyErrorPercent = fErr;
                    best.dutyErrorPercent = dErr;
                }
            }
    }
    if (!std::isfinite(bestScore))
        return calc::failure(DesignResult(), calc::Status::NoSolution,
                             QStringLiteral("Erre a frekvenciára nincs alkatrész a kínálatban (C: 100 pF - 1000 µF, "
                                            "R: 1 kΩ - 1 MΩ)."));
    return best;
}

} // namespace timer555
