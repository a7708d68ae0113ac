// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// The modeless window "Spectrum of the star": it follows one simulation chapter through its
// TSimulationFeed, tick by tick on the chapter's own timer, and shows the star's spectrum
// with the lines where the radial velocity puts them, a magnified line (magnified by what
// the largest velocity the planets can give the star allows), the velocity, the shift and
// how the shift compares with a spectrograph's resolution element. Without a
// simulation, or while it is stopped, it says so and keeps the last spectrum.

#include "TForm.h"
#include "model/spectrum/ShiftMagnifier.h"
#include "simulation/SimulationFeed.h"

class QComboBox;
class QLabel;
class QPushButton;
class TSpectrumView;

class TSpectrumForm : public TForm, public TSimulationListener {
public:
    explicit TSpectrumForm(QWidget* owner = nullptr);
    ~TSpectrumForm() override;

    QLabel* StatusLabel = nullptr;
    TSpectrumView* View = nullptr;
    QLabel* LineLabel = nullptr;
    QComboBox* LineBox = nullptr; // the magnified line group, in MagnifiedGroups() order
    QPushButton* CloseButton = nullptr;
    QLabel* VelocityCaption = nullptr;
    QLabel* VelocityValue = nullptr;
    QLabel* ShiftCaption = nullptr;
    QLabel* ShiftValue = nullptr;
    QLabel* ResolutionCaption = nullptr;
    QLabel* ResolutionValue = nullptr;
    QLabel* Caption = nullptr;
    QLabel* MeasureNote = nullptr; // how real spectrographs measure such small shifts

    // Follows `feed` from now on (nullptr: none), showing its current state at once.
    void Follow(TSimulationFeed* feed);
    TSimulationFeed* Followed() const { return feed_; }
    // The radial velocity shown, m/s.
    double Velocity_mps() const { return v_mps_; }

    void SimulationTick(double time_days, double v_mps) override;
    void SimulationRunning(bool running) override;
    void SimulationClosed() override;

    // Handlers.
    void LineBoxChange();
    void CloseButtonClick();

protected:
    void showEvent(QShowEvent* e) override;

private:
    void ShowStatus();
    void ShowSpectrum();

    TSimulationFeed* feed_ = nullptr;
    bool running_ = false;
    bool seen_ = false; // some star's spectrum is showing
    double v_mps_ = 0.0;
    spectrum::TShiftMagnifier magnifier_;
};
