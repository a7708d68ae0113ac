// SPDX-License-Identifier: GPL-3.0-or-later AND CC-BY-SA-4.0
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// Chapter 5, "Free experiment": four pages of suggestions while every control of the
// simulation is left free. Vulcan joins Mondas, Skyron can be switched on, and the
// parameter dialog offers all its sliders. There is no question. Being free, it is where a
// real planetary system can be set up from outside.

#include "simulation/SystemKeeper.h"
#include "simulation/SystemSetUpTarget.h"
#include "simulation/TBaseChapter.h"

class TFreeExperiment : public TBaseChapter, public TSystemSetUpTarget, public TSystemKeeper {
public:
    explicit TFreeExperiment(TCustomBook* owner);

    void ShowPage() override;
    void WritePageText() override;
    void WriteTeacherNotes(TRichEditControl& t) override;
    void SetUpSystem(const TRealSystem& system) override;
    TSystemState KeptSystem() const override;
    QString SystemRefused(const TSystemState& state) const override;
    void RestoreSystem(const TSystemState& state) override;

private:
    // A real or kept system was set up; page turns leave the planets as it put them.
    bool RealSystemInUse = false;
};
