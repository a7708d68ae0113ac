// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "thisbook/AnswerReport.h"

#include "BookText.h"

#include <QTextDocument>

namespace {

QString Escaped(const std::string& text) { return QString::fromStdString(text).toHtmlEscaped(); }

} // namespace

QString AnswerReportHtml(const std::string& name, const std::map<int, TChapterWork>& work) {
    QString html =
        "<h2>" + BookText("My answers", "My answers") + "</h2><p>" +
        BookText("My answers", "<b>Name:</b> %1")
            .arg(name.empty() ? BookText("My answers", "(not given)", "the name") : Escaped(name)) +
        "</p>";
    bool any = false;
    for (const auto& [number, chapter] : work) {
        if (chapter.answers.empty())
            continue;
        any = true;
        html += "<h3>" +
                BookText("My answers", "Chapter %1: %2", "the chapter's number and title")
                    .arg(number)
                    .arg(Escaped(chapter.caption)) +
                "</h3>";
        if (chapter.seed != 0)
            html += "<p>" + BookText("My answers", "<b>Seed:</b> %1").arg(chapter.seed) + "</p>";
        for (const TAnsweredQuestion& q : chapter.answers) {
            // An answer about data other than the chapter's seed says which.
            if (q.seed != 0 && q.seed != chapter.seed)
                html += "<p>" + BookText("My answers", "<b>Page %1:</b> %2 (seed %3)")
                                    .arg(q.page)
                                    .arg(Escaped(q.question))
                                    .arg(q.seed);
            else
                html += "<p>" + BookText("My answers", "<b>Page %1:</b> %2")
                                    .arg(q.page)
                                    .arg(Escaped(q.question));
            html += "<br>";
            for (std::size_t i = 0; i < q.attempts.size(); ++i)
                html += (q.attempts[i].right ? BookText("My answers", "Attempt %1: %2 (right)")
                                             : BookText("My answers", "Attempt %1: %2 (wrong)"))
                            .arg(i + 1)
                            .arg(Escaped(q.attempts[i].answer)) +
                        "<br>";
            html += BookText("My answers", "<b>Verdict:</b> %1").arg(Escaped(q.Verdict())) + "</p>";
        }
    }
    if (!any)
        html += "<p>" + BookText("My answers", "No question has been answered yet.") + "</p>";
    return html;
}

std::unique_ptr<QTextDocument> AnswerReport(const std::string& name,
                                            const std::map<int, TChapterWork>& work) {
    auto doc = std::make_unique<QTextDocument>();
    doc->setHtml(AnswerReportHtml(name, work));
    return doc;
}
