// SPDX-License-Identifier: GPL-3.0-or-later
// The three axes, and the fields that displays, diagrams and graphs hold once
// per axis, reached by axis: a rule about an axis is written once and applied
// to axes 1, 2 and 3. The records keep their numbered fields (Min1, Column2,
// Term3) because the file format and the rest of the code name them so.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <type_traits>

#include "document/document.h"

// Axis 1 (X), 2 (Y) and 3 (Z).
enum class TAxis : uint8_t { First, Second, Third };

// For loops over the axes: `for (TAxis axis : AllAxes)`.
inline constexpr std::array<TAxis, 3> AllAxes{TAxis::First, TAxis::Second, TAxis::Third};

// The position in a per-axis array: 0, 1 or 2.
constexpr std::size_t AxisIndex(TAxis axis) { return static_cast<std::size_t>(axis); }

// The number the user reads in captions and messages: 1, 2 or 3.
constexpr int AxisNumber(TAxis axis) { return static_cast<int>(axis) + 1; }

// A field of Record, const when Record is.
template <typename Record, typename T>
using TFieldOf = std::conditional_t<std::is_const_v<Record>, const T, T>;

// One axis of a display (TCoordinateSystem or const TCoordinateSystem).
template <typename Display>
struct TDisplayAxisOf {
  using TReal = TFieldOf<Display, double>;
  using TFlag = TFieldOf<Display, bool>;
  TReal& Origin;
  TReal& Min;
  TReal& Max;
  TReal& Shift;
  TReal& Zoom;
  TReal& MajorInterval;  // on a logarithmic axis: the base
  TReal& MinorInterval;
  TFlag& Log;
  TFlag& Markings;
  TFieldOf<Display, std::string>& Label;
};
using TDisplayAxis = TDisplayAxisOf<TCoordinateSystem>;
using TConstDisplayAxis = TDisplayAxisOf<const TCoordinateSystem>;

template <typename Display>
requires std::is_same_v<std::remove_const_t<Display>, TCoordinateSystem> TDisplayAxisOf<Display>
DisplayAxis(Display& d, TAxis axis) {
  switch (axis) {
    case TAxis::First:
      return {d.Origin1,        d.Min1,           d.Max1, d.Shift1,    d.Zoom1,
              d.MajorInterval1, d.MinorInterval1, d.Log1, d.Markings1, d.Label1};
    case TAxis::Second:
      return {d.Origin2,        d.Min2,           d.Max2, d.Shift2,    d.Zoom2,
              d.MajorInterval2, d.MinorInterval2, d.Log2, d.Markings2, d.Label2};
    case TAxis::Third: break;
  }
  return {d.Origin3,        d.Min3,           d.Max3, d.Shift3,    d.Zoom3,
          d.MajorInterval3, d.MinorInterval3, d.Log3, d.Markings3, d.Label3};
}

// One axis of a diagram (TDiagram or const TDiagram).
template <typename Diagram>
struct TDiagramAxisOf {
  TFieldOf<Diagram, int32_t>& Column;
  TFieldOf<Diagram, double>& Constant;
  TFieldOf<Diagram, bool>& UseColumn;
  TFieldOf<Diagram, int32_t>& ErrorLow;
  TFieldOf<Diagram, int32_t>& ErrorHigh;
};
using TDiagramAxis = TDiagramAxisOf<TDiagram>;
using TConstDiagramAxis = TDiagramAxisOf<const TDiagram>;

template <typename Diagram>
requires std::is_same_v<std::remove_const_t<Diagram>, TDiagram> TDiagramAxisOf<Diagram> DiagramAxis(
    Diagram& m, TAxis axis) {
  switch (axis) {
    case TAxis::First: return {m.Column1, m.Constant1, m.UseColumn1, m.ErrorLow1, m.ErrorHigh1};
    case TAxis::Second: return {m.Column2, m.Constant2, m.UseColumn2, m.ErrorLow2, m.ErrorHigh2};
    case TAxis::Third: break;
  }
  return {m.Column3, m.Constant3, m.UseColumn3, m.ErrorLow3, m.ErrorHigh3};
}

// The term of a graph for one axis (TGraph or const TGraph).
template <typename Graph>
requires std::is_same_v<std::remove_const_t<Graph>, TGraph> TFieldOf<Graph, std::string>
&GraphTerm(Graph& g, TAxis axis) {
  switch (axis) {
    case TAxis::First: return g.Term1;
    case TAxis::Second: return g.Term2;
    case TAxis::Third: break;
  }
  return g.Term3;
}
