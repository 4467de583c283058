// SPDX-License-Identifier: GPL-3.0-or-later
#include "plot/render.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <limits>
#include <utility>
#include <vector>

#include "plot/scene_guard.h"

namespace {

constexpr std::int32_t White = 0xFFFFFF;
constexpr std::int32_t Black = 0;

// Pixel positions handed to the canvas stay within this many pixels of the
// image origin. The raster engines work in fixed point and go wrong far
// beyond it; a zoomed-in picture legitimately reaches a few hundred thousand.
constexpr double PixelLimit = 4194304.0;  // 2^22

// Rounds to the nearest integer, halves to the even neighbour, as nearbyint
// does in the default rounding mode, without a library call per vertex:
// adding 1.5 * 2^52 leaves no bits below the unit, so the addition itself
// rounds.
double RoundHalfEven(double v) {
  constexpr double Shifter = 6755399441055744.0;                          // 1.5 * 2^52
  if (std::fabs(v) < 2251799813685248.0) return (v + Shifter) - Shifter;  // below 2^51
  return std::nearbyint(v);
}

// The order in which the Shell sort leaves the segments, found on (key, index)
// pairs so that whole segments move once instead of at every swap. The swaps
// depend only on the keys, so the order is the one the segments themselves
// would take.
//
// Halving gaps cost up to n^2 / 8 swaps on keys arranged against them (small
// and large depths interleaved), hours for a scene of a million points from a
// hostile data table, while real scenes take well below n^1.5 / 2. Past
// SwapBudget swaps the rest is done by a stable merge sort: still ordered by
// depth, though equal depths may then stand in another order.
std::vector<std::uint32_t> ShellSortOrder(const TObject3D& scene) {
  // Keys and indices in separate arrays: the comparisons, which are most of
  // the work, read only the keys.
  const std::size_t n = scene.size();
  std::vector<double> keys(n);
  std::vector<std::uint32_t> order(n);
  for (std::size_t i = 0; i < n; ++i) {
    keys[i] = DepthKey(scene[i]);
    order[i] = static_cast<std::uint32_t>(i);
  }

  const double size = static_cast<double>(n);
  const double swapBudget = std::max(1e6, 2 * size * std::sqrt(size));
  double swaps = 0;
  bool withinBudget = true;
  for (std::size_t gap = n >> 1; gap > 0 && withinBudget; gap >>= 1) {
    for (std::size_t i = 0; i + gap < n && withinBudget; ++i) {
      // Only a strictly greater key swaps: equal keys stay, a NaN never
      // moves, and every swap removes an inversion, so the walk back ends.
      if (!(keys[i] > keys[i + gap])) continue;
      // The walk carries the element from i + gap back along its chain, one
      // gap per swap; it is held aside and written once where it stops.
      const double key = keys[i + gap];
      const std::uint32_t index = order[i + gap];
      std::size_t hole = i + gap;
      std::size_t j = i;
      while (keys[j] > key) {
        keys[hole] = keys[j];
        order[hole] = order[j];
        hole = j;
        if (++swaps > swapBudget) {
          withinBudget = false;
          break;
        }
        // Below the first gap the walk would go on comparing positions 0 and
        // gap, which this pass has put in order already: it ends here.
        if (j < gap) break;
        j -= gap;
      }
      keys[hole] = key;
      order[hole] = index;
    }
  }
  if (!withinBudget) {
    // NaN keys, which compare with nothing, go last.
    std::vector<std::uint32_t> positions(n);
    for (std::size_t i = 0; i < n; ++i) positions[i] = static_cast<std::uint32_t>(i);
    std::stable_sort(positions.begin(), positions.end(), [&](std::uint32_t a, std::uint32_t b) {
      return keys[a] < keys[b] || (!std::isnan(keys[a]) && std::isnan(keys[b]));
    });
    std::vector<std::uint32_t> sorted(n);
    for (std::size_t i = 0; i < n; ++i) sorted[i] = order[positions[i]];
    order.swap(sorted);
  }
  return order;
}

bool WithinLimit(const TPixelPosition& p) {
  return std::fabs(p.X) <= PixelLimit && std::fabs(p.Y) <= PixelLimit;
}

TCanvasPoint ToCanvas(double x, double y) {
  return {static_cast<std::int32_t>(RoundHalfEven(x)), static_cast<std::int32_t>(RoundHalfEven(y))};
}

// A corner found by a cut lies on or inside the square of PixelLimit, give
// or take rounding. But the cut of a line between coordinates far beyond it
// (up to the double range) can lose more than the whole square in rounding,
// or overflow to no value at all. Such a corner is put back onto the square;
// false when it has no value. Ordinary rounding, within a pixel, stays.
bool SettleCut(TPixelPosition& p) {
  if (!std::isfinite(p.X) || !std::isfinite(p.Y)) return false;
  if (std::fabs(p.X) > PixelLimit + 1) p.X = std::copysign(PixelLimit, p.X);
  if (std::fabs(p.Y) > PixelLimit + 1) p.Y = std::copysign(PixelLimit, p.Y);
  return true;
}

// Cuts the line a-b to the square of PixelLimit (Liang-Barsky); false when
// nothing of it lies inside.
bool ClipToLimit(TPixelPosition& a, TPixelPosition& b) {
  double t0 = 0;
  double t1 = 1;
  const double dx = b.X - a.X;
  const double dy = b.Y - a.Y;
  const std::array<std::pair<double, double>, 4> edges{{{-dx, a.X + PixelLimit},
                                                        {dx, PixelLimit - a.X},
                                                        {-dy, a.Y + PixelLimit},
                                                        {dy, PixelLimit - a.Y}}};
  for (const auto& [p, q] : edges) {
    if (p == 0) {
      if (q < 0) return false;
      continue;
    }
    const double r = q / p;
    if (p < 0) {
      if (r > t1) return false;
      t0 = std::max(t0, r);
    } else {
      if (r < t0) return false;
      t1 = std::min(t1, r);
    }
  }
  const TPixelPosition start = a;
  a = {start.X + t0 * dx, start.Y + t0 * dy};
  b = {start.X + t1 * dx, start.Y + t1 * dy};
  return SettleCut(a) && SettleCut(b);
}

// Cuts a polygon to the square of PixelLimit (Sutherland-Hodgman); the result
// has at most twice as many corners as the input.
std::vector<TPixelPosition> ClipPolygonToLimit(const std::vector<TPixelPosition>& polygon) {
  std::vector<TPixelPosition> current = polygon;
  for (int side = 0; side < 4; ++side) {
    const auto inside = [side](const TPixelPosition& p) {
      switch (side) {
        case 0: return p.X >= -PixelLimit;
        case 1: return p.X <= PixelLimit;
        case 2: return p.Y >= -PixelLimit;
        default: return p.Y <= PixelLimit;
      }
    };
    const auto cross = [side](const TPixelPosition& p, const TPixelPosition& q) {
      const double bound = (side == 0 || side == 2) ? -PixelLimit : PixelLimit;
      if (side < 2) {
        const double t = (bound - p.X) / (q.X - p.X);
        return TPixelPosition{bound, p.Y + t * (q.Y - p.Y)};
      }
      const double t = (bound - p.Y) / (q.Y - p.Y);
      return TPixelPosition{p.X + t * (q.X - p.X), bound};
    };
    std::vector<TPixelPosition> next;
    for (std::size_t k = 0; k < current.size(); ++k) {
      const TPixelPosition& p = current[k];
      const TPixelPosition& q = current[(k + 1) % current.size()];
      if (inside(p)) next.push_back(p);
      if (inside(p) != inside(q)) next.push_back(cross(p, q));
    }
    current = std::move(next);
    if (current.empty()) break;
  }
  for (TPixelPosition& corner : current)
    if (!SettleCut(corner)) return {};
  return current;
}

// The pixel of a vertex, or false when it has none: behind the eye or beyond
// the range of numbers.
bool ToPixel(const TGraphic3D& graphic, const TPoint3D& vertex, bool projected, double D,
             TPixelPosition& out) {
  if (projected && D > 0 && !(D - vertex.Z > 0)) return false;
  out = ProjectVertex(graphic, vertex, projected, D);
  return std::isfinite(out.X) && std::isfinite(out.Y);
}

void PaintLine(Canvas& canvas, TPixelPosition a, TPixelPosition b) {
  if (!WithinLimit(a) || !WithinLimit(b)) {
    if (!ClipToLimit(a, b)) return;
  }
  const TCanvasPoint from = ToCanvas(a.X, a.Y);
  const TCanvasPoint to = ToCanvas(b.X, b.Y);
  canvas.MoveTo(from.X, from.Y);
  canvas.LineTo(to.X, to.Y);
}

void PaintQuad(Canvas& canvas, const std::array<TPixelPosition, 4>& corners) {
  if (std::all_of(corners.begin(), corners.end(), WithinLimit)) {
    std::array<TCanvasPoint, 4> points;
    for (std::size_t k = 0; k < 4; ++k) points[k] = ToCanvas(corners[k].X, corners[k].Y);
    canvas.Polygon(points);
    return;
  }
  const auto clipped = ClipPolygonToLimit({corners.begin(), corners.end()});
  if (clipped.size() < 3) return;
  std::vector<TCanvasPoint> points;
  points.reserve(clipped.size());
  for (const auto& p : clipped) points.push_back(ToCanvas(p.X, p.Y));
  canvas.Polygon(points);
}

// The gap between a text and its anchor: 10 logical pixels.
std::int32_t TextGap(double scale) {
  return scale == 1 ? 10 : static_cast<std::int32_t>(RoundHalfEven(10 * scale));
}

std::int32_t HorizontalOffset(std::int8_t dirX, std::int32_t width, std::int32_t gap) {
  switch (dirX) {
    case 1: return gap;
    case 0: return -static_cast<std::int32_t>(RoundHalfEven(width / 2.0));
    case -1: return -width - gap;
    default: return 0;
  }
}

std::int32_t VerticalOffset(std::int8_t dirY, std::int32_t height, std::int32_t gap) {
  switch (dirY) {
    case -1: return gap;
    case 0: return -static_cast<std::int32_t>(RoundHalfEven(height / 2.0));
    case 1: return -height - gap;
    default: return 0;
  }
}

void PaintSegment(const TGraphic3D& graphic, Canvas& canvas, const TSegment& segment, double D) {
  const bool projected = segment.Projected;
  TPixelPosition p1;
  if (!ToPixel(graphic, segment.P1, projected, D, p1)) return;
  switch (segment.Kind) {
    case TSegmentKind::Pixel: {
      if (!WithinLimit(p1)) return;
      const TCanvasPoint at = ToCanvas(p1.X, p1.Y);
      canvas.SetPixel(at.X, at.Y, segment.Color);
      return;
    }
    case TSegmentKind::Line: {
      TPixelPosition p2;
      if (!ToPixel(graphic, segment.P2, projected, D, p2)) return;
      canvas.SetPenColor(segment.Color);
      PaintLine(canvas, p1, p2);
      return;
    }
    case TSegmentKind::Quad: {
      std::array<TPixelPosition, 4> corners;
      corners[0] = p1;
      if (!ToPixel(graphic, segment.P2, projected, D, corners[1]) ||
          !ToPixel(graphic, segment.P3, projected, D, corners[2]) ||
          !ToPixel(graphic, segment.P4, projected, D, corners[3]))
        return;
      canvas.SetPenColor(Black);
      canvas.SetBrushColor(segment.Color);
      PaintQuad(canvas, corners);
      return;
    }
    case TSegmentKind::Dot: {
      if (!WithinLimit(p1)) return;
      const TCanvasPoint centre = ToCanvas(p1.X, p1.Y);
      // A radius from a file may be anything; beyond the limit the circle
      // covers the whole image either way.
      const double logicalRadius = std::clamp<double>(segment.Radius, -PixelLimit, PixelLimit);
      const std::int32_t radius = static_cast<std::int32_t>(
          std::clamp(RoundHalfEven(logicalRadius * graphic.Scale), -PixelLimit, PixelLimit));
      canvas.SetPenColor(segment.Color);
      canvas.SetBrushColor(segment.Color);
      canvas.Ellipse(centre.X - radius, centre.Y - radius, centre.X + radius, centre.Y + radius);
      canvas.SetBrushColor(White);
      return;
    }
    case TSegmentKind::Text: {
      if (!WithinLimit(p1)) return;
      canvas.SetFontColor(segment.Color);
      canvas.SetBrushColor(White);
      const TCanvasPoint anchor = ToCanvas(p1.X, p1.Y);
      const std::int32_t width = std::clamp(canvas.TextWidth(segment.Text), 0, 1 << 28);
      const std::int32_t height = std::clamp(canvas.TextHeight(segment.Text), 0, 1 << 28);
      const std::int32_t gap = TextGap(graphic.Scale);
      canvas.TextOut(anchor.X + HorizontalOffset(segment.DirX, width, gap),
                     anchor.Y + VerticalOffset(segment.DirY, height, gap), segment.Text);
      return;
    }
  }
}

}  // namespace

void InitGraphic3D(TGraphic3D& graphic, Canvas& canvas) {
  InitGraphic3DForSize(graphic, canvas.Width(), canvas.Height());
  const double scale = canvas.Scale();
  graphic.Scale = std::isfinite(scale) && scale > 0 ? scale : 1.0;
  canvas.SetFont(SceneFontName, SceneFontSize);
}

double DepthKey(const TSegment& segment) {
  switch (segment.Kind) {
    case TSegmentKind::Quad: return (segment.P1.Z + segment.P2.Z + segment.P3.Z + segment.P4.Z) / 4;
    case TSegmentKind::Line: return (segment.P1.Z + segment.P2.Z) / 2;
    default: return segment.P1.Z;
  }
}

void SortObject(TObject3D& scene) {
  if (scene.size() < 2) return;
  std::vector<std::uint32_t> order = ShellSortOrder(scene);
  // Each segment moves once, along the cycles of the permutation, inside the
  // scene: a second scene of the same size would cost a fresh allocation and
  // its page faults at every redraw. order[j] is the segment that belongs at
  // j; a placed position is marked by order[j] == j.
  for (std::size_t i = 0; i < order.size(); ++i) {
    if (order[i] == i) continue;
    TSegment held = std::move(scene[i]);
    std::size_t j = i;
    while (true) {
      const std::size_t from = order[j];
      order[j] = static_cast<std::uint32_t>(j);
      if (from == i) {
        scene[j] = std::move(held);
        break;
      }
      scene[j] = std::move(scene[from]);
      j = from;
    }
  }
}

double EyeDistance(const TObject3D& scene, std::int32_t Distance) {
  if (Distance <= 0) return 0;
  double zMax = 0.0;
  for (const TSegment& segment : scene) {
    if (!segment.Projected) continue;
    const double z = std::max(segment.P1.Z, segment.P2.Z);
    if (z > zMax) zMax = z;
  }
  return zMax > 0 ? Distance + zMax : Distance;
}

TPixelPosition ProjectVertex(const TGraphic3D& graphic, const TPoint3D& vertex, bool projected,
                             double D) {
  const double s = graphic.Scale;
  if (s == 1) {
    if (!projected) return {RoundHalfEven(vertex.X), RoundHalfEven(vertex.Y)};
    if (D > 0) {
      return {graphic.CenterX + RoundHalfEven(vertex.X * D / (D - vertex.Z)),
              graphic.CenterY + RoundHalfEven(-vertex.Y * D / (D - vertex.Z))};
    }
    return {graphic.CenterX + RoundHalfEven(vertex.X), graphic.CenterY + RoundHalfEven(-vertex.Y)};
  }
  // The same logical position, rounded to the finer grid of device pixels.
  if (!projected) return {RoundHalfEven(s * vertex.X), RoundHalfEven(s * vertex.Y)};
  const double centreX = RoundHalfEven(s * graphic.CenterX);
  const double centreY = RoundHalfEven(s * graphic.CenterY);
  if (D > 0) {
    return {centreX + RoundHalfEven(s * (vertex.X * D / (D - vertex.Z))),
            centreY + RoundHalfEven(s * (-vertex.Y * D / (D - vertex.Z)))};
  }
  return {centreX + RoundHalfEven(s * vertex.X), centreY + RoundHalfEven(s * -vertex.Y)};
}

void DrawObject(TGraphic3D& graphic, Canvas& canvas, TObject3D& scene, std::int32_t A1,
                std::int32_t A2, std::int32_t A3, bool Sort, std::int32_t Distance) {
  RotateObject(graphic, scene, A1, A2, A3);
  // Rotation can carry a huge coordinate past the double range; such a segment
  // has no place in the picture and no defined depth.
  DropNonFinite(scene);
  if (Sort) SortObject(scene);
  const double D = EyeDistance(scene, Distance);
  graphic.EyeDistance = D;

  canvas.SetBrushColor(White);
  canvas.FillRect(0, 0, DeviceSide(canvas.Width(), graphic.Scale),
                  DeviceSide(canvas.Height(), graphic.Scale));
  for (const TSegment& segment : scene) PaintSegment(graphic, canvas, segment, D);
}
