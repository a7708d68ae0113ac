// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
// LeaksIgnored: while one lives, the leak checker does not count what is allocated. For the
// harnesses that go through Qt's fonts, whose caches (and fontconfig's) keep what they
// allocate for each new face and size. The leak checker exists only in sanitized builds; the
// replay tests build without it, where LeaksIgnored does nothing.
#pragma once

#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define LEAK_CHECKER 1
#endif
#endif
#if defined(__SANITIZE_ADDRESS__)
#define LEAK_CHECKER 1
#endif
#ifdef LEAK_CHECKER
#include <sanitizer/lsan_interface.h>
using LeaksIgnored = __lsan::ScopedDisabler;
#else
struct LeaksIgnored {};
#endif
