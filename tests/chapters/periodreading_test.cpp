// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
// A student must be able to read each period a question asks for off the graph itself:
// these tests run the simulation, read the period from the graph's pixels and type the
// answer as a student would.
#include "../book/BookFixture.h"
#include "GraphReading.h"

#include "TKeyEdit.h"
#include "chapters/TSimpleCase.h"
#include "chapters/TTwoPlanets.h"
#include "model/text/RoundToFigures.h"
#include "oWorldPortPaintBox.h"

#include <QSlider>
#include <QTest>
#include <cmath>
#include <string>

using namespace graphreading;

class PeriodReadingTest : public BookTest {
protected:
    TBaseChapter* sim() const { return dynamic_cast<TBaseChapter*>(chapter()); }
    // Runs the clock from the sweep the next tick starts until the curve reaches the
    // graph's right edge.
    void runOneSweep() {
        TBaseChapter& s = *sim();
        s.Timer1Timer();
        while (s.Time + s.TimeStep - s.SweepStart <= s.Right())
            s.Timer1Timer();
    }
    // The period (days) between the extremes of the curve now on the graph; the curve is
    // first smoothed over `smoothing` columns, and an extreme is the highest or lowest
    // point within `reach` columns.
    double readPeriod_days(int smoothing, int reach) {
        const QImage& graph = sim()->wpGraph->Surface();
        const std::optional<double> grid = GridSpacing_px(graph);
        const std::optional<double> period =
            Period_px(Extremes(Smooth(CurveMiddle(graph), smoothing), reach));
        if (!grid || !period) {
            ADD_FAILURE() << "no grid or no repeating curve on the graph";
            return 0;
        }
        // One grid division is 10^n days at time-scale position n ("t/1000 days").
        const double daysPerDivision = std::pow(10.0, sim()->TimeSlider->value());
        return *period / *grid * daysPerDivision;
    }
    static void type(TKeyEdit* field, double days, int figures) {
        field->clear();
        QTest::keyClicks(field, std::to_string(long(RoundToFigures(days, figures, true))).c_str());
    }
    std::string feedback() const {
        return dynamic_cast<TThisChapter*>(chapter())->FeedbackBox->toPlainText().toStdString();
    }
};

TEST_F(PeriodReadingTest, MondasAloneAtTheThousandDayScale) {
    open(2, 7);
    sim()->StartButton->click();
    runOneSweep();
    const double period = readPeriod_days(1, 20);
    EXPECT_NEAR(period, sim()->Planets[0].Period, 0.05 * sim()->Planets[0].Period);

    auto& chapter2 = dynamic_cast<TSimpleCase&>(*sim());
    type(chapter2.Q7Answer, period, 2);
    QTest::keyClick(chapter2.Q7Answer, Qt::Key_Return);
    EXPECT_EQ(feedback().rfind("\u2713 This is the correct answer.", 0), 0u) << feedback();
}

TEST_F(PeriodReadingTest, VulcanAtTheThousandDayScaleAndMondasAtTheLargest) {
    open(4, 3);
    auto& chapter4 = dynamic_cast<TTwoPlanets&>(*sim());
    chapter4.StartButton->click();
    // The first sweep runs off the fixed scale; the student asks for a rescale.
    runOneSweep();
    chapter4.ReScaleVelocity->click();
    runOneSweep();
    const double vulcan = readPeriod_days(3, 12);
    EXPECT_NEAR(vulcan, chapter4.Planets[1].Period, 0.1 * chapter4.Planets[1].Period);

    // As the hint says: the largest timescale for Mondas. Vulcan's fast wiggle makes the
    // curve a band, whose middle follows Mondas.
    chapter4.TimeSlider->setValue(4);
    runOneSweep();
    const double mondas = readPeriod_days(9, 8);
    EXPECT_NEAR(mondas, chapter4.Planets[0].Period, 0.1 * chapter4.Planets[0].Period);

    type(chapter4.MondasAnswer, mondas, 3);
    type(chapter4.VulcanAnswer, vulcan, 3);
    QTest::keyClick(chapter4.VulcanAnswer, Qt::Key_Return);
    EXPECT_EQ(feedback().rfind("\u2713 This is the correct answer.", 0), 0u) << feedback();
}
