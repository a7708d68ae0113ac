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
#include <string_view>

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

// How a write treats a symbolic link at its path: a file the user chose is written where the
// link points, as an editor would; a file of the book's own (its settings) is never written
// through a link the book did not make.
enum class TLinkRule { Follow, Refuse };

// The one way the book writes a whole file: the bytes go into a new file beside the target,
// every write checked, flushed to the disk, and only then renamed over the target, so a full
// disk, a file-size limit or a folder that may not be written leaves an earlier file byte for
// byte as it was and no stray file beside it. An existing target that is not a regular file
// (a device, a pipe, a folder) is refused, never replaced. The cause of a failure as the
// system words it ("No space left on device."), or empty when the file was written.
AnsiString WriteRegularFile(const AnsiString& path, std::string_view bytes,
                            TLinkRule links = TLinkRule::Follow);
