// SPDX-License-Identifier: GPL-3.0-or-later
#include "main/draw_area.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QNativeGestureEvent>
#include <QPainter>
#include <QTimer>
#include <QWheelEvent>

TDrawArea::TDrawArea(QWidget* parent) : QWidget(parent) {
  setObjectName("iDrawArea");
  setCursor(Qt::CrossCursor);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMinimumSize(1, 1);
  // Clicked or tabbed to, the area takes the keys that move the view and
  // Ctrl+C for the picture.
  setFocusPolicy(Qt::StrongFocus);
}

void TDrawArea::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  if (image_ == nullptr) {
    painter.fillRect(rect(), Qt::black);
    return;
  }
  // The image has scale_ device pixels per logical pixel; drawn into its
  // logical extent it lands one to one on the screen's pixels.
  painter.drawImage(QRectF(0, 0, image_->width() / scale_, image_->height() / scale_), *image_);
  if (ScreenScale() != madeFor_ && OnScaleChange && !scaleChangeQueued_) {
    // Not from inside the paint: the new image is made and drawn afterwards.
    scaleChangeQueued_ = true;
    QTimer::singleShot(0, this, [this] {
      scaleChangeQueued_ = false;
      if (ScreenScale() != madeFor_ && OnScaleChange) OnScaleChange();
    });
  }
}

void TDrawArea::keyPressEvent(QKeyEvent* event) {
  if (OnKey && OnKey(event)) return;
  QWidget::keyPressEvent(event);
}

bool TDrawArea::event(QEvent* event) {
  if (event->type() == QEvent::NativeGesture) {
    auto* gesture = static_cast<QNativeGestureEvent*>(event);
    if (gesture->gestureType() == Qt::ZoomNativeGesture && OnPinch) {
      OnPinch(gesture->value());
      return true;
    }
  }
  return QWidget::event(event);
}

void TDrawArea::resizeEvent(QResizeEvent*) {
  if (OnResize) OnResize();
}

void TDrawArea::mousePressEvent(QMouseEvent* event) {
  if (OnMouseDown) OnMouseDown(event);
}

void TDrawArea::mouseMoveEvent(QMouseEvent* event) {
  if (OnMouseMove) OnMouseMove(event);
}

void TDrawArea::mouseReleaseEvent(QMouseEvent* event) {
  if (OnMouseUp) OnMouseUp(event);
}

void TDrawArea::wheelEvent(QWheelEvent* event) {
  if (OnWheel) OnWheel(event);
}
