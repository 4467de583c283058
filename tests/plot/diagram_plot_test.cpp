// SPDX-License-Identifier: GPL-3.0-or-later
#include "plot/diagram_plot.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "plot/scene_guard.h"

namespace {

constexpr int32_t Color = 0x123456;

// An evaluated table whose data rows are given cell by cell (columns 1..n).
TStringGrid Table(const std::vector<std::vector<std::string>>& rows) {
  size_t columns = 1;
  for (const auto& row : rows) columns = std::max(columns, row.size() + 1);
  TStringGrid table(static_cast<int>(columns), static_cast<int>(rows.size()) + 1);
  for (size_t r = 0; r < rows.size(); ++r)
    for (size_t c = 0; c < rows[r].size(); ++c)
      table.SetCells(static_cast<int>(c) + 1, static_cast<int>(r) + 1, rows[r][c]);
  return table;
}

TDiagram ColumnsDiagram(int32_t x, int32_t y) {
  TDiagram diagram;
  diagram.UseColumn1 = diagram.UseColumn2 = true;
  diagram.Column1 = x;
  diagram.Column2 = y;
  diagram.Color1 = Color;
  diagram.Color2 = 0x00FF00;  // never drawn
  return diagram;
}

std::vector<TSegment> Plot(const TDiagram& diagram, const TStringGrid& table,
                           const TCoordinateSystem& display = {}) {
  TObject3D scene;
  AddDiagram(diagram, display, table, scene);
  for (const TSegment& s : scene) {
    EXPECT_TRUE(SegmentFinite(s));
    EXPECT_EQ(s.Color, Color);
  }
  return scene;
}

// One letter per segment: D dot, L line; with its first point.
std::string Describe(const std::vector<TSegment>& scene) {
  std::string text;
  for (const TSegment& s : scene) {
    if (!text.empty()) text += ' ';
    text += s.Kind == TSegmentKind::Dot ? "D" : s.Kind == TSegmentKind::Line ? "L" : "?";
    text += RealToStr(s.P1.X) + "," + RealToStr(s.P1.Y);
    if (s.Kind == TSegmentKind::Line) text += ">" + RealToStr(s.P2.X) + "," + RealToStr(s.P2.Y);
  }
  return text;
}

TEST(AddDiagram, PointsAndConnectingLinesPerRow) {
  struct TRow {
    const char* name;
    TDiagram diagram;
    std::vector<std::vector<std::string>> cells;
    const char* expected;
  };
  TDiagram constants;
  constants.Constant1 = 1;
  constants.Constant2 = 2;
  constants.Color1 = Color;
  TDiagram noDots = ColumnsDiagram(1, 2);
  noDots.ShowPoints = false;
  TDiagram noLines = ColumnsDiagram(1, 2);
  noLines.ConnectPoints = false;
  const TRow rows[] = {
      {"header row only", ColumnsDiagram(1, 2), {}, ""},
      {"three rows",
       ColumnsDiagram(1, 2),
       {{"1", "2"}, {"2", "4"}, {"3", "9"}},
       "D1,2 L1,2>2,4 D2,4 L2,4>3,9 D3,9"},
      {"constants draw the same point per row", constants, {{"7"}, {"8"}}, "D1,2 L1,2>1,2 D1,2"},
      // A word is no term: the line stops before the row and resumes after.
      {"invalid row breaks the line",
       ColumnsDiagram(1, 2),
       {{"1", "1"}, {"2", "word"}, {"3", "3"}, {"4", "4"}},
       "D1,1 D3,3 L3,3>4,4 D4,4"},
      {"no dots", noDots, {{"1", "1"}, {"2", "2"}}, "L1,1>2,2"},
      {"no lines", noLines, {{"1", "1"}, {"2", "2"}}, "D1,1 D2,2"},
      {"columns from the same column", ColumnsDiagram(1, 1), {{"5"}}, "D5,5"},
      // Cells are evaluated without variables.
      {"variable in a cell", ColumnsDiagram(1, 2), {{"1", "x"}}, ""},
      // A cell that does not compile fails even when its tree would evaluate.
      {"compile flag false", ColumnsDiagram(1, 2), {{"1", "2sin(1)"}}, ""},
      {"non-real value", ColumnsDiagram(1, 2), {{"1", "2+i"}}, ""},
      {"empty cell", ColumnsDiagram(1, 2), {{"1", ""}}, ""},
      {"column 0 is the row header", ColumnsDiagram(0, 1), {{"1"}}, ""},
      {"column past the table", ColumnsDiagram(1, 3), {{"1", "2"}}, ""},
      {"negative column", ColumnsDiagram(-4, 1), {{"1", "2"}}, ""},
      {"value texts of the evaluated table",
       ColumnsDiagram(1, 2),
       {{"-0.5", "1E-5"}},
       "D-0.5,1E-5"},
  };
  for (const TRow& row : rows)
    EXPECT_EQ(Describe(Plot(row.diagram, Table(row.cells))), row.expected) << row.name;
}

TEST(AddDiagram, DotsHaveRadiusFiveAndTheThirdCoordinate) {
  TDiagram diagram = ColumnsDiagram(1, 2);
  diagram.UseColumn3 = true;
  diagram.Column3 = 3;
  const auto scene = Plot(diagram, Table({{"1", "2", "3"}}));
  ASSERT_EQ(scene.size(), 1u);
  EXPECT_EQ(scene[0].Kind, TSegmentKind::Dot);
  EXPECT_EQ(scene[0].Radius, 5);
  EXPECT_EQ(scene[0].P1, (TPoint3D{1, 2, 3}));
}

TEST(AddDiagram, ErrorBarsReachTheDistancesGivenInTheirCells) {
  struct TRow {
    const char* name;
    int axis;                        // 1..3
    std::vector<std::string> cells;  // X, Y, Z, high, low
    bool logarithmic;
    const char* expected;
  };
  const TRow rows[] = {
      // From the point down to 1.8 and up to 2.5, with caps of +-0.2 along Y.
      {"axis 1",
       1,
       {"2", "3", "0", "0.5", "0.2"},
       false,
       "D2,3 L2,3>1.8,3 L2,3>2.5,3 L1.8,2.8>1.8,3.2 L2.5,2.8>2.5,3.2"},
      {"axis 2 caps along X",
       2,
       {"2", "3", "0", "1", "1"},
       false,
       "D2,3 L2,3>2,2 L2,3>2,4 L1.8,2>2.2,2 L1.8,4>2.2,4"},
      {"axis 3 caps along Y",
       3,
       {"2", "3", "5", "1", "1"},
       false,
       "D2,3 L2,3>2,3 L2,3>2,3 L2,2.8>2,3.2 L2,2.8>2,3.2"},
      {"high cell not a term", 1, {"2", "3", "0", "word", "0.2"}, false, "D2,3"},
      {"low cell empty", 1, {"2", "3", "0", "0.5", ""}, false, "D2,3"},
      {"non-real distance", 1, {"2", "3", "0", "0.5", "i"}, false, "D2,3"},
      {"invalid point has no bar", 1, {"2", "word", "0", "0.5", "0.2"}, false, ""},
      // Logarithmic axis 1 (base 10): values 10 with bar 5 .. 20.
      {"logarithmic", 1, {"10", "3", "0", "10", "5"}, true, nullptr},
      // A lower end at 0 or below has no logarithm: the point stays, the bar goes.
      {"logarithmic lower end at 0", 1, {"10", "3", "0", "1", "10"}, true, "D1,3"},
      {"logarithmic lower end negative", 1, {"10", "3", "0", "1", "20"}, true, "D1,3"},
  };
  for (const TRow& row : rows) {
    TDiagram diagram = ColumnsDiagram(1, 2);
    diagram.UseColumn3 = true;
    diagram.Column3 = 3;
    int32_t* high[] = {&diagram.ErrorHigh1, &diagram.ErrorHigh2, &diagram.ErrorHigh3};
    int32_t* low[] = {&diagram.ErrorLow1, &diagram.ErrorLow2, &diagram.ErrorLow3};
    *high[row.axis - 1] = 4;
    *low[row.axis - 1] = 5;
    TCoordinateSystem display;
    display.ThreeAxes = true;
    display.Log1 = row.logarithmic;
    const auto scene = Plot(diagram, Table({row.cells}), display);
    if (row.expected) {
      EXPECT_EQ(Describe(scene), row.expected) << row.name;
      continue;
    }
    ASSERT_EQ(scene.size(), 5u) << row.name;
    EXPECT_EQ(scene[1].P2.X, std::log(5.0) / std::log(10.0));
    EXPECT_EQ(scene[2].P2.X, std::log(20.0) / std::log(10.0));
  }
}

TEST(AddDiagram, LogarithmicAxesAndTheTwoDimensionalDisplay) {
  TDiagram diagram = ColumnsDiagram(1, 2);  // Z is Constant3 = 0
  struct TRow {
    const char* name;
    bool threeAxes, log1, log3;
    double base1;
    const char* expected;
  };
  const TRow rows[] = {
      {"log axis 1", false, true, false, 10, "D2,100"},
      // A 2D display has Z = 0; its axis 3 flag must not make every point invalid.
      {"2D ignores log axis 3", false, false, true, 10, "D100,100"},
      {"3D log axis 3 has no logarithm of 0", true, false, true, 10, ""},
      {"base 1 gives no logarithm", false, true, false, 1, ""},
      {"base 0 gives no logarithm", false, true, false, 0, ""},
  };
  for (const TRow& row : rows) {
    TCoordinateSystem display;
    display.ThreeAxes = row.threeAxes;
    display.Log1 = row.log1;
    display.Log3 = row.log3;
    display.MajorInterval1 = row.base1;
    EXPECT_EQ(Describe(Plot(diagram, Table({{"100", "100"}}), display)), row.expected) << row.name;
  }
}

TEST(AddDiagram, HostileValuesLeaveNoNonFiniteSegment) {
  const double inf = std::numeric_limits<double>::infinity();
  TDiagram constants;
  constants.Constant1 = inf;
  constants.Color1 = Color;
  EXPECT_EQ(Describe(Plot(constants, Table({{"1"}}))), "");
  constants.Constant1 = std::numeric_limits<double>::quiet_NaN();
  EXPECT_EQ(Describe(Plot(constants, Table({{"1"}}))), "");
  // Ends beyond the double range: the point stays, the bar lines that would
  // reach infinity are left out.
  TDiagram diagram = ColumnsDiagram(1, 2);
  diagram.ErrorHigh1 = 3;
  diagram.ErrorLow1 = 3;
  const auto scene = Plot(diagram, Table({{"1E308", "1", "1E308"}}));
  ASSERT_FALSE(scene.empty());
  EXPECT_EQ(scene[0].Kind, TSegmentKind::Dot);
  EXPECT_LT(scene.size(), 5u);
}

}  // namespace
