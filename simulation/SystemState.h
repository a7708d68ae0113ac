// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// A simulation chapter's system as a student keeps it: the star's mass, each planet's name,
// elements and whether it takes part, the planet the parameter dialog edits, and the view's
// controls (time scale, zoom, tilt, turn, tracks, velocity arrows, automatic velocity scale).
// Units: solar masses, AU, rad. It is taken from a chapter and put back into one as the
// student would set it, and travels in a work file as the part "system".

#include <QJsonObject>
#include <QString>
#include <array>
#include <string>

class TBaseChapter;

struct TSavedPlanet {
    std::string name;
    double mass_Solar = 0.0;
    double a_AU = 1.0;
    double ecc = 0.0;
    double inc_rad = 0.0;
    double phi_rad = 0.0;
    double psi_rad = 0.0;
    bool visible = false;

    bool operator==(const TSavedPlanet&) const = default;
};

struct TSystemState {
    double starMass_Solar = 1.0;
    std::array<TSavedPlanet, 3> planets;
    int editedPlanet = 0; // 0 to 2
    int timeScale = 0, zoom = 0, tilt = 0, turn = 0; // slider positions
    bool tracks = false, velocityArrows = false, autoScale = false;

    bool operator==(const TSystemState&) const = default;
};

// The bounds a kept system's values keep: within them every planet sets up and steps in
// finite arithmetic (the sliders' own ranges and every catalogue system lie well inside).
constexpr double MinSavedStarMass_Solar = 1e-3, MaxSavedStarMass_Solar = 1e3;
constexpr double MinSavedA_AU = 1e-3, MaxSavedA_AU = 1e3;
constexpr double MaxSavedPlanetMass_Solar = 1.0;
constexpr double MaxSavedAngle_rad = 100.0;

TSystemState CaptureSystem(const TBaseChapter& chapter);
// Why `state` cannot go into `chapter` (a slider position outside its slider's range), or an
// empty text.
QString SystemRefusal(const TBaseChapter& chapter, const TSystemState& state);
// Puts `state` into `chapter`; SystemRefusal must have accepted it. The simulation starts
// again from time 0.
void ApplySystem(TBaseChapter& chapter, const TSystemState& state);

QJsonObject SystemToJson(const TSystemState& state);
// Raises EWorkFileRefusal (WorkFile.h) naming the field at fault.
TSystemState SystemFromJson(const QJsonObject& object);
