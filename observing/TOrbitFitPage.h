// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// The observing run's page "Fit": the measurements fitted planet by planet, each instrument
// with its own offset (and jitter, when asked), with a linear or quadratic trend when asked.
// "Fit one more planet" seeks the next planet at the peaks of the residuals' periodogram,
// "Fit at this period" at the period typed, and all planets are refitted together; the new
// planet may be held circular and the typed period held. Beside the last planet added stand
// its delta BIC and false-alarm probability with what they mean, and a note on any
// eccentricity pressed against its bound. The fit and its residuals can be saved as CSV. The
// fits are the observing session's (SessionFits.h), made on a thread of their own with
// progress and Cancel; a cancelled fit leaves the last one shown. Changing the jitter or the
// star's mass during a search refits once the search has ended. The page shows the fitted curve over the
// measurements (less the fitted offset) with the residuals below it, the residuals'
// periodogram, and the results with their uncertainties: each planet, lettered in the order
// it was added (b first), and each instrument by name with its offset and jitter; for a
// simulated run the true values are shown beside the fitted ones only when asked for.
// Measured data weigh the planets in the IAU's astronomical unit (PlanetMass.h).

#include "observing/SessionFits.h"
#include "model/fit/CandidateVetting.h"
#include "model/fit/FitCsv.h"
#include "model/orbit/Kepler.h"
#include "model/observing/MeasurementsCsv.h"
#include "model/fit/OrbitFit.h"
#include "model/posterior/OrbitPosterior.h"
#include "model/observing/Periodogram.h"

#include <QString>
#include <QWidget>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class QCheckBox;
class QComboBox;
class QPainter;
class QDoubleSpinBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QTableWidget;
class TFitPlot;
class TPeriodogramPlot;
class TResidualPlot;

class TOrbitFitPage : public QWidget {
public:
    // Shows and makes `fits`, the observing session's, which outlive the page's work: the
    // window stops that work before its pages go.
    explicit TOrbitFitPage(TSessionFits& fits, QWidget* parent = nullptr);

    TFitPlot* CurvePlot = nullptr;
    TResidualPlot* ResidualPlot = nullptr;
    TPeriodogramPlot* ResidualPeriodogramPlot = nullptr;
    QPushButton* NextPlanetButton = nullptr;
    QPushButton* RemovePlanetButton = nullptr;
    QPushButton* CancelButton = nullptr;
    QCheckBox* JitterBox = nullptr;
    QDoubleSpinBox* StarMassBox = nullptr;
    QComboBox* TrendBox = nullptr;    // none, linear, quadratic: the trend's order
    QCheckBox* CircularBox = nullptr; // the next planet's orbit held circular
    QDoubleSpinBox* PeriodBox = nullptr; // the period typed, days
    QCheckBox* FixPeriodBox = nullptr;   // held there
    QPushButton* AtPeriodButton = nullptr;
    QLabel* EvidenceLabel = nullptr;
    QProgressBar* Progress = nullptr;
    QTableWidget* Results = nullptr;
    QTableWidget* Instruments = nullptr; // each instrument's name, offset and jitter
    QLabel* Summary = nullptr;
    QPushButton* CompareButton = nullptr;

    // New measurements: every fit is dropped. truth: the planets that made a simulated run
    // (none for other data); unit: the AU per day the planets are weighed in, the IAU's for
    // measured data.
    void SetMeasurements(const observing::TMeasurementSet& set,
                         std::vector<kepler::TRadialVelocityElements> truth,
                         fit::TAstronomicalUnit unit = fit::TAstronomicalUnit::Simulation);
    // The star's mass in solar masses, as the field shows it, without a new fit.
    void SetStarMass(double starMass_Solar);
    // Fits one planet from the elements set by hand; the fit replaces every fit shown.
    void FitFromHand(const kepler::TRadialVelocityElements& start);
    // The shortest period the periodograms search, days.
    void SetShortestPeriod(double period_days);
    // The data set's name and papers, which a saved fit names.
    void SetSource(std::string name, std::vector<std::string> papers);
    // Write the fit shown (there must be one), with the orbits drawn around it when there
    // are any, or its residuals as CSV, replacing the file only once it is whole; false,
    // saying why under the results, when it cannot be written.
    bool SaveFit(const QString& path);
    bool SaveResiduals(const QString& path);

    // The fit shown, or none.
    const fit::TOrbitSolution* Solution() const;
    // The model's choices the fits are made with, as the page's controls set them.
    fit::TFitSettings Settings() const;
    // The page's results for a printed page, drawn into `area` as the page shows them: the
    // results table, the line under it, the evidence for the last planet, each instrument's
    // offset (and jitter, when fitted) with its uncertainty, each value's median and 68 %
    // interval once "How sure?" has drawn the fit's orbits (SetPosterior), then the fitted
    // curve and the residuals. Texts are drawn as text; sizes are in the page's pixels.
    void DrawPrintout(QPainter& p, const QRectF& area) const;
    // Counts the fits shown: it changes whenever the fit shown does.
    std::uint64_t FitNumber() const { return fitNumber_; }
    // The orbits "How sure?" drew around the fit numbered `fitNumber`, which the printout and
    // the saved fit then carry; ignored when another fit is shown by now, and dropped when the
    // fit shown changes.
    void SetPosterior(std::uint64_t fitNumber, posterior::TPosteriorSummary drawn);
    const posterior::TPosteriorSummary* Posterior() const { return drawn_ ? &*drawn_ : nullptr; }
    // Every fit kept: fits[n - 1] holds n planets.
    const std::vector<fit::TOrbitSolution>& Fits() const { return fits_.Fits(); }
    // Shows fits kept earlier for the measurements set last, with the settings they were
    // made with, without fitting again; the residuals' periodogram is worked out afresh.
    void RestoreFits(std::vector<fit::TOrbitSolution> fits, bool fitJitter, double starMass_Solar,
                     bool comparing);
    const observing::TPeriodogram* ResidualPeriodogram() const;
    bool Working() const { return fits_.Running(); }
    // Whether a refit waits for the search in progress to end.
    bool RefitQueued() const { return refitQueued_; }
    bool Comparing() const { return comparing_; }
    // Waits for the work in progress (for tests and the gallery).
    void WaitForFit();
    // The window closes: the work stops, a search or fit as cancelled; what the page owes
    // (its residuals' periodogram, a refit after new settings) is done again on Resume.
    void Suspend();
    void Resume();

    void NextPlanetButtonClick();
    void RemovePlanetButtonClick();
    void CancelButtonClick();
    void CompareButtonClick();
    void AtPeriodButtonClick();
    void JitterBoxClick();
    void TrendBoxChange();
    void StarMassBoxChange();

private:
    using TWork = TSessionFits::TWork;

    void Start(TWork work, std::optional<kepler::TRadialVelocityElements> fromHand = {});
    void FitChanged();
    void Finish(const TSessionFits::TEnded& ended);
    void SettingsChanged();
    void ShowResults();
    void ShowFitTable();
    void ShowComparisonTable();
    void ShowInstrumentTable();
    void ShowState();
    fit::TFixedElements NewPlanetHeld(TWork work) const;
    fit::TFitSource Source() const;
    // `refusal` is the sentence shown when the file is not written, its cause as %1.
    bool Save(const QString& path, const std::string& text, const QString& refusal);

    observing::TMeasurementSet set_;
    std::vector<kepler::TRadialVelocityElements> truth_;
    fit::TAstronomicalUnit astronomicalUnit_ = fit::TAstronomicalUnit::Simulation;
    TSessionFits& fits_; // the session's; the last is shown
    fit::TFitSource source_;
    double shortestPeriod_days_ = 1.0;
    bool comparing_ = false;
    QString status_;
    bool refitQueued_ = false;
    std::optional<TWork> owed_; // stopped by Suspend, to be done again on Resume
    std::uint64_t fitNumber_ = 0;
    std::optional<posterior::TPosteriorSummary> drawn_; // of the fit shown
};
