// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "observing/TObservingRunForm.h"

#include "Application.h"
#include "BookText.h"
#include "BookWording.h"
#include "DataFile.h"
#include "Printing.h"
#include "RegularFile.h"
#include "SavedFile.h"
#include "WindowPlace.h"
#include "forms/ObservingRunForm.h"
#include "model/observing/MysteryStars.h"
#include "model/fit/OrbitFit.h"
#include "model/observing/PhaseFold.h"
#include "model/text/NumberWriting.h"
#include "model/rv/RvBundle.h"
#include "observing/ObservingDrawing.h"
#include "observing/RunStatus.h"
#include "observing/TDataPlot.h"
#include "observing/TFitByHandPage.h"
#include "observing/TFoldPlot.h"
#include "observing/THowSureForm.h"
#include "observing/TImportDialog.h"
#include "observing/TOrbitFitPage.h"
#include "observing/TPeriodogramPlot.h"

#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QHideEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPrinter>
#include <QProgressBar>
#include <QPushButton>
#include <QShowEvent>
#include <QSlider>
#include <QSpinBox>
#include <QTabWidget>
#include <algorithm>
#include <cmath>
#include <random>
#include <span>

using namespace observing;

namespace {

// The fold slider runs logarithmically over its 1000 positions from the shortest period to
// the span of the measurements.
constexpr int SliderSteps = 1000;

} // namespace

TObservingRunForm::TObservingRunForm(QWidget* owner) : TForm(owner) {
    DefineObservingRunForm(*this);
    FitPage->SetShortestPeriod(ShortestBox->value());
    session_.OnProgress([this](double share) {
        Progress->setValue(int(std::lround(share * Progress->maximum())));
    });
    NewSeedButtonClick();
    DescribeRealData();
    ShowStatus();
    ShowPeak();
}

void TObservingRunForm::DescribeRealData() {
    std::string folder;
    try {
        folder = FindDataFile("rv");
    } catch (const EFOpenError&) {
        // Each entry then says its files are missing.
    }
    for (std::size_t k = 0; k < mnitRealData.size(); ++k) {
        const rvdata::TBundledStar& star = rvdata::BundledStars()[k];
        const rvdata::TRvDataSetReading reading =
            folder.empty() ? rvdata::TRvDataSetReading{} : rvdata::LoadBundledStar(folder, star.name);
        QString text = QString::fromStdString(star.name);
        if (!reading.ok) {
            mnitRealData[k]->setText(
                BookText("Observing run", "%1: its files are missing").arg(text));
            mnitRealData[k]->setEnabled(false);
            continue;
        }
        QStringList instruments, papers;
        for (const rvdata::TRvInstrument& instrument : reading.set.instruments)
            instruments << QString::fromStdString(instrument.name);
        // The authors and year, without the journal: "Butler et al. 2006".
        for (const std::string& paper : reading.set.Papers())
            papers << QString::fromStdString(paper.substr(0, paper.find(" (")));
        mnitRealData[k]->setText(BookText("Observing run", "%1: %2, %n measurements (%3)",
                                          "a star, its instruments, "
                                          "its measurements and their papers",
                                          int(reading.set.measurements.data.size()))
                                     .arg(text, instruments.join(", "), papers.join("; ")));
        if (const QString note = BookWording(star.note); !note.isEmpty()) {
            mnitRealData[k]->setToolTip(note);
            mnitRealData[k]->setStatusTip(note);
        }
    }
}

TObservingRunForm::~TObservingRunForm() {
    if (feed_)
        feed_->Detach(this);
}

void TObservingRunForm::Follow(TSimulationFeed* feed) {
    if (feed == feed_)
        return;
    if (feed_)
        feed_->Detach(this);
    feed_ = feed;
    if (feed_)
        feed_->Attach(this);
    runLengthChosen_ = false;
    FollowDefaultPlan();
    ShowStatus();
}

std::vector<kepler::TRadialVelocityElements> TObservingRunForm::ChapterPlanets() const {
    std::vector<kepler::TRadialVelocityElements> elements;
    if (!feed_)
        return elements;
    const TSystemElements system = feed_->SystemElements();
    for (const TPlanet& planet : system.planets)
        elements.push_back(kepler::ElementsOf(planet, system.starMass));
    return elements;
}

void TObservingRunForm::FollowDefaultPlan() {
    if (!feed_ || runLengthChosen_)
        return;
    settingPlan_ = true;
    RunLengthBox->setValue(DefaultPlan(ChapterPlanets()).runLength_days);
    settingPlan_ = false;
}

void TObservingRunForm::RunLengthBoxChange() {
    if (settingPlan_)
        return;
    runLengthChosen_ = true;
    ShowStatus();
}

void TObservingRunForm::SimulationClosed() {
    feed_ = nullptr;
    ShowStatus();
}

void TObservingRunForm::hideEvent(QHideEvent* e) {
    TForm::hideEvent(e);
    if (e->spontaneous())
        return; // minimised: the work goes on
    if (Working()) {
        session_.Stop();
        stoppedByClose_ = true;
        ShowPeak();
    }
    FitPage->Suspend();
}

void TObservingRunForm::showEvent(QShowEvent* e) {
    TForm::showEvent(e);
    if (e->spontaneous())
        return;
    FollowDefaultPlan();
    ShowStatus();
    if (stoppedByClose_) {
        stoppedByClose_ = false;
        StartPeriodogram();
    }
    FitPage->Resume();
}

void TObservingRunForm::PlaceBeside(const QWidget& other) { ::PlaceBeside(*this, other); }

TObservingPlan TObservingRunForm::Plan() const {
    TObservingPlan plan;
    plan.nights = NightsBox->value();
    plan.runLength_days = RunLengthBox->value();
    plan.precision_mps = PrecisionBox->value();
    plan.jitter_mps = JitterBox->value();
    plan.observableShare = ObservableBox->value() / 100.0;
    plan.weatherLoss = WeatherBox->value() / 100.0;
    plan.seed = SeedEdit->text().toULongLong();
    return plan;
}

void TObservingRunForm::ShowPlan(const TObservingPlan& plan) {
    NightsBox->setValue(plan.nights);
    RunLengthBox->setValue(plan.runLength_days);
    PrecisionBox->setValue(plan.precision_mps);
    JitterBox->setValue(plan.jitter_mps);
    ObservableBox->setValue(int(std::lround(plan.observableShare * 100.0)));
    WeatherBox->setValue(int(std::lround(plan.weatherLoss * 100.0)));
    SeedEdit->setText(QString::number(plan.seed));
}

void TObservingRunForm::ShowStatus() {
    QString text;
    if (!fault_.isEmpty())
        text = fault_;
    else if (!sourceText_.isEmpty()) {
        text = sourceText_;
        // The plan panel goes on showing the chapter's plan beside data it did not make.
        if (feed_ && (source_ == TSource::Imported || source_ == TSource::Published))
            text = BookText("Observing run",
                            "%1 (The plan on the left is for the chapter's star, not these data.)")
                       .arg(text);
        else if (feed_ && source_ == TSource::Mystery)
            text = BookText("Observing run", "%1 (The plan on the left is the one these data were "
                                             "made with; Observe uses it on the chapter's star.)")
                       .arg(text);
    }
    else if (feed_) {
        const std::vector<kepler::TRadialVelocityElements> planets = ChapterPlanets();
        text = planets.empty()
                   ? BookText("Observing run", "The open chapter's star has no planet in use: "
                                               "Observe measures a quiet star.")
                   : BookText("Observing run",
                              "Plan a run on the open chapter's star and press Observe.") +
                         CoverageNote(Plan(), planets);
    } else {
        text = BookText("Observing run", "No simulation chapter is open: import measurements "
                                         "or open a mystery star.");
    }
    StatusLabel->setText(text);
    StatusLabel->setStyleSheet(fault_.isEmpty() ? "color: rgb(0, 0, 157)" : "color: rgb(180, 0, 0)");
    ObserveButton->setEnabled(feed_ != nullptr);
    mnitExport->setEnabled(!set_.data.empty());
    mnitSaveRun->setEnabled(!set_.data.empty());
}

void TObservingRunForm::ObserveButtonClick() {
    if (!feed_)
        return;
    // The chapter's planets may have changed since the window last looked.
    FollowDefaultPlan();
    const TObservingPlan plan = Plan();
    const TSystemElements system = feed_->SystemElements();
    std::vector<kepler::TRadialVelocityElements> elements = ChapterPlanets();
    TMeasurementSet set;
    set.data = Observe(plan, elements);
    if (set.data.size() < MinCsvRows) {
        fault_ = BookText("Observing run",
                          "Only %n nights were clear: too few for a "
                          "periodogram. Ask for more nights, a longer run or "
                          "better weather.",
                          nullptr, int(set.data.size()));
        ShowStatus();
        return;
    }
    truth_ = std::move(elements);
    FitPage->SetStarMass(system.starMass);
    const QString status = ObservedStatus(set.data.size(), plan, truth_);
    ShowMeasurements(std::move(set), TSource::Observed, status);
}

void TObservingRunForm::NewSeedButtonClick() {
    // A fresh seed from the system; the seed is then shown and can be shared.
    std::random_device device;
    SeedEdit->setText(QString::number(device() % 1000000u));
}

void TObservingRunForm::OpenMystery(int k) {
    const TMysteryStar& star = MysteryStars()[std::size_t(k)];
    TMeasurementSet set;
    set.data = Observe(star);
    truth_.clear(); // the answers are on the teacher's sheet, not here
    // The student needs the star's mass to weigh its planets: it is told and goes into the
    // fit.
    FitPage->SetStarMass(star.starMass);
    // The plan shown is the one these measurements were made with, not the last run's.
    ShowPlan(star.plan);
    const QString status = MysteryStatus(star, set.data.size());
    ShowMeasurements(std::move(set), TSource::Mystery, status);
}

bool TObservingRunForm::ImportFile(const QString& path) {
    QString refusal;
    TCsvReading reading;
    try {
        reading = ReadMeasurementsCsv(
            ReadRegularFile(QFile::encodeName(path).toStdString(), MaxCsvBytes));
        if (!reading.ok)
            refusal = BookWording(reading.message);
    } catch (const EFOpenError& e) {
        // The system's cause continues the sentence: "…not read: permission denied."
        refusal = QString::fromStdString(e.Cause());
        refusal[0] = refusal[0].toLower();
    }
    if (!refusal.isEmpty()) {
        Refuse(BookText("Observing run", "The file was not read: %1").arg(refusal));
        return false;
    }
    truth_.clear();
    const QString status = BookText("Observing run", "Read %n measurements from %1.", nullptr,
                                    int(reading.set.data.size()))
                               .arg(QFileInfo(path).fileName());
    ShowMeasurements(std::move(reading.set), TSource::Imported, status);
    return true;
}

bool TObservingRunForm::ImportMeasurements(const std::string& csv, const QString& from) {
    TCsvReading reading = ReadMeasurementsCsv(csv);
    if (!reading.ok) {
        Refuse(BookText("Observing run", "The measurements of %1 were not read: %2")
                   .arg(from, BookWording(reading.message)));
        return false;
    }
    truth_.clear();
    const QString status = BookText("Observing run", "The %n measurements of %1.", nullptr,
                                    int(reading.set.data.size()))
                               .arg(from);
    ShowMeasurements(std::move(reading.set), TSource::Imported, status);
    return true;
}

void TObservingRunForm::Refuse(QString refusal) {
    // A refusal that ends in a question ("…separated by something else?") is a sentence too.
    if (!refusal.endsWith('.') && !refusal.endsWith('?'))
        refusal += '.';
    fault_ = set_.data.empty()
                 ? refusal
                 : BookText("Observing run", "%1 The measurements shown are kept.").arg(refusal);
    ShowStatus();
}

bool TObservingRunForm::ImportDataSet(std::span<const rvdata::TRvFile> files) {
    const rvdata::TRvDataSetReading reading = rvdata::ReadDataSet(files);
    if (!reading.ok) {
        Refuse(BookText("Observing run", "The measurements were not read: %1")
                   .arg(BookWording(reading.message)));
        return false;
    }
    truth_.clear();
    const int count = int(reading.set.measurements.data.size());
    const std::size_t instruments = reading.set.instruments.size();
    QString status;
    if (files.size() == 1) {
        const QString name = QString::fromStdString(files.front().name);
        status = instruments > 1
                     ? BookText("Observing run", "Read %n measurements of %1 instruments from %2.",
                                nullptr, count)
                           .arg(QString::number(instruments), name)
                     : BookText("Observing run", "Read %n measurements from %1.", nullptr, count)
                           .arg(name);
    } else {
        status =
            instruments > 1
                ? BookText("Observing run", "Read %n measurements of %1 instruments from %2 files.",
                           nullptr, count)
                      .arg(instruments)
                      .arg(files.size())
                : BookText("Observing run", "Read %n measurements from %1 files.", nullptr, count)
                      .arg(files.size());
    }
    for (const TWording& note : reading.set.notes)
        status += " " + BookWording(note);
    ShowMeasurements(reading.set.measurements, TSource::Imported, status, &reading.set);
    return true;
}

std::optional<rvdata::TRvDataSet> TObservingRunForm::PublishedSet(const QString& star) {
    try {
        rvdata::TRvDataSetReading reading =
            rvdata::LoadBundledStar(FindDataFile("rv"), star.toStdString());
        if (reading.ok)
            return std::move(reading.set);
    } catch (const EFOpenError&) {
    }
    return std::nullopt;
}

bool TObservingRunForm::OpenRealData(const std::string& star) {
    rvdata::TRvDataSetReading reading;
    try {
        reading = rvdata::LoadBundledStar(FindDataFile("rv"), star);
    } catch (const EFOpenError& e) {
        reading.message = Verbatim(e.Cause());
    }
    if (!reading.ok) {
        Refuse(BookText("Observing run", "The published measurements of %1 were not read: %2")
                   .arg(QString::fromStdString(star), BookWording(reading.message)));
        return false;
    }
    truth_.clear();
    if (reading.set.starMass_Solar > 0.0)
        FitPage->SetStarMass(reading.set.starMass_Solar);
    const QString status = PublishedStatus(reading.set.star, reading.set.measurements);
    ShowMeasurements(reading.set.measurements, TSource::Published, status, &reading.set);
    realStar_ = star;
    mnitOnCard->setEnabled(true);
    return true;
}

bool TObservingRunForm::ExportFile(const QString& path) {
    QString comment;
    switch (source_) {
    case TSource::Observed:
        comment = QString::fromStdString(DescribePlan(Plan()).English());
        break;
    case TSource::Mystery:
        comment = sourceText_.section(':', 0, 0);
        break;
    default:
        comment = "Measurements: " + sourceText_;
    }
    if (source_ == TSource::Published && !SourceLabel->text().isEmpty())
        comment += " " + SourceLabel->text();
    const std::string text = WriteMeasurementsCsv(set_.data, set_.timeOffset_days,
                                                  comment.toStdString(), set_.instruments);
    if (const QString cause = SaveWholeFile(path, text); !cause.isEmpty()) {
        fault_ = BookText("Observing run", "The measurements were not written: %1.").arg(cause);
        ShowStatus();
        return false;
    }
    // An earlier failure no longer describes the window.
    fault_.clear();
    ShowStatus();
    return true;
}

void TObservingRunForm::ShowMeasurements(TMeasurementSet set, TSource source,
                                         const QString& status,
                                         const rvdata::TRvDataSet* published) {
    keptFold_.reset();
    set_ = std::move(set);
    view_ = set_;
    view_.data = rvdata::OnCommonZeroPoint(set_.data);
    const bool several = fit::InstrumentCount(set_.data) > 1;
    const QString title = several ? BookText("Observing run", "v less each instrument's mean (m/s)")
                                  : BookText("Observing run", "radial velocity (m/s)");
    DataPlot->SetVelocityTitle(title);
    FoldPlot->SetVelocityTitle(title);
    source_ = source;
    sourceText_ = status;
    realStar_.clear();
    mnitOnCard->setEnabled(false);
    std::vector<std::string> papers;
    if (published)
        papers = published->Papers();
    QStringList cited;
    for (const std::string& paper : papers)
        cited << QString::fromStdString(paper);
    SourceLabel->setText(cited.isEmpty() ? QString()
                                         : BookText("Observing run", "Data: %1.",
                                                    "the papers of the published "
                                                    "measurements")
                                               .arg(cited.join("; ")));
    SourceLabel->setVisible(!cited.isEmpty());
    HintLabel->setVisible(cited.isEmpty());
    fault_.clear();
    TruthBox->setEnabled(!truth_.empty());
    if (truth_.empty())
        TruthBox->setChecked(false);
    ShowStatus();
    DataPlot->SetMeasurements(view_);
    TruthBoxClick();
    FoldPlot->SetMeasurements(view_);
    ByHandPage->SetMeasurements(view_);
    // Measured velocities are weighed in the IAU's astronomical unit, simulated ones in the
    // simulation's own.
    const bool measured = source == TSource::Imported || source == TSource::Published;
    FitPage->SetMeasurements(set_, truth_,
                             measured ? fit::TAstronomicalUnit::Iau
                                      : fit::TAstronomicalUnit::Simulation);
    FitPage->SetSource(published ? published->star : std::string(), papers);
    StartPeriodogram();
}

const TPeriodogram* TObservingRunForm::Periodogram() const { return PeriodogramPlot->Periodogram(); }

bool TObservingRunForm::Working() const {
    return session_.State() == TObservingSession::TState::Working;
}

void TObservingRunForm::StartPeriodogram() {
    stoppedByClose_ = false;
    PeriodogramPlot->ClearPeriodogram();
    session_.Observe(view_.data, ShortestBox->value());
    ShowPeak();
}

void TObservingRunForm::PeriodogramEnded() {
    if (const TPeriodogram* pg = session_.Periodogram()) {
        PeriodogramPlot->SetPeriodogram(*pg);
        SetFoldPeriod(keptFold_.value_or(pg->peak.period_days));
        keptFold_.reset();
    }
    ShowPeak();
}

void TObservingRunForm::WaitForPeriodogram() { session_.Wait(); }

void TObservingRunForm::ShowPeak() {
    const bool working = Working();
    const bool enough = set_.data.size() >= MinCsvRows;
    // Measurements all taken at one time span no period: there is nothing to search.
    const bool oneTime = enough && !(Span(set_.data) > 0.0);
    const TPeriodogram* pg = Periodogram();
    Progress->setVisible(working);
    CancelButton->setEnabled(working);
    ComputeButton->setEnabled(!working && enough && !oneTime);
    UsePeakButton->setEnabled(pg != nullptr);
    QString text, message;
    if (working) {
        text = message = BookText("Observing run", "Working out the periodogram…");
    } else if (session_.State() == TObservingSession::TState::Failed) {
        text = BookText("Observing run", "The periodogram could not be worked out: %1.")
                   .arg(session_.Failure());
        message = BookText("Observing run", "The periodogram could not be worked out.");
    } else if (session_.State() == TObservingSession::TState::Cancelled) {
        text = BookText("Observing run", "Cancelled.");
        message = BookText("Observing run",
                           "The periodogram was cancelled. Press Work out to start it again.");
    } else if (pg) {
        text = BookText("Observing run", "Highest peak: %1; false-alarm probability %2.")
                   .arg(observingdrawing::PeakText(pg->peak),
                        BookWording(ProbabilityText(pg->falseAlarm)));
    } else if (oneTime) {
        text = BookText("Observing run", "No periodogram: every measurement was taken at the same "
                                         "time, so there is no time span in which to look for a "
                                         "period.");
    } else {
        text = BookText("Observing run", "No periodogram yet.");
    }
    PeakLabel->setText(text);
    PeakLabel->setAccessibleName(text);
    PeriodogramPlot->SetMessage(message);
    ShowFold();
}

void TObservingRunForm::ShowFold() {
    const double span = std::max(Span(set_.data), 2.0 * ShortestBox->value());
    settingPeriod_ = true;
    PeriodBox->setMaximum(std::max(span, PeriodBox->minimum() * 2));
    const double lo = ShortestBox->value(), hi = PeriodBox->maximum();
    const double ratio = std::log(PeriodBox->value() / lo) / std::log(hi / lo);
    PeriodSlider->setValue(int(std::lround(std::clamp(ratio, 0.0, 1.0) * SliderSteps)));
    settingPeriod_ = false;
    FoldPlot->SetPeriod(PeriodBox->value());
}

void TObservingRunForm::SetFoldPeriod(double period_days) {
    settingPeriod_ = true;
    PeriodBox->setMaximum(std::max({PeriodBox->maximum(), period_days, Span(set_.data)}));
    PeriodBox->setValue(period_days);
    settingPeriod_ = false;
    ShowFold();
}

void TObservingRunForm::TruthBoxClick() {
    DataPlot->SetCurve(TruthBox->isChecked() ? truth_
                                             : std::vector<kepler::TRadialVelocityElements>{});
}

void TObservingRunForm::WindowBoxClick() { PeriodogramPlot->SetShowWindow(WindowBox->isChecked()); }

void TObservingRunForm::ShortestBoxChange() {
    PeriodBox->setMinimum(ShortestBox->value() / 2);
    FitPage->SetShortestPeriod(ShortestBox->value());
    StartPeriodogram();
}

void TObservingRunForm::ComputeButtonClick() { StartPeriodogram(); }

void TObservingRunForm::CancelButtonClick() { session_.Cancel(); }

void TObservingRunForm::PeriodSliderChange() {
    if (settingPeriod_)
        return;
    const double lo = ShortestBox->value(), hi = PeriodBox->maximum();
    const double period = lo * std::pow(hi / lo, double(PeriodSlider->value()) / SliderSteps);
    settingPeriod_ = true;
    PeriodBox->setValue(period);
    settingPeriod_ = false;
    FoldPlot->SetPeriod(PeriodBox->value());
}

void TObservingRunForm::PeriodBoxChange() {
    if (!settingPeriod_)
        ShowFold();
}

void TObservingRunForm::UsePeakButtonClick() {
    if (const TPeriodogram* pg = Periodogram())
        SetFoldPeriod(pg->peak.period_days);
}

void TObservingRunForm::mnitImportClick() {
    const QStringList paths = QFileDialog::getOpenFileNames(
        this, BookText("Observing run", "Import measurements: one file, or one per instrument"),
        QString(),
        BookText("Observing run",
                 "Measurements (*.csv *.tsv *.txt *.dat *.vels *.rdb);;All files (*)"));
    if (paths.isEmpty())
        return;
    std::vector<rvdata::TRvFile> files;
    for (const QString& path : paths) {
        rvdata::TRvFile file;
        file.name = QFileInfo(path).fileName().toStdString();
        try {
            file.text = ReadRegularFile(QFile::encodeName(path).toStdString(), MaxCsvBytes);
        } catch (const EFOpenError& e) {
            QString cause = QString::fromStdString(e.Cause());
            cause[0] = cause[0].toLower();
            Refuse(BookText("Observing run", "The file was not read: %1").arg(cause));
            return;
        }
        files.push_back(std::move(file));
    }
    std::unique_ptr<TImportDialog, void (*)(TForm*)> dialog(new TImportDialog(this), TForm::Free);
    dialog->SetFiles(std::move(files));
    if (Application::ShowModal(*dialog) == mrOk)
        ImportDataSet(dialog->Files());
}

void TObservingRunForm::FileMenuShow() {
    const bool fitted = FitPage->Solution() != nullptr;
    mnitSaveFit->setEnabled(fitted);
    mnitSaveResiduals->setEnabled(fitted);
    mnitHowSure->setEnabled(fitted && !FitPage->Working());
}

void TObservingRunForm::mnitHowSureClick() {
    const fit::TOrbitSolution* solution = FitPage->Solution();
    if (!solution || FitPage->Working())
        return;
    if (!HowSureForm)
        HowSureForm = new THowSureForm(this);
    // The draws go with the fit they were made around, if it is still the one shown.
    HowSureForm->Sample(set_.data, *solution, FitPage->Settings(), set_.instruments,
                        [page = FitPage, fit = FitPage->FitNumber()](
                            const posterior::TPosteriorSummary& drawn) { page->SetPosterior(fit, drawn); });
    HowSureForm->show();
    HowSureForm->raise();
}

void TObservingRunForm::mnitSaveFitClick() {
    if (!FitPage->Solution())
        return;
    const QString path =
        QFileDialog::getSaveFileName(this, BookText("Observing run", "Save the fit"), "fit.csv",
                                     BookText("Observing run", "CSV files (*.csv)"));
    if (!path.isEmpty())
        FitPage->SaveFit(path);
}

void TObservingRunForm::mnitSaveResidualsClick() {
    if (!FitPage->Solution())
        return;
    const QString path = QFileDialog::getSaveFileName(
        this, BookText("Observing run", "Save the residuals"), "residuals.csv",
        BookText("Observing run", "CSV files (*.csv)"));
    if (!path.isEmpty())
        FitPage->SaveResiduals(path);
}

void TObservingRunForm::mnitOnCardClick() {
    if (!realStar_.empty() && OnShowOnCard)
        OnShowOnCard(realStar_);
}

void TObservingRunForm::mnitExportClick() {
    const QString path = QFileDialog::getSaveFileName(
        this, BookText("Observing run", "Export measurements"), "measurements.csv",
        BookText("Observing run", "CSV files (*.csv)"));
    if (!path.isEmpty())
        ExportFile(path);
}

QPrinter& TObservingRunForm::Printer() {
    if (!printer_)
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *printer_;
}

void TObservingRunForm::PrintTo(QPrinter& printer) {
    PrintWhole(printer, [&] {
        QPainter p;
        if (!p.begin(&printer))
            throw std::runtime_error(
                BookText("Observing run", "Printing failed: the printer cannot be opened.")
                    .toStdString());
        // The page laid out in the window's own pixels, scaled to the paper.
        const QRectF page = printer.pageLayout().paintRectPixels(printer.resolution());
        const double width = 720.0;
        const double scale = page.width() / width;
        const double height = page.height() / scale;
        p.scale(scale, scale);
        QFont title("Arial");
        title.setPixelSize(16);
        title.setBold(true);
        p.setFont(title);
        p.drawText(QRectF(0, 0, width, 24), BookText("Observing run", "Observing run"));
        QFont body("Arial");
        body.setPixelSize(11);
        p.setFont(body);
        p.drawText(QRectF(0, 24, width, 32), Qt::TextWordWrap,
                   StatusLabel->text() + "  " + PeakLabel->text() + "  " + SourceLabel->text());
        const double plotHeight = (height - 64) / 3;
        const TObservingPlot* plots[] = {DataPlot, PeriodogramPlot, FoldPlot};
        for (int i = 0; i < 3; ++i)
            plots[i]->DrawInto(p, QRectF(0, 60 + i * plotHeight, width, plotHeight - 6));
        if (FitPage->Solution()) {
            if (!printer.newPage())
                throw std::runtime_error(
                    BookText("Observing run", "Printing failed: the printer took no further page.")
                        .toStdString());
            FitPage->DrawPrintout(p, QRectF(0, 0, width, height));
        }
        if (!p.end())
            throw std::runtime_error(BookText("Observing run", "Printing failed.").toStdString());
    });
}

void TObservingRunForm::mnitPrintClick() {
    TPrintOptions options; // the window's plots are already drawn on white
    if (!ExecutePrintDialog(Printer(), options))
        return;
    try {
        PrintTo(Printer());
    } catch (const std::exception& e) {
        Application::ShowException(e);
    }
}

