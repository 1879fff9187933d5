// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "decoders/bandimages.h"
#include "decoders/mod_r.h"
#include "decoders/resistorwindow.h"
#include "support/windowtest.h"
#include "ui/build.h"
#include "ui/controls.h"
#include "ui/twips.h"

#include <QLabel>
#include <QTest>
#include <QTimer>
#include <QWidget>

namespace resistortest {

enum Colour { Black, Brown, Red, Orange, Yellow, Green, Blue, Violet, Grey, White, Silver, Gold, None };

using build::indexed;

inline QString label(const QWidget &w, const char *name)
{
    return part<QLabel>(w, QLatin1String(name))->text();
}

// The colour whose band image a picture shows; -1 for no picture, -2 for an
// unknown one.
inline int shownColour(const QWidget &w, const QString &name)
{
    const QPixmap p = part<ImageControl>(w, name)->picture();
    if (p.isNull())
        return -1;
    const QImage shown = p.toImage().convertToFormat(QImage::Format_RGB32);
    for (int i = 0; i < mod_R::kColourCount; ++i)
        if (shown == bandimages::bandImage(i))
            return i;
    return -2;
}

// Which of count indexed controls are shown, as a string of x and . by index.
inline QString shown(const QWidget &w, const char *name, int first, int count)
{
    QString s;
    for (int i = first; i < first + count; ++i)
        s += part<QWidget>(w, indexed(name, i))->isHidden() ? QLatin1Char('.') : QLatin1Char('x');
    return s;
}
inline QString offeredColours(const QWidget &w) { return shown(w, "Col_lab", 0, mod_R::kColourCount); }
inline QString markers(const QWidget &w, int bands) { return shown(w, "Nyíl", 1, bands); }

inline void clickColour(const QWidget &w, int colour)
{
    QTest::mouseClick(part<QWidget>(w, indexed("Col_lab", colour)), Qt::LeftButton);
}

inline void clickBand(const QWidget &w, int band)
{
    QTest::mouseClick(part<QWidget>(w, indexed("Sáv_pic", band)), Qt::LeftButton);
}

inline void verifyLoadState(const ResistorBandsWindow &w, const QVector<int> &colours, const QString &text)
{
    QCOMPARE(label(w, "Label1"), text);
    QCOMPARE(label(w, "Label2"), QStringLiteral("1. Sáv"));
    QCOMPARE(w.selectedBand(), 1);
    for (int band = 1; band <= colours.size(); ++band) {
        QCOMPARE(w.bandColour(band), colours[band - 1]);
        QCOMPARE(shownColour(w, indexed("Sáv_pic", band)), colours[band - 1]);
    }
    QCOMPARE(offeredColours(w), QStringLiteral("xxxxxxxxxx..."));
    QCOMPARE(markers(w, colours.size()), QStringLiteral("x").leftJustified(colours.size(), QLatin1Char('.')));
    QVERIFY(part<QTimer>(w, QStringLiteral("Timer1"))->isActive());
}

// Rows for verifyColourClick: a band picked after the tolerance band, then a colour.
inline void colourClickColumns()
{
    QTest::addColumn<int>("band");
    QTest::addColumn<int>("colour");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("offered");
    QTest::addColumn<QString>("value");
}

inline void verifyColourClick(ResistorBandsWindow &w)
{
    QFETCH(int, band);
    QFETCH(int, colour);
    QFETCH(QString, name);
    QFETCH(QString, offered);
    QFETCH(QString, value);
    const int n = w.bandCount();
    clickBand(w, n);
    clickBand(w, band);
    QCOMPARE(w.selectedBand(), band);
    QCOMPARE(markers(w, n), QString(n, QLatin1Char('.')).replace(band - 1, 1, QLatin1Char('x')));
    QCOMPARE(label(w, "Label2"), name);
    QCOMPARE(twips::left(part<QWidget>(w, QStringLiteral("Label2"))), twips::left(part<QWidget>(w, indexed("Nyíl", band))));
    QCOMPARE(offeredColours(w), offered);
    clickColour(w, colour);
    QCOMPARE(w.bandColour(band), colour);
    QCOMPARE(shownColour(w, indexed("Sáv_pic", band)), colour);
    QCOMPARE(label(w, "Label1"), value);
}

} // namespace resistortest
