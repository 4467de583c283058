// SPDX-License-Identifier: GPL-3.0-or-later
// Document colours on Qt, and the clickable colour swatch the editing dialogs
// show for graph, diagram and axis colours.
#pragma once

#include <QFrame>
#include <cstdint>

// Document colours pack red + 256 * green + 65536 * blue; the top byte is
// ignored when reading and zero when writing.
QColor ColorFromPacked(int32_t color);
int32_t PackedFromColor(const QColor& color);

// A flat coloured panel that emits Clicked on a left click; it does not open
// the chooser itself, so the dialog decides through its form what happens.
class TColorSwatch : public QFrame {
  Q_OBJECT

 public:
  explicit TColorSwatch(QWidget* parent = nullptr);

  int32_t Color() const { return color_; }
  void SetColor(int32_t color);

 signals:
  void Clicked();

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  int32_t color_ = 0;
};
