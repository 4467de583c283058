// What mouse drags and "Restore default view" do to a display's view fields,
// and the light preview drawn while a button is held. Only the view changes;
// graphs are never sampled again here.
#pragma once

#include <string>

#include "document/document.h"
#include "plot/scene.h"

// Left drag on a 3D display: moving down turns Alpha, moving right turns Beta;
// both stay within 0..359.
void DragRotate(TCoordinateSystem& display, int dx, int dy);

// Right drag: every 20 pixels upward double the three zooms, downward divide
// them. The limits (1000 and 0.005) are tested before multiplying, so one step
// may carry the zoom past them.
void DragZoom(TCoordinateSystem& display, int dy);

// Middle drag: in an unturned view the picture moves against the mouse
// (dragging right moves it left, dragging down moves it up). dx pixels shift
// axis 1 by dx / (5 x Zoom1) model units, which the view scales by Zoom1 and
// by the fit factor 0.8 x width / axis range: the picture moves 0.16 x width /
// range pixels per pixel dragged, a speed set by the axis range and not by the
// zoom. Axis 2 likewise with the height.
void DragPan(TCoordinateSystem& display, int dx, int dy);

// No rotation, zoom 1, the ranges centred. Ranges and styles stay.
void RestoreDefaultView(TCoordinateSystem& display);

// The display's bounding box (twelve grey edges) and its three axis lines.
void BuildPreviewScene(const TCoordinateSystem& display, TObject3D& scene);

// The status line texts: "Alpha=30°", "Beta=0°", "Zoom=100%" (UTF-8).
struct TViewStatus {
  std::string Alpha;
  std::string Beta;
  std::string Zoom;
};
TViewStatus ViewStatus(const TCoordinateSystem& display);
