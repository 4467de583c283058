// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/qt_canvas.h"

#include <QFontMetrics>
#include <QPen>
#include <QRect>
#include <QString>
#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace {

QString Latin1(const std::string& text) {
  return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

QtCanvas::QtCanvas(std::int32_t width, std::int32_t height, double scale) {
  scale_ = std::isfinite(scale) ? std::clamp(scale, 1.0, MaxScale) : 1.0;
  if (width > 0 && height > 0) {
    image_ = QImage(DeviceSide(width, scale_), DeviceSide(height, scale_), QImage::Format_RGB32);
    if (!image_.isNull()) {
      image_.fill(Qt::white);
      painter_.begin(&image_);
      painter_.setRenderHint(QPainter::Antialiasing, false);
      painter_.setRenderHint(QPainter::TextAntialiasing, false);
      width_ = width;
      height_ = height;
      // The painter draws straight into the image's own pixels too, so both
      // ways of painting keep their order.
      raster_ = {reinterpret_cast<std::uint32_t*>(image_.bits()), image_.width(), image_.height(),
                 static_cast<std::int32_t>(image_.bytesPerLine() / 4)};
    }
  }
}

QtCanvas::QtCanvas(QPaintDevice& device) {
  if (device.width() > 0 && device.height() > 0 && painter_.begin(&device)) {
    painter_.setRenderHint(QPainter::Antialiasing, false);
    painter_.setRenderHint(QPainter::TextAntialiasing, false);
    width_ = device.width();
    height_ = device.height();
  }
}

QtCanvas::QtCanvas(QPaintDevice& device, std::int32_t width, std::int32_t height) {
  if (width <= 0 || height <= 0 || device.width() <= 0 || device.height() <= 0 ||
      !painter_.begin(&device))
    return;
  painter_.setRenderHint(QPainter::Antialiasing, false);
  painter_.setRenderHint(QPainter::TextAntialiasing, false);
  const double scale = std::min(static_cast<double>(device.width()) / width,
                                static_cast<double>(device.height()) / height);
  painter_.translate((device.width() - width * scale) / 2, (device.height() - height * scale) / 2);
  painter_.scale(scale, scale);
  // Lines that leave the picture end at its edge, as they do in the image.
  painter_.setClipRect(QRect(0, 0, width, height));
  // Points on the device are device.logicalDpiY() / 72 of its pixels; the
  // drawing image has 96 dots per inch like any fresh QImage.
  if (device.logicalDpiY() > 0)
    fontScale_ = static_cast<double>(QImage(1, 1, QImage::Format_RGB32).logicalDpiY()) /
                 device.logicalDpiY();
  width_ = width;
  height_ = height;
}

bool QtCanvas::Finish() {
  raster_ = {};
  return painter_.isActive() && painter_.end();
}

QtCanvas::~QtCanvas() {
  if (painter_.isActive()) painter_.end();
}

QColor QtCanvas::ToQColor(std::int32_t color) {
  return QColor(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
}

std::uint32_t QtCanvas::Argb(std::int32_t color) {
  // ToQColor(color).rgb() without building a QColor for every polygon.
  const auto c = static_cast<std::uint32_t>(color);
  return 0xFF000000u | ((c & 0xFFu) << 16) | (c & 0xFF00u) | ((c >> 16) & 0xFFu);
}

std::int32_t QtCanvas::Width() const { return width_; }
std::int32_t QtCanvas::Height() const { return height_; }

void QtCanvas::SetPenColor(std::int32_t color) { penColor_ = color; }
void QtCanvas::SetBrushColor(std::int32_t color) { brushColor_ = color; }
void QtCanvas::SetFontColor(std::int32_t color) { fontColor_ = color; }

std::int32_t QtCanvas::DevicePixelsPerPixel() const {
  return std::max(1, static_cast<std::int32_t>(std::lround(scale_)));
}

void QtCanvas::SetSmooth(bool smooth) {
  smooth_ = smooth;
  if (!painter_.isActive()) return;
  painter_.setRenderHint(QPainter::Antialiasing, smooth);
  painter_.setRenderHint(QPainter::TextAntialiasing, smooth);
  if (fontSize_ > 0) ApplyFont();
}

void QtCanvas::SetFont(const std::string& name, std::int32_t size) {
  fontName_ = Latin1(name);
  fontSize_ = std::clamp(size, 1, 1000);
  ApplyFont();
}

void QtCanvas::ApplyFont() {
  if (!painter_.isActive()) return;
  QFont font(fontName_);
  // Device pixels per pixel, and a printer's page points against the image's.
  const double factor = scale_ * fontScale_;
  if (factor == 1)
    font.setPointSize(fontSize_);
  else
    font.setPointSizeF(fontSize_ * factor);
  // "Courier" reaches a metric-compatible monospaced face through fontconfig.
  font.setStyleHint(QFont::TypeWriter);
  font.setStyleStrategy(smooth_ ? QFont::PreferAntialias : QFont::NoAntialias);
  // Whole-pixel advances, so that a text is as wide as its letters side by side.
  font.setHintingPreference(QFont::PreferFullHinting);
  painter_.setFont(font);
}

void QtCanvas::UsePen(std::int32_t color) {
  if (painterPenSet_ && painterPen_ == color) return;
  if (scale_ == 1)
    painter_.setPen(QPen(ToQColor(color), 1));
  else
    painter_.setPen(QPen(ToQColor(color), scale_));
  painterPen_ = color;
  painterPenSet_ = true;
}

void QtCanvas::UseBrush(std::int32_t color) {
  if (painterBrushSet_ && painterBrush_ == color) return;
  painter_.setBrush(ToQColor(color));
  painterBrush_ = color;
  painterBrushSet_ = true;
}

void QtCanvas::FillRect(std::int32_t left, std::int32_t top, std::int32_t right,
                        std::int32_t bottom) {
  if (!painter_.isActive() || right <= left || bottom <= top) return;
  painter_.fillRect(QRect(QPoint(left, top), QPoint(right - 1, bottom - 1)), ToQColor(brushColor_));
}

void QtCanvas::SetPixel(std::int32_t x, std::int32_t y, std::int32_t color) {
  if (!painter_.isActive() || x < 0 || y < 0) return;
  const QPaintDevice* device = painter_.device();
  if (x >= device->width() || y >= device->height()) return;
  const std::int32_t side = DevicePixelsPerPixel();
  painter_.fillRect(QRect(x, y, side, side), ToQColor(color));
}

void QtCanvas::MoveTo(std::int32_t x, std::int32_t y) { current_ = QPoint(x, y); }

void QtCanvas::LineTo(std::int32_t x, std::int32_t y) {
  const QPoint to(x, y);
  if (painter_.isActive()) {
    UsePen(penColor_);
    painter_.drawLine(current_, to);
  }
  current_ = to;
}

void QtCanvas::Polygon(std::span<const TCanvasPoint> points) {
  if (!painter_.isActive() || points.empty()) return;
  // Polygons inside the drawing image skip the painter's set-up per call.
  if (raster_.Pixels != nullptr && RasterizesDirectly(raster_, points)) {
    RasterPolygon(raster_, points, Argb(brushColor_), Argb(penColor_), DevicePixelsPerPixel());
    return;
  }
  // Antialiased edges would let the background shine through between the
  // cells of a surface.
  if (smooth_) painter_.setRenderHint(QPainter::Antialiasing, false);
  UsePen(penColor_);
  UseBrush(brushColor_);
  std::array<QPoint, 8> fixed;
  std::vector<QPoint> many;
  QPoint* corners = fixed.data();
  if (points.size() > fixed.size()) {
    many.resize(points.size());
    corners = many.data();
  }
  for (std::size_t k = 0; k < points.size(); ++k) corners[k] = QPoint(points[k].X, points[k].Y);
  painter_.drawPolygon(corners, static_cast<int>(points.size()));
  if (smooth_) painter_.setRenderHint(QPainter::Antialiasing, true);
}

void QtCanvas::Ellipse(std::int32_t left, std::int32_t top, std::int32_t right,
                       std::int32_t bottom) {
  if (!painter_.isActive()) return;
  if (right < left) std::swap(left, right);
  if (bottom < top) std::swap(top, bottom);
  UsePen(penColor_);
  UseBrush(brushColor_);
  // The box's right and bottom edges lie outside the figure.
  painter_.drawEllipse(
      QRect(left, top, std::max(right - left - 1, 0), std::max(bottom - top - 1, 0)));
}

std::int32_t QtCanvas::TextWidth(const std::string& text) {
  if (!painter_.isActive()) return 0;
  return painter_.fontMetrics().horizontalAdvance(Latin1(text));
}

std::int32_t QtCanvas::TextHeight(const std::string&) {
  if (!painter_.isActive()) return 0;
  return painter_.fontMetrics().height();
}

void QtCanvas::TextOut(std::int32_t x, std::int32_t y, const std::string& text) {
  if (!painter_.isActive()) return;
  const QString string = Latin1(text);
  const QFontMetrics metrics = painter_.fontMetrics();
  painter_.fillRect(QRect(x, y, metrics.horizontalAdvance(string), metrics.height()),
                    ToQColor(brushColor_));
  UsePen(fontColor_);
  painter_.drawText(QPoint(x, y + metrics.ascent()), string);
}
