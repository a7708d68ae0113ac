// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// The standard expression language with its angles in degrees, as a school calculator
// takes them: sin, cos and tan read their argument in degrees, asin, acos and atan (and
// their short names) give degrees. Angles that are whole multiples of 90° give their exact
// values (sin 180° is 0, not 1.2e-16), and tan at an odd multiple of 90° is a singularity.

#include "oScientificLanguage.h"

class TDegreeLanguage : public oScientificLanguage {
public:
    TDegreeLanguage();
};
