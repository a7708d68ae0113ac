// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "DataFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

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

[[noreturn]] void refuse(const AnsiString& file, const AnsiString& cause) {
    throw EFOpenError("Cannot open file \"" + file + "\". " + cause);
}

// strerror's text as a sentence.
AnsiString causeOf(int error) { return AnsiString(std::strerror(error)) + "."; }

class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int get() const { return fd_; }

private:
    int fd_;
};

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
    refuse(name, "No such file or directory. Looked in: " + searched + ".");
}

AnsiString ReadDataFile(const AnsiString& name) {
    const AnsiString path = FindDataFile(name);
    // Non-blocking, so that a named pipe cannot hold the book; it is refused below.
    const FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (fd.get() < 0)
        refuse(path, causeOf(errno));
    struct stat st {};
    if (::fstat(fd.get(), &st) != 0)
        refuse(path, causeOf(errno));
    if (S_ISDIR(st.st_mode))
        refuse(path, causeOf(EISDIR));
    if (!S_ISREG(st.st_mode))
        refuse(path, "Not a regular file.");
    if (std::size_t(st.st_size) > MaxDataFileBytes)
        refuse(path, "File too large (over 1 MB).");
    AnsiString content(std::size_t(st.st_size), '\0');
    std::size_t done = 0;
    while (done < content.size()) {
        const ssize_t got = ::read(fd.get(), content.data() + done, content.size() - done);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            refuse(path, causeOf(errno));
        if (got == 0)
            break;
        done += std::size_t(got);
    }
    content.resize(done);
    return content;
}
