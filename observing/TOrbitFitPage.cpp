// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "observing/TOrbitFitPage.h"

#include "model/FitText.h"
#include "model/PlanetMass.h"
#include "model/SimulatedMass.h"
#include "model/PlanetSearch.h"
#include "model/planet.h"
#include "observing/TFitPlot.h"
#include "observing/TPeriodogramPlot.h"
#include "observing/TResidualPlot.h"

#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>
#include <cmath>
#include <numbers>

using namespace observing;

namespace {

constexpr double Degrees = 180.0 / std::numbers::pi;

QFont Arial(int pixels, bool bold = false) {
    QFont font("Arial");
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

QPushButton* Button(QWidget& parent, QRect place, const char* text, const char* name) {
    auto* b = new QPushButton(QString::fromUtf8(text), &parent);
    b->setGeometry(place);
    b->setFont(Arial(13));
    b->setAccessibleName(QString::fromUtf8(name));
    return b;
}

fit::TEstimate InDegrees(const fit::TEstimate& x) { return {x.value * Degrees, x.sigma * Degrees}; }

QString Text(const std::string& text) { return QString::fromStdString(text); }

// The fitted planets' letters, in the order of their periods: b for the shortest.
std::vector<QString> Letters(const fit::TOrbitSolution& solution) {
    std::vector<QString> letters(solution.planets.size());
    for (std::size_t j = 0; j < letters.size(); ++j) {
        int shorter = 0;
        for (const fit::TFittedPlanet& other : solution.planets)
            shorter += other.period_days.value < solution.planets[j].period_days.value;
        letters[j] = QString(QChar('b' + shorter));
    }
    return letters;
}

} // namespace

struct TOrbitFitPage::TJob {
    TWork work = TWork::Periodogram;
    std::vector<TMeasurement> data;
    std::vector<kepler::TRadialVelocityElements> known;
    fit::TFitSettings settings;
    double shortestPeriod_days = 1.0;
    fit::TFitResult result;
    TPeriodogram residualPeriodogram;
    bool hasPeriodogram = false;

    void Run(TBackgroundWork::TControl& run) {
        const TWorkControl control = run.Work();
        std::vector<kepler::TRadialVelocityElements> planets = known;
        if (work == TWork::NextPlanet)
            result = fit::FitNextPlanet(data, known, shortestPeriod_days, settings, control).fit;
        else if (work == TWork::Refit || work == TWork::FromHand)
            result = fit::FitFrom(data, known, settings, control);
        if (work != TWork::Periodogram) {
            if (result.outcome != fit::TFitOutcome::Done)
                return;
            planets.clear();
            for (const fit::TFittedPlanet& p : result.solution.planets)
                planets.push_back(p.elements);
        }
        // What is left for the next planet: the residuals' periodogram, whose short work
        // leaves the fit's progress shown.
        const double span = Span(data);
        if (!(span > 0.0))
            return;
        hasPeriodogram = Compute(fit::ResidualMeasurements(data, planets),
                                 GridFor(span, shortestPeriod_days), false, residualPeriodogram,
                                 TWorkControl{run.StopFlag(), {}});
    }
};

TOrbitFitPage::TOrbitFitPage(QWidget* parent) : QWidget(parent) {
    setAccessibleName("Fit");
    constexpr int Width = 624;
    CurvePlot = new TFitPlot(this);
    CurvePlot->setGeometry(4, 2, Width, 170);
    CurvePlot->setAccessibleName("Measurements with the fitted curve");
    CurvePlot->setAccessibleDescription("The measurements less the fitted offset, with their error bars, and the fitted planets' curve in green.");
    ResidualPlot = new TResidualPlot(this);
    ResidualPlot->setGeometry(4, 174, 370, 120);
    ResidualPlot->setAccessibleName("Residuals");
    ResidualPlot->setAccessibleDescription("Each measurement less the fitted curve, with its error bar, against time.");
    ResidualPeriodogramPlot = new TPeriodogramPlot(this);
    ResidualPeriodogramPlot->setGeometry(376, 174, Width - 372, 120);
    ResidualPeriodogramPlot->setAccessibleName("Periodogram of the residuals");
    ResidualPeriodogramPlot->setAccessibleDescription("Where the next planet would be sought: the periodogram of what the fitted planets leave.");

    NextPlanetButton = Button(*this, QRect(4, 298, 156, 26), "Fit one &more planet", "Fit one more planet");
    NextPlanetButton->setFont(Arial(13, true));
    RemovePlanetButton = Button(*this, QRect(164, 298, 138, 26), "Remove the &last", "Remove the last planet fitted");
    CancelButton = Button(*this, QRect(306, 298, 70, 26), "C&ancel", "Cancel the fit");
    JitterBox = new QCheckBox("Fit a ji&tter", this);
    JitterBox->setGeometry(384, 301, 100, 20);
    JitterBox->setFont(Arial(13));
    JitterBox->setAccessibleName("Fit a jitter added to every error");
    auto* massLabel = new QLabel("Star (M\u2609)", this);
    massLabel->setGeometry(488, 301, 70, 20);
    massLabel->setFont(Arial(13));
    StarMassBox = new QDoubleSpinBox(this);
    StarMassBox->setGeometry(560, 298, 68, 26);
    StarMassBox->setFont(Arial(13));
    StarMassBox->setRange(0.08, 10.0);
    StarMassBox->setDecimals(2);
    StarMassBox->setSingleStep(0.05);
    StarMassBox->setValue(1.0);
    StarMassBox->setAccessibleName("Star's mass in solar masses");
    massLabel->setBuddy(StarMassBox);
    Progress = new QProgressBar(this);
    Progress->setGeometry(4, 328, Width, 6);
    Progress->setRange(0, 1000);
    Progress->setTextVisible(false);
    Progress->setAccessibleName("Fit progress");

    Results = new QTableWidget(this);
    Results->setGeometry(4, 338, Width, 90);
    Results->setFont(Arial(11));
    Results->horizontalHeader()->setFont(Arial(11, true));
    Results->verticalHeader()->setFont(Arial(11, true));
    Results->verticalHeader()->setDefaultSectionSize(17);
    Results->horizontalHeader()->setMinimumSectionSize(40);
    Results->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Results->setAccessibleName("Fitted planets");

    Summary = new QLabel(this);
    Summary->setGeometry(4, 430, 470, 20);
    Summary->setFont(Arial(12, true));
    Summary->setAccessibleName("Fit summary");
    CompareButton = Button(*this, QRect(478, 428, 150, 24), "Compare with the tr&uth", "Compare with the truth");

    work_ = new TBackgroundWork(this);
    work_->OnProgress([this](double share) { Progress->setValue(int(1000.0 * share)); });

    connect(NextPlanetButton, &QPushButton::clicked, this, [this] { NextPlanetButtonClick(); });
    connect(RemovePlanetButton, &QPushButton::clicked, this, [this] { RemovePlanetButtonClick(); });
    connect(CancelButton, &QPushButton::clicked, this, [this] { CancelButtonClick(); });
    connect(CompareButton, &QPushButton::clicked, this, [this] { CompareButtonClick(); });
    connect(JitterBox, &QCheckBox::toggled, this, [this] { JitterBoxClick(); });
    connect(StarMassBox, &QDoubleSpinBox::valueChanged, this, [this] { StarMassBoxChange(); });

    ShowResults();
}

// The work's end must not reach this half-destroyed page.
TOrbitFitPage::~TOrbitFitPage() { work_->Stop(); }

void TOrbitFitPage::SetMeasurements(const TMeasurementSet& set,
                                    std::vector<kepler::TRadialVelocityElements> truth) {
    work_->Stop();
    refitQueued_ = false;
    owed_.reset();
    set_ = set;
    truth_ = std::move(truth);
    fits_.clear();
    comparing_ = false;
    ResidualPeriodogramPlot->ClearPeriodogram();
    CurvePlot->SetMeasurements(set_);
    ResidualPlot->SetMeasurements(set_);
    status_.clear();
    if (set_.data.size() >= MinCsvRows)
        Start(TWork::Periodogram);
    ShowResults();
}

void TOrbitFitPage::FitFromHand(const kepler::TRadialVelocityElements& start) {
    if (set_.data.size() >= MinCsvRows)
        Start(TWork::FromHand, {start});
}

void TOrbitFitPage::SetStarMass(double starMass_Solar) {
    const QSignalBlocker quiet(StarMassBox);
    StarMassBox->setValue(starMass_Solar);
}

void TOrbitFitPage::SetShortestPeriod(double period_days) {
    shortestPeriod_days_ = period_days;
}

const fit::TOrbitSolution* TOrbitFitPage::Solution() const {
    return fits_.empty() ? nullptr : &fits_.back();
}

const TPeriodogram* TOrbitFitPage::ResidualPeriodogram() const {
    return ResidualPeriodogramPlot->Periodogram();
}

fit::TFitSettings TOrbitFitPage::Settings() const {
    fit::TFitSettings settings;
    settings.starMass_Solar = StarMassBox->value();
    settings.fitJitter = JitterBox->isChecked();
    return settings;
}

void TOrbitFitPage::Start(TWork work, std::vector<kepler::TRadialVelocityElements> start) {
    auto job = std::make_shared<TJob>();
    job->work = work;
    job->data = set_.data;
    job->known = std::move(start);
    if (const fit::TOrbitSolution* s = Solution(); s && work != TWork::FromHand)
        for (const fit::TFittedPlanet& p : s->planets)
            job->known.push_back(p.elements);
    job->settings = Settings();
    job->shortestPeriod_days = shortestPeriod_days_;
    working_ = work;
    owed_.reset();
    if (work != TWork::Periodogram)
        status_ = work == TWork::NextPlanet ? "Seeking one more planet..." : "Fitting...";
    work_->Start([job](TBackgroundWork::TControl& run) { job->Run(run); },
                 [this, job](TBackgroundWork::TEnd end, const QString& failure) {
                     Finish(*job, end, failure);
                 });
    ShowState();
}

void TOrbitFitPage::Finish(const TJob& job, TBackgroundWork::TEnd end, const QString& failure) {
    Progress->setValue(0);
    if (end == TBackgroundWork::TEnd::Failed) {
        status_ = (job.work == TWork::Periodogram ? "The residuals' periodogram stopped: "
                                                  : "The fit stopped: ") +
                  failure + ".";
    } else {
        switch (job.result.outcome) {
        case fit::TFitOutcome::Done:
            if (job.work == TWork::NextPlanet)
                fits_.push_back(job.result.solution);
            else if (job.work == TWork::Refit && !fits_.empty())
                fits_.back() = job.result.solution;
            else if (job.work == TWork::FromHand)
                fits_.assign(1, job.result.solution);
            status_.clear();
            break;
        case fit::TFitOutcome::Cancelled:
            status_ = job.work == TWork::Periodogram ? QString()
                                                     : "Cancelled: the last fit is kept.";
            break;
        case fit::TFitOutcome::Refused:
            status_ = job.work == TWork::Periodogram ? QString() : Text(job.result.message);
            break;
        }
        if (job.hasPeriodogram)
            ResidualPeriodogramPlot->SetPeriodogram(job.residualPeriodogram);
    }
    // Settings changed during the search: the fit shown follows them.
    if (refitQueued_) {
        refitQueued_ = false;
        if (!fits_.empty()) {
            Start(TWork::Refit);
            return;
        }
    }
    ShowResults();
}

void TOrbitFitPage::WaitForFit() {
    // A refit queued behind the search runs once it has ended; wait for that too.
    while (work_->Running())
        work_->Wait();
}

void TOrbitFitPage::Suspend() {
    if (!work_->Running())
        return;
    work_->Stop();
    Progress->setValue(0);
    owed_.reset();
    if (refitQueued_ || working_ == TWork::Refit)
        owed_ = TWork::Refit;
    else if (working_ == TWork::Periodogram)
        owed_ = TWork::Periodogram;
    refitQueued_ = false;
    if (working_ == TWork::NextPlanet || working_ == TWork::FromHand)
        status_ = "Cancelled when the window closed: the last fit is kept.";
    ShowResults();
}

void TOrbitFitPage::Resume() {
    if (!owed_)
        return;
    const TWork work = *owed_;
    owed_.reset();
    if (work == TWork::Periodogram || !fits_.empty())
        Start(work);
}

void TOrbitFitPage::NextPlanetButtonClick() {
    if (!set_.data.empty())
        Start(TWork::NextPlanet);
}

void TOrbitFitPage::RemovePlanetButtonClick() {
    if (fits_.empty())
        return;
    fits_.pop_back();
    status_.clear();
    Start(TWork::Periodogram);
    ShowResults();
}

void TOrbitFitPage::CancelButtonClick() { work_->Cancel(); }

void TOrbitFitPage::CompareButtonClick() {
    comparing_ = !comparing_;
    ShowResults();
}

void TOrbitFitPage::JitterBoxClick() { SettingsChanged(); }

void TOrbitFitPage::StarMassBoxChange() { SettingsChanged(); }

void TOrbitFitPage::SettingsChanged() {
    // A search or a fit from the hand's elements is not thrown away: it ends with the settings
    // it began with, then the fit is redone with the new ones.
    if (work_->Running() && working_ != TWork::Periodogram && working_ != TWork::Refit) {
        refitQueued_ = true;
        status_ = working_ == TWork::NextPlanet
                      ? "Seeking one more planet... then refitting with the new settings."
                      : "Fitting... then refitting with the new settings.";
        ShowState();
        return;
    }
    if (!fits_.empty())
        Start(TWork::Refit);
}

void TOrbitFitPage::ShowState() {
    const bool working = work_->Running() && working_ != TWork::Periodogram;
    const std::size_t planets = fits_.empty() ? 0 : fits_.back().planets.size();
    NextPlanetButton->setEnabled(!working && set_.data.size() >= MinCsvRows &&
                                 planets < static_cast<std::size_t>(fit::MaxFitPlanets));
    RemovePlanetButton->setEnabled(!working && planets > 0);
    CancelButton->setEnabled(working);
    CompareButton->setEnabled(!truth_.empty() && planets > 0);
    CompareButton->setText(comparing_ ? "Show the res&ults" : "Compare with the tr&uth");
    QString summary = status_;
    if (summary.isEmpty()) {
        if (const fit::TOrbitSolution* s = Solution()) {
            summary = QString("rms %1 m/s, reduced \u03c7\u00b2 %2")
                          .arg(s->rms_mps, 0, 'f', 2)
                          .arg(s->reducedChiSquare, 0, 'f', 2);
            if (JitterBox->isChecked())
                summary += QString(", jitter %1 m/s").arg(s->jitter_mps, 0, 'f', 2);
            summary += QString(", %1 measurements").arg(set_.data.size());
        } else {
            summary = set_.data.empty() ? "No measurements to fit."
                                        : "Press \u201cFit one more planet\u201d.";
        }
    }
    Summary->setText(summary);
}

void TOrbitFitPage::ShowResults() {
    if (comparing_ && !truth_.empty() && Solution())
        ShowComparisonTable();
    else
        ShowFitTable();
    ShowState();
    CurvePlot->SetSolution(Solution());
    ResidualPlot->SetSolution(Solution());
}

void TOrbitFitPage::ShowFitTable() {
    Results->clear();
    const QStringList columns{"P (days)", "K (m/s)", "e", "\u03c9 (\u00b0)", "m sin i (M\u2c7c)",
                              "m sin i (M\u2295)", "a (AU)"};
    Results->setColumnCount(columns.size());
    Results->setHorizontalHeaderLabels(columns);
    const fit::TOrbitSolution* s = Solution();
    Results->setRowCount(s ? static_cast<int>(s->planets.size()) : 0);
    if (!s)
        return;
    const std::vector<QString> letters = Letters(*s);
    QStringList rows;
    for (std::size_t j = 0; j < s->planets.size(); ++j) {
        const fit::TFittedPlanet& p = s->planets[j];
        rows << letters[j];
        const fit::TEstimate cells[] = {p.period_days, p.K_mps, p.ecc, InDegrees(p.omega_rad),
                                        p.massSinI_Jupiter, p.massSinI_Earth, p.a_AU};
        for (int c = 0; c < columns.size(); ++c)
            Results->setItem(static_cast<int>(j), c,
                             new QTableWidgetItem(Text(fit::WithUncertainty(cells[c]))));
    }
    Results->setVerticalHeaderLabels(rows);
    Results->resizeColumnsToContents();
}

void TOrbitFitPage::ShowComparisonTable() {
    Results->clear();
    const QStringList columns{"P (days)", "K (m/s)", "e", "\u03c9 (\u00b0)", "m sin i (M\u2c7c)"};
    Results->setColumnCount(columns.size());
    Results->setHorizontalHeaderLabels(columns);
    const fit::TOrbitSolution& s = *Solution();
    const std::vector<QString> letters = Letters(s);
    // Each fitted planet against the true one nearest in period, each true planet used once.
    std::vector<bool> used(truth_.size(), false);
    QStringList rows;
    int row = 0;
    Results->setRowCount(static_cast<int>(s.planets.size()));
    for (std::size_t j = 0; j < s.planets.size(); ++j) {
        const fit::TFittedPlanet& p = s.planets[j];
        rows << "true " + letters[j];
        std::size_t best = truth_.size();
        for (std::size_t k = 0; k < truth_.size(); ++k)
            if (!used[k] && (best == truth_.size() ||
                             std::abs(std::log(truth_[k].period_days / p.period_days.value)) <
                                 std::abs(std::log(truth_[best].period_days / p.period_days.value))))
                best = k;
        if (best == truth_.size()) {
            Results->setItem(row++, 0, new QTableWidgetItem("no true planet"));
            continue;
        }
        used[best] = true;
        const kepler::TRadialVelocityElements& t = truth_[best];
        const double trueMass =
            fit::SimulatedMassSinI_Solar(t.period_days, t.K_mps, t.ecc, s.starMass_Solar) *
            JupiterMassesPerSolarMass;
        // The angle's distance is taken the short way round the circle.
        const double turn = 2 * std::numbers::pi;
        const double omegaNear =
            p.omega_rad.value + std::remainder(t.omega_rad - p.omega_rad.value, turn);
        const struct {
            double shown, truth;
            fit::TEstimate fitted;
        } cells[] = {{t.period_days, t.period_days, p.period_days},
                     {t.K_mps, t.K_mps, p.K_mps},
                     {t.ecc, t.ecc, p.ecc},
                     {std::fmod(std::fmod(t.omega_rad, turn) + turn, turn) * Degrees,
                      omegaNear * Degrees, InDegrees(p.omega_rad)},
                     {trueMass, trueMass, p.massSinI_Jupiter}};
        for (int c = 0; c < columns.size(); ++c)
            Results->setItem(row, c,
                             new QTableWidgetItem(QString("%1  (%2)")
                                                      .arg(cells[c].shown, 0, 'g', 5)
                                                      .arg(Text(fit::SigmaDistance(
                                                          cells[c].truth, cells[c].fitted)))));
        ++row;
    }
    Results->setVerticalHeaderLabels(rows);
    Results->resizeColumnsToContents();
}
