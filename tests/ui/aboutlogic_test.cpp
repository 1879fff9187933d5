// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/aboutlogic.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(About, VersionText)
{
    EXPECT_EQ(about::versionText(), QString::fromUtf8("Verzió: 1.5.0"));
}

TEST(About, EmailWildcard)
{
    using about::isValidEmailAddress;
    EXPECT_TRUE(isValidEmailAddress("a@b.c"));
    EXPECT_TRUE(isValidEmailAddress("kondrix@kondrix.hu"));
    EXPECT_TRUE(isValidEmailAddress("x@,y.z"));        // the comma is in the bracket
    EXPECT_TRUE(isValidEmailAddress("@b."));           // both stars may match nothing
    EXPECT_FALSE(isValidEmailAddress("a@b"));          // no "." after the "@"
    EXPECT_FALSE(isValidEmailAddress("a@b,c"));
    EXPECT_FALSE(isValidEmailAddress("a@.b.c"));       // "." right after the "@"
    EXPECT_FALSE(isValidEmailAddress("a@ b.c"));       // blank right after the "@"
    EXPECT_FALSE(isValidEmailAddress("a@\xC3\xA1.b")); // "á" is outside A-Z
    EXPECT_FALSE(isValidEmailAddress("a.b.c"));
    EXPECT_FALSE(isValidEmailAddress(""));
}

TEST(About, FindsFirstProgramOnPath)
{
    QTemporaryDir a, b;
    auto makeExe = [](const QString &path) {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    };
    makeExe(b.path() + "/hardinfo");
    makeExe(a.path() + "/gnome-system-monitor");
    QFile plain(a.path() + "/kinfocenter");   // not executable: skipped
    ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
    const QString path = a.path() + QDir::listSeparator() + b.path();
    EXPECT_EQ(about::findProgram(about::systemInfoCandidates(), path), b.path() + "/hardinfo");
    EXPECT_TRUE(about::findProgram(about::systemInfoCandidates(), QString()).isEmpty());
}
