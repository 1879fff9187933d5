// SPDX-License-Identifier: GPL-3.0-or-later
#include "calculators/rezgokor_calc.h"

#include "calculators/mod_rlc.h"
#include "core/numbers.h"

#include <cmath>

namespace rezgokor {
namespace {
bool usable(double v) { return v > 0 && std::isfinite(v); }
} // namespace

Outcome calculate(const bool ticked[3], const double value[3])
{
    Outcome out;
    double &C = out.value[Capacitance], &L = out.value[Inductance], &F = out.value[Frequency];
    C = value[Capacitance];
    L = value[Inductance];
    F = value[Frequency];
    if (C == 0 && L == 0 && F == 0) {
        out.hiba = true;
        return out;
    }
    auto derive = [&](Row row, double a, double b, double result) {
        if (a == 0 || b == 0) {
            out.hiba = true;
            return false;
        }
        if (usable(result)) {
            out.value[row] = result;
            out.derived[row] = true;
        }
        return true;
    };
    if (ticked[Capacitance] && ticked[Inductance]
        && !derive(Frequency, C, L, 1 / (kTwoPi * std::sqrt(L * C))))
        return out;
    if (ticked[Capacitance] && ticked[Frequency]
        && !derive(Inductance, C, F, (1 / std::pow(F * kTwoPi, 2)) / C))
        return out;
    if (ticked[Inductance] && ticked[Frequency]
        && !derive(Capacitance, F, L, (1 / std::pow(F * kTwoPi, 2)) / L))
        return out;
    const double z = 1 / (C * (F * kTwoPi));
    if (usable(z))
        out.impedance = z;
    return out;
}

double gainToDb(double au)
{
    return (std::log(au) * 20) / std::log(10.0);
}

double dbToGain(double db)
{
    return std::pow(10.0, db / 20);
}

std::optional<Shown> shownValue(double v)
{
    const std::optional<mod_RLC::Normalised> n = mod_RLC::qqq(v);
    if (!n)
        return std::nullopt;
    if (n->index < 0 || n->index >= mod_RLC::kPrefixes)
        return Shown{num::generalText(v), mod_RLC::kBaseIndex};
    return Shown{num::generalText(n->mantissa), n->index};
}

QString impedanceText(double ohms)
{
    const std::optional<Shown> s = shownValue(ohms);
    if (!s)
        return QString();
    return QStringLiteral("Impedancia: ") + s->number + QLatin1Char(' ')
           + mod_RLC::unitSymbol(s->prefix, mod_RLC::Ohm);
}

QString decibelText(double au)
{
    const double db = gainToDb(au);
    if (!(au > 0) || !std::isfinite(db))
        return QString();
    return QStringLiteral("= ") + num::generalText(db) + QStringLiteral(" dB");
}

QString gainText(double db)
{
    const double au = dbToGain(db);
    if (!std::isfinite(au) || !std::isfinite(db))
        return QString();
    return QStringLiteral("= ") + num::generalText(au);
}

} // namespace rezgokor
