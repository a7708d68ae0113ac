// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
// Start-up: the zoom, the application title, the book window, the accessibility dialog,
// then the message loop until the book window closes. A failed start-up is shown and ends
// the program with a failure status, as does the lack of any display to show it on. A
// termination signal closes the book; the status is then 128 + the signal's number. A zoom
// chosen in the View menu takes a new application object, so the program starts itself
// afresh at it, at the reader's place.

#include "Application.h"
#include "DisplayCheck.h"
#include "GuardedApplication.h"
#include "TerminationSignals.h"
#include "Zoom.h"
#include "book/BookPlace.h"
#include "book/TAccessBox.h"
#include "thisbook/TThisBook.h"
#include "forms/Artwork.h"

#include <QIcon>
#include <QPixmap>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <optional>
#include <stdexcept>
#include <unistd.h>
#include <vector>

namespace {

// Runs the book; `reopen` receives the command line that reopens it at a zoom the reader
// chose.
int RunBook(int argc, char* argv[], std::optional<std::vector<std::string>>& reopen) {
    GuardedApplication app(argc, argv);
    zoom::RestoreEnvironment();
    std::unique_ptr<TThisBook, void (*)(TForm*)> book(nullptr, TForm::Free);
    // A signal closes the book, so that its closing handler runs, and ends every event loop,
    // an open dialog's (the start-up failure's message among them) included.
    CloseOnTerminationSignals([&book](int signal) {
        if (book)
            book->close();
        QCoreApplication::exit(128 + signal);
    });
    int status = 1;
    try {
        Application::SetTitle("Doppler spectroscopy");
        QApplication::setWindowIcon(QIcon(QPixmap::fromImage(artwork::AboutPicture())));
        book.reset(CreateForm<TThisBook>());
        Application::SetMainForm(book.get());
        std::unique_ptr<TAccessBox, void (*)(TForm*)> access(CreateForm<TAccessBox>(), TForm::Free);
        book->show();
        if (const std::optional<TBookPlace> place = ResumeArgumentOf(argc, argv))
            book->Resume(*place);
        status = app.exec();
        if (book->ZoomRequested)
            reopen = ReopenArguments(argc, argv, book->ZoomRequested, book->Place());
    } catch (...) {
        Application::HandleException();
    }
    CloseOnTerminationSignals(nullptr);
    Application::SetMainForm(nullptr);
    book.reset();
    return status;
}

} // namespace

int main(int argc, char* argv[]) {
    // Before any application object, the zoom's screen probe included: Qt aborts without one.
    if (!DisplayAvailable(argc, argv)) {
        std::fputs("Doppler spectroscopy needs a graphical display (no DISPLAY or WAYLAND_DISPLAY "
                   "is set)\n",
                   stderr);
        return 1;
    }
    int percent = 0;
    try {
        percent = zoom::ZoomArgument(argc, argv);
    } catch (const std::invalid_argument& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 2;
    }
    if (percent == 0)
        percent = zoom::FittingZoom(TCustomBook::DesignFrame(),
                                    zoom::ProbeAvailableArea(argc, argv).size());
    zoom::Apply(percent);
    std::optional<std::vector<std::string>> reopen;
    const int status = RunBook(argc, argv, reopen);
    if (!reopen)
        return status;
    // The same program, the same process: whoever started the book keeps waiting for it.
    std::vector<char*> args;
    for (std::string& arg : *reopen)
        args.push_back(arg.data());
    args.push_back(nullptr);
    ::execv("/proc/self/exe", args.data());
    std::fprintf(stderr, "The book could not reopen at the new zoom: %s\n", std::strerror(errno));
    return 1;
}
