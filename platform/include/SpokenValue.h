// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// What a screen reader hears of a readout and of a slider: the number the eye sees, with its
// unit. A readout is read as what it is and its text ("rms of the residuals: 3.21 m/s"), and
// each new text is announced; a slider reports its value in the unit its scale shows (the
// tilt at 90°, not at step 157), through the value interface and as its value text.

#include <QString>
#include <functional>

class QAbstractSlider;
class QLabel;

// The label is read as "what: its text" (only "what" while it is empty); a new text is
// announced as a change of its name once it is drawn. Its own accessible name is cleared.
void SpeakReadout(QLabel& label, const QString& what);

// A slider position in the unit the slider shows, and that value worded with its unit.
struct TSpokenScale {
    std::function<double(int)> value;
    std::function<QString(double)> text;
};

// The slider reports `scale.value` of its position as its value, minimum and maximum, and
// `scale.text` of it as its value text; a value set through the interface moves the slider
// to the nearest position. Called before the slider is first read.
void SpeakInUnit(QAbstractSlider& slider, TSpokenScale scale);

// The text a screen reader would read for a formula written with superscripts and fractions:
// "e<sup>2</sup>" as "e squared", "1/3" as "one third".
QString FormulaInWords(const QString& text);
