// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <cmath>
#include <initializer_list>

// What every bench calculator result carries besides its numbers: whether
// there are numbers at all, and if not, the Hungarian reason.
namespace calc {

enum class Status
{
    Ok,
    BadInput,     // a value is missing, not positive, or out of any sensible range
    NoSolution,   // the values are fine but nothing can be built from them
};

struct Outcome
{
    Status status = Status::Ok;
    QString message;   // Hungarian; empty when ok, may hold a warning when ok
    bool ok() const { return status == Status::Ok; }
};

// Sets the failure and returns the result, for one-line early returns.
template <typename R>
R failure(R r, Status status, const QString &message)
{
    r.status = status;
    r.message = message;
    return r;
}

// A value a calculator can work with: positive and finite.
inline bool positive(double v) { return v > 0 && std::isfinite(v); }

inline bool finite(std::initializer_list<double> values)
{
    for (double v : values)
        if (!std::isfinite(v))
            return false;
    return true;
}

// A value with an SI prefix and its unit, to a few significant digits in
// the user's locale: "4,7 kΩ", "100 nF", "1,592 kHz", "0 V".
QString siText(double value, const QString &unit, int digits = 4);

inline QString outOfRange() { return QStringLiteral("Az eredmény kívül esik a számolható tartományon."); }

} // namespace calc
