#!/usr/bin/env python3
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


EXAMPLES = {
    "wave-packet.mvf": wave_packet,
    "surface-solid.mvf": modulus_sine,
    "surface-wireframe.mvf": monkey_saddle,
    "surface-points.mvf": complex_logarithm,
    "log-axes.mvf": power_laws,
    "diagram-error-bars.mvf": free_fall,
    "several-displays.mvf": exponential_function,
}

if __name__ == "__main__":
    check = "--check" in sys.argv[1:]
    stale = []
    for name, build in EXAMPLES.items():
        path = os.path.join(HERE, name)
        data = encode(build())
        if check:
            with open(path, "rb") as file:
                if file.read() != data:
                    stale.append(name)
        else:
            with open(path, "wb") as file:
                file.write(data)
    if stale:
        sys.exit("out of date: " + ", ".join(stale))
