// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
// The book's modeless windows: where they open, and how they close.

#include "BookFixture.h"
#include "ClearOfControls.h"

#include "realsystems/TRealSystemsForm.h"
#include "simulation/TBaseChapter.h"
#include "simulation/TPlanetParamForm.h"
#include "book/TNavPanel.h"
#include "spectrum/TSpectrumForm.h"

#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <functional>

class DialogsTest : public BookTest {
protected:
    void SetUp() override {
        BookTest::SetUp();
        open(3, 13);
    }
    TBaseChapter& sim() const { return *dynamic_cast<TBaseChapter*>(chapter()); }

    struct Window {
        const char* name;
        std::function<void()> open;
        std::function<TForm*()> form;
        std::function<QAbstractButton*()> close;
    };
    std::vector<Window> windows() {
        return {
            {"parameters", [this] { sim().PlanetParamButtonClick(); },
             [this] { return sim().ParamForm; }, [this] { return sim().ParamForm->CloseButton; }},
            {"spectrum", [this] { book->mnitSpectrum->trigger(); },
             [this] { return book->SpectrumForm; }, [this] { return book->SpectrumForm->CloseButton; }},
            {"real systems", [this] { book->mnitRealSystems->trigger(); },
             [this] { return book->RealSystemsCard; },
             [this] { return book->RealSystemsCard->CloseButton; }},
        };
    }
};

TEST_F(DialogsTest, EachClosesWithEscapeAndWithItsCloseButton) {
    for (const Window& w : windows()) {
        SCOPED_TRACE(w.name);
        w.open();
        QApplication::processEvents();
        ASSERT_TRUE(w.form()->isVisible());
        QTest::keyClick(w.form(), Qt::Key_Escape);
        EXPECT_FALSE(w.form()->isVisible()) << "Escape";
        w.open();
        ASSERT_TRUE(w.form()->isVisible());
        EXPECT_TRUE(w.close()->isVisible());
        QTest::mouseClick(w.close(), Qt::LeftButton);
        EXPECT_FALSE(w.form()->isVisible()) << "Close";
    }
}

TEST_F(DialogsTest, EachOpensOnTheScreenCoveringLessOfThePageThanItsDesignPlace) {
    const QRect screen = book->screen()->availableGeometry();
    const std::vector<TKeepClear> page = book->KeepClearAreas();
    ASSERT_EQ(page.size(), 10u) << "the book, the menus, the page arrows, the text, the view, "
                                   "the graph, and Start, Stop and Reset";
    for (const Window& w : windows()) {
        SCOPED_TRACE(w.name);
        w.open();
        QApplication::processEvents();
        const QRect frame = w.form()->frameGeometry();
        EXPECT_TRUE(screen.contains(frame));
        // Where the form's definition, or centring on the screen, would have put it.
        QRect design(QPoint(294, 94), frame.size());
        if (w.form() != sim().ParamForm)
            design.moveCenter(screen.center());
        EXPECT_LE(Covered(frame, page), Covered(FitOnScreen(design, screen), page));
        w.close()->click();
    }
}

TEST_F(DialogsTest, NoneCoversTheControlsANextStepUsesWhereItCanMissThem) {
    // At 1024 x 768 and 1920 x 1080 at the zoom that fits the screen, where ctest runs this
    // suite again.
    if (qEnvironmentVariableIsEmpty("QT_SCALE_FACTOR"))
        GTEST_SKIP() << "runs on the screens of the suite's zoomed runs";
    const clear_of_controls::TControls controls{{"back", book->NavPanel->BackButton},
                                                {"forward", book->NavPanel->NextButton},
                                                {"Start", sim().StartButton},
                                                {"Stop", sim().StopButton},
                                                {"Reset", sim().ResetButton},
                                                {"the menus", book->MainMenu}};
    ASSERT_TRUE(sim().StartButton->isVisible());
    for (const Window& w : windows()) {
        SCOPED_TRACE(w.name);
        w.open();
        QApplication::processEvents();
        EXPECT_EQ(clear_of_controls::Fault(w.form()->frameGeometry(),
                                           book->screen()->availableGeometry(), controls),
                  "");
        w.close()->click();
    }
}

TEST_F(DialogsTest, TheRealSystemsCardIsATool) {
    const QList<QAction*> tools = book->ToolsMenu->actions();
    const qsizetype spectrum = tools.indexOf(book->mnitSpectrum);
    ASSERT_GE(spectrum, 0);
    EXPECT_EQ(tools.indexOf(book->mnitRealSystems), spectrum + 1);
    EXPECT_FALSE(book->HelpMenu->actions().contains(book->mnitRealSystems));
}
