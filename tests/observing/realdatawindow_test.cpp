// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
// Published measurements in the observing window: opened from the File menu or the card of
// real systems, imported through the import dialog, fitted with the model's choices and kept
// as CSV.
#include "../book/BookFixture.h"
#include "FileSizeLimit.h"

#include "model/fit/FitText.h"
#include "model/fit/PlanetMass.h"
#include "model/simulation/RealSystems.h"
#include "model/rv/RvBundle.h"
#include "model/orbit/planet.h"
#include "observing/TDataPlot.h"
#include "observing/TFoldPlot.h"
#include "observing/TImportDialog.h"
#include "observing/TObservingRunForm.h"
#include "observing/TOrbitFitPage.h"
#include "realsystems/TRealSystemsForm.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>

namespace {

QString Read(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

} // namespace

class RealDataWindowTest : public BookTest {
protected:
    TObservingRunForm& window() {
        book->mnitObservingRun->trigger();
        return *book->ObservingRunForm;
    }
};

// The menu names each star's instruments, measurements and papers; the set opened shows its
// papers, its instruments on one zero point, and leads to the card and back.
TEST_F(RealDataWindowTest, PublishedDataOpenFromTheMenuAndTheCard) {
    TObservingRunForm& w = window();
    ASSERT_EQ(w.mnitRealData.size(), rvdata::BundledStars().size());
    const QString entry = w.mnitRealData[0]->text();
    EXPECT_EQ(entry, "51 Peg: LICK, ELODIE, 409 measurements (Butler et al. 2006; Naef et al. 2004)");
    EXPECT_FALSE(w.mnitOnCard->isEnabled());

    w.mnitRealData[0]->trigger();
    EXPECT_EQ(w.RealDataStar(), "51 Peg");
    EXPECT_EQ(w.Measurements().data.size(), 409u);
    EXPECT_EQ(w.Measurements().instruments, (std::vector<std::string>{"LICK", "ELODIE"}));
    EXPECT_TRUE(w.StatusLabel->text().contains("LICK (256), ELODIE (153)"));
    EXPECT_TRUE(w.SourceLabel->isVisibleTo(&w));
    EXPECT_TRUE(w.SourceLabel->text().contains("Butler et al. 2006"));
    EXPECT_TRUE(w.SourceLabel->text().contains("Naef et al. 2004"));
    // ELODIE's zero point is some 33 km/s from LICK's; shown together, each instrument's
    // weighted mean is taken off.
    double spread = 0.0;
    for (const observing::TMeasurement& m : w.DataPlot->Measurements().data)
        spread = std::max(spread, std::abs(m.v_mps));
    EXPECT_LT(spread, 200.0);
    EXPECT_EQ(w.FoldPlot->VelocityTitle(), "v less each instrument's mean (m/s)")
        << "the fold shows the same levelled velocities";
    w.WaitForPeriodogram();
    ASSERT_NE(w.Periodogram(), nullptr);
    EXPECT_NEAR(w.Periodogram()->peak.period_days, 4.2308, 0.01);

    ASSERT_TRUE(w.mnitOnCard->isEnabled());
    w.mnitOnCard->trigger();
    ASSERT_NE(book->RealSystemsCard, nullptr);
    TRealSystemsForm& card = *book->RealSystemsCard;
    ASSERT_GE(card.SelectedSystem(), 0);
    EXPECT_EQ(RealSystems()[std::size_t(card.SelectedSystem())].ShortName, "51 Peg");

    // Back from the card: ups And's measurements replace 51 Peg's.
    ASSERT_TRUE(card.SelectStar("ups And"));
    ASSERT_TRUE(card.DataButton->isEnabled());
    card.DataButton->click();
    EXPECT_EQ(w.RealDataStar(), "ups And");
    EXPECT_EQ(w.Measurements().instruments.size(), 4u);
    EXPECT_DOUBLE_EQ(w.FitPage->StarMassBox->value(), 1.31)
        << "its planets weighed with the star's mass on the card (McArthur et al. 2010)";
    // The Sun's row has no measurements to open.
    for (std::size_t system = 0; system < RealSystems().size(); ++system)
        if (RealSystems()[system].ShortName.empty()) {
            card.SelectSystem(int(system));
            EXPECT_FALSE(card.DataButton->isEnabled());
        }
}

// A believed planet of a published star at a period its paper reports none at is said to be
// no planet yet; the published one is not.
TEST_F(RealDataWindowTest, APlanetThePaperDoesNotReportIsNoPlanetYet) {
    TObservingRunForm& w = window();
    ASSERT_TRUE(w.OpenRealData("HD 80606"));
    TOrbitFitPage& page = *w.FitPage;
    page.WaitForFit();
    page.JitterBox->setChecked(true);
    page.WaitForFit();
    for (const bool published : {true, false}) {
        page.NextPlanetButton->click();
        page.WaitForFit();
        EXPECT_EQ(page.EvidenceLabel->text().contains("No planet of HD 80606 is published at"),
                  !published)
            << page.EvidenceLabel->text().toStdString();
    }
    // All of the longer note can be read: its label is as tall as its lines, and scrolls.
    w.show();
    w.Tabs->setCurrentWidget(w.FitPage);
    QCoreApplication::processEvents();
    EXPECT_GE(page.EvidenceLabel->height(),
              page.EvidenceLabel->heightForWidth(page.EvidenceLabel->width()));
}

// One planet at a typed period, held circular, with a trend; its evidence beside it; the fit
// and the residuals saved, a failed save leaving the earlier file and saying so.
TEST_F(RealDataWindowTest, TheFitTakesTheModelsChoicesAndIsSaved) {
    TObservingRunForm& w = window();
    ASSERT_TRUE(w.OpenRealData("51 Peg"));
    TOrbitFitPage& page = *w.FitPage;
    page.WaitForFit();
    page.JitterBox->setChecked(true);
    page.TrendBox->setCurrentIndex(1);
    page.CircularBox->setChecked(true);
    page.PeriodBox->setValue(4.2308);
    page.FixPeriodBox->setChecked(false);
    ASSERT_TRUE(page.AtPeriodButton->isEnabled());
    page.AtPeriodButton->click();
    page.WaitForFit();
    const fit::TOrbitSolution* s = page.Solution();
    ASSERT_NE(s, nullptr) << page.Summary->text().toStdString();
    ASSERT_EQ(s->planets.size(), 1u);
    EXPECT_EQ(s->planets[0].ecc.value, 0.0);
    EXPECT_TRUE(s->planets[0].ecc.fixed);
    EXPECT_NEAR(s->planets[0].period_days.value, 4.2308, 0.001);
    EXPECT_EQ(s->trendOrder, 1);
    EXPECT_EQ(s->offsets_mps.size(), 2u);
    EXPECT_TRUE(page.EvidenceLabel->text().contains("BIC")) << page.EvidenceLabel->text().toStdString();
    EXPECT_TRUE(page.Summary->text().contains("trend"));
    // Each instrument by name with its offset and jitter, each with its uncertainty.
    ASSERT_EQ(page.Instruments->rowCount(), 2);
    EXPECT_EQ(page.Instruments->item(1, 0)->text(), "ELODIE");
    EXPECT_EQ(page.Instruments->item(1, 1)->text().toStdString(),
              fit::WithUncertainty(s->offsets_mps[1]));
    EXPECT_EQ(page.Instruments->item(1, 2)->text().toStdString(),
              fit::WithUncertainty(s->jitters_mps[1]));
    EXPECT_TRUE(page.Instruments->item(1, 2)->text().contains("\u00b1"));
    // Published data are weighed in the IAU's astronomical unit.
    const fit::TFittedPlanet& b = s->planets[0];
    EXPECT_NEAR(b.massSinI_Jupiter.value,
                fit::PlanetMass(b.period_days.value, b.K_mps.value, 0.0, page.StarMassBox->value(),
                                fit::TAstronomicalUnit::Iau)
                        .massSinI_Solar *
                    JupiterMassesPerSolarMass,
                1e-9);

    QTemporaryDir dir;
    ASSERT_TRUE(page.SaveFit(dir.filePath("fit.csv")));
    const QString fit = Read(dir.filePath("fit.csv"));
    EXPECT_TRUE(fit.startsWith("# Orbit fit of 51 Peg\n# Data: Butler et al. 2006"));
    EXPECT_TRUE(fit.contains("\nplanet b e,0,fixed,\n"));
    EXPECT_TRUE(fit.contains("\noffset ELODIE,"));
    EXPECT_TRUE(fit.contains("\ntrend,"));
    ASSERT_TRUE(page.SaveResiduals(dir.filePath("residuals.csv")));
    EXPECT_EQ(Read(dir.filePath("residuals.csv")).count('\n'), 2 + 409);

    EXPECT_FALSE(page.SaveFit(dir.filePath("no such folder/fit.csv")));
    EXPECT_TRUE(page.Summary->text().startsWith("The fit was not written")) << page.Summary->text().toStdString();
    {
        const FileSizeLimit disk(64);
        EXPECT_FALSE(page.SaveFit(dir.filePath("fit.csv")));
    }
    EXPECT_TRUE(page.Summary->text().startsWith("The fit was not written: file too large."))
        << page.Summary->text().toStdString();
    EXPECT_EQ(Read(dir.filePath("fit.csv")), fit) << "the earlier fit is kept";
}

// The dialog starts from the guess of each file and says so; each file keeps its own choice;
// the set read from two files has two instruments, and a refused set keeps what was shown.
TEST_F(RealDataWindowTest, TheImportDialogChoosesColumnsAndUnitsFilePerFile) {
    TImportDialog dialog;
    std::vector<rvdata::TRvFile> files(3);
    files[0] = {"star_1.csv", "# instrument = HARPS\ntime,rv,err\n2455000.1,1.2,0.8\n2455001.2,3.4,0.9\n2455002.3,-2.0,0.7\n", {}};
    files[1] = {"CORALIE.txt", "55003.1 -10.0012 0.003\n55004.2 -10.0051 0.004\n55005.3 -9.9987 0.003\n", {}};
    files[2] = {"broken.csv", "", {}};
    dialog.SetFiles(files);
    EXPECT_FALSE(dialog.OkButton->isEnabled()) << "the empty file cannot be read";
    dialog.FileBox->setCurrentIndex(2);
    EXPECT_TRUE(dialog.NotesLabel->text().startsWith("This file cannot be read as a table"));
    files.pop_back();
    dialog.SetFiles(files);
    EXPECT_TRUE(dialog.OkButton->isEnabled());
    EXPECT_EQ(dialog.Preview->rowCount(), 3);
    EXPECT_EQ(dialog.UnitBox->currentText(), "m/s");
    dialog.FileBox->setCurrentIndex(1);
    EXPECT_EQ(dialog.UnitBox->currentText(), "km/s") << "errors of millimetres a second are km/s";
    EXPECT_EQ(dialog.ScaleBox->currentText(), "MJD");
    EXPECT_FALSE(dialog.NotesLabel->text().isEmpty());
    dialog.ErrorBox->setCurrentIndex(2);
    dialog.ScaleBox->setCurrentIndex(2);
    ASSERT_TRUE(dialog.Files()[1].choice.has_value());
    EXPECT_EQ(dialog.Files()[1].choice->scale, rvdata::TTimeScale::MJD);
    EXPECT_EQ(dialog.Files()[0].choice->unit, rvdata::TVelocityUnit::MetresPerSecond);

    TObservingRunForm& w = window();
    ASSERT_TRUE(w.ImportDataSet(dialog.Files())) << w.StatusLabel->text().toStdString();
    EXPECT_EQ(w.Measurements().data.size(), 6u);
    EXPECT_EQ(w.Measurements().instruments, (std::vector<std::string>{"HARPS", "CORALIE"}));
    // 55003.1 MJD is 2455003.6 JD, in km/s: -10.0012 km/s is -10001.2 m/s.
    const auto& data = w.Measurements().data;
    const auto coralie = std::find_if(data.begin(), data.end(), [](const auto& m) { return m.instrument == 1; });
    ASSERT_NE(coralie, data.end());
    EXPECT_NEAR(coralie->t_days + w.Measurements().timeOffset_days, 2455003.6, 1e-6);
    EXPECT_NEAR(coralie->v_mps, -10001.2, 1e-6);

    std::vector<rvdata::TRvFile> bad = {{"bad.csv", "1,2,3\n4,5,x\n7,8,9\n", {}}};
    EXPECT_FALSE(w.ImportDataSet(bad));
    EXPECT_TRUE(w.StatusLabel->text().contains("bad.csv: line 2")) << w.StatusLabel->text().toStdString();
    EXPECT_TRUE(w.StatusLabel->text().endsWith("The measurements shown are kept."));
    EXPECT_EQ(w.Measurements().data.size(), 6u);
    std::vector<rvdata::TRvFile> mixed = {{"mixed.csv", "1,2,3\n2,3,4\n3\t4\t5\n", {}}};
    EXPECT_FALSE(w.ImportDataSet(mixed));
    EXPECT_TRUE(w.StatusLabel->text().endsWith("something else? The measurements shown are kept."))
        << w.StatusLabel->text().toStdString();
    // The star's mass as a catalogue gives it, to three decimals.
    w.FitPage->SetStarMass(0.874);
    EXPECT_DOUBLE_EQ(w.FitPage->StarMassBox->value(), 0.874);
}
