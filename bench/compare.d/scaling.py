#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The scaling table of bench/compare: 1, 2, 4 and 8 shifted copies of the
benchmark surface in one 3D display, morvit-cli render against gnuplot
(pm3d depthorder, pngcairo, 800 x 600), whole process against whole process.
Each run measures its wall time and its peak resident memory (the child's own
maximum resident set, from wait4); the runs of the two programs alternate.

    scaling.py CLI WORKDIR RUNS
"""

import os
import statistics
import subprocess
import sys
import time

HERE = os.path.dirname(os.path.abspath(__file__))
COUNTS = (1, 2, 4, 8)


def gnuplot_script(count, png):
    """The surfaces as gnuplot draws them, shifted as benchmark_document.py shifts them."""
    shifts = [2 * k - (count - 1) for k in range(count)]
    plots = ", ".join("sin(x)*cos(y)%+d with pm3d notitle" % s if s else
                      "sin(x)*cos(y) with pm3d notitle" for s in shifts)
    with open(os.path.join(HERE, "surface.gp")) as f:
        base = [line for line in f if not line.startswith("splot")]
    return "".join(base) + "set output '%s'\nsplot %s\n" % (png, plots)


def measure(command):
    """Wall seconds and peak resident megabytes of one whole process."""
    start = time.perf_counter()
    child = subprocess.Popen(command, stdout=subprocess.DEVNULL, stderr=subprocess.PIPE)
    _, status, usage = os.wait4(child.pid, 0)
    seconds = time.perf_counter() - start
    err = child.stderr.read().decode(errors="replace")
    child.stderr.close()
    if status != 0:
        sys.exit("failed (%d): %s\n%s" % (status, " ".join(command), err))
    return seconds, usage.ru_maxrss / 1024.0


def main():
    cli, work, runs = sys.argv[1], sys.argv[2], int(sys.argv[3])
    rows = {}
    for count in COUNTS:
        document = os.path.join(work, "surfaces%d.mvf" % count)
        with open(document, "wb") as f:
            subprocess.run([sys.executable, os.path.join(HERE, "benchmark_document.py"),
                            str(count)], stdout=f, check=True)
        script = os.path.join(work, "surfaces%d.gp" % count)
        with open(script, "w") as f:
            f.write(gnuplot_script(count, os.path.join(work, "gnuplot%d.png" % count)))
        morvit = [cli, "render", document, "-o", os.path.join(work, "morvit%d.png" % count),
                  "--size", "800x600"]
        gnuplot = ["gnuplot", script]
        measure(morvit)  # warm-up: the file cache and the font cache
        measure(gnuplot)
        m, g = [], []
        for _ in range(runs):
            m.append(measure(morvit))
            g.append(measure(gnuplot))
        rows[count] = (m, g)

    print("scaling (whole process, 800 x 600 PNG, n surfaces of 301 x 301 in one 3D display)")
    print("  morvit-cli render against gnuplot pm3d depthorder pngcairo; medians of %d runs" % runs)
    print("  n   morvit s  gnuplot s  time ratio   morvit MB  gnuplot MB  memory ratio"
          "   morvit s per surface / at n = 1")
    one = statistics.median(t for t, _ in rows[1][0])
    for count in COUNTS:
        m, g = rows[count]
        mt = statistics.median(t for t, _ in m)
        gt = statistics.median(t for t, _ in g)
        mm = statistics.median(r for _, r in m)
        gm = statistics.median(r for _, r in g)
        ratios = sorted(a[0] / b[0] for a, b in zip(m, g))
        print("  %d  %8.3f  %9.3f  %5.3f (%.3f-%.3f)  %8.1f  %10.1f  %12.3f   %.3f"
              % (count, mt, gt, statistics.median(ratios), ratios[0], ratios[-1], mm, gm,
                 mm / gm, mt / count / one))
    m8, g8 = rows[8]
    mm8 = statistics.median(r for _, r in m8)
    gm8 = statistics.median(r for _, r in g8)
    mm1 = statistics.median(r for _, r in rows[1][0])
    print("  goals at n = 8: time per surface <= 1.1 x that at n = 1 (%.3f);"
          " memory <= 0.5 x gnuplot's (%.3f)"
          % (statistics.median(t for t, _ in m8) / 8 / one, mm8 / gm8))
    # The growth from one surface to eight over the quads added (300 x 300 each).
    print("  morvit memory per added quad: %.0f bytes" % ((mm8 - mm1) * 1024 * 1024 / (7 * 90000)))
    print()


main()
