// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// How long work (a periodogram, a fit, a planet search) learns that it should stop and tells
// how far it has come. The work looks at Cancelled() between small pieces and reports the
// share done, 0 to 1, ever growing. The flag may be set from any thread; the progress
// function is called only from the thread that started the work. No Qt here: the model's
// units take it, and the background worker hands one out.

#include <atomic>
#include <functional>
#include <utility>

struct TWorkControl {
    const std::atomic<bool>* cancel = nullptr; // once true, the work stops soon
    std::function<void(double)> progress;      // told the share done, 0 to 1

    bool Cancelled() const { return cancel && cancel->load(std::memory_order_relaxed); }
    void Report(double share) const {
        if (progress)
            progress(share);
    }
    // A control for a step of the work: it stops with this one and reports its own share
    // done as [from, from + share) of this one's.
    TWorkControl Part(double from, double share) const {
        TWorkControl part{cancel, {}};
        if (progress)
            part.progress = [whole = progress, from, share](double done) {
                whole(from + share * done);
            };
        return part;
    }
};
