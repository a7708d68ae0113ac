// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "observing/THowSureForm.h"

#include "BookText.h"
#include "NumberText.h"
#include "SavedFile.h"
#include "forms/HowSureForm.h"
#include "observing/TPosteriorPlot.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QFileDialog>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>
#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

// The chain's cap: a posterior that needs more is shown as not converged. Three planets of
// four instruments (ups And) settle at about 23 000 steps; 51 Peg at 6 500 to 7 500.
constexpr int MostSteps = 30'000;

// Walkers for d parameters: at least twice d and 32, an even number.
int WalkersFor(int d) { return (std::max(32, 2 * d + 2) + 1) / 2 * 2; }

// x to the decimals that show a change of `step`; four figures where no step is known.
QString Fixed(double x, double step) {
    if (!(step > 0.0) || !std::isfinite(step) || !std::isfinite(x))
        return FiguresText(x, 4);
    return FixedText(x, std::clamp(int(std::ceil(-std::log10(step))), 0, 12));
}

// The value to the decimals of its sigma's second figure.
QString WithSigma(const fit::TEstimate& e, double scale = 1.0) {
    if (e.fixed)
        return BookText("How sure", "%1 (held)", "a value the fit kept fixed")
            .arg(FiguresText(e.value * scale, 6));
    if (!std::isfinite(e.sigma))
        return FiguresText(e.value * scale, 6) + " ± ∞";
    const double step = e.sigma * scale / 10;
    return Fixed(e.value * scale, step) + " ± " + Fixed(e.sigma * scale, step);
}

// A twentieth of the interval: the decimals that tell its ends apart.
double StepOf(const posterior::TInterval& i, double scale) { return (i.high - i.low) * scale / 20; }

QString Range(const posterior::TInterval& i, double scale = 1.0) {
    const double step = StepOf(i, scale);
    return BookText("How sure", "%1 to %2", "a range of values")
        .arg(Fixed(i.low * scale, step), Fixed(i.high * scale, step));
}

} // namespace

struct THowSureForm::TJob {
    const posterior::TOrbitPosterior* posterior = nullptr;
    std::vector<std::vector<double>> start;
    posterior::TSamplerSettings settings;
    posterior::TChain chain;
};

THowSureForm::THowSureForm(QWidget* parent) : TForm(parent), work_(this) {
    DefineHowSureForm(*this);
    work_.OnProgress([this](double share) { Progress->setValue(int(std::lround(100 * share))); });
}

THowSureForm::~THowSureForm() { work_.Stop(); }

void THowSureForm::Sample(std::vector<fit::TMeasurement> data, const fit::TOrbitSolution& solution,
                          const fit::TFitSettings& settings, std::vector<std::string> instruments,
                          TSampled sampled) {
    work_.Stop();
    sampled_ = std::move(sampled);
    solution_ = solution;
    instruments_ = std::move(instruments);
    summary_.reset();
    posterior_ = std::make_unique<posterior::TOrbitPosterior>(data, solution, settings);
    auto job = std::make_shared<TJob>();
    job->posterior = posterior_.get();
    const int walkers = WalkersFor(posterior_->Dimension());
    job->start = posterior_->StartingBall(walkers, 1);
    if (int(job->start.size()) < walkers) {
        StatusLabel->setText(BookText("How sure", "No orbits could be drawn: near this fit the "
                                                  "measurements allow no orbit the priors take (an "
                                                  "eccentricity at its bound, say)."));
        Progress->hide();
        CancelButton->hide();
        SaveChainButton->setEnabled(false);
        Intervals->setRowCount(0);
        PlanetBox->clear();
        MeaningLabel->clear();
        return;
    }
    job->settings = {.walkers = walkers, .maxSteps = MostSteps, .checkEvery = 500, .seed = 1};
    StatusLabel->setText(BookText("How sure", "Drawing orbits that fit the measurements: %1 "
                                              "walkers over the %2 fitted values…")
                             .arg(walkers)
                             .arg(posterior_->Dimension()));
    Progress->setValue(0);
    Progress->show();
    CancelButton->show();
    SaveChainButton->setEnabled(false);
    Intervals->setRowCount(0);
    PlanetBox->clear();
    MeaningLabel->clear();
    work_.Start(
        job,
        [](TJob& job, TBackgroundWork::TControl& control) {
            const posterior::TOrbitPosterior& density = *job.posterior;
            job.chain = posterior::Sample(
                [&density](std::span<const double> x) { return density.LogDensity(x); },
                job.start, job.settings, control.Work());
        },
        [this, job](TBackgroundWork::TEnd end, const QString& failure) { Finish(*job, end, failure); });
}

void THowSureForm::Finish(const TJob& job, TBackgroundWork::TEnd end, const QString& failure) {
    Progress->hide();
    CancelButton->hide();
    if (end == TBackgroundWork::TEnd::Failed) {
        StatusLabel->setText(BookText("How sure", "No orbits could be drawn: %1").arg(failure));
        return;
    }
    // A chain with no look at its autocorrelation has nothing to be judged by.
    if (end == TBackgroundWork::TEnd::Cancelled || job.chain.cancelled || job.chain.steps < 2 ||
        job.chain.tau.empty()) {
        StatusLabel->setText(BookText("How sure", "Cancelled: no orbits are shown."));
        return;
    }
    chain_ = job.chain;
    summary_ = posterior::Summarise(*posterior_, chain_);
    const double longest = *std::max_element(chain_.tau.begin(), chain_.tau.end());
    // Long enough but not settled: the autocorrelation time itself was still changing.
    const double lengths = posterior::TSamplerSettings{}.convergedLengths;
    const bool settling = !chain_.converged && chain_.steps > lengths * longest;
    const QString verdict =
        chain_.converged
            ? BookText("How sure", "Converged: %1 steps of %2 walkers, %3 times the longest "
                                   "autocorrelation time (%4 steps).")
        : settling
            ? BookText("How sure", "Not converged after %1 steps of %2 walkers, %3 times the "
                                   "longest autocorrelation time (%4 steps): the autocorrelation "
                                   "time was still changing between looks, so the ranges below "
                                   "are rough. A planet the data barely hold spreads its orbits "
                                   "widely.")
            : BookText("How sure", "Not converged after %1 steps of %2 walkers, %3 times the "
                                   "longest autocorrelation time (%4 steps): a chain of %5 "
                                   "autocorrelation times is needed, so the ranges below are "
                                   "rough. A planet the data barely hold spreads its orbits "
                                   "widely.");
    const QString length = verdict.arg(chain_.steps)
                               .arg(chain_.walkers)
                               .arg(int(chain_.steps / longest))
                               .arg(FixedText(longest, 0));
    StatusLabel->setText(chain_.converged || settling ? length
                                                      : length.arg(FiguresText(lengths, 6)));
    SaveChainButton->setEnabled(true);
    ShowIntervals();
    for (std::size_t k = 0; k < solution_.planets.size(); ++k)
        PlanetBox->addItem(BookText("How sure", "Planet %1").arg(QChar('b' + int(k))));
    PlanetBox->setCurrentIndex(0);
    PlanetBoxChange();
    MeaningLabel->setText(BookText(
        "How sure", "Each orbit drawn fits the measurements about as well as the best fit does: "
                    "the spread of the orbits is the uncertainty. Where the range is lopsided, or "
                    "its middle lies off the best fit, the value ± σ of the Fit page says less "
                    "than the orbits do."));
    if (sampled_)
        sampled_(*summary_);
}

void THowSureForm::ShowIntervals() {
    const posterior::TPosteriorSummary& s = *summary_;
    struct TRow {
        QString name, fitted;
        posterior::TInterval interval;
        double scale;
    };
    std::vector<TRow> rows;
    const double degrees = 180.0 / std::numbers::pi;
    for (std::size_t k = 0; k < s.planets.size(); ++k) {
        const QString letter(QChar('b' + int(k)));
        const fit::TFittedPlanet& f = solution_.planets[k];
        const posterior::TPlanetPosterior& p = s.planets[k];
        rows.push_back({BookText("How sure", "%1: P (days)", "the period of an orbit").arg(letter),
                        WithSigma(f.period_days), p.period_days, 1.0});
        rows.push_back({letter + ": K (m/s)", WithSigma(f.K_mps), p.K_mps, 1.0});
        rows.push_back({letter + ": e", WithSigma(f.ecc), p.ecc, 1.0});
        rows.push_back({letter + ": ω (°)", WithSigma(f.omega_rad, degrees), p.omega_rad, degrees});
        rows.push_back({BookText("How sure", "%1: m sin i (Jupiter masses)").arg(letter),
                        WithSigma(f.massSinI_Jupiter), p.massSinI_Jupiter, 1.0});
        rows.push_back({BookText("How sure", "%1: a (AU)", "the semi-major axis").arg(letter),
                        WithSigma(f.a_AU), p.a_AU, 1.0});
    }
    const auto name = [this](std::size_t j) {
        return j < instruments_.size() ? QString::fromStdString(instruments_[j])
                                       : BookText("How sure", "instrument %1").arg(j + 1);
    };
    for (std::size_t j = 0; j < s.offsets_mps.size(); ++j)
        rows.push_back({BookText("How sure", "offset %1 (m/s)").arg(name(j)),
                        WithSigma(solution_.offsets_mps[j]), s.offsets_mps[j], 1.0});
    for (std::size_t j = 0; j < s.jitters_mps.size(); ++j)
        rows.push_back({BookText("How sure", "jitter %1 (m/s)").arg(name(j)),
                        WithSigma(solution_.jitters_mps[j]), s.jitters_mps[j], 1.0});
    Intervals->setRowCount(int(rows.size()));
    for (int r = 0; r < int(rows.size()); ++r) {
        const TRow& row = rows[std::size_t(r)];
        const QString cells[] = {row.name, row.fitted,
                                 Fixed(row.interval.median * row.scale, StepOf(row.interval, row.scale)),
                                 Range(row.interval, row.scale)};
        for (int c = 0; c < 4; ++c) {
            auto* item = new QTableWidgetItem(cells[c]);
            item->setTextAlignment((c == 0 ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter);
            Intervals->setItem(r, c, item);
        }
    }
}

void THowSureForm::PlanetBoxChange() {
    const int k = PlanetBox->currentIndex();
    if (!summary_ || k < 0 || std::size_t(k) >= summary_->planets.size())
        return;
    Plot->SetPlanet(summary_->pairs[std::size_t(k)], summary_->planets[std::size_t(k)],
                    solution_.planets[std::size_t(k)]);
}

void THowSureForm::WaitForSampling() { work_.Wait(); }

void THowSureForm::CancelButtonClick() { work_.Cancel(); }

bool THowSureForm::SaveChainFile(const QString& path) {
    if (!summary_)
        return false;
    if (const QString cause = SaveWholeFile(path, posterior::ChainCsv(*posterior_, chain_));
        !cause.isEmpty()) {
        StatusLabel->setText(BookText("How sure", "The chain was not saved: %1.").arg(cause));
        return false;
    }
    return true;
}

void THowSureForm::SaveChainButtonClick() {
    const QString path =
        QFileDialog::getSaveFileName(this, BookText("How sure", "Save chain"), "chain.csv",
                                     BookText("How sure", "CSV files (*.csv)"));
    if (!path.isEmpty())
        SaveChainFile(path);
}

void THowSureForm::closeEvent(QCloseEvent* event) {
    work_.Stop();
    TForm::closeEvent(event);
}
