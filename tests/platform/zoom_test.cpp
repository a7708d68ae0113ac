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
    {"exactly_the_frame_fits_at_100", QSize(800, 610), 100},
    {"one_pixel_short_takes_the_largest_whole_percent_below", QSize(800, 609), 99},
    {"1080p_with_a_panel_takes_the_height", QSize(1920, 1040), 170},
    {"4k_stops_at_the_largest_level", QSize(3840, 2100), 300},
    {"1024x768_at_scale_factor_2", QSize(512, 384), 62},
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

TEST(Zoom, FitToScreenTakesTheLargestWholePercentThatFits) {
    for (const FitCase& c : fitCases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(zoom::FittingZoom(Frame, c.available), c.percent);
        if (c.percent > zoom::LevelSmallest)
            EXPECT_TRUE(zoom::Fits(Frame, c.available, c.percent));
        if (c.percent < zoom::LevelLargest)
            EXPECT_FALSE(zoom::Fits(Frame, c.available, c.percent + 1))
                << "one percent more would have fitted";
    }
}

TEST(Zoom, NoScreenIsAskedToDrawBelowOneDevicePixelAPixel) {
    EXPECT_EQ(zoom::SmallestDrawable(1.0), 100);
    EXPECT_EQ(zoom::SmallestDrawable(2.0), 50);
    EXPECT_EQ(zoom::SmallestDrawable(4.0 / 3.0), 75);
    EXPECT_EQ(zoom::SmallestDrawable(1.5), 67);
    EXPECT_EQ(zoom::SmallestDrawable(8.0), zoom::ArgumentSmallest);
    // An 800 x 600 screen is smaller than the book at 100 %, which is still the least it
    // draws whole; a doubled one fits the book at 88 %.
    EXPECT_EQ(zoom::StartZoom(Frame, {QSize(800, 570), 1.0}), 100);
    EXPECT_EQ(zoom::StartZoom(Frame, {QSize(800, 540), 2.0}), 88);
}

TEST(Zoom, AZoomTheScreenCannotTakeIsRefusedNamingWhatItCan) {
    const zoom::TScreenMeasure screen1024{QSize(1024, 740), 1.0};
    EXPECT_FALSE(zoom::Refusal(100, Frame, screen1024));
    EXPECT_FALSE(zoom::Refusal(121, Frame, screen1024));
    EXPECT_EQ(zoom::Refusal(150, Frame, screen1024),
              "The zoom 150 % does not fit this screen; the largest that fits is 121 %.");
    EXPECT_EQ(zoom::Refusal(75, Frame, screen1024),
              "The zoom 75 % is too small for this screen to draw; the smallest it draws whole "
              "is 100 %.");
    const zoom::TScreenMeasure doubled{QSize(960, 540), 2.0};
    EXPECT_FALSE(zoom::Refusal(50, Frame, doubled)) << "QT_SCALE_FACTOR=2 with --zoom 50";
    EXPECT_EQ(zoom::Refusal(45, Frame, doubled),
              "The zoom 45 % is too small for this screen to draw; the smallest it draws whole "
              "is 50 %.");
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
