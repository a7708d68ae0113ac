// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "observing/TOrbitFitPage.h"

#include "BookText.h"
#include "BookWording.h"
#include "NumberText.h"
#include "Precondition.h"
#include "SavedFile.h"
#include "forms/OrbitFitPageForm.h"
#include "model/fit/FitCsv.h"
#include "model/fit/FitText.h"
#include "model/fit/PlanetInteraction.h"
#include "model/fit/PlanetMass.h"
#include "model/fit/PlanetSearch.h"
#include "model/simulation/RealSystems.h"
#include "model/rv/RvBundle.h"
#include "model/rv/RvDataSet.h"
#include "model/orbit/SimulatedMass.h"
#include "model/orbit/planet.h"
#include "observing/PrintedTable.h"
#include "observing/TFitPlot.h"
#include "observing/TPeriodogramPlot.h"
#include "observing/TResidualPlot.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFontMetricsF>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>
#include <QTextDocument>
#include <algorithm>
#include <cmath>
#include <numbers>

using namespace observing;

namespace {

constexpr double Degrees = 180.0 / std::numbers::pi;
constexpr int MaxInstrumentColumn = 100; // pixels

fit::TEstimate InDegrees(const fit::TEstimate& x) { return {x.value * Degrees, x.sigma * Degrees}; }

QString Text(const std::string& text) { return QString::fromStdString(text); }
QString Text(const TWording& text) { return BookWording(text); }

// A posterior's median and 68 % interval, to the decimals of a twentieth of the interval:
// "56.1 (55.6 to 56.7)".
QString Drawn(const posterior::TInterval& i, double scale = 1.0) {
    const double step = (i.high - i.low) * scale / 20;
    const int decimals =
        step > 0.0 && std::isfinite(step) ? std::clamp(int(std::ceil(-std::log10(step))), 0, 12) : 4;
    const auto number = [decimals](double x) { return FixedText(x, decimals); };
    return BookText("Orbit fit", "%1 (%2 to %3)", "a median and its interval")
        .arg(number(i.median * scale), number(i.low * scale), number(i.high * scale));
}

std::vector<QString> Letters(const fit::TOrbitSolution& solution) {
    std::vector<QString> letters;
    for (const std::string& letter : fit::PlanetLetters(solution))
        letters.push_back(QString::fromStdString(letter));
    return letters;
}

} // namespace

TOrbitFitPage::TOrbitFitPage(TSessionFits& fits, QWidget* parent)
    : QWidget(parent), fits_(fits) {
    DefineOrbitFitPage(*this);
    fits_.OnProgress([this](double share) { Progress->setValue(int(1000.0 * share)); });
    ShowResults();
}

void TOrbitFitPage::SetMeasurements(const TMeasurementSet& set,
                                    std::vector<kepler::TRadialVelocityElements> truth,
                                    fit::TAstronomicalUnit unit) {
    fits_.Clear();
    refitQueued_ = false;
    owed_.reset();
    set_ = set;
    truth_ = std::move(truth);
    astronomicalUnit_ = unit;
    FitChanged();
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
        Start(TWork::FromHand, start);
}

void TOrbitFitPage::SetStarMass(double starMass_Solar) {
    const QSignalBlocker quiet(StarMassBox);
    StarMassBox->setValue(starMass_Solar);
}

void TOrbitFitPage::SetShortestPeriod(double period_days) {
    shortestPeriod_days_ = period_days;
}

const fit::TOrbitSolution* TOrbitFitPage::Solution() const { return fits_.Last(); }

void TOrbitFitPage::RestoreFits(std::vector<fit::TOrbitSolution> fits, bool fitJitter,
                                double starMass_Solar, bool comparing) {
    refitQueued_ = false;
    owed_.reset();
    {
        const QSignalBlocker quietJitter(JitterBox), quietMass(StarMassBox);
        JitterBox->setChecked(fitJitter);
        StarMassBox->setValue(starMass_Solar);
    }
    // A saved fit keeps neither its evidence nor what was held: none is shown, nothing held.
    fits_.Restore(std::move(fits));
    FitChanged();
    comparing_ = comparing && !truth_.empty() && Solution();
    status_.clear();
    ResidualPeriodogramPlot->ClearPeriodogram();
    if (set_.data.size() >= MinCsvRows)
        Start(TWork::Periodogram);
    ShowResults();
}

const TPeriodogram* TOrbitFitPage::ResidualPeriodogram() const {
    return ResidualPeriodogramPlot->Periodogram();
}

fit::TFitSettings TOrbitFitPage::Settings() const {
    fit::TFitSettings settings;
    settings.starMass_Solar = StarMassBox->value();
    settings.astronomicalUnit = astronomicalUnit_;
    settings.fitJitter = JitterBox->isChecked();
    settings.trendOrder = TrendBox->currentIndex();
    settings.fixed = fits_.Held();
    return settings;
}

fit::TFixedElements TOrbitFitPage::NewPlanetHeld(TWork work) const {
    fit::TFixedElements held;
    held.eccentricity = CircularBox->isChecked();
    held.period = work == TWork::AtPeriod && FixPeriodBox->isChecked();
    return held;
}

void TOrbitFitPage::SetSource(std::string name, std::vector<std::string> papers) {
    source_.name = std::move(name);
    source_.papers = std::move(papers);
}

fit::TFitSource TOrbitFitPage::Source() const {
    fit::TFitSource source = source_;
    source.instruments = set_.instruments;
    return source;
}

bool TOrbitFitPage::Save(const QString& path, const std::string& text, const QString& refusal) {
    if (const QString cause = SaveWholeFile(path, text); !cause.isEmpty()) {
        status_ = refusal.arg(cause);
        ShowState();
        return false;
    }
    return true;
}

bool TOrbitFitPage::SaveFit(const QString& path) {
    const fit::TOrbitSolution* s = Solution();
    PRECONDITION(s != nullptr);
    return Save(path, fit::WriteFitCsv(*s, Source(), set_.timeOffset_days, Posterior()),
                BookText("Orbit fit", "The fit was not written: %1."));
}

void TOrbitFitPage::FitChanged() {
    ++fitNumber_;
    drawn_.reset();
}

void TOrbitFitPage::SetPosterior(std::uint64_t fitNumber, posterior::TPosteriorSummary drawn) {
    if (fitNumber == fitNumber_ && Solution())
        drawn_ = std::move(drawn);
}

bool TOrbitFitPage::SaveResiduals(const QString& path) {
    const fit::TOrbitSolution* s = Solution();
    PRECONDITION(s != nullptr);
    return Save(path, fit::WriteResidualsCsv(set_, *s, Source()),
                BookText("Orbit fit", "The residuals file was not written: %1."));
}

void TOrbitFitPage::Start(TWork work, std::optional<kepler::TRadialVelocityElements> fromHand) {
    TSessionFits::TRequest request;
    request.work = work;
    request.data = set_.data;
    request.settings = Settings();
    request.newPlanetHeld = NewPlanetHeld(work);
    request.fromHand = std::move(fromHand);
    request.period_days = PeriodBox->value();
    request.shortestPeriod_days = shortestPeriod_days_;
    owed_.reset();
    if (work != TWork::Periodogram)
        status_ = work == TWork::NextPlanet ? BookText("Orbit fit", "Seeking one more planet...")
                                            : BookText("Orbit fit", "Fitting...");
    fits_.Start(std::move(request),
                [this](const TSessionFits::TEnded& ended) { Finish(ended); });
    ShowState();
}

void TOrbitFitPage::Finish(const TSessionFits::TEnded& ended) {
    Progress->setValue(0);
    const fit::TFitResult& result = ended.result;
    if (ended.end == TBackgroundWork::TEnd::Failed) {
        status_ = (ended.work == TWork::Periodogram
                       ? BookText("Orbit fit", "The residuals' periodogram stopped: %1.")
                       : BookText("Orbit fit", "The fit stopped: %1."))
                      .arg(ended.failure);
    } else {
        switch (result.outcome) {
        case fit::TFitOutcome::Done:
            if (ended.work != TWork::Periodogram)
                FitChanged();
            status_.clear();
            break;
        case fit::TFitOutcome::Cancelled:
            status_ = ended.work == TWork::Periodogram
                          ? QString()
                          : BookText("Orbit fit", "Cancelled: the last fit is kept.");
            break;
        case fit::TFitOutcome::Refused:
            status_ = ended.work == TWork::Periodogram ? QString() : Text(result.message);
            break;
        }
        if (ended.residualPeriodogram)
            ResidualPeriodogramPlot->SetPeriodogram(*ended.residualPeriodogram);
    }
    // Settings changed during the search: the fit shown follows them.
    if (refitQueued_) {
        refitQueued_ = false;
        if (Solution()) {
            Start(TWork::Refit);
            return;
        }
    }
    ShowResults();
}

void TOrbitFitPage::WaitForFit() {
    // A refit queued behind the search runs once it has ended; wait for that too.
    fits_.Wait();
}

void TOrbitFitPage::Suspend() {
    if (!fits_.Running())
        return;
    const TWork working = fits_.Work();
    fits_.Stop();
    Progress->setValue(0);
    owed_.reset();
    if (refitQueued_ || working == TWork::Refit)
        owed_ = TWork::Refit;
    else if (working == TWork::Periodogram)
        owed_ = TWork::Periodogram;
    refitQueued_ = false;
    if (working == TWork::NextPlanet || working == TWork::AtPeriod || working == TWork::FromHand)
        status_ = BookText("Orbit fit", "Cancelled when the window closed: the last fit is kept.");
    ShowResults();
}

void TOrbitFitPage::Resume() {
    if (!owed_)
        return;
    const TWork work = *owed_;
    owed_.reset();
    if (work == TWork::Periodogram || Solution())
        Start(work);
}

void TOrbitFitPage::NextPlanetButtonClick() {
    if (!set_.data.empty())
        Start(TWork::NextPlanet);
}

void TOrbitFitPage::RemovePlanetButtonClick() {
    if (!Solution())
        return;
    fits_.RemoveLast();
    FitChanged();
    status_.clear();
    Start(TWork::Periodogram);
    ShowResults();
}

void TOrbitFitPage::CancelButtonClick() { fits_.Cancel(); }

void TOrbitFitPage::CompareButtonClick() {
    comparing_ = !comparing_;
    ShowResults();
}

void TOrbitFitPage::AtPeriodButtonClick() {
    if (!set_.data.empty())
        Start(TWork::AtPeriod);
}

void TOrbitFitPage::JitterBoxClick() { SettingsChanged(); }

void TOrbitFitPage::TrendBoxChange() { SettingsChanged(); }

void TOrbitFitPage::StarMassBoxChange() { SettingsChanged(); }

void TOrbitFitPage::SettingsChanged() {
    // A search or a fit from the hand's elements is not thrown away: it ends with the settings
    // it began with, then the fit is redone with the new ones.
    const TWork working = fits_.Work();
    if (fits_.Running() && working != TWork::Periodogram && working != TWork::Refit) {
        refitQueued_ = true;
        status_ = working == TWork::NextPlanet
                      ? BookText("Orbit fit",
                                 "Seeking one more planet... then refitting with the new settings.")
                      : BookText("Orbit fit", "Fitting... then refitting with the new settings.");
        ShowState();
        return;
    }
    if (Solution())
        Start(TWork::Refit);
}

void TOrbitFitPage::ShowState() {
    const bool working = fits_.Running() && fits_.Work() != TWork::Periodogram;
    const std::size_t planets = Solution() ? Solution()->planets.size() : 0;
    NextPlanetButton->setEnabled(!working && set_.data.size() >= MinCsvRows &&
                                 planets < static_cast<std::size_t>(fit::MaxFitPlanets));
    AtPeriodButton->setEnabled(NextPlanetButton->isEnabled());
    RemovePlanetButton->setEnabled(!working && planets > 0);
    CancelButton->setEnabled(working);
    CompareButton->setEnabled(!truth_.empty() && planets > 0);
    CompareButton->setText(comparing_ ? BookText("Orbit fit", "Show the res&ults")
                                      : BookText("Orbit fit", "Compare with the tr&uth"));
    QString summary = status_;
    const fit::TUnresolvedResiduals unresolved =
        Solution() ? fit::UnresolvedResiduals(set_.data, *Solution()) : fit::TUnresolvedResiduals{};
    if (summary.isEmpty()) {
        if (const fit::TOrbitSolution* s = Solution()) {
            const int count = static_cast<int>(set_.data.size());
            const QString rms = FixedText(s->rms_mps, 2);
            const QString trend = Text(fit::WithUncertainty(s->trend_mps_per_day));
            // The measurements' rounding makes chi squared and BIC meaningless: the note says so.
            if (unresolved.any)
                summary =
                    (s->trendOrder >= 1
                         ? BookText("Orbit fit", "rms %1 m/s, trend %2 m/s/d, %n measurements; %3",
                                    nullptr, count)
                               .arg(rms, trend)
                         : BookText("Orbit fit", "rms %1 m/s, %n measurements; %2", nullptr, count)
                               .arg(rms))
                        .arg(Text(fit::UnresolvedNote(unresolved)));
            else if (s->trendOrder >= 1)
                summary =
                    BookText("Orbit fit",
                             "rms %1 m/s, reduced χ² %2, trend %3 m/s/d, BIC %4, %n measurements",
                             nullptr, count)
                        .arg(rms, FixedText(s->reducedChiSquare, 2), trend, FixedText(s->bic, 1));
            else
                summary =
                    BookText("Orbit fit", "rms %1 m/s, reduced χ² %2, BIC %3, %n measurements",
                             nullptr, count)
                        .arg(rms, FixedText(s->reducedChiSquare, 2), FixedText(s->bic, 1));
        } else {
            summary = set_.data.empty() ? BookText("Orbit fit", "No measurements to fit.")
                                        : BookText("Orbit fit", "Press “Fit one more planet”.");
        }
    }
    Summary->setText(summary);
    QString evidence;
    if (const fit::TOrbitSolution* s = Solution()) {
        // Its delta BIC would measure rounding too.
        const auto& added = fits_.Evidence().back();
        if (added && !unresolved.any)
            evidence = Text(fit::EvidenceLine(added->deltaBic, added->falseAlarm, added->verdict));
        // A published star's planet beyond those its paper reports is no planet yet.
        if (const TRealSystem* card = rvdata::CardSystem(source_.name);
            card && !evidence.isEmpty() && added->verdict.Believed())
            if (const TWording note = fit::UnpublishedNote(*card, s->planets.back());
                !note.Empty())
                evidence += " " + Text(note);
        const std::vector<QString> letters = Letters(*s);
        for (std::size_t j = 0; j < s->planets.size(); ++j)
            for (const TWording& note :
                 {fit::BoundNote(s->planets[j]), fit::EccentricityBiasNote(s->planets[j])})
                if (!note.Empty())
                    evidence += (evidence.isEmpty() ? "" : " ") + letters[j] + ": " + Text(note);
        if (const TWording note = fit::InteractionNote(*s, fit::FindInteraction(*s));
            !note.Empty())
            evidence += (evidence.isEmpty() ? "" : " ") + Text(note);
    }
    EvidenceLabel->setText(evidence);
    EvidenceLabel->setAccessibleName(
        evidence.isEmpty() ? BookText("Orbit fit", "Evidence for the last planet") : evidence);
}

void TOrbitFitPage::DrawPrintout(QPainter& p, const QRectF& area) const {
    const QFont font = p.font();
    QFont title = font;
    title.setBold(true);
    p.setFont(title);
    const QFontMetricsF titleMetrics(title, p.device());
    p.drawText(QPointF(area.left(), area.top() + titleMetrics.ascent()),
               BookText("Orbit fit", "Orbit fit"));
    p.setFont(font);
    double y = area.top() + titleMetrics.height() * 1.5;
    y += DrawTable(p, QPointF(area.left(), y), area.width(), *Results);
    QStringList lines{Summary->text(), EvidenceLabel->text()};
    if (const fit::TOrbitSolution* s = Solution()) {
        const fit::TFitSource source = Source();
        for (std::size_t j = 0; j < s->offsets_mps.size(); ++j) {
            const QString name = Text(fit::InstrumentName(source, j));
            const QString offset = Text(fit::WithUncertainty(s->offsets_mps[j]));
            lines << (JitterBox->isChecked() && j < s->jitters_mps.size()
                          ? BookText("Orbit fit", "%1: offset %2 m/s, jitter %3 m/s")
                                .arg(name, offset, Text(fit::WithUncertainty(s->jitters_mps[j])))
                          : BookText("Orbit fit", "%1: offset %2 m/s").arg(name, offset));
        }
        if (drawn_) {
            const posterior::TPosteriorSummary& d = *drawn_;
            lines << (d.converged
                          ? BookText("Orbit fit", "How sure? The orbits that fit the measurements, "
                                                  "each value's median and 68 % interval from %1 "
                                                  "steps of %2 walkers: converged.")
                          : BookText("Orbit fit", "How sure? The orbits that fit the measurements, "
                                                  "each value's median and 68 % interval from %1 "
                                                  "steps of %2 walkers: not converged, so the "
                                                  "intervals are rough."))
                         .arg(d.steps)
                         .arg(d.walkers);
            const std::vector<QString> letters = Letters(*s);
            for (std::size_t k = 0; k < d.planets.size(); ++k) {
                const posterior::TPlanetPosterior& q = d.planets[k];
                lines << BookText("Orbit fit",
                                  "%1: P %2 days, K %3 m/s, e %4, ω %5°, m sin i %6 Mⱼ, a %7 AU")
                             .arg(letters[k], Drawn(q.period_days), Drawn(q.K_mps), Drawn(q.ecc),
                                  Drawn(q.omega_rad, Degrees), Drawn(q.massSinI_Jupiter),
                                  Drawn(q.a_AU));
            }
            for (std::size_t j = 0; j < d.offsets_mps.size(); ++j) {
                const QString name = Text(fit::InstrumentName(source, j));
                lines << (j < d.jitters_mps.size()
                              ? BookText("Orbit fit", "%1: offset %2 m/s, jitter %3 m/s")
                                    .arg(name, Drawn(d.offsets_mps[j]), Drawn(d.jitters_mps[j]))
                              : BookText("Orbit fit", "%1: offset %2 m/s")
                                    .arg(name, Drawn(d.offsets_mps[j])));
            }
        }
    }
    const QFontMetricsF metrics(font, p.device());
    for (const QString& line : lines) {
        if (line.isEmpty())
            continue;
        const QRectF room(area.left(), y, area.width(), area.bottom() - y);
        const QRectF used = p.boundingRect(room, Qt::TextWordWrap, line);
        p.drawText(room, Qt::TextWordWrap, line);
        y += used.height() + metrics.height() * 0.3;
    }
    y += metrics.height() * 0.5;
    // The curve over the residuals, as the page stacks them, in what is left.
    const double left = std::max(0.0, area.bottom() - y);
    CurvePlot->DrawInto(p, QRectF(area.left(), y, area.width(), left * 0.62));
    ResidualPlot->DrawInto(p, QRectF(area.left(), y + left * 0.65, area.width(), left * 0.35));
}

void TOrbitFitPage::ShowResults() {
    if (comparing_ && !truth_.empty() && Solution())
        ShowComparisonTable();
    else
        ShowFitTable();
    ShowInstrumentTable();
    ShowState();
    CurvePlot->SetSolution(Solution());
    ResidualPlot->SetSolution(Solution());
}

void TOrbitFitPage::ShowFitTable() {
    Results->clear();
    const QStringList columns{BookText("Orbit fit", "P (days)", "the period of an orbit"),
                              "K (m/s)",
                              "e",
                              "ω (°)",
                              "m sin i (Mⱼ)",
                              "m sin i (M⊕)",
                              BookText("Orbit fit", "a (AU)", "the semi-major axis")};
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

void TOrbitFitPage::ShowInstrumentTable() {
    Instruments->clearContents();
    const fit::TOrbitSolution* s = Solution();
    Instruments->setRowCount(s ? static_cast<int>(s->offsets_mps.size()) : 0);
    if (!s)
        return;
    const fit::TFitSource source = Source();
    for (std::size_t j = 0; j < s->offsets_mps.size(); ++j) {
        const int row = static_cast<int>(j);
        const QString name = Text(fit::InstrumentName(source, j));
        auto* nameItem = new QTableWidgetItem(name);
        // A tooltip takes markup; a name read from a file is shown as written.
        nameItem->setToolTip(Qt::convertFromPlainText(name));
        Instruments->setItem(row, 0, nameItem);
        Instruments->setItem(row, 1, new QTableWidgetItem(Text(fit::WithUncertainty(s->offsets_mps[j]))));
        const fit::TEstimate& jitter = s->jitters_mps[j];
        Instruments->setItem(row, 2,
                             new QTableWidgetItem(jitter.fixed && jitter.value == 0.0
                                                      ? BookText("Orbit fit", "not fitted")
                                                      : Text(fit::WithUncertainty(jitter))));
    }
    // A long name is cut short (its tooltip holds it whole) before it pushes the numbers out.
    Instruments->resizeColumnToContents(0);
    Instruments->setColumnWidth(0, std::min(Instruments->columnWidth(0), MaxInstrumentColumn));
}

void TOrbitFitPage::ShowComparisonTable() {
    Results->clear();
    const QStringList columns{BookText("Orbit fit", "P (days)", "the period of an orbit"),
                              "K (m/s)", "e", "ω (°)", "m sin i (Mⱼ)"};
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
        rows << BookText("Orbit fit", "true %1", "the true planet of a letter").arg(letters[j]);
        std::size_t best = truth_.size();
        for (std::size_t k = 0; k < truth_.size(); ++k)
            if (!used[k] && (best == truth_.size() ||
                             std::abs(std::log(truth_[k].period_days / p.period_days.value)) <
                                 std::abs(std::log(truth_[best].period_days / p.period_days.value))))
                best = k;
        if (best == truth_.size()) {
            Results->setItem(row++, 0,
                             new QTableWidgetItem(BookText("Orbit fit", "no true planet")));
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
                                                      .arg(FiguresText(cells[c].shown, 5))
                                                      .arg(Text(fit::SigmaDistance(
                                                          cells[c].truth, cells[c].fitted)))));
        ++row;
    }
    Results->setVerticalHeaderLabels(rows);
    Results->resizeColumnsToContents();
}
