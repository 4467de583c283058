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

// How much of Qt a layer may use: none in the core; Qt Gui where pictures are
// painted (the CLI links that library alone, with no widgets); Qt Widgets in
// the windows, the dialogs and the ports' widget implementations.
enum class TQtUse : uint8_t { None, Gui, Widgets };

struct TQtLayer {
  std::set<std::string> Allowed;
  TQtUse Qt = TQtUse::Gui;
};

// The folders the Qt layers may include from, as their link lines say: the
// painting port on Qt Gui (qt) on the plot; the CLI on it and the core; the
// dialogs on the forms; the ports' widget implementations (qt_widgets) on the
// dialogs' message catalogue and colours; the main window on all of them.
const std::map<std::string, TQtLayer>& QtLayers() {
  static const std::set<std::string> core = {"forms", "plot", "calc", "document", "ports", "term"};
  static const auto with = [](std::set<std::string> folders) {
    folders.insert(core.begin(), core.end());
    return folders;
  };
  static const std::map<std::string, TQtLayer> layers = {
      {"qt", {{"qt", "plot", "document", "ports", "term"}, TQtUse::Gui}},
      {"cli", {with({"cli", "qt"}), TQtUse::Gui}},
      {"dialogs", {with({"dialogs"}), TQtUse::Widgets}},
      {"qt_widgets", {with({"qt_widgets", "dialogs"}), TQtUse::Widgets}},
      {"main", {with({"main", "qt_widgets", "dialogs", "qt"}), TQtUse::Widgets}},
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

// A header of Qt Widgets: named with its module, or found among the module's
// headers where the build told us where they are.
bool IsWidgetsHeader(const std::string& header) {
  if (header.compare(0, 10, "QtWidgets/") == 0) return true;
#ifdef MORVIT_QT_WIDGETS_HEADERS
  return fs::exists(fs::path(MORVIT_QT_WIDGETS_HEADERS) / header);
#else
  return false;
#endif
}

// The lines of text (numbered from 1, with what they include) that a file of
// a layer allowed the given folders and that use of Qt must not contain: a
// Qt header beyond that use, or a header of a layer that is not below it.
std::vector<std::string> ForbiddenIncludes(const std::set<std::string>& allowed, TQtUse qtUse,
                                           std::istream& text,
                                           const std::set<std::string>& folders) {
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
    const bool qtBeyondUse =
        qt && (qtUse == TQtUse::None || (qtUse == TQtUse::Gui && IsWidgetsHeader(header)));
    const bool otherLayer = folders.count(folder) != 0 && allowed.count(folder) == 0;
    if (qtBeyondUse || otherLayer) found.push_back(std::to_string(number) + ": " + header);
  }
  return found;
}

// Every forbidden include in the files of one folder of src/.
void CollectOffenders(const std::string& layer, const std::set<std::string>& allowed, TQtUse qtUse,
                      const std::set<std::string>& folders, int& filesSeen,
                      std::vector<std::string>& offenders) {
  const fs::path dir = fs::path(MORVIT_SOURCE_DIR) / "src" / layer;
  if (!fs::exists(dir)) return;
  for (const auto& entry : fs::recursive_directory_iterator(dir)) {
    if (!entry.is_regular_file()) continue;
    ++filesSeen;
    std::ifstream in(entry.path());
    for (const std::string& where : ForbiddenIncludes(allowed, qtUse, in, folders))
      offenders.push_back(entry.path().string() + ":" + where);
  }
}

TEST(Layering, CoreFoldersIncludeOnlyTheLayersBelowAndNoQt) {
  const std::set<std::string> folders = SourceFolders();
  std::vector<std::string> offenders;
  int filesSeen = 0;
  for (const auto& [layer, allowed] : CoreLayers())
    CollectOffenders(layer, allowed, TQtUse::None, folders, filesSeen, offenders);
  EXPECT_GT(filesSeen, 0);
  EXPECT_TRUE(offenders.empty()) << "include across the layering in the core: "
                                 << offenders.front();
}

TEST(Layering, QtFoldersIncludeOnlyTheLayersBelowAndPaintWithoutWidgets) {
  const std::set<std::string> folders = SourceFolders();
  std::vector<std::string> offenders;
  int filesSeen = 0;
  for (const auto& [layer, rule] : QtLayers())
    CollectOffenders(layer, rule.Allowed, rule.Qt, folders, filesSeen, offenders);
  EXPECT_GT(filesSeen, 0);
  EXPECT_TRUE(offenders.empty()) << "include across the layering of the Qt layers: "
                                 << offenders.front();
}

// Every folder of src/ has its rule, so a new folder cannot slip past both.
TEST(Layering, EverySourceFolderHasARule) {
  for (const std::string& folder : SourceFolders())
    EXPECT_TRUE(CoreLayers().count(folder) != 0 || QtLayers().count(folder) != 0) << folder;
}

// The check itself: each line is the only line of a file in the layer named.
struct TIncludeCase {
  const char* layer;
  const char* line;
  bool forbidden;
};

void ExpectRecognised(const std::vector<TIncludeCase>& cases) {
  const std::set<std::string> folders = SourceFolders();
  for (const TIncludeCase& c : cases) {
    const auto core = CoreLayers().find(c.layer);
    const TQtLayer rule =
        core != CoreLayers().end() ? TQtLayer{core->second, TQtUse::None} : QtLayers().at(c.layer);
    std::istringstream text(c.line);
    EXPECT_EQ(!ForbiddenIncludes(rule.Allowed, rule.Qt, text, folders).empty(), c.forbidden)
        << c.layer << ": " << c.line;
  }
}

TEST(Layering, ForbiddenIncludesAreRecognised) {
  ExpectRecognised({
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
  });
}

TEST(Layering, ForbiddenIncludesOfTheQtLayersAreRecognised) {
  ExpectRecognised({
      {"qt", "#include \"plot/picture.h\"", false},
      {"qt", "#include <QImage>", false},
      {"qt", "#include <QtWidgets/QWidget>", true},
      {"qt", "#include \"forms/graph_terms.h\"", true},
      {"qt", "#include \"qt_widgets/qt_prompts.h\"", true},
      {"cli", "#include \"qt/qt_canvas.h\"", false},
      {"cli", "#include \"dialogs/graph_input.h\"", true},
      {"cli", "#include \"main/main_form.h\"", true},
      {"dialogs", "#include \"forms/graph_input_form.h\"", false},
      {"dialogs", "#include <QtWidgets/QDialog>", false},
      {"dialogs", "#include \"qt_widgets/qt_prompts.h\"", true},
      {"dialogs", "#include \"main/main_form.h\"", true},
      {"qt_widgets", "#include \"dialogs/message_catalogue.h\"", false},
      {"qt_widgets", "#include \"main/main_form.h\"", true},
      {"main", "#include \"qt_widgets/help_viewer.h\"", false},
      {"main", "#include \"cli/cli.h\"", true},
  });
}

#ifdef MORVIT_QT_WIDGETS_HEADERS
TEST(Layering, WidgetsHeadersByTheirOwnNamesAreRecognised) {
  EXPECT_TRUE(IsWidgetsHeader("QWidget"));
  EXPECT_TRUE(IsWidgetsHeader("QMessageBox"));
  EXPECT_FALSE(IsWidgetsHeader("QImage"));
  EXPECT_FALSE(IsWidgetsHeader("QString"));
}
#endif

// The painting library and the CLI that links it never ask for Qt Widgets.
TEST(Layering, PaintingBuildFilesNeverFindWidgets) {
  for (const char* folder : {"qt", "cli"}) {
    std::ifstream in(fs::path(MORVIT_SOURCE_DIR) / "src" / folder / "CMakeLists.txt");
    int lines = 0;
    for (std::string line; std::getline(in, line); ++lines) {
      const auto first = line.find_first_not_of(" \t");
      const bool comment = first == std::string::npos || line[first] == '#';
      EXPECT_TRUE(comment || line.find("Widgets") == std::string::npos) << folder << ": " << line;
    }
    EXPECT_GT(lines, 0) << folder;
  }
}

TEST(Layering, CoreBuildFileNeverFindsQt) {
  std::ifstream in(fs::path(MORVIT_SOURCE_DIR) / "src" / "CMakeLists.txt");
  std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  ASSERT_FALSE(text.empty());
  EXPECT_EQ(text.find("find_package(Qt"), std::string::npos);
}

}  // namespace
