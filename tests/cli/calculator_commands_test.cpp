// SPDX-License-Identifier: GPL-3.0-or-later
#include "clirun.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cmath>

namespace {

constexpr double kPi = 3.14159265358979323846;

QJsonObject json(const char *line) { return runCli(args(line) + QStringList{QStringLiteral("--json")}).json(); }

double value(const QJsonObject &o, const char *key, const char *inner = "value")
{
    return o.value(QLatin1String(key)).toObject().value(QLatin1String(inner)).toDouble(-1);
}

} // namespace

TEST(CliCalculators, TransformerWorkedExampleWithTheShippedSettings)
{
    const CliRun r = runCli(args("trafo 12V:2A"));
    ASSERT_EQ(r.code, 0) << r.err.toStdString();
    EXPECT_EQ(outLines(r), (QStringList{QStringLiteral("Hipersil vasmag"), QStringLiteral("Hatásfok:80 %"),
                                        QStringLiteral("Vasmag keresztmetszet: 6 - cm2"),
                                        QStringLiteral("Primer tekercs: 40 - VA !  1555 menet  Keresztm.: 0,06 mm2  "
                                                       "Átmérő   : 0,29 mm"),
                                        QStringLiteral("1. tekercs: 100 menet  A: 0,8 mm2  D: 1 mm")}));
    // Two windings, commas as decimal points: 24 + 3 = 27 VA / 0.8 -> 40 VA.
    const QJsonObject j = json("trafo 12V:2A 6V:0,5A");
    EXPECT_EQ(j.value(QStringLiteral("voltAmperes")).toDouble(), 40);
    EXPECT_EQ(j.value(QStringLiteral("coreSquareCm")).toDouble(), 6);
    EXPECT_EQ(j.value(QStringLiteral("primary")).toObject().value(QStringLiteral("turnCount")).toDouble(), 1555);
    const QJsonArray sec = j.value(QStringLiteral("secondary")).toArray();
    ASSERT_EQ(sec.size(), 2);
    // 6 V * 7.5075 turns/V * 1.1 = 49.55 -> 50; 0.5 A / 2.5 = 0.2 mm2.
    EXPECT_EQ(sec.at(1).toObject().value(QStringLiteral("turnCount")).toDouble(), 50);
    EXPECT_EQ(sec.at(1).toObject().value(QStringLiteral("crossSection")).toString(), QStringLiteral("A: 0,2 mm2"));
}

TEST(CliCalculators, TransformerReadsTheUsersOwnSettingsFirst)
{
    QTemporaryDir home;
    ASSERT_TRUE(QDir(home.path()).mkpath(QStringLiteral("kondrix")));
    QFile ini(home.path() + QStringLiteral("/kondrix/trafo.ini"));
    ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
    ini.write("hat\xe1sfok\r\n100\r\n 0 \r\n100\r\nvasmag\r\n 1 \r\n");   // EI core, 100 %
    ini.close();
    const CliRun r = runCli(args("trafo 40V:2A --json"), QStringLiteral(KONDRIX_CLI_PREFIX "/bin/kondrix-cli"),
                            QString(), home.path());
    EXPECT_EQ(r.code, 0);
    const QJsonObject j = r.json();
    EXPECT_EQ(j.value(QStringLiteral("core")).toString(), QStringLiteral("EI- vasmag"));
    EXPECT_EQ(j.value(QStringLiteral("efficiency")).toString(), QStringLiteral("Hatásfok:100 %"));
    // 80 VA at 100 % gains 10 VA: 90; floor(sqrt(90 / 1.0) + 1) = 10 cm2.
    EXPECT_EQ(j.value(QStringLiteral("voltAmperes")).toDouble(), 90);
    EXPECT_EQ(j.value(QStringLiteral("coreSquareCm")).toDouble(), 10);
}

TEST(CliCalculators, ResonanceFromEachPairAgainstTheClosedForms)
{
    const double L = 10e-6, C = 100e-9;
    const double f = 1 / (2 * kPi * std::sqrt(L * C));
    const struct
    {
        const char *line;
        const char *computed;
        double expected;
    } cases[] = {
        {"lc --L 10u --C 100n", "frequency", f},
        {"lc --L 10µH --f 159154.943091895", "capacitance", 1 / (std::pow(2 * kPi * 159154.943091895, 2) * L)},
        {"lc --C 0,1u --f 1k", "inductance", 1 / (std::pow(2 * kPi * 1000, 2) * C)},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.line);
        const QJsonObject j = json(c.line);
        ASSERT_FALSE(j.contains(QStringLiteral("error")));
        EXPECT_NEAR(value(j, c.computed), c.expected, c.expected * 1e-9);
        EXPECT_TRUE(j.value(QLatin1String(c.computed)).toObject().value(QStringLiteral("computed")).toBool());
        // X = 1 / (2 pi f C) at resonance.
        const double cap = value(j, "capacitance"), freq = value(j, "frequency");
        EXPECT_NEAR(j.value(QStringLiteral("ohms")).toDouble(), 1 / (2 * kPi * freq * cap), 1e-6);
    }
    const QStringList lines = outLines(runCli(args("lc --L 10u --C 100n")));
    ASSERT_EQ(lines.size(), 4);
    EXPECT_EQ(lines.at(0), QStringLiteral("Kapacitás: 100 nF"));
    EXPECT_EQ(lines.at(1), QStringLiteral("Induktivitás: 10 uH"));
    ASSERT_TRUE(lines.at(2).startsWith(QStringLiteral("Frekvencia: 159,15494309")));
    EXPECT_TRUE(lines.at(2).endsWith(QStringLiteral(" KHz")));
    EXPECT_TRUE(lines.at(3).startsWith(QStringLiteral("Impedancia: ")));
}

TEST(CliCalculators, GainAndDecibelsBothWays)
{
    const struct
    {
        const char *line;
        const char *text;
        const char *key;
        double expected;
    } cases[] = {
        {"db 20", "Decibelből - Erősítés = 10", "gain", 10},
        {"db -6", nullptr, "gain", std::pow(10.0, -6.0 / 20)},
        {"db 0,5", nullptr, "gain", std::pow(10.0, 0.5 / 20)},
        {"gain 10", "Erősítésből - Decibel = 20 dB", "decibels", 20},
        {"gain 2", "Erősítésből - Decibel = 6,02059991327962 dB", "decibels", 20 * std::log10(2.0)},
        {"gain 0.5", nullptr, "decibels", 20 * std::log10(0.5)},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.line);
        if (c.text) {
            EXPECT_EQ(outLines(runCli(args(c.line))), QStringList{QString::fromUtf8(c.text)});
        }
        EXPECT_NEAR(json(c.line).value(QLatin1String(c.key)).toDouble(), c.expected, 1e-12);
    }
}

TEST(CliCalculators, DividerWithEachQuantitySoughtAndParallelPair)
{
    // U2 = U1 * R2 / (R1 + R2) with U1 = 12, R1 = 14k, R2 = 10k gives 5.
    const struct
    {
        const char *line;
        const char *sought;
        double expected;
    } cases[] = {
        {"divider U1=12 U2=5 R2=10k", "R1", 14000},
        {"divider u1=12 r1=14k u2=5", "R2", 10000},
        {"divider R1=14k U2=5 R2=10k", "U1", 12},
        {"divider U1=12V R1=14kohm R2=10000", "U2", 5},
        {"parallel 10k 4k7", "RE", 10000.0 * 4700 / (10000 + 4700)},
        {"parallel R1=10k RE=2k", "R2", 1 / (1 / 2000.0 - 1 / 10000.0)},
        {"parallel RE=1k R2=1,5k", "R1", 1 / (1 / 1000.0 - 1 / 1500.0)},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.line);
        const QJsonObject j = json(c.line);
        EXPECT_EQ(j.value(QStringLiteral("sought")).toString(), QLatin1String(c.sought));
        const double v = j.value(QLatin1String(c.line[0] == 'd' ? "value" : "ohms")).toDouble();
        EXPECT_NEAR(v, c.expected, c.expected * 1e-12);
    }
    EXPECT_EQ(outLines(runCli(args("divider U1=12 U2=5 R2=10k"))),
              (QStringList{QStringLiteral("R1= 14 kilo ohm"), QStringLiteral("I= 500 mikro A"),
                           QStringLiteral("P(R1)= 3,5 mili W"), QStringLiteral("P(R2)= 2,5 mili W"),
                           QStringLiteral("Osztás= 2,4:1"), QStringLiteral("Osztás= - 7.6042248 dB")}));
    EXPECT_EQ(outLines(runCli(args("parallel 10k 10k"))), QStringList{QStringLiteral("RE= 5 kilo ohm")});
}

TEST(CliCalculators, NumberBases)
{
    const struct
    {
        const char *line;
        const char *bin, *dec, *hex;
    } cases[] = {
        {"base ff --from hex", "11111111", "255", "FF"},
        {"base 101 --from bin", "101", "5", "05"},
        {"base 65535", "1111111111111111", "65535", "FFFF"},
        {"base 18446744073709551615 --from dec",
         "1111111111111111111111111111111111111111111111111111111111111111", "18446744073709551615",
         "FFFFFFFFFFFFFFFF"},
        {"base 9007199254740993", "100000000000000000000000000000000000000000000000000001", "9007199254740993",
         "0020000000000001"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.line);
        const QJsonObject j = json(c.line);
        EXPECT_EQ(j.value(QStringLiteral("bin")).toString(), QLatin1String(c.bin));
        EXPECT_EQ(j.value(QStringLiteral("dec")).toString(), QLatin1String(c.dec));
        EXPECT_EQ(j.value(QStringLiteral("hex")).toString(), QLatin1String(c.hex));
    }
    EXPECT_EQ(outLines(runCli(args("base ff --from hex"))),
              (QStringList{QStringLiteral("Bináris: 11111111"), QStringLiteral("Decimális: 255"),
                           QStringLiteral("Hexadecimális: FF")}));
    // A character error: the error line on standard error, the window's values still shown.
    for (const char *line : {"base 102 --from bin", "base 1g --from hex", "base 12a"}) {
        SCOPED_TRACE(line);
        const CliRun r = runCli(args(line));
        EXPECT_EQ(r.code, 2);
        EXPECT_EQ(r.err.trimmed(), QStringLiteral("Karakter hiba !!!!!!"));
        EXPECT_EQ(outLines(r).size(), 3);
        EXPECT_TRUE(outLines(r).value(2).startsWith(QStringLiteral("Hexadecimális: ")));
    }
}
