// SPDX-License-Identifier: GPL-3.0-or-later
// Cutting curve pieces and surface cells to the plotted box before they enter
// a scene. The box is inclusive on all six faces.
#pragma once

#include "plot/scene.h"

// When exactly one end lies inside the box, the outside end is moved onto the
// box along the line. True when at least one end was inside; a line with both
// ends outside is left alone even when it crosses the box.
bool ClipLine(TPoint3D& A, TPoint3D& B, double Xmin, double Xmax, double Ymin, double Ymax,
              double Zmin, double Zmax);

// Cuts a surface cell. True when it yields a polygon: P1..P4 then hold the
// quadrilateral (a triangle repeats its first corner), and when E1, E2, E3 are
// not all zero they hold a second polygon, a triangle, that completes the cut.
// False leaves P1..P4 unchanged and drops the cell.
bool ClipQuad(TPoint3D& P1, TPoint3D& P2, TPoint3D& P3, TPoint3D& P4, double Xmin, double Xmax,
              double Ymin, double Ymax, double Zmin, double Zmax, TPoint3D& E1, TPoint3D& E2,
              TPoint3D& E3);
