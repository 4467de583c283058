// SPDX-License-Identifier: GPL-3.0-or-later
// Keeps the plot engine's scenes safe to sort and paint: documents can carry
// ranges, constants or table values that put a vertex or a depth key beyond
// the double range, and such a segment has no place in a picture.
#pragma once

#include <cstddef>

#include "plot/scene.h"

// True when every vertex the segment's kind uses and its depth key are finite.
bool SegmentFinite(const TSegment& segment);

// Removes, from position first on, every segment that is not finite; the
// order of the others stays.
void DropNonFinite(TObject3D& scene, std::size_t first = 0);

// Makes room for extra more segments, growing the capacity at least twofold
// so that a run of small additions never reallocates once per call.
void ReserveMore(TObject3D& scene, std::size_t extra);
