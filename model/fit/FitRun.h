// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// One run of the orbit fit (OrbitFit.h): the minimiser carried from a start to convergence
// over the whitened residuals (KeplerResiduals.h), each instrument's jitter by maximum
// likelihood in rounds between minimisations, and the solution described with its
// uncertainties (FitDescription.cpp): from the observed information of -ln L when the
// jitters are fitted, else from the linearised covariance scaled by sqrt(reduced chi^2)
// where that exceeds 1. Units: days, m/s.

#include "model/fit/FitParameters.h"
#include "model/fit/Jitter.h"
#include "model/fit/KeplerResiduals.h"
#include "model/fit/LeastSquares.h"

#include "Precondition.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>
#include <span>
#include <vector>

namespace fit {

constexpr double Infinity = std::numeric_limits<double>::infinity();
constexpr int FinalEvaluations = 500;
constexpr int MaxJitterRounds = 30;
// Each round after a jitter step starts at the last minimum, which it moves a little.
constexpr int JitterRoundEvaluations = 100;

// A fit in progress: the full parameter vector and what it costs.
struct TFitState {
    std::vector<double> full;
    double sumOfSquares = Infinity;
};

// Estimates of quantities derived from the fitted parameters, each from its gradient over the
// full parameter vector, which the describing code fills in before asking.
class TEstimator {
public:
    // jitters: how many jitters follow the model's free parameters in the covariance (0
    // when it is the Gauss-Newton one, which holds none).
    TEstimator(const TKeplerResiduals& model, const TParameterCovariance& covariance, double scale,
               int size, int jitters = 0)
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
    bool Minimise(TFitState& candidate, int evaluations) {
        const TKeplerResiduals residuals = ResidualsAt(candidate);
        TLeastSquaresSettings lsq;
        lsq.maxEvaluations = evaluations;
        const TLeastSquaresResult result =
            MinimiseSumOfSquares(residuals, residuals.FreeGradient(candidate.full), lsq, control_);
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
    bool Finish(TFitState& best) {
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
                settled =
                    settled && std::abs(jitters_[j] - previous[j]) <= 1e-7 * (1.0 + jitters_[j]);
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
    std::optional<TParameterCovariance>
    ObservedInformation(const std::vector<double>& full,
                        const TParameterCovariance& linearised) const;

    TKeplerResiduals ResidualsAt(const TFitState& candidate) const {
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

    std::vector<double> MaximumLikelihoodJitters(const TFitState& fit) const {
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

} // namespace fit
