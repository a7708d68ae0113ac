// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "../book/BookFixture.h"

#include "chapters/TOnePlanet.h"
#include "simulation/TPlanetParamForm.h"

#include <QCheckBox>
#include <QLabel>
#include <QRadioButton>
#include <QSlider>
#include <cmath>
#include <string>

using OnePlanetTest = ChapterTest<TOnePlanet, 3>;

TEST_F(OnePlanetTest, EachPageReleasesTheSlidersItDiscusses) {
    struct PageCase {
        int page;
        const char* opening;
        // Enabled: the edit button, then the inclination, mass, semimajor axis,
        // eccentricity, psi, phi and star mass sliders.
        const char* unlocked;
    };
    const PageCase pages[] = {
        {1, "One planet", "--------"},
        {2, "First we look at how changing the inclination", "--------"},
        {3, "Press Start.", "XX------"},
        {4, "The amplitude of the radial velocity is reduced", "XX------"},
        {5, "Now set i to zero.", "XX------"},
        {6, "Decrease the planet's mass.", "XXX-----"},
        {7, "A lighter planet pulls less", "XXX-----"},
        {8, "Changing the inclination and the mass", "XXXX----"},
        {9, "The semimajor axis a affects", "XXXXX---"},
        {10, "An ellipse has an eccentricity", "XXXXX---"},
        {11, "Now try altering the angle ψ.", "XXXXXX--"},
        {12, "The azimuth φ of the orbit", "XXXXXXX-"},
        {13, "The mass of the star can be found", "XXXXXXXX"},
        {14, "So, for one planet:", "XXXXXXXX"},
        {15, "Conclusions", "XXXXXXXX"},
    };
    for (const PageCase& p : pages) {
        SCOPED_TRACE(p.page);
        openPage(p.page);
        TOnePlanet& c = *current();
        TPlanetParamForm& d = *c.ParamForm;
        EXPECT_EQ(caption(), "Doppler spectroscopy : One planet " + std::to_string(p.page) + "/15");
        EXPECT_EQ(opening().rfind(p.opening, 0), 0u) << opening();
        const QWidget* controls[] = {c.PlanetParamButton, d.incSlider, d.massSlider, d.aSlider,
                                     d.EccSlider,         d.psiSlider, d.phiSlider,  d.SmassSlider};
        for (int i = 0; i < 8; ++i)
            EXPECT_EQ(controls[i]->isEnabled(), p.unlocked[i] == 'X') << "control " << i;
        EXPECT_FALSE(c.ChBoxPlanet2->isEnabled());
        EXPECT_FALSE(c.ChBoxPlanet3->isEnabled());
        EXPECT_FALSE(c.AutoScaleVelocity->isChecked());
        EXPECT_EQ(c.QChoice1->isHidden(), p.page != 6);
        EXPECT_EQ(nextShown(), p.page != 6);
        EXPECT_TRUE(c.MessagePanel->isHidden());
    }
}

TEST_F(OnePlanetTest, TurningPagesKeepsTheElementsButRecomputesTheLocks) {
    openPage(3);
    TOnePlanet& c = *current();
    c.PlanetParamButton->click();
    EXPECT_FALSE(c.ParamForm->isHidden());
    c.ParamForm->incSlider->setValue(30);
    EXPECT_NEAR(c.Planets[0].inc * 180 / M_PI, 30.0, 1e-9);
    c.AutoScaleVelocity->setChecked(true);

    book->PageBack();
    EXPECT_FALSE(c.PlanetParamButton->isEnabled());
    EXPECT_FALSE(c.ParamForm->incSlider->isEnabled());
    EXPECT_NEAR(c.Planets[0].inc * 180 / M_PI, 30.0, 1e-9) << "going back keeps the inclination";
    EXPECT_FALSE(c.AutoScaleVelocity->isChecked()) << "autoscaling is off again on every page";

    book->PageForward();
    EXPECT_TRUE(c.PlanetParamButton->isEnabled());
    EXPECT_EQ(c.ParamForm->incSlider->value(), 30);
}

TEST_F(OnePlanetTest, ASliderMovesOnlyItsOwnElement) {
    openPage(3);
    TOnePlanet& c = *current();
    const double period = c.Planets[0].Period;
    c.PlanetParamButton->click();
    c.ParamForm->incSlider->setValue(20);
    EXPECT_EQ(c.Planets[0].a, 5.2) << "the slider stands at 4.79 AU, the planet does not";
    EXPECT_EQ(c.Planets[0].Period, period) << "tilting leaves the period as page 8 says";
    EXPECT_EQ(c.ParamForm->aLabel->text().toStdString(), "5.2 AU");

    for (int page = 3; page < 6; ++page)
        book->PageForward();
    ASSERT_EQ(c.Page, 6);
    c.ParamForm->massSlider->setValue(45);
    EXPECT_EQ(c.Planets[0].a, 5.2);
    EXPECT_NEAR(c.Planets[0].inc * 180 / M_PI, 20.0, 1e-9) << "the mass leaves the tilt";
    EXPECT_NEAR(c.Planets[0].Period, period, period * 1e-3) << "only through m in G(M + m)";
}

TEST_F(OnePlanetTest, TheDialogEditsOnlyMondasAndPageElevenSaysWhatPsiDoes) {
    openPage(11);
    TOnePlanet& c = *current();
    EXPECT_TRUE(c.ParamForm->PlanRadioButton1->isEnabled());
    EXPECT_FALSE(c.ParamForm->PlanRadioButton2->isEnabled()) << "Vulcan is hidden here";
    EXPECT_FALSE(c.ParamForm->PlanRadioButton3->isEnabled()) << "and so is Skyron";
    const std::string page = text();
    EXPECT_NE(page.find("does not change the shape"), std::string::npos) << page;
    EXPECT_NE(page.find("only shifts it in time"), std::string::npos) << page;
}

TEST_F(OnePlanetTest, TheMassQuestionHintsAtTheInclinationThenConcludes) {
    openPage(6);
    TOnePlanet& c = *current();
    c.QChoice2->click();
    EXPECT_EQ(feedback(), "\u2717 Your answer is incorrect.\n");
    EXPECT_TRUE(c.QChoice2->Checked());
    EXPECT_EQ(c.QChoice2->Font().Color, RGB(255, 0, 0));
    EXPECT_FALSE(nextShown());
    c.QChoice3->click();
    EXPECT_FALSE(c.QChoice2->Checked()) << "one choice at a time";
    EXPECT_EQ(c.QChoice2->Font().Color, clWindowText);
    EXPECT_EQ(feedback(), "\u2717 Your answer is still incorrect.\n\nMake sure i is not zero.");
    EXPECT_FALSE(nextShown());
    c.QChoice2->click();
    EXPECT_TRUE(c.QuestionClosed);
    EXPECT_EQ(feedback(), "\u2717 Your answer is still incorrect.\n\nThe radial velocity amplitude "
                          "decreases as the planet's mass is decreased.");
    EXPECT_TRUE(nextShown());
    EXPECT_TRUE(c.OKButton->isHidden());
}

TEST_F(OnePlanetTest, TheFeedbackStandsBesideTheChoicesItJudges) {
    openPage(6);
    TOnePlanet& c = *current();
    c.QChoice2->click();
    ASSERT_FALSE(c.MessagePanel->isHidden());
    for (oBitBtn* choice : {c.QChoice1, c.QChoice2, c.QChoice3})
        EXPECT_FALSE(c.MessagePanel->geometry().intersects(choice->geometry()))
            << choice->Caption();
}

TEST_F(OnePlanetTest, TheRightChoiceClosesAtOnceWithTheVerdictOnly) {
    openPage(6);
    current()->QChoice1->click();
    EXPECT_TRUE(current()->QuestionClosed);
    EXPECT_EQ(feedback(), "\u2713 This is the correct answer.\n");
    EXPECT_TRUE(nextShown());

    book->PageForward();
    book->PageBack();
    EXPECT_FALSE(current()->QuestionClosed) << "the question reopens on every arrival";
    EXPECT_FALSE(current()->QChoice1->Checked());
    EXPECT_FALSE(nextShown());
}
