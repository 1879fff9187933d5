// SPDX-License-Identifier: GPL-3.0-or-later
#include "clirun.h"

#include <QJsonArray>
#include <gtest/gtest.h>

TEST(CliBenchCalculators, KeysValuesAndExitCodes)
{
    struct Case
    {
        const char *line;
        int code;
        const char *key;    // a number the answer must hold
        double expected;
        const char *others; // further keys, blank-separated
    };
    const Case cases[] = {
        {"eseries 4k1 --series E12 --max 2", 0, "target_ohms", 4100, "series best"},
        {"ratio --uin 5 --uout 3,3", 0, "r2_ohms", 9100, "r1_ohms uout error_percent"},
        {"ratio --uin 5 --uout 3.3 --total 10k", 0, "r1_ohms", 3900, "r2_ohms uout error_percent"},
        {"led --supply 12 --uf 2 --if 20m --count 3", 0, "standard_ohms", 300, "exact_ohms current_a power_w"},
        {"led --supply 5 --uf 2 --if 20m --count 3", 1, nullptr, 0, "error"},
        {"555 astable --r1 1k --r2 10k --c 100n", 0, "duty_percent", 100.0 * 11 / 21, "frequency_hz high_s low_s"},
        {"555 mono --r 10k --c 100u", 0, "pulse_s", 1.0986122886681098, ""},
        {"555 astable --f 1k --duty 60", 0, "c_farads", 1.5e-9, "r1_ohms r2_ohms frequency_hz"},
        {"555 astable --f 1k --duty 50", 1, nullptr, 0, "error"},
        {"regulator --r1 240 --r2 720", 0, "uout", 5.036, ""},
        {"regulator --uout -5 --series E24 --uin -9 --iload 0,1", 0, "uout", -5.001470588235294,
         "r1_ohms r2_ohms dissipation_w dropout_ok"},
        {"rc --r 1k --c 100n", 0, "tau_s", 1e-4, "cutoff_hz"},
        {"reactance --f 1k --l 10m", 0, "ohms", 62.83185307179586, ""},
        {"coil --d 10m --len 20m --l 10u --wire 0.5m", 0, "turns_rounded", 50, "turns fits"},
        {"wire --awg 0000", 0, "awg", -3, "diameter_m area_mm2 ohms_per_m"},
        {"wire --d 0,5m", 0, "awg", 24, "diameter_m area_mm2 ohms_per_m"},
        {"rc --r 1k --c 100n --f 1k", 2, nullptr, 0, "error"},
        {"eseries 4k1 --max 4", 2, nullptr, 0, "error"},
    };
    for (const Case &c : cases) {
        const CliRun r = runCli(args(c.line) + QStringList{QStringLiteral("--json")});
        ASSERT_EQ(r.code, c.code) << c.line << "\n" << r.err.toStdString();
        const QJsonObject j = r.json();
        if (c.key) {
            EXPECT_NEAR(j.value(QLatin1String(c.key)).toDouble(NAN), c.expected, 1e-9 * std::abs(c.expected)) << c.line;
        }
        for (const QString &k : args(c.others))
            EXPECT_TRUE(j.contains(k)) << c.line << " " << k.toStdString();
    }
}

TEST(CliBenchCalculators, SolverListIsBestFirst)
{
    const QJsonObject j = runCli(args("eseries 4k1 --series E12 --max 2 --json")).json();
    const QJsonArray best = j.value(QStringLiteral("best")).toArray();
    ASSERT_FALSE(best.isEmpty());
    const QJsonObject first = best.first().toObject();
    EXPECT_EQ(first.value(QStringLiteral("connection")).toString(), QStringLiteral("parallel"));   // 8k2 || 8k2
    EXPECT_EQ(first.value(QStringLiteral("values_ohms")).toArray(), (QJsonArray{8200, 8200}));
    EXPECT_EQ(first.value(QStringLiteral("error_percent")).toDouble(), 0);
}
