// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// The modeless window "Observing run": it measures the star of the open simulation chapter as
// a planet hunter would, on a few dozen clear nights with noise, and finds the period with a
// periodogram checked by folding the measurements on a trial period. It reads the chapter's
// star and planets through the chapter's TSimulationFeed at the moment it observes; without a
// chapter it works on imported measurements (one file or several, through the import
// dialog), the published data sets that come with the book and the mystery stars. Data of
// several instruments are shown, folded and searched with each instrument's weighted mean
// taken off; the fit gives each its own offset. A published data set's papers are named
// wherever it is shown. A periodogram that would
// take long is worked out on a thread of its own (TBackgroundWork), with progress shown and a
// Cancel button; the window's plots are the observing run's plot widgets.

#include "TBackgroundWork.h"
#include "TForm.h"
#include "model/orbit/Kepler.h"
#include "model/observing/MeasurementsCsv.h"
#include "model/observing/Periodogram.h"
#include "model/rv/RvDataSet.h"
#include "observing/RunState.h"
#include "observing/ObservingSession.h"
#include "simulation/SimulationFeed.h"

#include <QString>
#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

class QAction;
class QCheckBox;
class QDoubleSpinBox;
class QLabel;
class QLineEdit;
class QMenuBar;
class QPrinter;
class QProgressBar;
class QPushButton;
class QSlider;
class THowSureForm;
class QSpinBox;
class QTabWidget;
class TDataPlot;
class TFitByHandPage;
class TFoldPlot;
class TOrbitFitPage;
class TPeriodogramPlot;

class TObservingRunForm : public TForm, public TSimulationListener {
public:
    explicit TObservingRunForm(QWidget* owner = nullptr);
    ~TObservingRunForm() override;

    QMenuBar* MenuBar = nullptr;
    QAction* mnitImport = nullptr;
    QAction* mnitExport = nullptr;
    QAction* mnitSaveFit = nullptr;
    QAction* mnitSaveResiduals = nullptr;
    QAction* mnitHowSure = nullptr;   // the orbits the measurements allow around the fit
    // One a bundled star, in the card's order, each naming its instruments, measurements and
    // papers.
    std::vector<QAction*> mnitRealData;
    QAction* mnitOnCard = nullptr;
    QAction* mnitSaveRun = nullptr;
    QAction* mnitOpenRun = nullptr;
    std::array<QAction*, 3> mnitMystery{};
    QAction* mnitPrint = nullptr;
    QAction* mnitClose = nullptr;
    QLabel* StatusLabel = nullptr;
    QLabel* HintLabel = nullptr;   // how a run is planned
    QLabel* SourceLabel = nullptr; // in its place: the papers of the published data shown
    QSpinBox* NightsBox = nullptr;
    QDoubleSpinBox* RunLengthBox = nullptr;
    QDoubleSpinBox* PrecisionBox = nullptr;
    QDoubleSpinBox* JitterBox = nullptr;
    QSpinBox* ObservableBox = nullptr; // per cent of the year
    QSpinBox* WeatherBox = nullptr;    // per cent of the nights
    QLineEdit* SeedEdit = nullptr;
    QPushButton* NewSeedButton = nullptr;
    QPushButton* ObserveButton = nullptr;
    QTabWidget* Tabs = nullptr;
    TDataPlot* DataPlot = nullptr;
    QCheckBox* TruthBox = nullptr;
    TPeriodogramPlot* PeriodogramPlot = nullptr;
    QDoubleSpinBox* ShortestBox = nullptr;
    QCheckBox* WindowBox = nullptr;
    QLabel* PeakLabel = nullptr;
    QProgressBar* Progress = nullptr;
    QPushButton* ComputeButton = nullptr;
    QPushButton* CancelButton = nullptr;
    TFoldPlot* FoldPlot = nullptr;
    QSlider* PeriodSlider = nullptr;
    QDoubleSpinBox* PeriodBox = nullptr;
    QPushButton* UsePeakButton = nullptr;
    TFitByHandPage* ByHandPage = nullptr;
    TOrbitFitPage* FitPage = nullptr;
    THowSureForm* HowSureForm = nullptr; // made when first asked for
    QPushButton* CloseButton = nullptr;

    // Follows `feed` from now on (nullptr: none).
    void Follow(TSimulationFeed* feed);
    TSimulationFeed* Followed() const { return feed_; }
    void PlaceBeside(const QWidget& other);

    // The plan the controls show.
    observing::TObservingPlan Plan() const;
    // Sets the plan's controls to `plan`, as Plan() would read it back.
    void ShowPlan(const observing::TObservingPlan& plan);
    const observing::TMeasurementSet& Measurements() const { return set_; }
    // The periodogram of the measurements shown, or none while it is being worked out.
    const observing::TPeriodogram* Periodogram() const;
    bool Working() const;
    // Reads a file of measurements; a refused file leaves everything shown as it was and says
    // why in the status line. Returns whether the file was read.
    bool ImportFile(const QString& path);
    // Takes the measurements of a CSV text the book made (a chapter's own run), named `from`
    // in the status line, as an import of them; returns whether they were read.
    bool ImportMeasurements(const std::string& csv, const QString& from);
    // Reads one file or several (one per instrument) as the import dialog chose their
    // columns and units; a refused set leaves everything shown as it was and says why, with
    // the file and the line, in the status line. Returns whether the set was read.
    bool ImportDataSet(std::span<const rvdata::TRvFile> files);
    // Opens the published data set of a star on the card ("51 Peg"); false, saying why in
    // the status line, when its files cannot be read.
    bool OpenRealData(const std::string& star);
    // The bundled star shown, or an empty text.
    const std::string& RealDataStar() const { return realStar_; }
    // Asked to show a star on the card of real systems (set by the book).
    std::function<void(const std::string& star)> OnShowOnCard;
    // Writes the measurements; returns whether it worked, saying why not in the status line.
    bool ExportFile(const QString& path);
    // The run as it stands, to keep.
    TRunState SavedRun() const;
    // Why `state` cannot go into this window (a value outside its control's range), or an
    // empty text.
    QString RunRefusal(const TRunState& state) const;
    // The book's own published data set of a bundled star, none when it cannot be read.
    static std::optional<rvdata::TRvDataSet> PublishedSet(const QString& star);
    // Shows a run kept earlier in place of the one shown; RunRefusal must have accepted it.
    void RestoreRun(const TRunState& state);
    // Writes the run as a work file; returns whether it worked, saying why not in the status
    // line.
    bool SaveRunFile(const QString& path);
    // Reads a work file's run; a refused file leaves the run shown as it was and says why in
    // the status line. Returns whether the run was taken.
    bool OpenRunFile(const QString& path);
    // Shows mystery star k (0 to 2).
    void OpenMystery(int k);
    // Waits for a periodogram being worked out (for tests and pictures).
    void WaitForPeriodogram();
    // Draws the window's three pictures and its settings onto a printer's page, as they are:
    // a periodogram still being worked out is printed as such, never waited for. When a fit
    // is shown, a second page carries the Fit page's results, its curve and its residuals.
    void PrintTo(QPrinter& printer);

    void SimulationTick(double, double) override {}
    void SimulationRunning(bool) override {}
    void SimulationClosed() override;

protected:
    // Closing the window stops its work, so no result is written into it while it is closed;
    // the periodogram is worked out again when it opens.
    void hideEvent(QHideEvent* e) override;
    void showEvent(QShowEvent* e) override;

public:
    // The run's measurements, their periodogram and their fits.
    TObservingSession& Session() { return session_; }

    // Handlers.
    void ObserveButtonClick();
    void NewSeedButtonClick();
    void TruthBoxClick();
    void WindowBoxClick();
    void RunLengthBoxChange();
    void ShortestBoxChange();
    void ComputeButtonClick();
    void CancelButtonClick();
    void PeriodSliderChange();
    void PeriodBoxChange();
    void UsePeakButtonClick();
    void mnitImportClick();
    void mnitOnCardClick();
    void mnitSaveFitClick();
    void mnitHowSureClick();
    void mnitSaveResidualsClick();
    void FileMenuShow();
    void mnitExportClick();
    void mnitPrintClick();
    void mnitSaveRunClick();
    void mnitOpenRunClick();

private:
    enum class TSource { None, Observed, Imported, Mystery, Published };

    void ShowStatus();
    void DescribeRealData();
    // The chapter's planets as they are set now, none without a chapter.
    std::vector<kepler::TRadialVelocityElements> ChapterPlanets() const;
    // Sets the run length to the default plan's for the chapter's planets, unless the student
    // has chosen one for this chapter.
    void FollowDefaultPlan();
    void ShowMeasurements(observing::TMeasurementSet set, TSource source, const QString& status,
                          const rvdata::TRvDataSet* published = nullptr);
    void Refuse(QString refusal);
    void StartPeriodogram();
    void PeriodogramEnded();
    void ShowPeak();
    void ShowFold();
    void SetFoldPeriod(double period_days);
    void ShowRefusal(const QString& refusal);
    QPrinter& Printer();

    TSimulationFeed* feed_ = nullptr;
    observing::TMeasurementSet set_;
    // set_ on one zero point: what the data, periodogram, fold and fit by hand show.
    observing::TMeasurementSet view_;
    std::string realStar_;
    std::vector<kepler::TRadialVelocityElements> truth_;
    TSource source_ = TSource::None;
    QString sourceText_;
    QString fault_; // the last refusal, shown until the next change
    bool stoppedByClose_ = false;
    // The measurements on one zero point and their periodogram; before the controls, whose
    // first values may already start one.
    TObservingSession session_{this, [this] { PeriodogramEnded(); }};
    bool settingPeriod_ = false;
    // The fold period of a run taken from a file: the periodogram's end keeps it rather than
    // moving to the peak.
    std::optional<double> keptFold_;
    bool settingPlan_ = false;
    bool runLengthChosen_ = false; // the student has set the run length for this chapter
    std::unique_ptr<QPrinter> printer_;
};
