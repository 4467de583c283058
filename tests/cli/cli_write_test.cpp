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

fs::path TempPath(const std::string& name) {
  return fs::temp_directory_path() /
         ("morvit_write_test_" + std::to_string(::getpid()) + "_" + name);
}

std::string FileBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

struct TRun {
  int status;
  std::string out, err;
};

TRun Cli(const TCliArgs& args) {
  std::ostringstream out, err;
  const int status = RunCli(args, out, err);
  return {status, out.str(), err.str()};
}

}  // namespace

// Writing is a normaliser: the dump of what was written equals the dump of
// the example, and writing the written file again gives the same bytes.
TEST(CliWrite, ExamplesKeepTheirDocument) {
  for (const char* name :
       {"wave-packet.mvf", "diagram-error-bars.mvf", "several-displays.mvf", "log-axes.mvf"}) {
    const std::string example = std::string(MORVIT_SOURCE_DIR) + "/examples/" + name;
    const fs::path once = TempPath("once.mvf"), twice = TempPath("twice.mvf");
    const TRun first = Cli({"write", example, once.string()});
    ASSERT_EQ(first.status, 0) << name << first.err;
    ASSERT_EQ(Cli({"write", once.string(), twice.string()}).status, 0) << name;
    EXPECT_EQ(Cli({"dump", example}).out, Cli({"dump", once.string()}).out) << name;
    EXPECT_EQ(FileBytes(once), FileBytes(twice)) << name;
    fs::remove(once);
    fs::remove(twice);
  }
}

TEST(CliWrite, AnUnreadableFileWritesNothing) {
  const fs::path bad = TempPath("bad.mvf"), target = TempPath("target.mvf");
  const struct {
    const char* What;
    std::string Input;
  } cases[] = {
      {"wrong first line", "morvit v1\r\n"},
      {"malformed number after the header", "Morvit V1\r\n\r\n\r\n1,5\r\n"},
  };
  for (const auto& c : cases) {
    std::ofstream(bad, std::ios::binary) << c.Input;
    std::ofstream(target, std::ios::binary) << "keep me";
    const TRun run = Cli({"write", bad.string(), target.string()});
    EXPECT_EQ(run.status, ExitFailed) << c.What;
    EXPECT_EQ(run.err, "Invalid file.\n") << c.What;
    EXPECT_EQ(FileBytes(target), "keep me") << c.What;
  }
  EXPECT_EQ(Cli({"write", TempPath("missing.mvf").string(), target.string()}).status, ExitFailed);
  EXPECT_EQ(Cli({"write", bad.string()}).status, ExitUsage);
  fs::remove(bad);
  fs::remove(target);
}
