#include "Printing.h"

#include <QImage>
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
