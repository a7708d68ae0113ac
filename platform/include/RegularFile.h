// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// The one way the book reads a whole file, whatever the user or the installation put at the
// path: only a regular file is read; it is opened without waiting, so a named pipe without a
// writer cannot hold the book; its size is what reading finds, not what the file system
// states (a device states 0 and never ends, a file may grow), and reading stops one byte past
// the cap, so nothing larger is ever kept.

#include "AnsiString.h"

#include <cstddef>
#include <stdexcept>

// The platform's file error: the path and the cause, as a sentence of its own.
class EFOpenError : public std::runtime_error {
public:
    EFOpenError(const AnsiString& path, const AnsiString& cause);
    // Why the file was not read, for example "Is a directory."
    const AnsiString& Cause() const { return cause_; }

private:
    AnsiString cause_;
};

// The whole content of the file at path, as bytes. Raises EFOpenError naming the cause when
// there is no such file, it is no regular file, it may not be read, or it is larger than
// maxBytes.
AnsiString ReadRegularFile(const AnsiString& path, std::size_t maxBytes);
