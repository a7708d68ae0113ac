// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// The texts of the table of real systems (model/simulation/RealSystems.h) that the card shows in the
// book's language: why each system matters, where its values and its star's mass stand in
// their sources, the Sun's row and the planets that go by their own names. Star names,
// authors and journals are the same in every language and are not among them.

#include <QString>

#include <span>
#include <string>

struct TRealSystem;
struct TRealPlanet;

// Every model text the translation is offered, in English.
std::span<const char* const> CardModelTexts();

// A model text in the book's language; it must be one of CardModelTexts().
QString CardText(const std::string& english);

// The system's name as the card shows it: a star's as it stands, the Sun's translated.
QString CardSystemName(const TRealSystem& system);
// A planet's letter, or the name it goes by, translated.
QString CardPlanetName(const TRealPlanet& planet);
