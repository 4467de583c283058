// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "cli/cli.h"
#include "support/cli_run.h"
#include "support/json_check.h"

namespace fs = std::filesystem;

namespace {

using Lines = std::vector<std::string>;

std::string Mvf(const Lines& lines) {
  std::string text;
  for (const auto& line : lines) text += line + "\r\n";
  return text;
}

// A file in the temporary directory, removed again at the end of the test.
class TTempFile {
 public:
  explicit TTempFile(const std::string& bytes) {
    static int counter = 0;
    path_ = fs::temp_directory_path() / ("morvit_dump_test_" + std::to_string(::getpid()) + "_" +
                                         std::to_string(counter++) + ".mvf");
    std::ofstream(path_, std::ios::binary) << bytes;
  }
  ~TTempFile() {
    std::error_code error;
    fs::remove(path_, error);
  }
  std::string Path() const { return path_.string(); }

 private:
  fs::path path_;
};

TCliRun Dump(const std::string& path) { return RunCapturedCli({"dump", path}); }

const Lines DefaultDisplay = {
    "-10", "-10", "-10", "-10", "10",  "-10", "10", "-10", "10", "0", "0", "0", "1", "1",
    "1",   "0",   "0",   "0",   "500", "100", "-1", "-1",  "0",  "0", "0", "0", "1", "1",
    "1",   "0",   "10",  "10",  "10",  "2",   "2",  "2",   "1",  "1", "x", "y", "z", "65280"};

const char* const DefaultDisplayJson =
    R"({"Origin1": -10, "Origin2": -10, "Origin3": -10, "Min1": -10, "Max1": 10, )"
    R"("Min2": -10, "Max2": 10, "Min3": -10, "Max3": 10, "Shift1": 0, "Shift2": 0, )"
    R"("Shift3": 0, "Zoom1": 1, "Zoom2": 1, "Zoom3": 1, "Alpha": 0, "Beta": 0, "Gamma": 0, )"
    R"("Perspective": 500, "Resolution": 100, "GraphIndices": [], "DiagramIndices": [], )"
    R"("ThreeAxes": false, "Log1": false, "Log2": false, "Log3": false, "Markings1": true, )"
    R"("Markings2": true, "Markings3": true, "ForceEqualScale": false, "MajorInterval1": 10, )"
    R"("MajorInterval2": 10, "MajorInterval3": 10, "MinorInterval1": 2, "MinorInterval2": 2, )"
    R"("MinorInterval3": 2, "DisplayStyle": 1, "AxisStyle": 1, "Label1": "x", "Label2": "y", )"
    R"("Label3": "z", "AxisColor": 65280})";

Lines Concat(std::initializer_list<Lines> parts) {
  Lines all;
  for (const auto& part : parts) all.insert(all.end(), part.begin(), part.end());
  return all;
}

}  // namespace

TEST(Dump, TheNewDocumentFile) {
  const TTempFile file(
      Mvf(Concat({{"Morvit V1", "", "", "0"},
                  DefaultDisplay,
                  {"-1", "-1", "2", "2", "", "", "", "", "-1", "-1", "-1", "-1"}})));
  const TCliRun run = Dump(file.Path());
  EXPECT_EQ(run.Status, 0);
  EXPECT_EQ(run.Err, "");
  EXPECT_EQ(run.Out,
            std::string(R"({"Displays": [)") + DefaultDisplayJson +
                R"(], "Graphs": [], "Diagrams": [], "HiddenTable": [["", ""], ["", ""]], )"
                R"("Table": [["", ""], ["", ""]], "VarTable": {"Names": [], "Minimum": [], )"
                R"("Maximum": [], "Actual": []}})"
                "\n");
}

TEST(Dump, TextsNumbersAndTables) {
  const Lines lines = {"Morvit V1", "", "", "-1",
                       // One graph: 8-bit text and JSON escapes.
                       "0", "\xE9t\xE9 \"q\" \\ \x01\t\x7F", "x\ny", "\xFF", "255", "-2147483648",
                       // One diagram.
                       "0", "1", "2", "3", "4", "5", "6", "7", "8", "9", "0.1", "-0", "1E20", "1",
                       "0", "1", "1", "0", "Messung \xB5m", "16711680", "0",
                       // A 3 by 2 table: headers and a computing cell.
                       "3", "2", "", "Row1", "Col1", "2.5E-7", "Col2", "Col1*2",
                       // Variables.
                       "0", "a", "0", "1.5", "-2", "0", "1E-300", "1.7976931348623157E308", "0",
                       "3", "0"};
  const TTempFile file(Mvf(lines));
  const TCliRun run = Dump(file.Path());
  EXPECT_EQ(run.Status, 0);
  std::string error;
  EXPECT_TRUE(IsValidJson(run.Out, &error)) << error;
  EXPECT_NE(run.Out.find(R"("Graphs": [{"Term1": "\u00c3\u00a9)"), 0u);  // never escaped twice
  EXPECT_NE(run.Out.find("\"Term1\": \"\xC3\xA9t\xC3\xA9 \\\"q\\\" \\\\ \\u0001\\t\x7F\""),
            std::string::npos)
      << run.Out;
  EXPECT_NE(run.Out.find(R"("Term2": "x\ny", "Term3": ")"
                         "\xC3\xBF"
                         R"(", "Color1": 255, "Color2": -2147483648})"),
            std::string::npos);
  EXPECT_NE(
      run.Out.find(R"({"Column1": 1, "Column2": 2, "Column3": 3, "ErrorHigh1": 4, "ErrorLow1": 5, )"
                   R"("ErrorHigh2": 6, "ErrorLow2": 7, "ErrorHigh3": 8, "ErrorLow3": 9, )"
                   R"("Constant1": 0.1, "Constant2": -0, "Constant3": 1e+20, "UseColumn1": true, )"
                   R"("UseColumn2": false, "UseColumn3": true, "ShowPoints": true, )"
                   R"("ConnectPoints": false, "Description": "Messung )"
                   "\xC2\xB5"
                   R"(m", )"
                   R"("Color1": 16711680, "Color2": 0})"),
      std::string::npos)
      << run.Out;
  EXPECT_NE(
      run.Out.find(R"("HiddenTable": [["", "Row1"], ["Col1", "2.5E-7"], ["Col2", "Col1*2"]], )"
                   R"("Table": [["", "Row1"], ["Col1", "2.5E-7"], ["Col2", "5E-7"]], )"),
      std::string::npos)
      << run.Out;
  EXPECT_NE(run.Out.find(R"("VarTable": {"Names": ["a"], "Minimum": [[1.5, -2]], )"
                         R"("Maximum": [[1e-300, 1.7976931348623157e+308]], "Actual": [[3, 0]]}})"),
            std::string::npos)
      << run.Out;
}

TEST(Dump, InvalidFilesStillPrintTheDocument) {
  struct Row {
    const char* what;
    std::string bytes;
    const char* start;  // of the JSON
  };
  const Row rows[] = {
      {"wrong first line", "morvit v1\r\n", R"({"Displays": [], "Graphs": [], "Diagrams": [], )"},
      {"a decimal comma", Mvf({"Morvit V1", "", "", "0", "1,5"}),
       R"({"Displays": [{"Origin1": 0, "Origin2": 0, )"},
  };
  for (const Row& row : rows) {
    const TTempFile file(row.bytes);
    const TCliRun run = Dump(file.Path());
    EXPECT_EQ(run.Status, 1) << row.what;
    EXPECT_EQ(run.Err, "Invalid file.\n") << row.what;
    EXPECT_EQ(run.Out.rfind(row.start, 0), 0u) << row.what << ": " << run.Out;
    EXPECT_TRUE(IsValidJson(run.Out)) << row.what;
  }
  const TCliRun missing = Dump("/nonexistent/document.mvf");
  EXPECT_EQ(missing.Status, 1);
  EXPECT_EQ(missing.Err, "Invalid file.\n");
  EXPECT_EQ(
      missing.Out,
      R"({"Displays": [], "Graphs": [], "Diagrams": [], "HiddenTable": [["", ""], ["", ""]], )"
      R"("Table": [["", ""], ["", ""]], "VarTable": {"Names": [], "Minimum": [], "Maximum": [], )"
      R"("Actual": []}})"
      "\n");
}

TEST(Dump, Usage) {
  for (const TCliArgs& args : {TCliArgs{"dump"}, TCliArgs{"dump", "a.mvf", "b.mvf"}}) {
    std::ostringstream out, err;
    EXPECT_EQ(RunCli(args, out, err), 2);
    EXPECT_EQ(out.str(), "");
    EXPECT_NE(err.str().find("usage: morvit-cli dump FILE"), std::string::npos);
  }
  std::ostringstream out, err;
  EXPECT_EQ(RunCli({"dump", "--help"}, out, err), 0);
  EXPECT_NE(out.str().find("usage: morvit-cli dump FILE"), std::string::npos);
}

// Every example document reads without a message and evaluates its table.
TEST(Dump, Examples) {
  const fs::path dir = fs::path(MORVIT_SOURCE_DIR) / "examples";
  int seen = 0;
  for (const auto& entry : fs::directory_iterator(dir)) {
    if (entry.path().extension() != ".mvf") continue;
    ++seen;
    SCOPED_TRACE(entry.path().filename().string());
    std::ifstream in(entry.path(), std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    // Written with CRLF line ends: no LF without its CR.
    for (size_t k = 0; k < bytes.size(); ++k) {
      if (bytes[k] == '\n') {
        ASSERT_TRUE(k > 0 && bytes[k - 1] == '\r') << "byte " << k;
      }
    }
    const TCliRun run = Dump(entry.path().string());
    EXPECT_EQ(run.Status, 0);
    EXPECT_EQ(run.Err, "");
    std::string error;
    EXPECT_TRUE(IsValidJson(run.Out, &error)) << error;
    EXPECT_EQ(run.Out.find(R"("Displays": [])"), std::string::npos);
  }
  EXPECT_GE(seen, 7);
}

// Hostile files through the whole command: the exit status says whether the
// reader complained, and stdout is always one valid JSON document.
TEST(Dump, HostileFiles) {
  struct Row {
    const char* what;
    std::string bytes;
    int status;
  };
  const Row rows[] = {
      {"empty", "", 1},
      {"LF line ends", "Morvit V1\n0\n", 1},
      {"display count past the bound", Mvf({"Morvit V1", "", "", "10000"}), 1},
      {"graph count past the bound", Mvf({"Morvit V1", "", "", "-1", "100000"}), 1},
      {"table past the bound", Mvf({"Morvit V1", "", "", "-1", "-1", "-1", "1000", "1001"}), 1},
      {"table of -1 by -1", Mvf({"Morvit V1", "", "", "-1", "-1", "-1", "-1", "-1"}), 0},
      {"only the signature", "Morvit V1", 0},
      {"integer past 32 bits", Mvf({"Morvit V1", "", "", "2147483648"}), 1},
      {"binary noise in strings",
       Mvf({"Morvit V1", "", "", "-1", "0", std::string("\0\x1F\x80\xFF", 4)}), 0},
      {"variable lists of different lengths",
       Mvf({"Morvit V1", "", "", "-1", "-1", "-1", "1", "1", "", "2", "a", "b", "c", "-1", "0", "1",
            "2"}),
       0},
      {"index lists naming nothing",
       Mvf(Concat({{"Morvit V1", "", "", "0"}, Lines(20, "0"), {"1", "7", "65535", "0", "300"}})),
       0},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    const TTempFile file(row.bytes);
    const TCliRun run = Dump(file.Path());
    EXPECT_EQ(run.Status, row.status);
    EXPECT_EQ(run.Err, row.status == 0 ? "" : "Invalid file.\n");
    std::string error;
    EXPECT_TRUE(IsValidJson(run.Out, &error)) << error;
  }
}
