#include "decoders/frm_r4.h"
#include "resistortest.h"
#include "support/windowtest.h"
#include "ui/resizer.h"
#include "ui/twips.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>

using namespace resistortest;

class FrmR4Test : public QObject
{
    Q_OBJECT
    WindowTestEnv env;

    static QString label(const QWidget &w, const char *name)
    {
        return child<QLabel>(w, QLatin1String(name))->text();
    }
    static QVector<int> lowerBands(const QWidget &w)
    {
        QVector<int> v;
        for (int i = 0; i < 4; ++i)
            v.append(shownColour(w, indexed("Sáv_B", i)));
        return v;
    }
    static void pickUnit(frm_R4 &w, int index)
    {
        auto *combo = child<QComboBox>(w, QStringLiteral("Combo1"));
        combo->setCurrentIndex(index);
        Q_EMIT combo->activated(index);
    }
    static void pickTolerance(frm_R4 &w, const char *text)
    {
        auto *combo = child<QComboBox>(w, QStringLiteral("Combo2"));
        const int index = combo->findText(QString::fromUtf8(text));
        QVERIFY(index >= 0);
        combo->setCurrentIndex(index);
        Q_EMIT combo->activated(index);
    }

private Q_SLOTS:
    void cleanup() { KONDRIX_VERIFY_NO_SURPRISES(env); }

    void opens_in_its_load_state()
    {
        frm_R4 w;
        QCOMPARE(w.objectName(), QStringLiteral("frm_R4"));
        QCOMPARE(w.windowTitle(), QStringLiteral("Négysávos ellenállás."));
        QCOMPARE(w.designSizePixels(), QSize(759, 475));
        QCOMPARE(label(w, "Label1"), QStringLiteral("4,7 k-ohm 10%"));
        QCOMPARE(label(w, "Label2"), QStringLiteral("1. Sáv"));
        QCOMPARE(w.selectedBand(), 1);
        const QVector<int> colours{Yellow, Violet, Red, Silver};
        for (int band = 1; band <= 4; ++band) {
            QCOMPARE(w.bandColour(band), colours[band - 1]);
            QCOMPARE(shownColour(w, indexed("Sáv_pic", band)), colours[band - 1]);
        }
        QCOMPARE(offeredColours(w), QStringLiteral("xxxxxxxxxx..."));
        QCOMPARE(markers(w, 4), QStringLiteral("x..."));
        QCOMPARE(lowerBands(w), QVector<int>({-1, -1, -1, -1}));

        auto *unit = child<QComboBox>(w, QStringLiteral("Combo1"));
        QCOMPARE(unit->currentText(), QStringLiteral("Ohm"));
        QCOMPARE(unit->count(), 3);
        QCOMPARE(unit->itemText(1), QStringLiteral("k-Ohm"));
        auto *tol = child<QComboBox>(w, QStringLiteral("Combo2"));
        QCOMPARE(tol->currentIndex(), -1);
        QCOMPARE(tol->count(), 10);
        QCOMPARE(tol->itemText(0), QStringLiteral("20%"));
        QCOMPARE(tol->itemText(9), QStringLiteral("0,1%"));
        QVERIFY(child<QLineEdit>(w, QStringLiteral("Text1"))->text().isEmpty());

        auto *timer = child<QTimer>(w, QStringLiteral("Timer1"));
        QCOMPARE(timer->interval(), 300);
        QVERIFY(timer->isActive());
        QCOMPARE(label(w, "Label6"),
                 QStringLiteral(" 1. Először klikkelj arra a gyűrűre amit át akarsz színezni.\n"
                                "A villogó vonal a gyűrű fölé ugrik.\n"
                                " 2. Válaszd ki függőleges szín oszlopon a színt!"));
    }

    void controls_have_their_captions_places_and_colours()
    {
        frm_R4 w;
        QCOMPARE(child<QGroupBox>(w, QStringLiteral("Frame2"))->title(), QStringLiteral("Színek átszámítása értékre."));
        QCOMPARE(child<QGroupBox>(w, QStringLiteral("Frame1"))->title(), QStringLiteral("Érték átszámítás színekre."));
        QCOMPARE(child<QGroupBox>(w, QStringLiteral("Frame3"))->title(), QStringLiteral("Színek"));
        QCOMPARE(child<QPushButton>(w, QStringLiteral("Command2"))->text(), QStringLiteral("5 sávos ellenállás"));
        QCOMPARE(label(w, "Label3"), QStringLiteral("Érték:"));
        QCOMPARE(label(w, "Label4"), QStringLiteral("Egység:"));
        QCOMPARE(label(w, "Label5"), QStringLiteral("Tűrés: %"));

        auto *band4 = child<QWidget>(w, indexed("Sáv_pic", 4));
        QCOMPARE(QRectF(twips::left(band4), twips::top(band4), twips::width(band4), twips::height(band4)),
                 QRectF(2880, 2040, 300, 1035));
        QCOMPARE(band4->toolTip(), QStringLiteral("Klikkelj ide, ha ezt a sávot akarod átszínezni !"));
        QCOMPARE(twips::left(child<QWidget>(w, indexed("Nyíl", 3))), 2640.f);
        QCOMPARE(twips::left(child<QWidget>(w, indexed("Sáv_B", 3))), 3120.f);
        QCOMPARE(twips::top(child<QWidget>(w, indexed("Col_lab", 10))), 5400.f);
        QCOMPARE(twips::top(child<QWidget>(w, indexed("Col_lab", 9))), 4680.f);

        auto *gold = child<ClickLabel>(w, indexed("Col_lab", Gold));
        QCOMPARE(gold->text(), QStringLiteral("Arany"));
        QCOMPARE(gold->backgroundColor(), QColor(240, 220, 136));
        QCOMPARE(gold->font().pointSizeF(), 12.0);
        QVERIFY(gold->font().bold());
        QCOMPARE(gold->toolTip(), QStringLiteral("Ha ide klikkelsz átszínezed a villogó vonal alatti sávot !"));
        auto *yellow = child<ClickLabel>(w, indexed("Col_lab", Yellow));
        QCOMPARE(yellow->text(), QStringLiteral("4-Sárga"));
        QCOMPARE(yellow->textColor(), QColor(0, 0, 255));
        auto *value = child<QLabel>(w, QStringLiteral("Label1"));
        QCOMPARE(value->palette().color(QPalette::Window), QColor(255, 255, 0));
        QCOMPARE(value->palette().color(QPalette::WindowText), QColor(0, 0, 255));
        QCOMPARE(value->font().pointSizeF(), 13.5);
        QCOMPARE(child<QPushButton>(w, QStringLiteral("Command2"))->palette().color(QPalette::Button),
                 QColor(224, 224, 224));
    }

    void black_on_band_one_gives_700_ohm()
    {
        frm_R4 w;
        clickColour(w, Black);
        QCOMPARE(w.bandColour(1), int(Black));
        QCOMPARE(shownColour(w, indexed("Sáv_pic", 1)), int(Black));
        QCOMPARE(label(w, "Label1"), QStringLiteral("700 ohm  10%"));
    }

    void band_roles_decide_the_colour_column()
    {
        frm_R4 w;
        clickBand(w, 4);
        QCOMPARE(w.selectedBand(), 4);
        QCOMPARE(label(w, "Label2"), QStringLiteral("4. Sáv (Tűrés %)"));
        QCOMPARE(offeredColours(w), QStringLiteral(".xxxxxxx..xxx"));
        QCOMPARE(markers(w, 4), QStringLiteral("...x"));
        auto *name = child<QWidget>(w, QStringLiteral("Label2"));
        QCOMPARE(twips::left(name), 3000.f);   // above the band's marker

        clickColour(w, None);
        QCOMPARE(label(w, "Label1"), QStringLiteral("4,7 k-ohm  20%"));

        clickBand(w, 3);
        QCOMPARE(label(w, "Label2"), QStringLiteral("3. Sáv"));
        QCOMPARE(offeredColours(w), QStringLiteral("xxxxxxxxxxxx."));
        clickColour(w, Gold);
        QCOMPARE(label(w, "Label1"), QStringLiteral("4,7 ohm  20%"));
        clickBand(w, 2);
        QCOMPARE(offeredColours(w), QStringLiteral("xxxxxxxxxx..."));
    }

    void arrows_move_the_selection_and_stop_at_the_ends()
    {
        frm_R4 w;
        w.show();
        QTest::keyClick(&w, Qt::Key_Left);
        QCOMPARE(w.selectedBand(), 1);
        QTest::keyClick(&w, Qt::Key_Right);
        QCOMPARE(w.selectedBand(), 2);
        QCOMPARE(markers(w, 4), QStringLiteral(".x.."));
        for (int i = 0; i < 3; ++i)
            QTest::keyClick(&w, Qt::Key_Right);
        QCOMPARE(w.selectedBand(), 4);
        w.Timer1_Timer();   // marker blinked off ...
        QCOMPARE(markers(w, 4), QStringLiteral("...."));
        QTest::keyClick(&w, Qt::Key_Right);   // ... and the selection is run again
        QCOMPARE(w.selectedBand(), 4);
        QCOMPARE(markers(w, 4), QStringLiteral("...x"));
        QCOMPARE(offeredColours(w), QStringLiteral(".xxxxxxx..xxx"));
    }

    void marker_blinks_only_while_active()
    {
        frm_R4 w;
        auto *timer = child<QTimer>(w, QStringLiteral("Timer1"));
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
        auto *w = new frm_R4;
        QPointer<frm_R4> guard(w);
        w->show();
        auto *text = child<QLineEdit>(*w, QStringLiteral("Text1"));
        QTest::keyClicks(text, QStringLiteral("4"));
        QTest::keyClick(text, Qt::Key_K);
        QTRY_VERIFY(guard.isNull());
    }

    void typed_value_paints_the_lower_bands()
    {
        frm_R4 w;
        w.show();
        auto *text = child<QLineEdit>(w, QStringLiteral("Text1"));
        pickUnit(w, 1);
        QTest::keyClicks(text, QStringLiteral("4.7"));   // the point is typed as a comma
        QCOMPARE(text->text(), QStringLiteral("4,7"));
        QCOMPARE(lowerBands(w), QVector<int>({Yellow, Violet, Red, -1}));
        pickUnit(w, 2);
        QCOMPARE(lowerBands(w), QVector<int>({Yellow, Violet, Green, -1}));

        text->clear();
        QCOMPARE(lowerBands(w), QVector<int>({None, None, None, -1}));
        QTest::keyClicks(text, QStringLiteral("a1-x"));   // only the digit gets in
        QCOMPARE(text->text(), QStringLiteral("1"));
    }

    void fourth_character_turns_red_beeps_and_clears()
    {
        frm_R4 w;
        w.show();
        QSignalSpy beeps(&w, &frm_R4::beeped);
        auto *text = child<QLineEdit>(w, QStringLiteral("Text1"));
        const QColor normal = text->palette().color(QPalette::Text);
        QTest::keyClicks(text, QStringLiteral("470"));
        QCOMPARE(lowerBands(w), QVector<int>({Yellow, Violet, Brown, -1}));
        QCOMPARE(beeps.count(), 0);

        QTest::keyClicks(text, QStringLiteral("0"));
        QCOMPARE(text->palette().color(QPalette::Text), QColor(255, 0, 0));
        QCOMPARE(beeps.count(), 1);
        QCOMPARE(lowerBands(w), QVector<int>({None, None, None, -1}));

        // Picking a unit does not paint a rejected value either.
        pickUnit(w, 1);
        QCOMPARE(lowerBands(w), QVector<int>({None, None, None, -1}));

        QTest::keyClick(text, Qt::Key_Backspace);
        QCOMPARE(text->text(), QStringLiteral("470"));
        QCOMPARE(text->palette().color(QPalette::Text), normal);
        QCOMPARE(lowerBands(w), QVector<int>({Yellow, Violet, Yellow, -1}));   // 470 k-ohm
        QCOMPARE(beeps.count(), 1);
    }

    void empty_unit_becomes_ohm()
    {
        frm_R4 w;
        auto *unit = child<QComboBox>(w, QStringLiteral("Combo1"));
        unit->setEditText(QString());
        child<QLineEdit>(w, QStringLiteral("Text1"))->setText(QStringLiteral("47"));
        QCOMPARE(unit->currentText(), QStringLiteral("Ohm"));
        QCOMPARE(lowerBands(w), QVector<int>({Yellow, Violet, Black, -1}));
    }

    void tolerance_pick_paints_the_fourth_lower_band()
    {
        frm_R4 w;
        pickTolerance(w, "5%");
        QCOMPARE(lowerBands(w).at(3), int(Gold));
        pickTolerance(w, "0,25%");
        QCOMPARE(lowerBands(w).at(3), int(Blue));
        pickTolerance(w, "20%");
        QCOMPARE(lowerBands(w).at(3), int(None));
        QCOMPARE(child<ImageControl>(w, indexed("Sáv_B", 3))->picture().toImage().pixel(10, 30),
                 bandimages::bodyColour());
        // Clearing the value bands leaves the tolerance band alone.
        child<QLineEdit>(w, QStringLiteral("Text1"))->setText(QStringLiteral("1"));
        child<QLineEdit>(w, QStringLiteral("Text1"))->clear();
        QCOMPARE(lowerBands(w), QVector<int>({None, None, None, None}));
        pickTolerance(w, "1%");
        QCOMPARE(lowerBands(w).at(3), int(Brown));
    }

    void resizing_keeps_the_label_above_its_marker()
    {
        frm_R4 w;
        w.show();
        resizer::remember(w.designWidthTwips(), w.designHeightTwips());
        w.resize(w.designSizePixels() * 3 / 2);
        clickBand(w, 3);
        QCOMPARE(twips::left(child<QWidget>(w, QStringLiteral("Label2"))),
                 twips::left(child<QWidget>(w, indexed("Nyíl", 3))));
        QVERIFY(twips::width(child<QWidget>(w, indexed("Sáv_pic", 3))) > 400);
    }
};

KONDRIX_TEST_MAIN(FrmR4Test)
#include "frm_r4_test.moc"
