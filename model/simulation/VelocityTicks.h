// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// The velocity labels of the graph: for a velocity range it picks a power of ten 10^e m/s
// as the unit of the axis title (v_r / 10^e m s^-1) and a grid step of 0.5, 1 or 2 such
// units, so that between two and five grid lines lie on each side of the zero line.
// Example: 12.4 m/s gives e = 1, step 0.5 and two lines a side, labelled -1, -0.5, 0.5, 1.

#include <optional>
#include <string>

struct TVelocityTicks {
    int Exponent = 0;  // e: the labels count units of 10^e m/s
    double Step = 1.0; // grid step, in those units
    int Count = 0;     // grid lines on each side of the zero line

    // The ticks for the largest speed vmax (AU/day); none when vmax is not a positive
    // finite speed (0, for an orbit seen face-on).
    static std::optional<TVelocityTicks> For(double vmax_AUperDay);

    // The velocity of grid line i (-Count .. Count), m/s.
    double Velocity_mps(int i) const;
    // The label of grid line i: i x Step in general format, such as "-1" or "0.5".
    std::string Label(int i) const;
    // The exponent as the axis title shows it.
    std::string ExponentText() const { return std::to_string(Exponent); }
};
