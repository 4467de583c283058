// SPDX-License-Identifier: GPL-3.0-or-later
// The sampler, which computes each subtree only as often as its variables
// change and passes cells inside the box without cutting them, against the
// plain sampler, which evaluates all three terms by name at every point and
// cuts every cell: the same scene, segment by segment and bit for bit.
#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <string>
#include <vector>

#include "plain_graph_sampling.h"
#include "plot/graph_sampling.h"

namespace {

bool SameBits(double a, double b) {
  return std::bit_cast<uint64_t>(a) == std::bit_cast<uint64_t>(b);
}

bool SameBits(const TPoint3D& a, const TPoint3D& b) {
  return SameBits(a.X, b.X) && SameBits(a.Y, b.Y) && SameBits(a.Z, b.Z);
}

bool SameSegment(const TSegment& a, const TSegment& b) {
  return SameBits(a.P1, b.P1) && SameBits(a.P2, b.P2) && SameBits(a.P3, b.P3) &&
         SameBits(a.P4, b.P4) && a.Radius == b.Radius && a.Color == b.Color && a.Kind == b.Kind &&
         a.Projected == b.Projected && a.Text == b.Text;
}

struct TGraphCase {
  const char* term1;
  const char* term2;
  const char* term3;
};

// Surfaces and curves over axis-bound variables, table variables (free and
// fixed, complex), constants, invalid regions and defective terms.
const TGraphCase Graphs[] = {
    {"x", "y", "sin(x)*cos(y)"},
    {"x", "y", "exp(-(x^2+y^2)/20)*cos(x*y)"},
    {"x", "y", "abs(sqrt(x+y*i))"},
    {"x", "y", "re(ln(x+i*y)*arctan(x/(y+1)))"},
    {"x", "y", "sqrt(x*y)"},
    {"x", "y", "1/(x-y)+c*2"},
    {"y", "x", "x^2-y+pi"},
    {"u", "v", "u*v"},
    {"x", "y", "u+x*y"},
    {"cos(u)*(3+v)", "sin(u)*(3+v)", "v*c"},
    {"x", "y", "xlg(y)"},
    {"x", "y", "x+"},
    {"x", "x^2", ""},
    {"t", "sin(t)*c", ""},
    {"x", "sqrt(x)", "c"},
    {"x", "1/x", "y"},
    // Corners that coincide along a row or along a column: the cut merges
    // them into triangles.
    {"v", "v^2", "u*0"},
    {"u*0+v", "v", "v*c"},
    {"x", "y", "0*x"},
    {"x", "y", "h(x*y)*20-10"},
};

TVarTable Variables() {
  TVarTable table;
  SetVariable(table, "u", {0, 0}, {6.283185307179586, 0}, {});
  SetVariable(table, "v", {-1, 0}, {1, 0}, {});
  SetVariable(table, "t", {0, 0}, {6, 0}, {});
  SetVariable(table, "c", {2, 3}, {2, 5}, {});  // not free: 2+3i everywhere
  return table;
}

std::vector<TCoordinateSystem> Displays() {
  std::vector<TCoordinateSystem> displays;
  for (const uint8_t style : {DisplayStyleSolid, DisplayStyleWireframe, DisplayStylePoints}) {
    TCoordinateSystem display;
    SetDisplayDefaults(display);
    display.ThreeAxes = true;
    display.DisplayStyle = style;
    display.Resolution = 37;
    displays.push_back(display);
  }
  TCoordinateSystem log = displays[0];
  log.Log1 = true;
  log.Log3 = true;
  log.Min1 = -2;
  log.Max1 = 2;
  displays.push_back(log);
  TCoordinateSystem flat;
  SetDisplayDefaults(flat);
  flat.Resolution = 300;
  displays.push_back(flat);
  return displays;
}

TEST(HoistedSampling, BuildsThePlainScene) {
  const TVarTable variables = Variables();
  int compared = 0;
  for (const TCoordinateSystem& display : Displays()) {
    for (const TGraphCase& g : Graphs) {
      TGraph graph;
      graph.Term1 = g.term1;
      graph.Term2 = g.term2;
      graph.Term3 = g.term3;
      graph.Color1 = 0x102030;
      graph.Color2 = 0xF0E0D0;
      TObject3D hoisted, plain;
      const TGraphOutcome a = AddGraph(graph, display, variables, hoisted);
      const TGraphOutcome b = plain::AddGraph(graph, display, variables, plain);
      const std::string what = std::string(g.term1) + ", " + g.term2 + ", " + g.term3 + " style " +
                               std::to_string(display.DisplayStyle);
      ASSERT_EQ(a, b) << what;
      ASSERT_EQ(hoisted.size(), plain.size()) << what;
      std::size_t differ = 0;
      for (std::size_t k = 0; k < plain.size(); ++k) differ += !SameSegment(hoisted[k], plain[k]);
      EXPECT_EQ(differ, 0u) << what;
      compared += static_cast<int>(plain.size());
    }
  }
  // The cases must draw something, or the comparison proves nothing.
  EXPECT_GT(compared, 20000);
}

// The benchmark surface at full resolution: 90,601 points.
TEST(HoistedSampling, BenchmarkSurfaceIsThePlainOne) {
  TCoordinateSystem display;
  SetDisplayDefaults(display);
  display.ThreeAxes = true;
  display.Resolution = 300;
  TGraph graph;
  graph.Term1 = "x";
  graph.Term2 = "y";
  graph.Term3 = "sin(x)*cos(y)";
  TObject3D hoisted, plain;
  AddGraph(graph, display, {}, hoisted);
  plain::AddGraph(graph, display, {}, plain);
  ASSERT_EQ(hoisted.size(), plain.size());
  std::size_t differ = 0;
  for (std::size_t k = 0; k < plain.size(); ++k) differ += !SameSegment(hoisted[k], plain[k]);
  EXPECT_EQ(differ, 0u);
}

}  // namespace
