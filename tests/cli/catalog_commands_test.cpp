// SPDX-License-Identifier: GPL-3.0-or-later
#include "clirun.h"
#include "support/userrecords.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QJsonArray matches(const char *line)
{
    return runCli(args(line) + QStringList{QStringLiteral("--json")}).json().value(QStringLiteral("matches")).toArray();
}

} // namespace

TEST(CliCatalogs, SearchesListEveryMatchCaseIgnoredAndNothingElse)
{
    const struct
    {
        const char *line;
        const char *key;      // the searched field in the JSON
        const char *needle;
        const char *mustHave;   // a match that must be listed
    } cases[] = {
        {"transistor BC54", "type", "BC54", "BC547B"},
        {"transistor bc54", "type", "BC54", "BC546A"},
        {"diode 1N40", "type", "1N40", "1N4007"},
        {"dict kondenzátor", "hu", "kondenzátor", "kondenzátor"},
        {"dict capacitor --lang en", "en", "capacitor", "capacitor"},
        {"dict Kondensator --lang DE", "de", "kondensator", "Kondensator"},
        {"dict erősítő", "hu", "erősítő", "erősítő"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.line);
        const CliRun r = runCli(args(c.line));
        ASSERT_EQ(r.code, 0) << r.err.toStdString();
        const QJsonArray m = matches(c.line);
        EXPECT_EQ(m.size(), outLines(r).size());
        bool found = false;
        for (const QJsonValue &v : m) {
            const QString s = v.toObject().value(QLatin1String(c.key)).toString();
            EXPECT_TRUE(s.contains(QString::fromUtf8(c.needle), Qt::CaseInsensitive)) << s.toStdString();
            found = found || s == QString::fromUtf8(c.mustHave);
        }
        EXPECT_TRUE(found);
    }
}

TEST(CliCatalogs, LinesShowTheDetailsPanelTexts)
{
    const QStringList t = outLines(runCli(args("transistor BC547B")));
    ASSERT_EQ(t.size(), 1);
    // Public ratings of the BC547: 50 V collector-base, 45 V collector-emitter, 100 mA.
    EXPECT_TRUE(t.first().startsWith(QStringLiteral("BC547B | Si | npn | P: 500 mW | Ucb: 50 V | Uce: 45 V")));
    EXPECT_TRUE(t.first().contains(QStringLiteral(" | Ic: 100 mA | ")));
    const QStringList fet = outLines(runCli(args("transistor IRFZ44NS")));
    ASSERT_EQ(fet.size(), 1);
    EXPECT_TRUE(fet.first().startsWith(
        QString::fromUtf8("IRFZ44NS | Si | N-MOSFET | P: 94 W | Uds: 55 V | Ugs: ±20 V | Rds(on): 17,5 mΩ | Id: 49 A")))
        << qPrintable(fet.first());

    EXPECT_TRUE(outLines(runCli(args("dict kondenzátor")))
                    .contains(QStringLiteral("kondenzátor | capacitor | Kondensator")));
    const QStringList d = outLines(runCli(args("diode 1N4007")));
    ASSERT_EQ(d.size(), 1);
    EXPECT_TRUE(d.first().startsWith(QStringLiteral("1N4007 | ")));
    EXPECT_TRUE(d.first().contains(QStringLiteral("1000 V")));
}

TEST(CliCatalogs, SmdCodeLeadsToTheBaseTypesRatings)
{
    const CliRun r = runCli(args("smdcode 1A"));
    ASSERT_EQ(r.code, 0) << r.err.toStdString();
    const QStringList lines = outLines(r);
    EXPECT_TRUE(lines.contains(QStringLiteral(
        "Kód: 1A | Egység: BC846A | Gyártó: Philips (NXP) | Tokozás: SOT-23 | Adatok: npn 65V 0,1A hFE 110-220")));
    EXPECT_TRUE(std::any_of(lines.begin(), lines.end(), [](const QString &l) {
        return l.startsWith(QStringLiteral("Alap: BC546A | Si | npn | ")) && l.contains(QStringLiteral("Ucb: 80 V"));
    }));

    const QJsonObject j = runCli(args("smdcode 1A --json")).json();
    EXPECT_TRUE(j.value(QStringLiteral("exact")).toBool());
    for (const QJsonValue &m : j.value(QStringLiteral("matches")).toArray())
        EXPECT_EQ(m.toObject().value(QStringLiteral("code")).toString(), QStringLiteral("1A"));
    const QJsonArray bases = j.value(QStringLiteral("baseTypes")).toArray();
    ASSERT_FALSE(bases.isEmpty());
    const QJsonObject bc546a = bases.at(0).toObject();
    EXPECT_EQ(bc546a.value(QStringLiteral("type")).toString(), QStringLiteral("BC546A"));
    EXPECT_TRUE(bc546a.value(QStringLiteral("inCatalog")).toBool());
    // The whole name: BC546A, not BC546 or BC546B.
    EXPECT_EQ(bc546a.value(QStringLiteral("ratings")).toObject().value(QStringLiteral("type")).toString(),
              QStringLiteral("BC546A"));
    EXPECT_EQ(bc546a.value(QStringLiteral("ratings")).toObject().value(QStringLiteral("hfe")).toString(),
              QStringLiteral("110-220"));

    // Case does not widen the answer: "1a" is the whole code 1A, as the jump reads it.
    const QJsonObject lower = runCli(args("smdcode 1a --json")).json();
    EXPECT_EQ(lower.value(QStringLiteral("matches")), j.value(QStringLiteral("matches")));
    EXPECT_EQ(lower.value(QStringLiteral("baseTypes")), j.value(QStringLiteral("baseTypes")));
}

// A copy of the program beside damaged data: each command says what the window
// would say about it on standard error, then prints what it found.
TEST(CliCatalogs, DamagedDataIsReportedAndWhatIsFoundStillPrinted)
{
    const struct
    {
        const char *file;     // removed from the copy of the data
        const char *line;
        int code;
        const char *errorHas;   // the window's message names the file
        const char *outHas;
    } cases[] = {
        {"Tranzisztor/f05.txt", "transistor BC54", 0, "f05.txt", "BC547B"},
        {"Tranzisztor/f05.txt", "smdcode 1A", 0, "f05.txt", "BC846A"},
        {"Tranzisztor/f05.txt", "transistor XYZ99", 1, "f05.txt", ""},
        {"SMD/!gyártók.txt", "smdcode 1A", 0, "gyártók", "BC846A"},
        {"SMD/!smd_szorzo.txt", "smd 103", 0, "szorzo", "10 K-ohm"},
        {"SMD/!smd_keramia.txt", "ceramic A2", 1, "keramia", ""},
        {"dioda.ini", "diode 1N40", 1, "dioda.ini", ""},
        // A user's file, a directory in its place, is named by its path.
        {"saját/dioda.ini", "diode 1N40", 0, "kondrix/dioda.ini", "1N4007"},
        {"saját/műszaki.txt", "dict kondenzátor", 0, "kondrix/műszaki.txt", "capacitor"},
        {"saját/SMD/!smd.txt", "smdcode 1A", 0, "kondrix/SMD/!smd.txt", "BC846A"},
        {"saját/Tranzisztor/f05.txt", "transistor BC54", 0, "Saját adatfájlok", "BC547B"},
    };
    const QString from = QStringLiteral(KONDRIX_BUILD_APP_DIR);
    for (const auto &c : cases) {
        SCOPED_TRACE(c.line);
        QTemporaryDir dir;
        ASSERT_TRUE(dir.isValid());
        for (const QString &part : {QStringLiteral("Tranzisztor"), QStringLiteral("SMD")}) {
            QDir().mkpath(dir.filePath(part));
            for (const QString &f : QDir(from + QLatin1Char('/') + part).entryList(QDir::Files))
                QFile::copy(from + QLatin1Char('/') + part + QLatin1Char('/') + f, dir.filePath(part + QLatin1Char('/') + f));
        }
        for (const QString &f : {QStringLiteral("kondrix-cli"), QStringLiteral("dioda.ini"), QStringLiteral("műszaki.txt")})
            ASSERT_TRUE(QFile::copy(from + QLatin1Char('/') + f, dir.filePath(f)));
        QTemporaryDir home;
        const QString own = QString::fromUtf8(c.file).section(QString::fromUtf8("saját/"), 1);
        if (own.isEmpty()) {
            ASSERT_TRUE(QFile::remove(dir.filePath(QString::fromUtf8(c.file))));
        } else {
            const QString mine = home.filePath(QStringLiteral("kondrix/") + own);
            ASSERT_TRUE(userrecords::writeAll(home.filePath(QStringLiteral("kondrix"))));
            ASSERT_TRUE(QFile::remove(mine) && QDir().mkpath(mine));
        }
        for (bool json : {false, true}) {
            const CliRun r = runCli(args(c.line) + (json ? QStringList{QStringLiteral("--json")} : QStringList()),
                                    dir.filePath(QStringLiteral("kondrix-cli")), own.isEmpty() ? QString() : home.path());
            EXPECT_EQ(r.code, c.code);
            EXPECT_TRUE(r.err.contains(QString::fromUtf8(c.errorHas))) << r.err.toStdString();
            EXPECT_TRUE(r.out.contains(QString::fromUtf8(c.outHas))) << r.out.toStdString();
        }
    }
}

TEST(CliCatalogs, UsersOwnRecordsComeAfterTheShippedOnesMarked)
{
    QTemporaryDir home;
    const QString cli = QStringLiteral(KONDRIX_CLI_PREFIX "/bin/kondrix-cli");
    ASSERT_TRUE(userrecords::writeAll(home.path() + QStringLiteral("/kondrix")));
    const struct
    {
        const char *line;
        const char *own;   // the start of the user's line
        int marks;         // the smdcode's base type is the user's transistor too
    } cases[] = {
        {"transistor BC546", userrecords::kTransistor, 1},
        {"diode 1N400", userrecords::kDiode, 1},
        {"smdcode 1A", "Kód: 1A | Egység: BC846SAJ", 2},
        {"dict ellenállás", userrecords::kTerm, 1},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.line);
        const CliRun r = runCli(args(c.line), cli, home.path());
        ASSERT_EQ(r.code, 0) << r.err.toStdString();
        QStringList lines = outLines(r);
        const QStringList bases = lines.filter(QRegularExpression(QStringLiteral("^Alap: ")));
        for (const QString &b : bases)
            lines.removeOne(b);
        ASSERT_GE(lines.size(), 2);
        EXPECT_TRUE(lines.last().startsWith(QString::fromUtf8(c.own))) << lines.last().toStdString();
        EXPECT_TRUE(lines.last().endsWith(QString::fromUtf8(" (saját)")));
        EXPECT_EQ(r.out.count(QString::fromUtf8("(saját)")), c.marks);

        const QJsonArray m =
            runCli(args(c.line) + QStringList{QStringLiteral("--json")}, cli, home.path()).json().value(QStringLiteral("matches")).toArray();
        ASSERT_EQ(m.size(), lines.size());
        EXPECT_FALSE(m.first().toObject().value(QStringLiteral("own")).toBool());
        EXPECT_TRUE(m.last().toObject().value(QStringLiteral("own")).toBool());
    }
}
