// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
// Turns a hang into a failure: when the guarded scope has not ended within its limit, the
// watchdog names what it guarded and ends the test program with a failure status. The limit
// is far above any honest run, so the test times nothing; it only refuses to wait forever.
#pragma once

#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <string>
#include <thread>

class Watchdog {
public:
    Watchdog(std::string what, std::chrono::seconds limit)
        : thread_([this, what = std::move(what), limit] {
              std::unique_lock lock(mutex_);
              if (!ended_.wait_for(lock, limit, [this] { return done_; })) {
                  std::fprintf(stderr, "%s did not end within %lld s\n", what.c_str(),
                               static_cast<long long>(limit.count()));
                  std::_Exit(EXIT_FAILURE);
              }
          }) {}

    ~Watchdog() {
        {
            std::lock_guard lock(mutex_);
            done_ = true;
        }
        ended_.notify_one();
        thread_.join();
    }

    Watchdog(const Watchdog&) = delete;
    Watchdog& operator=(const Watchdog&) = delete;

private:
    std::mutex mutex_;
    std::condition_variable ended_;
    bool done_ = false;
    std::thread thread_; // last, so that it starts once the rest exists
};
