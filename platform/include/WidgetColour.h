// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// Background and text colours of plain Qt widgets (panels, labels, check boxes).

#include "TColor.h"

class QColor;
class QWidget;

// Fills the widget's background with the colour.
void SetWidgetColour(QWidget& widget, TColor colour);
TColor WidgetColour(const QWidget& widget);
void SetWidgetTextColour(QWidget& widget, TColor colour);

// The contrast ratio of two colours as readability guidelines define it, from 1 (the same
// luminance) to 21 (black on white).
double ContrastRatio(TColor a, TColor b);
double ContrastRatio(const QColor& a, const QColor& b);

// The least contrast text keeps on its background, enabled or disabled.
constexpr double MinimumTextContrast = 4.5;

// Fills a check box or radio button with a strong colour of its own and gives it text that
// reads on that colour in any colour scheme: black (or white, where that reads better)
// while enabled. Disabled, the swatch fades halfway to white and the text takes the
// lightest shade of the colour that keeps MinimumTextContrast on it: still readable, yet
// plainly dimmer than the enabled text.
void SetColouredControl(QWidget& widget, TColor colour);
