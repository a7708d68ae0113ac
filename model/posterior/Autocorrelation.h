// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// The integrated autocorrelation time of a stationary series sampled by several walkers:
// each walker's normalised autocorrelation function rho(t) is worked out by the fast Fourier
// transform (Eigen's), the functions are averaged over the walkers, and
// tau = 1 + 2 sum_{t=1..M} rho(t) is cut at Sokal's window, the smallest M with M >= c tau(M)
// (Sokal 1997, "Monte Carlo Methods in Statistical Mechanics"; c = 5). Units: steps.

#include <span>
#include <vector>

namespace posterior {

constexpr double SokalWindow = 5.0;

// series[w] holds walker w's values, all of one length of at least 2. A series that never
// moves has tau = 1.
double IntegratedAutocorrelationTime(std::span<const std::vector<double>> series);

} // namespace posterior
