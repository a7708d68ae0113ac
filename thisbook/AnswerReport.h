// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// The student's answers as a page to hand in: the name, and for every chapter answered in,
// its seed and each question with every answer given, the attempts and the verdict.

#include "book/StudentWork.h"

#include <QString>
#include <map>
#include <memory>

class QTextDocument;

// `work` by chapter number. The report as rich text (HTML), the texts escaped.
QString AnswerReportHtml(const std::string& name, const std::map<int, TChapterWork>& work);
std::unique_ptr<QTextDocument> AnswerReport(const std::string& name,
                                            const std::map<int, TChapterWork>& work);
