// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
// The book on a small HiDPI screen, 1024 x 768 device pixels at a scale factor of 2 set by
// the user: start-up measures the screen, chooses its zoom and opens the window and its
// dialogs wholly on it.

#include "Application.h"
#include "GuardedApplication.h"
#include "Zoom.h"
#include "book/TAccessBox.h"
#include "realsystems/TRealSystemsForm.h"
#include "observing/TObservingRunForm.h"
#include "thisbook/TThisBook.h"
#include "simulation/TBaseChapter.h"
#include "simulation/TPlanetParamForm.h"
#include "spectrum/TSpectrumForm.h"

#include <QFile>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

int argCount = 1;
char programName[] = "doppler-spectroscopy";
char* args[] = {programName, nullptr};

// The frame in device pixels lies on the screen's 1024 x 768.
void ExpectOnScreen(const QWidget& window, const char* what) {
    SCOPED_TRACE(what);
    const QRect free = window.screen()->availableGeometry();
    EXPECT_TRUE(free.contains(window.frameGeometry()))
        << "frame at " << window.frameGeometry().x() << ", " << window.frameGeometry().y()
        << " of " << window.frameGeometry().width() << " x " << window.frameGeometry().height();
    const qreal ratio = window.devicePixelRatio();
    EXPECT_LE(window.frameGeometry().right() * ratio, 1024);
    EXPECT_LE(window.frameGeometry().bottom() * ratio, 768);
}

} // namespace

TEST(ScreenFit, TheBookChoosesAZoomAtWhichItAndItsDialogsFitTheScreen) {
    const zoom::TScreenMeasure measured = zoom::ProbeScreen(argCount, args);
    ASSERT_EQ(measured.Available, QSize(512, 384)) << "1024 x 768 at scale factor 2";
    EXPECT_EQ(measured.Ratio, 2.0);
    const int percent = zoom::StartZoom(TCustomBook::DesignFrame(), measured);
    EXPECT_EQ(percent, 62) << "384 / 610 of the design";
    zoom::Apply(percent);

    GuardedApplication app(argCount, args);
    zoom::RestoreEnvironment();
    EXPECT_EQ(qgetenv("QT_SCALE_FACTOR"), "2") << "the user's own, for programs the book starts";
    Application::SetTitle("Doppler spectroscopy");
    auto* book = CreateForm<TThisBook>();
    Application::SetMainForm(book);
    auto* access = CreateForm<TAccessBox>();
    book->show();
    QApplication::processEvents();
    EXPECT_NEAR(book->devicePixelRatio(), 1.24, 1e-4);
    ExpectOnScreen(*book, "the book");
    EXPECT_TRUE(book->mnitZoom[0]->isEnabled()) << "50 % fits and draws at a ratio of 1";
    EXPECT_FALSE(book->mnitZoom[2]->isEnabled()) << "100 % would not fit";
    book->ShowZoomLevels();
    EXPECT_EQ(book->mnitZoomFit->text(), "&Fit to screen (62 %)");
    EXPECT_FALSE(book->mnitZoomIn->isEnabled());

    book->Resume({.Chapter = 3, .Page = 13, .SplashLeft = true});
    auto* sim = dynamic_cast<TBaseChapter*>(book->CurrentChapter);
    ASSERT_NE(sim, nullptr);
    sim->PlanetParamButtonClick();
    book->mnitSpectrumClick();
    book->mnitRealSystems->trigger();
    QApplication::processEvents();
    ExpectOnScreen(*sim->ParamForm, "the parameter dialog");
    ExpectOnScreen(*book->SpectrumForm, "the spectrum window");
    ExpectOnScreen(*book->RealSystemsCard, "the real systems card");

    // The observing run is wider than the screen at this zoom: it scrolls its controls in a
    // window the screen holds and can be made no larger than it was laid out.
    book->mnitObservingRunClick();
    QApplication::processEvents();
    TObservingRunForm& run = *book->ObservingRunForm;
    ExpectOnScreen(run, "the observing run");
    EXPECT_LT(run.minimumWidth(), run.maximumWidth()) << "resizable";
    auto* scroll = run.findChild<QScrollArea*>();
    ASSERT_NE(scroll, nullptr);
    scroll->ensureWidgetVisible(run.ComputeButton);
    const QRect button(run.ComputeButton->mapTo(&run, QPoint()), run.ComputeButton->size());
    EXPECT_TRUE(run.rect().contains(button)) << "the right-hand controls are reached";
    EXPECT_EQ(run.MenuBar->parentWidget(), &run) << "the menu stays above the scrolled part";

    Application::SetMainForm(nullptr);
    TForm::Free(access);
    TForm::Free(book);
}

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    QTemporaryDir dir;
    QFile screen(dir.filePath("screen.json"));
    if (!screen.open(QIODevice::WriteOnly))
        return 1;
    screen.write(R"({ "screens": [ { "name": "small", "x": 0, "y": 0, "width": 1024,)"
                 R"( "height": 768, "dpi": 96 } ] })");
    screen.close();
    qputenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + screen.fileName()).toLocal8Bit());
    qputenv("QT_SCALE_FACTOR", "2");
    return RUN_ALL_TESTS();
}
