// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "model/RvTable.h"

#include "model/MeasurementsCsv.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <optional>

namespace rvdata {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\f' || c == '\v'; }

std::string_view Trimmed(std::string_view s) {
    while (!s.empty() && IsBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && IsBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

std::string Lower(std::string_view s) {
    std::string out(s);
    std::transform(out.begin(), out.end(), out.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return out;
}

// 0 for runs of blanks.
char SeparatorOf(std::string_view line) {
    for (char c : {';', ','})
        if (line.find(c) != std::string_view::npos)
            return c;
    return 0;
}

std::vector<std::string> Fields(std::string_view line, char separator) {
    std::vector<std::string> fields;
    if (separator == 0) {
        std::size_t i = 0;
        while (i < line.size()) {
            while (i < line.size() && IsBlank(line[i]))
                ++i;
            const std::size_t start = i;
            while (i < line.size() && !IsBlank(line[i]))
                ++i;
            if (i > start)
                fields.emplace_back(line.substr(start, i - start));
        }
        return fields;
    }
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = line.find(separator, start);
        fields.emplace_back(
            Trimmed(line.substr(start, end == std::string_view::npos ? end : end - start)));
        if (end == std::string_view::npos)
            break;
        start = end + 1;
    }
    // A separator closing the row leaves an empty last field, which is no column.
    if (fields.size() > 1 && fields.back().empty())
        fields.pop_back();
    return fields;
}

bool IsDashes(const std::vector<std::string>& fields) {
    return !fields.empty() && std::all_of(fields.begin(), fields.end(), [](const std::string& f) {
        return !f.empty() && f.find_first_not_of('-') == std::string::npos;
    });
}

std::string Line(int line) { return "Line " + std::to_string(line) + ": "; }

// "# key = value" as a header entry.
std::optional<std::pair<std::string, std::string>> HeaderEntry(std::string_view comment) {
    const std::size_t equals = comment.find('=');
    if (equals == std::string_view::npos)
        return std::nullopt;
    const std::string_view key = Trimmed(comment.substr(0, equals));
    if (key.empty())
        return std::nullopt;
    return std::make_pair(std::string(key), std::string(Trimmed(comment.substr(equals + 1))));
}

} // namespace

int TRvTable::Columns() const {
    return static_cast<int>(rows.empty() ? names.size() : rows.front().size());
}

std::string TRvTable::Header(std::string_view key) const {
    const std::string wanted = Lower(key);
    for (const auto& [k, v] : header)
        if (Lower(k) == wanted)
            return v;
    return {};
}

bool ParseNumber(std::string_view field, bool decimalComma, double& value) {
    if (field.size() > 1 && field.front() == '"' && field.back() == '"')
        field = field.substr(1, field.size() - 2);
    std::string text(field);
    if (decimalComma)
        std::replace(text.begin(), text.end(), ',', '.');
    const char* first = text.data();
    const char* last = text.data() + text.size();
    if (first != last && *first == '+')
        ++first;
    if (first == last)
        return false;
    const auto [end, error] = std::from_chars(first, last, value);
    return end == last && error == std::errc() && std::isfinite(value);
}

TRvTableReading ReadRvTable(std::string_view text) {
    TRvTableReading reading;
    TRvTable& table = reading.table;
    const auto refuse = [&](int line, std::string message) {
        reading.ok = false;
        reading.line = line;
        reading.message = line > 0 ? Line(line) + message : std::move(message);
        return reading;
    };
    if (text.size() > observing::MaxCsvBytes)
        return refuse(0, "The file is larger than " +
                             std::to_string(observing::MaxCsvBytes / 1'000'000) +
                             " MB; it cannot be a table of measurements.");

    bool separatorKnown = false;
    char separator = 0;
    bool expectDashes = false;
    int lineNumber = 0;
    std::size_t at = 0;
    while (at <= text.size()) {
        const std::size_t end = std::min(text.find('\n', at), text.size());
        const std::string_view raw = text.substr(at, end - at);
        at = end + 1;
        ++lineNumber;
        const std::string_view line = Trimmed(raw);
        if (line.empty())
            continue;
        if (line.front() == '#') {
            if (auto entry = HeaderEntry(line.substr(1)))
                table.header.push_back(std::move(*entry));
            continue;
        }
        if (!separatorKnown) {
            separatorKnown = true;
            separator = SeparatorOf(line);
            table.decimalComma = separator == ';';
        }
        std::vector<std::string> fields = Fields(line, separator);
        if (expectDashes) {
            expectDashes = false;
            if (IsDashes(fields)) {
                if (fields.size() != table.names.size())
                    return refuse(lineNumber, "the line of dashes has " +
                                                  std::to_string(fields.size()) +
                                                  " columns where the names above have " +
                                                  std::to_string(table.names.size()) + ".");
                table.format = "rdb";
                continue;
            }
        }
        if (table.names.empty() && table.rows.empty()) {
            double ignored = 0.0;
            const bool anyNumber = std::any_of(fields.begin(), fields.end(), [&](const auto& f) {
                return ParseNumber(f, table.decimalComma, ignored);
            });
            if (!anyNumber) {
                table.names = std::move(fields);
                expectDashes = true;
                continue;
            }
        }
        const std::size_t expected =
            table.rows.empty() ? (table.names.empty() ? fields.size() : table.names.size())
                               : table.rows.front().size();
        if (fields.size() != expected) {
            const std::string where = table.rows.empty()
                                          ? "the line of names has "
                                          : "line " + std::to_string(table.lines.front()) + " has ";
            return refuse(lineNumber,
                          std::to_string(fields.size()) +
                              (fields.size() == 1 ? " column" : " columns") + " where " + where +
                              std::to_string(expected) +
                              "; are its values separated by something else?");
        }
        if (table.rows.size() == observing::MaxCsvRows)
            return refuse(lineNumber, "the file has more than " +
                                          std::to_string(observing::MaxCsvRows) + " rows.");
        table.rows.push_back(std::move(fields));
        table.lines.push_back(lineNumber);
    }
    if (table.rows.empty())
        return refuse(0, "The file holds no rows of measurements.");
    if (table.format.empty())
        table.format = separator == ',' ? "comma-separated"
                       : separator == ';' ? "semicolon-separated"
                                          : "separated by blanks";
    reading.ok = true;
    return reading;
}

} // namespace rvdata
