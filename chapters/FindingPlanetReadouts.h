// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// How the readouts of "Finding a planet" write their numbers: a period in days with as many
// decimals as the periodogram labels its peak with, in the book's language; a small
// probability as a power of ten, a fitted value with its uncertainty.

#include "model/fit/OrbitFit.h"

#include <QString>

namespace findingplanetviews {

QString Days(double period_days);
// Small probabilities as powers of ten, so that a rise from one tiny value to another shows.
QString Probability(double p);
QString WithSigma(const fit::TEstimate& x);

} // namespace findingplanetviews
