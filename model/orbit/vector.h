// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// A three-dimensional vector of the orbit model: positions in AU, velocities in AU per day.
// The z axis is the line of sight from the observer; x and y span the sky plane.

#include <cmath>

struct TVector {
    double x = 0.0;
    double y = 0.0;
    double z = 0.0;

    TVector() = default;
    TVector(double x, double y, double z) : x(x), y(y), z(z) {}

    // Resets to (0, 0, 0).
    void Clear() { x = y = z = 0.0; }
    void Set(double newX, double newY, double newZ) {
        x = newX;
        y = newY;
        z = newZ;
    }

    TVector operator+(const TVector& w) const { return {x + w.x, y + w.y, z + w.z}; }
    TVector operator-(const TVector& w) const { return {x - w.x, y - w.y, z - w.z}; }
    TVector operator*(double s) const { return {s * x, s * y, s * z}; }

    // Turns the vector about the x axis by alpha radians (y towards z).
    void RotateX(double alpha) {
        const double c = std::cos(alpha), s = std::sin(alpha);
        const double newY = y * c + z * s;
        z = z * c - y * s;
        y = newY;
    }
    // Turns the vector about the z axis, the line of sight, by alpha radians (x towards y).
    void RotateZ(double alpha) {
        const double c = std::cos(alpha), s = std::sin(alpha);
        const double newX = x * c - y * s;
        y = y * c + x * s;
        x = newX;
    }
};
