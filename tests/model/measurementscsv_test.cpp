// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "model/observing/MeasurementLimits.h"
#include "model/observing/MeasurementsCsv.h"

#include "LineEnds.h"

#include <cmath>
#include <gtest/gtest.h>
#include <string>

using namespace observing;

namespace {

struct Accepted {
    const char* name;
    std::string text;
    double offset;
    std::vector<TMeasurement> data;
};

struct Refusal {
    const char* name;
    std::string text;
    std::string message;
};

std::string Rows(std::size_t n) {
    std::string text;
    for (std::size_t i = 0; i < n; ++i)
        text += std::to_string(i) + ",1,1\n";
    return text;
}

} // namespace

TEST(MeasurementsCsv, ReadsEveryAcceptedForm) {
    const std::vector<TMeasurement> three = {{0.0, 1.5, 2.0}, {1.0, -3.0, 1.0}, {2.5, 4.0, 0.5}};
    const Accepted cases[] = {
        {"commas with a header and comments",
         "# run of 3 nights\ntime_days,velocity_mps,error_mps\n0,1.5,2\n1,-3,1\n# note\n2.5,4,0.5\n",
         0.0, three},
        {"semicolons with decimal commas", "0;1,5;2\n1;-3;1\n2,5;4;0,5\n", 0.0, three},
        {"tabs", "0\t1.5\t2\n1\t-3\t1\n2.5\t4\t0.5\n", 0.0, three},
        {"runs of spaces", "  0   1.5 2\n1 -3    1\n 2.5 4 0.5  \n", 0.0, three},
        {"Windows line ends, a byte-order mark, blank lines",
         "\xEF\xBB\xBFt,v,e\r\n\r\n0,1.5,2\r\n1,-3,1\r\n2.5,4,0.5\r\n", 0.0, three},
        {"spaces round the commas and a plus sign", "0 , +1.5 , 2\n1,-3,1\n2.5, 4,0.5,\n", 0.0,
         three},
        {"Julian dates, out of order, shown from the first point",
         "2450001.5,-3,1\n2450000.5,1.5,2\n2450003,4,0.5\n", 2450000.5, three},
        {"quoted numbers and exponents", "\"0\",\"1.5\",\"2\"\n1e0,-3,1\n2.5,4E0,5e-1\n", 0.0,
         three},
        {"no line end at the end", "0,1.5,2\n1,-3,1\n2.5,4,0.5", 0.0, three},
        {"all at one time", "5,1.5,2\n5,-3,1\n5,4,0.5\n", 5.0,
         {{0.0, 1.5, 2.0}, {0.0, -3.0, 1.0}, {0.0, 4.0, 0.5}}},
        {"carriage returns alone", "t,v,e\r0,1.5,2\r1,-3,1\r\r2.5,4,0.5\r", 0.0, three},
    };
    for (const Accepted& c : cases) {
        SCOPED_TRACE(c.name);
        const TCsvReading reading = ReadMeasurementsCsv(c.text);
        ASSERT_TRUE(reading.ok) << reading.message;
        EXPECT_EQ(reading.set.timeOffset_days, c.offset);
        EXPECT_EQ(reading.set.data, c.data);
    }
}

TEST(MeasurementsCsv, RefusesBadFilesNamingTheLineAndCause) {
    const Refusal cases[] = {
        {"a non-positive error", "0,1,2\n1,2,3\n2,3,0\n", "line 3: the error must be a positive number"},
        {"a negative error", "# c\n\n0,1,-2\n1,2,3\n2,3,1\n", "line 3: the error must be a positive number"},
        {"an infinite error", "0,1,inf\n1,2,3\n2,3,1\n", "line 1: the error must be a positive number"},
        {"a missing error", "0,1,2\n1,2,\n2,3,1\n", "line 2: expected three columns (time, velocity, error), found 2"},
        {"a fourth column", "0,1,2,5\n", "line 1: expected three columns (time, velocity, error), found 4"},
        {"a NaN velocity", "t,v,e\n0,NaN,2\n", "line 2: the velocity must be a finite number"},
        {"a NaN time first", "nan,1,2\n1,2,3\n2,3,1\n", "line 1: the time must be a finite number"},
        {"an infinite time", "0,1,2\n-Infinity,2,3\n", "line 2: the time must be a finite number"},
        {"a time too large for a double", "0,1,2\n1e999,2,3\n", "line 2: the time must be a finite number"},
        {"a word among the numbers", "0,1,2\n1,two,3\n", "line 2: the velocity is not a number"},
        {"a second header", "t,v,e\n0,1,2\nt,v,e\n", "line 3: the time is not a number"},
        {"a decimal comma with commas between", "0,5,1,2\n", "line 1: expected three columns (time, velocity, error), found 4"},
        {"trailing garbage in a number", "0,1.5x,2\n", "line 1: the velocity is not a number"},
        {"a nul byte", std::string("0,1,2\n1,\0,2\n", 12), "line 2: the velocity is not a number"},
        {"two points", "0,1,2\n1,2,3\n", "The file holds 2 measurements; at least 3 are needed."},
        {"only comments", "# nothing\n", "The file holds 0 measurements; at least 3 are needed."},
        {"empty", "", "The file holds 0 measurements; at least 3 are needed."},
        {"over 100 000 rows", Rows(100001), "The file has more than 100 000 rows; the book reads up to 100 000 measurements."},
        {"UTF-16 with its mark", std::string("\xFF\xFE" "0\0,\0" "1\0,\0" "1\0", 12),
         "The file is written in UTF-16; save it as plain text (UTF-8 or ASCII) and import it again."},
        {"UTF-16 without a mark", std::string("\0" "0\0,\0" "1\0,\0" "1", 9),
         "The file is written in UTF-16; save it as plain text (UTF-8 or ASCII) and import it again."},

        {"over 1 MB", std::string(1000001, '#'), "The file is larger than 1 MB; the book reads up to 1 MB of measurements."},
    };
    for (const Refusal& c : cases) {
        SCOPED_TRACE(c.name);
        const TCsvReading reading = ReadMeasurementsCsv(c.text);
        EXPECT_FALSE(reading.ok);
        EXPECT_EQ(reading.message, c.message);
        EXPECT_TRUE(reading.set.data.empty());
    }
    EXPECT_TRUE(ReadMeasurementsCsv(Rows(100000)).ok) << "exactly the limit is read";
}

class MeasurementsCsvLineEnds : public ::testing::TestWithParam<lineends::TEnds> {};

// Every kind of line end reads alike, each line counted once: the header, a blank line and
// comments are passed over and a refusal names its own line.
TEST_P(MeasurementsCsvLineEnds, ReadAlikeAndCountLinesOnce) {
    const auto joined = [this](std::vector<std::string> lines) {
        return lineends::Joined(lines, GetParam());
    };
    const TCsvReading reading =
        ReadMeasurementsCsv(joined({"# run", "t,v,e", "0,1.5,2", "", "1,-3,1", "# note", "2.5,4,0.5"}));
    ASSERT_TRUE(reading.ok) << reading.message;
    EXPECT_EQ(reading.set.data,
              (std::vector<TMeasurement>{{0.0, 1.5, 2.0}, {1.0, -3.0, 1.0}, {2.5, 4.0, 0.5}}));
    EXPECT_EQ(ReadMeasurementsCsv(joined({"t,v,e", "0,1,2", "", "1,2,0", "2,3,1"})).message,
              "line 4: the error must be a positive number");
}

INSTANTIATE_TEST_SUITE_P(Kinds, MeasurementsCsvLineEnds, lineends::Kinds(), lineends::Name);

TEST(MeasurementsCsv, WrittenDataReadBackExactly) {
    TObservingPlan plan;
    plan.seed = 987654321;
    const std::vector<TMeasurement> data = {
        {0.1234567890123, 12.3456789, 5.0}, {3.3, -0.1, 5.0}, {7.0 / 3.0, 1e-7, 0.75}};
    const std::string text = WriteMeasurementsCsv(data, 2450000.0, DescribePlan(plan).English() + "\nmore");
    EXPECT_EQ(text.substr(0, text.find('\n')),
              "# Observing run: 40 nights over 60 days, precision 5 m/s, jitter 0 m/s, "
              "observable 100 % of the year, 0 % of nights lost to weather, seed 987654321 more");
    EXPECT_NE(text.find("\ntime_days,velocity_mps,error_mps\n"), std::string::npos);
    const TCsvReading reading = ReadMeasurementsCsv(text);
    ASSERT_TRUE(reading.ok) << reading.message;
    EXPECT_EQ(reading.set.timeOffset_days, 2450000.1234567890123);
    ASSERT_EQ(reading.set.data.size(), 3u);
    EXPECT_EQ(reading.set.data[1].v_mps, 1e-7);
    EXPECT_EQ(reading.set.data[2].v_mps, -0.1);
    EXPECT_NEAR(reading.set.data[2].t_days, 3.3 - 0.1234567890123, 1e-9);

    const std::string plain = WriteMeasurementsCsv(data, 0.0, "x");
    const TCsvReading again = ReadMeasurementsCsv(plain);
    ASSERT_TRUE(again.ok);
    EXPECT_EQ(again.set.timeOffset_days, data[0].t_days);
    EXPECT_EQ(again.set.data[1].v_mps, data[2].v_mps) << "sorted by time";
}

// The shortest span itself is accepted: a file can only come near it through decimals.
TEST(MeasurementsCsv, SpanOfExactlyTheShortestIsAccepted) {
    EXPECT_EQ(SpanRefusal(MinSpan_days), "");
    EXPECT_EQ(SpanRefusal(0.0), "");
    EXPECT_NE(SpanRefusal(std::nextafter(MinSpan_days, 0.0)), "");
}

// Each bound of MeasurementLimits.h read from a file: the value at the bound is taken, the
// next one beyond it refused with the bound in the message.
TEST(MeasurementsCsv, ValuesUpToEachBoundAreReadAndThoseBeyondRefused) {
    const struct {
        const char* name;
        std::string inside, outside;
        std::string message;
    } cases[] = {
        {"latest time", "0,1,1\n1,1,1\n1e8,1,1\n", "0,1,1\n1,1,1\n1.0000001e8,1,1\n",
         "line 3: the time must lie between -100 000 000 and 100 000 000 days"},
        {"earliest time", "-1e8,1,1\n1,1,1\n2,1,1\n", "-1.0000001e8,1,1\n1,1,1\n2,1,1\n",
         "line 1: the time must lie between -100 000 000 and 100 000 000 days"},
        {"fastest receding", "0,299792458,1\n1,1,1\n2,1,1\n", "0,299792459,1\n1,1,1\n2,1,1\n",
         "line 1: the velocity must lie between -299 792 458 and 299 792 458 m/s (the speed of light)"},
        {"fastest approaching", "0,1,1\n1,-299792458,1\n2,1,1\n", "0,1,1\n1,-299792459,1\n2,1,1\n",
         "line 2: the velocity must lie between -299 792 458 and 299 792 458 m/s (the speed of light)"},
        {"smallest error", "0,1,1e-6\n1,1,1\n2,1,1\n", "0,1,0.9e-6\n1,1,1\n2,1,1\n",
         "line 1: the error must lie between 0.000001 m/s and 299 792 458 m/s (the speed of light)"},
        {"largest error", "0,1,1\n1,1,299792458\n2,1,1\n", "0,1,1\n1,1,3e8\n2,1,1\n",
         "line 2: the error must lie between 0.000001 m/s and 299 792 458 m/s (the speed of light)"},
        {"shortest span", "5,1,1\n5.0005,2,1\n5.001,3,1\n", "5,1,1\n5.0005,2,1\n5.0009,3,1\n",
         "The measurements span less than 0.001 days (86 seconds); a period can only be sought "
         "in measurements spread over more."},
        {"widest span", "-1e8,1,1\n0,1,1\n1e8,1,1\n", "-1e8,1,1\n0,1,1\n1e300,1,1\n",
         "line 3: the time must lie between -100 000 000 and 100 000 000 days"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const TCsvReading inside = ReadMeasurementsCsv(c.inside);
        EXPECT_TRUE(inside.ok) << inside.message;
        const TCsvReading outside = ReadMeasurementsCsv(c.outside);
        EXPECT_FALSE(outside.ok);
        EXPECT_EQ(outside.message, c.message);
    }
}
