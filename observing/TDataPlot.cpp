// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "observing/TDataPlot.h"

#include "BookText.h"
#include "observing/ObservingDrawing.h"

TDataPlot::TDataPlot(QWidget* parent) : TObservingPlot(parent) {}

void TDataPlot::SetMeasurements(const observing::TMeasurementSet& set) {
    set_ = set;
    update();
}

void TDataPlot::SetCurve(std::vector<kepler::TRadialVelocityElements> planets) {
    curve_ = std::move(planets);
    update();
}

void TDataPlot::SetCurveColour(const QColor& colour) {
    colour_ = colour;
    update();
}

void TDataPlot::SetVelocityTitle(const QString& title) {
    title_ = title;
    update();
}

void TDataPlot::Draw(QPainter& p, const QRectF& area) const {
    observingdrawing::TDataScene scene;
    scene.data = set_.data;
    scene.truth = curve_;
    scene.timeOffset_days = set_.timeOffset_days;
    scene.velocityTitle = title_;
    scene.curveColour = colour_;
    scene.instruments = set_.instruments;
    observingdrawing::DrawData(p, area, scene);
}

QString TDataPlot::Contents() const {
    QString words = PointsInWords(set_.data, TPoints::Measurements);
    if (!curve_.empty())
        words +=
            " " + BookText("Observing plots", "The curve of %n planet(s) is drawn through them.",
                           nullptr, static_cast<int>(curve_.size()));
    return words;
}
