// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "model/Bic.h"

#include "Precondition.h"

#include <cmath>

namespace fit {

int FreeParameters(const TOrbitSolution& solution) { return 5 * int(solution.planets.size()) + 1; }

double Bic(const TOrbitSolution& solution, std::size_t measurements) {
    PRECONDITION(measurements > 0 && solution.jitter_mps == 0.0);
    return solution.chiSquare + FreeParameters(solution) * std::log(double(measurements));
}

} // namespace fit
