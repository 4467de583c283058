// SPDX-License-Identifier: GPL-3.0-or-later
#include "plot/plot_display.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "plot/scene_guard.h"
#include "support/graph.h"
#include "support/scripted_prompts.h"

namespace {

constexpr double NaN = std::numeric_limits<double>::quiet_NaN();
constexpr double Inf = std::numeric_limits<double>::infinity();
constexpr int32_t Axis = 0x00FF00;
constexpr int32_t First = 0x000001;
constexpr int32_t Second = 0x000002;
constexpr int32_t DiagramColor = 0x000003;

// A graph drawn in one colour on both sides.
TGraph Graph(std::string t1, std::string t2, std::string t3, int32_t color) {
  TGraph graph = ::Graph(std::move(t1), std::move(t2), std::move(t3));
  graph.Color1 = graph.Color2 = color;
  return graph;
}

TDocument NewDocument() {
  TDocument document;
  CreateDocument(document);
  return document;
}

// The colours of the scene's segments, runs of equal colours merged, so a
// test sees which part came in which order.
std::vector<int32_t> ColourRuns(const TObject3D& scene) {
  std::vector<int32_t> runs;
  for (const TSegment& s : scene)
    if (runs.empty() || runs.back() != s.Color) runs.push_back(s.Color);
  return runs;
}

size_t CountColor(const TObject3D& scene, int32_t color) {
  size_t n = 0;
  for (const TSegment& s : scene) n += s.Color == color;
  return n;
}

TEST(PlotDisplay, WithoutACurrentDisplayNothingHappens) {
  TDocument document = NewDocument();
  for (const int current : {-1, 1, 1000, std::numeric_limits<int>::min()}) {
    TObject3D scene(3);
    ScriptedPrompts prompts;
    EXPECT_FALSE(PlotDisplay(document, current, scene, prompts)) << current;
    EXPECT_EQ(scene.size(), 3u) << current;
    EXPECT_TRUE(prompts.Records.empty()) << current;
  }
}

TEST(PlotDisplay, AxesThenGraphsThenDiagramsInListOrder) {
  TDocument document = NewDocument();
  document.Graphs = {Graph("x", "x", "", First), Graph("x", "-x", "", Second)};
  TDiagram diagram;
  diagram.Color1 = DiagramColor;
  document.Diagrams = {diagram};
  TCoordinateSystem& display = document.Displays[0];
  // Indices naming no graph or diagram are skipped.
  display.GraphIndices = {1, 7, 0, 2};
  display.DiagramIndices = {3, 0};
  display.Min1 = -4;  // the origins follow the minimums
  display.Origin1 = 99;
  display.Origin2 = 99;
  document.HiddenTable.SetSize(2, 3);  // two data rows

  TObject3D scene{TSegment{}};  // an old scene is replaced
  ScriptedPrompts prompts;
  ASSERT_TRUE(PlotDisplay(document, 0, scene, prompts));
  EXPECT_TRUE(prompts.Records.empty());
  EXPECT_EQ(ColourRuns(scene), (std::vector<int32_t>{Axis, Second, First, DiagramColor}));
  EXPECT_EQ(display.Origin1, -4);
  EXPECT_EQ(display.Origin2, -10);
  EXPECT_EQ(display.Origin3, -10);
  EXPECT_EQ(scene.front().P1, (TPoint3D{-4, -10, -10}));  // first piece of axis 1
  EXPECT_EQ(CountColor(scene, DiagramColor), 3u);         // two dots and one line
}

TEST(PlotDisplay, DiagramsReadTheEvaluatedTable) {
  TDocument document = NewDocument();
  TDiagram diagram;
  diagram.UseColumn1 = diagram.UseColumn2 = true;
  diagram.Column1 = 1;
  diagram.Column2 = 2;
  diagram.Color1 = DiagramColor;
  document.Diagrams = {diagram};
  document.Displays[0].DiagramIndices = {0, 0};
  document.HiddenTable.SetSize(3, 2);
  document.HiddenTable.SetCells(1, 0, "Col1");
  document.HiddenTable.SetCells(2, 0, "Col2");
  document.HiddenTable.SetCells(1, 1, "3");
  document.HiddenTable.SetCells(2, 1, "Col1*2");  // computed from its left neighbour
  TObject3D scene;
  ScriptedPrompts prompts;
  ASSERT_TRUE(PlotDisplay(document, 0, scene, prompts));
  ASSERT_EQ(CountColor(scene, DiagramColor), 2u);  // listed twice, drawn twice
  EXPECT_EQ(scene.back().P1, (TPoint3D{3, 6, 0}));
  EXPECT_EQ(document.HiddenTable.Cells(2, 1), "Col1*2");  // the raw table stays
}

TEST(PlotDisplay, ThreeFreeVariablesStopThePlotWithOneMessage) {
  TDocument document = NewDocument();
  SetVariable(document.VarTable, "a", {0, 0}, {1, 0}, {0, 0});
  SetVariable(document.VarTable, "b", {0, 0}, {1, 0}, {0, 0});
  document.Graphs = {Graph("x", "x", "", First), Graph("a+b", "x", "", Second),
                     Graph("a+b", "x*2", "", Second)};
  TDiagram diagram;
  diagram.Color1 = DiagramColor;
  document.Diagrams = {diagram};
  document.Displays[0].GraphIndices = {0, 1, 2};
  document.Displays[0].DiagramIndices = {0};
  document.HiddenTable.SetSize(2, 3);
  TObject3D scene;
  ScriptedPrompts prompts;
  EXPECT_FALSE(PlotDisplay(document, 0, scene, prompts));
  ASSERT_EQ(prompts.Records.size(), 1u);
  const TPromptRecord& record = prompts.Records[0];
  EXPECT_EQ(record.Type, TPromptRecord::TType::Message);
  EXPECT_EQ(record.Kind, TMessageKind::Error);
  EXPECT_EQ(record.Buttons, mbOk);
  EXPECT_EQ(record.Text, "Graphs with more than 2 free variables cannot be plotted.");
  // What came before the graph stays; nothing after it is added.
  EXPECT_EQ(ColourRuns(scene), (std::vector<int32_t>{Axis, First}));
}

// The log flag belongs to one graph: the second graph's first variable is
// not bound to the logarithmic axis and must step its values linearly.
TEST(PlotDisplay, LogFlagsStartClearedForEveryGraph) {
  TDocument document = NewDocument();
  TCoordinateSystem& display = document.Displays[0];
  display.Log1 = true;
  display.Min1 = 0;  // 1 .. 100
  display.Max1 = 2;
  display.Min2 = 0;
  display.Max2 = 100;
  display.Resolution = 99;
  SetVariable(document.VarTable, "t", {1, 0}, {100, 0}, {1, 0});
  document.Graphs = {Graph("x", "x*1", "", First), Graph("t+0", "t*1", "", Second)};
  display.GraphIndices = {0, 1};
  TObject3D scene;
  ScriptedPrompts prompts;
  ASSERT_TRUE(PlotDisplay(document, 0, scene, prompts));
  std::vector<const TSegment*> second;
  for (const TSegment& s : scene)
    if (s.Color == Second) second.push_back(&s);
  // t = 1, 2, ..., 100: 99 pieces, the piece from t = 2 plotted at log10(2).
  ASSERT_EQ(second.size(), 99u);
  EXPECT_EQ(second[1]->P1.X, std::log(2.0) / std::log(10.0));
  EXPECT_EQ(second[1]->P1.Y, 2);
}

// Documents no dialog would produce, as a file can carry them: the plot must
// end, stay bounded and put no non-finite coordinate into the scene.
TEST(PlotDisplay, HostileDocumentsPlotSafely) {
  struct TRow {
    const char* name;
    void (*change)(TDocument&);
  };
  const TRow rows[] = {
      {"NaN and infinite ranges",
       [](TDocument& d) {
         d.Displays[0].Min1 = NaN;
         d.Displays[0].Max2 = Inf;
         d.Displays[0].Min3 = -Inf;
       }},
      {"minimum equals maximum everywhere",
       [](TDocument& d) {
         TCoordinateSystem& s = d.Displays[0];
         s.Min1 = s.Max1 = s.Min2 = s.Max2 = s.Min3 = s.Max3 = 1;
       }},
      {"minimums above maximums",
       [](TDocument& d) {
         TCoordinateSystem& s = d.Displays[0];
         std::swap(s.Min1, s.Max1);
         std::swap(s.Min2, s.Max2);
         std::swap(s.Min3, s.Max3);
       }},
      {"intervals 0 and negative",
       [](TDocument& d) {
         TCoordinateSystem& s = d.Displays[0];
         s.MajorInterval1 = 0;
         s.MinorInterval2 = -1;
         s.MinorInterval3 = 0;
       }},
      {"log bases 1, 0 and NaN",
       [](TDocument& d) {
         TCoordinateSystem& s = d.Displays[0];
         s.Log1 = s.Log2 = s.Log3 = true;
         s.MajorInterval1 = 1;
         s.MajorInterval2 = 0;
         s.MajorInterval3 = NaN;
       }},
      {"resolution out of range", [](TDocument& d) { d.Displays[0].Resolution = -100; }},
      {"resolution huge", [](TDocument& d) { d.Displays[0].Resolution = 1 << 30; }},
      {"angles, zoom and styles beyond their ranges",
       [](TDocument& d) {
         TCoordinateSystem& s = d.Displays[0];
         s.Alpha = 100000;
         s.Beta = -725;
         s.Zoom1 = 0;
         s.DisplayStyle = 200;
         s.AxisStyle = 9;
       }},
      {"huge ranges",
       [](TDocument& d) {
         TCoordinateSystem& s = d.Displays[0];
         s.Min1 = s.Min2 = s.Min3 = -1.7e308;
         s.Max1 = s.Max2 = s.Max3 = 1.7e308;
       }},
  };
  for (const TRow& row : rows) {
    TDocument document = NewDocument();
    TCoordinateSystem& display = document.Displays[0];
    display.ThreeAxes = true;
    document.Graphs = {Graph("x", "x^2", "", First), Graph("x", "y", "x*y", Second)};
    display.GraphIndices = {0, 1, 65535};
    TDiagram diagram;
    diagram.UseColumn1 = true;
    diagram.ErrorHigh1 = diagram.ErrorLow1 = 1;
    document.Diagrams = {diagram};
    display.DiagramIndices = {0, 65535};
    document.HiddenTable.SetSize(2, 4);
    document.HiddenTable.SetCells(1, 1, "1E308");
    document.HiddenTable.SetCells(1, 2, "-1E308");
    row.change(document);
    TObject3D scene;
    ScriptedPrompts prompts;
    EXPECT_TRUE(PlotDisplay(document, 0, scene, prompts)) << row.name;
    EXPECT_TRUE(prompts.Records.empty()) << row.name;
    EXPECT_LE(scene.size(), 600000u) << row.name;
    for (const TSegment& s : scene) ASSERT_TRUE(SegmentFinite(s)) << row.name;
  }
}

}  // namespace
