// SPDX-License-Identifier: GPL-3.0-or-later
// The drawing image as a QImage painted with a QPainter: antialiasing off, so
// that every primitive covers whole pixels as the picture always has, unless
// smooth lines are asked for. At a scale above 1 the image has that many
// device pixels per logical pixel, and pens, pixels and fonts grow with it.
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPoint>

#include "ports/canvas.h"
#include "qt/polygon_raster.h"

class QtCanvas : public Canvas {
 public:
  // A size of 0 or below gives an empty image on which every call does nothing.
  // width and height are logical pixels; the image is DeviceSide(width, scale)
  // by DeviceSide(height, scale) pixels. scale is kept within 1 to MaxScale.
  QtCanvas(std::int32_t width, std::int32_t height, double scale = 1.0);
  // Paints on another device (a PDF or SVG generator) of its own size, so
  // that an exported picture is drawn by the very same calls as the window's.
  // Image() stays empty then; Finish() completes the device's output.
  explicit QtCanvas(QPaintDevice& device);
  // Paints a picture of width x height pixels onto device (a page, a larger
  // image), scaled to the device's size with its aspect kept, centred and
  // clipped to the picture. Texts keep their size relative to the picture,
  // whatever the device's resolution.
  QtCanvas(QPaintDevice& device, std::int32_t width, std::int32_t height);
  ~QtCanvas() override;
  QtCanvas(const QtCanvas&) = delete;
  QtCanvas& operator=(const QtCanvas&) = delete;

  // The picture so far. The painter stays open on it; take a copy() to keep a
  // picture beyond the next drawing call.
  const QImage& Image() const { return image_; }
  // Ends the painting; false when the device could not complete its output.
  // Every later drawing call does nothing.
  bool Finish();

  std::int32_t Width() const override;
  std::int32_t Height() const override;
  double Scale() const override { return scale_; }
  // Smooth lines: lines, dots and texts antialiased. Filled polygons stay
  // aliased, so the cells of a surface meet without a seam.
  void SetSmooth(bool smooth);
  bool Smooth() const { return smooth_; }
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

  // Packed red + 256 * green + 65536 * blue to a QColor.
  static QColor ToQColor(std::int32_t color);
  // The same colour as an opaque pixel of the drawing image.
  static std::uint32_t Argb(std::int32_t color);
  // The highest scale a canvas draws at.
  static constexpr double MaxScale = 8;

 private:
  void UsePen(std::int32_t color);
  void UseBrush(std::int32_t color);
  void ApplyFont();
  // A pen, a set pixel and an outline are one logical pixel wide.
  std::int32_t DevicePixelsPerPixel() const;

  QImage image_;
  QPainter painter_;
  std::int32_t width_ = 0;
  std::int32_t height_ = 0;
  double scale_ = 1;
  bool smooth_ = false;
  QString fontName_;
  std::int32_t fontSize_ = 0;
  std::int32_t penColor_ = 0;
  std::int32_t brushColor_ = 0xFFFFFF;
  std::int32_t fontColor_ = 0;
  // Point sizes are multiplied by it: the drawing image's dots per inch over
  // the device's, for a picture scaled onto a device of another resolution.
  double fontScale_ = 1.0;
  // What the painter holds now; changing the painter's pen or brush is not
  // free, and a surface repeats the same pen for every cell.
  std::int32_t painterPen_ = 0;
  std::int32_t painterBrush_ = 0;
  bool painterPenSet_ = false;
  bool painterBrushSet_ = false;
  QPoint current_;
  // The drawing image's pixels while the painter is open on it; empty on
  // other devices.
  TPixelBuffer raster_;
};
