// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "model/observing/PhaseFold.h"

#include <gtest/gtest.h>

using namespace observing;

TEST(PhaseFold, EqualPhasesFallTogether) {
    const double period = 3.7, epoch = 1.2;
    std::vector<TMeasurement> data;
    for (int cycle = -2; cycle <= 40; cycle += 7)
        data.push_back({epoch + 0.45 * period + cycle * period, 10.0, 1.0});
    for (const TFoldedPoint& p : Fold(data, period, epoch))
        EXPECT_NEAR(p.phase, 0.45, 1e-12);
    EXPECT_NEAR(Phase(epoch - 0.25 * period, period, epoch), 0.75, 1e-12);
    EXPECT_EQ(Phase(epoch, period, epoch), 0.0);
    EXPECT_EQ(Phase(epoch - 1e-17, period, epoch), 0.0) << "never 1";
}

TEST(PhaseFold, PointsNearTheEndsAreRepeatedAcrossTheWrap) {
    const std::vector<TMeasurement> data = {
        {0.5, 1.0, 0.5}, {5.0, 2.0, 0.5}, {9.5, 3.0, 0.5}, {11.0, 4.0, 0.5}};
    const auto folded = Fold(data, 10.0, 0.0);
    // 0.05 gives 1.05 as well, 0.95 gives -0.05, 0.5 and 0.1 (11 days) once and twice.
    const std::vector<std::pair<double, std::size_t>> expected = {
        {-0.05, 2}, {0.05, 0}, {0.1, 3}, {0.5, 1}, {0.95, 2}, {1.05, 0}, {1.1, 3}};
    ASSERT_EQ(folded.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_NEAR(folded[i].phase, expected[i].first, 1e-12);
        EXPECT_EQ(folded[i].index, expected[i].second);
        EXPECT_EQ(folded[i].v_mps, data[expected[i].second].v_mps);
        EXPECT_EQ(folded[i].error_mps, 0.5);
    }
}
