// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// The star's radial velocity at any time from Kepler's equation, for planets on fixed
// ellipses: mean anomaly M = 2 pi (t - tPeri) / P, eccentric anomaly E from M = E - e sin E,
// true anomaly nu from tan(nu / 2) = sqrt((1 + e) / (1 - e)) tan(E / 2), and the velocity
// v = K [cos(nu + omega) + e cos omega], summed over the planets. Units: days, m/s, radians.

#include <span>
#include <vector>

class TPlanet;

namespace kepler {

// One planet's radial-velocity elements.
struct TRadialVelocityElements {
    double period_days = 1.0; // orbital period, > 0
    double K_mps = 0.0;       // semi-amplitude, m/s, >= 0
    double ecc = 0.0;         // eccentricity, 0 <= ecc < 1
    double omega_rad = 0.0;   // argument of periastron, rad
    double tPeri_days = 0.0;  // a time of periastron, days
};

// The eccentric anomaly (rad, in the same turn as M) for mean anomaly M (rad, any finite
// value) and eccentricity 0 <= e < 1, by Newton's iteration kept inside a bracket that
// always holds the root, so it converges for every such e and M.
double EccentricAnomaly(double meanAnomaly_rad, double ecc);

// The eccentric anomaly as above with its sine and cosine, which the iteration has at hand:
// the velocity needs them, and working them out again costs as much as the iteration.
struct TEccentricAnomaly {
    double E_rad = 0.0;
    double sinE = 0.0;
    double cosE = 1.0;
};
TEccentricAnomaly SolveKepler(double meanAnomaly_rad, double ecc);

// The true anomaly (rad, -pi to pi) at eccentric anomaly E (rad) for 0 <= e < 1.
double TrueAnomaly(double eccentricAnomaly_rad, double ecc);

// The mean anomaly (rad, -pi to pi) of the planet at time t (days).
double MeanAnomaly(const TRadialVelocityElements& planet, double t_days);

// The star's radial velocity (m/s, positive receding) due to one planet at time t (days).
double RadialVelocity_mps(const TRadialVelocityElements& planet, double t_days);

// The sum over the planets.
double RadialVelocity_mps(std::span<const TRadialVelocityElements> planets, double t_days);

// The elements of one of the book's planets about a star of starMass solar masses, so that
// the velocity matches the star's z velocity of the orbit model (starreflex.h) in m/s with
// the planet at pericentre at time 0: the period of the model, K = (m / M*) sqrt(G (M* + m)
// / p) sin i times MpsPerAUPerDay, and omega = psi, turned by pi when sin i < 0 so that K
// stays positive. The eccentricity is clamped as TPlanet::SetUp clamps it; needs a > 0 and
// a star mass > 0.
TRadialVelocityElements ElementsOf(const TPlanet& planet, double starMass);

// The elements of the visible planets among those given.
std::vector<TRadialVelocityElements> ElementsOfVisible(std::span<const TPlanet> planets,
                                                      double starMass);

} // namespace kepler
