// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "observing/TFoldPlot.h"

#include "observing/ObservingDrawing.h"

#include <cmath>
#include <QLocale>
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
        return "No measurements.";
    const auto highest = std::ranges::max_element(folded_, {}, &observing::TFoldedPoint::v_mps);
    QString words = QString("%1 measurements folded on a period of %2 days")
                        .arg(data_.size())
                        .arg(QLocale().toString(period_days_, 'g', 6));
    if (highest != folded_.end())
        words += QString("; the highest, %1 m/s, at phase %2")
                     .arg(QLocale().toString(highest->v_mps, 'g', 4))
                     .arg(QLocale().toString(highest->phase, 'f', 2));
    return words + ".";
}
