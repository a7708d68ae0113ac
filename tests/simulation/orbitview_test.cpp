// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "simulation/OrbitView.h"

#include <cmath>
#include <gtest/gtest.h>

namespace {

constexpr double Pi = 3.141592653589793;

} // namespace

TEST(OrbitView, ProjectsByTheTwoViewAngles) {
    const struct {
        const char* name;
        double theta, omega;
        TVector point;
        oRealPoint expected;
    } cases[] = {
        {"from above: x right", 0.0, Pi / 2, {1, 0, 0}, {1, 0}},
        {"from above: y up", 0.0, Pi / 2, {0, 1, 0}, {0, 1}},
        {"from above: z is the line of sight", 0.0, Pi / 2, {0, 0, 1}, {0, 0}},
        {"from the side: z points down", 0.0, 0.0, {0, 0, 1}, {0, -1}},
        {"from the side: y is the line of sight", 0.0, 0.0, {0, 1, 0}, {0, 0}},
        {"quarter turn: z runs right", Pi / 2, Pi / 2, {0, 0, 1}, {1, 0}},
        {"quarter turn from the side: x points up", Pi / 2, 0.0, {1, 0, 0}, {0, 1}},
        {"general",
         0.7,
         0.4,
         {0.3, -1.2, 2.0},
         {0.3 * std::cos(0.7) + 2.0 * std::sin(0.7),
          (0.3 * std::sin(0.7) - 2.0 * std::cos(0.7)) * std::cos(0.4) - 1.2 * std::sin(0.4)}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TOrbitView view;
        view.Theta = c.theta;
        view.Omega = c.omega;
        const oRealPoint p = view.Project(c.point);
        EXPECT_NEAR(p.x, c.expected.x, 1e-12);
        EXPECT_NEAR(p.y, c.expected.y, 1e-12);
        const oRealPoint q = TOrbitView::Projection(view)(c.point);
        EXPECT_EQ(q.x, p.x);
        EXPECT_EQ(q.y, p.y);
    }
}

TEST(OrbitView, ZoomWidensTheWorldWindow) {
    EXPECT_NEAR(TOrbitView::ZoomFor(1), 0.010964781961431851, 1e-17);
    EXPECT_DOUBLE_EQ(TOrbitView::ZoomFor(50), 1.0);
    EXPECT_DOUBLE_EQ(TOrbitView::ZoomFor(100), 100.0);
    TOrbitView view;
    view.Zoom = 2.0;
    const oRealRect world = view.WorldRect();
    EXPECT_EQ(world, oRealRect(-5.4, 3.0, 10.8, -6.0));
}

TEST(OrbitView, DraggingAcrossTheViewTurnsOnceRound) {
    TOrbitView view;
    view.Theta = 1.0;
    view.BeginDrag(0, 100);
    for (int x = 10; x <= 540; x += 10) {
        ASSERT_TRUE(view.MoveDrag(x, 100));
        ASSERT_GE(view.Theta, 0.0);
        ASSERT_LT(view.Theta, 2 * Pi);
    }
    EXPECT_NEAR(view.Theta, 1.0, 1e-12);
    EXPECT_EQ(view.Omega, 1.57) << "a level drag leaves the tilt";
    view.MoveDrag(0, 100);
    EXPECT_NEAR(view.Theta, 1.0, 1e-12) << "a full turn back to the left";
}

TEST(OrbitView, DraggingTiltsWithinItsLimits) {
    TOrbitView view;
    view.BeginDrag(50, 50);
    view.MoveDrag(50, 60);
    EXPECT_NEAR(view.Omega, 1.57 - 10 * Pi / 400, 1e-12) << "downwards lowers the view";
    view.MoveDrag(50, 600);
    EXPECT_EQ(view.Omega, 0.0);
    view.MoveDrag(50, 300);
    EXPECT_EQ(view.Omega, Pi / 2) << "three quarters of a turn up stops at the top";
    view.MoveDrag(50, -600);
    EXPECT_EQ(view.Omega, Pi / 2);
    EXPECT_EQ(view.DragY, -600);

    view.EndDrag();
    EXPECT_FALSE(view.MoveDrag(200, 200)) << "moves without a drag do nothing";
    EXPECT_EQ(view.Omega, Pi / 2);
    EXPECT_EQ(view.DragX, 50);
}
