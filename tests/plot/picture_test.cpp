// SPDX-License-Identifier: GPL-3.0-or-later
#include "plot/picture.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <limits>
#include <string>
#include <vector>

#include "document/reader.h"
#include "plot/plot_display.h"
#include "support/recording_canvas.h"
#include "support/scripted_prompts.h"

namespace {

using Calls = std::vector<std::string>;
const double NaN = std::numeric_limits<double>::quiet_NaN();
const double Inf = std::numeric_limits<double>::infinity();

TCoordinateSystem Display2D() {
  TCoordinateSystem display;
  SetDisplayDefaults(display);
  display.ThreeAxes = false;
  return display;
}

// Draws one line from (x1, y1, 0) to (x2, y2, 0) on a 200 x 100 image and
// returns its two pixel calls.
Calls DrawLine(const TCoordinateSystem& display, double x1, double y1, double x2, double y2) {
  RecordingCanvas canvas(200, 100);
  TGraphic3D graphic;
  InitGraphic3D(graphic, canvas);
  TObject3D scene;
  AddLine(scene, 1, 7, x1, y1, 0, x2, y2, 0);
  TObject3D view;
  canvas.Calls.clear();
  DrawPicture(graphic, canvas, display, scene, true, view);
  Calls ends;
  for (const auto& call : canvas.Calls)
    if (call.starts_with("moveto") || call.starts_with("lineto")) ends.push_back(call);
  return ends;
}

TEST(Picture, ViewTransformationOfA2DDisplay) {
  struct Row {
    const char* Name;
    void (*Change)(TCoordinateSystem&);
    double X1, Y1, X2, Y2;
    Calls Expected;
  };
  // Defaults: box -10..10 on every axis, 200 x 100 pixels: 8 pixels per unit
  // across, 4 up, origin at pixel (100, 50).
  const Row rows[] = {
      {"defaults", [](TCoordinateSystem&) {}, 0, 0, 10, 10, {"moveto 100 50", "lineto 180 10"}},
      {"equal scale",
       [](TCoordinateSystem& d) { d.ForceEqualScale = true; },
       0,
       0,
       10,
       10,
       {"moveto 100 50", "lineto 140 10"}},
      {"shift",
       [](TCoordinateSystem& d) { d.Shift1 = 5, d.Shift2 = -5; },
       0,
       0,
       0,
       0,
       {"moveto 140 70", "lineto 140 70"}},
      {"zoom",
       [](TCoordinateSystem& d) { d.Zoom1 = 2, d.Zoom2 = 0.5; },
       0,
       0,
       5,
       10,
       {"moveto 100 50", "lineto 180 30"}},
      {"range 0..1",
       [](TCoordinateSystem& d) { d.Min1 = 0, d.Max1 = 1, d.Shift1 = -0.5; },
       0,
       0,
       1,
       0,
       {"moveto 20 50", "lineto 180 50"}},
      // A 2D display is drawn parallel whatever its perspective.
      {"no perspective in 2D",
       [](TCoordinateSystem& d) { d.Perspective = 100; },
       0,
       0,
       10,
       10,
       {"moveto 100 50", "lineto 180 10"}},
      // Ranges of no length are fitted as one unit long.
      {"min equals max",
       [](TCoordinateSystem& d) { d.Min1 = d.Max1 = 3, d.Shift1 = -3; },
       3,
       0,
       3.5,
       0,
       {"moveto 100 50", "lineto 180 50"}},
      {"min above max",
       [](TCoordinateSystem& d) { d.Min1 = 10, d.Max1 = -10; },
       0,
       0,
       10,
       10,
       {"moveto 100 50", "lineto 180 10"}},
      {"infinite range",
       [](TCoordinateSystem& d) { d.Max2 = Inf; },
       0,
       0,
       1,
       1,
       {"moveto 100 50", "lineto 108 -30"}},
      // Zoom 0 or not a number draws as zoom 1; a shift not a number as 0.
      {"zoom 0",
       [](TCoordinateSystem& d) { d.Zoom1 = 0, d.Zoom2 = NaN; },
       0,
       0,
       10,
       10,
       {"moveto 100 50", "lineto 180 10"}},
      {"shift nan",
       [](TCoordinateSystem& d) { d.Shift1 = NaN, d.Shift2 = -Inf; },
       0,
       0,
       10,
       10,
       {"moveto 100 50", "lineto 180 10"}},
  };
  for (const Row& row : rows) {
    TCoordinateSystem display = Display2D();
    row.Change(display);
    EXPECT_EQ(DrawLine(display, row.X1, row.Y1, row.X2, row.Y2), row.Expected) << row.Name;
  }
}

TEST(Picture, FitFactors) {
  struct Row {
    bool Equal;
    std::int32_t Width, Height;
    double X, Y, Z;
  };
  const Row rows[] = {
      {false, 800, 600, 32, 24, 28},
      {true, 800, 600, 24, 24, 24},
      {true, 600, 800, 24, 24, 24},
      {false, 0, 0, 0, 0, 0},
  };
  for (const Row& row : rows) {
    TCoordinateSystem display = Display2D();
    display.ForceEqualScale = row.Equal;
    const TFitFactors fit = FitFactors(display, row.Width, row.Height);
    EXPECT_EQ(fit.X, row.X) << row.Width << "x" << row.Height;
    EXPECT_EQ(fit.Y, row.Y) << row.Width << "x" << row.Height;
    EXPECT_EQ(fit.Z, row.Z) << row.Width << "x" << row.Height;
  }
}

TEST(Picture, SortsOnlyThreeDimensionalDisplays) {
  struct Row {
    bool ThreeAxes, Sort;
    std::vector<int> Painted;  // quad colours in painting order
  };
  const Row rows[] = {{true, true, {2, 1}}, {true, false, {1, 2}}, {false, true, {1, 2}}};
  for (const Row& row : rows) {
    TCoordinateSystem display = Display2D();
    display.ThreeAxes = row.ThreeAxes;
    RecordingCanvas canvas(200, 100);
    TGraphic3D graphic;
    InitGraphic3D(graphic, canvas);
    TObject3D scene;
    AddQuad(scene, {0, 0, 5}, {1, 0, 5}, {1, 1, 5}, {0, 1, 5}, 1);
    AddQuad(scene, {0, 0, -5}, {1, 0, -5}, {1, 1, -5}, {0, 1, -5}, 2);
    const TObject3D before = scene;
    TObject3D view;
    DrawPicture(graphic, canvas, display, scene, row.Sort, view);
    std::vector<int> painted;
    for (const auto& call : canvas.Calls)
      if (call.starts_with("brush ") && call != "brush 16777215")
        painted.push_back(std::stoi(call.substr(6)));
    EXPECT_EQ(painted, row.Painted) << row.ThreeAxes << row.Sort;
    ASSERT_EQ(scene.size(), before.size());
    EXPECT_EQ(scene[0].P1, before[0].P1) << "the source scene stays in model coordinates";
    EXPECT_EQ(view.size(), 2u);
  }
}

TEST(Picture, ThreeDimensionalViewUsesAnglesAndPerspective) {
  TCoordinateSystem display = Display2D();
  display.ThreeAxes = true;
  display.Alpha = 90;  // looking down the y axis: model z becomes screen y
  display.Perspective = 500;
  RecordingCanvas canvas(200, 100);
  TGraphic3D graphic;
  InitGraphic3D(graphic, canvas);
  TObject3D scene;
  AddLine(scene, 1, 7, 0, 0, 0, 0, 0, 10);
  TObject3D view;
  DrawPicture(graphic, canvas, display, scene, true, view);
  // z = 10 scales by (200 + 100) * 0.8 / 2 / 20 = 6 to 60, turns into y = -60.
  EXPECT_EQ(canvas.Calls.back(), "lineto 100 110");
  EXPECT_EQ(graphic.EyeDistance, 500);
}

// The command line draws its scene in place, the window through a copy it
// keeps for the next redraw: both must paint the same picture, segment for
// segment, for every display of every example document.
TEST(Picture, DrawingInPlacePaintsWhatDrawingACopyPaints) {
  int displays = 0;
  for (const auto& entry : std::filesystem::directory_iterator(MORVIT_SOURCE_DIR "/examples")) {
    if (entry.path().extension() != ".mvf") continue;
    TDocument document;
    CreateDocument(document);
    TStringGrid table;
    ASSERT_TRUE(OpenDocument(entry.path(), document, table)) << entry.path();
    for (std::size_t d = 0; d < document.Displays.size(); ++d) {
      ScriptedPrompts prompts;
      TObject3D scene;
      ASSERT_TRUE(PlotDisplay(document, static_cast<int>(d), scene, prompts)) << entry.path();
      const TCoordinateSystem& display = document.Displays[d];
      RecordingCanvas copied(320, 240), inPlace(320, 240);
      TGraphic3D copiedGraphic, inPlaceGraphic;
      InitGraphic3D(copiedGraphic, copied);
      InitGraphic3D(inPlaceGraphic, inPlace);
      TObject3D view;
      DrawPicture(copiedGraphic, copied, display, scene, true, view);
      TObject3D drawn = scene;
      DrawPictureInPlace(inPlaceGraphic, inPlace, display, drawn, true);
      EXPECT_EQ(inPlace.Calls, copied.Calls) << entry.path() << " display " << d;
      ASSERT_EQ(drawn.size(), view.size());
      for (std::size_t i = 0; i < view.size(); ++i) {
        ASSERT_EQ(drawn[i].P1, view[i].P1) << entry.path() << " segment " << i;
        ASSERT_EQ(drawn[i].Text, view[i].Text) << entry.path() << " segment " << i;
      }
      EXPECT_EQ(inPlaceGraphic.EyeDistance, copiedGraphic.EyeDistance);
      ++displays;
    }
  }
  EXPECT_GE(displays, 7);
}

}  // namespace
