// Cost of the simulation window's work, measured on the window itself inside the book: one
// timer tick (the planets' step, the graph's point, the orbit view's frame), a background
// redraw as while the user drags the view, and a reset, which rebuilds every track. All
// three planets are visible; the background and reset cases use the most eccentric orbits,
// whose tracks have 57 185 points each.

#include "Application.h"
#include "TBitmap.h"
#include "book/TThisBook.h"
#include "oWorldPortPaintBox.h"
#include "simulation/TBaseChapter.h"

#include <QApplication>
#include <QCheckBox>
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

int main(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    Application::SetTitle("Doppler spectroscopy");
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
