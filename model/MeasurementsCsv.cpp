// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "model/MeasurementsCsv.h"

#include "model/MeasurementLimits.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace observing {

namespace {

constexpr std::string_view Header = "time_days,velocity_mps,error_mps";
constexpr const char* ColumnNames[3] = {"time", "velocity", "error"};

std::string_view Trimmed(std::string_view s) {
    const auto isSpace = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\f'; };
    while (!s.empty() && isSpace(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && isSpace(s.back()))
        s.remove_suffix(1);
    return s;
}

// 0 for runs of blanks.
char SeparatorOf(std::string_view line) {
    for (char c : {';', ',', '\t'})
        if (line.find(c) != std::string_view::npos)
            return c;
    return 0;
}

std::vector<std::string_view> Fields(std::string_view line, char separator) {
    std::vector<std::string_view> fields;
    if (separator == 0) {
        std::size_t i = 0;
        while (i < line.size()) {
            while (i < line.size() && (line[i] == ' ' || line[i] == '\t'))
                ++i;
            const std::size_t start = i;
            while (i < line.size() && line[i] != ' ' && line[i] != '\t')
                ++i;
            if (i > start)
                fields.push_back(line.substr(start, i - start));
        }
        return fields;
    }
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = line.find(separator, start);
        fields.push_back(Trimmed(line.substr(start, end == std::string_view::npos ? end : end - start)));
        if (end == std::string_view::npos)
            break;
        start = end + 1;
    }
    // A separator closing the row leaves an empty last field, which is no column.
    if (fields.size() > 1 && fields.back().empty())
        fields.pop_back();
    return fields;
}

enum class TNumber { Fine, NotANumber, NotFinite };

TNumber Parse(std::string_view field, bool decimalComma, double& value) {
    std::string text(field.size() > 1 && field.front() == '"' && field.back() == '"'
                         ? field.substr(1, field.size() - 2)
                         : field);
    if (decimalComma)
        std::replace(text.begin(), text.end(), ',', '.');
    const char* first = text.data();
    const char* last = text.data() + text.size();
    if (first != last && *first == '+')
        ++first;
    if (first == last)
        return TNumber::NotANumber;
    const auto [end, error] = std::from_chars(first, last, value);
    if (end != last || (error != std::errc() && error != std::errc::result_out_of_range))
        return TNumber::NotANumber;
    if (error == std::errc::result_out_of_range || !std::isfinite(value))
        return TNumber::NotFinite;
    return TNumber::Fine;
}

// A header is a first line whose first field starts with a letter and is not a number
// spelled out, like "nan" or "inf", which is a fault to be named instead.
bool LooksLikeHeader(std::string_view line) {
    const std::string_view first = Fields(line, SeparatorOf(line)).front();
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

TCsvReading Refused(int line, std::string message) {
    TCsvReading reading;
    reading.line = line;
    reading.message = line > 0 ? "line " + std::to_string(line) + ": " + message : message;
    return reading;
}

std::string Shortest(double x) {
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, x);
    return std::string(buffer, result.ptr);
}

// UTF-16 marks its order, or spells ASCII with a zero byte beside each letter.
bool LooksLikeUtf16(std::string_view text) {
    if (text.starts_with("\xFF\xFE") || text.starts_with("\xFE\xFF"))
        return true;
    return text.size() >= 2 && (text[0] == '\0') != (text[1] == '\0');
}

// The end of the line that starts at pos, and where the next one starts: a line ends with a
// line feed, a carriage return and line feed, or a carriage return alone.
std::size_t LineEnd(std::string_view text, std::size_t pos, std::size_t& next) {
    const std::size_t end = std::min(text.find_first_of("\r\n", pos), text.size());
    next = end + (text.substr(end).starts_with("\r\n") ? 2 : 1);
    return end;
}

} // namespace

TCsvReading ReadMeasurementsCsv(std::string_view text) {
    if (text.size() > MaxCsvBytes)
        return Refused(0, "The file is larger than 1 MB; the book reads up to 1 MB of "
                          "measurements.");
    if (LooksLikeUtf16(text))
        return Refused(0, "The file is written in UTF-16; save it as plain text (UTF-8 or "
                          "ASCII) and import it again.");
    if (text.starts_with("\xEF\xBB\xBF"))
        text.remove_prefix(3);
    std::vector<TMeasurement> rows;
    char separator = 0;
    bool seenRow = false, seenHeader = false;
    int lineNumber = 0;
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t next = 0;
        const std::size_t end = LineEnd(text, pos, next);
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
            separator = SeparatorOf(line);
        seenRow = true;
        if (rows.size() == MaxCsvRows)
            return Refused(0, "The file has more than 100 000 rows; the book reads up to "
                              "100 000 measurements.");
        const std::vector<std::string_view> fields = Fields(line, separator);
        if (fields.size() != 3)
            return Refused(lineNumber, "expected three columns (time, velocity, error), found " +
                                           std::to_string(fields.size()));
        double values[3];
        for (int c = 0; c < 3; ++c) {
            const TNumber number = Parse(fields[c], separator == ';', values[c]);
            const std::string name = ColumnNames[c];
            if (c == 2 && (number != TNumber::Fine || !(values[c] > 0.0)))
                return Refused(lineNumber, "the error must be a positive number");
            if (number == TNumber::NotANumber)
                return Refused(lineNumber, "the " + name + " is not a number");
            if (number == TNumber::NotFinite)
                return Refused(lineNumber, "the " + name + " must be a finite number");
        }
        for (const std::string& refusal :
             {TimeRefusal(values[0]), VelocityRefusal(values[1]), ErrorRefusal(values[2])})
            if (!refusal.empty())
                return Refused(lineNumber, refusal);
        rows.push_back({values[0], values[1], values[2]});
    }
    if (rows.size() < MinCsvRows)
        return Refused(0, "The file holds " + std::to_string(rows.size()) +
                              (rows.size() == 1 ? " measurement" : " measurements") +
                              "; at least 3 are needed.");
    std::stable_sort(rows.begin(), rows.end(), [](const TMeasurement& a, const TMeasurement& b) {
        return a.t_days < b.t_days;
    });
    if (const std::string refusal = SpanRefusal(rows.back().t_days - rows.front().t_days);
        !refusal.empty())
        return Refused(0, refusal);
    TCsvReading reading;
    reading.ok = true;
    reading.set.timeOffset_days = rows.front().t_days;
    for (TMeasurement& m : rows)
        m.t_days -= reading.set.timeOffset_days;
    reading.set.data = std::move(rows);
    return reading;
}

std::string WriteMeasurementsCsv(std::span<const TMeasurement> data, double timeOffset_days,
                                 std::string_view comment) {
    std::string text = "# ";
    for (char c : comment)
        text += c == '\n' || c == '\r' ? ' ' : c;
    text += '\n';
    text += Header;
    text += '\n';
    for (const TMeasurement& m : data) {
        text += Shortest(m.t_days + timeOffset_days);
        text += ',';
        text += Shortest(m.v_mps);
        text += ',';
        text += Shortest(m.error_mps);
        text += '\n';
    }
    return text;
}

} // namespace observing
