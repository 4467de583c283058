// The window's drawing steps on the benchmark document, in-process, against
// their budgets: a full replot (sampling, sort, painting) under 60 ms, the
// redraw after a mouse release (sort and painting, no sampling) under 40 ms,
// and one frame of the preview drawn while the mouse drags (the box of the
// coordinate system, unsorted) under 5 ms. Each figure is printed as a ratio
// to its budget per run: min, median and max.
#include <QGuiApplication>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "../benchmark_document.h"
#include "forms/view_control.h"
#include "plot/picture.h"
#include "plot/plot_display.h"
#include "qt/qt_canvas.h"

namespace {

using Clock = std::chrono::steady_clock;
constexpr int Width = 800;
constexpr int Height = 600;

double Milliseconds(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

void Print(const char* what, std::vector<double> ms, double budget) {
  std::sort(ms.begin(), ms.end());
  const double median = ms[ms.size() / 2];
  std::printf("  %-28s min %.3f  median %.3f  max %.3f   (median %.2f ms of %.0f ms)\n", what,
              ms.front() / budget, median / budget, ms.back() / budget, median, budget);
}

}  // namespace

int main(int argc, char** argv) {
  const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 7;
  QGuiApplication app(argc, argv);
  TDocument document = BenchmarkDocument();
  SilentPrompts prompts;
  QtCanvas canvas(Width, Height);
  TGraphic3D graphic;
  InitGraphic3D(graphic, canvas);
  TObject3D scene, view, preview;
  const TCoordinateSystem& display = document.Displays[0];

  std::vector<double> replot, release, drag;
  // One untimed round warms the caches and the scene's capacity, as the
  // window's first drawing does.
  for (int run = -1; run < runs; ++run) {
    auto start = Clock::now();
    PlotDisplay(document, 0, scene, prompts);
    DrawPicture(graphic, canvas, display, scene, true, view);
    const double r = Milliseconds(start);
    start = Clock::now();
    DrawPicture(graphic, canvas, display, scene, true, view);
    const double m = Milliseconds(start);
    start = Clock::now();
    BuildPreviewScene(display, preview);
    DrawPicture(graphic, canvas, display, preview, false, view);
    const double d = Milliseconds(start);
    if (run < 0) continue;
    replot.push_back(r);
    release.push_back(m);
    drag.push_back(d);
  }
  std::printf("in-process drawing at 800 x 600 (benchmark document)   time / budget   goal <= 1\n");
  Print("full replot", replot, 60);
  Print("redraw after a mouse release", release, 40);
  Print("drag preview frame", drag, 5);
  std::printf("\n");
  return 0;
}
