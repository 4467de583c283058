// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>

#include "cli/cli.h"
#include "document/document.h"
#include "document/reader.h"
#include "support/cli_run.h"
#include "support/temp_files.h"

namespace fs = std::filesystem;

namespace {

TDocument Read(const fs::path& path) {
  TDocument document;
  CreateDocument(document);
  std::ifstream in(path, std::ios::binary);
  EXPECT_TRUE(ReadDocument(in, document));
  return document;
}

}  // namespace

// A spreadsheet's semicolon file with decimal commas, a header line and a
// ragged row lands from cell (1, 1) in a table exactly as large as it needs;
// the header's names stay with the diagram the editor made.
TEST(CliData, ImportMakesTheNewDocumentWithTheData) {
  const fs::path data = TempPath("in.csv"), out = TempPath("out.mvf");
  WriteBytes(data, "\xEF\xBB\xBFt;U\r\n0;1,5\r\n1\r\n2;\"-2,25\"\r\n");
  const TCliRun run = RunCapturedCli({"import", data.string(), "-o", out.string()});
  ASSERT_EQ(run.Status, 0) << run.Err;
  EXPECT_EQ(run.Out, "");
  const TDocument document = Read(out);
  const TStringGrid& table = document.HiddenTable;
  ASSERT_EQ(table.ColCount(), 3);
  ASSERT_EQ(table.RowCount(), 4);
  const char* expected[3][2] = {{"0", "1.5"}, {"1", ""}, {"2", "-2.25"}};
  for (int r = 1; r <= 3; ++r)
    for (int c = 1; c <= 2; ++c)
      EXPECT_EQ(table.Cells(c, r), expected[r - 1][c - 1]) << c << "," << r;
  EXPECT_EQ(table.Cells(2, 0), "Col2");
  ASSERT_EQ(document.Diagrams.size(), 1u);
  EXPECT_EQ(document.Diagrams[0].Description, "Col1: t; Col2: U");
  EXPECT_EQ(document.Displays[0].DiagramIndices, (std::vector<uint16_t>{0}));
  fs::remove(data);
  fs::remove(out);
}

TEST(CliData, ImportChoicesOverrideDetection) {
  const fs::path data = TempPath("choices.txt"), out = TempPath("choices.mvf");
  WriteBytes(data, "x,y\n1,5 2\n");
  struct TCase {
    TCliArgs options;
    std::vector<std::string> row1;  // cells (1..n, 1)
  } cases[] = {
      {{}, {"1", "5 2"}},  // comma separated, header detected
      {{"--header", "no"}, {"x", "y"}},
      {{"--separator", "blank", "--header", "no"}, {"x,y"}},
      {{"--separator", "blank", "--decimal", "comma", "--header", "yes"}, {"1.5", "2"}},
  };
  for (const TCase& c : cases) {
    TCliArgs args{"import", data.string(), "-o", out.string()};
    args.insert(args.end(), c.options.begin(), c.options.end());
    const TCliRun run = RunCapturedCli(args);
    ASSERT_EQ(run.Status, 0) << run.Err;
    const TDocument document = Read(out);
    for (size_t k = 0; k < c.row1.size(); ++k)
      EXPECT_EQ(document.HiddenTable.Cells(static_cast<int>(k) + 1, 1), c.row1[k]);
  }
  fs::remove(data);
  fs::remove(out);
}

// Export writes what the editor shows (values) or the terms; importing the
// terms again gives back the same table.
TEST(CliData, ExportThenImportGivesBackTheTable) {
  const fs::path data = TempPath("table.csv"), doc = TempPath("table.mvf"),
                 csv = TempPath("table_out.csv"), again = TempPath("again.mvf");
  WriteBytes(data, "2,Col1*3,\"a \"\"b\"\", c\"\n\xE4,,x\n");
  ASSERT_EQ(RunCapturedCli({"import", data.string(), "-o", doc.string()}).Status, 0);

  ASSERT_EQ(RunCapturedCli({"export", doc.string(), "-o", csv.string()}).Status, 0);
  EXPECT_EQ(FileBytes(csv), "2,6,\"a \"\"b\"\", c\"\r\n\xC3\xA4,,x\r\n");
  ASSERT_EQ(RunCapturedCli({"export", doc.string(), "-o", csv.string(), "--texts", "--separator",
                            "tab", "--header"})
                .Status,
            0);
  EXPECT_EQ(FileBytes(csv),
            "Col1\tCol2\tCol3\r\n2\tCol1*3\t\"a \"\"b\"\", c\"\r\n\xC3\xA4\t\tx\r\n");

  ASSERT_EQ(
      RunCapturedCli({"import", csv.string(), "-o", again.string(), "--header", "yes"}).Status, 0);
  EXPECT_EQ(Read(again).HiddenTable, Read(doc).HiddenTable);
  for (const fs::path& p : {data, doc, csv, again}) fs::remove(p);
}

TEST(CliData, WrongArgumentsGiveUsage) {
  const TCliArgs cases[] = {
      {"import"},
      {"import", "a.csv"},
      {"import", "a.csv", "-o", "b.mvf", "--separator", "pipe"},
      {"import", "a.csv", "-o", "b.mvf", "--decimal"},
      {"import", "a.csv", "-o", "b.mvf", "--header", "maybe"},
      {"export", "a.mvf"},
      {"export", "a.mvf", "-o", "b.csv", "--separator", "blank"},
      {"export", "a.mvf", "-o", "b.csv", "--values"},
  };
  for (const TCliArgs& args : cases) {
    const TCliRun run = RunCapturedCli(args);
    EXPECT_EQ(run.Status, 2) << args.back();
    EXPECT_NE(run.Err.find("usage: morvit-cli " + args[0]), std::string::npos);
  }
}

// Inputs written to break the import each end within seconds with a message
// and exit 1, and an OUT that exists stays as it was.
TEST(CliData, HostileDataLeavesTheOutputAlone) {
  const fs::path data = TempPath("hostile.csv"), out = TempPath("hostile.mvf");
  const struct {
    const char* name;
    std::function<void()> make;
    std::string message;
  } cases[] = {
      // Sparse: the size is what matters, and the disk stays free.
      {"200 MB",
       [&] {
         WriteBytes(data, "1,2\n3,4\n");
         fs::resize_file(data, 200ULL << 20);
       },
       "The file is larger than 64 MB"},
      {"NUL bytes", [&] { WriteBytes(data, std::string(1 << 20, '\0')); }, "The file is not text"},
      {"1,000,000 fields on a line",
       [&] {
         std::string line;
         line.reserve(2'000'000);
         for (int k = 0; k < 1'000'000; ++k) line += k ? ",1" : "1";
         WriteBytes(data, line + "\n");
       },
       "The data does not fit into the data table"},
      {"unterminated quote",
       [&] { WriteBytes(data, "1,2\n3,\"4\n5,6\n" + std::string(1 << 20, 'x')); },
       "Record 2 opens a quote that is never closed."},
      {"missing file", [&] { fs::remove(data); }, "Cannot read"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    c.make();
    WriteBytes(out, "precious");
    const auto start = std::chrono::steady_clock::now();
    const TCliRun run = RunCapturedCli({"import", data.string(), "-o", out.string()});
    EXPECT_LT(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count(), 5.0);
    EXPECT_EQ(run.Status, 1);
    EXPECT_EQ(run.Err.substr(0, c.message.size()), c.message) << run.Err;
    EXPECT_EQ(FileBytes(out), "precious");
  }
  fs::remove(data);
  fs::remove(out);
}

TEST(CliData, ExportOfAnUnreadableDocumentWritesNothing) {
  const fs::path doc = TempPath("bad.mvf"), out = TempPath("bad.csv");
  WriteBytes(doc, "not a document\r\n");
  WriteBytes(out, "precious");
  const TCliRun run = RunCapturedCli({"export", doc.string(), "-o", out.string()});
  EXPECT_EQ(run.Status, 1);
  EXPECT_EQ(run.Err, "Invalid file.\n");
  EXPECT_EQ(FileBytes(out), "precious");
  fs::remove(doc);
  fs::remove(out);
}
