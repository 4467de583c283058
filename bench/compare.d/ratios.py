#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Prints the replot ratio of one hyperfine run: Morvit's whole-process
render time over gnuplot's, per run, as min, median and max.

    ratios.py replot REPLOT.json PEAK_KB
    ratios.py live REPLOT.json LIVE.txt

The live mode sets the in-process live frame (see compare_plot.cpp) against
the same gnuplot runs: run k of the frame over gnuplot's run k."""

import json
import statistics
import sys


def spread(ratios):
    ratios = sorted(ratios)
    return "min %.3f  median %.3f  max %.3f" % (ratios[0], statistics.median(ratios), ratios[-1])


def live(results, live_path):
    gnuplot = results["gnuplot"]
    frames = {}
    with open(live_path) as f:
        for line in f:
            name, *values = line.split()
            frames[name] = [float(v) / 1000 for v in values]
    one, two = frames["scale1"], frames["scale2"]
    print("live frame (re-project, sort, paint; 800 x 600)   frame / gnuplot whole process"
          "   goal <= 0.04")
    print("  scale 1  %s   (frame median %.1f ms, gnuplot median %.1f ms)"
          % (spread(m / g for m, g in zip(one, gnuplot)), 1000 * statistics.median(one),
             1000 * statistics.median(gnuplot)))
    print("  scale 2  %s   (frame median %.1f ms)"
          % (spread(m / g for m, g in zip(two, gnuplot)), 1000 * statistics.median(two)))
    print("  scale 2 / scale 1  %s   goal <= 2" % spread(b / a for a, b in zip(one, two)))
    print()


def main():
    kind, path = sys.argv[1], sys.argv[2]
    with open(path) as f:
        results = {r["command"]: r["times"] for r in json.load(f)["results"]}
    if kind == "live":
        live(results, sys.argv[3])
        return
    assert kind == "replot"
    peak_kb = sys.argv[3]
    gnuplot, morvit = results["gnuplot"], results["morvit"]
    # hyperfine runs each command in turn; the k-th runs of both make a pair.
    ratios = sorted(m / g for m, g in zip(morvit, gnuplot))
    print("replot (whole process, 800 x 600 PNG)        morvit / gnuplot pm3d pngcairo"
          "   goal <= 0.25")
    print("  ratio  min %.3f  median %.3f  max %.3f   (morvit median %.1f ms, gnuplot median %.1f ms)"
          % (ratios[0], statistics.median(ratios), ratios[-1],
             1000 * statistics.median(morvit), 1000 * statistics.median(gnuplot)))
    print("  peak resident memory of the render: %.1f MB   goal < 150 MB" % (int(peak_kb) / 1024))
    print()


main()
