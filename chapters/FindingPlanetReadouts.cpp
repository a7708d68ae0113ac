// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "FindingPlanetReadouts.h"

#include "model/FitText.h"
#include "observing/ObservingDrawing.h"

#include <cmath>

namespace findingplanetviews {

QString Days(double period_days) {
    return observingdrawing::PeakText(observing::TPeak{0, 0.0, period_days, 0.0});
}

QString Probability(double p) {
    if (p >= 1e-3)
        return QString::number(100.0 * p, 'g', 2) + " %";
    if (p < fit::SmallestFalseAlarmShown)
        return "below 10⁻¹⁶";
    int exponent = int(std::floor(std::log10(p)));
    // Rounded before it is written, so that 9.96e-5 reads 1.0 × 10⁻⁴, not 10.0 × 10⁻⁵.
    double mantissa = std::round(p / std::pow(10.0, exponent) * 10.0) / 10.0;
    if (mantissa >= 10.0) {
        mantissa /= 10.0;
        ++exponent;
    }
    static const char* const digits[] = {"⁰", "¹", "²", "³", "⁴", "⁵", "⁶", "⁷", "⁸", "⁹"};
    QString power;
    for (QChar c : QString::number(-exponent))
        power += digits[c.digitValue()];
    return QString("%1 × 10⁻%2").arg(mantissa, 0, 'f', 1).arg(power);
}

QString WithSigma(const fit::TEstimate& x) { return QString::fromStdString(fit::WithUncertainty(x)); }

} // namespace findingplanetviews

