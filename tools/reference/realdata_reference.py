#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
"""Writes tests/model/fixtures/RealDataReference.h: the maximum-likelihood Keplerian fit of the
bundled radial velocities of 51 Peg (two instruments, one planet) and of ups And (four
instruments, three planets) by SciPy, with an offset and a jitter for every instrument; and of a weak
eccentric planet in 300 made-up measurements of one instrument, which it first writes to
tests/model/fixtures/WeakEccentricPlanet.csv from a fixed seed.

The likelihood is the book's:
    -2 ln L = sum_i [(v_i - v(t_i))^2 / (sigma_i^2 + s_j^2) + ln(2 pi (sigma_i^2 + s_j^2))]
with v(t) = gamma_j + sum K [cos(nu + omega) + e cos omega] and each planet's parameters
P, K, sqrt(e) cos omega, sqrt(e) sin omega and the mean longitude lambda = M + omega at the
earliest measurement. The fit starts from rounded published periods, amplitudes and
eccentricities and adds the planets one by one, each one's mean longitude from a scan; only
the optimum matters. The
uncertainties come from the inverse of the numerical Hessian of -ln L over all parameters.

Run once from the repository's top folder with Debian's python3-scipy installed:
    /usr/bin/python3 tools/reference/realdata_reference.py
The book's tests read the numbers; they never run Python."""

import numpy as np
import scipy
from scipy.optimize import minimize

STARS = [
    # name, files, starting (P, K, e, omega) per planet
    ("Peg51", ["51Peg_1_LICK.vels", "51Peg_2_ELODIE.vels"], [(4.2308, 56.0, 0.01, 1.0)]),
    # Starts rounded from McArthur et al. 2010 (ApJ 715, 1203), omega in radians.
    ("UpsAnd", ["upsAnd_1_LICK.vels", "upsAnd_2_ELODIE.vels", "upsAnd_3_HJS.vels",
                "upsAnd_4_TILLINGHAST.vels"],
     [(4.6171, 70.5, 0.01, 0.77), (241.26, 56.3, 0.26, 4.32), (1276.5, 68.1, 0.30, 4.42)]),
]

# The made-up planet: K within three of its own uncertainties of zero (2.1 of them as fitted),
# so that its eccentricity is weakly told and comes out high (0.75 for 0.5); its fit starts
# from the elements it was made with.
WEAK_CSV = "tests/model/fixtures/WeakEccentricPlanet.csv"
WEAK_PLANET = (23.7, 1.0, 0.5, 2.0)  # P, K, e, omega
WEAK_OFFSET, WEAK_JITTER = -12.3, 2.5
WEAK_SEED = 7


def write_weak_planet():
    """300 nights over 1000 days, errors of 2 to 4 m/s, a jitter of 2.5 m/s."""
    rng = np.random.default_rng(WEAK_SEED)
    t = 2455000.0 + np.sort(rng.choice(1000, 300, replace=False)) + rng.uniform(0.3, 0.7, 300)
    err = np.round(rng.uniform(2.0, 4.0, 300), 2)
    P, K, e, w = WEAK_PLANET
    tau = t - t.min()
    # Periastron at the first measurement: lambda = omega there.
    v = WEAK_OFFSET + planet_velocity(tau, P, K, np.sqrt(e) * np.cos(w), np.sqrt(e) * np.sin(w), w)
    v = v + rng.normal(0.0, np.sqrt(err ** 2 + WEAK_JITTER ** 2))
    with open(WEAK_CSV, "w") as out:
        out.write("# Made up by tools/reference/realdata_reference.py: one planet P %g d, K %g m/s, "
                  "e %g, omega %g rad, periastron at the first time; offset %g m/s, jitter %g m/s\n"
                  % (P, K, e, w, WEAK_OFFSET, WEAK_JITTER))
        out.write("time_days,velocity_mps,error_mps\n")
        for row in zip(t, v, err):
            out.write("%.6f,%.4f,%.2f\n" % row)


def read(files):
    if files == WEAK_CSV:
        t, v, e = np.loadtxt(files, delimiter=",", comments="#", skiprows=2, unpack=True)
        return t, v, e, np.zeros(len(t), dtype=int)
    t, v, e, inst = [], [], [], []
    for j, name in enumerate(files):
        for line in open("data/rv/" + name):
            if line.startswith("#") or not line.strip():
                continue
            a, b, c = map(float, line.split()[:3])
            t.append(a)
            v.append(b)
            e.append(c)
            inst.append(j)
    return np.array(t), np.array(v), np.array(e), np.array(inst)


def eccentric_anomaly(M, e):
    E = M + e * np.sin(M)
    # Newton's steps until none moves E by more than rounding: a handful for these orbits.
    for _ in range(30):
        step = (E - e * np.sin(E) - M) / (1.0 - e * np.cos(E))
        E = E - step
        if np.max(np.abs(step)) < 1e-14:
            break
    return E


def planet_velocity(tau, P, K, h, k, lam):
    e = h * h + k * k
    omega = np.arctan2(k, h)
    M = np.remainder(lam - omega + 2.0 * np.pi * tau / P + np.pi, 2.0 * np.pi) - np.pi
    E = eccentric_anomaly(M, e)
    nu = 2.0 * np.arctan2(np.sqrt(1.0 + e) * np.sin(E / 2), np.sqrt(1.0 - e) * np.cos(E / 2))
    return K * (np.cos(nu + omega) + e * np.cos(omega))


def minus_two_ln_l(x, tau, v, err, inst, planets, instruments):
    for p in range(planets):
        if not (x[5 * p] > 0.0 and x[5 * p + 2] ** 2 + x[5 * p + 3] ** 2 < 0.99):
            return 1e300
    model = x[5 * planets + inst].copy()
    for p in range(planets):
        model += planet_velocity(tau, *x[5 * p:5 * p + 5])
    s = x[5 * planets + instruments + inst]
    var = err * err + s * s
    return np.sum((v - model) ** 2 / var + np.log(2.0 * np.pi * var))


def levelled(x, tau, v, err, inst, planets, instruments):
    """x with each instrument's offset at the weighted mean of its residuals."""
    x = x.copy()
    model = np.zeros_like(v)
    for p in range(planets):
        model += planet_velocity(tau, *x[5 * p:5 * p + 5])
    for j in range(instruments):
        mine = inst == j
        w = 1.0 / (err[mine] ** 2 + x[5 * planets + instruments + j] ** 2)
        x[5 * planets + j] = np.sum(w * (v - model)[mine]) / np.sum(w)
    return x


def hessian(f, x, steps):
    n = len(x)
    H = np.zeros((n, n))
    for i in range(n):
        for j in range(i, n):
            def at(di, dj):
                y = x.copy()
                y[i] += di * steps[i]
                y[j] += dj * steps[j]
                return f(y)
            H[i, j] = (at(1, 1) - at(1, -1) - at(-1, 1) + at(-1, -1)) / (4 * steps[i] * steps[j])
            H[j, i] = H[i, j]
    return H


def instruments_of(files):
    return 1 if files == WEAK_CSV else len(files)


def optimum(files, starts):
    """The maximum-likelihood parameters and the data they were fitted to."""
    t, v, err, inst = read(files)
    t0 = t.min()
    tau = t - t0
    planets, instruments = len(starts), instruments_of(files)
    x = np.zeros(5 * planets + 2 * instruments)
    for j in range(instruments):
        x[5 * planets + j] = np.average(v[inst == j], weights=1 / err[inst == j] ** 2)
        x[5 * planets + instruments + j] = 5.0
    f = lambda y: minus_two_ln_l(y, tau, v, err, inst, planets, instruments)
    bounds = [(None, None)] * (5 * planets + instruments) + [(0.0, None)] * instruments
    for p, start in enumerate(starts):
        bounds[5 * p] = (0.9 * start[0], 1.1 * start[0])
        x[5 * p] = start[0]
    # Planet by planet: each one's mean longitude from a scan with the ones before fitted,
    # then all of them fitted together; the planets still to come have K = 0.
    for p, (P, K, e, w) in enumerate(starts):
        x[5 * p:5 * p + 4] = [P, K, np.sqrt(e) * np.cos(w), np.sqrt(e) * np.sin(w)]
        best = None
        for lam in np.linspace(0, 2 * np.pi, 72, endpoint=False):
            x[5 * p + 4] = lam
            value = f(x)
            if best is None or value < best[0]:
                best = (value, lam)
        x[5 * p + 4] = best[1]
        x = minimize(f, x, method="L-BFGS-B", bounds=bounds,
                     options={"ftol": 1e-15, "gtol": 1e-9, "maxiter": 100000}).x
    # Each polish starts with every offset at its instrument's weighted mean residual: from the
    # planet-by-planet start the optimisers alone stall where an offset has taken up part of a
    # long period (ups And's ELODIE and HJS, some 90 in -2 ln L above the optimum).
    # The made-up planet's polish stays local: its likelihood is higher still at a spike of e
    # near 1 through a few points, where a simplex wanders off to.
    for _ in range(3):
        x = levelled(x, tau, v, err, inst, planets, instruments)
        if files == WEAK_CSV:
            x = minimize(f, x, method="BFGS", options={"gtol": 1e-7, "maxiter": 100000}).x
            continue
        x = minimize(f, x, method="Nelder-Mead",
                     options={"maxfev": 20000, "xatol": 1e-8, "fatol": 1e-10, "adaptive": True}).x
        x = minimize(f, x, method="L-BFGS-B", bounds=bounds,
                     options={"ftol": 1e-15, "gtol": 1e-9, "maxiter": 100000}).x
    return x, tau, v, err, inst


def fit(name, files, starts):
    x, tau, v, err, inst = optimum(files, starts)
    planets, instruments = len(starts), instruments_of(files)
    f = lambda y: minus_two_ln_l(y, tau, v, err, inst, planets, instruments)
    # Steps of a twentieth of each parameter's uncertainty: -2 ln L then changes by far more
    # than its rounding and far too little for its third derivatives to matter. The
    # uncertainties come from a first Hessian with small fixed steps.
    steps = np.maximum(np.abs(x) * 1e-6, 1e-6)
    for p in range(planets):
        steps[5 * p] = x[5 * p] * 1e-8
    first = np.sqrt(np.abs(np.diag(np.linalg.inv(0.5 * hessian(f, x, steps)))))
    steps = np.where(np.isfinite(first) & (first > 0), 0.05 * first, steps)
    C = np.linalg.inv(0.5 * hessian(f, x, steps))
    sigma = np.sqrt(np.diag(C))
    out = ["namespace %s {" % name]
    rows = []
    for p in range(planets):
        P, K, h, k, lam = x[5 * p:5 * p + 5]
        e = h * h + k * k
        g = np.zeros(len(x))
        g[5 * p + 2], g[5 * p + 3] = 2 * h, 2 * k
        sig_e = np.sqrt(g @ C @ g)
        rows.append("    {%.10g, %.6g, %.10g, %.6g, %.10g, %.6g}," %
                    (P, sigma[5 * p], abs(K), sigma[5 * p + 1], e, sig_e))
    out.append("// Per planet: P, sigma, K, sigma, e, sigma.")
    out.append("constexpr TPlanet Planets[] = {\n" + "\n".join(rows) + "\n};")
    off = ", ".join("{%.10g, %.6g}" % (x[5 * planets + j], sigma[5 * planets + j])
                    for j in range(instruments))
    jit = ", ".join("{%.10g, %.6g}" % (abs(x[5 * planets + instruments + j]),
                                       sigma[5 * planets + instruments + j])
                    for j in range(instruments))
    out.append("constexpr TValue Offsets[] = {%s};" % off)
    out.append("constexpr TValue Jitters[] = {%s};" % jit)
    out.append("constexpr double MinusTwoLnL = %.12g;" % f(x))
    out.append("} // namespace %s" % name)
    return "\n".join(out)


def main():
    parts = [
        "// SPDX-License-Identifier: GPL-3.0-or-later",
        "// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors",
        "#pragma once",
        "// Written by tools/reference/realdata_reference.py with SciPy %s; do not edit." %
        scipy.__version__,
        "// Maximum-likelihood fits of the bundled data and of WeakEccentricPlanet.csv, an offset",
        "// and a jitter per instrument in the order of the star's system file; 1-sigma",
        "// uncertainties from the Hessian.",
        "",
        "namespace realdata_reference {",
        "",
        "struct TPlanet {",
        "    double P, sigmaP, K, sigmaK, e, sigmaE;",
        "};",
        "struct TValue {",
        "    double value, sigma;",
        "};",
        "",
    ]
    for name, files, starts in STARS:
        parts.append(fit(name, files, starts))
        parts.append("")
    write_weak_planet()
    parts.append(fit("WeakPlanet", WEAK_CSV, [WEAK_PLANET]).replace(
        "namespace WeakPlanet {\n", "namespace WeakPlanet {\n"
        "// Made with P, K, e, omega; periastron at the first measurement.\n"
        "constexpr double Made[] = {%g, %g, %g, %g};\n" % WEAK_PLANET))
    parts.append("")
    parts.append("} // namespace realdata_reference")
    with open("tests/model/fixtures/RealDataReference.h", "w") as f:
        f.write("\n".join(parts) + "\n")


if __name__ == "__main__":
    main()
