// SPDX-License-Identifier: GPL-3.0-or-later
// One graph of a display as scene segments. A graph is three terms, one per
// axis; a variable that forms an axis term alone runs over that axis's range,
// every other variable takes its range from the variable table. One free
// variable (minimum and maximum differ in their real parts) makes a curve,
// two make a surface drawn solid, as a wireframe or as points, coloured along
// axis 2 from the graph's first to its second colour.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "document/document.h"
#include "plot/scene.h"
#include "term/compiler.h"
#include "term/var_table.h"

// A surface of 300 by 300 steps already costs about 272,000 evaluations and
// 90,000 cells; a finer grid would not show more in the drawing area.
inline constexpr int32_t MaxSurfaceSteps = 300;

// The resolution within MinResolution and MaxResolution.
int32_t ClampResolution(int32_t resolution);

// The colour at q (0 at the bottom of axis 2, 1 at its top) between color1
// and color2, channel by channel, truncated toward color1. q below 0 or not a
// number counts as 0, above 1 as 1.
int32_t GradientColor(int32_t color1, int32_t color2, double q);

// The variables of one graph as the sampler steps them.
struct TSampleTable {
  // Every variable of the graph in order of first appearance (Term1, Term2,
  // Term3), with its range and, for a variable that is not free, the value
  // it keeps (its minimum).
  TVarTable SampleVars;
  // Positions 0..2 of SampleVars stepped logarithmically: their range holds
  // exponents to Base.
  std::array<bool, 3> Log{};
  std::array<double, 3> Base{};
  std::vector<int> Free;  // positions of the free variables, in order
};

// Builds the sample table of the compiled terms (null trees allowed) in the
// display, with unbound variables from varTable (a missing one is constant 0).
void BuildSampleTable(const std::array<const TTermElement*, 3>& terms,
                      const TCoordinateSystem& display, const TVarTable& varTable,
                      TSampleTable& table);

enum class TGraphOutcome : uint8_t {
  Added,                 // the graph's segments (possibly none) were appended
  TooManyFreeVariables,  // nothing appended; the plot must stop
};

// Samples one graph and appends its curve or surface, clipped to the box of
// the display.
TGraphOutcome AddGraph(const TGraph& graph, const TCoordinateSystem& display,
                       const TVarTable& varTable, TObject3D& scene);
