// SPDX-License-Identifier: GPL-3.0-or-later
// The picture of a display: the view transformation (shifts, zooms and the fit
// of the plotted box to the image) followed by DrawObject. The main window and
// the command line draw through this one function.
#pragma once

#include <cstdint>

#include "document/document.h"
#include "plot/render.h"
#include "plot/scene.h"
#include "ports/canvas.h"

// The factors that fit the plotted box into an image of width x height pixels
// at zoom 1, in pixels per model unit (per exponent on a logarithmic axis).
struct TFitFactors {
  double X = 0;
  double Y = 0;
  double Z = 0;
};
TFitFactors FitFactors(const TCoordinateSystem& display, std::int32_t width, std::int32_t height);

// A zoom a view can work with: finite and not 0. A file may hold any other;
// drawing then takes the zoom as 1 (0 would collapse the picture into one
// pixel, a zoom that is not a number would empty it), and a drag pans nothing
// on that axis (the shift would become infinite).
bool UsableZoom(double zoom);

// Moves the scene by the display's shifts and scales it by zoom times fit.
void ApplyViewTransformation(TObject3D& scene, const TCoordinateSystem& display, std::int32_t width,
                             std::int32_t height);

// Copies scene into view, transforms view for the canvas's size and draws it.
// A 2D display is drawn parallel and unsorted whatever Sort asks. graphic must
// have been set up by InitGraphic3D for this canvas (after every resize).
//
// Displays from files may hold what the settings dialog never stores: a range
// whose minimum is not below its maximum is fitted by its length, or as one
// unit long when that is 0 or not finite; a zoom of 0 or not finite counts as
// 1 and a shift that is not finite as 0. So no division by zero and no
// infinity enters the scene from the view.
void DrawPicture(TGraphic3D& graphic, Canvas& canvas, const TCoordinateSystem& display,
                 const TObject3D& scene, bool Sort, TObject3D& view);

// DrawPicture without the copy: transforms, sorts and draws scene itself,
// which afterwards holds the picture's pixel-space view. For a caller that
// draws a scene once (the command line, an export of a scene made for it);
// a scene of many surfaces would otherwise be held twice.
void DrawPictureInPlace(TGraphic3D& graphic, Canvas& canvas, const TCoordinateSystem& display,
                        TObject3D& scene, bool Sort);
