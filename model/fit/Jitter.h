// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// One instrument's jitter by maximum likelihood: the s >= 0 that maximises
//   ln L(s) = -1/2 sum_i [r_i^2 / (sigma_i^2 + s^2) + ln(2 pi (sigma_i^2 + s^2))]
// for the residuals r_i and stated errors sigma_i of its measurements, where
// d ln L / d(s^2) = 1/2 sum_i [r_i^2 / (sigma_i^2 + s^2)^2 - 1 / (sigma_i^2 + s^2)] = 0;
// 0 when that slope is not positive at s = 0 (the errors already explain the scatter). And
// its 1-sigma uncertainty from the Fisher information, I(s) = sum_i 2 s^2 / (sigma_i^2 + s^2)^2.
// Units: m/s.

#include <span>

namespace fit {

// residualSquares[i] = r_i^2 and errorSquares[i] = sigma_i^2, both of one instrument.
double MaximumLikelihoodJitter(std::span<const double> residualSquares,
                               std::span<const double> errorSquares);

// 1 / sqrt(I(s)); +infinity at s = 0, where the information vanishes.
double JitterUncertainty(double jitter, std::span<const double> errorSquares);

} // namespace fit
