// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// How a real system is shown once set up: the time scale whose graph window holds a few
// periods of its fastest planet and the zoom that shows its widest orbit.

#include "model/ParamSliders.h"
#include "model/RealSystems.h"

namespace realview {

// The time-scale position (within `range`, at most `last`) whose graph window of
// 10^(n+1) days is the first to hold two periods of the fastest planet.
int TimeScaleFor(const TRealSystem& system, TSliderRange range, int last);

// The zoom position (within `range`) that shows the widest orbit largest while its
// apocentre stays within nine tenths of the view's half height, however it is turned.
int ZoomFor(const TRealSystem& system, TSliderRange range);

} // namespace realview
