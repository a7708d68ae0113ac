// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
// The main of every benchmark that opens widgets: a QApplication on the offscreen platform
// (unless another is asked for), the book's title, and dialogs answered at once so that no
// message box can stop a run.

#include "Application.h"

#include <QApplication>
#include <benchmark/benchmark.h>
#include <cstdlib>

namespace {

class SilentDialogs : public DialogHook {
public:
    void showMessage(const AnsiString&) override {}
    int showModal(TForm&) override { return mrCancel; }
    void showException(const AnsiString&) override {}
    bool printDialog(QPrinter&, TPrintOptions&) override { return false; }
};

} // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    SilentDialogs dialogs;
    Application::SetDialogHook(&dialogs);
    Application::SetTitle("Doppler spectroscopy");
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
