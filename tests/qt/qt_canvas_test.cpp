#include "qt/qt_canvas.h"

#include <gtest/gtest.h>

#include <QFontInfo>
#include <QGuiApplication>

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

}  // namespace
