// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/frm_head.h"
#include "calculators/frm_option_1.h"
#include "calculators/mod_trafo.h"
#include "core/textfile.h"
#include "damaged/damage.h"
#include "damaged/usage.h"
#include "support/windowtest.h"
#include "ui/sound.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <QRadioButton>
#include <QToolBar>
#include <QToolButton>

using damage::Kind;
using namespace usage;

namespace {
QByteArray bytesOf(const QString &path)
{
    QFile f(path);
    return QFileInfo(path).isFile() && f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<none>");
}

QAction *button(frm_head &h, const char *tag)
{
    return h.findChild<QToolBar *>(u8("Toolbar1"))->findChild<QAction *>(u8(tag));
}

// What the transformer and settings windows show of the settings.
struct Shown
{
    QString core, efficiency;
    QStringList efficiencies;
};

Shown shownBy(const QWidget &trafo, const QComboBox *combo)
{
    Shown s{part<QLabel>(trafo, u8("Label4"))->text(), part<QLabel>(trafo, u8("Label5"))->text(), {}};
    for (int i = 0; i < combo->count(); ++i)
        if (!combo->itemData(i).toBool())   // the file's own efficiency, shown though not listed
            s.efficiencies << combo->itemText(i);
    return s;
}
} // namespace

class DamagedSettingsTest : public QObject
{
    Q_OBJECT
    WindowTestEnv env;
    QList<QString> m_lockedDirs;
    bool m_calculated = false;   // the last openAndSave() got a result

    QString iniPath(const QString &where) const
    {
        return (where == u8("user") ? env.userConfigDir() : env.appDir()) + u8("/trafo.ini");
    }
    void lock(const QString &dir)
    {
        QFile::setPermissions(dir, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        m_lockedDirs << dir;
    }

    // Opens the program, works out a winding, opens the settings window and
    // closes it (which saves). Returns what was shown before the save.
    Shown openAndSave(bool changeCore)
    {
        frm_head h;
        h.show();
        QWidget *trafo = h.findChild<QWidget *>(u8("frm_trafo"));
        if (!trafo)
            qFatal("the transformer window did not open");
        type(part<QLineEdit>(*trafo, u8("Us(0)")), u8("24"));
        type(part<QLineEdit>(*trafo, u8("Iss(0)")), u8("2,5"));
        m_calculated = !part<QLabel>(*trafo, u8("lblPower"))->text().isEmpty();
        QTest::mouseClick(part<QToolButton>(*trafo, u8("Command1")), Qt::LeftButton);
        frm_option_1 *opt = frm_option_1::instance();
        if (!opt)
            qFatal("the settings window did not open");
        if (changeCore)
            QTest::mouseClick(part<QRadioButton>(*opt, u8("Opt1(1)")), Qt::LeftButton,
                              {}, QPoint(5, 5));
        const Shown shown = shownBy(*trafo, part<QComboBox>(*opt, u8("Combo1")));
        paint(*trafo);
        QTest::mouseClick(part<QWidget>(*opt, u8("Command2")), Qt::LeftButton);
        QApplication::processEvents();
        return shown;
    }

    void checkSave(const QString &path, const QByteArray &before)
    {
        const Shown shown = openAndSave(false);
        // Whatever the file held, the built-in values keep the calculation going.
        QVERIFY(m_calculated);

        const QString inUse = mod_trafo::settingsFilePath();
        const QByteArray after = bytesOf(inUse);
        QVERIFY(!mod_trafo::hasUnsavedSettings());
        if (inUse == path && after == before)
            return;
        mod_trafo::Settings back;
        back.efficiencies.clear();
        QVERIFY2(mod_trafo::ReadSettings(QString(textfile::decode(after)), &back), after.left(200).constData());
        QCOMPARE(mod_trafo::coreLabel(back.K), shown.core);
        QCOMPARE(mod_trafo::efficiencyLabel(back.eta), shown.efficiency);
        QCOMPARE(back.efficiencies, shown.efficiencies);
    }

private Q_SLOTS:
    void initTestCase() { damage::canTestUnreadable(); }
    void init()
    {
        mod_trafo::resetSettings();
        env.openedUrls.clear();
    }
    void cleanup()
    {
        for (const QString &d : std::as_const(m_lockedDirs))
            QFile::setPermissions(d, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        m_lockedDirs.clear();
        // Put back what a row may have damaged (cheaper than a new folder).
        for (const char *f : {"trafo.ini", "help.htm", "Wav/about1.wav", "Wav/about2.wav"})
            damage::restore(env.appDir() + QLatin1Char('/') + u8(f), QStringLiteral(KONDRIX_SOURCE_DATA "/") + u8(f));
        if (QFileInfo(env.userConfigDir()).isDir())
            QDir(env.userConfigDir()).removeRecursively();
        else
            QFile::remove(env.userConfigDir());
        sound::setPlayer([this](const QString &path) { env.playedSounds.append(path); });
        KONDRIX_VERIFY_NO_SURPRISES(env);
    }

    void trafo_ini_data()
    {
        addDamageColumns();
        addDamageRows(u8("app"), damage::all());
        addDamageRows(u8("user"), damage::all());
    }
    // A save after opening a damaged file leaves either the old bytes or a
    // complete file that reads back to what the windows showed.
    void trafo_ini()
    {
        DAMAGE_FETCH_ROW(file, k);
        const QString path = iniPath(file);
        if (file == u8("user")) {
            QDir().mkpath(env.userConfigDir());
            QVERIFY(QFile::copy(env.appDir() + u8("/trafo.ini"), path));
        }
        QVERIFY(damage::apply(path, k, 7));
        const QByteArray before = bytesOf(path);

        checkSave(path, before);
    }

    // Files that read in part: what they yield must survive a save.
    void trafo_ini_content_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        const QByteArray head = "hat\xe1sfok\r\n";
        QTest::newRow("bytes without a character") << head + "80\r\n 2 \r\n50\r\n6\x81x\x98\r\n70\r\nvasmag\r\n 1 \r\n";
        QTest::newRow("quotes and commas") << head + "85 \"x\"\r\n 3 \r\n\"a,b\"\r\n  c d  \r\n\"vasmag\"\r\ne\"f\r\nvasmag\r\n 0 \r\n";
        QTest::newRow("huge efficiency") << head + "8" + QByteArray(damage::kHugeLine, '0') + "\r\n 0 \r\n9\r\nvasmag\r\n 1 \r\n";
        QTest::newRow("huge entry") << head + "80\r\n 1 \r\n80\r\n" + QByteArray(damage::kHugeLine, 'x') + "\r\nvasmag\r\n 1 \r\n";
        QTest::newRow("huge count") << head + "80\r\n 1E300 \r\n50\r\nvasmag\r\n 1 \r\n";
        QTest::newRow("line feeds inside") << head + "80\n81\r\n 1 \r\n5\n0\r\n60\r\nvasmag\r\n 1 \r\n";
        QTest::newRow("no line end at the end") << head + "80\r\n 0 \r\n80\r\nvasmag\r\n 1";
    }
    void trafo_ini_content()
    {
        QFETCH(QByteArray, bytes);
        const QString path = iniPath(u8("app"));
        env.writeFile(u8("trafo.ini"), bytes);
        checkSave(path, bytes);
    }

    void trafo_ini_save_fails_data()
    {
        QTest::addColumn<QString>("setup");
        QTest::newRow("read-only folders") << u8("readonly");
        QTest::newRow("user copy in a read-only folder") << u8("user-readonly");
        QTest::newRow("directory in place, no user folder") << u8("directory");
    }
    // A save that cannot be done says so and keeps the old file.
    void trafo_ini_save_fails()
    {
        QFETCH(QString, setup);
        if (!damage::canTestUnreadable())
            QSKIP("folders are writable here (no way to drop CAP_DAC_OVERRIDE)");
        const QString config = QFileInfo(env.userConfigDir()).path();
        QString kept = iniPath(u8("app"));
        if (setup == u8("readonly")) {
            lock(env.appDir());
            lock(config);   // the user's folder cannot be made
        } else if (setup == u8("user-readonly")) {
            QDir().mkpath(env.userConfigDir());
            kept = iniPath(u8("user"));
            QVERIFY(QFile::copy(env.appDir() + u8("/trafo.ini"), kept));
            lock(env.userConfigDir());
        } else {
            QVERIFY(damage::apply(kept, Kind::Directory));
            QFile blocker(env.userConfigDir());   // a file where the folder would go
            QVERIFY(blocker.open(QIODevice::WriteOnly));
        }
        const QByteArray before = bytesOf(kept);
        QString message;
        env.expectModal([&message](QWidget *w) {
            if (auto *box = qobject_cast<QMessageBox *>(w))
                message = box->text();
            w->close();
        });
        openAndSave(true);
        QTRY_VERIFY(!message.isEmpty());
        QVERIFY2(message.startsWith(u8("A beállítások mentése nem sikerült:")), qPrintable(message));
        QCOMPARE(bytesOf(kept), before);
        QVERIFY(mod_trafo::hasUnsavedSettings());
        // The new choice stays in use until the program ends.
        QCOMPARE(mod_trafo::settings().coreCode(), 1);
    }

    void help_page_data()
    {
        addDamageColumns();
        addDamageRows(u8("help.htm"), damage::all());
    }
    // The page goes to the desktop as it is; a missing one is not offered.
    void help_page()
    {
        DAMAGE_FETCH_ROW(file, k);
        QVERIFY(damage::apply(env.appDir() + u8("/help.htm"), k));
        frm_head h;
        h.show();
        h.Toolbar1_ButtonClick(button(h, "Help"));
        QCOMPARE(env.openedUrls.size(), k == Kind::Missing || k == Kind::Directory ? 0 : 1);
        QVERIFY(h.findChild<QWidget *>(u8("frm_trafo")));
    }

    void sounds_data()
    {
        addDamageColumns();
        addDamageRows(u8("Wav/about1.wav"), damage::forBinary());
        addDamageRows(u8("Wav/about2.wav"), damage::forBinary());
    }
    // The About window plays its sounds through the real player: a damaged
    // sound is not played, and nothing else happens.
    void sounds()
    {
        DAMAGE_FETCH_ROW(file, k);
        QVERIFY(damage::apply(env.appDir() + QLatin1Char('/') + file, k));
        sound::setPlayer({});
        frm_head h;
        h.show();
        bool seen = false;
        env.expectModal([&seen](QWidget *w) {
            seen = true;
            QTest::qWait(150);
            w->close();
        });
        h.Toolbar1_ButtonClick(button(h, "Névjegy"));
        QVERIFY(seen);
        QTest::qWait(150);   // decoding runs on
    }
};

KONDRIX_TEST_MAIN(DamagedSettingsTest)
#include "damaged_settings_test.moc"
