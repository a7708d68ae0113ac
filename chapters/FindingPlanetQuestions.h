// SPDX-License-Identifier: GPL-3.0-or-later AND CC-BY-SA-4.0
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// The pages and questions of the chapter "Finding a planet", as one table: what each page
// unlocks and shows, and each question's wording, choices, hint, conclusion and the
// misconception it meets. The chapter asks and judges from it, and the teacher's guide prints
// it, so the two cannot drift. Accepted answers that depend on the student's data are worked
// out here from the numbers the chapter's views show.

#include "model/fit/OrbitFit.h"
#include "model/observing/Periodogram.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace findingplanet {

constexpr int PageCount = 13;
constexpr int ObservePage = 2;
constexpr int PeakPage = 3;
constexpr int FalseAlarmPage = 4;
constexpr int AliasPage = 5;
constexpr int FoldPage = 6;
constexpr int FitPage = 7;
constexpr int MassPage = 8;
constexpr int SecondPlanetPage = 9;
constexpr int RealDataPage = 10;
constexpr int RealMassPage = 11;
constexpr int EccentricityPage = 12;

// 51 Peg b's period, days: Butler et al. 2006, ApJ 646, 505 (4.230785 d); the page
// on real data accepts it within RealPeriodTolerance_days, as the periodogram shows it.
constexpr double RealPeriod_days = 4.2308;
constexpr double RealPeriodTolerance_days = 0.01;

// The page on how sure an eccentricity is draws the orbits its star's measurements allow with
// the sampler of the observing window's "How sure?", from this seed, for at most this many
// steps: some 2 s on two cores, where the chain converges after 7500.
constexpr std::uint64_t EccentricitySeed = 1;
constexpr int EccentricitySteps = 12'000;
// An orbit whose e is below this is hardly told from a circle. The orbit may be circular when
// the lowest of the middle 68 % of the orbits drawn lies below it.
constexpr double NearlyCircular = 0.1;
constexpr bool MayBeCircular(double lowestOf68_e) { return lowestOf68_e < NearlyCircular; }

// Whether the page's question is judged against the fits (or, on the page on how sure an
// eccentricity is, the orbits drawn).
constexpr bool NeedsFit(int page) {
    return page == FitPage || page == MassPage || page == SecondPlanetPage ||
           page == RealMassPage || page == EccentricityPage;
}

// Whether a page shows the published data of 51 Peg rather than the student's own run.
constexpr bool ShowsRealData(int page) { return page == RealDataPage || page == RealMassPage; }

// The views' tabs, in their order.
enum TTab { DataTab, PeriodogramTab, FoldTab, ByHandTab, FitTab, ResidualsTab, TabCount };

// Whether a page has unlocked a tab, and the tab it shows.
bool TabOpen(int page, int tab);
int TabShown(int page);

struct TQuestion {
    int page;
    const char* label; // the question, as the page asks it
    const char* unit;  // of a typed number; nullptr for a choice of three
    std::array<const char*, 3> choices; // captions; empty where the page works them out
    int right; // the right choice, as `choices` lists it; -1 where the data decide
    const char* hint;
    const char* conclusion;
    const char* accepted;      // what is accepted, for the teacher
    const char* misconception; // what the question is there to catch
};

const std::vector<TQuestion>& Questions();
// The question on a page, or nullptr.
const TQuestion* QuestionOn(int page);

// The choice shown at each of a choice page's three buttons, from the left: a shuffle that
// the seed and the page decide, so that no button is always right and a teacher who types
// a student's seed sees the student's order.
std::array<int, 3> ChoiceOrder(int page, std::uint64_t seed);

// A choice's caption; on the alias page worked out from the peak's period (days).
std::string ChoiceCaption(const TQuestion& question, int choice, double peak_days);

struct TAccepted {
    bool valid = false; // false while the fit it needs is being worked out
    double value = 0.0;
    double tolerance = 0.0;
    // On the pages that weigh a planet, the m sin i that leaving out the star's mass factor
    // (M★ / 1 solar mass)^(2/3) gives; 0 elsewhere. For a star near 1 solar mass it lies
    // within the tolerance, so an answer nearer it than `value` is not accepted.
    double forgotten = 0.0;
};

// Whether `typed` is accepted.
bool IsAccepted(const TAccepted& accepted, double typed);

// The accepted value of a typed answer on `page`: the peak's period within its half width,
// the fit's K and m sin i within their uncertainty but at least 10 %, 51 Peg b's period
// within RealPeriodTolerance_days. `onePlanet` is the fit the page shows.
TAccepted Accepted(int page, const observing::TPeak& peak, double halfWidth_days,
                   const fit::TOrbitSolution* onePlanet);
// The accepted value as the conclusion states it.
std::string AcceptedText(int page, const TAccepted& accepted);

} // namespace findingplanet
