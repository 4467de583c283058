// SPDX-License-Identifier: GPL-3.0-or-later
// The core layers must build without Qt: they are fuzzed with clang alone and
// tested without a display. Any Qt header slipping into them fails here, and
// so does an include that reaches up or across the layering, which the link
// lines would only catch once the two libraries happen to be linked apart.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

// The folders of src/ each core folder may include from, itself among them:
// term < document < plot < forms, calc beside the plot on the term, the ports
// at the side for the plot and the forms. The link lines in src/CMakeLists.txt
// say the same.
const std::map<std::string, std::set<std::string>>& CoreLayers() {
  static const std::map<std::string, std::set<std::string>> layers = {
      {"term", {"term"}},
      {"ports", {"ports"}},
      {"document", {"document", "term"}},
      {"calc", {"calc", "term"}},
      {"plot", {"plot", "document", "ports", "term"}},
      {"forms", {"forms", "plot", "calc", "document", "ports", "term"}},
  };
  return layers;
}

// The folders of src/, so that an include of a library header such as
// "csv.h" or <gtest/gtest.h> is never taken for a layer.
std::set<std::string> SourceFolders() {
  std::set<std::string> folders;
  for (const auto& entry : fs::directory_iterator(fs::path(MORVIT_SOURCE_DIR) / "src"))
    if (entry.is_directory()) folders.insert(entry.path().filename().string());
  return folders;
}

// The lines of text (numbered from 1, with what they include) that a file of
// the given core layer must not contain: a Qt header, or a header of a layer
// that is not below it.
std::vector<std::string> ForbiddenIncludes(const std::string& layer, std::istream& text,
                                           const std::set<std::string>& folders) {
  const std::set<std::string>& allowed = CoreLayers().at(layer);
  std::vector<std::string> found;
  std::string line;
  for (int number = 1; std::getline(text, line); ++number) {
    const auto first = line.find_first_not_of(" \t");
    if (first == std::string::npos || line.compare(first, 1, "#") != 0) continue;
    const auto inc = line.find("include", first);
    if (inc == std::string::npos) continue;
    const auto open = line.find_first_of("<\"", inc);
    if (open == std::string::npos || open + 1 >= line.size()) continue;
    const auto close = line.find_first_of(">\"", open + 1);
    const std::string header =
        line.substr(open + 1, close == std::string::npos ? close : close - open - 1);
    const auto slash = header.find('/');
    const std::string folder = slash == std::string::npos ? std::string() : header.substr(0, slash);
    const bool qt = header.compare(0, 1, "Q") == 0;
    const bool otherLayer = folders.count(folder) != 0 && allowed.count(folder) == 0;
    if (qt || otherLayer) found.push_back(std::to_string(number) + ": " + header);
  }
  return found;
}

TEST(Layering, CoreFoldersIncludeOnlyTheLayersBelowAndNoQt) {
  const fs::path src = fs::path(MORVIT_SOURCE_DIR) / "src";
  const std::set<std::string> folders = SourceFolders();
  std::vector<std::string> offenders;
  int filesSeen = 0;
  for (const auto& [layer, allowed] : CoreLayers()) {
    const fs::path dir = src / layer;
    if (!fs::exists(dir)) continue;
    for (const auto& entry : fs::recursive_directory_iterator(dir)) {
      if (!entry.is_regular_file()) continue;
      ++filesSeen;
      std::ifstream in(entry.path());
      for (const std::string& where : ForbiddenIncludes(layer, in, folders))
        offenders.push_back(entry.path().string() + ":" + where);
    }
  }
  EXPECT_GT(filesSeen, 0);
  EXPECT_TRUE(offenders.empty()) << "include across the layering in the core: "
                                 << offenders.front();
}

// The check itself: each line is the only line of a file in the layer named.
TEST(Layering, ForbiddenIncludesAreRecognised) {
  struct Case {
    const char* layer;
    const char* line;
    bool forbidden;
  };
  const Case cases[] = {
      {"term", "#include \"term/complex.h\"", false},
      {"term", "#include \"document/document.h\"", true},
      {"document", "#include \"term/compiler.h\"", false},
      {"document", "#include \"plot/scene.h\"", true},
      {"document", "#include \"ports/prompts.h\"", true},
      {"plot", "#include \"ports/canvas.h\"", false},
      {"plot", "#include \"forms/view_control.h\"", true},
      {"plot", "#include \"calc/calculator.h\"", true},
      {"calc", "#include \"document/document.h\"", true},
      {"forms", "#include \"calc/calculator.h\"", false},
      {"forms", "#  include \"dialogs/graph_input.h\"", true},
      {"forms", "#include \"cli/cli.h\"", true},
      {"forms", "#include \"qt/qt_canvas.h\"", true},
      {"ports", "#include \"term/complex.h\"", true},
      {"plot", "#include <QImage>", true},
      {"term", "#include <QtCore/QString>", true},
      {"document", "#include <csv.h>", false},
      {"term", "#include <string_view>", false},
      {"forms", "// #include \"dialogs/graph_input.h\"", false},
  };
  const std::set<std::string> folders = SourceFolders();
  for (const Case& c : cases) {
    std::istringstream text(c.line);
    EXPECT_EQ(!ForbiddenIncludes(c.layer, text, folders).empty(), c.forbidden)
        << c.layer << ": " << c.line;
  }
}

TEST(Layering, CoreBuildFileNeverFindsQt) {
  std::ifstream in(fs::path(MORVIT_SOURCE_DIR) / "src" / "CMakeLists.txt");
  std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  ASSERT_FALSE(text.empty());
  EXPECT_EQ(text.find("find_package(Qt"), std::string::npos);
}

}  // namespace
