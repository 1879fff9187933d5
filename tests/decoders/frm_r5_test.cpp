// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/toolregistry.h"
#include "decoders/frm_r4.h"
#include "decoders/frm_r5.h"
#include "resistortest.h"
#include "support/windowtest.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>

using namespace resistortest;

namespace {
// Opens the resistor windows inside an MDI area the way the main window does.
struct TestHost : ToolHost
{
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
        ToolWindow *w = name == QLatin1String("frm_R4") ? static_cast<ToolWindow *>(new frm_R4) : new frm_R5;
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

    static void switchWindow(const QWidget &w)
    {
        QTest::mouseClick(part<QPushButton>(w, QStringLiteral("Command2")), Qt::LeftButton);
    }

private Q_SLOTS:
    void cleanup() { KONDRIX_VERIFY_NO_SURPRISES(env); }

    void opens_in_its_load_state()
    {
        frm_R5 w;
        verifyLoadState(w, {Red, Red, Blue, Red, Brown}, QStringLiteral("22,6 k-ohm 1 %"));
        // No value-to-colours area here.
        QVERIFY(!w.findChild<QWidget *>(QStringLiteral("Frame1")));
        QVERIFY(!w.findChild<QWidget *>(QStringLiteral("Text1")));
    }

    void colour_click_data()
    {
        colourClickColumns();
        QTest::newRow("brown_on_band_1") << 1 << int(Brown) << "1. Sáv" << "xxxxxxxxxx..." << "12,6 k-ohm  1%";
        QTest::newRow("violet_on_band_3") << 3 << int(Violet) << "3. Sáv" << "xxxxxxxxxx..." << "22,7 k-ohm  1%";
        QTest::newRow("gold_on_band_4") << 4 << int(Gold) << "4. Sáv" << "xxxxxxxxxxxx." << "22,6 ohm  1%";
        QTest::newRow("silver_on_band_5") << 5 << int(Silver) << "5. Sáv (Tűrés %)" << ".xxxxxxx..xxx"
                                          << "22,6 k-ohm  10%";
    }
    void colour_click()
    {
        frm_R5 w;
        verifyColourClick(w);
    }

    void keys_act_when_released()
    {
        QPointer<frm_R5> w = new frm_R5;
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
        QTRY_VERIFY(w.isNull());
    }

    void switching_starts_each_window_from_its_load_state()
    {
        TestHost host;
        host.showTool(QStringLiteral("frm_R4"));
        auto *r4 = host.open<frm_R4>();
        QVERIFY(r4);
        clickColour(*r4, Black);
        switchWindow(*r4);
        QTRY_VERIFY(!host.open<frm_R4>());

        auto *r5 = host.open<frm_R5>();
        QVERIFY(r5);
        verifyLoadState(*r5, {Red, Red, Blue, Red, Brown}, QStringLiteral("22,6 k-ohm 1 %"));
        clickBand(*r5, 3);
        clickColour(*r5, White);
        switchWindow(*r5);
        QTRY_VERIFY(!host.open<frm_R5>());

        r4 = host.open<frm_R4>();
        QVERIFY(r4);
        verifyLoadState(*r4, {Yellow, Violet, Red, Silver}, QStringLiteral("4,7 k-ohm 10%"));
        QCOMPARE(host.opened, QStringList({QStringLiteral("frm_R4"), QStringLiteral("frm_R5"), QStringLiteral("frm_R4")}));
        QTRY_COMPARE(host.area.subWindowList().size(), 1);
    }
};

KONDRIX_TEST_MAIN(FrmR5Test)
#include "frm_r5_test.moc"
