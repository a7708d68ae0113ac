// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// A planet's minimum mass and orbit size from the star's radial-velocity elements. The mass
// function f = (m sin i)^3 / (M* + m sin i)^2 = P K^3 (1 - e^2)^(3/2) / (2 pi G) is solved
// for m sin i without assuming m << M*, and Kepler's third law gives the semi-major axis,
// a^3 = G (M* + m sin i) P^2 / (4 pi^2), the least the orbit can be. With the partial
// derivatives of both, so that the fit's uncertainties carry over. G is the orbit model's
// (planet.h). The velocity's AU per day is the orbit model's for simulated data, so that a
// simulated planet is weighed back as the book made it, and the IAU's for measured data.
// Units: days, m/s, solar masses, AU.

#include "model/orbit/planet.h"

namespace fit {

// Metres per second in one astronomical unit per day: IAU 2012 Resolution B2 defines the au
// as 149 597 870 700 m exactly; the day is 86 400 s.
constexpr double IauMpsPerAUPerDay = 149597870700.0 / 86400.0;

// Which AU per day a planet's K is weighed in.
enum class TAstronomicalUnit {
    Simulation, // the orbit model's MpsPerAUPerDay (planet.h)
    Iau,        // IauMpsPerAUPerDay
};

// Earth masses in one solar mass: GM_sun / GM_earth of the IAU 2015 Resolution B3 nominal
// values, 1.3271244e20 / 3.986004e14 m^3 s^-2.
constexpr double EarthMassesPerSolarMass = 332946.0487;
// The same masses counted in Jupiters (planet.h's JupiterMass).
constexpr double EarthMassesPerJupiterMass = EarthMassesPerSolarMass / JupiterMassesPerSolarMass;

struct TPlanetMass {
    double massSinI_Solar = 0.0; // m sin i, solar masses
    double a_AU = 0.0;           // semi-major axis of the planet's orbit about the star, AU
    // The partial derivatives of m sin i (solar masses) and of a (AU) with respect to
    // P (days), K (m/s) and e.
    double dMass_dP = 0.0, dMass_dK = 0.0, dMass_de = 0.0;
    double dA_dP = 0.0, dA_dK = 0.0, dA_de = 0.0;
};

// Needs P > 0, K >= 0, 0 <= e < 1 and M* > 0. K = 0 weighs nothing: m sin i = 0, and since
// m sin i grows as K^3 at first, all its derivatives are 0 there.
TPlanetMass PlanetMass(double period_days, double K_mps, double ecc, double starMass_Solar,
                       TAstronomicalUnit unit = TAstronomicalUnit::Simulation);

} // namespace fit
