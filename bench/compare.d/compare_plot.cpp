// SPDX-License-Identifier: GPL-3.0-or-later
// The window's drawing steps on the benchmark document, in-process, against
// their budgets: a full replot (sampling, sort, painting) under 60 ms, the
// redraw after a mouse release (sort and painting, no sampling) under 40 ms,
// and one frame of the preview drawn while the mouse drags (the box of the
// coordinate system, unsorted) under 5 ms. Each figure is printed as a ratio
// to its budget per run: min, median and max.
//
// With a second argument FILE it also times the live frame drawn while the
// whole picture turns with the mouse (re-project, sort and paint the sampled
// scene, as after a release) at scale 1 and at scale 2 (four times the
// pixels), and writes the milliseconds of every run to FILE as two lines,
// "scale1 ms ms ..." and "scale2 ms ms ...", for ratios.py to set against
// gnuplot's runs of the same session.
#include <QGuiApplication>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <vector>

#include "../benchmark_document.h"
#include "plot/picture.h"
#include "plot/plot_display.h"
#include "plot/view_control.h"
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

  if (argc > 2) {
    // The live frame, on the drawing image of a screen at scale 1 and at 2;
    // the scene was sampled once above.
    QtCanvas sharp(Width, Height, 2);
    TGraphic3D sharpGraphic;
    InitGraphic3D(sharpGraphic, sharp);
    std::vector<double> live1, live2;
    for (int run = -1; run < runs; ++run) {
      auto start = Clock::now();
      DrawPicture(graphic, canvas, display, scene, true, view);
      const double one = Milliseconds(start);
      start = Clock::now();
      DrawPicture(sharpGraphic, sharp, display, scene, true, view);
      const double two = Milliseconds(start);
      if (run < 0) continue;
      live1.push_back(one);
      live2.push_back(two);
    }
    std::ofstream out(argv[2]);
    out << "scale1";
    for (const double ms : live1) out << ' ' << ms;
    out << "\nscale2";
    for (const double ms : live2) out << ' ' << ms;
    out << '\n';
  }
  return 0;
}
