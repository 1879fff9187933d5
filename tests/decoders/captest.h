// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "decoders/capcodes.h"
#include "support/windowtest.h"
#include "ui/controls.h"

#include <QPixmap>
#include <QLabel>
#include <QTest>
#include <QWidget>

// Helpers of the capacitor window tests.
namespace captest {

inline QString text(const QWidget &w, const QString &name)
{
    return part<QLabel>(w, name)->text();
}

inline void click(const QWidget &w, const QString &name)
{
    QTest::mouseClick(part<QWidget>(w, name), Qt::LeftButton);
}

// Runs picks such as "B4 C7 X F1=5": a column letter and colour index (a for
// 10, b for 11) clicks "Col_<letter>(<index>)", "F<n>=<i>" clicks "F<n>(<i>)"
// and X clicks "Mezők törlése".
inline void pick(const QWidget &w, const QString &picks)
{
    for (const QString &p : picks.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (p == QLatin1String("X"))
            click(w, QStringLiteral("Command1"));
        else if (p.startsWith(QLatin1Char('F')))
            click(w, QStringLiteral("%1(%2)").arg(p.left(2), p.mid(3)));
        else
            click(w, QStringLiteral("Col_%1(%2)").arg(p.at(0)).arg(p.mid(1).toInt(nullptr, 16)));
    }
}

// The colour of each mark as a colour index written as in the picks, or "-"
// for the unset colour and "?" for any other.
inline QChar markColour(const QWidget &w, const QString &name)
{
    const QColor c = part<ShapeControl>(w, name)->fillColor();
    const auto &u = capcodes::kUnset;
    if (c == QColor(u.r, u.g, u.b))
        return QLatin1Char('-');
    for (int i = 0; i < capcodes::kColourCount; ++i) {
        const auto &b = capcodes::colour(i).background;
        if (c == QColor(b.r, b.g, b.b))
            return QString::number(i, 16).at(0);
    }
    return QLatin1Char('?');
}

} // namespace captest
