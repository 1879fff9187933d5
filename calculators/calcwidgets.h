#pragma once

#include "ui/twips.h"

#include <QGroupBox>
#include <QLabel>
#include <QString>

class QKeyEvent;
class QObject;

// Building blocks shared by the calculator windows.
namespace calcwidgets {

template <class T>
T *make(QWidget *parent, const QString &name, double l, double t, double w, double h)
{
    auto *c = new T(parent);
    c->setObjectName(name);
    twips::place(c, l, t, w, h);
    return c;
}

inline QString indexed(const char *name, int i)
{
    return QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(i);
}

QLabel *label(QWidget *parent, const QString &name, const QString &text, double l, double t,
               double w, double h);
QGroupBox *frame(QWidget *parent, const QString &name, const QString &title, double l, double t,
                 double w, double h);
void setTextColour(QWidget *w, const QColor &c);
void setBold(QWidget *w, double scale = 1.0);

// The numeric key filter of the calculator boxes: "," is typed as ".";
// digits, "." and control keys pass ("-" too when allowed); any other
// character is dropped. Returns true when the key was handled here.
bool filterNumericKey(QObject *box, QKeyEvent *key, bool allowMinus = false);

} // namespace calcwidgets
