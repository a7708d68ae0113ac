// Start-up: the application title, the book window, the accessibility dialog, then the
// message loop until the book window closes.

#include "Application.h"
#include "book/TAccessBox.h"
#include "book/TThisBook.h"
#include "forms/Artwork.h"

#include <QApplication>
#include <QIcon>
#include <QPixmap>
#include <memory>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    try {
        Application::SetTitle("Doppler spectroscopy");
        QApplication::setWindowIcon(QIcon(QPixmap::fromImage(artwork::AboutPicture())));
        std::unique_ptr<TThisBook, void (*)(TForm*)> book(CreateForm<TThisBook>(), TForm::Free);
        Application::SetMainForm(book.get());
        std::unique_ptr<TAccessBox, void (*)(TForm*)> access(CreateForm<TAccessBox>(), TForm::Free);
        book->show();
        app.exec();
        Application::SetMainForm(nullptr);
    } catch (...) {
        Application::HandleException();
    }
    return 0;
}
