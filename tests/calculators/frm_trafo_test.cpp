// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/frm_head.h"
#include "calculators/frm_option_1.h"
#include "calculators/frm_trafo.h"
#include "calcwindowtest.h"
#include "calculators/mod_trafo.h"
#include "core/appdir.h"
#include "core/textfile.h"
#include "support/windowtest.h"
#include "ui/resizer.h"
#include "ui/twips.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QRadioButton>
#include <QToolBar>

using calctest::child;

class FrmTrafoTest : public QObject
{
    Q_OBJECT
    WindowTestEnv env;
    QPointer<frm_trafo> win;

    void open() { (win = new frm_trafo)->show(); }
    QString text(const char *label) const { return child<QLabel>(win, QLatin1String(label))->text(); }
    QLineEdit *box(const char *name) const { return child<QLineEdit>(win, QLatin1String(name)); }
    void type(const char *name, const char *keys) { QTest::keyClicks(box(name), QString::fromUtf8(keys)); }
    void enter(const char *U, const char *I) { type("Us(0)", U), type("Iss(0)", I); }
    static void click(QWidget *w, const char *button) { child<QAbstractButton>(w, QLatin1String(button))->click(); }
    QByteArray iniBytes()
    {
        QFile f(env.appDir() + QStringLiteral("/trafo.ini"));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    QStringList iniLines() { return textfile::splitLines(textfile::decode(iniBytes())); }
    frm_option_1 *openSettings() { return click(win, "Command1"), frm_option_1::instance(); }
    static QComboBox *combo(QWidget *o) { return child<QComboBox>(o, QStringLiteral("Combo1")); }
    static bool checked(QWidget *o, const char *radio)
    {
        return child<QRadioButton>(o, QLatin1String(radio))->isChecked();
    }
    bool hidden(const QString &name) const { return child(win, name)->isHidden(); }
    bool resultsShown() const { return !hidden(QStringLiteral("Frame2")) && !hidden(QStringLiteral("Frame4")); }
    int frameHeight(const char *name) const { return twips::height(child(win, QLatin1String(name))); }

private Q_SLOTS:
    void init()
    {
        mod_trafo::resetSettings();
        env.openedUrls.clear();
    }
    void cleanup()
    {
        delete win;
        env.resetAppDir();
        mod_trafo::resetSettings();
        KONDRIX_VERIFY_NO_SURPRISES(env);
    }

    void worked_example_typed_with_a_decimal_comma()
    {
        open();
        QCOMPARE(text("Label4"), QStringLiteral("Hipersil vasmag"));
        QCOMPARE(text("Label5"), QStringLiteral("Hatásfok:80 %"));
        for (int i = 0; i < mod_trafo::kMaxWindings; ++i)
            QCOMPARE(hidden(QStringLiteral("Tekercs_s(%1)").arg(i)), i > 0);
        type("Us(0)", "12");
        QVERIFY(!resultsShown());   // no current yet
        type("Iss(0)", "2");
        QVERIFY(resultsShown());
        const char *const shown[][2] = {
            {"lblPower", " 40 - VA !"}, {"lblKeresztmetszet", "6 - cm2"}, {"lbl_Np", "1555 menet"},
            {"lbl_Ap", "Keresztm.: 0,06 mm2"}, {"lbl_Dp", "Átmérő   : 0,29 mm"}, {"Ns(0)", "100 menet"},
            {"Asz(0)", "A: 0,8 mm2"}, {"Ds(0)", "D: 1 mm"}};
        for (const auto &label : shown)
            QCOMPARE(text(label[0]), QString::fromUtf8(label[1]));

        box("Us(0)")->clear();
        QVERIFY(!resultsShown());
        QVERIFY(text("Ns(0)").isEmpty());
        type("Us(0)", "12,5");
        QCOMPARE(box("Us(0)")->text(), QStringLiteral("12.5"));
        QCOMPARE(text("Ns(0)"), QStringLiteral("104 menet"));   // 12.5 x 7.5075 x 1.1
    }

    // The efficiency the file holds is the one shown, used and offered, even
    // when it has a decimal comma or the list lacks it.
    void efficiency_from_the_file_data()
    {
        QTest::addColumn<QString>("eta");
        QTest::addColumn<QString>("entries");
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("offered");
        QTest::newRow("decimal comma") << " 82,5 " << "80|85" << 82.5 << "82,5";
        QTest::newRow("not in the list") << "80" << "60|70|90" << 80.0 << "80";
        QTest::newRow("in the list") << "70" << "60|70" << 70.0 << "70";
    }
    void efficiency_from_the_file()
    {
        QFETCH(QString, eta);
        QFETCH(QString, entries);
        QFETCH(double, value);
        QFETCH(QString, offered);
        const QStringList list = entries.split(QLatin1Char('|'));
        QStringList lines{QStringLiteral("hatásfok"), eta, QStringLiteral(" %1 ").arg(list.size() - 1)};
        lines << list << QStringLiteral("vasmag") << QStringLiteral(" 0 ");
        QFile f(env.appDir() + QStringLiteral("/trafo.ini"));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(textfile::encode(lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")));
        f.close();
        open();
        QCOMPARE(text("Label5"), QStringLiteral("Hatásfok:") + eta + QStringLiteral(" %"));
        enter("120", "2");   // 240 VA: 82 % and 82,5 % give different powers
        const double U[] = {120}, I[] = {2};
        QCOMPARE(text("lblPower"), mod_trafo::szamit(U, I, 0, value, mod_trafo::kHipersilK).power);
        frm_option_1 *o = openSettings();
        QCOMPARE(combo(o)->currentText(), offered);
        o->close();
    }

    void winding_count_buttons_and_enlarged_window()
    {
        open();
        click(win, "Cmd(2)");
        QCOMPARE(frameHeight("Frame1"), 3 * frameHeight("Tekercs_s(0)") + 1300);
        QVERIFY(!hidden(QStringLiteral("Tekercs_s(2)")));
        enter("12", "2");
        type("Us(1)", "6");
        type("Iss(1)", "1");
        QVERIFY(!resultsShown());   // the third winding has no power

        click(win, "Cmd(1)");
        QVERIFY(!resultsShown());   // no calculation on the click itself
        type("Iss(1)", "0");   // 6 V, 10 A
        QCOMPARE(text("lblPower"), QStringLiteral(" 110 - VA !"));   // 84 / 0.8 + 10
        const QString secondTurns = text("Ns(1)");

        // Fewer windings: what is shown stays until the next edit, which then
        // leaves the hidden winding's labels alone.
        click(win, "Cmd(0)");
        QVERIFY(hidden(QStringLiteral("Tekercs_s(1)")));
        QCOMPARE(text("lblPower"), QStringLiteral(" 110 - VA !"));
        type("Us(0)", "0");   // 120 V, 2 A
        QCOMPARE(text("lblPower"), QStringLiteral(" 310 - VA !"));
        QCOMPARE(text("Ns(1)"), secondTurns);
        QCOMPARE(box("Iss(1)")->text(), QStringLiteral("10"));

        // An enlarged window still holds all five windings.
        resizer::remember(win->designWidthTwips(), win->designHeightTwips());
        win->resize(win->width() * 3 / 2, win->height() * 3 / 2);
        click(win, "Cmd(4)");
        QWidget *frame = child(win, QStringLiteral("Frame1"));
        QWidget *last = child(win, QStringLiteral("Tekercs_s(4)"));
        QVERIFY(frame->rect().contains(QRect(last->mapTo(frame, QPoint(0, 0)), last->size())));
        QVERIFY(frame->geometry().bottom() < win->height());
    }

    void settings_window_changes_labels_at_once_and_recalculates_on_leaving()
    {
        open();
        enter("40", "2");
        QCOMPARE(text("lblKeresztmetszet"), QStringLiteral("10 - cm2"));   // 110 VA

        frm_option_1 *o = openSettings();
        QVERIFY(o && o->isVisible() && o->isWindow());
        QCOMPARE(combo(o)->currentText(), QStringLiteral("80"));
        QVERIFY(checked(o, "Opt1(0)"));
        QCOMPARE(openSettings(), o);   // one settings window at a time
        QTest::mouseClick(child(o, QStringLiteral("Label1")), Qt::LeftButton);
        QCOMPARE(env.openedUrls, QList<QUrl>{QUrl(frm_option_1::referenceUrl())});

        const int entry85 = combo(o)->findText(QStringLiteral("85"));
        QVERIFY(entry85 >= 0);
        combo(o)->setCurrentIndex(entry85);
        Q_EMIT combo(o)->activated(entry85);
        click(o, "Opt1(1)");
        QCOMPARE(text("Label5"), QStringLiteral("Hatásfok:85 %"));
        QCOMPARE(text("Label4"), QStringLiteral("EI- vasmag"));
        QCOMPARE(text("lblKeresztmetszet"), QStringLiteral("10 - cm2"));

        QPointer<frm_option_1> gone(o);
        click(o, "Command2");
        QTRY_VERIFY(gone.isNull());
        QCOMPARE(iniLines().at(1), QStringLiteral(" 85 "));
        QCOMPARE(iniLines().last(), QStringLiteral(" 1 "));
        // 80 / 0.85 + 10 -> 100 VA; K = 1: floor(sqrt(100) + 1) = 11.
        QCOMPARE(text("lblPower"), QStringLiteral(" 100 - VA !"));
        QCOMPARE(text("lblKeresztmetszet"), QStringLiteral("11 - cm2"));

        // Opening again reads the file just written.
        o = openSettings();
        QCOMPARE(text("Label5"), QStringLiteral("Hatásfok: 85  %"));
        QCOMPARE(combo(o)->currentText(), QStringLiteral("85"));
        QVERIFY(checked(o, "Opt1(1)"));

        // The close box saves as "Vissza" does.
        click(o, "Opt1(0)");
        o->close();
        QCOMPARE(iniLines().last(), QStringLiteral(" 0 "));
        QCOMPARE(text("lblKeresztmetszet"), QStringLiteral("9 - cm2"));
    }

    void failed_save_keeps_old_file_and_settings_and_says_so()
    {
        const QByteArray old = iniBytes();
        open();
        enter("12", "2");
        frm_option_1 *o = openSettings();
        click(o, "Opt1(1)");
        // The application folder and the user's folder are now below a regular
        // file: not even root can create anything in them.
        appdir::setPath(env.appDir() + QStringLiteral("/trafo.ini"));
        appdir::setUserConfigPath(env.appDir() + QStringLiteral("/trafo.ini/kondrix"));
        QString said;
        env.expectModal([&](QWidget *m) {
            if (auto *msg = qobject_cast<QMessageBox *>(m))
                said = msg->text();
            m->close();
        });
        click(o, "Command2");
        QVERIFY2(said.contains(QStringLiteral("nem sikerült")), qPrintable(said));
        QCOMPARE(iniBytes(), old);
        QCOMPARE(text("Label4"), QStringLiteral("EI- vasmag"));
        QCOMPARE(text("lblKeresztmetszet"), QStringLiteral("7 - cm2"));

        // Back in a writable folder the kept settings, not the old file, are what get saved.
        appdir::setPath(env.appDir());
        appdir::setUserConfigPath(env.userConfigDir());
        o = openSettings();
        QVERIFY(checked(o, "Opt1(1)"));
        o->close();
        QCOMPARE(iniLines().last(), QStringLiteral(" 1 "));
    }

    void damaged_file_starts_with_defaults_data()
    {
        QTest::addColumn<QByteArray>("damaged");   // empty: no file at all
        QTest::newRow("missing") << QByteArray();
        QTest::newRow("garbled") << QByteArray("\x01\x02garbage\r\n");
    }
    void damaged_file_starts_with_defaults()
    {
        QFETCH(QByteArray, damaged);
        const QByteArray shipped = iniBytes();
        if (damaged.isEmpty())
            env.removeFile(QStringLiteral("trafo.ini"));
        else
            env.writeFile(QStringLiteral("trafo.ini"), damaged);
        open();
        enter("12", "2");
        QCOMPARE(text("lbl_Np"), QStringLiteral("1555 menet"));   // η 80, Hipersil
        frm_option_1 *o = openSettings();
        QCOMPARE(combo(o)->count(), 10);
        o->close();
        QCOMPARE(iniBytes(), shipped);   // the next save writes the complete shipped file
    }

    void program_starts_with_the_calculator_and_trafo_reopens_it_fresh()
    {
        auto *h = new frm_head;
        QPointer<ToolWindow> first = h->openTool(QStringLiteral("frm_trafo"));
        QVERIFY(first);
        QTest::keyClicks(child<QLineEdit>(first, QStringLiteral("Us(0)")), QStringLiteral("12"));
        h->Toolbar1_ButtonClick(h->findChild<QToolBar *>(QStringLiteral("Toolbar1"))
                                    ->findChild<QAction *>(QStringLiteral("Trafó")));
        QVERIFY(first.isNull());
        ToolWindow *second = h->openTool(QStringLiteral("frm_trafo"));
        QVERIFY(second);
        QVERIFY(child<QLineEdit>(second, QStringLiteral("Us(0)"))->text().isEmpty());

        // Ending the program with the settings window open does not save it.
        const QByteArray before = iniBytes();
        click(second, "Command1");
        QPointer<frm_option_1> o = frm_option_1::instance();
        QVERIFY(o && o->isWindow());
        click(o, "Opt1(1)");
        delete h;
        QVERIFY(o.isNull());
        QCOMPARE(iniBytes(), before);
    }
};

KONDRIX_TEST_MAIN(FrmTrafoTest)
#include "frm_trafo_test.moc"
