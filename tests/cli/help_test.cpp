// SPDX-License-Identifier: GPL-3.0-or-later
#include "clirun.h"

#include <gtest/gtest.h>

TEST(CliUsage, HelpListsEveryCommandAndBadUsageExitsWithTwo)
{
    const CliRun help = runCli({QStringLiteral("--help")});
    EXPECT_EQ(help.code, 0);
    EXPECT_TRUE(help.out.contains(QStringLiteral("Használat")));

    EXPECT_EQ(runCli({}).code, 2);
    const CliRun unknown = runCli({QStringLiteral("nincsilyen")});
    EXPECT_EQ(unknown.code, 2);
    EXPECT_TRUE(unknown.err.contains(QStringLiteral("nincsilyen")));
}

// The manual pages are written from the table --help prints; the installed
// ones must list every command as --help does, the Hungarian one word for word.
TEST(CliUsage, InstalledManualPagesListWhatHelpLists)
{
    const QStringList help = runCli({QStringLiteral("--help")}).out.split(QLatin1Char('\n'));
    QStringList commands, summaries;   // "  name synopsis", then "      summary"
    for (qsizetype i = 0; i + 1 < help.size(); ++i) {
        if (help[i].startsWith(QLatin1String("  ")) && !help[i].startsWith(QLatin1String("   "))
            && help[i + 1].startsWith(QLatin1String("      "))) {
            commands << help[i].trimmed();
            summaries << help[i + 1].trimmed();
        }
    }
    ASSERT_GE(commands.size(), 16);

    for (const QString &page : {QStringLiteral("man1"), QStringLiteral("hu/man1")}) {
        QProcess gzip;
        gzip.start(QStringLiteral("gzip"),
                   {QStringLiteral("-dc"), QStringLiteral(KONDRIX_CLI_PREFIX "/share/man/%1/kondrix-cli.1.gz").arg(page)});
        ASSERT_TRUE(gzip.waitForFinished() && gzip.exitCode() == 0) << page.toStdString();
        QString text = QString::fromUtf8(gzip.readAllStandardOutput());
        for (const char *font : {"\\fB", "\\fI", "\\fR", "\\&"})
            text.remove(QLatin1String(font));
        text.replace(QLatin1String("\\-"), QLatin1String("-")).replace(QLatin1String("\\e"), QLatin1String("\\"));
        QStringList lines = text.split(QLatin1Char('\n'));
        for (QString &l : lines)
            l = l.trimmed();
        for (qsizetype i = 0; i < commands.size(); ++i) {
            const qsizetype at = lines.indexOf(commands[i]);
            EXPECT_GE(at, 0) << page.toStdString() << ": " << commands[i].toStdString();
            if (page.startsWith(QLatin1String("hu")))
                EXPECT_EQ(lines.value(at + 1), summaries[i]) << commands[i].toStdString();
        }
    }
}
