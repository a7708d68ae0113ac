// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "simulation/VelocityGraph.h"

#include <algorithm>
#include <cmath>

void TVelocityGraph::SetGraphSpan(int timeScale) {
    GraphSpan = std::pow(10.0, timeScale + 1) * GraphSpanFactor;
}

void TVelocityGraph::FitWindowToSpan() {
    WorldLeft = -(GraphSpanFactor - 1.0) * GraphSpan / GraphSpanFactor;
    WorldWidth = GraphSpan;
}

void TVelocityGraph::ChooseTicks(double vmax_AUperDay) {
    if (const auto ticks = TVelocityTicks::For(vmax_AUperDay))
        Ticks = *ticks;
}

bool TVelocityGraph::FitScale(double vmax_AUperDay) {
    const double scale = Height * 0.5 * 0.9 / vmax_AUperDay;
    if (!(vmax_AUperDay > 0.0 && std::isfinite(scale) && scale > 0.0))
        return false;
    VelocityScale = scale;
    return true;
}

void TVelocityGraph::Rescale() {
    if (FitScale(SweepPeak))
        ChooseTicks(SweepPeak);
    SweepMax = NoSweepMax;
    RescaleRequested = false;
}

TVelocityGraph::Point TVelocityGraph::Plot(double time, std::int32_t stepCount,
                                           double radialVelocity, bool autoScale) {
    bool newAxes = false;
    if (stepCount == 1) {
        FitWindowToSpan();
        PenX = 0.0;
        RescaleRequested = false;
        SweepStart = 0.0;
        SweepMax = Height * 0.5 * 0.85 / VelocityScale;
        SweepPeak = NoSweepMax;
        ChooseTicks(SweepMax);
        newAxes = true;
        if (autoScale)
            SweepMax = NoSweepMax;
    }
    PenX = time - SweepStart;
    if (stepCount > 1 && (WorldWidth != GraphSpan || RescaleRequested || PenX > Right())) {
        SweepStart = time;
        FitWindowToSpan();
        PenX = 0.0;
        if (RescaleRequested || autoScale)
            Rescale();
        else
            ChooseTicks(SweepMax);
        SweepPeak = NoSweepMax;
        newAxes = true;
    }
    const double y = Height * 0.5 - radialVelocity * VelocityScale;
    SweepMax = std::max(SweepMax, std::fabs(radialVelocity));
    SweepPeak = std::max(SweepPeak, std::fabs(radialVelocity));
    return Point{newAxes, stepCount > 1 && PenX != 0.0, PenX, y};
}
