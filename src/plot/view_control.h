// SPDX-License-Identifier: GPL-3.0-or-later
// What mouse drags and "Restore default view" do to a display's view fields,
// and the light preview drawn while a button is held. Only the view changes;
// graphs are never sampled again here.
#pragma once

#include <cstdint>
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

// One notch of a wheel or of a zoom key: a 20-pixel zoom move, so each notch
// doubles or halves the zooms and two notches give four times.
void ZoomNotches(TCoordinateSystem& display, int notches);

// A pinch on a touchpad: the zooms times factor, with the same limits as a
// zoom drag (tested before multiplying). A factor that is not a finite number
// above 0 changes nothing.
void PinchZoom(TCoordinateSystem& display, double factor);

// Collects the deltas of wheel events into whole notches. A classic wheel
// sends 120 units per notch; hi-res wheels and touchpads send parts of it,
// or only pixels (WheelPixelsPerNotch make a notch), which integer division
// per event would lose.
class TWheelNotches {
 public:
  static constexpr int UnitsPerNotch = 120;
  static constexpr int WheelPixelsPerNotch = 60;
  // The most notches one event yields; more zoom past every limit anyway.
  static constexpr int MaxNotchesPerEvent = 64;

  // Adds one event (angleDelta in units; pixelDelta counts only when the
  // event has no angle delta) and returns the whole notches it completes,
  // positive forward. Turning the other way drops a part notch held back.
  int Add(int angleDelta, int pixelDelta);
  void Reset() { rest_ = 0; }

 private:
  long long rest_ = 0;  // units not yet a whole notch
};

// The keys that move the view.
enum class TViewKey : std::uint8_t { Left, Right, Up, Down, ZoomIn, ZoomOut, Home };

// Arrow keys turn a 3D display by KeyTurnDegrees as a drag would (Up like a
// drag upward); with pan true they move the picture KeyPanPixels the arrow's
// way, in 2D and 3D. Zoom keys act as one wheel notch, Home restores the
// default view. False when the key changes nothing (turning a 2D display).
inline constexpr int KeyTurnDegrees = 5;
inline constexpr int KeyPanPixels = 10;
bool ApplyViewKey(TCoordinateSystem& display, TViewKey key, bool pan);

// While the user drags with the whole picture turning, each frame re-projects
// and paints the complete scene. Once a frame takes longer than the budget on
// this machine, the rest of that drag shows the light box instead.
class TLiveDrag {
 public:
  static constexpr double FrameBudgetMs = 50;

  explicit TLiveDrag(double budgetMs = FrameBudgetMs) : budgetMs_(budgetMs) {}
  // A new drag: full frames when wanted.
  void Start(bool wanted) {
    live_ = wanted;
    framesDrawn_ = 0;
  }
  void Stop() { live_ = false; }
  bool Live() const { return live_; }
  // Whether a frame may be drawn now, msSinceLastFrame after the last one,
  // when the screen shows a new picture every refreshMs: the first frame of a
  // drag at once, the others at most one per refresh.
  bool Due(double msSinceLastFrame, double refreshMs) const {
    return framesDrawn_ == 0 || msSinceLastFrame >= refreshMs;
  }
  // A full frame took ms; too slow a frame ends the live picture for this drag.
  void FrameTook(double ms) {
    ++framesDrawn_;
    if (!(ms <= budgetMs_)) live_ = false;
  }
  int FramesDrawn() const { return framesDrawn_; }

 private:
  double budgetMs_;
  bool live_ = false;
  int framesDrawn_ = 0;
};

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
