// SPDX-License-Identifier: GPL-3.0-or-later
// A canvas that writes one text line per drawing call, so that a test can
// assert the exact calls a scene turns into. Text extents are fixed per
// character so that offsets are predictable.
#pragma once

#include <string>
#include <vector>

#include "ports/canvas.h"

class RecordingCanvas : public Canvas {
 public:
  RecordingCanvas(std::int32_t width, std::int32_t height) : width_(width), height_(height) {}

  std::vector<std::string> Calls;
  std::int32_t CharWidth = 8;
  std::int32_t LineHeight = 13;

  std::int32_t Width() const override { return width_; }
  std::int32_t Height() const override { return height_; }

  void SetPenColor(std::int32_t color) override;
  void SetBrushColor(std::int32_t color) override;
  void SetFontColor(std::int32_t color) override;
  void SetFont(const std::string& name, std::int32_t size) override;
  void FillRect(std::int32_t left, std::int32_t top, std::int32_t right,
                std::int32_t bottom) override;
  void SetPixel(std::int32_t x, std::int32_t y, std::int32_t color) override;
  void MoveTo(std::int32_t x, std::int32_t y) override;
  void LineTo(std::int32_t x, std::int32_t y) override;
  void Polygon(std::span<const TCanvasPoint> points) override;
  void Ellipse(std::int32_t left, std::int32_t top, std::int32_t right,
               std::int32_t bottom) override;
  std::int32_t TextWidth(const std::string& text) override;
  std::int32_t TextHeight(const std::string& text) override;
  void TextOut(std::int32_t x, std::int32_t y, const std::string& text) override;

 private:
  std::int32_t width_;
  std::int32_t height_;
};
