// iDrawArea: shows the off-screen drawing image, exactly as large as the
// widget, and hands mouse and size changes to the main window.
#pragma once

#include <QImage>
#include <QWidget>
#include <functional>

class TDrawArea final : public QWidget {
  Q_OBJECT
 public:
  explicit TDrawArea(QWidget* parent = nullptr);

  // The drawing image to show; owned by the main window, replaced on resize.
  void SetImage(const QImage* image) { image_ = image; }

  std::function<void(QMouseEvent*)> OnMouseDown;
  std::function<void(QMouseEvent*)> OnMouseMove;
  std::function<void(QMouseEvent*)> OnMouseUp;
  std::function<void(QWheelEvent*)> OnWheel;
  std::function<void()> OnResize;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;

 private:
  const QImage* image_ = nullptr;
};
