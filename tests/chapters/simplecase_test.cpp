// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "../book/BookFixture.h"

#include "TKeyEdit.h"
#include "chapters/TSimpleCase.h"
#include "model/text/RoundToFigures.h"

#include <QCheckBox>
#include <QLabel>
#include <QLocale>
#include <QSlider>
#include <QTest>
#include <QTimer>
#include <cmath>
#include <regex>
#include <string>

class SimpleCaseTest : public ChapterTest<TSimpleCase, 2> {
protected:
    // Types into the answer field as the reader does, then presses Enter.
    void answer(const char* typed) {
        TKeyEdit* field = current()->Q7Answer;
        field->clear();
        QTest::keyClicks(field, typed);
        QTest::keyClick(field, Qt::Key_Return);
    }
};

TEST_F(SimpleCaseTest, EachPageUnlocksItsControls) {
    struct PageCase {
        int page;
        const char* opening;
        bool velocity, timeScale, question;
    };
    const PageCase pages[] = {
        {1, "The simulation", false, false, false},
        {2, "You can turn the view", false, false, false},
        {3, "The star and Mondas both orbit", false, false, false},
        {4, "Observers on Earth", false, false, false},
        {5, "Tick the Velocity vector", true, false, false},
        {6, "The graph on the right", true, true, false},
        {7, "What is the orbital period?", true, true, true},
        {8, "When is the star's radial velocity zero?", true, true, true},
        {9, "Tick the Velocity vector check box and watch", true, true, false},
        {10, "You should now see why", true, true, false},
    };
    for (const PageCase& p : pages) {
        SCOPED_TRACE(p.page);
        openPage(p.page);
        TSimpleCase& c = *current();
        EXPECT_EQ(caption(),
                  "Doppler spectroscopy : The simulation " + std::to_string(p.page) + "/10");
        EXPECT_EQ(opening().rfind(p.opening, 0), 0u) << opening();
        EXPECT_EQ(c.ShowVelocity->isEnabled(), p.velocity);
        EXPECT_FALSE(c.ShowVelocity->isChecked());
        EXPECT_EQ(c.TimeSlider->isEnabled(), p.timeScale);
        EXPECT_EQ(c.AutoScaleVelocity->isEnabled(), p.timeScale);
        EXPECT_FALSE(c.PlanetParamButton->isEnabled());
        EXPECT_FALSE(c.ChBoxPlanet2->isEnabled());
        EXPECT_EQ(nextShown(), !p.question);
        EXPECT_EQ(c.Q7Answer->isHidden(), p.page != 7);
        EXPECT_EQ(c.QChoice3->isHidden(), p.page != 8);
        EXPECT_TRUE(c.MessagePanel->isHidden());
    }
}

TEST_F(SimpleCaseTest, ThePeriodIsAcceptedWithin300DaysOf4330) {
    openPage(7);
    const struct {
        const char* typed;
        bool right;
    } cases[] = {{"4030", true},  {"4630", true},  {"4.3e3", true}, {"4329", true},
                 {"4029", false}, {"4631", false}, {"433", false},  {"-4330", false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        openPage(7);
        answer(c.typed);
        EXPECT_EQ(current()->AnswerCorrect, c.right);
        EXPECT_EQ(current()->QuestionClosed, c.right);
    }
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(RoundToFigures(current()->Planets[0].Period, 3, true), 4330.0);
}

TEST_F(SimpleCaseTest, TheAnswerFieldTakesOnlyWhatANumberIsTypedWith) {
    openPage(7);
    QTest::keyClicks(current()->Q7Answer, "4a3,0x0 5 6");
    EXPECT_EQ(current()->Q7Answer->text().toStdString(), "43005") << "five characters at most";
    current()->Q7Answer->clear();
    QTest::keyClicks(current()->Q7Answer, "+1.E-");
    EXPECT_EQ(current()->Q7Answer->text().toStdString(), "+1.E-");
    current()->Q7Answer->clear();
    QTest::keyClicks(current()->Q7Answer, "4339");
    QTest::keyClick(current()->Q7Answer, Qt::Key_Backspace);
    QTest::keyClicks(current()->Q7Answer, "0");
    EXPECT_EQ(current()->Q7Answer->text().toStdString(), "4330") << "Backspace corrects a typo";
}

TEST_F(SimpleCaseTest, TurningToThePeriodQuestionPutsTheCaretInTheAnswerField) {
    openPage(6);
    book->PageForward();
    EXPECT_EQ(QApplication::focusWidget(), current()->Q7Answer);
    QTest::keyClicks(QApplication::focusWidget(), "4330");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_TRUE(current()->QuestionClosed) << "the keyboard alone answers the question";
}

TEST_F(SimpleCaseTest, ANonNumberIsToldAndCountsAsWrong) {
    openPage(7);
    for (const char* typed : {"4..3", "1e999", "-"}) {
        SCOPED_TRACE(typed);
        openPage(7);
        dialogs.messages.clear();
        answer(typed);
        EXPECT_EQ(dialogs.messages, std::vector<std::string>{"Please type a valid number!"});
        EXPECT_EQ(current()->WrongAnswers, 1);
        EXPECT_FALSE(current()->MessagePanel->isHidden());
    }
    openPage(7);
    dialogs.messages.clear();
    current()->Q7DoneButton->click();
    EXPECT_TRUE(dialogs.messages.empty()) << "an empty answer is wrong without a message";
    EXPECT_EQ(current()->WrongAnswers, 1);
}

// The axis counts in thousands of days: a number read off it without the unit is told so
// with the first wrong answer, either way round.
TEST_F(SimpleCaseTest, APeriodAThousandTimesOffIsToldAtOnce) {
    const struct {
        const char* typed;
        const char* size;
    } cases[] = {{"4.3", "small"}, {"4.33", "small"}, {"4.3e6", "large"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        openPage(7);
        answer(c.typed);
        EXPECT_EQ(feedback(), std::string("\u2717 Your answer is incorrect.\n\nHint: Your number is 1000 "
                                          "times too ") +
                                  c.size + ":\nread the unit beside the time axis.");
        EXPECT_EQ(current()->WrongAnswers, 1) << "still an attempt";
    }
    openPage(7);
    answer("43");
    EXPECT_EQ(feedback(), "\u2717 Your answer is incorrect.\n") << "a factor of 100 is no unit slip";
}

TEST_F(SimpleCaseTest, ThePeriodQuestionHintsThenConcludes) {
    openPage(7);
    answer("1000");
    EXPECT_EQ(feedback(), "\u2717 Your answer is incorrect.\n");
    answer("2000");
    EXPECT_EQ(feedback(), "\u2717 Your answer is still incorrect.\n\nHint: Measure between maxima or "
                          "minima,\nand note the scale of the time axis.");
    EXPECT_FALSE(nextShown());
    answer("3000");
    EXPECT_EQ(feedback(), "\u2717 Your answer is still incorrect.\n\nThe period to two sig figs is 4300 "
                          "days.\n(The precise period is 4329 days.)");
    EXPECT_TRUE(current()->QuestionClosed);
    EXPECT_TRUE(nextShown());

    book->PageForward();
    book->PageBack();
    EXPECT_FALSE(current()->QuestionClosed) << "coming back opens the question afresh";
    EXPECT_TRUE(current()->Q7Answer->text().isEmpty());
    EXPECT_FALSE(nextShown());
    answer("4300");
    EXPECT_EQ(feedback(), "\u2713 This is the correct answer.\n\nThe period to two sig figs is 4300 "
                          "days.\n(The precise period is 4329 days.)");
}

// The zero-velocity question asks which axis the star crosses: in its view no axis may
// shrink to a dot or run along another, or "crosses the z axis" would look like "crosses
// the y axis".
TEST_F(SimpleCaseTest, TheAxesOfTheZeroVelocityQuestionShowApart) {
    openPage(8);
    const TSimpleCase& c = *current();
    const TVector axes[] = {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}};
    oRealPoint seen[3];
    for (int k = 0; k < 3; ++k) {
        seen[k] = c.Project(axes[k]);
        EXPECT_GT(std::hypot(seen[k].x, seen[k].y), 0.3) << "axis " << k << " shows as a line";
    }
    for (int j = 0; j < 3; ++j)
        for (int k = j + 1; k < 3; ++k) {
            const double cross = seen[j].x * seen[k].y - seen[j].y * seen[k].x;
            const double sine = cross / (std::hypot(seen[j].x, seen[j].y) * std::hypot(seen[k].x, seen[k].y));
            EXPECT_GT(std::fabs(sine), std::sin(20 * 3.141592653589793 / 180))
                << "axes " << j << " and " << k << " at least 20 degrees apart";
        }
}

TEST_F(SimpleCaseTest, TheChoiceQuestionLatchesTheChosenButton) {
    openPage(8);
    TSimpleCase& c = *current();
    c.QChoice1->click();
    EXPECT_EQ(feedback(), "\u2717 Your answer is incorrect.\n");
    EXPECT_TRUE(c.QChoice1->Checked());
    EXPECT_EQ(c.QChoice1->Font().Color, RGB(255, 0, 0));
    c.QChoice2->click();
    EXPECT_FALSE(c.QChoice1->Checked());
    EXPECT_EQ(c.QChoice1->Font().Color, clWindowText);
    EXPECT_EQ(feedback(), "\u2717 Your answer is still incorrect.\n\nHint: Press Stop when the graph\n"
                          "crosses zero.");
    c.QChoice1->click();
    EXPECT_EQ(feedback(), "\u2717 Your answer is still incorrect.\n\nThe correct answer is when it "
                          "crosses the z axis.");
    EXPECT_TRUE(nextShown());

    openPage(8);
    EXPECT_FALSE(current()->QChoice1->Checked()) << "arriving releases the choices";
    current()->QChoice3->click();
    EXPECT_EQ(feedback(), "\u2713 This is the correct answer.\n");
    EXPECT_TRUE(current()->QChoice3->Checked());
    EXPECT_EQ(current()->QChoice3->Font().Color, RGB(255, 0, 0));
    EXPECT_TRUE(current()->OKButton->isHidden());
    EXPECT_TRUE(nextShown());
}

TEST_F(SimpleCaseTest, TheTextsStateTheMagnificationsTheViewDraws) {
    // The factor a page states before `phrase`.
    auto statedFactor = [this](int page, const char* phrase) {
        openPage(page);
        std::smatch m;
        const std::string body = text();
        if (!std::regex_search(body, m, std::regex(std::string("(\\d+) ") + phrase)))
            return -1L;
        return std::stol(m[1]);
    };
    EXPECT_EQ(statedFactor(3, "times larger than the planet's"),
              std::lround(TOrbitView::StarMagnification));
    EXPECT_EQ(statedFactor(5, "times longer than the planet's"),
              std::lround(TOrbitView::StarArrowMagnification));
    EXPECT_EQ(TOrbitView::StarMagnification, TOrbitView::StarScale / TOrbitView::OrbitScale);
    EXPECT_NEAR(TOrbitView::StarArrowMagnification,
                TOrbitView::StarScale * TOrbitView::StarArrowScale /
                    (TOrbitView::OrbitScale * TOrbitView::PlanetArrowScale),
                1e-9);
}

TEST_F(SimpleCaseTest, ACommaLocaleTakesEitherDecimalMarkAndTheCLocaleOnlyThePoint) {
    const QLocale saved;
    struct Case {
        QLocale locale;
        const char* typed;
        const char* field;
        bool right;
    };
    const Case cases[] = {
        {QLocale(QLocale::German, QLocale::Germany), "4,3e3", "4,3e3", true},
        {QLocale(QLocale::German, QLocale::Germany), "4.3e3", "4.3e3", true},
        {QLocale(QLocale::German, QLocale::Germany), "4,329", "4,329", false},
        {QLocale::c(), "4,3e3", "43e3", false},
        {QLocale::c(), "4.3e3", "4.3e3", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.locale.name().toStdString() + " " + c.typed);
        QLocale::setDefault(c.locale);
        openPage(7);
        dialogs.messages.clear();
        answer(c.typed);
        EXPECT_EQ(current()->Q7Answer->text().toStdString(), c.field);
        EXPECT_EQ(current()->AnswerCorrect, c.right);
        EXPECT_TRUE(dialogs.messages.empty()) << "every typed text is a number";
    }
    QLocale::setDefault(saved);
}

TEST_F(SimpleCaseTest, AfterOkTheFocusReturnsToTheQuestionNeverToBack) {
    openPage(7);
    answer("1000");
    ASSERT_TRUE(current()->OKButton->hasFocus());
    QTest::keyClick(current()->OKButton, Qt::Key_Return);
    EXPECT_TRUE(current()->MessagePanel->isHidden());
    EXPECT_EQ(QApplication::focusWidget(), current()->Q7Answer);

    openPage(8);
    current()->QChoice2->click();
    current()->OKButton->click();
    EXPECT_EQ(QApplication::focusWidget(), current()->QChoice1) << "the first choice";
    EXPECT_EQ(chapter()->Page, 8);
}
