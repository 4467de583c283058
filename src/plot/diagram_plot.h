// SPDX-License-Identifier: GPL-3.0-or-later
// The data diagrams of a display as scene segments: each data row of the
// evaluated data table becomes a point whose coordinates come from table
// columns or from constants of the diagram, optionally shown as a dot, joined
// to the previous row's point by a line and given error bars per axis.
#pragma once

#include "document/document.h"
#include "document/string_grid.h"
#include "plot/scene.h"

// Appends the diagram's points, lines and error bars for every data row of
// the evaluated table (values as text). Cells are evaluated without
// variables. A row that fails anywhere (unusable column, a cell that does not
// compile or evaluate, a non-real value, no logarithm on a logarithmic axis)
// adds no point and breaks the connecting line on both sides. Nothing is
// clipped to the box; segments that would not be finite are left out.
void AddDiagram(const TDiagram& diagram, const TCoordinateSystem& display, const TStringGrid& table,
                TObject3D& scene);
