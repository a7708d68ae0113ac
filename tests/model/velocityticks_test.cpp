// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "model/simulation/VelocityTicks.h"

#include "model/orbit/planet.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

constexpr double Mps = 1.0 / MpsPerAUPerDay; // one m/s in AU/day

std::vector<std::string> Labels(const TVelocityTicks& ticks) {
    std::vector<std::string> labels;
    for (int i = -ticks.Count; i <= ticks.Count; ++i)
        if (i != 0)
            labels.push_back(ticks.Label(i));
    return labels;
}

} // namespace

TEST(VelocityTicks, PicksAPowerOfTenAndAStep) {
    using Labels_t = std::vector<std::string>;
    const struct {
        const char* name;
        double vmax_mps;
        int exponent;
        double step;
        Labels_t labels;
    } cases[] = {
        {"Mondas, 12.4 m/s", 12.4, 1, 0.5, {"-1", "-0.5", "0.5", "1"}},
        {"just above 2 units", 25.0, 1, 1.0, {"-2", "-1", "1", "2"}},
        {"above 3 units", 35.0, 1, 2.0, {"-2", "2"}},
        {"9.9 units", 99.0, 1, 2.0, {"-8", "-6", "-4", "-2", "2", "4", "6", "8"}},
        {"one and a half hundreds", 150.0, 2, 0.5, {"-1.5", "-1", "-0.5", "0.5", "1", "1.5"}},
        {"below one m/s", 0.37, -1, 2.0, {"-2", "2"}},
        {"fast", 4.2e4, 4, 2.0, {"-4", "-2", "2", "4"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto ticks = TVelocityTicks::For(c.vmax_mps * Mps);
        ASSERT_TRUE(ticks.has_value());
        EXPECT_EQ(ticks->Exponent, c.exponent);
        EXPECT_EQ(ticks->Step, c.step);
        EXPECT_EQ(Labels(*ticks), c.labels);
        EXPECT_EQ(ticks->ExponentText(), std::to_string(c.exponent));
    }
    const auto mondas = TVelocityTicks::For(12.4 * Mps);
    EXPECT_DOUBLE_EQ(mondas->Velocity_mps(2), 10.0);
    EXPECT_DOUBLE_EQ(mondas->Velocity_mps(-1), -5.0);
}
