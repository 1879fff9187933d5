// SPDX-License-Identifier: GPL-3.0-or-later
#include "decoders/frm_r4.h"
#include "resistortest.h"
#include "support/windowtest.h"
#include "ui/resizer.h"

#include <QComboBox>
#include <QLineEdit>
#include <QSignalSpy>

using namespace resistortest;

class FrmR4Test : public QObject
{
    Q_OBJECT
    WindowTestEnv env;

    static QLineEdit *valueBox(const QWidget &w) { return part<QLineEdit>(w, QStringLiteral("Text1")); }
    static QVector<int> lowerBands(const QWidget &w)
    {
        QVector<int> v;
        for (int i = 0; i < 4; ++i)
            v.append(shownColour(w, indexed("Sáv_B", i)));
        return v;
    }
    // Picks an entry the way a user does: the combo box reports it activated.
    static void pick(frm_R4 &w, const char *combo, int index)
    {
        auto *box = part<QComboBox>(w, QLatin1String(combo));
        box->setCurrentIndex(index);
        Q_EMIT box->activated(index);
    }

private Q_SLOTS:
    void cleanup() { KONDRIX_VERIFY_NO_SURPRISES(env); }

    void opens_in_its_load_state()
    {
        frm_R4 w;
        verifyLoadState(w, {Yellow, Violet, Red, Silver}, QStringLiteral("4,7 k-ohm 10%"));
        QCOMPARE(lowerBands(w), QVector<int>({-1, -1, -1, -1}));
        QCOMPARE(part<QComboBox>(w, QStringLiteral("Combo1"))->currentText(), QStringLiteral("Ohm"));
        QCOMPARE(part<QComboBox>(w, QStringLiteral("Combo2"))->currentIndex(), -1);
        QVERIFY(valueBox(w)->text().isEmpty());
    }

    void colour_click_data()
    {
        colourClickColumns();
        QTest::newRow("black_on_band_1") << 1 << int(Black) << "1. Sáv" << "xxxxxxxxxx..." << "700 ohm  10%";
        QTest::newRow("red_on_band_2") << 2 << int(Red) << "2. Sáv" << "xxxxxxxxxx..." << "4,2 k-ohm  10%";
        QTest::newRow("gold_on_band_3") << 3 << int(Gold) << "3. Sáv" << "xxxxxxxxxxxx." << "4,7 ohm  10%";
        QTest::newRow("unmarked_on_band_4") << 4 << int(None) << "4. Sáv (Tűrés %)" << ".xxxxxxx..xxx"
                                            << "4,7 k-ohm  20%";
    }
    void colour_click()
    {
        frm_R4 w;
        verifyColourClick(w);
    }

    void arrows_move_the_selection_and_stop_at_the_ends()
    {
        frm_R4 w;
        w.show();
        QTest::keyClick(&w, Qt::Key_Left);
        QCOMPARE(w.selectedBand(), 1);
        for (int i = 0; i < 3; ++i)
            QTest::keyClick(&w, Qt::Key_Right);
        QCOMPARE(w.selectedBand(), 4);
        w.Timer1_Timer();   // marker blinked off, then the selection is run again
        QCOMPARE(markers(w, 4), QStringLiteral("...."));
        QTest::keyClick(&w, Qt::Key_Right);
        QCOMPARE(w.selectedBand(), 4);
        QCOMPARE(markers(w, 4), QStringLiteral("...x"));
        QCOMPARE(offeredColours(w), QStringLiteral(".xxxxxxx..xxx"));
    }

    void marker_blinks_only_while_active()
    {
        frm_R4 w;
        auto *timer = part<QTimer>(w, QStringLiteral("Timer1"));
        w.Timer1_Timer();
        QCOMPARE(markers(w, 4), QStringLiteral("...."));
        w.Timer1_Timer();
        QCOMPARE(markers(w, 4), QStringLiteral("x..."));
        w.Form_Deactivate();
        QVERIFY(!timer->isActive());
        w.Form_Activate();
        QVERIFY(timer->isActive());
    }

    void k_closes_the_window_even_while_typing()
    {
        QPointer<frm_R4> w = new frm_R4;
        w->show();
        QTest::keyClicks(valueBox(*w), QStringLiteral("4"));
        QTest::keyClick(valueBox(*w), Qt::Key_K);
        QTRY_VERIFY(w.isNull());
    }

    // A unit picked before (-1: the unit text emptied) and, unless -1, after typing; \b is a backspace.
    void typing_paints_the_lower_bands_data()
    {
        QTest::addColumn<int>("unitBefore");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<int>("unitAfter");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QVector<int>>("bands");
        QTest::addColumn<int>("beeps");
        QTest::newRow("4.7_k_ohm") << 1 << "4.7" << -1 << "4,7" << QVector<int>{Yellow, Violet, Red, -1} << 0;
        QTest::newRow("then_M_ohm") << 1 << "4.7" << 2 << "4,7" << QVector<int>{Yellow, Violet, Green, -1} << 0;
        QTest::newRow("only_digits_get_in") << 0 << "a1-x" << -1 << "1" << QVector<int>{Black, Brown, Black, -1} << 0;
        QTest::newRow("emptied") << 0 << "4\b" << -1 << "" << QVector<int>{None, None, None, -1} << 0;
        QTest::newRow("empty_unit_is_ohm") << -1 << "47" << -1 << "47" << QVector<int>{Yellow, Violet, Black, -1} << 0;
        QTest::newRow("three_chars") << 0 << "470" << -1 << "470" << QVector<int>{Yellow, Violet, Brown, -1} << 0;
        QTest::newRow("fourth_char_clears") << 0 << "4700" << 1 << "4700" << QVector<int>{None, None, None, -1} << 1;
        QTest::newRow("deleting_it_restores") << 1 << "4700\b" << -1 << "470" << QVector<int>{Yellow, Violet, Yellow, -1}
                                              << 1;
    }
    void typing_paints_the_lower_bands()
    {
        QFETCH(int, unitBefore);
        QFETCH(QString, keys);
        QFETCH(int, unitAfter);
        frm_R4 w;
        w.show();
        QSignalSpy beeps(&w, &frm_R4::beeped);
        auto *text = valueBox(w);
        const QColor normal = text->palette().color(QPalette::Text);
        auto *unit = part<QComboBox>(w, QStringLiteral("Combo1"));
        if (unitBefore < 0)
            unit->setEditText(QString());
        else
            pick(w, "Combo1", unitBefore);
        QTest::keyClicks(text, keys);
        if (unitBefore < 0)
            QCOMPARE(unit->currentText(), QStringLiteral("Ohm"));
        if (unitAfter >= 0)
            pick(w, "Combo1", unitAfter);
        QTEST(text->text(), "text");
        QTEST(lowerBands(w), "bands");
        QTEST(int(beeps.count()), "beeps");
        QCOMPARE(text->palette().color(QPalette::Text), text->text().size() > 3 ? QColor(255, 0, 0) : normal);
    }

    void tolerance_pick_paints_the_fourth_lower_band_data()
    {
        QTest::addColumn<QString>("tolerance");
        QTest::addColumn<int>("colour");
        QTest::newRow("5%_is_gold") << "5%" << int(Gold);
        QTest::newRow("0,25%_is_blue") << "0,25%" << int(Blue);
        QTest::newRow("20%_is_the_body") << "20%" << int(None);
        QTest::newRow("1%_is_brown") << "1%" << int(Brown);
    }
    void tolerance_pick_paints_the_fourth_lower_band()
    {
        QFETCH(QString, tolerance);
        QFETCH(int, colour);
        frm_R4 w;
        const int index = part<QComboBox>(w, QStringLiteral("Combo2"))->findText(tolerance);
        QVERIFY(index >= 0);
        pick(w, "Combo2", index);
        QCOMPARE(lowerBands(w), QVector<int>({-1, -1, -1, colour}));
        // Clearing the value bands leaves the tolerance band alone.
        valueBox(w)->setText(QStringLiteral("1"));
        valueBox(w)->clear();
        QCOMPARE(lowerBands(w), QVector<int>({None, None, None, colour}));
    }

    void resizing_keeps_the_label_above_its_marker()
    {
        frm_R4 w;
        w.show();
        resizer::remember(w.designWidthTwips(), w.designHeightTwips());
        w.resize(w.designSizePixels() * 3 / 2);
        clickBand(w, 3);
        QCOMPARE(twips::left(part<QWidget>(w, QStringLiteral("Label2"))),
                 twips::left(part<QWidget>(w, indexed("Nyíl", 3))));
        QVERIFY(twips::width(part<QWidget>(w, indexed("Sáv_pic", 3))) > 400);
    }
};

KONDRIX_TEST_MAIN(FrmR4Test)
#include "frm_r4_test.moc"
