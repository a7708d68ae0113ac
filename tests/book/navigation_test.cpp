#include "BookFixture.h"

#include <QTest>

TEST_F(BookTest, StartsOnTheSplashWithEnterLeadingToTheContents) {
    EXPECT_EQ(caption(), "Doppler spectroscopy");
    EXPECT_FALSE(book->SplashScreen->isHidden());
    EXPECT_TRUE(book->Buttons[0]->isHidden());
    EXPECT_TRUE(book->NavPanel->isHidden());
    EXPECT_EQ(QApplication::focusWidget(), book->SplashButton);
    QTest::keyClick(book->SplashButton, Qt::Key_Return);
    EXPECT_TRUE(book->SplashScreen->isHidden());
    EXPECT_EQ(caption(), "Doppler spectroscopy : Contents");
    for (oBitBtn* button : book->Buttons)
        EXPECT_FALSE(button->isHidden());
}

TEST_F(BookTest, ClickOnTheSplashPictureLeavesItToo) {
    QTest::mouseClick(book->SplashScreen, Qt::LeftButton, {}, QPoint(300, 300));
    EXPECT_TRUE(book->SplashScreen->isHidden());
    EXPECT_EQ(caption(), "Doppler spectroscopy : Contents");
}

TEST_F(BookTest, CaptionShowsChapterPageAndTotal) {
    open(2);
    book->PageForward();
    book->PageForward();
    EXPECT_EQ(caption(), "Doppler spectroscopy : The simulation 3/10");
    EXPECT_EQ(chapter()->Page, 3);
}

TEST_F(BookTest, ForwardFromTheLastChapterPageOpensTheSummaryWhereForwardStops) {
    open(5, -1);
    EXPECT_EQ(caption(), "Doppler spectroscopy : Free experiment 4/4");
    EXPECT_TRUE(nextShown());
    book->PageForward();
    EXPECT_EQ(book->ChapterNumber, 6);
    EXPECT_EQ(caption(), "Doppler spectroscopy : Summary 1/1");
    EXPECT_FALSE(nextShown());
    TCustomChapter* summary = chapter();
    book->PageForward();
    EXPECT_EQ(chapter(), summary) << "nothing happens past the last page";
    book->PageBack();
    EXPECT_EQ(caption(), "Doppler spectroscopy : Free experiment 4/4");
}

TEST_F(BookTest, BackAcrossChaptersEndsOnTheContentsPage) {
    open(2);
    book->PageBack();
    EXPECT_EQ(book->ChapterNumber, 1);
    EXPECT_EQ(caption(), "Doppler spectroscopy : Doppler spectroscopy 1/1");
    EXPECT_TRUE(nextShown()) << "a one-page chapter that is not the last leads on";
    book->PageBack();
    EXPECT_EQ(book->ChapterNumber, 0);
    EXPECT_EQ(chapter(), nullptr);
    EXPECT_EQ(caption(), "Doppler spectroscopy : Contents");
    EXPECT_TRUE(book->GoBackButton->isHidden());
    EXPECT_TRUE(book->NavPanel->isHidden());
    book->PageBack();
    EXPECT_EQ(book->ChapterNumber, 0) << "nothing before the contents page";
}

TEST_F(BookTest, ContentsWithoutAnOpenChapterDoesNothing) {
    book->mnitContents->trigger();
    EXPECT_FALSE(book->SplashScreen->isHidden()) << "still on the splash";
    EXPECT_EQ(caption(), "Doppler spectroscopy");
    open(1);
    book->PageBack();
    book->mnitContents->trigger();
    EXPECT_TRUE(book->GoBackButton->isHidden());
}

TEST_F(BookTest, GoBackReturnsToTheKeptChapterAndAChapterButtonRestartsIt) {
    open(2);
    book->PageForward();
    TCustomChapter* kept = chapter();
    oRichEdit* pageText = dynamic_cast<TThisChapter*>(kept)->TextBox;
    pageText->moveCursor(QTextCursor::End);
    pageText->insertPlainText("[read so far]");
    book->mnitContents->trigger();
    EXPECT_TRUE(kept->isHidden());
    EXPECT_FALSE(book->GoBackButton->isHidden());
    EXPECT_FALSE(book->ContentsPanel->isHidden());
    EXPECT_EQ(caption(), "Doppler spectroscopy : Contents");
    QTest::mouseClick(book->GoBackButton, Qt::LeftButton);
    EXPECT_EQ(chapter(), kept);
    EXPECT_EQ(chapter()->Page, 2);
    EXPECT_FALSE(kept->isHidden());
    EXPECT_FALSE(book->NavPanel->isHidden());
    EXPECT_EQ(caption(), "Doppler spectroscopy : The simulation 2/10");
    EXPECT_TRUE(pageText->toPlainText().endsWith("[read so far]"))
        << "the page is not set up again";

    book->mnitContents->trigger();
    QTest::mouseClick(book->Buttons[1], Qt::LeftButton);
    EXPECT_NE(chapter(), nullptr);
    EXPECT_EQ(chapter()->Page, 1);
    EXPECT_EQ(caption(), "Doppler spectroscopy : The simulation 1/10");
}

TEST_F(BookTest, SectionMenuChapterLeavesTheSplashFirst) {
    book->mnitChapters[2]->trigger();
    EXPECT_TRUE(book->SplashScreen->isHidden());
    EXPECT_EQ(book->ChapterNumber, 3);
    EXPECT_EQ(caption(), "Doppler spectroscopy : One planet 1/15");
    book->mnitContents->trigger();
    EXPECT_TRUE(book->SplashScreen->isHidden());
    EXPECT_FALSE(book->Buttons[4]->isHidden());
}

TEST_F(BookTest, NavigationPanelLiesAtTheBottomLeftAboveTheChapter) {
    open(1);
    EXPECT_EQ(book->NavPanel->pos(), QPoint(0, 510));
    EXPECT_EQ(book->NavPanel->width(), 105);
    const QObjectList& stack = book->Client->children();
    EXPECT_GT(stack.indexOf(book->NavPanel), stack.indexOf(chapter())) << "panel on top";
    QTest::mouseClick(book->NavPanel->NextButton, Qt::LeftButton);
    EXPECT_EQ(book->ChapterNumber, 2);
    QTest::mouseClick(book->NavPanel->BackButton, Qt::LeftButton);
    EXPECT_EQ(book->ChapterNumber, 1);
}

TEST_F(BookTest, ChapterFontsFollowTheBodyHeight) {
    open(1);
    EXPECT_EQ(chapter()->BodyFont->Height, -13);
    EXPECT_EQ(chapter()->HeadingFont->Height, -18);
    EXPECT_EQ(chapter()->SymbolFont->Height, -15);
    EXPECT_EQ(chapter()->SymbolFont->Name, "Symbol");
}

TEST(BookLookup, AChapterWithoutABookAsMainFormSaysSo) {
    DialogRecorder dialogs;
    Application::SetMainForm(nullptr);
    TCustomChapter* orphan = CreateForm<TThisChapter>(nullptr);
    EXPECT_EQ(orphan->Book(), nullptr);
    ASSERT_FALSE(dialogs.messages.empty());
    EXPECT_EQ(dialogs.messages.back(), "The main form must be of type TCustomBook");
    TForm::Free(orphan);
}

TEST_F(BookTest, TheKeyboardAloneOpensChaptersTurnsPagesAndReturns) {
    auto press = [](Qt::Key key) {
        QWidget* focus = QApplication::focusWidget();
        ASSERT_NE(focus, nullptr);
        ASSERT_TRUE(focus->isVisible()) << "the focus never stays on a hidden control";
        QTest::keyClick(focus, key);
    };
    auto focused = [] { return QApplication::focusWidget(); };
    press(Qt::Key_Return);
    EXPECT_EQ(focused(), book->Buttons[0]);
    press(Qt::Key_Tab);
    EXPECT_EQ(focused(), book->Buttons[1]);
    press(Qt::Key_Return);
    ASSERT_EQ(book->ChapterNumber, 2) << "Enter presses the focused chapter button";
    EXPECT_EQ(focused(), book->NavPanel->NextButton);
    press(Qt::Key_Space);
    press(Qt::Key_Return);
    EXPECT_EQ(chapter()->Page, 3);

    book->mnitContents->trigger();
    EXPECT_EQ(focused(), book->GoBackButton);
    press(Qt::Key_Return);
    EXPECT_EQ(chapter()->Page, 3);
    EXPECT_EQ(focused(), book->NavPanel->NextButton);

    book->PageBack();
    book->PageBack();
    book->PageBack();
    EXPECT_EQ(book->ChapterNumber, 1);
    book->NavPanel->BackButton->setFocus();
    press(Qt::Key_Space);
    EXPECT_EQ(book->ChapterNumber, 0);
    EXPECT_EQ(focused(), book->Buttons[0]);

    open(5, -1);
    press(Qt::Key_Return);
    EXPECT_EQ(book->ChapterNumber, 6);
    EXPECT_EQ(focused(), book->NavPanel->BackButton) << "forward is hidden on the last page";
}
