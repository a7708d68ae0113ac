// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "model/orbit/Kepler.h"
#include "model/observing/MysteryStars.h"
#include "model/observing/Periodogram.h"

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
        SCOPED_TRACE(star.name.pattern);
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
    std::string sheet;
    for (const TMysteryStar& star : MysteryStars())
        for (const TWording& line : AnswerLines(star))
            sheet += line.English() + "\n";
    for (const char* name : {"A b", "B b", "C b", "C c", "seed 20240611"})
        EXPECT_NE(sheet.find(name), std::string::npos) << name;
    // Edge-on, so m sin i is the mass each planet was made with: C's 0.6 and 1.8 as set,
    // not as a fit at another star mass or the exact mass function would weigh them.
    for (const char* mass : {"m sin i 0.90 Jupiter", "m sin i 2.60 Jupiter",
                             "m sin i 0.60 Jupiter", "m sin i 1.80 Jupiter"})
        EXPECT_NE(sheet.find(mass), std::string::npos) << mass << " in\n" << sheet;
    // omega as the fit's table gives it, 0 to 360 degrees, and none for C b's circle.
    EXPECT_NE(sheet.find("C b: period"), std::string::npos);
    const std::string cb = sheet.substr(sheet.find("C b: period"));
    EXPECT_NE(cb.substr(0, cb.find('\n')).find("omega undefined"), std::string::npos) << cb;
    EXPECT_NE(sheet.find("omega 229 degrees"), std::string::npos) << "C c's 4.0 rad: " << sheet;
    EXPECT_EQ(sheet.find("omega -"), std::string::npos);
}

TEST(MysteryStars, EachStarsMassComesWithItsData) {
    EXPECT_EQ(Introduction(MysteryStars()[2]), "Mystery star C, a star of 1.20 solar masses");
}
