// SPDX-License-Identifier: GPL-3.0-or-later
// Run by install_test.sh against an installed application directory that
// the test user cannot write, with a temporary HOME.
#include "calculators/frm_option_1.h"
#include "calculators/frm_trafo.h"
#include "calculators/mod_trafo.h"
#include "core/appdir.h"
#include "core/textfile.h"
#include "support/windowtest.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QStandardPaths>

class InstalledSettingsTest : public QObject
{
    Q_OBJECT
    WindowTestEnv env;
    QPointer<frm_trafo> win;

    QString text(const char *label) const { return win->findChild<QLabel *>(QLatin1String(label))->text(); }
    static void click(QWidget *w, const char *name) { w->findChild<QAbstractButton *>(QLatin1String(name))->click(); }
    static QStringList lines(const QString &path)
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? textfile::splitLines(textfile::decode(f.readAll())) : QStringList();
    }
    void open()
    {
        (win = new frm_trafo)->show();
        QTest::keyClicks(win->findChild<QLineEdit *>(QStringLiteral("Us(0)")), QStringLiteral("12"));
        QTest::keyClicks(win->findChild<QLineEdit *>(QStringLiteral("Iss(0)")), QStringLiteral("2"));
    }

private Q_SLOTS:
    void initTestCase()
    {
        const QString dir = qEnvironmentVariable("KONDRIX_INSTALLED_APPDIR");
        if (dir.isEmpty())
            QSKIP("needs an installed application directory (install_test.sh)");
        // The real per-user folder under the temporary HOME, not the test ones.
        QStandardPaths::setTestModeEnabled(false);
        appdir::setUserConfigPath(QString());
        appdir::setPath(dir);
        QVERIFY2(!QFileInfo(dir).isWritable(), "the application folder must be read-only here");
        QVERIFY(!QFile::exists(appdir::userConfigPath()));
    }

    void changed_efficiency_is_kept_in_the_users_folder()
    {
        const QString shipped = appdir::file(QStringLiteral("\\trafo.ini"));
        const QStringList shippedLines = lines(shipped);
        QCOMPARE(shippedLines.value(1), QStringLiteral("80"));
        open();
        QCOMPARE(text("lblPower"), QStringLiteral(" 40 - VA !"));

        click(win, "Command1");
        frm_option_1 *o = frm_option_1::instance();
        QVERIFY(o);
        auto *combo = o->findChild<QComboBox *>(QStringLiteral("Combo1"));
        const int entry85 = combo->findText(QStringLiteral("85"));
        QVERIFY(entry85 >= 0);
        combo->setCurrentIndex(entry85);
        Q_EMIT combo->activated(entry85);
        QPointer<frm_option_1> gone(o);
        click(o, "Command2");
        QTRY_VERIFY(gone.isNull());
        KONDRIX_VERIFY_NO_SURPRISES(env);   // no "could not save" message

        const QString user = QDir::homePath() + QStringLiteral("/.config/kondrix/trafo.ini");
        QCOMPARE(mod_trafo::settingsFilePath(), user);
        QStringList expected = shippedLines;
        expected[1] = QStringLiteral(" 85 ");
        QCOMPARE(lines(user), expected);     // everything else carried over
        QCOMPARE(lines(shipped), shippedLines);

        // A new start reads the user's copy: 24 VA / 0.85 gives 30 VA, not 40.
        delete win;
        mod_trafo::resetSettings();
        open();
        QCOMPARE(text("Label5"), QStringLiteral("Hatásfok: 85  %"));
        QCOMPARE(text("lblPower"), QStringLiteral(" 30 - VA !"));
        delete win;
    }
};

KONDRIX_TEST_MAIN(InstalledSettingsTest)
#include "installed_settings_test.moc"
