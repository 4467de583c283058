// SPDX-License-Identifier: GPL-3.0-or-later
#include "plot/graph_sampling.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <limits>
#include <set>
#include <string>
#include <vector>

#include "plot/scene_guard.h"
#include "support/graph.h"
#include "term/evaluator.h"

namespace {

constexpr double NaN = std::numeric_limits<double>::quiet_NaN();
constexpr int32_t Blue = 0xFF0000;
constexpr int32_t Red = 0x0000FF;

TCoordinateSystem Display3D() {
  TCoordinateSystem display;
  display.ThreeAxes = true;
  return display;
}

std::vector<TSegment> Sample(const TGraph& graph, const TCoordinateSystem& display,
                             const TVarTable& vars = {}) {
  TObject3D scene;
  EXPECT_EQ(AddGraph(graph, display, vars, scene), TGraphOutcome::Added);
  for (const TSegment& s : scene) EXPECT_TRUE(SegmentFinite(s));
  return scene;
}

size_t Count(const std::vector<TSegment>& scene, TSegmentKind kind) {
  return static_cast<size_t>(
      std::count_if(scene.begin(), scene.end(), [&](const TSegment& s) { return s.Kind == kind; }));
}

TEST(GradientColor, RunsChannelByChannelAndTruncatesTowardTheFirstColour) {
  struct TRow {
    int32_t c1, c2;
    double q;
    int32_t expected;
  };
  const TRow rows[] = {
      {Blue, Red, 0, Blue},
      {Blue, Red, 1, Red},
      {Blue, Red, 0.5, 0x80007F},  // blue 255 - 127, red 0 + 127
      {Blue, Red, -0.5, Blue},
      {Blue, Red, 7, Red},
      {Blue, Red, NaN, Blue},
      {Blue, Red, std::numeric_limits<double>::infinity(), Red},
      {Blue, Red, -std::numeric_limits<double>::infinity(), Blue},
      {0x000000, 0xFFFFFF, 0.999, 0xFEFEFE},
      {0x102030, 0x102030, 0.3, 0x102030},
      // Only the three colour bytes count, whatever a file put above them.
      {static_cast<int32_t>(0xFF000000u), 0x0000FF, 1, 0x0000FF},
      {static_cast<int32_t>(0xAB00FF00u), 0x00FF00, 0, 0x00FF00},
  };
  for (const TRow& row : rows)
    EXPECT_EQ(GradientColor(row.c1, row.c2, row.q), row.expected)
        << std::hex << row.c1 << " " << row.c2 << " q " << row.q;
}

TEST(ClampResolution, KeepsOneToTwoThousand) {
  const int32_t rows[][2] = {{INT32_MIN, 1}, {-5, 1},      {0, 1},       {1, 1},
                             {100, 100},     {2000, 2000}, {2001, 2000}, {INT32_MAX, 2000}};
  for (const auto& row : rows) EXPECT_EQ(ClampResolution(row[0]), row[1]) << row[0];
}

struct TTableRow {
  const char* name;
  const char* t1;
  const char* t2;
  const char* t3;
  std::vector<std::string> names;
  std::vector<int> free;
  std::array<bool, 3> log;
};

TEST(BuildSampleTable, BindsAxisVariablesAndTakesTheRestFromTheVariableTable) {
  TVarTable vars;
  SetVariable(vars, "a", {1, 0}, {5, 0}, {2, 0});
  SetVariable(vars, "c", {2, 3}, {2, 5}, {2, 4});  // not free: equal real parts
  SetVariable(vars, "t", {0, 0}, {6, 0}, {0, 0});
  TCoordinateSystem display = Display3D();
  display.Log1 = true;
  const TTableRow rows[] = {
      {"curve over axis 1", "x", "x^2", "", {"x"}, {0}, {true, false, false}},
      {"constant graph", "1", "2", "", {}, {}, {}},
      {"bound variable alone is its axis's variable", "t", "sin(t)", "", {"t"}, {0}, {true}},
      {"t+0 is not an axis term", "t+0", "sin(t)", "", {"t"}, {0}, {}},
      {"surface", "x", "y", "sin(x)*cos(y)", {"x", "y"}, {0, 1}, {true, false, false}},
      {"unknown names are constant 0", "x", "q*x", "", {"x", "q"}, {0}, {true}},
      {"complex constant range", "x", "im(c)", "", {"x", "c"}, {0}, {true}},
      {"three free", "a+x", "y", "z", {"a", "x", "y", "z"}, {0, 2, 3}, {}},
      {"log flag follows the position of the bound name", "a*0+1", "x", "", {"a", "x"}, {0, 1}, {}},
  };
  for (const TTableRow& row : rows) {
    TTerm t1, t2, t3;
    CompileTerm(row.t1, t1);
    CompileTerm(row.t2, t2);
    CompileTerm(*row.t3 ? row.t3 : "0", t3);
    TSampleTable table;
    table.Log = {true, true, true};  // a previous graph's flags must not survive
    table.Free = {7};
    BuildSampleTable({t1.get(), t2.get(), t3.get()}, display, vars, table);
    EXPECT_EQ(table.SampleVars.Names, row.names) << row.name;
    EXPECT_EQ(table.Free, row.free) << row.name;
    EXPECT_EQ(table.Log, row.log) << row.name;
  }
}

TEST(BuildSampleTable, RangesAndFixedValues) {
  TVarTable vars;
  SetVariable(vars, "c", {2, 3}, {2, 5}, {2, 4});
  TCoordinateSystem display = Display3D();
  display.Min1 = -3;
  display.Max1 = 1;
  display.Min2 = -1;
  display.Max2 = 4;
  display.Log2 = true;
  display.MajorInterval2 = 2;
  TTerm t1, t2, t3;
  CompileTerm("x", t1);
  CompileTerm("x", t2);  // bound to two axes: the union of their ranges
  CompileTerm("c+w", t3);
  TSampleTable table;
  BuildSampleTable({t1.get(), t2.get(), t3.get()}, display, vars, table);
  ASSERT_EQ(table.SampleVars.Names, (TStringArray{"x", "c", "w"}));
  const TVarTable& s = table.SampleVars;
  EXPECT_EQ(s.Minimum[0].Re, -3);
  EXPECT_EQ(s.Maximum[0].Re, 4);
  EXPECT_EQ(s.Actual[0].Re, -3);
  EXPECT_TRUE(table.Log[0]);
  EXPECT_EQ(table.Base[0], 2);   // the base of the logarithmic axis it is bound to
  EXPECT_EQ(s.Actual[1].Re, 2);  // the whole complex minimum, for every point
  EXPECT_EQ(s.Actual[1].Im, 3);
  EXPECT_EQ(s.Actual[2].Re, 0);  // not in the variable table: constant 0
  EXPECT_EQ(table.Free, (std::vector<int>{0}));
}

// The pieces of a curve over the default box that cross y = 10 end there.
TEST(AddGraph, ParabolaIsCutAtTheTopOfTheBox) {
  const auto scene = Sample(Graph("x", "x^2"), TCoordinateSystem{});
  ASSERT_EQ(scene.size(), Count(scene, TSegmentKind::Line));
  // x = -3.0 .. 3.0 lie inside: 30 pieces, plus the two that cross y = 10.
  EXPECT_EQ(scene.size(), 32u);
  int cut = 0;
  for (const TSegment& s : scene) {
    EXPECT_LE(std::max(s.P1.Y, s.P2.Y), 10.0);
    EXPECT_GE(std::min(s.P1.X, s.P2.X), -3.2);
    EXPECT_LE(std::max(s.P1.X, s.P2.X), 3.2);
    EXPECT_EQ(s.P1.Z, 0);
    if (s.P1.Y == 10 || s.P2.Y == 10) {
      ++cut;
      const double x = s.P1.Y == 10 ? s.P1.X : s.P2.X;
      EXPECT_GT(std::fabs(x), 3.0);
      EXPECT_LT(std::fabs(x), 3.2);
    }
    EXPECT_EQ(s.Color, Blue);
  }
  EXPECT_EQ(cut, 2);
}

TEST(AddGraph, CurvesStopWhereTheyBecomeInvalid) {
  struct TRow {
    const char* name;
    TGraph graph;
    double minX;  // no piece reaches left of it
    size_t lines;
  };
  const TRow rows[] = {
      // sqrt of a negative number is not real: nothing left of 0, and the
      // first point (x = -10) is invalid too.
      {"sqrt", Graph("x", "sqrt(x)"), -1e-12, 50},
      {"ln", Graph("x", "ln(x)"), 0, 49},
      // The compiler's flag is not consulted: 2sin(x) is drawn as sin(x).
      {"tree of a term that did not compile", Graph("x", "2sin(x)"), -10, 100},
      {"empty second term is 0", Graph("x", ""), -10, 100},
  };
  for (const TRow& row : rows) {
    const auto scene = Sample(row.graph, TCoordinateSystem{});
    EXPECT_NEAR(static_cast<double>(scene.size()), static_cast<double>(row.lines), 1) << row.name;
    for (const TSegment& s : scene) EXPECT_GE(std::min(s.P1.X, s.P2.X), row.minX) << row.name;
  }
}

TEST(AddGraph, GraphsWithoutFreeVariablesAddNothing) {
  TVarTable vars;
  SetVariable(vars, "c", {2, 3}, {2, 5}, {2, 3});
  const TGraph rows[] = {Graph("1", "2"), Graph("", ""), Graph("c+0", "c*2"), Graph("1", "2", "x")};
  for (const TGraph& graph : rows) EXPECT_TRUE(Sample(graph, TCoordinateSystem{}, vars).empty());
}

TEST(AddGraph, UnboundVariableRunsOverItsTableRange) {
  TVarTable vars;
  SetVariable(vars, "t", {0, 0}, {6, 0}, {0, 0});
  const auto scene = Sample(Graph("t+0", "sin(t)"), TCoordinateSystem{}, vars);
  // The sums of 0.06 stay just below 6, so the curve ends at the first t
  // past it.
  ASSERT_EQ(scene.size(), 101u);
  EXPECT_EQ(scene.front().P1.X, 0);
  EXPECT_NEAR(scene.back().P2.X, 6.06, 1e-9);
  EXPECT_NEAR(scene[25].P1.Y, std::sin(25 * 0.06), 1e-9);
  // t alone is the variable of axis 1 and runs over the axis range instead.
  const auto bound = Sample(Graph("t", "sin(t)"), TCoordinateSystem{}, vars);
  ASSERT_EQ(bound.size(), 101u);
  EXPECT_EQ(bound.front().P1.X, -10);
}

// Over 0..4000 with 2 units per step at Resolution 2000 every sum is exact,
// so the piece count shows the step count.
TEST(AddGraph, CurveResolutionIsClampedToOneToTwoThousand) {
  const int32_t rows[][2] = {{INT32_MIN, 1}, {-7, 1},      {0, 1},       {1, 1},
                             {4, 4},         {2000, 2000}, {2001, 2000}, {INT32_MAX, 2000}};
  for (const auto& row : rows) {
    TCoordinateSystem display;
    display.Min1 = display.Min2 = 0;
    display.Max1 = display.Max2 = 4000;
    display.Resolution = row[0];
    const auto scene = Sample(Graph("x", "x"), display);
    EXPECT_EQ(scene.size(), static_cast<size_t>(row[1])) << row[0];
    ASSERT_FALSE(scene.empty());
    EXPECT_EQ(scene.back().P2.X, 4000) << row[0];
  }
}

TEST(AddGraph, LogarithmicAxisStepsTheExponent) {
  TCoordinateSystem display;
  display.Log1 = true;  // x from 10^0 to 10^2
  display.Min1 = 0;
  display.Max1 = 2;
  display.Min2 = 0;
  display.Max2 = 100;
  display.Resolution = 2;
  // x*1, not x: x alone would bind x to axis 2 as well and widen its range.
  const auto scene = Sample(Graph("x", "x*1"), display);
  ASSERT_EQ(scene.size(), 2u);
  EXPECT_EQ(scene[0].P1, (TPoint3D{0, 1, 0}));
  EXPECT_EQ(scene[0].P2, (TPoint3D{1, 10, 0}));
  EXPECT_EQ(scene[1].P2, (TPoint3D{2, 100, 0}));
}

TEST(AddGraph, TwoDimensionalDisplayIgnoresAxisThreeForPoints) {
  TCoordinateSystem display;
  display.Log3 = true;  // would make Z = 0 invalid
  display.Min3 = 1;     // and a box beside Z = 0 would cut everything away
  display.Max3 = 2;
  EXPECT_EQ(Sample(Graph("x", "x"), display).size(), 101u);
  // A third term is not used in a 2D display.
  EXPECT_EQ(Sample(Graph("x", "x", "1/0"), TCoordinateSystem{}).size(), 101u);
}

TEST(AddGraph, SurfaceGridIsAtMostThreeHundredStepsPerDirection) {
  // u and v step through 0..300 in whole units, so every position is exact.
  TVarTable vars;
  SetVariable(vars, "u", {0, 0}, {300, 0}, {0, 0});
  SetVariable(vars, "v", {0, 0}, {300, 0}, {0, 0});
  TCoordinateSystem display = Display3D();
  display.Min1 = display.Min2 = display.Min3 = -1000;
  display.Max1 = display.Max2 = display.Max3 = 1000;
  display.DisplayStyle = DisplayStylePoints;
  struct TRow {
    int32_t resolution;
    size_t perDirection;
  };
  const TRow rows[] = {{1000, 301}, {300, 301}, {150, 151}, {1, 2}, {0, 2}};
  for (const TRow& row : rows) {
    display.Resolution = row.resolution;
    const auto scene = Sample(Graph("u+0", "v+0", "1"), display, vars);
    EXPECT_EQ(scene.size(), row.perDirection * row.perDirection) << row.resolution;
    std::set<double> xs;
    for (const TSegment& s : scene) {
      EXPECT_EQ(s.Kind, TSegmentKind::Dot);
      EXPECT_EQ(s.Radius, 1);
      xs.insert(s.P1.X);
    }
    EXPECT_EQ(xs.size(), row.perDirection) << row.resolution;
    EXPECT_EQ(*xs.rbegin(), 300) << row.resolution;
    EXPECT_EQ(display.Resolution, row.resolution);
  }
}

TEST(AddGraph, WireframeDrawsTheFarEdgesOfEachCell) {
  TCoordinateSystem display = Display3D();
  display.DisplayStyle = DisplayStyleWireframe;
  display.Resolution = 2;  // 3 by 3 points, 4 cells
  const auto scene = Sample(Graph("x", "y", "0"), display);
  ASSERT_EQ(scene.size(), 8u);
  for (const TSegment& s : scene) {
    EXPECT_EQ(s.Kind, TSegmentKind::Line);
    // The grid lines along the first row and the first column are not drawn.
    EXPECT_FALSE(s.P1.Y == -10 && s.P2.Y == -10);
    EXPECT_FALSE(s.P1.X == -10 && s.P2.X == -10);
  }
}

TEST(AddGraph, SolidCellsTakeTheColourOfTheirFirstCorner) {
  TCoordinateSystem display = Display3D();
  display.Resolution = 2;
  TGraph graph = Graph("x", "y", "0");
  graph.Color1 = Blue;
  graph.Color2 = Red;
  const auto scene = Sample(graph, display);
  ASSERT_EQ(scene.size(), 4u);
  // Rows step y: the two lower cells start at y = -10 (q = 0), the upper
  // two at y = 0 (q = 0.5).
  const int32_t expected[] = {Blue, Blue, 0x80007F, 0x80007F};
  for (size_t i = 0; i < 4; ++i) {
    EXPECT_EQ(scene[i].Kind, TSegmentKind::Quad);
    EXPECT_EQ(scene[i].Color, expected[i]) << i;
  }
  EXPECT_EQ(scene[0].P1, (TPoint3D{-10, -10, 0}));
  EXPECT_EQ(scene[0].P2, (TPoint3D{-10, 0, 0}));
  EXPECT_EQ(scene[0].P3, (TPoint3D{0, 0, 0}));
  EXPECT_EQ(scene[0].P4, (TPoint3D{0, -10, 0}));
}

TEST(AddGraph, InvalidCornersRemoveTheirCells) {
  TCoordinateSystem display = Display3D();
  display.Resolution = 4;  // x at -10, -5, 0, 5, 10
  // sqrt(x) is invalid for x < 0: only the two cell columns right of 0 stay.
  EXPECT_EQ(Sample(Graph("x", "y", "sqrt(x)"), display).size(), 2u * 4u);
  display.DisplayStyle = 7;  // no such style: nothing
  EXPECT_TRUE(Sample(Graph("x", "y", "0"), display).empty());
}

// A benchmark of this size must show the same picture: 90,000 cells, of
// which the cells poking out of the box through rounding add triangles.
TEST(AddGraph, BenchmarkSurfaceHasItsKnownQuadCount) {
  TCoordinateSystem display = Display3D();
  display.Resolution = 300;
  const auto scene = Sample(Graph("x", "y", "sin(x)*cos(y)"), display);
  EXPECT_EQ(Count(scene, TSegmentKind::Quad), 90601u);
  EXPECT_EQ(scene.size(), 90601u);
}

TEST(AddGraph, MoreThanTwoFreeVariablesAddNothingAndSaySo) {
  TVarTable vars;
  SetVariable(vars, "a", {0, 0}, {1, 0}, {0, 0});
  TObject3D scene;
  EXPECT_EQ(AddGraph(Graph("x", "y", "a"), Display3D(), vars, scene),
            TGraphOutcome::TooManyFreeVariables);
  EXPECT_TRUE(scene.empty());
  // In 2D the third term is not used, so only two free variables remain.
  EXPECT_EQ(AddGraph(Graph("x", "y", "a"), TCoordinateSystem{}, vars, scene), TGraphOutcome::Added);
}

// Ranges no dialog would produce must not hang the sampler, fill memory or
// put a non-finite coordinate into the scene.
TEST(AddGraph, HostileRangesEndAfterTheStepCount) {
  struct TRow {
    const char* name;
    double min, max;
    int32_t resolution;
    size_t maxSegments;
  };
  const double tiny = 1e-320;  // its steps are subnormal or 0
  const TRow rows[] = {
      {"maximum below minimum", 6, 0, 100, 101},
      {"maximum NaN", 0, NaN, 100, 0},
      {"minimum NaN", NaN, 0, 2000, 0},
      {"step rounds to 0", 0, tiny, 2000, 2001},
      {"huge range", -1.7e308, 1.7e308, 2000, 2001},
  };
  for (const TRow& row : rows) {
    TVarTable vars;
    SetVariable(vars, "t", {row.min, 0}, {row.max, 0}, {row.min, 0});
    TCoordinateSystem display = Display3D();
    display.Resolution = row.resolution;
    display.Min1 = display.Min2 = display.Min3 = -1e308;
    display.Max1 = display.Max2 = display.Max3 = 1e308;
    EXPECT_LE(Sample(Graph("t+0", "t*1", "0"), display, vars).size(), row.maxSegments) << row.name;
    // The same range on both variables of a surface.
    SetVariable(vars, "s", {row.min, 0}, {row.max, 0}, {row.min, 0});
    EXPECT_LE(Sample(Graph("t+0", "s+0", "0"), display, vars).size(), 302u * 302u * 2u) << row.name;
  }
  // Axis ranges no dialog allows, for bound variables.
  TCoordinateSystem display = Display3D();
  display.Min1 = 10;
  display.Max1 = -10;
  display.Min2 = NaN;
  display.Log3 = true;
  display.MajorInterval3 = 1;
  EXPECT_LE(Sample(Graph("x", "x"), display).size(), 101u);
  EXPECT_TRUE(Sample(Graph("x", "y", "x*y"), display).empty());
  EXPECT_TRUE(Sample(Graph("x", "y", "1"), display).empty());  // no logarithm to base 1
}

}  // namespace
