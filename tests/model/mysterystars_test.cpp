// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "model/Kepler.h"
#include "model/MysteryStars.h"
#include "model/Periodogram.h"

#include <gtest/gtest.h>

using namespace observing;

// Each mystery star's data are solvable: the periodogram finds one of its planets, clearly.
TEST(MysteryStars, EachStarsStrongestPlanetIsFound) {
    const auto& stars = MysteryStars();
    ASSERT_EQ(stars.size(), 3u);
    EXPECT_EQ(stars[0].planets.size(), 1u);
    EXPECT_GT(stars[1].planets[0].ecc, 0.5);
    EXPECT_EQ(stars[2].planets.size(), 2u);
    for (const TMysteryStar& star : stars) {
        SCOPED_TRACE(star.name);
        ASSERT_TRUE(IsValid(star.plan));
        const auto data = Observe(star);
        EXPECT_GE(data.size(), 30u);
        EXPECT_EQ(data, Observe(star)) << "fixed by the seed";
        TPeriodogram result;
        ASSERT_TRUE(Compute(data, GridFor(Span(data), 1.0), false, result));
        bool found = false;
        for (const TPlanet& planet : star.planets) {
            const double period = kepler::ElementsOf(planet, star.starMass).period_days;
            found |= std::abs(result.peak.period_days / period - 1.0) < 0.02;
        }
        EXPECT_TRUE(found) << result.peak.period_days;
        EXPECT_LT(result.falseAlarm, 0.001);
    }
}

TEST(MysteryStars, TheAnswerSheetNamesEveryPlanet) {
    const std::string sheet = AnswerSheet();
    for (const char* name : {"A b", "B b", "C b", "C c", "seed 20240611"})
        EXPECT_NE(sheet.find(name), std::string::npos) << name;
    // A b: 0.9 Jupiter masses edge-on, so m sin i is its mass.
    EXPECT_NE(sheet.find("m sin i 0.90 Jupiter masses"), std::string::npos) << sheet;
}
