// SPDX-License-Identifier: GPL-3.0-or-later
#include "plot/scene.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <sstream>
#include <string>
#include <utility>

namespace {

constexpr double Tolerance = 1e-12;

void ExpectPoint(const TPoint3D& actual, const TPoint3D& expected, const std::string& where) {
  EXPECT_NEAR(actual.X, expected.X, Tolerance) << where;
  EXPECT_NEAR(actual.Y, expected.Y, Tolerance) << where;
  EXPECT_NEAR(actual.Z, expected.Z, Tolerance) << where;
}

TGraphic3D Graphic(int width = 800, int height = 600) {
  TGraphic3D graphic;
  InitGraphic3DForSize(graphic, width, height);
  return graphic;
}

TEST(Scene, InitGraphic3DCentreAndTables) {
  struct Row {
    int Width, Height, CenterX, CenterY;
  };
  const Row rows[] = {
      {800, 600, 400, 300}, {801, 601, 400, 300}, {1, 1, 0, 0}, {-3, -5, -1, -2}, {0, 0, 0, 0}};
  for (const Row& row : rows) {
    const TGraphic3D graphic = Graphic(row.Width, row.Height);
    EXPECT_EQ(graphic.CenterX, row.CenterX) << row.Width;
    EXPECT_EQ(graphic.CenterY, row.CenterY) << row.Height;
  }
  const TGraphic3D graphic = Graphic();
  struct Angle {
    int Degrees;
    double Sin, Cos;
  };
  const Angle angles[] = {
      {0, 0, 1}, {90, 1, 0}, {180, 0, -1}, {270, -1, 0}, {30, 0.5, std::sqrt(3.0) / 2}};
  for (const Angle& a : angles) {
    EXPECT_NEAR(graphic.SinTable[a.Degrees], a.Sin, 1e-15) << a.Degrees;
    EXPECT_NEAR(graphic.CosTable[a.Degrees], a.Cos, 1e-15) << a.Degrees;
  }
}

TEST(Scene, AddLineSplitsIntoEvenPieces) {
  struct Row {
    int Pieces;
    TPoint3D S, E;
  };
  const Row rows[] = {{20, {0, 0, 0}, {1, 0, 0}},
                      {2, {0, 0, 0}, {2, 4, -6}},
                      {1, {1, 2, 3}, {4, 5, 6}},
                      {0, {0, 0, 0}, {1, 1, 1}},
                      {255, {-1, -1, -1}, {1, 1, 1}}};
  for (const Row& row : rows) {
    TObject3D scene;
    AddDot(scene, 1, 0, 9, 9, 9);
    AddLine(scene, static_cast<std::uint8_t>(row.Pieces), 0x00FF00, row.S.X, row.S.Y, row.S.Z,
            row.E.X, row.E.Y, row.E.Z);
    ASSERT_EQ(scene.size(), 1u + row.Pieces) << row.Pieces;
    EXPECT_EQ(scene[0].Kind, TSegmentKind::Dot);
    for (int k = 0; k < row.Pieces; ++k) {
      const TSegment& piece = scene[1 + k];
      const auto at = [&](double t) {
        return TPoint3D{row.S.X + (row.E.X - row.S.X) * t, row.S.Y + (row.E.Y - row.S.Y) * t,
                        row.S.Z + (row.E.Z - row.S.Z) * t};
      };
      EXPECT_EQ(piece.Kind, TSegmentKind::Line);
      EXPECT_EQ(piece.Color, 0x00FF00);
      EXPECT_TRUE(piece.Projected);
      ExpectPoint(piece.P1, at(double(k) / row.Pieces), "piece start");
      ExpectPoint(piece.P2, at(double(k + 1) / row.Pieces), "piece end");
    }
    if (row.Pieces > 0) {
      // The pieces join exactly at the ends.
      EXPECT_EQ(scene[1].P1, row.S);
      EXPECT_EQ(scene.back().P2, row.E);
    }
  }
}

TEST(Scene, AddRoutinesFillTheirFields) {
  TObject3D scene;
  AddQuad(scene, {1, 2, 3}, {4, 5, 6}, {7, 8, 9}, {10, 11, 12}, 0x123456, true);
  AddDot(scene, 4, 0xFF, 1, 2, 3);
  AddText(scene, "", 0, 1, 2, 3, 1, 1, 1);
  AddText(scene, "x", 0xFF00, 1, 2, 3, -1, 1, 0);
  ASSERT_EQ(scene.size(), 3u);
  EXPECT_EQ(scene[0].Kind, TSegmentKind::Quad);
  EXPECT_FALSE(scene[0].Projected);
  EXPECT_EQ(scene[0].P3, (TPoint3D{7, 8, 9}));
  EXPECT_EQ(scene[0].P4, (TPoint3D{10, 11, 12}));
  EXPECT_EQ(scene[1].Kind, TSegmentKind::Dot);
  EXPECT_EQ(scene[1].Radius, 4);
  EXPECT_EQ(scene[1].P2, TPoint3D{});
  EXPECT_EQ(scene[2].Kind, TSegmentKind::Text);
  EXPECT_EQ(scene[2].Text, "x");
  EXPECT_EQ(scene[2].DirX, -1);
  EXPECT_EQ(scene[2].DirY, 1);

  TObject3D copy;
  AddDot(copy, 1, 1, 1, 1, 1);
  CopyObject(scene, copy);
  ASSERT_EQ(copy.size(), 3u);
  EXPECT_EQ(copy[2].Text, "x");
  CopyObject(copy, copy);
  EXPECT_EQ(copy.size(), 3u);
  ClearObject(copy);
  EXPECT_TRUE(copy.empty());
}

// A segment's text is held behind a pointer; it must still behave as the
// string it replaced: copies are independent, a moved-to segment keeps it,
// and the empty text is the empty string.
TEST(Scene, SegmentTextIsAValue) {
  TObject3D scene;
  AddText(scene, "label", 0, 1, 2, 3, 0, 0, 0);
  AddQuad(scene, {}, {}, {}, {}, 1);
  TObject3D copy = scene;
  copy[0].Text = std::string("changed");
  EXPECT_EQ(scene[0].Text, "label") << "a copy shares no text with its source";
  EXPECT_EQ(copy[0].Text, "changed");
  EXPECT_FALSE(copy[0].Text == scene[0].Text);

  TSegment moved = std::move(copy[0]);
  EXPECT_EQ(moved.Text, "changed");
  EXPECT_EQ(moved.Text.str(), "changed");

  const TSegmentText& none = scene[1].Text;
  EXPECT_TRUE(none.empty());
  EXPECT_EQ(none, "");
  EXPECT_EQ(none.str(), std::string());
  EXPECT_EQ(none, TSegmentText(""));

  TSegmentText text("abc");
  const TSegmentText& self = text;
  text = self;
  EXPECT_EQ(text, "abc") << "assigning a text to itself keeps it";
  text = std::string();
  EXPECT_TRUE(text.empty());

  std::ostringstream out;
  out << scene[0].Text << '|' << none << '|';
  EXPECT_EQ(out.str(), "label||");
}

TEST(Scene, MoveAndScaleTouchOnlyProjectedSegments) {
  TObject3D scene;
  AddQuad(scene, {1, 1, 1}, {2, 2, 2}, {3, 3, 3}, {4, 4, 4}, 0);
  AddQuad(scene, {1, 1, 1}, {2, 2, 2}, {3, 3, 3}, {4, 4, 4}, 0, true);
  MoveObject(scene, 1, -1, 10);
  ScaleObject(scene, 2, 3, -1);
  struct Row {
    int Segment;
    TPoint3D P1, P4;
  };
  const Row rows[] = {{0, {4, 0, -11}, {10, 9, -14}}, {1, {1, 1, 1}, {4, 4, 4}}};
  for (const Row& row : rows) {
    EXPECT_EQ(scene[row.Segment].P1, row.P1) << row.Segment;
    EXPECT_EQ(scene[row.Segment].P4, row.P4) << row.Segment;
  }
}

TEST(Scene, RotateObjectTurnsVertices) {
  struct Row {
    int A1, A2, A3;
    TPoint3D In, Out;
  };
  const Row rows[] = {
      {0, 0, 90, {1, 0, 0}, {0, 1, 0}},
      {90, 0, 0, {0, 1, 0}, {0, 0, 1}},
      {0, 90, 0, {0, 0, 1}, {1, 0, 0}},
      {0, 0, 0, {1, 2, 3}, {1, 2, 3}},
      {30, 30, 0, {1, 2, 3}, {2.6650635094610964, 0.23205080756887764, 2.616025403784439}},
      // X-Y first, then Y-Z, then Z-X.
      {30, 30, 30, {1, 2, 3}, {1.7410254037844384, 0.43301270189221963, 3.28349364905389}},
      // Angles outside the tables are reduced into 0..359.
      {0, 0, 450, {1, 0, 0}, {0, 1, 0}},
      {-270, 0, 0, {0, 1, 0}, {0, 0, 1}},
      {0, 720, 0, {1, 2, 3}, {1, 2, 3}},
  };
  const TGraphic3D graphic = Graphic();
  for (const Row& row : rows) {
    TObject3D scene;
    AddQuad(scene, row.In, row.In, row.In, row.In, 0);
    AddQuad(scene, row.In, row.In, row.In, row.In, 0, true);
    RotateObject(graphic, scene, row.A1, row.A2, row.A3);
    const std::string where =
        std::to_string(row.A1) + "/" + std::to_string(row.A2) + "/" + std::to_string(row.A3);
    ExpectPoint(scene[0].P1, row.Out, where);
    ExpectPoint(scene[0].P4, row.Out, where);
    EXPECT_EQ(scene[1].P1, row.In) << where;
  }
}

TEST(Scene, RotateObjectPlacesTexts) {
  struct Row {
    int DirX, DirY, DirZ;
    int A1, A2, A3;
    int OutX, OutY;
  };
  const Row rows[] = {
      // Below the anchor while cos(Alpha) > 0, above once it is negative.
      {0, -1, 0, 30, 0, 0, 0, -1},
      {0, -1, 0, 120, 0, 0, 0, 1},
      // DirZ pushes the vertical placement by the sine's sign.
      {0, 0, 1, 30, 0, 0, 0, -1},
      {0, 0, 1, 270, 0, 0, 0, 1},
      {0, 1, 1, 30, 0, 0, 0, 0},
      {0, -1, 1, 30, 0, 0, 0, -2},
      {1, 1, 1, 30, 30, 0, 2, 0},
      {-1, 1, 1, 0, 30, 0, 0, 1},
      {0, 0, -1, 0, 200, 0, 1, 0},
      // The table's cosine of 90 degrees is a tiny positive number, not 0.
      {1, 0, 0, 0, 0, 90, 1, 1},
      {1, 0, 0, 0, 0, 180, -1, 1},
      {0, 1, 0, 0, 0, 270, 1, -1},
      // Values a file could carry collapse to their signs.
      {100, -100, 0, 0, 0, 30, 1, -1},
      {0, 0, 0, 30, 30, 30, 0, 0},
  };
  const TGraphic3D graphic = Graphic();
  for (const Row& row : rows) {
    TObject3D scene;
    AddText(scene, "t", 0, 0, 0, 0, static_cast<std::int8_t>(row.DirX),
            static_cast<std::int8_t>(row.DirY), static_cast<std::int8_t>(row.DirZ));
    AddText(scene, "t", 0, 0, 0, 0, static_cast<std::int8_t>(row.DirX),
            static_cast<std::int8_t>(row.DirY), static_cast<std::int8_t>(row.DirZ), true);
    RotateObject(graphic, scene, row.A1, row.A2, row.A3);
    const std::string where = std::to_string(row.DirX) + "," + std::to_string(row.DirY) + "," +
                              std::to_string(row.DirZ) + " by " + std::to_string(row.A1) + "/" +
                              std::to_string(row.A2) + "/" + std::to_string(row.A3);
    EXPECT_EQ(scene[0].DirX, row.OutX) << where;
    EXPECT_EQ(scene[0].DirY, row.OutY) << where;
    EXPECT_EQ(scene[0].DirZ, row.DirZ) << where;
    EXPECT_EQ(scene[1].DirX, row.DirX) << where;
    EXPECT_EQ(scene[1].DirY, row.DirY) << where;
  }
}

TEST(Scene, SignAndNormalizeAngle) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  const std::pair<double, double> signs[] = {{1e-300, 1}, {-1e-300, -1}, {0.0, 0}, {-0.0, 0},
                                             {nan, 0},    {-inf, -1},    {inf, 1}};
  for (const auto& [v, s] : signs) EXPECT_EQ(Sign(v), s) << v;
  const std::pair<std::int32_t, std::int32_t> angles[] = {
      {0, 0}, {359, 359}, {360, 0}, {-1, 359}, {725, 5}, {INT32_MIN, 232}, {INT32_MAX, 127}};
  for (const auto& [in, out] : angles) EXPECT_EQ(NormalizeAngle(in), out) << in;
}

}  // namespace
