// SPDX-License-Identifier: GPL-3.0-or-later
#include "calculators/mod_trafo.h"
#include "core/appdir.h"
#include "core/textfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <csignal>
#include <limits>
#include <sys/resource.h>

using namespace mod_trafo;

namespace {
Result one(double U, double I, double eta = 80, double K = kHipersilK)
{
    const double u[] = {U}, i[] = {I};
    return szamit(u, i, 0, eta, K);
}

// The lines of a settings file, given joined by '|'.
QString file(const char *joined)
{
    return QString::fromUtf8(joined).replace(QLatin1Char('|'), QStringLiteral("\r\n")) + QStringLiteral("\r\n");
}

QByteArray readBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QStringList fileLines(const Settings &s)
{
    return textfile::splitLines(textfile::decode(settingsFileBytes(s)));
}

bool reread(const Settings &s, Settings *back)
{
    return ReadSettings(textfile::decode(settingsFileBytes(s)), back);
}
} // namespace

// The worked example (12 V, 2 A) is pinned label by label in the window test.
TEST(TrafoCalculation, RoundingOfPowerCoreAndCuts)
{
    EXPECT_EQ(one(40, 2, 100).power, QStringLiteral(" 90 - VA !"));   // a whole 80 VA still gains 10
    EXPECT_EQ(one(12, 2, 80, kEiK).core, QStringLiteral("7 - cm2"));   // floor(sqrt(40) + 1)
    EXPECT_EQ(one(12, 2.4999).secondary[0].crossSection, QStringLiteral("A: 0,99 mm2"));   // never up
    EXPECT_EQ(one(12, 2, 82.5).primaryTurns, QStringLiteral("1891 menet"));   // 9.009 x 230 x 0.9125
}

TEST(TrafoCalculation, MeaninglessInputGivesNoResult)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const struct { double U0, I0, U1, I1; int last; double eta, K; } cases[] = {
        {12, 0, 0, 0, 0, 80, 1.25},  {12, 2, 6, 0, 1, 80, 1.25},    // a current, a third winding missing
        {12, 2, 0, 0, 0, 0, 1.25},   {12, 2, 0, 0, 0, -80, 1.25},   // η 0 or negative
        {12, 2, 0, 0, 0, 80, 0},                                    // unknown core
        {-12, 2, 0, 0, 0, 80, 1.25}, {-12, -2, 0, 0, 0, 80, 1.25}, {12, 2, -30, 2, 1, 80, 1.25},
        {1e200, 1e200, 0, 0, 0, 80, 1.25}, {12, nan, 0, 0, 0, 80, 1.25},   // overflowing power, NaN
        {12, 2, 0, 0, 0, 1000, 1.25},   // η so high the turns go negative
        {12, 2, 12, 2, 5, 80, 1.25},    // a winding past the last
    };
    for (const auto &c : cases) {
        const double U[] = {c.U0, c.U1, 12, 12, 12, 12}, I[] = {c.I0, c.I1, 2, 2, 2, 2};
        EXPECT_FALSE(szamit(U, I, c.last, c.eta, c.K).valid) << c.U0 << " " << c.I0 << " " << c.eta;
    }
}

TEST(TrafoSettingsFile, RoundTrips)
{
    // η never picked: line 2 goes back exactly as read.
    const QString example = file("hatásfok|80| 4 |60|70|80|85|90|vasmag| 0 ");
    Settings s, back;
    ASSERT_TRUE(ReadSettings(example, &s));
    EXPECT_EQ(settingsFileBytes(s), textfile::encode(example));

    s.eta = Efficiency::fromNumber(85);
    s.setCore(Core::EI);
    EXPECT_EQ(fileLines(s).at(1), QStringLiteral(" 85 "));
    EXPECT_EQ(fileLines(s).last(), QStringLiteral(" 1 "));

    // A fractional efficiency and an entry holding a comma come back whole.
    s.eta = Efficiency::fromNumber(82.5);
    s.efficiencies = {QStringLiteral("82,5"), QStringLiteral("90")};
    ASSERT_TRUE(reread(s, &back));
    EXPECT_EQ(back.eta.value(), 82.5);
    EXPECT_EQ(back.efficiencies, s.efficiencies);

    // Quoted entries a bare line would change: outer blanks, line ends, the
    // word that ends the list.
    s.efficiencies = {QStringLiteral(" 85 "), QStringLiteral("8\r\n5"), QStringLiteral("vasmag"),
                      QStringLiteral("90")};
    ASSERT_TRUE(reread(s, &back));
    EXPECT_EQ(back.efficiencies, s.efficiencies);

    // An unknown core writes an empty last line, which leaves the core as it was.
    s.K = 0;
    EXPECT_EQ(fileLines(s).last(), QString());
    back.setCore(Core::EI);
    EXPECT_FALSE(reread(s, &back));
    EXPECT_EQ(back.K, kEiK);
}

TEST(TrafoReadSettings, TakesWhatTheFileSupplies)
{
    const struct
    {
        const char *text;   // lines joined by '|'
        bool complete;
        const char *eta, *entries;   // entries joined by '|'; nullptr stands for the built-in list
        double K;
    } cases[] = {
        {"hatásfok|75|0|75|vasmag|1", true, "75", "75", kEiK},
        {"hatásfok|75| 2 |  70  |\"72,5\"|80  |vasmag| 0 ", true, "75", "70|72,5|80", kHipersilK},
        {nullptr, false, "80", nullptr, kHipersilK},
        {"hatásfok|70", false, "70", nullptr, kHipersilK},
        {"hatásfok|sok| 0 |60|vasmag| 1 ", false, "80", "60", kEiK},
        {"hatásfok|\v70| 0 |60|vasmag| 1 ", false, "80", "60", kEiK},
        {"hatásfok|0| 0 |60|vasmag| 1 ", false, "80", "60", kEiK},
        {"hatásfok| 82,5 | 0 |60|vasmag| 1 ", true, " 82,5 ", "60", kEiK},
        {"hatásfok|100,5| 0 |60|vasmag| 1 ", false, "80", "60", kEiK},
        {"hatásfok|70|sok|60|vasmag| 1 ", false, "70", nullptr, kHipersilK},
        {"hatásfok|70|-1 |vasmag| 1 ", false, "70", nullptr, kEiK},
        {"hatásfok|70| 4 |60|65", false, "70", "60|65", kHipersilK},
        {"hatásfok|70| 99 |60|65|vasmag| 1 ", false, "70", "60|65", kEiK},
        {"hatásfok|70| 0 |60|vasmag", false, "70", "60", kHipersilK},
        {"hatásfok|70| 0 |60|vasmag| 2 ", false, "70", "60", kHipersilK},
        {"hatásfok\n70\n 0 \n60\nvasmag\n 1 ", false, "80", nullptr, kHipersilK},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.text ? c.text : "(empty)");
        Settings s, back;
        EXPECT_EQ(ReadSettings(c.text ? file(c.text) : QString(), &s), c.complete);
        EXPECT_EQ(s.eta.text(), QString::fromUtf8(c.eta));
        EXPECT_EQ(s.efficiencies, c.entries ? QString::fromUtf8(c.entries).split(QLatin1Char('|'))
                                            : Settings::defaultEfficiencies());
        EXPECT_EQ(s.K, c.K);
        EXPECT_TRUE(reread(s, &back));   // whatever was read, the next save writes a complete file
    }
}

// The label shows the efficiency text; the calculation must use the same number.
TEST(TrafoEfficiency, DecimalCommaReadsAsTheLabelShowsIt)
{
    const std::pair<const char *, double> cases[] = {
        {" 82,5 ", 82.5}, {"82.5", 82.5}, {"80", 80}, {"72,5%", 72.5}, {"1.5,5", 1.5}, {"sok", 0}};
    for (const auto &[text, value] : cases) {
        EXPECT_EQ(efficiencyNumber(QString::fromUtf8(text)), value) << text;
        EXPECT_EQ(Efficiency::fromText(QString::fromUtf8(text)).value(), value) << text;
    }
}

class TrafoSettingsOnDisk : public ::testing::Test
{
protected:
    void SetUp() override
    {
        resetSettings();
        appdir::setPath(dir.path());
        appdir::setUserConfigPath(userDir());
    }
    void TearDown() override
    {
        appdir::setPath(QString());
        appdir::setUserConfigPath(QString());
        resetSettings();
    }
    QString iniPath() const { return dir.filePath(QStringLiteral("trafo.ini")); }
    QString userDir() const { return home.filePath(QStringLiteral("kondrix")); }
    QString userIni() const { return userDir() + QStringLiteral("/trafo.ini"); }
    QTemporaryDir dir;
    QTemporaryDir home;
};

// Where a save lands and what the next start reads. An unwritable
// application directory is stood in for by a path below a regular file:
// tests run as root in CI, and root writes into a directory whatever its
// permission bits say, but not even root can create a file inside a file.
// The install test checks the same with real permissions, as another user.
TEST_F(TrafoSettingsOnDisk, SaveGoesWhereTheNextStartReads)
{
    struct Case
    {
        const char *name;
        bool appDirWritable;
        bool userCopy;
        bool expectInUserDir;
    };
    const Case cases[] = {
        {"portable copy", true, false, false},
        {"read-only install", false, false, true},
        {"user copy shadows a writable folder", true, true, true},
        {"user copy of a read-only install", false, true, true},
    };
    const QByteArray shipped = textfile::encode(file("hatásfok|80| 1 |80|85|vasmag| 0 "));
    const auto put = [](const QString &path, const QByteArray &bytes) {
        QDir().mkpath(QFileInfo(path).path());
        QFile f(path);
        return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        resetSettings();
        QDir(userDir()).removeRecursively();
        ASSERT_TRUE(put(iniPath(), shipped));
        if (c.userCopy)
            ASSERT_TRUE(put(userIni(), textfile::encode(file("hatásfok|85| 1 |80|85|vasmag| 1 "))));
        appdir::setPath(c.appDirWritable ? dir.path() : iniPath() + QStringLiteral("/x"));

        loadSettingsFile();
        EXPECT_EQ(settings().eta.text(), c.userCopy ? "85" : "80");
        settings().eta = Efficiency::fromNumber(70);
        QString error;
        ASSERT_TRUE(saveSettingsFile(&error)) << error.toStdString();
        EXPECT_EQ(QFileInfo::exists(userIni()), c.expectInUserDir);
        // The shipped file is replaced only in a portable copy.
        EXPECT_EQ(readBytes(iniPath()) == shipped, c.expectInUserDir);

        resetSettings();
        loadSettingsFile();
        EXPECT_EQ(settings().eta.display(), " 70 ");
        // (the stand-in for a read-only folder has no file to read the list from)
        const bool shippedRead = c.appDirWritable || c.userCopy;
        EXPECT_EQ(settings().efficiencies, shippedRead ? QStringList({"80", "85"}) : Settings::defaultEfficiencies());
        EXPECT_EQ(settings().K, c.userCopy ? kEiK : kHipersilK);
        appdir::setPath(dir.path());
    }
}

TEST_F(TrafoSettingsOnDisk, FullDiskKeepsTheOldFile)
{
    ASSERT_TRUE(saveSettingsFile(nullptr));
    const QByteArray old = readBytes(iniPath());
    settings().setCore(Core::EI);
    // No file may grow past 16 bytes (root ignores permission bits, not this limit).
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit tiny = saved;
    tiny.rlim_cur = 16;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &tiny), 0);
    QString error;
    const bool ok = saveSettingsFile(&error);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_FALSE(ok);
    EXPECT_TRUE(error.contains(QStringLiteral("nem sikerült"))) << error.toStdString();
    EXPECT_EQ(readBytes(iniPath()), old);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("trafo.ini")});
    // The user's folder was tried too and holds no cut file either.
    EXPECT_TRUE(QDir(userDir()).entryList(QDir::Files).isEmpty());
    EXPECT_TRUE(hasUnsavedSettings());
    ASSERT_TRUE(saveSettingsFile(&error));
    EXPECT_FALSE(hasUnsavedSettings());
}
