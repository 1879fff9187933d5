// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/appdir.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
void touch(const QString &path)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
}
} // namespace

TEST(AppDir, BackslashNamesMapUnderTheDirectory)
{
    QTemporaryDir dir;
    touch(dir.path() + "/Tranzisztor/f00.txt");
    EXPECT_EQ(appdir::resolve(dir.path(), "\\Tranzisztor\\f00.txt"), dir.path() + "/Tranzisztor/f00.txt");
    // A file that does not exist yet still gets its path (writers need it).
    EXPECT_EQ(appdir::resolve(dir.path(), "\\trafo.ini"), dir.path() + "/trafo.ini");
}

TEST(AppDir, CaseDifferencesAreMatchedPerComponent)
{
    QTemporaryDir dir;
    touch(dir.path() + "/Tranzisztor/Tokpic/TO92.JPG");
    EXPECT_EQ(appdir::resolve(dir.path(), "\\tranzisztor\\TOKPIC\\TO92.jpg"),
              dir.path() + "/Tranzisztor/Tokpic/TO92.JPG");
    // A missing component keeps its own spelling from there on.
    EXPECT_EQ(appdir::resolve(dir.path(), "\\tranzisztor\\Nincs\\x.jpg"),
              dir.path() + "/Tranzisztor/Nincs/x.jpg");
}

TEST(AppDir, NamesLeavingTheDirectoryAreRefused)
{
    QTemporaryDir dir;
    EXPECT_TRUE(appdir::resolve(dir.path(), "\\..\\etc\\passwd").isEmpty());
    EXPECT_TRUE(appdir::resolve(dir.path(), "\\Tranzisztor\\Tokpic\\..\\..\\x").isEmpty());
    EXPECT_TRUE(appdir::resolve(dir.path(), "\\").isEmpty());
}

TEST(AppDir, FileExistsCountsHiddenAndReadOnlyFilesNotDirectories)
{
    QTemporaryDir dir;
    touch(dir.path() + "/.hidden");
    touch(dir.path() + "/ro.txt");
    QFile::setPermissions(dir.path() + "/ro.txt", QFileDevice::ReadOwner);
    QDir().mkpath(dir.path() + "/folder");
    EXPECT_TRUE(appdir::fileExists(dir.path() + "/.hidden"));
    EXPECT_TRUE(appdir::fileExists(dir.path() + "/ro.txt"));
    EXPECT_FALSE(appdir::fileExists(dir.path() + "/folder"));
    EXPECT_FALSE(appdir::fileExists(dir.path() + "/missing"));
    EXPECT_FALSE(appdir::fileExists(QString()));
}

TEST(AppDir, OverrideAndDefault)
{
    appdir::setPath("/tmp/kondrix-x");
    EXPECT_EQ(appdir::path(), "/tmp/kondrix-x");
    appdir::setPath(QString());
    EXPECT_FALSE(appdir::path().isEmpty());

    // The user's folder follows the desktop's configuration home.
    const QByteArray saved = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", "/tmp/kondrix-home/.config");
    EXPECT_EQ(appdir::userConfigPath(), "/tmp/kondrix-home/.config/kondrix");
    appdir::setUserConfigPath("/tmp/kondrix-y");
    EXPECT_EQ(appdir::userConfigPath(), "/tmp/kondrix-y");
    appdir::setUserConfigPath(QString());
    if (saved.isNull())
        qunsetenv("XDG_CONFIG_HOME");
    else
        qputenv("XDG_CONFIG_HOME", saved);
}

TEST(AppDir, DataIsFoundBesideTheProgramThenInItsInstallationThenInXdgFolders)
{
    QTemporaryDir root;
    const QString r = root.path();
    // A user's own records in an XDG folder are not the program's data; a
    // copy with part of the data beside the program is (it reports the rest).
    touch(r + "/home/kondrix/dioda.ini");
    touch(r + "/home/kondrix/SMD/!smd.txt");
    touch(r + "/usr/share/kondrix/help.htm");
    touch(r + "/portable/dioda.ini");
    touch(r + "/opt/share/kondrix/help.htm");
    QDir().mkpath(r + "/opt/lib/kondrix");
    QDir().mkpath(r + "/usr/lib/kondrix");
    const QStringList xdg{r + "/home", r + "/usr/share"};
    const QString fromExe = "../../share/kondrix";

    struct Case { QString exe, installed; QStringList dataDirs; QString expected; };
    const Case cases[] = {
        {r + "/portable", fromExe, xdg, r + "/portable"},                // a build tree or portable copy
        {r + "/opt/lib/kondrix", fromExe, xdg, r + "/opt/share/kondrix"}, // its own installation first
        {r + "/usr/lib/kondrix", "../../nowhere", xdg, r + "/usr/share/kondrix"},
        {r + "/usr/lib/kondrix", QString(), xdg, r + "/usr/share/kondrix"},
        {r + "/bare/lib/kondrix", fromExe, {r + "/home"}, r + "/bare/lib/kondrix"}, // nowhere: the tools say so
    };
    for (const Case &c : cases)
        EXPECT_EQ(appdir::locate(c.exe, c.installed, c.dataDirs), c.expected) << c.exe.toStdString();
}
