// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// The observing run as a student keeps it: the plan as its controls show it, where the
// measurements came from, the measurements, the planets that made a simulated run, the
// periodogram's and the fold's settings, the fit by hand's sliders and the Fit page's fits
// with its settings. The periodogram is not kept: it is worked out again from the
// measurements, which give it exactly. It travels in a work file as the part "observingRun".
// Units: days, m/s, solar masses.

#include "model/orbit/Kepler.h"
#include "model/observing/MeasurementsCsv.h"
#include "model/fit/OrbitFit.h"

#include <QJsonObject>
#include <QString>
#include <array>
#include <vector>

struct TRunState {
    // The plan's controls.
    int nights = 40;
    double runLength_days = 60.0;
    double precision_mps = 5.0;
    double jitter_mps = 0.0;
    int observablePercent = 100;
    int weatherPercent = 0;
    QString seed = "1"; // decimal digits
    // "none", "observed", "imported", "mystery" or "published". The status line it gave is
    // not kept: it is worded again from the run (RunStatus.h).
    QString source = "none";
    // The bundled star whose published measurements these are; empty for any other source.
    QString star;
    observing::TMeasurementSet set;
    std::vector<kepler::TRadialVelocityElements> truth;
    bool truthShown = false;
    double shortestPeriod_days = 1.0;
    bool windowShown = false;
    double foldPeriod_days = 1.0;
    std::array<int, 5> byHand{}; // slider positions, 0 to TFitByHandPage::SliderSteps
    bool fitJitter = false;
    double fitStarMass_Solar = 1.0;
    bool comparing = false;
    // fits[n - 1] holds n planets; the last is the one shown.
    std::vector<fit::TOrbitSolution> fits;
};

QJsonObject RunToJson(const TRunState& state);
// Raises EWorkFileRefusal (WorkFile.h) naming the field at fault. The controls' ranges are
// checked by the window that takes the run.
TRunState RunFromJson(const QJsonObject& object);
