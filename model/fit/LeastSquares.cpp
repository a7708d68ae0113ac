// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "model/fit/LeastSquares.h"

#include "Precondition.h"

#include <Eigen/Core>
#include <Eigen/Eigenvalues>
#include <Eigen/QR>
#include <Eigen/SVD>
#include <unsupported/Eigen/NonLinearOptimization>

#include <algorithm>
#include <cmath>
#include <limits>

namespace fit {

namespace {

using Vector = Eigen::VectorXd;
using Matrix = Eigen::MatrixXd;
using RowMajorMatrix = Eigen::Matrix<double, Eigen::Dynamic, Eigen::Dynamic, Eigen::RowMajor>;

// A residual this large makes the step that led to a non-finite value look far worse than
// any real one, so the minimiser shrinks its step instead.
constexpr double RefusedResidual = 1e100;

// The library's view of our problem: values, Jacobian, and -1 to stop when asked.
class TFunctor {
public:
    TFunctor(const TResidualFunction& f, const TWorkControl& control)
        : f_(f), control_(control), jacobian_(f.ResidualCount() * f.ParameterCount()) {}

    int inputs() const { return f_.ParameterCount(); }
    int values() const { return f_.ResidualCount(); }
    bool Stopped() const { return stopped_; }

    int operator()(const Vector& x, Vector& r) {
        if (Cancelled())
            return -1;
        f_.Residuals(std::span<const double>(x.data(), x.size()),
                     std::span<double>(r.data(), r.size()));
        if (!r.allFinite())
            r.setConstant(RefusedResidual);
        return 0;
    }

    int df(const Vector& x, Matrix& J) {
        if (Cancelled())
            return -1;
        f_.Jacobian(std::span<const double>(x.data(), x.size()), jacobian_);
        J = Eigen::Map<const RowMajorMatrix>(jacobian_.data(), values(), inputs());
        if (!J.allFinite())
            J = J.unaryExpr([](double v) { return std::isfinite(v) ? v : 0.0; });
        return 0;
    }

private:
    bool Cancelled() {
        if (!stopped_ && control_.Cancelled())
            stopped_ = true;
        return stopped_;
    }

    const TResidualFunction& f_;
    const TWorkControl& control_;
    std::vector<double> jacobian_;
    bool stopped_ = false;
};

} // namespace

TLeastSquaresResult MinimiseSumOfSquares(const TResidualFunction& f, std::vector<double> start,
                                         const TLeastSquaresSettings& settings,
                                         const TWorkControl& control) {
    const int n = f.ParameterCount();
    const int m = f.ResidualCount();
    PRECONDITION(n > 0 && m >= n && static_cast<int>(start.size()) == n);
    PRECONDITION(settings.maxEvaluations > 0 && settings.tolerance >= 0.0);

    TLeastSquaresResult result;
    result.x = std::move(start);
    std::vector<double> r(m);
    f.Residuals(result.x, r);
    if (!std::all_of(r.begin(), r.end(), [](double v) { return std::isfinite(v); })) {
        result.stop = TLeastSquaresStop::InvalidStart;
        result.sumOfSquares = std::numeric_limits<double>::infinity();
        return result;
    }

    TFunctor functor(f, control);
    Eigen::LevenbergMarquardt<TFunctor> lm(functor);
    lm.parameters.maxfev = settings.maxEvaluations;
    lm.parameters.ftol = settings.tolerance;
    lm.parameters.xtol = settings.tolerance;
    Vector x = Eigen::Map<const Vector>(result.x.data(), n);
    namespace Status = Eigen::LevenbergMarquardtSpace;
    Status::Status status = lm.minimizeInit(x);
    if (status != Status::UserAsked)
        do
            status = lm.minimizeOneStep(x);
        while (status == Status::Running);

    std::copy(x.data(), x.data() + n, result.x.begin());
    f.Residuals(result.x, r);
    result.sumOfSquares = 0.0;
    for (double v : r)
        result.sumOfSquares += v * v;
    result.iterations = static_cast<int>(lm.iter);
    switch (status) {
    case Status::RelativeReductionTooSmall:
    case Status::RelativeErrorTooSmall:
    case Status::RelativeErrorAndReductionTooSmall:
    case Status::CosinusTooSmall:
        result.stop = TLeastSquaresStop::Converged;
        break;
    case Status::TooManyFunctionEvaluation:
        result.stop = TLeastSquaresStop::EvaluationLimit;
        break;
    case Status::UserAsked:
        result.stop = TLeastSquaresStop::Cancelled;
        break;
    default:
        // The tolerances cannot be met in double precision: as good as it gets.
        result.stop = TLeastSquaresStop::Stalled;
        break;
    }
    return result;
}

namespace {

// Singular values below this share of the largest belong to directions the data do not fix.
constexpr double NullSingularShare = 1e-10;
// The same for the eigenvalues of an information matrix, which carry the rounding of its
// differences: near the square of a Jacobian's share, but above what rounding can resolve.
constexpr double NullEigenShare = 1e-14;
// A gradient whose component along such a direction is below this share of its length
// does not move along it; the component is rounding.
constexpr double NullComponentShare = 1e-9;

} // namespace

TLinearFit LinearLeastSquares(std::span<const double> A, std::span<const double> y, int m,
                              int n) {
    PRECONDITION(n > 0 && m >= n && static_cast<int>(A.size()) == m * n &&
                 static_cast<int>(y.size()) == m);
    const Eigen::Map<const RowMajorMatrix> design(A.data(), m, n);
    const Eigen::Map<const Vector> values(y.data(), m);
    const Vector c = design.completeOrthogonalDecomposition().solve(values);
    TLinearFit fit;
    fit.c.assign(c.data(), c.data() + n);
    fit.sumOfSquares = (values - design * c).squaredNorm();
    return fit;
}

TParameterCovariance::TParameterCovariance(int n)
    : n_(n), columnScale_(n, 1.0), directions_(n * n), inverseSingular_(n) {}

TParameterCovariance TParameterCovariance::FromInformation(std::span<const double> information,
                                                           int n) {
    PRECONDITION(n > 0 && static_cast<int>(information.size()) == n * n);
    TParameterCovariance covariance(n);
    // Scaled to a unit diagonal first, as the Jacobian's columns are: D^-1/2 H D^-1/2 is the
    // J^T J of unit columns, and its eigenvalues are the squared singular values.
    Matrix scaled = Eigen::Map<const RowMajorMatrix>(information.data(), n, n);
    scaled = 0.5 * (scaled + scaled.transpose()).eval();
    for (int j = 0; j < n; ++j) {
        const double d = scaled(j, j);
        covariance.columnScale_[j] = d > 0.0 && std::isfinite(d) ? 1.0 / std::sqrt(d) : 1.0;
        if (!(d > 0.0 && std::isfinite(d))) {
            scaled.row(j).setZero();
            scaled.col(j).setZero();
        }
    }
    const Vector scale = Eigen::Map<const Vector>(covariance.columnScale_.data(), n);
    scaled = scale.asDiagonal() * scaled * scale.asDiagonal();
    const Eigen::SelfAdjointEigenSolver<Matrix> eigen(scaled);
    const Vector& lambda = eigen.eigenvalues();
    const double largest = lambda.maxCoeff();
    for (int j = 0; j < n; ++j) {
        covariance.inverseSingular_[j] = largest > 0.0 && lambda[j] > NullEigenShare * largest
                                             ? 1.0 / std::sqrt(lambda[j])
                                             : std::numeric_limits<double>::infinity();
        for (int i = 0; i < n; ++i)
            covariance.directions_[i * n + j] = eigen.eigenvectors()(i, j);
    }
    return covariance;
}

TParameterCovariance::TParameterCovariance(std::span<const double> J, int m, int n)
    : n_(n), columnScale_(n, 1.0), directions_(n * n), inverseSingular_(n) {
    PRECONDITION(n > 0 && m >= 0 && static_cast<int>(J.size()) == m * n);
    // Columns scaled to unit length first, so that parameters of very different units
    // (days against m/s) do not decide which directions count as unconstrained.
    Matrix scaled = Eigen::Map<const RowMajorMatrix>(J.data(), m, n);
    for (int j = 0; j < n; ++j) {
        const double norm = scaled.col(j).norm();
        if (norm > 0.0 && std::isfinite(norm)) {
            columnScale_[j] = 1.0 / norm;
            scaled.col(j) *= columnScale_[j];
        } else {
            scaled.col(j).setZero();
        }
    }
    Eigen::JacobiSVD<Matrix> svd(scaled, Eigen::ComputeFullV);
    const Vector& s = svd.singularValues();
    const double largest = s.size() > 0 ? s[0] : 0.0;
    for (int j = 0; j < n; ++j) {
        const double sj = j < s.size() ? s[j] : 0.0;
        inverseSingular_[j] = sj > NullSingularShare * largest && sj > 0.0
                                  ? 1.0 / sj
                                  : std::numeric_limits<double>::infinity();
        for (int i = 0; i < n; ++i)
            directions_[i * n + j] = svd.matrixV()(i, j);
    }
}

double TParameterCovariance::Variance(std::span<const double> gradient) const {
    PRECONDITION(static_cast<int>(gradient.size()) == n_);
    std::vector<double> g(n_);
    double length = 0.0;
    for (int i = 0; i < n_; ++i) {
        PRECONDITION(std::isfinite(gradient[i]));
        g[i] = gradient[i] * columnScale_[i];
        length += g[i] * g[i];
    }
    length = std::sqrt(length);
    double variance = 0.0;
    for (int j = 0; j < n_; ++j) {
        double component = 0.0;
        for (int i = 0; i < n_; ++i)
            component += directions_[i * n_ + j] * g[i];
        if (std::isinf(inverseSingular_[j])) {
            if (std::abs(component) > NullComponentShare * length)
                return std::numeric_limits<double>::infinity();
            continue;
        }
        const double c = component * inverseSingular_[j];
        variance += c * c;
    }
    return variance;
}

} // namespace fit
