// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// The zoom of the whole program, in percent. It is Qt's own scale factor: every window,
// layout, font, pen and picture scales alike, the forms keep their design coordinates, and
// pictures made at the device pixel ratio stay crisp. Qt reads the factor once, when the
// application object is made, so a program applies its zoom before making it, and a new
// zoom needs a new application object.
//
// Qt's painter draws at no fewer device pixels than logical ones: at an overall ratio below
// 1 it paints every window at full size into a smaller one, cutting it. So the smallest
// zoom a screen allows is the one that brings its ratio to 1 (50 % where the user's own
// scale factor or the screen doubles the pixels, 100 % on a plain screen).

#include <QRect>
#include <QSize>
#include <array>
#include <optional>
#include <string>

namespace zoom {

// The levels the View menu offers, in percent: 50 to 300 in steps of 25.
inline constexpr int LevelSmallest = 50;
inline constexpr int LevelLargest = 300;
inline constexpr int LevelStep = 25;
inline constexpr std::array<int, 11> MenuLevels{50, 75, 100, 125, 150, 175, 200, 225, 250, 275, 300};
// What "--zoom" accepts, in percent, before the screen is asked.
inline constexpr int ArgumentSmallest = 25;
inline constexpr int ArgumentLargest = 400;

// The screen a program is about to start on: its available area and its device pixels per
// pixel, both as a program at 100 % sees them (the user's scale factor included).
struct TScreenMeasure {
    QSize Available;
    double Ratio = 1.0;
};

// The zoom asked for on the command line ("--zoom 150", "--zoom=150", a "%" allowed), or 0
// when none is; an unreadable or out-of-range value throws std::invalid_argument with the
// message the user sees.
int ZoomArgument(int argc, char** argv);

// The smallest zoom at which a screen of device pixel ratio `ratio` draws the book whole.
int SmallestDrawable(double ratio);

// "Fit to screen": the largest whole percentage up to LevelLargest at which a window whose
// frame measures `frame` at 100 % fits into `available`; LevelSmallest when none does.
int FittingZoom(QSize frame, QSize available);

// Whether a frame of `frame` at 100 % fits into `available` at `percent`.
bool Fits(QSize frame, QSize available, int percent);

// The zoom the book opens at on `screen`: "Fit to screen", but never below what the screen
// draws whole.
int StartZoom(QSize frame, const TScreenMeasure& screen);

// Why `percent` cannot be used on `screen` (it does not fit, naming the largest that does,
// or it is too small to draw, naming the smallest), or nothing when it can.
std::optional<std::string> Refusal(int percent, QSize frame, const TScreenMeasure& screen);

// Measures the primary screen with a short-lived application object. Call only while no
// application object exists.
TScreenMeasure ProbeScreen(int argc, char** argv);

// Makes the next application object scale by `percent`; a scale factor the user set in the
// environment stays in force and multiplies it. Call only while no application object exists.
void Apply(int percent);
// Gives the environment back the user's own scale factor once the application object has
// read the program's, so that programs started from the book are not scaled by it.
void RestoreEnvironment();

// The zoom in force in this process, in percent (100 until Apply).
int Current();

// How much larger than designed the page texts are wanted at the zoom in force. 100 % draws
// the book at the system's own scale (the user's font size or scale factor); a smaller zoom,
// chosen to fit a small screen, would set the text smaller than the system's, so the text
// grows back towards it: 100 / Current(), from 1 to at most 2.
double TextScale();

// The menu caption of a level: "&150 %".
std::string LevelCaption(int percent);

} // namespace zoom
