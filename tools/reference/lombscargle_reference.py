#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
"""Writes tests/model/fixtures/LombScargleReference.h: a generalised Lomb-Scargle periodogram
(floating mean, weights 1/error^2, standard normalisation) of a fixed uneven data set, and the
Baluev false-alarm probability of its highest peak, computed by astropy's LombScargle.

Run once from the repository's top folder with Debian's python3-astropy installed:
    /usr/bin/python3 tools/reference/lombscargle_reference.py
The book's tests read the numbers; they never run Python."""

import numpy as np
from astropy.timeseries import LombScargle
from astropy.timeseries.periodograms.lombscargle import _statistics
import astropy

rng = np.random.default_rng(20261208)
n = 37
t = np.sort(rng.uniform(0.0, 83.0, n)) + 2450000.0
dy = rng.uniform(2.0, 6.0, n)
y = 23.0 * np.sin(2 * np.pi * t / 6.3 + 0.4) + 11.0 * np.cos(2 * np.pi * t / 17.0) \
    + 4.0 + dy * rng.standard_normal(n)
t = t - t[0]

frequency = np.linspace(1.0 / 83.0, 1.0, 400)
ls = LombScargle(t, y, dy, fit_mean=True, center_data=True, normalization="standard")
power = ls.power(frequency, method="cython")
best = int(np.argmax(power))
# The statistics module directly: the periodogram object's method would round the maximum
# frequency to its own automatic grid.


def baluev(z):
    return float(_statistics.false_alarm_probability(z, fmax=frequency[-1], t=t, y=y, dy=dy,
                                                     normalization="standard", method="baluev"))


fap = baluev(power[best])
fap_levels = [0.05, 0.2, 0.5]
faps = [baluev(z) for z in fap_levels]


def array(name, values):
    body = ",\n    ".join(", ".join(repr(float(v)) for v in values[i:i + 4])
                          for i in range(0, len(values), 4))
    return f"constexpr double {name}[] = {{\n    {body},\n}};\n"


with open("tests/model/fixtures/LombScargleReference.h", "w") as out:
    out.write("#pragma once\n")
    out.write("// Written by tools/reference/lombscargle_reference.py with astropy "
              f"{astropy.__version__}; do not edit.\n\n")
    out.write("namespace lombscargle_reference {\n\n")
    out.write(array("Time", t) + array("Velocity", y) + array("Error", dy))
    out.write(array("Frequency", frequency) + array("Power", power))
    out.write(f"constexpr double PeakFrequency = {float(frequency[best])!r};\n")
    out.write(f"constexpr double PeakFalseAlarm = {float(fap)!r};\n")
    out.write(array("FalseAlarmPower", fap_levels) + array("FalseAlarm", faps))
    out.write("\n} // namespace lombscargle_reference\n")
