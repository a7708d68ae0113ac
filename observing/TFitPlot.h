// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// A fitted curve over the measurements: the measurements less the fit's offset, with their
// error bars, and the planets' summed curve in green. Without a fit it shows the measurements
// as they are. The curve may be any planets with an offset (one set by hand, say) or a fit.

#include "model/Kepler.h"
#include "model/MeasurementsCsv.h"
#include "model/OrbitFit.h"
#include "observing/TObservingPlot.h"

#include <optional>
#include <vector>

class TFitPlot : public TObservingPlot {
public:
    explicit TFitPlot(QWidget* parent = nullptr);

    void SetMeasurements(const observing::TMeasurementSet& set);
    // The curve of `planets` over the measurements less `offset_mps`.
    void SetFit(double offset_mps, std::vector<kepler::TRadialVelocityElements> planets);
    // The fitted planets and offset of `solution`; none: the measurements alone.
    void SetSolution(const fit::TOrbitSolution* solution);

    const observing::TMeasurementSet& Measurements() const { return set_; }
    bool HasFit() const { return offset_mps_.has_value(); }
    // The offset taken off the measurements, m/s (0 without a fit).
    double Offset_mps() const { return offset_mps_.value_or(0.0); }
    const std::vector<kepler::TRadialVelocityElements>& Planets() const { return planets_; }

protected:
    void Draw(QPainter& p, const QRectF& area) const override;

private:
    observing::TMeasurementSet set_;
    std::optional<double> offset_mps_;
    std::vector<kepler::TRadialVelocityElements> planets_;
};
