// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "model/ProbabilityText.h"

#include <cmath>
#include <cstdio>

TWording ProbabilityText(double p) {
    char text[48];
    if (p >= 1e-3) {
        // Two figures, and a whole number from 10 % up ("100 %", not "1e+02 %").
        std::snprintf(text, sizeof text, p >= 0.1 ? "%.0f" : "%.2g", 100.0 * p);
        return TWording(Unsaid("%1 %")).Number(text);
    }
    if (!(p >= SmallestProbabilityShown))
        return Said("Numbers", "below 10⁻¹⁶");
    int exponent = int(std::floor(std::log10(p)));
    double mantissa = std::round(p / std::pow(10.0, exponent) * 10.0) / 10.0;
    if (mantissa >= 10.0) {
        mantissa /= 10.0;
        ++exponent;
    }
    static const char* const digits[] = {"⁰", "¹", "²", "³", "⁴", "⁵", "⁶", "⁷", "⁸", "⁹"};
    std::string power;
    for (char c : std::to_string(-exponent))
        power += digits[c - '0'];
    std::snprintf(text, sizeof text, "%.1f × 10⁻", mantissa);
    return TWording(Unsaid("%1")).Number(text + power);
}
