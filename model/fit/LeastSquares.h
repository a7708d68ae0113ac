// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// Nonlinear least squares: the parameters x that minimise S(x) = sum_i r_i(x)^2 by the
// Levenberg-Marquardt method, and the linear propagation of the parameters' uncertainty,
// var(g . dx) = g^T (J^T J)^-1 g, from the Jacobian J of whitened residuals (each divided by
// its standard error) at the solution. Both come from a library; only this unit knows which,
// so that it can be swapped. Units are the caller's.

#include "WorkControl.h"

#include <span>
#include <vector>

namespace fit {

// A least-squares problem: ResidualCount() residuals of ParameterCount() parameters.
class TResidualFunction {
public:
    virtual ~TResidualFunction() = default;
    virtual int ParameterCount() const = 0;
    virtual int ResidualCount() const = 0;
    // The residuals at x. A value that is not finite marks x as outside the problem's
    // domain, and the minimiser refuses the step that led there.
    virtual void Residuals(std::span<const double> x, std::span<double> r) const = 0;
    // dr_i / dx_j at x, row-major: J[i * ParameterCount() + j].
    virtual void Jacobian(std::span<const double> x, std::span<double> J) const = 0;
};

struct TLeastSquaresSettings {
    // The most residual evaluations one minimisation may spend.
    int maxEvaluations = 400;
    // Stop when a step changes S or the scaled parameters by less than this share.
    double tolerance = 1e-12;
};

enum class TLeastSquaresStop {
    Converged,       // the tolerance was met
    EvaluationLimit, // maxEvaluations were spent first
    Stalled,         // no step could lower S further
    Cancelled,       // the control was cancelled
    InvalidStart     // a residual at the start is not finite
};

struct TLeastSquaresResult {
    std::vector<double> x;     // the best parameters found
    double sumOfSquares = 0.0; // S at x
    int iterations = 0;
    TLeastSquaresStop stop = TLeastSquaresStop::Converged;
};

// Minimises from start (ParameterCount() values; ResidualCount() >= ParameterCount()).
// The control's flag is looked at before every evaluation; once it is set the minimisation
// stops with Cancelled and the best x so far. Nothing is reported as progress: the caller
// knows how many minimisations its work takes.
TLeastSquaresResult MinimiseSumOfSquares(const TResidualFunction& f, std::vector<double> start,
                                         const TLeastSquaresSettings& settings,
                                         const TWorkControl& control = {});

// The coefficients c that minimise sum_i (y_i - sum_j A_ij c_j)^2 for a design A (m x n,
// row-major, m >= n), by an orthogonal decomposition; with the sum they leave. Columns the
// data cannot tell apart get the smallest coefficients that fit.
struct TLinearFit {
    std::vector<double> c;
    double sumOfSquares = 0.0;
};
TLinearFit LinearLeastSquares(std::span<const double> A, std::span<const double> y, int m, int n);

// The parameters' covariance (J^T J)^-1 for a Jacobian J (m x n, row-major) of whitened
// residuals, held in a form that gives the variance of any linear combination of the
// parameters. A combination that moves along a direction the data do not constrain has an
// infinite variance; a NaN never comes out.
class TParameterCovariance {
public:
    TParameterCovariance(std::span<const double> J, int m, int n);
    // The inverse of an information matrix (n x n, symmetric, row-major): the Hessian of a
    // negative log-likelihood at its minimum. A direction of no positive curvature is one
    // the data do not constrain.
    static TParameterCovariance FromInformation(std::span<const double> information, int n);
    int ParameterCount() const { return n_; }
    // g^T C g for the gradient g (n values) of a quantity with respect to the parameters.
    double Variance(std::span<const double> gradient) const;

private:
    explicit TParameterCovariance(int n);
    int n_;
    std::vector<double> columnScale_; // 1 / norm of each column of J, 1 for a zero column
    std::vector<double> directions_;  // V of the scaled J = U S V^T, n x n row-major
    std::vector<double> inverseSingular_; // 1 / S, or +infinity for an unconstrained direction
};

} // namespace fit
