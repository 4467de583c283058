// SPDX-License-Identifier: GPL-3.0-or-later
#include "plot/scene_guard.h"

#include <algorithm>
#include <cmath>

namespace {

bool Finite(const TPoint3D& p) {
  return std::isfinite(p.X) && std::isfinite(p.Y) && std::isfinite(p.Z);
}

}  // namespace

bool SegmentFinite(const TSegment& segment) {
  switch (segment.Kind) {
    case TSegmentKind::Line:
      // The depth sort averages the two ends; two huge ends of one sign would
      // overflow that sum.
      return Finite(segment.P1) && Finite(segment.P2) && std::isfinite(segment.P1.Z + segment.P2.Z);
    case TSegmentKind::Quad:
      return Finite(segment.P1) && Finite(segment.P2) && Finite(segment.P3) && Finite(segment.P4) &&
             std::isfinite(segment.P1.Z + segment.P2.Z + segment.P3.Z + segment.P4.Z);
    default: return Finite(segment.P1);
  }
}

void DropNonFinite(TObject3D& scene, std::size_t first) {
  if (first >= scene.size()) return;
  const auto from = scene.begin() + static_cast<std::ptrdiff_t>(first);
  scene.erase(std::remove_if(from, scene.end(),
                             [](const TSegment& segment) { return !SegmentFinite(segment); }),
              scene.end());
}

void ReserveMore(TObject3D& scene, std::size_t extra) {
  const std::size_t needed = scene.size() + extra;
  if (needed <= scene.capacity()) return;
  scene.reserve(std::max(needed, 2 * scene.capacity()));
}
