// Start-up: the application title, the book window, the accessibility dialog, then the
// message loop until the book window closes. A failed start-up is shown and ends the
// program with a failure status, as does the lack of any display to show it on. A
// termination signal closes the book; the status is then 128 + the signal's number.

#include "Application.h"
#include "DisplayCheck.h"
#include "GuardedApplication.h"
#include "TerminationSignals.h"
#include "book/TAccessBox.h"
#include "book/TThisBook.h"
#include "forms/Artwork.h"

#include <QIcon>
#include <QPixmap>
#include <cstdio>
#include <memory>

int main(int argc, char* argv[]) {
    if (!DisplayAvailable(argc, argv)) {
        std::fputs("Doppler spectroscopy needs a graphical display (no DISPLAY or WAYLAND_DISPLAY "
                   "is set)\n",
                   stderr);
        return 1;
    }
    GuardedApplication app(argc, argv);
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
        status = app.exec();
    } catch (...) {
        Application::HandleException();
    }
    CloseOnTerminationSignals(nullptr);
    Application::SetMainForm(nullptr);
    book.reset();
    return status;
}
