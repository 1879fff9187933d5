// SPDX-License-Identifier: GPL-3.0-or-later
#include "calculators/oszt_calc.h"

#include "core/numbers.h"

#include <algorithm>
#include <cmath>

namespace oszt {
namespace {

bool usable(double v) { return v > 0 && std::isfinite(v); }

bool onScroller(const Scaled &s) { return s.exponent >= kMinExponent && s.exponent <= kMaxExponent; }

int countGiven(int sought, const double *values, int n)
{
    int given = 0;
    for (int i = 0; i < n; ++i)
        if (i != sought && values[i] > 0)
            ++given;
    return given;
}

} // namespace

QString prefixName(int exponent)
{
    static const char *const names[] = {"atto", "femto", "piko", "nano", "mikro", "mili", "",
                                        "kilo", "mega", "giga", "Tera", "Peta", "Exa"};
    if (exponent < kMinExponent || exponent > kMaxExponent || exponent % 3 != 0)
        return QString();
    return QString::fromLatin1(names[(exponent - kMinExponent) / 3]);
}

std::optional<Scaled> normalise(double v)
{
    if (!usable(v))
        return std::nullopt;
    int e = 0;
    while (v < 1) {
        v *= 1000;
        e -= 3;
    }
    while (v >= 1000) {
        v /= 1000;
        e += 3;
    }
    return Scaled{v, e};
}

QString quantityText(double v, const QString &unit)
{
    const std::optional<Scaled> s = normalise(v);
    if (s && onScroller(*s))
        return num::generalText(s->mantissa) + QLatin1Char(' ') + prefixName(s->exponent)
               + QLatin1Char(' ') + unit;
    return num::generalText(v) + QStringLiteral("  ") + unit;
}

QString dividerUnitLabel(int row, int exponent)
{
    static const char *const units[4] = {" V", " ohm", " V", " ohm"};
    if (row < U1 || row > R2)
        return QString();
    return prefixName(exponent) + QLatin1String(units[row]);
}

QString parallelUnitLabel(int exponent)
{
    return prefixName(exponent) + QStringLiteral(" ohm");
}

double rowValue(const QString &text, int exponent)
{
    return num::leadingNumber(text) * std::pow(10.0, exponent);
}

DividerOutcome divider(int sought, const double values[4])
{
    DividerOutcome out;
    if (sought < U1 || sought > R2 || countGiven(sought, values, 4) < 3)
        return out;
    double v[4] = {values[0], values[1], values[2], values[3]};
    double &u1 = v[U1], &r1 = v[R1], &u2 = v[U2], &r2 = v[R2];
    switch (sought) {
    case U1: u1 = u2 + r1 * (u2 / r2); break;
    case R1: r1 = (u1 - u2) / (u2 / r2); break;
    case U2: u2 = r2 * (u1 / (r2 + r1)); break;
    case R2: r2 = u2 / ((u1 - u2) / r1); break;
    }
    out.status = Status::Failed;
    out.sought = v[sought];
    const std::optional<Scaled> s = normalise(out.sought);
    if (!s || !onScroller(*s))
        return out;
    out.soughtScaled = *s;
    out.soughtShown = true;

    const double I = u1 / (r2 + r1);
    const double P1 = I * (u1 - u2);
    const double P2 = I * u2;
    const double q = u1 / u2;
    const double d = (std::log(q) * 20) / std::log(10.0);
    for (double x : {I, P1, P2, q, d})
        if (!std::isfinite(x))
            return out;
    out.powerR1 = QStringLiteral("P(R1)= ") + quantityText(P1, QStringLiteral("W"));
    out.powerR2 = QStringLiteral("P(R2)= ") + quantityText(P2, QStringLiteral("W"));
    out.current = QStringLiteral("I= ") + quantityText(I, QStringLiteral("A"));
    out.ratio = QStringLiteral("Osztás= ") + num::generalText(q) + QStringLiteral(":1");
    // Cut to ten characters, but never cut off an exponent: 1.9E-15 dB is not 1.9 dB.
    const QString dText = num::decimalText(d);
    const qsizetype e = dText.indexOf(QLatin1Char('E'));
    const QString shortD = e < 0 ? dText.left(10) : dText.left(std::min<qsizetype>(e, 10)) + dText.mid(e);
    out.decibel = QStringLiteral("Osztás= -") + shortD + QStringLiteral(" dB");
    out.status = Status::Shown;
    return out;
}

ParallelOutcome parallel(int sought, const double values[3])
{
    ParallelOutcome out;
    if (sought < PR1 || sought > RE || countGiven(sought, values, 3) < 2)
        return out;
    double v[3] = {values[0], values[1], values[2]};
    double &r1 = v[PR1], &r2 = v[PR2], &re = v[RE];
    switch (sought) {
    case PR1: r1 = 1 / (1 / re - 1 / r2); break;
    case PR2: r2 = 1 / (1 / re - 1 / r1); break;
    case RE: re = (r1 * r2) / (r2 + r1); break;
    }
    out.status = Status::Failed;
    out.sought = v[sought];
    if (re > r2 || re > r1)
        return out;
    const std::optional<Scaled> s = normalise(out.sought);
    if (!s || !onScroller(*s))
        return out;
    out.soughtScaled = *s;
    out.status = Status::Shown;
    return out;
}

} // namespace oszt
