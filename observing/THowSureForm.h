// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// "How sure?": the orbits the measurements allow around a fit of the observing run. The
// posterior of the fit's likelihood (OrbitPosterior.h) is sampled on a thread of its own with
// progress and Cancel; then each element's median and 68 % interval stand beside the fit's
// value and sigma, a planet's draws are drawn (TPosteriorPlot), one sentence says what the
// spread means, and the chain can be saved as CSV. A chain that did not converge says so.

#include "TBackgroundWork.h"
#include "TForm.h"
#include "observing/SessionWork.h"
#include "model/posterior/EnsembleSampler.h"
#include "model/posterior/OrbitPosterior.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class QComboBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QTableWidget;
class TPosteriorPlot;

class THowSureForm : public TForm {
public:
    explicit THowSureForm(QWidget* parent = nullptr);
    ~THowSureForm() override;

    QLabel* StatusLabel = nullptr;
    QProgressBar* Progress = nullptr;
    QPushButton* CancelButton = nullptr;
    QTableWidget* Intervals = nullptr;
    QComboBox* PlanetBox = nullptr;
    TPosteriorPlot* Plot = nullptr;
    QLabel* MeaningLabel = nullptr;
    QPushButton* SaveChainButton = nullptr;
    QPushButton* CloseButton = nullptr;

    // Samples the orbits the measurements allow around `solution`, fitted with `settings`;
    // instruments names the data's instruments, in order. `sampled` is told the summary of
    // the draws once they are shown, converged or not; a cancelled chain tells nothing.
    using TSampled = std::function<void(const posterior::TPosteriorSummary&)>;
    void Sample(std::vector<fit::TMeasurement> data, const fit::TOrbitSolution& solution,
                const fit::TFitSettings& settings, std::vector<std::string> instruments,
                TSampled sampled = {});
    // Waits for the sampling in progress (for tests and the gallery).
    void WaitForSampling();
    bool Sampled() const { return summary_.has_value(); }
    // Writes the chain as CSV, whole or not at all; false, saying why, when it cannot.
    bool SaveChainFile(const QString& path);

    void CancelButtonClick();
    void SaveChainButtonClick();
    void PlanetBoxChange();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    struct TJob;
    void Finish(const TJob& job, TBackgroundWork::TEnd end, const QString& failure);
    void ShowIntervals();

    TSessionWork<TJob> work_;
    fit::TOrbitSolution solution_;
    std::vector<std::string> instruments_;
    std::unique_ptr<posterior::TOrbitPosterior> posterior_;
    posterior::TChain chain_;
    std::optional<posterior::TPosteriorSummary> summary_;
    TSampled sampled_;
};
