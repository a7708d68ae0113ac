// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// The circle's constants in radians, defined once for every unit that turns angles or
// phases: pi from the standard library, so every unit agrees to the last bit.

#include <numbers>

constexpr double Pi = std::numbers::pi;
constexpr double TwoPi = 2.0 * std::numbers::pi;
constexpr double HalfPi = 0.5 * std::numbers::pi;
