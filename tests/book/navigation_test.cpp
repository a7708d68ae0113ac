// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "BookFixture.h"
#include "TKeyEdit.h"
#include "chapters/TFindingPlanet.h"
#include "chapters/TOnePlanet.h"
#include "chapters/TSimpleCase.h"
#include "chapters/TTwoPlanets.h"
#include "simulation/TBaseChapter.h"

#include <QLabel>
#include <QLineEdit>
#include <QSlider>
#include <QTest>
#include <functional>

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
    open(6, -1);
    EXPECT_EQ(caption(), "Doppler spectroscopy : Finding a planet 13/13");
    EXPECT_TRUE(nextShown());
    book->PageForward();
    EXPECT_EQ(book->ChapterNumber, 7);
    EXPECT_EQ(caption(), "Doppler spectroscopy : Summary 1/1");
    EXPECT_FALSE(nextShown());
    TCustomChapter* summary = chapter();
    book->PageForward();
    EXPECT_EQ(chapter(), summary) << "nothing happens past the last page";
    book->PageBack();
    EXPECT_EQ(caption(), "Doppler spectroscopy : Finding a planet 13/13");
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
    // Greek letters are Unicode letters in the body's own face, at its height.
    EXPECT_EQ(chapter()->SymbolFont->Height, -13);
    EXPECT_EQ(chapter()->SymbolFont->Name, chapter()->BodyFont->Name);
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

    open(6, -1);
    press(Qt::Key_Return);
    EXPECT_EQ(book->ChapterNumber, 7);
    EXPECT_EQ(focused(), book->NavPanel->BackButton) << "forward is hidden on the last page";
}

// A chapter's control, read from the open chapter.
template <class TChapter, class TControl> auto Control(TControl* TChapter::*member) {
    return [member](TCustomChapter* c) -> QWidget* { return dynamic_cast<TChapter*>(c)->*member; };
}

TEST_F(BookTest, AQuestionPageTakesTheKeyboardAtItsAnswerWhichTabReachesFirst) {
    struct Case {
        int chapter, page;
        std::function<QWidget*(TCustomChapter*)> answer;
    };
    const Case cases[] = {
        {2, 7, Control(&TSimpleCase::Q7Answer)},
        {3, 6, Control(&TOnePlanet::QChoice1)},
        {4, 3, Control(&TTwoPlanets::MondasAnswer)},
        {6, 3, Control(&TFindingPlanet::AnswerEdit)},
    };
    const auto name = [](const QWidget* w) {
        return w ? w->metaObject()->className() + (" " + w->accessibleName().toStdString())
                 : "none";
    };
    QWidget* back = book->NavPanel->BackButton;
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.chapter) + "/" + std::to_string(c.page));
        // Turned back to, since forward waits for the question before it.
        open(c.chapter, c.page + 1);
        QTest::keyClick(back, Qt::Key_PageUp);
        ASSERT_EQ(chapter()->Page, c.page);
        QWidget* answer = c.answer(chapter());
        EXPECT_EQ(QApplication::focusWidget(), answer) << name(QApplication::focusWidget());
        back->setFocus();
        QTest::keyClick(back, Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), answer)
            << "after the page arrows, not " << name(QApplication::focusWidget());

        // Where the page text takes the focus, the turned page starts there, then its question.
        access->TabCheck->setChecked(true);
        open(c.chapter, c.page + 1);
        QTest::keyClick(back, Qt::Key_PageUp);
        auto* page = dynamic_cast<TThisChapter*>(chapter());
        EXPECT_EQ(QApplication::focusWidget(), page->TextBox) << name(QApplication::focusWidget());
        QTest::keyClick(page->TextBox, Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), c.answer(page)) << name(QApplication::focusWidget());
        access->TabCheck->setChecked(false);
    }
    open(2, 1);
    QTest::keyClick(book->NavPanel->NextButton, Qt::Key_PageDown);
    EXPECT_EQ(QApplication::focusWidget(), book->NavPanel->NextButton)
        << "a page that asks nothing";
    QTest::keyClick(book->NavPanel->NextButton, Qt::Key_PageUp);
    EXPECT_EQ(QApplication::focusWidget(), book->NavPanel->NextButton)
        << "the focused arrow keeps it";
}

TEST_F(BookTest, PageKeysTurnExactlyWhenTheirButtonShowsAndTheFocusLeavesThemAlone) {
    auto page = [this] { return chapter() ? chapter()->Page : 0; };
    auto press = [](QWidget* target, Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
        QTest::keyClick(target, key, modifiers);
    };
    book->LeaveSplash();
    press(book->Buttons[0], Qt::Key_PageDown);
    EXPECT_EQ(book->ChapterNumber, 0) << "the contents page has no forward button";

    open(2, 5);
    QWidget* next = book->NavPanel->NextButton;
    press(next, Qt::Key_PageDown);
    EXPECT_EQ(page(), 6);
    press(next, Qt::Key_Right, Qt::AltModifier);
    EXPECT_EQ(page(), 7) << "even on a button, which moves the focus with the arrow keys";
    ASSERT_FALSE(nextShown()) << "the open question hides forward";
    auto* sim = dynamic_cast<TBaseChapter*>(chapter());
    ASSERT_NE(sim, nullptr);
    QWidget* field = QApplication::focusWidget();
    ASSERT_TRUE(qobject_cast<QLineEdit*>(field)) << "the page puts the caret in its answer field";
    press(field, Qt::Key_PageDown);
    press(field, Qt::Key_Right, Qt::AltModifier);
    EXPECT_EQ(page(), 7) << "a closed gate stays closed from the keyboard";

    sim->ZoomSlider->setFocus();
    const int zoom = sim->ZoomSlider->value();
    press(sim->ZoomSlider, Qt::Key_PageUp);
    EXPECT_EQ(page(), 7) << "a slider steps with Page Up itself";
    EXPECT_NE(sim->ZoomSlider->value(), zoom);
    field->setFocus();
    press(field, Qt::Key_Left, Qt::AltModifier);
    EXPECT_EQ(page(), 6) << "back shows, and the field has no use for Alt+Left";
    press(book->NavPanel->BackButton, Qt::Key_PageUp);
    EXPECT_EQ(page(), 5);
}

TEST_F(BookTest, AChaptersTitleOrSummaryOnTheContentsOpensIt) {
    book->LeaveSplash();
    for (int chapter = 1; chapter <= int(book->Buttons.size()); ++chapter) {
        SCOPED_TRACE(chapter);
        TImage* entry = book->ChapterEntries[std::size_t(chapter - 1)];
        oBitBtn* button = book->Buttons[std::size_t(chapter - 1)];
        EXPECT_GT(entry->x(), button->x() + button->width() - 1) << "right of its button";
        EXPECT_LE(entry->y(), button->y());
        EXPECT_GE(entry->y() + entry->height(), button->y() + button->height());
        // The title's line, then the summary's below it.
        const QPoint where = chapter % 2 ? QPoint(60, 12) : QPoint(200, 36);
        QTest::mouseClick(entry, Qt::LeftButton, {}, where);
        EXPECT_EQ(book->ChapterNumber, chapter);
        ASSERT_NE(this->chapter(), nullptr);
        EXPECT_EQ(this->chapter()->Page, 1);
        book->mnitContents->trigger();
    }
}

TEST_F(BookTest, AnglesAreWrittenWithTheDegreeSignEverywhere) {
    const QChar ordinal(0x00BA), degree(0x00B0);
    int degreesSeen = 0;
    for (int number = 1; number <= book->ChapterCount; ++number) {
        open(number);
        for (int page = 1; page <= chapter()->PageCount; ++page) {
            SCOPED_TRACE(std::to_string(number) + "/" + std::to_string(page));
            open(number, page);
            for (const QLabel* label : chapter()->findChildren<QLabel*>()) {
                EXPECT_FALSE(label->text().contains(ordinal)) << label->text().toStdString();
                degreesSeen += label->text().count(degree);
            }
            if (auto* c = dynamic_cast<TThisChapter*>(chapter())) {
                const QString text = c->TextBox->toPlainText();
                EXPECT_FALSE(text.contains(ordinal));
                degreesSeen += text.count(degree);
            }
        }
    }
    EXPECT_GT(degreesSeen, 0);
}
