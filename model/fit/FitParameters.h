// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// The orbit fit's parameters (OrbitFit.h) and the velocity they give. Each planet is fitted
// in P, K, secosw = sqrt(e) cos omega, sesinw = sqrt(e) sin omega and the mean longitude at
// the reference time lambda = M + omega, which stay smooth through e = 0; the minimiser
// moves ln P, K, x, y and lambda, with (secosw, sesinw) = c(rho) (x, y),
// c = sqrt(emax) tanh(rho) / rho, rho = |(x, y)|, so that e < MaxEccentricity whatever
// step it takes. The full parameter vector holds each planet's five, then each instrument's
// offset, then the trend's terms. Units: days, m/s, radians.

#include "model/orbit/Kepler.h"
#include "model/fit/OrbitFit.h"

#include <span>
#include <vector>

namespace fit {

constexpr int PerPlanet = 5; // P, K, sqrt(e) cos omega, sqrt(e) sin omega, lambda

// x wrapped into [0, 2 pi).
double Wrapped2Pi(double x);

struct TPlanetParameters {
    double P = 1.0, K = 0.0, secosw = 0.0, sesinw = 0.0, lambda = 0.0;
};

// c(rho) and c'(rho) / rho for the chain rule, both by their series near 0; beyond a radius
// of 5 (tanh^2 = 1 - 1.8e-4) tanh is held, so that e cannot round up to the bound.
struct TSquash {
    double c;
    double slopeOverRho;
};
TSquash Squash(double rho);

// The minimiser's five parameters of one planet (ln P, K, x, y, lambda), at free[0..4], and
// back; an eccentricity at the bound is brought just inside it.
void ToFree(const TPlanetParameters& p, double* free);
TPlanetParameters FromFree(const double* free);

// What the velocity of every measurement shares: the orbit's shape and turn, worked out once
// a planet rather than once a measurement.
struct TOrbitShape {
    double e, cosW, sinW, n, meanAtReference, beta;
};
TOrbitShape ShapeOf(const TPlanetParameters& p);
std::vector<TOrbitShape> ShapesOf(std::span<const TPlanetParameters> planets);

// The planet's velocity tau days after the reference time, m/s, and when asked (gradient
// not null) its partial derivatives with respect to P, K, secosw, sesinw and lambda into
// gradient[0..4]. The derivatives with respect to secosw and sesinw pass through
// omega = atan2(sesinw, secosw), whose 1/e is cancelled analytically, so that they stay
// finite and exact down to e = 0.
double PlanetVelocity(const TPlanetParameters& p, const TOrbitShape& shape, double tau,
                      double* gradient);

// Finite, of a positive period and a mean longitude a double still turns.
bool Usable(const TPlanetParameters& p);

// Where each parameter sits in the full vector.
struct TLayout {
    int planets = 0;
    int instruments = 1;
    int trend = 0;

    int Size() const { return PerPlanet * planets + instruments + trend; }
    int Offset(int instrument) const { return PerPlanet * planets + instrument; }
    int Trend(int power) const { return PerPlanet * planets + instruments + power; }
};

// The full parameter vector's entries that the minimiser moves: all but the fixed elements.
std::vector<int> FreeIndices(const TLayout& layout, const TFitSettings& settings);

// A planet's parameters from its elements, lambda at the reference time t0; the
// eccentricity clamped to the fit's range. Needs a finite positive period and finite K,
// omega and time of periastron.
TPlanetParameters ParametersOf(const kepler::TRadialVelocityElements& elements, double t0);

} // namespace fit
