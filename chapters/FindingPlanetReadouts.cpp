// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "FindingPlanetReadouts.h"

#include "BookWording.h"
#include "model/fit/FitText.h"
#include "model/text/NumberWriting.h"

namespace findingplanetviews {

QString Days(double period_days) { return BookWording(PeriodText(period_days)); }

QString Probability(double p) { return BookWording(ProbabilityText(p)); }

QString WithSigma(const fit::TEstimate& x) { return BookWording(fit::WithUncertainty(x)); }

} // namespace findingplanetviews
