#!/usr/bin/env python3
"""Writes the benchmark document to stdout: the default display in 3D
(Alpha 30, Beta 30, perspective 500) with one graph x, y, sin(x)*cos(y)
drawn solid at Resolution 300, the surface the peers draw as well."""

import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "examples"))
import generate  # noqa: E402

lines = generate.document(
    displays=[generate.display(ThreeAxes=True, Alpha=30, Beta=30, Perspective=500,
                               Resolution=300, DisplayStyle=1, GraphIndices=[0])],
    graphs=[generate.graph("x", "y", "sin(x)*cos(y)")])
sys.stdout.buffer.write(generate.encode(lines))
