// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// The fields of one line of a table as text, shared by every reader of measurements. A line's
// separator is the first of a reader's candidates that occurs in it, or none, when runs of
// blanks (space, tab, carriage return, form feed, vertical tab) separate the fields. With a
// separator each field is trimmed of blanks and an empty field counts, except one left by a
// separator closing the line. A number is read in the C locale, with an optional "+", quotes
// around it taken off and, where the table writes one, a decimal comma read as a point.
// A line ends with a line feed, a carriage return and line feed, or a carriage return alone,
// so that files from every system read alike.

#include <cstddef>
#include <string_view>
#include <vector>

namespace textfields {

bool IsBlank(char c);

// The end of the line that starts at pos (the text's size for the last line without an
// end), with where the next one starts in next.
std::size_t LineEnd(std::string_view text, std::size_t pos, std::size_t& next);
std::string_view Trimmed(std::string_view s);

// The first of candidates found in the line, or 0 for runs of blanks.
char SeparatorOf(std::string_view line, std::string_view candidates);

std::vector<std::string_view> Fields(std::string_view line, char separator);

enum class TNumber { Fine, NotANumber, NotFinite };

// A value out of a double's range is NotFinite, as "inf" and "nan" are.
TNumber ReadNumber(std::string_view field, bool decimalComma, double& value);

// The field as a finite number; false when it is none.
bool ParseNumber(std::string_view field, bool decimalComma, double& value);

} // namespace textfields
