// The core layers must build without Qt: they are fuzzed with clang alone and
// tested without a display. Any Qt header slipping into them fails here.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

TEST(Layering, CoreFoldersIncludeNoQt) {
  const fs::path src = fs::path(MORVIT_SOURCE_DIR) / "src";
  std::vector<std::string> offenders;
  int filesSeen = 0;
  for (const char* layer : {"term", "document", "plot", "calc", "forms", "ports"}) {
    const fs::path dir = src / layer;
    if (!fs::exists(dir)) continue;
    for (const auto& entry : fs::recursive_directory_iterator(dir)) {
      if (!entry.is_regular_file()) continue;
      ++filesSeen;
      std::ifstream in(entry.path());
      std::string line;
      int number = 0;
      while (std::getline(in, line)) {
        ++number;
        const auto first = line.find_first_not_of(" \t");
        if (first == std::string::npos || line.compare(first, 1, "#") != 0) continue;
        const auto inc = line.find("include", first);
        if (inc == std::string::npos) continue;
        const auto open = line.find_first_of("<\"", inc);
        if (open != std::string::npos && open + 1 < line.size() && line[open + 1] == 'Q')
          offenders.push_back(entry.path().string() + ":" + std::to_string(number));
      }
    }
  }
  EXPECT_GT(filesSeen, 0);
  EXPECT_TRUE(offenders.empty()) << "Qt include in the core: " << offenders.front();
}

TEST(Layering, CoreBuildFileNeverFindsQt) {
  std::ifstream in(fs::path(MORVIT_SOURCE_DIR) / "src" / "CMakeLists.txt");
  std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  ASSERT_FALSE(text.empty());
  EXPECT_EQ(text.find("find_package(Qt"), std::string::npos);
}
