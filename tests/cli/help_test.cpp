// SPDX-License-Identifier: GPL-3.0-or-later
#include "clirun.h"

#include <gtest/gtest.h>

TEST(CliUsage, HelpListsEveryCommand)
{
    const CliRun help = runCli({QStringLiteral("--help")});
    EXPECT_EQ(help.code, 0);
    EXPECT_TRUE(help.out.contains(QStringLiteral("Használat")));
    for (const char *name : {"smd", "ceramic", "elko", "cap", "trafo", "lc", "db", "gain", "divider", "parallel",
                             "base", "transistor", "diode", "smdcode", "dict", "eseries", "ratio", "led", "555",
                             "regulator", "rc", "reactance", "coil", "wire", "bands"})
        EXPECT_TRUE(help.out.contains(QStringLiteral("\n  %1 ").arg(QLatin1String(name)))) << name;
    const CliRun one = runCli(args("lc --help"));
    EXPECT_EQ(one.code, 0);
    EXPECT_TRUE(one.out.contains(QStringLiteral("--L")));
}

// Every failure, in plain text and in JSON: its exit code (1 nothing found,
// 2 bad usage), nothing on standard output, the reason on standard error or
// in the JSON's error, and never a number gone wrong.
TEST(CliUsage, FailuresExitWithTheirCodeAndSayWhy)
{
    const struct
    {
        const char *line;   // arguments separated by '|', empty ones included
        int code;
        const char *errHas;
    } cases[] = {
        // calculators
        {"trafo", 2, ""}, {"trafo|12V", 2, ""}, {"trafo|12V:0A", 2, ""}, {"trafo|1e400:1", 2, ""},
        {"trafo|1:1|1:1|1:1|1:1|1:1|1:1", 2, ""}, {"trafo|abc:2", 2, ""}, {"lc|--L|10u", 2, ""},
        {"lc|--L|abc|--C|100n", 2, ""}, {"lc|--L|1e400|--C|1n", 2, ""}, {"lc|--L|0|--C|1n", 2, ""},
        {"lc|--L|-1u|--C|1n", 2, ""}, {"lc|--L|1u|--C|1n|--f|1k", 2, ""}, {"lc|--L|1u|--C", 2, ""},
        {"lc|--L|1u|--C|1n|--R|5", 2, ""}, {"lc|5", 2, ""}, {"lc|--L||--C|1n", 2, ""}, {"db", 2, ""},
        {"db|", 2, ""}, {"db|1e400", 2, ""}, {"db|abc", 2, ""}, {"db|10^400", 2, ""}, {"db|7000", 2, ""},
        {"gain|0", 2, ""}, {"gain|-3", 2, ""}, {"gain|1e400", 2, ""}, {"divider|U1=12|U2=5", 2, ""},
        {"divider|U1=5|U2=12|R2=10k", 2, ""}, {"divider|U1=12|U2=5|R2=abc", 2, ""},
        {"divider|X=1|U2=5|R2=1", 2, ""}, {"divider|U1=1e400|U2=5|R2=1k", 2, ""}, {"parallel|10k", 2, ""},
        {"parallel|10k|0", 2, ""}, {"parallel|R1=1k|RE=2k", 2, ""}, {"parallel|10k|4k7|1k", 2, ""},
        {"base", 2, ""}, {"base|18446744073709551616", 2, ""}, {"base|ff|--from|oct", 2, ""},
        {"base|-5", 2, ""}, {"base|5|--from", 2, ""},
        // catalogs
        {"transistor|ZZZZ", 1, ""}, {"diode|QQQQ", 1, ""}, {"smdcode|ZZZ9", 1, ""}, {"dict|xyzzyq", 1, ""},
        {"transistor|B", 2, ""}, {"transistor", 2, ""}, {"transistor|", 2, ""}, {"diode|1N|--x", 2, ""},
        {"dict|kondenzátor|--lang|fr", 2, ""}, {"dict|kondenzátor|--lang", 2, ""}, {"smdcode", 2, ""},
        {"dict|a|b", 2, ""},
        // decoders
        {"smd|97A", 1, ""}, {"smd|A49", 1, ""}, {"smd|2A2", 1, ""}, {"smd|12345", 1, ""}, {"smd|4R7R", 1, ""},
        {"ceramic|A0", 1, ""}, {"ceramic|KI2", 1, ""}, {"elko|A47", 1, ""}, {"elko|a475", 1, ""},
        {"cap|15", 1, ""}, {"cap|154X", 1, ""}, {"smd|", 2, ""}, {"smd", 2, ""}, {"smd|103|104", 2, ""},
        {"ceramic| ", 2, ""}, {"elko|A475|--foo", 2, ""}, {"cap|--lang|hu", 2, ""},
        // bands
        {"bands|pink|violet|red|gold", 2, "pink"}, {"bands|", 2, "Üres"}, {"bands", 2, ""},
        {"bands|red|red|red", 2, "Négy vagy öt"}, {"bands|red", 2, ""}, {"bands|10^400", 2, "10^400"},
        {"bands|1e400", 2, ""}, {"bands|grey|white|black|grey", 1, "érvényes"},
        {"bands|gold|gold|gold|gold", 1, ""},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.line);
        const QStringList line = QString::fromUtf8(c.line).split(QLatin1Char('|'));
        const CliRun r = runCli(line);
        EXPECT_EQ(r.code, c.code);
        EXPECT_TRUE(r.out.isEmpty()) << r.out.toStdString();
        EXPECT_FALSE(r.err.isEmpty());
        EXPECT_TRUE(r.err.contains(QString::fromUtf8(c.errHas))) << r.err.toStdString();
        const CliRun j = runCli(line + QStringList{QStringLiteral("--json")});
        EXPECT_EQ(j.code, c.code);
        EXPECT_FALSE(j.json().value(QStringLiteral("error")).toString().isEmpty()) << j.out.toStdString();
        for (const QString &s : {j.out.toLower(), r.err.toLower()})
            EXPECT_FALSE(s.contains(QStringLiteral("inf")) || s.contains(QStringLiteral("nan"))) << s.toStdString();
    }
    EXPECT_EQ(runCli({}).code, 2);
    const CliRun unknown = runCli({QStringLiteral("nincsilyen")});
    EXPECT_EQ(unknown.code, 2);
    EXPECT_TRUE(unknown.err.contains(QStringLiteral("nincsilyen")));
    // Too large to mark: no reading, though the value is still written out.
    EXPECT_EQ(runCli({QStringLiteral("bands"), QStringLiteral("1000G")}).code, 1);
    EXPECT_EQ(runCli({QStringLiteral("bands"), QStringLiteral("1") + QString(400, QLatin1Char('0'))}).code, 2);
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
