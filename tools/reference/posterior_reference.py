#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
"""Writes tests/model/fixtures/PosteriorReference.h: the posterior of the bundled data of
51 Peg (two instruments, one planet) and ups And (four instruments, three planets) as emcee's
affine-invariant ensemble sampler draws it, over the book's likelihood and priors
(model/posterior/OrbitPosterior.h): uniform in P > 0, K >= 0, sqrt(e) cos omega and sqrt(e) sin omega
inside e < 0.99, the mean longitude, each offset and each jitter s >= 0. It starts from the
maximum-likelihood fit of realdata_reference.py and runs the book's walkers, to many
autocorrelation times from a fixed seed; it prints the time a thousand steps take on one core,
for the speed figure.

Run once from the repository's top folder with Debian's python3-scipy and python3-emcee:
    /usr/bin/python3 tools/reference/posterior_reference.py
The book's tests and benchmarks read the numbers; they never run Python."""

import multiprocessing
import os
import sys
import time

import emcee
import numpy as np
from emcee.ensemble import walkers_independent

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import realdata_reference as rr  # noqa: E402

# Steps of each star's chain: some 140 of 51 Peg's longest autocorrelation time (some 140
# steps) and some 100 of ups And's (some 1400, the HJS offset's, which trades off with planet
# d), so that the Monte Carlo error of either is well below a tenth of a sigma.
STEPS = {"Peg51": 20000, "UpsAnd": 150000}
SEED = 1


def log_posterior(x, tau, v, err, inst, planets, instruments):
    for p in range(planets):
        if not (x[5 * p] > 0.0 and x[5 * p + 1] >= 0.0):
            return -np.inf
    if np.any(x[5 * planets + instruments:] < 0.0):
        return -np.inf
    value = rr.minus_two_ln_l(x, tau, v, err, inst, planets, instruments)
    return -np.inf if value >= 1e300 else -0.5 * value


def sample(name, files, starts):
    x, tau, v, err, inst = rr.optimum(files, starts)
    planets, instruments = len(starts), len(files)
    for p in range(planets):  # the book keeps K >= 0: omega turned by pi instead
        if x[5 * p + 1] < 0:
            x[5 * p + 1] = -x[5 * p + 1]
            x[5 * p + 2:5 * p + 4] = -x[5 * p + 2:5 * p + 4]
            x[5 * p + 4] += np.pi
    x[5 * planets + instruments:] = np.abs(x[5 * planets + instruments:])
    dims = len(x)
    walkers = max(32, 2 * dims + 2) // 2 * 2
    rng = np.random.default_rng(SEED)
    # emcee refuses walkers it judges linearly dependent: such a ball is drawn again.
    while True:
        start = x + 1e-5 * np.maximum(np.abs(x), 1.0) * rng.standard_normal((walkers, dims))
        start[:, 5 * planets + instruments:] = np.abs(start[:, 5 * planets + instruments:])
        if walkers_independent(start):
            break
    args = (tau, v, err, inst, planets, instruments)
    steps = STEPS[name]
    np.random.seed(SEED)  # emcee draws its moves from numpy's global generator
    sampler = emcee.EnsembleSampler(walkers, dims, log_posterior, args=args)
    # The time of this process alone: the other star's chain shares the machine.
    began = time.process_time()
    sampler.run_mcmc(start, steps, progress=False)
    seconds = time.process_time() - began
    tau_int = sampler.get_autocorr_time(tol=0)
    chain = sampler.get_chain(discard=int(2 * tau_int.max()), thin=max(1, int(tau_int.min() / 2)),
                              flat=True)
    q = lambda values: np.percentile(values, [50, 15.865525393145707, 84.13447460685429])
    out = ["namespace %s {" % name,
           "constexpr int Walkers = %d;" % walkers,
           "constexpr int Steps = %d;" % steps,
           "constexpr double LongestTau = %.4g;" % tau_int.max(),
           "constexpr double SecondsPerThousandSteps = %.4g;" % (1000.0 * seconds / steps),
           "constexpr int Draws = %d;" % len(chain),
           "// Per planet: P, K and e, each as median, 16th and 84th percentile."]
    rows = []
    for p in range(planets):
        e = chain[:, 5 * p + 2] ** 2 + chain[:, 5 * p + 3] ** 2
        parts = [q(chain[:, 5 * p]), q(chain[:, 5 * p + 1]), q(e)]
        rows.append("    {" + ", ".join("{%.10g, %.10g, %.10g}" % tuple(c) for c in parts) + "},")
    out.append("constexpr TPlanet Planets[] = {\n" + "\n".join(rows) + "\n};")
    for label, first in (("Offsets", 5 * planets), ("Jitters", 5 * planets + instruments)):
        values = ", ".join("{%.10g, %.10g, %.10g}" % tuple(q(chain[:, first + j]))
                           for j in range(instruments))
        out.append("constexpr TInterval %s[] = {%s};" % (label, values))
    out.append("} // namespace %s" % name)
    print(name, "walkers", walkers, "steps", steps, "seconds", round(seconds, 1),
          "tau", np.round(tau_int, 1), file=sys.stderr)
    return "\n".join(out)


def main():
    parts = [
        "// SPDX-License-Identifier: GPL-3.0-or-later",
        "// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors",
        "#pragma once",
        "// Written by tools/reference/posterior_reference.py with emcee %s; do not edit." %
        emcee.__version__,
        "// Posterior medians and 68 % intervals of the bundled data, an offset and a jitter per",
        "// instrument in the order of the star's system file.",
        "",
        "namespace posterior_reference {",
        "",
        "struct TInterval {",
        "    double median, low, high;",
        "};",
        "struct TPlanet {",
        "    TInterval P, K, e;",
        "};",
        "",
    ]
    # The stars side by side, one process each.
    with multiprocessing.Pool(len(rr.STARS)) as pool:
        for text in pool.starmap(sample, rr.STARS):
            parts.append(text)
            parts.append("")
    parts.append("} // namespace posterior_reference")
    with open("tests/model/fixtures/PosteriorReference.h", "w") as f:
        f.write("\n".join(parts) + "\n")


if __name__ == "__main__":
    main()
