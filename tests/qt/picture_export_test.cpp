// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/picture_export.h"

#include <gtest/gtest.h>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <utility>

#include "document/reader.h"
#include "plot/picture.h"
#include "plot/plot_display.h"
#include "plot/render.h"
#include "qt/qt_canvas.h"
#include "support/application.h"
#include "support/scripted_prompts.h"

namespace {

namespace fs = std::filesystem;

// A plotted example, and the picture the window's drawing area shows of it.
struct Plotted {
  TDocument Document;
  TObject3D Scene;
  QImage Window;

  Plotted(const char* example, int width, int height) {
    EnsureApplication();
    CreateDocument(Document);
    TStringGrid table;
    EXPECT_TRUE(OpenDocument(fs::path(MORVIT_SOURCE_DIR) / "examples" / example, Document, table));
    ScriptedPrompts prompts;
    EXPECT_TRUE(PlotDisplay(Document, 0, Scene, prompts));
    QtCanvas canvas(width, height);
    canvas.SetBrushColor(0);
    canvas.FillRect(0, 0, width, height);
    TGraphic3D graphic;
    InitGraphic3D(graphic, canvas);
    TObject3D view;
    DrawPicture(graphic, canvas, Document.Displays[0], Scene, true, view);
    Window = canvas.Image().copy();
  }
  const TCoordinateSystem* Display() const { return &Document.Displays[0]; }
};

// Mean difference per colour channel, 0 to 255.
double MeanDifference(const QImage& a, const QImage& b) {
  double sum = 0;
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x) {
      const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
      sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) +
             std::abs(qBlue(p) - qBlue(q));
    }
  return sum / (3.0 * a.width() * a.height());
}

QByteArray FileBytes(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

// Fontconfig keeps its font cache until the process ends and never frees it;
// LeakSanitizer (in the sanitizer build) must not count that against the
// pictures drawn here. Outside that build nothing calls this.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }

TEST(PictureExport, FormatsByExtension) {
  const struct {
    const char* Name;
    bool Known;
    TPictureFormat Format;
  } rows[] = {
      {"a.png", true, TPictureFormat::Png},      {"b.PNG", true, TPictureFormat::Png},
      {"c.jpg", true, TPictureFormat::Jpeg},     {"d.JPEG", true, TPictureFormat::Jpeg},
      {"e.pdf", true, TPictureFormat::Pdf},      {"dir.svg/f.svg", true, TPictureFormat::Svg},
      {"g.bmp", false, TPictureFormat::Png},     {"png", false, TPictureFormat::Png},
      {"h.svg.txt", false, TPictureFormat::Png},
  };
  for (const auto& row : rows) {
    TPictureFormat format = TPictureFormat::Png;
    EXPECT_EQ(PictureFormatOf(row.Name, format), row.Known) << row.Name;
    if (row.Known) {
      EXPECT_EQ(format, row.Format) << row.Name;
    }
  }
}

// Every format shows what the window shows: PNG pixel for pixel, JPEG within
// its compression, SVG (drawn again by a renderer that smooths edges) close.
TEST(PictureExport, EveryFormatLooksLikeTheWindow) {
  QTemporaryDir dir;
  for (const char* example : {"surface-solid.mvf", "diagram-error-bars.mvf", "log-axes.mvf"}) {
    const Plotted plotted(example, 320, 240);
    std::string error;
    const QString png = dir.filePath("p.png"), jpg = dir.filePath("p.jpg"),
                  svg = dir.filePath("p.svg"), pdf = dir.filePath("p.pdf");
    ASSERT_TRUE(ExportPicture(plotted.Display(), plotted.Scene, 320, 240, TPictureFormat::Png,
                              png.toStdString(), error))
        << error;
    QImage image(png, "PNG");
    ASSERT_EQ(image.size(), QSize(320, 240)) << example;
    EXPECT_EQ(image.convertToFormat(QImage::Format_RGB32), plotted.Window) << example;
    // The command line hands its scene over to be drawn in place: same pixels.
    TObject3D handedOver = plotted.Scene;
    ASSERT_TRUE(ExportPicture(plotted.Display(), std::move(handedOver), 320, 240,
                              TPictureFormat::Png, png.toStdString(), error))
        << error;
    EXPECT_EQ(QImage(png, "PNG").convertToFormat(QImage::Format_RGB32), plotted.Window) << example;

    ASSERT_TRUE(ExportPicture(plotted.Display(), plotted.Scene, 320, 240, TPictureFormat::Jpeg,
                              jpg.toStdString(), error))
        << error;
    EXPECT_TRUE(FileBytes(jpg).startsWith("\xFF\xD8\xFF")) << example;
    QImage jpeg(jpg, "JPEG");
    if (!jpeg.isNull()) {  // Qt reads it back when its JPEG plugin is there
      ASSERT_EQ(jpeg.size(), QSize(320, 240));
      EXPECT_LT(MeanDifference(jpeg, plotted.Window), 6.0) << example;
    }

    ASSERT_TRUE(ExportPicture(plotted.Display(), plotted.Scene, 320, 240, TPictureFormat::Svg,
                              svg.toStdString(), error))
        << error;
    QSvgRenderer renderer(svg);
    ASSERT_TRUE(renderer.isValid()) << example;
    EXPECT_EQ(renderer.viewBox(), QRect(0, 0, 320, 240)) << example;
    QImage drawn(320, 240, QImage::Format_RGB32);
    drawn.fill(Qt::magenta);
    {
      QPainter painter(&drawn);
      renderer.render(&painter);
    }
    // The renderer smooths lines and letters, which moves single pixels but
    // not where the ink is: compared at a tenth of the size, the pictures agree.
    const auto coarse = [](const QImage& picture) {
      return picture.scaled(32, 24, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    };
    EXPECT_LT(MeanDifference(coarse(drawn), coarse(plotted.Window)), 10.0) << example;

    ASSERT_TRUE(ExportPicture(plotted.Display(), plotted.Scene, 320, 240, TPictureFormat::Pdf,
                              pdf.toStdString(), error))
        << error;
    const QByteArray bytes = FileBytes(pdf);
    EXPECT_TRUE(bytes.startsWith("%PDF-")) << example;
    // One page as large as the area: 320 x 240 pixels at 96 per inch.
    const qsizetype box = bytes.indexOf("/MediaBox [");
    ASSERT_GE(box, 0) << example;
    double left = -1, top = -1, right = 0, bottom = 0;
    ASSERT_EQ(std::sscanf(bytes.constData() + box, "/MediaBox [%lf %lf %lf %lf", &left, &top,
                          &right, &bottom),
              4)
        << example;
    EXPECT_DOUBLE_EQ(right - left, 240) << example;
    EXPECT_DOUBLE_EQ(bottom - top, 180) << example;
  }
}

TEST(PictureExport, AFailedExportLeavesTheOldFile) {
  EnsureApplication();
  QTemporaryDir dir;
  const QString path = dir.filePath("old.png");
  {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("old picture");
  }
  const TObject3D scene;
  const struct {
    const char* What;
    int Width, Height;
    std::string Path;
  } rows[] = {
      {"no width", 0, 10, path.toStdString()},
      {"negative height", 10, -1, path.toStdString()},
      {"too wide", MaxPictureSide + 1, 10, path.toStdString()},
      {"missing folder", 10, 10, dir.filePath("none/x.png").toStdString()},
  };
  for (const auto& row : rows) {
    std::string error;
    EXPECT_FALSE(
        ExportPicture(nullptr, scene, row.Width, row.Height, TPictureFormat::Png, row.Path, error))
        << row.What;
    EXPECT_FALSE(error.empty()) << row.What;
    EXPECT_EQ(FileBytes(path), "old picture") << row.What;
  }
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
            QStringList{"old.png"});
  // Without a display the picture is the black area.
  std::string error;
  ASSERT_TRUE(ExportPicture(nullptr, scene, 8, 6, TPictureFormat::Png, path.toStdString(), error));
  EXPECT_EQ(QImage(path).pixel(4, 3) & 0xFFFFFF, 0u);
}

TEST(PictureExport, TypedSizes) {
  const struct {
    const char* Text;
    bool Ok;
    int Width, Height;
  } rows[] = {
      {"800x600", true, 800, 600}, {" 640 X 480 ", true, 640, 480},
      {"1x1", true, 1, 1},         {"8192x8192", true, 8192, 8192},
      {"8193x10", false, 0, 0},    {"0x10", false, 0, 0},
      {"-5x10", false, 0, 0},      {"800", false, 0, 0},
      {"x600", false, 0, 0},       {"800x", false, 0, 0},
      {"8e2x600", false, 0, 0},    {"99999999999x1", false, 0, 0},
      {"", false, 0, 0},
  };
  for (const auto& row : rows) {
    std::int32_t width = 7, height = 7;
    EXPECT_EQ(ParsePictureSize(row.Text, width, height), row.Ok) << row.Text;
    EXPECT_EQ(width, row.Ok ? row.Width : 7) << row.Text;
    EXPECT_EQ(height, row.Ok ? row.Height : 7) << row.Text;
  }
}

TEST(PictureExport, TypedSizesWithAScale) {
  const struct {
    const char* Text;
    bool Ok;
    int Width, Height;
    double Scale;
  } rows[] = {
      {"800x600", true, 800, 600, 1},
      {"800x600 @ 2", true, 800, 600, 2},
      {"800x600@1.5", true, 800, 600, 1.5},
      {"10x10 @ 4", true, 10, 10, 4},
      {"800x600 @ 0.5", false, 0, 0, 0},
      {"800x600 @ 4.5", false, 0, 0, 0},
      {"800x600 @", false, 0, 0, 0},
      {"800x600 @ 2x", false, 0, 0, 0},
      {"800x600 @ 1e0", false, 0, 0, 0},
      {"800x600 @ -2", false, 0, 0, 0},
      {"800x600 @ 1.5 @ 2", false, 0, 0, 0},
      // 4097 pixels at scale 2 exceed the largest picture.
      {"4097x10 @ 2", false, 0, 0, 0},
      {"4096x10 @ 2", true, 4096, 10, 2},
  };
  for (const auto& row : rows) {
    std::int32_t width = 7, height = 7;
    double scale = 7;
    EXPECT_EQ(ParsePictureSizeAndScale(row.Text, width, height, scale), row.Ok) << row.Text;
    EXPECT_EQ(width, row.Ok ? row.Width : 7) << row.Text;
    EXPECT_EQ(height, row.Ok ? row.Height : 7) << row.Text;
    EXPECT_EQ(scale, row.Ok ? row.Scale : 7) << row.Text;
  }
}

TEST(PictureExport, AScaledPictureHasMorePixelsAndVectorsIgnoreTheScale) {
  EnsureApplication();
  QTemporaryDir dir;
  TCoordinateSystem display;
  SetDisplayDefaults(display);
  TObject3D scene;
  AddLine(scene, 1, 0x0000FF, -1, -1, 0, 1, 1, 0);
  std::string error;
  TPictureOptions options;
  options.Scale = 1.5;
  const QString png = dir.filePath("a.png");
  ASSERT_TRUE(ExportPicture(&display, scene, 40, 30, TPictureFormat::Png, png.toStdString(), error,
                            options));
  EXPECT_EQ(QImage(png).size(), QSize(60, 45));
  const QString svg = dir.filePath("a.svg");
  ASSERT_TRUE(ExportPicture(&display, scene, 40, 30, TPictureFormat::Svg, svg.toStdString(), error,
                            options));
  QFile file(svg);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_TRUE(file.readAll().contains("viewBox=\"0 0 40 30\""));
  // A picture larger than the largest one at its scale is refused.
  options.Scale = 4;
  EXPECT_FALSE(ExportPicture(&display, scene, 3000, 30, TPictureFormat::Png, png.toStdString(),
                             error, options));
  EXPECT_FALSE(error.empty());
}
