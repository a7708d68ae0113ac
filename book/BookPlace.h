// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// Where the reader is in the book and the reader's options: what a book reopened at another
// zoom takes over from the one it replaces. It travels as one command-line argument,
// "--resume=<chapter>:<page>:<flags>", flags being letters: 'k' a chapter kept under the
// contents page, 'c' the system's colours, 's' screen reader support, 'p' the splash passed,
// 'm' the window maximised.

#include <optional>
#include <string>
#include <vector>

struct TBookPlace {
    int Chapter = 0; // 0: the contents page
    int Page = 1;
    bool ChapterUnderContents = false;
    bool SplashLeft = false;
    bool SystemColours = false;
    bool ScreenReader = false;
    bool Maximised = false;

    bool operator==(const TBookPlace&) const = default;
};

// The argument that carries `place`, "--resume=..." included.
std::string ResumeArgument(const TBookPlace& place);

// The place the last "--resume=..." argument among argv names, if it reads correctly; the
// book keeps the chapter and page within its own.
std::optional<TBookPlace> ResumeArgumentOf(int argc, char** argv);

// The command line that reopens the program at `percent` and `place`, and in `language`
// when one is given: argv with its zoom and resume arguments replaced, and its language
// argument when a language is given.
std::vector<std::string> ReopenArguments(int argc, char** argv, int percent,
                                         const TBookPlace& place, const std::string& language = {});
