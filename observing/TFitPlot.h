// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// A fitted curve over the measurements: the measurements less the fit's offset (each
// instrument's own) and trend, with their error bars, and the planets' summed curve in green. Without a fit it shows the measurements
// as they are. The curve may be any planets with an offset (one set by hand, say) or a fit.

#include "model/orbit/Kepler.h"
#include "model/observing/MeasurementsCsv.h"
#include "model/fit/OrbitFit.h"
#include "observing/TObservingPlot.h"

#include <vector>

class TFitPlot : public TObservingPlot {
public:
    explicit TFitPlot(QWidget* parent = nullptr);

    void SetMeasurements(const observing::TMeasurementSet& set);
    // The curve of `planets` over the measurements less `offset_mps`.
    void SetFit(double offset_mps, std::vector<kepler::TRadialVelocityElements> planets);
    // The fitted planets and offset of `solution`; none: the measurements alone.
    void SetSolution(const fit::TOrbitSolution* solution);

    // Folded, a curve of one planet shows the measurements at their phase in its orbit, so that
    // one orbit is seen however many the measurements span; with more planets, or none, the
    // plot stays against time.
    void SetFolded(bool folded);
    bool Folded() const { return folded_ && planets_.size() == 1; }
    // The time axis's title, instead of its own (empty: its own).
    void SetTimeTitle(const QString& title);

    const observing::TMeasurementSet& Measurements() const { return set_; }
    bool HasFit() const { return !offsets_mps_.empty(); }
    // The offset taken off the first instrument's measurements, m/s (0 without a fit).
    double Offset_mps() const { return offsets_mps_.empty() ? 0.0 : offsets_mps_.front(); }
    const std::vector<kepler::TRadialVelocityElements>& Planets() const { return planets_; }

protected:
    void Draw(QPainter& p, const QRectF& area) const override;
    QString Contents() const override;

private:
    observing::TMeasurementSet set_;
    std::vector<double> offsets_mps_; // by instrument; none without a fit
    double trend_mps_per_day_ = 0.0, curvature_mps_per_day2_ = 0.0, referenceTime_days_ = 0.0;
    std::vector<kepler::TRadialVelocityElements> planets_;
    bool folded_ = false;
    QString timeTitle_;
};
