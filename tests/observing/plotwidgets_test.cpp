// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
// The observing run's plot widgets as a page would place them: fed with the model's types,
// their readouts match what they were given and their pictures follow their setters.
#include "model/orbit/Kepler.h"
#include "model/observing/ObservingRun.h"
#include "model/fit/OrbitFit.h"
#include "model/observing/Periodogram.h"
#include "observing/TDataPlot.h"
#include "observing/TFitPlot.h"
#include "observing/TFoldPlot.h"
#include "observing/TPeriodogramPlot.h"
#include "observing/TResidualPlot.h"

#include <QImage>
#include <QPainter>
#include <cmath>
#include <gtest/gtest.h>

namespace {

const kepler::TRadialVelocityElements Planet{12.0, 40.0, 0.1, 1.0, 3.0};

// Thirty nights of a star with one planet, without noise, about an offset of 7 m/s.
observing::TMeasurementSet OneRun() {
    observing::TMeasurementSet set;
    set.timeOffset_days = 2450000.0;
    for (int i = 0; i < 30; ++i) {
        const double t = 1.7 * i + 0.3 * std::sin(i);
        set.data.push_back({t, 7.0 + kepler::RadialVelocity_mps(Planet, t), 2.0});
    }
    return set;
}

QImage Picture(const TObservingPlot& plot) {
    QImage image(400, 240, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    plot.DrawInto(p, QRectF(image.rect()));
    return image;
}

// Pixels of a colour: red, green or grey (the window function).
int Count(const QImage& image, bool (*is)(QRgb)) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += is(image.pixel(x, y));
    return n;
}
bool Red(QRgb c) { return qRed(c) > 150 && qGreen(c) < 110 && qBlue(c) < 110; }
bool Green(QRgb c) { return qGreen(c) > 100 && qRed(c) < 60 && qBlue(c) < 60; }

} // namespace

TEST(PlotWidgets, TheDataPlotDrawsTheCurveItIsGivenAndNoneWithout) {
    TDataPlot plot;
    plot.SetMeasurements(OneRun());
    EXPECT_EQ(plot.Measurements().data.size(), 30u);
    EXPECT_EQ(plot.Measurements().timeOffset_days, 2450000.0);
    EXPECT_EQ(Count(Picture(plot), Red), 0);
    plot.SetCurve({Planet});
    EXPECT_GT(Count(Picture(plot), Red), 200);
    plot.SetCurveColour(QColor(0, 130, 0));
    EXPECT_EQ(Count(Picture(plot), Red), 0);
    EXPECT_GT(Count(Picture(plot), Green), 200);
}

TEST(PlotWidgets, ThePeriodogramPlotShowsThePeakItWasGivenAndItsWindowOnRequest) {
    TPeriodogramPlot plot;
    EXPECT_EQ(plot.Peak(), nullptr);
    const observing::TMeasurementSet set = OneRun();
    observing::TPeriodogram pg;
    ASSERT_TRUE(observing::Compute(set.data, observing::GridFor(observing::Span(set.data), 2.0),
                                   true, pg));
    plot.SetPeriodogram(pg);
    ASSERT_NE(plot.Peak(), nullptr);
    EXPECT_EQ(plot.Peak()->period_days, pg.peak.period_days);
    EXPECT_NEAR(plot.Peak()->period_days, Planet.period_days, 0.5);
    const QImage bare = Picture(plot);
    plot.SetShowWindow(true);
    EXPECT_TRUE(plot.ShowsWindow());
    EXPECT_NE(Picture(plot), bare) << "the window function is drawn behind the periodogram";
    plot.SetMessage("Working out the periodogram…");
    const QImage working = Picture(plot);
    plot.SetMessage({});
    EXPECT_NE(working, Picture(plot));
    plot.ClearPeriodogram();
    EXPECT_EQ(plot.Peak(), nullptr);
}

TEST(PlotWidgets, TheFoldPlotFoldsOnItsPeriodAndRefusesNone) {
    TFoldPlot plot;
    plot.SetMeasurements(OneRun());
    plot.SetPeriod(Planet.period_days);
    EXPECT_EQ(plot.Period_days(), Planet.period_days);
    ASSERT_GE(plot.Points().size(), 30u) << "every measurement, and the repeated ends";
    for (const observing::TFoldedPoint& point : plot.Points()) {
        EXPECT_GE(point.phase, -0.2);
        EXPECT_LE(point.phase, 1.2);
    }
    for (double period : {0.0, -3.0, std::nan("")}) {
        plot.SetPeriod(period);
        EXPECT_TRUE(plot.Points().empty()) << period;
    }
}

TEST(PlotWidgets, TheFitAndResidualPlotsTakeTheSolutionsOffsetAndCurve) {
    fit::TOrbitSolution solution;
    solution.offset_mps = {7.0, 0.1};
    solution.offsets_mps = {{7.0, 0.1}};
    fit::TFittedPlanet planet;
    planet.elements = Planet;
    solution.planets.push_back(planet);

    TFitPlot fitPlot;
    fitPlot.SetMeasurements(OneRun());
    EXPECT_FALSE(fitPlot.HasFit());
    EXPECT_EQ(Count(Picture(fitPlot), Green), 0);
    fitPlot.SetSolution(&solution);
    EXPECT_TRUE(fitPlot.HasFit());
    EXPECT_EQ(fitPlot.Offset_mps(), 7.0);
    ASSERT_EQ(fitPlot.Planets().size(), 1u);
    EXPECT_GT(Count(Picture(fitPlot), Green), 200);
    fitPlot.SetSolution(nullptr);
    EXPECT_FALSE(fitPlot.HasFit());

    TResidualPlot residuals;
    residuals.SetMeasurements(OneRun());
    EXPECT_FALSE(residuals.Message().isEmpty()) << "nothing to show before a fit";
    EXPECT_TRUE(residuals.Residuals().empty());
    residuals.SetSolution(&solution);
    EXPECT_TRUE(residuals.Message().isEmpty());
    ASSERT_EQ(residuals.Residuals().size(), 30u);
    for (const observing::TMeasurement& m : residuals.Residuals())
        EXPECT_NEAR(m.v_mps, 0.0, 1e-9) << "the measurements lie on the fitted curve";
    residuals.SetSolution(nullptr);
    EXPECT_TRUE(residuals.Residuals().empty());
}

// Two instruments of different zero points: the residuals take each instrument's own offset,
// and every plot marks the second instrument in its own colour with a legend naming both.
TEST(PlotWidgets, EachInstrumentHasItsOwnOffsetSymbolAndLegend) {
    observing::TMeasurementSet set = OneRun();
    for (std::size_t i = 1; i < set.data.size(); i += 2) {
        set.data[i].instrument = 1;
        set.data[i].v_mps += -300.0 - 7.0;
    }
    fit::TOrbitSolution solution;
    solution.offsets_mps = {{7.0, 0.1}, {-300.0, 0.1}};
    solution.jitters_mps = {{}, {}};
    solution.offset_mps = solution.offsets_mps[0];
    fit::TFittedPlanet planet;
    planet.elements = Planet;
    solution.planets.push_back(planet);

    TResidualPlot residuals;
    residuals.SetMeasurements(set);
    residuals.SetSolution(&solution);
    for (const observing::TMeasurement& m : residuals.Residuals())
        EXPECT_NEAR(m.v_mps, 0.0, 1e-9) << "instrument " << m.instrument;
    // New measurements drop the fit, which knows none of a third instrument.
    observing::TMeasurementSet three = set;
    three.data.back().instrument = 2;
    residuals.SetMeasurements(three);
    EXPECT_FALSE(residuals.HasFit());

    const auto orange = [](QRgb c) { return qRed(c) > 180 && qGreen(c) > 70 && qGreen(c) < 120 && qBlue(c) < 40; };
    TDataPlot data;
    set.instruments = {"LICK", "ELODIE"};
    data.SetMeasurements(set);
    const QImage named = Picture(data);
    EXPECT_GT(Count(named, orange), 20);
    // The legend's box sits in the plot's upper right corner and holds the orange square.
    int legendOrange = 0;
    for (int y = 0; y < 60; ++y)
        for (int x = 300; x < named.width(); ++x)
            legendOrange += orange(named.pixel(x, y));
    EXPECT_GT(legendOrange, 5);

    TFitPlot fitPlot;
    fitPlot.SetMeasurements(set);
    fitPlot.SetSolution(&solution);
    EXPECT_GT(Count(Picture(fitPlot), orange), 20);
    TFoldPlot fold;
    fold.SetMeasurements(set);
    fold.SetPeriod(Planet.period_days);
    EXPECT_GT(Count(Picture(fold), orange), 20);
}

// A legend of more instruments than fit, with names as long as a data set keeps, stays within
// the plot: the axes around it are drawn as with a legend of two.
TEST(PlotWidgets, ALegendOfManyInstrumentsKeepsWithinThePlot) {
    observing::TMeasurementSet two = OneRun();
    for (std::size_t i = 1; i < two.data.size(); i += 2)
        two.data[i].instrument = 1;
    two.instruments = {"LICK", "ELODIE"};
    observing::TMeasurementSet many = two;
    many.instruments.clear();
    for (int j = 0; j < 64; ++j)
        many.instruments.push_back("Spectrograph " + std::to_string(j) + std::string(48, 'W'));
    TDataPlot plot;
    plot.SetMeasurements(two);
    const QImage small = Picture(plot);
    plot.SetMeasurements(many);
    const QImage large = Picture(plot);
    EXPECT_NE(small, large);
    for (int y = 0; y < small.height(); ++y)
        for (int x = 0; x < small.width(); ++x)
            if (y >= small.height() - 12 || x < small.width() / 4)
                ASSERT_EQ(small.pixel(x, y), large.pixel(x, y)) << x << ", " << y;
}
