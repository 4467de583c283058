// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "cli/cli.h"
#include "support/cli_run.h"
#include "support/temp_files.h"

namespace fs = std::filesystem;

namespace {}  // namespace

// Writing is a normaliser: the dump of what was written equals the dump of
// the example, and writing the written file again gives the same bytes.
TEST(CliWrite, ExamplesKeepTheirDocument) {
  for (const char* name :
       {"wave-packet.mvf", "diagram-error-bars.mvf", "several-displays.mvf", "log-axes.mvf"}) {
    const std::string example = std::string(MORVIT_SOURCE_DIR) + "/examples/" + name;
    const fs::path once = TempPath("once.mvf"), twice = TempPath("twice.mvf");
    const TCliRun first = RunCapturedCli({"write", example, once.string()});
    ASSERT_EQ(first.Status, 0) << name << first.Err;
    ASSERT_EQ(RunCapturedCli({"write", once.string(), twice.string()}).Status, 0) << name;
    EXPECT_EQ(RunCapturedCli({"dump", example}).Out, RunCapturedCli({"dump", once.string()}).Out)
        << name;
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
    const TCliRun run = RunCapturedCli({"write", bad.string(), target.string()});
    EXPECT_EQ(run.Status, ExitFailed) << c.What;
    EXPECT_EQ(run.Err, "Invalid file.\n") << c.What;
    EXPECT_EQ(FileBytes(target), "keep me") << c.What;
  }
  EXPECT_EQ(RunCapturedCli({"write", TempPath("missing.mvf").string(), target.string()}).Status,
            ExitFailed);
  EXPECT_EQ(RunCapturedCli({"write", bad.string()}).Status, ExitUsage);
  fs::remove(bad);
  fs::remove(target);
}
