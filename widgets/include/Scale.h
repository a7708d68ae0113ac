// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// A pair of per-axis factors, shared by the integer and the real geometry types: the world
// canvas keeps its device units per world unit in one, and rectangles are stretched by one.

#include "Precondition.h"

struct oScale {
    double x = 0.0;
    double y = 0.0;

    oScale() = default;
    oScale(double x, double y) : x(x), y(y) {}

    // Products and quotients are formed in extended precision, then stored as doubles.
    friend oScale operator*(const oScale& t, const oScale& s) {
        return {product(t.x, s.x), product(t.y, s.y)};
    }
    friend oScale operator*(const oScale& t, double d) {
        return {product(t.x, d), product(t.y, d)};
    }
    friend oScale operator/(const oScale& t, double s) {
        PRECONDITION(s != 0);
        return {quotient(t.x, s), quotient(t.y, s)};
    }
    friend oScale operator/(const oScale& t, const oScale& s) {
        PRECONDITION(s.x != 0);
        PRECONDITION(s.y != 0);
        return {quotient(t.x, s.x), quotient(t.y, s.y)};
    }

private:
    static double product(double a, double b) {
        return static_cast<double>(static_cast<long double>(a) * b);
    }
    static double quotient(double a, double b) {
        return static_cast<double>(static_cast<long double>(a) / b);
    }
};
