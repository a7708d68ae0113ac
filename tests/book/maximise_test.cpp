// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
// Maximising the book on a screen that holds it at more than 100 %: the window closes to
// reopen maximised at the zoom that fills the screen, where the reader was; maximised by the
// program itself, or at the zoom that already fills the screen, it stays and centres its page.

#include "BookFixture.h"

#include "Zoom.h"
#include "book/BookPlace.h"
#include "thisbook/Reopening.h"

#include <QMenuBar>
#include <QTest>
#include <algorithm>
#include <string>
#include <vector>

TEST_F(BookTest, MaximisingReopensMaximisedAtTheZoomThatFillsTheScreen) {
    ASSERT_EQ(zoom::Current(), 100);
    ASSERT_GT(book->FitZoom(), 200) << "the screen holds the book at more than twice its size";
    open(4, 5);
    book->setWindowState(book->windowState() | Qt::WindowMaximized);
    QApplication::processEvents();
    EXPECT_TRUE(book->MaximiseRequested);
    EXPECT_EQ(book->ZoomRequested, book->FitZoom());
    EXPECT_FALSE(book->ZoomChosen) << "a maximised window is not a zoom to remember";
    EXPECT_FALSE(book->isVisible()) << "closed, for the program to reopen it";
    const TBookPlace place = book->Place();
    EXPECT_EQ(place, (TBookPlace{.Chapter = 4, .Page = 5, .SplashLeft = true, .Maximised = true}));

    std::vector<std::string> args{"doppler-spectroscopy", ResumeArgument(place)};
    std::vector<char*> argv;
    for (std::string& arg : args)
        argv.push_back(arg.data());
    TearDown();
    SetUp();
    book->hide();
    OpenBook(*book, int(argv.size()), argv.data(), {});
    QApplication::processEvents();
    EXPECT_TRUE(book->isMaximized());
    EXPECT_TRUE(book->isVisible()) << "maximised by the program, so not reopened again";
    EXPECT_FALSE(book->MaximiseRequested);
    EXPECT_EQ(caption(), "Doppler spectroscopy : Two planets 5/9");
}

TEST_F(BookTest, AWindowLargerThanThePageCentresIt) {
    const QSize least = book->size();
    book->resize(least + QSize(300, 200));
    QApplication::processEvents();
    const QRect page(book->Client->mapTo(book, QPoint(0, 0)), book->Client->size());
    EXPECT_EQ(page.size(), QSize(792, 554));
    EXPECT_NEAR(page.center().x(), book->rect().center().x(), 1);
    const int above = page.top() - book->MainMenu->geometry().bottom() - 1;
    EXPECT_NEAR(above, book->height() - page.bottom() - 1, 1);
    EXPECT_GT(above, 90);
    EXPECT_EQ(book->minimumSize(), least) << "never smaller than the page";
}
