// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/twips.h"

#include <QVariant>
#include <QWidget>
#include <cmath>

namespace twips {
namespace {
const char *const kLeft = "Left";
const char *const kTop = "Top";
const char *const kWidth = "Width";
const char *const kHeight = "Height";

float prop(const QWidget *w, const char *name, int px)
{
    const QVariant v = w->property(name);
    return v.isValid() ? v.toFloat() : float(fromPixels(px));
}

void apply(QWidget *w)
{
    w->setGeometry(toPixels(left(w)), toPixels(top(w)), toPixels(width(w)), toPixels(height(w)));
}

bool set(QWidget *w, const char *name, double v, bool isSize)
{
    if (!w || !std::isfinite(v) || (isSize && v < 0))
        return false;
    const float f = float(v);
    if (!std::isfinite(f))
        return false;
    if (!isControl(w)) {   // adopt the current geometry first
        w->setProperty(kLeft, left(w));
        w->setProperty(kTop, top(w));
        w->setProperty(kWidth, width(w));
        w->setProperty(kHeight, height(w));
    }
    w->setProperty(name, f);
    apply(w);
    return true;
}
} // namespace

int toPixels(double tw)
{
    return int(std::lround(tw / kPerPixel));
}

void place(QWidget *w, double l, double t, double wd, double h)
{
    const float f[4] = {float(l), float(t), float(wd), float(h)};
    w->setProperty(kLeft, f[0]);
    w->setProperty(kTop, f[1]);
    w->setProperty(kWidth, f[2]);
    w->setProperty(kHeight, f[3]);
    // What apply() would read back, without looking the four names up again
    // (the windows place some hundred controls each as they are built).
    w->setGeometry(toPixels(f[0]), toPixels(f[1]), toPixels(f[2]), toPixels(f[3]));
}

void move(QWidget *w, double l, double t)
{
    place(w, l, t, fromPixels(w->width()), fromPixels(w->height()));
}

bool isControl(const QWidget *w)
{
    return w && w->property(kLeft).isValid();
}

float left(const QWidget *w) { return prop(w, kLeft, w->x()); }
float top(const QWidget *w) { return prop(w, kTop, w->y()); }
float width(const QWidget *w) { return prop(w, kWidth, w->width()); }
float height(const QWidget *w) { return prop(w, kHeight, w->height()); }

bool setLeft(QWidget *w, double v) { return set(w, kLeft, v, false); }
bool setTop(QWidget *w, double v) { return set(w, kTop, v, false); }
bool setWidth(QWidget *w, double v) { return set(w, kWidth, v, true); }
bool setHeight(QWidget *w, double v) { return set(w, kHeight, v, true); }

} // namespace twips
