// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "model/observing/MeasurementLimits.h"

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

TWording TimeRefusal(double t_days) {
    if (std::abs(t_days) <= MaxAbsTime_days)
        return {};
    return TWording(Said("Refusals", "the time must lie between %1 and %2 days"))
        .Name(GroupedDigits(-MaxAbsTime_days))
        .Name(GroupedDigits(MaxAbsTime_days));
}

TWording VelocityRefusal(double v_mps) {
    if (std::abs(v_mps) <= MaxAbsVelocity_mps)
        return {};
    return TWording(Said("Refusals",
                         "the velocity must lie between %1 and %2 m/s (the speed of light)"))
        .Name(GroupedDigits(-MaxAbsVelocity_mps))
        .Name(GroupedDigits(MaxAbsVelocity_mps));
}

TWording ErrorRefusal(double error_mps) {
    if (error_mps >= MinError_mps && error_mps <= MaxError_mps)
        return {};
    if (!(error_mps > 0.0))
        return Said("Refusals", "the error must be a positive number");
    return TWording(Said("Refusals",
                         "the error must lie between %1 m/s and %2 m/s (the speed of light)"))
        .Number(Decimals(MinError_mps))
        .Name(GroupedDigits(MaxError_mps));
}

TWording TooLargeRefusal() {
    return TWording(Said("Refusals", "The file is larger than %1 MB; the book reads up to %1 MB "
                                     "of measurements."))
        .Name(GroupedDigits(double(MaxCsvBytes) / 1e6));
}

TWording TooManyRowsRefusal() {
    return TWording(Said("Refusals", "The file has more than %1 rows; the book reads up to %1 "
                                     "measurements."))
        .Name(GroupedDigits(double(MaxCsvRows)));
}

TWording TooFewRefusal(std::size_t rows) {
    return TWording(rows == 1 ? Said("Refusals", "The file holds 1 measurement; at least %2 are "
                                                 "needed.")
                              : Said("Refusals", "The file holds %1 measurements; at least %2 "
                                                 "are needed."))
        .Name(std::to_string(rows))
        .Name(std::to_string(MinCsvRows));
}

TWording TooManyMeasurementsRefusal() {
    return TWording(Said("Refusals", "with it the files hold more than %1 measurements; the "
                                     "book reads up to %1."))
        .Name(GroupedDigits(double(MaxCsvRows)));
}

TWording TooManyInstrumentsRefusal() {
    return TWording(Said("Refusals", "with it the files name more than %1 instruments; the book "
                                     "fits up to %1."))
        .Name(std::to_string(MaxInstruments));
}

TWording InstrumentNameRefusal() {
    return TWording(Said("Refusals", "an instrument's name is longer than the %1 bytes the book "
                                     "keeps of a name."))
        .Name(std::to_string(MaxInstrumentNameBytes));
}

TWording SpanRefusal(double span_days) {
    // All at one time is a set the window can show, saying why it has no periodogram.
    if (span_days >= MinSpan_days || span_days == 0.0)
        return {};
    return TWording(Said("Refusals", "The measurements span less than %1 days (%2 seconds); a "
                                     "period can only be sought in measurements spread over "
                                     "more."))
        .Number(Decimals(MinSpan_days))
        .Name(GroupedDigits(MinSpan_days * SecondsPerDay));
}

} // namespace observing
