// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
// Where windows open: on the screen, and over the least of what the reader looks at.

#include "ScreenPlacement.h"

#include <gtest/gtest.h>

namespace {

const QRect Screen(0, 0, 1024, 768);

struct FitCase {
    const char* name;
    QRect frame;
    QPoint topLeft;
};

const FitCase fitCases[] = {
    {"inside_stays", QRect(100, 100, 300, 200), QPoint(100, 100)},
    {"past_the_right_edge_moves_left", QRect(900, 100, 300, 200), QPoint(724, 100)},
    {"above_the_top_moves_down", QRect(100, -50, 300, 200), QPoint(100, 0)},
    {"larger_than_the_screen_keeps_its_corner_on_it", QRect(-280, -188, 1584, 1144),
     QPoint(0, 0)},
};

long long Overlap(const QRect& a, const QRect& b) {
    const QRect both = a.intersected(b);
    return both.isEmpty() ? 0 : (long long)both.width() * both.height();
}

} // namespace

TEST(ScreenPlacement, AFrameIsMovedWhollyOntoTheScreen) {
    for (const FitCase& c : fitCases) {
        SCOPED_TRACE(c.name);
        const QRect fitted = FitOnScreen(c.frame, Screen);
        EXPECT_EQ(fitted.topLeft(), c.topLeft);
        EXPECT_EQ(fitted.size(), c.frame.size());
    }
}

TEST(ScreenPlacement, ADialogOpensBesideTheBookWhenThereIsRoom) {
    const QRect wide(0, 0, 1920, 1040);
    const QRect book(560, 215, 800, 610);
    const QPoint place = LeastCoveringPlace(QSize(347, 503), wide, {{book, 1}});
    EXPECT_EQ(place, QPoint(book.right() + 1 + 8, book.top())) << "right of it, tops aligned";
}

TEST(ScreenPlacement, WithoutRoomItCoversTheLeastOfWhatMatters) {
    // The book fills a 1024 x 768 screen but for a margin; its page text and view matter most.
    const QRect book(112, 79, 800, 610);
    const QRect text(book.left() + 12, book.top() + 400, 370, 140);
    const QRect view(book.left() + 240, book.top() + 50, 540, 300);
    const QRect graph(book.left() + 390, book.top() + 360, 390, 190);
    const std::vector<TKeepClear> keep{{book, 1}, {text, 4}, {view, 4}, {graph, 2}};
    const QSize dialog(347, 503);
    const QRect placed(LeastCoveringPlace(dialog, Screen, keep), dialog);
    EXPECT_TRUE(Screen.contains(placed));
    EXPECT_LT(Overlap(placed, text) * 5, Overlap(text, text)) << "the page text stays readable";
    EXPECT_LT(Overlap(placed, view) * 10, Overlap(view, view)) << "the orbit view stays in sight";
    // No place on the screen covers less.
    long long cost = 0;
    for (const TKeepClear& k : keep)
        cost += Overlap(placed, k.Area) * k.Weight;
    for (int x = 0; x + dialog.width() <= Screen.width(); x += 16)
        for (int y = 0; y + dialog.height() <= Screen.height(); y += 16) {
            long long other = 0;
            for (const TKeepClear& k : keep)
                other += Overlap(QRect(QPoint(x, y), dialog), k.Area) * k.Weight;
            ASSERT_GE(other, cost) << "at " << x << ", " << y;
        }
}

TEST(ScreenPlacement, ADialogMissesTheControlsANextStepUsesWhereAnyPlaceDoes) {
    // Every place covers the book alike; the page text on its left matters more. By weight
    // alone the dialog would stand at the top right, over the Start button.
    const QRect screen(0, 0, 1000, 400);
    const QRect text(0, 0, 500, 400);
    const QRect start(800, 50, 60, 30);
    const QSize dialog(300, 200);
    const QPoint byWeight = LeastCoveringPlace(dialog, screen, {{screen, 1}, {text, 4}});
    ASSERT_TRUE(QRect(byWeight, dialog).intersects(start)) << "the case tests nothing";
    const QRect placed(
        LeastCoveringPlace(dialog, screen, {{screen, 1}, {text, 4}, {start, 2, true}}), dialog);
    EXPECT_FALSE(placed.intersects(start));
    EXPECT_EQ(Overlap(placed, text), 0) << "and still clear of the text";
}

TEST(ScreenPlacement, WhereNoPlaceMissesEveryControlTheMenusGiveWayFirst) {
    // A dialog nearly as high as the screen meets the menu bar or the page arrows.
    const QRect screen(0, 0, 1000, 400);
    const QRect menus(0, 0, 1000, 15);
    const QRect back(0, 370, 100, 30), forward(100, 370, 900, 30);
    const QRect placed(LeastCoveringPlace(QSize(300, 360), screen,
                                          {{screen, 1}, {menus, 1, true}, {back, 2, true},
                                           {forward, 2, true}}),
                       QSize(300, 360));
    EXPECT_TRUE(screen.contains(placed));
    EXPECT_FALSE(placed.intersects(back));
    EXPECT_FALSE(placed.intersects(forward));
}
