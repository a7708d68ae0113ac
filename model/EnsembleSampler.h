// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// Samples a probability density known up to a constant with the affine-invariant ensemble
// sampler of Goodman & Weare (2010, Comm. App. Math. Comp. Sci. 5, 65): walkers move by the
// stretch move y = x_j + z (x_k - x_j), with z drawn from g(z) ~ 1/sqrt(z) on [1/a, a], and
// the move is accepted with probability min(1, z^(d-1) p(y) / p(x_k)). The walkers are split
// in two halves and each half moves against the other (Foreman-Mackey et al. 2013, PASP 125,
// 306), so the walkers of a half move side by side on every core. Each walker draws from a
// random stream of its own seeded from the seed, so a chain depends on the seed alone, not
// on how many cores ran it.
//
// Convergence is judged as those authors advise: the integrated autocorrelation time tau of
// each parameter is estimated from the walkers' mean autocorrelation function with Sokal's
// automatic window (the smallest M with M >= 5 tau(M), tau(M) = 1 + 2 sum_{t=1..M} rho(t));
// the chain has converged once it is longer than convergedLengths tau for every parameter and
// no tau has moved by more than tauSettled (a share) since the last look. Units: those of the density's
// parameters; times in steps.

#include "WorkControl.h"

#include <cstdint>
#include <functional>
#include <span>
#include <vector>

namespace posterior {

// ln p(x) up to a constant; -infinity where the prior allows nothing.
using TLogDensity = std::function<double(std::span<const double>)>;

struct TSamplerSettings {
    int walkers = 32;         // even, and at least twice the parameters
    int maxSteps = 20'000;    // the cap of a chain that does not converge
    int checkEvery = 500;     // steps between looks at tau
    std::uint64_t seed = 1;
    double stretch = 2.0;     // a of the stretch move
    double convergedLengths = 50.0;
    double tauSettled = 0.01;
};

struct TChain {
    int parameters = 0;
    int walkers = 0;
    int steps = 0;
    // Position of walker w after step s, parameter i: positions[(s * walkers + w) * parameters + i].
    std::vector<double> positions;
    std::vector<double> logDensity; // [s * walkers + w]
    double acceptance = 0.0;        // share of moves accepted
    std::vector<double> tau;        // per parameter, steps, at the last look
    bool converged = false;
    bool cancelled = false;

    // How many first steps to leave out as the walkers' way in: twice the longest tau.
    int BurnIn() const;
    // The positions after the burn-in, every max(1, tau / 2)-th step, as one list per parameter.
    std::vector<std::vector<double>> Draws() const;
};

// Runs the walkers from `start` (one position per walker, each with a finite density) until
// the chain converges, maxSteps is reached or the work is cancelled (then `cancelled`).
TChain Sample(const TLogDensity& logDensity, const std::vector<std::vector<double>>& start,
              const TSamplerSettings& settings, const TWorkControl& control = {});

// The integrated autocorrelation time of each parameter of the chain's last `steps` steps
// (all when 0), in steps; the walkers' autocorrelation functions are averaged first.
std::vector<double> AutocorrelationTimes(const TChain& chain, int steps = 0);

} // namespace posterior
