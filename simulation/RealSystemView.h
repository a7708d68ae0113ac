// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// How a real system is shown once set up: the time scale whose graph window holds a few
// periods of its fastest planet, the zoom that shows its widest orbit, and the length of
// the velocity arrows that keeps them within the view.

#include "model/simulation/ParamSliders.h"
#include "model/simulation/RealSystems.h"

namespace realview {

// The time-scale position (within `range`, at most `last`) whose graph window of
// 10^(n+1) days is the first to hold two periods of the fastest planet.
int TimeScaleFor(const TRealSystem& system, TSliderRange range, int last);

// The zoom position (within `range`) that shows the widest orbit largest while its
// apocentre stays within nine tenths of the view's half height, however it is turned.
int ZoomFor(const TRealSystem& system, TSliderRange range);

// The factor on the orbit view's arrow scales that keeps the longest velocity arrow within
// a quarter of the view's width at `zoom`; 1 when the chapters' own scales already do. A
// planet's arrow is taken at its pericentre speed, v^2 = G (M + m) (1 + e) / (a (1 - e)),
// the star's at the sum of its planets' pulls, m / M* of that speed each. The star's arrow stays StarArrowMagnification times a
// planet's of the same speed.
double ArrowFactorFor(const TRealSystem& system, double zoom);

} // namespace realview
