// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "BookFixture.h"
#include "book/TThisChapter.h"

#include "RichEditWriter.h"
#include "oRichEdit.h"

#include <QTest>

namespace {

// A one-question chapter whose answer the test decides.
class QuizChapter : public TThisChapter {
public:
    explicit QuizChapter(TCustomBook* owner) : TThisChapter(owner) { SetCaption("Quiz"); }
    bool nextAnswerRight = false;
    bool IsAnswerCorrect() override { return nextAnswerRight; }
    void WriteHint() override { *FeedbackBox << "hint"; }
    void WriteConclusion() override { *FeedbackBox << "conclusion"; }
};

struct Step {
    bool right;
    TColor panel;
    const char* feedback;
    bool okShown;
};

} // namespace

class QuestionTest : public BookTest {
protected:
    void SetUp() override {
        BookTest::SetUp();
        open(1);
        quiz = CreateForm<QuizChapter>(book);
        quiz->show();
    }
    void TearDown() override {
        TForm::Free(quiz);
        BookTest::TearDown();
    }
    std::string feedback() const { return quiz->FeedbackBox->toPlainText().toStdString(); }
    QuizChapter* quiz = nullptr;
};

TEST_F(QuestionTest, ThreeWrongAnswersCloseTheQuestion) {
    const Step steps[] = {
        {false, RGB(255, 255, 215), "\u2717 Your answer is incorrect.\nhint", true},
        {false, RGB(255, 255, 215), "\u2717 Your answer is still incorrect.\nhint", true},
        {false, RGB(255, 255, 255), "\u2717 Your answer is still incorrect.\nconclusion", false},
    };
    int n = 0;
    for (const Step& s : steps) {
        SCOPED_TRACE("wrong answer " + std::to_string(++n));
        quiz->nextAnswerRight = s.right;
        quiz->JudgeAnswer();
        EXPECT_FALSE(quiz->MessagePanel->isHidden());
        EXPECT_EQ(quiz->MessagePanel->Color(), s.panel);
        EXPECT_EQ(feedback(), s.feedback);
        EXPECT_EQ(!quiz->OKButton->isHidden(), s.okShown);
        if (s.okShown)
            EXPECT_TRUE(quiz->OKButton->hasFocus());
    }
    EXPECT_TRUE(quiz->QuestionClosed);
    EXPECT_FALSE(quiz->AnswerCorrect);
}

TEST_F(QuestionTest, ARightAnswerClosesAtOnceAndOkHidesAnOpenPanel) {
    quiz->JudgeAnswer();
    quiz->OKButton->click();
    EXPECT_TRUE(quiz->MessagePanel->isHidden());
    quiz->nextAnswerRight = true;
    quiz->JudgeAnswer();
    EXPECT_EQ(feedback(), "\u2713 This is the correct answer.\nconclusion");
    EXPECT_EQ(quiz->MessagePanel->Color(), clWhite);
    EXPECT_TRUE(quiz->OKButton->isHidden());
    quiz->MessagePanel->hide();
    EXPECT_EQ(quiz->MessagePanel->Color(), clWhite) << "white until the next judgement";
}

TEST_F(QuestionTest, OkHandsTheFocusToForwardWhenItShows) {
    ASSERT_TRUE(nextShown());
    quiz->JudgeAnswer();
    QTest::keyClick(quiz->OKButton, Qt::Key_Return);
    EXPECT_TRUE(quiz->MessagePanel->isHidden());
    EXPECT_EQ(QApplication::focusWidget(), book->NavPanel->NextButton);
}

TEST_F(QuestionTest, WithScreenReaderSupportTheFeedbackTakesTheFocus) {
    quiz->SetScreenReaderSupport(true);
    EXPECT_EQ(quiz->TextBox->focusPolicy(), Qt::StrongFocus);
    quiz->JudgeAnswer();
    EXPECT_FALSE(quiz->OKButton->isHidden());
    EXPECT_TRUE(quiz->FeedbackBox->hasFocus());
    quiz->SetScreenReaderSupport(false);
    EXPECT_EQ(quiz->FeedbackBox->focusPolicy(), Qt::NoFocus);
}

TEST_F(QuestionTest, SystemColoursColourThePanelWhetherOpenOrClosed) {
    book->WindowsColours = true;
    quiz->JudgeAnswer();
    EXPECT_EQ(quiz->MessagePanel->Color(), clWindow);
    quiz->nextAnswerRight = true;
    quiz->JudgeAnswer();
    EXPECT_EQ(quiz->MessagePanel->Color(), clWindow);
}

TEST_F(BookTest, IntroAndSummaryTextsAreReadOnlyAndShownFromTheTop) {
    open(1);
    auto* intro = dynamic_cast<TThisChapter*>(chapter());
    ASSERT_NE(intro, nullptr);
    const QString text = intro->TextBox->toPlainText();
    EXPECT_TRUE(text.startsWith("Doppler spectroscopy"));
    EXPECT_TRUE(text.contains("radial velocity (vr) the speed"));
    EXPECT_TRUE(text.endsWith("Doppler spectroscopy."));
    EXPECT_TRUE(intro->TextBox->isReadOnly());
    EXPECT_EQ(intro->TextBox->focusPolicy(), Qt::NoFocus);
    EXPECT_EQ(intro->TextBox->textCursor().position(), 0);
    open(7);
    auto* summary = dynamic_cast<TThisChapter*>(chapter());
    EXPECT_TRUE(summary->TextBox->toPlainText().startsWith("You have now reached the end"));
}
