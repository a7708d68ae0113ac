// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "model/OrbitFit.h"
#include "model/Angles.h"

#include "Precondition.h"
#include "model/LeastSquares.h"
#include "model/PlanetMass.h"
#include "model/planet.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

namespace fit {

namespace {

constexpr double Infinity = std::numeric_limits<double>::infinity();
constexpr int PerPlanet = 5; // P, K, sqrt(e) cos omega, sqrt(e) sin omega, lambda

// The eccentricities and periastron directions tried for a new planet after its circular
// start: enough that one start lies in the basin of every orbit up to e = 0.95.
constexpr double StartEccentricities[] = {0.3, 0.6, 0.85};
constexpr double StartOmegas[] = {0.0, 0.5 * Pi, Pi, 1.5 * Pi};
// A start is cut short here; only the best is then carried on to convergence.
constexpr int StartEvaluations = 100;
constexpr int FinalEvaluations = 500;
constexpr int MaxJitterRounds = 20;

double Wrapped2Pi(double x) {
    const double r = std::fmod(x, TwoPi);
    return r < 0.0 ? r + TwoPi : r;
}

// One planet's parameters as the model uses them.
struct TPlanetParameters {
    double P = 1.0, K = 0.0, h = 0.0, k = 0.0, lambda = 0.0;
};

// sqrt(e) runs as sqrt(MaxFitEccentricity) tanh(rho) of the minimiser's free radius rho, so
// that e < MaxFitEccentricity whatever step it takes: (h, k) = c(rho) (x, y) with
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
    double h = p.h, k = p.k;
    double e = h * h + k * k;
    const double highest = 0.999 * MaxFitEccentricity * std::pow(std::tanh(SquashLimit), 2);
    if (e > highest) {
        const double shrink = std::sqrt(highest / e);
        h *= shrink;
        k *= shrink;
        e = highest;
    }
    const double rho = std::atanh(std::sqrt(e / MaxFitEccentricity));
    const double c = Squash(rho).c;
    free[0] = std::log(p.P);
    free[1] = p.K;
    free[2] = h / c;
    free[3] = k / c;
    free[4] = p.lambda;
}

TPlanetParameters FromFree(const double* free) {
    const double x = free[2], y = free[3];
    const double c = Squash(std::hypot(x, y)).c;
    return {std::exp(free[0]), free[1], c * x, c * y, free[4]};
}

// The planet's velocity tau days after the reference time, m/s, and when asked its partial
// derivatives with respect to P, K, h, k and lambda. The derivatives with respect to h and
// k pass through omega = atan2(k, h), whose 1/e is cancelled analytically, so that they stay
// finite and exact down to e = 0.
double PlanetVelocity(const TPlanetParameters& p, double tau, double* gradient) {
    const double e = p.h * p.h + p.k * p.k;
    const double sqrtE = std::sqrt(e);
    const double cosW = sqrtE > 0.0 ? p.h / sqrtE : 1.0;
    const double sinW = sqrtE > 0.0 ? p.k / sqrtE : 0.0;
    const double n = TwoPi / p.P;
    const double omega = sqrtE > 0.0 ? std::atan2(p.k, p.h) : 0.0;
    const double E = kepler::EccentricAnomaly(p.lambda - omega + n * tau, e);
    const double cosE = std::cos(E);
    const double sinE = std::sin(E);
    const double den = 1.0 - e * cosE;
    const double beta = std::sqrt(1.0 - e * e);
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
        gradient[2] = 2.0 * p.h * dv_de - p.k * dv_dOmegaOverE;
        gradient[3] = 2.0 * p.k * dv_de + p.h * dv_dOmegaOverE;
        gradient[4] = dv_dM;
    }
    return p.K * (C + e * cosW);
}

bool Usable(const TPlanetParameters& p) {
    return std::isfinite(p.P) && p.P > 0.0 && std::isfinite(p.K) && std::isfinite(p.h) &&
           std::isfinite(p.k) && std::isfinite(p.lambda) && std::abs(p.lambda) < 1e6;
}

// The whitened residuals (v_i - model_i) / sigma_i of the minimiser's parameters: each
// planet's five, then gamma.
class TKeplerResiduals final : public TResidualFunction {
public:
    TKeplerResiduals(std::span<const TMeasurement> data, int planets, double t0, double jitter)
        : data_(data), planets_(planets), t0_(t0), weight_(data.size()) {
        for (std::size_t i = 0; i < data.size(); ++i)
            weight_[i] = 1.0 / std::sqrt(data[i].error_mps * data[i].error_mps + jitter * jitter);
    }

    int ParameterCount() const override { return PerPlanet * planets_ + 1; }
    int ResidualCount() const override { return static_cast<int>(data_.size()); }

    void Residuals(std::span<const double> x, std::span<double> r) const override {
        std::vector<TPlanetParameters> planets;
        if (!Unpack(x, planets)) {
            std::fill(r.begin(), r.end(), std::numeric_limits<double>::quiet_NaN());
            return;
        }
        const double gamma = x[PerPlanet * planets_];
        for (std::size_t i = 0; i < data_.size(); ++i) {
            double model = gamma;
            for (const TPlanetParameters& p : planets)
                model += PlanetVelocity(p, data_[i].t_days - t0_, nullptr);
            r[i] = (data_[i].v_mps - model) * weight_[i];
        }
    }

    void Jacobian(std::span<const double> x, std::span<double> J) const override {
        std::vector<TPlanetParameters> planets;
        const int n = ParameterCount();
        if (!Unpack(x, planets)) {
            std::fill(J.begin(), J.end(), 0.0);
            return;
        }
        std::vector<TSquash> squash(planets_);
        for (int j = 0; j < planets_; ++j)
            squash[j] = Squash(std::hypot(x[PerPlanet * j + 2], x[PerPlanet * j + 3]));
        double g[PerPlanet];
        for (std::size_t i = 0; i < data_.size(); ++i) {
            double* row = &J[i * n];
            const double w = -weight_[i];
            for (int j = 0; j < planets_; ++j) {
                PlanetVelocity(planets[j], data_[i].t_days - t0_, g);
                const double fx = x[PerPlanet * j + 2], fy = x[PerPlanet * j + 3];
                const double c = squash[j].c, q = squash[j].slopeOverRho;
                double* cell = row + PerPlanet * j;
                cell[0] = w * g[0] * planets[j].P;
                cell[1] = w * g[1];
                cell[2] = w * (g[2] * (c + q * fx * fx) + g[3] * q * fx * fy);
                cell[3] = w * (g[2] * q * fx * fy + g[3] * (c + q * fy * fy));
                cell[4] = w * g[4];
            }
            row[n - 1] = w;
        }
    }

    // The Jacobian with respect to P, K, h, k, lambda of each planet and gamma.
    std::vector<double> PhysicalJacobian(std::span<const TPlanetParameters> planets) const {
        const int n = ParameterCount();
        std::vector<double> J(data_.size() * n);
        for (std::size_t i = 0; i < data_.size(); ++i) {
            for (int j = 0; j < planets_; ++j) {
                PlanetVelocity(planets[j], data_[i].t_days - t0_, &J[i * n + PerPlanet * j]);
                for (int c = 0; c < PerPlanet; ++c)
                    J[i * n + PerPlanet * j + c] *= -weight_[i];
            }
            J[i * n + n - 1] = -weight_[i];
        }
        return J;
    }

private:
    bool Unpack(std::span<const double> x, std::vector<TPlanetParameters>& planets) const {
        for (double v : x)
            if (!std::isfinite(v))
                return false;
        // ln P beyond this range gives no period a measurement could tell.
        for (int j = 0; j < planets_; ++j) {
            if (std::abs(x[PerPlanet * j]) > 40.0)
                return false;
            planets.push_back(FromFree(&x[PerPlanet * j]));
            if (!Usable(planets.back()))
                return false;
        }
        return true;
    }

    std::span<const TMeasurement> data_;
    int planets_;
    double t0_;
    std::vector<double> weight_;
};

// A fit in progress: the minimiser's parameters and what they cost.
struct TCandidate {
    std::vector<double> free;
    double sumOfSquares = Infinity;
};

class TFitRun {
public:
    TFitRun(std::span<const TMeasurement> data, int planets, const TFitSettings& settings,
            const TFitControl& control, int steps)
        : data_(data), planets_(planets), settings_(settings), control_(control), steps_(steps) {
        t0_ = data.front().t_days;
        for (const TMeasurement& m : data)
            t0_ = std::min(t0_, m.t_days);
    }

    double ReferenceTime() const { return t0_; }
    bool Cancelled() const { return control_.cancel && control_.cancel->load(); }

    // Minimises from start; false when cancelled.
    bool Minimise(TCandidate& candidate, int evaluations) {
        const TKeplerResiduals residuals(data_, planets_, t0_, jitter_);
        TLeastSquaresSettings lsq;
        lsq.maxEvaluations = evaluations;
        const TLeastSquaresResult result = MinimiseSumOfSquares(
            residuals, candidate.free, lsq, [this] { return !Cancelled(); });
        StepDone();
        if (result.stop == TLeastSquaresStop::Cancelled)
            return false;
        if (result.stop != TLeastSquaresStop::InvalidStart) {
            candidate.free = result.x;
            candidate.sumOfSquares = result.sumOfSquares;
        }
        return true;
    }

    // Carries the best start to convergence, then fits the jitter if asked; false when
    // cancelled.
    bool Finish(TCandidate& best) {
        if (!Minimise(best, FinalEvaluations))
            return false;
        if (!settings_.fitJitter)
            return true;
        for (int round = 0; round < MaxJitterRounds; ++round) {
            const double previous = jitter_;
            jitter_ = JitterForUnitChiSquare(best);
            if (!Minimise(best, FinalEvaluations))
                return false;
            if (std::abs(jitter_ - previous) <= 1e-6 * (1.0 + jitter_))
                break;
        }
        return true;
    }

    TOrbitSolution Describe(std::vector<double> free) const;

private:
    void StepDone() {
        ++done_;
        if (control_.progress)
            control_.progress(std::min(1.0, static_cast<double>(done_) / steps_));
    }

    int DegreesOfFreedom() const {
        return static_cast<int>(data_.size()) - (PerPlanet * planets_ + 1) -
               (settings_.fitJitter ? 1 : 0);
    }

    // The jitter s >= 0 for which sum r_i^2 / (sigma_i^2 + s^2) equals the degrees of
    // freedom, by bisection; 0 when the errors alone already explain the scatter.
    double JitterForUnitChiSquare(const TCandidate& fit) const {
        std::vector<TPlanetParameters> planets;
        for (int j = 0; j < planets_; ++j)
            planets.push_back(FromFree(&fit.free[PerPlanet * j]));
        const double gamma = fit.free.back();
        std::vector<double> r2(data_.size());
        double sum = 0.0;
        for (std::size_t i = 0; i < data_.size(); ++i) {
            double model = gamma;
            for (const TPlanetParameters& p : planets)
                model += PlanetVelocity(p, data_[i].t_days - t0_, nullptr);
            r2[i] = (data_[i].v_mps - model) * (data_[i].v_mps - model);
            sum += r2[i];
        }
        const double dof = DegreesOfFreedom();
        const auto chiSquare = [&](double s) {
            double chi2 = 0.0;
            for (std::size_t i = 0; i < data_.size(); ++i)
                chi2 += r2[i] / (data_[i].error_mps * data_[i].error_mps + s * s);
            return chi2;
        };
        if (chiSquare(0.0) <= dof)
            return 0.0;
        // chi^2(s) < sum / s^2, so at s = sqrt(sum / dof) it is already below dof.
        double lo = 0.0, hi = std::sqrt(sum / dof);
        for (int i = 0; i < 100 && hi - lo > 1e-12 * hi; ++i) {
            const double mid = 0.5 * (lo + hi);
            (chiSquare(mid) > dof ? lo : hi) = mid;
        }
        return 0.5 * (lo + hi);
    }

    std::span<const TMeasurement> data_;
    int planets_;
    const TFitSettings& settings_;
    const TFitControl& control_;
    int steps_;
    int done_ = 0;
    double t0_ = 0.0;
    double jitter_ = 0.0;
};

// The estimate of a quantity with the given gradient over the parameters.
TEstimate Estimate(double value, std::span<const double> gradient,
                   const TParameterCovariance& covariance, double scale) {
    return {value, std::sqrt(covariance.Variance(gradient)) * scale};
}

TOrbitSolution TFitRun::Describe(std::vector<double> free) const {
    const int n = PerPlanet * planets_ + 1;
    std::vector<TPlanetParameters> planets;
    for (int j = 0; j < planets_; ++j) {
        TPlanetParameters p = FromFree(&free[PerPlanet * j]);
        // K < 0 draws the same curve as -K with the periastron turned by half a turn.
        if (p.K < 0.0) {
            p.K = -p.K;
            p.h = -p.h;
            p.k = -p.k;
            p.lambda += Pi;
        }
        p.lambda = Wrapped2Pi(p.lambda);
        planets.push_back(p);
    }
    const double gamma = free.back();

    TOrbitSolution solution;
    solution.referenceTime_days = t0_;
    solution.starMass_Solar = settings_.starMass_Solar;
    solution.jitter_mps = jitter_;
    solution.degreesOfFreedom = DegreesOfFreedom();
    double sumSquares = 0.0;
    for (const TMeasurement& m : data_) {
        double model = gamma;
        for (const TPlanetParameters& p : planets)
            model += PlanetVelocity(p, m.t_days - t0_, nullptr);
        const double r = m.v_mps - model;
        sumSquares += r * r;
        solution.chiSquare += r * r / (m.error_mps * m.error_mps + jitter_ * jitter_);
    }
    solution.rms_mps = std::sqrt(sumSquares / static_cast<double>(data_.size()));
    solution.reducedChiSquare = solution.chiSquare / std::max(1, solution.degreesOfFreedom);

    const TKeplerResiduals residuals(data_, planets_, t0_, jitter_);
    const TParameterCovariance covariance(residuals.PhysicalJacobian(planets), data_.size(), n);
    const double scale = std::sqrt(std::max(1.0, solution.reducedChiSquare));
    std::vector<double> g(n);
    const auto only = [&](int index, double slope) {
        std::fill(g.begin(), g.end(), 0.0);
        g[index] = slope;
        return std::span<const double>(g);
    };

    for (int j = 0; j < planets_; ++j) {
        const TPlanetParameters& p = planets[j];
        const int at = PerPlanet * j;
        const int iP = at, iK = at + 1, iH = at + 2, iKk = at + 3, iL = at + 4;
        TFittedPlanet planet;
        const double e = p.h * p.h + p.k * p.k;
        const double omega = e > 0.0 ? Wrapped2Pi(std::atan2(p.k, p.h)) : 0.0;
        // The first periastron at or after the reference time: M = lambda - omega there.
        const double M0 = Wrapped2Pi(p.lambda - omega);
        const double sinceReference = M0 > 0.0 ? (TwoPi - M0) / TwoPi * p.P : 0.0;
        planet.elements = {p.P, p.K, e, omega, t0_ + sinceReference};

        planet.period_days = Estimate(p.P, only(iP, 1.0), covariance, scale);
        planet.K_mps = Estimate(p.K, only(iK, 1.0), covariance, scale);
        std::fill(g.begin(), g.end(), 0.0);
        g[iH] = 2.0 * p.h;
        g[iKk] = 2.0 * p.k;
        planet.ecc = Estimate(e, g, covariance, scale);
        if (e > 0.0) {
            std::fill(g.begin(), g.end(), 0.0);
            g[iH] = -p.k / e;
            g[iKk] = p.h / e;
            planet.omega_rad = Estimate(omega, g, covariance, scale);
            // dT = (P / 2 pi) (d omega - d lambda) + (T - t0) / P dP.
            const double turn = p.P / TwoPi;
            g[iH] *= turn;
            g[iKk] *= turn;
            g[iL] = -turn;
            g[iP] = sinceReference / p.P;
            planet.tPeri_days = Estimate(planet.elements.tPeri_days, g, covariance, scale);
        } else {
            planet.omega_rad = {omega, Infinity};
            planet.tPeri_days = {planet.elements.tPeri_days, Infinity};
        }

        const TPlanetMass mass = PlanetMass(p.P, p.K, e, settings_.starMass_Solar);
        const auto weighed = [&](double dP, double dK, double de) {
            std::fill(g.begin(), g.end(), 0.0);
            g[iP] = dP;
            g[iK] = dK;
            g[iH] = de * 2.0 * p.h;
            g[iKk] = de * 2.0 * p.k;
            return std::span<const double>(g);
        };
        const TEstimate massSolar =
            Estimate(mass.massSinI_Solar, weighed(mass.dMass_dP, mass.dMass_dK, mass.dMass_de),
                     covariance, scale);
        planet.massSinI_Jupiter = {massSolar.value * JupiterMassesPerSolarMass,
                                   massSolar.sigma * JupiterMassesPerSolarMass};
        planet.massSinI_Earth = {massSolar.value * EarthMassesPerSolarMass,
                                 massSolar.sigma * EarthMassesPerSolarMass};
        planet.a_AU = Estimate(mass.a_AU, weighed(mass.dA_dP, mass.dA_dK, mass.dA_de),
                               covariance, scale);
        solution.planets.push_back(planet);
    }
    solution.offset_mps = Estimate(gamma, only(n - 1, 1.0), covariance, scale);
    return solution;
}

void CheckData(std::span<const TMeasurement> data) {
    PRECONDITION(!data.empty());
    for (const TMeasurement& m : data)
        PRECONDITION(std::isfinite(m.t_days) && std::isfinite(m.v_mps) &&
                     std::isfinite(m.error_mps) && m.error_mps > 0.0);
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

TFitResult Cancelled() {
    TFitResult result;
    result.outcome = TFitOutcome::Cancelled;
    return result;
}

TFitResult Done(TOrbitSolution solution) {
    TFitResult result;
    result.outcome = TFitOutcome::Done;
    result.solution = std::move(solution);
    return result;
}

} // namespace

double TOrbitSolution::Velocity_mps(double t_days) const {
    double v = offset_mps.value;
    for (const TFittedPlanet& planet : planets)
        v += kepler::RadialVelocity_mps(planet.elements, t_days);
    return v;
}

int MeasurementsNeeded(int planets, bool fitJitter) {
    return PerPlanet * planets + 1 + (fitJitter ? 1 : 0) + 1;
}

std::string Refusal(std::size_t measurements, int planets, bool fitJitter) {
    if (planets > MaxFitPlanets)
        return "At most three planets can be fitted.";
    const int needed = MeasurementsNeeded(planets, fitJitter);
    if (measurements >= static_cast<std::size_t>(needed))
        return {};
    return "Fitting " + std::to_string(planets) + (planets == 1 ? " planet" : " planets") +
           " needs at least " + std::to_string(needed) + " measurements; there are " +
           std::to_string(measurements) + ".";
}

TFitResult FitOneMorePlanet(std::span<const TMeasurement> data,
                            std::span<const kepler::TRadialVelocityElements> known,
                            double newPeriod_days, const TFitSettings& settings,
                            const TFitControl& control) {
    PRECONDITION(newPeriod_days > 0.0 && std::isfinite(newPeriod_days));
    PRECONDITION(settings.starMass_Solar > 0.0);
    CheckData(data);
    const int planets = static_cast<int>(known.size()) + 1;
    TFitResult refused;
    refused.message = Refusal(data.size(), planets, settings.fitJitter);
    if (!refused.message.empty())
        return refused;

    const int starts = 1 + std::size(StartEccentricities) * std::size(StartOmegas);
    TFitRun run(data, planets, settings, control,
                starts + 1 + (settings.fitJitter ? 4 : 0));
    const double t0 = run.ReferenceTime();

    // With the known planets' curve taken off, what is left sets the offset and the new
    // planet's amplitude.
    const TResidualSpread left = SpreadAbout(data, known);
    TCandidate circular;
    circular.free.resize(PerPlanet * planets + 1);
    for (std::size_t j = 0; j < known.size(); ++j)
        ToFree(ParametersOf(known[j], t0), &circular.free[PerPlanet * j]);
    // A sine's amplitude is sqrt(2) times its rms; a little amplitude even on flat data,
    // so that the phase has something to turn.
    const double K0 = std::max(std::sqrt(2.0) * left.rms_mps, 1e-3);
    ToFree({newPeriod_days, K0, 0.0, 0.0, 0.0}, &circular.free[PerPlanet * (planets - 1)]);
    circular.free.back() = left.offset_mps;
    if (!run.Minimise(circular, StartEvaluations))
        return Cancelled();

    TCandidate best = circular;
    const TPlanetParameters round = FromFree(&circular.free[PerPlanet * (planets - 1)]);
    for (double e : StartEccentricities)
        for (double omega : StartOmegas) {
            TCandidate start = circular;
            const double sqrtE = std::sqrt(e);
            ToFree({round.P, round.K, sqrtE * std::cos(omega), sqrtE * std::sin(omega),
                    round.lambda},
                   &start.free[PerPlanet * (planets - 1)]);
            if (!run.Minimise(start, StartEvaluations))
                return Cancelled();
            if (start.sumOfSquares < best.sumOfSquares)
                best = start;
        }
    if (!run.Finish(best))
        return Cancelled();
    return Done(run.Describe(best.free));
}

TFitResult FitFrom(std::span<const TMeasurement> data,
                   std::span<const kepler::TRadialVelocityElements> start,
                   const TFitSettings& settings, const TFitControl& control) {
    PRECONDITION(!start.empty());
    PRECONDITION(settings.starMass_Solar > 0.0);
    CheckData(data);
    const int planets = static_cast<int>(start.size());
    TFitResult refused;
    refused.message = Refusal(data.size(), planets, settings.fitJitter);
    if (!refused.message.empty())
        return refused;

    TFitRun run(data, planets, settings, control, 1 + (settings.fitJitter ? 4 : 0));
    TCandidate candidate;
    candidate.free.resize(PerPlanet * planets + 1);
    for (int j = 0; j < planets; ++j)
        ToFree(ParametersOf(start[j], run.ReferenceTime()), &candidate.free[PerPlanet * j]);
    candidate.free.back() = SpreadAbout(data, start).offset_mps;
    if (!run.Finish(candidate))
        return Cancelled();
    return Done(run.Describe(candidate.free));
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
    double mean = 0.0, weights = 0.0;
    for (std::size_t i = 0; i < data.size(); ++i) {
        const double w = 1.0 / (data[i].error_mps * data[i].error_mps);
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
