// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// The zoom of the whole program, in percent. It is Qt's own scale factor: every window,
// layout, font, pen and picture scales alike, the forms keep their design coordinates, and
// pictures made at the device pixel ratio stay crisp. Qt reads the factor once, when the
// application object is made, so a program applies its zoom before making it, and a new
// zoom needs a new application object.

#include <QRect>
#include <QSize>
#include <array>
#include <string>

namespace zoom {

// The levels the View menu offers, in percent.
inline constexpr std::array<int, 5> MenuLevels{75, 100, 125, 150, 200};
// The range start-up chooses from, in percent, and its step.
inline constexpr int FitSmallest = 50;
inline constexpr int FitLargest = 100;
inline constexpr int FitStep = 5;
// What "--zoom" accepts, in percent.
inline constexpr int ArgumentSmallest = 25;
inline constexpr int ArgumentLargest = 400;

// The zoom asked for on the command line ("--zoom 150", "--zoom=150", a "%" allowed), or 0
// when none is; an unreadable or out-of-range value throws std::invalid_argument with the
// message the user sees.
int ZoomArgument(int argc, char** argv);

// The largest zoom from FitSmallest to FitLargest, in steps of FitStep, at which a window
// whose frame measures `frame` at 100 % fits into `available`; FitSmallest when none does.
int FittingZoom(QSize frame, QSize available);

// Whether a frame of `frame` at 100 % fits into `available` at `percent`.
bool Fits(QSize frame, QSize available, int percent);

// The primary screen's available area, in the pixels of a program at 100 %, measured with a
// short-lived application object. Call only while no application object exists.
QRect ProbeAvailableArea(int argc, char** argv);

// Makes the next application object scale by `percent`; a scale factor the user set in the
// environment stays in force and multiplies it. Call only while no application object exists.
void Apply(int percent);
// Gives the environment back the user's own scale factor once the application object has
// read the program's, so that programs started from the book are not scaled by it.
void RestoreEnvironment();

// The zoom in force in this process, in percent (100 until Apply).
int Current();

// The menu caption of a level: "&150 %".
std::string LevelCaption(int percent);

} // namespace zoom
