// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "thisbook/AnswersJson.h"

#include "BookText.h"

#include "WorkFile.h"
#include "book/ChapterTable.h"

#include <QJsonArray>
#include <climits>

namespace {

// Room for a long answer typed and a page's question; more is no student's work.
constexpr qsizetype MaxText = 2000;
constexpr qsizetype MaxItems = 1000;

} // namespace

QJsonObject AnswersToJson(const TKeptAnswers& answers) {
    QJsonArray chapters;
    for (const auto& [number, work] : answers.chapters) {
        QJsonArray questions;
        for (const TAnsweredQuestion& q : work.answers) {
            QJsonArray attempts;
            for (const TAnswerAttempt& a : q.attempts)
                attempts.append(QJsonObject{{"answer", QString::fromStdString(a.answer)},
                                            {"right", a.right}});
            questions.append(QJsonObject{{"page", q.page},
                                         {"seed", qint64(q.seed)},
                                         {"question", QString::fromStdString(q.question)},
                                         {"attempts", attempts},
                                         {"closed", q.closed}});
        }
        chapters.append(QJsonObject{{"number", number},
                                    {"caption", QString::fromStdString(work.caption)},
                                    {"seed", qint64(work.seed)},
                                    {"questions", questions}});
    }
    return QJsonObject{{"name", QString::fromStdString(answers.name)}, {"chapters", chapters}};
}

TKeptAnswers AnswersFromJson(const QJsonObject& object) {
    const TWorkFields f(object, "answers");
    TKeptAnswers kept;
    kept.name = f.Text("name", MaxText).toStdString();
    const QJsonArray chapters = f.Array("chapters", ChapterTableSize());
    for (qsizetype c = 0; c < chapters.size(); ++c) {
        const TWorkFields chapter = f.Element(chapters, "chapters", c);
        const int number = chapter.Integer("number", 1, ChapterTableSize());
        if (kept.chapters.contains(number))
            chapter.Refuse("number", BookText("Work file", "names a chapter twice"));
        TChapterWork& work = kept.chapters[number];
        work.caption = chapter.Text("caption", MaxText).toStdString();
        work.seed = std::uint64_t(chapter.Integer("seed", 0, INT_MAX));
        const QJsonArray questions = chapter.Array("questions", MaxItems);
        for (qsizetype i = 0; i < questions.size(); ++i) {
            const TWorkFields q = chapter.Element(questions, "questions", i);
            TAnsweredQuestion answered;
            answered.page = q.Integer("page", 1, 1000);
            answered.seed = std::uint64_t(q.Integer("seed", 0, INT_MAX));
            answered.question = q.Text("question", MaxText).toStdString();
            answered.closed = q.Boolean("closed");
            const QJsonArray attempts = q.Array("attempts", MaxItems);
            if (attempts.isEmpty())
                q.Refuse("attempts", BookText("Work file", "lists no answer"));
            for (qsizetype a = 0; a < attempts.size(); ++a) {
                const TWorkFields attempt = q.Element(attempts, "attempts", a);
                answered.attempts.push_back(
                    {attempt.Text("answer", MaxText).toStdString(), attempt.Boolean("right")});
            }
            work.answers.push_back(std::move(answered));
        }
    }
    return kept;
}
