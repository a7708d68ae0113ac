// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// The rich edit writer: free stream operators that compose text in a rich edit control
// at its insertion point, the way one writes to an output stream. Each returns the control,
// so operations chain left to right:
//
//     box << BodyFont << "Mass " << fsItalic << "m" >> fsItalic
//         << fsSubscript << "p" >> fsSubscript << " = " << 0.00095 << "\n";
//
// Pair every << style with the matching >> after the styled run.

#include "TCharFormat.h"
#include "TColor.h"
#include "TFont.h"
#include "TRichEditControl.h"
#include "TextColor.h"

#include <QString>
#include <cstdint>

// Extended character styles: subscript and superscript lower or raise the text and shrink
// it to four fifths; plain applies the control's default format.
enum TExFontStyle : std::uint8_t { fsSubscript = 0, fsSuperscript = 1, fsPlain = 2 };


// Text replaces the selection; a null pointer counts as empty.
TRichEditControl& operator<<(TRichEditControl& edit, const char* text);
TRichEditControl& operator<<(TRichEditControl& edit, const AnsiString& text);
TRichEditControl& operator<<(TRichEditControl& edit, const QString& text);
// A number as decimal text ("%i").
TRichEditControl& operator<<(TRichEditControl& edit, int value);
// A number in the general format with 15 significant digits, with the locale's decimal
// separator.
TRichEditControl& operator<<(TRichEditControl& edit, double value);
// The number as the operator above writes it, for a placeholder in a translated sentence.
QString NumberText(double value);
// A character would print as its code; write a string instead.
TRichEditControl& operator<<(TRichEditControl& edit, char) = delete;

// Colour, face, character set, style, size and pitch of the font.
TRichEditControl& operator<<(TRichEditControl& edit, const TFont& font);
TRichEditControl& operator<<(TRichEditControl& edit, TextColor color);
// Numbering of the selected paragraphs; a bullet raises the left indent to 10 points.
TRichEditControl& operator<<(TRichEditControl& edit, TNumberingStyle numbering);

// Adds or removes one style; other values change nothing.
TRichEditControl& operator<<(TRichEditControl& edit, TFontStyle style);
TRichEditControl& operator>>(TRichEditControl& edit, TFontStyle style);

// Starts subscript or superscript, or applies the default format (fsPlain).
TRichEditControl& operator<<(TRichEditControl& edit, TExFontStyle style);
// Ends subscript or superscript; fsPlain changes nothing.
TRichEditControl& operator>>(TRichEditControl& edit, TExFontStyle style);

// Text with its inline styles marked as a translator writes a whole sentence: <b>bold</b>,
// <i>italic</i>, <sub>subscript</sub> and <sup>superscript</sup>, nested as the runs are,
// and &lt; &gt; &amp; for the marks themselves. It writes exactly what the same runs written
// with the operators above write. Any other mark, or a closing one that closes nothing, is
// written as it stands, so that a slip in a translation shows on the page instead of hiding
// text; a mark left open ends with the text.
void WriteMarked(TRichEditControl& edit, const QString& marked);
