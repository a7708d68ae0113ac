// SPDX-License-Identifier: GPL-3.0-or-later AND CC-BY-SA-4.0
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "FindingPlanetQuestions.h"

#include "model/PeakWidth.h"
#include "model/PeriodText.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace findingplanet {

namespace {

// The least share of a fitted value that a typed answer may miss it by.
constexpr double LeastTolerance = 0.10;

std::string Format(const char* format, double a, double b) {
    char text[160];
    std::snprintf(text, sizeof text, format, a, b);
    return text;
}

// What the conclusion adds about an answer that left out the star's mass.
std::string ForgottenText(const TAccepted& accepted) {
    if (std::fabs(accepted.forgotten - accepted.value) <= 0.0005)
        return ".";
    return Format(", but not those nearer %.3f, the mass without the star's (M★ / 1 solar "
                  "mass)^(2/3).",
                  accepted.forgotten, 0.0);
}

} // namespace

bool TabOpen(int page, int tab) {
    // The published data have no fit by hand and no second planet to look for.
    if (ShowsRealData(page))
        return tab != ByHandTab && tab != ResidualsTab;
    if (page < PeakPage)
        return tab == DataTab;
    if (page < FoldPage)
        return tab <= PeriodogramTab;
    if (page < FitPage)
        return tab <= FoldTab;
    if (page < SecondPlanetPage)
        return tab <= FitTab;
    return true;
}

int TabShown(int page) {
    if (page < PeakPage || page == RealDataPage || page == PageCount)
        return DataTab;
    if (page < FoldPage)
        return PeriodogramTab;
    if (page < FitPage)
        return FoldTab;
    if (page == FitPage)
        return ByHandTab;
    if (page == SecondPlanetPage)
        return ResidualsTab;
    return FitTab;
}

const std::vector<TQuestion>& Questions() {
    static const std::vector<TQuestion> questions = {
        {ObservePage, "Can you read the period off these points?", nullptr,
         {"Yes: from one peak to the next", "No: too few points to join up",
          "Yes: by joining the dots"},
         1, "The points lie days apart. Could you join them into one smooth curve?",
         "A star is measured at most once a night, on clear nights, so the points fall at "
         "random moments of a short orbit. The period must be searched for.",
         "no: the points are too few and too far apart to join",
         "that a velocity curve can always be traced point to point"},
        {PeakPage, "What is the period of the highest peak?", "days", {}, -1,
         "The period of the highest peak is written beside its marker and below the plot.",
         "A sine of that period fits your measurements better than any other.",
         "the period of the highest peak shown, within the peak's half width",
         "that the periodogram's vertical axis is a velocity, or that every peak is a planet"},
        {FalseAlarmPage, "What does a false-alarm probability of 1 % mean?", nullptr,
         {"a 1 % chance that a planet is there", "noise alone peaks so high 1 time in 100",
          "the period is 1 % uncertain"},
         1, "Think of a star with no planet at all, observed on the same nights.",
         "It is the chance that noise alone makes so high a peak. Fewer nights or noisier "
         "data lower the signal's peak, and noise reaches so high more often.",
         "the chance that noise alone peaks so high",
         "that the false-alarm probability is the chance that the planet is real"},
        {AliasPage, "Which of these periods is a daily alias of your highest peak?", nullptr, {}, 1,
         "The window function peaks at 1 day. An alias lies at 1/|1/P − 1| days.",
         "Sampled once a night, a signal at f cycles a day also shows at |f − 1| and f + 1. "
         "Twice or half the period is no alias.",
         "the period 1/|1/P − 1| for the highest peak's period P",
         "that twice or half the period is an alias of the sampling"},
        {FoldPage, "Folded on the peak’s period × 1.1, what do the points do?", nullptr,
         {"form the same curve", "scatter: no curve shows", "form a curve half as high"},
         1, "Press “Peak × 1.1” and look at the fold.",
         "On a wrong period the orbits' phases drift apart over a season: only a period near "
         "the true one folds into one curve.",
         "they scatter", "that any period near the peak folds as well"},
        {FitPage, "What is K, the semi-amplitude of your fit?", "m/s", {}, -1,
         "K is the fit's semi-amplitude, written below the plots of the Fit tab with its "
         "uncertainty.",
         "K is half the swing of the star's velocity; the fit also gives e and ω, which a sine "
         "cannot.",
         "the fitted K, within its uncertainty but at least 10 %",
         "that K is the full swing from the lowest to the highest point"},
        {MassPage, "What is the m sin i of your planet?", "Jupiter masses", {}, -1,
         "Use P in days, K in m/s, e, and the star's mass from the Data tab.",
         "The tilt i is unknown, so the velocity gives only m sin i, the least the mass can be.",
         "the fit's m sin i (mass function solved with the star's stated mass), within its "
         "uncertainty but at least 10 %",
         "that the radial velocity gives the planet's true mass"},
        {SecondPlanetPage, "Does your star have a second planet?", nullptr,
         {"Yes: two planets fit much better", "No: one planet is enough", "Yes: every residual peak is a planet"},
         -1, "A second planet is supported when it lowers the BIC by more than 10: ΔBIC below "
             "−10.",
         "Any extra planet fits the noise a little better; the BIC charges each parameter "
         "ln N, so only a real signal pays for itself.",
         "yes exactly when the two-planet fit lowers the BIC by more than 10 (ΔBIC below −10)",
         "that a lower χ² alone proves another planet"},
        {RealDataPage, "What is the period of 51 Peg b?", "days", {}, -1,
         "Open the Periodogram tab: the period of the highest peak is written below the plot.",
         "Both instruments, each from its own zero point, show the 4.23-day orbit that Mayor "
         "and Queloz found in 1995.",
         "4.2308 days (Butler et al. 2006), within 0.01 days",
         "that data from two instruments can be joined without their own zero points"},
        {RealMassPage, "What is the m sin i of 51 Peg b?", "Jupiter masses", {}, -1,
         "Use P, K and e from the Fit tab and the star's mass from the Data tab in the "
         "formula of the page on weighing the planet.",
         "About half a Jupiter mass, seven times closer to its star than Mercury is to the Sun: "
         "the first hot Jupiter.",
         "the fit's m sin i (mass function solved with the star's stated mass), within its "
         "uncertainty but at least 10 %",
         "that a planet so close to its star must be small"},
    };
    return questions;
}

std::array<int, 3> ChoiceOrder(int page, std::uint64_t seed) {
    // splitmix64 of the seed and the page: neighbouring seeds get unrelated orders.
    std::uint64_t z = seed * 0x9E3779B97F4A7C15ull + std::uint64_t(page) * 0xD1B54A32D192ED03ull;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    z ^= z >> 31;
    static constexpr std::array<std::array<int, 3>, 6> Orders = {
        {{0, 1, 2}, {0, 2, 1}, {1, 0, 2}, {1, 2, 0}, {2, 0, 1}, {2, 1, 0}}};
    return Orders[z % Orders.size()];
}

const TQuestion* QuestionOn(int page) {
    for (const TQuestion& question : Questions())
        if (question.page == page)
            return &question;
    return nullptr;
}

std::string ChoiceCaption(const TQuestion& question, int choice, double peak_days) {
    if (question.page != AliasPage)
        return question.choices[std::size_t(choice)];
    const double periods[3] = {2.0 * peak_days, observing::DailyAliases(peak_days).above_days,
                               0.5 * peak_days};
    return PeriodText(periods[choice]);
}

TAccepted Accepted(int page, const observing::TPeak& peak, double halfWidth_days,
                   const fit::TOrbitSolution* onePlanet) {
    if (page == PeakPage)
        return {true, peak.period_days, halfWidth_days};
    if (page == RealDataPage)
        return {true, RealPeriod_days, RealPeriodTolerance_days};
    if ((page != FitPage && page != MassPage && page != RealMassPage) || !onePlanet ||
        onePlanet->planets.empty())
        return {};
    const fit::TFittedPlanet& planet = onePlanet->planets.front();
    const fit::TEstimate& x = page == FitPage ? planet.K_mps : planet.massSinI_Jupiter;
    const double forgotten =
        page == FitPage ? 0.0 : x.value / std::pow(onePlanet->starMass_Solar, 2.0 / 3.0);
    return {true, x.value, std::max(x.sigma, LeastTolerance * x.value), forgotten};
}

bool IsAccepted(const TAccepted& accepted, double typed) {
    const double miss = std::fabs(typed - accepted.value);
    return accepted.valid && miss <= accepted.tolerance &&
           !(accepted.forgotten > 0.0 && std::fabs(typed - accepted.forgotten) < miss);
}

std::string AcceptedText(int page, const TAccepted& accepted) {
    if (!accepted.valid)
        return "The fit is still being worked out.";
    switch (page) {
    case PeakPage:
        return "The highest peak is at " + PeriodText(accepted.value) +
               Format("; answers within %.3f days (its half width) count.", accepted.tolerance, 0);
    case FitPage:
        return Format("Your fit's K is %.1f m/s; answers within %.1f m/s count.", accepted.value,
                      accepted.tolerance);
    case MassPage:
        return Format("Your planet's m sin i is %.3f Jupiter masses; answers within %.3f count",
                      accepted.value, accepted.tolerance) +
               ForgottenText(accepted);
    case RealDataPage:
        return Format("51 Peg b's period is %.4f days; answers within %.2f days count.",
                      accepted.value, accepted.tolerance);
    case RealMassPage:
        return Format("51 Peg b's m sin i is %.3f Jupiter masses; answers within %.3f count",
                      accepted.value, accepted.tolerance) +
               ForgottenText(accepted);
    default:
        return {};
    }
}

} // namespace findingplanet
