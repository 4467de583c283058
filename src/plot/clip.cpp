// SPDX-License-Identifier: GPL-3.0-or-later
#include "plot/clip.h"

#include <array>
#include <cstddef>

namespace {

struct TBox {
  double Xmin, Xmax, Ymin, Ymax, Zmin, Zmax;
};

bool Inside(const TPoint3D& p, const TBox& box) {
  return box.Xmin <= p.X && p.X <= box.Xmax && box.Ymin <= p.Y && p.Y <= box.Ymax &&
         box.Zmin <= p.Z && p.Z <= box.Zmax;
}

// The coordinates of a point as an array, so that one routine serves all
// three axes.
double& Coord(TPoint3D& p, int axis) { return axis == 0 ? p.X : axis == 1 ? p.Y : p.Z; }
double Coord(const TPoint3D& p, int axis) { return axis == 0 ? p.X : axis == 1 ? p.Y : p.Z; }

// Moves q onto the plane coordinate[axis] = bound along the line from the
// inside point r. The callers guarantee q and r lie on different sides of the
// plane, so the divisor is never zero.
void ToPlane(TPoint3D& q, const TPoint3D& r, int axis, double bound) {
  const double ratio = bound - Coord(r, axis);
  const double run = Coord(q, axis) - Coord(r, axis);
  for (int other = 0; other < 3; ++other) {
    if (other == axis) continue;
    Coord(q, other) = Coord(r, other) + ratio * (Coord(q, other) - Coord(r, other)) / run;
  }
  Coord(q, axis) = bound;
}

void MoveOntoBox(TPoint3D& q, const TPoint3D& r, const TBox& box) {
  if (q.X > box.Xmax) ToPlane(q, r, 0, box.Xmax);
  if (q.Y > box.Ymax) ToPlane(q, r, 1, box.Ymax);
  if (q.Z > box.Zmax) ToPlane(q, r, 2, box.Zmax);
  if (q.X < box.Xmin) ToPlane(q, r, 0, box.Xmin);
  if (q.Y < box.Ymin) ToPlane(q, r, 1, box.Ymin);
  if (q.Z < box.Zmin) ToPlane(q, r, 2, box.Zmin);
}

// At most two points per edge.
struct TPointList {
  std::array<TPoint3D, 8> Points;
  std::size_t Count = 0;

  void Add(const TPoint3D& p) { Points[Count++] = p; }
  bool EqualsLast(const TPoint3D& p) const { return Count > 0 && Points[Count - 1] == p; }
  bool EqualsFirst(const TPoint3D& p) const { return Count > 0 && Points[0] == p; }
};

}  // namespace

bool ClipLine(TPoint3D& A, TPoint3D& B, double Xmin, double Xmax, double Ymin, double Ymax,
              double Zmin, double Zmax) {
  const TBox box{Xmin, Xmax, Ymin, Ymax, Zmin, Zmax};
  const bool aInside = Inside(A, box);
  const bool bInside = Inside(B, box);
  if (aInside && !bInside) MoveOntoBox(B, A, box);
  if (bInside && !aInside) MoveOntoBox(A, B, box);
  return aInside || bInside;
}

bool ClipQuad(TPoint3D& P1, TPoint3D& P2, TPoint3D& P3, TPoint3D& P4, double Xmin, double Xmax,
              double Ymin, double Ymax, double Zmin, double Zmax, TPoint3D& E1, TPoint3D& E2,
              TPoint3D& E3) {
  const TBox box{Xmin, Xmax, Ymin, Ymax, Zmin, Zmax};
  const std::array<TPoint3D, 4> corner{P1, P2, P3, P4};
  std::array<bool, 4> inside{};
  for (int k = 0; k < 4; ++k) inside[k] = Inside(corner[k], box);
  if (!inside[0] && !inside[1] && !inside[2] && !inside[3]) return false;

  TPointList list;
  for (int edge = 0; edge < 4; ++edge) {
    const int next = (edge + 1) % 4;
    if (!inside[edge] && !inside[next]) continue;
    TPoint3D a = corner[edge];
    TPoint3D b = corner[next];
    ClipLine(a, b, Xmin, Xmax, Ymin, Ymax, Zmin, Zmax);
    if (edge == 0) {
      list.Add(a);
      list.Add(b);
    } else if (edge < 3) {
      if (!list.EqualsLast(a)) list.Add(a);
      if (!list.EqualsLast(b)) list.Add(b);
    } else {
      if (!list.EqualsLast(a)) list.Add(a);
      if (!list.EqualsFirst(b)) list.Add(b);
    }
  }

  E1 = E2 = E3 = TPoint3D{};
  const auto& l = list.Points;
  switch (list.Count) {
    case 3: P1 = l[0], P2 = l[1], P3 = l[2], P4 = l[0]; return true;
    case 4: P1 = l[0], P2 = l[1], P3 = l[2], P4 = l[3]; return true;
    case 5:
      P1 = l[0], P2 = l[1], P3 = l[2], P4 = l[3];
      E1 = l[3], E2 = l[4], E3 = l[0];
      return true;
    default: return false;
  }
}
