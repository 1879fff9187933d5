// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "support/windowtest.h"

#include <QLabel>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTest>
#include <QWidget>

// Shared by the calculator window tests.
namespace calctest {

template <class T = QWidget> T *child(QWidget *w, const QString &name) { return part<T>(*w, name); }

// A label that shows a failed number ("inf", "nan", "Inf", "NaN" as a word).
inline QString badNumberLabel(QWidget *window)
{
    static const QRegularExpression bad(QStringLiteral("\\b(inf|nan)\\b"),
                                        QRegularExpression::CaseInsensitiveOption);
    for (QLabel *l : window->findChildren<QLabel *>())
        if (bad.match(l->text()).hasMatch())
            return l->objectName() + QStringLiteral(": ") + l->text();
    return QString();
}

// Text a user might type or paste: digits, separators, letters, signs, now
// and then a very long run.
inline QString randomText(QRandomGenerator &rng)
{
    static const QString alphabet = QStringLiteral("0123456789012345678,.,.-+eEdDaAfFgz &H Őé");
    const int length = rng.bounded(100) < 3 ? 200 + rng.bounded(2000) : rng.bounded(12);
    QString s;
    for (int i = 0; i < length; ++i)
        s.append(alphabet.at(rng.bounded(alphabet.size())));
    return s;
}

// Types the text key by key, letters beyond ASCII included.
inline void typeText(QWidget *w, const QString &s)
{
    for (QChar c : s) {
        if (c.unicode() < 128)
            QTest::keyClick(w, char(c.unicode()));
        else
            QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

} // namespace calctest
