// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "model/spectrum/WavelengthColour.h"

#include <algorithm>
#include <cmath>

namespace spectrum {

namespace {

// A Gaussian with different widths left and right of its peak.
double Lobe(double x, double mean, double left, double right) {
    const double t = (x - mean) / (x < mean ? left : right);
    return std::exp(-0.5 * t * t);
}

double Encode(double linear) {
    linear = std::clamp(linear, 0.0, 1.0);
    return linear <= 0.0031308 ? 12.92 * linear : 1.055 * std::pow(linear, 1.0 / 2.4) - 0.055;
}

// Fraction of white added before clipping: enough to soften the out-of-gamut greens and
// cyans, little enough to keep them saturated.
constexpr double Whitening = 0.35;

// Brightness towards the ends of the visible range, where the eye's response fades.
double Fade(double lambda_nm) {
    if (lambda_nm < 420.0)
        return 0.3 + 0.7 * (lambda_nm - 380.0) / 40.0;
    if (lambda_nm > 645.0)
        return std::max(0.0, 0.3 + 0.7 * (700.0 - lambda_nm) / 55.0);
    return 1.0;
}

} // namespace

TRgb WavelengthColour(double lambda_nm) {
    if (!(lambda_nm >= 380.0 && lambda_nm <= 780.0))
        return {0.0, 0.0, 0.0};
    // Below 400 nm the fit's tails lose the red lobe that makes violet violet, so the hue of
    // 400 nm is kept there and only the brightness fades.
    const double l = std::max(lambda_nm, 400.0);
    const double x = 1.056 * Lobe(l, 599.8, 37.9, 31.0) + 0.362 * Lobe(l, 442.0, 16.0, 26.7) -
                     0.065 * Lobe(l, 501.1, 20.4, 26.2);
    const double y = 0.821 * Lobe(l, 568.8, 46.9, 40.5) + 0.286 * Lobe(l, 530.9, 16.3, 31.1);
    const double z = 1.217 * Lobe(l, 437.0, 11.8, 36.0) + 0.681 * Lobe(l, 459.0, 26.0, 13.8);
    double r = 3.2406 * x - 1.5372 * y - 0.4986 * z;
    double g = -0.9689 * x + 1.8758 * y + 0.0415 * z;
    double b = 0.0557 * x - 0.2040 * y + 1.0570 * z;
    const double white = -std::min({r, g, b, 0.0}) * Whitening;
    r = std::max(r + white, 0.0);
    g = std::max(g + white, 0.0);
    b = std::max(b + white, 0.0);
    const double peak = std::max({r, g, b});
    if (peak <= 0.0)
        return {0.0, 0.0, 0.0};
    const double scale = Fade(lambda_nm) / peak;
    return {Encode(r * scale), Encode(g * scale), Encode(b * scale)};
}

} // namespace spectrum
