// SPDX-License-Identifier: GPL-3.0-or-later
#include "plot/view_control.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <utility>

#include "plot/picture.h"

namespace {

TEST(ViewControl, RotationStaysWithinOneTurn) {
  const struct {
    int alpha, beta, dx, dy, alphaAfter, betaAfter;
  } cases[] = {
      {350, 0, 0, 15, 5, 0},
      {0, 5, -10, 0, 0, 355},
      {30, 30, 720, -725, 25, 30},
      {0, 0, 0, -360, 0, 0},
      // Angles from a file may be anything; the sum must not overflow.
      {INT_MAX, INT_MIN, 1, -1, static_cast<int>((static_cast<long long>(INT_MAX) - 1) % 360),
       static_cast<int>(((static_cast<long long>(INT_MIN) + 1) % 360) + 360)},
  };
  for (const auto& c : cases) {
    TCoordinateSystem d;
    d.Alpha = c.alpha;
    d.Beta = c.beta;
    DragRotate(d, c.dx, c.dy);
    EXPECT_EQ(d.Alpha, c.alphaAfter) << c.alpha << " " << c.dy;
    EXPECT_EQ(d.Beta, c.betaAfter) << c.beta << " " << c.dx;
  }
}

TEST(ViewControl, ZoomSteps) {
  const struct {
    double zoom;
    int dy;
    double after;
  } cases[] = {
      {1, -20, 2},       // 20 pixels up doubles
      {1, 20, 0.5},      // 20 down halves
      {1, 10, 1 / 1.5},  // 10 down divides by 1.5
      {1, 0, 1},
      {1000, -20, 2000},      // the limit is tested before multiplying
      {1000.5, -20, 1000.5},  // past it no zoom-in step
      {0.005, 20, 0.0025},
      {0.004, 20, 0.004},
      {0.004, -20, 0.008},  // zooming in is always allowed below the limit
  };
  for (const auto& c : cases) {
    TCoordinateSystem d;
    d.Zoom1 = d.Zoom2 = d.Zoom3 = c.zoom;
    DragZoom(d, c.dy);
    EXPECT_DOUBLE_EQ(d.Zoom1, c.after) << c.zoom << " " << c.dy;
    EXPECT_DOUBLE_EQ(d.Zoom2, c.after);
    EXPECT_DOUBLE_EQ(d.Zoom3, c.after);
  }
  // The zoom depends on how the motion is split into events.
  TCoordinateSystem d;
  for (int k = 0; k < 20; ++k) DragZoom(d, -1);
  EXPECT_NEAR(d.Zoom1, std::pow(1.05, 20), 1E-12);
}

TEST(ViewControl, PanningShiftsTheView) {
  TCoordinateSystem d;
  DragPan(d, 10, 0);
  EXPECT_DOUBLE_EQ(d.Shift1, -2);
  DragPan(d, 0, 10);
  EXPECT_DOUBLE_EQ(d.Shift2, 2);
  // A zoom of 0 from a file pans nothing instead of shifting to infinity.
  d.Zoom1 = 0;
  d.Zoom2 = NAN;
  DragPan(d, 10, 10);
  EXPECT_DOUBLE_EQ(d.Shift1, -2);
  EXPECT_DOUBLE_EQ(d.Shift2, 2);
}

// What the help says of the middle button: the picture moves against the
// mouse, 0.16 x width / axis range pixels per pixel, whatever the zoom.
TEST(ViewControl, PannedPictureMovesAgainstTheMouseAtASpeedSetByTheRange) {
  const struct {
    double min, max, zoom;
    int width, height, dx, dy;
    double movedX, movedY;  // pixels on screen, y upwards
  } cases[] = {
      {-10, 10, 1, 600, 400, 10, 0, -48, 0},
      {-10, 10, 4, 600, 400, 10, 0, -48, 0},        // zoomed in: the same speed
      {0, 1, 1, 600, 400, -1, 0, 96, 0},            // a short range: fast
      {-1000, 1000, 1, 600, 400, 100, 0, -4.8, 0},  // a long one: slow
      {-10, 10, 0.5, 600, 400, 0, 10, 0, 32},       // dragged down, moved up
  };
  for (const auto& c : cases) {
    TCoordinateSystem d;
    d.Min1 = d.Min2 = c.min;
    d.Max1 = d.Max2 = c.max;
    d.Zoom1 = d.Zoom2 = c.zoom;
    // Where the model point 0 appears, relative to the picture's centre.
    const auto screen = [&] {
      const TFitFactors fit = FitFactors(d, c.width, c.height);
      return std::pair{d.Shift1 * d.Zoom1 * fit.X, d.Shift2 * d.Zoom2 * fit.Y};
    };
    const auto before = screen();
    DragPan(d, c.dx, c.dy);
    const auto after = screen();
    EXPECT_NEAR(after.first - before.first, c.movedX, 1E-9) << c.max << " " << c.zoom;
    EXPECT_NEAR(after.second - before.second, c.movedY, 1E-9) << c.max << " " << c.zoom;
  }
}

TEST(ViewControl, RestoreDefaultViewCentresTheRanges) {
  TCoordinateSystem d;
  d.Min1 = 0;
  d.Max1 = 4;
  d.Min2 = -1;
  d.Max2 = 3;
  d.Alpha = 30;
  d.Beta = 40;
  d.Gamma = 50;
  d.Zoom1 = d.Zoom2 = d.Zoom3 = 7;
  d.Shift3 = 9;
  d.Resolution = 42;
  RestoreDefaultView(d);
  EXPECT_EQ(d.Alpha + d.Beta + d.Gamma, 0);
  EXPECT_EQ(d.Zoom1 * d.Zoom2 * d.Zoom3, 1);
  EXPECT_EQ(d.Shift1, -2);
  EXPECT_EQ(d.Shift2, -1);
  EXPECT_EQ(d.Shift3, 0);
  EXPECT_EQ(d.Resolution, 42);
}

TEST(ViewControl, PreviewIsTheBoxAndTheAxes) {
  TCoordinateSystem d;
  d.Origin1 = 1;
  d.AxisColor = 0x123456;
  TObject3D scene;
  BuildPreviewScene(d, scene);
  ASSERT_EQ(scene.size(), 15u);
  for (size_t k = 0; k < 12; ++k) {
    EXPECT_EQ(scene[k].Color, 0x808080);
    EXPECT_EQ(scene[k].Kind, TSegmentKind::Line);
    // Every box edge runs along exactly one axis, over its whole range.
    const int changed = (scene[k].P1.X != scene[k].P2.X) + (scene[k].P1.Y != scene[k].P2.Y) +
                        (scene[k].P1.Z != scene[k].P2.Z);
    EXPECT_EQ(changed, 1);
  }
  EXPECT_EQ(scene[12].Color, 0x123456);
  EXPECT_EQ(scene[13].P1.X, 1);  // the axis 2 line stands at Origin1
  EXPECT_EQ(scene[14].P1.Z, d.Min3);
}

TEST(ViewControl, StatusTexts) {
  const struct {
    int alpha, beta;
    double zoom;
    const char *a, *b, *z;
  } cases[] = {
      {30, 0, 1, "Alpha=30\u00B0", "Beta=0\u00B0", "Zoom=100%"},
      {0, 359, 0.125, "Alpha=0\u00B0", "Beta=359\u00B0", "Zoom=12%"},  // 12.5 to even
      {0, 0, 0.135, "Alpha=0\u00B0", "Beta=0\u00B0", "Zoom=14%"},
      {0, 0, INFINITY, "Alpha=0\u00B0", "Beta=0\u00B0", "Zoom=?%"},
  };
  for (const auto& c : cases) {
    TCoordinateSystem d;
    d.Alpha = c.alpha;
    d.Beta = c.beta;
    d.Zoom1 = c.zoom;
    const TViewStatus s = ViewStatus(d);
    EXPECT_EQ(s.Alpha, c.a);
    EXPECT_EQ(s.Beta, c.b);
    EXPECT_EQ(s.Zoom, c.z);
  }
}

}  // namespace

namespace {

// The zoom after a series of wheel events, each applied as its notches.
double ZoomAfterWheel(std::initializer_list<std::pair<int, int>> events) {
  TCoordinateSystem d;
  TWheelNotches wheel;
  for (const auto& [angle, pixels] : events) ZoomNotches(d, wheel.Add(angle, pixels));
  return d.Zoom1;
}

TEST(ViewControl, WheelEventsZoomByWholeNotches) {
  const struct {
    const char* Name;
    std::initializer_list<std::pair<int, int>> Events;
    double Zoom;
  } cases[] = {
      {"one notch", {{120, 0}}, 2},
      {"eight events of 15",
       {{15, 0}, {15, 0}, {15, 0}, {15, 0}, {15, 0}, {15, 0}, {15, 0}, {15, 0}},
       2},
      {"seven of 15 are not yet a notch",
       {{15, 0}, {15, 0}, {15, 0}, {15, 0}, {15, 0}, {15, 0}, {15, 0}},
       1},
      {"one event of 240 is two notches", {{240, 0}}, 4},
      {"two events of 120", {{120, 0}, {120, 0}}, 4},
      {"backward halves", {{-120, 0}}, 0.5},
      {"eight of -15",
       {{-15, 0}, {-15, 0}, {-15, 0}, {-15, 0}, {-15, 0}, {-15, 0}, {-15, 0}, {-15, 0}},
       0.5},
      {"a part notch is dropped on turning back", {{90, 0}, {-60, 0}, {-60, 0}}, 0.5},
      {"pixels only", {{0, 30}, {0, 30}}, 2},
      {"pixels count only without an angle", {{120, 500}}, 2},
      {"nothing", {{0, 0}}, 1},
  };
  for (const auto& c : cases) EXPECT_DOUBLE_EQ(ZoomAfterWheel(c.Events), c.Zoom) << c.Name;
}

TEST(ViewControl, HugeWheelEventsStayBounded) {
  TWheelNotches wheel;
  EXPECT_EQ(wheel.Add(INT_MAX, 0), TWheelNotches::MaxNotchesPerEvent);
  wheel.Reset();
  EXPECT_EQ(wheel.Add(INT_MIN, 0), -TWheelNotches::MaxNotchesPerEvent);
  wheel.Reset();
  EXPECT_EQ(wheel.Add(0, INT_MIN), -TWheelNotches::MaxNotchesPerEvent);
  // The zoom limits hold however many notches come.
  TCoordinateSystem d;
  ZoomNotches(d, TWheelNotches::MaxNotchesPerEvent);
  EXPECT_LE(d.Zoom1, 2048);
}

TEST(ViewControl, PinchZoomsSmoothlyWithinTheLimits) {
  const struct {
    double zoom, factor, after;
  } cases[] = {
      {1, 1.1, 1.1},        {1, 0.9, 0.9},       {1000, 1.5, 1500}, {1001, 1.5, 1001},
      {0.005, 0.5, 0.0025}, {0.004, 0.5, 0.004}, {1, 0, 1},         {1, -2, 1},
      {1, NAN, 1},          {1, INFINITY, 1},
  };
  for (const auto& c : cases) {
    TCoordinateSystem d;
    d.Zoom1 = d.Zoom2 = d.Zoom3 = c.zoom;
    PinchZoom(d, c.factor);
    EXPECT_DOUBLE_EQ(d.Zoom1, c.after) << c.zoom << " x " << c.factor;
    EXPECT_DOUBLE_EQ(d.Zoom3, c.after) << c.zoom << " x " << c.factor;
  }
}

TEST(ViewControl, KeysMoveTheViewLikeTheMouse) {
  const struct {
    const char* Name;
    TViewKey Key;
    bool Pan, ThreeAxes, Changed;
    int Alpha, Beta;
    double Shift1, Shift2, Zoom;
  } cases[] = {
      {"down turns Alpha", TViewKey::Down, false, true, true, 5, 0, 0, 0, 1},
      {"up turns Alpha back", TViewKey::Up, false, true, true, 355, 0, 0, 0, 1},
      {"right turns Beta", TViewKey::Right, false, true, true, 0, 5, 0, 0, 1},
      {"left", TViewKey::Left, false, true, true, 0, 355, 0, 0, 1},
      {"2D does not turn", TViewKey::Left, false, false, false, 0, 0, 0, 0, 1},
      // A middle drag of 10 pixels to the right lowers Shift1 by 2 at zoom 1.
      {"shift right pans", TViewKey::Right, true, false, true, 0, 0, -2, 0, 1},
      {"shift up pans in 3D", TViewKey::Up, true, true, true, 0, 0, 0, -2, 1},
      {"plus", TViewKey::ZoomIn, false, false, true, 0, 0, 0, 0, 2},
      {"minus", TViewKey::ZoomOut, false, true, true, 0, 0, 0, 0, 0.5},
  };
  for (const auto& c : cases) {
    TCoordinateSystem d;
    d.ThreeAxes = c.ThreeAxes;
    d.Min1 = d.Min2 = -1;
    d.Max1 = d.Max2 = 1;
    EXPECT_EQ(ApplyViewKey(d, c.Key, c.Pan), c.Changed) << c.Name;
    EXPECT_EQ(d.Alpha, c.Alpha) << c.Name;
    EXPECT_EQ(d.Beta, c.Beta) << c.Name;
    EXPECT_DOUBLE_EQ(d.Shift1, c.Shift1) << c.Name;
    EXPECT_DOUBLE_EQ(d.Shift2, c.Shift2) << c.Name;
    EXPECT_DOUBLE_EQ(d.Zoom1, c.Zoom) << c.Name;
  }
  TCoordinateSystem d;
  d.Min1 = 2;
  d.Max1 = 4;
  d.Alpha = 40;
  d.Zoom1 = 3;
  EXPECT_TRUE(ApplyViewKey(d, TViewKey::Home, false));
  EXPECT_EQ(d.Alpha, 0);
  EXPECT_DOUBLE_EQ(d.Zoom1, 1);
  EXPECT_DOUBLE_EQ(d.Shift1, -3);
}

TEST(ViewControl, LiveDragFallsBackAfterASlowFrame) {
  TLiveDrag live;
  live.Start(true);
  EXPECT_TRUE(live.Due(0, 16.7)) << "the first frame of a drag comes at once";
  live.FrameTook(12);
  EXPECT_TRUE(live.Live());
  EXPECT_FALSE(live.Due(5, 16.7)) << "at most one frame per refresh";
  EXPECT_TRUE(live.Due(16.7, 16.7));
  live.FrameTook(50);
  EXPECT_TRUE(live.Live()) << "exactly the budget is still fast enough";
  live.FrameTook(50.5);
  EXPECT_FALSE(live.Live());
  live.FrameTook(1);
  EXPECT_FALSE(live.Live()) << "the rest of the drag stays with the box";
  live.Start(true);
  EXPECT_TRUE(live.Live()) << "the next drag tries again";
  live.Start(false);
  EXPECT_FALSE(live.Live());
  live.Start(true);
  live.FrameTook(NAN);
  EXPECT_FALSE(live.Live());
}

}  // namespace
