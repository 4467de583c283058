// SPDX-License-Identifier: GPL-3.0-or-later
// Exporting the picture of a display to a file: PNG and JPEG as the pixels
// the window shows, PDF and SVG as vectors. All four are drawn by DrawPicture
// through a QtCanvas, so an exported 3D view is the depth-sorted scene itself.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

#include "document/document.h"
#include "plot/scene.h"
#include "ports/canvas.h"

class QImage;
class QPaintDevice;

enum class TPictureFormat : uint8_t { Png, Jpeg, Pdf, Svg };

// Larger pictures would only fill memory: 8192 x 8192 pixels take 256 MB.
inline constexpr std::int32_t MaxPictureSide = 8192;

// The format a file name asks for by its extension (.png, .jpg or .jpeg,
// .pdf, .svg; any case). False for any other name.
bool PictureFormatOf(const std::filesystem::path& path, TPictureFormat& format);

// Reads a picture size typed as "800x600" or "800 x 600" (blanks around the
// numbers and an upper-case X allowed); false unless both sides are from 1 to
// MaxPictureSide.
bool ParsePictureSize(const std::string& text, std::int32_t& width, std::int32_t& height);

// The picture of a width x height drawing area drawn at pixelRatio device
// pixels per pixel (the screen's device pixel ratio, 1 to 4): an image of
// width * pixelRatio x height * pixelRatio pixels in which lines and texts are
// drawn at that resolution, not enlarged. At ratio 1 it is the window's
// picture pixel for pixel. A null image when it cannot be made.
QImage PictureImage(const TCoordinateSystem* display, const TObject3D& scene, std::int32_t width,
                    std::int32_t height, double pixelRatio);

// Draws the picture of a width x height drawing area onto device (a printer's
// page) as vectors, fitted to the device with its aspect kept and centred.
// False when the device could not be painted on.
bool DrawPictureFitted(QPaintDevice& device, const TCoordinateSystem* display,
                       const TObject3D& scene, std::int32_t width, std::int32_t height);

// A pixel picture may be drawn at 1 to 4 device pixels per logical pixel,
// as on a screen at 100 % to 400 %.
inline constexpr double MinPictureScale = 1;
inline constexpr double MaxPictureScale = 4;

// Reads a scale such as "2" or "1.5", from MinPictureScale to MaxPictureScale.
bool ParsePictureScale(const std::string& text, double& scale);

// Reads "800x600", or "800x600 @ 2" with a scale; the scale is 1 when none is
// given. False also when the picture at that scale would exceed
// MaxPictureSide pixels.
bool ParsePictureSizeAndScale(const std::string& text, std::int32_t& width, std::int32_t& height,
                              double& scale);

// How a picture is drawn beyond its size: Scale device pixels per logical
// pixel (PNG and JPEG only; vector pictures ignore it) and smooth lines.
struct TPictureOptions {
  double Scale = 1;
  bool Smooth = false;
};

// Draws scene as display shows it on a width x height drawing area (display
// may be null: the area stays black, as the window's does without a display)
// and writes it to path in format; a PNG or JPEG is width x height times
// options.Scale pixels. The file is replaced only once the whole picture is
// written. False with the reason in error.
bool ExportPicture(const TCoordinateSystem* display, const TObject3D& scene, std::int32_t width,
                   std::int32_t height, TPictureFormat format, const std::filesystem::path& path,
                   std::string& error, const TPictureOptions& options = {});
// The same for a scene the caller has no further use for: it is drawn in
// place instead of through a copy, so it is held once, not twice.
bool ExportPicture(const TCoordinateSystem* display, TObject3D&& scene, std::int32_t width,
                   std::int32_t height, TPictureFormat format, const std::filesystem::path& path,
                   std::string& error, const TPictureOptions& options = {});
