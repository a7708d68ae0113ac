// Cost of the simulation window's work: one timer tick (the model's step, the graph's point
// and the orbit view's frame), a background redraw as while the user drags the view, and a
// reset, which rebuilds every track. The three planets are all visible; the background and
// reset cases use the most eccentric orbits, whose tracks have 57 185 points each.

#include "TBitmap.h"
#include "oWorldPortPaintBox.h"
#include "simulation/OrbitView.h"
#include "simulation/OrbitViewDrawing.h"
#include "simulation/SimulationModel.h"
#include "simulation/VelocityGraphDrawing.h"

#include <QApplication>
#include <benchmark/benchmark.h>
#include <cstdlib>

namespace {

// The simulation window's two pictures and its state, as the window wires them up.
struct Window {
    TSimulationModel sim;
    TOrbitView view;
    TVelocityGraph graph;
    oWorldPortPaintBox wp;
    oWorldPortPaintBox wpGraph;
    TBitmap background{540, 300};
    TBitmap graphBitmap{389, 193};

    explicit Window(double ecc) {
        wp.SetBounds(0, 0, 540, 300);
        wpGraph.SetBounds(0, 0, 389, 193);
        background.Canvas().Font = TFont("Times New Roman", -16, clWhite);
        graphBitmap.Canvas().Font = TFont("Arial", -13, clBlack);
        wp.worldCanvas.canvas = &background.Canvas();
        wpGraph.worldCanvas.canvas = &graphBitmap.Canvas();
        wpGraph.worldCanvas.SetWorldPort(oRealRect(0, 1, 10800, 100));
        for (TPlanet& planet : sim.Planets) {
            planet.Visible = true;
            planet.ecc = ecc;
        }
        Reset();
    }
    void Reset() {
        sim.Reset(3);
        orbitdrawing::DrawBackground(wp, view, sim, true);
        orbitdrawing::DrawFrame(wp, background, view, sim, true);
    }
    void Tick() {
        sim.Advance();
        const TVelocityGraph::Point point =
            graph.Plot(sim.Time, sim.StepCount, sim.RadialVelocity, true);
        if (point.NewAxes) {
            wpGraph.worldCanvas.SetWorldPort(
                oRealRect(graph.WorldLeft, 1, graph.WorldWidth, TVelocityGraph::Height));
            graphdrawing::DrawGraphAxes(wpGraph, graph);
        }
        graphdrawing::PlotPoint(wpGraph, point);
        wpGraph.Canvas().Draw(0, 0, graphBitmap);
        orbitdrawing::DrawFrame(wp, background, view, sim, true);
        wp.Canvas().Flush();
    }
};

void BM_TickThreeVisiblePlanets(benchmark::State& state) {
    Window window(0.3);
    for (auto _ : state)
        window.Tick();
}
BENCHMARK(BM_TickThreeVisiblePlanets)->Unit(benchmark::kMicrosecond);

void BM_DrawBackgroundThreeMostEccentric(benchmark::State& state) {
    Window window(MaxEccentricity);
    for (auto _ : state) {
        window.view.Theta += 0.01;
        orbitdrawing::DrawBackground(window.wp, window.view, window.sim, true);
        window.background.Canvas().Flush();
    }
}
BENCHMARK(BM_DrawBackgroundThreeMostEccentric)->Unit(benchmark::kMillisecond);

void BM_ResetThreeMostEccentric(benchmark::State& state) {
    Window window(MaxEccentricity);
    for (auto _ : state) {
        window.Reset();
        window.wp.Canvas().Flush();
    }
}
BENCHMARK(BM_ResetThreeMostEccentric)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
