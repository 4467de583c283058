// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/color_swatch.h"

#include <QMouseEvent>

QColor ColorFromPacked(int32_t color) {
  const auto bits = static_cast<uint32_t>(color);
  return QColor(static_cast<int>(bits & 0xFFu), static_cast<int>((bits >> 8) & 0xFFu),
                static_cast<int>((bits >> 16) & 0xFFu));
}

int32_t PackedFromColor(const QColor& color) {
  const QColor rgb = color.toRgb();
  return static_cast<int32_t>(static_cast<uint32_t>(rgb.red()) |
                              (static_cast<uint32_t>(rgb.green()) << 8) |
                              (static_cast<uint32_t>(rgb.blue()) << 16));
}

TColorSwatch::TColorSwatch(QWidget* parent) : QFrame(parent) {
  setFrameShape(QFrame::Box);
  setAutoFillBackground(true);
  setCursor(Qt::PointingHandCursor);
  setMinimumSize(40, 20);
  SetColor(0);
}

void TColorSwatch::SetColor(int32_t color) {
  color_ = PackedFromColor(ColorFromPacked(color));
  QPalette shade = palette();
  shade.setColor(QPalette::Window, ColorFromPacked(color_));
  setPalette(shade);
}

void TColorSwatch::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
    emit Clicked();
  QFrame::mouseReleaseEvent(event);
}
