// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// The always-on precondition check. A failed precondition is a programming error:
// it prints the condition text and the source unit, then stops the program.
// This header includes nothing from Qt so that the pure model units can use it.

#include <cstdio>
#include <cstdlib>

namespace platform {

[[noreturn]] inline void preconditionFailed(const char* condition, const char* unit, int line) {
    std::fprintf(stderr, "Precondition failed: %s (%s, line %d)\n", condition, unit, line);
    std::fflush(stderr);
    std::abort();
}

} // namespace platform

#define PRECONDITION(cond)                                                                         \
    ((cond) ? static_cast<void>(0) : ::platform::preconditionFailed(#cond, __FILE__, __LINE__))
