// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// Whether a fit's chi^2 measures the fit or the arithmetic. A residual v - v(t) is computed in
// double arithmetic (eps = DBL_EPSILON = 2^-52): each term of the model is rounded by a few
// units of its last place, and a planet's velocity also by the rounding of
// its mean anomaly M = lambda - omega + 2 pi (t - t0) / P carried through the velocity's
// steepest slope in M, K sqrt((1 + e) / (1 - e)^3) per radian (at periastron, where
// d nu / dM = (1 + e)^2 / (1 - e^2)^(3/2)). So a residual is known to about
//   rounding = 8 eps (|v| + |gamma| + |trend(t)| + sum_p K_p (2 + G_p 2 pi (2 + (|t| + |t - t0|) / P_p)))
// with G_p that slope per K. A measurement whose error (with its instrument's jitter) is
// not ten times that rounding makes its term of chi^2, and so -2 ln L and the BIC, a number
// of rounding rather than of the fit. Units: days, m/s.

#include "model/fit/OrbitFit.h"

#include <span>

namespace fit {

// The rounding of the residual of measurement m under the solution, m/s.
double ResidualRounding_mps(const TMeasurement& m, const TOrbitSolution& solution);

struct TUnresolvedResiduals {
    bool any = false;        // some error is under ten times its residual's rounding
    double error_mps = 0.0;  // the worst such measurement's error, its jitter added
    double rounding_mps = 0.0; // and its residual's rounding
};

// The measurement whose error is smallest against its residual's rounding, when that error is
// not ten times the rounding. The measurements' instruments index the solution's offsets.
TUnresolvedResiduals UnresolvedResiduals(std::span<const TMeasurement> data,
                                         const TOrbitSolution& solution);

} // namespace fit
