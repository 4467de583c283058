// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QImage>
#include <charconv>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "cli/cli.h"
#include "document/document.h"
#include "document/reader.h"
#include "plot/plot_display.h"
#include "support/cli_run.h"
#include "support/json_check.h"
#include "support/scripted_prompts.h"

namespace {

namespace fs = std::filesystem;
using Lines = std::vector<std::string>;

const char* const TooManyFree = "Graphs with more than 2 free variables cannot be plotted.";

std::string Number(double value) {
  char buffer[64];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  return std::string(buffer, result.ptr);
}

// The lines of one display, field by field in the order of the file.
Lines DisplayLines(const TCoordinateSystem& d) {
  Lines lines;
  for (double v : {d.Origin1, d.Origin2, d.Origin3, d.Min1, d.Max1, d.Min2, d.Max2, d.Min3, d.Max3,
                   d.Shift1, d.Shift2, d.Shift3, d.Zoom1, d.Zoom2, d.Zoom3})
    lines.push_back(Number(v));
  for (int v : {d.Alpha, d.Beta, d.Gamma, d.Perspective, d.Resolution})
    lines.push_back(std::to_string(v));
  for (const auto* list : {&d.GraphIndices, &d.DiagramIndices}) {
    lines.push_back(std::to_string(static_cast<int>(list->size()) - 1));
    for (auto index : *list) lines.push_back(std::to_string(index));
  }
  for (bool v : {d.ThreeAxes, d.Log1, d.Log2, d.Log3, d.Markings1, d.Markings2, d.Markings3,
                 d.ForceEqualScale})
    lines.push_back(v ? "1" : "0");
  for (double v : {d.MajorInterval1, d.MajorInterval2, d.MajorInterval3, d.MinorInterval1,
                   d.MinorInterval2, d.MinorInterval3})
    lines.push_back(Number(v));
  lines.push_back(std::to_string(d.DisplayStyle));
  lines.push_back(std::to_string(d.AxisStyle));
  lines.insert(lines.end(), {d.Label1, d.Label2, d.Label3, std::to_string(d.AxisColor)});
  return lines;
}

// A document with the given displays and graphs, no diagrams, an empty 2 x 2
// table and no variables. tail replaces everything after the graphs.
std::string Document(const std::vector<TCoordinateSystem>& displays,
                     const std::vector<TGraph>& graphs, const Lines* tail = nullptr) {
  Lines lines = {"Morvit V1", "", "", std::to_string(static_cast<int>(displays.size()) - 1)};
  for (const auto& d : displays) {
    const Lines block = DisplayLines(d);
    lines.insert(lines.end(), block.begin(), block.end());
  }
  lines.push_back(std::to_string(static_cast<int>(graphs.size()) - 1));
  for (const auto& g : graphs)
    lines.insert(lines.end(),
                 {g.Term1, g.Term2, g.Term3, std::to_string(g.Color1), std::to_string(g.Color2)});
  const Lines rest = {"-1", "2", "2", "", "", "", "", "-1", "-1", "-1", "-1"};
  const Lines& end = tail ? *tail : rest;
  lines.insert(lines.end(), end.begin(), end.end());
  std::string text;
  for (const auto& line : lines) text += line + "\r\n";
  return text;
}

TCoordinateSystem Display(bool threeAxes, std::vector<uint16_t> graphs = {}) {
  TCoordinateSystem d;
  SetDisplayDefaults(d);
  d.ThreeAxes = threeAxes;
  d.GraphIndices = std::move(graphs);
  return d;
}

class CliPlot : public ::testing::Test {
 protected:
  fs::path dir_;
  void SetUp() override {
    dir_ = fs::temp_directory_path() /
           ("morvit_cli_plot_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
            "_" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }

  std::string Write(const std::string& name, const std::string& text) {
    const fs::path path = dir_ / name;
    std::ofstream(path, std::ios::binary) << text;
    return path.string();
  }
  std::string Out(const std::string& name) { return (dir_ / name).string(); }
};

Lines SplitLines(const std::string& text) {
  Lines lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

TEST_F(CliPlot, ScenePrintsOneJsonSegmentPerLine) {
  const std::string examples = std::string(MORVIT_SOURCE_DIR) + "/examples/";
  struct Row {
    const char* File;
    const char* MustHaveKind;
  };
  const Row rows[] = {{"surface-solid.mvf", "Quad"},
                      {"wave-packet.mvf", "Line"},
                      {"diagram-error-bars.mvf", "Dot"},
                      {"surface-points.mvf", "Text"}};
  for (const Row& row : rows) {
    const TCliRun r = RunCapturedCli({"scene", examples + row.File});
    EXPECT_EQ(r.Status, 0) << row.File << r.Err;
    EXPECT_EQ(r.Err, "") << row.File;
    const Lines lines = SplitLines(r.Out);
    ASSERT_GT(lines.size(), 10u) << row.File;
    bool found = false;
    for (const auto& line : lines) {
      std::string error;
      ASSERT_TRUE(IsValidJson(line, &error)) << row.File << ": " << line << " " << error;
      ASSERT_TRUE(line.starts_with("{\"Kind\": \"")) << line;
      ASSERT_NE(line.find("\"P3\": ["), std::string::npos) << line;
      ASSERT_TRUE(line.ends_with("\"DirZ\": 0}") || line.ends_with("\"DirZ\": 1}") ||
                  line.ends_with("\"DirZ\": -1}"))
          << line;
      EXPECT_EQ(line.find("null"), std::string::npos) << line;
      found = found || line.starts_with(std::string("{\"Kind\": \"") + row.MustHaveKind + "\"");
    }
    EXPECT_TRUE(found) << row.File << " has no " << row.MustHaveKind;
  }
}

TEST_F(CliPlot, ScenePrintsWhatThePlottingDriverBuilds) {
  const std::string examples = std::string(MORVIT_SOURCE_DIR) + "/examples/";
  struct Row {
    const char* File;
    int Display;
  };
  const Row rows[] = {
      {"several-displays.mvf", 0}, {"several-displays.mvf", 3}, {"log-axes.mvf", 0}};
  for (const Row& row : rows) {
    const TCliRun r =
        RunCapturedCli({"scene", examples + row.File, "--display", std::to_string(row.Display)});
    ASSERT_EQ(r.Status, 0) << row.File << r.Err;
    TDocument document;
    CreateDocument(document);
    TStringGrid table;
    ASSERT_TRUE(OpenDocument(examples + row.File, document, table));
    ScriptedPrompts prompts;
    TObject3D scene;
    ASSERT_TRUE(PlotDisplay(document, row.Display, scene, prompts));
    const Lines lines = SplitLines(r.Out);
    ASSERT_EQ(lines.size(), scene.size()) << row.File;
    const char* const kinds[] = {"Pixel", "Line", "Text", "Dot", "Quad"};
    for (std::size_t i = 0; i < scene.size(); ++i) {
      const std::string kind = kinds[static_cast<int>(scene[i].Kind)];
      ASSERT_TRUE(lines[i].starts_with("{\"Kind\": \"" + kind + "\"")) << i << " " << lines[i];
      ASSERT_NE(lines[i].find("\"Color\": " + std::to_string(scene[i].Color) + ","),
                std::string::npos)
          << i << " " << lines[i];
    }
  }
}

TEST_F(CliPlot, SceneLineFormat) {
  // The first segment of a 2D default display is a line of its axes.
  const std::string file = Write("plain.mvf", Document({Display(false)}, {}));
  const TCliRun r = RunCapturedCli({"scene", file});
  ASSERT_EQ(r.Status, 0) << r.Err;
  const Lines lines = SplitLines(r.Out);
  ASSERT_FALSE(lines.empty());
  EXPECT_TRUE(lines[0].starts_with("{\"Kind\": \"Line\", \"P1\": [")) << lines[0];
  EXPECT_NE(lines[0].find(", \"Radius\": 0, \"Color\": "), std::string::npos) << lines[0];
  EXPECT_NE(lines[0].find(", \"Projected\": true, \"Text\": \"\", \"DirX\": "), std::string::npos)
      << lines[0];
}

TEST_F(CliPlot, ExitStatuses) {
  const std::string plain = Write("plain.mvf", Document({Display(false)}, {}));
  const std::string two = Write("two.mvf", Document({Display(false), Display(true)}, {}));
  const std::string none = Write("none.mvf", Document({}, {}));
  TGraph tooMany;
  tooMany.Term1 = "x";
  tooMany.Term2 = "a+b+c";
  // a, b and c range over 0..1 in the variable table: three free variables.
  const Lines freeTail = {"-1", "2", "2", "",  "",  "",  "",  "2", "a", "b", "c",
                          "2",  "0", "0", "0", "0", "0", "0", "2", "1", "0", "1",
                          "0",  "1", "0", "2", "0", "0", "0", "0", "0", "0"};
  const std::string stopped =
      Write("stopped.mvf", Document({Display(false, {0})}, {tooMany}, &freeTail));
  const Lines badTail = {"zz"};
  const std::string invalid = Write("invalid.mvf", Document({Display(false)}, {}, &badTail));
  // The file breaks off at the actual values, after the ranges.
  Lines brokenTail(freeTail.begin(), freeTail.begin() + 25);
  brokenTail.push_back("zz");
  const std::string invalidAndStopped =
      Write("both.mvf", Document({Display(false, {0})}, {tooMany}, &brokenTail));
  const std::string png = Out("out.png");
  struct Row {
    TCliArgs Args;
    int Status;
    bool Output;      // something on stdout
    const char* Err;  // expected in stderr ("" for nothing at all)
  };
  const Row rows[] = {
      {{"scene", plain}, 0, true, ""},
      {{"scene", two, "--display", "1"}, 0, true, ""},
      {{"scene", two, "--display", "2"}, 2, false, "no display 2"},
      {{"scene", none}, 0, false, ""},
      {{"scene", none, "--display", "0"}, 2, false, "no display 0"},
      {{"scene", stopped}, 3, true, TooManyFree},
      {{"scene", invalid}, 1, true, "Invalid file."},
      {{"scene", invalidAndStopped}, 3, true, TooManyFree},
      {{"scene", Out("missing.mvf")}, 1, false, "Invalid file."},
      {{"scene"}, 2, false, "usage"},
      {{"scene", plain, "--display"}, 2, false, "usage"},
      {{"scene", plain, "--display", "-1"}, 2, false, "usage"},
      {{"scene", plain, "--display", "1x"}, 2, false, "usage"},
      {{"scene", plain, "extra"}, 2, false, "usage"},
      {{"scene", plain, "-o", png}, 2, false, "usage"},
      {{"render", plain}, 2, false, "usage"},
      {{"render", plain, "-o"}, 2, false, "usage"},
      {{"render", plain, "-o", png, "--size", "0x10"}, 2, false, "usage"},
      {{"render", plain, "-o", png, "--size", "100000x10"}, 2, false, "usage"},
      {{"render", plain, "-o", png, "--size", "800"}, 2, false, "usage"},
      {{"render", plain, "-o", png, "--size", "-8x-6"}, 2, false, "usage"},
      {{"render", plain, "-o", png, "--scale"}, 2, false, "usage"},
      {{"render", plain, "-o", png, "--scale", "0.5"}, 2, false, "usage"},
      {{"render", plain, "-o", png, "--scale", "4.01"}, 2, false, "usage"},
      {{"render", plain, "-o", png, "--scale", "nan"}, 2, false, "usage"},
      {{"render", plain, "-o", png, "--scale", "2x"}, 2, false, "usage"},
      // 8192 logical pixels at scale 2 would be a picture of 16384 pixels.
      {{"render", plain, "-o", png, "--size", "8192x10", "--scale", "2"}, 2, false, "usage"},
      // ... a vector picture ignores the scale.
      {{"render", plain, "-o", Out("wide.svg"), "--size", "8192x10", "--scale", "2"}, 0, false, ""},
      {{"render", two, "-o", png, "--display", "7"}, 2, false, "no display 7"},
      {{"render", stopped, "-o", png}, 3, false, TooManyFree},
      {{"render", plain, "-o", Out("no/such/dir/x.png")}, 1, false, "cannot write"},
  };
  for (const Row& row : rows) {
    std::string name;
    for (const auto& a : row.Args) name += fs::path(a).filename().string() + " ";
    fs::remove(png);
    const TCliRun r = RunCapturedCli(row.Args);
    EXPECT_EQ(r.Status, row.Status) << name << r.Err;
    EXPECT_EQ(!r.Out.empty(), row.Output) << name;
    if (std::string(row.Err).empty()) {
      EXPECT_EQ(r.Err, "") << name;
    } else {
      EXPECT_NE(r.Err.find(row.Err), std::string::npos) << name << ": " << r.Err;
    }
    if (row.Args[0] == std::string("render")) {
      EXPECT_FALSE(fs::exists(png)) << name << " wrote a picture";
    }
  }
}

TEST_F(CliPlot, RenderWritesThePicture) {
  TCoordinateSystem hostile = Display(true, {0});
  hostile.Min1 = hostile.Max1 = 3;
  hostile.Zoom2 = 0;
  hostile.Alpha = 100000;
  hostile.Beta = -7;
  hostile.Perspective = 1;
  hostile.Resolution = 100000;
  TGraph surface;
  surface.Term1 = "x";
  surface.Term2 = "y";
  surface.Term3 = "1/(x*y)";
  struct Row {
    const char* Name;
    std::string Document;
    TCliArgs Extra;
    int Width, Height;
    bool WhiteCorner;
  };
  const Row rows[] = {
      {"default", Document({Display(false)}, {}), {}, 800, 600, true},
      {"small", Document({Display(true, {0})}, {surface}), {"--size", "37x23"}, 37, 23, true},
      {"scale 2", Document({Display(false)}, {}), {"--scale", "2"}, 1600, 1200, true},
      {"scale 1.5",
       Document({Display(false)}, {}),
       {"--size", "37x23", "--scale", "1.5"},
       56,
       35,
       true},
      {"hostile", Document({hostile}, {surface}), {"--size", "120x90"}, 120, 90, true},
      // Without a display the drawing area stays black as the resize left it.
      {"no display", Document({}, {}), {"--size", "10x10"}, 10, 10, false},
  };
  for (const Row& row : rows) {
    const std::string file = Write("in.mvf", row.Document);
    const std::string png = Out(std::string(row.Name) + ".png");
    TCliArgs args = {"render", file, "-o", png};
    args.insert(args.end(), row.Extra.begin(), row.Extra.end());
    const TCliRun r = RunCapturedCli(args);
    EXPECT_EQ(r.Status, 0) << row.Name << r.Err;
    EXPECT_EQ(r.Out, "") << row.Name;
    QImage image;
    ASSERT_TRUE(image.load(QString::fromStdString(png), "PNG")) << row.Name;
    EXPECT_EQ(image.width(), row.Width) << row.Name;
    EXPECT_EQ(image.height(), row.Height) << row.Name;
    EXPECT_EQ(image.pixel(0, 0) & 0xFFFFFF, row.WhiteCorner ? 0xFFFFFFu : 0u) << row.Name;
  }
}

}  // namespace
