// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
// Test entry point: one application object, as the book has, on the offscreen platform for
// every suite, speaking the language DOPPLER_TEST_LANGUAGE names (a code of BookLanguage.h),
// English otherwise.

#include "BookLanguage.h"
#include "GuardedApplication.h"

#include <cstdio>
#include <cstdlib>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    // Death tests re-run the binary; a forked Qt application is not safe to continue.
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    testing::InitGoogleMock(&argc, argv);
    GuardedApplication app(argc, argv);
    // Installed as start-up installs it, before any window takes its texts.
    if (const char* language = std::getenv("DOPPLER_TEST_LANGUAGE")) {
        if (!BookLanguageAvailable(language)) {
            std::fprintf(stderr, "DOPPLER_TEST_LANGUAGE=%s is no language of the book\n", language);
            return 2;
        }
        UseBookLanguage(language);
    }
    return RUN_ALL_TESTS();
}
