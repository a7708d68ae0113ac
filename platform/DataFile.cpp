// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "DataFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <sys/stat.h>

#ifndef DOPPLER_DATA_DIR
#define DOPPLER_DATA_DIR "/usr/local/share/doppler-spectroscopy"
#endif
#ifndef DOPPLER_DATA_FROM_BIN
#define DOPPLER_DATA_FROM_BIN "../share/doppler-spectroscopy"
#endif

namespace {

std::vector<AnsiString> chosenFolders;

// The same folder, however it is spelt, gives the same text.
QString folderIdentity(const QString& folder) {
    const QString canonical = QFileInfo(folder).canonicalFilePath();
    return canonical.isEmpty() ? QDir::cleanPath(QDir(folder).absolutePath()) : canonical;
}

// The folders in the order they are searched, each once: the program's folder is often the
// current one.
QStringList searchFolders() {
    QStringList given;
    if (chosenFolders.empty()) {
        const QDir program(QCoreApplication::applicationDirPath());
        given = {program.path(), QDir::cleanPath(program.filePath(DOPPLER_DATA_FROM_BIN)),
                 QStringLiteral(DOPPLER_DATA_DIR), QDir::currentPath()};
    }
    for (const AnsiString& f : chosenFolders)
        given << QString::fromStdString(f);
    QStringList folders, seen;
    for (const QString& folder : given) {
        const QString identity = folderIdentity(folder);
        if (seen.contains(identity))
            continue;
        seen << identity;
        folders << folder;
    }
    return folders;
}

} // namespace

void SetDataFolders(const std::vector<AnsiString>& folders) { chosenFolders = folders; }

AnsiString FindDataFile(const AnsiString& name) {
    const QString file = QString::fromStdString(name);
    AnsiString searched;
    for (const QString& folder : searchFolders()) {
        const AnsiString path = QDir(folder).filePath(file).toStdString();
        // Any entry counts, a broken or looping link included, so that its fault is told.
        struct stat st {};
        if (::lstat(path.c_str(), &st) == 0)
            return path;
        searched += (searched.empty() ? "" : ", ") + folder.toStdString();
    }
    throw EFOpenError(name, "No such file or directory. Looked in: " + searched + ".");
}

AnsiString ReadDataFile(const AnsiString& name) {
    return ReadRegularFile(FindDataFile(name), MaxDataFileBytes);
}
