// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "model/simulation/RealSystems.h"
#include "simulation/RealSystemView.h"

#include <gtest/gtest.h>

using namespace realview;

TEST(RealSystemView, TimeScaleShowsTwoPeriodsOfTheFastestPlanet) {
    const struct {
        double period_days;
        int scale;
    } cases[] = {{0.3, -1},  {0.5, -1},   {0.6, 0},    {4.231, 0},  {5.1, 1},
                 {116.7, 2}, {1078.0, 3}, {4333.0, 3}, {60000.0, 3}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.period_days);
        TRealPlanet planet{"b", {c.period_days, 3}, {1.0, 1}, false, {0.0, 1}, {0.0, 1},
                           {1.0, 1}, false, "-"};
        const TRealSystem system{"s", "s", {1.0, 1}, "-", {planet}};
        EXPECT_EQ(TimeScaleFor(system, TSliderRange{-1, 4}, 3), c.scale);
    }
    const TRealSystem& upsAnd = RealSystems()[4];
    EXPECT_EQ(TimeScaleFor(upsAnd, TSliderRange{-1, 4}, 3), 0) << "b's 4.6 days, not d's 1276";
}
