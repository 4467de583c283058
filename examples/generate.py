#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes the example documents of this folder.

The examples are generated here rather than saved from the window, so that
every field is stated and reviewed, in the order of the .mvf format: 8-bit text (ISO 8859-1) with
CR LF line ends, lists stored as their highest index. Run it from anywhere:

    python3 examples/generate.py          # writes the files
    python3 examples/generate.py --check  # fails when a file differs

Colours pack red + 256 * green + 65536 * blue; rgb() below does the packing.
"""

import math
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))


def rgb(red, green, blue):
    return red + 256 * green + 65536 * blue


def number(value):
    """Integers without a point; other reals in their shortest round-trip form."""
    if isinstance(value, bool):
        return "1" if value else "0"
    if float(value).is_integer() and abs(value) < 1e15:
        return str(int(value))
    return repr(float(value))


def display(**fields):
    """A display with the defaults of SetDisplayDefaults, then the given fields.

    Origins follow the minimums and shifts centre the box, as SetDisplayDefaults
    derives them; on a logarithmic axis ranges are exponents to the base
    MajorInterval of that axis."""
    d = dict(Min1=-10, Max1=10, Min2=-10, Max2=10, Min3=-10, Max3=10,
             Zoom1=1, Zoom2=1, Zoom3=1, Alpha=0, Beta=0, Gamma=0,
             Perspective=500, Resolution=100, GraphIndices=[], DiagramIndices=[],
             ThreeAxes=False, Log1=False, Log2=False, Log3=False,
             Markings1=True, Markings2=True, Markings3=True, ForceEqualScale=False,
             MajorInterval1=10, MajorInterval2=10, MajorInterval3=10,
             MinorInterval1=2, MinorInterval2=2, MinorInterval3=2,
             DisplayStyle=1, AxisStyle=1, Label1="x", Label2="y", Label3="z",
             AxisColor=rgb(0, 255, 0))
    d.update(fields)
    d.setdefault("Origin1", d["Min1"])
    d.setdefault("Origin2", d["Min2"])
    d.setdefault("Origin3", d["Min3"])
    d.setdefault("Shift1", -(d["Min1"] + d["Max1"]) / 2)
    d.setdefault("Shift2", -(d["Min2"] + d["Max2"]) / 2)
    d.setdefault("Shift3", 0)
    return d


def graph(term1, term2, term3="", color1=rgb(0, 0, 255), color2=rgb(0, 0, 255)):
    return dict(Term1=term1, Term2=term2, Term3=term3, Color1=color1, Color2=color2)


def diagram(**fields):
    """A diagram with the defaults the diagram data editor gives a new one."""
    m = dict(Column1=1, Column2=1, Column3=1,
             ErrorHigh1=0, ErrorLow1=0, ErrorHigh2=0, ErrorLow2=0, ErrorHigh3=0, ErrorLow3=0,
             Constant1=0, Constant2=0, Constant3=0,
             UseColumn1=False, UseColumn2=False, UseColumn3=False,
             ShowPoints=True, ConnectPoints=True, Description="",
             Color1=rgb(0, 0, 255), Color2=rgb(0, 0, 255))
    m.update(fields)
    return m


def data_table(rows):
    """A table with the editor's headers around the given data rows; returned
    as columns, each from row 0 down, which is the order of the file."""
    width = max((len(row) for row in rows), default=1)
    columns = [[""] + ["Row%d" % (r + 1) for r in range(len(rows))]]
    for c in range(width):
        columns.append(["Col%d" % (c + 1)] + [row[c] if c < len(row) else "" for row in rows])
    return columns


def document(displays, graphs=(), diagrams=(), table=None, variables=()):
    """The lines of a document file. variables: (name, minimum, maximum, actual),
    each value a complex number."""
    table = table or [["", ""], ["", ""]]
    lines = ["Morvit V1", "Morvit example document", ""]
    lines.append(number(len(displays) - 1))
    for d in displays:
        for key in ("Origin1", "Origin2", "Origin3", "Min1", "Max1", "Min2", "Max2", "Min3",
                    "Max3", "Shift1", "Shift2", "Shift3", "Zoom1", "Zoom2", "Zoom3", "Alpha",
                    "Beta", "Gamma", "Perspective", "Resolution"):
            lines.append(number(d[key]))
        for key in ("GraphIndices", "DiagramIndices"):
            lines.append(number(len(d[key]) - 1))
            lines.extend(number(index) for index in d[key])
        for key in ("ThreeAxes", "Log1", "Log2", "Log3", "Markings1", "Markings2", "Markings3",
                    "ForceEqualScale", "MajorInterval1", "MajorInterval2", "MajorInterval3",
                    "MinorInterval1", "MinorInterval2", "MinorInterval3", "DisplayStyle",
                    "AxisStyle"):
            lines.append(number(d[key]))
        lines.extend([d["Label1"], d["Label2"], d["Label3"], number(d["AxisColor"])])
    lines.append(number(len(graphs) - 1))
    for g in graphs:
        lines.extend([g["Term1"], g["Term2"], g["Term3"], number(g["Color1"]), number(g["Color2"])])
    lines.append(number(len(diagrams) - 1))
    for m in diagrams:
        for key in ("Column1", "Column2", "Column3", "ErrorHigh1", "ErrorLow1", "ErrorHigh2",
                    "ErrorLow2", "ErrorHigh3", "ErrorLow3", "Constant1", "Constant2", "Constant3",
                    "UseColumn1", "UseColumn2", "UseColumn3", "ShowPoints", "ConnectPoints"):
            lines.append(number(m[key]))
        lines.extend([m["Description"], number(m["Color1"]), number(m["Color2"])])
    lines.append(number(len(table)))
    lines.append(number(len(table[0])))
    for column in table:
        lines.extend(column)
    lines.append(number(len(variables) - 1))
    lines.extend(name for name, _, _, _ in variables)
    for position in (1, 2, 3):
        lines.append(number(len(variables) - 1))
        for variable in variables:
            value = complex(variable[position])
            lines.extend([number(value.real), number(value.imag)])
    return lines


def encode(lines):
    return "".join(line + "\r\n" for line in lines).encode("latin-1")


# Colours used across the examples.
NAVY = rgb(20, 40, 110)
GREY = rgb(150, 150, 150)
AXES = rgb(70, 70, 70)
BLUE = rgb(30, 90, 220)
RED = rgb(220, 40, 40)
ORANGE = rgb(255, 150, 0)
PURPLE = rgb(120, 40, 160)
TEAL = rgb(0, 150, 140)
GOLD = rgb(250, 200, 30)
GREEN = rgb(40, 160, 60)
PI = math.pi


def wave_packet():
    """A 2D curve: a wave packet inside its Gaussian envelope."""
    envelope = "4*exp(-x^2/8)"
    return document(
        displays=[display(Min1=-8, Max1=8, Min2=-5, Max2=5,
                          MajorInterval1=4, MinorInterval1=1, MajorInterval2=2, MinorInterval2=1,
                          Resolution=800, AxisStyle=0, AxisColor=AXES, Label2="f(x)",
                          GraphIndices=[0, 1, 2])],
        graphs=[graph("x", envelope, color1=GREY, color2=GREY),
                graph("x", "-" + envelope, color1=GREY, color2=GREY),
                graph("x", envelope + "*cos(5*x)", color1=BLUE, color2=RED)])


def surface_display(**fields):
    """A 3D display seen from the front, a little from above and turned:
    Gamma turns the model about its vertical axis 3 first, Alpha = 290 then
    stands axis 3 upright and tilts it 20 degrees toward the viewer."""
    view = dict(ThreeAxes=True, Alpha=290, Beta=0, Gamma=330, Perspective=900,
                Resolution=40, AxisStyle=0, AxisColor=AXES, ForceEqualScale=False,
                Zoom1=0.75, Zoom2=0.75, Zoom3=0.45)
    view.update(fields)
    # Centre the box on axis 3 as well, so that it stands in the middle of the
    # drawing area (SetDisplayDefaults centres axes 1 and 2 only).
    view.setdefault("Shift3", -(view["Min3"] + view["Max3"]) / 2)
    return display(**view)


def modulus_sine():
    """Solid: the modulus of the complex sine over the z-plane, z = x + iy:
    zeros along the real axis at multiples of pi, cosh growth away from it."""
    return document(
        displays=[surface_display(Min1=-6, Max1=6, Min2=-1.5, Max2=1.5, Min3=0, Max3=2.5,
                                  MajorInterval1=3, MinorInterval1=1,
                                  MajorInterval2=1.5, MinorInterval2=0.5,
                                  MajorInterval3=1, MinorInterval3=0.5, Alpha=300, Gamma=340,
                                  DisplayStyle=1, Resolution=48,
                                  Label1="Re z", Label2="Im z", Label3="|sin z|",
                                  GraphIndices=[0])],
        graphs=[graph("x", "y", "abs(sin(x+i*y))", color1=BLUE, color2=GOLD)])


def monkey_saddle():
    """Wireframe: the real part of z^3, the monkey saddle, three valleys and
    three ridges around the origin."""
    return document(
        displays=[surface_display(Min1=-1.5, Max1=1.5, Min2=-1.5, Max2=1.5, Min3=-3, Max3=3,
                                  MajorInterval1=1.5, MinorInterval1=0.5,
                                  MajorInterval2=1.5, MinorInterval2=0.5,
                                  MajorInterval3=3, MinorInterval3=1,
                                  Zoom1=0.55, Zoom2=0.7, Zoom3=0.45,
                                  DisplayStyle=0, Resolution=36,
                                  Label1="Re z", Label2="Im z", Label3="Re z^3",
                                  GraphIndices=[0])],
        graphs=[graph("x", "y", "re((x+i*y)^3)", color1=PURPLE, color2=TEAL)])


def complex_logarithm():
    """Points: the imaginary part of the complex logarithm, the argument of z,
    a spiral staircase that jumps by 2 pi across the negative real axis."""
    return document(
        displays=[surface_display(Min1=-2, Max1=2, Min2=-2, Max2=2, Min3=-4, Max3=4,
                                  MajorInterval1=1, MinorInterval1=0.5,
                                  MajorInterval2=1, MinorInterval2=0.5,
                                  MajorInterval3=2, MinorInterval3=1,
                                  Zoom1=0.55, Zoom2=0.7, Zoom3=0.45,
                                  DisplayStyle=2, Resolution=90,
                                  Label1="Re z", Label2="Im z", Label3="Im ln z",
                                  GraphIndices=[0])],
        graphs=[graph("x", "y", "im(ln(x+i*y))", color1=RED, color2=BLUE)])


def power_laws():
    """Logarithmic axes: on log-log paper every power law is a straight line
    whose slope is its exponent; a saturating curve bends from one to another.
    The ranges are exponents to base 10: x from 0.1 to 1000, y from 0.01 to
    10000."""
    return document(
        displays=[display(Log1=True, Log2=True, Min1=-1, Max1=3, Min2=-2, Max2=4,
                          MajorInterval1=10, MinorInterval1=1,
                          MajorInterval2=10, MinorInterval2=1,
                          Resolution=300, AxisStyle=1, AxisColor=rgb(150, 150, 150),
                          GraphIndices=[0, 1, 2, 3])],
        graphs=[graph("x", "x^2", color1=RED, color2=RED),
                graph("x", "sqrt(x)", color1=BLUE, color2=BLUE),
                graph("x", "10/x", color1=GREEN, color2=GREEN),
                graph("x", "1000*x^3/(1000+x^3)", color1=ORANGE, color2=PURPLE)])


def free_fall():
    """A diagram of measurements with error bars beside the model curve. The
    data table computes with formula cells: the error of each distance from
    the distance itself (Col3) and the acceleration that each row implies
    (Col5); Col4 holds the error of the time."""
    times = ["0.1", "0.2", "0.3", "0.4", "0.5", "0.6", "0.7", "0.8", "0.9", "1"]
    distances = ["0.05", "0.21", "0.43", "0.81", "1.19", "1.8", "2.35", "3.21", "3.9", "5.02"]
    rows = [[t, s, "0.04+0.05*Col2", "0.02", "2*Col2/Col1^2"]
            for t, s in zip(times, distances)]
    return document(
        displays=[display(Min1=0, Max1=1.1, Min2=0, Max2=6,
                          MajorInterval1=0.2, MinorInterval1=0.1,
                          MajorInterval2=1, MinorInterval2=0.5,
                          Resolution=200, AxisStyle=1, AxisColor=rgb(150, 150, 150),
                          Label1="t [s]", Label2="s [m]",
                          GraphIndices=[0], DiagramIndices=[0])],
        graphs=[graph("x", "9.81/2*x^2", color1=BLUE, color2=BLUE)],
        diagrams=[diagram(Column1=1, Column2=2, UseColumn1=True, UseColumn2=True,
                          ErrorHigh1=4, ErrorLow1=4, ErrorHigh2=3, ErrorLow2=3,
                          ShowPoints=True, ConnectPoints=False,
                          Description="Free fall: distance against time, with errors",
                          Color1=RED, Color2=RED)],
        table=data_table(rows))


def exponential_function():
    """Several displays, one tab each, around the exponential function: the
    real function and its inverse, its real and imaginary parts over the
    z-plane, a logarithmic spiral traced by a variable of the variable table,
    and a semi-logarithmic view that straightens exp. The graph exp(x) is
    listed in two displays."""
    z = "(x+i*y)"
    plane = dict(Min1=-2, Max1=1, Min2=-6, Max2=6, Min3=-3, Max3=3,
                 MajorInterval1=1, MinorInterval1=0.5, MajorInterval2=3, MinorInterval2=1,
                 MajorInterval3=1, MinorInterval3=0.5, Zoom1=0.6, Zoom2=0.75, Zoom3=0.45,
                 Resolution=48, Label1="Re z", Label2="Im z")
    square = dict(Min1=-4, Max1=4, Min2=-4, Max2=4, MajorInterval1=2, MinorInterval1=1,
                  MajorInterval2=2, MinorInterval2=1, ForceEqualScale=True, AxisStyle=1,
                  AxisColor=rgb(160, 160, 160), Resolution=400)
    return document(
        displays=[display(GraphIndices=[0, 1, 2], **square),
                  surface_display(DisplayStyle=1, Label3="Re exp z", GraphIndices=[3], **plane),
                  surface_display(DisplayStyle=0, Label3="Im exp z", GraphIndices=[4], **plane),
                  display(GraphIndices=[5], **dict(square, Resolution=600, Label1="Re",
                                                   Label2="Im")),
                  display(Min1=-4, Max1=4, Min2=-2, Max2=2, Log2=True,
                          MajorInterval1=2, MinorInterval1=1, MajorInterval2=10, MinorInterval2=1,
                          AxisStyle=1, AxisColor=rgb(160, 160, 160), Resolution=300,
                          GraphIndices=[0, 6])],
        graphs=[graph("x", "exp(x)", color1=RED, color2=RED),
                graph("x", "ln(x)", color1=BLUE, color2=BLUE),
                graph("x", "x", color1=GREY, color2=GREY),
                graph("x", "y", "re(exp%s)" % z, color1=TEAL, color2=ORANGE),
                graph("x", "y", "im(exp%s)" % z, color1=BLUE, color2=RED),
                graph("re(exp((0.1+i)*t))", "im(exp((0.1+i)*t))", color1=PURPLE, color2=ORANGE),
                graph("x", "cosh(x)", color1=GREEN, color2=GREEN)],
        variables=[("t", 0, 4 * PI, 0)])


# The documents that the manual's tasks build step by step in the window. Each
# holds exactly what those steps leave behind, so that its picture is the one
# the reader gets; the views are those of the drags the task describes. The
# graph dialog puts every variable of a term into the variable table, also
# those that an axis binds, with the value 0.

def first_curve():
    """A first curve: y = sin(x) on a new document's display, with the
    vertical range narrowed to -2..2 in the settings dialog."""
    return document(
        displays=[display(Min2=-2, Max2=2, MajorInterval2=1, MinorInterval2=0.5,
                          GraphIndices=[0])],
        graphs=[graph("x", "sin(x)")],
        variables=[("x", 0, 0, 0)])


# The view of a task's 3D picture: a drag of 60 pixels up (Alpha 0 - 60) and
# 30 pixels to the left (Beta 0 - 30) with the left button, then one notch of
# the wheel down, which halves the zoom.
TASK_VIEW = dict(ThreeAxes=True, Alpha=300, Beta=330, Zoom1=0.5, Zoom2=0.5, Zoom3=0.5)
YELLOW = rgb(255, 255, 0)
PURE_RED = rgb(255, 0, 0)


def ripple_surface():
    """A surface z = f(x, y): a damped ripple, solid, on a new document's
    display switched to 3D by the graph dialog's question, sampled at 50
    points per direction."""
    return document(
        displays=[display(Resolution=50, GraphIndices=[0], **TASK_VIEW)],
        graphs=[graph("x", "y", "6*cos(sqrt(x^2+y^2))*exp(-(x^2+y^2)/50)", color2=YELLOW)],
        variables=[("x", 0, 0, 0), ("y", 0, 0, 0)])


def lissajous_curve():
    """A parametric curve: both axis terms in the variable t, which runs
    from 0 to 2 pi by the variable table; 400 points per direction."""
    return document(
        displays=[display(Resolution=400, GraphIndices=[0])],
        graphs=[graph("8*sin(3*t)", "8*sin(4*t)")],
        variables=[("t", 0, 2 * PI, 0)])


def torus_surface():
    """A parametric surface: a torus, three axis terms in u and v, both
    running from 0 to 2 pi; the display switched to 3D and turned."""
    return document(
        displays=[display(Resolution=40, GraphIndices=[0], **TASK_VIEW)],
        graphs=[graph("(6+3*cos(v))*cos(u)", "(6+3*cos(v))*sin(u)", "3*sin(v)", color2=YELLOW)],
        variables=[("v", 0, 2 * PI, 0), ("u", 0, 2 * PI, 0)])


SQRT_PARTS = ["re", "im", "abs", "arg"]


def complex_sqrt():
    """A complex function as four surfaces, one display each: the real and
    imaginary part, the modulus and the argument of the principal square
    root of z = x + iy. Im and arg jump across the negative real axis, the
    cut of the principal branch. The displays differ only in their graph, as
    the task's one display does when its axis 3 term is changed."""
    view = dict(Min3=-5, Max3=5, MajorInterval3=5, MinorInterval3=1, Resolution=30, **TASK_VIEW)
    return document(
        displays=[display(GraphIndices=[k], **view) for k in range(len(SQRT_PARTS))],
        graphs=[graph("x", "y", "%s(sqrt(x+i*y))" % part, color2=YELLOW) for part in SQRT_PARTS],
        variables=[("x", 0, 0, 0), ("y", 0, 0, 0)])


def power_law_task():
    """Logarithmic axes as the task sets them: y = x^2 with x from 0.1 to
    1000 and y from 0.01 to 10000, both to base 10 (the ranges are stored
    as exponents)."""
    return document(
        displays=[display(Log1=True, Log2=True, Min1=-1, Max1=3, Min2=-2, Max2=4,
                          MajorInterval1=10, MinorInterval1=1,
                          MajorInterval2=10, MinorInterval2=1, GraphIndices=[0])],
        graphs=[graph("x", "x^2")],
        variables=[("x", 0, 0, 0)])


# A pendulum measured with a stopwatch: length in m, period of one swing in
# s, and the stopwatch's error in s. The CSV file beside the document holds
# the same numbers, one record per row, as an instrument would write them.
PENDULUM = [("0.2", "0.91", "0.05"), ("0.4", "1.26", "0.05"), ("0.6", "1.57", "0.05"),
            ("0.8", "1.78", "0.06"), ("1.0", "2.02", "0.06"), ("1.2", "2.18", "0.06"),
            ("1.4", "2.39", "0.07"), ("1.6", "2.52", "0.07"), ("1.8", "2.71", "0.08"),
            ("2.0", "2.83", "0.08")]


def pendulum_csv():
    return ["%s,%s,%s" % row for row in PENDULUM]


def imported_data():
    """Measured data from a CSV file: pendulum.csv imported at cell (1, 1),
    drawn with error bars on the period beside the model T = 2 pi sqrt(l/g)."""
    return document(
        displays=[display(Min1=0, Max1=2.2, Min2=0, Max2=3.5,
                          MajorInterval1=0.5, MinorInterval1=0.1,
                          MajorInterval2=1, MinorInterval2=0.25,
                          Resolution=200, Label1="l [m]", Label2="T [s]",
                          GraphIndices=[0], DiagramIndices=[0])],
        graphs=[graph("x", "2*pi*sqrt(x/9.81)", color1=GREY, color2=GREY)],
        diagrams=[diagram(Column1=1, Column2=2, UseColumn1=True, UseColumn2=True,
                          ErrorHigh2=3, ErrorLow2=3, ConnectPoints=False,
                          Description="Pendulum: period against length",
                          Color1=PURE_RED)],
        table=data_table([list(row) for row in PENDULUM]),
        variables=[("x", 0, 0, 0)])


# Gallery documents beyond the tasks.

def space_curve():
    """A curve in space: a conical helix, three axis terms in one free
    variable t."""
    return document(
        displays=[surface_display(Min1=-6, Max1=6, Min2=-6, Max2=6, Min3=0, Max3=12,
                                  MajorInterval1=3, MinorInterval1=1, MajorInterval2=3,
                                  MinorInterval2=1, MajorInterval3=3, MinorInterval3=1,
                                  Resolution=600, GraphIndices=[0])],
        graphs=[graph("t/3*cos(t)", "t/3*sin(t)", "t/3", color1=BLUE, color2=RED)],
        variables=[("t", 0, 6 * PI, 0)])


def diagram_3d():
    """A diagram in space: a measured flight path, x, y and height from the
    table's columns, the points joined, error bars on the height."""
    rows = []
    for k in range(13):
        t = k / 12
        rows.append([number(round(8 * t, 3)), number(round(3 * math.sin(PI * t), 3)),
                     number(round(36 * t * (1 - t), 3)), "0.3"])
    return document(
        displays=[surface_display(Min1=0, Max1=8, Min2=-1, Max2=4, Min3=0, Max3=10,
                                  MajorInterval1=2, MinorInterval1=1, MajorInterval2=1,
                                  MinorInterval2=0.5, MajorInterval3=2, MinorInterval3=1,
                                  AxisStyle=1, AxisColor=rgb(150, 150, 150),
                                  DiagramIndices=[0])],
        diagrams=[diagram(Column1=1, Column2=2, Column3=3, UseColumn1=True, UseColumn2=True,
                          UseColumn3=True, ErrorHigh3=4, ErrorLow3=4,
                          Description="Flight path with height errors",
                          Color1=ORANGE, Color2=ORANGE)],
        table=data_table(rows))


def axis_styles():
    """The three axis styles and the scaling ratio, one display each: markings
    with numbers, a raster, axes only; the last forces equal scaling so that
    the circle stays round."""
    circle = [graph("4*cos(t)", "4*sin(t)", color1=BLUE, color2=BLUE)]
    common = dict(Min1=-8, Max1=8, Min2=-5, Max2=5, MajorInterval1=4, MinorInterval1=1,
                  MajorInterval2=5, MinorInterval2=1, Resolution=200, GraphIndices=[0])
    return document(
        displays=[display(AxisStyle=0, **common),
                  display(AxisStyle=1, **common),
                  display(AxisStyle=2, **common),
                  display(AxisStyle=0, ForceEqualScale=True, **common)],
        graphs=circle,
        variables=[("t", 0, 2 * PI, 0)])


def log_axes_3d():
    """Logarithmic axes in 3D: z = x*y over x and y from 1 to 1000 is a
    plane when all three axes are logarithmic (exponents to base 10)."""
    return document(
        displays=[surface_display(Log1=True, Log2=True, Log3=True,
                                  Min1=0, Max1=3, Min2=0, Max2=3, Min3=0, Max3=6,
                                  MajorInterval1=10, MinorInterval1=1,
                                  MajorInterval2=10, MinorInterval2=1,
                                  MajorInterval3=10, MinorInterval3=1,
                                  DisplayStyle=0, Resolution=24, AxisStyle=0,
                                  Label3="x*y", GraphIndices=[0])],
        graphs=[graph("x", "y", "x*y", color1=GREEN, color2=ORANGE)])


EXAMPLES = {
    "wave-packet.mvf": wave_packet,
    "surface-solid.mvf": modulus_sine,
    "surface-wireframe.mvf": monkey_saddle,
    "surface-points.mvf": complex_logarithm,
    "log-axes.mvf": power_laws,
    "diagram-error-bars.mvf": free_fall,
    "several-displays.mvf": exponential_function,
    "first-curve.mvf": first_curve,
    "ripple-surface.mvf": ripple_surface,
    "lissajous-curve.mvf": lissajous_curve,
    "torus-surface.mvf": torus_surface,
    "complex-sqrt.mvf": complex_sqrt,
    "power-law.mvf": power_law_task,
    "imported-data.mvf": imported_data,
    "space-curve.mvf": space_curve,
    "diagram-3d.mvf": diagram_3d,
    "axis-styles.mvf": axis_styles,
    "log-axes-3d.mvf": log_axes_3d,
}

# Data files beside the documents, written with plain line ends as most
# programs write CSV.
DATA_FILES = {
    "pendulum.csv": pendulum_csv,
}


def picture_name(name, index):
    """Display 1 of a document draws NAME.png; display N > 1 NAME-N.png, N
    being the number of its tab "DisplayN"."""
    stem = name[:-len(".mvf")]
    return stem + ".png" if index == 0 else "%s-%d.png" % (stem, index + 1)


def gallery():
    """The pictures the build renders: one line per display of every
    example, "DOCUMENT DISPLAY PICTURE" with the display counted from 0."""
    lines = []
    for name, build in EXAMPLES.items():
        displays = int(build()[3]) + 1
        lines.extend("%s %d %s" % (name, k, picture_name(name, k)) for k in range(displays))
    return "".join(line + "\n" for line in lines).encode("ascii")


def outputs():
    for name, build in EXAMPLES.items():
        yield name, encode(build())
    for name, build in DATA_FILES.items():
        yield name, "".join(line + "\n" for line in build()).encode("ascii")
    yield "gallery.txt", gallery()


if __name__ == "__main__":
    check = "--check" in sys.argv[1:]
    stale = []
    for name, data in outputs():
        path = os.path.join(HERE, name)
        if check:
            try:
                with open(path, "rb") as file:
                    if file.read() != data:
                        stale.append(name)
            except FileNotFoundError:
                stale.append(name)
        else:
            with open(path, "wb") as file:
                file.write(data)
    if stale:
        sys.exit("out of date: " + ", ".join(stale))
