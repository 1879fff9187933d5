#include "app/frm_head.h"
#include "calculators/frm_option_1.h"
#include "calculators/frm_trafo.h"
#include "calculators/mod_trafo.h"
#include "core/appdir.h"
#include "core/textfile.h"
#include "support/windowtest.h"
#include "ui/controls.h"
#include "ui/resizer.h"
#include "ui/twips.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QToolBar>
#include <QToolButton>

namespace {
template <class T = QWidget>
T *child(QWidget *w, const QString &name)
{
    T *c = w->findChild<T *>(name);
    if (!c)
        qFatal("no control %s", qPrintable(name));
    return c;
}

QString text(QWidget *w, const QString &name)
{
    return child<QLabel>(w, name)->text();
}
} // namespace

class FrmTrafoTest : public QObject
{
    Q_OBJECT
    WindowTestEnv env;
    QPointer<frm_trafo> win;

    frm_trafo *open()
    {
        win = new frm_trafo;
        win->show();
        return win;
    }
    void type(const QString &box, const QString &keys)
    {
        QTest::keyClicks(child<QLineEdit>(win, box), keys);
    }
    QStringList iniLines()
    {
        QFile f(env.appDir() + QStringLiteral("/trafo.ini"));
        if (!f.open(QIODevice::ReadOnly))
            return {};
        return textfile::splitLines(textfile::decode(f.readAll()));
    }
    QByteArray iniBytes()
    {
        QFile f(env.appDir() + QStringLiteral("/trafo.ini"));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    frm_option_1 *openSettings()
    {
        child<QToolButton>(win, QStringLiteral("Command1"))->click();
        return frm_option_1::instance();
    }
    static void pick(frm_option_1 *o, const QString &entry)
    {
        auto *combo = child<QComboBox>(o, QStringLiteral("Combo1"));
        const int i = combo->findText(entry);
        QVERIFY(i >= 0);
        combo->setCurrentIndex(i);
        Q_EMIT combo->activated(i);
    }
    bool resultsShown() const
    {
        return !child<QGroupBox>(win, QStringLiteral("Frame2"))->isHidden()
               && !child<QGroupBox>(win, QStringLiteral("Frame4"))->isHidden();
    }

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

    void opens_with_settings_one_winding_and_no_results()
    {
        open();
        QCOMPARE(win->windowTitle(), QStringLiteral("  Transzformátor számítás"));
        QCOMPARE(text(win, QStringLiteral("Label4")), QStringLiteral("Hipersil vasmag"));
        QCOMPARE(text(win, QStringLiteral("Label5")), QStringLiteral("Hatásfok:80 %"));
        QCOMPARE(text(win, QStringLiteral("Label2")), QStringLiteral("Tekercsek száma:  (1-5)"));
        QVERIFY(!resultsShown());
        for (int i = 0; i < 5; ++i) {
            const QString n = QString::number(i);
            QCOMPARE(child(win, QStringLiteral("Tekercs_s(%1)").arg(n))->isHidden(), i > 0);
            QCOMPARE(child<QPushButton>(win, QStringLiteral("Cmd(%1)").arg(n))->text(), QString::number(i + 1));
            QCOMPARE(text(win, QStringLiteral("Label1(%1)").arg(n)), QStringLiteral("U%1 [V]").arg(i + 1));
            QCOMPARE(text(win, QStringLiteral("Label3(%1)").arg(n)), QStringLiteral("I%1 [A]").arg(i + 1));
            for (const char *r : {"Ns", "Asz", "Ds"})
                QVERIFY(text(win, QStringLiteral("%1(%2)").arg(QLatin1String(r), n)).isEmpty());
        }
        for (const char *r : {"lblPower", "lblKeresztmetszet", "lbl_Np", "lbl_Ap", "lbl_Dp"})
            QVERIFY(text(win, QLatin1String(r)).isEmpty());
        QCOMPARE(twips::height(child(win, QStringLiteral("Frame1"))),
                 twips::height(child(win, QStringLiteral("Tekercs_s(0)"))) + 1300);
    }

    void worked_example_typed_with_a_decimal_comma()
    {
        open();
        type(QStringLiteral("Us(0)"), QStringLiteral("12"));
        QVERIFY(!resultsShown());   // still typing: no current yet
        type(QStringLiteral("Iss(0)"), QStringLiteral("2"));
        QVERIFY(resultsShown());
        QCOMPARE(text(win, QStringLiteral("lblPower")), QStringLiteral(" 40 - VA !"));
        QCOMPARE(text(win, QStringLiteral("lblKeresztmetszet")), QStringLiteral("6 - cm2"));
        QCOMPARE(text(win, QStringLiteral("lbl_Np")), QStringLiteral("1555 menet"));
        QCOMPARE(text(win, QStringLiteral("lbl_Ap")), QStringLiteral("Keresztm.: 0,06 mm2"));
        QCOMPARE(text(win, QStringLiteral("lbl_Dp")), QStringLiteral("Átmérő   : 0,29 mm"));
        QCOMPARE(text(win, QStringLiteral("Ns(0)")), QStringLiteral("100 menet"));
        QCOMPARE(text(win, QStringLiteral("Asz(0)")), QStringLiteral("A: 0,8 mm2"));
        QCOMPARE(text(win, QStringLiteral("Ds(0)")), QStringLiteral("D: 1 mm"));

        child<QLineEdit>(win, QStringLiteral("Us(0)"))->clear();
        QVERIFY(!resultsShown());
        QVERIFY(text(win, QStringLiteral("Ns(0)")).isEmpty());
        type(QStringLiteral("Us(0)"), QStringLiteral("12,5"));
        QCOMPARE(child<QLineEdit>(win, QStringLiteral("Us(0)"))->text(), QStringLiteral("12.5"));
        QCOMPARE(text(win, QStringLiteral("Asz(0)")), QStringLiteral("A: 0,8 mm2"));
        QCOMPARE(text(win, QStringLiteral("Ns(0)")), QStringLiteral("104 menet"));   // 12.5 x 7.5075 x 1.1
    }

    void winding_count_buttons()
    {
        open();
        child<QPushButton>(win, QStringLiteral("Cmd(2)"))->click();
        QCOMPARE(twips::height(child(win, QStringLiteral("Frame1"))),
                 3 * twips::height(child(win, QStringLiteral("Tekercs_s(0)"))) + 1300);
        QVERIFY(!child(win, QStringLiteral("Tekercs_s(2)"))->isHidden());
        type(QStringLiteral("Us(0)"), QStringLiteral("12"));
        type(QStringLiteral("Iss(0)"), QStringLiteral("2"));
        type(QStringLiteral("Us(1)"), QStringLiteral("6"));
        type(QStringLiteral("Iss(1)"), QStringLiteral("1"));
        QVERIFY(!resultsShown());   // the third winding has no power

        child<QPushButton>(win, QStringLiteral("Cmd(1)"))->click();
        QVERIFY(!resultsShown());   // no calculation on the click itself
        type(QStringLiteral("Iss(1)"), QStringLiteral("0"));   // 6 V, 10 A
        QVERIFY(resultsShown());
        const QString twoWindings = text(win, QStringLiteral("lblPower"));
        const QString secondTurns = text(win, QStringLiteral("Ns(1)"));
        QCOMPARE(twoWindings, QStringLiteral(" 110 - VA !"));   // 84 / 0.8 + 10

        // Fewer windings: what is shown stays until the next edit, which then
        // leaves the hidden winding's labels alone.
        child<QPushButton>(win, QStringLiteral("Cmd(0)"))->click();
        QVERIFY(child(win, QStringLiteral("Tekercs_s(1)"))->isHidden());
        QCOMPARE(text(win, QStringLiteral("lblPower")), twoWindings);
        type(QStringLiteral("Us(0)"), QStringLiteral("0"));   // 120 V, 2 A
        QCOMPARE(text(win, QStringLiteral("lblPower")), QStringLiteral(" 310 - VA !"));
        QCOMPARE(text(win, QStringLiteral("Ns(1)")), secondTurns);
        QCOMPARE(child<QLineEdit>(win, QStringLiteral("Iss(1)"))->text(), QStringLiteral("10"));
    }

    void enlarged_window_still_holds_all_five_windings()
    {
        open();
        resizer::remember(win->designWidthTwips(), win->designHeightTwips());
        win->resize(win->width() * 3 / 2, win->height() * 3 / 2);
        child<QPushButton>(win, QStringLiteral("Cmd(4)"))->click();
        QWidget *last = child(win, QStringLiteral("Tekercs_s(4)"));
        QVERIFY(child(win, QStringLiteral("Frame1"))->rect().contains(
            QRect(last->mapTo(child(win, QStringLiteral("Frame1")), QPoint(0, 0)), last->size())));
        QVERIFY(child(win, QStringLiteral("Frame1"))->geometry().bottom() < win->height());
    }

    void settings_window_changes_labels_at_once_and_recalculates_on_leaving()
    {
        open();
        type(QStringLiteral("Us(0)"), QStringLiteral("40"));
        type(QStringLiteral("Iss(0)"), QStringLiteral("2"));
        QCOMPARE(text(win, QStringLiteral("lblKeresztmetszet")), QStringLiteral("10 - cm2"));   // 110 VA

        frm_option_1 *o = openSettings();
        QVERIFY(o && o->isVisible() && o->isWindow());
        QCOMPARE(o->windowTitle(), QStringLiteral("Transzformátor alapbeállítások."));
        QVERIFY(!(o->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
        QCOMPARE(o->size(), QSize(231, 240));
        auto *combo = child<QComboBox>(o, QStringLiteral("Combo1"));
        QCOMPARE(combo->count(), 10);
        QCOMPARE(combo->currentText(), QStringLiteral("80"));
        QVERIFY(child<QRadioButton>(o, QStringLiteral("Opt1(0)"))->isChecked());
        QCOMPARE(child<QRadioButton>(o, QStringLiteral("Opt1(0)"))->text(), QStringLiteral("Hipesil"));
        QCOMPARE(openSettings(), o);   // one settings window at a time

        pick(o, QStringLiteral("85"));
        child<QRadioButton>(o, QStringLiteral("Opt1(1)"))->click();
        QCOMPARE(text(win, QStringLiteral("Label5")), QStringLiteral("Hatásfok:85 %"));
        QCOMPARE(text(win, QStringLiteral("Label4")), QStringLiteral("EI- vasmag"));
        QCOMPARE(text(win, QStringLiteral("lblKeresztmetszet")), QStringLiteral("10 - cm2"));

        QPointer<frm_option_1> gone(o);
        child<QPushButton>(o, QStringLiteral("Command2"))->click();
        QTRY_VERIFY(gone.isNull());
        const QStringList ini = iniLines();
        QCOMPARE(ini.at(1), QStringLiteral(" 85 "));
        QCOMPARE(ini.last(), QStringLiteral(" 1 "));
        // 80 / 0.85 + 10 -> 100 VA; K = 1: floor(sqrt(100) + 1) = 11.
        QCOMPARE(text(win, QStringLiteral("lblPower")), QStringLiteral(" 100 - VA !"));
        QCOMPARE(text(win, QStringLiteral("lblKeresztmetszet")), QStringLiteral("11 - cm2"));

        // Opening again reads the file just written.
        o = openSettings();
        QCOMPARE(text(win, QStringLiteral("Label5")), QStringLiteral("Hatásfok: 85  %"));
        QCOMPARE(child<QComboBox>(o, QStringLiteral("Combo1"))->currentText(), QStringLiteral("85"));
        QVERIFY(child<QRadioButton>(o, QStringLiteral("Opt1(1)"))->isChecked());

        // The close box saves as "Vissza" does.
        child<QRadioButton>(o, QStringLiteral("Opt1(0)"))->click();
        o->close();
        QCOMPARE(iniLines().last(), QStringLiteral(" 0 "));
        QCOMPARE(text(win, QStringLiteral("lblKeresztmetszet")), QStringLiteral("9 - cm2"));
    }

    void reference_link()
    {
        open();
        frm_option_1 *o = openSettings();
        auto *link = child<ClickLabel>(o, QStringLiteral("Label1"));
        QCOMPARE(link->text(), QStringLiteral("Felhasznált irodalom:"));
        QCOMPARE(link->textColor(), QColor(0, 0, 255));
        QTest::mousePress(link, Qt::LeftButton);
        QCOMPARE(link->textColor(), QColor(255, 0, 0));
        QTest::mouseRelease(link, Qt::LeftButton);
        QCOMPARE(link->textColor(), QColor(0, 0, 255));
        QCOMPARE(env.openedUrls, QList<QUrl>{QUrl(frm_option_1::referenceUrl())});
        QVERIFY(env.openedUrls.first().scheme() == QLatin1String("https"));
    }

    void failed_save_keeps_old_file_and_settings_and_says_so()
    {
        const QByteArray old = iniBytes();
        open();
        type(QStringLiteral("Us(0)"), QStringLiteral("12"));
        type(QStringLiteral("Iss(0)"), QStringLiteral("2"));
        frm_option_1 *o = openSettings();
        child<QRadioButton>(o, QStringLiteral("Opt1(1)"))->click();
        // The application folder is now a regular file: nothing can be
        // created in it, not even by root.
        appdir::setPath(env.appDir() + QStringLiteral("/trafo.ini"));
        QString said;
        env.expectModal([&](QWidget *m) {
            if (auto *box = qobject_cast<QMessageBox *>(m))
                said = box->text();
            m->close();
        });
        child<QPushButton>(o, QStringLiteral("Command2"))->click();
        QVERIFY2(said.contains(QStringLiteral("nem sikerült")), qPrintable(said));
        QCOMPARE(iniBytes(), old);
        QCOMPARE(mod_trafo::settings().K, mod_trafo::kEiK);
        QCOMPARE(text(win, QStringLiteral("Label4")), QStringLiteral("EI- vasmag"));
        QCOMPARE(text(win, QStringLiteral("lblKeresztmetszet")), QStringLiteral("7 - cm2"));

        // Back in a writable folder the kept settings are what get saved.
        appdir::setPath(env.appDir());
        o = openSettings();
        QVERIFY(child<QRadioButton>(o, QStringLiteral("Opt1(1)"))->isChecked());
        o->close();
        QCOMPARE(iniLines().last(), QStringLiteral(" 1 "));
    }

    void missing_or_garbled_file_starts_with_defaults()
    {
        const QByteArray shipped = iniBytes();
        for (const QByteArray &damaged : {QByteArray(), QByteArray("\x01\x02garbage\r\n")}) {
            mod_trafo::resetSettings();
            if (damaged.isEmpty())
                env.removeFile(QStringLiteral("trafo.ini"));
            else
                env.writeFile(QStringLiteral("trafo.ini"), damaged);
            open();
            QCOMPARE(text(win, QStringLiteral("Label4")), QStringLiteral("Hipersil vasmag"));
            QCOMPARE(text(win, QStringLiteral("Label5")), QStringLiteral("Hatásfok:80 %"));
            type(QStringLiteral("Us(0)"), QStringLiteral("12"));
            type(QStringLiteral("Iss(0)"), QStringLiteral("2"));
            QCOMPARE(text(win, QStringLiteral("lbl_Np")), QStringLiteral("1555 menet"));
            frm_option_1 *o = openSettings();
            QCOMPARE(child<QComboBox>(o, QStringLiteral("Combo1"))->count(), 10);
            o->close();
            QCOMPARE(iniBytes(), shipped);   // the next save writes a complete file
            delete win;
        }
    }

    void zero_efficiency_picked_clears_results()
    {
        env.writeFile(QStringLiteral("trafo.ini"),
                      textfile::encode(QStringLiteral("hatásfok\r\n80\r\n 1 \r\n0\r\n80\r\nvasmag\r\n 0 \r\n")));
        open();
        type(QStringLiteral("Us(0)"), QStringLiteral("12"));
        type(QStringLiteral("Iss(0)"), QStringLiteral("2"));
        QVERIFY(resultsShown());
        frm_option_1 *o = openSettings();
        pick(o, QStringLiteral("0"));
        o->close();
        QVERIFY(!resultsShown());
        QVERIFY(text(win, QStringLiteral("lblPower")).isEmpty());
        QCOMPARE(text(win, QStringLiteral("Label5")), QStringLiteral("Hatásfok:0 %"));
    }

    void program_starts_with_the_calculator_and_trafo_reopens_it_fresh()
    {
        auto *h = new frm_head;
        QPointer<ToolWindow> first = h->openTool(QStringLiteral("frm_trafo"));
        QVERIFY(first);
        QTest::keyClicks(child<QLineEdit>(first, QStringLiteral("Us(0)")), QStringLiteral("12"));
        QAction *trafo = h->findChild<QToolBar *>(QStringLiteral("Toolbar1"))->findChild<QAction *>(
            QStringLiteral("Trafó"));
        h->Toolbar1_ButtonClick(trafo);
        QVERIFY(first.isNull());
        ToolWindow *second = h->openTool(QStringLiteral("frm_trafo"));
        QVERIFY(second);
        QVERIFY(child<QLineEdit>(second, QStringLiteral("Us(0)"))->text().isEmpty());

        // Ending the program with the settings window open does not save it.
        const QByteArray before = iniBytes();
        child<QToolButton>(second, QStringLiteral("Command1"))->click();
        QPointer<frm_option_1> o = frm_option_1::instance();
        QVERIFY(o && o->isWindow());
        child<QRadioButton>(o, QStringLiteral("Opt1(1)"))->click();
        delete h;
        QVERIFY(o.isNull());
        QCOMPARE(iniBytes(), before);
    }
};

KONDRIX_TEST_MAIN(FrmTrafoTest)
#include "frm_trafo_test.moc"
