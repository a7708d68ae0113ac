// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// Layout of chapter 4: the two period fields of page 3 and the two drop-down lists of
// page 6, with their Done button.

class TTwoPlanets;

void DefineTwoPlanetsForm(TTwoPlanets& f);
