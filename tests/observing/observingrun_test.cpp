// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
// The robot astronomer: 51 Peg b set up from the real systems card in the free experiment,
// observed through the observing run window, its period read off the periodogram, and the
// measurements exported and imported again.
#include "../book/BookFixture.h"

#include "realsystems/TRealSystemsForm.h"
#include "chapters/TFreeExperiment.h"
#include "model/orbit/Kepler.h"
#include "observing/TObservingRunForm.h"

#include <QAction>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>

class RobotAstronomerTest : public ChapterTest<TFreeExperiment, 5> {
protected:
    void setUpFromTheCard(int system) {
        book->mnitRealSystems->trigger();
        TRealSystemsForm& card = *book->RealSystemsCard;
        card.SelectSystem(system);
        ASSERT_TRUE(card.SetUpButton->isEnabled());
        QTest::mouseClick(card.SetUpButton, Qt::LeftButton);
    }
    TObservingRunForm& window() {
        book->mnitObservingRun->trigger();
        return *book->ObservingRunForm;
    }
};

TEST_F(RobotAstronomerTest, Finds51PegbsPeriodAndGetsTheSamePeriodogramBackFromItsFile) {
    openPage(1);
    setUpFromTheCard(0);
    ASSERT_EQ(current()->Planets[0].Name.str(), "51 Peg b");
    TObservingRunForm& w = window();
    ASSERT_EQ(w.Followed(), dynamic_cast<TSimulationFeed*>(current()));

    QTest::keyClicks(w.SeedEdit, "");
    w.NightsBox->setValue(40);
    w.RunLengthBox->setValue(60);
    w.PrecisionBox->setValue(5);
    w.SeedEdit->setText("51");
    QTest::mouseClick(w.ObserveButton, Qt::LeftButton);
    w.WaitForPeriodogram();
    ASSERT_EQ(w.Measurements().data.size(), 40u) << w.StatusLabel->text().toStdString();
    ASSERT_NE(w.Periodogram(), nullptr);
    const double found = w.Periodogram()->peak.period_days;
    EXPECT_NEAR(found / 4.23, 1.0, 0.01) << found;
    EXPECT_TRUE(w.PeakLabel->text().startsWith("Highest peak: " + QString::number(found, 'f', 3)))
        << w.PeakLabel->text().toStdString();
    EXPECT_LT(w.Periodogram()->falseAlarm, 0.001);

    // The points lie on the chapter's own curve: the truth is the chapter's planet.
    const TSystemElements system = w.Followed()->SystemElements();
    const auto truth = kepler::ElementsOf(system.planets.at(0), system.starMass);
    double scatter = 0.0;
    for (const observing::TMeasurement& m : w.Measurements().data)
        scatter += std::pow(m.v_mps - kepler::RadialVelocity_mps(truth, m.t_days), 2);
    EXPECT_LT(std::sqrt(scatter / 40), 5.0 * 1.5);

    QTemporaryDir dir;
    const QString file = dir.filePath("51peg.csv");
    ASSERT_TRUE(w.ExportFile(file));
    const observing::TPeriodogram before = *w.Periodogram();
    ASSERT_TRUE(w.ImportFile(file)) << w.StatusLabel->text().toStdString();
    w.WaitForPeriodogram();
    ASSERT_NE(w.Periodogram(), nullptr);
    const observing::TPeriodogram& after = *w.Periodogram();
    ASSERT_EQ(after.power.size(), before.power.size());
    for (std::size_t i = 0; i < before.power.size(); ++i)
        ASSERT_NEAR(after.power[i], before.power[i], 1e-9) << i;
    EXPECT_NEAR(after.peak.period_days, found, 1e-9);
    EXPECT_EQ(w.StatusLabel->text(), "Read 40 measurements from 51peg.csv. (The plan on the "
                                     "left is for the chapter's star, not these data.)");
}
