// SPDX-License-Identifier: GPL-3.0-or-later
#include "calculators/calcwidgets.h"

#include <QApplication>
#include <QKeyEvent>

namespace calcwidgets {

bool filterNumericKey(QObject *box, QKeyEvent *key, bool allowMinus)
{
    const QString t = key->text();
    if (t.size() != 1)
        return false;
    const QChar c = t.at(0);
    if (c.unicode() < 32 || c.unicode() == 127)
        return false;   // backspace, cursor and editing keys, shortcuts
    if (c == QLatin1Char(',')) {
        QKeyEvent point(QEvent::KeyPress, Qt::Key_Period, Qt::NoModifier, QStringLiteral("."),
                        key->isAutoRepeat(), ushort(key->count()));
        QApplication::sendEvent(box, &point);
        return true;
    }
    if ((c >= QLatin1Char('0') && c <= QLatin1Char('9')) || c == QLatin1Char('.')
        || (allowMinus && c == QLatin1Char('-')))
        return false;
    return true;   // dropped
}

} // namespace calcwidgets
