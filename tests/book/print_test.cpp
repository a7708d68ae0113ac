// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "BookFixture.h"

#include "PictureExport.h"
#include "Printing.h"
#include "oWorldPortPaintBox.h"
#include "chapters/TFindingPlanet.h"
#include "simulation/TBaseChapter.h"

#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QRegularExpression>
#include <QSvgRenderer>
#include <QPainter>
#include <QProcess>
#include <QStandardPaths>
#include <QPrinter>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>

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
    EXPECT_EQ(dialogs.exceptions[0], "The printout was not saved: no such file or directory.");
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

namespace {

QString Run(const QString& program, const QStringList& arguments) {
    QProcess run;
    run.start(QStandardPaths::findExecutable(program), arguments);
    run.waitForFinished(30000);
    return QString::fromUtf8(run.readAllStandardOutput());
}

// The sizes of the raster images `pdfimages -list` finds in the PDF.
std::vector<QSize> PdfImages(const QString& pdf) {
    std::vector<QSize> sizes;
    const QStringList lines = Run("pdfimages", {"-list", pdf}).split('\n');
    for (const QString& line : lines.mid(2)) {
        const QStringList fields = line.simplified().split(' ');
        if (fields.size() > 4)
            sizes.emplace_back(fields[3].toInt(), fields[4].toInt());
    }
    return sizes;
}

// The words of the printed page that lie within `widget`, the book's client area printed as
// PrintClientArea places it.
QStringList PrintedWordsWithin(const QString& pdf, QPrinter& printer, const QWidget& client,
                               const QWidget& widget) {
    const QRect paper = printer.paperRect(QPrinter::DevicePixel).toRect();
    const QRect printable = printer.pageRect(QPrinter::DevicePixel).toRect();
    const QRect place = PrintPlacement(client.size(), printable.left() - paper.left(),
                                       printable.top() - paper.top(), paper.width(), paper.height());
    const double toPoints = 72.0 / printer.resolution();
    const double scale = double(place.width()) / client.width();
    const QRectF area(QPointF(widget.mapTo(&client, QPoint())) * scale + QPointF(place.topLeft()),
                      QSizeF(widget.size()) * scale);
    const QRectF inPoints(area.topLeft() * toPoints, area.size() * toPoints);
    static const QRegularExpression word(
        "<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\" xMax=\"([0-9.]+)\" yMax=\"([0-9.]+)\">([^<]*)</word>");
    QStringList words;
    for (const auto& m : word.globalMatch(Run("pdftotext", {"-bbox", pdf, "-"}))) {
        const QPointF centre((m.captured(1).toDouble() + m.captured(3).toDouble()) / 2,
                             (m.captured(2).toDouble() + m.captured(4).toDouble()) / 2);
        if (inPoints.contains(centre))
            words << m.captured(5);
    }
    return words;
}

} // namespace

TEST_F(BookTest, APrintedPageShowsItsTabsAsTheScreenDoes) {
    open(6, 3);
    auto* page = dynamic_cast<TFindingPlanet*>(chapter());
    ASSERT_NE(page, nullptr);
    QTemporaryDir dir;
    const QString pdf = dir.filePath("tabs.pdf");
    dialogs.answerPrint = printTo(pdf);
    book->mnitPrint->trigger();
    ASSERT_TRUE(dialogs.exceptions.empty());
    constexpr int Dpi = 100;
    QProcess::execute(QStandardPaths::findExecutable("pdftoppm"),
                      {"-r", QString::number(Dpi), "-png", "-singlefile", pdf, pdf + "-page"});
    const QImage printed(pdf + "-page.png");
    ASSERT_FALSE(printed.isNull());
    const QImage shown = book->Client->grab().toImage();
    QPrinter& printer = book->Printer();
    const QRect paper = printer.paperRect(QPrinter::DevicePixel).toRect();
    const QRect printable = printer.pageRect(QPrinter::DevicePixel).toRect();
    const QRect place = PrintPlacement(book->Client->size(), printable.left() - paper.left(),
                                       printable.top() - paper.top(), paper.width(), paper.height());
    const double toImage = double(Dpi) / printer.resolution();
    const double scale = double(place.width()) / book->Client->width() * toImage;
    // The painter starts at the printable area's corner, the placement from there.
    const QPointF origin = QPointF(printable.topLeft() - paper.topLeft() + place.topLeft()) * toImage;
    const auto mean = [](const QImage& image, const QRect& area) {
        int sum = 0;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                sum += qGray(image.pixel(x, y));
        return double(sum) / (area.width() * area.height());
    };
    // The selected tab's style paints on past the tab bar, which the screen's clip hides: its
    // page below the tab, where the plot's margin starts, prints as it shows.
    const QTabBar* bar = page->Views->tabBar();
    const QRect tab = bar->tabRect(bar->currentIndex());
    const QRect below(bar->mapTo(book->Client, QPoint(tab.left() + 4, bar->height() + 4)),
                      QSize(tab.width() - 8, 14));
    const QRect printedBelow(
        (QPointF(below.topLeft()) * scale + origin).toPoint(),
        (QSizeF(below.size()) * scale).toSize());
    EXPECT_NEAR(mean(printed, printedBelow), mean(shown, below), 6);
}

TEST_F(BookTest, TheOrbitViewAndTheGraphPrintAsLinesAndTextNotAsPictures) {
    open(2, 3);
    auto* sim = dynamic_cast<TBaseChapter*>(chapter());
    ASSERT_NE(sim, nullptr);
    sim->ShowVelocity->setChecked(true);
    sim->Timer1->start();
    for (int tick = 0; tick < 80; ++tick)
        sim->Timer1Timer();
    QTemporaryDir dir;
    for (const bool onWhite : {false, true}) {
        SCOPED_TRACE(onWhite ? "on white" : "as shown");
        const QString pdf = dir.filePath(onWhite ? "white.pdf" : "dark.pdf");
        dialogs.answerOnWhite = onWhite;
        dialogs.answerPrint = printTo(pdf);
        book->mnitPrint->trigger();
        ASSERT_TRUE(dialogs.exceptions.empty());
        // The page's buttons are small pictures; neither the view nor the graph is one.
        for (const QSize& image : PdfImages(pdf))
            EXPECT_TRUE(image.width() < sim->wpGraph->width() / 2 ||
                        image.height() < sim->wpGraph->height() / 2)
                << image.width() << " x " << image.height();
        const QStringList graphWords = PrintedWordsWithin(pdf, book->Printer(), *book->Client,
                                                          *sim->wpGraph);
        const TVelocityTicks& ticks = sim->GraphTrace.Axes().Ticks;
        ASSERT_GT(ticks.Count, 0);
        for (int i = -ticks.Count; i <= ticks.Count; ++i)
            if (i != 0)
                EXPECT_TRUE(graphWords.contains(QString::fromStdString(ticks.Label(i))))
                    << ticks.Label(i) << " in " << graphWords.join(' ').toStdString();
        for (const char* number : {"1", "5", "9"})
            EXPECT_TRUE(graphWords.contains(number)) << "the time axis's " << number;
        const QStringList viewWords =
            PrintedWordsWithin(pdf, book->Printer(), *book->Client, *sim->wp);
        for (const char* axis : {"x", "y", "z"})
            EXPECT_TRUE(viewWords.contains(axis)) << axis << " in " << viewWords.join(' ').toStdString();
    }
    sim->Timer1->stop();
}

TEST_F(BookTest, TheOrbitViewAndTheGraphSaveAsSvgDrawings) {
    open(2, 3);
    auto* sim = dynamic_cast<TBaseChapter*>(chapter());
    ASSERT_NE(sim, nullptr);
    for (int tick = 0; tick < 40; ++tick)
        sim->Timer1Timer();
    QTemporaryDir dir;
    const struct {
        const char* name;
        TPictureDrawing draw;
        QSize size;
    } pictures[] = {
        {"view.svg", [sim](QPainter& p) { sim->DrawViewPicture(p, false); }, sim->wp->size()},
        {"graph.svg", [sim](QPainter& p) { sim->DrawGraphPicture(p); }, sim->wpGraph->size()},
    };
    for (const auto& picture : pictures) {
        SCOPED_TRACE(picture.name);
        const QString path = dir.filePath(picture.name);
        ASSERT_EQ(SavePicture(path, picture.size, 1.0, picture.draw), QString());
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QString svg = QString::fromUtf8(file.readAll());
        EXPECT_FALSE(svg.contains("<image")) << "no picture of pixels inside";
        EXPECT_GE(svg.count("<polyline") + svg.count("<path"), 3) << "lines as lines";
        EXPECT_GE(svg.count("<text"), 3) << "letters and numbers as text";
        EXPECT_TRUE(QSvgRenderer(path).isValid());
    }
}
