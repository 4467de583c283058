// SPDX-License-Identifier: GPL-3.0-or-later
// The drawing image's own polygon painting against the platform painter's,
// on random and degenerate polygons and on whole plotted surfaces.
#include "qt/polygon_raster.h"

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <random>
#include <vector>

#include "../../bench/benchmark_document.h"
#include "document/document.h"
#include "plot/picture.h"
#include "plot/plot_display.h"
#include "qt/qt_canvas.h"
#include "support/application.h"
#include "support/scripted_prompts.h"

namespace {

constexpr std::uint32_t Background = 0xFF000000;
constexpr std::uint32_t FillColor = 0xFFFF0000;
constexpr std::uint32_t PenColor = 0xFF00FF00;

QImage Blank(int width, int height) {
  QImage image(width, height, QImage::Format_RGB32);
  image.fill(Background);
  return image;
}

QImage ByPainter(const std::vector<TCanvasPoint>& points, int width, int height) {
  QImage image = Blank(width, height);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.setPen(QPen(QColor::fromRgb(PenColor), 1));
  painter.setBrush(QColor::fromRgb(FillColor));
  std::vector<QPoint> corners;
  for (const TCanvasPoint& p : points) corners.emplace_back(p.X, p.Y);
  painter.drawPolygon(corners.data(), static_cast<int>(corners.size()));
  return image;
}

QImage ByRaster(const std::vector<TCanvasPoint>& points, int width, int height) {
  QImage image = Blank(width, height);
  TPixelBuffer buffer{reinterpret_cast<std::uint32_t*>(image.bits()), width, height,
                      static_cast<std::int32_t>(image.bytesPerLine() / 4)};
  EXPECT_TRUE(RasterizesDirectly(buffer, points));
  RasterPolygon(buffer, points, FillColor, PenColor);
  return image;
}

struct TDifference {
  long Differ = 0;
  long Painted = 0;
};

TDifference Compare(const QImage& reference, const QImage& candidate, QRgb background) {
  TDifference d;
  for (int y = 0; y < reference.height(); ++y)
    for (int x = 0; x < reference.width(); ++x) {
      d.Differ += reference.pixel(x, y) != candidate.pixel(x, y);
      d.Painted += reference.pixel(x, y) != background;
    }
  return d;
}

TEST(PolygonRaster, ShapesThePainterDrawsAlikeMatchExactly) {
  struct TRow {
    const char* what;
    std::vector<TCanvasPoint> points;
  };
  const TRow rows[] = {
      {"a rectangle", {{2, 2}, {9, 2}, {9, 7}, {2, 7}}},
      {"a quad", {{2, 2}, {12, 4}, {10, 11}, {3, 9}}},
      {"a triangle as a quad with a repeated corner", {{3, 3}, {10, 3}, {10, 3}, {3, 8}}},
      {"all corners on one pixel", {{5, 5}, {5, 5}, {5, 5}, {5, 5}}},
      {"a horizontal line", {{1, 4}, {12, 4}, {12, 4}, {1, 4}}},
      {"a vertical line", {{6, 1}, {6, 12}, {6, 1}}},
      {"a bow tie", {{1, 1}, {12, 12}, {12, 1}, {1, 12}}},
      {"an octagon", {{4, 0}, {9, 0}, {13, 4}, {13, 9}, {9, 13}, {4, 13}, {0, 9}, {0, 4}}},
      {"corners on the image's edges", {{0, 0}, {15, 0}, {15, 13}, {0, 13}}},
  };
  EnsureApplication();
  for (const TRow& row : rows) {
    const TDifference d =
        Compare(ByPainter(row.points, 16, 14), ByRaster(row.points, 16, 14), Background);
    EXPECT_EQ(d.Differ, 0) << row.what;
  }
}

// Random quads of the sizes a surface's cells have, with corners repeated as
// clipping leaves them: fewer than one painted pixel in a thousand differs.
TEST(PolygonRaster, RandomQuadsDifferInFewPixels) {
  EnsureApplication();
  std::mt19937 random(20261208);
  TDifference total;
  for (int k = 0; k < 1500; ++k) {
    const int size = 1 + static_cast<int>(random() % 14);
    const int cx = 16 + static_cast<int>(random() % 32), cy = 16 + static_cast<int>(random() % 32);
    std::vector<TCanvasPoint> quad(4);
    for (TCanvasPoint& p : quad) {
      p.X = cx + static_cast<int>(random() % (2 * size + 1)) - size;
      p.Y = cy + static_cast<int>(random() % (2 * size + 1)) - size;
    }
    if (random() % 5 == 0) quad[2] = quad[1];
    const TDifference d = Compare(ByPainter(quad, 64, 64), ByRaster(quad, 64, 64), Background);
    total.Differ += d.Differ;
    total.Painted += d.Painted;
  }
  RecordProperty("differing pixels", std::to_string(total.Differ) + " of " +
                                         std::to_string(total.Painted) + " painted");
  EXPECT_GT(total.Painted, 50000);
  EXPECT_LT(total.Differ * 1000, total.Painted);
}

TEST(PolygonRaster, PolygonsReachingOutsideGoToThePainter) {
  std::vector<std::uint32_t> pixels(16 * 16);
  const TPixelBuffer buffer{pixels.data(), 16, 16, 16};
  const std::vector<TCanvasPoint> inside{{0, 0}, {15, 0}, {15, 15}};
  EXPECT_TRUE(RasterizesDirectly(buffer, inside));
  for (const std::vector<TCanvasPoint>& outside :
       {std::vector<TCanvasPoint>{{-1, 0}, {5, 0}, {5, 5}},
        {{0, 0}, {16, 0}, {5, 5}},
        {{0, 0}, {5, 16}, {5, 5}},
        {{0, 0}, {5, 5}},
        std::vector<TCanvasPoint>(MaxRasterCorners + 1, TCanvasPoint{1, 1})})
    EXPECT_FALSE(RasterizesDirectly(buffer, outside));
  EXPECT_FALSE(RasterizesDirectly(TPixelBuffer{}, inside));
}

// The benchmark surface, solid and as a wireframe, drawn by the window's canvas,
// against the same calls painted by the painter alone (a canvas on a device).
TEST(PolygonRaster, PlottedSurfacesMatchThePainterClosely) {
  EnsureApplication();
  for (const uint8_t style : {DisplayStyleSolid, DisplayStyleWireframe}) {
    TDocument document = BenchmarkDocument();
    TCoordinateSystem& display = document.Displays[0];
    display.DisplayStyle = style;
    TObject3D scene, view;
    ScriptedPrompts prompts;
    ASSERT_TRUE(PlotDisplay(document, 0, scene, prompts));

    QtCanvas direct(800, 600);
    TGraphic3D graphic;
    InitGraphic3D(graphic, direct);
    DrawPicture(graphic, direct, display, scene, true, view);

    QImage reference(800, 600, QImage::Format_RGB32);
    reference.fill(Qt::white);
    {
      QtCanvas painterOnly(reference);
      TGraphic3D g;
      InitGraphic3D(g, painterOnly);
      DrawPicture(g, painterOnly, display, scene, true, view);
      painterOnly.Finish();
    }
    const TDifference d = Compare(reference, direct.Image(), 0xFFFFFFFF);
    RecordProperty(style == DisplayStyleSolid ? "solid" : "wireframe",
                   std::to_string(d.Differ) + " of " + std::to_string(d.Painted));
    EXPECT_LT(d.Differ * 200, d.Painted) << int(style);  // under half a percent
  }
}

}  // namespace
