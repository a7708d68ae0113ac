// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
// Feeds arbitrary bytes to the radial-velocity import as one file, then split in two files.
// Besides the sanitizers' checks: a refusal has a message naming the file, and its line when
// there is one; a data set read has at least three measurements, finite, in time order from
// zero, with positive errors, each of an instrument that exists, whose counts add up; the
// guess only names columns the table has; the same bytes read the same way twice.

#include "fuzz/FuzzCheck.h"
#include "model/rv/RvDataSet.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

void CheckReading(const rvdata::TRvDataSetReading& reading) {
    if (!reading.ok) {
        check(!reading.message.Empty(), "a refusal without a message");
        check(reading.message.English().find(": ") != std::string::npos, "a refusal naming no file");
        return;
    }
    const auto& rows = reading.set.measurements.data;
    check(rows.size() >= observing::MinCsvRows, "too few measurements accepted");
    check(std::isfinite(reading.set.measurements.timeOffset_days), "an offset not finite");
    check(rows.front().t_days == 0.0, "times not counted from the first");
    std::vector<int> counts(reading.set.instruments.size(), 0);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const observing::TMeasurement& m = rows[i];
        check(std::isfinite(m.t_days) && std::isfinite(m.v_mps) && std::isfinite(m.error_mps),
              "a value that is not finite");
        check(m.error_mps > 0.0, "an error that is not positive");
        check(i == 0 || rows[i - 1].t_days <= m.t_days, "times out of order");
        check(m.instrument >= 0 && static_cast<std::size_t>(m.instrument) < counts.size(),
              "a measurement of no instrument");
        ++counts[m.instrument];
    }
    for (std::size_t j = 0; j < counts.size(); ++j)
        check(counts[j] == reading.set.instruments[j].count, "an instrument's count is wrong");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const rvdata::TRvTableReading table = rvdata::ReadRvTable(text);
    if (table.ok) {
        const rvdata::TColumnGuess guess = rvdata::GuessColumns(table.table);
        const int columns = table.table.Columns();
        for (int c : {guess.choice.time, guess.choice.velocity, guess.choice.error})
            check(c >= 0 && c < columns, "a guessed column the table lacks");
        check(guess.choice.instrument < columns, "a guessed instrument column the table lacks");
        check(!guess.notes.empty(), "a guess that says nothing");
    } else {
        check((table.line > 0) == table.message.English().starts_with("line "),
              "the line number and the message disagree");
    }
    const std::vector<rvdata::TRvFile> one = {{"a.vels", text, std::nullopt}};
    const rvdata::TRvDataSetReading reading = rvdata::ReadDataSet(one);
    const rvdata::TRvDataSetReading again = rvdata::ReadDataSet(one);
    check(again.ok == reading.ok && again.message.English() == reading.message.English() &&
              again.set.measurements.data == reading.set.measurements.data,
          "a second reading differs");
    CheckReading(reading);
    const std::size_t half = text.find('\n', text.size() / 2);
    if (half != std::string::npos) {
        const std::vector<rvdata::TRvFile> two = {{"a_1_X.vels", text.substr(0, half), std::nullopt},
                                                  {"a_2_X.vels", text.substr(half + 1), std::nullopt}};
        CheckReading(rvdata::ReadDataSet(two));
    }
    return 0;
}
