#pragma once
// Finds the book's data files: in the current directory, then beside the executable,
// then in the installed data folder, so the book starts from any directory.

#include "AnsiString.h"

#include <stdexcept>
#include <vector>

// The platform's file error, raised when a data file is found nowhere.
class EFOpenError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The path of the first existing file of that name; raises EFOpenError when none exists.
AnsiString FindDataFile(const AnsiString& name);
// The whole content of a data file, as bytes.
AnsiString ReadDataFile(const AnsiString& name);
// Replaces the folders searched, in order; an empty list restores the usual three.
void SetDataFolders(const std::vector<AnsiString>& folders);
