// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
// The book on a small screen: start-up measures the screen, chooses its zoom and opens the
// window and every Tools window and dialog wholly on it, each either laid out to fit or
// scrolling its controls, every one of which can be brought into view. The screen is a
// HiDPI one of 1024 x 768 device pixels at a scale factor of 2 set by the user, unless
// DOPPLER_TEST_SCREEN names another ("800x600", "1024x768", "1024x768@2"), in the language
// DOPPLER_TEST_LANGUAGE names, English otherwise.

#include "Application.h"
#include "BookLanguage.h"
#include "BookText.h"
#include "GuardedApplication.h"
#include "Zoom.h"
#include "book/TAboutBox.h"
#include "book/TAccessBox.h"
#include "observing/TObservingRunForm.h"
#include "realsystems/TRealSystemsForm.h"
#include "simulation/TBaseChapter.h"
#include "simulation/TPlanetParamForm.h"
#include "spectrum/TSpectrumForm.h"
#include "thisbook/TKeysBox.h"
#include "thisbook/TThisBook.h"

#include <QFile>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>
#include <cstdlib>
#include <gtest/gtest.h>
#include <memory>
#include <string_view>
#include <utility>

namespace {

int argCount = 1;
char programName[] = "doppler-spectroscopy";
char* args[] = {programName, nullptr};

struct TScreen {
    const char* name;
    QSize pixels;
    // The scale factor the user set, 0 for none.
    double userFactor;
    int zoom;
};
// "Fit to screen": 384 / 610 of the design on the HiDPI screen, 768 / 610 on the plain one;
// at 800 x 600 it would be 98 %, and the screen draws no less than 100 %.
const TScreen Screens[] = {
    {"1024x768@2", {1024, 768}, 2.0, 62},
    {"1024x768", {1024, 768}, 0.0, 125},
    {"800x600", {800, 600}, 0.0, 100},
};

const TScreen& ScreenOfThisRun() {
    const char* name = std::getenv("DOPPLER_TEST_SCREEN");
    for (const TScreen& screen : Screens)
        if (!name || std::string_view(name) == screen.name)
            return screen;
    std::fprintf(stderr, "DOPPLER_TEST_SCREEN=%s is none of the screens tested\n", name);
    std::exit(2);
}

// The frame in device pixels lies on the screen.
void ExpectOnScreen(const QWidget& window, const char* what) {
    SCOPED_TRACE(what);
    const QRect free = window.screen()->availableGeometry();
    EXPECT_TRUE(free.contains(window.frameGeometry()))
        << "frame at " << window.frameGeometry().x() << ", " << window.frameGeometry().y() << " of "
        << window.frameGeometry().width() << " x " << window.frameGeometry().height();
    const qreal ratio = window.devicePixelRatio();
    const QSize pixels = ScreenOfThisRun().pixels;
    EXPECT_LE((window.frameGeometry().right() + 1) * ratio, pixels.width() + 0.5);
    EXPECT_LE((window.frameGeometry().bottom() + 1) * ratio, pixels.height() + 0.5);
}

// Every control that Tab reaches, on every tab page, lies inside the window once its scroll
// area (if it has one) has brought it into view.
void ExpectEveryControlReachable(QWidget& window, const char* what) {
    SCOPED_TRACE(what);
    auto* scroll = window.findChild<QScrollArea*>("scrollToFit");
    const QList<QTabWidget*> tabs = window.findChildren<QTabWidget*>();
    int reached = 0;
    const auto check = [&] {
        for (QWidget* control : window.findChildren<QWidget*>()) {
            if (!control->isVisible() || !(control->focusPolicy() & Qt::TabFocus) ||
                control->focusProxy() || control->window() != &window)
                continue;
            if (scroll) {
                // The whole control, where Qt would bring only a field's caret into view.
                const QPoint middle = control->mapTo(scroll->widget(), control->rect().center());
                scroll->ensureVisible(middle.x(), middle.y(), control->width() / 2 + 1,
                                      control->height() / 2 + 1);
            }
            const QRect place(control->mapTo(&window, QPoint()), control->size());
            EXPECT_TRUE(window.rect().contains(place))
                << control->metaObject()->className() << " \""
                << control->accessibleName().toStdString() << "\" at " << place.x() << ", "
                << place.y() << " of " << place.width() << " x " << place.height()
                << " in a window of " << window.width() << " x " << window.height();
            ++reached;
        }
    };
    check();
    for (QTabWidget* tab : tabs)
        for (int i = 0; i < tab->count(); ++i) {
            tab->setCurrentIndex(i);
            check();
        }
    EXPECT_GT(reached, 0);
}

} // namespace

TEST(ScreenFit, TheBookChoosesAZoomAtWhichItAndItsWindowsFitTheScreen) {
    const TScreen& screen = ScreenOfThisRun();
    SCOPED_TRACE(screen.name);
    const double factor = screen.userFactor > 0 ? screen.userFactor : 1.0;
    const zoom::TScreenMeasure measured = zoom::ProbeScreen(argCount, args);
    ASSERT_EQ(measured.Available, screen.pixels / factor);
    EXPECT_EQ(measured.Ratio, factor);
    const int percent = zoom::StartZoom(TCustomBook::DesignFrame(), measured);
    EXPECT_EQ(percent, screen.zoom);
    zoom::Apply(percent);

    GuardedApplication app(argCount, args);
    if (const char* language = std::getenv("DOPPLER_TEST_LANGUAGE")) {
        ASSERT_TRUE(BookLanguageAvailable(language)) << language;
        UseBookLanguage(language);
    }
    zoom::RestoreEnvironment();
    if (screen.userFactor > 0)
        EXPECT_EQ(qgetenv("QT_SCALE_FACTOR"), QByteArray::number(screen.userFactor))
            << "the user's own, for programs the book starts";
    Application::SetTitle("Doppler spectroscopy");
    auto* book = CreateForm<TThisBook>();
    Application::SetMainForm(book);
    auto* access = CreateForm<TAccessBox>();
    book->show();
    QApplication::processEvents();
    EXPECT_NEAR(book->devicePixelRatio(), factor * percent / 100.0, 1e-4);
    ExpectOnScreen(*book, "the book");
    book->ShowZoomLevels();
    EXPECT_EQ(book->mnitZoomFit->text(),
              BookText("Book window", "&Fit to screen (%1 %)").arg(percent));
    EXPECT_FALSE(book->mnitZoomIn->isEnabled());
    if (screen.userFactor > 0) {
        EXPECT_TRUE(book->mnitZoom[0]->isEnabled()) << "50 % fits and draws at a ratio of 1";
        EXPECT_FALSE(book->mnitZoom[2]->isEnabled()) << "100 % would not fit";
    }

    book->Resume({.Chapter = 3, .Page = 13, .SplashLeft = true});
    auto* sim = dynamic_cast<TBaseChapter*>(book->CurrentChapter);
    ASSERT_NE(sim, nullptr);
    sim->PlanetParamButtonClick();
    book->mnitSpectrumClick();
    book->mnitRealSystems->trigger();
    book->mnitKeys->trigger();
    access->show();
    std::unique_ptr<TAboutBox, void (*)(TForm*)> about(new TAboutBox(book), TForm::Free);
    about->show();
    book->mnitObservingRunClick();
    QApplication::processEvents();
    TObservingRunForm& run = *book->ObservingRunForm;
    const std::pair<QWidget*, const char*> windows[] = {
        {sim->ParamForm, "the parameter dialog"},
        {book->SpectrumForm, "the spectrum window"},
        {book->RealSystemsCard, "the real systems card"},
        {book->findChild<TKeysBox*>(), "the keys"},
        {access, "the accessibility dialog"},
        {about.get(), "the about box"},
        {&run, "the observing run"},
    };
    for (const auto& [window, what] : windows) {
        ASSERT_NE(window, nullptr) << what;
        ASSERT_TRUE(window->isVisible()) << what;
        ExpectOnScreen(*window, what);
        ExpectEveryControlReachable(*window, what);
    }

    // Wider than each of these screens at its zoom, the observing run scrolls its controls in
    // a window the screen holds and can be made no larger than it was laid out.
    EXPECT_TRUE(run.findChild<QScrollArea*>("scrollToFit")) << "it scrolls";
    EXPECT_LT(run.minimumWidth(), run.maximumWidth()) << "resizable";
    EXPECT_EQ(run.MenuBar->parentWidget(), &run) << "the menu stays above the scrolled part";

    Application::SetMainForm(nullptr);
    about.reset();
    TForm::Free(access);
    TForm::Free(book);
}

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    QTemporaryDir dir;
    QFile screen(dir.filePath("screen.json"));
    if (!screen.open(QIODevice::WriteOnly))
        return 1;
    const TScreen& size = ScreenOfThisRun();
    screen.write(QString(R"({ "screens": [ { "name": "small", "x": 0, "y": 0, "width": %1,)"
                         R"( "height": %2, "dpi": 96 } ] })")
                     .arg(size.pixels.width())
                     .arg(size.pixels.height())
                     .toUtf8());
    screen.close();
    qputenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + screen.fileName()).toLocal8Bit());
    if (size.userFactor > 0)
        qputenv("QT_SCALE_FACTOR", QByteArray::number(size.userFactor));
    else
        qunsetenv("QT_SCALE_FACTOR");
    return RUN_ALL_TESTS();
}
