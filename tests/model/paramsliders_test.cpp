// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "model/simulation/ParamSliders.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

using namespace paramsliders;

namespace {

constexpr TSliderRange ARange{0, 100}, EccRange{0, 100}, IncRange{-90, 90}, AzimuthRange{0, 360},
    MassRange{0, 90}, StarMassRange{0, 90};
constexpr double Pi = 3.141592653589793;

} // namespace

TEST(ParamSliders, SemiMajorAxisRunsLogarithmically) {
    const struct {
        int position;
        double a;
        const char* label;
    } cases[] = {{0, 0.01, " 0.01 AU"},   {25, 0.1, "  0.1 AU"},   {50, 1.0, "    1 AU"},
                 {68, 5.248, "  5.2 AU"}, {99, 91.20, "   91 AU"}, {100, 100.0, "100 AU"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.position);
        const double a = A_AU(c.position, ARange);
        EXPECT_NEAR(a, c.a, c.a * 1e-3);
        EXPECT_EQ(ALabelText(a), c.label);
    }
    EXPECT_EQ(APosition(5.2, ARange), 67) << "the default Mondas sits just below 68";
    EXPECT_EQ(APosition(100.0, ARange), 100);
    EXPECT_EQ(ALabelText(99.5), "100 AU");
    EXPECT_EQ(ALabelText(99.4), "   99 AU");
}

TEST(ParamSliders, EccentricityStopsShortOfOne) {
    EXPECT_EQ(Ecc(0, EccRange), 0.0);
    EXPECT_EQ(Ecc(37, EccRange), 0.37);
    EXPECT_EQ(Ecc(100, EccRange), 0.99);
    EXPECT_EQ(EccLabelText(0.0), "0");
    EXPECT_EQ(EccLabelText(0.37), "0.37");
    EXPECT_EQ(EccLabelText(0.99), "0.99");
    EXPECT_EQ(EccPosition(0.99, EccRange), 99);
    EXPECT_EQ(EccPosition(0.5, EccRange), 50);
}

TEST(ParamSliders, AnglesInWholeDegrees) {
    const struct {
        int position, degrees;
        const char* label;
    } inclinations[] = {{90, 90, "+90°"}, {0, 0, "+ 0°"}, {-45, -45, "-45°"}, {-90, -90, "-90°"}};
    for (const auto& c : inclinations) {
        SCOPED_TRACE(c.label);
        EXPECT_EQ(IncDegrees(c.position, IncRange), c.degrees);
        EXPECT_EQ(IncLabelText(c.degrees), c.label);
        EXPECT_EQ(IncPosition(c.degrees, IncRange), c.position);
    }
    EXPECT_EQ(IncDegreesOf(Pi / 2), 90);
    EXPECT_EQ(IncDegreesOf(Radians(30)), 30);
    EXPECT_EQ(IncDegreesOf(0.17453292519943295), 10);
    EXPECT_EQ(IncDegreesOf(0.5), 28) << "28.6 degrees truncates";
    // The value labels show an element as it is: the nearest whole degree.
    EXPECT_EQ(NearestDegreesOf(0.5), 29);
    EXPECT_EQ(NearestDegreesOf(Pi / 2), 90);
    EXPECT_EQ(NearestDegreesOf(300.651 * Pi / 180), 301);
    EXPECT_EQ(NearestDegreesOf(-0.5), -29);

    EXPECT_EQ(AzimuthDegrees(270, AzimuthRange), 270);
    EXPECT_EQ(AzimuthLabelText(0), "  0°");
    EXPECT_EQ(AzimuthLabelText(270), "270°");
    EXPECT_EQ(AzimuthPosition(AzimuthDegreesOf(Radians(180)), AzimuthRange), 180);
    EXPECT_DOUBLE_EQ(Radians(90), Pi / 2);
}

TEST(ParamSliders, MassesRunThreeDecades) {
    EXPECT_NEAR(JupiterMasses(0, MassRange), 0.01, 1e-15);
    EXPECT_DOUBLE_EQ(JupiterMasses(60, MassRange), 1.0);
    EXPECT_DOUBLE_EQ(JupiterMasses(90, MassRange), 10.0);
    EXPECT_EQ(MassLabelText(1.0), "    1 Jupiter mass");
    EXPECT_EQ(MassLabelText(1.04), "    1 Jupiter mass") << "singular as the number shows";
    EXPECT_EQ(MassLabelText(1.2), "  1.2 Jupiter masses");
    EXPECT_EQ(MassLabelText(0.01), " 0.01 Jupiter masses");
    EXPECT_EQ(MassLabelText(9.95), "10 Jupiter masses");
    EXPECT_EQ(MassPosition(1.0, MassRange), 60);

    EXPECT_DOUBLE_EQ(SolarMasses(30, StarMassRange), 1.0);
    EXPECT_NEAR(SolarMasses(0, StarMassRange), 0.1, 1e-15);
    EXPECT_DOUBLE_EQ(SolarMasses(90, StarMassRange), 100.0);
    EXPECT_EQ(StarMassLabelText(1.0), "    1 solar mass");
    EXPECT_EQ(StarMassLabelText(0.1), "  0.1 solar masses");
    EXPECT_EQ(StarMassLabelText(11.0), "   11 solar masses") << "a 1 among other digits";
    EXPECT_EQ(StarMassLabelText(100.0), "100 solar masses");
    EXPECT_EQ(StarMassPosition(1.0, StarMassRange), 30);
}

TEST(ParamSliders, ValuesNoSliderShowsStopAtTheEnds) {
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    EXPECT_EQ(MassPosition(0.0, MassRange), 0) << "a massless planet";
    EXPECT_EQ(MassPosition(1e6, MassRange), 90);
    EXPECT_EQ(APosition(1e-9, ARange), 0);
    EXPECT_EQ(StarMassPosition(nan, StarMassRange), 0);
    EXPECT_EQ(IncDegreesOf(inf), 1000000);
    EXPECT_EQ(AzimuthDegreesOf(nan), 0);
    EXPECT_EQ(IncPosition(IncDegreesOf(inf), IncRange), 90);
}
