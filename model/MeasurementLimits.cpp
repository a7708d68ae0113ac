// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "model/MeasurementLimits.h"

#include <charconv>
#include <cmath>

namespace observing {

namespace {

// A small value in its shortest decimals: "0.000001".
std::string Decimals(double x) {
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, x, std::chars_format::fixed);
    return std::string(buffer, result.ptr);
}

std::string Between(double low, double high) {
    return "between " + GroupedDigits(low) + " and " + GroupedDigits(high);
}

constexpr const char* SpeedOfLightNote = " m/s (the speed of light)";

constexpr double SecondsPerDay = 86'400.0;

} // namespace

std::string GroupedDigits(double whole) {
    const std::string plain = std::to_string(static_cast<long long>(std::llround(std::abs(whole))));
    std::string grouped = whole < 0.0 ? "-" : "";
    for (std::size_t i = 0; i < plain.size(); ++i) {
        if (i > 0 && (plain.size() - i) % 3 == 0)
            grouped += ' ';
        grouped += plain[i];
    }
    return grouped;
}

std::string TimeRefusal(double t_days) {
    if (std::abs(t_days) <= MaxAbsTime_days)
        return {};
    return "the time must lie " + Between(-MaxAbsTime_days, MaxAbsTime_days) + " days";
}

std::string VelocityRefusal(double v_mps) {
    if (std::abs(v_mps) <= MaxAbsVelocity_mps)
        return {};
    return "the velocity must lie " + Between(-MaxAbsVelocity_mps, MaxAbsVelocity_mps) +
           SpeedOfLightNote;
}

std::string ErrorRefusal(double error_mps) {
    if (error_mps >= MinError_mps && error_mps <= MaxError_mps)
        return {};
    if (!(error_mps > 0.0))
        return "the error must be a positive number";
    return "the error must lie between " + Decimals(MinError_mps) + " m/s and " +
           GroupedDigits(MaxError_mps) + SpeedOfLightNote;
}

std::string TooLargeRefusal() {
    const std::string size = GroupedDigits(double(MaxCsvBytes) / 1e6) + " MB";
    return "The file is larger than " + size + "; the book reads up to " + size +
           " of measurements.";
}

std::string TooManyRowsRefusal() {
    const std::string rows = GroupedDigits(double(MaxCsvRows));
    return "The file has more than " + rows + " rows; the book reads up to " + rows +
           " measurements.";
}

std::string TooFewRefusal(std::size_t rows) {
    return "The file holds " + std::to_string(rows) +
           (rows == 1 ? " measurement" : " measurements") + "; at least " +
           std::to_string(MinCsvRows) + " are needed.";
}

std::string TooManyMeasurementsRefusal() {
    const std::string rows = GroupedDigits(double(MaxCsvRows));
    return "with it the files hold more than " + rows + " measurements; the book reads up to " +
           rows + ".";
}

std::string TooManyInstrumentsRefusal() {
    const std::string count = std::to_string(MaxInstruments);
    return "with it the files name more than " + count + " instruments; the book fits up to " +
           count + ".";
}

std::string InstrumentNameRefusal() {
    return "an instrument's name is longer than the " + std::to_string(MaxInstrumentNameBytes) +
           " bytes the book keeps of a name.";
}

std::string SpanRefusal(double span_days) {
    // All at one time is a set the window can show, saying why it has no periodogram.
    if (span_days >= MinSpan_days || span_days == 0.0)
        return {};
    return "The measurements span less than " + Decimals(MinSpan_days) + " days (" +
           GroupedDigits(MinSpan_days * SecondsPerDay) +
           " seconds); a period can only be sought in measurements spread over more.";
}

} // namespace observing
