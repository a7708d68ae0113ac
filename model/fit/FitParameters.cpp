// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "model/fit/FitParameters.h"

#include "Precondition.h"
#include "model/orbit/Angles.h"

#include <algorithm>
#include <cmath>

namespace fit {

double Wrapped2Pi(double x) {
    const double r = std::fmod(x, TwoPi);
    return r < 0.0 ? r + TwoPi : r;
}

namespace {

constexpr double SquashLimit = 5.0; // tanh^2 = 1 - 1.8e-4 there

double SqrtMaxEccentricity() {
    static const double value = std::sqrt(MaxEccentricity);
    return value;
}

} // namespace

TSquash Squash(double rho) {
    const double s = SqrtMaxEccentricity();
    if (rho < 1e-3) {
        const double r2 = rho * rho;
        return {s * (1.0 - r2 / 3.0 + 2.0 * r2 * r2 / 15.0), s * (-2.0 / 3.0 + 8.0 * r2 / 15.0)};
    }
    const double t = std::tanh(std::min(rho, SquashLimit));
    const double slope = rho < SquashLimit ? 1.0 - t * t : 0.0;
    return {s * t / rho, s * (rho * slope - t) / (rho * rho * rho)};
}

void ToFree(const TPlanetParameters& p, double* free) {
    double secosw = p.secosw, sesinw = p.sesinw;
    double e = secosw * secosw + sesinw * sesinw;
    const double highest = 0.999 * MaxEccentricity * std::pow(std::tanh(SquashLimit), 2);
    if (e > highest) {
        const double shrink = std::sqrt(highest / e);
        secosw *= shrink;
        sesinw *= shrink;
        e = highest;
    }
    const double rho = std::atanh(std::sqrt(e / MaxEccentricity));
    const double c = Squash(rho).c;
    free[0] = std::log(p.P);
    free[1] = p.K;
    free[2] = secosw / c;
    free[3] = sesinw / c;
    free[4] = p.lambda;
}

TPlanetParameters FromFree(const double* free) {
    const double x = free[2], y = free[3];
    const double c = Squash(std::hypot(x, y)).c;
    return {std::exp(free[0]), free[1], c * x, c * y, free[4]};
}

TOrbitShape ShapeOf(const TPlanetParameters& p) {
    const double e = p.secosw * p.secosw + p.sesinw * p.sesinw;
    const double sqrtE = std::sqrt(e);
    const double omega = sqrtE > 0.0 ? std::atan2(p.sesinw, p.secosw) : 0.0;
    return {e,
            sqrtE > 0.0 ? p.secosw / sqrtE : 1.0,
            sqrtE > 0.0 ? p.sesinw / sqrtE : 0.0,
            TwoPi / p.P,
            p.lambda - omega,
            std::sqrt(1.0 - e * e)};
}

std::vector<TOrbitShape> ShapesOf(std::span<const TPlanetParameters> planets) {
    std::vector<TOrbitShape> shapes;
    shapes.reserve(planets.size());
    for (const TPlanetParameters& p : planets)
        shapes.push_back(ShapeOf(p));
    return shapes;
}

double PlanetVelocity(const TPlanetParameters& p, const TOrbitShape& shape, double tau,
                      double* gradient) {
    const double e = shape.e, cosW = shape.cosW, sinW = shape.sinW, n = shape.n;
    const kepler::TEccentricAnomaly E = kepler::SolveKepler(shape.meanAtReference + n * tau, e);
    const double cosE = E.cosE;
    const double sinE = E.sinE;
    const double den = 1.0 - e * cosE;
    const double beta = shape.beta;
    const double cosNu = (cosE - e) / den;
    const double sinNu = beta * sinE / den;
    const double C = cosNu * cosW - sinNu * sinW; // cos(nu + omega)
    const double S = sinNu * cosW + cosNu * sinW; // sin(nu + omega)
    if (gradient) {
        const double dNu_dM = beta / (den * den);
        const double dNu_de = sinNu * (2.0 + e * cosNu) / (1.0 - e * e);
        const double dv_dM = -p.K * S * dNu_dM;
        const double dv_de = p.K * (cosW - S * dNu_de);
        // (dv/domega) / e; (dNu_dM - 1) / e = (2 cos E - e cos^2 E - e / (1 + beta)) / den^2.
        const double dv_dOmegaOverE =
            p.K * S * (2.0 * cosE - e * cosE * cosE - e / (1.0 + beta)) / (den * den) - p.K * sinW;
        gradient[0] = -dv_dM * n * tau / p.P;
        gradient[1] = C + e * cosW;
        gradient[2] = 2.0 * p.secosw * dv_de - p.sesinw * dv_dOmegaOverE;
        gradient[3] = 2.0 * p.sesinw * dv_de + p.secosw * dv_dOmegaOverE;
        gradient[4] = dv_dM;
    }
    return p.K * (C + e * cosW);
}

bool Usable(const TPlanetParameters& p) {
    return std::isfinite(p.P) && p.P > 0.0 && std::isfinite(p.K) && std::isfinite(p.secosw) &&
           std::isfinite(p.sesinw) && std::isfinite(p.lambda) && std::abs(p.lambda) < 1e6;
}

std::vector<int> FreeIndices(const TLayout& layout, const TFitSettings& settings) {
    std::vector<int> free;
    for (int j = 0; j < layout.planets; ++j) {
        const TFixedElements& fixed = settings.FixedOf(j);
        const bool held[PerPlanet] = {fixed.period, fixed.semiAmplitude, fixed.eccentricity,
                                      fixed.eccentricity, fixed.phase};
        for (int c = 0; c < PerPlanet; ++c)
            if (!held[c])
                free.push_back(PerPlanet * j + c);
    }
    for (int c = PerPlanet * layout.planets; c < layout.Size(); ++c)
        free.push_back(c);
    return free;
}

TPlanetParameters ParametersOf(const kepler::TRadialVelocityElements& elements, double t0) {
    PRECONDITION(elements.period_days > 0.0 && std::isfinite(elements.period_days));
    PRECONDITION(std::isfinite(elements.K_mps) && std::isfinite(elements.omega_rad) &&
                 std::isfinite(elements.tPeri_days));
    const double e = std::clamp(elements.ecc, 0.0, MaxEccentricity);
    const double sqrtE = std::sqrt(e);
    return {elements.period_days, elements.K_mps, sqrtE * std::cos(elements.omega_rad),
            sqrtE * std::sin(elements.omega_rad),
            kepler::MeanAnomaly(elements, t0) + elements.omega_rad};
}

} // namespace fit
