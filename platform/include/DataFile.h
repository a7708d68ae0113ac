// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// Finds the book's data files: beside the executable, then in the data folder of the
// installation the executable sits in (so an installation moved to another prefix keeps
// working), then in the data folder configured at build time, and only then in the current
// directory, so that a stray file where the book happens to be started cannot replace the
// installed one.

#include "AnsiString.h"
#include "RegularFile.h"

#include <cstddef>
#include <vector>

// The book's data files are a few kilobytes; a larger one is refused rather than laid out.
inline constexpr std::size_t MaxDataFileBytes = 1024 * 1024;

// The path of the first folder's entry of that name, whatever it is; raises EFOpenError,
// naming the folders searched, when no folder has one.
AnsiString FindDataFile(const AnsiString& name);
// The whole content of a data file, as bytes, read by ReadRegularFile. Raises EFOpenError
// naming the cause when the entry found is no readable regular file or is larger than
// MaxDataFileBytes.
AnsiString ReadDataFile(const AnsiString& name);
// Replaces the folders searched, in order; an empty list restores the usual four.
void SetDataFolders(const std::vector<AnsiString>& folders);
