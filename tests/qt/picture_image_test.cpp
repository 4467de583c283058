// SPDX-License-Identifier: GPL-3.0-or-later
// The picture as an image at the screen's resolution (the clipboard's copy)
// and fitted onto a larger device (a printed page).
#include <gtest/gtest.h>

#include <QImage>
#include <cmath>
#include <filesystem>
#include <limits>

#include "document/reader.h"
#include "plot/picture.h"
#include "plot/plot_display.h"
#include "qt/picture_export.h"
#include "qt/qt_canvas.h"
#include "support/application.h"
#include "support/scripted_prompts.h"

namespace {

struct TPlottedExample {
  TDocument Document;
  TObject3D Scene;

  explicit TPlottedExample(const char* example) {
    EnsureApplication();
    CreateDocument(Document);
    TStringGrid table;
    EXPECT_TRUE(OpenDocument(std::filesystem::path(MORVIT_SOURCE_DIR) / "examples" / example,
                             Document, table));
    ScriptedPrompts prompts;
    EXPECT_TRUE(PlotDisplay(Document, 0, Scene, prompts));
  }
  const TCoordinateSystem* Display() const { return &Document.Displays[0]; }
};

// Mean difference of grey levels, 0 to 255, of two pictures seen at 32 x 24
// pixels: where the ink is, not how each edge is rasterised.
double CoarseDifference(const QImage& a, const QImage& b) {
  const QImage x = a.scaled(32, 24, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  const QImage y = b.scaled(32, 24, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  double sum = 0;
  for (int row = 0; row < 24; ++row)
    for (int column = 0; column < 32; ++column)
      sum += std::abs(qGray(x.pixel(column, row)) - qGray(y.pixel(column, row)));
  return sum / (32 * 24);
}

}  // namespace

TEST(PictureImage, AtRatioOneItIsTheWindowsPicture) {
  const TPlottedExample plotted("surface-solid.mvf");
  QtCanvas window(320, 240);
  window.SetBrushColor(0);
  window.FillRect(0, 0, 320, 240);
  TGraphic3D graphic;
  InitGraphic3D(graphic, window);
  TObject3D view;
  DrawPicture(graphic, window, *plotted.Display(), plotted.Scene, true, view);
  const QImage image = PictureImage(plotted.Display(), plotted.Scene, 320, 240, 1.0);
  EXPECT_EQ(image, window.Image());
}

// At a higher ratio the picture is drawn anew with more pixels: not the
// ratio-1 picture enlarged, but with the ink where that picture has it.
TEST(PictureImage, AtHigherRatiosItIsDrawnAtThatResolution) {
  const TPlottedExample plotted("diagram-error-bars.mvf");
  const QImage one = PictureImage(plotted.Display(), plotted.Scene, 320, 240, 1.0);
  const struct {
    double Ratio;
    QSize Size;
  } rows[] = {{1.25, {400, 300}}, {1.5, {480, 360}}, {2.0, {640, 480}}, {3.0, {960, 720}}};
  for (const auto& row : rows) {
    const QImage image = PictureImage(plotted.Display(), plotted.Scene, 320, 240, row.Ratio);
    ASSERT_EQ(image.size(), row.Size) << row.Ratio;
    EXPECT_DOUBLE_EQ(image.devicePixelRatio(), row.Ratio);
    const QImage drawn = image.convertToFormat(QImage::Format_RGB32);
    const QImage enlarged = one.scaled(row.Size, Qt::IgnoreAspectRatio, Qt::FastTransformation)
                                .convertToFormat(QImage::Format_RGB32);
    // Texts and slanted edges are rasterised anew at the finer grid.
    int differing = 0;
    for (int y = 0; y < drawn.height(); ++y)
      for (int x = 0; x < drawn.width(); ++x)
        differing += drawn.pixel(x, y) != enlarged.pixel(x, y);
    EXPECT_GT(differing, drawn.width() * drawn.height() / 200) << row.Ratio;
    EXPECT_LT(CoarseDifference(drawn, one), 8.0) << row.Ratio;
  }
}

TEST(PictureImage, RefusesRatiosAndSizesNoScreenHas) {
  const TPlottedExample plotted("surface-solid.mvf");
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  const struct {
    double Ratio;
    int Width, Height;
  } rows[] = {{0, 10, 10},   {-1, 10, 10},  {0.5, 10, 10}, {nan, 10, 10},
              {inf, 10, 10}, {4.5, 10, 10}, {2, 0, 10},    {2, MaxPictureSide + 1, 10}};
  for (const auto& row : rows)
    EXPECT_TRUE(
        PictureImage(plotted.Display(), plotted.Scene, row.Width, row.Height, row.Ratio).isNull())
        << row.Ratio << " " << row.Width;
}

// Fitted onto a square page, a 4:3 picture fills the width and sits in the
// middle; nothing is drawn above or below it.
TEST(PictureImage, FittedPictureKeepsItsAspectAndStaysInside) {
  const TPlottedExample plotted("surface-solid.mvf");
  QImage page(800, 800, QImage::Format_RGB32);
  page.fill(Qt::magenta);
  ASSERT_TRUE(DrawPictureFitted(page, plotted.Display(), plotted.Scene, 320, 240));
  const auto untouched = [&](int x, int y) {
    return page.pixel(x, y) == QColor(Qt::magenta).rgb();
  };
  for (int x : {0, 400, 799}) {
    EXPECT_TRUE(untouched(x, 98)) << x;    // above the picture (800 x 600 from y = 100)
    EXPECT_FALSE(untouched(x, 101)) << x;  // its background
    EXPECT_FALSE(untouched(x, 698)) << x;
    EXPECT_TRUE(untouched(x, 701)) << x;  // below it
  }
  // The ink is where the window's picture has it, scaled by 2.5.
  const QImage one = PictureImage(plotted.Display(), plotted.Scene, 320, 240, 1.0);
  EXPECT_LT(CoarseDifference(page.copy(0, 100, 800, 600), one), 8.0);

  QImage empty;
  EXPECT_FALSE(DrawPictureFitted(empty, plotted.Display(), plotted.Scene, 320, 240));
  EXPECT_FALSE(DrawPictureFitted(page, plotted.Display(), plotted.Scene, 0, 240));
}
