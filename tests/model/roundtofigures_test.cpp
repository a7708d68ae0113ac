// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "model/text/RoundToFigures.h"

#include <gtest/gtest.h>
#include <limits>

TEST(RoundToFigures, RoundsOrTruncatesToSignificantFigures) {
    struct Case {
        const char* name;
        double x;
        int figures;
        bool nearest;
        double expected;
    };
    const Case cases[] = {
        {"pi to three", 3.14159, 3, true, 3.14},
        {"negative scaled down", -2718.28, 2, true, -2700.0},
        {"small truncated", 0.012345, 2, false, 0.012},
        {"small rounded up", 0.012355, 3, true, 0.0124},
        {"top of the kept range keeps an extra digit", 1000.0, 3, true, 1000.0},
        {"bottom of the kept range", 100.0, 3, true, 100.0},
        {"zero", 0.0, 3, true, 0.0},
        {"period to three", 4329.08, 3, true, 4330.0},
        {"period to two", 4329.08, 2, true, 4300.0},
        {"period to four", 4329.08, 4, true, 4329.0},
        {"period truncated", 4329.08, 3, false, 4320.0},
        {"middle of the range truncated", 123.7, 3, false, 123.0},
        {"middle of the range rounded", 123.7, 3, true, 124.0},
        {"negative truncated toward zero", -0.0789, 1, false, -0.07},
        {"huge", 6.02214e23, 3, true, 6.02e23},
        {"infinity", std::numeric_limits<double>::infinity(), 3, true,
         std::numeric_limits<double>::infinity()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_DOUBLE_EQ(RoundToFigures(c.x, c.figures, c.nearest), c.expected);
    }
}

TEST(RoundToFiguresDeathTest, NotANumberOrImpossibleFiguresStop) {
    EXPECT_DEATH(RoundToFigures(std::numeric_limits<double>::quiet_NaN(), 3, true), "temp > 0.0");
    EXPECT_DEATH(RoundToFigures(5.0, 400, true), "figures >= 1 && figures <= 308");
}
