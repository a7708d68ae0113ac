// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// The sweep and scale rules of the radial-velocity graph, without its drawing. The graph
// shows time (days) across and velocity down a world 100 units high whose zero line is at
// 50; one point is plotted per tick. The curve runs in sweeps: the first tick after a reset
// starts sweep 1 at time 0, and a new sweep starts, at the left edge, when the time scale
// changed, when a rescale was asked for, or when the point would lie beyond the right
// edge. With autoscaling (or on request) a new sweep takes the scale at which the finished
// sweep's largest speed reaches 90 % of the half height. Without autoscaling the labels
// cover the larger of the initial range and the largest speed since the last rescale.
//
// The world window of time scale n runs from -0.08 x 10^(n+1) to 10^(n+1) days: GraphSpan is
// 1.08 x 10^(n+1) days and the left edge is -(GraphSpanFactor - 1) x GraphSpan / factor.

#include "model/simulation/VelocityTicks.h"

#include <cstdint>

class TVelocityGraph {
public:
    // World height of the graph; the zero line is at half of it.
    static constexpr double Height = 100.0;
    // SweepMax before the first point of an autoscaled sweep.
    static constexpr double NoSweepMax = -1e30;

    double GraphSpanFactor = 1.08;
    double GraphSpan = 10800.0;       // width of the time window, days
    double VelocityScale = 6250000.0; // graph units per AU/day
    bool RescaleRequested = false;    // rescale when the next tick starts a sweep
    double SweepStart = 0.0;          // time at which the current sweep began, days
    double PenX = 0.0;                // time of the current point within the sweep, days
    double SweepMax = NoSweepMax;     // velocity range the labels cover, AU/day
    double SweepPeak = NoSweepMax;    // largest |radial velocity| of the sweep, AU/day
    double WorldLeft = 0.0;           // the time window last applied, days
    double WorldWidth = 10000.0;
    TVelocityTicks Ticks; // the velocity labels of the axes last drawn

    // GraphSpan for a time-scale position n (-1 to 4): 10^(n + 1) x GraphSpanFactor.
    void SetGraphSpan(int timeScale);
    // Right edge of the time window: 10^(n + 1) days.
    double Right() const { return WorldWidth + WorldLeft; }
    // The time window that matches GraphSpan; applied when a sweep starts.
    void FitWindowToSpan();

    // Takes the scale at which a speed of vmax (AU/day) reaches 90 % of the half height, as
    // a rescale would; the labels follow at the next sweep. A vmax of 0 keeps the scale.
    // Returns whether the scale was taken.
    bool FitScale(double vmax_AUperDay);

    // Chooses the velocity labels for the range vmax (AU/day). A range without labels (a
    // largest speed of 0) keeps the previous ones.
    void ChooseTicks(double vmax_AUperDay);

    // What one tick draws: the axes afresh when a sweep starts, then a line or a move to
    // the new point (X days into the sweep, Y graph units).
    struct Point {
        bool NewAxes;
        bool Line;
        double X, Y;
    };
    // Applies the sweep rules to the tick numbered stepCount (1 = the first after a reset)
    // at time (days) with the star's radial velocity (AU/day).
    Point Plot(double time, std::int32_t stepCount, double radialVelocity, bool autoScale);

private:
    // Takes the scale at which the finished sweep's largest speed reaches 90 % of the half
    // height; a sweep whose largest speed is 0 keeps the scale and the labels. On a fixed
    // scale the label range never falls below the initial range, so the sweep's own peak
    // is what a rescale fits: asked for after a reset, it must also zoom in.
    void Rescale();
};
