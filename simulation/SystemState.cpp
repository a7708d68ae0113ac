// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "simulation/SystemState.h"

#include "WorkFile.h"
#include "model/RadialSpeed.h"
#include "model/planet.h"
#include "simulation/TBaseChapter.h"
#include "simulation/TPlanetParamForm.h"

#include <QCheckBox>
#include <QJsonArray>
#include <QLineEdit>
#include <QRadioButton>
#include <QSlider>

namespace {

std::array<QCheckBox*, 3> PlanetBoxes(const TBaseChapter& chapter) {
    return {chapter.ChBoxPlanet1, chapter.ChBoxPlanet2, chapter.ChBoxPlanet3};
}

struct TSliderField {
    const char* name;
    QSlider* slider;
    int value;
};

std::array<TSliderField, 4> SliderFields(const TBaseChapter& chapter, const TSystemState& s) {
    return {{{"time scale", chapter.TimeSlider, s.timeScale},
             {"zoom", chapter.ZoomSlider, s.zoom},
             {"tilt", chapter.omegatrack, s.tilt},
             {"turn", chapter.thetatrack, s.turn}}};
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
            return QString("The file cannot be used: its %1 position %2 lies outside %3 to %4.")
                .arg(f.name)
                .arg(f.value)
                .arg(f.slider->minimum())
                .arg(f.slider->maximum());
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

QJsonObject SystemToJson(const TSystemState& s) {
    QJsonArray planets;
    for (const TSavedPlanet& p : s.planets)
        planets.append(QJsonObject{{"name", QString::fromStdString(p.name)},
                                   {"mass", p.mass_Solar},
                                   {"a", p.a_AU},
                                   {"ecc", p.ecc},
                                   {"inc", p.inc_rad},
                                   {"phi", p.phi_rad},
                                   {"psi", p.psi_rad},
                                   {"visible", p.visible}});
    return {{"starMass", s.starMass_Solar},
            {"planets", planets},
            {"editedPlanet", s.editedPlanet},
            {"timeScale", s.timeScale},
            {"zoom", s.zoom},
            {"tilt", s.tilt},
            {"turn", s.turn},
            {"tracks", s.tracks},
            {"velocityArrows", s.velocityArrows},
            {"autoScale", s.autoScale}};
}

TSystemState SystemFromJson(const QJsonObject& object) {
    const TWorkFields f(object, "system");
    TSystemState s;
    s.starMass_Solar = f.Number("starMass", MinSavedStarMass_Solar, MaxSavedStarMass_Solar);
    const QJsonArray planets = f.Array("planets", qsizetype(s.planets.size()));
    if (planets.size() != qsizetype(s.planets.size()))
        f.Refuse("planets", QString("does not list %1 planets").arg(s.planets.size()));
    for (qsizetype k = 0; k < planets.size(); ++k) {
        const TWorkFields p = f.Element(planets, "planets", k);
        TSavedPlanet& saved = s.planets[std::size_t(k)];
        saved.name = p.Text("name", qsizetype(TPlanetName::MaxLength)).toStdString();
        saved.mass_Solar = p.Number("mass", 0.0, MaxSavedPlanetMass_Solar);
        saved.a_AU = p.Number("a", MinSavedA_AU, MaxSavedA_AU);
        saved.ecc = p.Number("ecc", 0.0, MaxEccentricity);
        saved.inc_rad = p.Number("inc", -MaxSavedAngle_rad, MaxSavedAngle_rad);
        saved.phi_rad = p.Number("phi", -MaxSavedAngle_rad, MaxSavedAngle_rad);
        saved.psi_rad = p.Number("psi", -MaxSavedAngle_rad, MaxSavedAngle_rad);
        saved.visible = p.Boolean("visible");
    }
    s.editedPlanet = f.Integer("editedPlanet", 0, int(s.planets.size()) - 1);
    // The sliders' own ranges are checked against the chapter (SystemRefusal).
    constexpr int Far = 1'000'000;
    s.timeScale = f.Integer("timeScale", -Far, Far);
    s.zoom = f.Integer("zoom", -Far, Far);
    s.tilt = f.Integer("tilt", -Far, Far);
    s.turn = f.Integer("turn", -Far, Far);
    s.tracks = f.Boolean("tracks");
    s.velocityArrows = f.Boolean("velocityArrows");
    s.autoScale = f.Boolean("autoScale");
    return s;
}
