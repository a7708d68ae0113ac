// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
// The description of a fit run's solution: its goodness, each planet's elements, mass and
// orbit, each instrument's offset and jitter, the trend, all with their uncertainties.
#include "model/fit/FitRun.h"

#include "model/orbit/Angles.h"
#include "model/fit/PlanetMass.h"
#include "model/orbit/planet.h"

namespace fit {

// Each planet with K >= 0 and its mean longitude within one turn.
void TFitRun::Normalise(std::vector<double>& full) const {
    for (int j = 0; j < layout_.planets; ++j) {
        TPlanetParameters p = FromFree(&full[PerPlanet * j]);
        // K < 0 draws the same curve as -K with the periastron turned by half a turn.
        if (p.K < 0.0) {
            p.K = -p.K;
            p.secosw = -p.secosw;
            p.sesinw = -p.sesinw;
            p.lambda += Pi;
        }
        p.lambda = Wrapped2Pi(p.lambda);
        ToFree(p, &full[PerPlanet * j]);
    }
}

// The counts, chi^2, likelihood, BIC and rms of the fit at full.
void TFitRun::DescribeGoodness(const std::vector<double>& full, TOrbitSolution& solution) const {
    solution.parameters =
        static_cast<int>(free_.size()) + (settings_.fitJitter ? layout_.instruments : 0);
    solution.degreesOfFreedom = static_cast<int>(data_.size()) - solution.parameters;
    const std::vector<double> r2 = ResidualSquares(full);
    double sumSquares = 0.0;
    for (std::size_t i = 0; i < data_.size(); ++i) {
        const double s = jitters_[data_[i].instrument];
        const double variance = data_[i].error_mps * data_[i].error_mps + s * s;
        sumSquares += r2[i];
        solution.chiSquare += r2[i] / variance;
        solution.minusTwoLnL += r2[i] / variance + std::log(TwoPi * variance);
    }
    solution.bic =
        solution.minusTwoLnL + solution.parameters * std::log(static_cast<double>(data_.size()));
    solution.rms_mps = std::sqrt(sumSquares / static_cast<double>(data_.size()));
    solution.reducedChiSquare = solution.chiSquare / std::max(1, solution.degreesOfFreedom);
}

// One planet's elements, mass and orbit with their uncertainties; its parameters start at
// index `at` of the full vector.
TFittedPlanet TFitRun::DescribePlanet(const TPlanetParameters& p, int at,
                                      TEstimator& estimator) const {
    const int iP = at, iK = at + 1, iSecosw = at + 2, iSesinw = at + 3, iLambda = at + 4;
    TFittedPlanet planet;
    const double e = p.secosw * p.secosw + p.sesinw * p.sesinw;
    const double omega = e > 0.0 ? Wrapped2Pi(std::atan2(p.sesinw, p.secosw)) : 0.0;
    // The first periastron at or after the reference time: M = lambda - omega there.
    const double M0 = Wrapped2Pi(p.lambda - omega);
    const double sinceReference = M0 > 0.0 ? (TwoPi - M0) / TwoPi * p.P : 0.0;
    planet.elements = {p.P, p.K, e, omega, t0_ + sinceReference};
    planet.eccentricityAtBound = e > EccentricityNearBound;

    estimator.Only(iP, 1.0);
    planet.period_days = estimator.Of(p.P, 0.0);
    estimator.Only(iK, 1.0);
    planet.K_mps = estimator.Of(p.K, 0.0);
    std::vector<double>& g = estimator.Clear();
    g[iSecosw] = 2.0 * p.secosw;
    g[iSesinw] = 2.0 * p.sesinw;
    planet.ecc = estimator.Of(e, 0.0, MaxEccentricity);
    if (e > 0.0) {
        estimator.Clear();
        g[iSecosw] = -p.sesinw / e;
        g[iSesinw] = p.secosw / e;
        planet.omega_rad = estimator.Of(omega);
        // dT = (P / 2 pi) (d omega - d lambda) + (T - t0) / P dP.
        const double turn = p.P / TwoPi;
        g[iSecosw] *= turn;
        g[iSesinw] *= turn;
        g[iLambda] = -turn;
        g[iP] = sinceReference / p.P;
        planet.tPeri_days = estimator.Of(planet.elements.tPeri_days);
    } else {
        planet.omega_rad = {omega, Infinity};
        planet.tPeri_days = {planet.elements.tPeri_days, Infinity};
    }

    const TPlanetMass mass =
        PlanetMass(p.P, p.K, e, settings_.starMass_Solar, settings_.astronomicalUnit);
    const auto weighed = [&](double dP, double dK, double de) {
        estimator.Clear();
        g[iP] = dP;
        g[iK] = dK;
        g[iSecosw] = de * 2.0 * p.secosw;
        g[iSesinw] = de * 2.0 * p.sesinw;
    };
    weighed(mass.dMass_dP, mass.dMass_dK, mass.dMass_de);
    const TEstimate massSolar = estimator.Of(mass.massSinI_Solar, 0.0);
    const auto inUnits = [&](double factor) {
        TEstimate x = massSolar;
        x.value *= factor;
        x.sigma *= factor;
        return x;
    };
    planet.massSinI_Jupiter = inUnits(JupiterMassesPerSolarMass);
    planet.massSinI_Earth = inUnits(EarthMassesPerSolarMass);
    weighed(mass.dA_dP, mass.dA_dK, mass.dA_de);
    planet.a_AU = estimator.Of(mass.a_AU, 0.0);
    return planet;
}

// Each instrument's offset and jitter, and the trend.
void TFitRun::DescribeBaseline(const std::vector<double>& full, TEstimator& estimator,
                               TOrbitSolution& solution) const {
    for (int j = 0; j < layout_.instruments; ++j) {
        estimator.Only(layout_.Offset(j), 1.0);
        solution.offsets_mps.push_back(estimator.Of(full[layout_.Offset(j)]));
        std::vector<double> errors;
        for (const TMeasurement& m : data_)
            if (m.instrument == j)
                errors.push_back(m.error_mps * m.error_mps);
        TEstimate jitter{jitters_[j], 0.0, 0.0};
        jitter.fixed = !settings_.fitJitter;
        if (settings_.fitJitter)
            jitter.sigma = estimator.HoldsJitters() ? estimator.JitterSigma(j)
                                                    : JitterUncertainty(jitters_[j], errors);
        solution.jitters_mps.push_back(jitter);
    }
    solution.offset_mps = solution.offsets_mps.front();
    solution.jitter_mps = jitters_.front();
    if (layout_.trend >= 1) {
        estimator.Only(layout_.Trend(0), 1.0 / span_);
        solution.trend_mps_per_day = estimator.Of(full[layout_.Trend(0)] / span_);
    }
    if (layout_.trend >= 2) {
        estimator.Only(layout_.Trend(1), 1.0 / (span_ * span_));
        solution.curvature_mps_per_day2 = estimator.Of(full[layout_.Trend(1)] / (span_ * span_));
    }
}

// The gradient of -ln L = 1/2 sum_i [r_i^2 / V_i + ln V_i], V_i = sigma_i^2 + s_j^2, over the
// free parameters as the covariance takes them (each planet's P, K, secosw, sesinw, lambda,
// the offsets and the trend, TKeplerResiduals::PhysicalJacobian) and then each jitter:
//   d/dtheta = sum_i (r_i / sqrt(V_i)) J_i,   d/ds_j = sum_{i of j} s_j (1 / V_i - r_i^2 / V_i^2)
// with J the Jacobian of the whitened residuals. Empty where the parameters describe no orbit.
std::vector<double> TFitRun::MinusLnLGradient(const std::vector<double>& full,
                                              const std::vector<double>& jitters) const {
    const TKeplerResiduals model(data_, layout_, t0_, span_, jitters, full, free_);
    std::vector<TPlanetParameters> planets;
    for (int j = 0; j < layout_.planets; ++j) {
        const double* x = &full[PerPlanet * j];
        planets.push_back({x[0], x[1], x[2], x[3], x[4]});
        const double e = x[2] * x[2] + x[3] * x[3];
        if (!fit::Usable(planets.back()) || !(e < 1.0))
            return {};
    }
    const int n = model.ParameterCount();
    const std::vector<double> J = model.PhysicalJacobian(planets);
    const std::vector<TOrbitShape> shapes = ShapesOf(planets);
    std::vector<double> g(n + layout_.instruments, 0.0);
    for (std::size_t i = 0; i < data_.size(); ++i) {
        const double s = jitters[data_[i].instrument];
        const double V = data_[i].error_mps * data_[i].error_mps + s * s;
        const double r = data_[i].v_mps - model.Velocity(full, planets, shapes, i);
        const double whitened = r / std::sqrt(V);
        for (int c = 0; c < n; ++c)
            g[c] += whitened * J[i * n + c];
        g[n + data_[i].instrument] += s * (1.0 / V - r * r / (V * V));
    }
    return g;
}

// The inverse of the Hessian of -ln L at the maximum, jitters included, by central
// differences of its exact gradient, each step a thousandth of the parameter's linearised
// uncertainty. None when a step leaves the orbits' domain or the gradient is not finite:
// the linearised covariance is then all there is.
std::optional<TParameterCovariance>
TFitRun::ObservedInformation(const std::vector<double>& fitted,
                             const TParameterCovariance& linearised) const {
    // The full vector with each planet's physical parameters in place of the minimiser's.
    std::vector<double> full = fitted;
    for (int j = 0; j < layout_.planets; ++j) {
        const TPlanetParameters p = FromFree(&fitted[PerPlanet * j]);
        const double physical[PerPlanet] = {p.P, p.K, p.secosw, p.sesinw, p.lambda};
        std::copy(physical, physical + PerPlanet, &full[PerPlanet * j]);
    }
    const int n = static_cast<int>(free_.size());
    const int size = n + layout_.instruments;
    std::vector<double> information(size * size);
    for (int c = 0; c < size; ++c) {
        double step;
        if (c < n) {
            std::vector<double> unit(n, 0.0);
            unit[c] = 1.0;
            const double sigma = std::sqrt(linearised.Variance(unit));
            step = 1e-3 * (std::isfinite(sigma) && sigma > 0.0
                               ? sigma
                               : std::max(1.0, std::abs(full[free_[c]])));
        } else {
            step = 1e-3 * std::max(jitters_[c - n], 1e-3);
        }
        std::vector<double> plus = full, minus = full;
        std::vector<double> jPlus = jitters_, jMinus = jitters_;
        if (c < n) {
            plus[free_[c]] += step;
            minus[free_[c]] -= step;
        } else {
            jPlus[c - n] += step;
            jMinus[c - n] -= step;
        }
        const std::vector<double> gPlus = MinusLnLGradient(plus, jPlus);
        const std::vector<double> gMinus = MinusLnLGradient(minus, jMinus);
        if (gPlus.empty() || gMinus.empty())
            return std::nullopt;
        for (int r = 0; r < size; ++r) {
            const double d = (gPlus[r] - gMinus[r]) / (2.0 * step);
            if (!std::isfinite(d))
                return std::nullopt;
            information[r * size + c] = d;
        }
    }
    return TParameterCovariance::FromInformation(information, size);
}

TOrbitSolution TFitRun::Describe(std::vector<double> full) const {
    Normalise(full);
    const TKeplerResiduals model = ResidualsAtFull(full);
    std::vector<TPlanetParameters> planets;
    PRECONDITION(model.Unpack(full, planets));

    TOrbitSolution solution;
    solution.referenceTime_days = t0_;
    solution.span_days = span_;
    solution.starMass_Solar = settings_.starMass_Solar;
    solution.trendOrder = layout_.trend;
    DescribeGoodness(full, solution);

    const TParameterCovariance covariance(model.PhysicalJacobian(planets), data_.size(),
                                          model.ParameterCount());
    // Fitted jitters already bring chi^2 to its expectation; without them an underestimated
    // error shows as chi^2 above it, and the uncertainties widen to match.
    const double scale =
        settings_.fitJitter ? 1.0 : std::sqrt(std::max(1.0, solution.reducedChiSquare));
    // With fitted jitters the uncertainties come from the observed information of -ln L,
    // the jitters free with the rest: the linearisation holds each jitter fixed and leaves
    // out the curvature of the model, which for a weak eccentric signal both matter.
    const std::optional<TParameterCovariance> observed =
        settings_.fitJitter ? ObservedInformation(full, covariance) : std::nullopt;
    TEstimator estimator(model, observed ? *observed : covariance, scale, layout_.Size(),
                         observed ? layout_.instruments : 0);
    for (int j = 0; j < layout_.planets; ++j)
        solution.planets.push_back(DescribePlanet(planets[j], PerPlanet * j, estimator));
    DescribeBaseline(full, estimator, solution);
    return solution;
}

} // namespace fit
