#!/usr/bin/env python3
"""Prints the replot ratio of one hyperfine run: Morvit's whole-process
render time over gnuplot's, per run, as min, median and max."""

import json
import statistics
import sys


def main():
    kind, path, peak_kb = sys.argv[1], sys.argv[2], sys.argv[3]
    assert kind == "replot"
    with open(path) as f:
        results = {r["command"]: r["times"] for r in json.load(f)["results"]}
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
