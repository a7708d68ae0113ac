// SPDX-License-Identifier: GPL-3.0-or-later AND CC-BY-SA-4.0
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// Chapter 6, "Finding a planet": thirteen pages on which the student observes a star whose
// planet the book keeps hidden (chosen by a seed shown beside the measurements), finds its
// period with a periodogram, meets false alarms and daily aliases, folds the measurements,
// fits the orbit by hand and by the book, weighs the planet, asks whether a second one is
// there, and then does the same with the published velocities of 51 Pegasi from two
// instruments; last, how sure a weak planet's eccentricity is, from the orbits a star's
// measurements allow. Beside the text, where the other chapters have the simulation, the
// observing run's plots: the measurements, the periodogram, the fold, the fit by hand, the fit
// and the residuals, unlocked page by page. Every answer that depends on the data is judged against
// the numbers the plots and labels show. The fits, each instrument's jitter fitted, run in
// the background as soon as the measurements are made or the published ones read; the orbits
// of the page on the eccentricity are drawn when it is first shown.

#include "book/TThisChapter.h"
#include "model/observing/HiddenSystems.h"
#include "model/fit/OrbitFit.h"
#include "model/posterior/OrbitPosterior.h"
#include "model/observing/Periodogram.h"
#include "model/rv/RvDataSet.h"
#include "observing/ObservingSession.h"

#include <array>
#include <memory>
#include <string>
#include <vector>

namespace findingplanet {
struct TAccepted;
}

class QCheckBox;
class QDoubleSpinBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QTabWidget;
class TDataPlot;
class TFitByHandPage;
class TFitPlot;
class TFoldPlot;
class TKeyEdit;
class TPeriodogramPlot;
class TPosteriorHistogram;
class TResidualPlot;

class TFindingPlanet : public TThisChapter {
public:
    explicit TFindingPlanet(TCustomBook* owner);
    ~TFindingPlanet() override;

    // The views beside the text.
    QTabWidget* Views = nullptr;
    TDataPlot* DataPlot = nullptr;
    // The published measurements, an instrument a plot, in place of DataPlot on the pages
    // of real data.
    std::array<TDataPlot*, 2> InstrumentPlots{};
    QLabel* RunLabel = nullptr;
    QLabel* SeedCaption = nullptr;
    QLineEdit* SeedEdit = nullptr;
    QPushButton* ObserveButton = nullptr;
    QPushButton* FewerNightsButton = nullptr;
    QPushButton* MoreNoiseButton = nullptr;
    QPushButton* OwnRunButton = nullptr;
    TPeriodogramPlot* PeriodogramPlot = nullptr;
    QCheckBox* WindowBox = nullptr;
    QLabel* PeakLabel = nullptr;
    TFoldPlot* FoldPlot = nullptr;
    QDoubleSpinBox* FoldPeriodBox = nullptr;
    QPushButton* FoldPeakButton = nullptr;
    QPushButton* FoldWrongButton = nullptr;
    TFitByHandPage* ByHandPage = nullptr;
    TFitPlot* FitPlot = nullptr;
    TResidualPlot* ResidualPlot = nullptr;
    QLabel* FitLabel = nullptr;
    TPeriodogramPlot* ResidualPeriodogramPlot = nullptr;
    QLabel* ResidualLabel = nullptr;
    // The page on the eccentricity shows, in place of the views, its own star: the fit, the
    // histogram of the orbits' e and what they say.
    QWidget* EccentricityPanel = nullptr;
    TFitPlot* EccentricityFitPlot = nullptr;
    TPosteriorHistogram* EccentricityPlot = nullptr;
    QProgressBar* EccentricityProgress = nullptr;
    QLabel* EccentricityLabel = nullptr;

    // The question parts.
    std::unique_ptr<TImageList> ChoiceFaces;
    std::array<oBitBtn*, 3> Choices{};
    TKeyEdit* AnswerEdit = nullptr;
    QLabel* UnitLabel = nullptr;
    oBitBtn* DoneButton = nullptr;

    void ShowPage() override;
    void WritePageText() override;
    bool IsAnswerCorrect() override;
    void WriteHint() override;
    void WriteConclusion() override;
    void WriteTeacherNotes(TRichEditControl& t) override;
    std::string AcceptedAnswer() override;
    std::string GivenAnswer() const override;
    const char* MissingAnswer() const override;
    // The student's own run, the hidden planets unsaid.
    std::string MeasurementsCsv() const override;
    std::vector<std::pair<std::string, std::string>> ClassAnswers() override;
    std::uint64_t DataSeed() const override;
    std::uint64_t ChapterSeed() const override { return seed_; }
    void UseChapterSeed(std::uint64_t seed) override;

    // The seed of the run shown, 1 to observing::MaxHiddenSeed.
    std::uint64_t Seed() const { return seed_; }
    // The run shown and its periodogram.
    const std::vector<observing::TMeasurement>& Data() const { return session_.Data(); }
    const observing::TPeriodogram& Periodogram() const;
    // The fits of the student's own run: one planet, and two planets; none while they are
    // being worked out.
    const fit::TOrbitSolution* OnePlanetFit() const;
    const fit::TOrbitSolution* TwoPlanetFit() const;
    // The published measurements of 51 Peg once read (empty name while not), why they could
    // not be, and the fit of one planet to them; none while it is being worked out.
    const rvdata::TRvDataSet& RealData() const { return real_; }
    const std::string& RealDataFault() const { return realFault_; }
    const fit::TOrbitSolution* RealFit() const;
    // The fit of the page on the eccentricity and the orbits drawn about it; none while they
    // are being worked out or when they could not be.
    const fit::TOrbitSolution* EccentricityFit() const;
    const posterior::TPosteriorSummary* EccentricityOrbits() const;
    // Waits for the fits in progress (for tests, the gallery and the teacher's guide).
    void WaitForFits();

    // Handlers.
    void ObserveButtonClick();
    void FewerNightsButtonClick();
    void MoreNoiseButtonClick();
    void OwnRunButtonClick();
    void WindowBoxClick();
    void FoldPeriodBoxChange();
    void FoldPeakButtonClick();
    void FoldWrongButtonClick();
    void ChoiceClick(oBitBtn* sender);
    void DoneButtonClick();
    void AnswerEditKeyPress(char& key);

private:
    struct TRealJob;
    struct TEccentricityJob;

    void Observe(std::uint64_t seed, observing::THiddenRunChoice choice);
    void ObserveRun();
    void StartFits();
    void FitsDone();
    void ShowRun();
    void ShowPeriodogram();
    void ShowFold(double period_days);
    void ShowFit();
    void ShowResiduals();
    void ShowRealData();
    void ShowRealPeriodogram();
    void ShowRealFit();
    void StartRealFit();
    void RealFitDone();
    void StartEccentricityRun();
    void ShowEccentricity();
    // The highest peak of what the page shows: the student's own run or, once worked out,
    // the published data.
    const observing::TPeak& ShownPeak() const;
    // The one-planet fit of what the page shows.
    const fit::TOrbitSolution* PageFit() const;
    // Why that fit could not be made (NoFitText), once its work has ended without one; empty
    // otherwise.
    QString PageFitFailure() const;
    QString NoRealFitText() const;
    // The search of the published data once it has ended, or null.
    const fit::TFitResult* EndedRealFit() const;
    // Whether the student's own run is believed to have a second planet (Bic.h).
    bool SecondBelieved() const;
    // The fits of the student's own run, kept by the session whatever run the page shows.
    TSessionFits& Fits() { return session_.Fits(); }
    const TSessionFits& Fits() const { return session_.Fits(); }
    // The accepted answer of a question on the fit in words, or why there is none.
    std::string AcceptedInWords(const findingplanet::TAccepted& accepted) const;
    void SetQuestion();
    void EnableAnswers();
    int RightChoice() const;
    int ChosenChoice() const;
    bool ReadNumber(double& value) const;

    std::uint64_t seed_ = 1;
    observing::THiddenRunChoice choice_;
    TObservingSession session_{this, {}};
    // The peak of the student's own run, which the later pages ask about.
    observing::TPeak ownPeak_;
    double ownHalfWidth_days_ = 0.0;
    bool observed_ = false;
    rvdata::TRvDataSet real_;
    std::string realFault_;
    TSessionWork<TRealJob> realFits_{this};
    TSessionWork<TEccentricityJob> eccentricity_{this};
    // Whether the views last showed the published data, so that the fold follows a change.
    bool realShown_ = false;
    // The translated text MissingAnswer last gave, which its caller reads as UTF-8.
    mutable std::string missingText_;
};
