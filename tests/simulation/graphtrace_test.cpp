// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "simulation/GraphTrace.h"

#include <QImage>
#include <QPainter>
#include <QPolygon>
#include <cmath>
#include <gtest/gtest.h>

namespace {

// The pixels an aliased one-pixel line through the polylines covers.
QImage Pixels(const std::vector<QPolygon>& runs) {
    QImage image(200, 120, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setPen(QPen(Qt::black, 0));
    for (const QPolygon& run : runs)
        p.drawPolyline(run);
    return image;
}

} // namespace

TEST(GraphTrace, KeepsTheCoveredPixelsOfADenseSweepInBoundedMemory) {
    // Far more steps than pixel columns: a fast oscillation over a slow sweep, as a short
    // period on a long time scale draws it.
    TGraphTrace trace;
    QPolygon full;
    for (int i = 0; i < 20000; ++i) {
        const QPoint at(10 + i / 120, 60 + int(std::lround(45 * std::sin(i * 0.37))));
        if (i == 0)
            trace.MoveTo(at);
        else
            trace.LineTo(at);
        full << at;
    }
    ASSERT_EQ(trace.Runs().size(), 1u);
    EXPECT_EQ(Pixels(trace.Runs()), Pixels({full})) << "every pixel the curve covered";
    const std::size_t columns = 20000 / 120 + 1;
    EXPECT_LE(trace.PointCount(), 4 * columns) << "at most four points a column";
}

TEST(GraphTrace, RunsBeginAtMovesAndAClearStartsAgainWithTheAxes) {
    TGraphTrace trace;
    trace.LineTo(QPoint(1, 1)); // a line with nothing before it begins the curve
    trace.LineTo(QPoint(1, 1)); // to where it stands: nothing
    trace.LineTo(QPoint(5, 3));
    trace.MoveTo(QPoint(50, 50));
    trace.MoveTo(QPoint(60, 60)); // the move before it drew nothing
    trace.LineTo(QPoint(70, 61));
    trace.MoveTo(QPoint(90, 90)); // a run of one point draws nothing
    const std::vector<QPolygon> runs = trace.Runs();
    ASSERT_EQ(runs.size(), 2u);
    EXPECT_EQ(runs[0], QPolygon({QPoint(1, 1), QPoint(5, 3)}));
    EXPECT_EQ(runs[1], QPolygon({QPoint(60, 60), QPoint(70, 61)}));
    EXPECT_EQ(trace.PointCount(), 5u);

    TVelocityGraph graph;
    graph.VelocityScale = 123.0;
    trace.Clear(graph);
    EXPECT_TRUE(trace.Runs().empty());
    EXPECT_EQ(trace.PointCount(), 0u);
    EXPECT_EQ(trace.Axes().VelocityScale, 123.0);
}
