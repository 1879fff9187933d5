// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/frm_head.h"
#include "calcwindowtest.h"
#include "support/windowtest.h"

#include <QAbstractButton>
#include <QAbstractItemModel>
#include <QAbstractItemView>
#include <QAction>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>

using namespace calctest;

// The bench calculators as a user reaches them: from the calculation menu,
// typing with prefixes and the decimal comma.
class CalcWindowsTest : public QObject
{
    Q_OBJECT
    WindowTestEnv env;

private Q_SLOTS:
    void cleanup() { KONDRIX_VERIFY_NO_SURPRISES(env); }

    void typed_values_give_results_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("choice");     // a radio button clicked first
        QTest::addColumn<QStringList>("typed");  // box=text
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("expected");   // part of the label's text
        // Closed forms: f = 1/(ln2 (R1 + 2 R2) C), t = ln3 R C, f = 1/(2 pi R C),
        // Uout = 1.25 (1 + R2/R1) + 50u R2, Wheeler in inches, d = 0.127 mm 92^((36 - n)/39).
        QTest::newRow("standard value") << "act_eseries" << "frm_eseries" << "" << QStringList{"txtTarget=4k7"}
                                        << "lblBest" << "4,7 kΩ = 4,7 kΩ (0 %)";
        QTest::newRow("ratio") << "act_eseries" << "frm_eseries" << "optRatio"
                               << QStringList{"txtUin=5", "txtUout=2,5"} << "lblBest" << "U2 = 2,5 V (0 %)";
        QTest::newRow("LED") << "act_led" << "frm_led" << "" << QStringList{"txtSupply=12", "txtUf=2", "txtIf=20m"}
                             << "lblStandard" << "510 Ω";
        QTest::newRow("LED supply too low") << "act_led" << "frm_led" << ""
                                            << QStringList{"txtSupply=1,5", "txtUf=2", "txtIf=20m"} << "lbl_hiba"
                                            << "";
        QTest::newRow("555 astable") << "act_555" << "frm_555" << "" << QStringList{"txtR1=1k", "txtR2=10k", "txtC=100n"}
                                     << "lblFreq" << "687 Hz";
        QTest::newRow("555 mono") << "act_555" << "frm_555" << "optMono" << QStringList{"txtR=10k", "txtCmono=100µ"}
                                  << "lblPulse" << "1,099 s";
        QTest::newRow("555 design") << "act_555" << "frm_555" << "optDesign" << QStringList{"txtFreq=1k", "txtDuty=60"}
                                    << "lblParts" << "R1 = ";
        QTest::newRow("regulator design") << "act_regulator" << "frm_regulator" << "optDesign"
                                          << QStringList{"txtUout=5", "txtUin=12", "txtLoad=1"} << "lblDissipation"
                                          << "Disszipáció: 6,99";
        QTest::newRow("regulator") << "act_regulator" << "frm_regulator" << ""
                                   << QStringList{"txtR1=240", "txtR2=720"} << "lblUout" << "5,036 V";
        QTest::newRow("RC cut-off") << "act_rc" << "frm_rc" << "" << QStringList{"txtRc(0)=1k", "txtRc(1)=100n"}
                                    << "lblRc" << "f = 1,592 kHz";
        QTest::newRow("reactance") << "act_rc" << "frm_rc" << "optX(0)" << QStringList{"txtX(1)=100n", "txtX(2)=1k"}
                                   << "lblX" << "Xc = 1,592 kΩ";
        QTest::newRow("coil") << "act_coil" << "frm_coil" << "" << QStringList{"txtD=10", "txtLen=20", "txtN=30"}
                              << "lblResult" << "3,616 µH";
        QTest::newRow("wire") << "act_wire" << "frm_wire" << "" << QStringList{"txtAwg=22"} << "lblDiameter"
                              << "0,6438 mm";
        QTest::newRow("units and comma") << "act_regulator" << "frm_regulator" << ""
                                         << QStringList{"txtR1=0,24kΩ", "txtR2=720 ohm"} << "lblUout" << "5,036 V";
        QTest::newRow("LM337") << "act_regulator" << "frm_regulator" << ""
                               << QStringList{"txtVref=-1,25", "txtR1=240", "txtR2=720"} << "lblUout" << "-5,036 V";
        QTest::newRow("negative value") << "act_555" << "frm_555" << "" << QStringList{"txtR1=-1k", "txtR2=1k", "txtC=1n"}
                                        << "lbl_hiba" << "pozitív";
        QTest::newRow("unreadable value") << "act_555" << "frm_555" << "" << QStringList{"txtR1=1x", "txtR2=1k", "txtC=1n"}
                                          << "lbl_hiba" << "Hibás érték: R1";
    }
    void typed_values_give_results()
    {
        QFETCH(QString, action);
        QFETCH(QString, window);
        QFETCH(QString, choice);
        QFETCH(QStringList, typed);
        QFETCH(QString, label);
        QFETCH(QString, expected);
        frm_head h;
        h.show();
        h.findChild<QAction *>(action)->trigger();
        QTRY_VERIFY(h.openTool(window));
        ToolWindow *w = h.openTool(window);
        if (!choice.isEmpty())
            child<QAbstractButton>(w, choice)->click();
        for (const QString &t : typed) {
            const QString box = t.section(QLatin1Char('='), 0, 0);
            child<QLineEdit>(w, box)->clear();
            typeText(child<QLineEdit>(w, box), t.section(QLatin1Char('='), 1));
        }
        const QString shown = child<QLabel>(w, label)->text();
        if (expected.isEmpty())
            QVERIFY2(!shown.isEmpty(), "a message is shown");
        else
            QVERIFY2(shown.contains(expected), qPrintable(shown));
        QVERIFY2(badNumberLabel(w).isEmpty(), qPrintable(badNumberLabel(w)));
        QApplication::processEvents();   // lists lay out their scroll bars late
        screenshot(w, window + QLatin1Char('_') + QString::fromLatin1(QTest::currentDataTag()).replace(QLatin1Char(' '), QLatin1Char('_')));
    }

    void solver_lists_best_first_and_keeps_layout_when_resized()
    {
        frm_head h;
        h.show();
        auto *menu = h.findChild<QMenu *>(QStringLiteral("mnu_calc"));
        menu->popup(h.mapToGlobal(QPoint(40, 20)));
        screenshot(menu, QStringLiteral("menu"));
        menu->hide();
        screenshot(&h, QStringLiteral("main_window"));
        h.findChild<QAction *>(QStringLiteral("act_eseries"))->trigger();
        QTRY_VERIFY(h.openTool(QStringLiteral("frm_eseries")));
        ToolWindow *w = h.openTool(QStringLiteral("frm_eseries"));
        QTest::keyClicks(child<QLineEdit>(w, QStringLiteral("txtTarget")), QStringLiteral("4,1k"));
        const QAbstractItemModel *m = child<QAbstractItemView>(w, QStringLiteral("lstResults"))->model();
        QVERIFY(m->rowCount() > 5);
        auto error = [m](int row) {
            QString s = m->index(row, 3).data().toString();
            s.remove(QStringLiteral(" %")).replace(QLatin1Char(','), QLatin1Char('.'));
            return std::abs(s.toDouble());
        };
        for (int r = 1; r < m->rowCount(); ++r)
            QVERIFY2(error(r - 1) <= error(r), qPrintable(QString::number(r)));

        // Twice the size: every control twice as far and as wide.
        QWidget *list = child<QWidget>(w, QStringLiteral("lstResults"));
        const QRect before = list->geometry();
        auto *sub = qobject_cast<QMdiSubWindow *>(w->parentWidget());
        sub->resize(sub->size() + w->size());
        QVERIFY(std::abs(list->x() - 2 * before.x()) <= 2);
        QVERIFY(std::abs(list->width() - 2 * before.width()) <= 2);
    }
};

KONDRIX_TEST_MAIN(CalcWindowsTest)
#include "calc_windows_test.moc"
