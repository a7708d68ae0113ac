// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// Radial velocities from a table (RvTable.h) into measurements: which column holds the time,
// the velocity, its error and, optionally, the instrument's name, and their units. The guess
// reads the column names (time: "bjd", "jd", "mjd", "time", "date", ...; velocity: "rv",
// "vrad", "vel", ...; error: "err", "sig", "svrad", "unc", ...; instrument: "inst", "tel",
// ...), otherwise takes the first three numeric columns in that order and a column of words
// as the instrument; it takes the velocity unit from the names or a "value_units" header, and
// otherwise km/s when the errors' median is below MaxKilometreError (no instrument measuring
// in m/s reports errors below about 0.1 m/s); the time scale from the names ("rjd" is
// JD - 2 400 000, "mjd" JD - 2 400 000.5), otherwise from the magnitude of the times: above
// 2 400 000 Julian dates, 40 000 to 100 000 JD - 2 400 000 in an .rdb table (that format's
// convention) and modified Julian dates in any other, days otherwise. It says in notes what
// it guessed. Times are converted to Julian dates: MJD + 2 400 000.5, RJD + 2 400 000; BJD
// and JD, a few minutes apart, are kept as they are; days stay days. Velocities and errors
// are converted to m/s.

#include "model/rv/RvTable.h"

#include <string>
#include <string_view>
#include <vector>

namespace rvdata {

enum class TVelocityUnit { MetresPerSecond, KilometresPerSecond };
// RJD: JD - 2 400 000, as .rdb tables keep their times.
enum class TTimeScale { BJD, JD, MJD, RJD, Days };

constexpr double MaxKilometreError = 0.1;   // errors below this are in km/s
constexpr double MjdToJd_days = 2400000.5;  // JD = MJD + this (IAU 1973 definition)
constexpr double RjdToJd_days = 2400000.0;  // JD = RJD + this
constexpr double FirstJulianDate = 2400000.0; // times above are Julian dates
constexpr double FirstMjd = 40000.0;        // modified Julian dates of 1968 onwards
constexpr double LastMjd = 100000.0;        // to 2132
// Times beyond this are no days since any epoch a file would use (seconds, most likely).
constexpr double LatestTime_days = 1e7;

// The columns (0-based, -1 for none) and units of an import.
struct TColumnChoice {
    int time = 0;
    int velocity = 1;
    int error = 2;
    int instrument = -1;
    TVelocityUnit unit = TVelocityUnit::MetresPerSecond;
    TTimeScale scale = TTimeScale::JD;
};

struct TColumnGuess {
    TColumnChoice choice;
    std::vector<TWording> notes; // what was guessed and why, one sentence each
};

TColumnGuess GuessColumns(const TRvTable& table);

// One measurement as read: time (days, Julian date unless the scale is Days), velocity and
// error (m/s), and the instrument's name from its column (empty without one).
struct TRvRow {
    double t_days = 0.0;
    double v_mps = 0.0;
    double error_mps = 1.0;
    std::string instrument;
};

struct TRvRowsReading : TAnswer {
    std::vector<TRvRow> rows;
};

// The rows of the table in the chosen columns and units. Refused, naming the line and the
// cause, for a field that is no finite number, an error that is not positive, a time beyond
// LatestTime_days or out of its scale's range, or a chosen column the table lacks.
TRvRowsReading ReadRows(const TRvTable& table, const TColumnChoice& choice);

const char* UnitName(TVelocityUnit unit);
const char* ScaleName(TTimeScale scale);

} // namespace rvdata
