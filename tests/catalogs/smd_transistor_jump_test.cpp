// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/frm_head.h"
#include "catalogs/frm_smd.h"
#include "catalogs/frm_tranzisztor.h"
#include "catalogs/module1.h"
#include "catalogs/smdlink.h"
#include "catalogs/smdmodel.h"
#include "catalogs/transistormodel.h"
#include "support/windowtest.h"
#include "ui/reportlist.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMouseEvent>
#include <QToolBar>

namespace {
// A double click as the mouse makes it: press, release, double click, release.
void doubleClick(QWidget *w, QPoint pos)
{
    QTest::mouseClick(w, Qt::LeftButton, {}, pos);
    QMouseEvent dbl(QEvent::MouseButtonDblClick, pos, w->mapToGlobal(pos), Qt::LeftButton,
                    Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(w, &dbl);
    QTest::mouseRelease(w, Qt::LeftButton, {}, pos);
}
} // namespace

class SmdTransistorJumpTest : public QObject
{
    Q_OBJECT
    WindowTestEnv env;

    static frm_SMD *openSmd(frm_head &h)
    {
        h.show();
        auto *tb = h.findChild<QToolBar *>(QStringLiteral("Toolbar1"));
        h.Toolbar1_ButtonClick(tb->findChild<QAction *>(QStringLiteral("SMD")));
        return qobject_cast<frm_SMD *>(h.openTool(QStringLiteral("frm_SMD")));
    }
    // The first code of the base type, scrolled into view (invalid when none).
    static QModelIndex codeWithBase(const frm_SMD &w, const char *base)
    {
        for (int r = 0; r < w.model()->rowCount(); ++r)
            if (w.model()->index(r, 3).data().toString() == u8(base)) {
                part<ReportList>(w, u8("LV1"))->scrollTo(w.model()->index(r, 0));
                return w.model()->index(r, 0);
            }
        return {};
    }
    static void settle()
    {
        for (int i = 0; i < 3; ++i)
            QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    static void expectCatalogOn(frm_head &h, const char *type)
    {
        settle();
        QVERIFY(!h.openTool(QStringLiteral("frm_SMD")));
        QCOMPARE(h.workspace()->subWindowList().size(), 1);
        auto *t = qobject_cast<frm_tranzisztor *>(h.openTool(QStringLiteral("frm_tranzisztor")));
        QVERIFY(t);
        QCOMPARE(part<QLineEdit>(*t, u8("Text1"))->text(), u8(type));
        auto *lv = part<ReportList>(*t, u8("LV1"));
        QVERIFY(t->model()->rowCount() >= 1);
        QCOMPARE(lv->currentIndex().data().toString(), u8(type));
        QCOMPARE(part<QLabel>(*t, u8("lbl(0)"))->text(), u8(type));
        QVERIFY(part<QLabel>(*t, u8("lbl(2)"))->text().startsWith(u8("P: ")));
    }

private Q_SLOTS:
    void init() { env.resetAppDir(); }
    void cleanup() { KONDRIX_VERIFY_NO_SURPRISES(env); }

    void base_types_find_their_catalog_record()
    {
        Load_Transistor_Data();
        const Transistor_Table &table = Transistor_Table_Instance();
        const struct { const char *base, *type; } found[] = {
            {"BC546A", "BC546A"}, {"bc546a", "BC546A"}, {" BC546A ", "BC546A"},
            {"BCX51-16", "BCX51"}, {"2SC1815-GR", "2SC1815"}, {"BCW60B", "BCW60"}};
        for (const auto &f : found) {
            const auto m = Find_Transistor_Type(table, u8(f.base));
            QVERIFY2(m, f.base);
            QCOMPARE(m->type, u8(f.type));
            QCOMPARE(table.field(m->slot, 0).toString(), u8(f.type));
        }
        for (const char *missing : {"BAS16", "BAS40-04", "BZX84-C10", "", "BC5"})
            QVERIFY2(!Find_Transistor_Type(table, u8(missing)), missing);
        QCOMPARE(Smd_NoTransistorMessage(u8("BAS16")), u8("A tranzisztor katalógusban nincs BAS16 típus."));
    }

    void double_click_opens_the_catalog_on_the_base_type()
    {
        frm_head h;
        frm_SMD *w = openSmd(h);
        QVERIFY(w);
        auto *lv = part<ReportList>(*w, u8("LV1"));
        const QModelIndex code = codeWithBase(*w, "BC546A");
        QVERIFY(code.isValid());
        doubleClick(lv->viewport(), lv->visualRect(code).center());
        expectCatalogOn(h, "BC546A");
        screenshot(&h, u8("smd_jump_catalog"));
    }

    void context_menu_opens_the_catalog_without_the_gain_group()
    {
        frm_head h;
        frm_SMD *w = openSmd(h);
        auto *lv = part<ReportList>(*w, u8("LV1"));
        const QModelIndex code = codeWithBase(*w, "BCX51-16");
        QVERIFY(code.isValid());
        Q_EMIT lv->customContextMenuRequested(lv->visualRect(code).center());
        auto *menu = w->findChild<QMenu *>(u8("mnu_LV1"));
        QVERIFY(menu);
        QTRY_VERIFY(menu->isVisible());
        // The menu's code is the clicked one, its details shown.
        QCOMPARE(lv->currentIndex().row(), code.row());
        QCOMPARE(part<QLabel>(*w, u8("lbl(0)"))->text(), u8("Kód: ") + code.data().toString());
        const QList<QAction *> actions = menu->actions();
        QCOMPARE(actions.size(), 1);
        QCOMPARE(actions.first()->text(), u8("Keresés a tranzisztor katalógusban"));
        screenshot(menu, u8("smd_context_menu"));
        screenshot(&h, u8("smd_context_window"));
        actions.first()->trigger();
        menu->close();
        expectCatalogOn(h, "BCX51");
    }

    void a_type_the_catalog_lacks_is_told_in_the_smd_window()
    {
        frm_head h;
        frm_SMD *w = openSmd(h);
        auto *lv = part<ReportList>(*w, u8("LV1"));
        const QModelIndex code = codeWithBase(*w, "BAS16");
        QVERIFY(code.isValid());
        doubleClick(lv->viewport(), lv->visualRect(code).center());
        settle();
        QCOMPARE(h.openTool(QStringLiteral("frm_SMD")), w);
        QVERIFY(!h.openTool(QStringLiteral("frm_tranzisztor")));
        auto *message = part<QLabel>(*w, u8("lbl_hiba"));
        QVERIFY(message->isVisible());
        QCOMPARE(message->text(), u8("A tranzisztor katalógusban nincs BAS16 típus."));
        screenshot(&h, u8("smd_no_type"));
        // The next code clicked hides the message again.
        lv->scrollToTop();
        QTest::mouseClick(lv->viewport(), Qt::LeftButton, {}, lv->visualRect(lv->model()->index(0, 0)).center());
        QVERIFY(!message->isVisible());

        // Without the catalog files the message says why as well.
        for (int f = 0; f < kTransistorFields; ++f)
            env.removeFile(u8("Tranzisztor/") + Transistor_FileName(f));
        const QModelIndex known = codeWithBase(*w, "BC546A");
        doubleClick(lv->viewport(), lv->visualRect(known).center());
        settle();
        QCOMPARE(h.openTool(QStringLiteral("frm_SMD")), w);
        QVERIFY(message->isVisible());
        QVERIFY(message->text().startsWith(u8("A tranzisztor katalógusban nincs BC546A típus.\n")));
    }
};

KONDRIX_TEST_MAIN(SmdTransistorJumpTest)
#include "smd_transistor_jump_test.moc"
