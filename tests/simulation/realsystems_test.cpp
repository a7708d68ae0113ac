#include "simulation/RealSystemFit.h"
#include "simulation/RealSystems.h"
#include "simulation/planet.h"

#include <cmath>
#include <gtest/gtest.h>

using namespace realfit;

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

// The catalogue amplitude is the textbook K = 28.43 m/s for one Jupiter mass on a one-year
// orbit around one solar mass; the model's amplitude of that orbit must agree with it.
TEST(RealSystemFit, AmplitudesAgreeWithTheTextbookFormula) {
    const double metresPerAU = 1.495978707e11, secondsPerDay = 86400.0;
    const double toMps = metresPerAU / secondsPerDay;
    const double year = 365.25;
    const double a = std::cbrt(year * year * SolarGM * (1.0 + JupiterMass) /
                               (4.0 * 3.141592653589793 * 3.141592653589793));
    const TRealPlanet planet{"x", a, 0.0, 1.0, year};
    EXPECT_NEAR(CatalogueAmplitude_AUperDay(planet, 1.0) * toMps, 28.43, 0.05);
    EXPECT_NEAR(ModelAmplitude_AUperDay(a, 0.0, 1.0, 1.0) * toMps, 28.43, 0.1);
    EXPECT_NEAR(ModelPeriod_days(a, 1.0, 1.0), year, 1e-6);
    EXPECT_NEAR(ModelAmplitude_AUperDay(a, 0.6, 1.0, 1.0) /
                    ModelAmplitude_AUperDay(a, 0.0, 1.0, 1.0),
                1.25, 1e-9)
        << "1 / sqrt(1 - e^2)";
}

// On sliders fine enough, the fit must land on the table's own values: this catches a
// mapping run backwards or an axis fitted to the wrong planet.
TEST(RealSystemFit, FineSlidersReproduceTheTable) {
    const TParamRanges fine{{0, 40000}, {0, 1000}, {0, 30000}, {0, 30000}};
    for (const TRealSystem& system : RealSystems()) {
        SCOPED_TRACE(system.Name);
        const TSystemPositions p = FitPositions(system, fine);
        EXPECT_NEAR(paramsliders::SolarMasses(p.StarMass, fine.StarMass) / system.StarMass_Solar,
                    1.0, 1e-3);
        ASSERT_EQ(p.Planets.size(), system.Planets.size());
        for (std::size_t k = 0; k < p.Planets.size(); ++k) {
            const TRealPlanet& planet = system.Planets[k];
            EXPECT_NEAR(paramsliders::A_AU(p.Planets[k].a, fine.a) / planet.a_AU, 1.0, 1e-3);
            EXPECT_NEAR(paramsliders::Ecc(p.Planets[k].Ecc, fine.Ecc), planet.Ecc, 1e-3);
            EXPECT_NEAR(paramsliders::JupiterMasses(p.Planets[k].Mass, fine.Mass) /
                            planet.MassSinI_Jupiter,
                        1.0, 1e-3);
        }
    }
}

TEST(RealSystemFit, TimeScaleShowsTwoPeriodsOfTheFastestPlanet) {
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
