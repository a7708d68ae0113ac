#pragma once
// Byte strings as the system's components exchange them (RTF, captions, file names).

#include <string>

using AnsiString = std::string;
