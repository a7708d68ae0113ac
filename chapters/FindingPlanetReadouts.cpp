// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "FindingPlanetReadouts.h"

#include "model/FitText.h"
#include "model/ProbabilityText.h"
#include "observing/ObservingDrawing.h"

namespace findingplanetviews {

QString Days(double period_days) {
    return observingdrawing::PeakText(observing::TPeak{0, 0.0, period_days, 0.0});
}

QString Probability(double p) { return QString::fromStdString(ProbabilityText(p)); }

QString WithSigma(const fit::TEstimate& x) { return QString::fromStdString(fit::WithUncertainty(x)); }

} // namespace findingplanetviews

