// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "model/spectrum/ShiftMagnifier.h"
#include "model/spectrum/Spectrum.h"
#include "model/spectrum/SpectrumText.h"
#include "model/spectrum/WavelengthColour.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <string>

using namespace spectrum;

namespace {

const TSpectralLine& LineNamed(const std::string& name) {
    for (const TSpectralLine& line : Lines())
        if (line.Name == name)
            return line;
    ADD_FAILURE() << "no line " << name;
    return Lines()[0];
}

} // namespace

TEST(SpectrumLines, LieInTheBandBlueToRedAndStayInTheirPanelWhenSwungFully) {
    double previous = BandStart_nm;
    for (const TSpectralLine& line : Lines()) {
        SCOPED_TRACE(line.Name);
        EXPECT_GT(line.Rest_nm, previous) << "out of order or outside the band";
        previous = line.Rest_nm;
        EXPECT_GT(line.Depth, 0.0);
        EXPECT_LT(line.Depth, 1.0);
    }
    EXPECT_LT(previous, BandEnd_nm);
    // The magnifier lets a line swing through Reach of the half span about its rest
    // wavelength; every line of a group must stay inside the panel then.
    for (const TLineGroup& group : MagnifiedGroups()) {
        SCOPED_TRACE(group.Name);
        for (int i = 0; i < group.Count; ++i) {
            const double rest = Lines()[std::size_t(group.First + i)].Rest_nm;
            EXPECT_LE(std::fabs(rest - group.Centre_nm) +
                          TShiftMagnifier::Reach * group.HalfSpan_nm,
                      group.HalfSpan_nm);
        }
    }
}

TEST(SpectrumShift, IsTheRestWavelengthTimesVOverC) {
    // Reference shifts worked by hand from λ0 v / c, c = 299 792 458 m/s.
    const struct {
        const char* line;
        double v_mps;
        double shift_pm;
    } cases[] = {
        {"Hα", 12.4, 0.0271451},      {"Hα", -12.4, -0.0271451}, {"Hβ", 12.4, 0.0201075},
        {"Na D2", 1000.0, 1.96468},   {"Ca II K", 0.5, 0.000656064}, {"Hα", 0.0, 0.0},
        {"Hα", 500e3, 1094.56},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.line) + " at " + std::to_string(c.v_mps) + " m/s");
        const double rest = LineNamed(c.line).Rest_nm;
        EXPECT_NEAR(Shift_nm(rest, c.v_mps) * 1e3, c.shift_pm,
                    1e-5 * std::fabs(c.shift_pm) + 1e-12);
        EXPECT_NEAR(Shifted_nm(rest, c.v_mps) - rest, Shift_nm(rest, c.v_mps), 1e-12);
        EXPECT_EQ(c.v_mps > 0, Shifted_nm(rest, c.v_mps) > rest) << "receding must go to the red";
    }
}

TEST(SpectrumShift, ComparesWithTheResolutionElementTheSameForEveryLine) {
    EXPECT_NEAR(ResolutionElement_nm(656.281) * 1e3, 6.56281, 1e-9);
    for (const TSpectralLine& line : Lines())
        EXPECT_NEAR(Shift_nm(line.Rest_nm, 12.4) / ResolutionElement_nm(line.Rest_nm),
                    ShiftInResolutionElements(12.4), 1e-15);
}

TEST(SpectrumText, GroupsTheMagnificationsDigitsByThrees) {
    EXPECT_EQ(MagnificationText(1e5), "100\u2009000\u00d7");
    EXPECT_EQ(MagnificationText(1e3), "1\u2009000\u00d7");
    EXPECT_EQ(MagnificationText(10.0), "10\u00d7");
}

TEST(ShiftMagnifier, TakesTheLargestPowerOfTenThatKeepsTheSwingInsideThePanel) {
    const struct {
        double peak_mps;
        double magnification;
    } cases[] = {
        {12.4, 1e5}, // a Jupiter at 5.2 AU: 0.0271 pm drawn 2.7 nm from rest
        {28.4, 1e4}, // 6.2e-5 nm; 1e5 would draw it 6.2 nm away, beyond the 4 nm half span
        {0.09, 1e7},  {3000.0, 100.0}, {1e8, 1.0}, // no smaller than true
        {1e-9, 1e12},                              // and no larger than 10^12
        {-28.4, 1e4},                              // either way
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.peak_mps);
        TShiftMagnifier magnifier;
        magnifier.SetLargestSpeed(c.peak_mps);
        EXPECT_EQ(magnifier.Magnification(656.281, 4.0), c.magnification);
    }
}

TEST(ShiftMagnifier, KeepsItsChoiceWhileNoLargestSpeedIsKnown) {
    TShiftMagnifier magnifier;
    EXPECT_EQ(magnifier.Magnification(656.281, 4.0), TShiftMagnifier::Initial);
    magnifier.SetLargestSpeed(3000.0);
    EXPECT_EQ(magnifier.Magnification(656.281, 4.0), 100.0);
    magnifier.SetLargestSpeed(std::numeric_limits<double>::quiet_NaN());
    EXPECT_EQ(magnifier.Magnification(656.281, 4.0), 100.0);
    magnifier.SetLargestSpeed(0.0);
    EXPECT_EQ(magnifier.Magnification(656.281, 4.0), 100.0) << "no planet: keep it";
    magnifier.SetLargestSpeed(12.4);
    EXPECT_EQ(magnifier.Magnification(656.281, 4.0), 1e5);
}

// The axis spans the panel's half span in true pm with four to ten round steps.
TEST(ShiftMagnifier, TicksNumberTheTrueShiftInRoundSteps) {
    const struct {
        double halfSpan_nm, magnification, step_pm;
        int count;
    } cases[] = {
        {4.0, 1e5, 0.01, 4},   // ±0.04 pm
        {4.0, 1e4, 0.1, 4},    // ±0.4 pm
        {1.5, 1e5, 0.002, 7},  // ±0.015 pm
        {4.0, 1.0, 1000.0, 4}, // drawn true: ±4000 pm
        {3.0, 1e6, 0.0005, 6}, // ±0.003 pm
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.step_pm);
        const TShiftTicks ticks = ShiftTicks(c.halfSpan_nm, c.magnification);
        EXPECT_NEAR(ticks.Step_pm, c.step_pm, c.step_pm * 1e-9);
        EXPECT_EQ(ticks.Count, c.count);
    }
}

TEST(WavelengthColour, ShowsTheHuesOfTheRainbowAndFadesAtTheEnds) {
    const struct {
        double lambda_nm;
        const char* hue;
        bool (*is)(TRgb);
    } cases[] = {
        {385.0, "dim violet", [](TRgb c) { return c.B < 0.8 && c.B > c.G && c.R > c.G; }},
        {400.0, "violet", [](TRgb c) { return c.B > c.G && c.R > c.G; }},
        {450.0, "blue", [](TRgb c) { return c.B > 0.9 && c.B > c.R && c.B > c.G; }},
        {490.0, "cyan", [](TRgb c) { return c.G > 0.5 && c.B > 0.5 && c.R < c.G; }},
        {530.0, "green", [](TRgb c) { return c.G > 0.9 && c.G > c.R && c.G > c.B; }},
        {580.0, "yellow", [](TRgb c) { return c.R > 0.8 && c.G > 0.7 && c.B < 0.5; }},
        {620.0, "orange-red", [](TRgb c) { return c.R > 0.9 && c.G < 0.7 && c.B < 0.4; }},
        {690.0, "dim red", [](TRgb c) { return c.R > 0.2 && c.R < 0.8 && c.G < 0.3; }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.hue);
        const TRgb rgb = WavelengthColour(c.lambda_nm);
        EXPECT_TRUE(c.is(rgb)) << rgb.R << " " << rgb.G << " " << rgb.B;
        for (double v : {rgb.R, rgb.G, rgb.B}) {
            EXPECT_GE(v, 0.0);
            EXPECT_LE(v, 1.0);
        }
    }
    for (double outside : {300.0, 379.0, 800.0, std::numeric_limits<double>::quiet_NaN()}) {
        const TRgb black = WavelengthColour(outside);
        EXPECT_EQ(black.R + black.G + black.B, 0.0) << outside;
    }
}
