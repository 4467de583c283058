// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop files must agree with each other and with the program: a
// mismatch does not fail any build, it only stops a double click from
// opening a document.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "document/reader.h"

namespace {

std::string Text(const char* relative) {
  std::ifstream in(std::filesystem::path(MORVIT_SOURCE_DIR) / relative, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

// The value of KEY= in a desktop entry, or an empty text.
std::string DesktopValue(const std::string& entry, const std::string& key) {
  const auto at = entry.find("\n" + key + "=");
  if (at == std::string::npos) return {};
  const auto start = at + key.size() + 2;
  return entry.substr(start, entry.find('\n', start) - start);
}

}  // namespace

TEST(Packaging, DesktopEntryMimeTypeAndIconAgree) {
  const std::string desktop = Text("packaging/org.morvit.Morvit.desktop");
  const std::string mime = Text("packaging/morvit-mime.xml");
  ASSERT_FALSE(desktop.empty());
  ASSERT_FALSE(mime.empty());
  EXPECT_TRUE(desktop.starts_with("[Desktop Entry]\n"));
  const struct {
    const char* Key;
    const char* Value;
  } rows[] = {
      {"Type", "Application"},
      // %f: the file of a double click becomes the first argument, which the
      // window opens at start.
      {"Exec", "morvit %f"},
      {"Icon", "morvit"},
      {"MimeType", "application/x-morvit-document;"},
      {"Terminal", "false"},
  };
  for (const auto& row : rows) EXPECT_EQ(DesktopValue(desktop, row.Key), row.Value) << row.Key;

  EXPECT_NE(mime.find("<mime-type type=\"application/x-morvit-document\">"), std::string::npos);
  EXPECT_NE(mime.find("<glob pattern=\"*.mvf\"/>"), std::string::npos);
  // The content rule is the reader's first line and the CR that ends it.
  EXPECT_NE(mime.find("value=\"" + std::string(FileSignature) + "&#13;\""), std::string::npos);
  EXPECT_FALSE(Text("packaging/morvit.svg").empty());
}

// Every source file says under which licence it may be shared, in its first
// lines where tools that collect licences look for it.
TEST(Packaging, EverySourceFileCarriesTheLicenceLine) {
  namespace fs = std::filesystem;
  const fs::path root(MORVIT_SOURCE_DIR);
  const std::string tag = "SPDX-License-Identifier: GPL-3.0-or-later";
  int checked = 0;
  for (const char* folder : {"src", "app", "tests", "bench", "fuzz"}) {
    for (const auto& entry : fs::recursive_directory_iterator(root / folder)) {
      const fs::path& path = entry.path();
      const std::string ext = path.extension().string();
      if (!entry.is_regular_file() || (ext != ".cpp" && ext != ".h")) continue;
      std::ifstream in(path);
      std::string head, line;
      for (int k = 0; k < 3 && std::getline(in, line); ++k) head += line + "\n";
      EXPECT_NE(head.find(tag), std::string::npos) << path;
      ++checked;
    }
  }
  EXPECT_GT(checked, 100);
}
