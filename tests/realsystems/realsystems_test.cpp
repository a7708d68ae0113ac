// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
// The reference card of real planetary systems, and setting a system up in the free
// experiment through the parameter dialog.
#include "../book/BookFixture.h"

#include "realsystems/TRealSystemsForm.h"
#include "chapters/TFreeExperiment.h"
#include "model/orbit/RadialSpeed.h"
#include "model/simulation/RealSystems.h"
#include "simulation/TPlanetParamForm.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QRadioButton>
#include <QSlider>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <cmath>
#include <string>

namespace {

constexpr double Pi = 3.141592653589793;

struct RunFigures {
    double Period_days;
    double K_mps;
};

} // namespace

class RealSystemsTest : public ChapterTest<TFreeExperiment, 5> {
protected:
    TRealSystemsForm& card() {
        book->mnitRealSystems->trigger();
        return *book->RealSystemsCard;
    }
    void setUp(int system) {
        TRealSystemsForm& c = card();
        c.SelectSystem(system);
        ASSERT_TRUE(c.SetUpButton->isEnabled());
        QTest::mouseClick(c.SetUpButton, Qt::LeftButton);
    }
    // Runs planet k alone, from pericentre, until it comes round again: the time its true
    // anomaly takes to reach 2 pi, and half the star's radial velocity range on the way.
    RunFigures runAlone(int k) {
        TFreeExperiment& c = *current();
        QCheckBox* boxes[] = {c.ChBoxPlanet1, c.ChBoxPlanet2, c.ChBoxPlanet3};
        c.TimeSlider->setValue(2);
        for (int j = 0; j < 3; ++j)
            boxes[j]->setChecked(j == k);
        c.ResetSimulation();
        const TPlanet& planet = c.Planets[std::size_t(k)];
        double vmin = 1e30, vmax = -1e30, before = 0.0, thetaBefore = 0.0;
        while (planet.theta < 2 * Pi) {
            before = c.Time;
            thetaBefore = planet.theta;
            c.Advance();
            vmin = std::min(vmin, c.RadialVelocity);
            vmax = std::max(vmax, c.RadialVelocity);
        }
        const double crossing =
            before + (c.Time - before) * (2 * Pi - thetaBefore) / (planet.theta - thetaBefore);
        return {crossing, 0.5 * (vmax - vmin) * MpsPerAUPerDay};
    }
};

TEST_F(RealSystemsTest, EverySystemSetUpThroughTheDialogRunsAsCatalogued) {
    openPage(3);
    TFreeExperiment& c = *current();
    const auto& systems = RealSystems();
    for (int s = 0; s < int(systems.size()); ++s) {
        const TRealSystem& system = systems[std::size_t(s)];
        SCOPED_TRACE(system.Name);
        setUp(s);
        const std::size_t count = system.Planets.size();
        QRadioButton* radios[] = {c.ParamForm->PlanRadioButton1, c.ParamForm->PlanRadioButton2,
                                  c.ParamForm->PlanRadioButton3};
        QCheckBox* boxes[] = {c.ChBoxPlanet1, c.ChBoxPlanet2, c.ChBoxPlanet3};
        double shortest = 1e30;
        for (std::size_t k = 0; k < 3; ++k) {
            EXPECT_EQ(c.Planets[k].Visible, k < count) << k;
            if (k >= count)
                continue;
            const std::string name = SimulationName(system, system.Planets[k]);
            EXPECT_EQ(c.Planets[k].Name.str(), name);
            EXPECT_EQ(radios[k]->text().toStdString(), name);
            EXPECT_EQ(boxes[k]->text().toStdString(), name);
            EXPECT_DOUBLE_EQ(c.Planets[k].inc, Pi / 2);
            EXPECT_EQ(c.Planets[k].phi, 0.0);
            const double omega = system.Planets[k].Omega.Value;
            EXPECT_DOUBLE_EQ(c.Planets[k].psi, std::isnan(omega) ? 0.0 : omega * Pi / 180)
                << "the published argument of periastron";
            EXPECT_EQ(c.Planets[k].a, system.Planets[k].a_AU);
            shortest = std::min(shortest, system.Planets[k].Period.Value);
        }
        EXPECT_EQ(c.Time, 0.0);
        EXPECT_TRUE(radios[0]->isChecked()) << "the dialog shows the first planet";
        const double window_days = std::pow(10.0, c.TimeSlider->value() + 1);
        EXPECT_GE(window_days, 2 * shortest) << "the graph shows a few periods";
        EXPECT_LE(window_days, 20 * shortest);

        // The new curve fills the graph from its first sweep, and the widest orbit the view.
        const double halfHeight = TVelocityGraph::Height / 2;
        const double largest = LargestRadialSpeed_AUperDay(c.Planets, c.StarMass);
        EXPECT_NEAR(largest * c.VelocityScale, 0.9 * halfHeight, 1e-9);
        double widest_AU = 0;
        for (std::size_t k = 0; k < count; ++k)
            widest_AU = std::max(widest_AU, system.Planets[k].a_AU * (1 + system.Planets[k].Ecc.Value));
        const double viewHalfHeight = 0.5 * std::fabs(c.WorldRect().size().y);
        EXPECT_LE(widest_AU * c.OrbitScale, viewHalfHeight);
        EXPECT_GE(widest_AU * c.OrbitScale, 0.5 * viewHalfHeight);

        // At time 0 every planet is at pericentre, at its fastest: the arrows stay within
        // a quarter of the view's width and the longest is still long enough to read.
        const auto length = [](const TVector& v) { return std::sqrt(v.x * v.x + v.y * v.y + v.z * v.z); };
        const double viewWidth = std::fabs(c.WorldRect().size().x);
        double longestArrow = length(c.StarVelocity) * c.StarScale * c.StarArrowScale;
        for (std::size_t k = 0; k < count; ++k)
            longestArrow = std::max(longestArrow, length(c.Planets[k].Velocity) * c.OrbitScale *
                                                      c.PlanetArrowScale);
        longestArrow *= c.ArrowFactor;
        EXPECT_LE(longestArrow, 0.25 * viewWidth);
        if (c.ArrowFactor < 1)
            EXPECT_GE(longestArrow, 0.1 * viewWidth) << "shortened no more than it must be";

        const double starMass = c.StarMass;
        EXPECT_EQ(starMass, system.StarMass.Value);
        for (std::size_t k = 0; k < count; ++k) {
            const TRealPlanet& planet = system.Planets[k];
            SCOPED_TRACE(planet.Letter);
            const RunFigures run = runAlone(int(k));
            EXPECT_NEAR(run.Period_days / planet.Period.Value, 1.0, 0.005)
                << "simulated " << run.Period_days << " days";
            EXPECT_NEAR(run.K_mps / planet.K.Value, 1.0, 0.03)
                << "simulated K " << run.K_mps << " m/s against the published";
        }
    }
}

// After a system of three planets, a system of two gives the third place back to the
// chapter's own planet: its box never adds a planet of the system set up before.
TEST_F(RealSystemsTest, SetUpClearsThePlanetsASystemDoesNotUse) {
    openPage(3);
    TFreeExperiment& c = *current();
    setUp(4); // ups And: three planets
    ASSERT_EQ(c.ChBoxPlanet3->text().toStdString(), "Ups And d");
    setUp(6); // the Sun: two
    const TSimulationModel defaults;
    EXPECT_FALSE(c.ChBoxPlanet3->isChecked());
    EXPECT_EQ(c.ChBoxPlanet3->text().toStdString(), defaults.Planets[2].Name.str());
    EXPECT_EQ(c.ParamForm->PlanRadioButton3->text().toStdString(), defaults.Planets[2].Name.str());
    c.ChBoxPlanet3->setChecked(true);
    EXPECT_EQ(c.Planets[2].Name.str(), defaults.Planets[2].Name.str());
    EXPECT_EQ(c.Planets[2].a, defaults.Planets[2].a) << "not ups And d's 2.52 AU";
    EXPECT_EQ(c.Planets[2].mass, defaults.Planets[2].mass);
    EXPECT_EQ(c.Planets[2].ecc, defaults.Planets[2].ecc);
    EXPECT_EQ(c.Planets[0].Name.str(), "Jupiter") << "the system's own planets stay";
}

TEST_F(RealSystemsTest, SetUpWorksOnlyInTheFreeExperiment) {
    for (int chapter : {2, 3, 4, 5}) {
        SCOPED_TRACE(chapter);
        open(chapter);
        TRealSystemsForm& c = card();
        c.SelectSystem(0);
        EXPECT_EQ(c.SetUpButton->isEnabled(), chapter == 5);
        EXPECT_NE(c.SetUpLabel->text().contains("Free experiment"), chapter == 5)
            << c.SetUpLabel->text().toStdString();
    }
    // The open card follows the reader from chapter to chapter.
    TRealSystemsForm& c = card();
    ASSERT_TRUE(c.SetUpButton->isEnabled());
    book->PageBack();
    EXPECT_FALSE(c.SetUpButton->isEnabled()) << "back into 'Two planets'";
    book->PageForward();
    EXPECT_TRUE(c.SetUpButton->isEnabled());
    book->ChapterNumber = 0;
    book->ShowChapter(1);
    EXPECT_FALSE(c.SetUpButton->isEnabled()) << "on the contents page";
}

TEST_F(RealSystemsTest, ChoosingAnyRowOfASystemChoosesTheSystem) {
    openPage(1);
    TRealSystemsForm& c = card();
    EXPECT_FALSE(c.SetUpButton->isEnabled()) << "nothing chosen yet";
    const int upsAnd = 4;
    for (int row = 0; row < c.SystemTable->rowCount(); ++row) {
        if (c.RowSystem[std::size_t(row)] != upsAnd)
            continue;
        QTableWidget& table = *c.SystemTable;
        const QRect cell = table.visualRect(table.model()->index(row, 3));
        QTest::mouseClick(table.viewport(), Qt::LeftButton, {}, cell.center());
        EXPECT_EQ(c.SelectedSystem(), upsAnd);
        EXPECT_EQ(c.SystemTable->selectionModel()->selectedRows().size(), 4)
            << "three planets and the line on why it matters";
    }
    EXPECT_TRUE(c.SetUpButton->isEnabled());
}

TEST_F(RealSystemsTest, ASetUpSystemSurvivesPageTurns) {
    openPage(3);
    TFreeExperiment& c = *current();
    setUp(4); // Upsilon Andromedae: all three planets in use
    c.StartButton->click();
    for (int i = 0; i < 20; ++i)
        c.Timer1Timer();
    const double a = c.Planets[2].a, time = c.Time;
    book->PageForward();
    EXPECT_EQ(c.Planets[2].Name.str(), "Ups And d");
    EXPECT_EQ(c.Planets[2].a, a);
    EXPECT_EQ(c.Time, time) << "Vulcan is already in: nothing restarts";
    book->PageBack();
    book->PageBack();
    EXPECT_EQ(c.Planets[0].Name.str(), "Ups And b");

    setUp(0); // 51 Pegasi: one planet
    EXPECT_FALSE(c.Planets[1].Visible);
    book->PageForward();
    EXPECT_FALSE(c.Planets[1].Visible) << "no page brings Vulcan back with stale elements";
    EXPECT_FALSE(c.ChBoxPlanet2->isChecked());
    EXPECT_EQ(c.Planets[0].Name.str(), "51 Peg b");
}
