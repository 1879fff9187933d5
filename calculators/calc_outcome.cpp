// SPDX-License-Identifier: GPL-3.0-or-later
#include "calculators/calc_outcome.h"

#include "core/numbers.h"

namespace calc {

QString siText(double value, const QString &unit, int digits)
{
    if (!std::isfinite(value))
        return QString();
    if (value == 0)
        return QStringLiteral("0 ") + unit;
    static const char *const prefixes[] = {"p", "n", "µ", "m", "", "k", "M", "G"};
    const double a = std::fabs(value);
    int e = int(std::floor(std::log10(a) / 3)) * 3;
    e = std::max(-12, std::min(9, e));
    double m = value / std::pow(10.0, e);
    // Rounding may carry into the next prefix (999,96 -> 1000).
    const double scale = std::pow(10.0, digits - 1 - int(std::floor(std::log10(std::fabs(m)))));
    m = std::round(m * scale) / scale;
    if (std::fabs(m) >= 1000 && e < 9) {
        m /= 1000;
        e += 3;
    }
    const QString prefix = QString::fromUtf8(prefixes[(e + 12) / 3]);
    return num::generalText(m) + QLatin1Char(' ') + prefix + unit;
}

} // namespace calc
