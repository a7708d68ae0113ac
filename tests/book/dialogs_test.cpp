// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
// The book's modeless windows: where they open, and how they close.

#include "BookFixture.h"

#include "realsystems/TRealSystemsForm.h"
#include "simulation/TBaseChapter.h"
#include "simulation/TPlanetParamForm.h"
#include "spectrum/TSpectrumForm.h"

#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <functional>

namespace {

long long Covered(const QRect& frame, const std::vector<TKeepClear>& keep) {
    long long cost = 0;
    for (const TKeepClear& k : keep) {
        const QRect both = frame.intersected(k.Area);
        cost += both.isEmpty() ? 0 : (long long)both.width() * both.height() * k.Weight;
    }
    return cost;
}

} // namespace

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
    ASSERT_EQ(page.size(), 4u) << "the book, the text, the view and the graph";
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

TEST_F(DialogsTest, TheRealSystemsCardIsATool) {
    const QList<QAction*> tools = book->ToolsMenu->actions();
    const qsizetype spectrum = tools.indexOf(book->mnitSpectrum);
    ASSERT_GE(spectrum, 0);
    EXPECT_EQ(tools.indexOf(book->mnitRealSystems), spectrum + 1);
    EXPECT_FALSE(book->HelpMenu->actions().contains(book->mnitRealSystems));
}
