// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/qt_canvas.h"

#include <gtest/gtest.h>

#include <QFontInfo>
#include <QGuiApplication>
#include <array>

#include "plot/render.h"
#include "support/application.h"

namespace {

struct Picture {
  QtCanvas Canvas;
  TGraphic3D Graphic;
  Picture(int width, int height) : Canvas(width, height) {
    EnsureApplication();
    InitGraphic3D(Graphic, Canvas);
  }
  QRgb At(int x, int y) const { return Canvas.Image().pixel(x, y) & 0xFFFFFF; }
};

constexpr QRgb White = 0xFFFFFF;

TEST(QtCanvas, EmptySceneIsWhite) {
  Picture picture(64, 48);
  TObject3D scene;
  // Paint something first: the redraw must cover it.
  AddQuad(scene, {-40, -40, 0}, {40, -40, 0}, {40, 40, 0}, {-40, 40, 0}, 0x00FF00);
  DrawObject(picture.Graphic, picture.Canvas, scene, 0, 0, 0, false, -1);
  ASSERT_NE(picture.At(32, 24), White);
  TObject3D empty;
  DrawObject(picture.Graphic, picture.Canvas, empty, 30, 30, 0, true, 500);
  int nonWhite = 0;
  for (int y = 0; y < 48; ++y)
    for (int x = 0; x < 64; ++x) nonWhite += picture.At(x, y) != White;
  EXPECT_EQ(nonWhite, 0);
}

TEST(QtCanvas, PrimitivesPaintTheirColours) {
  // Packed red + 256 green + 65536 blue against Qt's 0xRRGGBB.
  struct Row {
    const char* Name;
    TSegmentKind Kind;
    std::int32_t Color;
    int X, Y;  // a pixel the primitive must cover
    QRgb Expected;
  };
  const Row rows[] = {
      {"quad fill red", TSegmentKind::Quad, 0x0000FF, 32, 24, 0xFF0000},
      {"quad outline black", TSegmentKind::Quad, 0x0000FF, 22, 24, 0x000000},
      {"quad fill blue", TSegmentKind::Quad, 0xFF0000, 30, 20, 0x0000FF},
      {"line green", TSegmentKind::Line, 0x00FF00, 32, 24, 0x00FF00},
      {"line end", TSegmentKind::Line, 0x123456, 36, 24, 0x563412},
      {"dot centre", TSegmentKind::Dot, 0x808080, 32, 24, 0x808080},
      {"dot rim", TSegmentKind::Dot, 0x808080, 34, 24, 0x808080},
      {"beside the dot", TSegmentKind::Dot, 0x808080, 38, 24, White},
      {"pixel", TSegmentKind::Pixel, 0x00FFFF, 5, 6, 0xFFFF00},
  };
  for (const Row& row : rows) {
    Picture picture(64, 48);
    TObject3D scene;
    switch (row.Kind) {
      case TSegmentKind::Quad:
        AddQuad(scene, {-10, -10, 0}, {10, -10, 0}, {10, 10, 0}, {-10, 10, 0}, row.Color);
        break;
      case TSegmentKind::Line: AddLine(scene, 1, row.Color, -4, 0, 0, 4, 0, 0); break;
      case TSegmentKind::Dot: AddDot(scene, 3, row.Color, 0, 0, 0); break;
      default: {
        TSegment pixel;
        pixel.Projected = false;
        pixel.P1 = {5, 6, 0};
        pixel.Color = row.Color;
        scene.push_back(pixel);
      }
    }
    DrawObject(picture.Graphic, picture.Canvas, scene, 0, 0, 0, false, -1);
    EXPECT_EQ(picture.At(row.X, row.Y), row.Expected) << row.Name;
    EXPECT_EQ(picture.At(0, 47), White) << row.Name;
  }
}

TEST(QtCanvas, TextIsCourierOnWhite) {
  Picture picture(200, 60);
  const std::int32_t one = picture.Canvas.TextWidth("M");
  EXPECT_GT(one, 4);
  EXPECT_EQ(picture.Canvas.TextWidth("iiii"), 4 * one) << "not a monospaced face";
  const std::int32_t height = picture.Canvas.TextHeight("M");
  EXPECT_GE(height, 10);
  EXPECT_LE(height, 20);

  // A dark grey background shows the opaque white box of the text.
  TObject3D scene;
  AddQuad(scene, {0, 0, 0}, {199, 0, 0}, {199, 59, 0}, {0, 59, 0}, 0x404040, true);
  AddText(scene, "MMMM", 0x0000FF, 100, 30, 0, 1, -1, 0, true);
  DrawObject(picture.Graphic, picture.Canvas, scene, 0, 0, 0, false, -1);
  int red = 0;
  int white = 0;
  for (int y = 40; y < 40 + height; ++y)
    for (int x = 110; x < 110 + 4 * one; ++x) {
      red += picture.At(x, y) == 0xFF0000;
      white += picture.At(x, y) == White;
    }
  EXPECT_GT(red, 10);
  EXPECT_GT(white, 10);
  EXPECT_EQ(red + white, 4 * one * height) << "the box is white where the letters are not";
  EXPECT_EQ(picture.At(109, 40), 0x404040u);
  EXPECT_EQ(picture.At(110 + 4 * one, 40), 0x404040u);
}

TEST(QtCanvas, PrimitivesFarBeyondTheImageAreCut) {
  struct Row {
    const char* Name;
    void (*Add)(TObject3D&);
    QRgb Centre;
  };
  const Row rows[] = {
      {"huge dot", [](TObject3D& s) { AddDot(s, INT32_MAX, 0x00FF00, 0, 0, 0); }, 0x00FF00},
      {"huge quad",
       [](TObject3D& s) {
         AddQuad(s, {-1e12, -1e12, 0}, {1e12, -1e12, 0}, {1e12, 1e12, 0}, {-1e12, 1e12, 0}, 0xFF);
       },
       0xFF0000},
      {"dot far away", [](TObject3D& s) { AddDot(s, 5, 0xFF, 1e15, 0, 0); }, White},
      {"line through the image", [](TObject3D& s) { AddLine(s, 1, 0xFF, -1e13, 0, 0, 1e13, 0, 0); },
       0xFF0000},
  };
  for (const Row& row : rows) {
    Picture picture(64, 48);
    TObject3D scene;
    row.Add(scene);
    DrawObject(picture.Graphic, picture.Canvas, scene, 0, 0, 0, true, -1);
    EXPECT_EQ(picture.At(32, 24), row.Centre) << row.Name;
  }
}

TEST(QtCanvas, EmptyImageIgnoresEveryCall) {
  EnsureApplication();
  for (const auto& [w, h] : {std::pair{0, 0}, std::pair{-5, 10}, std::pair{10, 0}}) {
    QtCanvas canvas(w, h);
    TGraphic3D graphic;
    InitGraphic3D(graphic, canvas);
    TObject3D scene;
    AddText(scene, "abc", 0, 0, 0, 0, 0, 0, 0);
    AddLine(scene, 1, 0, 0, 0, 0, 1, 1, 1);
    DrawObject(graphic, canvas, scene, 0, 0, 0, true, 500);
    EXPECT_TRUE(canvas.Image().isNull());
    EXPECT_EQ(canvas.TextWidth("abc"), 0);
  }
}

// A small picture with every kind of primitive that grows with the scale: a
// slanted line, a text, a dot and two quads sharing an edge.
TObject3D MixedScene() {
  TObject3D scene;
  AddQuad(scene, {-20, -15, 0}, {0, -12, 0}, {1, 9, 0}, {-18, 11, 0}, 0x0000FF);
  AddQuad(scene, {0, -12, 0}, {21, -14, 0}, {19, 12, 0}, {1, 9, 0}, 0xFF0000);
  AddLine(scene, 1, 0x00FF00, -30, 20, 0, 29, -7, 0);
  AddDot(scene, 3, 0x808080, 22, 18, 0);
  AddText(scene, "Mx", 0, -32, 0, 0, 0, 0, 0);
  return scene;
}

QImage Drawn(const TObject3D& source, int width, int height, double scale, bool smooth = false) {
  EnsureApplication();
  QtCanvas canvas(width, height, scale);
  canvas.SetSmooth(smooth);
  TGraphic3D graphic;
  InitGraphic3D(graphic, canvas);
  TObject3D scene = source;
  DrawObject(graphic, canvas, scene, 0, 0, 0, false, -1);
  return canvas.Image().copy();
}

TEST(QtCanvas, AScaledPictureIsDrawnAtDeviceResolution) {
  const TObject3D scene = MixedScene();
  const QImage one = Drawn(scene, 80, 60, 1);
  const QImage two = Drawn(scene, 80, 60, 2);
  ASSERT_EQ(two.size(), QSize(160, 120));
  EXPECT_EQ(Drawn(scene, 80, 60, 1.5).size(), QSize(120, 90));
  EXPECT_EQ(Drawn(scene, 80, 60, 1.25).size(), QSize(100, 75));

  // The same picture, placed alike: the middle of each quad keeps its colour.
  EXPECT_EQ(one.pixel(30, 30) & 0xFFFFFF, 0xFF0000u);
  EXPECT_EQ(two.pixel(60, 60) & 0xFFFFFF, 0xFF0000u);
  EXPECT_EQ(one.pixel(50, 30) & 0xFFFFFF, 0x0000FFu);
  EXPECT_EQ(two.pixel(100, 60) & 0xFFFFFF, 0x0000FFu);

  // Not an enlargement: a pixel-doubled copy of the scale-1 picture differs
  // along every slanted edge and in the letters.
  const QImage doubled = one.scaled(160, 120, Qt::IgnoreAspectRatio, Qt::FastTransformation);
  int differing = 0;
  for (int y = 0; y < 120; ++y)
    for (int x = 0; x < 160; ++x) differing += (two.pixel(x, y) != doubled.pixel(x, y));
  EXPECT_GT(differing, 100);
  // ... and in every 2 x 2 block of a doubled picture all four pixels are
  // alike, which a picture drawn at device resolution breaks somewhere.
  int splitBlocks = 0;
  for (int y = 0; y < 120; y += 2)
    for (int x = 0; x < 160; x += 2)
      splitBlocks += two.pixel(x, y) != two.pixel(x + 1, y + 1) ||
                     two.pixel(x, y) != two.pixel(x + 1, y) ||
                     two.pixel(x, y) != two.pixel(x, y + 1);
  EXPECT_GT(splitBlocks, 50);
}

TEST(QtCanvas, LinesAndOutlinesAreOneLogicalPixelThick) {
  // A horizontal line at scale 2 covers two rows, so it looks as heavy as at
  // scale 1; at 1.25 it stays one row.
  TObject3D scene;
  AddLine(scene, 1, 0x00FF00, -10, 0.2, 0, 10, 0.2, 0);
  for (const auto& [scale, rows] : {std::pair{1.0, 1}, std::pair{2.0, 2}, std::pair{3.0, 3}}) {
    const QImage image = Drawn(scene, 40, 30, scale);
    int covered = 0;
    const int column = static_cast<int>(20 * scale);
    for (int y = 0; y < image.height(); ++y)
      covered += (image.pixel(column, y) & 0xFFFFFF) == 0x00FF00;
    EXPECT_EQ(covered, rows) << scale;
  }
}

TEST(QtCanvas, AScaledQuadLooksAlikeAllOverTheImage) {
  // The same slanted quad near the top-left corner and beyond the logical
  // size in device pixels (lower right) is painted the same way.
  EnsureApplication();
  QtCanvas canvas(40, 30, 2);
  const std::array<TCanvasPoint, 4> quad{{{3, 2}, {13, 4}, {11, 15}, {2, 12}}};
  auto at = [](std::array<TCanvasPoint, 4> q, int dx, int dy) {
    for (auto& p : q) p = {p.X + dx, p.Y + dy};
    return q;
  };
  canvas.SetBrushColor(White);
  canvas.FillRect(0, 0, 80, 60);
  canvas.SetPenColor(0);
  canvas.SetBrushColor(0x0000FF);
  canvas.Polygon(quad);
  canvas.Polygon(at(quad, 60, 40));
  const QImage& image = canvas.Image();
  for (int y = 0; y < 18; ++y)
    for (int x = 0; x < 16; ++x)
      ASSERT_EQ(image.pixel(x, y), image.pixel(x + 60, y + 40)) << x << "," << y;
}

TEST(QtCanvas, SmoothLinesShadeTheirEdgesButLeaveNoSeamBetweenQuads) {
  TObject3D scene;
  // A grid of quads with slanted shared edges on white: no white may show
  // between them.
  for (int i = -3; i < 3; ++i)
    for (int j = -3; j < 3; ++j) {
      const double skew = 0.37;
      auto corner = [&](int a, int b) {
        return TPoint3D{a * 6.0 + b * skew, b * 6.0 + a * skew, 0};
      };
      AddQuad(scene, corner(i, j), corner(i + 1, j), corner(i + 1, j + 1), corner(i, j + 1),
              0x00FFFF);
    }
  AddLine(scene, 1, 0, -40, -10, 0, 40, 7, 0);
  for (const double scale : {1.0, 1.5, 2.0}) {
    const QImage smooth = Drawn(scene, 80, 60, scale, true);
    const int centre = static_cast<int>(40 * scale);
    const int reach = static_cast<int>(14 * scale);
    int white = 0;
    for (int y = static_cast<int>(30 * scale) - reach; y < static_cast<int>(30 * scale) + reach;
         ++y)
      for (int x = centre - reach; x < centre + reach; ++x)
        white += (smooth.pixel(x, y) & 0xFFFFFF) == White;
    EXPECT_EQ(white, 0) << "seam at scale " << scale;
    // The line's edge is shaded: grey levels between black and white appear
    // where it crosses the white background.
    int shaded = 0;
    for (int y = 0; y < smooth.height(); ++y)
      for (int x = 0; x < static_cast<int>(10 * scale); ++x) {
        const QRgb p = smooth.pixel(x, y) & 0xFFFFFF;
        shaded += p != White && p != 0 && qRed(p) == qGreen(p);
      }
    EXPECT_GT(shaded, 0) << "scale " << scale;
  }
  // Without smooth lines every line pixel is the line's colour.
  const QImage plain = Drawn(scene, 80, 60, 1, false);
  for (int y = 0; y < 60; ++y)
    for (int x = 0; x < 10; ++x) {
      const QRgb p = plain.pixel(x, y) & 0xFFFFFF;
      EXPECT_TRUE(p == White || p == 0) << x << "," << y;
    }
}

}  // namespace
