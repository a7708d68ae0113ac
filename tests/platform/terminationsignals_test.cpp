// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "DisplayCheck.h"
#include "TerminationSignals.h"

#include <QTest>
#include <csignal>
#include <cstdlib>
#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <vector>

namespace {

// Sets an environment variable, or removes it, for one scope.
class ScopedVariable {
public:
    ScopedVariable(const char* name, const char* value) : name_(name) {
        if (const char* old = std::getenv(name))
            old_ = old;
        if (value)
            setenv(name, value, 1);
        else
            unsetenv(name);
    }
    ~ScopedVariable() {
        if (old_)
            setenv(name_, old_->c_str(), 1);
        else
            unsetenv(name_);
    }

private:
    const char* name_;
    std::optional<std::string> old_;
};

} // namespace

TEST(TerminationSignals, EachSignalCallsTheActionWithItsNumber) {
    for (const int signal : {SIGTERM, SIGINT, SIGHUP}) {
        SCOPED_TRACE(signal);
        int got = 0;
        CloseOnTerminationSignals([&got](int s) { got = s; });
        std::raise(signal);
        EXPECT_TRUE(QTest::qWaitFor([&] { return got != 0; }, 2000));
        EXPECT_EQ(got, signal);
    }
    CloseOnTerminationSignals(nullptr);
}

TEST(TerminationSignalsDeathTest, ASecondSignalBeforeTheFirstIsHandledEndsTheProgram) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    for (const int signal : {SIGTERM, SIGHUP}) {
        SCOPED_TRACE(signal);
        EXPECT_EXIT(
            {
                CloseOnTerminationSignals([](int) {});
                std::raise(SIGINT); // noted, but the event loop never runs to handle it
                std::raise(signal);
                std::_Exit(0);
            },
            testing::KilledBySignal(signal), "");
    }
}

TEST(DisplayCheck, APlatformOrADisplayIsNeeded) {
    const struct {
        const char* name;
        const char* platform;
        const char* x11;
        const char* wayland;
        std::vector<const char*> arguments;
        bool available;
    } cases[] = {
        {"nothing at all", nullptr, nullptr, nullptr, {}, false},
        {"empty variables", "", "", "", {}, false},
        {"an X11 display", nullptr, ":0", nullptr, {}, true},
        {"a Wayland display", nullptr, nullptr, "wayland-0", {}, true},
        {"a chosen platform", "offscreen", nullptr, nullptr, {}, true},
        {"a platform argument", nullptr, nullptr, nullptr, {"-platform", "offscreen"}, true},
        {"other arguments", nullptr, nullptr, nullptr, {"-style", "fusion"}, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const ScopedVariable platform("QT_QPA_PLATFORM", c.platform);
        const ScopedVariable x11("DISPLAY", c.x11);
        const ScopedVariable wayland("WAYLAND_DISPLAY", c.wayland);
        std::vector<char*> argv{const_cast<char*>("book")};
        for (const char* a : c.arguments)
            argv.push_back(const_cast<char*>(a));
        EXPECT_EQ(DisplayAvailable(int(argv.size()), argv.data()), c.available);
    }
}
