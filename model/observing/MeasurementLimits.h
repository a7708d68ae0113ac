// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// The measurements the observing run accepts from a file, and the reason it gives for one it
// refuses. The bounds keep every value the plots, the frequency grid, the periodogram and the
// fit form from the measurements finite and resolved in double arithmetic (53-bit mantissa,
// largest value 1.8e308), with room to spare:
// - a time is within MaxAbsTime_days of zero: there a double still resolves 1.5e-8 days
//   (1.3 ms), so times taken relative to the first keep their precision; any Julian date fits;
// - the times span nothing (all at one time) or at least MinSpan_days, 100 000 times that resolution, so the lowest trial
//   frequency 1 / span and the grid's steps are finite and the times distinct;
// - a velocity is at most the speed of light, which no star's reflex reaches;
// - an error lies from MinError_mps to the speed of light: weights 1 / error^2 then differ by
//   at most 1e29 and a squared residual over its error stays below 1e35, so sums over
//   100 000 rows cannot overflow.
// A file is read whole when it is at most MaxCsvBytes long and holds from MinCsvRows to
// MaxCsvRows rows, which keeps a periodogram of the largest file within seconds. A data set of
// several files holds at most MaxCsvRows measurements too, of at most MaxInstruments
// instruments (each costs the fit an offset and a jitter, and the fit's matrices grow with
// the square of their count), each named in at most MaxInstrumentNameBytes bytes of UTF-8:
// what a saved run keeps, so that whatever the window shows opens again.
// Units: days, m/s; the refusals state the bounds as these constants hold them.

#include "Wording.h"

#include <cstddef>
#include <string>

namespace observing {

// The speed of light in vacuum, exact by the definition of the metre (SI Brochure, 9th
// edition, BIPM 2019).
constexpr double SpeedOfLight_mps = 299'792'458.0;

constexpr std::size_t MaxCsvBytes = 1'000'000;
constexpr std::size_t MaxCsvRows = 100'000;
constexpr std::size_t MinCsvRows = 3;
constexpr std::size_t MaxInstruments = 64;
constexpr std::size_t MaxInstrumentNameBytes = 64;

constexpr double MaxAbsTime_days = 1e8;
constexpr double MinSpan_days = 1e-3;
constexpr double MaxAbsVelocity_mps = SpeedOfLight_mps;
constexpr double MinError_mps = 1e-6;
constexpr double MaxError_mps = SpeedOfLight_mps;

// Why a finite value is refused, as a clause that follows "line N: ", or empty when it is
// accepted.
TWording TimeRefusal(double t_days);
TWording VelocityRefusal(double v_mps);
TWording ErrorRefusal(double error_mps);
// A whole number rounded, its digits grouped by threes as the messages write them: "100 000".
std::string GroupedDigits(double whole);

// Why a whole file is refused, as a sentence: over MaxCsvBytes, over MaxCsvRows rows, or
// holding that many measurements, fewer than MinCsvRows.
TWording TooLargeRefusal();
TWording TooManyRowsRefusal();
TWording TooFewRefusal(std::size_t rows);
// Why a data set is refused at the file that brings it over a bound, as a clause that follows
// "file: ".
TWording TooManyMeasurementsRefusal();
TWording TooManyInstrumentsRefusal();
TWording InstrumentNameRefusal();
// Why measurements spanning that many days are refused, as a sentence, or empty.
TWording SpanRefusal(double span_days);

} // namespace observing
