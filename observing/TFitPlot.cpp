// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "observing/TFitPlot.h"

#include "observing/ObservingDrawing.h"

TFitPlot::TFitPlot(QWidget* parent) : TObservingPlot(parent) {}

void TFitPlot::SetMeasurements(const observing::TMeasurementSet& set) {
    set_ = set;
    update();
}

void TFitPlot::SetFit(double offset_mps, std::vector<kepler::TRadialVelocityElements> planets) {
    offset_mps_ = offset_mps;
    planets_ = std::move(planets);
    update();
}

void TFitPlot::SetSolution(const fit::TOrbitSolution* solution) {
    if (!solution) {
        offset_mps_.reset();
        planets_.clear();
        update();
        return;
    }
    std::vector<kepler::TRadialVelocityElements> planets;
    for (const fit::TFittedPlanet& planet : solution->planets)
        planets.push_back(planet.elements);
    SetFit(solution->offset_mps.value, std::move(planets));
}

void TFitPlot::Draw(QPainter& p, const QRectF& area) const {
    std::vector<observing::TMeasurement> shifted = set_.data;
    observingdrawing::TDataScene scene;
    if (offset_mps_) {
        for (observing::TMeasurement& m : shifted)
            m.v_mps -= *offset_mps_;
        scene.velocityTitle = "v \u2212 offset (m/s)";
    }
    scene.data = shifted;
    scene.truth = planets_;
    scene.timeOffset_days = set_.timeOffset_days;
    scene.curveColour = QColor(0, 130, 0);
    observingdrawing::DrawData(p, area, scene);
}
