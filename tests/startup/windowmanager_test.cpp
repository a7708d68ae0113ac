// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
// The book under a real window manager: openbox on a virtual X screen of 1024 x 768 and of
// 1920 x 1080. The window manager frames each window some time after it shows, so the frame
// is waited for; then the window must lie wholly on the screen, title bar included: the
// parameter dialog also clear of the page arrows, the Start, Stop and Reset buttons and the
// menus wherever a place misses them, the spectrum window and the real systems card on the
// screen (openbox moves them after framing them, which the window follows).
//
// The test runs itself again inside xvfb-run, where the second run starts openbox and the
// book on the xcb platform.

#include "Application.h"
#include "GuardedApplication.h"
#include "Zoom.h"
#include "book/TAccessBox.h"
#include "book/TNavPanel.h"
#include "realsystems/TRealSystemsForm.h"
#include "spectrum/TSpectrumForm.h"
#include "simulation/TBaseChapter.h"
#include "simulation/TPlanetParamForm.h"
#include "thisbook/TThisBook.h"

#include "../support/ClearOfControls.h"

#include <QFile>
#include <QMenuBar>
#include <QProcess>
#include <QScreen>
#include <QStandardPaths>
#include <QTest>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <gtest/gtest.h>
#include <string>

namespace {

using clear_of_controls::TControls;

constexpr int FrameWait_ms = 20000;
constexpr int PlaceWait_ms = 5000;
// The longest a run under openbox takes: the book's frame, then each window's frame and place.
constexpr int RunWait_ms = 120000;
// Set for the run under openbox.
constexpr const char* InnerRun = "DOPPLER_UNDER_WINDOW_MANAGER";

int argCount = 1;
char programName[] = "doppler-spectroscopy";
char* args[] = {programName, nullptr};

// Whether the window manager has put its frame (a title bar at least) around the window.
bool Framed(const QWidget& window) {
    return window.isVisible() && window.frameGeometry().top() < window.geometry().top();
}

// What is wrong with where the window stands, or nothing.
std::string Fault(const QWidget& window, const TControls& controls) {
    QRect frame = window.frameGeometry();
    // At a fractional pixel ratio a frame's edges round to the pixel: one more or less.
    if (window.devicePixelRatio() != std::floor(window.devicePixelRatio()))
        frame.adjust(1, 1, -1, -1);
    return clear_of_controls::Fault(frame, window.screen()->availableGeometry(), controls);
}

// Waits for the window manager's frame. The toolkit may read a frame while the window
// manager is still building it, and keep that until the window is next configured: a small
// move asks again.
bool WaitFramed(QWidget& window) {
    for (int attempt = 0; attempt < 10; ++attempt) {
        if (QTest::qWaitFor([&] { return Framed(window); }, FrameWait_ms / 10))
            return true;
        const QPoint place = window.pos();
        window.move(place + QPoint(1, 0));
        QTest::qWait(50);
        window.move(place);
    }
    return false;
}

} // namespace

TEST(WindowManager, DialogsOpenFramedOnTheScreenClearOfTheControlsANextStepUses) {
    const QString xvfbRun = QStandardPaths::findExecutable("xvfb-run");
    const QString openbox = QStandardPaths::findExecutable("openbox");
    if (xvfbRun.isEmpty() || openbox.isEmpty())
        GTEST_SKIP() << "xvfb-run or openbox is not installed (`make deps` installs them)";
    // The parameter dialog on a small screen and on a large one.
    for (const char* size : {"1024x768", "1920x1080"}) {
        SCOPED_TRACE(size);
        QProcess inner;
        inner.setProcessChannelMode(QProcess::MergedChannels);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(InnerRun, "1");
        env.insert("QT_QPA_PLATFORM", "xcb");
        env.remove("QT_SCALE_FACTOR");
        inner.setProcessEnvironment(env);
        inner.start(xvfbRun, {"-a", "-s", QString("-screen 0 %1x24 -noreset").arg(size),
                              QFile::symLinkTarget("/proc/self/exe")});
        ASSERT_TRUE(inner.waitForStarted(FrameWait_ms));
        const bool ended = inner.waitForFinished(RunWait_ms);
        if (!ended) {
            inner.kill();
            inner.waitForFinished(FrameWait_ms);
        }
        const std::string output = inner.readAll().toStdString();
        ASSERT_TRUE(ended) << "the run under openbox did not end:\n" << output;
        EXPECT_EQ(inner.exitStatus(), QProcess::NormalExit) << output;
        EXPECT_EQ(inner.exitCode(), 0) << output;
        EXPECT_NE(output.find("[  PASSED  ] 1 test"), std::string::npos) << output;
    }
}

TEST(UnderWindowManager, DialogsOpenFramedOnTheScreenClearOfTheControlsANextStepUses) {
    // openbox runs its start-up command once it manages the screen; a window mapped before
    // that may stay unframed.
    QProcess openbox;
    openbox.setProcessChannelMode(QProcess::MergedChannels);
    openbox.start("openbox", {"--sm-disable", "--startup", "echo openbox-ready"});
    QByteArray said;
    ASSERT_TRUE(QTest::qWaitFor([&] {
        openbox.waitForReadyRead(100);
        said += openbox.readAll();
        return said.contains("openbox-ready") || openbox.state() == QProcess::NotRunning;
    }, FrameWait_ms));
    ASSERT_TRUE(said.contains("openbox-ready")) << "openbox did not start: " << said.toStdString();

    // The zoom is chosen as the book's start-up chooses it.
    const zoom::TScreenMeasure screen = zoom::ProbeScreen(argCount, args);
    zoom::Apply(zoom::StartZoom(TCustomBook::DesignFrame(), screen));
    GuardedApplication app(argCount, args);
    zoom::RestoreEnvironment();
    Application::SetTitle("Doppler spectroscopy");
    auto* book = CreateForm<TThisBook>();
    Application::SetMainForm(book);
    auto* access = CreateForm<TAccessBox>();
    book->show();
    ASSERT_TRUE(WaitFramed(*book)) << "openbox framed no window";

    book->Resume({.Chapter = 3, .Page = 13, .SplashLeft = true});
    auto* sim = dynamic_cast<TBaseChapter*>(book->CurrentChapter);
    ASSERT_NE(sim, nullptr);
    ASSERT_TRUE(sim->StartButton->isVisible()) << "a page that asks for Start";
    const TControls controls{{"back", book->NavPanel->BackButton},
                             {"forward", book->NavPanel->NextButton},
                             {"Start", sim->StartButton},
                             {"Stop", sim->StopButton},
                             {"Reset", sim->ResetButton},
                             {"the menus", book->MainMenu}};
    EXPECT_EQ(Fault(*book, {}), "") << "the book";

    sim->PlanetParamButtonClick();
    QWidget* window = sim->ParamForm;
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(WaitFramed(*window)) << "the parameter dialog was not framed";
    // The place follows the frame once the window manager has told it.
    (void)QTest::qWaitFor([&] { return Fault(*window, controls).empty(); }, PlaceWait_ms);
    QTest::qWait(100);
    EXPECT_EQ(Fault(*window, controls), "");
    window->hide();

    // The spectrum window and the card: wholly on the screen. At 1024 x 768 the spectrum
    // window is nearly as large as the screen and cannot miss Start.
    book->mnitSpectrumClick();
    book->mnitRealSystems->trigger();
    for (QWidget* shown : {static_cast<QWidget*>(book->SpectrumForm),
                           static_cast<QWidget*>(book->RealSystemsCard)}) {
        ASSERT_NE(shown, nullptr);
        SCOPED_TRACE(shown->windowTitle().toStdString());
        ASSERT_TRUE(WaitFramed(*shown)) << "not framed";
        (void)QTest::qWaitFor([&] { return Fault(*shown, {}).empty(); }, PlaceWait_ms);
        QTest::qWait(100);
        EXPECT_EQ(Fault(*shown, {}), "");
    }

    Application::SetMainForm(nullptr);
    TForm::Free(access);
    TForm::Free(book);
    openbox.terminate();
    openbox.waitForFinished(FrameWait_ms);
}

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    const bool inner = std::getenv(InnerRun) != nullptr;
    GTEST_FLAG_SET(filter, inner ? "UnderWindowManager.*" : "WindowManager.*");
    return RUN_ALL_TESTS();
}
