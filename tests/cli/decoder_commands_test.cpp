// SPDX-License-Identifier: GPL-3.0-or-later
#include "clirun.h"

#include <QJsonArray>
#include <gtest/gtest.h>

namespace {

struct Decoded
{
    const char *command;
    const char *code;
    std::vector<const char *> lines;   // exactly what is printed
    double value;                      // ohms or picofarads in the JSON
};

// Worked examples of the SMD window and the capacitor windows, and codes
// worked out by hand: 103 = 10 * 10^3, 1002 = 100 * 10^2, 4992 = 499 * 10^2,
// 4R7 = 4.7, R010 = 0.010.
const Decoded kDecoded[] = {
    {"smd", "22A", {" 165 ohm", "1%-os ellenállás"}, 165},
    {"smd", "22a", {" 165 ohm", "1%-os ellenállás"}, 165},
    {"smd", "D18", {" 510 K-ohm", "2 %-os ellenállás"}, 510000},
    {"smd", "D24", {" 910 K-ohm", "2 %-os ellenállás"}, 910000},
    {"smd", "D25", {" 100 K-ohm", "5 %-os ellenállás"}, 100000},
    {"smd", "103", {" 10 K-ohm"}, 10000},
    {"smd", "1002", {" 10 K-ohm"}, 10000},
    {"smd", "4992", {" 49.9 K-ohm"}, 49900},
    {"smd", "105", {" 1 M-ohm"}, 1e6},
    {"smd", "4R7", {" 4.7 ohm"}, 4.7},
    {"smd", "r010", {" .01 ohm"}, 0.01},
    {"smd", "000", {" 0 ohm"}, 0},
    {"ceramic", "KA2", {"100 pF"}, 100},
    {"ceramic", "S3", {"4,7 nF"}, 4700},
    {"ceramic", "A9", {"0,1 pF"}, 0.1},
    {"ceramic", "A8", {"0,01 pF"}, 0.01},
    {"elko", "A475", {"4,7 uF/10 V"}, 4.7e6},
    {"elko", "e106", {"10 uF/2.5 V"}, 1e7},
    {"elko", "E106", {"10 uF/25 V"}, 1e7},
    {"cap", "154K", {"150000 pF", "150 nF", "0,15 uF", "10 %"}, 150000},
    {"cap", "472", {"4700 pF", "4,7 nF", "0,0047 uF"}, 4700},
    {"cap", "105m", {"1000000 pF", "1000 nF", "1 uF", "20 %"}, 1e6},
};

} // namespace

TEST(CliDecoders, PrintTheWindowsTextsAndTheValueInJson)
{
    for (const Decoded &d : kDecoded) {
        SCOPED_TRACE(std::string(d.command) + " " + d.code);
        const QStringList args{QString::fromUtf8(d.command), QString::fromUtf8(d.code)};
        const CliRun r = runCli(args);
        ASSERT_EQ(r.code, 0) << r.err.toStdString();
        QStringList expected;
        for (const char *l : d.lines)
            expected << QString::fromUtf8(l);
        EXPECT_EQ(outLines(r), expected);

        const QJsonObject j = runCli(args + QStringList{QStringLiteral("--json")}).json();
        const char *key = QLatin1String(d.command) == QLatin1String("smd") ? "ohms" : "picofarads";
        EXPECT_NEAR(j.value(QLatin1String(key)).toDouble(-1), d.value, d.value * 1e-12);
        EXPECT_FALSE(j.contains(QStringLiteral("error")));
    }
}

TEST(CliDecoders, SmdJsonNamesTheKindAndBothReadingsOfAnAmbiguousCode)
{
    const QJsonObject eia = runCli({QStringLiteral("smd"), QStringLiteral("22a"), QStringLiteral("--json")}).json();
    EXPECT_EQ(eia.value(QStringLiteral("code")).toString(), QStringLiteral("22A"));
    EXPECT_EQ(eia.value(QStringLiteral("kind")).toString(), QStringLiteral("EIA-96"));
    EXPECT_EQ(eia.value(QStringLiteral("tolerance")).toString(), QStringLiteral("1%-os ellenállás"));
    EXPECT_EQ(runCli({QStringLiteral("smd"), QStringLiteral("1002"), QStringLiteral("--json")})
                  .json().value(QStringLiteral("kind")).toString(),
              QStringLiteral("4-digit"));

    // 22R: the window reads EIA-96 (165 * 0.01); as a three-digit code the R is the point.
    const CliRun r = runCli({QStringLiteral("smd"), QStringLiteral("22R"), QStringLiteral("--json")});
    EXPECT_EQ(r.code, 0);
    EXPECT_DOUBLE_EQ(r.json().value(QStringLiteral("ohms")).toDouble(), 1.65);
    EXPECT_DOUBLE_EQ(r.json().value(QStringLiteral("alternative")).toObject().value(QStringLiteral("ohms")).toDouble(), 22);
}
