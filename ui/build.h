// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/twips.h"

#include <QColor>
#include <QGroupBox>
#include <QLabel>
#include <QPalette>
#include <QString>
#include <QWidget>

// Small helpers the windows use to lay out their named controls in twips.
namespace build {

// The object name of a control array element, e.g. "Us(0)".
inline QString indexed(const char *name, int i)
{
    return QStringLiteral("%1(%2)").arg(QString::fromUtf8(name)).arg(i);
}

template <typename T>
T *named(T *w, const QString &name)
{
    w->setObjectName(name);
    return w;
}

template <typename T>
T *make(QWidget *parent, const QString &name, double l, double t, double w, double h)
{
    auto *c = named(new T(parent), name);
    twips::place(c, l, t, w, h);
    return c;
}

inline QLabel *label(QWidget *parent, const QString &name, const QString &text, double l, double t,
                     double w, double h)
{
    auto *lab = make<QLabel>(parent, name, l, t, w, h);
    lab->setText(text);
    return lab;
}

inline QGroupBox *frame(QWidget *parent, const QString &name, const QString &title, double l, double t,
                        double w, double h)
{
    auto *f = make<QGroupBox>(parent, name, l, t, w, h);
    f->setTitle(title);
    return f;
}

inline void setTextColour(QWidget *w, const QColor &c)
{
    QPalette p = w->palette();
    p.setColor(QPalette::WindowText, c);
    w->setPalette(p);
}

inline void setBold(QWidget *w, double scale = 1.0)
{
    QFont f = w->font();
    f.setBold(true);
    if (scale != 1.0)
        f.setPointSizeF(f.pointSizeF() * scale);
    w->setFont(f);
}

} // namespace build
