// SPDX-License-Identifier: GPL-3.0-or-later
// The picture of the current display on the clipboard and on paper, drawn by
// the same routines as the exported pictures (qt/picture_export.h).
#pragma once

#include <cstdint>

#include "document/document.h"
#include "plot/scene.h"

class QPrinter;

// Puts the picture of a width x height drawing area on the clipboard as an
// image of pixelRatio device pixels per pixel. False when it could not be made.
bool CopyPictureToClipboard(const TCoordinateSystem* display, const TObject3D& scene,
                            std::int32_t width, std::int32_t height, double pixelRatio);

// A wide picture is offered in landscape, a tall one in portrait.
void SuggestOrientation(QPrinter& printer, std::int32_t width, std::int32_t height);

// Prints the picture of a width x height drawing area as vectors on one page,
// fitted to the printable area with its aspect kept. False when the printer
// could not be painted on (no paper size, a file that cannot be written).
bool PrintPicture(QPrinter& printer, const TCoordinateSystem* display, const TObject3D& scene,
                  std::int32_t width, std::int32_t height);
