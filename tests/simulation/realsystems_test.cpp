#include "simulation/RealSystemView.h"
#include "simulation/RealSystems.h"
#include "simulation/planet.h"

#include <cmath>
#include <gtest/gtest.h>

using namespace realview;

// A typo in the table shows as a period that Kepler's third law does not give.
TEST(RealSystems, RoundedValuesKeepKeplersLaw) {
    for (const TRealSystem& system : RealSystems()) {
        ASSERT_GE(system.Planets.size(), 1u);
        ASSERT_LE(system.Planets.size(), 3u) << system.Name << ": the simulation has three planets";
        EXPECT_FALSE(system.Significance.empty()) << system.Name;
        for (const TRealPlanet& planet : system.Planets) {
            SCOPED_TRACE(SimulationName(system, planet));
            const double period =
                ModelPeriod_days(planet.a_AU, planet.MassSinI_Jupiter, system.StarMass_Solar);
            EXPECT_NEAR(period / planet.Period_days, 1.0, 0.02);
            EXPECT_LT(planet.Ecc, 0.99);
        }
    }
}

TEST(RealSystemView, TimeScaleShowsTwoPeriodsOfTheFastestPlanet) {
    const struct {
        double period_days;
        int scale;
    } cases[] = {{0.3, -1},  {0.5, -1},   {0.6, 0},    {4.231, 0},  {5.1, 1},
                 {116.7, 2}, {1078.0, 3}, {4333.0, 3}, {60000.0, 3}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.period_days);
        const TRealSystem system{"s", "s", 1.0, "-", {{"b", 1.0, 0.0, 1.0, c.period_days}}};
        EXPECT_EQ(TimeScaleFor(system, TSliderRange{-1, 4}, 3), c.scale);
    }
    const TRealSystem& upsAnd = RealSystems()[4];
    EXPECT_EQ(TimeScaleFor(upsAnd, TSliderRange{-1, 4}, 3), 0) << "b's 4.6 days, not d's 1276";
}
