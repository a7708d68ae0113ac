// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
// Every hint and conclusion of every chapter fits the feedback box it is written in, at the
// book's fonts: no line runs past the box's foot or under its OK button.
#include "../book/BookFixture.h"

#include "oBitBtn.h"

#include <QAbstractTextDocumentLayout>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextLayout>
#include <string>

namespace {

// The first line of the box that leaves the visible area or meets the OK button (while it
// shows), or an empty string.
std::string Overflow(const TThisChapter& c) {
    const QTextEdit& box = *c.FeedbackBox;
    const QRect visible = box.viewport()->rect();
    QRect ok = c.OKButton->isHidden() ? QRect() : c.OKButton->geometry();
    ok.translate(-box.geometry().topLeft() - box.viewport()->geometry().topLeft());
    const QTextDocument& doc = *box.document();
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        const QRectF place = doc.documentLayout()->blockBoundingRect(block);
        const QTextLayout& layout = *block.layout();
        for (int i = 0; i < layout.lineCount(); ++i) {
            const QTextLine line = layout.lineAt(i);
            const QString text = block.text().mid(line.textStart(), line.textLength()).trimmed();
            if (text.isEmpty())
                continue;
            const QRectF r = line.naturalTextRect().translated(place.topLeft());
            if (!QRectF(visible).contains(r) || r.intersects(ok))
                return text.toStdString();
        }
    }
    return {};
}

} // namespace

TEST_F(BookTest, EveryHintAndConclusionFitsItsBox) {
    open(1);
    int measured = 0;
    for (int number = 1; number <= book->ChapterCount; ++number) {
        open(number);
        for (int page = 1; page <= chapter()->PageCount; ++page) {
            SCOPED_TRACE("chapter " + std::to_string(number) + " page " + std::to_string(page));
            open(number, page);
            auto* c = dynamic_cast<TThisChapter*>(chapter());
            ASSERT_NE(c, nullptr);
            // Wrong (no answer) three times: plain, with the hint, with the conclusion.
            for (int attempt = 1; attempt <= c->MaxAttempts; ++attempt) {
                c->JudgeAnswer();
                EXPECT_EQ(Overflow(*c), "") << "attempt " << attempt << ": "
                                            << c->FeedbackBox->toPlainText().toStdString();
                EXPECT_FALSE(c->FeedbackBox->verticalScrollBar()->isVisible())
                    << c->FeedbackBox->document()->size().height() << " in "
                    << c->FeedbackBox->viewport()->height() << ": "
                    << c->FeedbackBox->toPlainText().toStdString();
                ++measured;
            }
            // Right at once, with its conclusion.
            open(number, page);
            c = dynamic_cast<TThisChapter*>(chapter());
            c->AnswerCorrect = true;
            c->QuestionClosed = true;
            c->MessagePanel->show();
            c->OKButton->hide();
            c->WriteFeedback();
            EXPECT_EQ(Overflow(*c), "") << "right: " << c->FeedbackBox->toPlainText().toStdString();
            ++measured;
        }
    }
    EXPECT_GT(measured, 100);
}
