// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/picture_export.h"

#include <jpeglib.h>

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QSvgGenerator>
#include <algorithm>
#include <cctype>
#include <cmath>
#include <csetjmp>
#include <cstdio>
#include <memory>
#include <utility>
#include <vector>

#include "document/writer.h"
#include "plot/picture.h"
#include "plot/render.h"
#include "qt/qt_canvas.h"
#include "term/number_text.h"

namespace {

// The screen's logical resolution: fonts are sized in points, so vector
// pictures use the same dots per inch to keep texts as large as on screen.
constexpr int ScreenDpi = 96;
constexpr int JpegQuality = 92;
// Past four device pixels per pixel no screen exists; the limit keeps a
// hostile ratio from asking for a huge image.
constexpr double MaxPixelRatio = 4.0;
// zlib level 1: less than half the default level's time on the benchmark picture, for
// files about 60% larger; the pixels are the same at every level.
constexpr int PngQuality = 89;

// What the window does: the area is black, then the picture is drawn on it.
// The scene becomes the picture's view.
void Draw(QtCanvas& canvas, const TCoordinateSystem* display, TObject3D& scene) {
  canvas.SetBrushColor(0);
  canvas.FillRect(0, 0, DeviceSide(canvas.Width(), canvas.Scale()),
                  DeviceSide(canvas.Height(), canvas.Scale()));
  if (display == nullptr) return;
  TGraphic3D graphic;
  InitGraphic3D(graphic, canvas);
  DrawPictureInPlace(graphic, canvas, *display, scene, true);
}

// libjpeg reports errors through a callback that must not return.
struct TJpegError {
  jpeg_error_mgr Manager;
  std::jmp_buf Jump;
};

[[noreturn]] void JpegFailed(j_common_ptr info) {
  std::longjmp(reinterpret_cast<TJpegError*>(info->err)->Jump, 1);
}

// Plain C data only between setjmp and longjmp: nothing with a destructor
// lives in this function's frame.
bool CompressJpeg(const unsigned char* rgb, int width, int height, unsigned char** out,
                  unsigned long* size) {
  jpeg_compress_struct info;
  TJpegError error;
  info.err = jpeg_std_error(&error.Manager);
  error.Manager.error_exit = JpegFailed;
  if (setjmp(error.Jump) != 0) {
    jpeg_destroy_compress(&info);
    return false;
  }
  jpeg_create_compress(&info);
  jpeg_mem_dest(&info, out, size);
  info.image_width = static_cast<JDIMENSION>(width);
  info.image_height = static_cast<JDIMENSION>(height);
  info.input_components = 3;
  info.in_color_space = JCS_RGB;
  jpeg_set_defaults(&info);
  jpeg_set_quality(&info, JpegQuality, TRUE);
  jpeg_start_compress(&info, TRUE);
  while (info.next_scanline < info.image_height) {
    JSAMPROW row = const_cast<unsigned char*>(rgb) +
                   static_cast<size_t>(info.next_scanline) * static_cast<size_t>(width) * 3;
    jpeg_write_scanlines(&info, &row, 1);
  }
  jpeg_finish_compress(&info);
  jpeg_destroy_compress(&info);
  return true;
}

bool JpegBytes(const QImage& image, std::string& bytes) {
  const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
  // Rows of a QImage are padded to 4 bytes; libjpeg wants them packed.
  std::vector<unsigned char> packed(static_cast<size_t>(rgb.width()) * 3 *
                                    static_cast<size_t>(rgb.height()));
  for (int y = 0; y < rgb.height(); ++y)
    std::copy_n(rgb.constScanLine(y), static_cast<size_t>(rgb.width()) * 3,
                packed.data() + static_cast<size_t>(y) * static_cast<size_t>(rgb.width()) * 3);
  unsigned char* out = nullptr;
  unsigned long size = 0;
  const bool ok = CompressJpeg(packed.data(), rgb.width(), rgb.height(), &out, &size);
  if (ok) bytes.assign(reinterpret_cast<const char*>(out), size);
  std::free(out);
  return ok;
}

bool PixelBytes(const TCoordinateSystem* display, TObject3D& scene, int width, int height,
                const TPictureOptions& options, TPictureFormat format, std::string& bytes) {
  QtCanvas canvas(width, height, options.Scale);
  if (canvas.Image().isNull()) return false;
  canvas.SetSmooth(options.Smooth);
  Draw(canvas, display, scene);
  if (format == TPictureFormat::Jpeg) return JpegBytes(canvas.Image(), bytes);
  QByteArray png;
  QBuffer buffer(&png);
  buffer.open(QIODevice::WriteOnly);
  if (!canvas.Image().save(&buffer, "PNG", PngQuality)) return false;
  bytes.assign(png.constData(), static_cast<size_t>(png.size()));
  return true;
}

bool VectorBytes(const TCoordinateSystem* display, TObject3D& scene, int width, int height,
                 const TPictureOptions& options, TPictureFormat format, std::string& bytes) {
  QByteArray data;
  QBuffer buffer(&data);
  buffer.open(QIODevice::WriteOnly);
  bool ok = false;
  if (format == TPictureFormat::Pdf) {
    QPdfWriter pdf(&buffer);
    pdf.setCreator("Morvit");
    pdf.setResolution(ScreenDpi);
    // One page exactly as large as the drawing area.
    const QSizeF points(width * 72.0 / ScreenDpi, height * 72.0 / ScreenDpi);
    pdf.setPageLayout(QPageLayout(QPageSize(points, QPageSize::Point), QPageLayout::Portrait,
                                  QMarginsF(0, 0, 0, 0)));
    QtCanvas canvas(pdf);
    canvas.SetSmooth(options.Smooth);
    Draw(canvas, display, scene);
    ok = canvas.Finish();
  } else {
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setSize(QSize(width, height));
    svg.setViewBox(QRect(0, 0, width, height));
    svg.setResolution(ScreenDpi);
    svg.setTitle("Morvit");
    QtCanvas canvas(svg);
    canvas.SetSmooth(options.Smooth);
    Draw(canvas, display, scene);
    ok = canvas.Finish();
  }
  bytes.assign(data.constData(), static_cast<size_t>(data.size()));
  return ok && !bytes.empty();
}

}  // namespace

bool PictureFormatOf(const std::filesystem::path& path, TPictureFormat& format) {
  std::string extension = path.extension().string();
  std::transform(extension.begin(), extension.end(), extension.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  if (extension == ".png")
    format = TPictureFormat::Png;
  else if (extension == ".jpg" || extension == ".jpeg")
    format = TPictureFormat::Jpeg;
  else if (extension == ".pdf")
    format = TPictureFormat::Pdf;
  else if (extension == ".svg")
    format = TPictureFormat::Svg;
  else
    return false;
  return true;
}

bool ParsePictureSize(const std::string& text, std::int32_t& width, std::int32_t& height) {
  const auto cross = text.find_first_of("xX");
  if (cross == std::string::npos) return false;
  const auto number = [](std::string part, std::int32_t& value) {
    const auto first = part.find_first_not_of(' ');
    const auto last = part.find_last_not_of(' ');
    if (first == std::string::npos) return false;
    part = part.substr(first, last - first + 1);
    if (part.empty() || part.size() > 5 ||
        !std::all_of(part.begin(), part.end(), [](char c) { return c >= '0' && c <= '9'; }))
      return false;
    return TextToInteger(part, value) && value >= 1 && value <= MaxPictureSide;
  };
  std::int32_t w = 0, h = 0;
  if (!number(text.substr(0, cross), w) || !number(text.substr(cross + 1), h)) return false;
  width = w;
  height = h;
  return true;
}

bool ParsePictureScale(const std::string& text, double& scale) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string::npos) return false;
  const auto last = text.find_last_not_of(' ');
  const std::string number = text.substr(first, last - first + 1);
  if (number.size() > 8 || !std::all_of(number.begin(), number.end(),
                                        [](char c) { return (c >= '0' && c <= '9') || c == '.'; }))
    return false;
  double value = 0;
  if (!TextToNearestDouble(number, value)) return false;
  if (!(value >= MinPictureScale && value <= MaxPictureScale)) return false;
  scale = value;
  return true;
}

bool ParsePictureSizeAndScale(const std::string& text, std::int32_t& width, std::int32_t& height,
                              double& scale) {
  const auto at = text.find('@');
  double s = 1;
  if (at != std::string::npos && !ParsePictureScale(text.substr(at + 1), s)) return false;
  std::int32_t w = 0, h = 0;
  if (!ParsePictureSize(text.substr(0, at), w, h)) return false;
  if (DeviceSide(w, s) > MaxPictureSide || DeviceSide(h, s) > MaxPictureSide) return false;
  width = w;
  height = h;
  scale = s;
  return true;
}

bool ExportPicture(const TCoordinateSystem* display, const TObject3D& scene, std::int32_t width,
                   std::int32_t height, TPictureFormat format, const std::filesystem::path& path,
                   std::string& error, const TPictureOptions& options) {
  TObject3D view;
  CopyObject(scene, view);
  return ExportPicture(display, std::move(view), width, height, format, path, error, options);
}

bool ExportPicture(const TCoordinateSystem* display, TObject3D&& scene, std::int32_t width,
                   std::int32_t height, TPictureFormat format, const std::filesystem::path& path,
                   std::string& error, const TPictureOptions& options) {
  const bool vector = format == TPictureFormat::Pdf || format == TPictureFormat::Svg;
  // Vector pictures have no pixels to be finer in.
  const double scale = vector ? 1.0 : options.Scale;
  if (width < 1 || height < 1 || !(scale >= MinPictureScale && scale <= MaxPictureScale) ||
      DeviceSide(width, scale) > MaxPictureSide || DeviceSide(height, scale) > MaxPictureSide) {
    error = "A picture is from 1 to " + std::to_string(MaxPictureSide) + " pixels wide and high.";
    return false;
  }
  TPictureOptions used = options;
  used.Scale = scale;
  std::string bytes;
  const bool drawn = vector ? VectorBytes(display, scene, width, height, used, format, bytes)
                            : PixelBytes(display, scene, width, height, used, format, bytes);
  if (!drawn) {
    error = "The picture could not be made (" + std::to_string(DeviceSide(width, scale)) + " x " +
            std::to_string(DeviceSide(height, scale)) + " pixels).";
    return false;
  }
  return ReplaceFile(path, bytes, error);
}

namespace {

// A copy of the window's scene for drawing, which may move and project it.
TObject3D ViewOf(const TObject3D& scene) {
  TObject3D view;
  CopyObject(scene, view);
  return view;
}

}  // namespace

QImage PictureImage(const TCoordinateSystem* display, const TObject3D& scene, std::int32_t width,
                    std::int32_t height, double pixelRatio) {
  if (width < 1 || height < 1 || width > MaxPictureSide || height > MaxPictureSide ||
      !(pixelRatio >= 1.0 && pixelRatio <= MaxPixelRatio))
    return QImage();
  if (pixelRatio == 1.0) {
    // The very canvas the window draws on, so a copy matches the screen.
    QtCanvas canvas(width, height);
    if (canvas.Image().isNull()) return QImage();
    TObject3D view = ViewOf(scene);
    Draw(canvas, display, view);
    return canvas.Image().copy();
  }
  QImage image(static_cast<int>(std::lround(width * pixelRatio)),
               static_cast<int>(std::lround(height * pixelRatio)), QImage::Format_RGB32);
  if (image.isNull()) return QImage();
  image.fill(Qt::black);
  {
    QtCanvas canvas(image, width, height);
    TObject3D view = ViewOf(scene);
    Draw(canvas, display, view);
    if (!canvas.Finish()) return QImage();
  }
  image.setDevicePixelRatio(pixelRatio);
  return image;
}

bool DrawPictureFitted(QPaintDevice& device, const TCoordinateSystem* display,
                       const TObject3D& scene, std::int32_t width, std::int32_t height) {
  if (width < 1 || height < 1) return false;
  QtCanvas canvas(device, width, height);
  if (canvas.Width() == 0) return false;
  TObject3D view = ViewOf(scene);
  Draw(canvas, display, view);
  return canvas.Finish();
}
