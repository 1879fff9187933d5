// SPDX-License-Identifier: GPL-3.0-or-later
#include "calculators/frm_oszt.h"
#include "calcwindowtest.h"
#include "support/windowtest.h"

#include <QLineEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QWheelEvent>
#include <cmath>

using namespace calctest;

class FrmOsztTest : public QObject
{
    Q_OBJECT
    WindowTestEnv env;
    QPointer<frm_oszt> win;

    QString text(const QString &name) const { return child<QLabel>(win, name)->text(); }
    QString text(const char *name) const { return text(QLatin1String(name)); }
    QLineEdit *box(int i) const { return child<QLineEdit>(win, QStringLiteral("Text(%1)").arg(i)); }
    QLineEdit *boxPH(int i) const { return child<QLineEdit>(win, QStringLiteral("textPH(%1)").arg(i)); }
    QScrollBar *bar(int i) const { return child<QScrollBar>(win, QStringLiteral("VScroll1(%1)").arg(i)); }
    QScrollBar *barPH(int i) const { return child<QScrollBar>(win, QStringLiteral("scrollPH(%1)").arg(i)); }
    void seek(int i) { child<QRadioButton>(win, QStringLiteral("Option1(%1)").arg(i))->click(); }
    void seekPH(int i) { child<QRadioButton>(win, QStringLiteral("optPH(%1)").arg(i))->click(); }
    // The arrows sit at the two ends of the bar.
    static void clickArrow(QScrollBar *b, bool upper)
    {
        QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(b->width() / 2, upper ? 2 : b->height() - 3));
    }
    static double number(QString shown) { return shown.replace(QLatin1Char(','), QLatin1Char('.')).toDouble(); }

private Q_SLOTS:
    void init() { (win = new frm_oszt)->show(); }
    void cleanup()
    {
        delete win;
        KONDRIX_VERIFY_NO_SURPRISES(env);
    }

    void loads_with_R2_and_RE_sought()
    {
        QCOMPARE(win->windowTitle(), QStringLiteral("Terheletlen feszültség osztó, párhuzamos kapcsolás"));
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(box(i)->isHidden(), i == 3);
            QVERIFY(box(i)->text().isEmpty());
            QCOMPARE(bar(i)->value(), 0);
            QCOMPARE(bar(i)->isEnabled(), i != 3);
        }
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(boxPH(i)->isHidden(), i == 2);
            QCOMPARE(barPH(i)->isEnabled(), i != 2);
            QCOMPARE(text(QStringLiteral("lblPH(%1)").arg(i)), QStringLiteral(" ohm"));
        }
        QCOMPARE(text("lbl_ME(0)") + text("lbl_ME(1)"), QStringLiteral(" V ohm"));
        QVERIFY(child<QRadioButton>(win, QStringLiteral("Option1(3)"))->isChecked());
        QVERIFY(child<QRadioButton>(win, QStringLiteral("optPH(2)"))->isChecked());
        screenshot(win, QStringLiteral("frm_oszt_empty"));
    }

    void worked_example_and_prefix_steps()
    {
        seek(2);
        bar(1)->setValue(3);
        bar(3)->setValue(3);
        QCOMPARE(text("lbl_ME(1)"), QStringLiteral("kilo ohm"));
        QTest::keyClicks(box(0), QStringLiteral("10"));
        QTest::keyClicks(box(1), QStringLiteral("4,7"));
        QTest::keyClicks(box(3), QStringLiteral("4.7"));
        QCOMPARE(box(1)->text(), QStringLiteral("4.7"));
        QCOMPARE(text("lblText(2)"), QStringLiteral("5"));
        QCOMPARE(text("lbl_ME(2)"), QStringLiteral(" V"));
        QCOMPARE(text("Label2"), QStringLiteral("P(R1)= 5,31914893617021 mili W"));
        QCOMPARE(text("Label3"), QStringLiteral("P(R2)= 5,31914893617021 mili W"));
        QCOMPARE(text("Label4"), QStringLiteral("I= 1,06382978723404 mili A"));
        QCOMPARE(text("Label5"), QStringLiteral("Osztás= 2:1"));
        QCOMPARE(text("Label6"), QStringLiteral("Osztás= - 6.0205999 dB"));
        screenshot(win, QStringLiteral("frm_oszt"));

        // One step of R2's scroller: 4,7 M; U2 = 10 * 4.7e6 / (4.7e6 + 4.7e3).
        clickArrow(bar(3), true);
        QCOMPARE(bar(3)->value(), 6);
        QCOMPARE(text("lbl_ME(3)"), QStringLiteral("mega ohm"));
        const double u2 = 10 * 4.7e6 / (4.7e6 + 4.7e3);
        QVERIFY(qAbs(number(text("lblText(2)")) / u2 - 1) < 1e-12);
        clickArrow(bar(3), false);
        QCOMPARE(bar(3)->value(), 3);
        QWheelEvent away(QPointF(5, 5), bar(3)->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, 120),
                         Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(bar(3), &away);   // the wheel turns the same way as the arrows
        QCOMPARE(bar(3)->value(), 6);
        QTest::keyClick(bar(3), Qt::Key_Down);
        QCOMPARE(bar(3)->value(), 3);
        bar(3)->setValue(4);   // a dragged thumb settles on a prefix
        QCOMPARE(bar(3)->value(), 3);
        QCOMPARE(text("lblText(2)"), QStringLiteral("5"));
    }

    // At an end of the range a step back toward the middle must still move:
    // every enabled bar, by arrow, key and track (page) step.
    void steps_leave_the_ends_data()
    {
        QTest::addColumn<QString>("barName");
        QTest::addColumn<int>("start");
        QTest::addColumn<QString>("how");
        QTest::addColumn<int>("expected");
        const QStringList bars{"VScroll1(0)", "VScroll1(1)", "VScroll1(2)", "scrollPH(0)", "scrollPH(1)"};
        for (const QString &b : bars) {
            QTest::newRow(qPrintable(b + " 18 lower arrow")) << b << 18 << "lowerArrow" << 15;
            QTest::newRow(qPrintable(b + " -18 upper arrow")) << b << -18 << "upperArrow" << -15;
        }
        const QString b = QStringLiteral("VScroll1(2)");
        QTest::newRow("18 key down") << b << 18 << "keyDown" << 15;
        QTest::newRow("-18 key up") << b << -18 << "keyUp" << -15;
        QTest::newRow("18 track down") << b << 18 << "pageAdd" << 15;
        QTest::newRow("-18 track up") << b << -18 << "pageSub" << -15;
        QTest::newRow("18 upper arrow stays") << b << 18 << "upperArrow" << 18;
        QTest::newRow("-18 key down stays") << b << -18 << "keyDown" << -18;
        QTest::newRow("0 upper arrow") << b << 0 << "upperArrow" << 3;
        QTest::newRow("0 track down") << b << 0 << "pageAdd" << -3;
    }
    void steps_leave_the_ends()
    {
        QFETCH(QString, barName);
        QFETCH(int, start);
        QFETCH(QString, how);
        QFETCH(int, expected);
        QScrollBar *b = child<QScrollBar>(win, barName);
        b->setValue(start);
        if (how.endsWith(QLatin1String("Arrow")))
            clickArrow(b, how == QLatin1String("upperArrow"));
        else if (how.startsWith(QLatin1String("key")))
            QTest::keyClick(b, how == QLatin1String("keyUp") ? Qt::Key_Up : Qt::Key_Down);
        else
            b->triggerAction(how == QLatin1String("pageAdd") ? QAbstractSlider::SliderPageStepAdd
                                                             : QAbstractSlider::SliderPageStepSub);
        QCOMPARE(b->value(), expected);
    }

    // The formulas and their failures are covered by the logic tables; here
    // each sought row on screen, clearing and choosing again.
    void each_sought_quantity_data()
    {
        QTest::addColumn<int>("sought");
        QTest::addColumn<QStringList>("typed");   // U1, R1, U2, R2 in V and ohm
        QTest::addColumn<double>("expected");    // 0: "HIBA!!!!!!"
        QTest::newRow("U1") << 0 << QStringList{"", "1000", "3.3", "2200"} << 3.3 * 3200 / 2200;
        QTest::newRow("R1") << 1 << QStringList{"10", "", "5", "4700"} << 4700.0;
        QTest::newRow("U2") << 2 << QStringList{"12", "3300", "", "1500"} << 12 * 1500 / 4800.0;
        QTest::newRow("R2") << 3 << QStringList{"12", "10000", "5", ""} << 5 * 10000 / 7.0;
        QTest::newRow("U1 = U2, R2") << 3 << QStringList{"5", "1000", "5", ""} << 0.0;
    }
    void each_sought_quantity()
    {
        QFETCH(int, sought);
        QFETCH(QStringList, typed);
        QFETCH(double, expected);
        seek(sought);
        for (int i = 0; i < 4; ++i)
            QTest::keyClicks(box(i), typed[i]);
        QCOMPARE(text("lbl_hiba"), expected ? QString() : QStringLiteral("HIBA!!!!!!"));
        if (!expected)
            return;
        const QString shown = text(QStringLiteral("lblText(%1)").arg(sought));
        QVERIFY2(qAbs(number(shown) * std::pow(10.0, bar(sought)->value()) / expected - 1) < 1e-12,
                 qPrintable(shown));
        // Clearing one typed value stops the calculation; the results stay.
        box(sought == 0 ? 1 : 0)->clear();
        QCOMPARE(text(QStringLiteral("lblText(%1)").arg(sought)), shown);
        // Another sought quantity empties every box.
        seek((sought + 1) % 4);
        for (int i = 0; i < 4; ++i)
            QVERIFY(box(i)->text().isEmpty());
    }

    void parallel_data()
    {
        QTest::addColumn<int>("sought");
        QTest::addColumn<QStringList>("typed");   // R1, R2, RE in kilo ohm
        QTest::addColumn<double>("expected");    // 0: "HIBA !!!!!!"
        QTest::newRow("RE of 1k 1k") << 2 << QStringList{"1", "1", ""} << 500.0;
        QTest::newRow("R1") << 0 << QStringList{"", "1", "0.6"} << 1500.0;
        QTest::newRow("RE equals R1") << 1 << QStringList{"0.5", "", "0.5"} << 0.0;
    }
    void parallel()
    {
        QFETCH(int, sought);
        QFETCH(QStringList, typed);
        QFETCH(double, expected);
        seekPH(sought);
        for (int i = 0; i < 3; ++i) {
            if (i != sought)
                barPH(i)->setValue(3);
            QTest::keyClicks(boxPH(i), typed[i]);
        }
        QCOMPARE(text("Label7"), expected ? QString() : QStringLiteral("HIBA !!!!!!"));
        if (!expected)
            return;
        const QString shown = text(QStringLiteral("lblEPH(%1)").arg(sought));
        const int e = barPH(sought)->value();
        QVERIFY2(qAbs(number(shown) * std::pow(10.0, e) / expected - 1) < 1e-12, qPrintable(shown));
        QCOMPARE(text(QStringLiteral("lblPH(%1)").arg(sought)),
                 (e == 3 ? QStringLiteral("kilo") : QString()) + QStringLiteral(" ohm"));
        seekPH((sought + 1) % 3);   // another choice empties the results and boxes
        QVERIFY(text(QStringLiteral("lblEPH(%1)").arg(sought)).isEmpty());
        QVERIFY(boxPH(sought)->text().isEmpty());
    }

    void random_typing_never_breaks_it()
    {
        QSet<QString> seen;   // the runs must reach real calculations
        QRandomGenerator rng(77);
        for (int round = 0; round < 2000; ++round) {
            switch (rng.bounded(12)) {
            case 0: seek(rng.bounded(4)); break;
            case 1: seekPH(rng.bounded(3)); break;
            case 2: bar(rng.bounded(4))->setValue(rng.bounded(-18, 19)); break;
            case 3: barPH(rng.bounded(3))->setValue(rng.bounded(-18, 19)); break;
            default: break;
            }
            QLineEdit *target = rng.bounded(2) ? box(rng.bounded(4)) : boxPH(rng.bounded(3));
            const QString s = randomText(rng);
            if (s.size() > 20 || rng.bounded(4) == 0)
                target->setText(s);
            else
                typeText(target, s);
            seen.insert(text("Label4") + text("lbl_hiba") + text("Label7") + text("lblEPH(0)") + text("lblEPH(1)") + text("lblEPH(2)"));
            const QString bad = badNumberLabel(win);
            QVERIFY2(bad.isEmpty(), qPrintable(s + QStringLiteral(" -> ") + bad));
            for (int i = 0; i < 4; ++i)
                QCOMPARE(bar(i)->value() % 3, 0);
            if (rng.bounded(5) == 0)
                target->clear();
        }
        QVERIFY2(seen.size() > 50, qPrintable(QString::number(seen.size())));
    }
};

KONDRIX_TEST_MAIN(FrmOsztTest)
#include "frm_oszt_test.moc"
