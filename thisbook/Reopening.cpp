// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "Reopening.h"

#include "Application.h"
#include "BookText.h"
#include "SavedFile.h"
#include "WorkFile.h"
#include "book/BookPlace.h"
#include "thisbook/TThisBook.h"

#include <QAccessible>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>
#include <cstdio>

namespace {

const char* const WorkFilePrefix = "doppler-spectroscopy-work-";

// The file the last --resume-work= names, or an empty text.
QString ResumeWorkArgument(int argc, char* argv[]) {
    QString path;
    for (int i = 1; i < argc; ++i)
        if (std::string_view arg(argv[i]); arg.starts_with(ResumeWorkOption))
            path = QFile::decodeName(argv[i] + ResumeWorkOption.size());
    return path;
}

// Gives the book the work kept for it, then removes the file if this program wrote it (a
// path given by hand is read, never removed).
void TakeOverWork(TThisBook& book, const QString& path) {
    QString refusal;
    try {
        refusal = book.RestoreWork(ReadWorkFile(path));
    } catch (const EWorkFileRefusal& e) {
        refusal = e.Reason();
    }
    const QFileInfo info(path);
    if (info.absolutePath() == QFileInfo(QDir::tempPath()).absoluteFilePath() &&
        info.fileName().startsWith(WorkFilePrefix))
        QFile::remove(path);
    if (!refusal.isEmpty())
        Application::ShowMessage(
            BookText("Book window", "The work open before the new zoom was not taken over: %1")
                .arg(refusal)
                .toStdString());
}

} // namespace

std::string KeepWorkForRestart(const QJsonObject& work) {
    if (work.isEmpty())
        return {};
    // The temporary file only reserves a name no other book takes; the work is written to it
    // whole, as a save is.
    QTemporaryFile file(QDir(QDir::tempPath()).filePath(QString(WorkFilePrefix) + "XXXXXX.json"));
    file.setAutoRemove(false);
    if (!file.open()) {
        std::fprintf(stderr, "%s\n",
                     BookText("Book window", "The open work could not be kept for the new zoom: %1")
                         .arg(file.errorString())
                         .toLocal8Bit()
                         .constData());
        return {};
    }
    file.close();
    if (const QString cause = SaveWholeFile(file.fileName(), WorkFileText(work)); !cause.isEmpty()) {
        std::fprintf(
            stderr, "%s\n",
            BookText("Book window", "The open work could not be kept for the new zoom: %1.")
                .arg(cause)
                .toLocal8Bit()
                .constData());
        file.remove();
        return {};
    }
    return std::string(ResumeWorkOption) + QFile::encodeName(file.fileName()).toStdString();
}

void OpenBook(TThisBook& book, int argc, char* argv[], const TBookSettings& settings) {
    const std::optional<TBookPlace> place = ResumeArgumentOf(argc, argv);
    if (place && place->Maximised)
        book.showMaximized();
    else
        book.show();
    if (place)
        book.Resume(*place);
    else
        // The screen reader option is not kept between starts: on only while one runs.
        book.Resume({.SystemColours = settings.SystemColours,
                     .ScreenReader = QAccessible::isActive()});
    if (const QString work = ResumeWorkArgument(argc, argv); !work.isEmpty())
        TakeOverWork(book, work);
}
