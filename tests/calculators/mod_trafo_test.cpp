#include "calculators/mod_trafo.h"
#include "core/appdir.h"
#include "core/textfile.h"

#include <QDir>
#include <QFile>
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

QString lines(std::initializer_list<const char *> ls)
{
    QString t;
    for (const char *l : ls)
        t += QString::fromUtf8(l) + QStringLiteral("\r\n");
    return t;
}

QByteArray readBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
} // namespace

TEST(TrafoCalculation, WorkedExampleTwelveVoltsTwoAmperes)
{
    const Result r = one(12, 2);
    ASSERT_TRUE(r.valid);
    EXPECT_EQ(r.power, QStringLiteral(" 40 - VA !"));
    EXPECT_EQ(r.core, QStringLiteral("6 - cm2"));
    EXPECT_EQ(r.primaryTurns, QStringLiteral("1555 menet"));
    EXPECT_EQ(r.primaryArea, QStringLiteral("Keresztm.: 0,06 mm2"));
    EXPECT_EQ(r.primaryDiameter, QStringLiteral("Átmérő   : 0,29 mm"));
    ASSERT_EQ(r.windings, 1);
    EXPECT_EQ(r.secondary[0].turns, QStringLiteral("100 menet"));
    EXPECT_EQ(r.secondary[0].crossSection, QStringLiteral("A: 0,8 mm2"));
    EXPECT_EQ(r.secondary[0].diameter, QStringLiteral("D: 1 mm"));
}

TEST(TrafoCalculation, RoundingOfPowerCoreAndCuts)
{
    // A whole multiple of 10 VA still gains 10 VA.
    EXPECT_EQ(one(40, 2, 100).power, QStringLiteral(" 90 - VA !"));
    // EI core, K = 1: floor(sqrt(40) + 1) = 7.
    EXPECT_EQ(one(12, 2, 80, kEiK).core, QStringLiteral("7 - cm2"));
    // 2.4999 A / 2.5 = 0.99996 mm2: cut to 0.99, never rounded to 1.
    EXPECT_EQ(one(12, 2.4999).secondary[0].crossSection, QStringLiteral("A: 0,99 mm2"));
    // η 82.5: P 30, A 5, Np = 9.009 x 230 x 0.9125 = 1890.77.
    EXPECT_EQ(one(12, 2, 82.5).primaryTurns, QStringLiteral("1891 menet"));
}

TEST(TrafoCalculation, SeveralWindingsAddTheirPowers)
{
    const double U[] = {12, 6, 0, 0, 0}, I[] = {2, 1, 0, 0, 0};
    const Result r = szamit(U, I, 1, 80, kHipersilK);
    ASSERT_TRUE(r.valid);
    EXPECT_EQ(r.power, QStringLiteral(" 40 - VA !"));   // 30 / 0.8 + 10 = 47.5 -> 40
    ASSERT_EQ(r.windings, 2);
    EXPECT_EQ(r.secondary[1].turns, QStringLiteral("50 menet"));   // 6 x 7.5075 x 1.1 = 49.5
    EXPECT_TRUE(r.secondary[2].turns.isEmpty());
}

TEST(TrafoCalculation, MeaninglessInputGivesTheClearedState)
{
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    struct Case
    {
        const char *what;
        double U0, I0, U1, I1;
        int last;
        double eta, K;
    } cases[] = {
        {"current still missing", 12, 0, 0, 0, 0, 80, 1.25},
        {"third winding empty", 12, 2, 6, 0, 1, 80, 1.25},
        {"efficiency 0", 12, 2, 0, 0, 0, 0, 1.25},
        {"negative efficiency", 12, 2, 0, 0, 0, -80, 1.25},
        {"unknown core, K 0", 12, 2, 0, 0, 0, 80, 0},
        {"negative power", -12, 2, 0, 0, 0, 80, 1.25},
        {"two negatives", -12, -2, 0, 0, 0, 80, 1.25},
        {"negative sum", 12, 2, -30, 2, 1, 80, 1.25},
        {"infinite voltage", inf, 2, 0, 0, 0, 80, 1.25},
        {"overflowing power", 1e200, 1e200, 0, 0, 0, 80, 1.25},
        {"NaN current", 12, nan, 0, 0, 0, 80, 1.25},
        {"NaN efficiency", 12, 2, 0, 0, 0, nan, 1.25},
        {"efficiency so high the turns turn negative", 12, 2, 0, 0, 0, 1000, 1.25},
        {"winding index past the last", 12, 2, 12, 2, 5, 80, 1.25},
    };
    for (const Case &c : cases) {
        const double U[] = {c.U0, c.U1, 12, 12, 12, 12}, I[] = {c.I0, c.I1, 2, 2, 2, 2};
        const Result r = szamit(U, I, c.last, c.eta, c.K);
        EXPECT_FALSE(r.valid) << c.what;
        EXPECT_TRUE(r.power.isEmpty()) << c.what;
    }
}

TEST(TrafoSettingsFile, ShippedFileIsWhatTheWriterWritesForTheDefaults)
{
    const QByteArray shipped = readBytes(QStringLiteral(KONDRIX_TEST_DATA "/../../data/trafo.ini"));
    ASSERT_FALSE(shipped.isEmpty());
    EXPECT_EQ(settingsFileBytes(Settings()), shipped);
    Settings s;
    s.setCore(Core::EI);
    s.efficiencies.clear();
    EXPECT_TRUE(ReadSettings(textfile::decode(shipped), &s));
    EXPECT_EQ(s.eta, Efficiency::fromText(QStringLiteral("80")));
    EXPECT_EQ(s.efficiencies, Settings::defaultEfficiencies());
    EXPECT_EQ(s.K, kHipersilK);
    EXPECT_EQ(s.fluxFigure, 1.6);
}

TEST(TrafoSettingsFile, RoundTrips)
{
    // The example file: five entries, η never picked (line 2 copied as read).
    const QString example = lines({"hatásfok", "80", " 4 ", "60", "70", "80", "85", "90", "vasmag", " 0 "});
    Settings s;
    ASSERT_TRUE(ReadSettings(example, &s));
    EXPECT_EQ(settingsFileBytes(s), textfile::encode(example));

    // 85 picked, EI chosen.
    s.eta = Efficiency::fromNumber(85);
    s.setCore(Core::EI);
    QStringList written = textfile::splitLines(textfile::decode(settingsFileBytes(s)));
    EXPECT_EQ(written.at(1), QStringLiteral(" 85 "));
    EXPECT_EQ(written.last(), QStringLiteral(" 1 "));
    Settings back;
    ASSERT_TRUE(ReadSettings(textfile::decode(settingsFileBytes(s)), &back));
    EXPECT_EQ(back.eta.value(), 85);
    EXPECT_EQ(efficiencyLabel(back.eta), QStringLiteral("Hatásfok: 85  %"));
    EXPECT_EQ(back.K, kEiK);
    EXPECT_EQ(back.fluxFigure, 1);

    // A fractional efficiency keeps its point, so it reads back whole.
    s.eta = Efficiency::fromNumber(82.5);
    EXPECT_EQ(efficiencyLabel(s.eta), QStringLiteral("Hatásfok:82,5 %"));
    ASSERT_TRUE(ReadSettings(textfile::decode(settingsFileBytes(s)), &back));
    EXPECT_EQ(back.eta.value(), 82.5);

    // An entry holding a comma comes back as one entry.
    s.efficiencies = {QStringLiteral("82,5"), QStringLiteral("90")};
    ASSERT_TRUE(ReadSettings(textfile::decode(settingsFileBytes(s)), &back));
    EXPECT_EQ(back.efficiencies, s.efficiencies);

    // An unknown core writes an empty last line, which reads as no code.
    s.K = 0;
    written = textfile::splitLines(textfile::decode(settingsFileBytes(s)));
    EXPECT_EQ(written.last(), QString());
    back.setCore(Core::EI);
    EXPECT_FALSE(ReadSettings(textfile::decode(settingsFileBytes(s)), &back));
    EXPECT_EQ(back.K, kEiK);
}

TEST(TrafoSettingsFile, ListCountAndFields)
{
    Settings s;
    ASSERT_TRUE(ReadSettings(lines({"hatásfok", "75", "0", "75", "vasmag", "1"}), &s));
    EXPECT_EQ(s.efficiencies, QStringList{QStringLiteral("75")});
    EXPECT_EQ(s.K, kEiK);

    // Data fields: leading and trailing blanks go, quotes go.
    ASSERT_TRUE(ReadSettings(lines({"hatásfok", "75", " 2 ", "  70  ", "\"72,5\"", "80  ", "vasmag", " 0 "}),
                             &s));
    EXPECT_EQ(s.efficiencies,
              (QStringList{QStringLiteral("70"), QStringLiteral("72,5"), QStringLiteral("80")}));
    EXPECT_EQ(s.K, kHipersilK);
}

TEST(TrafoSettingsFile, DamagedFilesKeepTheBuiltInValues)
{
    const Settings defaults;
    struct Case
    {
        const char *what;
        QString text;
        QString eta;          // expected η text
        int entries;          // expected list size
        double K;
    } cases[] = {
        {"empty", QString(), QStringLiteral("80"), 10, kHipersilK},
        {"title only", lines({"hatásfok"}), QStringLiteral("80"), 10, kHipersilK},
        {"efficiency only", lines({"hatásfok", "70"}), QStringLiteral("70"), 10, kHipersilK},
        {"efficiency garbled", lines({"hatásfok", "sok", " 0 ", "60", "vasmag", " 1 "}), QStringLiteral("80"), 1,
         kEiK},
        {"efficiency 0", lines({"hatásfok", "0", " 0 ", "60", "vasmag", " 1 "}), QStringLiteral("80"), 1, kEiK},
        {"count garbled", lines({"hatásfok", "70", "sok", "60", "vasmag", " 1 "}), QStringLiteral("70"), 10,
         kHipersilK},
        {"count negative", lines({"hatásfok", "70", "-1 ", "vasmag", " 1 "}), QStringLiteral("70"), 10, kEiK},
        {"list cut short", lines({"hatásfok", "70", " 4 ", "60", "65"}), QStringLiteral("70"), 2, kHipersilK},
        {"count too large", lines({"hatásfok", "70", " 99 ", "60", "65", "vasmag", " 1 "}), QStringLiteral("70"), 2,
         kEiK},
        {"core code missing", lines({"hatásfok", "70", " 0 ", "60", "vasmag"}), QStringLiteral("70"), 1, kHipersilK},
        {"core code unknown", lines({"hatásfok", "70", " 0 ", "60", "vasmag", " 2 "}), QStringLiteral("70"), 1,
         kHipersilK},
        {"LF line ends", QStringLiteral("hatásfok\n70\n 0 \n60\nvasmag\n 1 \n"), QStringLiteral("80"), 10,
         kHipersilK},
    };
    for (const Case &c : cases) {
        Settings s;
        EXPECT_FALSE(ReadSettings(c.text, &s)) << c.what;
        EXPECT_EQ(s.eta.text(), c.eta) << c.what;
        EXPECT_EQ(s.efficiencies.size(), c.entries) << c.what;
        EXPECT_EQ(s.K, c.K) << c.what;
        // Whatever was read, the next save writes a complete file.
        Settings back;
        EXPECT_TRUE(ReadSettings(textfile::decode(settingsFileBytes(s)), &back)) << c.what;
    }
}

class TrafoSettingsOnDisk : public ::testing::Test
{
protected:
    void SetUp() override
    {
        resetSettings();
        appdir::setPath(dir.path());
    }
    void TearDown() override
    {
        appdir::setPath(QString());
        resetSettings();
    }
    QString iniPath() const { return dir.path() + QStringLiteral("/trafo.ini"); }
    QTemporaryDir dir;
};

TEST_F(TrafoSettingsOnDisk, MissingFileStartsWithDefaults)
{
    loadSettingsFile();
    EXPECT_EQ(settings().eta.value(), 80);
    EXPECT_EQ(settings().K, kHipersilK);
    EXPECT_EQ(settings().efficiencies, Settings::defaultEfficiencies());
    QString error;
    ASSERT_TRUE(saveSettingsFile(&error));
    EXPECT_EQ(readBytes(iniPath()), settingsFileBytes(Settings()));
}

TEST_F(TrafoSettingsOnDisk, FailedSaveKeepsOldFileAndSettings)
{
    const QByteArray old = settingsFileBytes(Settings());
    {
        QFile f(iniPath());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(old);
    }
    settings().setCore(Core::EI);
    settings().eta = Efficiency::fromNumber(90);

    // A full disk: no file may grow past 16 bytes (root ignores permission
    // bits, not this limit).
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
    EXPECT_TRUE(hasUnsavedSettings());
    // Re-opening a window must not bring the old file back over the changes.
    loadSettingsFile();
    EXPECT_EQ(settings().K, kEiK);
    EXPECT_EQ(settings().eta.value(), 90);

    ASSERT_TRUE(saveSettingsFile(&error));
    EXPECT_FALSE(hasUnsavedSettings());
    EXPECT_EQ(textfile::splitLines(textfile::decode(readBytes(iniPath()))).last(), QStringLiteral(" 1 "));
}
