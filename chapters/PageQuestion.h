// SPDX-License-Identifier: GPL-3.0-or-later AND CC-BY-SA-4.0
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// The questions of the simulation chapters, one row each in the chapter's table: the page it
// is on, the right choice, the hint a second wrong answer gets, the conclusion and the answer
// accepted. The chapter judges, gives feedback and tells the record and the teacher's guide
// from the row, so that none of them can drift from the others. The numbers that hang on the
// simulation (%1, %2 in a text) the chapter gives as it writes the text; a %1 left open is
// the inclination and a %2 m sin i (PageText.h).

#include <QStringList>
#include <span>

class TRichEditControl;

// A text of a row, as the translation tool finds it (QT_TRANSLATE_NOOP or, with a note for
// the translator, QT_TRANSLATE_NOOP3); none when `text` is null.
struct TQuestionText {
    const char* text = nullptr;
    const char* comment = nullptr;
};

struct TPageQuestion {
    int page = 0;
    int right = -1; // the right button in the order the page shows them; -1 for other answers
    TQuestionText hint;
    TQuestionText conclusion[2]; // one line or two
    bool concludesRight = false; // the conclusion follows a right answer too, not only a wrong one
    TQuestionText accepted;      // none: the right choice's caption (TChoiceQuestion)
    // The hint and the conclusion set off from the verdict by a blank line, as most pages lay
    // their feedback out.
    bool spaced = true;
};

// A row's text in the reader's language: BookText in the chapter's context (a literal, so that
// the translation tool finds it).
using TSay = QString (*)(const TQuestionText& text);

// The row of `page`, or null.
const TPageQuestion* QuestionOn(std::span<const TPageQuestion> table, int page);

// `text` in the reader's language, with `numbers` at %1, %2, ...
QString QuestionWording(TSay say, const TQuestionText& text, const QStringList& numbers = {});

// The hint on a line of its own, when the row has one.
void WriteQuestionHint(TRichEditControl& t, TSay say, const TPageQuestion& question);
// The conclusion after the answer, each line on its own with its numbers; nothing after a right
// answer unless the row says so.
void WriteQuestionConclusion(TRichEditControl& t, TSay say, const TPageQuestion& question,
                             bool correct, std::span<const QStringList> numbers = {});
