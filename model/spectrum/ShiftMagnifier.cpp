// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "model/spectrum/ShiftMagnifier.h"

#include "model/spectrum/Spectrum.h"

#include <algorithm>
#include <cmath>

namespace spectrum {

void TShiftMagnifier::SetLargestSpeed(double v_mps) {
    LargestSpeed_mps = std::isfinite(v_mps) ? std::fabs(v_mps) : 0.0;
}

double TShiftMagnifier::Magnification(double rest_nm, double halfSpan_nm) {
    const double peak_nm = Shift_nm(rest_nm, LargestSpeed_mps);
    if (peak_nm > 0.0) {
        const double decade = std::floor(std::log10(Reach * halfSpan_nm / peak_nm));
        Last = std::clamp(std::pow(10.0, decade), Smallest, Largest);
    }
    return Last;
}

TShiftTicks ShiftTicks(double halfSpan_nm, double magnification) {
    const double half_pm = halfSpan_nm * 1000.0 / magnification;
    // The largest 1-2-5 step that still leaves four steps on each side.
    const double decade = std::pow(10.0, std::floor(std::log10(half_pm / 4.0)));
    double step = decade;
    for (double factor : {2.0, 5.0})
        if (half_pm / (factor * decade) >= 4.0)
            step = factor * decade;
    return TShiftTicks{step, static_cast<int>(std::floor(half_pm / step + 1e-9))};
}

} // namespace spectrum
