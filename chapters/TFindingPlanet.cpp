// SPDX-License-Identifier: GPL-3.0-or-later AND CC-BY-SA-4.0
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "TFindingPlanet.h"

#include "BookText.h"
#include "BookWording.h"
#include "FindingPlanetQuestions.h"
#include "FindingPlanetReadouts.h"
#include "NumberText.h"
#include "Precondition.h"
#include "QuestionInput.h"
#include "RichEditWriter.h"
#include "TBackgroundWork.h"
#include "TKeyEdit.h"
#include "forms/FindingPlanetForm.h"
#include "model/fit/Bic.h"
#include "model/fit/FitText.h"
#include "model/observing/MeasurementsCsv.h"
#include "model/observing/PeakWidth.h"
#include "model/observing/PhaseFold.h"
#include "model/fit/PlanetMass.h"
#include "model/fit/PlanetSearch.h"
#include "model/orbit/planet.h"
#include "oRichEdit.h"
#include "observing/ObservingDrawing.h"
#include "observing/TDataPlot.h"
#include "observing/TFitByHandPage.h"
#include "observing/TFitPlot.h"
#include "observing/TFoldPlot.h"
#include "observing/TPeriodogramPlot.h"
#include "observing/TPosteriorPlot.h"
#include "observing/TResidualPlot.h"

#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>
#include <algorithm>
#include <cctype>
#include <cmath>
#include <random>

using namespace observing;
namespace q = findingplanet;

using namespace findingplanetviews;

TFindingPlanet::TFindingPlanet(TCustomBook* owner) : TThisChapter(owner) {
    DefineFindingPlanetForm(*this);
    PageCount = PageTotal = q::PageCount;
    eccentricity_.OnProgress([this](double share) {
        EccentricityProgress->setValue(int(std::lround(100 * share)));
    });
    std::random_device device;
    seed_ = 1 + device() % MaxHiddenSeed;
}

// The fits' end must not reach a half-destroyed chapter.
TFindingPlanet::~TFindingPlanet() {
    realFits_.Stop();
    eccentricity_.Stop();
}

// ---- the run and its views ----

void TFindingPlanet::Observe(std::uint64_t seed, THiddenRunChoice choice) {
    const bool ownRun = !choice.fewerNights && !choice.moreNoise;
    if (ownRun && (seed != seed_ || !observed_)) {
        seed_ = seed;
        observed_ = true;
        choice_ = choice;
        ObserveRun();
        ownPeak_ = Periodogram().peak;
        ownHalfWidth_days_ = PeakHalfWidth_days(Periodogram());
        FoldPeriodBox->setValue(ownPeak_.period_days);
        ByHandPage->SetMeasurements({Data(), 0.0});
        StartFits();
    } else if (choice.fewerNights != choice_.fewerNights || choice.moreNoise != choice_.moreNoise) {
        choice_ = choice;
        ObserveRun();
    }
    SeedEdit->setText(QString::number(seed_));
    ShowRun();
    ShowPeriodogram();
}

// The run of the seed and choice set, measured and searched here at once: the chapter's runs
// are a few dozen nights, far below what would want a thread.
void TFindingPlanet::ObserveRun() {
    session_.Observe(ObserveHidden(seed_, choice_), HiddenShortestPeriod_days,
                     TBackgroundWork::TWhere::Here);
}

const TPeriodogram& TFindingPlanet::Periodogram() const {
    const TPeriodogram* pg = session_.Periodogram();
    PRECONDITION(pg != nullptr);
    return *pg;
}

void TFindingPlanet::ShowRun() {
    const bool real = q::ShowsRealData(Page);
    DataPlot->setVisible(!real);
    for (TDataPlot* plot : InstrumentPlots)
        plot->setVisible(real);
    for (QWidget* w : {static_cast<QWidget*>(SeedCaption), static_cast<QWidget*>(SeedEdit),
                       static_cast<QWidget*>(ObserveButton)})
        w->setVisible(!real);
    if (real)
        return ShowRealData();
    const THiddenSystem& star = HiddenSystemFor(seed_);
    const TObservingPlan plan = HiddenPlan(seed_, choice_);
    // The last page reveals the hidden planets: their curve and their elements.
    const bool reveal = Page == q::PageCount && !choice_.fewerNights && !choice_.moreNoise;
    DataPlot->SetMeasurements({Data(), 0.0});
    DataPlot->SetCurve(reveal ? star.planets : std::vector<kepler::TRadialVelocityElements>{});
    QString hidden;
    for (const kepler::TRadialVelocityElements& planet : reveal ? star.planets
                                                                : decltype(star.planets){}) {
        const fit::TPlanetMass mass =
            fit::PlanetMass(planet.period_days, planet.K_mps, planet.ecc, star.starMass_Solar);
        hidden += "\n" + BookText("Chapter 6: Finding a planet",
                                  "Hidden planet: P = %1 days, K = %2 m/s, e = %3, m sin i = "
                                  "%4 Jupiter masses.")
                             .arg(FixedText(planet.period_days, 3), FixedText(planet.K_mps, 1),
                                  FixedText(planet.ecc, 2),
                                  FixedText(mass.massSinI_Solar * JupiterMassesPerSolarMass, 2));
    }
    // Beside the truth, the student's own answers on this star.
    if (reveal) {
        QStringList yours;
        const std::pair<int, const char*> asked[] = {
            {q::PeakPage, QT_TRANSLATE_NOOP("Chapter 6: Finding a planet", "P = %1 days")},
            {q::FitPage, QT_TRANSLATE_NOOP("Chapter 6: Finding a planet", "K = %1 m/s")},
            {q::MassPage,
             QT_TRANSLATE_NOOP("Chapter 6: Finding a planet", "m sin i = %1 Jupiter masses")}};
        for (const auto& [page, format] : asked)
            if (const TAnsweredQuestion* done = AnsweredOn(Work, page, seed_))
                yours << BookText("Chapter 6: Finding a planet", format)
                             .arg(QString::fromStdString(done->attempts.back().answer));
        hidden +=
            "\n" + (yours.isEmpty() ? BookText("Chapter 6: Finding a planet",
                                               "You answered no question on this star.")
                                    : BookText("Chapter 6: Finding a planet", "Your answers: %1.",
                                               "%1 lists the answers, each as P = 3.5 days")
                                          .arg(yours.join(", ")));
    }
    const QString poorer =
        choice_.fewerNights
            ? "  " + BookText("Chapter 6: Finding a planet", "(Only 12 nights planned.)")
        : choice_.moreNoise
            ? "  " + BookText("Chapter 6: Finding a planet", "(A noisier instrument.)")
            : QString();
    RunLabel->setText(BookText("Chapter 6: Finding a planet",
                               "Seed %1: %n measurements in %2 days, each ± %3 m/s; the star, of "
                               "%4 solar masses, jitters by about %5 m/s.%6",
                               "%6 says how the run was made worse, or nothing", int(Data().size()))
                          .arg(seed_)
                          .arg(std::lround(Span(Data())))
                          .arg(FixedText(plan.precision_mps, 0), FixedText(star.starMass_Solar, 2),
                               FixedText(plan.jitter_mps, 0), poorer) +
                      hidden);
}

void TFindingPlanet::ShowPeriodogram() {
    if (q::ShowsRealData(Page))
        return ShowRealPeriodogram();
    PeriodogramPlot->SetMessage({});
    const TPeriodogram& pg = Periodogram();
    PeriodogramPlot->SetPeriodogram(pg);
    PeriodogramPlot->SetShowWindow(WindowBox->isChecked());
    QString text = BookText("Chapter 6: Finding a planet",
                            "Highest peak: %1 (power %2), half width %3 days.\n"
                            "False-alarm probability: %4.",
                            "%1 is a period with its unit; power of the periodogram")
                       .arg(Days(pg.peak.period_days), FixedText(pg.peak.power, 2),
                            FixedText(PeakHalfWidth_days(pg), 3), Probability(pg.falseAlarm));
    if (WindowBox->isChecked())
        text += "\n" + BookText("Chapter 6: Finding a planet",
                                "The grey curve, the window function, is the periodogram of the "
                                "nights alone.");
    PeakLabel->setText(text);
}

void TFindingPlanet::ShowFold(double period_days) {
    if (!q::ShowsRealData(Page)) {
        FoldPlot->SetMessage({});
        FoldPlot->SetMeasurements({Data(), 0.0});
        FoldPlot->SetVelocityTitle(
            BookText("Chapter 6: Finding a planet", "radial velocity (m/s)", "an axis's title"));
    }
    FoldPlot->SetPeriod(period_days);
}

const fit::TOrbitSolution* TFindingPlanet::PageFit() const {
    return q::ShowsRealData(Page) ? RealFit() : OnePlanetFit();
}

QString TFindingPlanet::PageFitFailure() const {
    const fit::TFitResult* ended = nullptr;
    if (q::ShowsRealData(Page))
        ended = EndedRealFit();
    else if (const TSessionFits::TEnded* own = Fits().Ended())
        ended = &own->result;
    return ended && !MadeFit(*ended) ? NoFitText(*ended) : QString();
}

std::string TFindingPlanet::AcceptedInWords(const q::TAccepted& accepted) const {
    const QString failure = PageFitFailure();
    return accepted.valid || failure.isEmpty() ? q::AcceptedText(Page, accepted)
                                               : failure.toStdString();
}

// ---- the fits ----

void TFindingPlanet::StartFits() {
    // The student's own run, whatever run the page shows.
    TSessionFits::TRequest own;
    own.work = TSessionFits::TWork::OneAndTwo;
    own.data = ObserveHidden(seed_);
    own.settings.starMass_Solar = HiddenSystemFor(seed_).starMass_Solar;
    own.shortestPeriod_days = HiddenShortestPeriod_days;
    Fits().Start(std::move(own), [this](const TSessionFits::TEnded&) { FitsDone(); });
    ShowFit();
    ShowResiduals();
}

void TFindingPlanet::WaitForFits() {
    Fits().Wait();
    realFits_.Wait();
    eccentricity_.Wait();
}

void TFindingPlanet::FitsDone() {
    ShowFit();
    ShowResiduals();
    EnableAnswers();
}

void TFindingPlanet::EnableAnswers() {
    // The questions on the fit wait for it, so that no attempt is judged against a fit not
    // yet made.
    const bool fitting = Page == q::EccentricityPage ? eccentricity_.Running()
                         : q::ShowsRealData(Page)     ? realFits_.Running()
                                                      : Fits().Running();
    const bool ready = (!fitting || !q::NeedsFit(Page)) && !QuestionClosed;
    for (QWidget* w : {static_cast<QWidget*>(AnswerEdit), static_cast<QWidget*>(DoneButton),
                       static_cast<QWidget*>(Choices[0]), static_cast<QWidget*>(Choices[1]),
                       static_cast<QWidget*>(Choices[2])})
        w->setEnabled(ready);
}

const fit::TOrbitSolution* TFindingPlanet::OnePlanetFit() const {
    return Fits().Fits().empty() ? nullptr : &Fits().Fits()[0];
}

const fit::TOrbitSolution* TFindingPlanet::TwoPlanetFit() const {
    return Fits().Fits().size() < 2 ? nullptr : &Fits().Fits()[1];
}

bool TFindingPlanet::SecondBelieved() const {
    const fit::TOrbitSolution* one = OnePlanetFit();
    const fit::TOrbitSolution* two = TwoPlanetFit();
    return one && two && fit::MorePlanetsBelieved(*one, *two);
}

void TFindingPlanet::ShowFit() {
    if (q::ShowsRealData(Page))
        return ShowRealFit();
    const fit::TOrbitSolution* one = OnePlanetFit();
    TMeasurementSet own;
    own.data = Fits().Data();
    FitPlot->SetMeasurements(own);
    ResidualPlot->SetMeasurements(own);
    FitPlot->SetSolution(one);
    ResidualPlot->SetSolution(one);
    // One orbit, however many the run spans; the residuals stay against time, where a
    // pattern left by a second planet shows.
    FitPlot->SetFolded(true);
    FitPlot->SetTimeTitle({});
    ResidualPlot->SetTimeTitle({});
    const QString message = one ? QString()
                            : Fits().Running()
                                ? BookText("Chapter 6: Finding a planet", "Fitting the orbit…")
                                : PageFitFailure();
    FitPlot->SetMessage(message);
    ResidualPlot->SetMessage(message);
    if (!one) {
        FitLabel->setText(message);
        return;
    }
    const fit::TFittedPlanet& planet = one->planets.front();
    // Why the fitted jitter may differ from the star's stated one, where it clearly does.
    const double stated = HiddenPlan(seed_).jitter_mps; // the plan the fit's data were made with
    const QString jitterWhy =
        one->jitter_mps < 0.05
            ? " " + BookText("Chapter 6: Finding a planet", "(the error bars explain the scatter)")
        : one->jitter_mps > 2.0 * stated + 1.0
            ? " " + BookText("Chapter 6: Finding a planet",
                             "(more than the star's: the orbit leaves signal behind)")
            : QString();
    FitLabel->setText(
        BookText("Chapter 6: Finding a planet",
                 "One planet fitted:\nP = %1 days\nK = %2 m/s\ne = %3,  "
                 "ω = %4°\nthe star's jitter %5 m/s%8\n"
                 "rms about the fit %6 m/s, reduced χ² %7",
                 "%8 says why the fitted jitter differs from the star's, or "
                 "nothing")
            .arg(WithSigma(planet.period_days), WithSigma(planet.K_mps), WithSigma(planet.ecc),
                 FixedText(planet.omega_rad.value * 180.0 / M_PI, 0), FixedText(one->jitter_mps, 1),
                 FixedText(one->rms_mps, 1), FixedText(one->reducedChiSquare, 2), jitterWhy));
}

void TFindingPlanet::ShowResiduals() {
    const fit::TOrbitSolution* one = OnePlanetFit();
    if (!one) {
        const QString message = Fits().Running()
                                    ? BookText("Chapter 6: Finding a planet", "Fitting the orbit…")
                                    : NoFitText(Fits().Ended()->result);
        ResidualPeriodogramPlot->SetMessage(message);
        ResidualLabel->setText(message);
        return;
    }
    std::vector<kepler::TRadialVelocityElements> planets;
    for (const fit::TFittedPlanet& planet : one->planets)
        planets.push_back(planet.elements);
    const auto residuals = fit::ResidualMeasurements(Fits().Data(), planets);
    auto pg = std::make_shared<TPeriodogram>();
    Compute(residuals, GridFor(Span(residuals), HiddenShortestPeriod_days), false, *pg);
    ResidualPeriodogramPlot->SetMessage({});
    ResidualPeriodogramPlot->SetPeriodogram(*pg);
    QString text =
        BookText("Chapter 6: Finding a planet",
                 "Highest peak of the residuals: %1, false-alarm probability %2.\n"
                 "BIC with one planet: %3",
                 "%1 is a period with its unit")
            .arg(Days(pg->peak.period_days), Probability(pg->falseAlarm), FixedText(one->bic, 1)) +
        "\n";
    if (const fit::TOrbitSolution* two = TwoPlanetFit()) {
        const fit::TFittedPlanet& second = two->planets.back();
        // The observing window's sign: ΔBIC is the two-planet fit's BIC less the one's.
        const double delta = -fit::BicDrop(*one, *two);
        text += (delta > 0.0 ? BookText("Chapter 6: Finding a planet",
                                        "BIC with two planets: %1 (the second at %2 days, K = "
                                        "%3 m/s)\nΔBIC = BIC(two) − BIC(one) = %4: the second "
                                        "planet raises the BIC by %5.")
                             : BookText("Chapter 6: Finding a planet",
                                        "BIC with two planets: %1 (the second at %2 days, K = "
                                        "%3 m/s)\nΔBIC = BIC(two) − BIC(one) = %4: the second "
                                        "planet lowers the BIC by %5."))
                    .arg(FixedText(two->bic, 1), FixedText(second.period_days.value, 2),
                         FixedText(second.K_mps.value, 1), FixedText(delta, 1),
                         FixedText(std::fabs(delta), 1));
    } else {
        text += BookText("Chapter 6: Finding a planet", "No fit with two planets could be made.");
    }
    ResidualLabel->setText(text);
}

// ---- the pages ----

void TFindingPlanet::ShowPage() {
    // The views of the published data need their job before anything is shown.
    if (q::ShowsRealData(Page) && !realFits_.Job())
        StartRealFit();
    // The page on the eccentricity shows a star of its own in place of the views.
    const bool eccentricity = Page == q::EccentricityPage;
    if (eccentricity && !eccentricity_.Job())
        StartEccentricityRun();
    Views->setVisible(!eccentricity);
    EccentricityPanel->setVisible(eccentricity);
    if (eccentricity)
        ShowEccentricity();
    if (!observed_)
        Observe(seed_, {});
    else if (Page != q::FalseAlarmPage && (choice_.fewerNights || choice_.moreNoise))
        Observe(seed_, {});
    ShowRun();
    for (int tab = 0; tab < Views->count(); ++tab)
        Views->setTabEnabled(tab, q::TabOpen(Page, tab));
    Views->setCurrentIndex(q::TabShown(Page));
    const bool poorerRuns = Page == q::FalseAlarmPage;
    FewerNightsButton->setVisible(poorerRuns);
    MoreNoiseButton->setVisible(poorerRuns);
    OwnRunButton->setVisible(poorerRuns);
    // The published data's periodogram is worked out without its window.
    WindowBox->setEnabled(Page >= q::AliasPage && !q::ShowsRealData(Page));
    if (Page < q::AliasPage || q::ShowsRealData(Page))
        WindowBox->setChecked(false);
    ShowPeriodogram();
    ShowFit();
    if (Page == q::FoldPage || q::ShowsRealData(Page) != realShown_)
        FoldPeriodBox->setValue(ShownPeak().period_days);
    realShown_ = q::ShowsRealData(Page);
    ShowFold(FoldPeriodBox->value());
    SetQuestion();
    WritePageText();
}

void TFindingPlanet::SetQuestion() {
    OpenQuestion();
    ReleaseChoices({Choices[0], Choices[1], Choices[2]});
    const q::TQuestion* question = q::QuestionOn(Page);
    const bool choice = question && !question->unit;
    const std::array<int, 3> order = q::ChoiceOrder(Page, seed_);
    for (std::size_t i = 0; i < Choices.size(); ++i) {
        Choices[i]->setVisible(choice);
        if (choice)
            Choices[i]->SetCaption(q::ChoiceCaption(*question, order[i], ownPeak_.period_days));
    }
    AnswerEdit->setVisible(question && question->unit);
    UnitLabel->setVisible(question && question->unit);
    DoneButton->setVisible(question && question->unit);
    if (!question) {
        EnableAnswers();
        return;
    }
    if (question->unit) {
        AnswerEdit->clear();
        AnswerEdit->setAccessibleName(BookText("Chapter 6: Finding a planet", question->label));
        UnitLabel->setText(BookText("Chapter 6: Finding a planet", question->unit));
    }
    // A question answered before on these data shows as answered: its last answer, its
    // verdict's attempts, and the way on.
    const TAnsweredQuestion* done = AnsweredOn(Work, Page, DataSeed());
    if (done) {
        WrongAnswers = int(std::count_if(done->attempts.begin(), done->attempts.end(),
                                         [](const TAnswerAttempt& a) { return !a.right; }));
        QuestionClosed = done->closed;
        AnswerCorrect = done->closed && done->attempts.back().right;
    }
    if (done && done->closed) {
        const std::string& last = done->attempts.back().answer;
        if (question->unit)
            AnswerEdit->setText(QString::fromStdString(last));
        for (oBitBtn* b : Choices)
            if (!question->unit && b->Caption() == last)
                MarkChoice(*b, AnswerCorrect);
    } else if (question->unit) {
        AnswerEdit->setFocus();
    }
    EnableAnswers();
    ShowNextButton(QuestionClosed);
}

void TFindingPlanet::ChoiceClick(oBitBtn* sender) {
    ReleaseChoices({Choices[0], Choices[1], Choices[2]});
    LatchChoice(*sender);
    JudgeAnswer();
    MarkChoice(*sender, AnswerCorrect);
    if (QuestionClosed)
        EnableAnswers();
}

std::string TFindingPlanet::GivenAnswer() const {
    const q::TQuestion* question = q::QuestionOn(Page);
    if (!question)
        return {};
    if (question->unit)
        return AnswerEdit->text().trimmed().toStdString();
    for (const oBitBtn* b : Choices)
        if (b->Checked())
            return b->Caption();
    return {};
}

void TFindingPlanet::UseChapterSeed(std::uint64_t seed) {
    PRECONDITION(seed >= 1 && seed <= MaxHiddenSeed && !observed_);
    seed_ = seed;
}

std::uint64_t TFindingPlanet::DataSeed() const {
    return q::ShowsRealData(Page) || Page == q::EccentricityPage ? 0 : seed_;
}

void TFindingPlanet::DoneButtonClick() {
    JudgeAnswer();
    if (QuestionClosed)
        EnableAnswers();
}

std::string TFindingPlanet::MeasurementsCsv() const {
    if (!observed_)
        return {};
    return WriteMeasurementsCsv(Data(), 0.0,
                                "Finding a planet, seed " + std::to_string(seed_) + ": " +
                                    std::to_string(Data().size()) + " measurements");
}

const char* TFindingPlanet::MissingAnswer() const {
    const q::TQuestion* question = q::QuestionOn(Page);
    if (!question || !question->unit || !AnswerEdit->text().contains(',') ||
        QLocale().decimalPoint() == ",")
        return nullptr;
    missingText_ = BookText("Chapter 6: Finding a planet",
                            "Type the decimals after a point, as in 4.46: here a comma is no "
                            "decimal mark. This cost no attempt.")
                       .toStdString();
    return missingText_.c_str();
}

void TFindingPlanet::AnswerEditKeyPress(char& key) {
    // A comma where the locale writes a point is let in, so that the answer is told what is
    // wrong instead of being read as another number (4,46 as 446).
    if (key == ',')
        return;
    if (FilterAnswerKey(key)) {
        JudgeAnswer();
        if (QuestionClosed)
            EnableAnswers();
    }
}

int TFindingPlanet::ChosenChoice() const {
    const std::array<int, 3> order = q::ChoiceOrder(Page, seed_);
    for (std::size_t i = 0; i < Choices.size(); ++i)
        if (Choices[i]->Checked())
            return order[i];
    return -1;
}

int TFindingPlanet::RightChoice() const {
    const q::TQuestion* question = q::QuestionOn(Page);
    if (!question)
        return -1;
    if (Page == q::SecondPlanetPage)
        return SecondBelieved() ? 0 : 1;
    if (Page == q::EccentricityPage) {
        const posterior::TPosteriorSummary* orbits = EccentricityOrbits();
        return !orbits ? -1 : q::MayBeCircular(orbits->planets.front().ecc.low) ? 1 : 0;
    }
    return question->right;
}

bool TFindingPlanet::ReadNumber(double& value) const {
    return !AnswerEdit->text().isEmpty() && ReadAnswer(AnswerEdit->text(), value);
}

bool TFindingPlanet::IsAnswerCorrect() {
    const q::TQuestion* question = q::QuestionOn(Page);
    if (!question)
        return false;
    if (!question->unit)
        return ChosenChoice() >= 0 && ChosenChoice() == RightChoice();
    double typed = 0.0;
    if (!ReadNumber(typed))
        return false;
    return q::IsAccepted(q::Accepted(Page, ownPeak_, ownHalfWidth_days_, PageFit()), typed);
}

void TFindingPlanet::WriteHint() {
    if (WrongAnswers <= 1)
        return;
    if (const q::TQuestion* question = q::QuestionOn(Page))
        *FeedbackBox << "\n"
                     << BookText("Chapter 6: Finding a planet", "Hint: %1", "%1 is the hint")
                            .arg(BookText("Chapter 6: Finding a planet", question->hint));
}

void TFindingPlanet::WriteConclusion() {
    const q::TQuestion* question = q::QuestionOn(Page);
    if (!question)
        return;
    oRichEdit& t = *FeedbackBox;
    t << "\n";
    if (question->unit) {
        t << AcceptedInWords(q::Accepted(Page, ownPeak_, ownHalfWidth_days_, PageFit())) << " ";
    } else if (!AnswerCorrect && RightChoice() >= 0) {
        t << BookText("Chapter 6: Finding a planet", "The answer: %1.", "%1 is the right choice")
                 .arg(QString::fromStdString(
                     q::ChoiceCaption(*question, RightChoice(), ownPeak_.period_days)))
          << " ";
    }
    t << BookText("Chapter 6: Finding a planet", question->conclusion);
    ShowNextButton(true);
}

// ---- the handlers ----

void TFindingPlanet::ObserveButtonClick() {
    const std::uint64_t seed = SeedEdit->text().toULongLong();
    if (seed < 1 || seed > MaxHiddenSeed) {
        RunLabel->setText(
            BookText("Chapter 6: Finding a planet", "A seed is a whole number from 1 to %1.")
                .arg(MaxHiddenSeed));
        return;
    }
    const bool anotherStar = seed != seed_;
    Observe(seed, {});
    ShowFold(FoldPeriodBox->value());
    // Another run asks the page's question afresh; observing the same run again does not.
    if (anotherStar)
        SetQuestion();
}

void TFindingPlanet::FewerNightsButtonClick() { Observe(seed_, {true, false}); }
void TFindingPlanet::MoreNoiseButtonClick() { Observe(seed_, {false, true}); }
void TFindingPlanet::OwnRunButtonClick() { Observe(seed_, {}); }
void TFindingPlanet::WindowBoxClick() { ShowPeriodogram(); }
void TFindingPlanet::FoldPeriodBoxChange() { ShowFold(FoldPeriodBox->value()); }
void TFindingPlanet::FoldPeakButtonClick() { FoldPeriodBox->setValue(ShownPeak().period_days); }
void TFindingPlanet::FoldWrongButtonClick() { FoldPeriodBox->setValue(1.1 * ShownPeak().period_days); }

// ---- the teacher's guide ----

void TFindingPlanet::WriteTeacherNotes(TRichEditControl& t) {
    WriteMarked(t, BookText("Teacher's guide",
                            "<b>Aims: </b>to find a planet in a season of noisy, nightly "
                            "measurements as astronomers do: the periodogram and its false-alarm "
                            "probability, daily aliases and the window function, folding, the fit "
                            "by hand and the Keplerian fit with the star's jitter, the planet's "
                            "m sin i, and whether a second planet is believed (BIC). Each "
                            "student's star is chosen by the seed shown under the measurements; "
                            "the hidden stars are listed at the end of this guide."));
    t << "\n";
    WriteMarked(t, BookText("Teacher's guide",
                            "<b>Real data (pages 10 and 11): </b>the published velocities of 51 "
                            "Pegasi from two instruments, LICK (Butler et al. 2006, ApJ 646, 505) "
                            "and ELODIE at Haute-Provence (Naef et al. 2004, A&amp;A 414, 351), "
                            "read from the book's data folder and shown an instrument a plot. The "
                            "book fits each instrument's zero point and jitter with the planet; "
                            "the periodogram is of the measurements less each zero point, and the "
                            "fold and the fit show every measurement less its instrument's zero "
                            "point. Page 10 asks the period (4.2308 days within 0.01), page 11 "
                            "the m sin i from the fit shown. Every student sees the same "
                            "numbers.",
                            "period of the orbit; LICK and ELODIE are the instruments' names"));
    t << "\n";
    WriteMarked(t, BookText("Teacher's guide", "<b>Misconceptions:</b>"));
    for (const q::TQuestion& question : q::Questions())
        t << "\n  "
          << BookText("Teacher's guide", "page %1: %2;",
                      "%1 is the page's number, %2 the misconception its question catches")
                 .arg(question.page)
                 .arg(BookText("Teacher's guide", question.misconception));
    t << "\n";
    WriteMarked(t, BookText("Teacher's guide",
                            "<b>Lesson: </b>two lessons of about 45 minutes: pages 1 to 6 (the "
                            "periodogram, false alarms, aliases, folding), then pages 7 to 13 "
                            "(the fit, the mass, a second planet, 51 Peg, how sure an "
                            "eccentricity is). Prerequisites: "
                            "chapter 3 (K and m sin i), the idea of measurement errors, a "
                            "calculator."));
    t << "\n";
    WriteMarked(t, BookText("Teacher's guide",
                            "<b>Support: </b>let pairs share one seed; after two wrong answers "
                            "each page gives a hint; on page 8 work out each bracket of the "
                            "formula on its own first."));
    t << "\n";
    WriteMarked(t, BookText("Teacher's guide",
                            "<b>Extension: </b>observe a second seed and compare; on page 4 find "
                            "how few nights still find the planet; open the star in Tools, "
                            "Observing run and plan a better season.",
                            "Tools, Observing run: the menu and its entry"));
    t << "\n";
    WriteMarked(t, BookText("Teacher's guide",
                            "<b>The fitted jitter: </b>the label under the measurements gives "
                            "the jitter the book gave the star; the fit's jitter is what its "
                            "residuals leave unexplained by the error bars, found from a few "
                            "dozen points. It comes out at 0 when the error bars already explain "
                            "the scatter, and above the star's own jitter when the one-planet "
                            "orbit leaves signal behind (a second planet, or an orbit the data "
                            "fix poorly). Both are honest results of the fit."));
    t << "\n";
}

std::vector<std::pair<std::string, std::string>> TFindingPlanet::ClassAnswers() {
    WaitForFits();
    const QString noFit = BookText("Teacher's guide", "no fit", "in the class's table of answers");
    // The accepted value and its tolerance, with `decimals`.
    auto within = [&noFit](const q::TAccepted& a, int decimals) {
        return a.valid ? BookText("Teacher's guide", "%1 ± %2", "a value and its tolerance")
                             .arg(FixedText(a.value, decimals), FixedText(a.tolerance, decimals))
                       : noFit;
    };
    const q::TQuestion* alias = q::QuestionOn(q::AliasPage);
    QString verdict = noFit;
    if (const fit::TOrbitSolution* one = OnePlanetFit())
        if (const fit::TOrbitSolution* two = TwoPlanetFit())
            verdict =
                (fit::MorePlanetsBelieved(*one, *two)
                     ? BookText("Teacher's guide", "yes (ΔBIC %1)", "a second planet is believed")
                     : BookText("Teacher's guide", "no (ΔBIC %1)", "no second planet is believed"))
                    .arg(FixedText(-fit::BicDrop(*one, *two), 1));
    const q::TAccepted mass = q::Accepted(q::MassPage, ownPeak_, 0.0, OnePlanetFit());
    const QString weighed =
        mass.valid ? BookText("Teacher's guide", "%1 ± %2, not nearer %3",
                              "an m sin i, its tolerance, and the m sin i without the star's "
                              "mass")
                         .arg(FixedText(mass.value, 3), FixedText(mass.tolerance, 3),
                              FixedText(mass.forgotten, 3))
                   : noFit;
    const auto row = [](const char* heading, const QString& answer) {
        return std::pair{BookText("Teacher's guide", heading).toStdString(), answer.toStdString()};
    };
    return {
        row(QT_TRANSLATE_NOOP("Teacher's guide", "peak (days)"),
            within(q::Accepted(q::PeakPage, ownPeak_, ownHalfWidth_days_, nullptr), 3)),
        row(QT_TRANSLATE_NOOP("Teacher's guide", "alias"),
            QString::fromStdString(q::ChoiceCaption(*alias, alias->right, ownPeak_.period_days))),
        row(QT_TRANSLATE_NOOP("Teacher's guide", "K (m/s)"),
            within(q::Accepted(q::FitPage, ownPeak_, 0.0, OnePlanetFit()), 1)),
        row(QT_TRANSLATE_NOOP("Teacher's guide", "m sin i (MJ)"), weighed),
        row(QT_TRANSLATE_NOOP("Teacher's guide", "second planet"), verdict),
    };
}

std::string TFindingPlanet::AcceptedAnswer() {
    const q::TQuestion* question = q::QuestionOn(Page);
    if (!question)
        return {};
    WaitForFits();
    const QString accepted = BookText("Teacher's guide", question->accepted);
    if (question->unit) {
        const QString inWords = QString::fromStdString(
            AcceptedInWords(q::Accepted(Page, ownPeak_, ownHalfWidth_days_, PageFit())));
        return (q::ShowsRealData(Page)
                    ? BookText("Teacher's guide", "%1. %2",
                               "what is accepted, and the accepted value in words")
                          .arg(accepted, inWords)
                    : BookText("Teacher's guide", "%1. For seed %2: %3",
                               "what is accepted, the student's seed, and the accepted value "
                               "in words")
                          .arg(accepted, QString::number(seed_), inWords))
            .toStdString();
    }
    if (RightChoice() < 0)
        return accepted.toStdString();
    const std::array<int, 3> order = q::ChoiceOrder(Page, seed_);
    const auto button = std::find(order.begin(), order.end(), RightChoice()) - order.begin();
    static const char* const onButton[] = {
        QT_TRANSLATE_NOOP("Teacher's guide", "%1. For seed %2: “%3”, the first button."),
        QT_TRANSLATE_NOOP("Teacher's guide", "%1. For seed %2: “%3”, the second button."),
        QT_TRANSLATE_NOOP("Teacher's guide", "%1. For seed %2: “%3”, the third button.")};
    QString answer = BookText("Teacher's guide", onButton[button])
                         .arg(accepted, QString::number(seed_),
                              QString::fromStdString(q::ChoiceCaption(*question, RightChoice(),
                                                                      ownPeak_.period_days)));
    // The orbits are the same for every student: the numbers the page shows.
    if (Page == q::EccentricityPage)
        if (const posterior::TPosteriorSummary* orbits = EccentricityOrbits()) {
            const posterior::TInterval& e = orbits->planets.front().ecc;
            answer += " " + BookText("Teacher's guide",
                                     "The orbits drawn (the sampler's seed %1): e from %2 to %3 "
                                     "(the middle 68 %), median %4; the fit's e %5.")
                                .arg(q::EccentricitySeed)
                                .arg(FixedText(e.low, 2), FixedText(e.high, 2),
                                     FixedText(e.median, 2),
                                     WithSigma(EccentricityFit()->planets.front().ecc));
        }
    return answer.toStdString();
}
