// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "simulation/VelocityGraph.h"

#include "model/orbit/planet.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <string>
#include <vector>

namespace {

constexpr double Mps = 1.0 / MpsPerAUPerDay; // one m/s in AU/day

// A graph at time scale 3 (R = 10 000 days) after its first tick at `time`.
TVelocityGraph StartedGraph(bool autoScale, double rv = 5 * Mps, double time = 100.0) {
    TVelocityGraph graph;
    graph.SetGraphSpan(3);
    graph.Plot(time, 1, rv, autoScale);
    return graph;
}

} // namespace

TEST(VelocityTicks, NoLabelsWithoutAPositiveFiniteSpeed) {
    const double inf = std::numeric_limits<double>::infinity();
    for (double vmax :
         {0.0, -1.0, TVelocityGraph::NoSweepMax, inf, std::numeric_limits<double>::quiet_NaN(),
          std::numeric_limits<double>::max()}) {
        SCOPED_TRACE(vmax);
        EXPECT_FALSE(TVelocityTicks::For(vmax).has_value());
    }
    const auto tiny = TVelocityTicks::For(std::numeric_limits<double>::denorm_min());
    ASSERT_TRUE(tiny.has_value()) << "the smallest speed still has labels";
    EXPECT_LE(tiny->Count, 5);
}

TEST(VelocityGraph, TheFirstTickStartsAFreshSweepWithAMove) {
    for (bool autoScale : {false, true}) {
        SCOPED_TRACE(autoScale ? "autoscaled" : "fixed scale");
        TVelocityGraph graph;
        graph.SetGraphSpan(3);
        graph.RescaleRequested = true;
        graph.SweepStart = 777.0;
        const TVelocityGraph::Point p = graph.Plot(106.8, 1, 3 * Mps, autoScale);

        EXPECT_TRUE(p.NewAxes);
        EXPECT_FALSE(p.Line) << "no segment joins the old curve";
        EXPECT_EQ(p.X, 106.8);
        EXPECT_DOUBLE_EQ(p.Y, 50.0 - 3 * Mps * 6250000.0);
        EXPECT_NEAR(graph.WorldLeft, -800.0, 1e-9) << "-0.08 x 10 000";
        EXPECT_DOUBLE_EQ(graph.WorldWidth, 10800.0);
        EXPECT_DOUBLE_EQ(graph.Right(), 10000.0);
        EXPECT_FALSE(graph.RescaleRequested);
        EXPECT_EQ(graph.SweepStart, 0.0);
        // 42.5 units at 6 250 000 a unit: 11.7 m/s.
        EXPECT_EQ(graph.Ticks.Exponent, 1);
        EXPECT_EQ(graph.Ticks.Count, 2);
        EXPECT_DOUBLE_EQ(graph.SweepMax, autoScale ? 3 * Mps : 42.5 / 6250000.0);
    }
}

TEST(VelocityGraph, LaterTicksContinueTheCurveUntilTheRightEdge) {
    TVelocityGraph graph = StartedGraph(true);
    TVelocityGraph::Point p = graph.Plot(9999.0, 2, -2 * Mps, true);
    EXPECT_FALSE(p.NewAxes);
    EXPECT_TRUE(p.Line);
    EXPECT_EQ(p.X, 9999.0);
    EXPECT_DOUBLE_EQ(graph.SweepMax, 5 * Mps);

    p = graph.Plot(10000.5, 3, 4 * Mps, true);
    EXPECT_TRUE(p.NewAxes) << "beyond R";
    EXPECT_FALSE(p.Line);
    EXPECT_EQ(p.X, 0.0) << "the tick's point goes to the left edge";
    EXPECT_EQ(graph.SweepStart, 10000.5);
    EXPECT_DOUBLE_EQ(graph.VelocityScale, 45.0 / (5 * Mps)) << "5 m/s now reaches 90 %";
    EXPECT_DOUBLE_EQ(p.Y, 50.0 - 4 * Mps * graph.VelocityScale);
    EXPECT_EQ(graph.Ticks.Exponent, 0);
    EXPECT_EQ(graph.Ticks.Step, 2.0);
    EXPECT_DOUBLE_EQ(graph.SweepMax, 4 * Mps) << "the new sweep's own maximum";

    p = graph.Plot(10100.5, 4, 1 * Mps, true);
    EXPECT_TRUE(p.Line);
    EXPECT_DOUBLE_EQ(p.X, 100.0);
}

TEST(VelocityGraph, ATimeScaleChangeOrARescaleStartsANewSweep) {
    TVelocityGraph graph = StartedGraph(false);
    graph.SetGraphSpan(1);
    TVelocityGraph::Point p = graph.Plot(200.0, 2, 1 * Mps, false);
    EXPECT_TRUE(p.NewAxes);
    EXPECT_EQ(p.X, 0.0);
    EXPECT_DOUBLE_EQ(graph.WorldWidth, 108.0);
    EXPECT_DOUBLE_EQ(graph.Right(), 100.0);
    EXPECT_EQ(graph.VelocityScale, 6250000.0) << "no autoscale, no rescale";

    graph.RescaleRequested = true;
    p = graph.Plot(210.0, 3, 1 * Mps, false);
    EXPECT_TRUE(p.NewAxes);
    EXPECT_FALSE(graph.RescaleRequested);
    EXPECT_DOUBLE_EQ(graph.VelocityScale, 45.0 / (1 * Mps))
        << "a rescale fits the sweep's own peak, below the initial range too";
}

TEST(VelocityGraph, AFixedScaleRelabelsForTheLargestSpeedSinceTheRescale) {
    TVelocityGraph graph = StartedGraph(false, 5 * Mps);
    graph.Plot(5000.0, 2, 30 * Mps, false);
    graph.Plot(10001.0, 3, 1 * Mps, false);
    EXPECT_EQ(graph.VelocityScale, 6250000.0);
    EXPECT_EQ(graph.Ticks.Exponent, 1);
    EXPECT_EQ(graph.Ticks.Step, 1.0) << "30 m/s: 3 units of ten";
    EXPECT_DOUBLE_EQ(graph.SweepMax, 30 * Mps) << "the maximum is kept across sweeps";
}

TEST(VelocityGraph, ASweepWithoutMotionKeepsTheScaleAndLabels) {
    for (bool requested : {false, true}) {
        SCOPED_TRACE(requested ? "rescale requested" : "autoscaled");
        TVelocityGraph graph = StartedGraph(true, 0.0);
        const TVelocityTicks before = graph.Ticks;
        graph.Plot(5000.0, 2, 0.0, true);
        graph.RescaleRequested = requested;
        const TVelocityGraph::Point p = graph.Plot(10001.0, 3, 0.0, !requested);

        EXPECT_TRUE(p.NewAxes);
        EXPECT_EQ(graph.VelocityScale, 6250000.0);
        EXPECT_EQ(graph.Ticks.Exponent, before.Exponent);
        EXPECT_EQ(graph.Ticks.Count, before.Count);
        EXPECT_EQ(p.Y, 50.0);
        EXPECT_FALSE(graph.RescaleRequested);
        EXPECT_EQ(graph.SweepMax, 0.0);
    }
}

TEST(VelocityGraph, ANegativeExcursionRaisesTheSweepMaximumToo) {
    TVelocityGraph graph = StartedGraph(true, 2 * Mps);
    graph.Plot(200.0, 2, -8 * Mps, true);
    EXPECT_DOUBLE_EQ(graph.SweepMax, 8 * Mps);
    graph.Plot(10001.0, 3, 0.0, true);
    EXPECT_DOUBLE_EQ(graph.VelocityScale, 45.0 / (8 * Mps)) << "the rescale fits -8 m/s";
}
