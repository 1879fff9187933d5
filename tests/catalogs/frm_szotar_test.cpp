// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogs/dictionarymodel.h"
#include "catalogs/frm_szotar.h"
#include "core/textfile.h"
#include "support/windowtest.h"
#include "ui/controls.h"

#include <QGroupBox>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QTreeView>

namespace {
// First line: an entry that sorts last; the rest in no order.
const char *const kWords =
    "zsugorcső,shrink tube,Schrumpfschlauch\r\n"
    "ellenállás,resistor,Widerstand\r\n"
    "csatlakozó,connector,Steckverbinder\r\n"
    "erősítő,amplifier,Verstärker\r\n"
    "cukor,sugar,Zucker\r\n"
    "áramkör,circuit,Schaltung\r\n"
    "ablak,window,Fenster\r\n"
    "Ütközés,collision,Kollision,Stoß\r\n"
    "zárt áramkör,closed circuit\r\n"
    "\r\n"
    "mérés\r\n";
} // namespace

class FrmSzotarTest : public QObject
{
    Q_OBJECT
    WindowTestEnv env;

    static QLineEdit *text1(QWidget &w) { return part<QLineEdit>(w, u8("Text1")); }
    // Types text key by key (QTest::keyClicks takes ASCII only).
    static void type(QWidget *w, const QString &text)
    {
        for (QChar c : text)
            QTest::sendKeyEvent(QTest::Click, w, Qt::Key(c.toUpper().unicode()), QString(c), Qt::NoModifier);
    }
    static QString out(QWidget &w, int i) { return part<QLabel>(w, u8("lblOut(%1)").arg(i))->text(); }
    static QStringList column(frm_szotar &w, int c)
    {
        QStringList l;
        for (int r = 0; r < w.model()->rowCount(); ++r)
            l << w.model()->index(r, c).data().toString();
        return l;
    }
    static void clickFlag(frm_szotar &w, int i)
    {
        QTest::mouseClick(part(w, u8("Zaszlo(%1)").arg(i)), Qt::LeftButton);
    }
    void writeWords(const char *text = kWords) { env.writeFile(u8("műszaki.txt"), textfile::encode(u8(text))); }

private Q_SLOTS:
    void init() { env.resetAppDir(); }
    void cleanup() { KONDRIX_VERIFY_NO_SURPRISES(env); }

    void loads_sorted_in_hungarian_with_the_first_line_shown()
    {
        writeWords();
        frm_szotar w;
        w.show();
        QCOMPARE(w.windowTitle(), u8(" Magyar-Angol-Német-  műszaki kisszótár."));
        QCOMPARE(part<QGroupBox>(w, u8("Frame1"))->title(), u8("Keresés Magyar nyelven."));
        QCOMPARE(column(w, 0), (QStringList{u8("ablak"), u8("áramkör"), u8("cukor"), u8("csatlakozó"),
                                            u8("ellenállás"), u8("erősítő"), u8("mérés"), u8("Ütközés"),
                                            u8("zárt áramkör"), u8("zsugorcső")}));
        QCOMPARE(column(w, 2).at(7), u8("Kollision,Stoß"));   // more than two commas
        QCOMPARE(column(w, 2).at(8), QString());                // one comma: no German term
        auto *lv = part<QTreeView>(w, u8("LV1"));
        QCOMPARE(lv->selectionModel()->currentIndex().row(), 9);
        QCOMPARE(w.model()->index(9, 0).data(DictionaryModel::KeyRole).toString(), u8("A0"));
        QCOMPARE(out(w, 0) + u8("|") + out(w, 1) + u8("|") + out(w, 2),
                 u8("zsugorcső|shrink tube|Schrumpfschlauch"));
        QVERIFY(part<QLabel>(w, u8("lbl_hiba"))->isHidden());
    }

    void key_translation_and_search_as_you_type()
    {
        writeWords();
        frm_szotar w;
        w.show();
        QLineEdit *t = text1(w);
        const QStringList all = column(w, 0);
        type(t, u8("e"));
        QCOMPARE(column(w, 0), all);                                    // one character: unchanged
        QCOMPARE(out(w, 0), u8("zsugorcső"));
        type(t, u8("r"));
        QCOMPARE(column(w, 0), QStringList{u8("erősítő")});   // "mérés" has "ér", not "er"
        QCOMPARE(out(w, 0), QString());                                 // a search empties the labels
        t->clear();
        type(t, u8("ERŐ"));                                  // typed "erö" finds "erő"
        QCOMPARE(column(w, 0), QStringList{u8("erősítő")});
        QTest::keyClick(t, Qt::Key_Backspace);
        t->clear();
        QCOMPARE(column(w, 0), QStringList{u8("erősítő")});            // deleting keeps the list
        type(t, u8("cső"));                                 // the first line is found
        QCOMPARE(column(w, 0), QStringList{u8("zsugorcső")});
        QCOMPARE(w.model()->index(0, 0).data(DictionaryModel::KeyRole).toString(), u8("A1"));
        auto *lv = part<QTreeView>(w, u8("LV1"));
        lv->setFocus();
        QTest::keyClick(lv, Qt::Key_Down);   // the keyboard shows an entry as a click does
        QCOMPARE(out(w, 1), u8("shrink tube"));
        t->setText(u8("üt"));
        QCOMPARE(column(w, 0), QStringList{u8("Ütközés")});
        t->clear();
        type(t, u8(",őŰűŐx"));
        QCOMPARE(t->text(), u8(".öüüöx"));
        t->clear();
        t->insert(u8("ő,"));   // pasting is not typing
        QCOMPARE(t->text(), u8("ő,"));
    }

    void english_search_sorted_by_the_clicked_column()
    {
        writeWords();
        frm_szotar w;
        w.show();
        clickFlag(w, 1);
        QCOMPARE(part<QGroupBox>(w, u8("Frame1"))->title(), u8("Keresés Angol nyelven."));
        QCOMPARE(w.model()->rowCount(), 0);
        QCOMPARE(out(w, 0) + out(w, 1) + out(w, 2), QString());
        QVERIFY(text1(w)->hasFocus() || !QApplication::focusWidget());
        type(text1(w), u8("CIR"));
        QCOMPARE(column(w, 0), (QStringList{u8("áramkör"), u8("zárt áramkör")}));
        QCOMPARE(column(w, 2), (QStringList{u8("Schaltung"), QString()}));
        auto *header = part<QTreeView>(w, u8("LV1"))->header();
        const int x = header->sectionViewportPosition(1) + 10;
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, QPoint(x, header->height() / 2));
        QCOMPARE(w.model()->sortColumn(), 1);
        QCOMPARE(column(w, 1), (QStringList{u8("circuit"), u8("closed circuit")}));
        text1(w)->setText(u8("co"));
        QCOMPARE(column(w, 1), (QStringList{u8("collision"), u8("connector")}));
        QCOMPARE(column(w, 0), (QStringList{u8("Ütközés"), u8("csatlakozó")}));
        QCOMPARE(header->sortIndicatorSection(), 1);
        QCOMPARE(header->sortIndicatorOrder(), Qt::AscendingOrder);

        // "Teljes lista" reads the file again and goes back to the Hungarian order.
        writeWords("b,b,b\r\na,a,a\r\n");
        QTest::mouseClick(part(w, u8("Command1")), Qt::LeftButton);
        QCOMPARE(w.model()->sortColumn(), 0);
        QCOMPARE(column(w, 0), (QStringList{u8("a"), u8("b")}));
        QCOMPARE(out(w, 0), u8("b"));
        QCOMPARE(w.searchLanguage(), 1);   // the chosen language stays
    }

    void animation_follows_the_language_within_one_tick()
    {
        writeWords();
        frm_szotar w;
        w.show();
        auto *timer = part<QTimer>(w, u8("Timer1"));
        QVERIFY(timer->isActive());
        QCOMPARE(timer->interval(), 100);
        auto *image = part<ImageControl>(w, u8("Image1"));
        auto same = [](const QPixmap &a, const QPixmap &b) { return a.toImage() == b.toImage(); };
        for (int tick = 1; tick <= 9; ++tick) {
            w.Timer1_Timer();
            QCOMPARE(w.animationStep(), (tick - 1) % 7 + 1);
        }
        QVERIFY(same(image->picture(), w.animationPicture(0, 2)));
        clickFlag(w, 2);
        QCOMPARE(part<QGroupBox>(w, u8("Frame1"))->title(), u8("Keresés Német nyelven."));
        QTRY_VERIFY_WITH_TIMEOUT(same(image->picture(), w.animationPicture(2, w.animationStep())), 150);
        for (int l = 0; l < 3; ++l)
            for (int s = 1; s <= 7; ++s)
                QVERIFY(!w.animationPicture(l, s).isNull());
        QVERIFY(!same(w.animationPicture(0, 1), w.animationPicture(2, 1)));
        QVERIFY(!same(w.animationPicture(2, 1), w.animationPicture(2, 2)));
        type(text1(w), u8("chalt"));
        QCOMPARE(column(w, 0), QStringList{u8("áramkör")});
    }

    // The missing file: damaged_catalogs_test.
    void shipped_dictionary()
    {
        frm_szotar w;
        w.show();
        QVERIFY(w.table().size() >= 1000);
        QCOMPARE(w.model()->rowCount(), w.table().size());
        QVERIFY(!out(w, 0).isEmpty() && !out(w, 1).isEmpty() && !out(w, 2).isEmpty());
        if (!qEnvironmentVariableIsEmpty("KONDRIX_SCREENSHOTS")) {
            clickFlag(w, 1);
            type(text1(w), u8("resist"));
            w.LV1_ItemClick(0);
            w.Timer1_Timer();
            screenshot(&w, u8("frm_szotar"));
        }
    }
};

KONDRIX_TEST_MAIN(FrmSzotarTest)
#include "frm_szotar_test.moc"
