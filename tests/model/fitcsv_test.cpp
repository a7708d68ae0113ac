// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "model/fit/FitCsv.h"
#include "model/rv/RvDataSet.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <limits>
#include <sstream>

namespace {

// A two-instrument solution with one planet, built by hand so every number is known.
fit::TOrbitSolution Solution() {
    fit::TOrbitSolution s;
    fit::TFittedPlanet p;
    p.elements = {10.0, 20.0, 0.0, 0.0, 3.0};
    p.period_days = {10.0, 0.5};
    p.K_mps = {20.0, 1.5};
    p.ecc = {0.0, 0.0, 0.0, 0.99, true};
    p.omega_rad = {std::numbers::pi / 2, std::numeric_limits<double>::infinity()};
    p.tPeri_days = {3.0, 0.25};
    s.planets.push_back(p);
    s.offsets_mps = {{100.0, 1.0}, {-50.0, 2.0}};
    s.jitters_mps = {{3.0, 0.5}, {4.0, 0.5}};
    s.offset_mps = s.offsets_mps[0];
    s.trendOrder = 1;
    s.trend_mps_per_day = {0.5, 0.1};
    s.parameters = 10;
    s.degreesOfFreedom = 2;
    return s;
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

bool Holds(const std::vector<std::string>& lines, const std::string& line) {
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

} // namespace

TEST(FitCsv, WritesEveryQuantityWithItsUncertaintyAndUnit) {
    const fit::TFitSource source{"51 Peg", {"Butler et al. 2006", "Naef et al. 2004"},
                                 {"LICK", "EL,ODIE"}};
    const auto lines = Lines(fit::WriteFitCsv(Solution(), source, 2450000.0));
    EXPECT_EQ(lines.at(0), "# Orbit fit of 51 Peg");
    EXPECT_EQ(lines.at(1), "# Data: Butler et al. 2006");
    EXPECT_EQ(lines.at(2), "# Data: Naef et al. 2004");
    EXPECT_EQ(lines.at(3), "quantity,value,uncertainty,unit");
    EXPECT_TRUE(Holds(lines, "planet b P,10,0.5,days"));
    EXPECT_TRUE(Holds(lines, "planet b e,0,fixed,"));
    EXPECT_TRUE(Holds(lines, "planet b omega,90,unconstrained,degrees"));
    // The time of periastron on the data set's own scale, its uncertainty unshifted.
    EXPECT_TRUE(Holds(lines, "planet b time of periastron,2450003,0.25,days"));
    EXPECT_TRUE(Holds(lines, "offset LICK,100,1,m/s"));
    EXPECT_TRUE(Holds(lines, "\"jitter EL,ODIE\",4,0.5,m/s"));
    EXPECT_TRUE(Holds(lines, "trend,0.5,0.1,m/s per day"));
    EXPECT_FALSE(Holds(lines, "curvature,0,0,m/s per day squared")) << "no curvature fitted";
    EXPECT_TRUE(Holds(lines, "measurements,12,,"));

    // With the orbits "How sure?" drew: three more columns, empty where the draws give none.
    posterior::TPosteriorSummary drawn;
    drawn.walkers = 32;
    drawn.steps = 8000;
    drawn.longestTau_steps = 100.0;
    drawn.planets.resize(1);
    drawn.planets[0].period_days = {10.25, 9.5, 10.75};
    drawn.planets[0].omega_rad = {std::numbers::pi / 2, 0.0, std::numbers::pi};
    drawn.planets[0].tPeri_days = {3.0, 2.5, 3.5};
    drawn.planets[0].massSinI_Jupiter = {1.0, 0.5, 2.0};
    drawn.offsets_mps = {{100.5, 99.0, 101.0}, {-50.0, -52.0, -48.0}};
    const auto with = Lines(fit::WriteFitCsv(Solution(), source, 2450000.0, &drawn));
    EXPECT_EQ(with.at(3), "# Posterior: median and 68 % interval of the orbits 32 walkers drew "
                          "over 8000 steps, 80 times the longest autocorrelation time, not "
                          "converged: the intervals are rough");
    EXPECT_EQ(with.at(4), "quantity,value,uncertainty,unit,posterior_median,posterior_low,posterior_high");
    EXPECT_TRUE(Holds(with, "planet b P,10,0.5,days,10.25,9.5,10.75"));
    EXPECT_TRUE(Holds(with, "planet b omega,90,unconstrained,degrees,90,0,180"));
    EXPECT_TRUE(Holds(with, "planet b time of periastron,2450003,0.25,days,2450003,2450002.5,2450003.5"));
    EXPECT_TRUE(Holds(with, "offset LICK,100,1,m/s,100.5,99,101"));
    EXPECT_TRUE(Holds(with, "\"jitter EL,ODIE\",4,0.5,m/s,,,")) << "jitters not drawn";
    EXPECT_TRUE(Holds(with, "trend,0.5,0.1,m/s per day,,,"));
    EXPECT_TRUE(Holds(with, "measurements,12,,,,,"));
    const auto earth = std::find_if(with.begin(), with.end(), [](const std::string& line) {
        return line.starts_with("planet b m sin i,0,0,Earth masses,");
    });
    ASSERT_NE(earth, with.end());
    EXPECT_NEAR(std::stod(earth->substr(earth->rfind(',') + 1)), 2.0 * 318.0, 1.0) << "in Earth masses";
}

TEST(FitCsv, ResidualsTakeEachInstrumentsOwnOffsetAndJitter) {
    const fit::TOrbitSolution s = Solution();
    observing::TMeasurementSet set;
    set.timeOffset_days = 2450000.0;
    // At t = 0.5, planet at quadrature-free phase: the model is offset + trend + curve.
    set.data = {{0.5, 0.0, 4.0, 0}, {0.5, 0.0, 3.0, 1}};
    const auto lines = Lines(fit::WriteResidualsCsv(set, s, {"", {}, {"LICK"}}));
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[1], "time,instrument,velocity,error,model,residual,error_with_jitter");
    const double curve = kepler::RadialVelocity_mps(s.planets[0].elements, 0.5);
    const double first = 100.0 + 0.25 + curve, second = -50.0 + 0.25 + curve;
    EXPECT_EQ(lines[2], "2450000.5,LICK,0,4," + observing::Shortest(first) + "," +
                            observing::Shortest(-first) + ",5");
    EXPECT_EQ(lines[3], "2450000.5,instrument 2,0,3," + observing::Shortest(second) + "," +
                            observing::Shortest(-second) + ",5");
}

// Letters name planets in the order they were added, whatever their periods.
TEST(FitCsv, LettersFollowTheOrderPlanetsWereAddedIn) {
    fit::TOrbitSolution s;
    for (double P : {300.0, 4.6, 300.0, 50.0}) {
        fit::TFittedPlanet p;
        p.period_days.value = P;
        s.planets.push_back(p);
    }
    EXPECT_EQ(fit::PlanetLetters(s), (std::vector<std::string>{"b", "c", "d", "e"}));
}

TEST(RvDataSet, CommonZeroPointTakesOffEachInstrumentsWeightedMean) {
    const std::vector<observing::TMeasurement> data = {
        {0.0, 10.0, 1.0, 0}, {1.0, 20.0, 2.0, 0}, {2.0, -100.0, 1.0, 1}, {3.0, -98.0, 1.0, 1}};
    const auto shifted = rvdata::OnCommonZeroPoint(data);
    // Instrument 0's mean weighs the first point four times the second: 12.
    EXPECT_DOUBLE_EQ(shifted[0].v_mps, -2.0);
    EXPECT_DOUBLE_EQ(shifted[1].v_mps, 8.0);
    EXPECT_DOUBLE_EQ(shifted[2].v_mps, -1.0);
    EXPECT_DOUBLE_EQ(shifted[3].v_mps, 1.0);
    EXPECT_EQ(shifted[3].error_mps, 1.0);
    const std::vector<observing::TMeasurement> one(data.begin(), data.begin() + 2);
    EXPECT_EQ(rvdata::OnCommonZeroPoint(one), one) << "one instrument keeps its zero point";
}
