// SPDX-License-Identifier: GPL-3.0-or-later
#include "calculators/coil_calc.h"
#include "calculators/led_calc.h"
#include "calculators/rc_calc.h"
#include "calculators/regulator_calc.h"
#include "calculators/timer555.h"
#include "calculators/wire_calc.h"

#include <gtest/gtest.h>

#include <cmath>
#include <algorithm>

namespace {
constexpr double kPi = 3.14159265358979323846;
}

TEST(LedResistor, StandardValueAtOrAboveAndItsRating)
{
    struct Case { double supply, uf, i; int count; double exact, standard, rating; };
    const Case cases[] = {
        {12, 2, 20e-3, 3, 300, 300, 0.25},      // 6 V * 20 mA = 120 mW
        {12, 2, 20e-3, 1, 500, 510, 0.5},       // 10 V / 510 = 19.6 mA, 196 mW
        {5, 1.8, 10e-3, 1, 320, 330, 0.125},    // 31 mW
        {230, 3, 0.35, 2, 640, 680, 148},       // 73.8 W: beyond 5 W in whole watts
    };
    for (const Case &c : cases) {
        const led::Result r = led::calculate({c.supply, c.uf, c.i, c.count, eseries::Series::E24});
        ASSERT_TRUE(r.ok()) << qPrintable(r.message);
        EXPECT_DOUBLE_EQ(r.exactOhms, c.exact);
        EXPECT_DOUBLE_EQ(r.standardOhms, c.standard);
        const double drop = c.supply - c.count * c.uf;
        EXPECT_DOUBLE_EQ(r.currentA, drop / c.standard);
        EXPECT_DOUBLE_EQ(r.powerW, drop * drop / c.standard);
        EXPECT_EQ(r.ratingW, c.rating);
    }
    EXPECT_EQ(led::suggestedRating(0.12), 0.25);
    EXPECT_EQ(led::suggestedRating(0.0625), 0.125);
    EXPECT_EQ(led::suggestedRating(2.6), 6);
    const led::Result low = led::calculate({5, 2, 20e-3, 3, eseries::Series::E24});
    EXPECT_EQ(low.status, calc::Status::NoSolution);
    EXPECT_TRUE(low.message.contains(QStringLiteral("tápfeszültség")));
    EXPECT_EQ(led::calculate({6, 2, 20e-3, 3, eseries::Series::E24}).status, calc::Status::NoSolution);
}

TEST(Timer555, ClosedFormsAndTheBackCalculation)
{
    const timer555::AstableResult a = timer555::astable(1e3, 10e3, 100e-9);
    ASSERT_TRUE(a.ok());
    EXPECT_NEAR(a.frequencyHz, 1 / (std::log(2.0) * 21e3 * 100e-9), 1e-9);
    EXPECT_NEAR(a.dutyPercent, 100.0 * 11 / 21, 1e-12);
    EXPECT_NEAR(a.highS, std::log(2.0) * 11e3 * 100e-9, 1e-15);
    EXPECT_NEAR(a.lowS, std::log(2.0) * 10e3 * 100e-9, 1e-15);
    EXPECT_NEAR(timer555::monostable(10e3, 100e-6).pulseS, std::log(3.0), 1e-12);

    for (double f : {1e3, 0.5, 38e3})
        for (double duty : {51.0, 60.0, 90.0}) {
            const timer555::DesignResult d = timer555::design({f, duty, eseries::Series::E24});
            ASSERT_TRUE(d.ok()) << f << " " << duty;
            const timer555::AstableResult check = timer555::astable(d.r1Ohms, d.r2Ohms, d.cFarads);
            EXPECT_DOUBLE_EQ(check.frequencyHz, d.frequencyHz);
            EXPECT_NEAR(d.frequencyErrorPercent, (d.frequencyHz - f) / f * 100, 1e-9);
            EXPECT_LT(std::fabs(d.frequencyErrorPercent), 3);
            EXPECT_LT(std::fabs(d.dutyErrorPercent), 2);
        }
    EXPECT_EQ(timer555::design({1e3, 50, eseries::Series::E24}).status, calc::Status::NoSolution);
    EXPECT_EQ(timer555::design({1e3, 100, eseries::Series::E24}).status, calc::Status::BadInput);
    EXPECT_EQ(timer555::design({1e9, 60, eseries::Series::E24}).status, calc::Status::NoSolution);
}

TEST(Regulator, ForwardBackAndLoad)
{
    EXPECT_DOUBLE_EQ(regulator::forward(240, 720).uout, 1.25 * 4 + 50e-6 * 720);
    EXPECT_DOUBLE_EQ(regulator::forward(240, 720, {1.2, 0, 3}).uout, 4.8);
    for (double u : {3.3, 5.0, 12.0, 24.0}) {
        const regulator::Result r = regulator::design(u, eseries::Series::E24);
        ASSERT_TRUE(r.ok()) << u;
        EXPECT_GE(r.r1Ohms, regulator::kMinR1);
        EXPECT_LE(r.r1Ohms, regulator::kMaxR1);
        EXPECT_DOUBLE_EQ(r.uout, regulator::forward(r.r1Ohms, r.r2Ohms).uout);
        EXPECT_LT(std::fabs(r.errorPercent), 1) << u;
    }
    const regulator::Result hot = regulator::forward(240, 720, {}, {12, 1});
    EXPECT_TRUE(hot.loadChecked && hot.dropoutOk);
    EXPECT_DOUBLE_EQ(hot.dissipationW, 12 - hot.uout);
    const regulator::Result tight = regulator::forward(240, 720, {}, {7, 1});
    EXPECT_TRUE(tight.ok());
    EXPECT_FALSE(tight.dropoutOk);
    EXPECT_FALSE(tight.message.isEmpty());
    EXPECT_EQ(regulator::design(1.0).status, calc::Status::NoSolution);
}

TEST(RcAndReactance, AnyTwoGiveTheThird)
{
    const double R = 1e3, C = 100e-9, f = 1 / (2 * kPi * R * C);
    const rc::RcResult fwd = rc::rcFilter(R, C, 0);
    EXPECT_NEAR(fwd.cutoffHz, f, 1e-9);
    EXPECT_DOUBLE_EQ(fwd.tauS, R * C);
    EXPECT_NEAR(rc::rcFilter(0, C, f).rOhms, R, 1e-9);
    EXPECT_NEAR(rc::rcFilter(R, 0, f).cFarads, C, 1e-20);
    EXPECT_EQ(rc::rcFilter(R, C, f).status, calc::Status::BadInput);
    EXPECT_EQ(rc::rcFilter(R, -C, 0).status, calc::Status::BadInput);

    const double Xc = 1 / (2 * kPi * 1e3 * C);
    EXPECT_NEAR(rc::capacitive(0, 1e3, C).ohms, Xc, 1e-9);
    EXPECT_NEAR(rc::capacitive(Xc, 0, C).frequencyHz, 1e3, 1e-9);
    EXPECT_NEAR(rc::capacitive(Xc, 1e3, 0).farads, C, 1e-20);
    const double Xl = 2 * kPi * 1e3 * 10e-3;
    EXPECT_NEAR(rc::inductive(0, 1e3, 10e-3).ohms, Xl, 1e-12);
    EXPECT_NEAR(rc::inductive(Xl, 0, 10e-3).frequencyHz, 1e3, 1e-9);
    EXPECT_NEAR(rc::inductive(Xl, 1e3, 0).henries, 10e-3, 1e-15);
}

TEST(AirCoil, WheelerInInchesAndItsInverses)
{
    // 10 mm x 20 mm, 30 turns, worked in inches.
    const double d = 10 / 25.4, l = 20 / 25.4;
    const double uH = d * d * 900 / (18 * d + 40 * l);
    const coil::Result r = coil::calculate({10e-3, 20e-3, 30, 0, 0});
    ASSERT_TRUE(r.ok());
    EXPECT_NEAR(r.inductanceH, uH * 1e-6, 1e-15);
    const coil::Result back = coil::calculate({10e-3, 20e-3, 0, r.inductanceH, 0.5e-3});
    EXPECT_NEAR(back.turns, 30, 1e-9);
    EXPECT_EQ(back.turnsRounded, 30);
    EXPECT_TRUE(back.fitChecked && back.fits);
    EXPECT_DOUBLE_EQ(back.neededLengthM, 15e-3);
    // Close-wound: the length follows the turns, and the quadratic's root gives them back.
    const double L = coil::inductance(10e-3, 37 * 0.4e-3, 37);
    EXPECT_NEAR(coil::closeWoundTurnsFor(10e-3, 0.4e-3, L), 37, 1e-9);
    const coil::Result tight = coil::calculate({10e-3, 10e-3, 30, 0, 0.5e-3});
    EXPECT_TRUE(tight.ok());
    EXPECT_FALSE(tight.fits);
    EXPECT_EQ(coil::calculate({10e-3, 0, 30, 0, 0}).status, calc::Status::BadInput);
}

TEST(Wire, GaugeDiameterAreaAndResistance)
{
    struct Case { const char *text; double gauge, diameterMm; };
    const Case cases[] = {{"36", 36, 0.127}, {"0000", -3, 11.684}, {"4/0", -3, 11.684}, {"00", -1, 9.266},
                          {"22", 22, 0.6438}, {"40", 40, 0.07987}};
    for (const Case &c : cases) {
        const std::optional<double> g = wire::gaugeFromText(QString::fromLatin1(c.text));
        ASSERT_TRUE(g.has_value()) << c.text;
        EXPECT_EQ(*g, c.gauge);
        EXPECT_NEAR(wire::diameterForGauge(*g) * 1e3, c.diameterMm, 5e-4 * c.diameterMm) << c.text;
    }
    EXPECT_EQ(wire::gaugeName(-3), QStringLiteral("0000"));
    EXPECT_EQ(wire::gaugeName(0), QStringLiteral("0"));
    for (const char *bad : {"41", "5/0", "x", ""})
        EXPECT_FALSE(wire::gaugeFromText(QString::fromLatin1(bad)).has_value()) << bad;

    const wire::Result r = wire::calculate({wire::Given::Diameter, 0.5e-3, 0});
    ASSERT_TRUE(r.ok());
    EXPECT_EQ(r.nearestGauge, 24);
    EXPECT_NEAR(r.areaMm2, kPi / 4 * 0.25, 1e-12);
    EXPECT_NEAR(r.ohmsPerM, 1.724e-8 / (r.areaMm2 * 1e-6), 1e-12);
    EXPECT_DOUBLE_EQ(r.currentA, 2.5 * r.areaMm2);
    const wire::Result a = wire::calculate({wire::Given::Area, r.areaMm2, 4});
    EXPECT_NEAR(a.gauge, r.gauge, 1e-9);
    EXPECT_DOUBLE_EQ(a.currentA, 4 * r.areaMm2);
}

// Hostile values anywhere give an error or finite numbers, never inf or NaN.
TEST(BenchCalculators, NoInfinityOrNanEscapes)
{
    const double hostile[] = {0, -1, 1e-300, 1e300, INFINITY, NAN, 1};
    const auto finite = [](std::initializer_list<double> v) {
        return std::all_of(v.begin(), v.end(), [](double x) { return std::isfinite(x); });
    };
    for (double x : hostile)
        for (double y : hostile) {
            const led::Result l = led::calculate({x, y, 1, 1, eseries::Series::E24});
            EXPECT_TRUE(!l.ok() || finite({l.exactOhms, l.currentA, l.powerW, l.ratingW}));
            const timer555::AstableResult t = timer555::astable(x, y, 1e-6);
            EXPECT_TRUE(!t.ok() || finite({t.frequencyHz, t.dutyPercent, t.highS, t.lowS}));
            const timer555::DesignResult td = timer555::design({x, y, eseries::Series::E12});
            EXPECT_TRUE(!td.ok() || finite({td.frequencyHz, td.r1Ohms, td.cFarads}));
            const regulator::Result rf = regulator::forward(x, y, {}, {x, y});
            EXPECT_TRUE(!rf.ok() || finite({rf.uout, rf.dissipationW, rf.headroomV}));
            const regulator::Result rd = regulator::design(x, eseries::Series::E24, {y, 50e-6, 3});
            EXPECT_TRUE(!rd.ok() || finite({rd.uout, rd.r2Ohms, rd.errorPercent}));
            const rc::RcResult f = rc::rcFilter(x, y, 0);
            EXPECT_TRUE(!f.ok() || finite({f.cutoffHz, f.tauS}));
            const rc::ReactanceResult xl = rc::inductive(0, x, y);
            EXPECT_TRUE(!xl.ok() || finite({xl.ohms}));
            const coil::Result c = coil::calculate({x, y, 0, x, y});
            EXPECT_TRUE(!c.ok() || finite({c.inductanceH, c.turns, c.turnsRounded, c.neededLengthM}));
            const wire::Result w = wire::calculate({wire::Given::Area, x, y});
            EXPECT_TRUE(!w.ok() || finite({w.gauge, w.ohmsPerM, w.currentA, w.diameterM}));
            const eseries::RatioResult q = eseries::ratio({x, y, eseries::Series::E12, 0, 0});
            EXPECT_TRUE(!q.ok() || finite({q.r1Ohms, q.uout, q.errorPercent, q.currentA}));
        }
}

TEST(Regulator, DatasheetPairWinsOnEqualError)
{
    // 2.5 V without Iadj: every R1 = R2 pair is exact; the datasheet's 240 ohm wins.
    const regulator::Result r = regulator::design(2.5, eseries::Series::E24, {1.25, 0, 3});
    EXPECT_EQ(r.r1Ohms, 240);
    EXPECT_EQ(r.r2Ohms, 240);
    EXPECT_EQ(r.errorPercent, 0);
}
