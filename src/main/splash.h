// SPDX-License-Identifier: GPL-3.0-or-later
// The splash window: our picture, borderless and on top, closed by a click or
// by its timer. The timer runs from the window's creation at start-up, so the
// splash stays up at most SplashMilliseconds.
#pragma once

#include <QDialog>

class QTimer;

inline constexpr int SplashMilliseconds = 3000;

class TfSplash final : public QDialog {
  Q_OBJECT
 public:
  explicit TfSplash(QWidget* parent = nullptr);

 protected:
  void mousePressEvent(QMouseEvent* event) override;

 private:
  QTimer* timer_;
};
