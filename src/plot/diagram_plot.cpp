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

// What a diagram reads per axis, and how it plots it.
struct TDiagramAxes {
  std::array<TConstDiagramAxis, 3> Source;
  std::array<TAxisScale, 3> Scale;
  // Half-lengths of the error bar caps, in model units: axis 2 bars have caps
  // along axis 1, the others along axis 2.
  double CapAlong1 = 0;
  double CapAlong2 = 0;
};

TDiagramAxes DiagramAxes(const TDiagram& diagram, const TCoordinateSystem& display) {
  TDiagramAxes axes{{DiagramAxis(diagram, TAxis::First), DiagramAxis(diagram, TAxis::Second),
                     DiagramAxis(diagram, TAxis::Third)},
                    {},
                    (display.Max1 - display.Min1) / 100,
                    (display.Max2 - display.Min2) / 100};
  for (TAxis axis : AllAxes) {
    const TConstDisplayAxis shown = DisplayAxis(display, axis);
    axes.Scale[AxisIndex(axis)] = {shown.Log, std::log(shown.MajorInterval)};
  }
  // The third coordinate of a 2D display is never logarithmic (see the graphs).
  if (!display.ThreeAxes) axes.Scale[AxisIndex(TAxis::Third)].Log = false;
  return axes;
}

// The values of one table row and its plotted point; false when a value is
// missing, not real or not finite, or has no place on a logarithmic axis.
bool RowPoint(const TDiagramAxes& axes, const TStringGrid& table, int row,
              const TVarTable& noVariables, std::array<double, 3>& value, TPoint3D& point) {
  for (std::size_t k = 0; k < 3; ++k) {
    const TConstDiagramAxis& source = axes.Source[k];
    TComplex v{source.Constant, 0};
    if (source.UseColumn && !CellValue(table, source.Column, row, noVariables, v)) return false;
    if (!IsReal(v) || !std::isfinite(v.Re)) return false;
    value[k] = v.Re;
  }
  for (std::size_t k = 0; k < 3; ++k)
    if (!axes.Scale[k].Plot(value[k], Coord(point, k))) return false;
  return true;
}

// The error bars of one row's point: per axis whose two deviation cells hold
// real values, a bar from value - low to value + high with a cap at each end.
void AddErrorBars(const TDiagramAxes& axes, const TStringGrid& table, int row,
                  const TVarTable& noVariables, const std::array<double, 3>& value,
                  const TPoint3D& point, int32_t color, TObject3D& scene) {
  for (std::size_t k = 0; k < 3; ++k) {
    TComplex h, l;
    if (!CellValue(table, axes.Source[k].ErrorHigh, row, noVariables, h)) continue;
    if (!CellValue(table, axes.Source[k].ErrorLow, row, noVariables, l)) continue;
    if (!IsReal(h) || !IsReal(l)) continue;
    // The cells hold distances from the value, not the ends of the bar.
    double upper = 0, lower = 0;
    if (!axes.Scale[k].Plot(value[k] + h.Re, upper) || !axes.Scale[k].Plot(value[k] - l.Re, lower))
      continue;
    const std::size_t capAxis = k == 1 ? 0 : 1;
    const double cap = k == 1 ? axes.CapAlong1 : axes.CapAlong2;
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
}

}  // namespace

void AddDiagram(const TDiagram& diagram, const TCoordinateSystem& display, const TStringGrid& table,
                TObject3D& scene) {
  const TVarTable noVariables;
  const std::size_t first = scene.size();
  const int32_t color = diagram.Color1;
  const TDiagramAxes axes = DiagramAxes(diagram, display);
  bool previousValid = false;
  TPoint3D previous;
  for (int row = 1; row < table.RowCount(); ++row) {
    // A row adds at most a line, a dot and three bars of four lines. AddLine
    // grows the scene only by what it appends, so without this a table of
    // bars alone would move the whole scene at every row.
    ReserveMore(scene, 14);
    std::array<double, 3> value{};
    TPoint3D point;
    const bool valid = RowPoint(axes, table, row, noVariables, value, point);
    if (valid && previousValid && diagram.ConnectPoints)
      AddLine(scene, 1, color, previous.X, previous.Y, previous.Z, point.X, point.Y, point.Z);
    if (valid && diagram.ShowPoints) AddDot(scene, PointRadius, color, point.X, point.Y, point.Z);
    if (valid) AddErrorBars(axes, table, row, noVariables, value, point, color, scene);
    previousValid = valid;
    previous = point;
  }
  DropNonFinite(scene, first);
}
