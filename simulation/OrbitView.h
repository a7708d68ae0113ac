// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// How the orbit view looks at the model: the two view angles, the zoom and the scales from
// model units to view world units, the projection of a scaled model point onto the view's
// world plane, and the rotation by dragging the mouse across the view.
//
// Projection, with Theta and Omega the view angles (rad):
//   u = x cos Theta + z sin Theta,   v = (x sin Theta - z cos Theta) cos Omega + y sin Omega.
// At Theta = 0, Omega = pi/2 x runs to the right, y upwards and the line of sight z into the
// screen; Omega = 0 shows the view from the side with z pointing down the screen.

#include "dimension.h"
#include "model/orbit/vector.h"

class TOrbitView {
public:
    // View width in pixels: one drag across it turns Theta a full turn.
    static constexpr int DragWidth = 540;

    // World units per AU of a planet position and of the star's reflex.
    static constexpr double OrbitScale = 0.2;
    static constexpr double StarScale = 20.0;
    // A planet's and the star's velocity arrow per AU/day, in the position's scaled units.
    static constexpr double PlanetArrowScale = 200.0;
    static constexpr double StarArrowScale = 1000.0;
    // How many times larger than a planet's the view draws the star's reflex motion, and
    // the star's velocity arrow than a planet's arrow of the same speed; the chapters tell
    // the reader these factors.
    static constexpr double StarMagnification = StarScale / OrbitScale;
    static constexpr double StarArrowMagnification =
        StarScale * StarArrowScale / (OrbitScale * PlanetArrowScale);

    // The arrows' length per speed relative to the scales above; a real system set up in
    // the view shortens them so that they stay within it (realview::ArrowFactorFor).
    double ArrowFactor = 1.0;
    double Theta = 0.0;              // rotation about the y axis, rad, in [0, 2 pi)
    double Omega = 1.57;             // tilt of the view, rad, 0 (side) to pi/2 (from above)
    double Zoom = 1.0;               // world window factor; larger shows the orbits smaller
    int DragX = 0, DragY = 0;        // last mouse position of a drag, pixels
    bool Dragging = false;

    // The zoom of a zoom slider position: 10^(0.04 position - 2); 50 gives 1.
    static double ZoomFor(int position);
    // The view's world rectangle at the current zoom: 5.4 x 3 units around the origin, y up.
    oRealRect WorldRect() const;

    // A scaled model point in the view's world.
    oRealPoint Project(double x, double y, double z) const;
    oRealPoint Project(const TVector& v) const { return Project(v.x, v.y, v.z); }

    // The projection at the current angles with its sines and cosines worked out once, for
    // the tens of thousands of points of an orbit track.
    class Projection {
    public:
        explicit Projection(const TOrbitView& view);
        oRealPoint operator()(double x, double y, double z) const {
            const double u = z * c1_ - x * s1_;
            const double w = z * s1_ + x * c1_;
            return oRealPoint(u, w * c2_ + y * s2_);
        }
        oRealPoint operator()(const TVector& v) const { return (*this)(v.x, v.y, v.z); }

    private:
        double c1_, s1_, c2_, s2_;
    };

    // Mouse rotation: a drag starts at (x, y); each move turns Theta by 2 pi per DragWidth
    // pixels to the right (kept in [0, 2 pi)) and lowers Omega by pi/400 per pixel downwards
    // (held within 0 .. pi/2). MoveDrag returns whether the view turned (a drag was on).
    void BeginDrag(int x, int y);
    bool MoveDrag(int x, int y);
    void EndDrag() { Dragging = false; }
};
