// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
// A scripted student works through "Finding a planet" reading only the screen: the labels
// under the plots, the choices' captions and the feedback.
#include "../book/BookFixture.h"

#include "DataFile.h"
#include "TKeyEdit.h"
#include "chapters/FindingPlanetQuestions.h"
#include "chapters/FindingPlanetReadouts.h"
#include "chapters/TFindingPlanet.h"
#include "model/observing/HiddenSystems.h"
#include "model/observing/MeasurementsCsv.h"
#include "model/posterior/OrbitPosterior.h"
#include "observing/TDataPlot.h"
#include "observing/TFitPlot.h"
#include "observing/TFitByHandPage.h"
#include "observing/TFoldPlot.h"
#include "observing/TObservingRunForm.h"
#include "observing/TPeriodogramPlot.h"
#include "observing/TPosteriorPlot.h"
#include "thisbook/AnswerReport.h"

#include <QFile>
#include <QJsonArray>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>
#include <regex>
#include <string>

namespace {

constexpr int Chapter = 6;

// The first number after `label` in a readout, as the student reads it.
double Read(const QLabel* readout, const std::string& label) {
    const std::string text = readout->text().toStdString();
    std::smatch m;
    const std::regex number(label + "\\s*(-?[0-9]+(\\.[0-9]+)?)");
    EXPECT_TRUE(std::regex_search(text, m, number)) << label << " in: " << text;
    return m.empty() ? 0.0 : std::stod(m[1]);
}

} // namespace

class FindingPlanetTest : public ChapterTest<TFindingPlanet, Chapter> {
protected:
    void type(const std::string& typed) {
        TKeyEdit* field = current()->AnswerEdit;
        ASSERT_TRUE(field->isVisible());
        field->clear();
        QTest::keyClicks(field, QString::fromStdString(typed));
        QTest::keyClick(field, Qt::Key_Return);
    }
    void type(double value) { type(std::to_string(value)); }
    // Clicks the choice whose caption begins with `start`.
    void choose(const std::string& start) {
        for (oBitBtn* b : current()->Choices)
            if (b->isVisible() && b->Caption().rfind(start, 0) == 0) {
                QTest::mouseClick(b, Qt::LeftButton);
                return;
            }
        ADD_FAILURE() << "no choice begins with " << start;
    }
    void expectAccepted() {
        EXPECT_TRUE(current()->AnswerCorrect) << feedback();
        EXPECT_TRUE(nextShown());
    }
    void forward() {
        ASSERT_TRUE(nextShown());
        QTest::mouseClick(book->NavPanel->NextButton, Qt::LeftButton);
    }
    // Observes the star of `seed` as the student does on page 2, and waits for its fits.
    void observe(std::uint64_t seed) {
        current()->SeedEdit->setText(QString::number(seed));
        QTest::mouseClick(current()->ObserveButton, Qt::LeftButton);
        EXPECT_EQ(current()->Seed(), seed);
    }
    std::string run() const { return current()->RunLabel->text().toStdString(); }
    // m sin i by the formula of the page on weighing, from the fit's readout, Jupiter masses.
    double weighed(double starMass_Solar) const {
        const double P = Read(current()->FitLabel, "P =");
        const double K = Read(current()->FitLabel, "K =");
        const double e = Read(current()->FitLabel, "e =");
        return K / 28.4 * std::sqrt(1 - e * e) * std::cbrt(P / 365.25) *
               std::pow(starMass_Solar, 2.0 / 3.0);
    }
};

TEST_F(FindingPlanetTest, TheChapterStandsBetweenFreeExperimentAndTheSummary) {
    open(Chapter - 1, -1);
    forward();
    ASSERT_NE(current(), nullptr);
    EXPECT_EQ(caption(), "Doppler spectroscopy : Finding a planet 1/13");
    open(1);
    book->mnitChapters[Chapter - 1]->trigger();
    ASSERT_NE(current(), nullptr);
    EXPECT_EQ(book->mnitChapters[Chapter - 1]->text(), "&6 Finding a planet");
    open(Chapter, 13);
    forward();
    EXPECT_EQ(caption(), "Doppler spectroscopy : Summary 1/1");
}

TEST_F(FindingPlanetTest, AStudentReadingTheScreenIsAcceptedOnEveryQuestion) {
    std::size_t runs = 0;
    for (std::uint64_t seed : {7u, 2024u, 99999u}) {
        SCOPED_TRACE(seed);
        openPage(2);
        observe(seed);
        EXPECT_NE(run().find("Seed " + std::to_string(seed)), std::string::npos) << run();
        const double starMass = Read(current()->RunLabel, "of");
        choose("No");
        expectAccepted();
        forward();

        // Page 3, which says how precisely to answer, with a wrong answer first: the hint
        // comes with the second.
        EXPECT_NE(text().find("as many decimals as the half width has"), std::string::npos);
        type("0.01");
        EXPECT_EQ(feedback().find("Hint"), std::string::npos);
        QTest::mouseClick(current()->OKButton, Qt::LeftButton);
        type("0.01");
        EXPECT_NE(feedback().find("Hint: The period of the highest peak"), std::string::npos);
        QTest::mouseClick(current()->OKButton, Qt::LeftButton);
        const double peak = Read(current()->PeakLabel, "Highest peak:");
        type(peak);
        expectAccepted();
        forward();

        // Page 4: a poorer run raises the false-alarm probability shown; then the question.
        QTest::mouseClick(current()->FewerNightsButton, Qt::LeftButton);
        EXPECT_NE(run().find("Only 12 nights"), std::string::npos);
        QTest::mouseClick(current()->OwnRunButton, Qt::LeftButton);
        choose("noise alone");
        expectAccepted();
        forward();

        // Page 5: the alias the page's formula gives for the peak shown.
        const double alias = 1.0 / std::fabs(1.0 / peak - 1.0);
        oBitBtn* nearest = nullptr;
        for (oBitBtn* b : current()->Choices)
            if (!nearest || std::fabs(std::stod(b->Caption()) - alias) <
                                std::fabs(std::stod(nearest->Caption()) - alias))
                nearest = b;
        QTest::mouseClick(nearest, Qt::LeftButton);
        expectAccepted();
        forward();

        // Page 6.
        QTest::mouseClick(current()->FoldWrongButton, Qt::LeftButton);
        choose("scatter");
        expectAccepted();
        forward();

        // Pages 7 and 8: K as the fit shows it, then m sin i by the page's formula.
        current()->WaitForFits();
        EXPECT_TRUE(current()->FitPlot->Folded()) << "one orbit, however many the run spans";
        // A fitted jitter far from the star's stated one is told why.
        const double jitter = Read(current()->FitLabel, "jitter");
        const std::string fitted = current()->FitLabel->text().toStdString();
        EXPECT_EQ(fitted.find("explain the scatter") != std::string::npos, jitter < 0.05) << fitted;
        EXPECT_EQ(fitted.find("leaves signal behind") != std::string::npos,
                  jitter > 2.0 * observing::HiddenPlan(seed).jitter_mps + 1.0)
            << fitted;
        type(Read(current()->FitLabel, "K ="));
        expectAccepted();
        forward();
        // The star's mass left out is refused, though it may lie within 10 %.
        if (std::fabs(starMass - 1.0) > 0.02) {
            type(weighed(1.0));
            EXPECT_FALSE(current()->AnswerCorrect);
            QTest::mouseClick(current()->OKButton, Qt::LeftButton);
        }
        type(weighed(starMass));
        expectAccepted();
        forward();

        // Page 9: believed when the BIC drops by more than 10, a rise worded as a rise.
        const double delta = Read(current()->ResidualLabel, "BIC\\(one\\) =");
        const std::string residuals = current()->ResidualLabel->text().toStdString();
        EXPECT_NE(residuals.find(delta > 0 ? "raises the BIC by" : "lowers the BIC by"),
                  std::string::npos) << residuals;
        EXPECT_EQ(residuals.find("by -"), std::string::npos) << residuals;
        EXPECT_NE(text().find("lowers the BIC by more than 10"), std::string::npos);
        choose(delta < -10 ? "Yes: two" : "No");
        expectAccepted();
        forward();

        // Pages 10 and 11: 51 Peg b's period off the periodogram, its m sin i by the formula.
        current()->WaitForFits();
        type(Read(current()->PeakLabel, "Highest peak:"));
        expectAccepted();
        forward();
        type(weighed(Read(current()->RunLabel, "of")));
        expectAccepted();
        forward();
        // Page 12: circular or not, from where the middle 68 % of the orbits begin.
        current()->WaitForFits();
        choose(Read(current()->EccentricityLabel, "e from") < 0.1 ? "It may be" : "No");
        expectAccepted();
        forward();
        EXPECT_EQ(current()->Page, 13);
        EXPECT_NE(run().find("Hidden planet: P ="), std::string::npos) << run();
        EXPECT_NE(run().find("Your answers: P = " + std::to_string(peak) + " days, K = "),
                  std::string::npos) << run();
        // Every question of the run is kept, right, with its answers.
        int kept = 0;
        for (const TAnsweredQuestion& q : current()->Work)
            if (q.seed == seed) {
                EXPECT_TRUE(q.closed && q.attempts.back().right) << q.page;
                ++kept;
            }
        EXPECT_EQ(kept, 8);
        EXPECT_EQ(current()->Work.size(), 8 * ++runs + 3)
            << "51 Peg's two and the made-up star's one are kept once";
    }
}

// A page gone back to shows its question as answered: the answer given, latched, the
// verdict kept and the way on shown; observing another star asks it afresh.
TEST_F(FindingPlanetTest, GoingBackShowsAnAnsweredQuestionAsAnswered) {
    openPage(2);
    observe(7);
    choose("Yes: by joining");
    QTest::mouseClick(current()->OKButton, Qt::LeftButton);
    choose("No");
    ASSERT_TRUE(current()->AnswerCorrect);
    forward();
    // A decimal comma where the locale writes a point is said to be wrong, at no attempt's cost.
    const QLocale saved;
    QLocale::setDefault(QLocale::c());
    type("4,46");
    QLocale::setDefault(saved);
    EXPECT_EQ(current()->AnswerEdit->text(), "4,46");
    EXPECT_EQ(current()->WrongAnswers, 0);
    EXPECT_NE(feedback().find("decimals after a point"), std::string::npos) << feedback();
    QTest::mouseClick(current()->OKButton, Qt::LeftButton);
    QTest::mouseClick(book->NavPanel->BackButton, Qt::LeftButton);
    ASSERT_EQ(current()->Page, 2);
    EXPECT_TRUE(nextShown());
    EXPECT_TRUE(current()->QuestionClosed);
    for (oBitBtn* b : current()->Choices) {
        EXPECT_FALSE(b->isEnabled());
        EXPECT_EQ(b->Checked(), b->Caption().rfind("No", 0) == 0) << b->Caption();
    }
    const TAnsweredQuestion* kept = AnsweredOn(current()->Work, 2, 7);
    ASSERT_NE(kept, nullptr);
    EXPECT_EQ(kept->question, "Can you read the period off these points?");
    ASSERT_EQ(kept->attempts.size(), 2u);
    EXPECT_EQ(kept->attempts[0].answer, "Yes: by joining the dots");
    EXPECT_EQ(kept->Verdict(), "right at attempt 2");
    observe(8);
    EXPECT_FALSE(current()->QuestionClosed);
    EXPECT_FALSE(nextShown());
    EXPECT_TRUE(current()->Choices[0]->isEnabled());

    // Another chapter and back: the star and the answers are the student's still, and the
    // report to hand in lists them.
    open(Chapter + 1);
    openPage(2);
    EXPECT_EQ(current()->Seed(), 8u);
    EXPECT_NE(AnsweredOn(current()->Work, 2, 7), nullptr);
    book->StudentName = "Ada <Lovelace>";
    const QString report = AnswerReportHtml(book->StudentName, book->StudentWork());
    for (const char* part : {"Ada &lt;Lovelace&gt;", "Chapter 6: Finding a planet",
                             "<b>Seed:</b> 8", "Can you read the period off these points? (seed 7)",
                             "Attempt 1: Yes: by joining the dots (wrong)",
                             "Attempt 2: No: too few points to join up (right)",
                             "<b>Verdict:</b> right at attempt 2"})
        EXPECT_TRUE(report.contains(part)) << part << "\n" << report.toStdString();

    // A book reopened at another zoom takes the name, the star and the answers over; a part
    // with a field out of range is refused by its name.
    const QJsonObject work = book->KeptWork();
    ASSERT_TRUE(work.contains("answers"));
    std::unique_ptr<TThisBook, void (*)(TForm*)> reopened(CreateForm<TThisBook>(), TForm::Free);
    reopened->LeaveSplash();
    reopened->ChapterNumber = Chapter;
    reopened->ShowChapter(2);
    EXPECT_EQ(reopened->RestoreWork(work), QString());
    EXPECT_EQ(reopened->StudentName, book->StudentName);
    EXPECT_EQ(reopened->StudentWork(), book->StudentWork());
    auto* again = dynamic_cast<TFindingPlanet*>(reopened->CurrentChapter);
    ASSERT_NE(again, nullptr);
    EXPECT_EQ(again->Seed(), 8u);
    EXPECT_EQ(again->Page, 2);
    QJsonObject answers = work["answers"].toObject();
    QJsonArray chapters = answers["chapters"].toArray();
    QJsonObject first = chapters[0].toObject();
    first["seed"] = -1;
    chapters[0] = first;
    answers["chapters"] = chapters;
    EXPECT_TRUE(reopened->RestoreWork({{"answers", answers}}).contains("answers.chapters[0].seed"));
}

// The page on real data: each instrument in a plot of its own, the papers the page cites
// those its files name, the periodogram's peak at 51 Peg b's period, and the fit's points
// one orbit long.
TEST_F(FindingPlanetTest, ThePublishedDataOf51PegShowAsThePageSays) {
    openPage(findingplanet::RealDataPage);
    current()->WaitForFits();
    const rvdata::TRvDataSet& real = current()->RealData();
    ASSERT_EQ(real.instruments.size(), 2u) << current()->RealDataFault();
    const std::string text = current()->TextBox->toPlainText().toStdString();
    std::size_t shown = 0;
    for (std::size_t i = 0; i < 2; ++i) {
        SCOPED_TRACE(real.instruments[i].name);
        const TDataPlot* plot = current()->InstrumentPlots[i];
        EXPECT_TRUE(plot->isVisibleTo(current()));
        for (const observing::TMeasurement& m : plot->Measurements().data)
            EXPECT_EQ(m.instrument, int(i));
        shown += plot->Measurements().data.size();
        // "Butler et al. 2006 (ApJ, 646, 505)" is cited as "Butler et al. 2006, ApJ 646, 505".
        const std::string& paper = real.instruments[i].reference;
        EXPECT_NE(text.find(paper.substr(0, paper.find(" ("))), std::string::npos) << paper;
        EXPECT_NE(text.find(real.instruments[i].name), std::string::npos);
        EXPECT_NE(run().find(paper), std::string::npos) << run();
    }
    EXPECT_EQ(shown, real.measurements.data.size());
    EXPECT_FALSE(current()->DataPlot->isVisibleTo(current()));
    EXPECT_FALSE(current()->SeedEdit->isVisibleTo(current()));

    const double peak = Read(current()->PeakLabel, "Highest peak:");
    EXPECT_NEAR(peak, findingplanet::RealPeriod_days, findingplanet::RealPeriodTolerance_days);
    ASSERT_NE(current()->PeriodogramPlot->Peak(), nullptr);
    EXPECT_NEAR(current()->PeriodogramPlot->Peak()->period_days, peak, 0.001);
    EXPECT_NEAR(current()->FoldPlot->Period_days(), peak, 0.001 * peak);
    EXPECT_EQ(current()->FoldPlot->VelocityTitle(), "v less each instrument's zero point (m/s)");
    const fit::TOrbitSolution* fitted = current()->RealFit();
    ASSERT_NE(fitted, nullptr);
    ASSERT_EQ(fitted->offsets_mps.size(), 2u);
    EXPECT_GT(fitted->jitters_mps[0].value + fitted->jitters_mps[1].value, 0.0);
    const double P = fitted->planets[0].period_days.value;
    for (const observing::TMeasurement& m : current()->FitPlot->Measurements().data) {
        EXPECT_GE(m.t_days, 0.0);
        EXPECT_LT(m.t_days, P);
    }
    // Each instrument's points, less its zero point, scatter about the one curve.
    const auto& folded = current()->FitPlot->Measurements().data;
    double squares = 0.0;
    for (const observing::TMeasurement& m : folded) {
        const double left = m.v_mps - kepler::RadialVelocity_mps(current()->FitPlot->Planets(), m.t_days);
        squares += left * left;
    }
    EXPECT_NEAR(std::sqrt(squares / double(folded.size())), fitted->rms_mps, 0.01);
    EXPECT_NEAR(fitted->planets[0].massSinI_Jupiter.value, 0.47, 0.03) << "Butler et al. 2006";

    // Back on the student's own run, the fold and the plots are the run's again.
    current()->Page = findingplanet::SecondPlanetPage;
    current()->RefreshPage();
    EXPECT_FALSE(current()->DataPlot->isHidden());
    EXPECT_TRUE(current()->InstrumentPlots[0]->isHidden());
    EXPECT_EQ(current()->FitPlot->Measurements().data, current()->Data());
    const double ownPeak = Read(current()->PeakLabel, "Highest peak:");
    EXPECT_NE(ownPeak, peak);
    EXPECT_NEAR(current()->FoldPlot->Period_days(), ownPeak, 0.001 * ownPeak);
    EXPECT_EQ(current()->FoldPlot->VelocityTitle(), "radial velocity (m/s)");
}

// The page on the eccentricity: the fit puts e several σ from a circle, while the orbits
// drawn, converged, reach nearly circular ones; the readout, the histogram and the guide state
// the same numbers, and the answer judged right is the one they show.
TEST_F(FindingPlanetTest, TheEccentricityPageJudgesByTheOrbitsItShows) {
    openPage(findingplanet::EccentricityPage);
    EXPECT_TRUE(current()->EccentricityProgress->isVisibleTo(current()));
    EXPECT_FALSE(current()->Choices[0]->isEnabled()) << "no answer before the orbits are drawn";
    current()->WaitForFits();
    const fit::TOrbitSolution* fitted = current()->EccentricityFit();
    const posterior::TPosteriorSummary* orbits = current()->EccentricityOrbits();
    ASSERT_NE(fitted, nullptr);
    ASSERT_NE(orbits, nullptr);
    EXPECT_FALSE(current()->EccentricityProgress->isVisibleTo(current()));
    const fit::TEstimate& fitE = fitted->planets[0].ecc;
    const posterior::TInterval& e = orbits->planets[0].ecc;
    EXPECT_TRUE(orbits->converged);
    EXPECT_GT(fitE.value, 3 * fitE.sigma) << "the linearised σ rules a circle out";
    EXPECT_LT(e.low, findingplanet::NearlyCircular) << "the orbits drawn do not";
    EXPECT_LT(e.median, fitE.value - fitE.sigma);

    const std::string label = current()->EccentricityLabel->text().toStdString();
    EXPECT_NEAR(Read(current()->EccentricityLabel, "e ="), fitE.value, 0.01);
    EXPECT_NEAR(Read(current()->EccentricityLabel, "e from"), e.low, 0.005);
    EXPECT_NEAR(Read(current()->EccentricityLabel, "to"), e.high, 0.005);
    EXPECT_NEAR(Read(current()->EccentricityLabel, "median"), e.median, 0.005);
    EXPECT_NE(label.find("Converged: "), std::string::npos) << label;
    EXPECT_EQ(current()->EccentricityPlot->Draws(), orbits->pairs[0].ecc);
    EXPECT_NE(current()->AcceptedAnswer().find("It may be: nearly round orbits fit too"),
              std::string::npos) << current()->AcceptedAnswer();

    choose("No");
    EXPECT_FALSE(current()->AnswerCorrect);
    QTest::mouseClick(current()->OKButton, Qt::LeftButton);
    choose("It may be");
    expectAccepted();
}

TEST_F(FindingPlanetTest, DataThatCannotBeFoundAreSaidSoAndTheOtherPagesWork) {
    QTemporaryDir empty;
    SetDataFolders({empty.path().toStdString()});
    openPage(findingplanet::RealDataPage);
    SetDataFolders({});
    current()->WaitForFits();
    EXPECT_NE(run().find("The published measurements of 51 Peg cannot be read"), std::string::npos)
        << run();
    EXPECT_EQ(current()->RealFit(), nullptr);
    EXPECT_NE(current()->PeakLabel->text().indexOf("cannot be read"), -1);
    current()->Page = findingplanet::RealMassPage;
    current()->RefreshPage();
    type("0.47");
    EXPECT_FALSE(current()->AnswerCorrect) << "no fit, so nothing to be judged against";
    // The guide and the conclusion say why, not that the fit is still being worked out.
    EXPECT_NE(current()->AcceptedAnswer().find("No fit could be made: the published measurements "
                                               "of 51 Peg cannot be read"),
              std::string::npos)
        << current()->AcceptedAnswer();
}

TEST_F(FindingPlanetTest, ViewsUnlockPageByPage) {
    // The tabs open on each page, as bits from the Data tab up.
    const int open[] = {0b1, 0b1, 0b11, 0b11, 0b11, 0b111, 0b11111, 0b11111, 0b111111,
                        0b10111, 0b10111, 0b111111, 0b111111};
    for (int page = 1; page <= 13; ++page) {
        SCOPED_TRACE(page);
        openPage(page);
        QTabWidget* views = current()->Views;
        ASSERT_EQ(views->count(), findingplanet::TabCount);
        for (int tab = 0; tab < views->count(); ++tab)
            EXPECT_EQ(views->isTabEnabled(tab), bool(open[page - 1] & (1 << tab))) << tab;
        EXPECT_TRUE(views->isTabEnabled(views->currentIndex()));
        EXPECT_EQ(current()->FewerNightsButton->isVisibleTo(current()), page == 4);
        // The page on the eccentricity shows its own star in the views' place.
        EXPECT_EQ(views->isVisibleTo(current()), page != findingplanet::EccentricityPage);
        EXPECT_EQ(current()->EccentricityPanel->isVisibleTo(current()),
                  page == findingplanet::EccentricityPage);
    }
}

TEST_F(FindingPlanetTest, QuestionsOnTheFitWaitForIt) {
    openPage(2);
    observe(31);
    current()->Page = 7;
    current()->RefreshPage();
    const bool fitting = current()->OnePlanetFit() == nullptr;
    EXPECT_EQ(current()->DoneButton->isEnabled(), !fitting);
    current()->WaitForFits();
    EXPECT_TRUE(current()->DoneButton->isEnabled());
    EXPECT_NE(current()->FitLabel->text().indexOf("K = "), -1);
}

TEST_F(FindingPlanetTest, ASeedOutsideTheRangeIsRefusedAndTheRunKept) {
    openPage(2);
    observe(12);
    const auto data = current()->Data();
    current()->SeedEdit->setText("0");
    QTest::mouseClick(current()->ObserveButton, Qt::LeftButton);
    EXPECT_EQ(current()->Seed(), 12u);
    EXPECT_EQ(current()->Data(), data);
    EXPECT_NE(run().find("A seed is a whole number"), std::string::npos);

    // The run kept is the one exported for a spreadsheet, read back by the import's reader.
    QTemporaryDir dir;
    const QString csv = dir.filePath("run.csv");
    ASSERT_TRUE(book->ExportMeasurementsFile(csv));
    QFile file(csv);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const observing::TCsvReading read = observing::ReadMeasurementsCsv(file.readAll().toStdString());
    ASSERT_TRUE(read.ok) << read.message;
    EXPECT_EQ(read.set.data.size(), data.size());
    for (std::size_t i = 0; i < data.size(); ++i)
        EXPECT_DOUBLE_EQ(read.set.data[i].v_mps, data[i].v_mps);
    EXPECT_FALSE(book->ExportMeasurementsFile("/nonexistent-folder/run.csv"));
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].rfind("The measurements were not written: ", 0), 0u)
        << dialogs.messages[0];

    // The observing window opened from the chapter starts from the same run.
    book->mnitObservingRunClick();
    const TObservingRunForm& window = *book->ObservingRunForm;
    EXPECT_EQ(window.Measurements().data.size(), data.size());
    EXPECT_TRUE(window.StatusLabel->text().startsWith(
        QString("The %1 measurements of the chapter's run, seed 12.").arg(data.size())))
        << window.StatusLabel->text().toStdString();
}

// The choices' order follows the seed: every button is right for some seed, and a student
// who always presses the middle one is right on fewer than half of the choice pages. Pages 9
// and 12 are counted right whenever the middle button is either answer the data may make right.
TEST(FindingPlanetChoices, NoButtonIsAlwaysTheRightOne) {
    namespace q = findingplanet;
    int middleRight = 0, asked = 0;
    for (int page = 1; page <= q::PageCount; ++page) {
        const q::TQuestion* question = q::QuestionOn(page);
        if (!question || question->unit)
            continue;
        SCOPED_TRACE(page);
        std::array<bool, 3> rightSomewhere{};
        for (std::uint64_t seed = 1; seed <= 300; ++seed) {
            const std::array<int, 3> order = q::ChoiceOrder(page, seed);
            EXPECT_EQ(order, q::ChoiceOrder(page, seed)) << "the same for the teacher";
            for (int button = 0; button < 3; ++button) {
                const bool right = question->right >= 0 ? order[button] == question->right
                                                        : order[button] != 2;
                rightSomewhere[button] = rightSomewhere[button] || right;
                if (button == 1) {
                    middleRight += right;
                    ++asked;
                }
            }
        }
        EXPECT_EQ(rightSomewhere, (std::array<bool, 3>{true, true, true}));
    }
    EXPECT_EQ(asked, 6 * 300) << "pages 2, 4, 5, 6, 9 and 12 ask a choice";
    EXPECT_LT(middleRight, asked / 2);
}

// A scripted student presses the middle button on pages 2, 4, 5 and 6 of many seeds and is
// judged as the screen shows: right only where that button carries the right caption.
TEST_F(FindingPlanetTest, TheMiddleButtonIsRightOnlyAsOftenAsTheShuffleSays) {
    openPage(2);
    int right = 0, asked = 0;
    for (std::uint64_t seed = 1; seed <= 24; ++seed) {
        observe(seed);
        for (int page : {2, 4, 5, 6}) {
            current()->Page = page;
            current()->RefreshPage();
            const int shown = findingplanet::ChoiceOrder(page, seed)[1];
            QTest::mouseClick(current()->Choices[1], Qt::LeftButton);
            EXPECT_EQ(current()->AnswerCorrect, shown == findingplanet::QuestionOn(page)->right);
            right += current()->AnswerCorrect;
            ++asked;
        }
    }
    EXPECT_LT(right, asked / 2) << right << " of " << asked;
}
