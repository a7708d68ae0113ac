// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "observing/ObservingDrawing.h"

#include "Watchdog.h"

#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QPicture>
#include <QStringList>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <random>

using observing::TMeasurement;

namespace {

QStringList warnings;

void Keep(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type != QtDebugMsg && type != QtInfoMsg)
        warnings << message;
}

bool Blue(QRgb c) { return qBlue(c) > 100 && qRed(c) < 120 && qGreen(c) < 120; }

} // namespace

// Values no file may now hold still reach the drawing through the fit pages' residuals and
// offsets; each is drawn in bounded time, without a warning from the painter.
TEST(ObservingDrawing, ExtremeValuesDrawAtOnceAndQuietly) {
    const double huge = std::numeric_limits<double>::max();
    const struct {
        const char* name;
        std::vector<TMeasurement> data;
    } cases[] = {
        {"an error of 1e308 (the range overflows)", {{0, -10, 2}, {2, 5, 1e308}, {3, 1, 1}}},
        {"velocities dwarfing their spread", {{0, 1e16, 1}, {1, 1e16 + 2, 1}, {2, 1e16, 1}}},
        {"the largest doubles", {{0, -huge, huge}, {1, huge, huge}, {2, 0, 1}}},
        {"times 5e307 apart", {{0, 1, 1}, {5e307, 2, 1}, {1e308, 3, 1}}},
        {"times 1e-300 apart", {{0, 1, 1}, {1e-300, 2, 1}, {2e-300, 3, 1}}},
        {"an error of 1e-160", {{0, 1, 1e-160}, {1, 2, 1}, {2, 3, 1}}},
        {"a NaN among them", {{0, 1, 1}, {1, std::nan(""), 1}, {2, 3, 1}}},
    };
    warnings.clear();
    const QtMessageHandler previous = qInstallMessageHandler(Keep);
    QImage image(400, 220, QImage::Format_ARGB32_Premultiplied);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const Watchdog watchdog(c.name, std::chrono::seconds(20));
        const kepler::TRadialVelocityElements curve{2.0 * c.data.back().t_days, 1e300, 0.5};
        image.fill(Qt::gray);
        {
            QPainter p(&image);
            observingdrawing::DrawData(p, QRectF(image.rect()), {c.data, std::span(&curve, 1)});
        }
        EXPECT_EQ(image.pixel(58, 100), qRgb(0, 0, 0)) << "the plot's frame is drawn";
        std::vector<observing::TFoldedPoint> folded;
        for (const TMeasurement& m : c.data)
            folded.push_back({0.5, m.v_mps, m.error_mps});
        QPainter p(&image);
        observingdrawing::DrawFold(p, QRectF(image.rect()), {folded, 3.0});
    }
    qInstallMessageHandler(previous);
    EXPECT_TRUE(warnings.isEmpty()) << warnings.join('\n').toStdString();
}

TEST(ObservingDrawing, TicksAreFewDistinctAndWithinTheRange) {
    const struct {
        const char* name;
        double lo, hi, step;
        std::vector<double> ticks;
    } cases[] = {
        {"round", -1.0, 10.5, 2.0, {0, 2, 4, 6, 8, 10}},
        {"ends on a tick", 0.5, 1.5, 0.5, {0.5, 1.0, 1.5}},
        {"a range the step no longer changes", 1e16, 1e16 + 4, 0.5, {1e16, 1e16 + 2, 1e16 + 4}},
        {"more than a plot can show", 0.0, 1e6, 1.0, {}},
        {"steps too small to count", 1e300, 1e300, 1.0, {1e300}},
        {"from minus infinity", -INFINITY, 1.0, 1.0, {}},
        {"a step of 0", 0.0, 1.0, 0.0, {}},
        {"NaN", std::nan(""), 1.0, 0.1, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(observingdrawing::LinearTicks(c.lo, c.hi, c.step), c.ticks);
    }
}

// 20 000 measurements crowd each pixel column; drawn a column at a time, every one still shows
// where it lies, and nothing shows where none lies.
TEST(ObservingDrawing, CrowdedMeasurementsEachShowWhereTheyLie) {
    std::mt19937_64 random(3);
    std::uniform_real_distribution<double> phase(0.3, 0.7), speed(10.0, 90.0);
    std::vector<observing::TFoldedPoint> points = {{0.5, 5.0, 5.0}, {0.5, 95.0, 5.0}};
    for (int i = 0; i < 20000; ++i)
        points.push_back({phase(random), speed(random), 0.25});
    QImage image(470, 260, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    {
        QPainter p(&image);
        observingdrawing::DrawFold(p, QRectF(image.rect()), {points, 1.0});
    }
    // The plot runs from (58, 10) to (458, 220): phase -0.2 to 1.2 across, and the velocities
    // with their bars, 0 to 100 m/s, widened by a tenth each way, up.
    const auto x = [](double phase) { return 58.0 + (phase + 0.2) / 1.4 * 400.0; };
    const auto y = [](double v) { return 220.0 - (v + 10.0) / 120.0 * 210.0; };
    int missing = 0;
    for (const auto& m : points)
        missing += !Blue(image.pixel(int(std::floor(x(m.phase))), int(std::floor(y(m.v_mps)))));
    EXPECT_EQ(missing, 0);
    for (double v : {0.0, 50.0, 100.0})
        EXPECT_TRUE(Blue(image.pixel(int(x(0.5)), int(y(v))))) << "the bars' ends at " << v;
    int stray = 0;
    for (int px = int(x(0.0)) + 1; px < int(x(0.28)); ++px)
        for (int py = 12; py < 218; ++py)
            stray += Blue(image.pixel(px, py));
    EXPECT_EQ(stray, 0) << "no measurement lies at phase 0 to 0.28";
}

// On a screen each point is copied from a disc drawn beforehand at the nearest quarter pixel;
// on paper it is filled where it lies. Both give the same picture, wherever the painter
// starts on its device (as a widget does within its window), sparse points and crowded ones
// alike.
TEST(ObservingDrawing, PointsCopiedOntoTheScreenMatchThoseFilledOnPaper) {
    std::vector<observing::TFoldedPoint> points = {{0.113, 20.0, 4.0}, {0.5, 61.3, 2.0}};
    for (int i = 0; i < 400; ++i)
        points.push_back({0.8 + 1e-4 * i, 40.0 + 0.05 * i, 0.5});
    for (const QPoint shift : {QPoint(0, 0), QPoint(7, 3), QPoint(-5, 11)}) {
        SCOPED_TRACE(shift.x());
        const auto draw = [&](QPaintDevice& device) {
            QPainter p(&device);
            p.translate(shift);
            observingdrawing::DrawFold(p, QRectF(0, 0, 300, 200), {points, 1.0});
        };
        QImage screen(300, 200, QImage::Format_ARGB32_Premultiplied);
        screen.fill(Qt::white);
        draw(screen);
        QPicture paper;
        draw(paper);
        QImage replayed(300, 200, QImage::Format_ARGB32_Premultiplied);
        replayed.fill(Qt::white);
        {
            QPainter p(&replayed);
            paper.play(&p);
        }
        int worst = 0, differing = 0;
        for (int y = 0; y < screen.height(); ++y)
            for (int x = 0; x < screen.width(); ++x) {
                const QRgb a = screen.pixel(x, y), b = replayed.pixel(x, y);
                const int d = std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                                        std::abs(qBlue(a) - qBlue(b))});
                worst = std::max(worst, d);
                differing += d > 8;
            }
        // A quarter pixel's shift changes only the shade of the discs' rims.
        EXPECT_LE(worst, 90);
        EXPECT_LT(differing, 80);
    }
}

// The peak's marker and number stand whole inside the plot however small it is drawn: a
// small periodogram shows as much of them as a large one, none of it above the frame.
TEST(ObservingDrawing, ThePeaksMarkerAndNumberStayInsideASmallPlot) {
    observing::TPeriodogram pg;
    pg.grid = observing::GridFor(100.0, 1.0);
    pg.power.assign(pg.grid.count, 0.05);
    pg.peak.index = pg.grid.count / 3;
    pg.power[pg.peak.index] = 1.0;
    pg.peak.frequency = pg.grid.At(pg.peak.index);
    pg.peak.period_days = 1.0 / pg.peak.frequency;
    pg.peak.power = 1.0;
    pg.peak.found = true;
    const auto red = [&](int width, int height, int& topRow) {
        QImage image(width, height, QImage::Format_RGB32);
        image.fill(Qt::white);
        {
            QPainter p(&image);
            observingdrawing::DrawPeriodogram(p, QRectF(image.rect()), {&pg, false});
        }
        int n = 0;
        topRow = height;
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x) {
                const QRgb c = image.pixel(x, y);
                if (qRed(c) > 150 && qGreen(c) < 110 && qBlue(c) < 110) {
                    ++n;
                    topRow = std::min(topRow, y);
                }
            }
        return n;
    };
    int largeTop = 0, smallTop = 0;
    const int large = red(600, 400, largeTop);
    const int small = red(240, 100, smallTop);
    EXPECT_GT(smallTop, 11) << "below the frame's top line";
    EXPECT_GT(small, 0.8 * large) << "the marker and the number whole";
}

// The velocity axis's title is drawn whole on a plot as low as the fit page's, running on
// into the margins, and one too long even for them ends in an ellipsis rather than being cut
// at both ends. The title stands alone in the leftmost strip, so its ink's extent there is
// the drawn title's length.
TEST(ObservingDrawing, TheVelocityTitleOfALowPlotIsDrawnWhole) {
    const std::vector<TMeasurement> data{{0, -150, 5}, {1000, 120, 5}, {4000, 30, 5}};
    QFont font("Arial");
    font.setPixelSize(11);
    const QFontMetricsF metrics(font);
    const auto inkLength = [&](const QString& title, int height) {
        QImage image(600, height, QImage::Format_RGB32);
        image.fill(Qt::white);
        {
            QPainter p(&image);
            observingdrawing::TDataScene scene;
            scene.data = data;
            scene.velocityTitle = title;
            observingdrawing::DrawData(p, QRectF(image.rect()), scene);
        }
        int first = height, last = -1;
        for (int y = 0; y < height; ++y)
            for (int x = 1; x < 17; ++x)
                if (qGray(image.pixel(x, y)) < 128) {
                    first = std::min(first, y);
                    last = y;
                }
        return last < first ? 0 : last - first + 1;
    };
    const QString title = "v \u2212 offset \u2212 trend (m/s)";
    const double length = metrics.horizontalAdvance(title);
    const int low = 130; // the plot itself 80 pixels high
    ASSERT_GT(length, low - 50) << "longer than the plot is high";
    EXPECT_GE(inkLength(title, low), length - 4);
    EXPECT_LE(inkLength(title, low), low);
    const QString longer = title + title + title;
    EXPECT_LE(inkLength(longer, low), low) << "cut to the margins";
    EXPECT_GE(inkLength(longer, low), low - 20);
}
