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
// Convergence is judged as emcee's authors advise: the integrated autocorrelation time tau of
// each parameter is estimated over the whole chain from the walkers' mean autocorrelation
// function with Sokal's automatic window (the smallest M with M >= 5 tau(M),
// tau(M) = 1 + 2 sum_{t=1..M} rho(t)); the chain has converged once it is longer than
// convergedLengths = 50 tau for every parameter and no tau has moved by more than tauSettled
// (a share) since the last look. The settle check catches a tau still growing as the chain
// finds longer correlations (on 51 Peg's chain it grows by 10 to 50 % a look over the first
// 30 tau), but it cannot ask more than the estimate's own noise: some sqrt(2 (2M + 1) / (N W))
// of tau for N steps of W walkers (Madras & Sokal 1988), a tenth at 50 tau, and a few per
// cent between two estimates 500 steps apart, which share all their other steps. On 51 Peg's
// chains the busiest tau still moves by 2 to 8 % a look at 50 tau, 2 to 4 % at 100 and 1 to
// 2 % at 130 (the cap), on ups And's by 2 to 3 % at 45 tau; a share of 1 % would wait for
// the noise and never be met. So tauSettled is 5 %: emcee's example asks 1 % over looks
// 100 steps apart, and a drift five times as long moves tau five times as far. A look that,
// by the last look's tau, could neither end the chain nor be the look before the one that
// does is left out: each reworks the whole chain (a seventh of ups And's run). Units: those
// of the density's parameters; times in steps.

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
    double tauSettled = 0.05;
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
