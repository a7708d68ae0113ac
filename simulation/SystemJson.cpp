// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
// A kept system to and from its part of a work file; apart from the chapter it is taken from,
// so that the reader can be tried on its own.
#include "simulation/SystemState.h"

#include "BookText.h"

#include "WorkFile.h"
#include "model/orbit/planet.h"

#include <QJsonArray>

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
        f.Refuse("planets", BookText("Work file", "does not list %1 planets").arg(s.planets.size()));
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
