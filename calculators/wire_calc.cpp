// SPDX-License-Identifier: GPL-3.0-or-later
#include "calculators/wire_calc.h"

#include "calculators/mod_trafo.h"
#include "core/numbers.h"

#include <algorithm>
#include <cmath>

namespace wire {
namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kGauge36 = 0.127e-3;   // metres

} // namespace

double defaultDensity() { return mod_trafo::kCurrentDensity; }

const std::vector<double> &densityChoices()
{
    // Around the transformer's figure: lower for enclosed windings that run
    // for hours, higher for short, well-cooled runs.
    static const std::vector<double> choices{1.5, 2, mod_trafo::kCurrentDensity, 3, 4, 5};
    return choices;
}

double diameterForGauge(double gauge) { return kGauge36 * std::pow(92.0, (36 - gauge) / 39); }

double gaugeForDiameter(double diameterM) { return 36 - 39 * std::log(diameterM / kGauge36) / std::log(92.0); }

QString gaugeName(int gauge)
{
    if (gauge < kMinGauge || gauge > kMaxGauge)
        return QString();
    if (gauge <= 0)
        return QString(1 - gauge, QLatin1Char('0'));
    return QString::number(gauge);
}

std::optional<double> gaugeFromText(QStringView text)
{
    const QString t = text.trimmed().toString();
    if (t.size() >= 2 && t.endsWith(QLatin1String("/0"))) {
        bool ok = false;
        const int zeros = t.left(t.size() - 2).toInt(&ok);
        if (ok && zeros >= 1 && zeros <= 1 - kMinGauge)
            return double(1 - zeros);
        return std::nullopt;
    }
    if (t.size() >= 2 && t.count(QLatin1Char('0')) == t.size() && t.size() <= 1 - kMinGauge)
        return double(1 - int(t.size()));
    QString dotted = t;
    dotted.replace(QLatin1Char(','), QLatin1Char('.'));
    const std::optional<double> v = num::localeNumber(dotted, QLatin1Char('.'));
    if (!v || *v < kMinGauge || *v > kMaxGauge)
        return std::nullopt;
    return v;
}

Result calculate(const Input &in)
{
    Result r;
    r.densityAmm2 = in.densityAmm2 == 0 ? defaultDensity() : in.densityAmm2;
    if (!calc::positive(r.densityAmm2))
        return calc::failure(r, calc::Status::BadInput, QStringLiteral("Az áramsűrűség pozitív szám legyen."));
    switch (in.given) {
    case Given::Gauge:
        if (!(in.value >= kMinGauge && in.value <= kMaxGauge))
            return calc::failure(r, calc::Status::BadInput, QStringLiteral("Az AWG szám 0000 (-3) és 40 között legyen."));
        r.gauge = in.value;
        r.diameterM = diameterForGauge(in.value);
        r.areaMm2 = kPi / 4 * r.diameterM * r.diameterM * 1e6;
        break;
    case Given::Diameter:
        if (!calc::positive(in.value))
            return calc::failure(r, calc::Status::BadInput, QStringLiteral("Az átmérő pozitív szám legyen."));
        r.diameterM = in.value;
        r.areaMm2 = kPi / 4 * r.diameterM * r.diameterM * 1e6;
        r.gauge = gaugeForDiameter(r.diameterM);
        break;
    case Given::Area:
        if (!calc::positive(in.value))
            return calc::failure(r, calc::Status::BadInput, QStringLiteral("A keresztmetszet pozitív szám legyen."));
        r.areaMm2 = in.value;
        r.diameterM = std::sqrt(4 * in.value * 1e-6 / kPi);
        r.gauge = gaugeForDiameter(r.diameterM);
        break;
    }
    r.nearestGauge = int(std::clamp(std::round(r.gauge), double(kMinGauge), double(kMaxGauge)));
    r.ohmsPerM = kCopperResistivity / (r.areaMm2 * 1e-6);
    r.currentA = r.densityAmm2 * r.areaMm2;
    if (!calc::positive(r.diameterM) || !calc::positive(r.areaMm2) || !calc::positive(r.ohmsPerM)
        || !calc::finite({r.gauge, r.currentA}))
        return calc::failure(Result(), calc::Status::BadInput, calc::outOfRange());
    return r;
}

} // namespace wire
