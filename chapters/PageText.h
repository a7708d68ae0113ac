// SPDX-License-Identifier: GPL-3.0-or-later AND CC-BY-SA-4.0
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// Symbols the chapters' page texts share, written at the insertion point.

class TRichEditControl;

// The inclination: an italic i, as the parameter dialog and the card write it.
void WriteInclination(TRichEditControl& t);
// m sin i, the one mass the radial velocity reveals, kept on one line.
void WriteMassTimesSine(TRichEditControl& t);
