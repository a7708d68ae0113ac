// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "../book/BookFixture.h"

#include "GraphReading.h"
#include "TKeyEdit.h"
#include "chapters/TTwoPlanets.h"
#include "model/text/RoundToFigures.h"
#include "oWorldPortPaintBox.h"
#include "simulation/TPlanetParamForm.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSlider>
#include <QTest>
#include <QTimer>
#include <cmath>
#include <string>
#include <algorithm>
#include <vector>

namespace {

constexpr double Degree = M_PI / 180;

// Pixels of the image that are neither black nor the colour of the view's empty field.
int DrawnPixels(const QImage& image) {
    int drawn = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            drawn += QColor(image.pixel(x, y)) != Qt::black;
    return drawn;
}

// Pixels of the blue curve's ink.
int BluePixels(const QImage& image) {
    int blue = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            blue += graphreading::IsCurve(QColor(image.pixel(x, y)));
    return blue;
}

} // namespace

class TwoPlanetsTest : public ChapterTest<TTwoPlanets, 4> {
protected:
    static void type(TKeyEdit* field, const char* typed) {
        field->clear();
        QTest::keyClicks(field, typed);
    }
    // Types both periods as the reader does, then presses Enter in Vulcan's field.
    void answer(const char* mondas, const char* vulcan) {
        type(current()->MondasAnswer, mondas);
        type(current()->VulcanAnswer, vulcan);
        QTest::keyClick(current()->VulcanAnswer, Qt::Key_Return);
    }
    void ticks(int n) {
        for (int i = 0; i < n; ++i)
            current()->Timer1Timer();
    }
};

TEST_F(TwoPlanetsTest, EachPageSetsUpItsPlanetsAndTimescale) {
    struct PageCase {
        int page;
        const char* opening;
        double mondas_AU;
        double vulcanInc_deg;
        int timeScale;
        bool running, question;
    };
    const PageCase pages[] = {
        {1, "Two planets", 5.2, 90, 3, false, false},
        {2, "The radial velocity profile is now much", 5.2, 90, 3, false, false},
        {3, "The orbits now have very different", 10, 90, 3, false, true},
        {4, "The timescale is now set to 1000 days.", 10, 90, 3, true, false},
        {5, "The timescale is now set to 10000 days.", 10, 90, 4, true, false},
        {6, "One parameter has been changed", 10, 10, 4, false, true},
        {7, "The animation shows", 10, 10, 4, false, false},
        {8, "There are two lessons here.", 10, 90, 3, false, false},
        {9, "Astronomers find the planets'", 10, 90, 3, false, false},
    };
    for (const PageCase& p : pages) {
        SCOPED_TRACE(p.page);
        openPage(p.page);
        TTwoPlanets& c = *current();
        EXPECT_EQ(caption(), "Doppler spectroscopy : Two planets " + std::to_string(p.page) + "/9");
        EXPECT_EQ(opening().rfind(p.opening, 0), 0u) << opening();
        EXPECT_TRUE(c.ChBoxPlanet2->isChecked());
        EXPECT_TRUE(c.ChBoxPlanet2->isEnabled());
        EXPECT_TRUE(c.Planets[1].Visible);
        EXPECT_FALSE(c.ChBoxPlanet3->isEnabled());
        EXPECT_FALSE(c.AutoScaleVelocity->isChecked());
        EXPECT_EQ(c.Planets[0].a, p.mondas_AU);
        EXPECT_NEAR(c.Planets[1].inc, p.vulcanInc_deg * Degree, 1e-15);
        EXPECT_EQ(c.TimeSlider->value(), p.timeScale);
        EXPECT_DOUBLE_EQ(c.GraphSpan, std::pow(10.0, p.timeScale + 1) * 1.08);
        EXPECT_DOUBLE_EQ(c.TimeStep, c.MinStep) << "the step of the 1000-day scale";
        EXPECT_EQ(c.Time, 0.0) << "every page starts the simulation afresh";
        EXPECT_EQ(c.Timer1->isActive(), p.running);
        EXPECT_EQ(c.NoDraw, p.page == 6);
        EXPECT_EQ(c.MondasAnswer->isHidden(), p.page != 3);
        EXPECT_EQ(c.PlanComboBox->isHidden(), p.page != 6);
        EXPECT_EQ(c.QDoneButton->isHidden(), !p.question);
        EXPECT_EQ(c.PlanetParamButton->isEnabled(), p.page != 6);
        EXPECT_EQ(nextShown(), !p.question);
    }
}

TEST_F(TwoPlanetsTest, TheAnswerLabelsShowThePlanetsInTheirColours) {
    openPage(3);
    TTwoPlanets& c = *current();
    EXPECT_EQ(c.MondasLabel->text(), "Mondas");
    EXPECT_EQ(c.VulcanLabel->text(), "Vulcan");
    EXPECT_EQ(c.MondasLabel->grab().toImage().pixelColor(2, 2), QColor(0, 255, 255));
    EXPECT_EQ(c.VulcanLabel->grab().toImage().pixelColor(2, 2), QColor(255, 255, 0));
    EXPECT_EQ(QApplication::focusWidget(), c.MondasAnswer);
}

TEST_F(TwoPlanetsTest, BothPeriodsAreJudgedWithinTheirTolerances) {
    openPage(3);
    EXPECT_NEAR(current()->Planets[0].Period, 11544.9, 0.05);
    EXPECT_NEAR(current()->Planets[1].Period, 1530.56, 0.005);
    const struct {
        const char* mondas;
        const char* vulcan;
        bool right;
    } cases[] = {
        {"11500", "1530", true},  {"8500", "1530", true},    {"14500", "1530", true},
        {"8499", "1530", false},  {"14501", "1530", false},  {"11500", "1830", true},
        {"11500", "1830.", true}, {"11500", "1831", false},  {"11500", "1230", true},
        {"11500", "1229", false}, {"11500", "1229.", false}, {"11500", "-1530", false},
        {"1.1e4", "153e1", true}, {"11500", "9e99", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.mondas) + " / " + c.vulcan);
        openPage(3);
        answer(c.mondas, c.vulcan);
        EXPECT_EQ(current()->AnswerCorrect, c.right);
        EXPECT_EQ(current()->QuestionClosed, c.right);
    }
    EXPECT_TRUE(dialogs.messages.empty());

    // Wider than the field takes: the fractions that truncation decides.
    for (const char* vulcan : {"1830.9", "1229.5"}) {
        SCOPED_TRACE(vulcan);
        openPage(3);
        current()->MondasAnswer->setMaxLength(6);
        current()->VulcanAnswer->setMaxLength(6);
        current()->MondasAnswer->setText("11500");
        current()->VulcanAnswer->setText(vulcan);
        current()->QDoneButton->click();
        EXPECT_TRUE(current()->AnswerCorrect) << "less than 301 whole days off";
    }
}

TEST_F(TwoPlanetsTest, EmptyAndInvalidAnswersAreWrongAttempts) {
    openPage(3);
    answer("11500", "");
    EXPECT_EQ(current()->WrongAnswers, 1);
    EXPECT_TRUE(dialogs.messages.empty()) << "an empty field is wrong without a message";

    openPage(3);
    answer("1..5", "1530");
    EXPECT_EQ(dialogs.messages, std::vector<std::string>{"Please type a valid number!"});
    EXPECT_EQ(current()->WrongAnswers, 1);
    dialogs.messages.clear();
    answer("-", "+");
    EXPECT_EQ(dialogs.messages.size(), 2u) << "each field that is no number is told";
    EXPECT_EQ(current()->WrongAnswers, 2);
}

TEST_F(TwoPlanetsTest, ThePeriodQuestionHintsThenGivesBothPeriods) {
    openPage(3);
    EXPECT_EQ(current()->MondasDays->text(), "days (largest timescale)")
        << "the page says where Mondas's period shows";
    answer("11500", "1000");
    EXPECT_EQ(feedback(), "\u2717 Your answer is incorrect.\n");
    answer("11500", "1000");
    EXPECT_EQ(feedback(),
              "\u2717 Your answer is still incorrect.\n\nHint: Try the largest timescale for Mondas.");
    EXPECT_FALSE(nextShown());
    answer("11500", "1000");
    EXPECT_EQ(feedback(),
              "\u2717 Your answer is still incorrect.\n\nThe periods are 11500 and 1530 days.");
    EXPECT_TRUE(nextShown());

    openPage(3);
    answer("11000", "1500");
    EXPECT_EQ(feedback(), "\u2713 This is the correct answer.\n\nThe periods are 11500 and 1530 days.");
}

TEST_F(TwoPlanetsTest, TheParameterQuestionTakesOnlyTheChosenItems) {
    openPage(6);
    TTwoPlanets& c = *current();
    EXPECT_EQ(c.ParamComboBox->currentText(), "Parameter");
    EXPECT_EQ(c.PlanComboBox->currentText(), "Planet");
    EXPECT_EQ(c.ParamComboBox->count(), 7);

    // Done before both lists are chosen says what is missing and costs no attempt.
    c.QDoneButton->click();
    EXPECT_EQ(feedback(), "Choose a parameter and a planet from the lists first.");
    c.PlanComboBox->setCurrentIndex(1);
    c.QDoneButton->click();
    EXPECT_EQ(feedback(), "Choose a parameter from the list first.");
    EXPECT_EQ(c.WrongAnswers, 0);
    EXPECT_FALSE(c.QuestionClosed);

    // Each item is judged by what it reads, wherever it stands in the list.
    const int items = c.ParamComboBox->count();
    for (int item = 0; item < items; ++item) {
        TTwoPlanets& asked = *current();
        SCOPED_TRACE(asked.ParamComboBox->itemText(item).toStdString());
        asked.PlanComboBox->setCurrentIndex(asked.PlanComboBox->findText("Vulcan"));
        asked.ParamComboBox->setCurrentIndex(item);
        asked.QDoneButton->click();
        EXPECT_EQ(asked.AnswerCorrect,
                  asked.ParamComboBox->itemText(item) == "inclination or mass");
        if (asked.AnswerCorrect)
            openPage(6);
    }

    TTwoPlanets& d = *current();
    d.ParamComboBox->setCurrentIndex(d.ParamComboBox->findText("inclination or mass"));
    d.PlanComboBox->setCurrentIndex(d.PlanComboBox->findText("Mondas"));
    d.QDoneButton->click();
    EXPECT_FALSE(d.AnswerCorrect);
    EXPECT_EQ(feedback(), "\u2717 Your answer is still incorrect.\nHint: Compare the graph with the one "
                          "on\nthe previous page");

    openPage(6);
    TTwoPlanets& again = *current();
    QTest::keyClicks(again.ParamComboBox->lineEdit(), " or mass");
    QTest::keyClick(again.ParamComboBox->lineEdit(), Qt::Key_Return);
    again.PlanComboBox->setCurrentIndex(1);
    again.QDoneButton->click();
    EXPECT_EQ(feedback(), "Choose a parameter from the list first.") << "typed text is no choice";
    EXPECT_EQ(again.ParamComboBox->count(), 7) << "typed text never becomes an item";

    again.ParamComboBox->setCurrentIndex(5);
    again.PlanComboBox->lineEdit()->setText("Vulcan's");
    again.QDoneButton->click();
    EXPECT_EQ(feedback(), "Choose a planet from the list first.")
        << "a choice the reader typed over no longer counts";
    EXPECT_EQ(again.WrongAnswers, 0);

    again.PlanComboBox->setCurrentIndex(1);
    again.QDoneButton->click();
    EXPECT_TRUE(again.AnswerCorrect);
    EXPECT_EQ(feedback(), "\u2713 This is the correct answer.\n");
}

TEST_F(TwoPlanetsTest, TheFeedbackCoversNoControlOfItsQuestion) {
    for (int page : {3, 6}) {
        SCOPED_TRACE(page);
        openPage(page);
        TTwoPlanets& c = *current();
        c.QDoneButton->click();
        ASSERT_FALSE(c.MessagePanel->isHidden());
        for (QWidget* w : c.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (w != c.MessagePanel && w->isVisibleTo(&c) && w->y() > 360 && w->x() < 380)
                EXPECT_FALSE(c.MessagePanel->geometry().intersects(w->geometry()))
                    << w->metaObject()->className() << " at " << w->x() << ", " << w->y();
    }
}

TEST_F(TwoPlanetsTest, TheLastWrongChoiceNamesTheAnswer) {
    openPage(6);
    current()->PlanComboBox->setCurrentIndex(0);
    current()->ParamComboBox->setCurrentIndex(0);
    for (int attempt = 0; attempt < 3; ++attempt)
        current()->QDoneButton->click();
    EXPECT_EQ(feedback(), "\u2717 Your answer is still incorrect.\nThe correct answer is the inclination "
                          "or\nmass of Vulcan.");
    EXPECT_TRUE(nextShown());
    EXPECT_TRUE(current()->PlanetParamButton->isEnabled());
}

TEST_F(TwoPlanetsTest, TheHiddenChangeBlanksTheViewWhileTheGraphPlots) {
    openPage(5);
    TTwoPlanets& shown = *current();
    shown.PlanetParamButtonClick();
    book->PageForward();
    TTwoPlanets& c = *current();
    ASSERT_EQ(&c, &shown);
    EXPECT_TRUE(c.ParamForm->isHidden()) << "the dialog would give the answer away";
    EXPECT_FALSE(c.PlanetParamButton->isEnabled());
    EXPECT_TRUE(c.Timer1->isActive()) << "the simulation of page 5 runs on";

    ticks(40);
    EXPECT_EQ(DrawnPixels(c.wp->Surface()), 0) << "only the black pane shows";
    EXPECT_GT(BluePixels(c.wpGraph->Surface()), 40) << "the graph keeps plotting";

    c.PlanComboBox->setCurrentIndex(1);
    c.ParamComboBox->setCurrentIndex(5);
    c.Timer1->stop();
    c.QDoneButton->click();
    EXPECT_FALSE(c.NoDraw);
    EXPECT_GT(DrawnPixels(c.wp->Surface()), 1000) << "the view draws again, even when stopped";
    EXPECT_TRUE(c.PlanetParamButton->isEnabled());
}

TEST_F(TwoPlanetsTest, LeavingTheHiddenChangeUnansweredKeepsTheDialogLocked) {
    openPage(6);
    book->PageBack();
    EXPECT_FALSE(current()->NoDraw);
    EXPECT_NEAR(current()->Planets[1].inc, 90 * Degree, 1e-15);
    for (int page = 5; page >= 3; --page) {
        SCOPED_TRACE(page);
        ASSERT_EQ(current()->Page, page);
        EXPECT_FALSE(current()->PlanetParamButton->isEnabled()) << "until a question closes";
        if (page > 3)
            book->PageBack();
    }
    current()->MondasAnswer->setText("11500");
    current()->VulcanAnswer->setText("1530");
    current()->QDoneButton->click();
    EXPECT_TRUE(current()->PlanetParamButton->isEnabled());
}

TEST_F(TwoPlanetsTest, TheDialogShowsTheElementsThePageSet) {
    openPage(2);
    TTwoPlanets& c = *current();
    c.ParamForm->PlanRadioButton2->click();
    c.ParamForm->incSlider->setValue(0);
    EXPECT_EQ(c.Planets[1].inc, 0.0);
    book->PageForward();
    EXPECT_EQ(c.ParamForm->incSlider->value(), 90) << "Vulcan is edge-on again";
    c.ParamForm->massSlider->setValue(30);
    EXPECT_NEAR(c.Planets[1].inc, 90 * Degree, 1e-15) << "moving another slider keeps it";
}

// Page 7's experiment: Vulcan edge-on with 0.17 Jupiter masses has the m sin i of the page's
// 1 Jupiter mass 10 degrees from face-on, so the curve must agree with the page's own.
TEST_F(TwoPlanetsTest, ThePageSevenExperimentGivesTheSameCurve) {
    openPage(6);
    TTwoPlanets& c = *current();
    c.ParamComboBox->setCurrentIndex(5);
    c.PlanComboBox->setCurrentIndex(1);
    c.QDoneButton->click();
    book->PageForward();
    ASSERT_EQ(c.Page, 7);
    const auto curve = [&c] {
        std::vector<double> mps;
        c.ResetSimulation();
        while (c.Time < 2 * c.Planets[1].Period) {
            c.Advance();
            mps.push_back(c.RadialVelocity * MpsPerAUPerDay);
        }
        return mps;
    };
    const std::vector<double> before = curve();
    const double a = c.Planets[1].a;

    c.PlanetParamButton->click();
    c.ParamForm->PlanRadioButton2->click();
    c.ParamForm->incSlider->setValue(90);
    c.ParamForm->massSlider->setValue(37);
    ASSERT_EQ(c.ParamForm->massLabel->text().toStdString(), "0.17 Jupiter masses");
    EXPECT_EQ(c.Planets[1].a, a) << "no slider for a moved";
    const std::vector<double> after = curve();

    ASSERT_GT(before.size(), 20u);
    double worst = 0.0;
    for (std::size_t i = 0; i < std::min(before.size(), after.size()); ++i)
        worst = std::max(worst, std::fabs(after[i] - before[i]));
    EXPECT_LT(worst, 1.0) << "m/s";
}

// On arrival at each page the fixed scale holds the two planets' curve at its largest, and
// pages 5 and 6, which the question compares, share one scale.
TEST_F(TwoPlanetsTest, TheCurveFitsTheFixedScaleOnEveryPage) {
    double scaleOfPage5 = 0.0;
    for (int page = 1; page <= 6; ++page) {
        SCOPED_TRACE(page);
        openPage(page);
        TTwoPlanets& c = *current();
        EXPECT_FALSE(c.AutoScaleVelocity->isChecked());
        const double scale = c.VelocityScale;
        c.ResetSimulation();
        double peak = 0.0;
        while (c.Time < 2 * c.Planets[0].Period) {
            c.Advance();
            peak = std::max(peak, std::fabs(c.RadialVelocity));
        }
        EXPECT_LE(peak * scale, 0.5 * TVelocityGraph::Height) << "the curve stays on the graph";
        if (page != 6)
            EXPECT_GE(peak * scale, 0.3 * TVelocityGraph::Height) << "and fills it";
        if (page == 5)
            scaleOfPage5 = scale;
        if (page == 6)
            EXPECT_EQ(scale, scaleOfPage5);
    }
}
