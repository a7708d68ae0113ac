// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
// A plot saved as a picture: an SVG drawing of lines with its labels as text, a PNG at the
// screen's pixels, and a save that cannot be made.
#include "FileSizeLimit.h"
#include "PictureExport.h"
#include "observing/TDataPlot.h"

#include <QAccessible>
#include <QFile>
#include <QImage>
#include <QMenu>
#include <QPainter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

observing::TMeasurementSet Sample() {
    observing::TMeasurementSet set;
    for (int i = 0; i < 30; ++i)
        set.data.push_back({i * 3.1, 40.0 * std::sin(i * 0.7), 2.0, 0});
    return set;
}

QByteArray Contents(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    return file.readAll();
}

} // namespace

// The keyboard's way to a plot's context menu: a window's menu lists the plots it shows.
TEST(PlotPictures, AWindowsSavePictureMenuListsItsShownPlotsInReadingOrder) {
    QWidget window, elsewhere;
    auto* lower = new TDataPlot(&window);
    lower->setGeometry(0, 200, 300, 150);
    lower->setAccessibleName("Residuals");
    auto* upper = new TDataPlot(&window);
    upper->setGeometry(0, 0, 300, 150);
    upper->setAccessibleName("Measurements");
    auto* hidden = new TDataPlot(&window);
    hidden->hide();
    TDataPlot other(&elsewhere);
    window.show();
    elsewhere.show();
    QMenu file;
    QMenu* pictures = AddSavePictureMenu(file, window);
    const auto listed = [pictures] {
        emit pictures->aboutToShow();
        QStringList texts;
        for (const QAction* action : pictures->actions())
            texts << action->text() + (action->isEnabled() ? "" : " (disabled)");
        return texts;
    };
    EXPECT_EQ(listed(), QStringList({"Measurements...", "Residuals..."}));
    // What a plot shows is read with its description, and follows it.
    upper->SetMeasurements(Sample());
    const QString told = QAccessible::queryAccessibleInterface(upper)->text(QAccessible::Description);
    EXPECT_TRUE(told.startsWith("30 measurements over 89.9 days; the highest,")) << told.toStdString();
    delete upper;
    delete lower;
    EXPECT_EQ(listed(), QStringList({"No picture shown (disabled)"}));
}

TEST(PlotPictures, AnSvgKeepsTheLinesAsDrawingAndTheLabelsAsText) {
    QTemporaryDir dir;
    TDataPlot plot;
    plot.resize(400, 200);
    plot.SetMeasurements(Sample());
    const QString path = dir.filePath("data.svg");
    ASSERT_EQ(plot.SavePictureFile(path), QString());
    const QByteArray svg = Contents(path);
    EXPECT_TRUE(svg.contains("<svg"));
    EXPECT_FALSE(svg.contains("<image")) << "no picture of pixels inside";
    EXPECT_TRUE(svg.contains("<text")) << "tick labels stay text";
    EXPECT_TRUE(svg.contains("<polyline") || svg.contains("<path"));
    EXPECT_TRUE(svg.contains("viewBox=\"0 0 400 200\""));
}

TEST(PlotPictures, APngHasTheWidgetsPixelsAndShowsTheData) {
    QTemporaryDir dir;
    TDataPlot plot;
    plot.resize(300, 150);
    const QString empty = dir.filePath("empty.png"), full = dir.filePath("full.png");
    ASSERT_EQ(plot.SavePictureFile(empty), QString());
    plot.SetMeasurements(Sample());
    ASSERT_EQ(plot.SavePictureFile(full), QString());
    const QImage a(empty), b(full);
    ASSERT_EQ(b.size(), QSize(300, 150) * plot.devicePixelRatioF());
    EXPECT_NE(a, b) << "the measurements are in the picture";
}

TEST(PlotPictures, ASaveThatCannotBeMadeSaysWhyAndKeepsTheOldPicture) {
    QTemporaryDir dir;
    for (const char* name : {"no such folder/p.png", "no such folder/p.svg"}) {
        const QString reason =
            SavePicture(dir.filePath(name), QSize(10, 10), 1.0, [](QPainter&) {});
        EXPECT_EQ(reason, "The picture was not saved: no such file or directory.");
    }
    for (const char* name : {"p.png", "p.svg"}) {
        const QString path = dir.filePath(name);
        ASSERT_EQ(SavePicture(path, QSize(10, 10), 1.0, [](QPainter&) {}), QString());
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray old = file.readAll();
        file.close();
        const FileSizeLimit disk(64);
        EXPECT_EQ(SavePicture(path, QSize(10, 10), 1.0, [](QPainter& p) { p.drawLine(0, 0, 9, 9); }),
                  "The picture was not saved: file too large.");
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(file.readAll(), old) << name;
    }
}
