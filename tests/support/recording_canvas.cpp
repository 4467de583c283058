// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/recording_canvas.h"

namespace {

std::string Join(std::initializer_list<std::int32_t> values) {
  std::string line;
  for (const std::int32_t v : values) line += " " + std::to_string(v);
  return line;
}

}  // namespace

void RecordingCanvas::SetPenColor(std::int32_t color) { Calls.push_back("pen" + Join({color})); }
void RecordingCanvas::SetBrushColor(std::int32_t color) {
  Calls.push_back("brush" + Join({color}));
}
void RecordingCanvas::SetFontColor(std::int32_t color) {
  Calls.push_back("fontcolor" + Join({color}));
}
void RecordingCanvas::SetFont(const std::string& name, std::int32_t size) {
  Calls.push_back("font " + name + Join({size}));
}
void RecordingCanvas::FillRect(std::int32_t left, std::int32_t top, std::int32_t right,
                               std::int32_t bottom) {
  Calls.push_back("fillrect" + Join({left, top, right, bottom}));
}
void RecordingCanvas::SetPixel(std::int32_t x, std::int32_t y, std::int32_t color) {
  Calls.push_back("pixel" + Join({x, y, color}));
}
void RecordingCanvas::MoveTo(std::int32_t x, std::int32_t y) {
  Calls.push_back("moveto" + Join({x, y}));
}
void RecordingCanvas::LineTo(std::int32_t x, std::int32_t y) {
  Calls.push_back("lineto" + Join({x, y}));
}
void RecordingCanvas::Polygon(std::span<const TCanvasPoint> points) {
  std::string line = "polygon";
  for (const auto& p : points) line += Join({p.X, p.Y});
  Calls.push_back(line);
}
void RecordingCanvas::Ellipse(std::int32_t left, std::int32_t top, std::int32_t right,
                              std::int32_t bottom) {
  Calls.push_back("ellipse" + Join({left, top, right, bottom}));
}
std::int32_t RecordingCanvas::TextWidth(const std::string& text) {
  return CharWidth * static_cast<std::int32_t>(text.size());
}
std::int32_t RecordingCanvas::TextHeight(const std::string&) { return LineHeight; }
void RecordingCanvas::TextOut(std::int32_t x, std::int32_t y, const std::string& text) {
  Calls.push_back("text" + Join({x, y}) + " " + text);
}
