// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// An orbit fit's solution, the elements of planets and measurements as they are kept in a
// work file. Every value is written in the shortest form that reads back to the same double,
// so a solution read back is the solution written. The readers refuse, naming the field,
// any value a plot, a table or a refit from the solution could not take: units as in
// OrbitFit.h and MeasurementLimits.h (days, m/s, rad, solar masses).

#include "WorkFile.h"
#include "model/Kepler.h"
#include "model/MeasurementsCsv.h"
#include "model/OrbitFit.h"

#include <QJsonArray>
#include <QJsonObject>
#include <vector>

// The longest period a kept planet may have, days: far beyond any data set's span.
constexpr double MaxSavedPeriod_days = 1e9;

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
