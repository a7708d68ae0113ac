// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// The student's name and answers as the "answers" part of a work file, and read back with
// every field checked, a refusal naming the field at fault ("answers.chapters[0].seed").

#include "book/StudentWork.h"

#include <QJsonObject>
#include <map>

struct TKeptAnswers {
    std::string name;
    std::map<int, TChapterWork> chapters; // by chapter number

    bool operator==(const TKeptAnswers&) const = default;
};

QJsonObject AnswersToJson(const TKeptAnswers& answers);
// Raises EWorkFileRefusal for a field missing, of the wrong type or out of range.
TKeptAnswers AnswersFromJson(const QJsonObject& object);
