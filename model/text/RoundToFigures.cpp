// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "model/text/RoundToFigures.h"

#include "Precondition.h"

#include <cmath>

double RoundToFigures(double x, int figures, bool nearest) {
    // Beyond 308 figures the powers of ten overflow and the scaling loops would never end.
    PRECONDITION(figures >= 1 && figures <= 308);
    if (x == 0.0)
        return 0.0;
    double temp = std::fabs(x);
    PRECONDITION(temp > 0.0);
    if (std::isinf(temp))
        return x;

    const double upper = std::pow(10.0, figures);
    const double lower = std::pow(10.0, figures - 1);
    int k = 0;
    double result;
    if (temp > upper) {
        while (temp > upper) {
            temp *= 0.1;
            ++k;
        }
        if (nearest)
            temp += 0.5;
        result = std::floor(temp) * std::pow(10.0, k);
    } else if (temp <= lower) {
        while (temp <= lower) {
            temp *= 10.0;
            ++k;
        }
        if (nearest)
            temp += 0.5;
        result = std::floor(temp) / std::pow(10.0, k);
    } else {
        if (nearest)
            temp += 0.5;
        result = std::floor(temp);
    }
    return x < 0.0 ? -result : result;
}
