// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "StudentWork.h"

#include <algorithm>

std::string TAnsweredQuestion::Verdict() const {
    if (!attempts.empty() && attempts.back().right)
        return attempts.size() == 1 ? "right at the first attempt"
                                    : "right at attempt " + std::to_string(attempts.size());
    return closed ? "wrong: the answer was shown" : "not yet answered right";
}

const TAnsweredQuestion* AnsweredOn(const std::vector<TAnsweredQuestion>& work, int page,
                                    std::uint64_t seed) {
    for (const TAnsweredQuestion& q : work)
        if (q.page == page && q.seed == seed)
            return &q;
    return nullptr;
}

void RecordAttempt(std::vector<TAnsweredQuestion>& work, int page, std::uint64_t seed,
                   const std::string& question, const TAnswerAttempt& attempt, bool closed) {
    auto record = std::find_if(work.begin(), work.end(), [&](const TAnsweredQuestion& q) {
        return q.page == page && q.seed == seed;
    });
    if (record == work.end())
        record = work.insert(work.end(), {page, seed, question, {}, false});
    record->attempts.push_back(attempt);
    record->closed = closed;
}
