// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// The observing run's page "By hand": one planet's curve moved over the measurements with
// sliders for P, K, e, omega and the time of periastron, as orbits were first fitted, with
// the rms of what is left shown as the sliders move. The offset is the residuals' weighted
// mean. "Fit using these" hands the elements on (to the Fit page, which fits from them); a
// page with nobody to hand them to has no such button. The page lays itself out to its width.

#include "model/orbit/Kepler.h"
#include "model/observing/MeasurementsCsv.h"

#include <QWidget>
#include <array>
#include <functional>

class QCheckBox;
class QLabel;
class QPushButton;
class QSlider;
class TFitPlot;
class TOrbitFitPage;

class TFitByHandPage : public QWidget {
public:
    using TFitFromHand = std::function<void(const kepler::TRadialVelocityElements&)>;
    // fitPage: where "Fit using these" sends the elements; it must outlive this page.
    explicit TFitByHandPage(TOrbitFitPage& fitPage, QWidget* parent = nullptr);
    // fitFromHand: what "Fit using these" does with the elements; none: no such button.
    explicit TFitByHandPage(TFitFromHand fitFromHand, QWidget* parent = nullptr);

    enum TElement { Period, Amplitude, Eccentricity, Omega, Periastron };
    static constexpr int SliderSteps = 1000;

    TFitPlot* CurvePlot = nullptr;
    std::array<QSlider*, 5> Sliders{};
    std::array<QLabel*, 5> Readouts{};
    QLabel* RmsLabel = nullptr;
    // The curve and the measurements folded on the period set, one orbit wide, so that the
    // points gather on the curve as the sliders near the orbit; otherwise against time.
    QCheckBox* FoldBox = nullptr;
    QPushButton* FitButton = nullptr;

    // New measurements: the sliders' ranges follow them and start at a middle curve.
    void SetMeasurements(const observing::TMeasurementSet& set);
    // The elements the sliders give.
    kepler::TRadialVelocityElements Elements() const;
    void SliderChange();
    void FitButtonClick();

protected:
    void resizeEvent(QResizeEvent* e) override;

private:
    void Layout();
    // Element `element` at slider position `position`, in the unit its readout shows (the
    // time of periastron in days after the first measurement, at the period set now).
    double At(int element, int position) const;
    // That value as its readout shows it.
    static QString Shown(int element, double value);

    TFitFromHand fitFromHand_;
    observing::TMeasurementSet set_;
    double shortest_days_ = 1.0, longest_days_ = 100.0, largestK_mps_ = 100.0;
};
