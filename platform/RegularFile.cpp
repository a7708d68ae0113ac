// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "RegularFile.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

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

// The system's text as a sentence.
AnsiString causeOf(int error) { return AnsiString(std::strerror(error)) + "."; }

AnsiString sizeText(std::size_t bytes) {
    if (bytes >= 1'000'000)
        return std::to_string((bytes + 500'000) / 1'000'000) + " MB";
    if (bytes >= 1000)
        return std::to_string((bytes + 500) / 1000) + " kB";
    return std::to_string(bytes) + " bytes";
}

} // namespace

EFOpenError::EFOpenError(const AnsiString& path, const AnsiString& cause)
    : std::runtime_error("Cannot open file \"" + path + "\". " + cause), cause_(cause) {}

AnsiString ReadRegularFile(const AnsiString& path, std::size_t maxBytes) {
    const FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (fd.get() < 0)
        throw EFOpenError(path, causeOf(errno));
    struct stat st {};
    if (::fstat(fd.get(), &st) != 0)
        throw EFOpenError(path, causeOf(errno));
    if (S_ISDIR(st.st_mode))
        throw EFOpenError(path, causeOf(EISDIR));
    if (!S_ISREG(st.st_mode))
        throw EFOpenError(path, "Not a regular file.");
    const AnsiString tooLarge = "File too large (over " + sizeText(maxBytes) + ").";
    if (std::size_t(std::max<off_t>(st.st_size, 0)) > maxBytes)
        throw EFOpenError(path, tooLarge);
    // The stated size is only a first guess of the room needed.
    AnsiString content(std::min(std::size_t(std::max<off_t>(st.st_size, 0)), maxBytes) + 1, '\0');
    std::size_t done = 0;
    for (;;) {
        if (done == content.size()) {
            if (done > maxBytes)
                throw EFOpenError(path, tooLarge);
            content.resize(std::min(2 * content.size(), maxBytes + 1));
        }
        const ssize_t got = ::read(fd.get(), content.data() + done, content.size() - done);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            throw EFOpenError(path, causeOf(errno));
        if (got == 0)
            break;
        done += std::size_t(got);
    }
    content.resize(done);
    return content;
}
