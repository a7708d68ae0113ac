// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// Radial-velocity measurements as text: three columns, time (days), velocity (m/s) and its
// error (m/s), separated by commas, semicolons, tabs or spaces, the separator taken from the
// first row of numbers. With semicolons a decimal comma is read as a point. Lines end with a
// line feed, a carriage return or both. Lines starting with "#" and blank lines are skipped,
// as is one header line before the first row. The times are kept relative to the earliest
// one, which is returned as the offset, so Julian dates keep their precision. A file is
// refused, naming the line and the cause where there is one, if it is over MaxCsvBytes, is
// UTF-16, has over MaxCsvRows rows, a row that is not three finite numbers within the
// bounds of MeasurementLimits.h, fewer than MinCsvRows rows, or times spanning more than nothing but less
// than MinSpan_days.

#include "model/text/Answer.h"
#include "model/observing/MeasurementLimits.h"
#include "model/observing/ObservingRun.h"

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace observing {

struct TMeasurementSet {
    std::vector<TMeasurement> data; // ascending in time, times relative to timeOffset_days
    double timeOffset_days = 0.0;
    // The instruments' names, indexed by each measurement's instrument; empty for one
    // instrument without a name.
    std::vector<std::string> instruments;
};

struct TCsvReading : TAnswer {
    TMeasurementSet set; // when ok
};

TCsvReading ReadMeasurementsCsv(std::string_view text);

// The shortest decimal text that reads back as x exactly.
std::string Shortest(double x);

// A comment line with the given text (line breaks become spaces), the header line and one row
// a measurement, each number in the shortest form that reads back to the same double. Times
// are written with the offset added back. With two or more instruments' names a fourth
// column names each measurement's instrument, as the import reads it back.
std::string WriteMeasurementsCsv(std::span<const TMeasurement> data, double timeOffset_days,
                                 std::string_view comment,
                                 std::span<const std::string> instruments = {});

} // namespace observing
