// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "model/OrbitFit.h"
#include "model/Angles.h"

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
constexpr int PerPlanet = 5; // P, K, sqrt(e) cos omega, sqrt(e) sin omega, lambda

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

double Wrapped2Pi(double x) {
    const double r = std::fmod(x, TwoPi);
    return r < 0.0 ? r + TwoPi : r;
}

// One planet's parameters as the model uses them: secosw = sqrt(e) cos omega and
// sesinw = sqrt(e) sin omega, which stay smooth through e = 0.
struct TPlanetParameters {
    double P = 1.0, K = 0.0, secosw = 0.0, sesinw = 0.0, lambda = 0.0;
};

// sqrt(e) runs as sqrt(MaxFitEccentricity) tanh(rho) of the minimiser's free radius rho, so
// that e < MaxFitEccentricity whatever step it takes: (secosw, sesinw) = c(rho) (x, y) with
// c = sqrt(emax) tanh(rho) / rho. Also c'(rho) / rho for the chain rule; both by their
// series near 0. Beyond SquashLimit tanh is held, so that e cannot round up to the bound.
struct TSquash {
    double c;
    double slopeOverRho;
};

constexpr double SquashLimit = 5.0; // tanh^2 = 1 - 1.8e-4 there

double SqrtMaxEccentricity() {
    static const double value = std::sqrt(MaxFitEccentricity);
    return value;
}

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

// Minimiser's parameters of one planet: ln P, K, x, y, lambda.
void ToFree(const TPlanetParameters& p, double* free) {
    double secosw = p.secosw, sesinw = p.sesinw;
    double e = secosw * secosw + sesinw * sesinw;
    const double highest = 0.999 * MaxFitEccentricity * std::pow(std::tanh(SquashLimit), 2);
    if (e > highest) {
        const double shrink = std::sqrt(highest / e);
        secosw *= shrink;
        sesinw *= shrink;
        e = highest;
    }
    const double rho = std::atanh(std::sqrt(e / MaxFitEccentricity));
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

// The planet's velocity tau days after the reference time, m/s, and when asked its partial
// derivatives with respect to P, K, secosw, sesinw and lambda. The derivatives with respect
// to secosw and sesinw pass through omega = atan2(sesinw, secosw), whose 1/e is cancelled
// analytically, so that they stay finite and exact down to e = 0.
// What the velocity of every measurement shares: the orbit's shape and turn, worked out once
// a planet rather than once a measurement.
struct TOrbitShape {
    double e, cosW, sinW, n, meanAtReference, beta;
};

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
            p.K * S * (2.0 * cosE - e * cosE * cosE - e / (1.0 + beta)) / (den * den) -
            p.K * sinW;
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

// Where each parameter sits in the full vector: each planet's five, each instrument's
// offset, the trend's terms.
struct TLayout {
    int planets = 0;
    int instruments = 1;
    int trend = 0;

    int Size() const { return PerPlanet * planets + instruments + trend; }
    int Offset(int instrument) const { return PerPlanet * planets + instrument; }
    int Trend(int power) const { return PerPlanet * planets + instruments + power; }
};

// The full parameter vector's entries that the minimiser moves: all but the fixed elements.
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

// The whitened residuals (v_i - model_i) / sqrt(sigma_i^2 + s_j^2) of the minimiser's
// parameters: the free entries of the full vector, the others held at their values in it.
class TKeplerResiduals final : public TResidualFunction {
public:
    TKeplerResiduals(std::span<const TMeasurement> data, const TLayout& layout, double t0,
                     double span, std::span<const double> jitters, std::vector<double> full,
                     std::vector<int> free)
        : data_(data), layout_(layout), t0_(t0), span_(span), weight_(data.size()),
          full_(std::move(full)), free_(std::move(free)) {
        for (std::size_t i = 0; i < data.size(); ++i) {
            const double s = jitters[data[i].instrument];
            weight_[i] = 1.0 / std::sqrt(data[i].error_mps * data[i].error_mps + s * s);
        }
    }

    int ParameterCount() const override { return static_cast<int>(free_.size()); }
    int ResidualCount() const override { return static_cast<int>(data_.size()); }

    std::vector<double> Full(std::span<const double> x) const {
        std::vector<double> full = full_;
        for (std::size_t c = 0; c < free_.size(); ++c)
            full[free_[c]] = x[c];
        return full;
    }

    // The model's velocity at measurement i: the instrument's offset, the trend and every
    // planet's velocity, of the full parameters, the planets unpacked from them and their shapes.
    double Velocity(std::span<const double> full, std::span<const TPlanetParameters> planets,
                    std::span<const TOrbitShape> shapes, std::size_t i) const {
        double v = full[layout_.Offset(data_[i].instrument)];
        const double u = Scaled(i);
        double power = u;
        for (int order = 0; order < layout_.trend; ++order, power *= u)
            v += full[layout_.Trend(order)] * power;
        for (std::size_t j = 0; j < planets.size(); ++j)
            v += PlanetVelocity(planets[j], shapes[j], data_[i].t_days - t0_, nullptr);
        return v;
    }

    void Residuals(std::span<const double> x, std::span<double> r) const override {
        const std::vector<double> full = Full(x);
        std::vector<TPlanetParameters> planets;
        if (!Unpack(full, planets)) {
            std::fill(r.begin(), r.end(), std::numeric_limits<double>::quiet_NaN());
            return;
        }
        const std::vector<TOrbitShape> shapes = ShapesOf(planets);
        for (std::size_t i = 0; i < data_.size(); ++i)
            r[i] = (data_[i].v_mps - Velocity(full, planets, shapes, i)) * weight_[i];
    }

    void Jacobian(std::span<const double> x, std::span<double> J) const override {
        const std::vector<double> full = Full(x);
        std::vector<TPlanetParameters> planets;
        if (!Unpack(full, planets)) {
            std::fill(J.begin(), J.end(), 0.0);
            return;
        }
        std::vector<TSquash> squash(layout_.planets);
        for (int j = 0; j < layout_.planets; ++j)
            squash[j] = Squash(std::hypot(full[PerPlanet * j + 2], full[PerPlanet * j + 3]));
        std::vector<double> row(layout_.Size());
        const std::vector<TOrbitShape> shapes = ShapesOf(planets);
        double g[PerPlanet];
        const int n = ParameterCount();
        for (std::size_t i = 0; i < data_.size(); ++i) {
            const double w = -weight_[i];
            for (int j = 0; j < layout_.planets; ++j) {
                PlanetVelocity(planets[j], shapes[j], data_[i].t_days - t0_, g);
                const double fx = full[PerPlanet * j + 2], fy = full[PerPlanet * j + 3];
                const double c = squash[j].c, q = squash[j].slopeOverRho;
                double* cell = &row[PerPlanet * j];
                cell[0] = w * g[0] * planets[j].P;
                cell[1] = w * g[1];
                cell[2] = w * (g[2] * (c + q * fx * fx) + g[3] * q * fx * fy);
                cell[3] = w * (g[2] * q * fx * fy + g[3] * (c + q * fy * fy));
                cell[4] = w * g[4];
            }
            BaselineRow(i, w, row);
            for (int c = 0; c < n; ++c)
                J[i * n + c] = row[free_[c]];
        }
    }

    // The Jacobian with respect to P, K, secosw, sesinw, lambda of each planet, the offsets and the
    // trend, in the free columns only: what the covariance is taken from.
    std::vector<double> PhysicalJacobian(std::span<const TPlanetParameters> planets) const {
        const int n = ParameterCount();
        std::vector<double> J(data_.size() * n);
        std::vector<double> row(layout_.Size());
        const std::vector<TOrbitShape> shapes = ShapesOf(planets);
        for (std::size_t i = 0; i < data_.size(); ++i) {
            for (int j = 0; j < layout_.planets; ++j) {
                PlanetVelocity(planets[j], shapes[j], data_[i].t_days - t0_, &row[PerPlanet * j]);
                for (int c = 0; c < PerPlanet; ++c)
                    row[PerPlanet * j + c] *= -weight_[i];
            }
            BaselineRow(i, -weight_[i], row);
            for (int c = 0; c < n; ++c)
                J[i * n + c] = row[free_[c]];
        }
        return J;
    }

    // A gradient over the full vector reduced to the free parameters.
    std::vector<double> FreeGradient(std::span<const double> full) const {
        std::vector<double> g(free_.size());
        for (std::size_t c = 0; c < free_.size(); ++c)
            g[c] = full[free_[c]];
        return g;
    }

    bool IsFree(int index) const {
        return std::find(free_.begin(), free_.end(), index) != free_.end();
    }

    bool Unpack(std::span<const double> full, std::vector<TPlanetParameters>& planets) const {
        for (double v : full)
            if (!std::isfinite(v))
                return false;
        // ln P beyond this range gives no period a measurement could tell.
        for (int j = 0; j < layout_.planets; ++j) {
            if (std::abs(full[PerPlanet * j]) > 40.0)
                return false;
            planets.push_back(FromFree(&full[PerPlanet * j]));
            if (!Usable(planets.back()))
                return false;
        }
        return true;
    }

private:
    double Scaled(std::size_t i) const { return (data_[i].t_days - t0_) / span_; }

    void BaselineRow(std::size_t i, double w, std::vector<double>& row) const {
        for (int j = 0; j < layout_.instruments; ++j)
            row[layout_.Offset(j)] = 0.0;
        row[layout_.Offset(data_[i].instrument)] = w;
        const double u = Scaled(i);
        double power = u;
        for (int order = 0; order < layout_.trend; ++order, power *= u)
            row[layout_.Trend(order)] = w * power;
    }

    std::span<const TMeasurement> data_;
    TLayout layout_;
    double t0_;
    double span_;
    std::vector<double> weight_;
    std::vector<double> full_;
    std::vector<int> free_;
};

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

TPlanetParameters ParametersOf(const kepler::TRadialVelocityElements& elements, double t0) {
    PRECONDITION(elements.period_days > 0.0 && std::isfinite(elements.period_days));
    PRECONDITION(std::isfinite(elements.K_mps) && std::isfinite(elements.omega_rad) &&
                 std::isfinite(elements.tPeri_days));
    const double e = std::clamp(elements.ecc, 0.0, MaxFitEccentricity);
    const double sqrtE = std::sqrt(e);
    return {elements.period_days, elements.K_mps, sqrtE * std::cos(elements.omega_rad),
            sqrtE * std::sin(elements.omega_rad),
            kepler::MeanAnomaly(elements, t0) + elements.omega_rad};
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
