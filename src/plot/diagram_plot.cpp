// SPDX-License-Identifier: GPL-3.0-or-later
#include "plot/diagram_plot.h"

#include <array>
#include <cmath>
#include <cstddef>

#include "document/axis.h"
#include "plot/scene_guard.h"
#include "term/compiler.h"
#include "term/evaluator.h"

namespace {

// Radius of a diagram point's dot, in pixels.
constexpr int32_t PointRadius = 5;

bool IsReal(const TComplex& v) { return !(v.Im < 0) && !(v.Im > 0); }

double& Coord(TPoint3D& p, std::size_t axis) { return axis == 0 ? p.X : axis == 1 ? p.Y : p.Z; }

// The value of a data cell, evaluated as a term without variables. A column
// outside the data columns or a cell that does not compile or evaluate fails.
bool CellValue(const TStringGrid& table, int32_t column, int row, const TVarTable& noVariables,
               TComplex& value) {
  if (column < 1 || column > table.ColCount() - 1) return false;
  TTerm tree;
  if (!CompileTerm(table.Cells(column, row), tree)) return false;
  return EvaluateTerm(tree, noVariables, value);
}

// Plotted coordinate of a value on one axis: the value itself, or its
// logarithm to the axis's base.
struct TAxisScale {
  bool Log = false;
  double LnBase = 0;

  bool Plot(double value, double& plotted) const {
    if (!Log) {
      plotted = value;
      return true;
    }
    if (!(value > 0) || !std::isfinite(LnBase) || LnBase == 0) return false;
    plotted = std::log(value) / LnBase;
    return true;
  }
};

// The scale of each axis of the display. The third coordinate of a 2D
// display is never logarithmic (see the graphs).
std::array<TAxisScale, 3> Scales(const TCoordinateSystem& display) {
  std::array<TAxisScale, 3> scale{};
  for (TAxis axis : AllAxes) {
    const TConstDisplayAxis shown = DisplayAxis(display, axis);
    scale[AxisIndex(axis)] = {shown.Log, std::log(shown.MajorInterval)};
  }
  if (!display.ThreeAxes) scale[AxisIndex(TAxis::Third)].Log = false;
  return scale;
}

}  // namespace

void AddDiagram(const TDiagram& diagram, const TCoordinateSystem& display, const TStringGrid& table,
                TObject3D& scene) {
  const TVarTable noVariables;
  const std::size_t first = scene.size();
  const int32_t color = diagram.Color1;
  const std::array<TConstDiagramAxis, 3> source{DiagramAxis(diagram, TAxis::First),
                                                DiagramAxis(diagram, TAxis::Second),
                                                DiagramAxis(diagram, TAxis::Third)};
  const std::array<TAxisScale, 3> scale = Scales(display);
  // Half-lengths of the error bar caps, in model units: axis 2 bars have caps
  // along axis 1, the others along axis 2.
  const double capAlong1 = (display.Max1 - display.Min1) / 100;
  const double capAlong2 = (display.Max2 - display.Min2) / 100;

  bool previousValid = false;
  TPoint3D previous;
  for (int row = 1; row < table.RowCount(); ++row) {
    // A row adds at most a line, a dot and three bars of four lines. AddLine
    // grows the scene only by what it appends, so without this a table of
    // bars alone would move the whole scene at every row.
    ReserveMore(scene, 14);
    std::array<double, 3> value{};
    bool valid = true;
    for (std::size_t k = 0; k < 3 && valid; ++k) {
      TComplex v{source[k].Constant, 0};
      if (source[k].UseColumn) valid = CellValue(table, source[k].Column, row, noVariables, v);
      valid = valid && IsReal(v) && std::isfinite(v.Re);
      value[k] = v.Re;
    }
    TPoint3D point;
    for (std::size_t k = 0; k < 3 && valid; ++k) valid = scale[k].Plot(value[k], Coord(point, k));

    if (valid && previousValid && diagram.ConnectPoints)
      AddLine(scene, 1, color, previous.X, previous.Y, previous.Z, point.X, point.Y, point.Z);
    if (valid && diagram.ShowPoints) AddDot(scene, PointRadius, color, point.X, point.Y, point.Z);

    for (std::size_t k = 0; k < 3 && valid; ++k) {
      TComplex h, l;
      if (!CellValue(table, source[k].ErrorHigh, row, noVariables, h)) continue;
      if (!CellValue(table, source[k].ErrorLow, row, noVariables, l)) continue;
      if (!IsReal(h) || !IsReal(l)) continue;
      // The cells hold distances from the value, not the ends of the bar.
      double upper = 0, lower = 0;
      if (!scale[k].Plot(value[k] + h.Re, upper) || !scale[k].Plot(value[k] - l.Re, lower))
        continue;
      const std::size_t capAxis = k == 1 ? 0 : 1;
      const double cap = k == 1 ? capAlong1 : capAlong2;
      for (const double end : {lower, upper}) {
        TPoint3D to = point;
        Coord(to, k) = end;
        AddLine(scene, 1, color, point.X, point.Y, point.Z, to.X, to.Y, to.Z);
      }
      for (const double end : {lower, upper}) {
        TPoint3D a = point, b = point;
        Coord(a, k) = Coord(b, k) = end;
        Coord(a, capAxis) -= cap;
        Coord(b, capAxis) += cap;
        AddLine(scene, 1, color, a.X, a.Y, a.Z, b.X, b.Y, b.Z);
      }
    }
    previousValid = valid;
    previous = point;
  }
  DropNonFinite(scene, first);
}
