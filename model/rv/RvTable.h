// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// A table of radial velocities as text comes: rows of fields separated by commas, semicolons
// (then a decimal comma reads as a point) or runs of blanks (spaces and tabs alike), or an
// .rdb table (a header line of names, a line of dashes, tab-separated rows). Lines starting
// with "#" are comments, and those of the form "# key = value" are kept as the file's
// header; blank lines are skipped. Lines end as TextFields.h reads them (LF, CRLF or CR). One line of names may precede the rows. Every row must
// have as many fields as the first; a table is refused, naming the line and the cause, when
// it is over observing::MaxCsvBytes, has over observing::MaxCsvRows rows or none at all.
// The fields stay text: which column is what, and in which unit, is the import's business.

#include "model/text/Answer.h"
#include "model/rv/TextFields.h"

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace rvdata {

struct TRvTable {
    TWording format;                      // "rdb", "comma-separated", ... for the user
    std::vector<std::string> names;       // of the columns, or empty when the file names none
    std::vector<std::vector<std::string>> rows;
    std::vector<int> lines;               // the 1-based line of each row
    std::vector<std::pair<std::string, std::string>> header; // "# key = value" lines

    bool decimalComma = false;            // semicolon-separated: "3,5" is 3.5

    int Columns() const;
    // The value of a header key (compared without case), or an empty text.
    std::string Header(std::string_view key) const;
};

struct TRvTableReading : TAnswer {
    TRvTable table;
};

TRvTableReading ReadRvTable(std::string_view text);

using textfields::ParseNumber;

} // namespace rvdata
