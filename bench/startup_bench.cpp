// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
// Whole-process start-up: the time from starting a process to its first shown frame,
// measured by running this program again as a child, once as the book (as the application
// starts it: title, window icon, book window, accessibility dialog) and once as an empty Qt
// window of the book's size (792 x 572 with the menu bar), in alternation so that both see
// the same load. Counters: the book to its first frame (the splash), the book to its shown
// contents page (the splash left as soon as it shows), the empty window, and the ratios,
// each in wall time (_ms) and in the child's CPU time (_cpu_ms), which a loaded machine
// disturbs less.

#include "Application.h"
#include "book/TAccessBox.h"
#include "thisbook/TThisBook.h"
#include "forms/Artwork.h"
#include "TImage.h"

#include <QApplication>
#include <QIcon>
#include <QPixmap>
#include <QTimer>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <memory>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <utility>

extern char** environ;

namespace {

std::string SelfPath;

// Runs `then` once, after the first paint event of `widget` has been handled.
class FirstPaint : public QObject {
public:
    FirstPaint(QWidget* widget, std::function<void()> then) : then_(std::move(then)) {
        widget->installEventFilter(this);
    }
    bool eventFilter(QObject* watched, QEvent* e) override {
        if (e->type() == QEvent::Paint && then_) {
            watched->removeEventFilter(this);
            QTimer::singleShot(0, std::exchange(then_, nullptr));
        }
        return false;
    }

private:
    std::function<void()> then_;
};

int RunChild(const std::string& what, int argc, char** argv) {
    QApplication app(argc, argv);
    if (what == "empty") {
        QWidget window;
        window.resize(792, 572);
        FirstPaint painted(&window, [] { QApplication::quit(); });
        window.show();
        return app.exec();
    }
    Application::SetTitle("Doppler spectroscopy");
    QApplication::setWindowIcon(QIcon(QPixmap::fromImage(artwork::AboutPicture())));
    TThisBook* book = CreateForm<TThisBook>();
    Application::SetMainForm(book);
    TAccessBox* access = CreateForm<TAccessBox>();
    std::unique_ptr<FirstPaint> contents;
    FirstPaint splash(book->SplashScreen, [&] {
        if (what == "splash") {
            QApplication::quit();
            return;
        }
        contents = std::make_unique<FirstPaint>(book->Image1, [] { QApplication::quit(); });
        book->LeaveSplash();
    });
    book->show();
    const int result = app.exec();
    Application::SetMainForm(nullptr);
    TForm::Free(access);
    TForm::Free(book);
    return result;
}

struct ChildTimes {
    double wall = -1; // seconds
    double cpu = -1;  // seconds, user and system
};

ChildTimes TimeChild(const char* what) {
    char child[] = "--child";
    std::string arg = what;
    char* args[] = {SelfPath.data(), child, arg.data(), nullptr};
    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    if (posix_spawn(&pid, SelfPath.c_str(), nullptr, nullptr, args, environ) != 0)
        return {};
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    const auto end = std::chrono::steady_clock::now();
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return {};
    auto seconds = [](const timeval& t) { return double(t.tv_sec) + t.tv_usec * 1e-6; };
    return {std::chrono::duration<double>(end - start).count(),
            seconds(usage.ru_utime) + seconds(usage.ru_stime)};
}

void BM_StartToShownPage(benchmark::State& state) {
    for (auto _ : state) {
        const ChildTimes empty = TimeChild("empty");
        const ChildTimes splash = TimeChild("splash");
        const ChildTimes contents = TimeChild("contents");
        if (empty.wall <= 0 || splash.wall <= 0 || contents.wall <= 0) {
            state.SkipWithError("a child run failed");
            return;
        }
        state.SetIterationTime(contents.wall);
        state.counters["empty_ms"] = empty.wall * 1e3;
        state.counters["splash_ms"] = splash.wall * 1e3;
        state.counters["contents_ms"] = contents.wall * 1e3;
        state.counters["splash_ratio"] = splash.wall / empty.wall;
        state.counters["contents_ratio"] = contents.wall / empty.wall;
        state.counters["empty_cpu_ms"] = empty.cpu * 1e3;
        state.counters["splash_cpu_ms"] = splash.cpu * 1e3;
        state.counters["contents_cpu_ms"] = contents.cpu * 1e3;
        state.counters["splash_cpu_ratio"] = splash.cpu / empty.cpu;
        state.counters["contents_cpu_ratio"] = contents.cpu / empty.cpu;
    }
}
BENCHMARK(BM_StartToShownPage)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(1)
    ->Repetitions(9)
    ->ReportAggregatesOnly();

} // namespace

int main(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    if (argc >= 3 && std::strcmp(argv[1], "--child") == 0)
        return RunChild(argv[2], 1, argv);
    SelfPath = "/proc/self/exe";
    char resolved[4096];
    const ssize_t n = readlink("/proc/self/exe", resolved, sizeof resolved - 1);
    if (n > 0)
        SelfPath.assign(resolved, std::size_t(n));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
