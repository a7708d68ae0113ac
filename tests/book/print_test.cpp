// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "BookFixture.h"

#include "simulation/TBaseChapter.h"

#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QPrinter>
#include <QTemporaryDir>

namespace {

// Answers the print dialog with a PDF printer writing to `file`.
std::function<bool(QPrinter&)> printTo(const QString& file) {
    return [file](QPrinter& printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(file);
        return true;
    };
}

} // namespace

TEST_F(BookTest, FilePrintPrintsTheWindowAndReportsAPrinterThatFails) {
    open(1);
    QTemporaryDir dir;
    const QString pdf = dir.filePath("book.pdf");
    dialogs.answerPrint = printTo(pdf);
    book->mnitPrint->trigger();
    EXPECT_GT(QFileInfo(pdf).size(), 0);
    EXPECT_TRUE(dialogs.exceptions.empty());

    dialogs.answerPrint = printTo(dir.filePath("no such folder/book.pdf"));
    book->mnitPrint->trigger();
    ASSERT_EQ(dialogs.exceptions.size(), 1u) << "shown, and the book carries on";
    EXPECT_NE(dialogs.exceptions[0].find("Printing failed"), std::string::npos);
    EXPECT_EQ(caption(), "Doppler spectroscopy : Doppler spectroscopy 1/1");
}

namespace {

QString PdfText(const QString& pdf) {
    QProcess run;
    run.start(QStandardPaths::findExecutable("pdftotext"), {pdf, "-"});
    run.waitForFinished(30000);
    return QString::fromUtf8(run.readAllStandardOutput()).simplified();
}

int DarkDots(const QString& pdf) {
    const QString png = pdf + "-page";
    QProcess::execute(QStandardPaths::findExecutable("pdftoppm"),
                      {"-r", "30", "-png", "-singlefile", pdf, png});
    const QImage page(png + ".png");
    int dots = 0;
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x)
            dots += qGray(page.pixel(x, y)) < 60 ? 1 : 0;
    return dots;
}

// The first words of the page text, one line, as pdftotext gives them.
QString Opening(const TCustomChapter* chapter) {
    const auto* page = dynamic_cast<const TThisChapter*>(chapter);
    return page->TextBox->toPlainText().simplified().left(40);
}

} // namespace

TEST_F(BookTest, ThePrintedWindowHoldsThePageAsTextOptionallyOnWhite) {
    open(2, 3);
    auto* sim = dynamic_cast<TBaseChapter*>(chapter());
    ASSERT_NE(sim, nullptr);
    for (int tick = 0; tick < 60; ++tick)
        sim->Timer1Timer();
    QTemporaryDir dir;
    const QString dark = dir.filePath("dark.pdf"), white = dir.filePath("white.pdf");
    dialogs.answerPrint = printTo(dark);
    book->mnitPrint->trigger();
    EXPECT_TRUE(dialogs.offeredOnWhite);
    EXPECT_GE(book->Printer().resolution(), 300);
    const QString text = PdfText(dark);
    EXPECT_TRUE(text.contains(Opening(chapter()))) << text.toStdString();
    EXPECT_TRUE(text.contains("Rescale velocity")) << "the buttons' captions";
    EXPECT_TRUE(text.contains("Timescale (days)"));

    dialogs.answerOnWhite = true;
    dialogs.answerPrint = printTo(white);
    book->mnitPrint->trigger();
    EXPECT_TRUE(book->PrintOptions.OnWhite) << "kept for the next print";
    EXPECT_TRUE(PdfText(white).contains(Opening(chapter())));
    // The orbit view, some 540 x 300 pixels of black, prints white.
    EXPECT_GT(DarkDots(dark) - DarkDots(white), 5000);
}

TEST_F(BookTest, PrintChapterTextPrintsEveryPageUnderItsHeadingAndLeavesTheChapterAsItWas) {
    open(3, 5);
    auto* sim = dynamic_cast<TBaseChapter*>(chapter());
    for (int tick = 0; tick < 30; ++tick)
        sim->Timer1Timer();
    const double time = sim->Time;
    const std::string before = caption();
    const bool nextBefore = nextShown();
    const QString opening = Opening(chapter());

    QTemporaryDir dir;
    const QString pdf = dir.filePath("text.pdf");
    dialogs.answerPrint = printTo(pdf);
    book->mnitPrintText->trigger();
    EXPECT_FALSE(dialogs.offeredOnWhite) << "text has no dark pictures";
    const QString text = PdfText(pdf);
    EXPECT_TRUE(text.startsWith("Doppler spectroscopy : One planet Page 1/15")) << text.left(80).toStdString();
    for (int page = 1; page <= 15; ++page)
        EXPECT_EQ(text.count(QString("Page %1/15").arg(page)), 1) << page;
    EXPECT_TRUE(text.contains(opening)) << "page 5's own text";
    EXPECT_TRUE(text.contains("the azimuth of an orbit")) << "page 12's";

    EXPECT_EQ(chapter(), sim);
    EXPECT_EQ(sim->Page, 5);
    EXPECT_EQ(sim->Time, time) << "the reader's simulation runs on untouched";
    EXPECT_EQ(Opening(chapter()), opening);
    EXPECT_EQ(caption(), before);
    EXPECT_EQ(nextShown(), nextBefore);
    int chapters = 0;
    for (QObject* child : book->Client->children())
        chapters += dynamic_cast<TCustomChapter*>(child) ? 1 : 0;
    EXPECT_EQ(chapters, 1) << "the copy is gone";
}

TEST_F(BookTest, PrintChapterTextNeedsAChapter) {
    open(0);
    book->mnitPrintText->trigger();
    EXPECT_EQ(dialogs.printDialogs, 0);
}
