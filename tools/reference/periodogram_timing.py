#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
"""Times astropy's fast (approximate) Lomb-Scargle method against the book's exact periodogram
on the same measurements, in the same run: 100, 300 and 1 000 points on 20 000, 100 000 and
1 000 000 frequencies up to one cycle a day, the grid of bench/periodogram_bench.cpp.

Run from the repository's top folder after building the benchmark, with Debian's
python3-astropy installed (only this script needs it):
    cmake --build build --target periodogram_bench
    /usr/bin/python3 tools/reference/periodogram_timing.py [build/bench/periodogram_bench]

Wall times are the median of five runs each; CPU times count every thread of the process. The
book's side runs the benchmark program on a file of the same measurements, so both sides see
the same data, frequencies and machine load."""

import json
import os
import resource
import subprocess
import sys
import tempfile
import time

import numpy as np
from astropy.timeseries import LombScargle

POINTS = [100, 300, 1000]
FREQUENCIES = [20_000, 100_000, 1_000_000]
REPEATS = 5


def measurements(n):
    """n measurements of a 4.23-day, 56 m/s circular orbit at random times in 1.2 n days."""
    rng = np.random.default_rng(n)
    t = np.sort(rng.uniform(0.0, 1.2 * n, n))
    y = 56.0 * np.sin(2 * np.pi * t / 4.23) + 5.0 * rng.standard_normal(n)
    return t, y, np.full(n, 5.0)


def grid(count):
    first = 0.001
    return first + (1.0 - first) / (count - 1) * np.arange(count)


def cpu_seconds():
    usage = resource.getrusage(resource.RUSAGE_SELF)
    return usage.ru_utime + usage.ru_stime


def astropy_fast(t, y, dy, frequency):
    ls = LombScargle(t, y, dy, fit_mean=True, center_data=True, normalization="standard")
    walls, cpus = [], []
    for _ in range(REPEATS):
        wall, cpu = time.perf_counter(), cpu_seconds()
        power = ls.power(frequency, method="fast", assume_regular_frequency=True)
        walls.append(time.perf_counter() - wall)
        cpus.append(cpu_seconds() - cpu)
    return float(np.median(walls)), float(np.median(cpus)), power


def book(program, csv, n):
    env = dict(os.environ, DOPPLER_PERIODOGRAM_CSV=csv)
    out = subprocess.run([program, f"--benchmark_filter=BM_Periodogram/{n}/",
                          "--benchmark_format=json"],
                         env=env, check=True, capture_output=True, text=True).stdout
    times = {}
    for row in json.loads(out)["benchmarks"]:
        if row.get("aggregate_name") == "median":
            count = int(row["run_name"].split("/")[2])
            times[count] = (row["real_time"] / 1e3, row["cpu_time"] / 1e3)
    return times


def main():
    program = sys.argv[1] if len(sys.argv) > 1 else "build/bench/periodogram_bench"
    print(f"{os.cpu_count()} processors, load average {os.getloadavg()[0]:.1f} at the start")
    print(f"{'points':>6} {'freqs':>9} | {'astropy fast wall/cpu ms':>24} | "
          f"{'book exact wall/cpu ms':>22} | {'wall ratio':>10} | fast's max error")
    for n in POINTS:
        t, y, dy = measurements(n)
        with tempfile.NamedTemporaryFile("w", suffix=".csv", delete=False) as csv:
            csv.write("t,v,error\n")
            for row in zip(t, y, dy):
                csv.write(",".join(repr(float(v)) for v in row) + "\n")
        try:
            ours = book(program, csv.name, n)
        finally:
            os.unlink(csv.name)
        for count in FREQUENCIES:
            frequency = grid(count)
            wall, cpu, fast = astropy_fast(t, y, dy, frequency)
            # The exact powers at every 100th frequency tell how far the fast method strays.
            exact = LombScargle(t, y, dy, fit_mean=True, center_data=True,
                                normalization="standard").power(frequency[::100],
                                                                method="cython")
            error = float(np.max(np.abs(fast[::100] - exact)))
            our_wall, our_cpu = ours[count]
            print(f"{n:>6} {count:>9} | {1e3 * wall:>11.1f} {1e3 * cpu:>12.1f} | "
                  f"{1e3 * our_wall:>10.1f} {1e3 * our_cpu:>11.1f} | "
                  f"{our_wall / wall:>10.2f} | {error:.1e}")
    print(f"load average {os.getloadavg()[0]:.1f} at the end")


if __name__ == "__main__":
    main()
