// SPDX-License-Identifier: GPL-3.0-or-later AND CC-BY-SA-4.0
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// Symbols the chapters' page texts share, written at the insertion point.

class TRichEditControl;

// The inclination: an italic i with a subscript 0.
void WriteInclination(TRichEditControl& t);
// m sin i0, the one mass the radial velocity reveals, kept on one line.
void WriteMassTimesSine(TRichEditControl& t);
