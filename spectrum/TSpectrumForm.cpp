// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "spectrum/TSpectrumForm.h"

#include "forms/SpectrumForm.h"
#include "model/Spectrum.h"
#include "model/SpectrumText.h"
#include "spectrum/TSpectrumView.h"

#include "WindowPlace.h"

#include <QComboBox>
#include <QLabel>
#include <algorithm>

namespace {

void SetText(QLabel& label, const std::string& text) {
    label.setText(QString::fromStdString(text));
}

// A readout's value, named with its caption so that a screen reader says what it is.
void SetReadout(const QLabel& caption, QLabel& value, const std::string& text) {
    const QString shown = QString::fromStdString(text);
    if (value.text() == shown)
        return;
    value.setText(shown);
    value.setAccessibleName(caption.text() + ": " + shown);
}

} // namespace

TSpectrumForm::TSpectrumForm(QWidget* owner) : TForm(owner) {
    DefineSpectrumForm(*this);
    ShowSpectrum();
    ShowStatus();
}

TSpectrumForm::~TSpectrumForm() {
    if (feed_)
        feed_->Detach(this);
}

void TSpectrumForm::Follow(TSimulationFeed* feed) {
    if (feed == feed_)
        return;
    if (feed_)
        feed_->Detach(this);
    feed_ = feed;
    running_ = false;
    if (feed_) {
        feed_->Attach(this);
        running_ = feed_->IsRunning();
        v_mps_ = feed_->CurrentVelocity_mps();
        seen_ = true;
        magnifier_.SetLargestSpeed(feed_->LargestVelocity_mps());
        ShowSpectrum();
    }
    ShowStatus();
}

void TSpectrumForm::SimulationTick(double, double v_mps) {
    v_mps_ = v_mps;
    // The planets may have changed since the last tick; their largest speed is cheap to ask.
    if (feed_)
        magnifier_.SetLargestSpeed(feed_->LargestVelocity_mps());
    // A closed window costs the tick nothing; showing it brings it up to date.
    if (isVisible())
        ShowSpectrum();
}

void TSpectrumForm::showEvent(QShowEvent* e) {
    TForm::showEvent(e);
    ShowSpectrum();
}

void TSpectrumForm::SimulationRunning(bool running) {
    running_ = running;
    ShowStatus();
}

void TSpectrumForm::SimulationClosed() {
    feed_ = nullptr;
    running_ = false;
    ShowStatus();
}

void TSpectrumForm::LineBoxChange() { ShowSpectrum(); }

void TSpectrumForm::CloseButtonClick() { hide(); }

void TSpectrumForm::ShowStatus() {
    const char* status =
        feed_   ? (running_ ? "Following the simulation as it runs."
                            : "The simulation is stopped: its last spectrum stays.")
        : seen_ ? "No simulation chapter is open: the last spectrum stays."
                : "No simulation chapter is open. Open one to watch its star's spectrum.";
    StatusLabel->setText(status);
}

void TSpectrumForm::ShowSpectrum() {
    using namespace spectrum;
    const int group = std::max(0, LineBox->currentIndex());
    const TLineGroup& lines = MagnifiedGroups()[std::size_t(group)];
    const double rest = Lines()[std::size_t(lines.First)].Rest_nm;
    View->SetScene({v_mps_, group, magnifier_.Magnification(rest, lines.HalfSpan_nm)});

    const double shift = Shift_nm(rest, v_mps_);
    const char* direction = v_mps_ > 0.0 ? " (moving away)" : v_mps_ < 0.0 ? " (approaching)" : "";
    SetReadout(*VelocityCaption, *VelocityValue, VelocityText(v_mps_) + direction);
    const char* towards = shift > 0.0 ? " (to the red)" : shift < 0.0 ? " (to the blue)" : "";
    SetReadout(*ShiftCaption, *ShiftValue,
               ShiftText(shift) + towards + " at " + Lines()[std::size_t(lines.First)].Name);
    SetReadout(*ResolutionCaption, *ResolutionValue,
               "λ/R = " + LengthText(ResolutionElement_nm(rest)) +
                   " at R = " + GroupedText(ResolvingPower) + "; the shift is " +
                   RatioText(ShiftInResolutionElements(v_mps_)));
    SetText(*Caption, seen_ ? CaptionText(v_mps_)
                            : "While a simulation runs, the lines here swing to the red and to "
                              "the blue as the star's radial velocity changes.");
}
