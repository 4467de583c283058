// SPDX-License-Identifier: GPL-3.0-or-later
// The coordinate system of a display as scene segments: the axis lines with
// their labels, and along each axis minor and major marks or raster lines
// with the values of the first and of the major positions written as numbers.
// Everything is in plotted coordinates: on a logarithmic axis positions are
// exponents to the base MajorInterval, while the numbers show the values.
#pragma once

#include <cstdint>
#include <vector>

#include "document/document.h"
#include "plot/scene.h"

// Past this many marks on one axis the intervals are taken as nonsense (a
// minor interval far too small for the range, as only a hand-edited file can
// carry): the axis then gets no marks, no raster and no numbers instead of
// hundreds of thousands of segments or an endless loop. The settings dialog's
// ranges stay far below it.
inline constexpr int MaxAxisMarks = 10000;

enum class TAxisMarkKind : uint8_t { Minor, Major, Label };

// One event along an axis, in the order the axis is drawn.
struct TAxisMark {
  TAxisMarkKind Kind = TAxisMarkKind::Minor;
  double Position = 0;  // plotted coordinate on the axis (exponent when logarithmic)
  double Value = 0;     // what a label shows (the value, never the exponent)
};

// The marks and number labels of one axis from min to max (plotted
// coordinates). Minor and major marks stand for raster lines alike; labels
// appear only with markings. False, with marks empty, when the intervals
// cannot step through the range: an interval of 0 or below or not finite, a
// logarithmic base of 1 or below or not finite, or more than MaxAxisMarks
// marks.
bool AxisMarks(double min, double max, bool logarithmic, double majorInterval, double minorInterval,
               bool markings, std::vector<TAxisMark>& marks);

// Appends the axes of the display (axis 3 only when ThreeAxes) with their
// labels, marks or raster and numbers, all in AxisColor. The axes cross at
// (Origin1, Origin2, Origin3). Segments that would not be finite are left out.
void AddAxes(const TCoordinateSystem& display, TObject3D& scene);
