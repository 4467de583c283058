// SPDX-License-Identifier: GPL-3.0-or-later
// iDrawArea: shows the off-screen drawing image, exactly as large as the
// widget at the screen's device pixel ratio, and hands mouse, wheel, pinch,
// key and size changes to the main window.
#pragma once

#include <QImage>
#include <QWidget>
#include <functional>

class TDrawArea final : public QWidget {
  Q_OBJECT
 public:
  explicit TDrawArea(QWidget* parent = nullptr);

  // The drawing image to show, drawn at scale device pixels per logical
  // pixel; owned by the main window, replaced on resize.
  void SetImage(const QImage* image, double scale = 1.0) {
    image_ = image;
    scale_ = scale;
    madeFor_ = ScreenScale();
  }
  // The image shown; null before the first.
  const QImage* Image() const { return image_; }
  // Device pixels per logical pixel of the screen the area is on now.
  double ScreenScale() const { return scaleOverride_ > 0 ? scaleOverride_ : devicePixelRatioF(); }
  // Draws as on a screen of that scale whatever screen the area is on (a
  // picture for another screen, a test); 0 follows the screen again.
  void SetScaleOverride(double scale) {
    scaleOverride_ = scale;
    if (ScreenScale() != madeFor_ && OnScaleChange) OnScaleChange();
  }

  std::function<void(QMouseEvent*)> OnMouseDown;
  std::function<void(QMouseEvent*)> OnMouseMove;
  std::function<void(QMouseEvent*)> OnMouseUp;
  std::function<void(QWheelEvent*)> OnWheel;
  std::function<void()> OnResize;
  // The screen's scale differs from the image's (the window moved to another
  // screen, or the screen's setting changed).
  std::function<void()> OnScaleChange;
  // A touchpad pinch: the zoom grows by the factor 1 + delta.
  std::function<void(double delta)> OnPinch;
  // A key pressed; true when it was used.
  std::function<bool(QKeyEvent*)> OnKey;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  bool event(QEvent* event) override;

 private:
  const QImage* image_ = nullptr;
  double scale_ = 1.0;
  // The screen scale the image was made for; the image's own scale may be
  // kept within the canvas's limits.
  double madeFor_ = 1.0;
  double scaleOverride_ = 0;
  bool scaleChangeQueued_ = false;
};
