// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "model/rv/RvTable.h"

#include "model/observing/MeasurementLimits.h"
#include "model/rv/TextFields.h"

#include <algorithm>
#include <optional>

namespace rvdata {

namespace {

using textfields::Trimmed;

std::string Lower(std::string_view s) {
    std::string out(s);
    std::transform(out.begin(), out.end(), out.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return out;
}

// Tabs are blanks here: an .rdb table's rows are tab-separated, and a table of several
// aligned columns may mix tabs and spaces.
constexpr std::string_view Separators = ";,";

std::vector<std::string> Fields(std::string_view line, char separator) {
    const std::vector<std::string_view> views = textfields::Fields(line, separator);
    return {views.begin(), views.end()};
}

bool IsDashes(const std::vector<std::string>& fields) {
    return !fields.empty() && std::all_of(fields.begin(), fields.end(), [](const std::string& f) {
        return !f.empty() && f.find_first_not_of('-') == std::string::npos;
    });
}

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

TRvTableReading ReadRvTable(std::string_view text) {
    TRvTableReading reading;
    TRvTable& table = reading.table;
    const auto refuse = [&](int line, TWording cause) {
        Refuse(reading, line, std::move(cause));
        return reading;
    };
    if (text.size() > observing::MaxCsvBytes)
        return refuse(0, observing::TooLargeRefusal());

    bool separatorKnown = false;
    char separator = 0;
    bool expectDashes = false;
    int lineNumber = 0;
    std::size_t at = 0;
    while (at < text.size()) {
        std::size_t next = 0;
        const std::size_t end = textfields::LineEnd(text, at, next);
        const std::string_view raw = text.substr(at, end - at);
        at = next;
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
            separator = textfields::SeparatorOf(line, Separators);
            table.decimalComma = separator == ';';
        }
        std::vector<std::string> fields = Fields(line, separator);
        if (expectDashes) {
            expectDashes = false;
            if (IsDashes(fields)) {
                if (fields.size() != table.names.size())
                    return refuse(lineNumber,
                                  TWording(Said("Refusals", "the line of dashes has %1 columns "
                                                            "where the names above have %2."))
                                      .Name(std::to_string(fields.size()))
                                      .Name(std::to_string(table.names.size())));
                table.format = Verbatim("rdb");
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
            const bool one = fields.size() == 1;
            TWording where(table.rows.empty()
                               ? (one ? Said("Refusals", "1 column where the line of names has "
                                                         "%2; are its values separated by "
                                                         "something else?")
                                      : Said("Refusals", "%1 columns where the line of names has "
                                                         "%2; are its values separated by "
                                                         "something else?"))
                               : (one ? Said("Refusals", "1 column where line %3 has %2; are its "
                                                         "values separated by something else?")
                                      : Said("Refusals", "%1 columns where line %3 has %2; are "
                                                         "its values separated by something "
                                                         "else?")));
            return refuse(lineNumber, where.Name(std::to_string(fields.size()))
                                          .Name(std::to_string(expected))
                                          .Name(std::to_string(table.lines.empty()
                                                                   ? 0
                                                                   : table.lines.front())));
        }
        if (table.rows.size() == observing::MaxCsvRows)
            return refuse(0, observing::TooManyRowsRefusal());
        table.rows.push_back(std::move(fields));
        table.lines.push_back(lineNumber);
    }
    if (table.rows.empty())
        return refuse(0, Said("Refusals", "The file holds no rows of measurements."));
    if (table.format.Empty())
        table.format = separator == ',' ? Said("Import", "comma-separated")
                       : separator == ';' ? Said("Import", "semicolon-separated")
                                          : Said("Import", "separated by blanks");
    reading.ok = true;
    return reading;
}

} // namespace rvdata
