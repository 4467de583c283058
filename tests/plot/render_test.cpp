// SPDX-License-Identifier: GPL-3.0-or-later
#include "plot/render.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <sstream>
#include <string>
#include <vector>

#include "support/recording_canvas.h"

namespace {

using Calls = std::vector<std::string>;
const double NaN = std::numeric_limits<double>::quiet_NaN();
const double Inf = std::numeric_limits<double>::infinity();

// A 200 x 100 image: the model origin lands on pixel (100, 50).
struct Fixture {
  RecordingCanvas Canvas{200, 100};
  TGraphic3D Graphic;
  Fixture() {
    InitGraphic3D(Graphic, Canvas);
    Canvas.Calls.clear();
  }
  Calls Draw(TObject3D& scene, bool sort = false, std::int32_t distance = -1, int a1 = 0,
             int a2 = 0) {
    Canvas.Calls.clear();
    DrawObject(Graphic, Canvas, scene, a1, a2, 0, sort, distance);
    return Canvas.Calls;
  }
};

std::string Joined(const Calls& calls) {
  std::string text;
  for (const auto& c : calls) text += c + "\n";
  return text;
}

TEST(Render, InitSetsTheSceneFont) {
  RecordingCanvas canvas(640, 480);
  TGraphic3D graphic;
  InitGraphic3D(graphic, canvas);
  EXPECT_EQ(canvas.Calls, Calls{"font Courier 10"});
  EXPECT_EQ(graphic.CenterX, 320);
  EXPECT_EQ(graphic.CenterY, 240);
}

TEST(Render, EmptySceneIsAWhiteImage) {
  Fixture f;
  TObject3D scene;
  EXPECT_EQ(f.Draw(scene, true, 500), (Calls{"brush 16777215", "fillrect 0 0 200 100"}));
}

TEST(Render, PaintsInArrayOrderCarryingPenAndBrush) {
  Fixture f;
  TObject3D scene;
  AddLine(scene, 1, 0x0000FF, 0, 0, 5, 10, 20, 5);
  AddQuad(scene, {0, 0, -9}, {10, 0, -9}, {10, 10, -9}, {0, 10, -9}, 0x00FF00);
  AddDot(scene, 3, 0xFF0000, -10, -10, 0);
  AddText(scene, "ab", 0x123456, 0, 0, 0, 1, -1, 0);
  TSegment pixel;
  pixel.Kind = TSegmentKind::Pixel;
  pixel.Projected = false;
  pixel.P1 = {7, 8, 0};
  pixel.Color = 0x777777;
  scene.push_back(pixel);
  AddLine(scene, 1, 0xABCDEF, 0, 0, 0, 1, 1, 0, true);
  const Calls expected = {
      "brush 16777215",
      "fillrect 0 0 200 100",
      "pen 255",
      "moveto 100 50",
      "lineto 110 30",
      "pen 0",
      "brush 65280",
      "polygon 100 50 110 50 110 40 100 40",
      "pen 16711680",
      "brush 16711680",
      "ellipse 87 57 93 63",
      "brush 16777215",
      "fontcolor 1193046",
      "brush 16777215",
      "text 110 60 ab",
      "pixel 7 8 7829367",
      "pen 11259375",
      "moveto 0 0",
      "lineto 1 1",
  };
  // Without the sort the quad stays over the line although it lies behind it.
  EXPECT_EQ(Joined(f.Draw(scene)), Joined(expected));
}

TEST(Render, TextOffsetsForEveryPlacement) {
  // Width 8 per character, height 13: "abcde" is 40 x 13.
  struct Row {
    int Dir, OffsetX, OffsetY;
  };
  const Row rows[] = {
      {1, 10, -13 - 10}, {0, -20, -6 /* 6.5 rounds to even */}, {-1, -40 - 10, 10}, {2, 0, 0},
      {-2, 0, 0},
  };
  for (const Row& x : rows) {
    for (const Row& y : rows) {
      Fixture f;
      TObject3D scene;
      AddText(scene, "abcde", 5, 0, 0, 0, static_cast<std::int8_t>(x.Dir),
              static_cast<std::int8_t>(y.Dir), 0);
      const Calls calls = f.Draw(scene);
      ASSERT_EQ(calls.size(), 5u);
      EXPECT_EQ(calls.back(), "text " + std::to_string(100 + x.OffsetX) + " " +
                                  std::to_string(50 + y.OffsetY) + " abcde")
          << "DirX " << x.Dir << " DirY " << y.Dir;
    }
  }
}

TEST(Render, CentredTextRoundsHalfWidthToEven) {
  struct Row {
    const char* Text;
    int CharWidth, Left;
  };
  // Half widths 2.5, 7.5, 3.5 and 4.
  const Row rows[] = {{"a", 5, 98}, {"abc", 5, 92}, {"a", 7, 96}, {"ab", 4, 96}};
  for (const Row& row : rows) {
    Fixture f;
    f.Canvas.CharWidth = row.CharWidth;
    TObject3D scene;
    AddText(scene, row.Text, 0, 0, 0, 0, 0, 2, 0);
    EXPECT_EQ(f.Draw(scene).back(), "text " + std::to_string(row.Left) + " 50 " + row.Text)
        << row.Text;
  }
}

// Segments tagged by their colour; keys set through z.
TObject3D KeyedScene(const std::vector<double>& keys) {
  TObject3D scene;
  for (std::size_t i = 0; i < keys.size(); ++i)
    AddDot(scene, 1, static_cast<std::int32_t>(i), 0, 0, keys[i]);
  return scene;
}

std::vector<int> Tags(const TObject3D& scene) {
  std::vector<int> tags;
  for (const auto& s : scene) tags.push_back(s.Color);
  return tags;
}

TEST(Render, SortObjectOrder) {
  struct Row {
    const char* Name;
    std::vector<double> Keys;
    std::vector<int> Order;
  };
  const Row rows[] = {
      {"ascending", {3, 1, 2}, {1, 2, 0}},
      {"equal keys stay", {1, 1, 1}, {0, 1, 2}},
      // The first gap of 2 carries the second 2 ahead of the first: not stable.
      {"not stable", {2, 2, 1, 3}, {2, 1, 0, 3}},
      {"nan never swaps", {3, NaN, 1}, {0, 1, 2}},
      {"nan among numbers", {5, 4, NaN, 2, 1}, {3, 0, 2, 4, 1}},
      {"signed zeros are equal", {0.0, -0.0}, {0, 1}},
      {"one", {7}, {0}},
      {"none", {}, {}},
      {"descending", {9, 8, 7, 6, 5, 4, 3, 2, 1, 0}, {9, 8, 7, 6, 5, 4, 3, 2, 1, 0}},
  };
  for (const Row& row : rows) {
    TObject3D scene = KeyedScene(row.Keys);
    SortObject(scene);
    EXPECT_EQ(Tags(scene), row.Order) << row.Name;
  }
}

TEST(Render, SortObjectMatchesTheSegmentShellSort) {
  // The plain Shell sort on whole segments, as the picture was always made.
  const auto reference = [](TObject3D& scene) {
    const std::size_t n = scene.size();
    for (std::size_t gap = n / 2; gap > 0; gap /= 2)
      for (std::size_t i = 0; i + gap < n; ++i) {
        std::size_t j = i;
        while (true) {
          if (!(DepthKey(scene[j]) > DepthKey(scene[j + gap]))) break;
          std::swap(scene[j], scene[j + gap]);
          j = gap < j ? j - gap : 0;
        }
      }
  };
  std::uint32_t seed = 12345;
  const auto next = [&seed]() {
    seed = seed * 1664525u + 1013904223u;
    return seed >> 8;
  };
  for (int round = 0; round < 60; ++round) {
    std::vector<double> keys(round < 40 ? 2 + next() % 250 : 1000 + next() % 3000);
    // Few distinct values so that ties are everywhere; every third round
    // nearly distinct ones, as depths of a surface are.
    for (double& k : keys)
      k = round % 3 == 1 ? static_cast<double>(next() % 100000)
                         : static_cast<double>(next() % 7) - 3;
    if (round % 3 == 0) keys[next() % keys.size()] = NaN;
    TObject3D fast = KeyedScene(keys);
    // Texts long enough to live on the heap travel with their segments.
    for (auto& segment : fast) segment.Text = std::string(40, 'a') + std::to_string(segment.Color);
    TObject3D slow = fast;
    SortObject(fast);
    reference(slow);
    EXPECT_EQ(Tags(fast), Tags(slow)) << "round " << round;
    for (const auto& segment : fast)
      ASSERT_EQ(segment.Text, std::string(40, 'a') + std::to_string(segment.Color));
  }
}

TEST(Render, SortObjectEndsOnKeysArrangedAgainstItsGaps) {
  // Large keys at even, small at odd positions of a power-of-two length: the
  // halving gaps never compare the two halves until the last pass, which then
  // needs n^2 / 8 swaps (half a billion here; it once took seconds per frame).
  const std::size_t n = 1 << 16;
  std::vector<double> keys(n);
  for (std::size_t i = 0; i < n; ++i) keys[i] = static_cast<double>(i % 2 ? i : n + i);
  keys[5] = NaN;
  TObject3D scene = KeyedScene(keys);
  SortObject(scene);
  ASSERT_EQ(scene.size(), n);
  EXPECT_TRUE(std::isnan(scene.back().P1.Z));
  for (std::size_t i = 1; i + 1 < n; ++i) ASSERT_LE(scene[i - 1].P1.Z, scene[i].P1.Z) << i;
  // Equal keys keep their order on this path too.
  TObject3D ties = KeyedScene(std::vector<double>(n, 1.0));
  for (std::size_t i = 0; i < n; i += 2) ties[i].P1.Z = 2.0;
  SortObject(ties);
  for (std::size_t i = 1; i < n; ++i) {
    if (ties[i - 1].P1.Z == ties[i].P1.Z) {
      ASSERT_LT(ties[i - 1].Color, ties[i].Color) << i;
    }
  }
}

TEST(Render, DepthKeyByKind) {
  TObject3D scene;
  AddQuad(scene, {0, 0, 1}, {0, 0, 2}, {0, 0, 3}, {0, 0, 10}, 0);
  AddLine(scene, 1, 0, 0, 0, 1, 0, 0, 4);
  AddText(scene, "t", 0, 0, 0, 7, 0, 0, 0);
  AddDot(scene, 1, 0, 0, 0, -3);
  const double keys[] = {4, 2.5, 7, -3};
  for (std::size_t i = 0; i < scene.size(); ++i) EXPECT_EQ(DepthKey(scene[i]), keys[i]) << i;
}

TEST(Render, EyeDistance) {
  struct Row {
    const char* Name;
    double Z1, Z2, FixedZ, QuadFarZ;
    std::int32_t Distance;
    double D;
  };
  const Row rows[] = {
      {"all behind the plane", -5, 0, 0, 0, 500, 500},
      {"nearest end", 30, -40, 0, 0, 500, 530},
      {"fixed segments do not count", 0, 0, 1000, 0, 100, 100},
      {"third and fourth corners do not count", -1, -1, 0, 900, 100, 100},
      {"parallel", 30, 40, 0, 0, -1, 0},
      {"zero means parallel", 30, 40, 0, 0, 0, 0},
  };
  for (const Row& row : rows) {
    TObject3D scene;
    AddLine(scene, 1, 0, 0, 0, row.Z1, 0, 0, row.Z2);
    AddDot(scene, 1, 0, 0, 0, row.FixedZ, true);
    AddQuad(scene, {0, 0, -1}, {0, 0, -1}, {0, 0, row.QuadFarZ}, {0, 0, row.QuadFarZ}, 0);
    EXPECT_EQ(EyeDistance(scene, row.Distance), row.D) << row.Name;
  }
}

TEST(Render, ProjectVertex) {
  struct Row {
    TPoint3D V;
    bool Projected;
    double D;
    double X, Y;
  };
  const Row rows[] = {
      {{0, 0, 0}, true, 0, 100, 50},
      {{0, 0, 99}, true, 0, 100, 50},
      {{10, 20, 0}, false, 0, 10, 20},
      {{10, 20, 0}, false, 500, 10, 20},
      {{2.5, 1.5, 0}, true, 0, 102, 48},  // halves go to the even neighbour
      {{3.5, -2.5, 0}, true, 0, 104, 52},
      {{100, 100, 250}, true, 500, 300, -150},
      {{100, 100, -500}, true, 500, 150, 0},
      {{-0.5, 0.5, 0}, false, 0, 0, 0},
      {{-1.5, 4.5, 0}, false, 0, -2, 4},
      // Beyond 2^51 halves are still rounded to even, beyond 2^52 all are whole.
      {{-2251799813685248.5, 4503599627370497, 0}, false, 0, -2251799813685248, 4503599627370497},
  };
  Fixture f;
  for (const Row& row : rows) {
    const TPixelPosition p = ProjectVertex(f.Graphic, row.V, row.Projected, row.D);
    EXPECT_EQ(p.X, row.X) << row.V.X << "," << row.V.Y << "," << row.V.Z;
    EXPECT_EQ(p.Y, row.Y) << row.V.X << "," << row.V.Y << "," << row.V.Z;
  }
}

TEST(Render, SortPutsFarSegmentsFirst) {
  Fixture f;
  TObject3D scene;
  AddLine(scene, 1, 1, 0, 0, -10, 10, 0, -10);
  AddQuad(scene, {0, 0, -20}, {1, 0, -20}, {1, 1, -20}, {0, 1, -20}, 2);
  AddDot(scene, 2, 3, 0, 0, -15);
  const Calls calls = f.Draw(scene, true);
  Calls pens;
  for (const auto& call : calls)
    if (call.starts_with("pen ")) pens.push_back(call);
  // Quad (depth -20, black outline), dot (-15), line (-10).
  EXPECT_EQ(pens, (Calls{"pen 0", "pen 3", "pen 1"}));
  EXPECT_EQ(Tags(scene), (std::vector<int>{2, 3, 1}));
}

TEST(Render, NothingNonFiniteReachesTheCanvas) {
  struct Row {
    const char* Name;
    TObject3D Scene;
    double D;     // the eye distance for a perspective argument of 500
    Calls Drawn;  // after the white fill
  };
  const auto line = [](double x) {
    TObject3D s;
    AddLine(s, 1, 9, 0, 0, 0, x, 0, 0);
    return s;
  };
  const auto quad = [](double z) {
    TObject3D s;
    AddQuad(s, {0, 0, 0}, {1, 0, 0}, {1, 1, z}, {0, 1, z}, 9);
    return s;
  };
  const auto dot = [](double x, double y, std::int32_t radius, double z = 0) {
    TObject3D s;
    AddDot(s, radius, 9, x, y, z);
    return s;
  };
  const Row rows[] = {
      {"nan end", line(NaN), 500, {}},
      {"infinite end", line(Inf), 500, {}},
      {"quad corner", quad(NaN), 500, {}},
      // Finite corners whose sum overflows have no depth.
      {"depth overflow", quad(std::numeric_limits<double>::max()), 500, {}},
      // An infinitely near point would put the eye at infinity.
      {"infinite depth", dot(0, 0, 1, Inf), 500, {}},
      {"near point",
       dot(0, 0, 1, 20),
       520,
       {"pen 9", "brush 9", "ellipse 99 49 101 51", "brush 16777215"}},
      // Far beyond the image the line is cut, keeping its direction.
      {"huge line", line(1e12), 500, {"pen 9", "moveto 100 50", "lineto 4194304 50"}},
      {"huge dot", dot(1e12, 0, 5), 500, {}},
      {"huge radius",
       dot(0, 0, INT32_MAX),
       500,
       {"pen 9", "brush 9", "ellipse -4194204 -4194254 4194404 4194354", "brush 16777215"}},
  };
  for (const Row& row : rows) {
    Fixture f;
    TObject3D scene = row.Scene;
    Calls calls = f.Draw(scene, true, 500);
    EXPECT_EQ(f.Graphic.EyeDistance, row.D) << row.Name;
    calls.erase(calls.begin(), calls.begin() + 2);
    EXPECT_EQ(Joined(calls), Joined(row.Drawn)) << row.Name;
  }
}

TEST(Render, PerspectiveDropsQuadsReachingBehindTheEye) {
  Fixture f;
  TObject3D scene;
  // D = 100 + 0; the third corner stands at z = 150, behind the eye.
  AddQuad(scene, {0, 0, 0}, {10, 0, 0}, {10, 10, 150}, {0, 10, 0}, 4);
  AddQuad(scene, {0, 0, 0}, {10, 0, 0}, {10, 10, 50}, {0, 10, 0}, 5);
  const Calls calls = f.Draw(scene, false, 100);
  ASSERT_EQ(calls.size(), 5u);
  EXPECT_EQ(calls[4], "polygon 100 50 110 50 120 30 100 40");
  EXPECT_EQ(f.Graphic.EyeDistance, 100);
}

// Segments between coordinates near the double range: the cut to the limit
// loses more than the limit itself in rounding (or overflows), and its
// corners must still land on the limit, never beyond the 32-bit pixels.
TEST(Render, CutsNearTheDoubleRangeStayOnTheLimit) {
  const double huge = std::numeric_limits<double>::max();
  struct TRow {
    const char* name;
    TObject3D scene;
  };
  std::vector<TRow> rows(6);
  // Found by fuzzing: the cut point is the difference of two numbers near
  // 1.7E81, which rounding leaves near 1E65.
  rows[4].name = "line with lopsided ends";
  AddLine(rows[4].scene, 1, 9, 1.7225278442669096e81, 8, 0, -1.4222222222222224e96, 8, 0);
  rows[5].name = "quad with lopsided corners";
  AddQuad(rows[5].scene, {1.7225278442669096e81, -8, 0}, {-1.4222222222222224e96, -8, 0},
          {-1.4222222222222224e96, 8, 0}, {1.7225278442669096e81, 8, 0}, 4);
  rows[0].name = "diagonal line across the picture";
  AddLine(rows[0].scene, 1, 9, -1e300, -1e300, 0, 1e300, 1e300, 0);
  rows[1].name = "line whose length overflows";
  AddLine(rows[1].scene, 1, 9, -huge, 1, 0, huge, -1, 0);
  rows[2].name = "skewed quad";
  AddQuad(rows[2].scene, {-1e300, -3e299, 0}, {1e300, -1e300, 0}, {7e299, 1e300, 0},
          {-1e300, 2e300, 0}, 4);
  rows[3].name = "quad whose sides overflow";
  AddQuad(rows[3].scene, {-huge, -huge, 0}, {huge, -1, 0}, {huge, huge, 0}, {-1, huge, 0}, 4);
  for (TRow& row : rows) {
    Fixture f;
    const Calls calls = f.Draw(row.scene);
    for (const std::string& call : calls) {
      std::istringstream words(call);
      std::string word;
      words >> word;
      if (word == "pen" || word == "brush") continue;
      while (words >> word) {
        if (word.find_first_not_of("-0123456789") != std::string::npos) continue;
        EXPECT_LE(std::llabs(std::stoll(word)), 4194304 + 200) << row.name << ": " << call;
      }
    }
  }
}

TEST(Render, HugeQuadIsCutToTheLimit) {
  Fixture f;
  TObject3D scene;
  AddQuad(scene, {-1e9, -1e9, 0}, {1e9, -1e9, 0}, {1e9, 1e9, 0}, {-1e9, 1e9, 0}, 4);
  const Calls calls = f.Draw(scene);
  ASSERT_EQ(calls.size(), 5u);
  EXPECT_EQ(calls[4],
            "polygon 4194304 4194304 4194304 -4194304 -4194304 -4194304 -4194304 4194304");
}

}  // namespace

namespace {

TEST(Render, SortObjectOfDistinctDepthsMatchesTheShellSortToo) {
  // Long scenes of nearly distinct depths, as a surface gives, with a tie
  // or with 0 against -0 (equal depths) among them.
  std::uint32_t seed = 777;
  const auto next = [&seed]() {
    seed = seed * 1664525u + 1013904223u;
    return seed >> 8;
  };
  for (const int tie : {0, 1, 2}) {
    std::vector<double> keys(5000);
    for (std::size_t i = 0; i < keys.size(); ++i)
      keys[i] =
          (static_cast<double>(i) - 2500.5) * 0.37 + 1e-3 * static_cast<double>(next() % 1000);
    for (std::size_t i = keys.size() - 1; i > 0; --i) std::swap(keys[i], keys[next() % (i + 1)]);
    if (tie == 1) keys[17] = keys[4000];
    if (tie == 2) {
      keys[10] = 0.0;
      keys[20] = -0.0;
    }
    TObject3D fast = KeyedScene(keys);
    TObject3D slow = fast;
    SortObject(fast);
    const std::size_t n = slow.size();
    for (std::size_t gap = n / 2; gap > 0; gap /= 2)
      for (std::size_t i = 0; i + gap < n; ++i)
        for (std::size_t j = i; DepthKey(slow[j]) > DepthKey(slow[j + gap]);) {
          std::swap(slow[j], slow[j + gap]);
          j = gap < j ? j - gap : 0;
        }
    EXPECT_EQ(Tags(fast), Tags(slow)) << "tie " << tie;
  }
}

}  // namespace
