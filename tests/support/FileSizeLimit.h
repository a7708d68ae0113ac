// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
// A disk that takes no more than `bytes` of any one file, for the life of the scope: the
// kernel's file-size limit on this process with its signal ignored, so that a write past it
// fails with "File too large" where a write to a full disk fails with "No space left on
// device". The soft limit and the signal's handling go back as they were when the scope ends.
#pragma once

#include <csignal>
#include <sys/resource.h>

class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &kept_);
        const rlimit limited{bytes, kept_.rlim_max};
        setrlimit(RLIMIT_FSIZE, &limited);
        handler_ = std::signal(SIGXFSZ, SIG_IGN);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &kept_);
        std::signal(SIGXFSZ, handler_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit kept_{};
    void (*handler_)(int) = nullptr;
};
