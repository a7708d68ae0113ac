// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "thisbook/AnswerReport.h"

#include <QTextDocument>

namespace {

QString Escaped(const std::string& text) { return QString::fromStdString(text).toHtmlEscaped(); }

} // namespace

QString AnswerReportHtml(const std::string& name, const std::map<int, TChapterWork>& work) {
    QString html = "<h2>My answers</h2><p><b>Name:</b> " +
                   (name.empty() ? QString("(not given)") : Escaped(name)) + "</p>";
    bool any = false;
    for (const auto& [number, chapter] : work) {
        if (chapter.answers.empty())
            continue;
        any = true;
        html += QString("<h3>Chapter %1: %2</h3>").arg(number).arg(Escaped(chapter.caption));
        if (chapter.seed != 0)
            html += QString("<p><b>Seed:</b> %1</p>").arg(chapter.seed);
        for (const TAnsweredQuestion& q : chapter.answers) {
            html += QString("<p><b>Page %1:</b> %2").arg(q.page).arg(Escaped(q.question));
            // An answer about data other than the chapter's seed says which.
            if (q.seed != 0 && q.seed != chapter.seed)
                html += QString(" (seed %1)").arg(q.seed);
            html += "<br>";
            for (std::size_t i = 0; i < q.attempts.size(); ++i)
                html += QString("Attempt %1: %2 (%3)<br>")
                            .arg(i + 1)
                            .arg(Escaped(q.attempts[i].answer))
                            .arg(q.attempts[i].right ? "right" : "wrong");
            html += "<b>Verdict:</b> " + Escaped(q.Verdict()) + "</p>";
        }
    }
    if (!any)
        html += "<p>No question has been answered yet.</p>";
    return html;
}

std::unique_ptr<QTextDocument> AnswerReport(const std::string& name,
                                            const std::map<int, TChapterWork>& work) {
    auto doc = std::make_unique<QTextDocument>();
    doc->setHtml(AnswerReportHtml(name, work));
    return doc;
}
