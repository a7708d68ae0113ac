// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// Whether a program can open windows at all, decided before the application object starts:
// Qt without a display or a chosen platform aborts with advice to reinstall, which tells the
// user nothing.

// True when a platform is chosen (QT_QPA_PLATFORM, or -platform among the arguments) or an
// X11 or Wayland display is named (DISPLAY, WAYLAND_DISPLAY).
bool DisplayAvailable(int argc, char** argv);
