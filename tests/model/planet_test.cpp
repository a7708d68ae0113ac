// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "model/orbit/planet.h"
#include "model/orbit/starreflex.h"

#include <array>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr double HalfPi = 1.5707963267948966;

TPlanet SetUpPlanet(double a, double ecc, double starMass = 1.0) {
    TPlanet planet;
    planet.a = a;
    planet.ecc = ecc;
    planet.SetUp(starMass);
    return planet;
}

void ExpectSameVector(const TVector& actual, const TVector& expected) {
    EXPECT_EQ(actual.x, expected.x);
    EXPECT_EQ(actual.y, expected.y);
    EXPECT_EQ(actual.z, expected.z);
}

void ExpectNearVector(const TVector& actual, const TVector& expected) {
    EXPECT_NEAR(actual.x, expected.x, 1e-15);
    EXPECT_NEAR(actual.y, expected.y, 1e-15);
    EXPECT_NEAR(actual.z, expected.z, 1e-15);
}

} // namespace

TEST(Planet, DefaultPlanetMatchesTheWorkedExample) {
    TPlanet planet;
    EXPECT_EQ(planet.Name, "Jupiter");
    planet.SetUp(1.0);

    EXPECT_NEAR(planet.Period, 4329.08, 0.005);
    EXPECT_NEAR(planet.StepSize(), 106.8, 0.05);
    ASSERT_EQ(planet.Track.size(), 41u);
    ExpectSameVector(planet.Track.back(), planet.Track.front());
    EXPECT_EQ(planet.theta, 0.0);
    EXPECT_DOUBLE_EQ(planet.r, 5.2);
    ExpectSameVector(planet.PrevPosition, planet.Position);
    ExpectSameVector(planet.Position, planet.Track.front());

    const double speed = std::hypot(planet.Velocity.x, planet.Velocity.y, planet.Velocity.z);
    EXPECT_NEAR(speed, 0.00755, 0.00002) << "chord speed, just under the orbital speed";

    const std::array<TPlanet, 1> planets{planet};
    const TStarReflex star = StarReflex(planets, 1.0 / 1.0);
    EXPECT_NEAR(star.Velocity.z * MpsPerAUPerDay, 12.4, 0.05) << "edge-on reflex speed in m/s";
    EXPECT_NEAR(star.Position.x, -5.2 * JupiterMass, 1e-15);
}

TEST(Planet, TrackStepsDependOnEccentricityOnly) {
    struct Case {
        const char* name;
        double ecc, a, starMass;
        std::size_t steps;
    };
    const Case cases[] = {
        {"circle", 0.0, 5.2, 1.0, 40},        {"circle close to a heavy star", 0.0, 0.3, 30.0, 40},
        {"half", 0.5, 5.2, 1.0, 140},         {"half, wide orbit", 0.5, 80.0, 0.2, 140},
        {"nine tenths", 0.9, 2.6, 1.0, 1766}, {"the most eccentric", 0.99, 7.8, 1.0, 57184},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const TPlanet planet = SetUpPlanet(c.a, c.ecc, c.starMass);
        ASSERT_EQ(planet.Track.size(), c.steps + 1);
        EXPECT_EQ(planet.Track.size(),
                  static_cast<std::size_t>(planet.Period / planet.StepSize()) + 1);
        ExpectSameVector(planet.Track.back(), planet.Track.front());
    }
}

TEST(Planet, EccentricityOutOfRangeIsClampedBeforeSetUp) {
    struct Case {
        const char* name;
        double ecc, clamped;
        std::size_t points;
    };
    const Case cases[] = {
        {"parabolic", 1.0, 0.99, 57185},
        {"hyperbolic", 5.0, 0.99, 57185},
        {"just above the limit", 0.995, 0.99, 57185},
        {"infinite", std::numeric_limits<double>::infinity(), 0.99, 57185},
        {"negative", -0.3, 0.0, 41},
        {"not a number", std::numeric_limits<double>::quiet_NaN(), 0.0, 41},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const TPlanet planet = SetUpPlanet(5.2, c.ecc);
        EXPECT_EQ(planet.ecc, c.clamped);
        EXPECT_EQ(planet.Track.size(), c.points);
    }
}

TEST(Planet, FaceOnOrbitHasNoLineOfSightComponent) {
    TPlanet planet;
    planet.ecc = 0.6;
    planet.inc = 0.0;
    planet.phi = 0.7;
    planet.psi = 1.9;
    planet.SetUp(1.0);
    for (const TVector& point : planet.Track)
        ASSERT_EQ(point.z, 0.0);
    for (int i = 0; i < 100; ++i) {
        planet.Step(planet.StepSize() * 3.7);
        ASSERT_EQ(planet.Position.z, 0.0);
        ASSERT_EQ(planet.Velocity.z, 0.0);
    }
    const std::array<TPlanet, 1> planets{planet};
    EXPECT_EQ(StarReflex(planets, 1.0).Velocity.z, 0.0);
}

TEST(Planet, OrientationFollowsTheClosedForm) {
    const double inc = 0.8, phi = -2.1, psi = 0.45;
    TPlanet planet;
    planet.SetOrientation(inc, phi, psi);
    EXPECT_EQ(planet.inc, inc);
    EXPECT_EQ(planet.phi, phi);
    EXPECT_EQ(planet.psi, psi);

    auto rotZ = [phi](double x, double y, double z) {
        return TVector(x * std::cos(phi) - y * std::sin(phi), y * std::cos(phi) + x * std::sin(phi),
                       z);
    };
    ExpectNearVector(planet.AxisP, rotZ(std::cos(psi), std::sin(psi) * std::cos(inc),
                                        -std::sin(psi) * std::sin(inc)));
    ExpectNearVector(planet.AxisQ, rotZ(-std::sin(psi), std::cos(psi) * std::cos(inc),
                                        -std::cos(psi) * std::sin(inc)));
    ExpectNearVector(planet.AxisN, rotZ(0.0, std::sin(inc), std::cos(inc)));

    planet.ecc = 0.3;
    planet.SetUp(1.0);
    for (int i = 0; i < 50; ++i) {
        planet.Step(11.0);
        SCOPED_TRACE(i);
        EXPECT_NEAR(planet.Position.z, -planet.r * std::sin(inc) * std::sin(planet.theta + psi),
                    1e-12);
    }
}

TEST(Planet, StepMovesByTheAngularMomentumLaw) {
    TPlanet planet = SetUpPlanet(2.6, 0.4);
    const double r0 = planet.r;
    const TVector before = planet.Position;
    const double dt = 3.0;
    planet.Step(dt);

    EXPECT_DOUBLE_EQ(planet.theta, dt * planet.h / (r0 * r0));
    EXPECT_DOUBLE_EQ(planet.r, planet.p / (1.0 + 0.4 * std::cos(planet.theta)));
    ExpectSameVector(planet.PrevPosition, before);
    EXPECT_DOUBLE_EQ(planet.Velocity.x, (planet.Position.x - before.x) / dt);
    EXPECT_DOUBLE_EQ(planet.Velocity.z, (planet.Position.z - before.z) / dt);
}

TEST(Planet, SetUpRestoresPericentreSoSteppingRetracesTheTrack) {
    TPlanet planet = SetUpPlanet(1.3, 0.7);
    const double dt = planet.StepSize();
    for (std::size_t i = 1; i + 1 < planet.Track.size(); ++i) {
        planet.Step(dt);
        ExpectSameVector(planet.Position, planet.Track[i]);
    }
}

TEST(Planet, SetUpStartsAtPericentreOnTheApsidalAxis) {
    for (double ecc : {0.0, 0.5, 0.9}) {
        SCOPED_TRACE(ecc);
        const TPlanet planet = SetUpPlanet(1.0, ecc);
        const TVector& at = planet.Position;
        EXPECT_NEAR(std::sqrt(at.x * at.x + at.y * at.y + at.z * at.z), 1.0 - ecc, 1e-12)
            << "pericentre, not apocentre";
        EXPECT_NEAR(planet.r, 1.0 - ecc, 1e-12);
        ExpectNearVector(planet.Position, planet.AxisP * (1.0 - ecc));
        ExpectSameVector(planet.Track.front(), planet.Position);
    }
}

TEST(Planet, VelocityAfterSetUpIsTheFirstChordNotTheTangent) {
    TPlanet planet = SetUpPlanet(1.0, 0.5);
    const double dt = planet.StepSize();
    const TVector& p0 = planet.Track[0];
    const TVector& p1 = planet.Track[1];
    EXPECT_EQ(planet.Velocity.x, (p1.x - p0.x) / dt);
    EXPECT_EQ(planet.Velocity.y, (p1.y - p0.y) / dt);
    EXPECT_EQ(planet.Velocity.z, (p1.z - p0.z) / dt);
    // At pericentre the tangent is along AxisQ; the chord already bends back towards the star.
    EXPECT_LT(planet.Velocity.x, -1e-4);
}

TEST(Planet, StarReflexSkipsHiddenPlanetsAndScalesByTheStarMass) {
    std::vector<std::unique_ptr<TPlanet>> planets;
    for (double a : {5.2, 2.6, 7.8}) {
        planets.push_back(std::make_unique<TPlanet>());
        planets.back()->a = a;
        planets.back()->SetUp(2.0);
    }
    planets[1]->Visible = false;

    const TStarReflex star = StarReflex(planets, 1.0 / 2.0);
    const TPlanet& mondas = *planets[0];
    const TPlanet& skyron = *planets[2];
    EXPECT_DOUBLE_EQ(star.Velocity.z, -(mondas.Velocity.z + skyron.Velocity.z) * JupiterMass * 0.5);
    EXPECT_DOUBLE_EQ(star.Position.x, -(mondas.Position.x + skyron.Position.x) * JupiterMass * 0.5);
}

TEST(Planet, LongNamesAreCutTo999Bytes) {
    TPlanet planet;
    planet.Name = std::string(1500, 'x');
    EXPECT_EQ(planet.Name.str(), std::string(999, 'x'));

    planet.Name = "Mondas";
    EXPECT_EQ(planet.Name, "Mondas");

    // A two-byte character at bytes 998 and 999 would be split by the cut: it goes whole.
    planet.Name = std::string(998, 'y') + "\xC3\xA9" + "z";
    EXPECT_EQ(planet.Name.str(), std::string(998, 'y'));
}

TEST(PlanetDeathTest, SetUpRefusesElementsThatCannotMakeAnOrbit) {
    TPlanet planet;
    planet.a = 0.0;
    EXPECT_DEATH(planet.SetUp(1.0), "ElementsInRange");
    planet.a = 5.2;
    EXPECT_DEATH(planet.SetUp(std::numeric_limits<double>::quiet_NaN()), "ElementsInRange");
    TPlanet fresh;
    EXPECT_DEATH(fresh.MakeTrack(), "h > 0.0");
}
