// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// The posterior of a Keplerian fit (OrbitFit.h) as the ensemble sampler (EnsembleSampler.h)
// draws from it: the fit's own likelihood,
//   -2 ln L = sum_i [(v_i - v(t_i))^2 / (sigma_i^2 + s_j^2) + ln(2 pi (sigma_i^2 + s_j^2))],
// over each planet's P, K, sqrt(e) cos omega, sqrt(e) sin omega and mean longitude lambda at
// the first measurement, each instrument's offset, each instrument's jitter when the fit
// fitted it, and the trend it fitted. The priors are uniform:
// - in sqrt(e) cos omega and sqrt(e) sin omega inside e < MaxEccentricity, which is
//   uniform in e and omega (Eastman et al. 2013, PASP 125, 83), so e is not pulled up;
// - in K >= 0 and P > 0, in lambda, the offsets and the trend: the data alone place them;
// - in each jitter s >= 0: flat like the offsets, so the posterior's peak is the likelihood's
//   maximum that the fit reports, and bounded above in effect by the likelihood, which falls
//   as s^-N.
// What the fit held fixed stays where the fit left it. Units: days, m/s, radians, solar
// masses, Jupiter masses, AU.

#include "model/posterior/EnsembleSampler.h"
#include "model/fit/OrbitFit.h"

#include <span>
#include <string>
#include <vector>

namespace posterior {

class TOrbitPosterior {
public:
    TOrbitPosterior(std::span<const fit::TMeasurement> data, const fit::TOrbitSolution& solution,
                    const fit::TFitSettings& settings);

    // The free parameters the sampler moves, and their names ("P b", "offset 2", ...).
    int Dimension() const { return int(free_.size()); }
    const std::vector<std::string>& Names() const { return names_; }
    // The free parameters at the fit's maximum.
    std::vector<double> AtMaximum() const;
    // ln of the posterior density, up to a constant; -infinity outside the priors.
    double LogDensity(std::span<const double> free) const;
    // Walkers about the maximum: each parameter spread by a tenth of its fitted sigma (or by
    // a small share of its value where the fit gave none or an infinite one), every walker
    // inside the priors; fewer than `walkers` when a thousand draws a walker find none there.
    std::vector<std::vector<double>> StartingBall(int walkers, std::uint64_t seed) const;

    // The planets' elements and the baseline a free vector stands for.
    struct TPoint {
        std::vector<kepler::TRadialVelocityElements> planets;
        std::vector<double> offsets_mps, jitters_mps;
        double trend_mps_per_day = 0.0, curvature_mps_per_day2 = 0.0;
    };
    TPoint PointOf(std::span<const double> free) const;
    int Planets() const { return planets_; }
    double StarMass_Solar() const { return settings_.starMass_Solar; }
    fit::TAstronomicalUnit Unit() const { return settings_.astronomicalUnit; }
    bool FitsJitters() const { return settings_.fitJitter; }

private:
    std::vector<double> Full(std::span<const double> free) const;

    std::vector<fit::TMeasurement> data_;
    fit::TFitSettings settings_;
    int planets_ = 0, instruments_ = 0;
    double reference_days_ = 0.0;
    std::vector<double> maximum_; // every parameter at the fit's maximum
    std::vector<double> sigma_;   // the fit's sigma of each, 0 when held
    std::vector<int> free_;       // the indices the sampler moves
    std::vector<std::string> names_;
};

// The median and the 68 % interval (16th to 84th percentile) of draws.
struct TInterval {
    double median = 0.0, low = 0.0, high = 0.0;
};
TInterval IntervalOf(std::vector<double> draws);

struct TPlanetPosterior {
    TInterval period_days, K_mps, ecc, omega_rad, tPeri_days, massSinI_Jupiter, a_AU;
};

struct TPosteriorSummary {
    // How the chain the draws come from was judged (EnsembleSampler.h).
    bool converged = false;
    int walkers = 0, steps = 0;
    double longestTau_steps = 0.0;
    std::vector<TPlanetPosterior> planets;
    std::vector<TInterval> offsets_mps, jitters_mps; // jitters only when fitted
    // The draws of each planet, side by side, for the pairs that trade off.
    struct TPairs {
        std::vector<double> K_mps, ecc, period_days, omega_rad, tPeri_days, massSinI_Jupiter;
    };
    std::vector<TPairs> pairs;
};
// Needs a chain of at least two steps over the posterior's free parameters.
TPosteriorSummary Summarise(const TOrbitPosterior& posterior, const TChain& chain);

// The chain as CSV: a comment line saying how it was judged, a heading, then a row for each
// walker at each step: step, walker, ln p and the free parameters in full precision.
std::string ChainCsv(const TOrbitPosterior& posterior, const TChain& chain);

} // namespace posterior
