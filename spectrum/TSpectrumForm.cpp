// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "spectrum/TSpectrumForm.h"

#include "forms/SpectrumForm.h"
#include "model/spectrum/Spectrum.h"
#include "spectrum/SpectrumReadout.h"
#include "spectrum/TSpectrumView.h"

#include "BookText.h"
#include "WindowPlace.h"

#include <QComboBox>
#include <QLabel>
#include <algorithm>

namespace {

// A readout's value, named with its caption so that a screen reader says what it is.
void SetReadout(const QLabel& caption, QLabel& value, const QString& shown) {
    if (value.text() == shown)
        return;
    value.setText(shown);
    value.setAccessibleName(BookText("Spectrum window", "%1: %2",
                                     "a readout's caption and its value, as a screen reader "
                                     "says them")
                                .arg(caption.text(), shown));
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
    StatusLabel->setText(
        feed_ ? (running_ ? BookText("Spectrum window", "Following the simulation as it runs.")
                          : BookText("Spectrum window",
                                     "The simulation is stopped: its last spectrum stays."))
        : seen_
            ? BookText("Spectrum window", "No simulation chapter is open: the last spectrum stays.")
            : BookText("Spectrum window",
                       "No simulation chapter is open. Open one to watch its star's spectrum."));
}

void TSpectrumForm::ShowSpectrum() {
    using namespace spectrum;
    const int group = std::max(0, LineBox->currentIndex());
    const TLineGroup& lines = MagnifiedGroups()[std::size_t(group)];
    const double rest = Lines()[std::size_t(lines.First)].Rest_nm;
    View->SetScene({v_mps_, group, magnifier_.Magnification(rest, lines.HalfSpan_nm)});

    using namespace spectrumreadout;
    SetReadout(*VelocityCaption, *VelocityValue, VelocityReadout(v_mps_));
    SetReadout(*ShiftCaption, *ShiftValue,
               ShiftReadout(Shift_nm(rest, v_mps_), Lines()[std::size_t(lines.First)].Name));
    SetReadout(*ResolutionCaption, *ResolutionValue, ResolutionReadout(rest, v_mps_));
    Caption->setText(seen_ ? CaptionText(v_mps_)
                           : BookText("Spectrum window",
                                      "While a simulation runs, the lines here swing to the red "
                                      "and to the blue as the star's radial velocity changes."));
}
