// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// The observing run's status line for the measurements it shows, worded from what made them.
// A kept run does not carry the line: it is worked out again from the run, in the same words
// where the run shows how its measurements were made.

#include "model/orbit/Kepler.h"
#include "model/observing/MysteryStars.h"
#include "model/observing/ObservingRun.h"
#include "observing/RunState.h"

#include <QString>
#include <cstddef>
#include <span>
#include <string>

// Why a run too short for the longest period finds nothing, as a sentence after a space, or
// empty when the run covers two of its cycles.
QString CoverageNote(const observing::TObservingPlan& plan,
                     std::span<const kepler::TRadialVelocityElements> planets);
QString ObservedStatus(std::size_t clear, const observing::TObservingPlan& plan,
                       std::span<const kepler::TRadialVelocityElements> planets);
QString MysteryStatus(const observing::TMysteryStar& star, std::size_t measurements);
// `star` as the data set names it; each instrument's count is taken from the measurements.
QString PublishedStatus(const std::string& star, const observing::TMeasurementSet& set);
// The plan a kept run's controls show.
observing::TObservingPlan PlanOf(const TRunState& run);
// A kept run's line: its source's, when the run's plan and planets give its measurements or
// they are a mystery star's, the published set's for published ones (named `star` there),
// and otherwise how many measurements of how many instruments it holds.
QString KeptRunStatus(const TRunState& run, const std::string& publishedStar);
