// Renders the book offscreen, one PNG per state worth seeing: the splash screen, the
// contents page, every page of every chapter and the dialogs. Usage: gallery OUTDIR

#include "Application.h"
#include "book/TAboutBox.h"
#include "book/TAccessBox.h"
#include "book/TCustomChapter.h"
#include "book/TThisBook.h"
#include "simulation/TBaseChapter.h"
#include "simulation/TPlanetParamForm.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QImage>
#include <QWidget>
#include <cstdio>
#include <cstdlib>

namespace {

// Dialogs never block the gallery: messages are printed, modal forms cancelled.
class SilentDialogs : public DialogHook {
public:
    void showMessage(const AnsiString& text) override {
        std::fprintf(stderr, "message: %s\n", text.c_str());
    }
    int showModal(TForm&) override { return mrCancel; }
    void showException(const AnsiString& message) override {
        std::fprintf(stderr, "error: %s\n", message.c_str());
    }
    bool printDialog(QPrinter&) override { return false; }
};

class Gallery {
public:
    explicit Gallery(QString dir) : dir_(std::move(dir)) { QDir().mkpath(dir_); }

    void shoot(QWidget& w, const QString& name) {
        QApplication::processEvents();
        const QString path = QDir(dir_).filePath(name + ".png");
        if (!w.grab().toImage().save(path))
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        else
            ++written_;
    }
    int written() const { return written_; }

private:
    QString dir_;
    int written_ = 0;
};

} // namespace

int main(int argc, char* argv[]) {
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    Gallery gallery(argc > 1 ? QString(argv[1]) : QString("gallery"));
    SilentDialogs dialogs;
    Application::SetDialogHook(&dialogs);
    Application::SetTitle("Doppler spectroscopy");
    try {
        TThisBook* book = CreateForm<TThisBook>();
        Application::SetMainForm(book);
        TAccessBox* access = CreateForm<TAccessBox>();
        book->show();
        gallery.shoot(*book, "00-splash");
        book->LeaveSplash();
        gallery.shoot(*book, "01-contents");
        for (int chapter = 1; chapter <= book->ChapterCount; ++chapter) {
            book->ChapterNumber = chapter;
            book->ShowChapter(1);
            for (int page = 1; page <= book->CurrentChapter->PageCount; ++page) {
                book->CurrentChapter->Page = page;
                book->CurrentChapter->RefreshPage();
                gallery.shoot(*book, QString("ch%1-p%2").arg(chapter).arg(page, 2, 10, QChar('0')));
            }
        }
        // The simulation running with its arrows on, and its parameter dialog.
        book->ChapterNumber = 2;
        book->ShowChapter(6);
        if (auto* sim = dynamic_cast<TBaseChapter*>(book->CurrentChapter)) {
            sim->ShowVelocity->setChecked(true);
            for (int tick = 0; tick < 90; ++tick)
                sim->Timer1Timer();
            gallery.shoot(*book, "ch2-running");
            sim->PlanetParamButtonClick();
            gallery.shoot(*sim->ParamForm, "dialog-parameters");
            sim->ParamForm->hide();
        }
        book->mnitContentsClick();
        gallery.shoot(*book, "01-contents-over-chapter");
        access->show();
        gallery.shoot(*access, "dialog-access");
        access->hide();
        {
            TAboutBox about(book);
            about.show();
            for (int page = 0; page < about.Notebook->count(); ++page) {
                about.Notebook->setCurrentIndex(page);
                gallery.shoot(about, QString("dialog-about-%1").arg(page));
            }
        }
        TForm::Free(access);
        Application::SetMainForm(nullptr);
        TForm::Free(book);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "gallery failed: %s\n", e.what());
        return 1;
    }
    std::printf("%d pictures in %s\n", gallery.written(), argc > 1 ? argv[1] : "gallery");
    return 0;
}
