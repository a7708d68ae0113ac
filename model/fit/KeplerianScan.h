// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// The best Keplerian orbit at a trial period over a coarse grid of shapes, the eccentric
// counterpart of a periodogram's sine: for a fixed period P, eccentricity e and time of
// periastron T the star's velocity
//   v(t) = c + K [cos(nu + omega) + e cos omega] = c' + a cos nu + b sin nu
// (nu the true anomaly at t, a = K cos omega, b = -K sin omega) is linear in c', a and b,
// which weighted least squares (weights 1 / error^2) fits exactly; the grid covers e and T,
// finer in T where a more eccentric orbit's velocity turns faster. A very eccentric planet
// spreads its power over many harmonics of a sine periodogram, whose highest peak may be none
// of its own period; this finds the period among the peaks' multiples. Units: days, m/s.

#include "model/orbit/Kepler.h"
#include "model/observing/ObservingRun.h"

#include <span>

namespace fit {

struct TKeplerianTrial {
    kepler::TRadialVelocityElements elements;
    double chiSquare = 0.0; // sum of ((v_i - v(t_i)) / error_i)^2 at the best grid point
};

// The best orbit of the grid at period_days (> 0) for measurements of one zero point (at
// least 3, errors > 0).
TKeplerianTrial BestKeplerianAt(std::span<const observing::TMeasurement> data,
                                double period_days);

} // namespace fit
