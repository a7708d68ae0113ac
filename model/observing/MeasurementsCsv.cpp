// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "model/observing/MeasurementsCsv.h"

#include "model/observing/MeasurementLimits.h"
#include "model/rv/TextFields.h"

#include "Precondition.h"

#include <algorithm>
#include <cctype>
#include <charconv>

namespace observing {

namespace {

using textfields::Fields;
using textfields::TNumber;
using textfields::Trimmed;

constexpr std::string_view Header = "time_days,velocity_mps,error_mps";
// Why a column's field is refused: it is no number, or not a finite one.
constexpr TSaid NotANumber[2] = {Said("Refusals", "the time is not a number"),
                                 Said("Refusals", "the velocity is not a number")};
constexpr TSaid NotFinite[2] = {Said("Refusals", "the time must be a finite number"),
                                Said("Refusals", "the velocity must be a finite number")};

// A tab separates columns here, so an empty field between two tabs is a missing value.
constexpr std::string_view Separators = ";,\t";

// A header is a first line whose first field starts with a letter and is not a number
// spelled out, like "nan" or "inf", which is a fault to be named instead.
bool LooksLikeHeader(std::string_view line) {
    const std::string_view first = Fields(line, textfields::SeparatorOf(line, Separators)).front();
    std::string_view word = first;
    if (!word.empty() && word.front() == '"')
        word.remove_prefix(1);
    if (word.empty() || !std::isalpha(static_cast<unsigned char>(word.front())))
        return false;
    std::string lower(word.substr(0, 3));
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lower != "nan" && lower != "inf";
}

TCsvReading Refused(int line, TWording cause) {
    TCsvReading reading;
    Refuse(reading, line, std::move(cause));
    return reading;
}


// UTF-16 marks its order, or spells ASCII with a zero byte beside each letter.
bool LooksLikeUtf16(std::string_view text) {
    if (text.starts_with("\xFF\xFE") || text.starts_with("\xFE\xFF"))
        return true;
    return text.size() >= 2 && (text[0] == '\0') != (text[1] == '\0');
}

} // namespace

TCsvReading ReadMeasurementsCsv(std::string_view text) {
    if (text.size() > MaxCsvBytes)
        return Refused(0, TooLargeRefusal());
    if (LooksLikeUtf16(text))
        return Refused(0, Said("Refusals", "The file is written in UTF-16; save it as plain "
                                           "text (UTF-8 or ASCII) and import it again."));
    if (text.starts_with("\xEF\xBB\xBF"))
        text.remove_prefix(3);
    std::vector<TMeasurement> rows;
    char separator = 0;
    bool seenRow = false, seenHeader = false;
    int lineNumber = 0;
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t next = 0;
        const std::size_t end = textfields::LineEnd(text, pos, next);
        const std::string_view line = Trimmed(text.substr(pos, end - pos));
        pos = next;
        ++lineNumber;
        if (line.empty() || line.front() == '#')
            continue;
        if (!seenRow && !seenHeader && LooksLikeHeader(line)) {
            seenHeader = true;
            continue;
        }
        if (!seenRow)
            separator = textfields::SeparatorOf(line, Separators);
        seenRow = true;
        if (rows.size() == MaxCsvRows)
            return Refused(0, TooManyRowsRefusal());
        const std::vector<std::string_view> fields = Fields(line, separator);
        if (fields.size() != 3)
            return Refused(lineNumber,
                           TWording(Said("Refusals", "expected three columns (time, velocity, "
                                                     "error), found %1"))
                               .Name(std::to_string(fields.size())));
        double values[3];
        for (int c = 0; c < 3; ++c) {
            const TNumber number = textfields::ReadNumber(fields[c], separator == ';', values[c]);
            if (c == 2 && (number != TNumber::Fine || !(values[c] > 0.0)))
                return Refused(lineNumber, Said("Refusals", "the error must be a positive number"));
            if (number == TNumber::NotANumber)
                return Refused(lineNumber, NotANumber[c]);
            if (number == TNumber::NotFinite)
                return Refused(lineNumber, NotFinite[c]);
        }
        for (const TWording& refusal :
             {TimeRefusal(values[0]), VelocityRefusal(values[1]), ErrorRefusal(values[2])})
            if (!refusal.Empty())
                return Refused(lineNumber, refusal);
        rows.push_back({values[0], values[1], values[2]});
    }
    if (rows.size() < MinCsvRows)
        return Refused(0, TooFewRefusal(rows.size()));
    std::stable_sort(rows.begin(), rows.end(), [](const TMeasurement& a, const TMeasurement& b) {
        return a.t_days < b.t_days;
    });
    if (const TWording refusal = SpanRefusal(rows.back().t_days - rows.front().t_days);
        !refusal.Empty())
        return Refused(0, refusal);
    TCsvReading reading;
    reading.ok = true;
    reading.set.timeOffset_days = rows.front().t_days;
    for (TMeasurement& m : rows)
        m.t_days -= reading.set.timeOffset_days;
    reading.set.data = std::move(rows);
    return reading;
}

std::string Shortest(double x) {
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, x);
    return std::string(buffer, result.ptr);
}

std::string WriteMeasurementsCsv(std::span<const TMeasurement> data, double timeOffset_days,
                                 std::string_view comment,
                                 std::span<const std::string> instruments) {
    const bool named = instruments.size() > 1;
    std::string text = "# ";
    for (char c : comment)
        text += c == '\n' || c == '\r' ? ' ' : c;
    text += '\n';
    text += Header;
    text += named ? ",instrument\n" : "\n";
    for (const TMeasurement& m : data) {
        text += Shortest(m.t_days + timeOffset_days);
        text += ',';
        text += Shortest(m.v_mps);
        text += ',';
        text += Shortest(m.error_mps);
        if (named) {
            PRECONDITION(static_cast<std::size_t>(m.instrument) < instruments.size());
            text += ',';
            // A name is one field: the separators a reader splits on become spaces.
            for (char c : instruments[static_cast<std::size_t>(m.instrument)])
                text += c == ',' || c == ';' || c == '"' || c == '\n' || c == '\r' ? ' ' : c;
        }
        text += '\n';
    }
    return text;
}

} // namespace observing
