#include "main/draw_area.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

TDrawArea::TDrawArea(QWidget* parent) : QWidget(parent) {
  setObjectName("iDrawArea");
  setCursor(Qt::CrossCursor);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMinimumSize(1, 1);
  // A click gives the drawing area the keyboard, for Ctrl+C and the view keys.
  setFocusPolicy(Qt::StrongFocus);
}

void TDrawArea::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  if (image_ != nullptr) painter.drawImage(0, 0, *image_);
  else painter.fillRect(rect(), Qt::black);
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
