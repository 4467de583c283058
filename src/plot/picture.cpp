// SPDX-License-Identifier: GPL-3.0-or-later
#include "plot/picture.h"

#include <algorithm>
#include <cmath>

namespace {

// The length of an axis range for the fit: an inverted range is as long as it
// is, an empty or endless one counts as one unit.
double FitRange(double minimum, double maximum) {
  const double range = std::fabs(maximum - minimum);
  return std::isfinite(range) && range > 0 ? range : 1.0;
}

double DrawnZoom(double zoom) { return UsableZoom(zoom) ? zoom : 1.0; }

double UsableShift(double shift) { return std::isfinite(shift) ? shift : 0.0; }

}  // namespace

bool UsableZoom(double zoom) { return std::isfinite(zoom) && zoom != 0; }

TFitFactors FitFactors(const TCoordinateSystem& display, std::int32_t width, std::int32_t height) {
  const double w = width;
  const double h = height;
  const double range1 = FitRange(display.Min1, display.Max1);
  const double range2 = FitRange(display.Min2, display.Max2);
  const double range3 = FitRange(display.Min3, display.Max3);
  if (display.ForceEqualScale) {
    const double s = std::min(h / range2, w / range1) * 0.8;
    return {s, s, s};
  }
  return {w * 0.8 / range1, h * 0.8 / range2, (w + h) * 0.8 / 2 / range3};
}

void ApplyViewTransformation(TObject3D& scene, const TCoordinateSystem& display, std::int32_t width,
                             std::int32_t height) {
  MoveObject(scene, UsableShift(display.Shift1), UsableShift(display.Shift2),
             UsableShift(display.Shift3));
  const TFitFactors fit = FitFactors(display, width, height);
  ScaleObject(scene, DrawnZoom(display.Zoom1) * fit.X, DrawnZoom(display.Zoom2) * fit.Y,
              DrawnZoom(display.Zoom3) * fit.Z);
}

void DrawPicture(TGraphic3D& graphic, Canvas& canvas, const TCoordinateSystem& display,
                 const TObject3D& scene, bool Sort, TObject3D& view) {
  // CopyObject replaces the whole content; assigning over the previous
  // picture's segments reuses their storage instead of emptying it first.
  CopyObject(scene, view);
  DrawPictureInPlace(graphic, canvas, display, view, Sort);
}

void DrawPictureInPlace(TGraphic3D& graphic, Canvas& canvas, const TCoordinateSystem& display,
                        TObject3D& scene, bool Sort) {
  ApplyViewTransformation(scene, display, canvas.Width(), canvas.Height());
  if (display.ThreeAxes) {
    DrawObject(graphic, canvas, scene, display.Alpha, display.Beta, display.Gamma, Sort,
               display.Perspective);
  } else {
    DrawObject(graphic, canvas, scene, display.Alpha, display.Beta, display.Gamma, false, -1);
  }
}
