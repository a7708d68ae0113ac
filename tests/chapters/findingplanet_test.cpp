// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
// A scripted student works through "Finding a planet" reading only the screen: the labels
// under the plots, the choices' captions and the feedback.
#include "../book/BookFixture.h"

#include "TKeyEdit.h"
#include "chapters/TFindingPlanet.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
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
};

TEST_F(FindingPlanetTest, TheChapterStandsBetweenFreeExperimentAndTheSummary) {
    open(Chapter - 1, -1);
    forward();
    ASSERT_NE(current(), nullptr);
    EXPECT_EQ(caption(), "Doppler spectroscopy : Finding a planet 1/10");
    open(1);
    book->mnitChapters[Chapter - 1]->trigger();
    ASSERT_NE(current(), nullptr);
    EXPECT_EQ(book->mnitChapters[Chapter - 1]->text(), "&6 Finding a planet");
    open(Chapter, 10);
    forward();
    EXPECT_EQ(caption(), "Doppler spectroscopy : Summary 1/1");
}

TEST_F(FindingPlanetTest, AStudentReadingTheScreenIsAcceptedOnEveryQuestion) {
    for (std::uint64_t seed : {7u, 2024u, 99999u}) {
        SCOPED_TRACE(seed);
        openPage(2);
        observe(seed);
        EXPECT_NE(run().find("Seed " + std::to_string(seed)), std::string::npos) << run();
        const double starMass = Read(current()->RunLabel, "of");
        choose("No");
        expectAccepted();
        forward();

        // Page 3, with a wrong answer first: the hint comes with the second.
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
        const double P = Read(current()->FitLabel, "P =");
        const double K = Read(current()->FitLabel, "K =");
        const double e = Read(current()->FitLabel, "e =");
        type(K);
        expectAccepted();
        forward();
        const double mass = K / 28.4 * std::sqrt(1 - e * e) * std::cbrt(P / 365.25) *
                            std::pow(starMass, 2.0 / 3.0);
        type(mass);
        expectAccepted();
        forward();

        // Page 9: believed when the BIC drops by more than 10.
        const double drop = Read(current()->ResidualLabel, "lowers the BIC by");
        choose(drop > 10 ? "Yes: two" : "No");
        expectAccepted();
        forward();
        EXPECT_EQ(current()->Page, 10);
        EXPECT_NE(run().find("Hidden planet: P ="), std::string::npos) << run();
    }
}

TEST_F(FindingPlanetTest, ViewsUnlockPageByPage) {
    const int unlocked[] = {1, 1, 2, 2, 2, 3, 4, 4, 5, 5};
    for (int page = 1; page <= 10; ++page) {
        SCOPED_TRACE(page);
        openPage(page);
        QTabWidget* views = current()->Views;
        for (int tab = 0; tab < views->count(); ++tab)
            EXPECT_EQ(views->isTabEnabled(tab), tab < unlocked[page - 1]) << tab;
        EXPECT_TRUE(views->isTabEnabled(views->currentIndex()));
        EXPECT_EQ(current()->FewerNightsButton->isVisibleTo(current()), page == 4);
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
}
