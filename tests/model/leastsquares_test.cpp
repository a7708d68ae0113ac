// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "model/fit/LeastSquares.h"

#include <gtest/gtest.h>

#include <atomic>

#include <cmath>
#include <limits>

namespace {

// y = a + b x with errors sigma: a linear problem whose answer and covariance are known in
// closed form.
class TLine final : public fit::TResidualFunction {
public:
    std::vector<double> x{0.0, 1.0, 2.0, 4.0, 7.0}, y{1.1, 2.9, 5.2, 8.8, 15.1},
        sigma{0.1, 0.2, 0.1, 0.3, 0.2};
    int ParameterCount() const override { return 2; }
    int ResidualCount() const override { return static_cast<int>(x.size()); }
    void Residuals(std::span<const double> p, std::span<double> r) const override {
        for (std::size_t i = 0; i < x.size(); ++i)
            r[i] = (y[i] - p[0] - p[1] * x[i]) / sigma[i];
    }
    void Jacobian(std::span<const double>, std::span<double> J) const override {
        for (std::size_t i = 0; i < x.size(); ++i) {
            J[2 * i] = -1.0 / sigma[i];
            J[2 * i + 1] = -x[i] / sigma[i];
        }
    }
    // The normal equations' sums S = sum w, Sx = sum w x, Sxx = sum w x^2, w = 1 / sigma^2.
    void Sums(double& S, double& Sx, double& Sxx, double& Sy, double& Sxy) const {
        S = Sx = Sxx = Sy = Sxy = 0.0;
        for (std::size_t i = 0; i < x.size(); ++i) {
            const double w = 1.0 / (sigma[i] * sigma[i]);
            S += w;
            Sx += w * x[i];
            Sxx += w * x[i] * x[i];
            Sy += w * y[i];
            Sxy += w * x[i] * y[i];
        }
    }
};

// r = ln(p) - ln(4): outside p > 0 the residual is NaN, which the minimiser must step back
// from rather than carry.
class TLogarithm final : public fit::TResidualFunction {
public:
    int ParameterCount() const override { return 1; }
    int ResidualCount() const override { return 1; }
    void Residuals(std::span<const double> p, std::span<double> r) const override {
        r[0] = std::log(p[0]) - std::log(4.0);
    }
    void Jacobian(std::span<const double> p, std::span<double> J) const override {
        J[0] = 1.0 / p[0];
    }
};

} // namespace

TEST(LeastSquares, LineFitMatchesTheNormalEquations) {
    const TLine line;
    const fit::TLeastSquaresResult result =
        fit::MinimiseSumOfSquares(line, {0.0, 0.0}, fit::TLeastSquaresSettings{});
    EXPECT_EQ(result.stop, fit::TLeastSquaresStop::Converged);
    double S, Sx, Sxx, Sy, Sxy;
    line.Sums(S, Sx, Sxx, Sy, Sxy);
    const double det = S * Sxx - Sx * Sx;
    EXPECT_NEAR(result.x[0], (Sxx * Sy - Sx * Sxy) / det, 1e-10);
    EXPECT_NEAR(result.x[1], (S * Sxy - Sx * Sy) / det, 1e-10);

    std::vector<double> J(10);
    line.Jacobian(result.x, J);
    const fit::TParameterCovariance covariance(J, 5, 2);
    // (J^T J)^-1 = [Sxx, -Sx; -Sx, S] / det.
    EXPECT_NEAR(covariance.Variance(std::vector{1.0, 0.0}), Sxx / det, 1e-12);
    EXPECT_NEAR(covariance.Variance(std::vector{0.0, 1.0}), S / det, 1e-12);
    EXPECT_NEAR(covariance.Variance(std::vector{1.0, 3.0}), (Sxx - 6.0 * Sx + 9.0 * S) / det,
                1e-12);
}

// Data that say nothing about a parameter give it an infinite variance, not a NaN and not
// a small number; what the data do fix keeps its finite variance.
TEST(LeastSquares, UnconstrainedDirectionHasInfiniteVariance) {
    // Three residuals of three parameters; the third column is zero and the first two equal.
    const std::vector<double> J{1.0, 1.0, 0.0, 2.0, 2.0, 0.0, 1.0, 1.0, 0.0};
    const fit::TParameterCovariance covariance(J, 3, 3);
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_EQ(covariance.Variance(std::vector{0.0, 0.0, 1.0}), inf);
    EXPECT_EQ(covariance.Variance(std::vector{1.0, 0.0, 0.0}), inf);
    // Only a + b is fixed: var(a + b) = 1 / (1 + 4 + 1).
    EXPECT_NEAR(covariance.Variance(std::vector{1.0, 1.0, 0.0}), 1.0 / 6.0, 1e-12);
    EXPECT_EQ(covariance.Variance(std::vector{0.0, 0.0, 0.0}), 0.0);
}

TEST(LeastSquares, StepsIntoNaNAreRefused) {
    const fit::TLeastSquaresResult result =
        fit::MinimiseSumOfSquares(TLogarithm(), {0.05}, fit::TLeastSquaresSettings{});
    EXPECT_EQ(result.stop, fit::TLeastSquaresStop::Converged);
    EXPECT_NEAR(result.x[0], 4.0, 1e-9);
}

TEST(LeastSquares, NaNAtTheStartIsReported) {
    const fit::TLeastSquaresResult result =
        fit::MinimiseSumOfSquares(TLogarithm(), {-1.0}, fit::TLeastSquaresSettings{});
    EXPECT_EQ(result.stop, fit::TLeastSquaresStop::InvalidStart);
    EXPECT_EQ(result.x[0], -1.0);
}

// Cancelled after a few evaluations: the answer is the best point reached, never worse than
// the start.
TEST(LeastSquares, CancelKeepsTheBestPointSoFar) {
    // The logarithm again, setting the flag at its fourth evaluation.
    class TCancelling final : public fit::TResidualFunction {
    public:
        explicit TCancelling(std::atomic<bool>& cancel) : cancel_(cancel) {}
        int ParameterCount() const override { return 1; }
        int ResidualCount() const override { return 1; }
        void Residuals(std::span<const double> p, std::span<double> r) const override {
            log_.Residuals(p, r);
            Count();
        }
        void Jacobian(std::span<const double> p, std::span<double> J) const override {
            log_.Jacobian(p, J);
            Count();
        }
        mutable int evaluations = 0;

    private:
        void Count() const {
            if (++evaluations == 4)
                cancel_ = true;
        }
        std::atomic<bool>& cancel_;
        TLogarithm log_;
    };
    std::atomic<bool> cancel{false};
    const TCancelling f(cancel);
    const fit::TLeastSquaresResult result = fit::MinimiseSumOfSquares(
        f, {0.05}, fit::TLeastSquaresSettings{}, TWorkControl{&cancel, {}});
    EXPECT_EQ(result.stop, fit::TLeastSquaresStop::Cancelled);
    EXPECT_EQ(f.evaluations, 5) << "after the flag, only the sum at the best point";
    EXPECT_GT(result.x[0], 0.05);
    EXPECT_LT(result.sumOfSquares, std::pow(std::log(0.05 / 4.0), 2));
}
