// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/appdir.h"
#include "core/userdata.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(UserData, FollowsTheDataHomeAndSkipsTheApplicationFolder)
{
    const QByteArray saved = qgetenv("XDG_DATA_HOME");
    QTemporaryDir home;
    qputenv("XDG_DATA_HOME", home.path().toUtf8());
    const QString mine = home.path() + QStringLiteral("/kondrix");
    EXPECT_EQ(userdata::path(), mine);
    // No folder yet: no file, and nothing to say.
    QString text;
    QStringList problems;
    EXPECT_TRUE(userdata::file(QStringLiteral("\\dioda.ini")).isEmpty());
    EXPECT_FALSE(userdata::read(QStringLiteral("\\dioda.ini"), &text, &problems));
    EXPECT_TRUE(problems.isEmpty());

    // Found whatever the case of its name, as the shipped files are.
    QDir().mkpath(mine + QStringLiteral("/smd"));
    QFile f(mine + QStringLiteral("/smd/!SMD.txt"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("1A,x\r\n");
    f.close();
    EXPECT_TRUE(userdata::read(QStringLiteral("\\SMD\\!smd.txt"), &text, &problems));
    EXPECT_EQ(text, QStringLiteral("1A,x\r\n"));

    // Installed into ~/.local, the application folder is the user's: its
    // files are the shipped ones, read once. A link to it counts as it.
    QTemporaryDir links;
    ASSERT_TRUE(QFile::link(mine, links.path() + QStringLiteral("/app")));
    appdir::setPath(links.path() + QStringLiteral("/app"));
    EXPECT_TRUE(userdata::file(QStringLiteral("\\SMD\\!smd.txt")).isEmpty());
    EXPECT_FALSE(userdata::present(QStringLiteral("\\SMD\\!smd.txt")));
    appdir::setPath(QString());

    if (saved.isNull())
        qunsetenv("XDG_DATA_HOME");
    else
        qputenv("XDG_DATA_HOME", saved);
}
