// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/frm_head.h"
#include "app/tooltable.h"
#include "support/windowtest.h"
#include "ui/resizer.h"
#include "ui/twips.h"

#include <QAction>
#include <QDialog>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>
#include <QToolBar>
#include <QToolButton>
#include <memory>

namespace {
QStringList g_closed;   // names of dummy windows in the order they closed

class DummyTool : public ToolWindow
{
public:
    explicit DummyTool(const QString &name)
        : ToolWindow(name, name, 6000, 4500, true)
    {
        label = new QLabel(QStringLiteral("x"), this);
        label->setObjectName(QStringLiteral("label"));
        twips::place(label, 1500, 1500, 3000, 300);
    }
    QLabel *label;

protected:
    void closeEvent(QCloseEvent *e) override
    {
        g_closed.append(objectName());
        ToolWindow::closeEvent(e);
    }
};
} // namespace

class FrmHeadTest : public QObject
{
    Q_OBJECT
    WindowTestEnv env;

    static void useDummies(frm_head &h)
    {
        for (const QString &n : ToolRegistry::closingOrder())
            h.registry().add(n, [n] { return new DummyTool(n); });
    }
    static QAction *button(frm_head &h, const char *tag)
    {
        auto *tb = h.findChild<QToolBar *>(QStringLiteral("Toolbar1"));
        return tb->findChild<QAction *>(QString::fromUtf8(tag));
    }
    static void click(frm_head &h, const char *tag) { h.Toolbar1_ButtonClick(button(h, tag)); }

private Q_SLOTS:
    void init()
    {
        g_closed.clear();
        env.openedUrls.clear();
    }
    void cleanup() { KONDRIX_VERIFY_NO_SURPRISES(env); }

    void toolbar_has_fifteen_tagged_buttons_between_separators()
    {
        frm_head h;
        auto *tb = h.findChild<QToolBar *>(QStringLiteral("Toolbar1"));
        QVERIFY(tb);
        QStringList seen;
        int separators = 0;
        for (QAction *a : tb->actions()) {
            if (a->isSeparator()) {
                ++separators;
                continue;
            }
            QCOMPARE(a->objectName(), a->data().toString());
            QVERIFY(!a->icon().isNull());
            seen.append(a->data().toString());
        }
        QCOMPARE(seen.join(QLatin1Char(' ')),
                 QString::fromUtf8("Kilép Trafó Tranzisztor Dióda Ellenállás Kerámia Kondi SMD smdRC "
                                   "BDH FLC oszt szotar Névjegy Help"));
        QCOMPARE(separators, 14);
        QVERIFY(h.findChild<QAction *>(QStringLiteral("mnu_exit")));
    }

    void tool_table_reaches_every_window_in_its_closing_place()
    {
        frm_head h;
        QCOMPARE(ToolRegistry::closingOrder().join(QLatin1Char(' ')),
                 QStringLiteral("frm_tranzisztor frm_dioda frm_R4 frm_R5 frm_BDH frm_trafo frm_rezgokor frm_oszt "
                                "frm_szotar frm_SMD frm_smdRC frm_keramia frm_kondi frm_eseries frm_led frm_555 "
                                "frm_regulator frm_rc frm_coil frm_wire"));
        const QList<QAction *> menus = h.menuBar()->actions();
        QCOMPARE(menus.size(), 2);
        QCOMPARE(menus[0]->menu()->objectName(), QStringLiteral("mnu_file"));
        QCOMPARE(menus[1]->text(), QString::fromUtf8("Számítások"));
        QStringList items;
        for (QAction *a : menus[1]->menu()->actions())
            items.append(a->objectName());
        QCOMPARE(items.join(QLatin1Char(' ')),
                 QStringLiteral("act_eseries act_led act_555 act_regulator act_rc act_coil act_wire"));
        for (const tooltable::Tool &t : tooltable::tools()) {
            if (!t.window)
                continue;
            const QString name = QString::fromUtf8(t.window);
            if (t.tag) {   // a button or menu item that opens it
                QVERIFY2(h.findChild<QAction *>(QString::fromUtf8(t.tag)), t.tag);
                QCOMPARE(ToolRegistry::windowForTag(QString::fromUtf8(t.tag)), name);
            } else {
                QCOMPARE(name, QStringLiteral("frm_R5"));   // the four-band window opens it
            }
            QVERIFY2(h.registry().has(name), t.window);
            std::unique_ptr<ToolWindow> w(t.factory());
            QCOMPARE(w->objectName(), name);
            QCOMPARE(w->scalesLayout(), t.rescales);
        }
    }

    void menu_item_closes_the_open_tool_like_a_button()
    {
        frm_head h;
        useDummies(h);
        click(h, "BDH");
        h.findChild<QAction *>(QStringLiteral("act_led"))->trigger();
        QTRY_VERIFY(h.openTool(QStringLiteral("frm_led")));
        QCOMPARE(g_closed, QStringList{QStringLiteral("frm_BDH")});
        h.closeTools();   // as on exit
        QCOMPARE(g_closed, QStringList({QStringLiteral("frm_BDH"), QStringLiteral("frm_led")}));
    }

    void tool_click_closes_open_tools_in_order_and_opens_fresh()
    {
        frm_head h;
        useDummies(h);
        click(h, "Ellenállás");
        QVERIFY(h.openTool(QStringLiteral("frm_R4")));
        h.showTool(QStringLiteral("frm_R5"));   // the four-band window opens this one
        QPointer<ToolWindow> r4 = h.openTool(QStringLiteral("frm_R4"));
        g_closed.clear();
        click(h, "BDH");
        QCOMPARE(g_closed, QStringList({QStringLiteral("frm_R4"), QStringLiteral("frm_R5")}));
        QVERIFY(r4.isNull());
        QVERIFY(h.openTool(QStringLiteral("frm_BDH")));
        QCOMPARE(h.workspace()->subWindowList().size(), 1);

        QPointer<ToolWindow> first = h.openTool(QStringLiteral("frm_BDH"));
        click(h, "BDH");   // the same tool again: a new window
        QVERIFY(first.isNull());
        QVERIFY(h.openTool(QStringLiteral("frm_BDH")));
    }

    void about_and_help_leave_the_open_tool_alone()
    {
        frm_head h;
        useDummies(h);
        click(h, "oszt");
        ToolWindow *tool = h.openTool(QStringLiteral("frm_oszt"));
        bool aboutSeen = false;
        env.expectModal([&](QWidget *m) {
            aboutSeen = m->objectName() == QLatin1String("About");
            m->close();
        });
        click(h, "Névjegy");
        QVERIFY(aboutSeen);
        QCOMPARE(h.openTool(QStringLiteral("frm_oszt")), tool);

        click(h, "Help");
        QCOMPARE(h.openTool(QStringLiteral("frm_oszt")), tool);
        QCOMPARE(env.openedUrls.size(), 1);
        QVERIFY(env.openedUrls.first().isLocalFile());
        QVERIFY(env.openedUrls.first().toLocalFile().endsWith(QStringLiteral("/help.htm")));

        env.removeFile(QStringLiteral("help.htm"));
        click(h, "Help");   // nothing happens, nothing is said
        QCOMPARE(env.openedUrls.size(), 1);
        env.resetAppDir();
    }

    void exit_button_closes_tools_then_ends()
    {
        frm_head h;
        useDummies(h);
        click(h, "FLC");
        QSignalSpy ending(&h, &frm_head::programEnding);
        click(h, "Kilép");
        QCOMPARE(ending.count(), 1);
        QCOMPARE(g_closed, QStringList{QStringLiteral("frm_rezgokor")});
        QVERIFY(h.workspace()->subWindowList().isEmpty());
    }

    void menu_exit_ends_at_once_and_close_box_closes_tools()
    {
        frm_head h;
        useDummies(h);
        click(h, "szotar");
        QSignalSpy ending(&h, &frm_head::programEnding);
        h.findChild<QAction *>(QStringLiteral("mnu_exit"))->trigger();
        QCOMPARE(ending.count(), 1);
        QVERIFY(g_closed.isEmpty());

        h.show();
        h.close();
        QCOMPARE(ending.count(), 2);
        QCOMPARE(g_closed, QStringList{QStringLiteral("frm_szotar")});
    }

    void unknown_or_unregistered_tags_only_close()
    {
        frm_head h;
        useDummies(h);
        click(h, "BDH");
        QAction other(QStringLiteral("x"));
        other.setData(QString::fromUtf8("trafó"));   // tags are case-sensitive
        h.Toolbar1_ButtonClick(&other);
        QVERIFY(h.workspace()->subWindowList().isEmpty());

        frm_head bare;
        bare.registry() = ToolRegistry();
        click(bare, "Kerámia");
        QVERIFY(bare.workspace()->subWindowList().isEmpty());
    }

    void a_tool_larger_than_the_workspace_grows_the_main_window()
    {
        frm_head h;
        h.registry().add(QStringLiteral("frm_szotar"), [] {
            return new ToolWindow(QStringLiteral("frm_szotar"), QString(), 12000, 7500, true);
        });
        h.show();
        const QSize before = h.size();
        h.showTool(QStringLiteral("frm_szotar"));
        QVERIFY(h.width() > before.width());
        QVERIFY(h.height() > before.height());
        auto *sub = h.workspace()->subWindowList().first();
        QVERIFY(h.workspace()->viewport()->rect().contains(sub->frameGeometry()));
    }

    // Choosing a large tool from the overflow of a narrow toolbar grows the
    // window, which relays the toolbar out: that once deleted the overflow
    // menu under its own click handler. The tool opens once the click is done.
    void tool_chosen_from_the_toolbar_overflow_opens_after_the_click_is_done()
    {
        frm_head h;
        h.registry().add(QStringLiteral("frm_szotar"), [] {
            return new ToolWindow(QStringLiteral("frm_szotar"), QString(), 12000, 7500, true);
        });
        h.show();
        h.resize(220, h.height());
        QApplication::processEvents();
        auto *tb = h.findChild<QToolBar *>(QStringLiteral("Toolbar1"));
        QAction *szotar = button(h, "szotar");
        QVERIFY(!tb->widgetForAction(szotar)->isVisible());   // only in the overflow

        szotar->trigger();   // as the button or the menu item does
        QVERIFY(!h.openTool(QStringLiteral("frm_szotar")));
        QTRY_VERIFY(h.openTool(QStringLiteral("frm_szotar")));

        // The same through the expanded overflow of a narrow window.
        h.closeTools();
        h.resize(220, 300);
        QApplication::processEvents();
        auto *ext = tb->findChild<QToolButton *>(QStringLiteral("qt_toolbar_ext_button"));
        QVERIFY(ext && ext->isVisible());
        QTest::mouseClick(ext, Qt::LeftButton);
        QWidget *item = tb->widgetForAction(szotar);
        QTRY_VERIFY(item->isVisible());
        QPointer<QWidget> guard(item);
        QTest::mousePress(item, Qt::LeftButton);
        if (guard)
            QTest::mouseRelease(item, Qt::LeftButton);
        QTRY_VERIFY(h.openTool(QStringLiteral("frm_szotar")));
        QVERIFY(h.width() > 220);
    }

    void toolbar_click_is_void_when_a_modal_window_opened_before_its_turn()
    {
        frm_head h;
        useDummies(h);
        h.show();
        click(h, "BDH");
        QPointer<ToolWindow> tool = h.openTool(QStringLiteral("frm_BDH"));
        button(h, "Kerámia")->trigger();   // its dispatch waits for the event loop
        QDialog dialog(tool);              // opened by the tool before that
        env.expectModal([](QWidget *m) { m->close(); });
        dialog.exec();
        QVERIFY(tool);
        QApplication::processEvents();
        QVERIFY(h.openTool(QStringLiteral("frm_BDH")));
        QVERIFY(!h.openTool(QStringLiteral("frm_keramia")));
    }

    void tool_opens_with_its_design_layout()
    {
        frm_head h;
        useDummies(h);
        h.show();
        resizer::remember(3000, 2000);   // another window's size
        click(h, "oszt");
        auto *tool = static_cast<DummyTool *>(h.openTool(QStringLiteral("frm_oszt")));
        QCOMPARE(tool->size(), tool->designSizePixels());
        QCOMPARE(twips::left(tool->label), 1500.f);
        QCOMPARE(twips::width(tool->label), 3000.f);

        // Also when the main window is shown only after the tool opened (start-up).
        frm_head later;
        useDummies(later);
        later.showTool(QStringLiteral("frm_BDH"));
        later.show();
        QTest::qWait(20);
        QCOMPARE(later.openTool(QStringLiteral("frm_BDH"))->size(),
                 later.openTool(QStringLiteral("frm_BDH"))->designSizePixels());

        // Then the scaler follows the user's resizing.
        auto *sub = qobject_cast<QMdiSubWindow *>(tool->parentWidget());
        sub->resize(sub->size() + tool->size());
        QCOMPARE(twips::left(tool->label), 3000.f);
        QCOMPARE(twips::width(tool->label), 6000.f);
    }
};

KONDRIX_TEST_MAIN(FrmHeadTest)
#include "frm_head_test.moc"
