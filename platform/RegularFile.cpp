// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "RegularFile.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <climits>
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

namespace {

AnsiString folderOf(const AnsiString& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == AnsiString::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// Where a chain of symbolic links ends, whether or not a file is there yet; errno is set
// when the chain does not end (a loop) or cannot be read.
bool followLinks(AnsiString& path) {
    for (int hop = 0; hop < 40; ++hop) {
        struct stat st {};
        if (::lstat(path.c_str(), &st) != 0)
            return errno == ENOENT;
        if (!S_ISLNK(st.st_mode))
            return true;
        AnsiString to(PATH_MAX, '\0');
        const ssize_t length = ::readlink(path.c_str(), to.data(), to.size());
        if (length < 0)
            return false;
        to.resize(std::size_t(length));
        path = to.front() == '/' ? to : folderOf(path) + "/" + to;
    }
    errno = ELOOP;
    return false;
}

// A new file beside target that no other writer has, opened for writing; -1 with errno set
// when none can be made.
int openBeside(const AnsiString& target, AnsiString& made) {
    static std::atomic<unsigned> counter{0};
    const AnsiString folder = folderOf(target);
    const std::size_t slash = target.rfind('/');
    const AnsiString name = slash == AnsiString::npos ? target : target.substr(slash + 1);
    for (int attempt = 0; attempt < 100; ++attempt) {
        const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
        made = folder + "/." + name + "." + std::to_string(::getpid()) + "-" +
               std::to_string(counter++) + "-" + std::to_string(stamp % 1'000'000) + ".part";
        const int fd = ::open(made.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

bool writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t done = ::write(fd, bytes.data(), bytes.size());
        if (done < 0 && errno == EINTR)
            continue;
        if (done < 0)
            return false;
        bytes.remove_prefix(std::size_t(done));
    }
    return true;
}

} // namespace

AnsiString WriteRegularFile(const AnsiString& path, std::string_view bytes, TLinkRule links) {
    AnsiString target = path;
    struct stat st {};
    if (::lstat(path.c_str(), &st) == 0 && S_ISLNK(st.st_mode)) {
        if (links == TLinkRule::Refuse)
            return "It is a symbolic link, which the book does not write through.";
        if (!followLinks(target))
            return causeOf(errno);
    }
    const bool exists = ::stat(target.c_str(), &st) == 0;
    if (exists && S_ISDIR(st.st_mode))
        return causeOf(EISDIR);
    if (exists && !S_ISREG(st.st_mode))
        return "Not a regular file.";

    AnsiString made;
    const int fd = openBeside(target, made);
    if (fd < 0)
        return causeOf(errno);
    // The new file takes the permissions of the one it replaces.
    bool written = (!exists || ::fchmod(fd, st.st_mode & 07777) == 0) && writeAll(fd, bytes) &&
                   ::fsync(fd) == 0;
    int error = errno;
    if (::close(fd) != 0 && written) {
        written = false;
        error = errno;
    }
    if (written && ::rename(made.c_str(), target.c_str()) != 0) {
        written = false;
        error = errno;
    }
    if (!written) {
        ::unlink(made.c_str());
        return causeOf(error);
    }
    // The rename itself reaches the disk with its folder; a folder that cannot be synced
    // (some network file systems) still holds the whole file.
    if (const int folder = ::open(folderOf(target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        folder >= 0) {
        ::fsync(folder);
        ::close(folder);
    }
    return {};
}
