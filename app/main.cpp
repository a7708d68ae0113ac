// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
// Start-up: the zoom, the application title, the book window, the accessibility dialog,
// then the message loop until the book window closes. A failed start-up is shown and ends
// the program with a failure status, as does the lack of any display to show it on. A
// termination signal closes the book; the status is then 128 + the signal's number. A zoom
// chosen in the View menu takes a new application object, so the program starts itself
// afresh at it, at the reader's place. With --teacher-guide FILE it writes the teacher's
// guide to FILE as a PDF (with --seed and --seeds, for a student's or a class's seeds), with
// --worksheet FILE the students' worksheet, on the offscreen platform, and ends.

#include "Application.h"
#include "BookLanguage.h"
#include "BookText.h"
#include "DisplayCheck.h"
#include "GuardedApplication.h"
#include "TerminationSignals.h"
#include "Zoom.h"
#include "book/BookPlace.h"
#include "book/BookSettings.h"
#include "book/TAccessBox.h"
#include "thisbook/Reopening.h"
#include "thisbook/TThisBook.h"
#include "thisbook/TeacherGuide.h"
#include "forms/Artwork.h"

#include <QCoreApplication>
#include <QIcon>
#include <QPixmap>
#include <QSettings>
#include <QTemporaryDir>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <memory>
#include <optional>
#include <string>
#include <stdexcept>
#include <string_view>
#include <unistd.h>
#include <vector>

namespace {

const char* const Usage =
    "Usage: doppler-spectroscopy [--zoom PERCENT] [--language CODE] [Qt options such as -style\n"
    "       NAME or -reverse]\n"
    "An interactive book on finding planets by the Doppler shift of their star's light.\n"
    "\n"
    "  --zoom PERCENT  open at this zoom (25 to 400, as far as the screen allows); without it\n"
    "                  the book opens at the zoom last chosen in View, Zoom, or fits the screen\n"
    "  --language CODE open in this language for one start (\"en\"; \"pseudo\" lengthens and\n"
    "                  accents every translated text, for testing); without it the book\n"
    "                  speaks the language last chosen in View, Language, or the system's\n"
    "  --teacher-guide FILE.pdf  write the teacher's guide to FILE.pdf and end; with\n"
    "                  --seed N its answers are those of seed N (1 without it), with\n"
    "                  --seeds 101-130 it adds a table of each of those students' answers\n"
    "  --worksheet FILE.pdf  write the students' worksheet to FILE.pdf and end\n"
    "  --help          print this text and end\n"
    "  --version       print the version and end\n";

// The file named after `option`, or an empty text when the option is absent.
std::string FileArgument(int argc, char* argv[], const char* option) {
    for (int i = 1; i + 1 < argc; ++i)
        if (std::strcmp(argv[i], option) == 0)
            return argv[i + 1];
    return {};
}

// The language "--language CODE" or "--language=CODE" asks for (the last such), empty when
// none is asked for.
std::string LanguageArgument(int argc, char* argv[]) {
    std::string code;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg(argv[i]);
        if (arg == "--language" && i + 1 < argc)
            code = argv[++i];
        else if (arg.starts_with("--language="))
            code = arg.substr(std::strlen("--language="));
    }
    return code;
}

// The language the book speaks this start: the one asked for, the one last chosen, or the
// system's.
QString StartLanguage(const std::string& asked, const TBookSettings& settings) {
    if (!asked.empty())
        return QString::fromStdString(asked);
    return settings.Language ? *settings.Language : SystemBookLanguage();
}

// Writes the teacher's guide, or with `worksheet` the students' worksheet, without showing a
// window; the status says whether it was written.
int WriteGuide(int argc, char* argv[], const std::string& path, bool worksheet,
               const QString& language) {
    GuardedApplication app(argc, argv);
    UseBookLanguage(language);
    Application::SetTitle(BookText("Book window", "Doppler spectroscopy").toStdString());
    TGuideOptions options;
    if (const QString refusal = ReadGuideOptions(QCoreApplication::arguments(), options);
        !refusal.isEmpty()) {
        std::fprintf(stderr, "%s\n", refusal.toLocal8Bit().constData());
        return 2;
    }
    std::unique_ptr<TThisBook, void (*)(TForm*)> book(CreateForm<TThisBook>(), TForm::Free);
    Application::SetMainForm(book.get());
    const QString file = QString::fromStdString(path);
    const QString fault =
        worksheet ? WriteWorksheet(*book, file) : WriteTeacherGuide(*book, file, options);
    Application::SetMainForm(nullptr);
    if (!fault.isEmpty()) {
        std::fprintf(stderr, "%s\n", fault.toLocal8Bit().constData());
        return 1;
    }
    return 0;
}

// Runs the book; `reopen` receives the command line that reopens it at a zoom the reader
// chose, `keepSettings` false when the reader had the kept settings forgotten. `original` is the command line before Qt took its own options out of it.
int RunBook(int argc, char* argv[], const std::vector<char*>& original, bool zoomFitsScreen,
            const QString& language, TBookSettings& settings, bool& keepSettings,
            std::optional<std::vector<std::string>>& reopen) {
    GuardedApplication app(argc, argv);
    UseBookLanguage(language);
    zoom::RestoreEnvironment();
    // Qt's own file dialog keeps its history in a settings file of Qt's; it goes to a folder
    // that lives as long as this run, so that the book writes no settings but its own.
    QTemporaryDir qtSettings;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, qtSettings.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, qtSettings.path());
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
        Application::SetTitle(BookText("Book window", "Doppler spectroscopy").toStdString());
        QApplication::setWindowIcon(QIcon(QPixmap::fromImage(artwork::AboutPicture())));
        book.reset(CreateForm<TThisBook>());
        book->ZoomFitsScreen = zoomFitsScreen;
        Application::SetMainForm(book.get());
        std::unique_ptr<TAccessBox, void (*)(TForm*)> access(CreateForm<TAccessBox>(), TForm::Free);
        OpenBook(*book, argc, argv, settings);
        status = app.exec();
        const TBookPlace place = book->Place();
        if (access->SettingsForgotten)
            keepSettings = false;
        settings.SystemColours = place.SystemColours;
        if (book->ZoomChosen)
            settings.Zoom = book->ZoomFitsScreen
                                ? std::nullopt
                                : std::optional<int>(book->ZoomRequested && !book->MaximiseRequested
                                                         ? book->ZoomRequested
                                                         : zoom::Current());
        if (!book->LanguageRequested.isEmpty())
            settings.Language = book->LanguageRequested;
        if (book->ZoomRequested || !book->LanguageRequested.isEmpty()) {
            reopen = ReopenArguments(int(original.size()), const_cast<char**>(original.data()),
                                     book->ZoomRequested ? book->ZoomRequested : zoom::Current(),
                                     place, book->LanguageRequested.toStdString());
            std::erase_if(*reopen, [](const std::string& arg) {
                return std::string_view(arg).starts_with(ResumeWorkOption);
            });
            if (std::string work = KeepWorkForRestart(book->KeptWork()); !work.empty())
                reopen->push_back(std::move(work));
        }
    } catch (...) {
        Application::HandleException();
    }
    CloseOnTerminationSignals(nullptr);
    Application::SetMainForm(nullptr);
    book.reset();
    return status;
}

// The program's own file, so that a restart keeps its name (not "exe").
std::string ProgramPath() {
    char path[PATH_MAX];
    const ssize_t length = ::readlink("/proc/self/exe", path, sizeof path - 1);
    if (length <= 0)
        return "/proc/self/exe";
    const std::string resolved(path, std::size_t(length));
    // A program replaced on disk while it runs (an upgrade) is only reachable through /proc.
    return resolved.ends_with(" (deleted)") ? "/proc/self/exe" : resolved;
}

} // namespace

int main(int argc, char* argv[]) {
    const std::string askedLanguage = LanguageArgument(argc, argv);
    if (!askedLanguage.empty() && !BookLanguageAvailable(QString::fromStdString(askedLanguage))) {
        QString spoken;
        for (const TBookLanguage& language : BookLanguages())
            spoken += QString(spoken.isEmpty() ? "" : ", ") + language.code + " (" +
                      QString::fromUtf8(language.name) + ")";
        std::fprintf(stderr, "The book does not speak \"%s\"; it speaks %s.\n",
                     askedLanguage.c_str(), spoken.toUtf8().constData());
        return 2;
    }
    const QString settingsFile = BookSettingsFile();
    TBookSettings settings = ReadBookSettings(settingsFile);
    const QString language = StartLanguage(askedLanguage, settings);
    if (const std::string guide = FileArgument(argc, argv, "--teacher-guide"); !guide.empty()) {
        // The guide needs no display: it is drawn for the printer alone.
        qputenv("QT_QPA_PLATFORM", "offscreen");
        return WriteGuide(argc, argv, guide, false, language);
    }
    if (const std::string sheet = FileArgument(argc, argv, "--worksheet"); !sheet.empty()) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        return WriteGuide(argc, argv, sheet, true, language);
    }
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg(argv[i]);
        if (arg == "--help" || arg == "-h") {
            std::fputs(Usage, stdout);
            return 0;
        }
        if (arg == "--version") {
            std::puts("doppler-spectroscopy " DOPPLER_VERSION);
            return 0;
        }
    }
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
    const zoom::TScreenMeasure screen = zoom::ProbeScreen(argc, argv);
    const QSize frame = TCustomBook::DesignFrame();
    bool fitsScreen = false;
    if (percent != 0) {
        if (const std::optional<std::string> refusal = zoom::Refusal(percent, frame, screen)) {
            std::fprintf(stderr, "%s\n", refusal->c_str());
            return 2;
        }
    } else if (settings.Zoom && !zoom::Refusal(*settings.Zoom, frame, screen)) {
        percent = *settings.Zoom;
    } else {
        percent = zoom::StartZoom(frame, screen);
        fitsScreen = !settings.Zoom;
    }
    zoom::Apply(percent);
    const std::vector<char*> original(argv, argv + argc);
    std::optional<std::vector<std::string>> reopen;
    bool keepSettings = true;
    const int status =
        RunBook(argc, argv, original, fitsScreen, language, settings, keepSettings, reopen);
    if (const QString fault = keepSettings ? WriteBookSettings(settingsFile, settings) : QString();
        !fault.isEmpty())
        std::fprintf(stderr, "%s\n", fault.toLocal8Bit().constData());
    if (!reopen)
        return status;
    // A signal that comes from now on waits for the restarted book; one that came since the
    // book closed ends the program instead.
    HoldTerminationSignals();
    if (const int signal = UnhandledTerminationSignal())
        return 128 + signal;
    // The same program, the same process: whoever started the book keeps waiting for it.
    std::vector<char*> args;
    for (std::string& arg : *reopen)
        args.push_back(arg.data());
    args.push_back(nullptr);
    const std::string program = ProgramPath();
    ::execv(program.c_str(), args.data());
    std::fprintf(stderr, "The book could not reopen at the new zoom: %s\n", std::strerror(errno));
    return 1;
}
