// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "FindingPlanetReadouts.h"

#include "BookText.h"
#include "BookWording.h"
#include "NumberText.h"
#include "model/FitText.h"
#include "model/PeriodText.h"
#include "model/ProbabilityText.h"

namespace findingplanetviews {

QString Days(double period_days) {
    return BookText("Chapter 6: Finding a planet", "%1 days", "a period")
        .arg(FixedText(period_days, PeriodDecimals(period_days)));
}

QString Probability(double p) { return BookWording(ProbabilityText(p)); }

QString WithSigma(const fit::TEstimate& x) { return BookWording(fit::WithUncertainty(x)); }

} // namespace findingplanetviews
