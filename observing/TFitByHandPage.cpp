// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "observing/TFitByHandPage.h"

#include "model/fit/OrbitFit.h"
#include "model/observing/Periodogram.h"
#include "observing/TFitPlot.h"
#include "observing/TOrbitFitPage.h"

#include "BookText.h"
#include "NumberText.h"
#include "SpokenValue.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

QFont Arial(int pixels, bool bold = false) {
    QFont font("Arial");
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

double Share(int position) { return static_cast<double>(position) / TFitByHandPage::SliderSteps; }

} // namespace

TFitByHandPage::TFitByHandPage(TOrbitFitPage& fitPage, QWidget* parent)
    : TFitByHandPage([&fitPage](const kepler::TRadialVelocityElements& e) { fitPage.FitFromHand(e); },
                     parent) {}

TFitByHandPage::TFitByHandPage(TFitFromHand fitFromHand, QWidget* parent)
    : QWidget(parent), fitFromHand_(std::move(fitFromHand)) {
    setAccessibleName(BookText("Fit by hand", "Fit by hand"));
    CurvePlot = new TFitPlot(this);
    CurvePlot->setAccessibleName(
        BookText("Fit by hand", "Measurements with the curve set by hand"));
    CurvePlot->setAccessibleDescription(
        BookText("Fit by hand", "The measurements less the best offset, with their error bars, and "
                                "the curve the sliders set, in green."));
    const char* captions[] = {QT_TRANSLATE_NOOP("Fit by hand", "Orbi&t period"),
                              QT_TRANSLATE_NOOP("Fit by hand", "&Amplitude K"),
                              QT_TRANSLATE_NOOP("Fit by hand", "Eccentricit&y"),
                              QT_TRANSLATE_NOOP("Fit by hand", "Ome&ga ω"),
                              QT_TRANSLATE_NOOP("Fit by hand", "Periastron ti&me T")};
    const char* names[] = {QT_TRANSLATE_NOOP("Fit by hand", "Period, logarithmic"),
                           QT_TRANSLATE_NOOP("Fit by hand", "Semi-amplitude K"),
                           QT_TRANSLATE_NOOP("Fit by hand", "Eccentricity"),
                           QT_TRANSLATE_NOOP("Fit by hand", "Argument of periastron omega"),
                           QT_TRANSLATE_NOOP("Fit by hand", "Time of periastron")};
    for (int i = 0; i < 5; ++i) {
        auto* caption = new QLabel(BookText("Fit by hand", captions[i]), this);
        caption->setGeometry(8, 282 + i * 28, 110, 20);
        caption->setFont(Arial(13));
        Sliders[i] = new QSlider(Qt::Horizontal, this);
        Sliders[i]->setRange(0, SliderSteps);
        // Page Up and Page Down cross the scale in twenty presses, the arrows in a thousand.
        Sliders[i]->setPageStep(SliderSteps / 20);
        Sliders[i]->setAccessibleName(BookText("Fit by hand", names[i]));
        caption->setBuddy(Sliders[i]);
        Readouts[i] = new QLabel(this);
        Readouts[i]->setFont(Arial(13, true));
        SpeakReadout(*Readouts[i], BookText("Fit by hand", names[i]));
        SpeakInUnit(*Sliders[i], {[this, i](int position) { return At(i, position); },
                                  [i](double value) { return Shown(i, value); }});
        connect(Sliders[i], &QSlider::valueChanged, this, [this] { SliderChange(); });
    }
    // Its text says what it is, so that it is read, and announced as it changes.
    RmsLabel = new QLabel(this);
    RmsLabel->setFont(Arial(14, true));
    CurvePlot->SetFolded(true);
    FoldBox = new QCheckBox(BookText("Fit by hand", "Fold on P"), this);
    FoldBox->setFont(Arial(13));
    FoldBox->setChecked(true);
    FoldBox->setAccessibleName(BookText("Fit by hand", "Fold on the period", "of the orbit"));
    FoldBox->setAccessibleDescription(
        BookText("Fit by hand", "Shows each measurement at its phase in the orbit the sliders "
                                "set, so that one orbit is seen; unchecked, the measurements "
                                "stand against time."));
    connect(FoldBox, &QCheckBox::toggled, this, [this](bool on) { CurvePlot->SetFolded(on); });
    FitButton = new QPushButton(BookText("Fit by hand", "Fit &using these"), this);
    FitButton->setFont(Arial(13, true));
    FitButton->setAccessibleName(BookText("Fit by hand", "Fit using these elements"));
    FitButton->setVisible(bool(fitFromHand_));
    connect(FitButton, &QPushButton::clicked, this, [this] { FitButtonClick(); });

    resize(632, 450);
    Layout();
    SliderChange();
}

void TFitByHandPage::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    Layout();
}

// The plot and the sliders take the width; the captions keep theirs, and the readouts and
// the button theirs at the right.
void TFitByHandPage::Layout() {
    const int w = width();
    const int readoutWidth = w >= 600 ? 140 : 104;
    const int readoutLeft = w - 4 - readoutWidth;
    CurvePlot->setGeometry(4, 2, w - 8, 270);
    for (int i = 0; i < 5; ++i) {
        const int top = 280 + i * 28;
        Sliders[i]->setGeometry(120, top, std::max(40, readoutLeft - 128), 24);
        Readouts[i]->setGeometry(readoutLeft, top + 2, readoutWidth, 20);
    }
    FitButton->setGeometry(w - 144, 420, 140, 28);
    const int right = fitFromHand_ ? w - 152 : w - 4;
    FoldBox->setGeometry(right - 100, 424, 100, 22);
    RmsLabel->setGeometry(8, 424, std::min(300, right - 116), 22);
}

void TFitByHandPage::SetMeasurements(const observing::TMeasurementSet& set) {
    set_ = set;
    CurvePlot->SetMeasurements(set_);
    const double span = observing::Span(set_.data);
    shortest_days_ = 0.5;
    longest_days_ = std::max(2.0 * span, 10.0);
    double lo = 0.0, hi = 0.0;
    for (const observing::TMeasurement& m : set_.data) {
        lo = std::min(lo, m.v_mps);
        hi = std::max(hi, m.v_mps);
    }
    largestK_mps_ = std::max(1.0, hi - lo);
    for (QSlider* slider : Sliders)
        slider->blockSignals(true);
    Sliders[Period]->setValue(SliderSteps / 2);
    Sliders[Amplitude]->setValue(SliderSteps / 4);
    Sliders[Eccentricity]->setValue(0);
    Sliders[Omega]->setValue(0);
    Sliders[Periastron]->setValue(0);
    for (QSlider* slider : Sliders)
        slider->blockSignals(false);
    SliderChange();
}

double TFitByHandPage::At(int element, int position) const {
    const double share = Share(position);
    switch (element) {
    case Period: return shortest_days_ * std::pow(longest_days_ / shortest_days_, share);
    case Amplitude: return largestK_mps_ * share;
    case Eccentricity: return MaxEccentricity * share;
    case Omega: return 360.0 * share;
    default: return At(Period, Sliders[Period]->value()) * share;
    }
}

QString TFitByHandPage::Shown(int element, double value) {
    switch (element) {
    case Period:
        return BookText("Fit by hand", "%1 days").arg(FiguresText(value, 5));
    case Amplitude:
        return QString("%1 m/s").arg(FixedText(value, 1));
    case Eccentricity:
        return FixedText(value, 3);
    case Omega:
        return QString("%1\u00b0").arg(FixedText(value, 0));
    default:
        return BookText("Fit by hand", "day %1", "a time since the first measurement")
            .arg(FixedText(value, 2));
    }
}

kepler::TRadialVelocityElements TFitByHandPage::Elements() const {
    const auto at = [this](int element) { return At(element, Sliders[std::size_t(element)]->value()); };
    kepler::TRadialVelocityElements e;
    e.period_days = at(Period);
    e.K_mps = at(Amplitude);
    e.ecc = at(Eccentricity);
    e.omega_rad = at(Omega) * std::numbers::pi / 180.0;
    const double first = set_.data.empty() ? 0.0 : set_.data.front().t_days;
    e.tPeri_days = first + at(Periastron);
    return e;
}

void TFitByHandPage::SliderChange() {
    const kepler::TRadialVelocityElements e = Elements();
    for (int i = 0; i < 5; ++i)
        Readouts[std::size_t(i)]->setText(Shown(i, At(i, Sliders[std::size_t(i)]->value())));
    const bool any = set_.data.size() >= observing::MinCsvRows;
    // The curve is drawn over the measurements less the residuals' weighted mean.
    const fit::TResidualSpread spread = set_.data.empty() ? fit::TResidualSpread{}
                                                  : fit::SpreadAbout(set_.data, std::span(&e, 1));
    RmsLabel->setText(any ? BookText("Fit by hand", "rms of the residuals: %1 m/s")
                                .arg(FixedText(spread.rms_mps, 2))
                          : BookText("Fit by hand", "No measurements yet."));
    FitButton->setEnabled(any);
    CurvePlot->SetFit(spread.offset_mps, {e});
}

void TFitByHandPage::FitButtonClick() {
    if (fitFromHand_ && set_.data.size() >= observing::MinCsvRows)
        fitFromHand_(Elements());
}
