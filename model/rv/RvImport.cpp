// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "model/rv/RvImport.h"

#include "model/observing/MeasurementLimits.h"

#include "model/text/NumberWriting.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>

namespace rvdata {

namespace {

std::string Lower(std::string_view s) {
    std::string out(s);
    std::transform(out.begin(), out.end(), out.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return out;
}

bool Has(const std::string& name, std::initializer_list<const char*> parts) {
    return std::any_of(parts.begin(), parts.end(),
                       [&](const char* p) { return name.find(p) != std::string::npos; });
}

enum TRole { Time, Velocity, Error, Instrument, Roles };
// How the import's notes say where a role's column was found: by its name, or by its place.
constexpr TSaid RoleFromName[Roles] = {
    Said("Import", "time from %1"), Said("Import", "velocity from %1"),
    Said("Import", "error from %1"), Said("Import", "instrument from %1")};
constexpr TSaid RoleInColumn[Roles] = {
    Said("Import", "time in column %1"), Said("Import", "velocity in column %1"),
    Said("Import", "error in column %1"), Said("Import", "instrument in column %1")};

// The role a column's name gives it, or Roles for none. The error is asked first, since its
// names ("e_rv", "svrad", "rv_err") contain the velocity's.
TRole RoleOfName(const std::string& name) {
    if (Has(name, {"err", "sig", "unc", "svrad", "e_rv", "e_v"}))
        return Error;
    if (Has(name, {"inst", "tel", "spectro", "source"}))
        return Instrument;
    if (Has(name, {"rv", "vel", "vrad", "mnvel"}) || name == "v")
        return Velocity;
    if (Has(name, {"jd", "time", "date", "day", "epoch"}) || name == "t")
        return Time;
    return Roles;
}

bool NumericColumn(const TRvTable& table, int column) {
    double ignored = 0.0;
    return ParseNumber(table.rows.front()[column], table.decimalComma, ignored);
}

double Median(std::vector<double> values) {
    if (values.empty())
        return 0.0;
    const auto middle = values.begin() + static_cast<std::ptrdiff_t>(values.size() / 2);
    std::nth_element(values.begin(), middle, values.end());
    return *middle;
}

std::vector<double> NumbersOf(const TRvTable& table, int column) {
    std::vector<double> numbers;
    double value = 0.0;
    for (const auto& row : table.rows)
        if (ParseNumber(row[column], table.decimalComma, value))
            numbers.push_back(std::abs(value));
    return numbers;
}

TWording Quoted(const std::string& s) { return TWording(Said("Import", "\u201c%1\u201d")).Name(s); }

} // namespace

const char* UnitName(TVelocityUnit unit) {
    return unit == TVelocityUnit::KilometresPerSecond ? "km/s" : "m/s";
}

const char* ScaleName(TTimeScale scale) {
    switch (scale) {
    case TTimeScale::BJD: return "BJD";
    case TTimeScale::JD: return "JD";
    case TTimeScale::MJD: return "MJD";
    case TTimeScale::RJD: return "JD \u2212 2 400 000";
    case TTimeScale::Days: return "days";
    }
    return "";
}

namespace {

// Each role's column, by the columns' names where they name the time, velocity and error
// (`named`), else the first three numeric columns in order and the first column of words.
std::array<int, Roles> ColumnsOf(const TRvTable& table, const std::vector<std::string>& names,
                                 bool& named) {
    const int columns = table.Columns();
    std::array<int, Roles> column;
    column.fill(-1);
    for (int c = 0; c < columns && c < static_cast<int>(table.names.size()); ++c) {
        const TRole role = RoleOfName(names[c]);
        if (role != Roles && column[role] < 0)
            column[role] = c;
    }
    named = column[Time] >= 0 && column[Velocity] >= 0 && column[Error] >= 0;
    if (named)
        return column;
    std::fill(column.begin(), column.end(), -1);
    int role = Time;
    for (int c = 0; c < columns; ++c) {
        if (!table.rows.empty() && !NumericColumn(table, c)) {
            if (column[Instrument] < 0)
                column[Instrument] = c;
        } else if (role <= Error) {
            column[role++] = c;
        }
    }
    return column;
}

// The velocity unit: the names or the header say it, else the errors' size.
void GuessVelocityUnit(const TRvTable& table, const std::vector<std::string>& names,
                       TColumnGuess& guess) {
    TColumnChoice& choice = guess.choice;
    const std::string units = Lower(table.Header("value_units"));
    const std::string velocityName = names[choice.velocity] + " " + names[choice.error];
    if (Has(velocityName, {"km/s", "kms", "km_s", "[km"}) || Has(units, {"km/s", "km s"})) {
        choice.unit = TVelocityUnit::KilometresPerSecond;
        guess.notes.push_back(Said("Import", "Velocities in km/s, as the file says."));
    } else if (Has(velocityName, {"m/s", "m_s", "[m", "(m"}) || Has(units, {"m/s", "m s"})) {
        guess.notes.push_back(Said("Import", "Velocities in m/s, as the file says."));
    } else {
        const double error = Median(NumbersOf(table, choice.error));
        if (error < MaxKilometreError) {
            choice.unit = TVelocityUnit::KilometresPerSecond;
            guess.notes.push_back(TWording(Said("Import", "Velocities in km/s: the errors are "
                                                          "about %1, too small for m/s."))
                                      .Number(FiguresNumber(error, 6)));
        } else {
            guess.notes.push_back(
                TWording(Said("Import", "Velocities in m/s: the errors are about %1."))
                    .Number(FiguresNumber(error, 6)));
        }
    }
}

// The time scale: the name says it, else the size of the times.
void GuessTimeScale(const TRvTable& table, const std::vector<std::string>& names,
                    TColumnGuess& guess) {
    TColumnChoice& choice = guess.choice;
    const std::string& timeName = names[choice.time];
    const double time = Median(NumbersOf(table, choice.time));
    const bool relative = time > FirstMjd && time < LastMjd;
    if (Has(timeName, {"rjd"})) {
        choice.scale = TTimeScale::RJD;
        guess.notes.push_back(
            Said("Import", "Times are JD \u2212 2 400 000, as the column's name says."));
    } else if (Has(timeName, {"mjd"})) {
        choice.scale = TTimeScale::MJD;
        guess.notes.push_back(Said("Import", "Times are MJD, as the column's name says."));
    } else if (relative && table.format == "rdb") {
        choice.scale = TTimeScale::RJD;
        guess.notes.push_back(TWording(Said("Import", "Times are taken as JD \u2212 2 400 000 "
                                                      "(about %1), as .rdb tables keep them."))
                                  .Number(FiguresNumber(time, 6)));
    } else if (Has(timeName, {"bjd"}) && time > FirstJulianDate) {
        choice.scale = TTimeScale::BJD;
        guess.notes.push_back(Said("Import", "Times are BJD, as the column's name says."));
    } else if (time > FirstJulianDate) {
        choice.scale = TTimeScale::JD;
        guess.notes.push_back(
            TWording(Said("Import", "Times are Julian dates (about %1)."))
                .Number(FiguresNumber(time, 6)));
    } else if (relative) {
        choice.scale = TTimeScale::MJD;
        guess.notes.push_back(TWording(Said("Import", "Times are taken as MJD (about %1); if "
                                                      "they are JD \u2212 2 400 000, choose that "
                                                      "scale."))
                                  .Number(FiguresNumber(time, 6)));
    } else {
        choice.scale = TTimeScale::Days;
        guess.notes.push_back(
            Said("Import", "Times are taken as days from an epoch of the file's own."));
    }
}

} // namespace

TColumnGuess GuessColumns(const TRvTable& table) {
    TColumnGuess guess;
    TColumnChoice& choice = guess.choice;
    const int columns = table.Columns();
    std::vector<std::string> names(columns);
    for (int c = 0; c < columns && c < static_cast<int>(table.names.size()); ++c)
        names[c] = Lower(table.names[c]);
    bool named = false;
    const std::array<int, Roles> column = ColumnsOf(table, names, named);
    choice.time = column[Time];
    choice.velocity = column[Velocity];
    choice.error = column[Error];
    choice.instrument = column[Instrument];
    if (choice.time < 0 || choice.velocity < 0 || choice.error < 0) {
        guess.notes.push_back(Said("Import", "The columns could not be told apart; choose them."));
        choice.time = std::max(choice.time, 0);
        choice.velocity = std::max(choice.velocity, std::min(1, columns - 1));
        choice.error = std::max(choice.error, std::min(2, columns - 1));
        return guess;
    }
    const auto describe = [&](TRole role) {
        const int c = column[role];
        return c < static_cast<int>(table.names.size())
                   ? TWording(RoleFromName[role]).Part(Quoted(table.names[c]))
                   : TWording(RoleInColumn[role]).Name(std::to_string(c + 1));
    };
    TWording columnsNote(choice.instrument >= 0
                             ? (named ? Said("Import", "Columns by their names: %1, %2, %3, %4.")
                                      : Said("Import", "Columns by their order: %1, %2, %3, %4."))
                             : (named ? Said("Import", "Columns by their names: %1, %2, %3.")
                                      : Said("Import", "Columns by their order: %1, %2, %3.")));
    columnsNote.Part(describe(Time)).Part(describe(Velocity)).Part(describe(Error));
    if (choice.instrument >= 0)
        columnsNote.Part(describe(Instrument));
    guess.notes.push_back(std::move(columnsNote));
    GuessVelocityUnit(table, names, guess);
    GuessTimeScale(table, names, guess);
    return guess;
}

TRvRowsReading ReadRows(const TRvTable& table, const TColumnChoice& choice) {
    TRvRowsReading reading;
    const int columns = table.Columns();
    const auto refuse = [&](int line, TWording cause) {
        reading.rows.clear();
        Refuse(reading, line, std::move(cause));
        return reading;
    };
    for (int c : {choice.time, choice.velocity, choice.error})
        if (c < 0 || c >= columns)
            return refuse(0, TWording(Said("Refusals", "The table has %1 columns; choose the "
                                                       "time, velocity and error among them."))
                                 .Name(std::to_string(columns)));
    if (choice.instrument >= columns)
        return refuse(0, TWording(Said("Refusals", "The table has no column %1 for the "
                                                   "instrument."))
                             .Name(std::to_string(choice.instrument + 1)));
    const double scale = choice.unit == TVelocityUnit::KilometresPerSecond ? 1000.0 : 1.0;
    for (std::size_t r = 0; r < table.rows.size(); ++r) {
        const auto& fields = table.rows[r];
        const int line = table.lines[r];
        TRvRow row;
        const auto number = [&](int column, TSaid what, double& value) {
            if (ParseNumber(fields[column], table.decimalComma, value))
                return true;
            refuse(line, TWording(what).Part(Quoted(fields[column])));
            return false;
        };
        if (!number(choice.time, Said("Refusals", "the time %1 is not a finite number."),
                    row.t_days) ||
            !number(choice.velocity, Said("Refusals", "the velocity %1 is not a finite number."),
                    row.v_mps) ||
            !number(choice.error, Said("Refusals", "the error %1 is not a finite number."),
                    row.error_mps))
            return reading;
        if (!(row.error_mps > 0.0))
            return refuse(line, TWording(Said("Refusals", "the error %1 is not above 0."))
                                    .Name(fields[choice.error]));
        if (std::abs(row.t_days) > LatestTime_days)
            return refuse(line, TWording(Said("Refusals", "the time %1 is beyond any date in "
                                                          "days; are the times in seconds?"))
                                    .Name(fields[choice.time]));
        const bool julian = choice.scale == TTimeScale::JD || choice.scale == TTimeScale::BJD;
        if (julian && row.t_days < FirstJulianDate)
            return refuse(line, TWording(Said("Refusals", "the time %1 is no Julian date (those "
                                                          "are above %2); choose MJD or days."))
                                    .Name(fields[choice.time])
                                    .Name(observing::GroupedDigits(FirstJulianDate)));
        if (choice.scale == TTimeScale::MJD || choice.scale == TTimeScale::RJD) {
            if (row.t_days > FirstJulianDate)
                return refuse(line, TWording(Said("Refusals", "the time %1 is a Julian date, not "
                                                              "%2; choose JD or BJD."))
                                        .Name(fields[choice.time])
                                        .Name(ScaleName(choice.scale)));
            row.t_days += choice.scale == TTimeScale::MJD ? MjdToJd_days : RjdToJd_days;
        }
        row.v_mps *= scale;
        row.error_mps *= scale;
        if (choice.instrument >= 0) {
            row.instrument = fields[choice.instrument];
            if (row.instrument.empty())
                return refuse(line, Said("Refusals", "the instrument's name is empty."));
        }
        reading.rows.push_back(std::move(row));
    }
    reading.ok = true;
    return reading;
}

} // namespace rvdata
