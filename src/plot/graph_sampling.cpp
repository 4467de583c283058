// SPDX-License-Identifier: GPL-3.0-or-later
#include "plot/graph_sampling.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <utility>

#include "document/axis.h"
#include "plot/clip.h"
#include "plot/scene_guard.h"
#include "term/bound_term.h"
#include "term/evaluator.h"

namespace {

// Steps a sampling loop may take beyond its step count: the sums of a sound
// range can stay just below the maximum, so one more step reaches it. No more
// are allowed, so a step of 0, not finite or pointing away from the maximum
// still ends the loop.
constexpr int32_t RoundingSlackSteps = 1;

// A sampled point in plotted coordinates (exponents on logarithmic axes).
// An invalid point sits at the origin.
struct TGridPoint {
  double X = 0;
  double Y = 0;
  double Z = 0;
  bool Valid = false;
  int32_t Color = 0;
};

struct TBox {
  double Xmin, Xmax, Ymin, Ymax, Zmin, Zmax;

  bool Contains(const TGridPoint& p) const {
    return Xmin <= p.X && p.X <= Xmax && Ymin <= p.Y && p.Y <= Ymax && Zmin <= p.Z && p.Z <= Zmax;
  }
};

TPoint3D At(const TGridPoint& p) { return {p.X, p.Y, p.Z}; }

// Turns the values of the three terms into a point. Holds everything that
// stays fixed while one graph is sampled, so the loops only set the actual
// values of the stepped variables (by position) and call Evaluate. The terms
// are bound to the sample table once, and on a grid each subtree is computed
// only as often as the variables it uses change.
class TPointEvaluator {
 public:
  TPointEvaluator(const std::array<const TTermElement*, 3>& terms, const TVarTable& vars,
                  const TCoordinateSystem& display, const TGraph& graph)
      : bound_{TBoundTerm(terms[0], vars), TBoundTerm(terms[1], vars), TBoundTerm(terms[2], vars)},
        min2_(display.Min2),
        max2_(display.Max2),
        color1_(graph.Color1),
        color2_(graph.Color2) {
    for (TAxis axis : AllAxes) {
      const TConstDisplayAxis scale = DisplayAxis(display, axis);
      log_[AxisIndex(axis)] = scale.Log;
      lnBase_[AxisIndex(axis)] = std::log(scale.MajorInterval);
    }
    // The third coordinate of a 2D display is the constant 0, which has no
    // logarithm: there axis 3 is never logarithmic for points.
    if (!display.ThreeAxes) log_[AxisIndex(TAxis::Third)] = false;
  }

  // The stepped variables' positions in the sample table; outer is -1 for a
  // curve. The other variables keep their values from now on.
  void Hoist(int inner, int outer) {
    for (TBoundTerm& term : bound_) term.Hoist(inner, outer);
  }
  void TabulateColumn(std::size_t column) {
    for (TBoundTerm& term : bound_) term.TabulateColumn(column);
  }
  void PinRow() {
    for (TBoundTerm& term : bound_) term.PinRow();
  }

  // The point the sample table holds now.
  void Evaluate(TGridPoint& point) {
    std::array<TComplex, 3> v;
    bool valid = true;
    for (std::size_t k = 0; k < 3 && valid; ++k) valid = bound_[k].Evaluate(v[k]);
    Finish(v, valid, point);
  }

  // The point of this column in the current row of a grid.
  void EvaluateAt(std::size_t column, TGridPoint& point) {
    std::array<TComplex, 3> v;
    bool valid = true;
    for (std::size_t k = 0; k < 3 && valid; ++k) valid = bound_[k].EvaluateAt(column, v[k]);
    Finish(v, valid, point);
  }

 private:
  void Finish(const std::array<TComplex, 3>& v, bool valid, TGridPoint& point) const {
    std::array<double, 3> c{v[0].Re, v[1].Re, v[2].Re};
    for (std::size_t k = 0; k < 3 && valid; ++k) {
      if (v[k].Im < 0 || v[k].Im > 0) valid = false;
      if (!log_[k]) continue;
      // A base of 1, of 0 or below, or not finite gives no usable logarithm.
      if (!(c[k] > 0) || !std::isfinite(lnBase_[k]) || lnBase_[k] == 0) {
        valid = false;
      } else {
        c[k] = std::log(c[k]) / lnBase_[k];
      }
    }
    if (valid) {
      point.X = c[0];
      point.Y = c[1];
      point.Z = c[2];
    } else {
      point.X = point.Y = point.Z = 0;
    }
    point.Valid = valid;
    // An empty axis-2 range (from a file) has no gradient: the first colour.
    const double range2 = max2_ - min2_;
    point.Color = GradientColor(color1_, color2_, range2 != 0 ? (point.Y - min2_) / range2 : 0);
  }

  std::array<TBoundTerm, 3> bound_;
  std::array<bool, 3> log_{};
  std::array<double, 3> lnBase_{};
  double min2_, max2_;
  int32_t color1_, color2_;
};

// How one free variable is stepped: its range and step in exponents when
// logarithmic, in values otherwise.
struct TStepping {
  double Min = 0;
  double Max = 0;
  double Step = 0;
  bool Log = false;
  double Base = 0;

  double ValueOf(double e) const { return Log ? std::pow(Base, e) : e; }
};

TStepping SteppingOf(const TSampleTable& table, int position, int32_t steps) {
  const auto p = static_cast<std::size_t>(position);
  TStepping s;
  s.Min = table.SampleVars.Minimum[p].Re;
  s.Max = table.SampleVars.Maximum[p].Re;
  s.Step = (s.Max - s.Min) / steps;
  s.Log = p < 3 && table.Log[p];
  s.Base = s.Log ? table.Base[p] : 0;
  return s;
}

// The values a surface variable takes, in order: from start, step by step,
// until the first at or past the maximum, at most steps + RoundingSlackSteps
// steps; with checkFirst the start itself may end the sequence.
void SurfaceValues(const TStepping& s, double start, bool checkFirst, int32_t steps,
                   std::vector<double>& values) {
  values.clear();
  double e = start;
  values.push_back(s.ValueOf(e));
  if (checkFirst && e >= s.Max) return;
  for (int32_t taken = 0; taken < steps + RoundingSlackSteps; ++taken) {
    e += s.Step;
    values.push_back(s.ValueOf(e));
    if (e >= s.Max) return;
  }
}

void AddCurve(TPointEvaluator& evaluator, TSampleTable& table, int position, int32_t steps,
              const TBox& box, TObject3D& scene) {
  const TStepping s = SteppingOf(table, position, steps);
  double& actual = table.SampleVars.Actual[static_cast<std::size_t>(position)].Re;
  actual = s.ValueOf(s.Min);
  const double end = s.ValueOf(s.Max);
  const double lnBase = s.Log ? std::log(s.Base) : 0;

  evaluator.Hoist(position, -1);
  TGridPoint current;
  evaluator.Evaluate(current);
  ReserveMore(scene, static_cast<std::size_t>(steps) + 1);
  for (int32_t taken = 0; taken < steps + RoundingSlackSteps; ++taken) {
    const TGridPoint previous = current;
    if (s.Log) {
      // A base of 1 has no logarithm to divide by; every power of it is 1.
      const double exponent = lnBase != 0 ? std::log(actual) / lnBase : 0;
      actual = std::pow(s.Base, exponent + s.Step);
    } else {
      actual += s.Step;
    }
    evaluator.Evaluate(current);
    TPoint3D a = At(previous), b = At(current);
    if (previous.Valid && current.Valid &&
        ClipLine(a, b, box.Xmin, box.Xmax, box.Ymin, box.Ymax, box.Zmin, box.Zmax))
      AddLine(scene, 1, current.Color, a.X, a.Y, a.Z, b.X, b.Y, b.Z);
    if (actual >= end) break;
  }
}

bool AnyNonZero(const TPoint3D& a, const TPoint3D& b, const TPoint3D& c) {
  return a.X != 0 || a.Y != 0 || a.Z != 0 || b.X != 0 || b.Y != 0 || b.Z != 0 || c.X != 0 ||
         c.Y != 0 || c.Z != 0;
}

// A sampled surface: one row per value of the second variable, one column
// per value of the first.
struct TSurfaceGrid {
  std::vector<TGridPoint> Points;
  std::size_t Width = 0;
  std::size_t Height = 0;
};

TSurfaceGrid SampleSurface(TPointEvaluator& evaluator, TSampleTable& table, int first, int second,
                           int32_t resolution) {
  const int32_t steps = std::min(resolution, MaxSurfaceSteps);
  const TStepping sm = SteppingOf(table, first, steps);
  const TStepping sn = SteppingOf(table, second, steps);
  std::vector<double> columns, rows;
  // A row holds the first variable's minimum and at least one step more.
  SurfaceValues(sm, sm.Min, false, steps, columns);
  // The second variable starts one step before its minimum and steps before
  // each row; adding the step back keeps exactly the rounding of those sums.
  SurfaceValues(sn, sn.Min - sn.Step + sn.Step, true, steps, rows);

  TVarTable& vars = table.SampleVars;
  double& actualM = vars.Actual[static_cast<std::size_t>(first)].Re;
  double& actualN = vars.Actual[static_cast<std::size_t>(second)].Re;
  // Locals rather than the result's fields in the loops: the evaluator's
  // calls would make the compiler reload those at every point.
  const std::size_t width = columns.size();
  const std::size_t height = rows.size();
  std::vector<TGridPoint> points(width * height);
  evaluator.Hoist(first, second);
  for (std::size_t c = 0; c < width; ++c) {
    actualM = columns[c];
    evaluator.TabulateColumn(c);
  }
  for (std::size_t r = 0; r < height; ++r) {
    actualN = rows[r];
    evaluator.PinRow();
    for (std::size_t c = 0; c < width; ++c) {
      actualM = columns[c];
      evaluator.EvaluateAt(c, points[r * width + c]);
    }
  }
  return {std::move(points), width, height};
}

// Each cell whose four corners are valid, cut to the box: its quadrilateral
// (solid) or its two far edges (wireframe).
void AddSurfaceCells(const TSurfaceGrid& grid, bool solid, const TBox& box, TObject3D& scene) {
  // Locals again, as the scene's growth would make the compiler reload the
  // grid's fields at every cell.
  const TGridPoint* points = grid.Points.data();
  const std::size_t width = grid.Width;
  const std::size_t height = grid.Height;
  for (std::size_t r = 0; r + 1 < height; ++r) {
    for (std::size_t c = 0; c + 1 < width; ++c) {
      const TGridPoint& q1 = points[r * width + c];
      const TGridPoint& q2 = points[(r + 1) * width + c];
      const TGridPoint& q3 = points[(r + 1) * width + c + 1];
      const TGridPoint& q4 = points[r * width + c + 1];
      if (!q1.Valid || !q2.Valid || !q3.Valid || !q4.Valid) continue;
      TPoint3D p1 = At(q1), p2 = At(q2), p3 = At(q3), p4 = At(q4);
      TPoint3D e1, e2, e3;
      // A cell wholly inside the box comes out of the cut unchanged unless
      // neighbouring corners coincide, which the cut merges into a triangle;
      // most cells of a surface are such cells, so they skip the cut.
      const bool whole = box.Contains(q1) && box.Contains(q2) && box.Contains(q3) &&
                         box.Contains(q4) && !(p2 == p3) && !(p3 == p4);
      if (!whole && !ClipQuad(p1, p2, p3, p4, box.Xmin, box.Xmax, box.Ymin, box.Ymax, box.Zmin,
                              box.Zmax, e1, e2, e3))
        continue;
      if (solid) {
        AddQuad(scene, p1, p2, p3, p4, q1.Color);
        // The cut left a triangle beside the quadrilateral. Tested point by
        // point: triangles whose coordinates merely add up to 0 are real too.
        if (AnyNonZero(e1, e2, e3)) AddQuad(scene, e1, e2, e3, e1, q1.Color);
      } else {
        // Only the far edges of each cell, so that neighbours never draw a
        // grid line twice.
        AddLine(scene, 1, q1.Color, p2.X, p2.Y, p2.Z, p3.X, p3.Y, p3.Z);
        AddLine(scene, 1, q1.Color, p3.X, p3.Y, p3.Z, p4.X, p4.Y, p4.Z);
      }
    }
  }
}

void AddSurface(TPointEvaluator& evaluator, TSampleTable& table, int first, int second,
                int32_t resolution, uint8_t style, const TBox& box, TObject3D& scene) {
  const TSurfaceGrid grid = SampleSurface(evaluator, table, first, second, resolution);
  if (grid.Width == 0 || grid.Height == 0) return;
  const std::size_t cells = (grid.Width - 1) * (grid.Height - 1);
  switch (style) {
    case DisplayStyleSolid: ReserveMore(scene, cells + cells / 16); break;
    case DisplayStyleWireframe: ReserveMore(scene, 2 * cells); break;
    case DisplayStylePoints:
      ReserveMore(scene, grid.Points.size());
      for (const TGridPoint& p : grid.Points)
        if (p.Valid && box.Contains(p)) AddDot(scene, 1, p.Color, p.X, p.Y, p.Z);
      return;
    default: return;
  }
  AddSurfaceCells(grid, style == DisplayStyleSolid, box, scene);
}

// The variable name that forms the whole term, or empty.
std::string AxisVariable(const TTermElement* tree) {
  if (tree != nullptr && tree->Operation == opLeaf && tree->IsVariable) return tree->Name;
  return {};
}

}  // namespace

int32_t ClampResolution(int32_t resolution) {
  return std::clamp(resolution, MinResolution, MaxResolution);
}

int32_t GradientColor(int32_t color1, int32_t color2, double q) {
  if (!(q >= 0)) q = 0;
  if (q > 1) q = 1;
  const auto c1 = static_cast<uint32_t>(color1);
  const auto c2 = static_cast<uint32_t>(color2);
  int32_t color = 0;
  for (int shift = 16; shift >= 0; shift -= 8) {
    const auto from = static_cast<int32_t>((c1 >> shift) & 0xFF);
    const auto to = static_cast<int32_t>((c2 >> shift) & 0xFF);
    // The conversion truncates toward zero, so a channel never passes to.
    color = color * 256 + from + static_cast<int32_t>((to - from) * q);
  }
  return color;
}

void BuildSampleTable(const std::array<const TTermElement*, 3>& terms,
                      const TCoordinateSystem& display, const TVarTable& varTable,
                      TSampleTable& table) {
  ClearVarTable(table.SampleVars);
  table.Log = {};
  table.Base = {};
  table.Free.clear();

  TStringArray names;
  for (const TTermElement* tree : terms) CollectVariables(tree, names);
  const std::array<std::string, 3> axisVar{AxisVariable(terms[0]), AxisVariable(terms[1]),
                                           AxisVariable(terms[2])};

  for (const std::string& name : names) {
    bool bound = false;
    for (TAxis axis : AllAxes) {
      const std::string& variable = axisVar[AxisIndex(axis)];
      if (variable.empty() || name != variable) continue;
      bound = true;
      const TConstDisplayAxis range = DisplayAxis(display, axis);
      double minimum = range.Min;
      double maximum = range.Max;
      // A variable that forms two axis terms runs over both ranges.
      const int held = FindVariable(table.SampleVars, name);
      if (held >= 0) {
        minimum = MinReal(minimum, table.SampleVars.Minimum[static_cast<std::size_t>(held)].Re);
        maximum = MaxReal(maximum, table.SampleVars.Maximum[static_cast<std::size_t>(held)].Re);
      }
      SetVariable(table.SampleVars, name, {minimum, 0}, {maximum, 0}, {minimum, 0});
      const int position = FindVariable(table.SampleVars, name);
      if (range.Log && position >= 0 && position <= 2) {
        const auto p = static_cast<std::size_t>(position);
        // The range holds exponents of the axis the variable is bound to, so
        // that axis's base steps it.
        if (!table.Log[p]) table.Base[p] = range.MajorInterval;
        table.Log[p] = true;
      }
    }
    if (!bound) {
      TComplex minimum, maximum, actual;
      GetVariable(varTable, name, minimum, maximum, actual);
      SetVariable(table.SampleVars, name, minimum, maximum, minimum);
    }
  }

  for (int p = 0; p < table.SampleVars.Count(); ++p) {
    const auto i = static_cast<std::size_t>(p);
    if (table.SampleVars.Minimum[i].Re != table.SampleVars.Maximum[i].Re) table.Free.push_back(p);
  }
}

TGraphOutcome AddGraph(const TGraph& graph, const TCoordinateSystem& display,
                       const TVarTable& varTable, TObject3D& scene) {
  // An empty term is the constant 0; so is axis 3 of a 2D display.
  TTerm t1, t2, t3;
  CompileTerm(graph.Term1.empty() ? "0" : graph.Term1, t1);
  CompileTerm(graph.Term2.empty() ? "0" : graph.Term2, t2);
  CompileTerm(!graph.Term3.empty() && display.ThreeAxes ? graph.Term3 : "0", t3);
  const std::array<const TTermElement*, 3> terms{t1.get(), t2.get(), t3.get()};

  TSampleTable table;
  BuildSampleTable(terms, display, varTable, table);
  if (table.Free.size() > 2) return TGraphOutcome::TooManyFreeVariables;
  if (table.Free.empty()) return TGraphOutcome::Added;

  TBox box{display.Min1, display.Max1, display.Min2, display.Max2, display.Min3, display.Max3};
  if (!display.ThreeAxes) {
    // Every point of a 2D display lies at Z = 0; a Z range beside 0 must not
    // cut the whole graph away.
    box.Zmin = MinReal(box.Zmin, 0);
    box.Zmax = MaxReal(box.Zmax, 0);
  }
  TPointEvaluator evaluator(terms, table.SampleVars, display, graph);
  const int32_t resolution = ClampResolution(display.Resolution);
  const std::size_t first = scene.size();
  if (table.Free.size() == 1) {
    AddCurve(evaluator, table, table.Free[0], resolution, box, scene);
  } else {
    AddSurface(evaluator, table, table.Free[0], table.Free[1], resolution, display.DisplayStyle,
               box, scene);
  }
  DropNonFinite(scene, first);
  return TGraphOutcome::Added;
}
