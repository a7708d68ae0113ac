// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// The measurements folded on a trial period, from phase -0.2 to 1.2 with the repeated ends
// shaded; phase 0 is the first measurement. It folds again whenever the measurements or the
// period change.

#include "model/observing/MeasurementsCsv.h"
#include "model/observing/PhaseFold.h"
#include "observing/TObservingPlot.h"

#include <string>
#include <vector>

class TFoldPlot : public TObservingPlot {
public:
    explicit TFoldPlot(QWidget* parent = nullptr);

    void SetMeasurements(const observing::TMeasurementSet& set);
    void SetPeriod(double period_days);
    // What the velocities are: "radial velocity (m/s)" unless told, say, that each
    // instrument's zero point was taken off.
    void SetVelocityTitle(const QString& title);

    double Period_days() const { return period_days_; }
    const QString& VelocityTitle() const { return title_; }
    const std::vector<observing::TFoldedPoint>& Points() const { return folded_; }

protected:
    void Draw(QPainter& p, const QRectF& area) const override;
    QString Contents() const override;

private:
    void Refold();

    std::vector<observing::TMeasurement> data_;
    std::vector<std::string> instruments_;
    double period_days_ = 1.0;
    std::vector<observing::TFoldedPoint> folded_;
    QString title_ = "radial velocity (m/s)";
};
