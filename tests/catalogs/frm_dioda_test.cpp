// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogs/diodemodel.h"
#include "catalogs/frm_dioda.h"
#include "core/textfile.h"
#include "support/windowtest.h"
#include "ui/controls.h"

#include <QFile>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeView>

class FrmDiodaTest : public QObject
{
    Q_OBJECT
    WindowTestEnv env;

    static QStringList listed(frm_dioda &w)
    {
        QStringList l;
        for (int r = 0; r < w.model()->rowCount(); ++r)
            l << w.model()->index(r, 0).data().toString();
        return l;
    }
    void writeDiodes(const QString &text) { env.writeFile(u8("dioda.ini"), textfile::encode(text)); }

private Q_SLOTS:
    void init() { env.resetAppDir(); }
    void cleanup() { KONDRIX_VERIFY_NO_SURPRISES(env); }

    void lists_the_shipped_catalog_with_the_first_diode_selected()
    {
        QFile f(env.appDir() + u8("/dioda.ini"));
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QStringList lines = textfile::decode(f.readAll()).split(u8("\r\n"));
        frm_dioda w;
        w.show();
        QCOMPARE(w.windowTitle(), u8("  Dióda katalógus"));
        QVERIFY(w.table().size() >= 300);
        QCOMPARE(w.table().size(), int(lines.size() / 2));   // every pair, the last too
        QCOMPARE(w.model()->rowCount(), w.table().size());
        QCOMPARE(w.model()->index(0, 0).data().toString(), lines[0]);
        QCOMPARE(w.model()->index(0, 1).data().toString(), lines[1]);
        QCOMPARE(w.model()->index(0, 0).data(DiodeModel::KeyRole).toString(), u8("A1"));
        auto *lv = part<QTreeView>(w, "LV1");
        QCOMPARE(lv->selectionModel()->currentIndex().row(), 0);
        QCOMPARE(lv->model()->headerData(1, Qt::Horizontal).toString(), u8("Adatok, jellemzők"));
        QVERIFY(part<ImageControl>(w, "Image1")->hasPicture());
        QVERIFY(part<QLabel>(w, "lbl_hiba")->isHidden());
        QCOMPARE(part<QPushButton>(w, "Command1")->text(), u8("Összes dióda"));
        screenshot(&w, u8("frm_dioda"));
    }

    void searches_from_two_characters_and_restores_with_the_button()
    {
        writeDiodes(u8("1N4007\r\nSi egyenirányító\r\nBAT54\r\nSchottky\r\nbat85\r\nSchottky\r\n"
                       "1N4148\r\nSi kisjelű\r\nBZX55C5V1"));
        frm_dioda w;
        const QStringList all = {u8("1N4007"), u8("BAT54"), u8("bat85"), u8("1N4148"), u8("BZX55C5V1")};
        QCOMPARE(listed(w), all);
        QCOMPARE(w.model()->index(4, 1).data().toString(), QString());   // type without its data line
        auto *t = part<QLineEdit>(w, "Text1");
        QTest::keyClicks(t, u8("b"));
        QCOMPARE(listed(w), all);                                      // one character: unchanged
        QTest::keyClicks(t, u8("a"));
        QCOMPARE(listed(w), (QStringList{u8("BAT54"), u8("bat85")}));   // case ignored, file order
        QCOMPARE(w.model()->index(1, 0).data(DiodeModel::KeyRole).toString(), u8("A3"));
        t->setText(u8("N4"));
        QCOMPARE(listed(w), (QStringList{u8("1N4007"), u8("1N4148")}));
        QTest::keyClick(t, Qt::Key_Backspace);
        t->clear();
        QCOMPARE(listed(w), (QStringList{u8("1N4007"), u8("1N4148")}));   // deleting keeps the list
        t->setText(u8("xx"));
        QCOMPARE(w.model()->rowCount(), 0);
        QTest::mouseClick(part<QPushButton>(w, "Command1"), Qt::LeftButton);
        QCOMPARE(listed(w), all);
        QCOMPARE(part<QTreeView>(w, "LV1")->selectionModel()->currentIndex().row(), 0);
    }
};

KONDRIX_TEST_MAIN(FrmDiodaTest)
#include "frm_dioda_test.moc"
