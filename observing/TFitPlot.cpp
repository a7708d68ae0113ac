// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "observing/TFitPlot.h"

#include <algorithm>

#include "BookText.h"
#include "NumberText.h"
#include "observing/ObservingDrawing.h"
#include <QStringList>

TFitPlot::TFitPlot(QWidget* parent) : TObservingPlot(parent) {}

void TFitPlot::SetMeasurements(const observing::TMeasurementSet& set) {
    set_ = set;
    update();
}

void TFitPlot::SetFit(double offset_mps, std::vector<kepler::TRadialVelocityElements> planets) {
    offsets_mps_.assign(1, offset_mps);
    trend_mps_per_day_ = curvature_mps_per_day2_ = 0.0;
    planets_ = std::move(planets);
    update();
}

void TFitPlot::SetSolution(const fit::TOrbitSolution* solution) {
    offsets_mps_.clear();
    planets_.clear();
    trend_mps_per_day_ = curvature_mps_per_day2_ = 0.0;
    if (solution) {
        for (const fit::TEstimate& offset : solution->offsets_mps)
            offsets_mps_.push_back(offset.value);
        trend_mps_per_day_ = solution->trend_mps_per_day.value;
        curvature_mps_per_day2_ = solution->curvature_mps_per_day2.value;
        referenceTime_days_ = solution->referenceTime_days;
        for (const fit::TFittedPlanet& planet : solution->planets)
            planets_.push_back(planet.elements);
    }
    update();
}

void TFitPlot::SetFolded(bool folded) {
    folded_ = folded;
    update();
}

void TFitPlot::SetTimeTitle(const QString& title) {
    timeTitle_ = title;
    update();
}

void TFitPlot::Draw(QPainter& p, const QRectF& area) const {
    std::vector<observing::TMeasurement> shifted = set_.data;
    observingdrawing::TDataScene scene;
    if (!offsets_mps_.empty()) {
        const std::size_t last = offsets_mps_.size() - 1;
        for (observing::TMeasurement& m : shifted) {
            const double since = m.t_days - referenceTime_days_;
            m.v_mps -= offsets_mps_[std::min(static_cast<std::size_t>(m.instrument), last)] +
                       trend_mps_per_day_ * since + curvature_mps_per_day2_ * since * since;
        }
        const bool trend = trend_mps_per_day_ != 0.0 || curvature_mps_per_day2_ != 0.0;
        scene.velocityTitle = trend ? BookText("Observing plots", "v − offset − trend (m/s)")
                                    : BookText("Observing plots", "v − offset (m/s)");
    }
    scene.data = shifted;
    scene.truth = planets_;
    scene.timeOffset_days = set_.timeOffset_days;
    scene.curveColour = QColor(0, 130, 0);
    scene.instruments = set_.instruments;
    scene.timeTitle = timeTitle_;
    if (Folded()) {
        scene.foldPeriod_days = planets_.front().period_days;
        scene.foldEpoch_days = planets_.front().tPeri_days;
    }
    observingdrawing::DrawData(p, area, scene);
}

QString TFitPlot::Contents() const {
    QString words = PointsInWords(set_.data, TPoints::Measurements);
    if (!HasFit())
        return words;
    if (planets_.empty())
        return words + " " + BookText("Observing plots", "The fit has no planet.");
    QStringList periods;
    for (const kepler::TRadialVelocityElements& planet : planets_)
        periods << BookText("Observing plots", "%1 days, K %2 m/s",
                            "a fitted planet's period and "
                            "semi-amplitude")
                       .arg(FiguresText(planet.period_days, 5), FiguresText(planet.K_mps, 3));
    const int count = static_cast<int>(planets_.size());
    return words + " " +
           (Folded() ? BookText("Observing plots",
                                "The fitted curve of %n planet(s) runs through them, over one "
                                "orbit: %1.",
                                nullptr, count)
                     : BookText("Observing plots",
                                "The fitted curve of %n planet(s) runs through them: %1.", nullptr,
                                count))
               .arg(periods.join("; "));
}
