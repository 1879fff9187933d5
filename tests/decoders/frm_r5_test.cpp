#include "app/toolregistry.h"
#include "decoders/frm_r4.h"
#include "decoders/frm_r5.h"
#include "resistortest.h"
#include "support/windowtest.h"
#include "ui/twips.h"

#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>

using namespace resistortest;

namespace {
// Opens the resistor windows inside an MDI area the way the main window does.
class TestHost : public ToolHost
{
public:
    TestHost()
    {
        ToolHost::setInstance(this);
        area.resize(900, 700);
        area.show();
    }
    ~TestHost() override { ToolHost::setInstance(nullptr); }

    QWidget *showTool(const QString &name) override
    {
        opened.append(name);
        ToolWindow *w = nullptr;
        if (name == QLatin1String("frm_R4"))
            w = new frm_R4;
        else if (name == QLatin1String("frm_R5"))
            w = new frm_R5;
        if (!w)
            return nullptr;
        QMdiSubWindow *sub = area.addSubWindow(w);
        sub->setAttribute(Qt::WA_DeleteOnClose);
        sub->show();
        return w;
    }
    template <typename T>
    T *open() const
    {
        for (QMdiSubWindow *sub : area.subWindowList())
            if (auto *w = qobject_cast<T *>(sub->widget()); w && sub->isVisible())
                return w;
        return nullptr;
    }

    QMdiArea area;
    QStringList opened;
};
} // namespace

class FrmR5Test : public QObject
{
    Q_OBJECT
    WindowTestEnv env;

    static QString value(const QWidget &w) { return child<QLabel>(w, QStringLiteral("Label1"))->text(); }

private Q_SLOTS:
    void cleanup() { KONDRIX_VERIFY_NO_SURPRISES(env); }

    void opens_in_its_load_state()
    {
        frm_R5 w;
        QCOMPARE(w.objectName(), QStringLiteral("frm_R5"));
        QCOMPARE(w.windowTitle(), QStringLiteral("Ötsávos ellenállás."));
        QCOMPARE(w.designSizePixels(), QSize(759, 513));
        QCOMPARE(value(w), QStringLiteral("22,6 k-ohm 1 %"));
        QCOMPARE(child<QLabel>(w, QStringLiteral("Label2"))->text(), QStringLiteral("1. Sáv"));
        QCOMPARE(child<QPushButton>(w, QStringLiteral("Command2"))->text(), QStringLiteral("4 sávos ellenállás"));
        const QVector<int> colours{Red, Red, Blue, Red, Brown};
        for (int band = 1; band <= 5; ++band) {
            QCOMPARE(w.bandColour(band), colours[band - 1]);
            QCOMPARE(shownColour(w, indexed("Sáv_pic", band)), colours[band - 1]);
        }
        QCOMPARE(offeredColours(w), QStringLiteral("xxxxxxxxxx..."));
        QCOMPARE(markers(w, 5), QStringLiteral("x...."));
        QCOMPARE(twips::left(child<QWidget>(w, indexed("Sáv_pic", 5))), 3240.f);
        QCOMPARE(twips::left(child<QWidget>(w, indexed("Nyíl", 5))), 3360.f);
        // No value-to-colours area here.
        QVERIFY(!w.findChild<QWidget *>(QStringLiteral("Frame1")));
        QVERIFY(!w.findChild<QWidget *>(QStringLiteral("Text1")));
    }

    void colours_give_five_band_values()
    {
        frm_R5 w;
        clickColour(w, Brown);
        QCOMPARE(value(w), QStringLiteral("12,6 k-ohm  1%"));
        clickColour(w, Red);
        clickBand(w, 4);
        QCOMPARE(offeredColours(w), QStringLiteral("xxxxxxxxxxxx."));
        clickColour(w, Gold);
        QCOMPARE(value(w), QStringLiteral("22,6 ohm  1%"));
        clickBand(w, 5);
        QCOMPARE(child<QLabel>(w, QStringLiteral("Label2"))->text(), QStringLiteral("5. Sáv (Tűrés %)"));
        QCOMPARE(offeredColours(w), QStringLiteral(".xxxxxxx..xxx"));
        clickColour(w, Silver);
        QCOMPARE(value(w), QStringLiteral("22,6 ohm  10%"));
    }

    void keys_act_when_released()
    {
        auto *w = new frm_R5;
        QPointer<frm_R5> guard(w);
        w->show();
        QTest::keyPress(w, Qt::Key_Right);
        QCOMPARE(w->selectedBand(), 1);
        QTest::keyRelease(w, Qt::Key_Right);
        QCOMPARE(w->selectedBand(), 2);
        for (int i = 0; i < 4; ++i)
            QTest::keyClick(w, Qt::Key_Right);
        QCOMPARE(w->selectedBand(), 5);
        QCOMPARE(markers(*w, 5), QStringLiteral("....x"));
        QTest::keyClick(w, Qt::Key_Left);
        QCOMPARE(w->selectedBand(), 4);

        QTest::keyPress(w, Qt::Key_K);
        QVERIFY(w->isVisible());
        QTest::keyRelease(w, Qt::Key_K);
        QTRY_VERIFY(guard.isNull());
    }

    void switching_starts_each_window_from_its_load_state()
    {
        TestHost host;
        host.showTool(QStringLiteral("frm_R4"));
        auto *r4 = host.open<frm_R4>();
        QVERIFY(r4);
        clickColour(*r4, Black);
        QTest::mouseClick(child<QPushButton>(*r4, QStringLiteral("Command2")), Qt::LeftButton);
        QTRY_VERIFY(!host.open<frm_R4>());

        auto *r5 = host.open<frm_R5>();
        QVERIFY(r5);
        QCOMPARE(value(*r5), QStringLiteral("22,6 k-ohm 1 %"));
        clickBand(*r5, 3);
        clickColour(*r5, White);
        QTest::mouseClick(child<QPushButton>(*r5, QStringLiteral("Command2")), Qt::LeftButton);
        QTRY_VERIFY(!host.open<frm_R5>());

        r4 = host.open<frm_R4>();
        QVERIFY(r4);
        QCOMPARE(value(*r4), QStringLiteral("4,7 k-ohm 10%"));
        QCOMPARE(r4->bandColour(1), int(Yellow));
        QCOMPARE(r4->selectedBand(), 1);
        QCOMPARE(host.opened, QStringList({QStringLiteral("frm_R4"), QStringLiteral("frm_R5"), QStringLiteral("frm_R4")}));
        QTRY_COMPARE(host.area.subWindowList().size(), 1);
    }

    void both_windows_are_registered_as_tools()
    {
        ToolRegistry registry;
        registerTools(registry);
        QVERIFY(registry.has(QStringLiteral("frm_R4")));
        QVERIFY(registry.has(QStringLiteral("frm_R5")));
        QCOMPARE(ToolRegistry::windowForTag(QStringLiteral("Ellenállás")), QStringLiteral("frm_R4"));
    }
};

KONDRIX_TEST_MAIN(FrmR5Test)
#include "frm_r5_test.moc"
