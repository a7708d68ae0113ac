// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// The measurements folded on a trial period, from phase -0.2 to 1.2 with the repeated ends
// shaded; phase 0 is the first measurement. It folds again whenever the measurements or the
// period change.

#include "model/MeasurementsCsv.h"
#include "model/PhaseFold.h"
#include "observing/TObservingPlot.h"

#include <vector>

class TFoldPlot : public TObservingPlot {
public:
    explicit TFoldPlot(QWidget* parent = nullptr);

    void SetMeasurements(const observing::TMeasurementSet& set);
    void SetPeriod(double period_days);

    double Period_days() const { return period_days_; }
    const std::vector<observing::TFoldedPoint>& Points() const { return folded_; }

protected:
    void Draw(QPainter& p, const QRectF& area) const override;

private:
    void Refold();

    std::vector<observing::TMeasurement> data_;
    double period_days_ = 1.0;
    std::vector<observing::TFoldedPoint> folded_;
};
