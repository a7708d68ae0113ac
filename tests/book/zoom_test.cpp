// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
// The View menu's zoom: a new level closes the book to reopen at it, where the reader was.

#include "BookFixture.h"

#include "Zoom.h"
#include "book/BookPlace.h"

#include <QMenu>
#include <QTest>
#include <string>
#include <vector>

namespace {

std::vector<char*> Argv(std::vector<std::string>& args) {
    std::vector<char*> argv;
    for (std::string& arg : args)
        argv.push_back(arg.data());
    return argv;
}

} // namespace

TEST_F(BookTest, TheViewMenuOffersTheZoomLevelsWithTheirKeys) {
    ASSERT_EQ(zoom::Current(), 100);
    std::vector<std::string> captions;
    for (QAction* item : book->mnitZoom)
        captions.push_back(item->text().toStdString());
    EXPECT_EQ(captions, (std::vector<std::string>{"&50 %", "&75 %", "&100 %", "&125 %", "&150 %",
                                                  "&175 %", "&200 %", "&225 %", "&250 %",
                                                  "&275 %", "&300 %"}));
    EXPECT_TRUE(book->mnitZoom[2]->isChecked());
    EXPECT_EQ(book->mnitZoom[2]->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_0));
    EXPECT_EQ(book->mnitZoomIn->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Plus));
    EXPECT_EQ(book->mnitZoomOut->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Minus));
    EXPECT_TRUE(book->ViewMenu->actions().contains(book->ZoomMenu->menuAction()));
    EXPECT_TRUE(book->ZoomMenu->actions().contains(book->mnitZoomFit));
}

// The offscreen screen, 800 x 600 at a ratio of 1, is smaller than the book at 100 %, which
// is also the least it draws whole.
TEST_F(BookTest, OnAScreenSmallerThanTheBookNoOtherLevelIsOffered) {
    book->ShowZoomLevels();
    for (std::size_t i = 0; i < book->mnitZoom.size(); ++i)
        EXPECT_EQ(book->mnitZoom[i]->isEnabled(), zoom::MenuLevels[i] == 100)
            << zoom::MenuLevels[i];
    EXPECT_FALSE(book->mnitZoomIn->isEnabled());
    EXPECT_FALSE(book->mnitZoomOut->isEnabled());
    EXPECT_EQ(book->mnitZoomFit->text(), "&Fit to screen (100 %)");
    QApplication::setActiveWindow(book);
    QTest::keyClick(book, Qt::Key_Plus, Qt::ControlModifier);
    QTest::keyClick(book, Qt::Key_Minus, Qt::ControlModifier);
    EXPECT_EQ(book->ZoomRequested, 0);
    EXPECT_TRUE(book->isVisible());
}

TEST_F(BookTest, FitToScreenAtTheZoomInForceIsRememberedWithoutReopening) {
    ASSERT_FALSE(book->ZoomFitsScreen);
    book->mnitZoomFit->trigger();
    EXPECT_TRUE(book->ZoomChosen);
    EXPECT_TRUE(book->ZoomFitsScreen);
    EXPECT_EQ(book->ZoomRequested, 0);
    EXPECT_TRUE(book->isVisible());
    book->mnitZoom[2]->trigger();
    EXPECT_FALSE(book->ZoomFitsScreen) << "a level chosen replaces the fit";
}

TEST_F(BookTest, ChoosingTheLevelInForceChangesNothing) {
    open(2, 3);
    book->mnitZoom[2]->trigger();
    EXPECT_EQ(book->ZoomRequested, 0);
    EXPECT_TRUE(book->isVisible());
}

TEST_F(BookTest, ANewLevelClosesTheBookAndKeepsThePlaceToReopenAt) {
    open(3, 5);
    book->mnitZoomClick(125);
    EXPECT_EQ(book->ZoomRequested, 125);
    EXPECT_FALSE(book->isVisible()) << "closed, for the program to reopen it";
    const TBookPlace place = book->Place();
    EXPECT_EQ(place.Chapter, 3);
    EXPECT_EQ(place.Page, 5);
    EXPECT_TRUE(place.SplashLeft);
}

TEST_F(BookTest, AReopenedBookResumesThePlaceAndOptions) {
    open(4, 7);
    book->WindowsColours = true;
    access->TabCheck->setChecked(true);
    book->mnitContentsClick();
    const TBookPlace place = book->Place();
    EXPECT_TRUE(place.ChapterUnderContents);

    std::vector<std::string> args{"doppler-spectroscopy", "--zoom", "100", "-style", "fusion",
                                  "--resume=1:1:"};
    std::vector<char*> argv = Argv(args);
    std::vector<std::string> again = ReopenArguments(int(argv.size()), argv.data(), 150, place);
    EXPECT_EQ(again, (std::vector<std::string>{"doppler-spectroscopy", "-style", "fusion",
                                               "--zoom=150", "--resume=4:7:kpcs"}));
    // A language chosen replaces the one asked for; a zoom alone keeps it.
    std::vector<std::string> inLanguage{"doppler-spectroscopy", "--language", "en",
                                        "--language=en", "-reverse"};
    std::vector<char*> inLanguageArgv = Argv(inLanguage);
    EXPECT_EQ(ReopenArguments(int(inLanguageArgv.size()), inLanguageArgv.data(), 150, place, "de"),
              (std::vector<std::string>{"doppler-spectroscopy", "-reverse", "--zoom=150",
                                        "--language=de", "--resume=4:7:kpcs"}));
    EXPECT_EQ(ReopenArguments(int(inLanguageArgv.size()), inLanguageArgv.data(), 150, place)[1],
              "--language");
    std::vector<char*> againArgv = Argv(again);
    const std::optional<TBookPlace> read = ResumeArgumentOf(int(againArgv.size()), againArgv.data());
    ASSERT_TRUE(read.has_value());
    EXPECT_EQ(*read, place);

    TearDown();
    SetUp();
    book->Resume(*read);
    EXPECT_EQ(book->Place(), place);
    EXPECT_EQ(caption(), "Doppler spectroscopy : Contents");
    book->GoBackButtonClick();
    EXPECT_EQ(caption(), "Doppler spectroscopy : Two planets 7/9");
    EXPECT_TRUE(access->WinCheck->isChecked());
}

TEST_F(BookTest, AResumedPageBeyondTheChapterOpensItsLastAndABadArgumentNothing) {
    book->Resume({.Chapter = 2, .Page = 99, .SplashLeft = true});
    EXPECT_EQ(caption(), "Doppler spectroscopy : The simulation 10/10");
    for (const char* bad : {"--resume=x:1:", "--resume=2:1:q", "--resume=2", "--resume=-1:1:"}) {
        std::vector<std::string> args{"book", bad};
        std::vector<char*> argv = Argv(args);
        EXPECT_FALSE(ResumeArgumentOf(int(argv.size()), argv.data()).has_value()) << bad;
    }
    book->Resume({.Chapter = 9, .Page = 1, .SplashLeft = true});
    EXPECT_EQ(caption(), "Doppler spectroscopy : The simulation 10/10") << "no such chapter";
}
