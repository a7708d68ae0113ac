// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
// The observing window's work off the interface thread when the student does not wait for it:
// the window closed, the book closed or the page turned while a periodogram or a fit runs;
// printing while a periodogram is being worked out; settings changed during a planet search.
#include "../book/BookFixture.h"

#include "observing/TObservingRunForm.h"
#include "observing/TOrbitFitPage.h"
#include "observing/TPeriodogramPlot.h"

#include <QCheckBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

namespace {

// Threads of this process.
int Threads() { return int(QDir("/proc/self/task").entryList(QDir::Dirs | QDir::NoDotAndDotDot).size()); }

// Lets queued ends arrive for a while.
void Settle(int ms = 150) { QTest::qWait(ms); }

} // namespace

class ObservingWorkTest : public BookTest {
protected:
    // A run of `nights` over `days` on the open chapter's star, its work left running.
    TObservingRunForm& observe(int nights, double days, double shortest) {
        open(2, 6);
        book->mnitObservingRun->trigger();
        TObservingRunForm& w = *book->ObservingRunForm;
        w.NightsBox->setValue(nights);
        w.RunLengthBox->setValue(days);
        w.ShortestBox->setValue(shortest);
        w.SeedEdit->setText("5");
        w.ObserveButton->click();
        return w;
    }
};

TEST_F(ObservingWorkTest, ClosingTheWindowStopsItsWorkAndOpeningItStartsAgain) {
    TObservingRunForm& w = observe(500, 20000, 0.1);
    ASSERT_TRUE(w.Working());
    ASSERT_TRUE(w.FitPage->Working()) << "the residuals' periodogram of the Fit page";
    w.close();
    EXPECT_FALSE(w.Working());
    EXPECT_FALSE(w.FitPage->Working());
    Settle();
    EXPECT_EQ(w.Periodogram(), nullptr) << "no result reaches the closed window";
    EXPECT_EQ(w.PeakLabel->text(), "No periodogram yet.") << "stopped by closing, not cancelled";
    EXPECT_EQ(w.FitPage->ResidualPeriodogram(), nullptr);

    book->mnitObservingRun->trigger();
    EXPECT_TRUE(w.Working()) << "the periodogram is owed to the measurements shown";
    EXPECT_TRUE(w.FitPage->Working());
    w.ShortestBox->setValue(20.0);
    w.WaitForPeriodogram();
    w.FitPage->WaitForFit();
    EXPECT_NE(w.Periodogram(), nullptr);
    EXPECT_NE(w.FitPage->ResidualPeriodogram(), nullptr);
}

TEST_F(ObservingWorkTest, ClosingTheBookMidWorkLeavesNoThreadAndNoLateResult) {
    const int before = Threads();
    TObservingRunForm& w = observe(500, 20000, 0.1);
    ASSERT_TRUE(w.Working());
    w.FitPage->NextPlanetButtonClick(); // the session's fit too is cut off
    ASSERT_TRUE(w.FitPage->Working());
    EXPECT_GT(Threads(), before);
    Application::SetMainForm(nullptr);
    TForm::Free(access);
    TForm::Free(book);
    access = nullptr;
    book = nullptr;
    // The periodogram's own helper threads leave just after the worker that led them.
    for (int i = 0; i < 100 && Threads() > before; ++i)
        QThread::msleep(20);
    EXPECT_LE(Threads(), before) << "every worker thread is joined with its window";
    Settle(); // a late end would reach freed memory here (the sanitizer build sees it)
}

TEST_F(ObservingWorkTest, TurningThePageLetsTheWorkFinishOnTheMeasurementsShown) {
    TObservingRunForm& w = observe(400, 8000, 0.5);
    ASSERT_TRUE(w.Working());
    const auto shown = w.Measurements().data;
    book->ShowChapter(3);
    book->ChapterNumber = 0;
    book->ShowChapter(1);
    EXPECT_EQ(w.Followed(), nullptr);
    w.WaitForPeriodogram();
    w.FitPage->WaitForFit();
    EXPECT_EQ(w.Measurements().data, shown);
    ASSERT_NE(w.Periodogram(), nullptr);
    EXPECT_EQ(w.PeriodogramPlot->Peak(), &w.Periodogram()->peak);
    EXPECT_NE(w.FitPage->ResidualPeriodogram(), nullptr);
}

TEST_F(ObservingWorkTest, PrintingDoesNotWaitForThePeriodogram) {
    TObservingRunForm& w = observe(500, 20000, 0.1);
    ASSERT_TRUE(w.Working());
    QTemporaryDir dir;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath("run.pdf"));
    QElapsedTimer clock;
    clock.start();
    w.PrintTo(printer);
    EXPECT_TRUE(w.Working()) << "the page shows the periodogram as being worked out";
    EXPECT_GT(QFileInfo(dir.filePath("run.pdf")).size(), 1000);
    w.CancelButton->click();
    w.WaitForPeriodogram();
    EXPECT_EQ(w.PeakLabel->text(), "Cancelled.");
}

TEST_F(ObservingWorkTest, MeasurementsAllAtOneTimeSayWhyThereIsNoPeriodogram) {
    open(2, 6);
    book->mnitObservingRun->trigger();
    TObservingRunForm& w = *book->ObservingRunForm;
    QTemporaryDir dir;
    QFile file(dir.filePath("one night.csv"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("2450000.5,12,2\n2450000.5,-3,2\n2450000.5,4,2\n2450000.5,7,2\n");
    file.close();
    ASSERT_TRUE(w.ImportFile(file.fileName()));
    EXPECT_FALSE(w.Working());
    EXPECT_EQ(w.Periodogram(), nullptr);
    EXPECT_FALSE(w.ComputeButton->isEnabled());
    EXPECT_TRUE(w.PeakLabel->text().contains("same time")) << w.PeakLabel->text().toStdString();
}

// Over two of the planet's orbits, so that the search may add it.
TEST_F(ObservingWorkTest, NewSettingsDuringAPlanetSearchRefitOnceItEnds) {
    TObservingRunForm& w = observe(300, 9000, 1.0);
    w.WaitForPeriodogram();
    TOrbitFitPage& page = *w.FitPage;
    page.WaitForFit();
    ASSERT_TRUE(page.NextPlanetButton->isEnabled());
    page.NextPlanetButton->click();
    ASSERT_TRUE(page.Working());
    page.JitterBox->setChecked(true);
    EXPECT_TRUE(page.Working()) << "the search goes on";
    EXPECT_TRUE(page.RefitQueued());
    EXPECT_TRUE(page.Summary->text().contains("new settings")) << page.Summary->text().toStdString();
    page.WaitForFit();
    EXPECT_FALSE(page.RefitQueued());
    ASSERT_NE(page.Solution(), nullptr);
    EXPECT_EQ(page.Solution()->planets.size(), 1u) << "the planet the search found is kept";
    EXPECT_GT(page.Solution()->jitter_mps, 0.0) << "and refitted with a jitter";
}
