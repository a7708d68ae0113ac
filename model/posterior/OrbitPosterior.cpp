// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "model/posterior/OrbitPosterior.h"

#include "model/orbit/Kepler.h"
#include "model/fit/PlanetMass.h"
#include "model/orbit/planet.h"

#include "Precondition.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>
#include <random>
#include <sstream>

namespace posterior {

namespace {

constexpr int PerPlanet = 5; // P, K, sqrt(e) cos omega, sqrt(e) sin omega, lambda
constexpr double TwoPi = 2.0 * std::numbers::pi;
constexpr double Nothing = -std::numeric_limits<double>::infinity();

double SigmaOf(const fit::TEstimate& e) {
    return e.fixed || !std::isfinite(e.sigma) ? 0.0 : e.sigma;
}

} // namespace

TOrbitPosterior::TOrbitPosterior(std::span<const fit::TMeasurement> data,
                                 const fit::TOrbitSolution& solution,
                                 const fit::TFitSettings& settings)
    : data_(data.begin(), data.end()), settings_(settings),
      planets_(int(solution.planets.size())), instruments_(int(solution.offsets_mps.size())),
      reference_days_(solution.referenceTime_days) {
    PRECONDITION(!data_.empty() && instruments_ == fit::InstrumentCount(data_));
    const auto add = [this](double value, double sigma, bool free, std::string name) {
        if (free) {
            free_.push_back(int(maximum_.size()));
            names_.push_back(std::move(name));
        }
        maximum_.push_back(value);
        sigma_.push_back(sigma);
    };
    for (int k = 0; k < planets_; ++k) {
        const fit::TFittedPlanet& p = solution.planets[std::size_t(k)];
        const fit::TFixedElements& held = settings.FixedOf(k);
        const std::string letter(1, char('b' + k));
        const double sqrtE = std::sqrt(p.elements.ecc);
        const double lambda =
            kepler::MeanAnomaly(p.elements, reference_days_) + p.elements.omega_rad;
        const double shape = SigmaOf(p.ecc) > 0.0 ? SigmaOf(p.ecc) / 2.0 : 0.0;
        add(p.elements.period_days, SigmaOf(p.period_days), !held.period, "P " + letter);
        add(p.elements.K_mps, SigmaOf(p.K_mps), !held.semiAmplitude, "K " + letter);
        add(sqrtE * std::cos(p.elements.omega_rad), shape, !held.eccentricity, "secosw " + letter);
        add(sqrtE * std::sin(p.elements.omega_rad), shape, !held.eccentricity, "sesinw " + letter);
        add(lambda, 0.0, !held.phase, "lambda " + letter);
    }
    for (int j = 0; j < instruments_; ++j)
        add(solution.offsets_mps[std::size_t(j)].value, SigmaOf(solution.offsets_mps[std::size_t(j)]),
            true, "offset " + std::to_string(j + 1));
    for (int j = 0; j < instruments_; ++j) {
        const fit::TEstimate s = std::size_t(j) < solution.jitters_mps.size()
                                     ? solution.jitters_mps[std::size_t(j)]
                                     : fit::TEstimate{};
        add(s.value, SigmaOf(s), settings.fitJitter, "jitter " + std::to_string(j + 1));
    }
    add(solution.trend_mps_per_day.value, SigmaOf(solution.trend_mps_per_day),
        solution.trendOrder >= 1, "trend");
    add(solution.curvature_mps_per_day2.value, SigmaOf(solution.curvature_mps_per_day2),
        solution.trendOrder >= 2, "curvature");
}

std::vector<double> TOrbitPosterior::Full(std::span<const double> free) const {
    PRECONDITION(free.size() == free_.size());
    std::vector<double> full = maximum_;
    for (std::size_t i = 0; i < free_.size(); ++i)
        full[std::size_t(free_[i])] = free[i];
    return full;
}

std::vector<double> TOrbitPosterior::AtMaximum() const {
    std::vector<double> free;
    for (int i : free_)
        free.push_back(maximum_[std::size_t(i)]);
    return free;
}

TOrbitPosterior::TPoint TOrbitPosterior::PointOf(std::span<const double> free) const {
    const std::vector<double> x = Full(free);
    TPoint point;
    for (int k = 0; k < planets_; ++k) {
        const double* p = x.data() + k * PerPlanet;
        kepler::TRadialVelocityElements e;
        e.period_days = p[0];
        e.K_mps = p[1];
        e.ecc = p[2] * p[2] + p[3] * p[3];
        e.omega_rad = e.ecc > 0.0 ? std::atan2(p[3], p[2]) : 0.0;
        // lambda = M + omega at the reference time gives the periastron before or after it.
        e.tPeri_days = reference_days_ - (p[4] - e.omega_rad) * e.period_days / TwoPi;
        point.planets.push_back(e);
    }
    const double* baseline = x.data() + planets_ * PerPlanet;
    point.offsets_mps.assign(baseline, baseline + instruments_);
    point.jitters_mps.assign(baseline + instruments_, baseline + 2 * instruments_);
    point.trend_mps_per_day = baseline[2 * instruments_];
    point.curvature_mps_per_day2 = baseline[2 * instruments_ + 1];
    return point;
}

double TOrbitPosterior::LogDensity(std::span<const double> free) const {
    PRECONDITION(free.size() == free_.size());
    // Called from every core for every move: the working space is each thread's own and kept.
    thread_local std::vector<double> x, model;
    x = maximum_;
    for (std::size_t i = 0; i < free_.size(); ++i)
        x[std::size_t(free_[i])] = free[i];
    const double* offsets = x.data() + planets_ * PerPlanet;
    const double* jitters = offsets + instruments_;
    const double trend = jitters[instruments_], curvature = jitters[instruments_ + 1];
    for (int j = 0; j < instruments_; ++j)
        if (!(jitters[j] >= 0.0))
            return Nothing;
    model.resize(data_.size());
    for (std::size_t i = 0; i < data_.size(); ++i) {
        const double since = data_[i].t_days - reference_days_;
        model[i] = offsets[data_[i].instrument] + trend * since + curvature * since * since;
    }
    // Planet by planet, so that what a planet's velocity shares over the measurements (the
    // turn of its orbit, its shape) is worked out once (Kepler.h's velocity, term for term).
    for (int k = 0; k < planets_; ++k) {
        const double* p = x.data() + k * PerPlanet;
        const double P = p[0], K = p[1], e = p[2] * p[2] + p[3] * p[3];
        if (!(P > 0.0 && K >= 0.0 && e < MaxEccentricity))
            return Nothing;
        const double sqrtE = std::sqrt(e);
        const double cosW = sqrtE > 0.0 ? p[2] / sqrtE : 1.0, sinW = sqrtE > 0.0 ? p[3] / sqrtE : 0.0;
        const double root = std::sqrt(1.0 - e * e);
        const double omega = sqrtE > 0.0 ? std::atan2(p[3], p[2]) : 0.0;
        const double tPeri = reference_days_ - (p[4] - omega) * P / TwoPi;
        for (std::size_t i = 0; i < data_.size(); ++i) {
            // The orbits since periastron less the nearest whole number: the mean anomaly in
            // [-pi, pi], without fmod and remainder, a third of a solve's cost.
            const double cycles = (data_[i].t_days - tPeri) / P;
            // A proposal's period so short that the count overflows holds no orbit.
            if (!std::isfinite(cycles))
                return Nothing;
            const kepler::TEccentricAnomaly E =
                kepler::SolveKepler(TwoPi * (cycles - std::nearbyint(cycles)), e);
            const double denominator = 1.0 - e * E.cosE;
            const double cosNu = (E.cosE - e) / denominator;
            const double sinNu = root * E.sinE / denominator;
            model[i] += K * (cosNu * cosW - sinNu * sinW + e * cosW);
        }
    }
    double minusTwoLnL = 0.0;
    for (std::size_t i = 0; i < data_.size(); ++i) {
        const fit::TMeasurement& m = data_[i];
        const double s = jitters[m.instrument];
        const double variance = m.error_mps * m.error_mps + s * s;
        const double r = m.v_mps - model[i];
        minusTwoLnL += r * r / variance + std::log(TwoPi * variance);
    }
    return std::isfinite(minusTwoLnL) ? -0.5 * minusTwoLnL : Nothing;
}

std::vector<std::vector<double>> TOrbitPosterior::StartingBall(int walkers,
                                                               std::uint64_t seed) const {
    std::mt19937_64 random(seed);
    std::normal_distribution<double> normal(0.0, 1.0);
    const std::vector<double> centre = AtMaximum();
    std::vector<std::vector<double>> ball;
    // A maximum where the priors hold no orbit near it would be drawn about for ever.
    const long tries = 1000L * walkers;
    for (long tried = 0; int(ball.size()) < walkers && tried < tries; ++tried) {
        std::vector<double> walker = centre;
        for (std::size_t i = 0; i < free_.size(); ++i) {
            const double sigma = sigma_[std::size_t(free_[i])];
            const double scale = sigma > 0.0 && std::isfinite(sigma)
                                     ? 0.1 * sigma
                                     : 1e-4 * std::max(1.0, std::abs(centre[i]));
            walker[i] += scale * normal(random);
        }
        // A walker outside the priors (a jitter of 0 nudged below it) is drawn again.
        if (std::isfinite(LogDensity(walker)))
            ball.push_back(std::move(walker));
    }
    return ball;
}

TInterval IntervalOf(std::vector<double> draws) {
    PRECONDITION(!draws.empty());
    std::sort(draws.begin(), draws.end());
    const auto at = [&draws](double q) {
        const double place = q * double(draws.size() - 1);
        const std::size_t below = std::size_t(place);
        const std::size_t above = std::min(below + 1, draws.size() - 1);
        return draws[below] + (place - double(below)) * (draws[above] - draws[below]);
    };
    return {at(0.5), at(0.15865525393145707), at(0.8413447460685429)};
}

TPosteriorSummary Summarise(const TOrbitPosterior& posterior, const TChain& chain) {
    PRECONDITION(chain.parameters == posterior.Dimension() && chain.steps >= 2);
    const std::vector<std::vector<double>> draws = chain.Draws();
    const std::size_t n = draws.empty() ? 0 : draws[0].size();
    TPosteriorSummary summary;
    summary.converged = chain.converged;
    summary.walkers = chain.walkers;
    summary.steps = chain.steps;
    summary.longestTau_steps = chain.tau.empty() ? 0.0 : *std::max_element(chain.tau.begin(), chain.tau.end());
    summary.pairs.resize(std::size_t(posterior.Planets()));
    std::vector<std::vector<double>> a(std::size_t(posterior.Planets()));
    std::vector<std::vector<double>> offsets, jitters;
    std::vector<double> free(static_cast<std::size_t>(posterior.Dimension()));
    const TOrbitPosterior::TPoint atMaximum = posterior.PointOf(posterior.AtMaximum());
    for (std::size_t s = 0; s < n; ++s) {
        for (std::size_t i = 0; i < free.size(); ++i)
            free[i] = draws[i][s];
        const TOrbitPosterior::TPoint point = posterior.PointOf(free);
        offsets.resize(point.offsets_mps.size());
        jitters.resize(point.jitters_mps.size());
        for (std::size_t j = 0; j < point.offsets_mps.size(); ++j) {
            offsets[j].push_back(point.offsets_mps[j]);
            jitters[j].push_back(point.jitters_mps[j]);
        }
        for (std::size_t k = 0; k < point.planets.size(); ++k) {
            const kepler::TRadialVelocityElements& e = point.planets[k];
            TPosteriorSummary::TPairs& pair = summary.pairs[k];
            pair.K_mps.push_back(e.K_mps);
            pair.ecc.push_back(e.ecc);
            pair.period_days.push_back(e.period_days);
            // The angle and the time of periastron each within half a turn of the fit's, so
            // that a spread across the turn's seam stays one spread.
            const kepler::TRadialVelocityElements& best = atMaximum.planets[k];
            pair.omega_rad.push_back(best.omega_rad +
                                     std::remainder(e.omega_rad - best.omega_rad, TwoPi));
            pair.tPeri_days.push_back(best.tPeri_days +
                                      std::remainder(e.tPeri_days - best.tPeri_days, e.period_days));
            const fit::TPlanetMass weighed = fit::PlanetMass(
                e.period_days, e.K_mps, e.ecc, posterior.StarMass_Solar(), posterior.Unit());
            pair.massSinI_Jupiter.push_back(weighed.massSinI_Solar * JupiterMassesPerSolarMass);
            a[k].push_back(weighed.a_AU);
        }
    }
    for (std::size_t k = 0; k < summary.pairs.size(); ++k) {
        const TPosteriorSummary::TPairs& pair = summary.pairs[k];
        summary.planets.push_back({IntervalOf(pair.period_days), IntervalOf(pair.K_mps),
                                   IntervalOf(pair.ecc), IntervalOf(pair.omega_rad),
                                   IntervalOf(pair.tPeri_days), IntervalOf(pair.massSinI_Jupiter),
                                   IntervalOf(a[k])});
    }
    for (const std::vector<double>& o : offsets)
        summary.offsets_mps.push_back(IntervalOf(o));
    if (posterior.FitsJitters())
        for (const std::vector<double>& s : jitters)
            summary.jitters_mps.push_back(IntervalOf(s));
    return summary;
}

std::string ChainCsv(const TOrbitPosterior& posterior, const TChain& chain) {
    PRECONDITION(chain.parameters == posterior.Dimension());
    std::ostringstream out;
    out.precision(17);
    const double longest = chain.tau.empty() ? 0.0 : *std::max_element(chain.tau.begin(), chain.tau.end());
    out << "# " << chain.walkers << " walkers, " << chain.steps << " steps, longest autocorrelation time "
        << longest << " steps, " << (chain.converged ? "converged" : "not converged") << "\n";
    out << "step,walker,ln p";
    for (const std::string& name : posterior.Names())
        out << ',' << name;
    out << '\n';
    for (int step = 0; step < chain.steps; ++step)
        for (int w = 0; w < chain.walkers; ++w) {
            const std::size_t row = std::size_t(step) * std::size_t(chain.walkers) + std::size_t(w);
            out << step << ',' << w << ',' << chain.logDensity[row];
            for (int i = 0; i < chain.parameters; ++i)
                out << ',' << chain.positions[row * std::size_t(chain.parameters) + std::size_t(i)];
            out << '\n';
        }
    return out.str();
}

} // namespace posterior
