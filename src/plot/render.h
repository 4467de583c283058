// SPDX-License-Identifier: GPL-3.0-or-later
// Painting a scene: rotation, the depth sort, the projection into pixels and
// the primitives in painter's order over a white background.
#pragma once

#include <cstdint>

#include "plot/scene.h"
#include "ports/canvas.h"

// The font every text of a scene is measured and written in.
inline constexpr const char* SceneFontName = "Courier";
inline constexpr std::int32_t SceneFontSize = 10;

// Reads the canvas's client size (logical pixels) into the centre and its
// scale, fills the angle tables and sets the scene font on the canvas.
void InitGraphic3D(TGraphic3D& graphic, Canvas& canvas);

// Rotates the scene in place by A1, A2, A3, orders it by depth when Sort is
// true, and paints it. Distance is the eye distance in model units; 0 or below
// paints a parallel projection. Text gaps and dot radii, given in logical
// pixels, are drawn times the canvas's scale. Segments with a coordinate or depth that is not
// a finite number are removed from the scene before the sort and never drawn;
// they take no part in the eye distance either.
void DrawObject(TGraphic3D& graphic, Canvas& canvas, TObject3D& scene, std::int32_t A1,
                std::int32_t A2, std::int32_t A3, bool Sort, std::int32_t Distance);

// The depth of a segment for the sort: the mean z of the vertices its kind
// uses (all four of a quad, both of a line, the first of anything else).
double DepthKey(const TSegment& segment);

// Orders the scene by ascending depth key (farthest first, the eye stands on
// the positive z side). Shell sort with halving gaps; equal keys and keys that
// are not numbers never swap, so the order among them is part of the picture.
// Keys arranged against the gaps would take quadratic time; after 2 n^1.5
// swaps (at least a million) a stable sort finishes the work instead.
void SortObject(TObject3D& scene);

// The distance D from the projection plane to the eye for an eye distance
// argument Distance > 0: Distance model units in front of the nearest first or
// second vertex of a projected segment, never closer than Distance to z = 0.
// 0 for a parallel projection (Distance <= 0).
double EyeDistance(const TObject3D& scene, std::int32_t Distance);

// Pixel position of a vertex, rounded half to even, as doubles (the caller
// checks the range before painting). D is EyeDistance's result; 0 means
// parallel. A vertex of a segment that is not projected is a pixel position
// already. The result is in device pixels: at graphic.Scale 1 the logical
// pixel itself, at another scale the logical position times the scale,
// rounded there, so a picture at scale 2 is drawn, not enlarged.
struct TPixelPosition {
  double X = 0;
  double Y = 0;
};
TPixelPosition ProjectVertex(const TGraphic3D& graphic, const TPoint3D& vertex, bool projected,
                             double D);
