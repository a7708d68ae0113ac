// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "model/fit/CandidateVetting.h"

#include "model/fit/Bic.h"
#include "model/fit/FitCsv.h"
#include "model/fit/KeplerianScan.h"
#include "model/observing/Periodogram.h"
#include "model/fit/PlanetInteraction.h"
#include "model/text/NumberWriting.h"

#include "Precondition.h"

#include <cmath>

namespace fit {

namespace {

// A rhythm of observing that echoes a signal: its frequency and how a student would say it.
struct TRhythm {
    double frequency;
    TSaid how;
};

const std::vector<TRhythm>& Rhythms() {
    static const std::vector<TRhythm> rhythms = {
        {1.0 / SolarDay_days, Said("Vetting", "observing once a night")},
        {1.0 / SiderealDay_days,
         Said("Vetting", "observing the star when it stands at the same place in the sky each "
                         "night (a sidereal day)")},
        {1.0 / Year_days, Said("Vetting", "observing in the same months each year")},
    };
    return rhythms;
}

TVerdict Failed(TCandidateTest test, TWording reason) { return {test, std::move(reason)}; }

} // namespace

std::vector<TMeasurement> LeftForPlanet(std::span<const TMeasurement> data,
                                        const TOrbitSolution& solution, std::size_t j) {
    PRECONDITION(j < solution.planets.size());
    std::vector<TMeasurement> left = SolutionResiduals(data, solution);
    for (TMeasurement& m : left)
        m.v_mps += kepler::RadialVelocity_mps(solution.planets[j].elements, m.t_days);
    return left;
}

double OwnFalseAlarm(std::span<const TMeasurement> data, const TOrbitSolution& solution,
                     std::size_t j, double maxFrequency_cpd) {
    if (data.size() < 4)
        return 1.0;
    const std::vector<TMeasurement> left = LeftForPlanet(data, solution, j);
    const double power =
        observing::PowerAt(left, 1.0 / solution.planets[j].elements.period_days);
    return observing::FalseAlarmProbability(power, maxFrequency_cpd, left);
}

namespace {

// What every test of a candidate reads: its planet, the last of the fit with it, and how
// finely the measurements' span resolves a frequency.
struct TVetted {
    explicit TVetted(const TCandidate& c)
        : candidate(c), after(*c.after), last(after.planets.size() - 1),
          planet(after.planets[last]), P(planet.elements.period_days), f(1.0 / P),
          span(after.span_days), resolution(1.0 / span), letters(PlanetLetters(after)) {}
    const TCandidate& candidate;
    const TOrbitSolution& after;
    const std::size_t last;
    const TFittedPlanet& planet;
    const double P, f, span, resolution;
    const std::vector<std::string> letters;
};

// An orbit the measurements follow: within their span, short of the eccentricity bound, its
// period and amplitude told by them.
TVerdict OrbitFollowed(const TVetted& v) {
    const auto& [candidate, after, last, planet, P, f, span, resolution, letters] = v;
    if (P > span)
        return Failed(TCandidateTest::LongerThanSpan,
                      TWording(Said("Vetting", "A period of %1 is longer than the %2 the "
                                               "measurements cover: they cannot tell such an "
                                               "orbit from a slow drift of the star's velocity."))
                          .Part(DaysText(P))
                          .Part(DaysText(span)));
    if (planet.eccentricityAtBound)
        return Failed(TCandidateTest::EccentricityAtBound,
                      TWording(Said("Vetting", "Its orbit comes out as eccentric as the fit "
                                               "allows (e = %1): a spike through a few "
                                               "measurements, not an orbit they follow."))
                          .Number(FixedNumber(planet.ecc.value, 3)));
    if (!(planet.period_days.sigma < MaxPeriodShare * P))
        return Failed(TCandidateTest::LoosePeriod,
                      std::isfinite(planet.period_days.sigma)
                          ? TWording(Said("Vetting",
                                          "The measurements do not pin its period down (%1 ± %2)."))
                                .Number(DayCount(P))
                                .Part(DaysText(planet.period_days.sigma))
                          : TWording(Said("Vetting",
                                          "The measurements do not pin its period of %1 down at all."))
                                .Part(DaysText(P)));
    if (!(planet.K_mps.value > MinAmplitudeSigmas * planet.K_mps.sigma))
        return Failed(TCandidateTest::WeakAmplitude,
                      TWording(Said("Vetting",
                                    "Its K of %1 ± %2 m/s is within three uncertainties of zero."))
                          .Number(FiguresNumber(planet.K_mps.value, 3))
                          .Number(FiguresNumber(planet.K_mps.sigma, 2)));
    return {};
}

// Not the rhythm of the nights or the year itself.
TVerdict NotTheWindow(const TVetted& v) {
    const auto& [candidate, after, last, planet, P, f, span, resolution, letters] = v;
    const std::vector<TRhythm>& rhythms = Rhythms();
    for (const TRhythm& r : rhythms)
        if (std::abs(f - r.frequency) < 2.0 * resolution)
            return Failed(TCandidateTest::WindowPeak,
                          TWording(Said("Vetting", "%1 is an echo of %2, not of the star."))
                              .Part(DaysText(P))
                              .Part(r.how));
    for (const TRhythm& r : rhythms)
        if (r.frequency > 0.5 && std::abs(f - r.frequency) < 1.0 / SeasonLength_days)
            return Failed(TCandidateTest::WindowPeak,
                          TWording(Said("Vetting",
                                        "%1 is too close to a day: measured once a night, its "
                                        "phase moves less than a turn in a season of observing, "
                                        "so it cannot be told from a slow change."))
                              .Part(DaysText(P)));
    return {};
}

// Not an echo or a harmonic of a planet already fitted.
TVerdict NotOfAnotherPlanet(const TVetted& v) {
    const auto& [candidate, after, last, planet, P, f, span, resolution, letters] = v;
    const std::vector<TRhythm>& rhythms = Rhythms();
    for (std::size_t k = 0; k < last; ++k) {
        const double fk = 1.0 / after.planets[k].elements.period_days;
        for (const TRhythm& r : rhythms)
            if (std::abs(f - std::abs(fk - r.frequency)) < resolution ||
                std::abs(f - (fk + r.frequency)) < resolution)
                return Failed(TCandidateTest::AliasOfPlanet,
                              TWording(Said("Vetting", "%1 is an echo of planet %2's %3 through %4."))
                                  .Part(DaysText(P))
                                  .Name(letters[k])
                                  .Part(DaysText(1.0 / fk))
                                  .Part(r.how));
    }
    const TInteraction pulled = FindInteraction(*candidate.before);
    for (std::size_t k = 0; k < last; ++k) {
        const bool interacting =
            pulled.found && (pulled.inner == int(k) || pulled.outer == int(k));
        if (!(after.planets[k].ecc.value > HarmonicEccentricity) && !interacting)
            continue;
        const double fk = 1.0 / after.planets[k].elements.period_days;
        for (int n : {2, 3})
            if (std::abs(f - n * fk) < 2.0 * resolution)
                return Failed(TCandidateTest::HarmonicOfPlanet,
                              TWording(n == 2 ? (interacting
                                    ? Said("Vetting", "%1 is half of planet %2's %3: what a fixed "
                                                      "orbit leaves of %2's orbit as its neighbour "
                                                      "pulls it round, not a planet of its own.")
                                    : Said("Vetting", "%1 is half of planet %2's %3: what a fixed "
                                                      "orbit leaves of %2's eccentric orbit, not a "
                                                      "planet of its own."))
                                                      : (interacting
                                    ? Said("Vetting", "%1 is a third of planet %2's %3: what a "
                                                      "fixed orbit leaves of %2's orbit as its "
                                                      "neighbour pulls it round, not a planet of "
                                                      "its own.")
                                    : Said("Vetting", "%1 is a third of planet %2's %3: what a "
                                                      "fixed orbit leaves of %2's eccentric orbit, "
                                                      "not a planet of its own.")))
                                  .Part(DaysText(P))
                                  .Name(letters[k])
                                  .Part(DaysText(1.0 / fk)));
    }
    return {};
}

// A peak noise seldom makes, and a BIC that pays for five more parameters.
TVerdict WorthItsParameters(const TVetted& v) {
    const auto& [candidate, after, last, planet, P, f, span, resolution, letters] = v;
    if (!(candidate.falseAlarm < MaxFalseAlarm))
        return Failed(TCandidateTest::NoisePeak,
                      TWording(Said("Vetting", "Noise often makes such a peak (false-alarm "
                                               "probability %1; below 1 % is a peak noise "
                                               "seldom makes)."))
                          .Part(ProbabilityText(candidate.falseAlarm)));
    if (!(candidate.deltaBic < -BelievedDrop))
        return Failed(TCandidateTest::SmallBicDrop,
                      TWording(candidate.deltaBic < 0.0
                                   ? Said("Vetting", "The BIC falls by only %1 with it: a fall of "
                                                     "more than 10 is needed to pay for its five "
                                                     "parameters.")
                                   : Said("Vetting", "The BIC rises by %1 with it: a fall of more "
                                                     "than 10 is needed to pay for its five "
                                                     "parameters."))
                          .Number(FixedNumber(std::abs(candidate.deltaBic), 1)));
    return {};
}

// Last, as it costs the most: not an echo of a stronger signal.
TVerdict NotAnEchoOfASignal(const TVetted& v) {
    const auto& [candidate, after, last, planet, P, f, span, resolution, letters] = v;
    const std::vector<TRhythm>& rhythms = Rhythms();
    // Last, as it costs the most: the echoes of its period through each rhythm, each with the
    // best orbit of the same grid of shapes, so that an eccentric orbit is weighed as one.
    if (!candidate.data.empty()) {
        const std::vector<TMeasurement> left = LeftForPlanet(candidate.data, after, last);
        const double own = BestKeplerianAt(left, P).chiSquare;
        for (const TRhythm& r : rhythms)
            for (double echo : {std::abs(f - r.frequency), f + r.frequency})
                if (echo > 2.0 * resolution && BestKeplerianAt(left, 1.0 / echo).chiSquare < own)
                    return Failed(TCandidateTest::AliasOfSignal,
                                  TWording(Said("Vetting", "%1 is an echo of a stronger signal at "
                                                           "%2 through %3."))
                                      .Part(DaysText(P))
                                      .Part(DaysText(1.0 / echo))
                                      .Part(r.how));
    }
    return {};
}

} // namespace

TVerdict Vet(const TCandidate& candidate) {
    PRECONDITION(candidate.before && candidate.after && !candidate.after->planets.empty());
    const TVetted vetted(candidate);
    for (TVerdict (*test)(const TVetted&) :
         {OrbitFollowed, NotTheWindow, NotOfAnotherPlanet, WorthItsParameters, NotAnEchoOfASignal})
        if (TVerdict verdict = test(vetted); !verdict.Believed())
            return verdict;
    return {};
}

} // namespace fit
