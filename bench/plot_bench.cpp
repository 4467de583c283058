// SPDX-License-Identifier: GPL-3.0-or-later
// The plot engine on the benchmark document: the default display in 3D
// (Alpha 30, Beta 30, perspective 500) with one surface x, y, sin(x)*cos(y),
// solid, Resolution 300 (90,601 quads), drawn at 800 x 600.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <cstdlib>

#include "benchmark_document.h"
#include "document/document.h"
#include "plot/picture.h"
#include "plot/plot_display.h"
#include "plot/render.h"
#include "qt/qt_canvas.h"

namespace {

constexpr int Width = 800;
constexpr int Height = 600;

struct Bench {
  TDocument Document = BenchmarkDocument();
  SilentPrompts Prompts;
  TObject3D PlotScene;
  TObject3D ViewScene;
  QtCanvas Canvas{Width, Height};
  TGraphic3D Graphic;

  Bench() {
    InitGraphic3D(Graphic, Canvas);
    PlotDisplay(Document, 0, PlotScene, Prompts);
  }
  const TCoordinateSystem& Display() const { return Document.Displays[0]; }

  // The view scene as DrawObject holds it after rotation, before the sort.
  TObject3D Rotated() const {
    TObject3D view = PlotScene;
    ApplyViewTransformation(view, Display(), Width, Height);
    RotateObject(Graphic, view, Display().Alpha, Display().Beta, Display().Gamma);
    return view;
  }
};

Bench& Shared() {
  static Bench bench;
  return bench;
}

void BM_PlotDisplay(benchmark::State& state) {
  Bench& b = Shared();
  TObject3D scene;
  for (auto _ : state) {
    PlotDisplay(b.Document, 0, scene, b.Prompts);
    benchmark::DoNotOptimize(scene.data());
  }
  state.counters["segments"] = static_cast<double>(scene.size());
}

void BM_SortObject(benchmark::State& state) {
  Bench& b = Shared();
  const TObject3D rotated = b.Rotated();
  TObject3D scene;
  for (auto _ : state) {
    state.PauseTiming();
    scene = rotated;
    state.ResumeTiming();
    SortObject(scene);
    benchmark::DoNotOptimize(scene.data());
  }
}

// Painting alone: the scene is rotated and sorted already, so DrawObject
// with zero angles and no sort only projects and paints.
void BM_DrawObjectPaint(benchmark::State& state) {
  Bench& b = Shared();
  TObject3D sorted = b.Rotated();
  SortObject(sorted);
  for (auto _ : state) {
    DrawObject(b.Graphic, b.Canvas, sorted, 0, 0, 0, false, b.Display().Perspective);
    benchmark::DoNotOptimize(b.Canvas.Image().constBits());
  }
}

// The steps of a redraw before the sort: copy, view transformation, rotation.
void BM_CopyTransformRotate(benchmark::State& state) {
  Bench& b = Shared();
  for (auto _ : state) {
    CopyObject(b.PlotScene, b.ViewScene);
    ApplyViewTransformation(b.ViewScene, b.Display(), Width, Height);
    RotateObject(b.Graphic, b.ViewScene, b.Display().Alpha, b.Display().Beta, b.Display().Gamma);
    benchmark::DoNotOptimize(b.ViewScene.data());
  }
}

// After a mouse release: copy, transform, sort and paint; no sampling.
void BM_ReleaseRedraw(benchmark::State& state) {
  Bench& b = Shared();
  for (auto _ : state) {
    DrawPicture(b.Graphic, b.Canvas, b.Display(), b.PlotScene, true, b.ViewScene);
    benchmark::DoNotOptimize(b.Canvas.Image().constBits());
  }
}

// The same redraw on the drawing image of a screen at 200 %: four times the
// pixels, the same scene.
void BM_ReleaseRedrawScale2(benchmark::State& state) {
  Bench& b = Shared();
  QtCanvas canvas(Width, Height, 2);
  TGraphic3D graphic;
  InitGraphic3D(graphic, canvas);
  for (auto _ : state) {
    DrawPicture(graphic, canvas, b.Display(), b.PlotScene, true, b.ViewScene);
    benchmark::DoNotOptimize(canvas.Image().constBits());
  }
}

void BM_Replot(benchmark::State& state) {
  Bench& b = Shared();
  for (auto _ : state) {
    PlotDisplay(b.Document, 0, b.PlotScene, b.Prompts);
    DrawPicture(b.Graphic, b.Canvas, b.Display(), b.PlotScene, true, b.ViewScene);
    benchmark::DoNotOptimize(b.Canvas.Image().constBits());
  }
}

BENCHMARK(BM_PlotDisplay)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SortObject)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CopyTransformRotate)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DrawObjectPaint)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReleaseRedraw)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReleaseRedrawScale2)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Replot)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  // The drawing image needs fonts, and with them the application object; no
  // window is ever shown.
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  int appArgc = 1;
  QGuiApplication app(appArgc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  // MORVIT_BENCH_PICTURE=path.png (or .ppm) keeps the benchmark picture, to check that
  // a faster version still paints the same pixels.
  if (const char* path = std::getenv("MORVIT_BENCH_PICTURE")) {
    Bench& b = Shared();
    DrawPicture(b.Graphic, b.Canvas, b.Display(), b.PlotScene, true, b.ViewScene);
    if (!b.Canvas.Image().save(QString::fromLocal8Bit(path))) return 1;
  }
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
