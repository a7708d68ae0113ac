// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "Printing.h"

#include "FileSizeLimit.h"

#include <QFile>
#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QTextDocument>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QWidget>
#include <gtest/gtest.h>

TEST(PrintPlacement, KeepsTheAspectAndTwiceTheOffsetFromEveryEdge) {
    // Wide picture: the width limits the scale.
    EXPECT_EQ(PrintPlacement(QSize(792, 554), 50, 40, 3300, 2550), QRect(50, 40, 3100, 2168));
    // Tall picture: the height limits it.
    EXPECT_EQ(PrintPlacement(QSize(100, 400), 10, 10, 1000, 1000), QRect(10, 10, 240, 960));
    EXPECT_EQ(PrintPlacement(QSize(0, 0), 10, 10, 1000, 1000).size(), QSize(0, 0));
    EXPECT_EQ(PrintPlacement(QSize(10, 10), 300, 300, 1000, 1000).size(), QSize(0, 0))
        << "offsets that leave no room print nothing";
}

TEST(PrintClientArea, PdfPictureStartsAtTwiceTheMargin) {
    const QString pdftoppm = QStandardPaths::findExecutable("pdftoppm");
    ASSERT_FALSE(pdftoppm.isEmpty()) << "poppler-utils is one of the project's packages";
    QTemporaryDir dir;
    const QString pdf = dir.filePath("window.pdf");
    QWidget window;
    window.resize(200, 100);
    window.setAutoFillBackground(true);
    QPalette pal = window.palette();
    pal.setColor(QPalette::Window, Qt::red);
    window.setPalette(pal);

    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageMargins(QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter);
    PrintClientArea(window, QPageLayout::Landscape, printer);

    ASSERT_EQ(
        QProcess::execute(pdftoppm, {"-r", "72", "-png", "-singlefile", pdf, dir.filePath("page")}),
        0);
    const QImage page(dir.filePath("page.png"));
    ASSERT_EQ(page.size(), QSize(842, 595)) << "A4 landscape at 72 dpi";
    QRect red;
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x) {
            const QColor c = page.pixelColor(x, y);
            if (c.red() > 200 && c.green() < 60 && c.blue() < 60)
                red |= QRect(x, y, 1, 1);
        }
    const double margin = 10 / 25.4 * 72; // 28.35 points
    EXPECT_NEAR(red.left(), 2 * margin, 1.5);
    EXPECT_NEAR(red.top(), 2 * margin, 1.5);
    EXPECT_NEAR(double(red.width()) / red.height(), 2.0, 0.02);
    EXPECT_NEAR(red.width(), 842 - 4 * margin, 2.0) << "the width limits the scale";
    EXPECT_GE(page.width() - 1 - red.right(), 2 * margin - 1.5);
}

namespace {

QString PdfText(const QString& pdf) {
    QProcess run;
    run.start(QStandardPaths::findExecutable("pdftotext"), {"-layout", pdf, "-"});
    run.waitForFinished(30000);
    return QString::fromUtf8(run.readAllStandardOutput());
}

void PrintToPdf(QPrinter& printer, const QString& pdf) {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    printer.setPageSize(QPageSize(QPageSize::A4));
}

struct TurnCase {
    const char* name;
    QColor dark;
    QColor light; // what OnWhite makes of it, within a few levels
};

const TurnCase turnCases[] = {
    {"black_ground_white", QColor(0, 0, 0), QColor(255, 255, 255)},
    {"white_line_black", QColor(255, 255, 255), QColor(0, 0, 0)},
    {"grey_stays_mid_grey", QColor(128, 128, 128), QColor(127, 127, 127)},
    {"cyan_deepens", QColor(0, 255, 255), QColor(0, 204, 204)},
    {"yellow_deepens", QColor(255, 255, 0), QColor(204, 204, 0)},
    {"dark_blue_lightens_but_shows", QColor(0, 0, 100), QColor(0, 0, 204)},
};

} // namespace

TEST(OnWhite, TurnsADarkPictureOverKeepingItsColours) {
    for (const TurnCase& c : turnCases) {
        SCOPED_TRACE(c.name);
        QImage one(1, 1, QImage::Format_RGB32);
        one.fill(c.dark);
        const QColor got = OnWhite(one).pixelColor(0, 0);
        EXPECT_NEAR(got.red(), c.light.red(), 3);
        EXPECT_NEAR(got.green(), c.light.green(), 3);
        EXPECT_NEAR(got.blue(), c.light.blue(), 3);
    }
    QImage sharp(4, 4, QImage::Format_RGB32);
    sharp.setDevicePixelRatio(2.0);
    EXPECT_EQ(OnWhite(sharp).devicePixelRatio(), 2.0);
}

TEST(PrintClientArea, WidgetsPrintAsTextAtThePrintersResolution) {
    QTemporaryDir dir;
    QWidget window;
    window.resize(400, 200);
    QLabel label("Radial velocity 12.4 m/s", &window);
    label.setGeometry(10, 10, 300, 20);
    QFont pixels("DejaVu Sans");
    pixels.setPixelSize(13);
    QLabel pointSized("Line shift 0.027 pm", &window);
    pointSized.setGeometry(10, 30, 300, 20);
    QLabel dark(&window);
    dark.setGeometry(10, 60, 100, 100);
    QImage black(100, 100, QImage::Format_RGB32);
    black.fill(Qt::black);
    dark.setPixmap(QPixmap::fromImage(black));

    // The dark dots of the page printed with `onWhite`.
    const auto darkDots = [&](const QString& name, const std::vector<QWidget*>& onWhite) {
        const QString pdf = dir.filePath(name + ".pdf");
        QPrinter printer(QPrinter::HighResolution);
        PrintToPdf(printer, pdf);
        EXPECT_GE(printer.resolution(), 300);
        PrintClientArea(window, QPageLayout::Landscape, printer, onWhite);
        const QString text = PdfText(pdf);
        EXPECT_TRUE(text.contains("Radial velocity 12.4 m/s")) << "text, not a picture of it";
        EXPECT_TRUE(text.contains("Line shift 0.027 pm"));
        EXPECT_EQ(QProcess::execute(QStandardPaths::findExecutable("pdftoppm"),
                                    {"-r", "30", "-png", "-singlefile", pdf, dir.filePath(name)}),
                  0);
        const QImage page(dir.filePath(name + ".png"));
        int dots = 0;
        for (int y = 0; y < page.height(); ++y)
            for (int x = 0; x < page.width(); ++x)
                dots += qGray(page.pixel(x, y)) < 60 ? 1 : 0;
        return dots;
    };
    label.setFont(pixels);
    const int asShown = darkDots("shown", {});
    const int whitened = darkDots("white", {&dark});
    // The square covers some 1300 dots at 30 dpi; the text a few hundred.
    EXPECT_GT(asShown - whitened, 1000) << "the black square printed on white";
    EXPECT_GT(whitened, 20) << "the text stays";
}

TEST(PrintDocument, LongTextRunsOnOverPagesAsText) {
    QTemporaryDir dir;
    const QString pdf = dir.filePath("text.pdf");
    QTextDocument text;
    QString body;
    for (int line = 1; line <= 150; ++line)
        body += QString("Line %1 of the chapter.\n").arg(line);
    text.setPlainText(body);
    QPrinter printer(QPrinter::HighResolution);
    PrintToPdf(printer, pdf);
    PrintDocument(text, QPageLayout::Portrait, printer);
    const QString printed = PdfText(pdf);
    EXPECT_TRUE(printed.contains("Line 1 of the chapter."));
    EXPECT_TRUE(printed.contains("Line 150 of the chapter."));
    EXPECT_GE(printed.count('\f'), 2) << "more than one page";
    // No line is cut between two pages: every line is there once.
    for (int line = 1; line <= 150; ++line)
        EXPECT_EQ(printed.count(QString("Line %1 of").arg(line)), 1) << line;

    QPrinter nowhere(QPrinter::HighResolution);
    PrintToPdf(nowhere, dir.filePath("no such folder/text.pdf"));
    try {
        PrintDocument(text, QPageLayout::Portrait, nowhere);
        ADD_FAILURE() << "printed into a folder that is not there";
    } catch (const EPrintoutNotSaved& e) {
        EXPECT_STREQ(e.what(), "The printout was not saved: no such file or directory.");
    }
    // A printout that cannot be written whole leaves the earlier file as it was.
    QFile file(pdf);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray earlier = file.readAll();
    file.close();
    {
        const FileSizeLimit disk(4096);
        EXPECT_THROW(PrintDocument(text, QPageLayout::Portrait, printer), EPrintoutNotSaved);
    }
    EXPECT_EQ(printer.outputFileName(), pdf) << "the printer still prints to the chosen file";
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), earlier);
}
