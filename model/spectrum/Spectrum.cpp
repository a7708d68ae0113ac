// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "model/spectrum/Spectrum.h"

#include <array>

namespace spectrum {

namespace {

// Depths and widths approximate a Sun-like star's lines closely enough to draw them.
constexpr std::array<TSpectralLine, LineCount> lines{{
    {"Ca II K", 393.366, 0.92, 0.45},
    {"Ca II H", 396.847, 0.90, 0.40},
    {"Hδ", 410.175, 0.72, 0.07},
    {"Hγ", 434.047, 0.76, 0.07},
    {"Hβ", 486.135, 0.82, 0.07},
    {"Mg b4", 516.733, 0.80, 0.03},
    {"Mg b2", 517.268, 0.82, 0.03},
    {"Mg b1", 518.362, 0.84, 0.035},
    {"Na D2", 588.995, 0.90, 0.035},
    {"Na D1", 589.592, 0.88, 0.03},
    {"Hα", 656.281, 0.84, 0.08},
}};

constexpr std::array<TLineGroup, 3> groups{{
    {"Hα", 10, 1, 656.281, 4.0},
    {"Hβ", 4, 1, 486.135, 4.0},
    {"Na D", 8, 2, 589.2935, 4.0},
}};

} // namespace

std::span<const TSpectralLine> Lines() { return lines; }

std::span<const TLineGroup> MagnifiedGroups() { return groups; }

double Shifted_nm(double rest_nm, double v_mps) {
    return rest_nm * (1.0 + v_mps / SpeedOfLight_mps);
}

double Shift_nm(double rest_nm, double v_mps) { return rest_nm * v_mps / SpeedOfLight_mps; }

double ResolutionElement_nm(double lambda_nm) { return lambda_nm / ResolvingPower; }

double ShiftInResolutionElements(double v_mps) { return ResolvingPower * v_mps / SpeedOfLight_mps; }

} // namespace spectrum
