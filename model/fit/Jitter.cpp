// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "model/fit/Jitter.h"

#include "Precondition.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace fit {

double MaximumLikelihoodJitter(std::span<const double> residualSquares,
                               std::span<const double> errorSquares) {
    PRECONDITION(residualSquares.size() == errorSquares.size());
    const auto slope = [&](double u) {
        double sum = 0.0;
        for (std::size_t i = 0; i < errorSquares.size(); ++i) {
            const double v = errorSquares[i] + u;
            sum += residualSquares[i] / (v * v) - 1.0 / v;
        }
        return sum;
    };
    if (residualSquares.empty() || !(slope(0.0) > 0.0))
        return 0.0;
    // Beyond the largest r^2 every term is negative, so the root lies below it.
    double lo = 0.0;
    double hi = *std::max_element(residualSquares.begin(), residualSquares.end());
    for (int i = 0; i < 200 && hi - lo > 1e-14 * hi; ++i) {
        const double mid = 0.5 * (lo + hi);
        (slope(mid) > 0.0 ? lo : hi) = mid;
    }
    return std::sqrt(0.5 * (lo + hi));
}

double JitterUncertainty(double jitter, std::span<const double> errorSquares) {
    double information = 0.0;
    for (double e2 : errorSquares) {
        const double v = e2 + jitter * jitter;
        information += 2.0 * jitter * jitter / (v * v);
    }
    return information > 0.0 ? 1.0 / std::sqrt(information)
                              : std::numeric_limits<double>::infinity();
}

} // namespace fit
