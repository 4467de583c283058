// SPDX-License-Identifier: GPL-3.0-or-later
#include "main/tool_icons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPolygonF>
#include <cmath>

namespace {

constexpr int IconSize = 18;

void DrawPage(QPainter& p) {
  QPolygonF page({{3.5, 1.5}, {11.5, 1.5}, {15.5, 5.5}, {15.5, 16.5}, {3.5, 16.5}});
  p.setPen(QPen(QColor(70, 70, 70), 1));
  p.setBrush(Qt::white);
  p.drawPolygon(page);
  p.drawPolyline(QPolygonF({{11.5, 1.5}, {11.5, 5.5}, {15.5, 5.5}}));
}

void DrawFolder(QPainter& p) {
  p.setPen(QPen(QColor(120, 90, 20), 1));
  p.setBrush(QColor(240, 200, 90));
  p.drawPolygon(
      QPolygonF({{1.5, 4.5}, {6.5, 4.5}, {8.5, 6.5}, {15.5, 6.5}, {15.5, 15.5}, {1.5, 15.5}}));
  p.setBrush(QColor(250, 225, 130));
  p.drawPolygon(QPolygonF({{3.5, 8.5}, {17.5, 8.5}, {15.5, 15.5}, {1.5, 15.5}}));
}

void DrawCurve(QPainter& p) {
  p.setPen(QPen(QColor(90, 90, 90), 1));
  p.drawLine(QPointF(1.5, 9.5), QPointF(16.5, 9.5));
  p.drawLine(QPointF(2.5, 1.5), QPointF(2.5, 16.5));
  QPainterPath wave;
  for (int x = 0; x <= 15; ++x) {
    const QPointF point(2 + x, 9.5 - 6 * std::sin(x * 0.45));
    if (x == 0)
      wave.moveTo(point);
    else
      wave.lineTo(point);
  }
  p.setPen(QPen(QColor(210, 30, 30), 1.6));
  p.setBrush(Qt::NoBrush);
  p.drawPath(wave);
}

void DrawDots(QPainter& p) {
  p.setPen(QPen(QColor(90, 90, 90), 1));
  p.drawLine(QPointF(1.5, 16.5), QPointF(16.5, 16.5));
  p.drawLine(QPointF(1.5, 1.5), QPointF(1.5, 16.5));
  p.setPen(QPen(QColor(30, 60, 200), 1));
  const QPointF points[] = {{4, 13}, {7, 10}, {10, 11}, {13, 6}, {16, 4}};
  p.drawPolyline(points, 5);
  p.setBrush(QColor(30, 60, 200));
  for (const auto& point : points) p.drawEllipse(point, 1.6, 1.6);
}

void DrawGrid(QPainter& p) {
  p.setPen(QPen(QColor(70, 70, 70), 1));
  p.setBrush(Qt::white);
  p.drawRect(QRectF(1.5, 2.5, 15, 13));
  p.fillRect(QRectF(2, 3, 14, 3), QColor(200, 210, 230));
  for (double y : {5.5, 9.5, 12.5}) p.drawLine(QPointF(1.5, y), QPointF(16.5, y));
  p.drawLine(QPointF(7.5, 2.5), QPointF(7.5, 15.5));
  p.setPen(QColor(180, 30, 30));
  p.setFont(QFont("Sans", 6, QFont::Bold));
  p.drawText(QRectF(1.5, 5.5, 6, 4), Qt::AlignCenter, "x");
}

void DrawCalculator(QPainter& p) {
  p.setPen(QPen(QColor(60, 60, 60), 1));
  p.setBrush(QColor(220, 220, 220));
  p.drawRoundedRect(QRectF(3.5, 1.5, 11, 15), 1.5, 1.5);
  p.fillRect(QRectF(5, 3, 8, 3), QColor(170, 210, 160));
  p.setBrush(QColor(90, 90, 90));
  p.setPen(Qt::NoPen);
  for (int row = 0; row < 3; ++row)
    for (int column = 0; column < 3; ++column)
      p.drawRect(QRectF(5 + column * 3, 7.5 + row * 3, 2, 2));
}

void DrawRestore(QPainter& p) {
  p.setPen(QPen(QColor(40, 120, 40), 1.5));
  p.setBrush(Qt::NoBrush);
  p.drawArc(QRectF(3, 3, 12, 12), 30 * 16, 300 * 16);
  p.setBrush(QColor(40, 120, 40));
  p.drawPolygon(QPolygonF({{14.5, 2.5}, {15.5, 7.5}, {10.5, 6.5}}));
}

void DrawAxes(QPainter& p) {
  p.setPen(QPen(QColor(40, 40, 40), 1.2));
  p.drawLine(QPointF(6, 12), QPointF(6, 2));
  p.drawLine(QPointF(6, 12), QPointF(16, 12));
  p.drawLine(QPointF(6, 12), QPointF(1.5, 16.5));
  p.setPen(QPen(QColor(200, 120, 0), 1.2));
  p.drawRect(QRectF(9.5, 4.5, 5, 5));
}

void DrawQuestion(QPainter& p) {
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(40, 90, 200));
  p.drawEllipse(QRectF(1, 1, 16, 16));
  p.setPen(Qt::white);
  QFont font("Sans");
  font.setPixelSize(13);
  font.setBold(true);
  p.setFont(font);
  p.drawText(QRectF(1, 1, 16, 16), Qt::AlignCenter, "?");
}

}  // namespace

QIcon ToolIcon(TToolIcon kind) {
  QPixmap pixmap(IconSize, IconSize);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  switch (kind) {
    case TToolIcon::NewDocument: DrawPage(p); break;
    case TToolIcon::OpenDocument: DrawFolder(p); break;
    case TToolIcon::EditGraphs: DrawCurve(p); break;
    case TToolIcon::EditDiagrams: DrawDots(p); break;
    case TToolIcon::VariableTable: DrawGrid(p); break;
    case TToolIcon::Calculator: DrawCalculator(p); break;
    case TToolIcon::RestoreView: DrawRestore(p); break;
    case TToolIcon::Settings: DrawAxes(p); break;
    case TToolIcon::Help: DrawQuestion(p); break;
  }
  p.end();
  return QIcon(pixmap);
}
