// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
// The robot astronomer goes on: it weighs 51 Peg b, then takes Upsilon Andromedae apart
// planet by planet, through the free experiment, the real systems card and the observing
// run window's Fit page; and the page keeps its last fit when a fit is cancelled.
#include "../book/BookFixture.h"

#include "realsystems/TRealSystemsForm.h"
#include "chapters/TFreeExperiment.h"
#include "observing/THowSureForm.h"
#include "observing/TObservingRunForm.h"
#include "observing/TPosteriorPlot.h"
#include "observing/TFitByHandPage.h"
#include "model/fit/FitText.h"
#include "observing/SessionWork.h"
#include "observing/TOrbitFitPage.h"

#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

class RobotFitTest : public ChapterTest<TFreeExperiment, 5> {
protected:
    TObservingRunForm& observe(int system, int nights, double days, double sigma,
                               int observable, const char* seed) {
        openPage(1);
        book->mnitRealSystems->trigger();
        TRealSystemsForm& card = *book->RealSystemsCard;
        card.SelectSystem(system);
        QTest::mouseClick(card.SetUpButton, Qt::LeftButton);
        book->mnitObservingRun->trigger();
        TObservingRunForm& w = *book->ObservingRunForm;
        w.NightsBox->setValue(nights);
        w.RunLengthBox->setValue(days);
        w.PrecisionBox->setValue(sigma);
        w.ObservableBox->setValue(observable);
        w.SeedEdit->setText(seed);
        QTest::mouseClick(w.ObserveButton, Qt::LeftButton);
        w.WaitForPeriodogram();
        w.Tabs->setCurrentWidget(w.FitPage);
        w.FitPage->WaitForFit();
        return w;
    }
    // The window printed to a PDF at `path`, as text.
    static QString printed(TObservingRunForm& w, const QString& path) {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        w.PrintTo(printer);
        QProcess run;
        run.start(QStandardPaths::findExecutable("pdftotext"), {path, "-"});
        run.waitForFinished(30000);
        return QString::fromUtf8(run.readAllStandardOutput());
    }
    void fitOneMore(TOrbitFitPage& page) {
        ASSERT_TRUE(page.NextPlanetButton->isEnabled());
        QTest::mouseClick(page.NextPlanetButton, Qt::LeftButton);
        page.WaitForFit();
    }
};

TEST_F(RobotFitTest, Weighs51PegB) {
    TObservingRunForm& w = observe(0, 40, 60, 5, 100, "51");
    TOrbitFitPage& page = *w.FitPage;
    EXPECT_FALSE(page.CompareButton->isEnabled()) << "nothing fitted to compare yet";
    fitOneMore(page);
    ASSERT_NE(page.Solution(), nullptr);
    ASSERT_EQ(page.Solution()->planets.size(), 1u);
    const fit::TFittedPlanet& b = page.Solution()->planets[0];
    EXPECT_NEAR(b.massSinI_Jupiter.value / 0.47, 1.0, 0.1) << b.massSinI_Jupiter.value;
    ASSERT_EQ(page.Results->rowCount(), 1);
    const QString mass = page.Results->item(0, 4)->text();
    EXPECT_TRUE(mass.startsWith(QString::number(b.massSinI_Jupiter.value, 'f', 2).left(3)))
        << mass.toStdString();
    EXPECT_TRUE(mass.contains("\u00b1"));
    EXPECT_TRUE(page.Summary->text().startsWith("rms ")) << page.Summary->text().toStdString();

    // The truth only when asked for, with the distance in uncertainties.
    EXPECT_FALSE(page.Comparing());
    QTest::mouseClick(page.CompareButton, Qt::LeftButton);
    EXPECT_TRUE(page.Comparing());
    EXPECT_EQ(page.Results->verticalHeaderItem(0)->text(), "true b");
    EXPECT_TRUE(page.Results->item(0, 0)->text().contains("\u03c3)"));
    QTest::mouseClick(page.CompareButton, Qt::LeftButton);
    EXPECT_FALSE(page.Comparing());

    // How sure: the orbits the measurements allow, beside the fit's value and sigma.
    w.FileMenuShow();
    ASSERT_TRUE(w.mnitHowSure->isEnabled());
    w.mnitHowSure->trigger();
    THowSureForm& sure = *w.HowSureForm;
    sure.WaitForSampling();
    ASSERT_TRUE(sure.Sampled()) << sure.StatusLabel->text().toStdString();
    EXPECT_TRUE(sure.StatusLabel->text().startsWith("Converged: ")) << sure.StatusLabel->text().toStdString();
    ASSERT_EQ(sure.Intervals->rowCount(), 6 + 1) << "P, K, e, omega, m sin i, a and the offset";
    EXPECT_EQ(sure.Intervals->item(4, 0)->text(), "b: m sin i (Jupiter masses)");
    const QStringList range = sure.Intervals->item(4, 3)->text().split(" to ");
    ASSERT_EQ(range.size(), 2);
    EXPECT_LT(range[0].toDouble(), b.massSinI_Jupiter.value);
    EXPECT_GT(range[1].toDouble(), b.massSinI_Jupiter.value);
    EXPECT_TRUE(sure.Plot->accessibleDescription().contains("orbits that fit the measurements"));
    QTemporaryDir dir;
    ASSERT_TRUE(sure.SaveChainFile(dir.filePath("chain.csv")));
    QFile chain(dir.filePath("chain.csv"));
    ASSERT_TRUE(chain.open(QIODevice::ReadOnly));
    EXPECT_TRUE(chain.readLine().contains("walkers"));
    EXPECT_TRUE(chain.readLine().startsWith("step,walker,ln p,P b,K b,"));
    sure.close();

    // The saved fit carries the draws' intervals until the fit changes.
    ASSERT_NE(page.Posterior(), nullptr);
    ASSERT_TRUE(page.SaveFit(dir.filePath("fit.csv")));
    QFile saved(dir.filePath("fit.csv"));
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(saved.readAll());
    EXPECT_TRUE(text.contains(", converged\n")) << text.toStdString();
    EXPECT_TRUE(text.contains("unit,posterior_median,posterior_low,posterior_high\n"));
    const QString printout = printed(w, dir.filePath("sure.pdf")).simplified();
    EXPECT_TRUE(printout.contains("68 % interval from")) << printout.toStdString();
    EXPECT_TRUE(printout.contains(": converged.")) << printout.toStdString();
    page.JitterBox->setChecked(!page.JitterBox->isChecked());
    page.WaitForFit();
    EXPECT_EQ(page.Posterior(), nullptr);
}

// 150 nights over five seasons at 3 m/s: three planets, each period within 2 %.
TEST_F(RobotFitTest, TakesUpsilonAndromedaeApart) {
    TObservingRunForm& w = observe(4, 150, 1826, 3, 60, "2024");
    TOrbitFitPage& page = *w.FitPage;
    std::vector<double> added; // each planet's period as it was added
    for (int planets = 1; planets <= 3; ++planets) {
        fitOneMore(page);
        ASSERT_EQ(page.Solution()->planets.size(), static_cast<std::size_t>(planets));
        ASSERT_NE(page.ResidualPeriodogram(), nullptr);
        added.push_back(page.Solution()->planets.back().period_days.value);
        // Lettered in the order they were added, b first, each keeping its letter: the
        // planet in row j is the one added j-th, nearest in period to what it was then.
        for (int j = 0; j < planets; ++j) {
            EXPECT_EQ(page.Results->verticalHeaderItem(j)->text(), QString(QChar('b' + j)));
            const double P = page.Solution()->planets[std::size_t(j)].period_days.value;
            const auto nearest =
                std::min_element(added.begin(), added.end(), [&](double a, double b) {
                    return std::abs(std::log(a / P)) < std::abs(std::log(b / P));
                });
            EXPECT_EQ(nearest - added.begin(), j) << P;
        }
    }
    EXPECT_FALSE(std::is_sorted(added.begin(), added.end()))
        << "found out of the order of their periods, or the letters could follow either";
    EXPECT_TRUE(page.NextPlanetButton->isEnabled()) << "four planets at most";
    EXPECT_EQ(page.Results->rowCount(), 3);
    for (double period : {4.617, 241.3, 1276.0}) {
        SCOPED_TRACE(period);
        bool found = false;
        for (const fit::TFittedPlanet& p : page.Solution()->planets)
            found = found || std::abs(p.period_days.value / period - 1.0) < 0.02;
        EXPECT_TRUE(found);
    }
    // The truth is the m sin i that was set, which the fit should reproduce: d's 4.1, not
    // the 4.1123 the exact mass function reads from the simulation's K.
    QTest::mouseClick(page.CompareButton, Qt::LeftButton);
    QStringList masses;
    for (int row = 0; row < page.Results->rowCount(); ++row)
        masses << page.Results->item(row, 4)->text().section("  ", 0, 0);
    EXPECT_TRUE(masses.contains("4.1")) << masses.join(", ").toStdString();
    EXPECT_TRUE(masses.contains("1.98")) << "ups And c";
}

// A cancelled fit leaves the last good one in place; removing a planet steps back.
TEST_F(RobotFitTest, CancelKeepsTheLastFit) {
    TObservingRunForm& w = observe(4, 150, 1826, 3, 60, "7");
    TOrbitFitPage& page = *w.FitPage;
    fitOneMore(page);
    const double period = page.Solution()->planets.at(0).period_days.value;
    QTest::mouseClick(page.NextPlanetButton, Qt::LeftButton);
    ASSERT_TRUE(page.Working());
    EXPECT_TRUE(page.CancelButton->isEnabled());
    QTest::mouseClick(page.CancelButton, Qt::LeftButton);
    page.WaitForFit();
    ASSERT_NE(page.Solution(), nullptr);
    EXPECT_EQ(page.Solution()->planets.size(), 1u);
    EXPECT_EQ(page.Solution()->planets[0].period_days.value, period);
    EXPECT_EQ(page.Summary->text(), "Cancelled: the last fit is kept.");
    EXPECT_EQ(page.Results->rowCount(), 1);

    QTest::mouseClick(page.RemovePlanetButton, Qt::LeftButton);
    page.WaitForFit();
    EXPECT_EQ(page.Solution(), nullptr);
    EXPECT_EQ(page.Results->rowCount(), 0);

    // A fit not made is said so with its reason, as a sentence, wherever it is shown.
    fit::TFitResult refused;
    EXPECT_EQ(NoFitText(refused), "No fit could be made.");
    refused.message = Verbatim("Too few measurements");
    EXPECT_EQ(NoFitText(refused), "No fit could be made: too few measurements.");
    refused.message = Verbatim("RMS beyond every error?");
    EXPECT_EQ(NoFitText(refused), "No fit could be made: RMS beyond every error?");
}

// By hand: the curve that the sliders set near 51 Peg b's leaves an rms near the noise, one
// moved away leaves more; each readout shows its unit; "Fit using these" fits from them.
TEST_F(RobotFitTest, FitsByHandThenFromThere) {
    TObservingRunForm& w = observe(0, 40, 60, 5, 100, "51");
    TFitByHandPage& hand = *w.ByHandPage;
    const auto truth = kepler::ElementsOf(w.Followed()->SystemElements().planets.at(0),
                                          w.Followed()->SystemElements().starMass);
    // Step the period slider to the true period, the amplitude to the true K.
    const auto closest = [&](TFitByHandPage::TElement which, auto value) {
        QSlider* slider = hand.Sliders[which];
        int best = 0;
        double distance = 1e300;
        for (int i = 0; i <= TFitByHandPage::SliderSteps; ++i) {
            slider->setValue(i);
            if (std::abs(value() ) < distance) {
                distance = std::abs(value());
                best = i;
            }
        }
        slider->setValue(best);
    };
    closest(TFitByHandPage::Period, [&] { return std::log(hand.Elements().period_days / truth.period_days); });
    closest(TFitByHandPage::Amplitude, [&] { return hand.Elements().K_mps - truth.K_mps; });
    // 51 Peg b's published ω: the periastron is then timed from it.
    closest(TFitByHandPage::Omega, [&] {
        return std::remainder(hand.Elements().omega_rad - truth.omega_rad, 2 * 3.141592653589793);
    });
    closest(TFitByHandPage::Periastron, [&] {
        return std::remainder(hand.Elements().tPeri_days - truth.tPeri_days, hand.Elements().period_days);
    });
    EXPECT_TRUE(hand.Readouts[TFitByHandPage::Period]->text().endsWith(" days"));
    EXPECT_TRUE(hand.Readouts[TFitByHandPage::Amplitude]->text().endsWith(" m/s"));
    EXPECT_TRUE(hand.Readouts[TFitByHandPage::Omega]->text().endsWith("\u00b0"));
    const auto rms = [&] {
        return hand.RmsLabel->text().section(": ", 1).section(" ", 0, 0).toDouble();
    };
    // The period slider's step is too coarse to keep phase over 60 days; the rms still falls
    // well below the signal's.
    const double near = rms();
    EXPECT_LT(near, 25.0) << hand.RmsLabel->text().toStdString();
    hand.Sliders[TFitByHandPage::Amplitude]->setValue(0);
    EXPECT_GT(rms(), near);

    closest(TFitByHandPage::Amplitude, [&] { return hand.Elements().K_mps - truth.K_mps; });
    QTest::mouseClick(hand.FitButton, Qt::LeftButton);
    w.FitPage->WaitForFit();
    ASSERT_NE(w.FitPage->Solution(), nullptr);
    ASSERT_EQ(w.FitPage->Solution()->planets.size(), 1u);
    EXPECT_NEAR(w.FitPage->Solution()->planets[0].period_days.value / truth.period_days, 1.0, 0.002);
}

TEST_F(RobotFitTest, ThePrintoutCarriesTheFitTableAndTheResidualsOnceAFitIsShown) {
    TObservingRunForm& w = observe(0, 40, 60, 5, 100, "51");
    TOrbitFitPage& page = *w.FitPage;
    QTemporaryDir dir;
    const QString unfitted = printed(w, dir.filePath("unfitted.pdf"));
    EXPECT_FALSE(unfitted.contains("Orbit fit"));
    EXPECT_EQ(unfitted.count('\f'), 1) << "one page";

    page.JitterBox->setChecked(true);
    page.WaitForFit();
    fitOneMore(page);
    const fit::TOrbitSolution* s = page.Solution();
    ASSERT_NE(s, nullptr);
    const QString pages = printed(w, dir.filePath("fitted.pdf"));
    EXPECT_EQ(pages.count('\f'), 2) << "the fit on a page of its own";
    const QString text = pages.simplified();
    EXPECT_TRUE(text.contains("Orbit fit"));
    // The table as the page shows it: every header and cell.
    for (int c = 0; c < page.Results->columnCount(); ++c) {
        EXPECT_TRUE(text.contains(page.Results->horizontalHeaderItem(c)->text()))
            << page.Results->horizontalHeaderItem(c)->text().toStdString();
        EXPECT_TRUE(text.contains(page.Results->item(0, c)->text()))
            << page.Results->item(0, c)->text().toStdString();
    }
    EXPECT_TRUE(text.contains(page.Summary->text().simplified())) << page.Summary->text().toStdString();
    EXPECT_TRUE(page.Summary->text().contains("BIC"));
    const QString offset =
        "offset " + QString::fromStdString(fit::WithUncertainty(s->offsets_mps[0]).English()) + " m/s";
    const QString jitter =
        "jitter " + QString::fromStdString(fit::WithUncertainty(s->jitters_mps[0]).English()) + " m/s";
    EXPECT_TRUE(text.contains(offset)) << offset.toStdString() << " in " << text.toStdString();
    EXPECT_TRUE(text.contains(jitter)) << jitter.toStdString();
    EXPECT_TRUE(text.contains("residual (m/s)")) << "the residual plot's axis";
}
