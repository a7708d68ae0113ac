// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "model/simulation/RealSystems.h"
#include "model/orbit/planet.h"
#include "model/simulation/SimulationModel.h"

#include <cmath>
#include <gtest/gtest.h>
#include <regex>

namespace {

constexpr double Pi = 3.141592653589793;

// A planet of the table alone in the model, as Set up puts it there.
TSimulationModel Alone(const TRealSystem& system, const TRealPlanet& real) {
    TSimulationModel sim;
    sim.StarMass = system.StarMass.Value;
    for (TPlanet& planet : sim.Planets)
        planet.Visible = false;
    sim.Planets[0].Visible = true;
    SetElements(sim.Planets[0], real);
    sim.Reset(0);
    return sim;
}

} // namespace

TEST(RealSystems, EveryRowCitesItsSolutionAndKeepsItsDecimals) {
    // Author, year, journal; the Sun's planets cite the fact sheets kept up to date.
    const std::regex citation(R"(.+ (19|20)\d\d, [A-Za-z&]+ \d+, A?\d+|Williams, NASA .+)");
    for (const TRealSystem& system : RealSystems()) {
        ASSERT_GE(system.Planets.size(), 1u);
        ASSERT_LE(system.Planets.size(), 3u) << system.Name << ": the simulation has three planets";
        EXPECT_FALSE(system.Significance.empty()) << system.Name;
        for (const TRealPlanet& planet : system.Planets) {
            SCOPED_TRACE(SimulationName(system, planet));
            EXPECT_TRUE(std::regex_match(planet.Source, citation)) << planet.Source;
            EXPECT_LT(planet.Ecc.Value, 0.99);
            EXPECT_NEAR(ModelPeriod_days(planet.a_AU, planet.Mass.Value, system.StarMass.Value),
                        planet.Period.Value, planet.Period.Value * 1e-12)
                << "a is derived from the period";
        }
    }
    EXPECT_EQ((TPublished{0.40, 2}.Text()), "0.40");
    EXPECT_EQ((TPublished{4.230785, 6}.Text()), "4.230785");
    EXPECT_EQ((TPublished{1078, 0}.Text()), "1078");
    EXPECT_EQ((TPublished{std::nan(""), 0}.Text()), "—");
    EXPECT_EQ(RealSystemSources().size(), 7u) << "each source once";
}

// Each planet run alone in the model against its source: the period within 0.5 %, K within
// 3 %, and the curve's shape v = K [cos(nu + omega) + e cos omega] within 3 % of K at every
// step, which a wrong omega, a sign or a typo in any column would break.
TEST(RealSystems, EveryPlanetSimulatesAsPublished) {
    for (const TRealSystem& system : RealSystems()) {
        for (const TRealPlanet& real : system.Planets) {
            SCOPED_TRACE(SimulationName(system, real));
            TSimulationModel sim = Alone(system, real);
            const TPlanet& planet = sim.Planets[0];
            const double K = real.K.Value;
            const double e = real.Ecc.Value;
            const double omega = planet.psi;
            double vmin = 1e30, vmax = -1e30, worst = 0.0, period = 0.0;
            while (period == 0.0) {
                const double before = sim.Time, thetaBefore = planet.theta;
                sim.Advance();
                const double v = sim.RadialVelocity * MpsPerAUPerDay;
                vmin = std::min(vmin, v);
                vmax = std::max(vmax, v);
                // The chord velocity of a step is the velocity halfway through it.
                const double nu = 0.5 * (thetaBefore + planet.theta);
                worst = std::max(worst, std::fabs(v - K * (std::cos(nu + omega) + e * std::cos(omega))));
                if (planet.theta >= 2 * Pi)
                    period = before + (sim.Time - before) * (2 * Pi - thetaBefore) /
                                          (planet.theta - thetaBefore);
            }
            EXPECT_NEAR(period / real.Period.Value, 1.0, 0.005) << "simulated " << period;
            EXPECT_NEAR(0.5 * (vmax - vmin) / K, 1.0, 0.03) << "simulated K " << 0.5 * (vmax - vmin);
            EXPECT_LE(worst, 0.03 * K) << "m/s off the published curve";
        }
    }
}

TEST(RealSystems, APlanetIsSetUpEdgeOnWithThePublishedOmega) {
    TPlanet planet;
    const TRealPlanet& hd80606b = RealSystems()[2].Planets[0];
    SetElements(planet, hd80606b);
    EXPECT_DOUBLE_EQ(planet.psi, 300.8 * Pi / 180);
    EXPECT_DOUBLE_EQ(planet.inc, Pi / 2);
    EXPECT_EQ(planet.phi, 0.0);
    EXPECT_DOUBLE_EQ(planet.mass, 3.94 * JupiterMass);
    SetElements(planet, RealSystems()[6].Planets[0]);
    EXPECT_EQ(planet.psi, 0.0) << "Jupiter's omega depends on where the Sun is seen from";
}

TEST(RealSystems, TheCardsNumbersAreThoseOfTheLiterature) {
    const TRealPlanet& hd80606b = RealSystems()[2].Planets[0];
    EXPECT_EQ(hd80606b.Ecc.Text(), "0.93366");
    EXPECT_EQ(hd80606b.Mass.Text(), "3.94");
    EXPECT_TRUE(hd80606b.TrueMass) << "it transits";
    const TRealSystem& uma = RealSystems()[3];
    ASSERT_EQ(uma.Planets.size(), 2u);
    EXPECT_NEAR(uma.Planets[1].Period.Value, 2391, 1);
}

// The values the sources give, row by row: a slip in a column, or a value taken from
// another solution, shows here. Where a source gives K and m sin i both, they and the
// star's mass must belong to one solution: the mass function ties them, within the
// rounding of m sin i and 1 % for the constants a source used.
TEST(RealSystems, EveryValueIsItsSourcesAndSaysWhereItStands) {
    const struct {
        int system, planet;
        double P, K, e, omega, mass;
    } published[] = {
        {0, 0, 4.230785, 55.94, 0.013, 58, 0.472},      // Butler et al. 2006
        {2, 0, 111.4367, 474.9, 0.93366, 300.8, 3.94},  // Hébrard et al. 2010
        {4, 0, 4.617111, 70.51, 0.012, 44, 0.69},       // McArthur et al. 2010
        {4, 2, 1276.46, 68.14, 0.299, 252.99, 4.1},
        {5, 1, 30.0881, 88.34, 0.25591, 48.76, 0.612}, // Rivera et al. 2010, at sin 59°
    };
    for (const auto& row : published) {
        const TRealSystem& system = RealSystems()[row.system];
        const TRealPlanet& planet = system.Planets[row.planet];
        SCOPED_TRACE(SimulationName(system, planet));
        EXPECT_EQ(planet.Period.Value, row.P);
        EXPECT_EQ(planet.K.Value, row.K);
        EXPECT_EQ(planet.Ecc.Value, row.e);
        EXPECT_EQ(planet.Omega.Value, row.omega);
        EXPECT_EQ(planet.Mass.Value, row.mass);
    }
    EXPECT_EQ(RealSystems()[0].StarMass.Text(), "1.09") << "the mass of Butler's solution";
    for (const TRealSystem& system : RealSystems()) {
        EXPECT_FALSE(system.StarMassWhere.empty()) << system.Name;
        for (const TRealPlanet& planet : system.Planets) {
            SCOPED_TRACE(SimulationName(system, planet));
            EXPECT_NE(planet.Where.find("column"), std::string::npos)
                << "names the table's columns";
            EXPECT_NE(planet.Where.find("confirm"), std::string::npos)
                << "says whether the values were confirmed";
            if (planet.KComputed)
                continue;
            const double massFunction = planet.K.Value / 28.4329 *
                                        std::sqrt(1 - planet.Ecc.Value * planet.Ecc.Value) *
                                        std::cbrt(planet.Period.Value / 365.25) *
                                        std::pow(system.StarMass.Value, 2.0 / 3.0);
            const double rounding = 0.5 * std::pow(10.0, -planet.Mass.Decimals);
            EXPECT_LE(std::fabs(massFunction - planet.Mass.Value),
                      rounding + 0.01 * planet.Mass.Value)
                << "m sin i from K and the star's mass: " << massFunction;
        }
    }
}
