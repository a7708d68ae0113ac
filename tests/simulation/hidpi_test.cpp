// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
// The book on a screen of device pixel ratio 2: the pictures are made at the screen's
// resolution, while the world mapping and every position stay in logical pixels.

#include "../book/BookFixture.h"

#include "TBitmap.h"
#include "TImage.h"
#include "oWorldPortPaintBox.h"
#include "simulation/TBaseChapter.h"
#include "observing/TDataPlot.h"
#include "observing/TFoldPlot.h"
#include "observing/TPeriodogramPlot.h"
#include "observing/TObservingRunForm.h"

#include <QPushButton>

#include <QCheckBox>
#include <cstdlib>

namespace {

// Read once, when the shared main makes the application, so it is set before main runs.
const int scaleFactorSet = setenv("QT_SCALE_FACTOR", "2", 1);

TColor LogicalPixel(const QImage& image, int x, int y) {
    const qreal r = image.devicePixelRatio();
    return fromQColor(QColor(image.pixel(int(x * r), int(y * r))));
}

} // namespace

class HiDpiBook : public BookTest {};

TEST_F(HiDpiBook, PicturesAreMadeAtTheScreensResolution) {
    ASSERT_EQ(scaleFactorSet, 0);
    ASSERT_EQ(book->devicePixelRatio(), 2.0);
    EXPECT_EQ(book->SplashScreen->Picture().devicePixelRatio(), 2.0);
    EXPECT_EQ(book->SplashScreen->Picture().size(), QSize(1584, 1108));
    open(2, 6);
    auto* sim = dynamic_cast<TBaseChapter*>(chapter());
    ASSERT_NE(sim, nullptr);
    EXPECT_EQ(book->Image1->Picture().devicePixelRatio(), 2.0) << "the contents picture";
    EXPECT_EQ(sim->Image1->Picture().devicePixelRatio(), 2.0) << "the slider pictures";
    EXPECT_EQ(sim->Image2->Picture().size(), QSize(30, 78));

    // The view: a surface of twice the pixels, mapped as before in logical pixels.
    const QImage& view = sim->wp->Surface();
    EXPECT_EQ(view.devicePixelRatio(), 2.0);
    EXPECT_EQ(view.size(), QSize(1080, 600));
    EXPECT_EQ(sim->wp->width(), 540);
    EXPECT_EQ(sim->wp->worldCanvas.I(oRealPoint(0, 0)), oPoint(270, 150));
    EXPECT_EQ(sim->Background->Width(), 540);
    EXPECT_EQ(sim->Background->DevicePixelRatio(), 2.0);
    EXPECT_EQ(sim->GraphBitmap->Image().size(), QSize(778, 386));
    const oPoint star = sim->wp->worldCanvas.I(sim->Project(sim->StarPosition * sim->StarScale));
    EXPECT_EQ(LogicalPixel(view, star.x - 1, star.y - 1), clYellow) << "the star where it maps";
    EXPECT_EQ(LogicalPixel(view, 270, 20), clWhite) << "the y axis";
    EXPECT_EQ(LogicalPixel(view, 5, 5), clBlack);

    // A one-pixel line is one logical pixel wide: two device pixels, crisp, not blurred.
    const QImage& graph = sim->GraphBitmap->Image();
    EXPECT_EQ(QColor(graph.pixel(0, 100)), QColor(Qt::black)) << "the frame, first column";
    EXPECT_EQ(QColor(graph.pixel(1, 100)), QColor(Qt::black)) << "the frame, second column";
    EXPECT_EQ(QColor(graph.pixel(2, 100)), QColor(Qt::white));

    // The window shows them at that resolution.
    const QImage shown = sim->wp->grab().toImage();
    EXPECT_EQ(shown.size(), QSize(1080, 600));
    EXPECT_EQ(shown, view.convertToFormat(shown.format()));
}

// The observing run's pictures are drawn at the screen's resolution, their frame a crisp line
// of two device pixels with nothing grey beside it.
TEST_F(HiDpiBook, TheObservingRunsPicturesAreCrisp) {
    open(2, 6);
    book->mnitObservingRun->trigger();
    TObservingRunForm& w = *book->ObservingRunForm;
    w.ObserveButton->click();
    for (TObservingPlot* plot :
         std::initializer_list<TObservingPlot*>{w.DataPlot, w.PeriodogramPlot, w.FoldPlot}) {
        SCOPED_TRACE(plot->accessibleName().toStdString());
        const QImage image = plot->grab().toImage();
        ASSERT_EQ(image.devicePixelRatio(), 2.0);
        ASSERT_EQ(image.width(), 2 * plot->width());
        // Down through the top of the frame, which the data never reach.
        const int column = image.width() / 2 + 3;
        int black = 0;
        for (int y = 14; y <= 26; ++y) {
            const QColor c(image.pixel(column, y));
            black += c == QColor(Qt::black);
            EXPECT_TRUE(c == QColor(Qt::black) || c == QColor(Qt::white) ||
                        c == QColor(0, 255, 255) || c == QColor(236, 236, 236) ||
                        c == plot->palette().color(QPalette::Window))
                << y << ": " << c.name().toStdString();
        }
        EXPECT_EQ(black, 2) << "the top of the frame";
    }
}
