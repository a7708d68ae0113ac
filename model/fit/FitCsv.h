// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// An orbit fit kept as CSV text (RFC 4180: fields holding a comma, a quote or a line break are
// quoted, quotes doubled). The fit: comment lines naming the data set and its papers, then
// one row per quantity, "quantity,value,uncertainty,unit": each planet's P, K, e, omega
// (degrees), time of periastron (the data set's time scale), m sin i (Jupiter and Earth
// masses) and a; each instrument's offset and jitter; the trend and its curvature when
// fitted; chi^2, reduced chi^2, -2 ln L, BIC, the rms and the numbers of measurements and
// parameters. The uncertainty is 1 sigma, "fixed" for a value held, "unconstrained" for one
// the data do not fix. The residuals: one row per measurement, "time,instrument,velocity,
// error,model,residual,error_with_jitter", the model being the whole fit as that instrument
// sees it (offset and trend included). Numbers are written in their shortest exact form.
// Units: days, m/s, degrees where named.
//
// A fit whose orbits "How sure?" has drawn (OrbitPosterior.h) carries them too: a comment line
// says how many walkers drew them over how many steps and whether the chain converged, and
// three more columns, "posterior_median,posterior_low,posterior_high", hold each element's,
// offset's and jitter's median and 68 % interval (16th to 84th percentile), empty for the
// rows the draws do not give. Without them the file is as it was, so readers of the first
// four columns read either.

#include "model/observing/MeasurementsCsv.h"
#include "model/fit/OrbitFit.h"
#include "model/posterior/OrbitPosterior.h"

#include <string>
#include <vector>

namespace fit {

// What the fit was made of: the data set's name and papers, and its instruments' names.
struct TFitSource {
    std::string name;
    std::vector<std::string> papers;
    std::vector<std::string> instruments; // by index; "instrument N" for those not named
};

// Instrument j's name, "instrument N" (counted from 1) when the source names none.
std::string InstrumentName(const TFitSource& source, std::size_t j);

// The planets' letters in the order of the solution, which is the order they were added in:
// b for the first, as papers name planets in the order of their discovery, so that a planet
// keeps its letter when another is added.
std::vector<std::string> PlanetLetters(const TOrbitSolution& solution);

// drawn: the posterior of this solution's orbits (its planets and instruments), or none.
std::string WriteFitCsv(const TOrbitSolution& solution, const TFitSource& source,
                        double timeOffset_days,
                        const posterior::TPosteriorSummary* drawn = nullptr);

// The measurements (times relative to timeOffset_days) against the fit.
std::string WriteResidualsCsv(const observing::TMeasurementSet& set,
                              const TOrbitSolution& solution, const TFitSource& source);

} // namespace fit
