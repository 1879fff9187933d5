// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/resizer.h"

#include "ui/controls.h"
#include "ui/twips.h"

#include <QWidget>
#include <cmath>
#include <cstdint>

namespace resizer {
namespace {
std::int32_t g_width = 0;
std::int32_t g_height = 0;

// Scales value by num / den; false when the quotient is undefined.
bool scaled(double value, double den, double num, double *out)
{
    if (den == 0)
        return false;
    *out = value / den * num;
    return std::isfinite(*out);
}

void rescaleControl(QWidget *c, double W, double H)
{
    const double Wp = g_width, Hp = g_height;
    double v;
    if (auto *line = qobject_cast<LineControl *>(c)) {
        if (scaled(line->X1(), Wp, W, &v)) line->setX1(v);
        if (scaled(line->X2(), Wp, W, &v)) line->setX2(v);
        if (scaled(line->Y1(), Hp, H, &v)) line->setY1(v);
        if (scaled(line->Y2(), Hp, H, &v)) line->setY2(v);
        return;
    }
    if (!twips::isControl(c))
        return;
    if (scaled(twips::left(c), Wp, W, &v)) twips::setLeft(c, v);
    if (scaled(twips::top(c), Hp, H, &v)) twips::setTop(c, v);
    if (scaled(twips::width(c), Wp, W, &v)) twips::setWidth(c, v);
    if (scaled(twips::height(c), Hp, H, &v)) twips::setHeight(c, v);
}

void rescaleChildren(QWidget *parent, double W, double H)
{
    const QObjectList kids = parent->children();   // a copy: rescaling may not reorder
    for (QObject *o : kids) {
        auto *w = qobject_cast<QWidget *>(o);
        if (!w || w->isWindow())
            continue;
        rescaleControl(w, W, H);
        rescaleChildren(w, W, H);
    }
}

std::int32_t roundEven(double v)
{
    return std::int32_t(std::nearbyint(v));   // default rounding: ties to even
}
} // namespace

void Rescale(QWidget *window)
{
    if (!window)
        return;
    for (const QWidget *p = window; p; p = p->parentWidget())
        if (p->isMinimized())
            return;   // a minimised window reports no meaningful size
    const double W = float(twips::fromPixels(window->width()));
    const double H = float(twips::fromPixels(window->height()));
    if (g_width != 0)
        rescaleChildren(window, W, H);
    g_width = roundEven(W);
    g_height = roundEven(H);
}

int rememberedWidth() { return g_width; }
int rememberedHeight() { return g_height; }

void remember(int w, int h)
{
    g_width = w;
    g_height = h;
}

} // namespace resizer
