// SPDX-License-Identifier: GPL-3.0-or-later
#include "calculators/oszt_calc.h"

#include <gtest/gtest.h>
#include <cmath>

using namespace oszt;

namespace {
::testing::AssertionResult near(double actual, double expected)
{
    if (std::fabs(actual - expected) <= 1e-12 * std::fabs(expected))
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << actual << " is not " << expected;
}
} // namespace

TEST(DividerNames, PrefixNamesAndNormalisation)
{
    // Lower-case mega and giga here; no name between the steps or beyond Exa.
    EXPECT_EQ(prefixName(6) + prefixName(9) + prefixName(12), QStringLiteral("megagigaTera"));
    EXPECT_EQ(prefixName(0) + prefixName(21) + prefixName(4), QString());
    EXPECT_FALSE(normalise(0).has_value());
    EXPECT_EQ(quantityText(0, QStringLiteral("W")), QStringLiteral("0  W"));
    EXPECT_EQ(quantityText(1e-25, QStringLiteral("A")), QStringLiteral("1E-25  A"));
    EXPECT_EQ(quantityText(0.0015, QStringLiteral("A")), QStringLiteral("1,5 mili A"));
}

TEST(Divider, AgreesWithTheDividerFormula)
{
    const struct
    {
        int sought;
        double U1, R1, U2, R2;   // the sought one is ignored
        Status status;
    } cases[] = {
        {oszt::U2, 10, 4700, 0, 4700, Status::Shown},     {oszt::R1, 10, 0, 5, 4700, Status::Shown},
        {oszt::U1, 0, 1000, 3.3, 2200, Status::Shown},    {oszt::R2, 12, 10000, 5, 0, Status::Shown},
        {oszt::U2, 230, 1e-15, 0, 1e15, Status::Shown},   // tiny and huge
        {oszt::R2, 5, 1000, 5, 0, Status::Failed},        {oszt::R1, 5, 0, 5, 1000, Status::Failed},   // U1 = U2
        {oszt::R1, 5, 0, 6, 1000, Status::Failed},        {oszt::R2, 5, 1000, 6, 0, Status::Failed},   // U2 > U1
        {oszt::R1, 1e18, 0, 1e-18, 1e18, Status::Failed},   // beyond Exa
        {oszt::U2, 10, 4700, 0, 0, Status::NotEnough},
        {oszt::U2, -10, 4700, 0, 4700, Status::NotEnough},   // a negative counts as missing
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << &c - cases);
        const double in[4] = {c.U1, c.R1, c.U2, c.R2};
        double poisoned[4] = {c.U1, c.R1, c.U2, c.R2};
        poisoned[c.sought] = 12345;   // whatever stands in the sought row does not count
        const DividerOutcome r = divider(c.sought, in);
        EXPECT_EQ(divider(c.sought, poisoned).sought, r.sought);
        ASSERT_EQ(r.status, c.status);
        if (c.status != Status::Shown)
            continue;
        // U2 = U1 R2 / (R1 + R2), solved for the sought quantity.
        double U1 = c.U1, R1 = c.R1, U2 = c.U2, R2 = c.R2;
        switch (c.sought) {
        case oszt::U1: U1 = U2 * (R1 + R2) / R2; break;
        case oszt::R1: R1 = R2 * (U1 - U2) / U2; break;
        case oszt::U2: U2 = U1 * R2 / (R1 + R2); break;
        case oszt::R2: R2 = U2 * R1 / (U1 - U2); break;
        }
        const double expected[4] = {U1, R1, U2, R2};
        EXPECT_TRUE(near(r.sought, expected[c.sought]));
        EXPECT_TRUE(near(r.soughtScaled.mantissa * std::pow(10.0, r.soughtScaled.exponent), r.sought));
        const double I = U1 / (R1 + R2);
        EXPECT_TRUE(r.current.startsWith(QStringLiteral("I= ")));
        EXPECT_EQ(r.current, QStringLiteral("I= ") + quantityText(I, QStringLiteral("A")));
        EXPECT_EQ(r.powerR2, QStringLiteral("P(R2)= ") + quantityText(I * I * R2, QStringLiteral("W")));
        EXPECT_TRUE(r.decibel.startsWith(QStringLiteral("Osztás= - ")));
        const QString db = r.decibel.mid(10, r.decibel.size() - 13);   // between "Osztás= - " and " dB"
        const double expectedDb = 20 * std::log10(U1 / U2);
        EXPECT_NEAR(db.toDouble(), expectedDb, 1e-6 * std::max(1.0, expectedDb)) << qPrintable(r.decibel);
    }
}

TEST(Divider, PowerThatRoundsToZeroIsShownAsZero)
{
    // U1 - U2 rounds to 0 when R1 is negligible beside R2.
    const double in[4] = {10, 1e-18, 0, 1e18};
    const DividerOutcome r = divider(oszt::U2, in);
    ASSERT_EQ(r.status, Status::Shown);
    EXPECT_EQ(r.powerR1, QStringLiteral("P(R1)= 0  W"));
}

TEST(Parallel, AgreesWithTheProductOverSum)
{
    const struct
    {
        int sought;
        double R1, R2, RE;
        Status status;
    } cases[] = {
        {RE, 1000, 1000, 0, Status::Shown},   {RE, 4700, 2200, 0, Status::Shown},
        {PR1, 0, 1000, 600, Status::Shown},   {PR2, 1e6, 0, 9.1e5, Status::Shown},
        {PR1, 0, 500, 600, Status::Failed},   // RE above R2
        {PR1, 0, 500, 500, Status::Failed},   {PR2, 500, 0, 500, Status::Failed},   // RE equal to the other
        {RE, 1e-21, 1e-21, 0, Status::Failed},   // below atto
        {RE, 1000, 0, 0, Status::NotEnough},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << &c - cases);
        const double in[3] = {c.R1, c.R2, c.RE};
        const ParallelOutcome r = parallel(c.sought, in);
        ASSERT_EQ(r.status, c.status);
        if (c.status != Status::Shown)
            continue;
        // RE = R1 R2 / (R1 + R2), solved for the sought one.
        double expected = 0;
        switch (c.sought) {
        case PR1: expected = c.RE * c.R2 / (c.R2 - c.RE); break;
        case PR2: expected = c.RE * c.R1 / (c.R1 - c.RE); break;
        case RE: expected = c.R1 * c.R2 / (c.R1 + c.R2); break;
        }
        EXPECT_TRUE(near(r.sought, expected));
        EXPECT_TRUE(near(r.soughtScaled.mantissa * std::pow(10.0, r.soughtScaled.exponent), expected));
    }
}

