// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// Puts a real planetary system into a simulation chapter through the parameter dialog: for
// each planet its radio button and its name, the catalogue's values (edge-on, m = m sin i,
// the published argument of periastron, the star's mass) shown on the dialog's sliders;
// then the unused planets unticked, a time scale that shows a few periods of the fastest
// planet, a zoom that shows the widest orbit, a reset, and a velocity scale that fits the
// system's largest speed.

class TBaseChapter;
struct TRealSystem;

void SetUpRealSystem(TBaseChapter& chapter, const TRealSystem& system);
