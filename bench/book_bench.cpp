// Start-up to a shown contents page, and one page turn inside a chapter.

#include "Application.h"
#include "book/TAccessBox.h"
#include "book/TCustomChapter.h"
#include "book/TThisBook.h"

#include <QApplication>
#include <benchmark/benchmark.h>
#include <cstdlib>

namespace {

class SilentDialogs : public DialogHook {
public:
    void showMessage(const AnsiString&) override {}
    int showModal(TForm&) override { return mrCancel; }
    void showException(const AnsiString&) override {}
    bool printDialog(QPrinter&) override { return false; }
};

void BM_StartToContents(benchmark::State& state) {
    for (auto _ : state) {
        TThisBook* book = CreateForm<TThisBook>();
        Application::SetMainForm(book);
        TAccessBox* access = CreateForm<TAccessBox>();
        book->show();
        book->LeaveSplash();
        book->repaint();
        QApplication::processEvents();
        state.PauseTiming();
        Application::SetMainForm(nullptr);
        TForm::Free(access);
        TForm::Free(book);
        QApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_StartToContents)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly();

void BM_PageTurn(benchmark::State& state) {
    TThisBook* book = CreateForm<TThisBook>();
    Application::SetMainForm(book);
    TAccessBox* access = CreateForm<TAccessBox>();
    book->show();
    book->mnitChapters[1]->trigger();
    bool forward = true;
    for (auto _ : state) {
        if (forward)
            book->PageForward();
        else
            book->PageBack();
        forward = !forward;
        QApplication::processEvents();
    }
    Application::SetMainForm(nullptr);
    TForm::Free(access);
    TForm::Free(book);
}
BENCHMARK(BM_PageTurn)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly();

} // namespace

int main(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    SilentDialogs dialogs;
    Application::SetDialogHook(&dialogs);
    Application::SetTitle("Doppler spectroscopy");
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
