// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "simulation/SystemState.h"

#include "model/orbit/RadialSpeed.h"
#include "model/orbit/planet.h"
#include "simulation/TBaseChapter.h"
#include "simulation/TPlanetParamForm.h"

#include "BookText.h"
#include "NumberText.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QSlider>

namespace {

std::array<QCheckBox*, 3> PlanetBoxes(const TBaseChapter& chapter) {
    return {chapter.ChBoxPlanet1, chapter.ChBoxPlanet2, chapter.ChBoxPlanet3};
}

struct TSliderField {
    const char* refusal; // a position %1 outside the slider's range, %2 to %3
    QSlider* slider;
    int value;
};

std::array<TSliderField, 4> SliderFields(const TBaseChapter& chapter, const TSystemState& s) {
    return {{{QT_TRANSLATE_NOOP("Simulation", "The file cannot be used: its time scale position "
                                              "%1 lies outside %2 to %3."),
              chapter.TimeSlider, s.timeScale},
             {QT_TRANSLATE_NOOP("Simulation", "The file cannot be used: its zoom position %1 "
                                              "lies outside %2 to %3."),
              chapter.ZoomSlider, s.zoom},
             {QT_TRANSLATE_NOOP("Simulation", "The file cannot be used: its tilt position %1 "
                                              "lies outside %2 to %3."),
              chapter.omegatrack, s.tilt},
             {QT_TRANSLATE_NOOP("Simulation", "The file cannot be used: its turn position %1 "
                                              "lies outside %2 to %3."),
              chapter.thetatrack, s.turn}}};
}

} // namespace

TSystemState CaptureSystem(const TBaseChapter& chapter) {
    TSystemState s;
    s.starMass_Solar = chapter.StarMass;
    for (std::size_t k = 0; k < s.planets.size(); ++k) {
        const TPlanet& p = chapter.Planets[k];
        s.planets[k] = {p.Name.str(), p.mass, p.a, p.ecc, p.inc, p.phi, p.psi, p.Visible};
        if (chapter.ParamForm && chapter.ParamForm->Planet == &p)
            s.editedPlanet = int(k);
    }
    s.timeScale = chapter.TimeSlider->value();
    s.zoom = chapter.ZoomSlider->value();
    s.tilt = chapter.omegatrack->value();
    s.turn = chapter.thetatrack->value();
    s.tracks = chapter.ShowTracks->isChecked();
    s.velocityArrows = chapter.ShowVelocity->isChecked();
    s.autoScale = chapter.AutoScaleVelocity->isChecked();
    return s;
}

QString SystemRefusal(const TBaseChapter& chapter, const TSystemState& state) {
    for (const TSliderField& f : SliderFields(chapter, state))
        if (f.value < f.slider->minimum() || f.value > f.slider->maximum())
            return BookText("Simulation", f.refusal)
                .arg(FixedText(f.value, 0), FixedText(f.slider->minimum(), 0),
                     FixedText(f.slider->maximum(), 0));
    return {};
}

void ApplySystem(TBaseChapter& chapter, const TSystemState& state) {
    TPlanetParamForm& dialog = *chapter.ParamForm;
    QRadioButton* const radios[] = {dialog.PlanRadioButton1, dialog.PlanRadioButton2,
                                    dialog.PlanRadioButton3};
    // Through the dialog, as a student would set each planet, so its radio buttons, name
    // and labels follow.
    chapter.StarMass = state.starMass_Solar;
    for (std::size_t k = 0; k < state.planets.size(); ++k) {
        const TSavedPlanet& saved = state.planets[k];
        radios[k]->click();
        dialog.PlanName->setText(QString::fromStdString(saved.name));
        TPlanet& planet = *dialog.Planet;
        planet.mass = saved.mass_Solar;
        planet.a = saved.a_AU;
        planet.ecc = saved.ecc;
        planet.SetOrientation(saved.inc_rad, saved.phi_rad, saved.psi_rad);
        dialog.ShowPlanet();
    }
    radios[state.editedPlanet]->click();
    const std::array<QCheckBox*, 3> boxes = PlanetBoxes(chapter);
    for (std::size_t k = 0; k < boxes.size(); ++k)
        boxes[k]->setChecked(state.planets[k].visible);
    for (const TSliderField& f : SliderFields(chapter, state))
        f.slider->setValue(f.value);
    chapter.ShowTracks->setChecked(state.tracks);
    chapter.ShowVelocity->setChecked(state.velocityArrows);
    chapter.AutoScaleVelocity->setChecked(state.autoScale);
    chapter.ResetSimulation();
    chapter.FitScale(LargestRadialSpeed_AUperDay(chapter.Planets, chapter.StarMass));
}
