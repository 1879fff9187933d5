// SPDX-License-Identifier: GPL-3.0-or-later
#include "calculators/mod_rlc.h"
#include "calculators/rezgokor_calc.h"

#include <gtest/gtest.h>
#include <cmath>
#include <limits>

using namespace mod_RLC;

namespace {
constexpr double kPi = 3.14159265358979323846;
constexpr double kRel = 1e-9;   // the calculator's pi is good to about 3e-12

::testing::AssertionResult near(double actual, double expected)
{
    if (std::fabs(actual - expected) <= kRel * std::fabs(expected))
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << actual << " is not " << expected;
}
} // namespace

TEST(Prefixes, TablesHoldTheThirteenPrefixes)
{
    FillTables();
    FillTables();   // refilling writes the same contents
    const char *const names[] = {"atto", "femto", "piko", "nano", "mikro", "mili", "",
                                 "kilo", "Mega", "Giga", "Tera", "Peta", "Exa"};
    const QString letters = QStringLiteral("afpnum KMGTPE");
    for (int i = 0; i < kPrefixes; ++i) {
        EXPECT_EQ(shortName(i), QLatin1String(names[i]));
        EXPECT_EQ(letter(i), letters.at(i));
        EXPECT_EQ(exponent(i), -18 + 3 * i);
    }
    EXPECT_EQ(unitSymbol(6, Ohm) + unitSymbol(6, Farad), QStringLiteral(" ohm F"));   // the blank stays
    EXPECT_EQ(unitSymbol(7, Ohm) + unitSymbol(4, Henry) + unitSymbol(12, Hertz), QStringLiteral("KohmuHEHz"));
    // Outside the table: nothing, never a read beyond it.
    EXPECT_EQ(unitSymbol(-1, Ohm) + unitSymbol(13, Ohm) + shortName(13), QString());
}

TEST(Prefixes, ScalingATypedNumber)
{
    EXPECT_TRUE(near(scale(22, 4), 2.2e-5));
    EXPECT_TRUE(near(scale(4.7, 7), 4700));   // 4,7 typed with kilo
    EXPECT_TRUE(near(scale(1, 0), 1e-18));
}

struct NormaliseCase { double v; double mantissa; int index; };

TEST(Prefixes, NormalisationIntoOneToThousand)
{
    const NormaliseCase cases[] = {
        {1000, 1, 7}, {999.999, 999.999, 6}, {1, 1, 6}, {0.001, 1, 5}, {47e-9, 47, 3},
        {1e-9, 1, 3}, {1e18, 1, 12}, {1e-18, 1, 0}, {5032921.21043235, 5.03292121043235, 8},
        {1e21, 1, 13}, {1e-21, 1, -1}, {std::numeric_limits<double>::denorm_min(), 4.94065645841247, -102}};
    for (const NormaliseCase &c : cases) {
        SCOPED_TRACE(c.v);
        const auto n = qqq(c.v);
        ASSERT_TRUE(n.has_value());
        EXPECT_EQ(n->index, c.index);
        EXPECT_GE(n->mantissa, 1.0);
        EXPECT_LT(n->mantissa, 1000.0);
        EXPECT_NEAR(n->mantissa, c.mantissa, 1e-12 * c.mantissa);
    }
    for (double bad : {0.0, -1.0, -0.0, std::numeric_limits<double>::infinity(),
                       std::numeric_limits<double>::quiet_NaN()})
        EXPECT_FALSE(qqq(bad).has_value()) << bad;
}

// Every derived value and the impedance against the textbook formulas.
TEST(LcCalculation, AgreesWithTheClosedForms)
{
    const struct
    {
        bool ticked[3];
        double C, L, F;
        bool hiba;
        bool derived[3];
    } cases[] = {
        {{true, true, false}, 100e-12, 10e-6, 0, false, {false, false, true}},   // F from C and L
        {{true, false, true}, 100e-12, 0, 1e6, false, {false, true, false}},     // L from C and F
        {{false, true, true}, 0, 253e-6, 1e6, false, {true, false, false}},      // C from L and F
        {{true, true, true}, 47e-9, 1e-3, 5, false, {true, true, true}},          // all three in a chain
        {{true, true, false}, 2.2e-6, 0.5, 0, false, {false, false, true}},      // audio range
        {{true, false, false}, 1e-9, 0, 1e3, false, {false, false, false}},      // one ticked: as read
        {{true, false, false}, 1e-9, 0, 0, false, {false, false, false}},
        {{true, true, false}, 0, 0, 0, true, {false, false, false}},
        {{true, true, false}, 1e-9, 0, 5, true, {false, false, false}},          // the needed L is zero
        {{false, true, true}, 1e-9, 1e-3, 0, true, {false, false, false}},       // the needed F is zero
        {{true, true, false}, -1e-9, 1e-3, 0, false, {false, false, false}},     // pasted negative: no root
        {{true, true, false}, 1e-300, 1e-300, 0, false, {false, false, false}},  // overflowing result skipped
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << &c - cases);
        const double in[3] = {c.C, c.L, c.F};
        const rezgokor::Outcome r = rezgokor::calculate(c.ticked, in);
        EXPECT_EQ(r.hiba, c.hiba);
        for (int i = 0; i < 3; ++i)
            EXPECT_EQ(r.derived[i], c.derived[i]) << i;
        if (c.hiba) {
            EXPECT_FALSE(r.impedance.has_value());
            continue;
        }
        double C = c.C, L = c.L, F = c.F;
        if (c.derived[rezgokor::Frequency])
            F = 1 / (2 * kPi * std::sqrt(L * C));
        if (c.derived[rezgokor::Inductance])
            L = 1 / (std::pow(2 * kPi * F, 2) * C);
        if (c.derived[rezgokor::Capacitance])
            C = 1 / (std::pow(2 * kPi * F, 2) * L);
        EXPECT_TRUE(near(r.value[0], C));
        EXPECT_TRUE(near(r.value[1], L));
        EXPECT_TRUE(near(r.value[2], F));
        if (C > 0 && F > 0) {
            ASSERT_TRUE(r.impedance.has_value());
            EXPECT_TRUE(near(*r.impedance, 1 / (2 * kPi * F * C)));   // X_C
            if (L > 0 && (c.derived[0] || c.derived[1] || c.derived[2])) {
                EXPECT_TRUE(near(*r.impedance, 2 * kPi * F * L));     // = X_L at resonance
            }
        } else {
            EXPECT_FALSE(r.impedance.has_value());
        }
    }
}

TEST(LcCalculation, SkippedStepLeavesZeroForTheNextOne)
{
    // A pasted negative capacitance has no root: F stays 0, and the next
    // derivation, which needs F, reports the error.
    const bool all[3] = {true, true, true};
    const double in[3] = {-1e-9, 1e-3, 0};
    const rezgokor::Outcome r = rezgokor::calculate(all, in);
    EXPECT_TRUE(r.hiba);
    EXPECT_FALSE(r.derived[rezgokor::Frequency]);
}

TEST(GainAndDecibels, BothWaysAgreeWithTwentyLog10)
{
    for (double au : {2.0, 10.0, 0.5, 1.0, 1e-6, 123456.0, 1e300}) {
        SCOPED_TRACE(au);
        const double db = rezgokor::gainToDb(au);
        EXPECT_NEAR(db, 20 * std::log10(au), 1e-12 * std::max(1.0, std::fabs(db)));
        EXPECT_TRUE(near(rezgokor::dbToGain(db), au));
    }
    EXPECT_TRUE(near(rezgokor::dbToGain(-6), std::pow(10.0, -0.3)));
    EXPECT_FALSE(std::isfinite(rezgokor::dbToGain(7000)));   // beyond the double range
}

TEST(Prefixes, ValuesWrittenWithAPrefixLetter)
{
    const struct
    {
        const char *text;
        double value;   // base units; -1: no value
        int index;
    } cases[] = {
        {"10u", 10e-6, 4},     {"10µ", 10e-6, 4},    {"4,7n", 4.7e-9, 3},  {"100n", 100e-9, 3},
        {"4k7", 4700, 7},      {"4K7", 4700, 7},     {"2.2M", 2.2e6, 8},   {"2.2m", 2.2e-3, 5},
        {"1E", 1e18, 12},      {"1E3", 1000, 6},     {"1e-6", 1e-6, 6},    {"33", 33, 6},
        {"10uH", 10e-6, 4},    {" 5 p ", 5e-12, 2},  {"abc", -1, 0},       {"", -1, 0},
        {"1e400", -1, 0},      {"1e300E", -1, 0},    {"4k7k", -1, 0},      {"1..2", -1, 0},
        {"k", -1, 0},          {"10x", -1, 0},       {"10uh", -1, 0},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.text);
        const std::optional<Typed> t = readPrefixed(QString::fromUtf8(c.text), {QStringLiteral("H")});
        if (c.value < 0) {
            EXPECT_FALSE(t.has_value());
            continue;
        }
        ASSERT_TRUE(t.has_value());
        EXPECT_TRUE(near(t->value, c.value));
        EXPECT_EQ(t->index, c.index);
    }
    EXPECT_EQ(readPrefixed(QStringLiteral("1f"), {QStringLiteral("F")})->index, 1);   // femto, not a farad
    EXPECT_EQ(readPrefixed(QStringLiteral("3kOhm"), {QStringLiteral("ohm")})->value, 3000);
}
