// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "model/fit/FitText.h"
#include "model/text/NumberWriting.h"

#include <gtest/gtest.h>

#include <limits>

TEST(FitText, ValueRoundedToItsUncertainty) {
    const double inf = std::numeric_limits<double>::infinity();
    const struct {
        fit::TEstimate x;
        const char* text;
    } cases[] = {
        {{4.2311527, 0.000473}, "4.23115 ± 0.00047"},
        {{1290.4, 18.3}, "1290 ± 18"},
        {{1290.4, 183.0}, "1290 ± 183"},
        {{0.3176, 0.0266}, "0.318 ± 0.027"},
        {{-3.05, 0.8}, "-3.05 ± 0.80"},
        {{2511.9, inf}, "2511.9 (unconstrained)"},
        {{0.47, 0.0}, "0.47"},
        // Bounded values: a period or amplitude (0 up) the data cannot tell from 0, an
        // eccentricity (0 to 0.99) whose interval stops at a bound or covers the range.
        {{3.0, 46658746785734.0, 0.0}, "3 (unconstrained)"},
        {{55.9, 0.7, 0.0}, "55.90 ± 0.70"},
        {{0.8, 5.0, 0.0, 0.99}, "0.8 (unconstrained)"},
        {{0.03, 0.05, 0.0, 0.99}, "0.030 +0.050 −0.030"},
        {{0.97, 0.04, 0.0, 0.99}, "0.970 +0.020 −0.040"},
        {{0.0, 0.0, 0.0, 0.99, true}, "0 (fixed)"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(fit::WithUncertainty(c.x), c.text) << c.x.value << " +- " << c.x.sigma;
}

TEST(FitText, DistanceInUnitsOfTheUncertainty) {
    EXPECT_EQ(fit::SigmaDistance(4.25, {4.23, 0.02}), "1.0σ");
    EXPECT_EQ(fit::SigmaDistance(4.20, {4.23, 0.02}), "1.5σ");
    EXPECT_EQ(fit::SigmaDistance(4.20, {4.23, std::numeric_limits<double>::infinity()}), "–");
    EXPECT_EQ(fit::SigmaDistance(4.20, {4.23, 0.0}), "–");
}

// The notes a fit page shows: the bound, only when a planet sits there; the evidence line's
// verdict follows delta BIC and the false-alarm probability across their thresholds.
TEST(FitText, BoundAndEvidenceNotes) {
    fit::TFittedPlanet planet;
    EXPECT_EQ(fit::BoundNote(planet), "");
    planet.eccentricityAtBound = true;
    EXPECT_EQ(fit::BoundNote(planet), "The eccentricity sits at the model's bound of 0.99: the "
                                      "data may want more, and its uncertainty says little.");
    EXPECT_EQ(fit::EvidenceLine(-823.4, 1e-12),
              "ΔBIC -823.4 (strong evidence for the planet; below −10 is strong), false-alarm "
              "probability 1.0 × 10⁻¹² (noise seldom makes such a peak).");
    EXPECT_EQ(fit::EvidenceLine(-4.3, 0.45),
              "ΔBIC -4.3 (some evidence for the planet; below −10 is strong), false-alarm "
              "probability 45 % (noise often makes such a peak).");
    EXPECT_NE(fit::EvidenceLine(3.0, 0.9).English().find("no evidence"), std::string::npos);
    // A peak far above any noise is bounded, never "probability 0".
    for (double tiny : {0.0, 3e-17})
        EXPECT_NE(fit::EvidenceLine(-861.4, tiny).English().find("false-alarm probability below 10⁻¹⁶ "),
                  std::string::npos)
            << tiny;
    // Every window writes a probability so: rounded before its power of ten is chosen.
    EXPECT_EQ(ProbabilityText(9.96e-5), "1.0 × 10⁻⁴");
    EXPECT_EQ(ProbabilityText(9.996e-4), "1.0 × 10⁻³");
    EXPECT_EQ(ProbabilityText(2.54e-7), "2.5 × 10⁻⁷");
    EXPECT_EQ(ProbabilityText(0.047), "4.7 %");
    EXPECT_EQ(ProbabilityText(1.0), "100 %");
    // The edges: just below the percent range, the smallest value shown and the next below it.
    EXPECT_EQ(ProbabilityText(0.000999), "1.0 × 10⁻³");
    EXPECT_EQ(ProbabilityText(1e-16), "1.0 × 10⁻¹⁶");
    EXPECT_EQ(ProbabilityText(9.9e-17), "below 10⁻¹⁶");
    EXPECT_EQ(PowerOfTenNumber(3.26e5, 2), "3.26 × 10⁵");
    // Nothing is written with a minus sign that its figures do not show.
    EXPECT_EQ(FixedNumber(-0.0, 1), "0.0");
    EXPECT_EQ(FixedNumber(-0.04, 1), "0.0");
    EXPECT_EQ(FixedNumber(-0.06, 1), "-0.1");
    EXPECT_EQ(FiguresNumber(-0.0, 6), "0");
    EXPECT_EQ(FixedNumber(1e308, 1).size(), 311u) << "every figure, however many";
    EXPECT_EQ(DaysText(1.0), "1 day");
    EXPECT_EQ(DaysText(1.00274), "1.0027 days");
    EXPECT_EQ(PeriodText(9.9996), "10.00 days");
}

// A chi^2 made of rounding is told apart from one of the fit: real data and a precise
// simulated run are resolved; errors of 1e-6 m/s on velocities near the speed of light, or on
// a planet's curve after a million turns, are not, unless a jitter widens them; the note
// names the error and the rounding.
TEST(FitText, ChiSquareOfRoundingIsToldApart) {
    const auto solution = [](double K, double P, double ecc, double jitter) {
        fit::TOrbitSolution s;
        s.offsets_mps = {{-5.0, 1.0}};
        s.jitters_mps = {{jitter, 0.0}};
        fit::TFittedPlanet planet;
        planet.elements = {P, K, ecc, 1.0, 0.0};
        s.planets = {planet};
        return s;
    };
    const std::vector<observing::TMeasurement> upsAnd{{0.0, 60.0, 3.0}, {5000.0, -70.0, 0.5}};
    EXPECT_FALSE(fit::UnresolvedResiduals(upsAnd, solution(70.0, 4.617, 0.01, 0.0)).any);
    const std::vector<observing::TMeasurement> precise{{0.0, 10.0, 1e-3}, {3650.0, -10.0, 1e-3}};
    EXPECT_FALSE(fit::UnresolvedResiduals(precise, solution(12.0, 2.0, 0.9, 0.0)).any);

    const double c = 299'792'458.0;
    const std::vector<observing::TMeasurement> bounds{
        {0.0, -c, c}, {1e3, 0.0, 1e-6}, {2e8, c, 1e-6}};
    const fit::TUnresolvedResiduals atBounds =
        fit::UnresolvedResiduals(bounds, solution(c, 1000.0, 0.3, 0.0));
    ASSERT_TRUE(atBounds.any);
    EXPECT_EQ(atBounds.error_mps, 1e-6);
    EXPECT_GT(atBounds.rounding_mps, 1e-5);
    EXPECT_FALSE(fit::UnresolvedResiduals(bounds, solution(c, 1000.0, 0.3, 1e4)).any)
        << "a jitter of 10 km/s dwarfs the rounding";
    const std::vector<observing::TMeasurement> manyTurns{{0.0, 1.0, 1e-6}, {1e6, 2.0, 1e-6}};
    EXPECT_TRUE(fit::UnresolvedResiduals(manyTurns, solution(50.0, 1.0, 0.0, 0.0)).any)
        << "the phase after a million turns";

    EXPECT_EQ(fit::UnresolvedNote({true, 1e-6, 0.083}),
              "χ² and BIC not shown: an error of 1e-06 m/s is finer than the arithmetic "
              "resolves at these velocities and times (its residual is rounded by about "
              "0.083 m/s), so they would measure rounding.");
}
