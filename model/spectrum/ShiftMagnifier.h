// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// How many times larger than true the magnified panel draws a line's shift. The
// magnification is the largest power of ten at which the largest speed the star can reach,
// worked out from the planets' elements (RadialSpeed.h), keeps the line within Reach of the
// panel's half span, so the line swings visibly but never leaves the panel, and neither the
// line nor the label jumps while the run goes on. Until a largest speed is known it keeps
// its last choice.

namespace spectrum {

class TShiftMagnifier {
public:
    static constexpr double Reach = 0.8;
    static constexpr double Initial = 1e5;
    static constexpr double Smallest = 1.0;
    static constexpr double Largest = 1e12;

    // The largest radial velocity the star can reach (m/s); 0 or not finite: none known.
    void SetLargestSpeed(double v_mps);
    // The magnification for a line at rest_nm in a panel showing ± halfSpan_nm.
    double Magnification(double rest_nm, double halfSpan_nm);

private:
    double LargestSpeed_mps = 0.0;
    double Last = Initial;
};

// The numbered ticks of the magnified panel's axis: the true shift from rest, in pm, that a
// place on the panel stands for once the magnification is taken off. Step is 1, 2 or 5
// times a power of ten, so that four to ten steps span the half span.
struct TShiftTicks {
    double Step_pm;
    int Count; // ticks each side of rest
};
TShiftTicks ShiftTicks(double halfSpan_nm, double magnification);

} // namespace spectrum
