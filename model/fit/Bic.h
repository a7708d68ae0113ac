// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// Whether a fit with more planets is believed, by the Bayesian information criterion
// (Schwarz 1978, Ann. Stat. 6, 461) BIC = -2 ln L + k ln N that OrbitFit gives each fit (k its
// fitted parameters, jitters included, N the measurements). -2 ln L, not chi^2: with a
// fitted jitter chi^2 falls to about N whatever the model, and only the likelihood still
// charges the jitter that an extra planet would make smaller. A fit with more planets is
// believed when it lowers the BIC by more than BelievedDrop (Kass & Raftery 1995, J. Am.
// Stat. Assoc. 90, 773: a drop over 10 is very strong evidence).

#include "model/fit/OrbitFit.h"

namespace fit {

constexpr double BelievedDrop = 10.0;

// fewer.bic - more.bic for two fits of the same measurements. Needs more planets in `more`.
double BicDrop(const TOrbitSolution& fewer, const TOrbitSolution& more);

// Whether `more` lowers the BIC of `fewer` by more than BelievedDrop.
bool MorePlanetsBelieved(const TOrbitSolution& fewer, const TOrbitSolution& more);

} // namespace fit
