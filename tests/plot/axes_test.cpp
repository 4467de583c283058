// SPDX-License-Identifier: GPL-3.0-or-later
#include "plot/axes.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "plot/scene_guard.h"

namespace {

constexpr double NaN = std::numeric_limits<double>::quiet_NaN();
constexpr double Inf = std::numeric_limits<double>::infinity();

// A compact picture of an axis: "-10 m-10 m-8 ... M0 L0" where m is a minor
// mark, M a major mark and L a number label, each with its value.
std::string Describe(const std::vector<TAxisMark>& marks) {
  std::string text;
  for (const TAxisMark& mark : marks) {
    if (!text.empty()) text += ' ';
    text += mark.Kind == TAxisMarkKind::Minor ? "m" : mark.Kind == TAxisMarkKind::Major ? "M" : "L";
    text += RealToStr(mark.Value);
  }
  return text;
}

struct TMarksRow {
  const char* name;
  double min, max;
  bool log;
  double major, minor;
  bool markings;
  bool ok;
  const char* expected;
};

TEST(AxisMarks, PositionsKindsAndLabels) {
  const TMarksRow rows[] = {
      {"default display", -10, 10, false, 10, 2, true, true,
       "L-10 m-10 m-8 m-6 m-4 m-2 M0 L0 m2 m4 m6 m8 M10 L10"},
      {"snaps onto the majors", 0, 1, false, 0.5, 0.25, true, true,
       "L0 m0 m0.25 M0.5 L0.5 m0.75 M1 L1"},
      {"numbers off", 0, 1, false, 0.5, 0.25, false, true, "m0 m0.25 M0.5 m0.75 M1"},
      // After a major the minor step is added again, so majors closer than
      // one minor interval are passed over.
      {"major below minor", 0, 3, false, 1, 2, true, true, "L0 m0 M1 L1"},
      {"range ends between marks", 0, 0.9, false, 0.5, 0.25, true, true,
       "L0 m0 m0.25 M0.5 L0.5 m0.75"},
      {"minimum above maximum keeps only the first number", 5, -5, false, 1, 1, true, true, "L5"},
      {"log base 10, two decades", 0, 2, true, 10, 1, true, true,
       "L1 m1 m2 m3 m4 m5 m6 m7 m8 m9 M10 L10 m20 m30 m40 m50 m60 m70 m80 m90 M100 L100"},
      {"log base 2, minor 0.5", 0, 2, true, 2, 0.5, true, true, "L1 m1 m1.5 M2 L2 m3 M4 L4"},
      {"exactly the bound is kept", 0, MaxAxisMarks - 1, false, 1e9, 1, false, true, nullptr},
      // Hostile intervals and ranges: no marks instead of an endless loop.
      {"one mark over the bound", 0, MaxAxisMarks, false, 1e9, 1, false, false, ""},
      {"minor interval far too small", -10, 10, false, 10, 0.001, true, false, ""},
      {"minor interval 0", -10, 10, false, 10, 0, true, false, ""},
      {"minor interval negative", -10, 10, false, 10, -2, true, false, ""},
      {"minor interval NaN", -10, 10, false, 10, NaN, true, false, ""},
      {"minor interval infinite", -10, 10, false, 10, Inf, true, false, ""},
      {"major interval 0", -10, 10, false, 0, 2, true, false, ""},
      {"major interval negative", -10, 10, false, -10, 2, true, false, ""},
      {"major interval NaN", -10, 10, false, NaN, 2, true, false, ""},
      {"minimum NaN", NaN, 10, false, 10, 2, true, false, ""},
      {"maximum infinite", -10, Inf, false, 10, 2, true, false, ""},
      {"sums no longer change the value", 1e20, 1e20 + 1e6, false, 1e9, 1, true, false, ""},
      {"log base 1", 0, 2, true, 1, 1, true, false, ""},
      {"log base below 1", 0, 2, true, 0.5, 1, true, false, ""},
      {"log base NaN", 0, 2, true, NaN, 1, true, false, ""},
      {"log base infinite", 0, 2, true, Inf, 1, true, false, ""},
      {"log minimum underflows to 0", -400, 2, true, 10, 1, true, false, ""},
      {"log maximum overflows", 0, 400, true, 10, 1, true, false, ""},
      {"log minor interval too small", -300, 300, true, 10, 0.1, true, false, ""},
  };
  for (const TMarksRow& row : rows) {
    std::vector<TAxisMark> marks{{TAxisMarkKind::Major, 99, 99}};  // must be replaced
    const bool ok = AxisMarks(row.min, row.max, row.log, row.major, row.minor, row.markings, marks);
    EXPECT_EQ(ok, row.ok) << row.name;
    if (row.expected) {
      EXPECT_EQ(Describe(marks), row.expected) << row.name;
    } else if (row.ok) {
      EXPECT_EQ(marks.size(), static_cast<size_t>(MaxAxisMarks)) << row.name;
    }
    if (!row.ok) {
      EXPECT_TRUE(marks.empty()) << row.name;
    }
  }
}

TEST(AxisMarks, LogarithmicPositionsAreExponents) {
  std::vector<TAxisMark> marks;
  ASSERT_TRUE(AxisMarks(0, 2, true, 10, 1, false, marks));
  ASSERT_EQ(marks.size(), 19u);
  for (const TAxisMark& mark : marks) EXPECT_NEAR(mark.Position, std::log10(mark.Value), 1e-15);
  EXPECT_EQ(marks[9].Kind, TAxisMarkKind::Major);
  EXPECT_EQ(marks[9].Position, 1);
  EXPECT_EQ(marks[18].Kind, TAxisMarkKind::Major);
  EXPECT_EQ(marks[18].Position, 2);
}

TEST(AxisMarks, LogarithmicRoundingDecidesNextToAMajor) {
  // 0.1 + 0.1 + ... stays just below 1, so the first decade gets a tenth
  // minor mark at 0.999... before the major 1.
  std::vector<TAxisMark> marks;
  ASSERT_TRUE(AxisMarks(-1, 1, true, 10, 1, false, marks));
  ASSERT_EQ(marks.size(), 20u);
  EXPECT_EQ(marks[9].Kind, TAxisMarkKind::Minor);
  EXPECT_LT(marks[9].Value, 1);
  EXPECT_EQ(marks[10].Kind, TAxisMarkKind::Major);
  EXPECT_EQ(marks[10].Value, 1);
}

// Scene queries over the axes of one display.
struct TAxesScene {
  TObject3D scene;
  explicit TAxesScene(TCoordinateSystem display) {
    display.Origin1 = display.Min1;
    display.Origin2 = display.Min2;
    display.Origin3 = display.Min3;
    AddAxes(display, scene);
  }
  std::vector<const TSegment*> Of(TSegmentKind kind) const {
    std::vector<const TSegment*> found;
    for (const TSegment& s : scene)
      if (s.Kind == kind) found.push_back(&s);
    return found;
  }
  std::vector<std::string> Texts() const {
    std::vector<std::string> texts;
    for (const TSegment* s : Of(TSegmentKind::Text)) texts.push_back(s->Text);
    return texts;
  }
};

TEST(AddAxes, DefaultDisplayHasRasterEveryTwoAndNumbersAtTheEndsAndZero) {
  const TAxesScene axes{TCoordinateSystem{}};
  // Raster lines of axis 1 run along axis 2 at fixed X; group their pieces.
  std::map<double, int> piecesAtX;
  std::map<double, int> piecesAtY;
  for (const TSegment* s : axes.Of(TSegmentKind::Line)) {
    EXPECT_EQ(s->Color, 0x00FF00);
    EXPECT_TRUE(s->Projected);
    if (s->P1.X == s->P2.X && s->P1.Y != s->P2.Y) ++piecesAtX[s->P1.X];
    if (s->P1.Y == s->P2.Y && s->P1.X != s->P2.X) ++piecesAtY[s->P1.Y];
  }
  const std::map<double, int> expected{{-10, 40}, {-8, 20}, {-6, 20}, {-4, 20}, {-2, 20}, {0, 20},
                                       {2, 20},   {4, 20},  {6, 20},  {8, 20},  {10, 20}};
  // -10 holds the axis line of axis 2 as well as the first raster line.
  EXPECT_EQ(piecesAtX, expected);
  EXPECT_EQ(piecesAtY, expected);
  EXPECT_EQ(axes.Of(TSegmentKind::Line).size(), 40u + 2 * 11 * 20);
  EXPECT_EQ(axes.Texts(), (std::vector<std::string>{"x", "y", "-10", "0", "10", "-10", "0", "10"}));

  struct TTextRow {
    size_t index;
    TPoint3D anchor;
    int dirX, dirY;
  };
  const TTextRow texts[] = {
      {0, {10, -10, -10}, 1, 0},    // label right of the end of axis 1
      {1, {-10, 10, -10}, 0, 1},    // label above the end of axis 2
      {2, {-10, -10, -10}, 0, -1},  // numbers of axis 1 centred below
      {4, {10, -10, -10}, 0, -1},
      {5, {-10.2, -10, -10}, -1, 0},  // numbers of linear axis 2 keep a gap left
      {7, {-10.2, 10, -10}, -1, 0},
  };
  const auto found = axes.Of(TSegmentKind::Text);
  for (const TTextRow& row : texts) {
    const TSegment& s = *found[row.index];
    EXPECT_EQ(s.P1, row.anchor) << s.Text;
    EXPECT_EQ(s.DirX, row.dirX) << s.Text;
    EXPECT_EQ(s.DirY, row.dirY) << s.Text;
    EXPECT_EQ(s.DirZ, 0) << s.Text;
  }
}

TEST(AddAxes, MarkingsHaveMinorAndMajorLengths) {
  TCoordinateSystem display;
  display.AxisStyle = AxisStyleMarkings;
  display.Min1 = 0;
  display.Max1 = 1;
  display.MajorInterval1 = 0.5;
  display.MinorInterval1 = 0.25;
  display.Min2 = 0;
  display.Max2 = 7;  // mark half-lengths 0.07 (minor) and 0.1 (major)
  display.MajorInterval2 = 100;
  display.MinorInterval2 = 100;
  const TAxesScene axes{display};
  struct TMark {
    double x;
    double half;
  };
  std::vector<TMark> marks;
  for (const TSegment* s : axes.Of(TSegmentKind::Line))
    if (s->P1.X == s->P2.X && s->P1.Y != s->P2.Y && s->P1.Y < 0)
      marks.push_back({s->P1.X, (s->P2.Y - s->P1.Y) / 2});
  ASSERT_EQ(marks.size(), 5u);
  const TMark expected[] = {{0, 0.07}, {0.25, 0.07}, {0.5, 0.1}, {0.75, 0.07}, {1, 0.1}};
  for (size_t i = 0; i < 5; ++i) {
    EXPECT_DOUBLE_EQ(marks[i].x, expected[i].x);
    EXPECT_NEAR(marks[i].half, expected[i].half, 1e-12);
  }
  EXPECT_EQ(axes.Texts(), (std::vector<std::string>{"x", "y", "0", "0.5", "1", "0"}));
}

TEST(AddAxes, ThreeAxesAddAxisThreeWithItsOwnMarks) {
  struct TRow {
    const char* name;
    bool threeAxes;
    bool log3;
    uint8_t style;
    size_t lines;
    std::vector<std::string> texts;
  };
  const TRow rows[] = {
      // 2D: no axis 3, no label z, no raster in the Z direction.
      {.name = "2D raster",
       .threeAxes = false,
       .log3 = false,
       .style = AxisStyleRaster,
       .lines = 40 + 2 * 11 * 20,
       .texts = {"x", "y", "-10", "0", "10", "-10", "0", "10"}},
      // 3D raster: every position of every axis has two lines of 20 pieces.
      {.name = "3D raster",
       .threeAxes = true,
       .log3 = false,
       .style = AxisStyleRaster,
       .lines = 60 + 3 * 11 * 40,
       .texts = {"x", "y", "z", "-10", "0", "10", "-10", "0", "10", "-10", "0", "10"}},
      // Marks: 9 minor of 1 piece per axis; majors of 1 piece, on a linear
      // axis 3 of 2 pieces.
      {.name = "3D markings",
       .threeAxes = true,
       .log3 = false,
       .style = AxisStyleMarkings,
       .lines = 60 + 3 * 9 + 2 * 2 + 2 * 2,
       .texts = {"x", "y", "z", "-10", "0", "10", "-10", "0", "10", "-10", "0", "10"}},
      {.name = "axes only keep lines, labels and numbers",
       .threeAxes = true,
       .log3 = false,
       .style = AxisStyleAxesOnly,
       .lines = 60,
       .texts = {"x", "y", "z", "-10", "0", "10", "-10", "0", "10", "-10", "0", "10"}},
  };
  for (const TRow& row : rows) {
    TCoordinateSystem display;
    display.ThreeAxes = row.threeAxes;
    display.Log3 = row.log3;
    display.AxisStyle = row.style;
    const TAxesScene axes{display};
    EXPECT_EQ(axes.Of(TSegmentKind::Line).size(), row.lines) << row.name;
    EXPECT_EQ(axes.Texts(), row.texts) << row.name;
    bool anyAlongZ = false;
    for (const TSegment* s : axes.Of(TSegmentKind::Line)) anyAlongZ |= s->P1.Z != s->P2.Z;
    EXPECT_EQ(anyAlongZ, row.threeAxes) << row.name;
  }
}

TEST(AddAxes, LogarithmicAxisThreeHasOnePieceMajorsAndNumbersBelowRight) {
  TCoordinateSystem display;
  display.ThreeAxes = true;
  display.AxisStyle = AxisStyleMarkings;
  display.Log3 = true;
  display.Min3 = 0;  // values 1 .. 100
  display.Max3 = 2;
  display.MinorInterval3 = 1;
  const TAxesScene axes{display};
  std::multiset<double> markZ;
  for (const TSegment* s : axes.Of(TSegmentKind::Line))
    if (s->P1.Z == s->P2.Z && s->P1.X == -10 && s->P2.X == -10 && s->P1.Y < -10)
      markZ.insert(s->P1.Z);
  // 18 minor and 2 major marks, each one piece, at exponents of the values.
  EXPECT_EQ(markZ.size(), 20u);
  EXPECT_EQ(markZ.count(1.0), 1u);
  EXPECT_EQ(markZ.count(2.0), 1u);
  EXPECT_EQ(markZ.count(std::log(5.0) / std::log(10.0)), 1u);
  const auto texts = axes.Of(TSegmentKind::Text);
  const TSegment& hundred = *texts.back();
  EXPECT_EQ(hundred.Text, "100");
  EXPECT_EQ(hundred.P1, (TPoint3D{-10, -10.2, 2}));
  EXPECT_EQ(hundred.DirX, 1);
  EXPECT_EQ(hundred.DirY, -1);
}

TEST(AddAxes, HostileDisplaysStayFiniteAndBounded) {
  struct TRow {
    const char* name;
    void (*change)(TCoordinateSystem&);
  };
  const TRow rows[] = {
      {"minimum NaN", [](TCoordinateSystem& d) { d.Min1 = NaN; }},
      {"range infinite", [](TCoordinateSystem& d) { d.Max2 = Inf; }},
      {"range beyond the double range when subtracted",
       [](TCoordinateSystem& d) { d.Min1 = -1.5e308, d.Max1 = 1.5e308; }},
      {"minimum equals maximum", [](TCoordinateSystem& d) { d.Min1 = d.Max1 = 3; }},
      {"minimum above maximum", [](TCoordinateSystem& d) { d.Min2 = 10, d.Max2 = -10; }},
      {"all intervals 0",
       [](TCoordinateSystem& d) {
         d.MajorInterval1 = d.MajorInterval2 = d.MajorInterval3 = 0;
         d.MinorInterval1 = d.MinorInterval2 = d.MinorInterval3 = 0;
       }},
      {"tiny minor interval in 3D raster",
       [](TCoordinateSystem& d) {
         d.ThreeAxes = true;
         d.MinorInterval3 = 1e-300;
       }},
      {"log with base 1", [](TCoordinateSystem& d) { d.Log1 = true, d.MajorInterval1 = 1; }},
      {"log with base NaN", [](TCoordinateSystem& d) { d.Log2 = true, d.MajorInterval2 = NaN; }},
  };
  for (const TRow& row : rows) {
    TCoordinateSystem display;
    row.change(display);
    const TAxesScene axes{display};
    // Axis lines (at most 60 pieces), labels and at most the bound's marks
    // with two raster lines each.
    EXPECT_LE(axes.scene.size(), 63u + 3u * (MaxAxisMarks * 41u)) << row.name;
    for (const TSegment& s : axes.scene) EXPECT_TRUE(SegmentFinite(s)) << row.name;
  }
}

}  // namespace
