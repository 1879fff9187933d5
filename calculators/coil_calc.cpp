// SPDX-License-Identifier: GPL-3.0-or-later
#include "calculators/coil_calc.h"

#include "core/numbers.h"

#include <cmath>

namespace coil {
namespace {

constexpr double kInch = 0.0254;
// L[H] = d^2 n^2 / (kScale (18 d + 40 l)) with d, l in metres: the inches
// cancel down to one factor, and microhenries to henries.
constexpr double kScale = 1e6 * kInch;

QString mm(double m) { return num::generalText(m * 1000); }

} // namespace

double inductance(double diameterM, double lengthM, double turns)
{
    return diameterM * diameterM * turns * turns / (kScale * (18 * diameterM + 40 * lengthM));
}

double turnsFor(double diameterM, double lengthM, double inductanceH)
{
    return std::sqrt(inductanceH * kScale * (18 * diameterM + 40 * lengthM)) / diameterM;
}

double closeWoundTurnsFor(double diameterM, double wireM, double inductanceH)
{
    // d^2 n^2 - 40 w L' n - 18 d L' = 0, the positive root.
    const double Ls = inductanceH * kScale;
    const double b = 40 * wireM * Ls;
    return (b + std::sqrt(b * b + 72 * diameterM * diameterM * diameterM * Ls)) / (2 * diameterM * diameterM);
}

Result calculate(const Input &in)
{
    Result r;
    const auto nonNegative = [](double v) { return v >= 0 && std::isfinite(v); };
    if (!calc::positive(in.diameterM) || !nonNegative(in.lengthM) || !nonNegative(in.turns)
        || !nonNegative(in.inductanceH) || !nonNegative(in.wireM))
        return calc::failure(r, calc::Status::BadInput,
                             QStringLiteral("Az átmérő pozitív, a többi érték nem negatív szám legyen."));
    if (in.lengthM == 0 && in.wireM == 0)
        return calc::failure(r, calc::Status::BadInput,
                             QStringLiteral("Add meg a tekercs hosszát, vagy szoros tekercseléshez a huzal átmérőjét."));
    if (in.turns == 0 && in.inductanceH == 0)
        return calc::failure(r, calc::Status::BadInput, QStringLiteral("Add meg a menetszámot vagy az induktivitást."));

    if (in.turns > 0) {
        r.turns = r.turnsRounded = in.turns;
        r.lengthM = in.lengthM > 0 ? in.lengthM : in.turns * in.wireM;
        r.inductanceH = inductance(in.diameterM, r.lengthM, in.turns);
    } else {
        r.inductanceH = in.inductanceH;
        r.turns = in.lengthM > 0 ? turnsFor(in.diameterM, in.lengthM, in.inductanceH)
                                 : closeWoundTurnsFor(in.diameterM, in.wireM, in.inductanceH);
        r.turnsRounded = std::ceil(r.turns - 1e-9);
        r.lengthM = in.lengthM > 0 ? in.lengthM : r.turnsRounded * in.wireM;
    }
    if (in.wireM > 0) {
        r.fitChecked = true;
        r.neededLengthM = r.turnsRounded * in.wireM;
        r.fits = r.neededLengthM <= r.lengthM * (1 + 1e-12);
    }
    if (!calc::positive(r.inductanceH) || !calc::positive(r.turns) || !calc::positive(r.lengthM)
        || !calc::finite({r.turnsRounded, r.neededLengthM}))
        return calc::failure(Result(), calc::Status::BadInput, calc::outOfRange());
    if (!r.fits)
        r.message = QStringLiteral("A menetek nem férnek el: %1 mm kell, a tekercs %2 mm hosszú.")
                        .arg(mm(r.neededLengthM), mm(r.lengthM));
    return r;
}

} // namespace coil
