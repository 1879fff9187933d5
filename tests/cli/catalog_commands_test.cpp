#include "clirun.h"
#include "support/userrecords.h"

#include <QJsonArray>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QStringList outLines(const CliRun &r) { return r.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts); }

QStringList args(const char *line) { return QString::fromUtf8(line).split(QLatin1Char(' '), Qt::SkipEmptyParts); }

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

    // No code is "1a": the codes holding it are listed instead (1A, 1AM).
    const QJsonObject loose = runCli(args("smdcode 1a --json")).json();
    EXPECT_FALSE(loose.value(QStringLiteral("exact")).toBool());
    QStringList codes;
    for (const QJsonValue &m : loose.value(QStringLiteral("matches")).toArray())
        codes << m.toObject().value(QStringLiteral("code")).toString();
    EXPECT_TRUE(codes.contains(QStringLiteral("1AM")));
    EXPECT_TRUE(codes.contains(QStringLiteral("1A")));
}

TEST(CliCatalogs, NothingFoundIsOneAndBadUsageIsTwo)
{
    const struct
    {
        const char *line;
        int code;
    } cases[] = {
        {"transistor ZZZZ", 1}, {"diode QQQQ", 1},    {"smdcode ZZZ9", 1}, {"dict xyzzyq", 1},
        {"transistor B", 2},    {"transistor", 2},    {"diode 1N --x", 2}, {"dict kondenzátor --lang fr", 2},
        {"dict kondenzátor --lang", 2}, {"smdcode", 2}, {"dict a b", 2},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.line);
        const CliRun r = runCli(args(c.line));
        EXPECT_EQ(r.code, c.code);
        EXPECT_TRUE(r.out.isEmpty());
        EXPECT_FALSE(r.err.isEmpty());
        EXPECT_FALSE(runCli(args(c.line) + QStringList{QStringLiteral("--json")})
                         .json().value(QStringLiteral("error")).toString().isEmpty());
    }
    EXPECT_EQ(runCli({QStringLiteral("transistor"), QString()}).code, 2);
}

TEST(CliCatalogs, HelpListsEveryCommand)
{
    const QString help = runCli({QStringLiteral("--help")}).out;
    for (const char *name : {"smd", "ceramic", "elko", "cap", "trafo", "lc", "db", "gain", "divider", "parallel",
                             "base", "transistor", "diode", "smdcode", "dict"})
        EXPECT_TRUE(help.contains(QStringLiteral("  %1 ").arg(QLatin1String(name)))) << name;
    const CliRun one = runCli(args("lc --help"));
    EXPECT_EQ(one.code, 0);
    EXPECT_TRUE(one.out.contains(QStringLiteral("--L")));
}

TEST(CliCatalogs, UsersOwnRecordsComeAfterTheShippedOnesMarked)
{
    QTemporaryDir home;
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
        const CliRun r = runCli(args(c.line), home.path());
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
            runCli(args(c.line) + QStringList{QStringLiteral("--json")}, home.path()).json().value(QStringLiteral("matches")).toArray();
        ASSERT_EQ(m.size(), lines.size());
        EXPECT_FALSE(m.first().toObject().value(QStringLiteral("own")).toBool());
        EXPECT_TRUE(m.last().toObject().value(QStringLiteral("own")).toBool());
    }
}
