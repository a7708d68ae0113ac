// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// Layout of the simulation chapter window: the orbit view with its controls, the velocity
// graph with its axis title and time scale, the run buttons and the timer.

class TBaseChapter;

void DefineBaseChapterForm(TBaseChapter& f);

// Places the pieces of the velocity axis title after its exponent (RVExp) changed: the
// exponent gets room for its whole text, and no piece overlaps another or leaves the panel.
void LayOutAxisTitle(TBaseChapter& f);
// Gives a screen reader the velocity's axis title as one text with the exponent it shows
// ("Radial velocity v r, in 10 to the power 1 metres per second"), not piece by piece.
void NameAxisTitle(TBaseChapter& f);
