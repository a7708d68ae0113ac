// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// The Bayesian information criterion of an orbit fit (Schwarz 1978, Ann. Stat. 6, 461):
// BIC = chi^2 + k ln N for k free parameters (five per planet and the offset) and N
// measurements. For a fit without jitter chi^2 is -2 ln L up to a constant that cancels
// between fits of the same data; with a fitted jitter it is not, so such fits are refused. A
// fit with more planets is believed when it lowers the BIC by more than BelievedDrop (Kass &
// Raftery 1995, J. Am. Stat. Assoc. 90, 773: a drop over 10 is very strong evidence).

#include "model/OrbitFit.h"

namespace fit {

constexpr double BelievedDrop = 10.0;

// The free parameters of a fit without jitter.
int FreeParameters(const TOrbitSolution& solution);

// BIC of a fit without jitter to `measurements` measurements. Needs measurements > 0 and no
// fitted jitter.
double Bic(const TOrbitSolution& solution, std::size_t measurements);

} // namespace fit
