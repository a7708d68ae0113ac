// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "observing/TResidualPlot.h"

#include "BookText.h"
#include "NumberText.h"
#include "observing/ObservingDrawing.h"

TResidualPlot::TResidualPlot(QWidget* parent) : TObservingPlot(parent) { Update(); }

void TResidualPlot::SetMeasurements(const observing::TMeasurementSet& set) {
    set_ = set;
    // A fit belongs to the measurements it was made of; it may not know the new ones'
    // instruments.
    hasFit_ = false;
    Update();
}

void TResidualPlot::SetSolution(const fit::TOrbitSolution* solution) {
    hasFit_ = solution != nullptr;
    if (solution)
        solution_ = *solution;
    Update();
}

void TResidualPlot::Update() {
    residuals_.clear();
    if (hasFit_) {
        residuals_ = set_.data;
        for (observing::TMeasurement& m : residuals_)
            m.v_mps -= solution_.Velocity_mps(m.t_days, m.instrument);
    }
    SetMessage(hasFit_ ? QString()
                       : BookText("Observing plots", "The residuals show here after a fit."));
    update();
}

void TResidualPlot::SetTimeTitle(const QString& title) {
    timeTitle_ = title;
    update();
}

void TResidualPlot::Draw(QPainter& p, const QRectF& area) const {
    observingdrawing::TDataScene scene;
    scene.data = residuals_;
    scene.velocityTitle = BookText("Observing plots", "residual (m/s)");
    scene.instruments = set_.instruments;
    scene.timeTitle = timeTitle_;
    observingdrawing::DrawData(p, area, scene);
}

QString TResidualPlot::Contents() const {
    if (!hasFit_)
        return {};
    return PointsInWords(residuals_, TPoints::Residuals) + " " +
           BookText("Observing plots", "Their rms is %1 m/s.")
               .arg(FiguresText(solution_.rms_mps, 3));
}
