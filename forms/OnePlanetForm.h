// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// Layout of chapter 3: the message panel beside the three choice buttons of page 6.

class TOnePlanet;

void DefineOnePlanetForm(TOnePlanet& f);
