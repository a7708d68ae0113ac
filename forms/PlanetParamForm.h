// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// Layout of the planet parameter dialog: the planet choice and name, and the seven sliders
// with their symbols, value labels and end labels.

class TPlanetParamForm;

void DefinePlanetParamForm(TPlanetParamForm& f);
