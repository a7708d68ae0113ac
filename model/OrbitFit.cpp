// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "model/OrbitFit.h"
#include "model/Angles.h"
#include "model/FitParameters.h"
#include "model/KeplerResiduals.h"

#include "Precondition.h"
#include "model/Jitter.h"
#include "model/LeastSquares.h"
#include "model/MeasurementLimits.h"
#include "model/PlanetMass.h"
#include "model/planet.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>
#include <optional>

namespace fit {

namespace {

constexpr double Infinity = std::numeric_limits<double>::infinity();

// The eccentricities and periastron directions tried for a new planet after its circular
// start: enough that one start lies in the basin of every orbit up to e = 0.99.
constexpr double StartEccentricities[] = {0.3, 0.6, 0.85, 0.95};
constexpr double StartOmegas[] = {0.0, 0.5 * Pi, Pi, 1.5 * Pi};
// A start is cut short here; only the best is then carried on to convergence.
constexpr int StartEvaluations = 100;
constexpr int FinalEvaluations = 500;
constexpr int MaxJitterRounds = 30;
// Each round after a jitter step starts at the last minimum, which it moves a little.
constexpr int JitterRoundEvaluations = 100;
// A circular start whose eccentricity is free starts here instead (see FitFrom).
constexpr double CircularStart = 0.01;

// A fit in progress: the full parameter vector and what it costs.
struct TCandidate {
    std::vector<double> full;
    double sumOfSquares = Infinity;
};

// Estimates of quantities derived from the fitted parameters, each from its gradient over the
// full parameter vector, which the describing code fills in before asking.
class TEstimator {
public:
    // jitters: how many jitters follow the model's free parameters in the covariance (0
    // when it is the Gauss-Newton one, which holds none).
    TEstimator(const TKeplerResiduals& model, const TParameterCovariance& covariance,
               double scale, int size, int jitters = 0)
        : model_(model), covariance_(covariance), scale_(scale), gradient_(size, 0.0),
          jitters_(jitters) {}

    // A gradient of zeros, to fill in entry by entry.
    std::vector<double>& Clear() {
        std::fill(gradient_.begin(), gradient_.end(), 0.0);
        return gradient_;
    }
    // The gradient of one parameter times slope.
    void Only(int index, double slope) { Clear()[index] = slope; }

    TEstimate Of(double value, double low = -Infinity, double high = Infinity) const {
        std::vector<double> g = model_.FreeGradient(gradient_);
        const bool fixed = std::all_of(g.begin(), g.end(), [](double x) { return x == 0.0; });
        g.resize(g.size() + jitters_, 0.0);
        TEstimate estimate{value, std::sqrt(covariance_.Variance(g)) * scale_, low, high};
        estimate.fixed = fixed;
        return estimate;
    }

    // Instrument j's jitter, when the covariance holds the jitters.
    double JitterSigma(int j) const {
        PRECONDITION(j >= 0 && j < jitters_);
        std::vector<double> g(covariance_.ParameterCount(), 0.0);
        g[covariance_.ParameterCount() - jitters_ + j] = 1.0;
        return std::sqrt(covariance_.Variance(g));
    }
    bool HoldsJitters() const { return jitters_ > 0; }

private:
    const TKeplerResiduals& model_;
    const TParameterCovariance& covariance_;
    double scale_;
    std::vector<double> gradient_;
    int jitters_;
};

class TFitRun {
public:
    TFitRun(std::span<const TMeasurement> data, int planets, const TFitSettings& settings,
            const TWorkControl& control, int steps)
        : data_(data), settings_(settings), control_(control), steps_(steps) {
        layout_.planets = planets;
        layout_.instruments = InstrumentCount(data);
        layout_.trend = settings.trendOrder;
        free_ = FreeIndices(layout_, settings);
        jitters_.assign(layout_.instruments, 0.0);
        for (std::size_t j = 0; j < jitters_.size() && j < settings.startJitters_mps.size(); ++j)
            jitters_[j] = std::max(0.0, settings.startJitters_mps[j]);
        t0_ = data.front().t_days;
        double last = t0_;
        for (const TMeasurement& m : data) {
            t0_ = std::min(t0_, m.t_days);
            last = std::max(last, m.t_days);
        }
        // A trend over no time is no trend; its unit then stays a day.
        span_ = last > t0_ ? last - t0_ : 1.0;
    }

    const TLayout& Layout() const { return layout_; }
    double ReferenceTime() const { return t0_; }

    // Minimises from start; false when cancelled.
    bool Minimise(TCandidate& candidate, int evaluations) {
        const TKeplerResiduals residuals = ResidualsAt(candidate);
        TLeastSquaresSettings lsq;
        lsq.maxEvaluations = evaluations;
        const TLeastSquaresResult result = MinimiseSumOfSquares(
            residuals, residuals.FreeGradient(candidate.full), lsq, control_);
        StepDone();
        if (result.stop == TLeastSquaresStop::Cancelled)
            return false;
        if (result.stop != TLeastSquaresStop::InvalidStart) {
            candidate.full = residuals.Full(result.x);
            candidate.sumOfSquares = result.sumOfSquares;
        }
        return true;
    }

    // Whether the parameters at full describe orbits (finite, of a period and shape the fit
    // can work with); a start that does not is neither polished nor described.
    bool Usable(const std::vector<double>& full) const {
        std::vector<TPlanetParameters> planets;
        return ResidualsAtFull(full).Unpack(full, planets);
    }

    // Carries the best start to convergence, then fits the jitters if asked; false when
    // cancelled. An unusable start is left as it is, for the caller to refuse.
    bool Finish(TCandidate& best) {
        if (!Usable(best.full))
            return true;
        if (!Minimise(best, FinalEvaluations))
            return false;
        if (!settings_.fitJitter)
            return true;
        for (int round = 0; round < MaxJitterRounds; ++round) {
            const std::vector<double> previous = jitters_;
            jitters_ = MaximumLikelihoodJitters(best);
            if (!Minimise(best, JitterRoundEvaluations))
                return false;
            bool settled = true;
            for (int j = 0; j < layout_.instruments; ++j)
                settled = settled && std::abs(jitters_[j] - previous[j]) <= 1e-7 * (1.0 + jitters_[j]);
            if (settled)
                break;
        }
        return true;
    }

    TOrbitSolution Describe(std::vector<double> full) const;

private:
    void Normalise(std::vector<double>& full) const;
    void DescribeGoodness(const std::vector<double>& full, TOrbitSolution& solution) const;
    TFittedPlanet DescribePlanet(const TPlanetParameters& p, int at, TEstimator& estimator) const;
    void DescribeBaseline(const std::vector<double>& full, TEstimator& estimator,
                          TOrbitSolution& solution) const;
    std::vector<double> MinusLnLGradient(const std::vector<double>& full,
                                         const std::vector<double>& jitters) const;
    std::optional<TParameterCovariance> ObservedInformation(
        const std::vector<double>& full, const TParameterCovariance& linearised) const;

    TKeplerResiduals ResidualsAt(const TCandidate& candidate) const {
        return ResidualsAtFull(candidate.full);
    }
    TKeplerResiduals ResidualsAtFull(const std::vector<double>& full) const {
        return TKeplerResiduals(data_, layout_, t0_, span_, jitters_, full, free_);
    }

    void StepDone() {
        ++done_;
        control_.Report(std::min(1.0, static_cast<double>(done_) / steps_));
    }

    // The squared residuals of the model at full, measurement by measurement.
    std::vector<double> ResidualSquares(const std::vector<double>& full) const {
        const TKeplerResiduals model = ResidualsAtFull(full);
        std::vector<TPlanetParameters> planets;
        PRECONDITION(model.Unpack(full, planets));
        std::vector<double> r2(data_.size());
        const std::vector<TOrbitShape> shapes = ShapesOf(planets);
        for (std::size_t i = 0; i < data_.size(); ++i) {
            const double r = data_[i].v_mps - model.Velocity(full, planets, shapes, i);
            r2[i] = r * r;
        }
        return r2;
    }

    std::vector<double> MaximumLikelihoodJitters(const TCandidate& fit) const {
        const std::vector<double> r2 = ResidualSquares(fit.full);
        std::vector<double> jitters(layout_.instruments);
        for (int j = 0; j < layout_.instruments; ++j) {
            std::vector<double> mine, errors;
            for (std::size_t i = 0; i < data_.size(); ++i)
                if (data_[i].instrument == j) {
                    mine.push_back(r2[i]);
                    errors.push_back(data_[i].error_mps * data_[i].error_mps);
                }
            jitters[j] = MaximumLikelihoodJitter(mine, errors);
        }
        return jitters;
    }

    std::span<const TMeasurement> data_;
    const TFitSettings& settings_;
    const TWorkControl& control_;
    TLayout layout_;
    std::vector<int> free_;
    int steps_;
    int done_ = 0;
    double t0_ = 0.0;
    double span_ = 1.0;
    std::vector<double> jitters_;
};

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
    solution.parameters = static_cast<int>(free_.size()) +
                          (settings_.fitJitter ? layout_.instruments : 0);
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
    solution.bic = solution.minusTwoLnL +
                   solution.parameters * std::log(static_cast<double>(data_.size()));
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
    planet.ecc = estimator.Of(e, 0.0, MaxFitEccentricity);
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
std::optional<TParameterCovariance> TFitRun::ObservedInformation(
    const std::vector<double>& fitted, const TParameterCovariance& linearised) const {
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

void CheckData(std::span<const TMeasurement> data) {
    PRECONDITION(!data.empty());
    std::vector<bool> seen;
    for (const TMeasurement& m : data) {
        PRECONDITION(std::isfinite(m.t_days) && std::isfinite(m.v_mps) &&
                     std::isfinite(m.error_mps) && m.error_mps > 0.0 && m.instrument >= 0);
        if (static_cast<std::size_t>(m.instrument) >= seen.size())
            seen.resize(m.instrument + 1);
        seen[m.instrument] = true;
    }
    PRECONDITION(std::all_of(seen.begin(), seen.end(), [](bool b) { return b; }));
}

// The offsets that best fit what the planets leave, instrument by instrument (their
// weighted means), into the full vector.
void StartOffsets(std::span<const TMeasurement> data,
                  std::span<const kepler::TRadialVelocityElements> planets, const TLayout& layout,
                  std::vector<double>& full) {
    const std::vector<double> left = Residuals(data, planets);
    std::vector<double> sum(layout.instruments, 0.0), weights(layout.instruments, 0.0);
    for (std::size_t i = 0; i < data.size(); ++i) {
        const double w = 1.0 / (data[i].error_mps * data[i].error_mps);
        sum[data[i].instrument] += w * left[i];
        weights[data[i].instrument] += w;
    }
    for (int j = 0; j < layout.instruments; ++j)
        full[layout.Offset(j)] = sum[j] / weights[j];
}

// The rms of what the planets leave about each instrument's own mean, m/s.
double SpreadPerInstrument(std::span<const TMeasurement> data,
                           std::span<const kepler::TRadialVelocityElements> planets,
                           const TLayout& layout, const std::vector<double>& full) {
    const std::vector<double> left = Residuals(data, planets);
    double sum = 0.0;
    for (std::size_t i = 0; i < data.size(); ++i) {
        const double r = left[i] - full[layout.Offset(data[i].instrument)];
        sum += r * r;
    }
    return std::sqrt(sum / static_cast<double>(data.size()));
}

TFitResult Cancelled() {
    TFitResult result;
    result.outcome = TFitOutcome::Cancelled;
    return result;
}

// A start, or every start, whose period or shape no fit can work from.
TFitResult NoOrbit() {
    TFitResult result;
    result.message = "No orbit could be fitted: the search started from a period or shape "
                     "beyond what these measurements can tell.";
    return result;
}

TFitResult Done(TOrbitSolution solution) {
    TFitResult result;
    result.outcome = TFitOutcome::Done;
    result.solution = std::move(solution);
    return result;
}

} // namespace

double TOrbitSolution::Velocity_mps(double t_days, int instrument) const {
    PRECONDITION(instrument >= 0 && static_cast<std::size_t>(instrument) < offsets_mps.size());
    const double since = t_days - referenceTime_days;
    double v = offsets_mps[instrument].value + trend_mps_per_day.value * since +
               curvature_mps_per_day2.value * since * since;
    for (const TFittedPlanet& planet : planets)
        v += kepler::RadialVelocity_mps(planet.elements, t_days);
    return v;
}

const TFixedElements& TFitSettings::FixedOf(int planet) const {
    static const TFixedElements none;
    return planet >= 0 && static_cast<std::size_t>(planet) < fixed.size() ? fixed[planet] : none;
}

int InstrumentCount(std::span<const TMeasurement> data) {
    int count = 1;
    for (const TMeasurement& m : data)
        count = std::max(count, m.instrument + 1);
    return count;
}

int ParameterCount(int planets, int instruments, const TFitSettings& settings) {
    TLayout layout;
    layout.planets = planets;
    layout.instruments = instruments;
    layout.trend = settings.trendOrder;
    return static_cast<int>(FreeIndices(layout, settings).size()) +
           (settings.fitJitter ? instruments : 0);
}

int MeasurementsNeeded(int planets, const TFitSettings& settings, int instruments) {
    return ParameterCount(planets, instruments, settings) + 1;
}

std::string Refusal(std::span<const TMeasurement> data, int planets,
                    const TFitSettings& settings) {
    if (planets > MaxFitPlanets)
        return "At most four planets can be fitted.";
    // The minimiser's and the covariance's decompositions grow with the cube of the
    // parameters and look at no stop request inside: this bound keeps each within a second.
    const int instruments = InstrumentCount(data);
    if (instruments > static_cast<int>(observing::MaxInstruments))
        return "At most " + std::to_string(observing::MaxInstruments) +
               " instruments can be fitted; there are " + std::to_string(instruments) + ".";
    const int needed = MeasurementsNeeded(planets, settings, instruments);
    if (data.size() >= static_cast<std::size_t>(needed))
        return {};
    return "Fitting " + std::to_string(planets) + (planets == 1 ? " planet" : " planets") +
           " needs at least " + std::to_string(needed) + " measurements; there are " +
           std::to_string(data.size()) + ".";
}

TFitResult FitOneMorePlanet(std::span<const TMeasurement> data,
                            std::span<const kepler::TRadialVelocityElements> known,
                            double newPeriod_days, const TFitSettings& settings,
                            const TWorkControl& control) {
    PRECONDITION(newPeriod_days > 0.0 && std::isfinite(newPeriod_days));
    PRECONDITION(settings.starMass_Solar > 0.0);
    PRECONDITION(settings.trendOrder >= 0 && settings.trendOrder <= MaxTrendOrder);
    CheckData(data);
    const int planets = static_cast<int>(known.size()) + 1;
    TFitResult refused;
    refused.message = Refusal(data, planets, settings);
    if (!refused.message.empty())
        return refused;

    const bool eccentricStarts = !settings.FixedOf(planets - 1).eccentricity;
    const int starts =
        1 + (eccentricStarts ? std::size(StartEccentricities) * std::size(StartOmegas) : 0);
    TFitRun run(data, planets, settings, control, starts + 1 + (settings.fitJitter ? 4 : 0));
    const TLayout& layout = run.Layout();
    const double t0 = run.ReferenceTime();

    // With the known planets' curve taken off, what is left sets the offsets and the new
    // planet's amplitude.
    TCandidate circular;
    circular.full.assign(layout.Size(), 0.0);
    for (std::size_t j = 0; j < known.size(); ++j)
        ToFree(ParametersOf(known[j], t0), &circular.full[PerPlanet * j]);
    StartOffsets(data, known, layout, circular.full);
    // A sine's amplitude is sqrt(2) times its rms; a little amplitude even on flat data,
    // so that the phase has something to turn.
    const double K0 =
        std::max(std::sqrt(2.0) * SpreadPerInstrument(data, known, layout, circular.full), 1e-3);
    ToFree({newPeriod_days, K0, 0.0, 0.0, 0.0}, &circular.full[PerPlanet * (planets - 1)]);
    if (!run.Minimise(circular, StartEvaluations))
        return Cancelled();

    TCandidate best = circular;
    const TPlanetParameters round = FromFree(&circular.full[PerPlanet * (planets - 1)]);
    for (double e : StartEccentricities) {
        if (!eccentricStarts)
            break;
        for (double omega : StartOmegas) {
            TCandidate start = circular;
            const double sqrtE = std::sqrt(e);
            ToFree({round.P, round.K, sqrtE * std::cos(omega), sqrtE * std::sin(omega),
                    round.lambda},
                   &start.full[PerPlanet * (planets - 1)]);
            if (!run.Minimise(start, StartEvaluations))
                return Cancelled();
            if (start.sumOfSquares < best.sumOfSquares)
                best = start;
        }
    }
    // Describing the fit takes about as long as a step of it: a stop asked for meanwhile ends
    // the work here.
    if (!run.Finish(best) || control.Cancelled())
        return Cancelled();
    if (!run.Usable(best.full))
        return NoOrbit();
    return Done(run.Describe(best.full));
}

TFitResult FitFrom(std::span<const TMeasurement> data,
                   std::span<const kepler::TRadialVelocityElements> start,
                   const TFitSettings& settings, const TWorkControl& control) {
    PRECONDITION(settings.starMass_Solar > 0.0);
    PRECONDITION(settings.trendOrder >= 0 && settings.trendOrder <= MaxTrendOrder);
    CheckData(data);
    const int planets = static_cast<int>(start.size());
    TFitResult refused;
    refused.message = Refusal(data, planets, settings);
    if (!refused.message.empty())
        return refused;

    TFitRun run(data, planets, settings, control, 1 + (settings.fitJitter ? 4 : 0));
    const TLayout& layout = run.Layout();
    TCandidate candidate;
    candidate.full.assign(layout.Size(), 0.0);
    for (int j = 0; j < planets; ++j) {
        TPlanetParameters p = ParametersOf(start[j], run.ReferenceTime());
        if (!settings.FixedOf(j).eccentricity && p.secosw * p.secosw + p.sesinw * p.sesinw < CircularStart) {
            p.secosw = std::sqrt(CircularStart) * std::cos(start[j].omega_rad);
            p.sesinw = std::sqrt(CircularStart) * std::sin(start[j].omega_rad);
        }
        ToFree(p, &candidate.full[PerPlanet * j]);
    }
    StartOffsets(data, start, layout, candidate.full);
    if (!run.Finish(candidate) || control.Cancelled())
        return Cancelled();
    if (!run.Usable(candidate.full))
        return NoOrbit();
    return Done(run.Describe(candidate.full));
}

std::vector<TMeasurement> SolutionResiduals(std::span<const TMeasurement> data,
                                            const TOrbitSolution& solution) {
    std::vector<TMeasurement> left(data.begin(), data.end());
    for (TMeasurement& m : left) {
        const double s = solution.jitters_mps[m.instrument].value;
        m.v_mps -= solution.Velocity_mps(m.t_days, m.instrument);
        m.error_mps = std::sqrt(m.error_mps * m.error_mps + s * s);
    }
    return left;
}

std::vector<double> Residuals(std::span<const TMeasurement> data,
                              std::span<const kepler::TRadialVelocityElements> planets) {
    std::vector<double> left(data.size());
    for (std::size_t i = 0; i < data.size(); ++i)
        left[i] = data[i].v_mps - kepler::RadialVelocity_mps(planets, data[i].t_days);
    return left;
}

TResidualSpread SpreadAbout(std::span<const TMeasurement> data,
                            std::span<const kepler::TRadialVelocityElements> planets) {
    PRECONDITION(!data.empty());
    const std::vector<double> left = Residuals(data, planets);
    // Weights relative to the smallest error's: the mean is the same, and no error a file
    // may hold overflows them.
    double smallest = data[0].error_mps;
    for (const TMeasurement& m : data)
        smallest = std::min(smallest, m.error_mps);
    double mean = 0.0, weights = 0.0;
    for (std::size_t i = 0; i < data.size(); ++i) {
        const double w = (smallest / data[i].error_mps) * (smallest / data[i].error_mps);
        mean += w * left[i];
        weights += w;
    }
    mean /= weights;
    double sum = 0.0;
    for (double r : left)
        sum += (r - mean) * (r - mean);
    return {mean, std::sqrt(sum / static_cast<double>(data.size()))};
}

} // namespace fit
