// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// The measurements against time with their error bars and, if given, a curve through them
// (the planets that made them, in red): a widget any page can place and feed.

#include "model/orbit/Kepler.h"
#include "model/observing/MeasurementsCsv.h"
#include "observing/TObservingPlot.h"

#include <QColor>
#include <vector>

class TDataPlot : public TObservingPlot {
public:
    explicit TDataPlot(QWidget* parent = nullptr);

    void SetMeasurements(const observing::TMeasurementSet& set);
    // The planets whose summed velocity is drawn over the measurements; none: no curve.
    void SetCurve(std::vector<kepler::TRadialVelocityElements> planets);
    void SetCurveColour(const QColor& colour);
    void SetVelocityTitle(const QString& title);

    const observing::TMeasurementSet& Measurements() const { return set_; }
    const std::vector<kepler::TRadialVelocityElements>& Curve() const { return curve_; }

protected:
    void Draw(QPainter& p, const QRectF& area) const override;
    QString Contents() const override;

private:
    observing::TMeasurementSet set_;
    std::vector<kepler::TRadialVelocityElements> curve_;
    QColor colour_{200, 0, 0};
    QString title_ = "radial velocity (m/s)";
};
