// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "StudentWork.h"

#include "BookText.h"

#include <algorithm>

std::string TAnsweredQuestion::Verdict() const {
    QString verdict;
    if (!attempts.empty() && attempts.back().right)
        verdict = attempts.size() == 1
                      ? BookText("My answers", "right at the first attempt")
                      : BookText("My answers", "right at attempt %1").arg(attempts.size());
    else
        verdict = closed ? BookText("My answers", "wrong: the answer was shown")
                         : BookText("My answers", "not yet answered right");
    return verdict.toStdString();
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
