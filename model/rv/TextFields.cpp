// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "model/rv/TextFields.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>

namespace textfields {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\f' || c == '\v'; }

std::size_t LineEnd(std::string_view text, std::size_t pos, std::size_t& next) {
    const std::size_t end = std::min(text.find_first_of("\r\n", pos), text.size());
    next = end + (text.substr(end).starts_with("\r\n") ? 2 : 1);
    return end;
}

std::string_view Trimmed(std::string_view s) {
    while (!s.empty() && IsBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && IsBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

char SeparatorOf(std::string_view line, std::string_view candidates) {
    for (char c : candidates)
        if (line.find(c) != std::string_view::npos)
            return c;
    return 0;
}

std::vector<std::string_view> Fields(std::string_view line, char separator) {
    std::vector<std::string_view> fields;
    if (separator == 0) {
        std::size_t i = 0;
        while (i < line.size()) {
            while (i < line.size() && IsBlank(line[i]))
                ++i;
            const std::size_t start = i;
            while (i < line.size() && !IsBlank(line[i]))
                ++i;
            if (i > start)
                fields.push_back(line.substr(start, i - start));
        }
        return fields;
    }
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = line.find(separator, start);
        fields.push_back(
            Trimmed(line.substr(start, end == std::string_view::npos ? end : end - start)));
        if (end == std::string_view::npos)
            break;
        start = end + 1;
    }
    if (fields.size() > 1 && fields.back().empty())
        fields.pop_back();
    return fields;
}

TNumber ReadNumber(std::string_view field, bool decimalComma, double& value) {
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
        return TNumber::NotANumber;
    const auto [end, error] = std::from_chars(first, last, value);
    if (end != last || (error != std::errc() && error != std::errc::result_out_of_range))
        return TNumber::NotANumber;
    if (error == std::errc::result_out_of_range || !std::isfinite(value))
        return TNumber::NotFinite;
    return TNumber::Fine;
}

bool ParseNumber(std::string_view field, bool decimalComma, double& value) {
    return ReadNumber(field, decimalComma, value) == TNumber::Fine;
}

} // namespace textfields
