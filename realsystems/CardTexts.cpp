// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "realsystems/CardTexts.h"

#include "model/simulation/RealSystems.h"

#include "BookText.h"
#include "Precondition.h"

#include <algorithm>

namespace {

// Listed here for the translation tool, which reads only literals; the test of the card
// keeps the list and the model's table the same.
constexpr const char* ModelTexts[] = {
    QT_TRANSLATE_NOOP("Real planetary systems", "The Sun, seen from afar"),
    QT_TRANSLATE_NOOP("Real planetary systems", "Jupiter"),
    QT_TRANSLATE_NOOP("Real planetary systems", "Saturn"),
    QT_TRANSLATE_NOOP(
        "Real planetary systems",
        "The first planet found around a Sun-like star: a giant closer to its star than Mercury."),
    QT_TRANSLATE_NOOP("Real planetary systems",
                      "the mass with which Butler et al. 2006's K gives their m sin i (mass "
                      "function); the 1.11 of later catalogues gives K 1.1 % below theirs"),
    QT_TRANSLATE_NOOP("Real planetary systems",
                      "Butler et al. 2006, table of orbital solutions, columns P, K, e, ω, M sin "
                      "i; all five confirmed against copies of that row (ω = 58°, 1.012291 rad)"),
    QT_TRANSLATE_NOOP(
        "Real planetary systems",
        "A heavy planet on a clearly eccentric orbit: the curve is no longer a sine wave."),
    QT_TRANSLATE_NOOP("Real planetary systems",
                      "Kane et al. 2015's stellar table; its K and m sin i agree with it"),
    QT_TRANSLATE_NOOP("Real planetary systems",
                      "Kane et al. 2015, table of the Keplerian orbit, columns P, K, e, ω, M sin "
                      "i; not confirmed against a copy"),
    QT_TRANSLATE_NOOP(
        "Real planetary systems",
        "A very eccentric orbit: the velocity hardly changes for weeks, then swings in days."),
    QT_TRANSLATE_NOOP("Real planetary systems",
                      "Hébrard et al. 2010's stellar parameters; not confirmed against a copy"),
    QT_TRANSLATE_NOOP(
        "Real planetary systems",
        "Hébrard et al. 2010, table of fitted and derived parameters, columns P, K, e, ω, M_p; ω = "
        "300.8° as a copy of that solution gives it (the 300.651° the card had is not in it); P, "
        "e, K and M_p not confirmed against a copy of the table"),
    QT_TRANSLATE_NOOP("Real planetary systems",
                      "Two giants on nearly circular orbits of years, like Jupiter and Saturn."),
    QT_TRANSLATE_NOOP("Real planetary systems",
                      "Gregory & Fischer 2010; its K and m sin i agree with it"),
    QT_TRANSLATE_NOOP("Real planetary systems",
                      "Gregory & Fischer 2010, table of the two-planet solution, columns P, K, e, "
                      "ω, M sin i; not confirmed against a copy"),
    QT_TRANSLATE_NOOP("Real planetary systems",
                      "Gregory & Fischer 2010, table of the two-planet solution, columns P, e, ω, "
                      "M sin i; K computed; not confirmed against a copy"),
    QT_TRANSLATE_NOOP("Real planetary systems",
                      "The first system of several planets found around a Sun-like star this way."),
    QT_TRANSLATE_NOOP("Real planetary systems",
                      "McArthur et al. 2010, the primary's mass M★ = 1.31 their masses are "
                      "computed with (confirmed against the catalogue's abstract)"),
    QT_TRANSLATE_NOOP(
        "Real planetary systems",
        "McArthur et al. 2010, table of the orbital solution, columns P, K, e, ω, M sin i; ω = 44° "
        "from a catalogue copy of that solution, the rest not confirmed"),
    QT_TRANSLATE_NOOP("Real planetary systems",
                      "McArthur et al. 2010, table of the orbital solution, columns P, K, e, ω, M "
                      "sin i; not confirmed against a copy"),
    QT_TRANSLATE_NOOP("Real planetary systems",
                      "McArthur et al. 2010, table of the orbital solution, columns P, K, e, ω, M "
                      "sin i; P and e confirmed against an encyclopaedia copy citing it"),
    QT_TRANSLATE_NOOP(
        "Real planetary systems",
        "Two giants in a 2:1 resonance pull each other round: no fixed orbit follows them."),
    QT_TRANSLATE_NOOP("Real planetary systems",
                      "Rivera et al. 2010, the star's mass their planets' masses are computed "
                      "with; not confirmed against a copy"),
    QT_TRANSLATE_NOOP("Real planetary systems",
                      "Rivera et al. 2010, table of the coplanar four-planet fit, columns P, K, e, "
                      "ω and the mass (6.83 Earth masses); m sin i computed at i = 59°; P, e, ω "
                      "and the mass confirmed against an encyclopaedia copy citing it"),
    QT_TRANSLATE_NOOP("Real planetary systems",
                      "Rivera et al. 2010, table of the coplanar four-planet fit, columns P, K, e, "
                      "ω and the mass (0.7142 Jupiter masses); m sin i computed at i = 59°; all "
                      "five confirmed against an encyclopaedia copy citing it"),
    QT_TRANSLATE_NOOP("Real planetary systems",
                      "Rivera et al. 2010, table of the coplanar four-planet fit, columns P, K, e, "
                      "ω and the mass (2.2756 Jupiter masses); m sin i computed at i = 59°; P, e "
                      "and the mass confirmed against an encyclopaedia copy citing it"),
    QT_TRANSLATE_NOOP(
        "Real planetary systems",
        "What our own Jupiter does to the Sun: about 12 m/s, repeating every twelve years."),
    QT_TRANSLATE_NOOP("Real planetary systems", "the Sun's mass, by definition"),
    QT_TRANSLATE_NOOP("Real planetary systems",
                      "the fact sheet's columns sidereal period, eccentricity and mass, confirmed "
                      "against its current values; K computed; ω left undefined, as it depends on "
                      "where the Sun is seen from"),
};

} // namespace

std::span<const char* const> CardModelTexts() { return ModelTexts; }

QString CardText(const std::string& english) {
    PRECONDITION(std::any_of(std::begin(ModelTexts), std::end(ModelTexts),
                             [&english](const char* text) { return english == text; }));
    return BookText("Real planetary systems", english.c_str());
}

QString CardSystemName(const TRealSystem& system) {
    return system.ShortName.empty() ? CardText(system.Name) : QString::fromStdString(system.Name);
}

QString CardPlanetName(const TRealPlanet& planet) {
    return planet.Letter.size() > 1 ? CardText(planet.Letter)
                                    : QString::fromStdString(planet.Letter);
}
