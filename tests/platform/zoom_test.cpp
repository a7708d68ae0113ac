// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
// The zoom start-up chooses and the one the command line asks for.

#include "Zoom.h"

#include <gtest/gtest.h>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

struct FitCase {
    const char* name;
    QSize available;
    int percent;
};

// The book's frame at 100 %.
const QSize Frame(800, 610);

const FitCase fitCases[] = {
    {"roomy_screen_stays_at_100", QSize(1920, 1040), 100},
    {"exactly_the_frame_fits_at_100", QSize(800, 610), 100},
    {"one_pixel_short_steps_down", QSize(800, 609), 95},
    {"netbook_1024x600_with_a_panel", QSize(1024, 570), 90},
    {"1024x768_at_scale_factor_2", QSize(512, 384), 60},
    {"narrow_but_tall", QSize(600, 2000), 75},
    {"smaller_than_half_takes_the_least", QSize(300, 200), 50},
};

int Parse(std::vector<std::string> args) {
    std::vector<char*> argv;
    for (std::string& arg : args)
        argv.push_back(arg.data());
    return zoom::ZoomArgument(int(argv.size()), argv.data());
}

} // namespace

TEST(Zoom, StartUpTakesTheLargestFittingLevelFrom50To100) {
    for (const FitCase& c : fitCases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(zoom::FittingZoom(Frame, c.available), c.percent);
        if (c.percent > zoom::FitSmallest)
            EXPECT_TRUE(zoom::Fits(Frame, c.available, c.percent));
        EXPECT_FALSE(zoom::Fits(Frame, c.available, c.percent + zoom::FitStep) &&
                     c.percent < zoom::FitLargest)
            << "a larger step would have fitted";
    }
}

TEST(Zoom, TheCommandLineNamesAPercentage) {
    EXPECT_EQ(Parse({"book"}), 0) << "none asked for";
    EXPECT_EQ(Parse({"book", "--zoom", "150"}), 150);
    EXPECT_EQ(Parse({"book", "--zoom=200%"}), 200);
    EXPECT_EQ(Parse({"book", "--zoom", "75", "--zoom=125"}), 125) << "the last one counts";
    EXPECT_EQ(Parse({"book", "--zoom", "25"}), 25);
    EXPECT_EQ(Parse({"book", "--zoom", "400"}), 400);
}

TEST(Zoom, AnUnreadableZoomIsRefusedWithItsMessage) {
    for (const char* bad : {"24", "401", "abc", "150px", "", "1.5", "-100", "%"}) {
        SCOPED_TRACE(bad);
        try {
            Parse({"book", "--zoom", bad});
            ADD_FAILURE() << "accepted";
        } catch (const std::invalid_argument& e) {
            EXPECT_EQ(std::string(e.what()),
                      "The zoom must be a whole percentage from 25 to 400, such as --zoom 150.");
        }
    }
    EXPECT_THROW(Parse({"book", "--zoom"}), std::invalid_argument) << "no value";
}

TEST(Zoom, MenuCaptionsNameThePercentage) {
    EXPECT_EQ(zoom::LevelCaption(150), "&150 %");
}
