// SPDX-License-Identifier: GPL-3.0-or-later
// The benchmark document shared by the plot benchmarks: the default display
// switched to 3D (Alpha 30, Beta 30, perspective 500) with one graph x, y,
// sin(x)*cos(y) drawn solid at Resolution 300, which gives 90,601 quads.
#pragma once

#include <string>

#include "document/document.h"
#include "support/silent_prompts.h"

inline TDocument BenchmarkDocument() {
  TDocument document;
  CreateDocument(document);
  TCoordinateSystem& display = document.Displays[0];
  display.ThreeAxes = true;
  display.Alpha = 30;
  display.Beta = 30;
  display.Perspective = 500;
  display.Resolution = 300;
  display.DisplayStyle = DisplayStyleSolid;
  TGraph graph;
  graph.Term1 = "x";
  graph.Term2 = "y";
  graph.Term3 = "sin(x)*cos(y)";
  document.Graphs = {graph};
  display.GraphIndices = {0};
  return document;
}
