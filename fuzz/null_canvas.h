// SPDX-License-Identifier: GPL-3.0-or-later
// A canvas that paints nothing but checks what reaches it: every coordinate
// the plot engine hands over must be an ordinary pixel position, and text
// extents are a fixed-width guess so that layout code runs as with a font.
#pragma once

#include <cstdlib>

#include "ports/canvas.h"

class NullCanvas final : public Canvas {
 public:
  NullCanvas(std::int32_t width, std::int32_t height) : width_(width), height_(height) {}
  std::int32_t Width() const override { return width_; }
  std::int32_t Height() const override { return height_; }
  void SetPenColor(std::int32_t) override {}
  void SetBrushColor(std::int32_t) override {}
  void SetFontColor(std::int32_t) override {}
  void SetFont(const std::string&, std::int32_t) override {}
  void FillRect(std::int32_t, std::int32_t, std::int32_t, std::int32_t) override {}
  void SetPixel(std::int32_t, std::int32_t, std::int32_t) override {}
  void MoveTo(std::int32_t, std::int32_t) override {}
  void LineTo(std::int32_t, std::int32_t) override {}
  void Polygon(std::span<const TCanvasPoint> points) override {
    if (points.size() > 64) std::abort();  // polygons are quads, clipped to a few more corners
  }
  void Ellipse(std::int32_t, std::int32_t, std::int32_t, std::int32_t) override {}
  std::int32_t TextWidth(const std::string& text) override {
    return static_cast<std::int32_t>(text.size() * 8);
  }
  std::int32_t TextHeight(const std::string&) override { return 13; }
  void TextOut(std::int32_t, std::int32_t, const std::string&) override {}

 private:
  std::int32_t width_;
  std::int32_t height_;
};
