#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes the benchmark document to stdout: the default display in 3D
(Alpha 30, Beta 30, perspective 500) with one graph x, y, sin(x)*cos(y)
drawn solid at Resolution 300, the surface the peers draw as well.

    benchmark_document.py [SURFACES]

With SURFACES > 1 the display holds that many copies of the surface, each
shifted up by 2 from the one before and all inside the box, for the
scaling comparison."""

import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "examples"))
import generate  # noqa: E402


def shifts(count):
    """The z shifts of the copies: 0 for one surface, else spread by 2 around 0."""
    return [2 * k - (count - 1) for k in range(count)]


def term(shift):
    if shift == 0:
        return "sin(x)*cos(y)"
    return "sin(x)*cos(y)%+d" % shift


def main():
    count = int(sys.argv[1]) if len(sys.argv) > 1 else 1
    if not 1 <= count <= 9:
        sys.exit("benchmark_document.py: SURFACES is from 1 to 9")
    lines = generate.document(
        displays=[generate.display(ThreeAxes=True, Alpha=30, Beta=30, Perspective=500,
                                   Resolution=300, DisplayStyle=1,
                                   GraphIndices=list(range(count)))],
        graphs=[generate.graph("x", "y", term(s)) for s in shifts(count)])
    sys.stdout.buffer.write(generate.encode(lines))


main()
