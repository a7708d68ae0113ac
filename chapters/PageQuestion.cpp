// SPDX-License-Identifier: GPL-3.0-or-later AND CC-BY-SA-4.0
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "PageQuestion.h"

#include "PageText.h"
#include "Precondition.h"
#include "RichEditWriter.h"
#include "TRichEditControl.h"

#include <algorithm>

const TPageQuestion* QuestionOn(std::span<const TPageQuestion> table, int page) {
    const auto row = std::find_if(table.begin(), table.end(),
                                  [page](const TPageQuestion& q) { return q.page == page; });
    return row == table.end() ? nullptr : &*row;
}

QString QuestionWording(TSay say, const TQuestionText& text, const QStringList& numbers) {
    PRECONDITION(text.text != nullptr);
    QString wording = say(text);
    for (const QString& number : numbers)
        wording = wording.arg(number);
    return wording;
}

void WriteQuestionHint(TRichEditControl& t, TSay say, const TPageQuestion& question) {
    if (!question.hint.text)
        return;
    if (question.spaced)
        t << "\n";
    WriteWithInclination(t, QuestionWording(say, question.hint));
}

void WriteQuestionConclusion(TRichEditControl& t, TSay say, const TPageQuestion& question,
                             bool correct, std::span<const QStringList> numbers) {
    if (correct && !question.concludesRight)
        return;
    for (std::size_t line = 0; line < std::size(question.conclusion); ++line) {
        if (!question.conclusion[line].text)
            continue;
        if (question.spaced || line > 0)
            t << "\n";
        WriteWithInclination(
            t, QuestionWording(say, question.conclusion[line],
                               line < numbers.size() ? numbers[line] : QStringList{}));
    }
}
