// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// An orbit fit's solution, the elements of planets and measurements as they are kept in a
// work file. Every value is written in the shortest form that reads back to the same double,
// so a solution read back is the solution written. The readers refuse, naming the field,
// any value a plot, a table or a refit from the solution could not take: units as in
// OrbitFit.h and MeasurementLimits.h (days, m/s, rad, solar masses).

#include "WorkFile.h"
#include "model/orbit/Kepler.h"
#include "model/observing/MeasurementsCsv.h"
#include "model/fit/OrbitFit.h"

#include <QJsonArray>
#include <QJsonObject>
#include <vector>

// The longest fold or search period a kept run may have, days: far beyond any data set's span.
constexpr double MaxSavedPeriod_days = 1e9;
// A kept planet's period, days: the fit keeps ln P within +-40 (e^40 = 2.4e17 days), where a
// runaway planet stands for a mere trend, and a run saved with it must open again.
constexpr double MinSavedPlanetPeriod_days = 1e-18, MaxSavedPlanetPeriod_days = 1e18;
// Amplitudes, offsets, jitters and trends, m/s (per day, per day squared): far beyond any a
// fit reaches (beyond some 1e16 m/s its curve no longer resolves a metre per second, as the
// runaway planet's amplitude and the offset that cancels it grow), and small enough that a
// curve summed from them over the longest span stays finite.
constexpr double MaxSavedVelocity_mps = 1e30;

QJsonObject ElementsToJson(const kepler::TRadialVelocityElements& e);
kepler::TRadialVelocityElements ElementsFromJson(const TWorkFields& f);

// Each measurement as [t, v, error, instrument].
QJsonObject MeasurementsToJson(const observing::TMeasurementSet& set);
// Also refuses measurements out of time order, too many of them, or instruments numbered
// with a gap.
observing::TMeasurementSet MeasurementsFromJson(const TWorkFields& f);

QJsonObject SolutionToJson(const fit::TOrbitSolution& s);
// `instruments`: how many instruments the measurements have; the solution must have an
// offset and a jitter for each.
fit::TOrbitSolution SolutionFromJson(const TWorkFields& f, int instruments);
