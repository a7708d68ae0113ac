// SPDX-License-Identifier: GPL-3.0-or-later AND CC-BY-SA-4.0
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "FindingPlanetQuestions.h"

#include "BookText.h"
#include "FindingPlanetReadouts.h"
#include "NumberText.h"
#include "model/observing/PeakWidth.h"

#include <QCoreApplication>
#include <algorithm>
#include <cmath>

namespace findingplanet {

namespace {

// The least share of a fitted value that a typed answer may miss it by.
constexpr double LeastTolerance = 0.10;

// Whether an m sin i answer may have left out the star's mass: where its value would differ.
bool MayForget(const TAccepted& accepted) {
    return std::fabs(accepted.forgotten - accepted.value) > 0.0005;
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
    // The texts as the translation tool finds them; shown through BookText with the same
    // contexts: the student's in the chapter's, what is accepted and what a question catches
    // in the teacher's guide's.
    static const std::vector<TQuestion> questions = {
        {ObservePage,
         QT_TRANSLATE_NOOP("Chapter 6: Finding a planet",
                           "Can you read the period off these points?"),
         nullptr,
         {QT_TRANSLATE_NOOP("Chapter 6: Finding a planet", "Yes: from one peak to the next"),
          QT_TRANSLATE_NOOP("Chapter 6: Finding a planet", "No: too few points to join up"),
          QT_TRANSLATE_NOOP("Chapter 6: Finding a planet", "Yes: by joining the dots")},
         1,
         QT_TRANSLATE_NOOP("Chapter 6: Finding a planet",
                           "The points lie days apart. Could you join them into one smooth "
                           "curve?"),
         QT_TRANSLATE_NOOP("Chapter 6: Finding a planet",
                           "A star is measured at most once a night, on clear nights, so the "
                           "points fall at random moments of a short orbit. The period must be "
                           "searched for."),
         QT_TRANSLATE_NOOP("Teacher's guide",
                           "no: the points are too few and too far apart to join"),
         QT_TRANSLATE_NOOP("Teacher's guide",
                           "that a velocity curve can always be traced point to point")},
        {PeakPage,
         QT_TRANSLATE_NOOP("Chapter 6: Finding a planet",
                           "What is the period of the highest peak?"),
         QT_TRANSLATE_NOOP("Chapter 6: Finding a planet", "days"),
         {},
         -1,
         QT_TRANSLATE_NOOP("Chapter 6: Finding a planet",
                           "The period of the highest peak is written beside its marker and "
                           "below the plot."),
         QT_TRANSLATE_NOOP("Chapter 6: Finding a planet",
                           "A sine of that period fits your measurements better than any other."),
         QT_TRANSLATE_NOOP("Teacher's guide",
                           "the period of the highest peak shown, within the peak's half width"),
         QT_TRANSLATE_NOOP("Teacher's guide",
                           "that the periodogram's vertical axis is a velocity, or that every "
                           "peak is a planet")},
        {FalseAlarmPage,
         QT_TRANSLATE_NOOP("Chapter 6: Finding a planet",
                           "What does a false-alarm probability of 1 % mean?"),
         nullptr,
         {QT_TRANSLATE_NOOP("Chapter 6: Finding a planet", "a 1 % chance that a planet is there"),
          QT_TRANSLATE_NOOP("Chapter 6: Finding a planet",
                            "noise alone peaks so high 1 time in 100"),
          QT_TRANSLATE_NOOP("Chapter 6: Finding a planet", "the period is 1 % uncertain")},
         1,
         QT_TRANSLATE_NOOP("Chapter 6: Finding a planet",
                           "Think of a star with no planet at all, observed on the same nights."),
         QT_TRANSLATE_NOOP("Chapter 6: Finding a planet",
                           "It is the chance that noise alone makes so high a peak. Fewer nights "
                           "or noisier data lower the signal's peak, and noise reaches so high "
                           "more often."),
         QT_TRANSLATE_NOOP("Teacher's guide", "the chance that noise alone peaks so high"),
         QT_TRANSLATE_NOOP("Teacher's guide",
                           "that the false-alarm probability is the chance that the planet is "
                           "real")},
        {AliasPage,
         QT_TRANSLATE_NOOP("Chapter 6: Finding a planet",
                           "Which of these periods is a daily alias of your highest peak?"),
         nullptr,
         {},
         1,
         QT_TRANSLATE_NOOP("Chapter 6: Finding a planet",
                           "The window function peaks at 1 day. An alias lies at 1/|1/P − 1| "
                           "days."),
         QT_TRANSLATE_NOOP("Chapter 6: Finding a planet",
                           "Sampled once a night, a signal at f cycles a day also shows at "
                           "|f − 1| and f + 1. Twice or half the period is no alias."),
         QT_TRANSLATE_NOOP("Teacher's guide",
                           "the period 1/|1/P − 1| for the highest peak's period P"),
         QT_TRANSLATE_NOOP("Teacher's guide",
                           "that twice or half the period is an alias of the sampling")},
        {FoldPage,
         QT_TRANSLATE_NOOP("Chapter 6: Finding a planet",
                           "Folded on the peak’s period × 1.1, what do the points do?"),
         nullptr,
         {QT_TRANSLATE_NOOP("Chapter 6: Finding a planet", "form the same curve"),
          QT_TRANSLATE_NOOP("Chapter 6: Finding a planet", "scatter: no curve shows"),
          QT_TRANSLATE_NOOP("Chapter 6: Finding a planet", "form a curve half as high")},
         1,
         QT_TRANSLATE_NOOP("Chapter 6: Finding a planet",
                           "Press “Peak × 1.1” and look at the fold."),
         QT_TRANSLATE_NOOP("Chapter 6: Finding a planet",
                           "On a wrong period the orbits' phases drift apart over a season: "
                           "only a period near the true one folds into one curve."),
         QT_TRANSLATE_NOOP("Teacher's guide", "they scatter"),
         QT_TRANSLATE_NOOP("Teacher's guide", "that any period near the peak folds as well")},
        {FitPage,
         QT_TRANSLATE_NOOP("Chapter 6: Finding a planet",
                           "What is K, the semi-amplitude of your fit?"),
         QT_TRANSLATE_NOOP("Chapter 6: Finding a planet", "m/s"),
         {},
         -1,
         QT_TRANSLATE_NOOP("Chapter 6: Finding a planet",
                           "K is the fit's semi-amplitude, written below the plots of the Fit "
                           "tab with its uncertainty."),
         QT_TRANSLATE_NOOP("Chapter 6: Finding a planet",
                           "K is half the swing of the star's velocity; the fit also gives e "
                           "and ω, which a sine cannot."),
         QT_TRANSLATE_NOOP("Teacher's guide",
                           "the fitted K, within its uncertainty but at least 10 %"),
         QT_TRANSLATE_NOOP("Teacher's guide",
                           "that K is the full swing from the lowest to the highest point")},
        {MassPage,
         QT_TRANSLATE_NOOP("Chapter 6: Finding a planet", "What is the m sin i of your planet?"),
         QT_TRANSLATE_NOOP("Chapter 6: Finding a planet", "Jupiter masses"),
         {},
         -1,
         QT_TRANSLATE_NOOP("Chapter 6: Finding a planet",
                           "Use P in days, K in m/s, e, and the star's mass from the Data tab."),
         QT_TRANSLATE_NOOP("Chapter 6: Finding a planet",
                           "The tilt i is unknown, so the velocity gives only m sin i, the least "
                           "the mass can be."),
         QT_TRANSLATE_NOOP("Teacher's guide",
                           "the fit's m sin i (mass function solved with the star's stated "
                           "mass), within its uncertainty but at least 10 %"),
         QT_TRANSLATE_NOOP("Teacher's guide",
                           "that the radial velocity gives the planet's true mass")},
        {SecondPlanetPage,
         QT_TRANSLATE_NOOP("Chapter 6: Finding a planet", "Does your star have a second planet?"),
         nullptr,
         {QT_TRANSLATE_NOOP("Chapter 6: Finding a planet", "Yes: two planets fit much better"),
          QT_TRANSLATE_NOOP("Chapter 6: Finding a planet", "No: one planet is enough"),
          QT_TRANSLATE_NOOP("Chapter 6: Finding a planet", "Yes: every residual peak is a planet")},
         -1,
         QT_TRANSLATE_NOOP("Chapter 6: Finding a planet",
                           "A second planet is supported when it lowers the BIC by more than "
                           "10: ΔBIC below −10."),
         QT_TRANSLATE_NOOP("Chapter 6: Finding a planet",
                           "Any extra planet fits the noise a little better; the BIC charges "
                           "each parameter ln N, so only a real signal pays for itself."),
         QT_TRANSLATE_NOOP("Teacher's guide",
                           "yes exactly when the two-planet fit lowers the BIC by more than 10 "
                           "(ΔBIC below −10)"),
         QT_TRANSLATE_NOOP("Teacher's guide", "that a lower χ² alone proves another planet")},
        {RealDataPage,
         QT_TRANSLATE_NOOP("Chapter 6: Finding a planet", "What is the period of 51 Peg b?"),
         QT_TRANSLATE_NOOP("Chapter 6: Finding a planet", "days"),
         {},
         -1,
         QT_TRANSLATE_NOOP("Chapter 6: Finding a planet",
                           "Open the Periodogram tab: the period of the highest peak is written "
                           "below the plot."),
         QT_TRANSLATE_NOOP("Chapter 6: Finding a planet",
                           "Both instruments, each from its own zero point, show the 4.23-day "
                           "orbit that Mayor and Queloz found in 1995."),
         QT_TRANSLATE_NOOP("Teacher's guide", "4.2308 days (Butler et al. 2006), within 0.01 days"),
         QT_TRANSLATE_NOOP("Teacher's guide",
                           "that data from two instruments can be joined without their own "
                           "zero points")},
        {RealMassPage,
         QT_TRANSLATE_NOOP("Chapter 6: Finding a planet", "What is the m sin i of 51 Peg b?"),
         QT_TRANSLATE_NOOP("Chapter 6: Finding a planet", "Jupiter masses"),
         {},
         -1,
         QT_TRANSLATE_NOOP("Chapter 6: Finding a planet",
                           "Use P, K and e from the Fit tab and the star's mass from the Data "
                           "tab in the formula of the page on weighing the planet."),
         QT_TRANSLATE_NOOP("Chapter 6: Finding a planet",
                           "About half a Jupiter mass, seven times closer to its star than "
                           "Mercury is to the Sun: the first hot Jupiter."),
         QT_TRANSLATE_NOOP("Teacher's guide",
                           "the fit's m sin i (mass function solved with the star's stated "
                           "mass), within its uncertainty but at least 10 %"),
         QT_TRANSLATE_NOOP("Teacher's guide", "that a planet so close to its star must be small")},
        {EccentricityPage,
         QT_TRANSLATE_NOOP("Chapter 6: Finding a planet", "Is this planet's orbit circular?"),
         nullptr,
         {QT_TRANSLATE_NOOP("Chapter 6: Finding a planet", "No: the fit's e is far from 0"),
          QT_TRANSLATE_NOOP("Chapter 6: Finding a planet", "It may be: nearly round orbits fit too"),
          QT_TRANSLATE_NOOP("Chapter 6: Finding a planet", "Yes: e is exactly 0")},
         -1,
         QT_TRANSLATE_NOOP("Chapter 6: Finding a planet",
                           "Where does the shaded band, the middle 68 % of the orbits, begin? "
                           "Compare it with e = 0.1."),
         QT_TRANSLATE_NOOP("Chapter 6: Finding a planet",
                           "The fit's ± σ takes the orbits that fit for a bell curve about the "
                           "best one. Those of a weak planet are lopsided, and the best fit "
                           "pushes e up. The book made this planet's orbit a circle: e = 0."),
         QT_TRANSLATE_NOOP("Teacher's guide",
                           "it may be circular exactly when the middle 68 % of the orbits drawn "
                           "reach below e = 0.1"),
         QT_TRANSLATE_NOOP("Teacher's guide",
                           "that a value several σ from 0 cannot be 0, whatever the shape of "
                           "its spread")},
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
        return BookText("Chapter 6: Finding a planet", question.choices[std::size_t(choice)])
            .toStdString();
    const double periods[3] = {2.0 * peak_days, observing::DailyAliases(peak_days).above_days,
                               0.5 * peak_days};
    return findingplanetviews::Days(periods[choice]).toStdString();
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
        return BookText("Chapter 6: Finding a planet", "The fit is still being worked out.")
            .toStdString();
    const QString value3 = FixedText(accepted.value, 3), within3 = FixedText(accepted.tolerance, 3);
    QString text;
    switch (page) {
    case PeakPage:
        text = BookText("Chapter 6: Finding a planet",
                        "The highest peak is at %1; answers within %2 days (its half width) "
                        "count.",
                        "%1 is a period with its unit")
                   .arg(findingplanetviews::Days(accepted.value), within3);
        break;
    case FitPage:
        text = BookText("Chapter 6: Finding a planet",
                        "Your fit's K is %1 m/s; answers within %2 m/s count.")
                   .arg(FixedText(accepted.value, 1), FixedText(accepted.tolerance, 1));
        break;
    case MassPage:
        text = MayForget(accepted)
                   ? BookText("Chapter 6: Finding a planet",
                              "Your planet's m sin i is %1 Jupiter masses; answers within %2 "
                              "count, but not those nearer %3, the mass without the star's (M★ "
                              "/ 1 solar mass)^(2/3).")
                         .arg(value3, within3, FixedText(accepted.forgotten, 3))
                   : BookText("Chapter 6: Finding a planet",
                              "Your planet's m sin i is %1 Jupiter masses; answers within %2 "
                              "count.")
                         .arg(value3, within3);
        break;
    case RealDataPage:
        text = BookText("Chapter 6: Finding a planet",
                        "51 Peg b's period is %1 days; answers within %2 days count.",
                        "period of the orbit")
                   .arg(FixedText(accepted.value, 4), FixedText(accepted.tolerance, 2));
        break;
    case RealMassPage:
        text = MayForget(accepted)
                   ? BookText("Chapter 6: Finding a planet",
                              "51 Peg b's m sin i is %1 Jupiter masses; answers within %2 count, "
                              "but not those nearer %3, the mass without the star's (M★ / 1 "
                              "solar mass)^(2/3).")
                         .arg(value3, within3, FixedText(accepted.forgotten, 3))
                   : BookText("Chapter 6: Finding a planet",
                              "51 Peg b's m sin i is %1 Jupiter masses; answers within %2 count.")
                         .arg(value3, within3);
        break;
    default:
        break;
    }
    return text.toStdString();
}

} // namespace findingplanet
