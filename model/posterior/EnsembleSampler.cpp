// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "model/posterior/EnsembleSampler.h"

#include "model/posterior/Autocorrelation.h"

#include "Precondition.h"

#include <algorithm>
#include <cmath>
#include <random>

namespace posterior {

namespace {

// A walker's own stream: the seed and the walker's number mixed by SplitMix64 (Steele, Lea &
// Flood 2014), so that neighbouring walkers' streams are unrelated.
std::uint64_t StreamSeed(std::uint64_t seed, int walker) {
    std::uint64_t z = seed + 0x9e3779b97f4a7c15ull * std::uint64_t(walker + 1);
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ull;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebull;
    return z ^ (z >> 31);
}

// z with density proportional to 1 / sqrt(z) on [1/a, a], by inverting its distribution.
double StretchFactor(double a, double u) {
    const double root = (a - 1.0) * u + 1.0;
    return root * root / a;
}

} // namespace

int TChain::BurnIn() const {
    const double longest = tau.empty() ? 0.0 : *std::max_element(tau.begin(), tau.end());
    return std::min(steps - 1, int(std::ceil(2.0 * longest)));
}

std::vector<std::vector<double>> TChain::Draws() const {
    PRECONDITION(steps > 0);
    const double shortest = tau.empty() ? 2.0 : *std::min_element(tau.begin(), tau.end());
    const int thin = std::max(1, int(shortest / 2.0));
    std::vector<std::vector<double>> draws(static_cast<std::size_t>(parameters));
    for (int s = BurnIn(); s < steps; s += thin)
        for (int w = 0; w < walkers; ++w)
            for (int i = 0; i < parameters; ++i)
                draws[std::size_t(i)].push_back(
                    positions[(std::size_t(s) * std::size_t(walkers) + std::size_t(w)) *
                                  std::size_t(parameters) + std::size_t(i)]);
    return draws;
}

std::vector<double> AutocorrelationTimes(const TChain& chain, int steps) {
    const int n = steps > 0 ? std::min(steps, chain.steps) : chain.steps;
    PRECONDITION(n >= 2);
    const int first = chain.steps - n;
    std::vector<double> tau(static_cast<std::size_t>(chain.parameters));
    // The parameters' transforms, the look's cost, side by side on every core.
#pragma omp parallel for schedule(dynamic)
    for (int i = 0; i < chain.parameters; ++i) {
        std::vector<std::vector<double>> series(std::size_t(chain.walkers),
                                                std::vector<double>(std::size_t(n)));
        for (int w = 0; w < chain.walkers; ++w)
            for (int s = 0; s < n; ++s)
                series[std::size_t(w)][std::size_t(s)] =
                    chain.positions[(std::size_t(first + s) * std::size_t(chain.walkers) +
                                     std::size_t(w)) * std::size_t(chain.parameters) + std::size_t(i)];
        tau[std::size_t(i)] = IntegratedAutocorrelationTime(series);
    }
    return tau;
}

TChain Sample(const TLogDensity& logDensity, const std::vector<std::vector<double>>& start,
              const TSamplerSettings& settings, const TWorkControl& control) {
    const int walkers = int(start.size());
    PRECONDITION(walkers >= 4 && walkers % 2 == 0);
    const int d = int(start[0].size());
    PRECONDITION(d >= 1 && walkers >= 2 * d);
    PRECONDITION(settings.maxSteps >= 1 && settings.checkEvery >= 2 && settings.stretch > 1.0);

    TChain chain;
    chain.parameters = d;
    chain.walkers = walkers;
    std::vector<double> x(std::size_t(walkers) * std::size_t(d));
    std::vector<double> lp(static_cast<std::size_t>(walkers));
    for (int w = 0; w < walkers; ++w) {
        PRECONDITION(int(start[std::size_t(w)].size()) == d);
        std::copy(start[std::size_t(w)].begin(), start[std::size_t(w)].end(),
                  x.begin() + std::ptrdiff_t(w) * d);
        lp[std::size_t(w)] = logDensity(start[std::size_t(w)]);
        PRECONDITION(std::isfinite(lp[std::size_t(w)]));
    }
    std::vector<std::mt19937_64> streams;
    for (int w = 0; w < walkers; ++w)
        streams.emplace_back(StreamSeed(settings.seed, w));

    const int half = walkers / 2;
    long long accepted = 0;
    std::vector<double> lastTau;
    int lastLook = 0;
    double lastNeeded = 0.0;
    chain.positions.reserve(std::size_t(std::min(settings.maxSteps, 4 * settings.checkEvery)) *
                            x.size());
    for (int step = 0; step < settings.maxSteps; ++step) {
        for (int moving = 0; moving < 2; ++moving) {
            const int from = moving * half, other = (1 - moving) * half;
            int taken = 0;
#pragma omp parallel for reduction(+ : taken) schedule(static)
            for (int k = from; k < from + half; ++k) {
                std::mt19937_64& random = streams[std::size_t(k)];
                std::uniform_real_distribution<double> uniform(0.0, 1.0);
                const int j = other + int(uniform(random) * half) % half;
                const double z = StretchFactor(settings.stretch, uniform(random));
                const double r = uniform(random);
                std::vector<double> y(static_cast<std::size_t>(d));
                for (int i = 0; i < d; ++i) {
                    const double xj = x[std::size_t(j * d + i)];
                    y[std::size_t(i)] = xj + z * (x[std::size_t(k * d + i)] - xj);
                }
                const double ly = logDensity(y);
                const double q = (d - 1) * std::log(z) + ly - lp[std::size_t(k)];
                if (std::isfinite(ly) && std::log(r) < q) {
                    std::copy(y.begin(), y.end(), x.begin() + std::ptrdiff_t(k) * d);
                    lp[std::size_t(k)] = ly;
                    ++taken;
                }
            }
            accepted += taken;
        }
        chain.positions.insert(chain.positions.end(), x.begin(), x.end());
        chain.logDensity.insert(chain.logDensity.end(), lp.begin(), lp.end());
        chain.steps = step + 1;
        if (control.Cancelled()) {
            chain.cancelled = true;
            break;
        }
        if (chain.steps % settings.checkEvery != 0)
            continue;
        // A look reworks the whole chain. One that can neither end it nor be the look before
        // the one that does is left out: tau grows with the chain as a rule, so the last look's
        // tells when the chain can first be long enough.
        if (chain.steps + settings.checkEvery <= lastNeeded) {
            control.Report(std::min(1.0, std::max(double(chain.steps) / settings.maxSteps,
                                                  double(chain.steps) / lastNeeded)));
            continue;
        }
        chain.tau = AutocorrelationTimes(chain);
        const double longest = *std::max_element(chain.tau.begin(), chain.tau.end());
        bool settled = !lastTau.empty() && lastLook == chain.steps - settings.checkEvery;
        for (std::size_t i = 0; settled && i < chain.tau.size(); ++i)
            settled = std::abs(chain.tau[i] - lastTau[i]) <= settings.tauSettled * chain.tau[i];
        lastTau = chain.tau;
        lastLook = chain.steps;
        const double needed = settings.convergedLengths * longest;
        lastNeeded = needed;
        control.Report(std::min(1.0, std::max(double(chain.steps) / settings.maxSteps,
                                              double(chain.steps) / needed)));
        if (settled && chain.steps > needed) {
            chain.converged = true;
            break;
        }
    }
    // A chain stopped short is judged on all it has.
    if (!chain.converged && chain.steps >= 2)
        chain.tau = AutocorrelationTimes(chain);
    chain.acceptance = double(accepted) / (double(chain.steps) * walkers);
    return chain;
}

} // namespace posterior
