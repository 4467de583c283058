// SPDX-License-Identifier: GPL-3.0-or-later
#include "plot/clip.h"

#include <gtest/gtest.h>

namespace {

std::string Text(const TPoint3D& p) {
  return "(" + std::to_string(p.X) + "," + std::to_string(p.Y) + "," + std::to_string(p.Z) + ")";
}

TEST(Clip, ClipLineMovesTheOutsideEnd) {
  struct Row {
    TPoint3D A, B;
    bool Result;
    TPoint3D OutA, OutB;
  };
  // Box [-1, 1] on every axis.
  const Row rows[] = {
      {{0, 0, 0}, {2, 0, 0}, true, {0, 0, 0}, {1, 0, 0}},
      {{-2, 0, 0}, {2, 0, 0}, false, {-2, 0, 0}, {2, 0, 0}},
      {{0, 0, 0}, {0.5, 0.5, 0.5}, true, {0, 0, 0}, {0.5, 0.5, 0.5}},
      {{0, 0, 0}, {2, 1, 0}, true, {0, 0, 0}, {1, 0.5, 0}},
      // Planes in turn: x cuts first, the cut point still lies above y = 1.
      {{0, 0, 0}, {2, 4, 0}, true, {0, 0, 0}, {0.5, 1, 0}},
      {{-3, 0, 0}, {0, 0, 0}, true, {-1, 0, 0}, {0, 0, 0}},
      {{0, 0, 0}, {0, 0, -5}, true, {0, 0, 0}, {0, 0, -1}},
      {{0, 1, 0}, {0, 3, 3}, true, {0, 1, 0}, {0, 1, 0}},
      // The faces belong to the box.
      {{1, 1, 1}, {3, 3, 3}, true, {1, 1, 1}, {1, 1, 1}},
      {{1, -1, 1}, {-1, 1, -1}, true, {1, -1, 1}, {-1, 1, -1}},
      {{5, 5, 5}, {6, 6, 6}, false, {5, 5, 5}, {6, 6, 6}},
  };
  for (const Row& row : rows) {
    TPoint3D a = row.A;
    TPoint3D b = row.B;
    EXPECT_EQ(ClipLine(a, b, -1, 1, -1, 1, -1, 1), row.Result) << Text(row.A) << Text(row.B);
    EXPECT_EQ(a, row.OutA) << Text(row.A) << Text(row.B) << " gave " << Text(a);
    EXPECT_EQ(b, row.OutB) << Text(row.A) << Text(row.B) << " gave " << Text(b);
  }
}

TEST(Clip, ClipQuadCutsCells) {
  struct Row {
    const char* Name;
    TPoint3D P[4];
    bool Result;
    TPoint3D Out[4];
    TPoint3D E[3];
  };
  const TPoint3D o{};
  const Row rows[] = {
      {.Name = "inside",
       .P = {{0, 0, 0}, {0.5, 0, 0}, {0.5, 0.5, 0}, {0, 0.5, 0}},
       .Result = true,
       .Out = {{0, 0, 0}, {0.5, 0, 0}, {0.5, 0.5, 0}, {0, 0.5, 0}},
       .E = {o, o, o}},
      {.Name = "outside",
       .P = {{2, 2, 2}, {3, 2, 2}, {3, 3, 2}, {2, 3, 2}},
       .Result = false,
       .Out = {{2, 2, 2}, {3, 2, 2}, {3, 3, 2}, {2, 3, 2}},
       .E = {o, o, o}},
      // One corner through the face x = 1: five points, a quad and a triangle.
      {.Name = "one corner out",
       .P = {{0, 0, 0}, {0.5, 0, 0}, {1.5, 0.5, 0}, {0, 0.5, 0}},
       .Result = true,
       .Out = {{0, 0, 0}, {0.5, 0, 0}, {1, 0.25, 0}, {1, 0.5, 0}},
       .E = {{1, 0.5, 0}, {0, 0.5, 0}, {0, 0, 0}}},
      {.Name = "two corners out",
       .P = {{0, 0, 0}, {0.5, 0, 0}, {0.5, 2, 0}, {0, 2, 0}},
       .Result = true,
       .Out = {{0, 0, 0}, {0.5, 0, 0}, {0.5, 1, 0}, {0, 1, 0}},
       .E = {o, o, o}},
      {.Name = "one corner in",
       .P = {{0, 0, 0}, {2, 0, 0}, {2, 2, 0}, {0, 2, 0}},
       .Result = true,
       .Out = {{0, 0, 0}, {1, 0, 0}, {0, 1, 0}, {0, 0, 0}},
       .E = {o, o, o}},
      // Two opposite corners out give six points: the cell is dropped whole.
      {.Name = "six points",
       .P = {{-0.5, -0.5, 0}, {1.5, -0.5, 0}, {0.5, 0.5, 0}, {-0.5, 1.5, 0}},
       .Result = false,
       .Out = {{-0.5, -0.5, 0}, {1.5, -0.5, 0}, {0.5, 0.5, 0}, {-0.5, 1.5, 0}},
       .E = {o, o, o}},
  };
  for (const Row& row : rows) {
    TPoint3D p[4] = {row.P[0], row.P[1], row.P[2], row.P[3]};
    TPoint3D e[3] = {{9, 9, 9}, {9, 9, 9}, {9, 9, 9}};
    EXPECT_EQ(ClipQuad(p[0], p[1], p[2], p[3], -1, 1, -1, 1, -1, 1, e[0], e[1], e[2]), row.Result)
        << row.Name;
    for (int k = 0; k < 4; ++k)
      EXPECT_EQ(p[k], row.Out[k]) << row.Name << " corner " << k << Text(p[k]);
    if (row.Result) {
      for (int k = 0; k < 3; ++k)
        EXPECT_EQ(e[k], row.E[k]) << row.Name << " extra " << k << Text(e[k]);
    }
  }
}

}  // namespace
