// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
// The teacher's guide holds every question of every chapter with its accepted answer, and the
// hidden and mystery stars; pdftotext reads the PDF back.
#include "BookFixture.h"
#include "FileSizeLimit.h"

#include "book/ChapterTable.h"
#include "thisbook/TeacherGuide.h"
#include "model/HiddenSystems.h"
#include "model/MysteryStars.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextDocument>

namespace {

// Whitespace squeezed and hyphens dropped: pdftotext joins a word hyphenated at a line's end.
// The page numbers at the foot of each page go too, so a sentence broken by a page reads whole.
QString Squeezed(QString text) {
    return text.replace(QRegularExpression(R"(\n\d+\n*\f)"), " ").remove('-').simplified();
}

// The question a page asks: its text's last paragraph.
QString QuestionOf(const TThisChapter& chapter) {
    const QStringList paragraphs =
        chapter.TextBox->toPlainText().split('\n', Qt::SkipEmptyParts);
    return paragraphs.isEmpty() ? QString() : paragraphs.last().simplified();
}

} // namespace

class TeacherGuideTest : public BookTest {};

TEST_F(TeacherGuideTest, ThePdfHoldsEveryQuestionWithItsAnswer) {
    // The questions as a student meets them, page by page.
    QStringList questions;
    for (int number = 1; number <= ChapterTableSize(); ++number) {
        open(number);
        auto* chapter = dynamic_cast<TThisChapter*>(book->CurrentChapter);
        ASSERT_NE(chapter, nullptr);
        for (int page = 1; page <= chapter->PageCount; ++page) {
            chapter->Page = page;
            chapter->RefreshPage();
            if (!chapter->AcceptedAnswer().empty())
                questions << QuestionOf(*chapter);
        }
    }
    ASSERT_GE(questions.size(), 12) << "chapters 2 to 4 ask four questions, chapter 6 eight";

    QTemporaryDir dir;
    const QString pdf = dir.filePath("guide.pdf");
    ASSERT_EQ(WriteTeacherGuide(*book, pdf), QString());
    QProcess pdftotext;
    pdftotext.start("pdftotext", {"-enc", "UTF-8", pdf, "-"});
    ASSERT_TRUE(pdftotext.waitForFinished(60000));
    const QString text = Squeezed(QString::fromUtf8(pdftotext.readAllStandardOutput()));
    for (const QString& question : questions)
        EXPECT_TRUE(text.contains(Squeezed(question))) << question.toStdString();
    EXPECT_EQ(text.count("Accepted answer:"), questions.size());
    EXPECT_EQ(text.count("After two wrong answers:"), questions.size());
    EXPECT_EQ(text.count("Conclusion:"), questions.size());
    EXPECT_FALSE(text.contains("Accepted answer: After two")) << "an answer is missing";
    EXPECT_TRUE(text.contains("Aims:"));
    EXPECT_TRUE(text.contains("Misconceptions:"));
    for (const auto& star : observing::HiddenSystems())
        EXPECT_TRUE(text.contains(star.name)) << star.name;
    for (const auto& star : observing::MysteryStars())
        EXPECT_TRUE(text.contains(star.name)) << star.name;
    EXPECT_GE(text.count("Best supported fit:"),
              int(observing::HiddenSystems().size() + observing::MysteryStars().size()));
}

TEST_F(TeacherGuideTest, AFileThatCannotBeWrittenIsReportedAndAnEarlierOneKept) {
    EXPECT_EQ(WriteTeacherGuide(*book, "/nonexistent-folder/guide.pdf"),
              "The teacher's guide cannot be written to /nonexistent-folder/guide.pdf: no such "
              "file or directory.");
    QTemporaryDir dir;
    const QString pdf = dir.filePath("guide.pdf");
    QFile file(pdf);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("%PDF-1.4 an earlier guide");
    file.close();
    {
        const FileSizeLimit disk(4096);
        EXPECT_EQ(WriteTeacherGuide(*book, pdf),
                  "The teacher's guide cannot be written to " + pdf + ": file too large.");
    }
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), "%PDF-1.4 an earlier guide");
}
