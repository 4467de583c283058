// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/polygon_raster.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace {

void Put(TPixelBuffer& buffer, std::int32_t x, std::int32_t y, std::uint32_t color) {
  if (x < 0 || y < 0 || x >= buffer.Width || y >= buffer.Height) return;
  buffer.Pixels[static_cast<std::ptrdiff_t>(y) * buffer.Stride + x] = color;
}

// A square of width pixels around (x, y): the pen of a thicker outline.
void PutSquare(TPixelBuffer& buffer, std::int32_t x, std::int32_t y, std::int32_t width,
               std::uint32_t color) {
  const std::int32_t first = -(width - 1) / 2;
  for (std::int32_t dy = first; dy < first + width; ++dy)
    for (std::int32_t dx = first; dx < first + width; ++dx) Put(buffer, x + dx, y + dy, color);
}

// The pixels whose centres (x + 0.5, y + 0.5) lie inside, odd-even rule: on
// each row the crossings of the centre line with the edges, in pairs.
void Fill(TPixelBuffer& buffer, std::span<const TCanvasPoint> points, std::uint32_t color) {
  const std::size_t n = points.size();
  std::int32_t top = std::numeric_limits<std::int32_t>::max();
  std::int32_t bottom = std::numeric_limits<std::int32_t>::min();
  for (const TCanvasPoint& p : points) {
    top = std::min(top, p.Y);
    bottom = std::max(bottom, p.Y);
  }
  std::array<double, MaxRasterCorners> crossings{};
  for (std::int32_t y = top; y < bottom; ++y) {
    const double centre = y + 0.5;
    std::size_t count = 0;
    for (std::size_t k = 0; k < n; ++k) {
      TCanvasPoint a = points[k];
      TCanvasPoint b = points[(k + 1) % n];
      if (a.Y == b.Y) continue;
      if (a.Y > b.Y) std::swap(a, b);
      if (centre < a.Y || centre >= b.Y) continue;
      if (count == crossings.size()) break;
      crossings[count++] = a.X + (centre - a.Y) * double(b.X - a.X) / double(b.Y - a.Y);
    }
    // At most eight crossings: insertion sort.
    for (std::size_t k = 1; k < count; ++k)
      for (std::size_t j = k; j > 0 && crossings[j] < crossings[j - 1]; --j)
        std::swap(crossings[j], crossings[j - 1]);
    std::uint32_t* row = buffer.Pixels + static_cast<std::ptrdiff_t>(y) * buffer.Stride;
    for (std::size_t k = 0; k + 1 < count; k += 2) {
      // A centre on the left crossing is outside, one on the right inside.
      const auto from =
          std::max<std::int32_t>(0, static_cast<std::int32_t>(std::floor(crossings[k] - 0.5)) + 1);
      const auto to = std::min<std::int32_t>(
          buffer.Width - 1, static_cast<std::int32_t>(std::floor(crossings[k + 1] - 0.5)));
      for (std::int32_t x = from; x <= to; ++x) row[x] = color;
    }
  }
}

// The outline, edge by edge, in 26.6 fixed point positions and 16.16 steps.
class TOutline {
 public:
  TOutline(TPixelBuffer& buffer, std::uint32_t color, std::int32_t width)
      : buffer_(buffer), color_(color), width_(width) {}

  // Where the closing edge would end, so that the first edge's joint with it
  // is treated like every other joint.
  void Prepare(TCanvasPoint from, TCanvasPoint to) {
    lastX_ = lastY_ = -1;
    Edge(from, to, false);
  }

  void Draw(TCanvasPoint from, TCanvasPoint to) { Edge(from, to, true); }

 private:
  enum TDirection : int {
    None = 0,
    LeftToRight = 1,
    RightToLeft = 2,
    TopToBottom = 4,
    BottomToTop = 8
  };

  static std::int32_t Step(std::int64_t along, std::int64_t across) {
    return static_cast<std::int32_t>((along * 65536) / across);
  }

  // One edge worked as if it were flat (the axes of a steep one swapped):
  // one pixel per step along the major axis, the minor axis in 16.16.
  struct TRun {
    bool Steep = false;
    bool Swapped = false;  // drawn from its far end back
    bool Aligned = false;  // close to the major axis
    int Direction = None;
    std::int32_t Increment = 0;  // minor-axis step per pixel
    std::int64_t Minor = 0;
    std::int32_t Major = 0;
    std::int32_t MajorEnd = 0;
    // The end pixels in drawing order, as x, y.
    std::int32_t FirstX = 0, FirstY = 0, LastX = 0, LastY = 0;
  };

  // One edge; draw false only records where it ends.
  void Edge(TCanvasPoint from, TCanvasPoint to, bool draw) {
    TRun run;
    if (!PlanRun(from, to, draw, run)) return;
    if (draw) {
      if (lastX_ >= 0) JoinPrevious(run);
      Plot(run);
    }
    lastDirection_ = run.Direction;
    lastAligned_ = run.Aligned;
    lastX_ = run.LastX;
    lastY_ = run.LastY;
  }

  // The run of the edge in 26.6 positions; false when it draws nothing (a
  // point, or shorter than half a pixel), which leaves no joint either.
  bool PlanRun(TCanvasPoint from, TCanvasPoint to, bool draw, TRun& run) const {
    std::int32_t x1 = from.X * 64, y1 = from.Y * 64, x2 = to.X * 64, y2 = to.Y * 64;
    run.Steep = std::abs(x2 - x1) < std::abs(y2 - y1);
    if (!run.Steep && x1 == x2) return false;
    if (run.Steep) {
      std::swap(x1, y1);
      std::swap(x2, y2);
    }
    run.Direction = run.Steep ? TopToBottom : LeftToRight;
    if (x1 > x2) {
      run.Swapped = true;
      std::swap(x1, x2);
      std::swap(y1, y2);
      run.Direction = run.Steep ? BottomToTop : RightToLeft;
    }
    run.Increment = Step(y2 - y1, x2 - x1);
    run.Minor = static_cast<std::int64_t>(y1) << 10;
    // An edge that turns back along the same axis starts half a pixel early.
    const int axis = run.Steep ? (TopToBottom | BottomToTop) : (LeftToRight | RightToLeft);
    if (draw && (lastDirection_ ^ axis) == run.Direction) {
      if (run.Swapped) {
        x2 += 32;
      } else {
        x1 -= 32;
        run.Minor -= run.Increment >> 1;
      }
    }
    run.Major = (x1 + 32) >> 6;
    run.MajorEnd = (x2 + 32) >> 6;
    if (run.Major == run.MajorEnd) return false;
    run.Minor += (static_cast<std::int64_t>((run.Major << 6) + (run.Increment > 0 ? 32 : 0) - x1) *
                  run.Increment) >>
                 6;

    std::int32_t firstMajor = run.Major, firstMinor = static_cast<std::int32_t>(run.Minor >> 16);
    std::int32_t lastMajor = run.MajorEnd - 1;
    std::int32_t lastMinor = static_cast<std::int32_t>(
        (run.Minor + static_cast<std::int64_t>(run.MajorEnd - run.Major - 1) * run.Increment) >>
        16);
    if (run.Swapped) {
      std::swap(firstMajor, lastMajor);
      std::swap(firstMinor, lastMinor);
    }
    run.FirstX = run.Steep ? firstMinor : firstMajor;
    run.FirstY = run.Steep ? firstMajor : firstMinor;
    run.LastX = run.Steep ? lastMinor : lastMajor;
    run.LastY = run.Steep ? lastMajor : lastMinor;
    run.Aligned = std::abs(run.Increment) < (1 << 14);
    return true;
  }

  // Fits the run to where the previous edge ended: one pixel less where that
  // pixel is drawn already, one more where a diagonal gap would open.
  void JoinPrevious(TRun& run) const {
    if (run.FirstX == lastX_ && run.FirstY == lastY_) {
      if (run.Swapped) {
        --run.MajorEnd;
      } else {
        ++run.Major;
        run.Minor += run.Increment;
      }
    } else if (lastDirection_ != run.Direction &&
               (((run.Aligned && lastAligned_) && lastX_ != run.FirstX && lastY_ != run.FirstY) ||
                std::abs(lastX_ - run.FirstX) > 1 || std::abs(lastY_ - run.FirstY) > 1)) {
      if (run.Swapped) {
        ++run.MajorEnd;
      } else {
        --run.Major;
        run.Minor -= run.Increment;
      }
    }
  }

  void Plot(const TRun& run) {
    std::int64_t minor = run.Minor;
    for (std::int32_t major = run.Major; major < run.MajorEnd; ++major, minor += run.Increment) {
      const auto across = static_cast<std::int32_t>(minor >> 16);
      const std::int32_t x = run.Steep ? across : major;
      const std::int32_t y = run.Steep ? major : across;
      if (width_ == 1) {
        Put(buffer_, x, y, color_);
      } else {
        PutSquare(buffer_, x, y, width_, color_);
      }
    }
  }

  TPixelBuffer& buffer_;
  std::uint32_t color_;
  std::int32_t width_;
  std::int32_t lastX_ = std::numeric_limits<std::int32_t>::min();
  std::int32_t lastY_ = std::numeric_limits<std::int32_t>::min();
  int lastDirection_ = None;
  bool lastAligned_ = false;
};

}  // namespace

bool RasterizesDirectly(const TPixelBuffer& buffer, std::span<const TCanvasPoint> points) {
  if (buffer.Pixels == nullptr || points.size() < 3 || points.size() > MaxRasterCorners)
    return false;
  for (const TCanvasPoint& p : points)
    if (p.X < 0 || p.Y < 0 || p.X >= buffer.Width || p.Y >= buffer.Height) return false;
  return true;
}

void RasterPolygon(TPixelBuffer& buffer, std::span<const TCanvasPoint> points, std::uint32_t fill,
                   std::uint32_t outline, std::int32_t outlineWidth) {
  Fill(buffer, points, fill);
  TOutline pen(buffer, outline, std::max(1, outlineWidth));
  const std::size_t n = points.size();
  pen.Prepare(points[n - 1], points[0]);
  for (std::size_t k = 0; k + 1 < n; ++k) pen.Draw(points[k], points[k + 1]);
  pen.Draw(points[n - 1], points[0]);
}
