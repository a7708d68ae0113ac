// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "observing/TFoldPlot.h"

#include "BookText.h"
#include "NumberText.h"
#include "observing/ObservingDrawing.h"

#include <cmath>
#include <algorithm>

TFoldPlot::TFoldPlot(QWidget* parent) : TObservingPlot(parent) {}

void TFoldPlot::SetMeasurements(const observing::TMeasurementSet& set) {
    data_ = set.data;
    instruments_ = set.instruments;
    Refold();
}

void TFoldPlot::SetPeriod(double period_days) {
    period_days_ = period_days;
    Refold();
}

void TFoldPlot::SetVelocityTitle(const QString& title) {
    title_ = title;
    update();
}

void TFoldPlot::Refold() {
    // A period that is not a positive number folds nothing.
    folded_ = data_.empty() || !(period_days_ > 0.0 && std::isfinite(period_days_))
                  ? std::vector<observing::TFoldedPoint>{}
                  : observing::Fold(data_, period_days_, data_.front().t_days);
    update();
}

void TFoldPlot::Draw(QPainter& p, const QRectF& area) const {
    observingdrawing::DrawFold(p, area, {folded_, period_days_, data_, instruments_, title_});
}

QString TFoldPlot::Contents() const {
    if (data_.empty())
        return BookText("Observing plots", "No measurements.");
    const auto highest = std::ranges::max_element(folded_, {}, &observing::TFoldedPoint::v_mps);
    const int count = static_cast<int>(data_.size());
    const QString period = FiguresText(period_days_, 6);
    if (highest == folded_.end())
        return BookText("Observing plots", "%n measurements folded on a period of %1 days.",
                        nullptr, count)
            .arg(period);
    return BookText("Observing plots",
                    "%n measurements folded on a period of %1 days; the highest, %2 m/s, at "
                    "phase %3.",
                    nullptr, count)
        .arg(period, FiguresText(highest->v_mps, 4), FixedText(highest->phase, 2));
}
