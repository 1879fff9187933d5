#pragma once

#include "decoders/bandimages.h"
#include "decoders/mod_r.h"
#include "ui/controls.h"

#include <QTest>
#include <QWidget>

namespace resistortest {

enum Colour { Black, Brown, Red, Orange, Yellow, Green, Blue, Violet, Grey, White, Silver, Gold, None };

template <typename T>
T *child(const QWidget &w, const QString &name)
{
    T *c = w.findChild<T *>(name);
    if (!c)
        qFatal("missing control %s", qPrintable(name));
    return c;
}

inline QString indexed(const char *name, int i)
{
    return QStringLiteral("%1(%2)").arg(QString::fromUtf8(name)).arg(i);
}

// The colour whose band image a picture shows; -1 for no picture, -2 for an
// unknown one.
inline int shownColour(const QWidget &w, const QString &name)
{
    const QPixmap p = child<ImageControl>(w, name)->picture();
    if (p.isNull())
        return -1;
    const QImage shown = p.toImage().convertToFormat(QImage::Format_RGB32);
    for (int i = 0; i < mod_R::kColourCount; ++i)
        if (shown == bandimages::bandImage(i))
            return i;
    return -2;
}

// Which colour-column entries are shown, as a string of x and . by index.
inline QString offeredColours(const QWidget &w)
{
    QString s;
    for (int i = 0; i < mod_R::kColourCount; ++i)
        s += child<QWidget>(w, indexed("Col_lab", i))->isHidden() ? QLatin1Char('.') : QLatin1Char('x');
    return s;
}

inline QString markers(const QWidget &w, int bands)
{
    QString s;
    for (int i = 1; i <= bands; ++i)
        s += child<QWidget>(w, indexed("Nyíl", i))->isHidden() ? QLatin1Char('.') : QLatin1Char('x');
    return s;
}

inline void clickColour(const QWidget &w, int colour)
{
    QTest::mouseClick(child<QWidget>(w, indexed("Col_lab", colour)), Qt::LeftButton);
}

inline void clickBand(const QWidget &w, int band)
{
    QTest::mouseClick(child<QWidget>(w, indexed("Sáv_pic", band)), Qt::LeftButton);
}

} // namespace resistortest
