// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// Layout of chapter 6: the page text and the question parts on the left, and on the right the
// observing views as tabs: measurements, periodogram, fold, fit and residuals.

class TFindingPlanet;

void DefineFindingPlanetForm(TFindingPlanet& f);
