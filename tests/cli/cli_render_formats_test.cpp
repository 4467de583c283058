// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "cli/cli.h"

namespace fs = std::filesystem;

namespace {

std::string Head(const fs::path& path, size_t count) {
  std::ifstream in(path, std::ios::binary);
  std::string bytes(count, '\0');
  in.read(bytes.data(), static_cast<std::streamsize>(count));
  bytes.resize(static_cast<size_t>(in.gcount()));
  return bytes;
}

}  // namespace

// The output's extension chooses the format; anything else is a usage error
// and writes nothing.
TEST(CliRenderFormats, TheExtensionChoosesTheFormat) {
  const std::string example = std::string(MORVIT_SOURCE_DIR) + "/examples/surface-wireframe.mvf";
  const fs::path folder =
      fs::temp_directory_path() / ("morvit_render_" + std::to_string(::getpid()));
  fs::create_directories(folder);
  const struct {
    const char* Name;
    int Status;
    std::string Start;  // the first bytes of the file; empty: no file
  } rows[] = {
      {"out.png", 0, "\x89PNG"},
      {"out.PDF", 0, "%PDF-"},
      {"out.svg", 0, "<?xml"},
      {"out.jpg", 0, "\xFF\xD8\xFF"},
      {"out.jpeg", 0, "\xFF\xD8\xFF"},
      {"out.bmp", 2, ""},
      {"out", 2, ""},
  };
  for (const auto& row : rows) {
    const fs::path out = folder / row.Name;
    std::ostringstream o, e;
    EXPECT_EQ(RunCli({"render", example, "-o", out.string(), "--size", "200x150"}, o, e),
              row.Status)
        << row.Name << e.str();
    if (row.Start.empty()) {
      EXPECT_FALSE(fs::exists(out)) << row.Name;
      EXPECT_NE(e.str().find(".pdf"), std::string::npos) << row.Name << ": names the formats";
    } else {
      EXPECT_EQ(Head(out, row.Start.size()), row.Start) << row.Name;
    }
  }
  // An SVG states the drawing area's size as its view box.
  std::ifstream svg(folder / "out.svg");
  const std::string text((std::istreambuf_iterator<char>(svg)), {});
  EXPECT_NE(text.find("viewBox=\"0 0 200 150\""), std::string::npos);
  fs::remove_all(folder);
}
