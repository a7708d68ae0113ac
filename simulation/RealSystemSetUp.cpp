// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "simulation/RealSystemSetUp.h"

#include "model/orbit/RadialSpeed.h"
#include "simulation/RealSystemView.h"
#include "simulation/TBaseChapter.h"
#include "simulation/TPlanetParamForm.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QSlider>
#include <cmath>

namespace {

TSliderRange RangeOf(const QSlider& slider) {
    return TSliderRange{slider.minimum(), slider.maximum()};
}

} // namespace

void SetUpRealSystem(TBaseChapter& chapter, const TRealSystem& system) {
    TPlanetParamForm& dialog = *chapter.ParamForm;
    QRadioButton* const radios[] = {dialog.PlanRadioButton1, dialog.PlanRadioButton2,
                                    dialog.PlanRadioButton3};
    QCheckBox* const boxes[] = {chapter.ChBoxPlanet1, chapter.ChBoxPlanet2, chapter.ChBoxPlanet3};
    const std::size_t count = system.Planets.size();

    // The sliders move in steps too coarse for a catalogue (the semi-major axis by 15 % of
    // the period), so the values go into the planets as the chapters write elements
    // (edge-on, psi the published omega), and the dialog, which chose and named each
    // planet, shows them.
    chapter.StarMass = system.StarMass.Value;
    for (std::size_t k = 0; k < count; ++k) {
        const TRealPlanet& real = system.Planets[k];
        radios[k]->click();
        dialog.PlanName->setText(QString::fromStdString(SimulationName(system, real)));
        SetElements(*dialog.Planet, real);
        dialog.ShowPlanet();
    }
    // A planet the system does not use goes back to the chapter's own planet of that place,
    // so that ticking its box never adds a planet of the system set up before.
    const TSimulationModel defaults;
    for (std::size_t k = count; k < std::size(radios); ++k) {
        radios[k]->click();
        dialog.PlanName->setText(QString::fromStdString(defaults.Planets[k].Name));
        *dialog.Planet = defaults.Planets[k];
        dialog.ShowPlanet();
    }
    for (std::size_t k = 0; k < std::size(boxes); ++k)
        boxes[k]->setChecked(k < count);
    radios[0]->click();

    chapter.TimeSlider->setValue(realview::TimeScaleFor(system, RangeOf(*chapter.TimeSlider),
                                                        TSimulationModel::LastStepScale));
    chapter.ZoomSlider->setValue(realview::ZoomFor(system, RangeOf(*chapter.ZoomSlider)));
    chapter.ArrowFactor =
        realview::ArrowFactorFor(system, TOrbitView::ZoomFor(chapter.ZoomSlider->value()));
    chapter.ResetSimulation();
    // The first sweep takes the scale that fits the system's largest speed rather than the
    // last system's, which could leave the curve off the graph.
    chapter.FitScale(LargestRadialSpeed_AUperDay(chapter.Planets, chapter.StarMass));
}
