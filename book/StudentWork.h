// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// A student's work on a chapter's questions: every answer given, in order, each with its
// verdict, so that a page gone back to shows its question as answered and the student can
// hand the answers in.

#include <cstdint>
#include <string>
#include <vector>

struct TAnswerAttempt {
    std::string answer; // as the student gave it: the typed text or the choice's caption
    bool right = false;

    bool operator==(const TAnswerAttempt&) const = default;
};

struct TAnsweredQuestion {
    int page = 0;
    // The seed of the data the answers are about; 0 in a chapter whose data have none.
    std::uint64_t seed = 0;
    std::string question;
    std::vector<TAnswerAttempt> attempts;
    // Answered right, or the attempts used up.
    bool closed = false;

    // "right at the first attempt", "right at attempt 2", "wrong: the answer was shown" or
    // "not yet answered right".
    std::string Verdict() const;
    bool operator==(const TAnsweredQuestion&) const = default;
};

// What a book keeps of a chapter it has closed, for the chapter when it opens again.
struct TChapterWork {
    std::string caption; // the chapter's
    std::vector<TAnsweredQuestion> answers;
    // The seed of the chapter's data; 0 in a chapter whose data have none.
    std::uint64_t seed = 0;

    bool operator==(const TChapterWork&) const = default;
};

// The record of `page` about `seed` in `work`, or nullptr.
const TAnsweredQuestion* AnsweredOn(const std::vector<TAnsweredQuestion>& work, int page,
                                    std::uint64_t seed);
// Adds an attempt to the record of `page` about `seed`, making it when there is none.
void RecordAttempt(std::vector<TAnsweredQuestion>& work, int page, std::uint64_t seed,
                   const std::string& question, const TAnswerAttempt& attempt, bool closed);
