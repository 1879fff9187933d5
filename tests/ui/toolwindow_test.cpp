// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/windowtest.h"
#include "ui/toolwindow.h"
#include "ui/twips.h"

#include <QFrame>
#include <QKeyEvent>
#include <QLineEdit>

namespace {
class KeyWindow : public ToolWindow
{
public:
    KeyWindow() : ToolWindow(QStringLiteral("frm_keys"), QStringLiteral("k"), 3000, 2000, false)
    {
        auto *frame = new QFrame(this);
        twips::place(frame, 0, 0, 3000, 2000);
        edit = new QLineEdit(frame);
        twips::place(edit, 150, 150, 1500, 300);
        setKeyPreview(true);
    }
    QLineEdit *edit;
    QList<int> downs, ups;
    bool closeOnK = false;

protected:
    void Form_KeyDown(QKeyEvent *e) override
    {
        downs.append(e->key());
        if (closeOnK && e->key() == Qt::Key_K)
            unload();
    }
    void Form_KeyUp(QKeyEvent *e) override { ups.append(e->key()); }
};
} // namespace

class ToolWindowTest : public QObject
{
    Q_OBJECT
    WindowTestEnv env;

private Q_SLOTS:
    void cleanup() { KONDRIX_VERIFY_NO_SURPRISES(env); }

    void window_sees_each_key_once_before_its_controls()
    {
        KeyWindow w;
        w.show();
        QTest::keyClick(w.edit, Qt::Key_A);
        QCOMPARE(w.edit->text(), QStringLiteral("a"));   // the control still gets it
        // F5 is ignored by the text box and travels up through the frame.
        QTest::keyClick(w.edit, Qt::Key_F5);
        QTest::keyClick(&w, Qt::Key_Left);
        QCOMPARE(w.downs, QList<int>({Qt::Key_A, Qt::Key_F5, Qt::Key_Left}));
        QCOMPARE(w.ups, QList<int>({Qt::Key_A, Qt::Key_F5, Qt::Key_Left}));
    }

    void a_key_that_closes_the_window_goes_no_further()
    {
        auto *w = new KeyWindow;
        QPointer<KeyWindow> guard(w);
        w->closeOnK = true;
        w->show();
        QTest::keyClick(w->edit, Qt::Key_K);
        QVERIFY(!guard || !guard->isVisible());
        if (guard)
            QVERIFY(guard->edit->text().isEmpty());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(guard.isNull());
    }

    void design_size_is_the_size_hint()
    {
        KeyWindow w;
        QCOMPARE(w.sizeHint(), QSize(200, 133));
        QCOMPARE(w.objectName(), QStringLiteral("frm_keys"));
    }
};

KONDRIX_TEST_MAIN(ToolWindowTest)
#include "toolwindow_test.moc"
