// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
// Feeds arbitrary bytes to the measurements reader. Besides the sanitizers' checks: a file is
// read exactly when it holds at least three rows; what is read is finite, in time order from
// zero, with positive errors; a refusal has a message, naming its line when it has one; the
// same bytes read the same way twice; and what was read, written out, reads back to the same
// velocities and errors.

#include "model/MeasurementsCsv.h"
#include "model/Periodogram.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

void check(bool condition, const char* what) {
    if (condition)
        return;
    std::fprintf(stderr, "%s\n", what);
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace observing;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const TCsvReading reading = ReadMeasurementsCsv(text);
    const TCsvReading again = ReadMeasurementsCsv(text);
    check(again.ok == reading.ok && again.message == reading.message &&
              again.set.data == reading.set.data,
          "a second reading differs");
    if (!reading.ok) {
        check(!reading.message.empty(), "a refusal without a message");
        check(reading.set.data.empty(), "a refusal with measurements");
        check((reading.line > 0) == reading.message.starts_with("line "),
              "the line number and the message disagree");
        return 0;
    }
    const auto& rows = reading.set.data;
    check(rows.size() >= MinCsvRows && rows.size() <= MaxCsvRows, "a row count out of range");
    check(std::isfinite(reading.set.timeOffset_days), "an offset that is not finite");
    check(rows.front().t_days == 0.0, "times not counted from the first");
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const TMeasurement& m = rows[i];
        check(std::isfinite(m.t_days) && std::isfinite(m.v_mps) && std::isfinite(m.error_mps),
              "a value that is not finite");
        check(m.error_mps > 0.0, "an error that is not positive");
        check(i == 0 || rows[i - 1].t_days <= m.t_days, "times out of order");
    }
    // The periodogram takes whatever was read, at a few frequencies.
    if (Span(rows) > 0.0) {
        TFrequencyGrid grid;
        grid.first = 1.0 / Span(rows);
        grid.step = grid.first;
        grid.count = 8;
        for (double p : Powers(rows, grid))
            check(p >= 0.0 && p <= 1.0, "a power outside 0 to 1");
    }
    const std::string written = WriteMeasurementsCsv(rows, reading.set.timeOffset_days, "again");
    if (written.size() > MaxCsvBytes)
        return 0;
    const TCsvReading back = ReadMeasurementsCsv(written);
    check(back.ok, "written measurements do not read back");
    check(back.set.data.size() == rows.size(), "written measurements change in number");
    for (std::size_t i = 0; i < rows.size(); ++i)
        check(back.set.data[i].error_mps == rows[i].error_mps, "an error changes on the way");
    return 0;
}
