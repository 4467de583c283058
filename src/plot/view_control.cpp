// SPDX-License-Identifier: GPL-3.0-or-later
#include "plot/view_control.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "plot/picture.h"

namespace {

constexpr int32_t PreviewBoxColor = 0x808080;
constexpr double ZoomInLimit = 1000;
constexpr double ZoomOutLimit = 0.005;
constexpr int WheelNotchPixels = 20;

// Adds a drag to an angle and reduces it into 0..359. The sum is formed in 64
// bits, so an angle read from a file near the integer limit cannot overflow.
int32_t TurnAngle(int32_t angle, int delta) {
  int64_t a = (static_cast<int64_t>(angle) + delta) % 360;
  if (a < 0) a += 360;
  return static_cast<int32_t>(a);
}

}  // namespace

void DragRotate(TCoordinateSystem& display, int dx, int dy) {
  display.Alpha = TurnAngle(display.Alpha, dy);
  display.Beta = TurnAngle(display.Beta, dx);
}

void DragZoom(TCoordinateSystem& display, int dy) {
  double f = std::fabs(dy / 20.0) + 1;
  if (dy > 0) f = 1 / f;
  if ((f > 1 && display.Zoom1 <= ZoomInLimit) || (f < 1 && display.Zoom1 >= ZoomOutLimit)) {
    display.Zoom1 *= f;
    display.Zoom2 *= f;
    display.Zoom3 *= f;
  }
}

void DragPan(TCoordinateSystem& display, int dx, int dy) {
  if (UsableZoom(display.Zoom1)) display.Shift1 -= dx / (display.Zoom1 * 5);
  if (UsableZoom(display.Zoom2)) display.Shift2 += dy / (display.Zoom2 * 5);
}

void ZoomNotches(TCoordinateSystem& display, int notches) {
  const int step = notches > 0 ? -WheelNotchPixels : WheelNotchPixels;
  for (int k = 0; k < std::abs(notches); ++k) DragZoom(display, step);
}

void PinchZoom(TCoordinateSystem& display, double factor) {
  if (!std::isfinite(factor) || factor <= 0) return;
  if ((factor > 1 && display.Zoom1 <= ZoomInLimit) ||
      (factor < 1 && display.Zoom1 >= ZoomOutLimit)) {
    display.Zoom1 *= factor;
    display.Zoom2 *= factor;
    display.Zoom3 *= factor;
  }
}

int TWheelNotches::Add(int angleDelta, int pixelDelta) {
  const long long units =
      angleDelta != 0 ? angleDelta
                      : static_cast<long long>(pixelDelta) * UnitsPerNotch / WheelPixelsPerNotch;
  if ((units > 0 && rest_ < 0) || (units < 0 && rest_ > 0)) rest_ = 0;
  rest_ += units;
  long long notches = rest_ / UnitsPerNotch;
  rest_ -= notches * UnitsPerNotch;
  notches = std::clamp<long long>(notches, -MaxNotchesPerEvent, MaxNotchesPerEvent);
  return static_cast<int>(notches);
}

bool ApplyViewKey(TCoordinateSystem& display, TViewKey key, bool pan) {
  int dx = 0;
  int dy = 0;
  switch (key) {
    case TViewKey::Left: dx = -1; break;
    case TViewKey::Right: dx = 1; break;
    case TViewKey::Up: dy = -1; break;
    case TViewKey::Down: dy = 1; break;
    case TViewKey::ZoomIn: ZoomNotches(display, 1); return true;
    case TViewKey::ZoomOut: ZoomNotches(display, -1); return true;
    case TViewKey::Home: RestoreDefaultView(display); return true;
  }
  if (pan) {
    DragPan(display, dx * KeyPanPixels, dy * KeyPanPixels);
    return true;
  }
  if (!display.ThreeAxes) return false;
  DragRotate(display, dx * KeyTurnDegrees, dy * KeyTurnDegrees);
  return true;
}

void RestoreDefaultView(TCoordinateSystem& display) {
  display.Alpha = display.Beta = display.Gamma = 0;
  display.Zoom1 = display.Zoom2 = display.Zoom3 = 1.0;
  display.Shift1 = -(display.Max1 + display.Min1) / 2;
  display.Shift2 = -(display.Max2 + display.Min2) / 2;
  display.Shift3 = 0;
}

void BuildPreviewScene(const TCoordinateSystem& d, TObject3D& scene) {
  ClearObject(scene);
  const double x[2] = {d.Min1, d.Max1};
  const double y[2] = {d.Min2, d.Max2};
  const double z[2] = {d.Min3, d.Max3};
  // Four edges along each axis.
  for (int a = 0; a < 2; ++a) {
    for (int b = 0; b < 2; ++b) {
      AddLine(scene, 1, PreviewBoxColor, x[0], y[a], z[b], x[1], y[a], z[b]);
      AddLine(scene, 1, PreviewBoxColor, x[a], y[0], z[b], x[a], y[1], z[b]);
      AddLine(scene, 1, PreviewBoxColor, x[a], y[b], z[0], x[a], y[b], z[1]);
    }
  }
  AddLine(scene, 1, d.AxisColor, d.Min1, d.Origin2, d.Origin3, d.Max1, d.Origin2, d.Origin3);
  AddLine(scene, 1, d.AxisColor, d.Origin1, d.Min2, d.Origin3, d.Origin1, d.Max2, d.Origin3);
  AddLine(scene, 1, d.AxisColor, d.Origin1, d.Origin2, d.Min3, d.Origin1, d.Origin2, d.Max3);
}

TViewStatus ViewStatus(const TCoordinateSystem& display) {
  TViewStatus status;
  status.Alpha = "Alpha=" + std::to_string(display.Alpha) + "\u00B0";
  status.Beta = "Beta=" + std::to_string(display.Beta) + "\u00B0";
  // Percent rounded to the nearest integer, halves to even (the default
  // rounding mode of nearbyint).
  char percent[64];
  const double value = std::nearbyint(display.Zoom1 * 100);
  if (std::isfinite(value))
    std::snprintf(percent, sizeof percent, "%.0f", value);
  else
    std::snprintf(percent, sizeof percent, "%s", "?");
  status.Zoom = std::string("Zoom=") + percent + "%";
  return status;
}
