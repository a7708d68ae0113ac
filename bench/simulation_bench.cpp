// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
// Cost of the simulation window's work, measured on the window itself inside the book: one
// timer tick (the planets' step, the graph's point, the orbit view's frame), a background
// redraw as while the user drags the view, and a reset, which rebuilds every track. All
// three planets are visible; the background and reset cases use the most eccentric orbits,
// whose tracks have 57 185 points each. Beside the background, its contender: the same
// tracks drawn by a plain loop straight onto the bitmap.

#include "Application.h"
#include "TBitmap.h"
#include "VectorState.h"
#include "thisbook/TThisBook.h"
#include "oWorldPortPaintBox.h"
#include "simulation/TBaseChapter.h"

#include <QApplication>
#include <QCheckBox>
#include <QPainter>
#include <benchmark/benchmark.h>
#include <cstdlib>

namespace {

// A book with a simulation window showing all three planets on orbits of eccentricity ecc.
class Window {
public:
    explicit Window(double ecc) {
        book_ = CreateForm<TThisBook>();
        Application::SetMainForm(book_);
        chapter = CreateForm<TBaseChapter>(book_);
        chapter->ShowVelocity->setChecked(true);
        for (TPlanet& planet : chapter->Planets)
            planet.ecc = ecc;
        chapter->ChBoxPlanet2->setChecked(true);
        chapter->ChBoxPlanet3->setChecked(true);
    }
    ~Window() {
        TForm::Free(chapter);
        Application::SetMainForm(nullptr);
        TForm::Free(book_);
    }
    TBaseChapter* chapter;

private:
    TThisBook* book_;
};

void BM_TickThreeVisiblePlanets(benchmark::State& state) {
    Window window(0.3);
    TBaseChapter& c = *window.chapter;
    for (auto _ : state) {
        c.Timer1Timer();
        c.wp->Canvas().Flush();
    }
}
BENCHMARK(BM_TickThreeVisiblePlanets)->Unit(benchmark::kMicrosecond);

void BM_DrawBackgroundThreeMostEccentric(benchmark::State& state) {
    Window window(MaxEccentricity);
    TBaseChapter& c = *window.chapter;
    for (auto _ : state) {
        c.Theta += 0.01;
        c.DrawBackground();
        c.Background->Canvas().Flush();
    }
}
BENCHMARK(BM_DrawBackgroundThreeMostEccentric)->Unit(benchmark::kMillisecond);

// The contender of the background: the plain loop over the same tracks, each point
// projected and mapped in double, repeats dropped, one antialiased polyline a track, on
// a cleared image of the background's size; no axes, letters or normal arrows.
void BM_PlainTrackLoopThreeMostEccentric(benchmark::State& state) {
    Window window(MaxEccentricity);
    TBaseChapter& c = *window.chapter;
    const oWorldCanvas& world = c.wp->worldCanvas;
    QImage image(c.Background->Image().size(), QImage::Format_RGB32);
    for (auto _ : state) {
        c.Theta += 0.01;
        const TOrbitView::Projection project(c);
        const double left = world.viewPort.pos().x, top = world.viewPort.pos().y;
        const double wx = world.worldPort.pos().x, wy = world.worldPort.pos().y;
        QPainter p(&image);
        p.fillRect(QRect(0, 0, c.wp->width(), c.wp->height()), Qt::black);
        p.setRenderHint(QPainter::Antialiasing);
        p.translate(0.5, 0.5);
        for (const TPlanet& planet : c.Planets) {
            if (!planet.Visible)
                continue;
            ClearUpperVectorState();
            QPolygon points;
            points.reserve(qsizetype(planet.Track.size()));
            for (const TVector& v : planet.Track) {
                const oRealPoint w = project(v * c.OrbitScale);
                const QPoint d(int(left + (w.x - wx) * world.scale.x + 0.5),
                               int(top + (w.y - wy) * world.scale.y + 0.5));
                if (points.isEmpty() || d != points.constLast())
                    points << d;
            }
            QPen pen(toQColor(planet.Colour));
            pen.setCosmetic(true);
            pen.setCapStyle(Qt::FlatCap);
            p.setPen(pen);
            p.drawPolyline(points);
        }
    }
}
BENCHMARK(BM_PlainTrackLoopThreeMostEccentric)->Unit(benchmark::kMillisecond);

void BM_ResetThreeMostEccentric(benchmark::State& state) {
    Window window(MaxEccentricity);
    TBaseChapter& c = *window.chapter;
    for (auto _ : state) {
        c.ResetSimulation();
        c.wp->Canvas().Flush();
    }
}
BENCHMARK(BM_ResetThreeMostEccentric)->Unit(benchmark::kMillisecond);

} // namespace
