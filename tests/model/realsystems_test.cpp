#include "model/RealSystems.h"

#include <gtest/gtest.h>

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
