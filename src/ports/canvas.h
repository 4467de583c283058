// SPDX-License-Identifier: GPL-3.0-or-later
// The drawing surface the plot engine paints on: a bitmap-backed image with a
// pen, a brush and a font, addressed in whole device pixels (column right,
// row down). Width and Height are the drawing area's size in logical pixels,
// the unit of every view formula; Scale device pixels make one logical pixel
// (2 on a screen at 200 %), so the image holds DeviceSide(Width, Scale) by
// DeviceSide(Height, Scale) pixels.
// Colours are packed red + 256 * green + 65536 * blue. Texts are 8-bit, one
// byte per character (ISO 8859-1).
#pragma once

#include <cmath>
#include <cstdint>
#include <span>
#include <string>

// The device pixels that cover a side of logical pixels at scale.
inline std::int32_t DeviceSide(std::int32_t logical, double scale) {
  const double device = std::ceil(logical * scale - 1e-9);
  return device < 1 ? 1 : static_cast<std::int32_t>(device);
}

struct TCanvasPoint {
  std::int32_t X = 0;
  std::int32_t Y = 0;
};

class Canvas {
 public:
  virtual ~Canvas() = default;

  virtual std::int32_t Width() const = 0;
  virtual std::int32_t Height() const = 0;
  // Device pixels per logical pixel; fonts and the canvas's pen are sized
  // for it, the plot engine scales positions, offsets and radii.
  virtual double Scale() const { return 1.0; }

  virtual void SetPenColor(std::int32_t color) = 0;
  virtual void SetBrushColor(std::int32_t color) = 0;
  virtual void SetFontColor(std::int32_t color) = 0;
  virtual void SetFont(const std::string& name, std::int32_t size) = 0;

  // Fills from (left, top) up to but excluding (right, bottom) with the brush.
  virtual void FillRect(std::int32_t left, std::int32_t top, std::int32_t right,
                        std::int32_t bottom) = 0;
  virtual void SetPixel(std::int32_t x, std::int32_t y, std::int32_t color) = 0;
  virtual void MoveTo(std::int32_t x, std::int32_t y) = 0;
  // A line in the pen colour from the current position; x, y becomes current.
  virtual void LineTo(std::int32_t x, std::int32_t y) = 0;
  // Filled with the brush, outlined with the pen, closed back to the first point.
  virtual void Polygon(std::span<const TCanvasPoint> points) = 0;
  // Filled with the brush and outlined with the pen inside the bounding box.
  virtual void Ellipse(std::int32_t left, std::int32_t top, std::int32_t right,
                       std::int32_t bottom) = 0;

  // The extent of a text in the current font, in pixels.
  virtual std::int32_t TextWidth(const std::string& text) = 0;
  virtual std::int32_t TextHeight(const std::string& text) = 0;
  // Writes a text with its top-left corner at (x, y) in the font colour on a
  // box of the brush colour that covers its extent.
  virtual void TextOut(std::int32_t x, std::int32_t y, const std::string& text) = 0;
};
