// SPDX-License-Identifier: GPL-3.0-or-later
#include "calculators/frm_rezgokor.h"
#include "calcwindowtest.h"
#include "support/windowtest.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <cmath>

using namespace calctest;

class FrmRezgokorTest : public QObject
{
    Q_OBJECT
    WindowTestEnv env;
    QPointer<frm_rezgokor> win;

    QString text(const char *name) const { return child<QLabel>(win, QLatin1String(name))->text(); }
    QLineEdit *box(int n) const { return child<QLineEdit>(win, QStringLiteral("Text%1").arg(n)); }
    QComboBox *combo(int n) const { return child<QComboBox>(win, QStringLiteral("Combo%1").arg(n)); }
    QCheckBox *check(int n) const { return child<QCheckBox>(win, QStringLiteral("Check%1").arg(n)); }
    void tick(std::initializer_list<int> rows)
    {
        for (int n : rows)
            check(n)->click();
    }
    void type(int n, const QString &keys) { QTest::keyClicks(box(n), keys); }
    // A row's value in base units, as the box and its list show it.
    double shown(int n) const
    {
        return box(n)->text().toDouble() * std::pow(10.0, -18 + 3 * combo(n)->currentIndex());
    }
    void calculate() { child<QPushButton>(win, QStringLiteral("Command1"))->click(); }

private Q_SLOTS:
    void init() { (win = new frm_rezgokor)->show(); }
    void cleanup()
    {
        delete win;
        KONDRIX_VERIFY_NO_SURPRISES(env);
    }

    void loads_lists_and_ticks_enable_boxes()
    {
        QCOMPARE(win->windowTitle(), QStringLiteral("Párhuzamos rezgőkörök számítása.  Au/DB átszámítás."));
        QCOMPARE(combo(1)->count(), 13);
        QCOMPARE(combo(1)->itemText(6) + combo(3)->itemText(7), QStringLiteral("FaradkiloHertz"));
        QCOMPARE(combo(1)->currentText() + combo(2)->currentText() + combo(3)->currentText(),
                 QStringLiteral("pikoFaradmikroHenryMegaHertz"));
        QCOMPARE(text("Label2") + text("Label3") + text("Label4"), QStringLiteral("pFuHMHz"));
        QVERIFY(text("Label10").startsWith(QStringLiteral(" 1. Válassz 2 kiindulási adatot.\r\n(Pl.:")));
        QVERIFY(text("Label10").endsWith(QStringLiteral("\r\n\r\n 4. Nyomd meg számol gombot.")));
        combo(1)->setCurrentIndex(6);
        QCOMPARE(text("Label2"), QStringLiteral(" F"));
        screenshot(win, QStringLiteral("frm_rezgokor"));

        QVERIFY(!box(1)->isEnabled() && !box(2)->isEnabled() && !box(3)->isEnabled());
        tick({1, 2});
        QVERIFY(box(1)->isEnabled() && box(2)->isEnabled() && !box(3)->isEnabled());
        QVERIFY(text("Label1").isEmpty());
        tick({3});
        QCOMPARE(text("Label1"), QStringLiteral("Max 2 adatot válassz!"));
        type(2, QStringLiteral("7"));
        tick({2});
        QVERIFY(!box(2)->isEnabled());
        QCOMPARE(box(2)->text(), QStringLiteral("7"));   // disabling keeps the text
        QVERIFY(text("Label1").isEmpty());
    }

    void worked_examples_data()
    {
        QTest::addColumn<QString>("ticks");
        QTest::addColumn<QString>("C");   // typed with the load-time prefixes: pF, uH, MHz
        QTest::addColumn<QString>("L");
        QTest::addColumn<QString>("F");
        QTest::addColumn<int>("row");
        QTest::addColumn<double>("expected");   // base units, from the textbook formula
        QTest::addColumn<QString>("shown");     // empty: not pinned to the digit
        QTest::addColumn<QString>("list");
        QTest::addColumn<QString>("impedance");
        const double w = 2 * M_PI * 1e6;
        QTest::newRow("F from C, L") << "12" << "100" << "10" << "" << 3 << 1 / (2 * M_PI * std::sqrt(1e-15))
                                      << "5.03292121043235" << "MegaHertz" << "Impedancia: 316,227766016838  ohm";
        QTest::newRow("L from C, F") << "13" << "100" << "" << "1" << 2 << 1 / (w * w * 100e-12)
                                      << "253.302959104199" << "mikroHenry" << "Impedancia: 1,59154943091378 Kohm";
        QTest::newRow("C from L, F") << "23" << "" << "253,302959104199" << "1" << 1 << 1 / (w * w * 253.302959104199e-6)
                                      << "" << "pikoFarad" << "";
    }
    void worked_examples()
    {
        QFETCH(QString, ticks);
        for (QChar t : ticks)
            tick({t.digitValue()});
        QFETCH(QString, C);
        QFETCH(QString, L);
        QFETCH(QString, F);
        type(1, C), type(2, L), type(3, F);
        calculate();
        QFETCH(int, row);
        QFETCH(double, expected);
        QVERIFY2(qAbs(shown(row) / expected - 1) < 1e-9, qPrintable(box(row)->text()));
        QFETCH(QString, shown);
        if (!shown.isEmpty())
            QCOMPARE(box(row)->text(), shown);
        QFETCH(QString, list);
        QCOMPARE(combo(row)->currentText(), list);
        QFETCH(QString, impedance);
        if (!impedance.isEmpty())
            QCOMPARE(text("Label9"), impedance);
        QVERIFY(text("Label9").startsWith(QStringLiteral("Impedancia: ")));
        QVERIFY(text("lbl_hiba").isEmpty());
        if (row == 3) {
            type(4, QStringLiteral("2")), type(5, QStringLiteral("-6"));
            screenshot(win, QStringLiteral("frm_rezgokor_result"));
        }
    }

    void results_beyond_the_prefixes_are_plain_numbers()
    {
        tick({2, 3});
        combo(2)->setCurrentIndex(0);   // 1 aH at 1 aHz: C = 1 / ((2 pi f)^2 L), about 2.5E+52 F
        combo(3)->setCurrentIndex(0);
        type(2, QStringLiteral("1")), type(3, QStringLiteral("1"));
        calculate();
        const double c = 1 / (std::pow(2 * M_PI * 1e-18, 2) * 1e-18);
        QVERIFY2(qAbs(box(1)->text().toDouble() / c - 1) < 1e-9, qPrintable(box(1)->text()));
        QCOMPARE(combo(1)->currentText(), QStringLiteral("Farad"));
        QCOMPARE(text("Label2"), QStringLiteral(" F"));
        // X = 1 / (2 pi f C), about 6.3E-36 ohm: below atto as well.
        QVERIFY2(text("Label9").startsWith(QStringLiteral("Impedancia: 6,28318530")), qPrintable(text("Label9")));
        QVERIFY(text("Label9").endsWith(QStringLiteral("E-36  ohm")));
    }

    void errors_and_decimal_cleanup()
    {
        tick({1, 2});
        calculate();
        QCOMPARE(text("lbl_hiba"), QStringLiteral("HIBA!!!!"));
        type(1, QStringLiteral("4,7"));
        QCOMPARE(box(1)->text(), QStringLiteral("4.7"));
        QVERIFY(text("lbl_hiba").isEmpty());   // a change clears it
        calculate();   // L is still zero
        QCOMPARE(text("lbl_hiba"), QStringLiteral("HIBA!!!!"));
        QVERIFY(text("Label9").isEmpty());

        type(2, QStringLiteral("1.2.3"));
        QCOMPARE(text("lbl_hiba"), QStringLiteral("Túl sok a tizedespont! (vessző)"));
        QTest::keyClick(box(2), Qt::Key_Backspace);
        QTest::keyClick(box(2), Qt::Key_Backspace);
        QVERIFY(text("lbl_hiba").isEmpty());
        type(2, QStringLiteral("x-+e"));   // dropped by the key filter
        QCOMPARE(box(2)->text(), QStringLiteral("1.2"));
        screenshot(win, QStringLiteral("frm_rezgokor_typed"));
    }

    void impedance_without_a_value_keeps_the_label_and_returns()
    {
        tick({1});
        type(1, QStringLiteral("100"));
        calculate();   // F is empty: no impedance yet, and no endless normalising of zero
        QVERIFY(text("Label9").isEmpty());
        box(3)->setText(QStringLiteral("1"));   // a disabled box is read as well
        calculate();
        QCOMPARE(text("Label9"), QStringLiteral("Impedancia: 1,59154943091378 Kohm"));
        box(3)->clear();
        calculate();   // cannot be computed: the last one stays
        QCOMPARE(text("Label9"), QStringLiteral("Impedancia: 1,59154943091378 Kohm"));
    }

    void gain_and_decibels_as_typed()
    {
        QSignalSpy beeps(win.data(), &frm_rezgokor::beeped);
        type(4, QStringLiteral("2"));
        QCOMPARE(text("Label7"), QStringLiteral("= 6,02059991327962 dB"));
        box(4)->clear();
        QVERIFY(text("Label7").isEmpty());
        type(4, QStringLiteral("10"));
        QCOMPARE(text("Label7"), QStringLiteral("= 20 dB"));
        box(4)->setText(QStringLiteral("0"));
        QCOMPARE(text("Label7"), QStringLiteral("= 20 dB"));   // no logarithm of 0
        type(5, QStringLiteral("-6"));
        QCOMPARE(text("Label8"), QStringLiteral("= 0,501187233627272"));
        box(5)->clear();
        type(5, QStringLiteral("7000"));
        QCOMPARE(text("Label8"), QStringLiteral("= 1E+35"));   // from "700"
        QCOMPARE(beeps.count(), 1);
        type(5, QStringLiteral("1"));   // each key beeps again
        QCOMPARE(beeps.count(), 3);
    }

    void random_typing_never_breaks_it()
    {
        QSet<QString> seen;   // the runs must reach real calculations
        QRandomGenerator rng(45);
        for (int round = 0; round < 2500; ++round) {
            if (rng.bounded(6) == 0)
                check(1 + rng.bounded(3))->click();
            if (rng.bounded(8) == 0)
                combo(1 + rng.bounded(3))->setCurrentIndex(rng.bounded(13));
            const int n = 1 + rng.bounded(5);
            const QString s = randomText(rng);
            if (s.size() > 20 || rng.bounded(4) == 0)
                box(n)->setText(s);
            else
                typeText(box(n), s);
            if (rng.bounded(3) == 0)
                calculate();
            seen.insert(text("Label9") + text("Label7") + text("Label8"));
            const QString bad = badNumberLabel(win);
            QVERIFY2(bad.isEmpty(), qPrintable(s + QStringLiteral(" -> ") + bad));
            for (int b = 1; b <= 3; ++b)
                QVERIFY2(!box(b)->text().contains(QStringLiteral("inf"), Qt::CaseInsensitive)
                             && !box(b)->text().contains(QStringLiteral("nan"), Qt::CaseInsensitive),
                         qPrintable(box(b)->text()));
            if (rng.bounded(10) == 0)
                box(n)->clear();
        }
        QVERIFY2(seen.size() > 100, qPrintable(QString::number(seen.size())));
    }
};

KONDRIX_TEST_MAIN(FrmRezgokorTest)
#include "frm_rezgokor_test.moc"
