// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
// Every page at 150 %: the text of each page, question and control lies inside its box, as
// measured by the layout, not only as it looks.

#include "BookFixture.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QLabel>
#include <QRadioButton>
#include <QScrollBar>
#include <QTextDocument>
#include <cstdlib>

namespace {

// Read once, when the shared main makes the application, so it is set before main runs.
const int scaleFactorSet = setenv("QT_SCALE_FACTOR", "1.5", 1);

// How far, in pixels, a shown text box's text runs past its box (0: it fits).
int TextOverflow(const QTextEdit& box) {
    const QTextDocument& doc = *box.document();
    const int height = int(std::ceil(doc.size().height()));
    const int width = int(std::ceil(doc.idealWidth()));
    return std::max({0, height - box.viewport()->height(), width - box.viewport()->width()});
}

// How far a one-line caption runs past its control, or 0.
int CaptionOverflow(const QWidget& control) {
    QString text;
    int room = control.width();
    if (const auto* label = qobject_cast<const QLabel*>(&control)) {
        if (label->wordWrap() || label->textFormat() == Qt::RichText || label->text().contains('<'))
            return 0;
        text = label->text();
        room = label->contentsRect().width() - 2 * label->margin() - label->indent();
    } else if (const auto* button = qobject_cast<const QAbstractButton*>(&control)) {
        text = button->text();
        // The check box and radio button draw their mark before the text.
        if (qobject_cast<const QCheckBox*>(button) || qobject_cast<const QRadioButton*>(button))
            room -= 20;
    }
    text.remove('&');
    if (text.trimmed().isEmpty() || text.startsWith("   "))
        return 0; // an image face carries it
    return std::max(0, control.fontMetrics().horizontalAdvance(text) - room);
}

} // namespace

TEST_F(BookTest, AtOneHundredAndFiftyPercentEveryPagesTextLiesInsideItsBox) {
    ASSERT_EQ(scaleFactorSet, 0);
    ASSERT_DOUBLE_EQ(book->devicePixelRatio(), 1.5);
    int pages = 0;
    for (int number = 1; number <= book->ChapterCount; ++number) {
        open(number);
        const int count = chapter()->PageCount;
        for (int page = 1; page <= count; ++page) {
            open(number, page);
            QApplication::processEvents();
            SCOPED_TRACE(caption());
            ++pages;
            for (const QTextEdit* box : chapter()->findChildren<QTextEdit*>()) {
                if (!box->isVisibleTo(book))
                    continue;
                EXPECT_EQ(TextOverflow(*box), 0) << box->objectName().toStdString() << " "
                                                 << box->toPlainText().left(60).toStdString();
            }
            for (const QWidget* control : chapter()->findChildren<QWidget*>()) {
                if (!control->isVisibleTo(book))
                    continue;
                EXPECT_EQ(CaptionOverflow(*control), 0)
                    << control->metaObject()->className() << " \""
                    << (qobject_cast<const QLabel*>(control)
                            ? qobject_cast<const QLabel*>(control)->text().toStdString()
                            : qobject_cast<const QAbstractButton*>(control)
                                  ? qobject_cast<const QAbstractButton*>(control)->text().toStdString()
                                  : std::string())
                    << "\"";
            }
        }
    }
    EXPECT_EQ(pages, 1 + 10 + 15 + 9 + 4 + 10 + 1);
}
