// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "../book/BookFixture.h"

#include "chapters/TFreeExperiment.h"
#include "simulation/TPlanetParamForm.h"

#include <QCheckBox>
#include <QSlider>
#include <QTimer>
#include <string>

using FreeExperimentTest = ChapterTest<TFreeExperiment, 5>;

TEST_F(FreeExperimentTest, EveryPageLeavesEveryControlFree) {
    const char* headings[] = {"Free experiment", "Selection Effects", "Reconstruct reality",
                              "Challenge other students"};
    for (int page = 1; page <= 4; ++page) {
        SCOPED_TRACE(page);
        openPage(page);
        TFreeExperiment& c = *current();
        EXPECT_EQ(caption(),
                  "Doppler spectroscopy : Free experiment " + std::to_string(page) + "/4");
        EXPECT_EQ(opening().rfind(headings[page - 1], 0), 0u) << opening();
        EXPECT_TRUE(c.ChBoxPlanet2->isChecked());
        EXPECT_TRUE(c.ChBoxPlanet3->isEnabled());
        EXPECT_FALSE(c.ChBoxPlanet3->isChecked()) << "Skyron is the reader's to add";
        EXPECT_TRUE(c.PlanetParamButton->isEnabled());
        TPlanetParamForm& d = *c.ParamForm;
        for (QSlider* s : {d.aSlider, d.EccSlider, d.incSlider, d.phiSlider, d.psiSlider,
                           d.massSlider, d.SmassSlider})
            EXPECT_TRUE(s->isEnabled());
        EXPECT_TRUE(c.TimeSlider->isEnabled());
        EXPECT_TRUE(c.AutoScaleVelocity->isChecked());
        EXPECT_TRUE(nextShown());
    }
}

TEST_F(FreeExperimentTest, TurningThePageBringsVulcanBackAndRestarts) {
    openPage(1);
    TFreeExperiment& c = *current();
    c.ChBoxPlanet3->setChecked(true);
    c.ChBoxPlanet2->setChecked(false);
    c.StartButton->click();
    for (int i = 0; i < 10; ++i)
        c.Timer1Timer();
    ASSERT_GT(c.Time, 0.0);

    book->PageForward();
    EXPECT_TRUE(c.ChBoxPlanet2->isChecked());
    EXPECT_TRUE(c.Planets[1].Visible);
    EXPECT_EQ(c.Time, 0.0) << "Vulcan's return restarts the simulation";
    EXPECT_TRUE(c.Timer1->isActive()) << "a running simulation runs on";
    EXPECT_TRUE(c.Planets[2].Visible) << "the reader's Skyron stays";

    for (int i = 0; i < 10; ++i)
        c.Timer1Timer();
    book->PageForward();
    EXPECT_GT(c.Time, 0.0) << "with Vulcan already in, turning the page changes nothing";
}
