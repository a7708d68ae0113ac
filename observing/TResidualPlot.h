// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// What a fit leaves: each measurement less the fitted curve, with its error bar, against time.
// Without a fit it says that the residuals show here after one.

#include "model/observing/MeasurementsCsv.h"
#include "model/fit/OrbitFit.h"
#include "observing/TObservingPlot.h"

#include <vector>

class TResidualPlot : public TObservingPlot {
public:
    explicit TResidualPlot(QWidget* parent = nullptr);

    // New measurements drop the fit shown.
    void SetMeasurements(const observing::TMeasurementSet& set);
    // The fit whose residuals are shown (of these measurements); none: the message alone.
    void SetSolution(const fit::TOrbitSolution* solution);
    // The time axis's title, instead of its own (empty: its own).
    void SetTimeTitle(const QString& title);

    bool HasFit() const { return hasFit_; }
    // The residuals shown (measurement less fitted curve), empty without a fit.
    const std::vector<observing::TMeasurement>& Residuals() const { return residuals_; }

protected:
    void Draw(QPainter& p, const QRectF& area) const override;
    QString Contents() const override;

private:
    void Update();

    observing::TMeasurementSet set_;
    fit::TOrbitSolution solution_;
    bool hasFit_ = false;
    std::vector<observing::TMeasurement> residuals_;
    QString timeTitle_;
};
