#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
"""Writes tests/model/fixtures/CurveFitReference.h: Keplerian fits of the measurement files
tests/model/fixtures/CurveFit*.csv (written by the book's observing-run generator and CSV
writer) by SciPy's curve_fit, with the 1-sigma uncertainties from its covariance.

The model is the book's: v(t) = gamma + sum K [cos(nu + omega) + e cos omega], with each
planet's parameters P, K, sqrt(e) cos omega, sqrt(e) sin omega and the mean longitude
lambda = M + omega at the first measurement. The fits start near the elements named in each
file's comment line; only the optimum matters.

Run once from the repository's top folder with Debian's python3-scipy installed:
    /usr/bin/python3 tools/reference/curvefit_reference.py
The book's tests read the numbers; they never run Python."""

import numpy as np
import scipy
from scipy.optimize import curve_fit

FILES = [
    # name, file, starting (P, K, e, omega) per planet
    ("OnePlanet", "tests/model/fixtures/CurveFitOnePlanet.csv", [(14.8, 35.0, 0.2, 1.8)]),
    ("TwoPlanets", "tests/model/fixtures/CurveFitTwoPlanets.csv",
     [(4.62, 65.0, 0.05, 0.5), (240.0, 50.0, 0.2, 4.0)]),
]


def eccentric_anomaly(M, e):
    E = M + e * np.sin(M)
    for _ in range(100):
        E = E - (E - e * np.sin(E) - M) / (1.0 - e * np.cos(E))
    return E


def planet_velocity(tau, P, K, h, k, lam):
    e = h * h + k * k
    omega = np.arctan2(k, h)
    M = lam - omega + 2.0 * np.pi * tau / P
    M = np.remainder(M + np.pi, 2.0 * np.pi) - np.pi
    E = eccentric_anomaly(M, e)
    # A trial step may reach e >= 1; its NaN residuals make curve_fit shorten the step.
    with np.errstate(invalid="ignore"):
        nu = 2.0 * np.arctan2(np.sqrt(1.0 + e) * np.sin(E / 2), np.sqrt(1.0 - e) * np.cos(E / 2))
    return K * (np.cos(nu + omega) + e * np.cos(omega))


def model(planets):
    def f(tau, *p):
        v = np.full_like(tau, p[-1])
        for j in range(planets):
            v = v + planet_velocity(tau, *p[5 * j:5 * j + 5])
        return v
    return f


def array(name, values):
    body = ",\n    ".join(", ".join(repr(float(v)) for v in values[i:i + 3])
                          for i in range(0, len(values), 3))
    return f"constexpr double {name}[] = {{\n    {body},\n}};\n"


out = ["#pragma once",
       f"// Written by tools/reference/curvefit_reference.py with SciPy {scipy.__version__}; "
       "do not edit.", "// Per planet: P, K, e, omega in the order fitted; sigmas unscaled "
       "(absolute errors).", "", "namespace curvefit_reference {", ""]
for name, path, starts in FILES:
    t, v, err = np.loadtxt(path, delimiter=",", comments="#", skiprows=2, unpack=True)
    t0 = t.min()
    tau = t - t0
    p0 = []
    for P, K, e, omega in starts:
        # lambda at the first point is unknown; a coarse scan picks the best start for it.
        p0 += [P, K, np.sqrt(e) * np.cos(omega), np.sqrt(e) * np.sin(omega), 0.0]
    p0 += [float(np.average(v, weights=1 / err**2))]
    f = model(len(starts))
    best = None
    for lams in np.array(np.meshgrid(*[np.linspace(0, 2 * np.pi, 8, endpoint=False)] *
                                     len(starts))).T.reshape(-1, len(starts)):
        start = list(p0)
        for j, lam in enumerate(lams):
            start[5 * j + 4] = lam
        try:
            popt, pcov = curve_fit(f, tau, v, p0=start, sigma=err, absolute_sigma=True,
                                   maxfev=20000)
        except RuntimeError:
            continue
        chi2 = float(np.sum(((v - f(tau, *popt)) / err) ** 2))
        if best is None or chi2 < best[2]:
            best = (popt, pcov, chi2)
    popt, pcov, chi2 = best
    dof = len(t) - len(popt)
    values, sigmas = [], []
    for j in range(len(starts)):
        P, K, h, k, lam = popt[5 * j:5 * j + 5]
        e = h * h + k * k
        omega = np.arctan2(k, h)
        if K < 0:
            K, omega = -K, omega + np.pi
        omega = np.remainder(omega, 2 * np.pi)
        grads = np.zeros((4, len(popt)))
        grads[0, 5 * j] = 1.0
        grads[1, 5 * j + 1] = 1.0
        grads[2, 5 * j + 2:5 * j + 4] = [2 * h, 2 * k]
        grads[3, 5 * j + 2:5 * j + 4] = [-k / e, h / e]
        values += [P, K, e, omega]
        sigmas += list(np.sqrt(np.einsum("ij,jk,ik->i", grads, pcov, grads)))
    out.append(f"namespace {name} {{")
    out.append(array("Time", t) + array("Velocity", v) + array("Error", err))
    out.append(array("Value", values) + array("Sigma", sigmas))
    out.append(f"constexpr double Offset = {float(popt[-1])!r};")
    out.append(f"constexpr double OffsetSigma = {float(np.sqrt(pcov[-1, -1]))!r};")
    out.append(f"constexpr double ReducedChiSquare = {chi2 / dof!r};")
    out.append(f"}} // namespace {name}\n")
out.append("} // namespace curvefit_reference")
with open("tests/model/fixtures/CurveFitReference.h", "w") as header:
    header.write("\n".join(out) + "\n")
