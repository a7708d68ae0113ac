// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "model/orbit/Kepler.h"
#include "model/orbit/Angles.h"

#include "Precondition.h"
#include "model/orbit/planet.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace kepler {

namespace {

// Newton's step halves the error's digits each time; with the bracket, 60 rounds are far
// more than the 6 or so it needs even at e = 0.99 near M = 0.
constexpr int MaxIterations = 60;

// x reduced to -pi..pi.
double Wrapped(double x) {
    // Most callers pass an angle already in range: remainder() is slow.
    if (x > -Pi && x <= Pi)
        return x;
    double r = std::remainder(x, TwoPi);
    return r <= -Pi ? r + TwoPi : r;
}

// Turns (sin E, cos E) on by a small step d of E without calling sine and cosine: their
// series to d^7 and d^8 are exact in doubles for |d| < 1e-3, and every Newton step after the
// first few is that small.
constexpr double SmallStep = 1e-3;

void TurnBy(double d, double& s, double& c) {
    const double d2 = d * d;
    const double sinD = d * (1.0 - d2 / 6.0 * (1.0 - d2 / 20.0 * (1.0 - d2 / 42.0)));
    const double cosD = 1.0 - d2 / 2.0 * (1.0 - d2 / 12.0 * (1.0 - d2 / 30.0));
    const double turned = s * cosD + c * sinD;
    c = c * cosD - s * sinD;
    s = turned;
}

// E for 0 <= M <= pi. E - M = e sin E lies in [0, e], so [M, min(pi, M + e)] holds the
// root; f(E) = E - e sin E - M rises there, so a Newton step that leaves the bracket is
// replaced by bisection.
TEccentricAnomaly SolveHalfTurn(double M, double e) {
    double lo = M;
    double hi = std::min(Pi, M + e);
    // Danby's start, good for every e; clamped into the bracket.
    double E = std::clamp(M + 0.85 * e, lo, hi);
    double s = std::sin(E), c = std::cos(E);
    for (int i = 0; i < MaxIterations; ++i) {
        const double f = E - e * s - M;
        if (f == 0.0)
            return {E, s, c};
        if (f > 0.0)
            hi = E;
        else
            lo = E;
        const double slope = 1.0 - e * c;
        double next = E - f / slope;
        if (!(next > lo && next < hi))
            next = 0.5 * (lo + hi);
        const double step = next - E;
        E = next;
        if (std::abs(step) < SmallStep) {
            TurnBy(step, s, c);
        } else {
            s = std::sin(E);
            c = std::cos(E);
        }
        if (std::abs(step) <= 4e-16 * std::max(1.0, std::abs(E)))
            return {E, s, c};
    }
    return {E, s, c};
}

} // namespace

TEccentricAnomaly SolveKepler(double meanAnomaly_rad, double ecc) {
    PRECONDITION(std::isfinite(meanAnomaly_rad));
    PRECONDITION(ecc >= 0.0 && ecc < 1.0);
    const double M = Wrapped(meanAnomaly_rad);
    TEccentricAnomaly solved = SolveHalfTurn(std::abs(M), ecc);
    if (M < 0.0) {
        solved.E_rad = -solved.E_rad;
        solved.sinE = -solved.sinE;
    }
    solved.E_rad += meanAnomaly_rad - M;
    return solved;
}

double EccentricAnomaly(double meanAnomaly_rad, double ecc) {
    return SolveKepler(meanAnomaly_rad, ecc).E_rad;
}

double TrueAnomaly(double eccentricAnomaly_rad, double ecc) {
    PRECONDITION(ecc >= 0.0 && ecc < 1.0);
    const double half = 0.5 * eccentricAnomaly_rad;
    return 2.0 * std::atan2(std::sqrt(1.0 + ecc) * std::sin(half),
                            std::sqrt(1.0 - ecc) * std::cos(half));
}

double MeanAnomaly(const TRadialVelocityElements& planet, double t_days) {
    PRECONDITION(planet.period_days > 0.0);
    // The phase is reduced in days first, so that Julian dates keep their precision.
    const double dt = std::fmod(t_days - planet.tPeri_days, planet.period_days);
    return Wrapped(TwoPi * dt / planet.period_days);
}

double RadialVelocity_mps(const TRadialVelocityElements& planet, double t_days) {
    const double e = planet.ecc;
    const TEccentricAnomaly E = SolveKepler(MeanAnomaly(planet, t_days), e);
    // cos nu and sin nu straight from E, without an arctangent.
    const double denominator = 1.0 - e * E.cosE;
    const double cosNu = (E.cosE - e) / denominator;
    const double sinNu = std::sqrt(1.0 - e * e) * E.sinE / denominator;
    const double cosW = std::cos(planet.omega_rad);
    const double sinW = std::sin(planet.omega_rad);
    return planet.K_mps * (cosNu * cosW - sinNu * sinW + e * cosW);
}

double RadialVelocity_mps(std::span<const TRadialVelocityElements> planets, double t_days) {
    double v = 0.0;
    for (const TRadialVelocityElements& planet : planets)
        v += RadialVelocity_mps(planet, t_days);
    return v;
}

TRadialVelocityElements ElementsOf(const TPlanet& planet, double starMass) {
    PRECONDITION(planet.a > 0.0 && starMass > 0.0 && planet.mass >= 0.0);
    const double e = planet.ecc >= 0.0 ? std::min(planet.ecc, MaxEccentricity) : 0.0;
    const double mu = (planet.mass + starMass) * SolarGM;
    const double p = planet.a * (1.0 - e * e);
    // The model turns the orbit plane about x by inc, which gives the pericentre direction
    // the line-of-sight component -sin(psi) sin(inc); the star moves against its planet.
    const double K = planet.mass / starMass * std::sqrt(mu / p) * std::sin(planet.inc) *
                     MpsPerAUPerDay;
    TRadialVelocityElements elements;
    elements.period_days = TwoPi * std::sqrt(planet.a * planet.a * planet.a / mu);
    elements.K_mps = std::abs(K);
    elements.ecc = e;
    elements.omega_rad = Wrapped(K < 0.0 ? planet.psi + Pi : planet.psi);
    elements.tPeri_days = 0.0;
    return elements;
}

std::vector<TRadialVelocityElements> ElementsOfVisible(std::span<const TPlanet> planets,
                                                      double starMass) {
    std::vector<TRadialVelocityElements> elements;
    for (const TPlanet& planet : planets)
        if (planet.Visible)
            elements.push_back(ElementsOf(planet, starMass));
    return elements;
}

} // namespace kepler
