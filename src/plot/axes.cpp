// SPDX-License-Identifier: GPL-3.0-or-later
#include "plot/axes.h"

#include <array>
#include <cmath>
#include <cstddef>
#include <string>

#include "document/axis.h"
#include "plot/scene_guard.h"
#include "term/complex.h"

namespace {

// Segments per axis line and per raster line: enough pieces for the depth
// sort to interleave long lines with the surfaces they cross.
constexpr uint8_t LinePieces = 20;

// Fixed parts of the markings of one axis, at AxisIndex of the axis.
struct TAxisGeometry {
  TAxis MarkAlong;              // axis along which a mark extends
  std::array<TAxis, 2> Raster;  // axes along which raster lines run (second: 3D only for axes 1, 2)
  int8_t LabelDirX;
  int8_t LabelDirY;
};

constexpr std::array<TAxisGeometry, 3> Geometry{{
    {TAxis::Second, {TAxis::Second, TAxis::Third}, 0, -1},  // axis 1: numbers centred below
    {TAxis::First, {TAxis::First, TAxis::Third}, -1, 0},    // axis 2: numbers left of the axis
    {TAxis::Second, {TAxis::Second, TAxis::First}, 1, -1},  // axis 3: numbers below right
}};

double Length(const TCoordinateSystem& display, TAxis axis) {
  const TConstDisplayAxis range = DisplayAxis(display, axis);
  return range.Max - range.Min;
}

double& Coord(TPoint3D& p, TAxis axis) {
  return axis == TAxis::First ? p.X : axis == TAxis::Second ? p.Y : p.Z;
}

bool Reject(std::vector<TAxisMark>& marks) {
  marks.clear();
  return false;
}

// Appends a mark and tells whether the axis is still within its bound.
bool AddMark(std::vector<TAxisMark>& marks, int& count, TAxisMarkKind kind, double position,
             double value) {
  marks.push_back({kind, position, value});
  return ++count <= MaxAxisMarks;
}

bool LinearMarks(double min, double max, double major, double minor, bool markings,
                 std::vector<TAxisMark>& marks) {
  int count = 0;
  double v = min;
  if (markings) marks.push_back({TAxisMarkKind::Label, v, v});
  double w = v + major;  // the next major position
  // Every pass adds a mark or leaves, so the bound on marks bounds the loop
  // even when v + minor no longer changes v.
  while (v <= max) {
    if (v < w && !AddMark(marks, count, TAxisMarkKind::Minor, v, v)) return Reject(marks);
    v += minor;
    if (v > max) break;
    if (v >= w) {
      v = w;  // snap onto the major so that rounding never skips it
      if (!AddMark(marks, count, TAxisMarkKind::Major, v, v)) return Reject(marks);
      if (markings) marks.push_back({TAxisMarkKind::Label, v, v});
      w += major;
      v += minor;
    }
  }
  return true;
}

// Works with values, one decade (a factor of the base) after the other; the
// minor step is the minor interval times the start of the current decade.
bool LogarithmicMarks(double min, double max, double base, double minor, bool markings,
                      std::vector<TAxisMark>& marks) {
  const double lnBase = std::log(base);
  const double top = std::pow(base, max);
  double v = std::pow(base, min);
  // A range whose values leave the double range cannot be stepped through.
  if (!(v > 0) || !std::isfinite(v) || !std::isfinite(top)) return Reject(marks);
  int count = 0;
  if (markings) marks.push_back({TAxisMarkKind::Label, std::log(v) / lnBase, v});
  double w = v * base;  // the next major value
  while (v <= top) {
    if (v < w && !AddMark(marks, count, TAxisMarkKind::Minor, std::log(v) / lnBase, v))
      return Reject(marks);
    v += minor * (w / base);
    if (v > top) break;
    if (v >= w) {
      v = w;
      const double position = std::log(v) / lnBase;
      if (!AddMark(marks, count, TAxisMarkKind::Major, position, v)) return Reject(marks);
      if (markings) marks.push_back({TAxisMarkKind::Label, position, v});
      w *= base;
      v += minor * (w / base);
    }
  }
  return true;
}

void AddAxisMarkings(const TCoordinateSystem& display, TAxis axis, TObject3D& scene) {
  const TConstDisplayAxis a = DisplayAxis(display, axis);
  const TPoint3D origin{display.Origin1, display.Origin2, display.Origin3};
  const TAxisGeometry& geometry = Geometry[AxisIndex(axis)];
  const int color = display.AxisColor;

  std::vector<TAxisMark> marks;
  if (!AxisMarks(a.Min, a.Max, a.Log, a.MajorInterval, a.MinorInterval, a.Markings, marks)) return;

  const double alongLength = Length(display, geometry.MarkAlong);
  const double minorHalf = alongLength / 100;  // model units along the crossing axis
  const double majorHalf = alongLength / 70;
  const uint8_t majorPieces = (axis == TAxis::Third && !a.Log) ? 2 : 1;
  const int rasterLines = (axis == TAxis::Third || display.ThreeAxes) ? 2 : 1;
  // Segments per mark at most: raster pieces, or a mark of up to two pieces.
  const std::size_t perMark =
      display.AxisStyle == AxisStyleRaster ? static_cast<std::size_t>(LinePieces * rasterLines) : 2;
  ReserveMore(scene, marks.size() * perMark);

  for (const TAxisMark& mark : marks) {
    TPoint3D at = origin;
    Coord(at, axis) = mark.Position;
    if (mark.Kind == TAxisMarkKind::Label) {
      TPoint3D anchor = at;
      // Numbers of a linear axis 2 and of axis 3 keep a small gap from their axis.
      if (axis == TAxis::Second && !a.Log) anchor.X -= Length(display, TAxis::First) / 100;
      if (axis == TAxis::Third) anchor.Y -= Length(display, TAxis::Second) / 100;
      AddText(scene, RealToStr(mark.Value), color, anchor.X, anchor.Y, anchor.Z, geometry.LabelDirX,
              geometry.LabelDirY, 0);
      continue;
    }
    if (display.AxisStyle == AxisStyleMarkings) {
      const bool isMajor = mark.Kind == TAxisMarkKind::Major;
      const double half = isMajor ? majorHalf : minorHalf;
      TPoint3D from = at, to = at;
      Coord(from, geometry.MarkAlong) -= half;
      Coord(to, geometry.MarkAlong) += half;
      AddLine(scene, isMajor ? majorPieces : 1, color, from.X, from.Y, from.Z, to.X, to.Y, to.Z);
    } else if (display.AxisStyle == AxisStyleRaster) {
      for (int line = 0; line < rasterLines; ++line) {
        const TAxis span = geometry.Raster[static_cast<std::size_t>(line)];
        TPoint3D from = at, to = at;
        Coord(from, span) = DisplayAxis(display, span).Min;
        Coord(to, span) = DisplayAxis(display, span).Max;
        AddLine(scene, LinePieces, color, from.X, from.Y, from.Z, to.X, to.Y, to.Z);
      }
    }
  }
}

}  // namespace

bool AxisMarks(double min, double max, bool logarithmic, double majorInterval, double minorInterval,
               bool markings, std::vector<TAxisMark>& marks) {
  marks.clear();
  if (!std::isfinite(min) || !std::isfinite(max)) return false;
  if (!(minorInterval > 0) || !std::isfinite(minorInterval)) return false;
  if (!std::isfinite(majorInterval)) return false;
  if (logarithmic) {
    if (!(majorInterval > 1)) return false;
    return LogarithmicMarks(min, max, majorInterval, minorInterval, markings, marks);
  }
  if (!(majorInterval > 0)) return false;
  return LinearMarks(min, max, majorInterval, minorInterval, markings, marks);
}

void AddAxes(const TCoordinateSystem& display, TObject3D& scene) {
  const std::size_t first = scene.size();
  ReserveMore(scene, 3 * LinePieces + 3);
  const int color = display.AxisColor;
  const double o1 = display.Origin1, o2 = display.Origin2, o3 = display.Origin3;
  AddLine(scene, LinePieces, color, display.Min1, o2, o3, display.Max1, o2, o3);
  AddLine(scene, LinePieces, color, o1, display.Min2, o3, o1, display.Max2, o3);
  if (display.ThreeAxes)
    AddLine(scene, LinePieces, color, o1, o2, display.Min3, o1, o2, display.Max3);
  AddText(scene, display.Label1, color, display.Max1, o2, o3, 1, 0, 0);
  AddText(scene, display.Label2, color, o1, display.Max2, o3, 0, 1, 0);
  if (display.ThreeAxes) AddText(scene, display.Label3, color, o1, o2, display.Max3, -1, 0, 0);

  for (TAxis axis : AllAxes)
    if (axis != TAxis::Third || display.ThreeAxes) AddAxisMarkings(display, axis, scene);
  DropNonFinite(scene, first);
}
