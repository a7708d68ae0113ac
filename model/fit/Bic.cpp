// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "model/fit/Bic.h"

#include "Precondition.h"

namespace fit {

double BicDrop(const TOrbitSolution& fewer, const TOrbitSolution& more) {
    PRECONDITION(more.planets.size() > fewer.planets.size());
    return fewer.bic - more.bic;
}

bool MorePlanetsBelieved(const TOrbitSolution& fewer, const TOrbitSolution& more) {
    return BicDrop(fewer, more) > BelievedDrop;
}

} // namespace fit
