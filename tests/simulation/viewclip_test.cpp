// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "simulation/ViewClip.h"

#include <gtest/gtest.h>

namespace {

const QRect box(0, 0, 101, 101); // edges 0 and 100 included

struct SegmentCase {
    const char* name;
    QPoint a, b;
    bool visible;
    QPoint from, to;
};

const SegmentCase segments[] = {
    {"inside stays exactly", {10, 20}, {90, 80}, true, {10, 20}, {90, 80}},
    {"leaving is cut at the edge", {50, 50}, {250, 50}, true, {50, 50}, {100, 50}},
    {"entering is cut at the edge", {50, -150}, {50, 50}, true, {50, 0}, {50, 50}},
    {"crossing is cut at both edges", {-100, -100}, {200, 200}, true, {0, 0}, {100, 100}},
    {"a far slanted end keeps the line's direction", {0, 0}, {200000000, 100000000}, true,
     {0, 0}, {100, 50}},
    {"wholly to one side is nothing", {150, 10}, {300, 90}, false, {}, {}},
    {"passing a corner is nothing", {90, -20}, {130, 20}, false, {}, {}},
    {"along an edge stays", {0, -50}, {0, 150}, true, {0, 0}, {0, 100}},
    {"parallel outside is nothing", {-1, -50}, {-1, 150}, false, {}, {}},
};

TEST(ViewClip, SegmentsAreCutToTheRectangle) {
    for (const SegmentCase& c : segments) {
        SCOPED_TRACE(c.name);
        const auto cut = viewclip::ClipSegment(c.a, c.b, box);
        ASSERT_EQ(cut.has_value(), c.visible);
        if (cut) {
            EXPECT_EQ(cut->first, c.from);
            EXPECT_EQ(cut->second, c.to);
        }
    }
}

TEST(ViewClip, APolylineBreaksWhereItLeavesAndComesBack) {
    const QPolygon track({QPoint(10, 10), QPoint(50, 10), QPoint(5000, 10), QPoint(5000, 60),
                          QPoint(50, 60), QPoint(20, 60)});
    const std::vector<QPolygon> runs = viewclip::ClipPolyline(track, box);
    ASSERT_EQ(runs.size(), 2u);
    EXPECT_EQ(runs[0], QPolygon({QPoint(10, 10), QPoint(50, 10), QPoint(100, 10)}));
    EXPECT_EQ(runs[1], QPolygon({QPoint(100, 60), QPoint(50, 60), QPoint(20, 60)}));

    const QPolygon inside({QPoint(1, 1), QPoint(2, 3), QPoint(4, 4)});
    ASSERT_EQ(viewclip::ClipPolyline(inside, box).size(), 1u);
    EXPECT_EQ(viewclip::ClipPolyline(inside, box)[0], inside);
    EXPECT_TRUE(viewclip::ClipPolyline(QPolygon({QPoint(500, 500), QPoint(900, 700)}), box).empty());
}

TEST(ViewClip, TheMarginSurroundsTheView) {
    const QRect r = viewclip::ClipRect(QRect(0, 0, 540, 300));
    EXPECT_EQ(r, QRect(-viewclip::Margin, -viewclip::Margin, 540 + 2 * viewclip::Margin,
                       300 + 2 * viewclip::Margin));
}

} // namespace
