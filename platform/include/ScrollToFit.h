// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// A window of fixed size larger than its screen's free area: its controls go into a scroll
// area, and the window becomes as large as the screen holds (never larger than it was made)
// and resizable, so that its close box and every control stay within reach. The menu bar
// stays above the scrolled part.

class QWidget;

// Fits the window to its screen; true when its contents scroll. A window that fits, or has a
// layout of its own, is left as it is.
bool ScrollToFit(QWidget& window);
