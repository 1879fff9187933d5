// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/windowtest.h"
#include "ui/controls.h"
#include "ui/resizer.h"
#include "ui/twips.h"

#include <QFrame>
#include <QLabel>

class ResizerTest : public QObject
{
    Q_OBJECT

    struct Window
    {
        QWidget w;
        QLabel *label;
        QFrame *frame;
        QLabel *inner;
        LineControl *line;
        QTimer *timer;
        Window()
        {
            w.resize(400, 300);   // 6000 x 4500 twips
            timer = new QTimer(&w);   // has no geometry: must not stop the others
            label = new QLabel(QStringLiteral("a"), &w);
            twips::place(label, 120, 240, 1695, 255);
            frame = new QFrame(&w);
            twips::place(frame, 600, 900, 3000, 2000);
            inner = new QLabel(QStringLiteral("b"), frame);
            twips::place(inner, 105, 210, 900, 300);
            line = new LineControl(&w);
            line->setLine(240, 2640, 5415, 2640);
        }
    };

    static void expectGeometry(QWidget *c, float l, float t, float w, float h)
    {
        QCOMPARE(twips::left(c), l);
        QCOMPARE(twips::top(c), t);
        QCOMPARE(twips::width(c), w);
        QCOMPARE(twips::height(c), h);
    }

private Q_SLOTS:
    void init() { resizer::remember(0, 0); }

    void first_call_only_remembers()
    {
        Window win;
        win.w.resize(500, 320);
        resizer::Rescale(&win.w);
        expectGeometry(win.label, 120, 240, 1695, 255);
        QCOMPARE(resizer::rememberedWidth(), 7500);
        QCOMPARE(resizer::rememberedHeight(), 4800);
    }

    void doubling_scales_every_control_and_back_restores()
    {
        Window win;
        resizer::Rescale(&win.w);
        win.w.resize(800, 600);
        resizer::Rescale(&win.w);
        expectGeometry(win.label, 240, 480, 3390, 510);
        expectGeometry(win.frame, 1200, 1800, 6000, 4000);
        expectGeometry(win.inner, 210, 420, 1800, 600);   // inside the frame, same factors
        QCOMPARE(win.line->X1(), 480.f);
        QCOMPARE(win.line->X2(), 10830.f);
        QCOMPARE(win.line->Y1(), 5280.f);
        QCOMPARE(win.label->geometry(), QRect(16, 32, 226, 34));   // pixels follow twips

        win.w.resize(400, 300);
        resizer::Rescale(&win.w);
        expectGeometry(win.label, 120, 240, 1695, 255);
        expectGeometry(win.inner, 105, 210, 900, 300);
        QCOMPARE(win.line->Y2(), 2640.f);
    }

    void odd_ratios_keep_fractions_in_twips()
    {
        Window win;
        resizer::Rescale(&win.w);
        win.w.resize(401, 299);
        resizer::Rescale(&win.w);
        QCOMPARE(twips::left(win.label), float(120.0 / 6000 * 6015));
        QCOMPARE(twips::top(win.label), float(240.0 / 4500 * 4485));
        QCOMPARE(resizer::rememberedWidth(), 6015);
    }

    void zero_remembered_height_scales_only_horizontally()
    {
        Window win;
        resizer::remember(3000, 0);
        resizer::Rescale(&win.w);
        expectGeometry(win.label, 240, 240, 3390, 255);
        QCOMPARE(win.line->X1(), 480.f);
        QCOMPARE(win.line->Y1(), 2640.f);
        QCOMPARE(resizer::rememberedHeight(), 4500);
    }

    void shrinking_to_nothing_then_growing_only_remembers()
    {
        Window win;
        resizer::Rescale(&win.w);
        win.w.resize(0, 0);
        resizer::Rescale(&win.w);
        expectGeometry(win.label, 0, 0, 0, 0);
        win.w.resize(400, 300);
        resizer::Rescale(&win.w);   // remembered width 0: nothing to scale by
        expectGeometry(win.label, 0, 0, 0, 0);
        QCOMPARE(resizer::rememberedWidth(), 6000);
    }
};

KONDRIX_TEST_MAIN(ResizerTest)
#include "resizer_test.moc"
