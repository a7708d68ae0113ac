// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// A harness's own check: a broken promise is printed and aborts, which libFuzzer keeps as a
// finding and the replay test fails on.

#include <cstdio>
#include <cstdlib>

inline void check(bool condition, const char* what) {
    if (condition)
        return;
    std::fprintf(stderr, "%s\n", what);
    std::abort();
}
