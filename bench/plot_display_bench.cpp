// SPDX-License-Identifier: GPL-3.0-or-later
// The plotting driver on the benchmark document: the default display
// switched to 3D (Alpha 30, Beta 30, perspective 500) with one graph x, y,
// sin(x)*cos(y) drawn solid at Resolution 300, which gives 90,601 quads.
// PlotDisplay is the sampling, the clipping and the building of the scene;
// the parts are measured as well so that a change shows where it went.
#include <benchmark/benchmark.h>

#include <string>

#include "benchmark_document.h"
#include "document/document.h"
#include "plot/axes.h"
#include "plot/diagram_plot.h"
#include "plot/graph_sampling.h"
#include "plot/plot_display.h"

namespace {

void CountSegments(benchmark::State& state, const TObject3D& scene) {
  size_t quads = 0;
  for (const TSegment& s : scene) quads += s.Kind == TSegmentKind::Quad;
  state.counters["segments"] = static_cast<double>(scene.size());
  state.counters["quads"] = static_cast<double>(quads);
}

// A fresh scene each time, as after start-up.
void BM_PlotDisplay(benchmark::State& state) {
  TDocument document = BenchmarkDocument();
  SilentPrompts prompts;
  TObject3D scene;
  for (auto _ : state) {
    TObject3D fresh;
    PlotDisplay(document, 0, fresh, prompts);
    benchmark::DoNotOptimize(fresh.data());
    scene.swap(fresh);
  }
  CountSegments(state, scene);
}
BENCHMARK(BM_PlotDisplay)->Unit(benchmark::kMillisecond);

// The window replots into the same scene, whose capacity stays.
void BM_PlotDisplayReusedScene(benchmark::State& state) {
  TDocument document = BenchmarkDocument();
  SilentPrompts prompts;
  TObject3D scene;
  for (auto _ : state) {
    PlotDisplay(document, 0, scene, prompts);
    benchmark::DoNotOptimize(scene.data());
  }
  CountSegments(state, scene);
}
BENCHMARK(BM_PlotDisplayReusedScene)->Unit(benchmark::kMillisecond);

// The graph alone: sampling, clipping and the quads.
void BM_AddGraph(benchmark::State& state) {
  const TDocument document = BenchmarkDocument();
  TObject3D scene;
  for (auto _ : state) {
    ClearObject(scene);
    AddGraph(document.Graphs[0], document.Displays[0], document.VarTable, scene);
    benchmark::DoNotOptimize(scene.data());
  }
  CountSegments(state, scene);
}
BENCHMARK(BM_AddGraph)->Unit(benchmark::kMillisecond);

// The default 3D raster: 3 axes, 11 positions, two lines of 20 pieces each.
void BM_AddAxes(benchmark::State& state) {
  TDocument document = BenchmarkDocument();
  TCoordinateSystem& display = document.Displays[0];
  display.Origin1 = display.Min1;
  display.Origin2 = display.Min2;
  display.Origin3 = display.Min3;
  TObject3D scene;
  for (auto _ : state) {
    ClearObject(scene);
    AddAxes(display, scene);
    benchmark::DoNotOptimize(scene.data());
  }
  CountSegments(state, scene);
}
BENCHMARK(BM_AddAxes)->Unit(benchmark::kMicrosecond);

// A long data table drawn as error bars alone (no dots): twelve lines per
// row, the case in which a scene grown one line at a time would be copied
// again at every row.
void BM_DiagramErrorBars(benchmark::State& state) {
  const int rows = static_cast<int>(state.range(0));
  TCoordinateSystem display;
  display.ThreeAxes = true;
  TStringGrid table(3, rows + 1);
  for (int r = 1; r <= rows; ++r) {
    table.SetCells(1, r, std::to_string(r % 20 - 10));
    table.SetCells(2, r, "0.5");
  }
  TDiagram diagram;
  diagram.UseColumn1 = diagram.UseColumn2 = diagram.UseColumn3 = true;
  diagram.ShowPoints = false;
  diagram.ErrorHigh1 = diagram.ErrorHigh2 = diagram.ErrorHigh3 = 2;
  diagram.ErrorLow1 = diagram.ErrorLow2 = diagram.ErrorLow3 = 2;
  TObject3D scene;
  for (auto _ : state) {
    TObject3D fresh;
    AddDiagram(diagram, display, table, fresh);
    benchmark::DoNotOptimize(fresh.data());
    scene.swap(fresh);
  }
  CountSegments(state, scene);
}
BENCHMARK(BM_DiagramErrorBars)->Arg(20000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
