// SPDX-License-Identifier: GPL-3.0-or-later
// Filled polygons with a one-pixel outline, written straight into 32-bit
// pixels. A solid surface is tens of thousands of quads of a few pixels each;
// the platform painter spends far more on setting up each of them than on its
// pixels, so the drawing image paints them here.
//
// The pixels follow the platform's aliased painting as closely as a separate
// implementation can: the fill covers the pixels whose centres lie inside the
// polygon (odd-even rule), and the outline runs one pixel per step along
// each edge's major axis over a half-open range, with the same treatment of
// the joints between edges (a pixel shared by two edges is drawn once, a
// corner gap is closed). On random small quads fewer than one painted pixel
// in a thousand differs.
#pragma once

#include <cstdint>
#include <span>

#include "ports/canvas.h"

struct TPixelBuffer {
  std::uint32_t* Pixels = nullptr;
  std::int32_t Width = 0;
  std::int32_t Height = 0;
  std::int32_t Stride = 0;  // pixels per row
};

// The most corners a polygon may have here; longer ones go to the painter.
inline constexpr std::size_t MaxRasterCorners = 8;

// True when the polygon can be painted here: 3 to MaxRasterCorners corners,
// all inside the buffer.
bool RasterizesDirectly(const TPixelBuffer& buffer, std::span<const TCanvasPoint> points);

// Fills the polygon with fill, then draws its closed outline with outline
// (both 0xAARRGGBB), outlineWidth pixels thick (a square pen, for pictures
// drawn at more than one pixel per logical pixel). Only for polygons
// RasterizesDirectly accepts.
void RasterPolygon(TPixelBuffer& buffer, std::span<const TCanvasPoint> points, std::uint32_t fill,
                   std::uint32_t outline, std::int32_t outlineWidth = 1);
