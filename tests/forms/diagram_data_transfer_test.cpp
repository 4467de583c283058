// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "forms/diagram_input_form.h"
#include "forms/import_data_form.h"
#include "support/recording_host.h"
#include "support/scripted_prompts.h"
#include "support/temp_files.h"

namespace fs = std::filesystem;

namespace {

struct TEditor {
  TDocument document;
  ScriptedPrompts prompts;
  TRecordingHost host;
  TDiagramInputForm form{document, prompts, host};

  explicit TEditor(int cols = 3, int rows = 3) {
    CreateDocument(document);
    document.HiddenTable = TStringGrid(cols, rows);
    document.HiddenTable.SetCells(1, 1, "2");
    document.HiddenTable.SetCells(2, 1, "Col1*3");
    form.FormShow();
  }
};

TDelimitedData Parsed(const std::string& text, TImportOptions options = {}) {
  TDelimitedData data;
  std::string error;
  EXPECT_TRUE(ParseDelimitedText(text, options, data, error)) << error;
  return data;
}

}  // namespace

// The import edits the working table only: the document changes on OK, and
// the header's names go into the description of the diagram being edited.
TEST(DiagramDataTransfer, ImportLandsAtTheSelectionAndWaitsForOk) {
  TEditor editor;
  const TStringGrid before = editor.document.HiddenTable;
  editor.form.TableClick({2, 2, 2, 2});
  ASSERT_TRUE(editor.form.ImportData(Parsed("a;b;c\n1;2,5;3\n4\n")));
  const TStringGrid& table = editor.form.TempTable;
  EXPECT_EQ(table.ColCount(), 5);
  EXPECT_EQ(table.RowCount(), 4);
  EXPECT_EQ(table.Cells(3, 2), "2.5");
  EXPECT_EQ(table.Cells(2, 3), "4");
  EXPECT_EQ(table.Cells(4, 0), "Col4");
  EXPECT_EQ(editor.form.Table.Cells(2, 1), "6");  // evaluated again
  EXPECT_EQ(editor.form.eCell, "1");              // the cell field follows the selected cell
  EXPECT_EQ(editor.form.eDescription, "Col2: a; Col3: b; Col4: c");
  EXPECT_EQ(editor.document.HiddenTable, before);

  ASSERT_TRUE(editor.form.bOkClick());
  EXPECT_EQ(editor.document.HiddenTable, table);
  EXPECT_EQ(editor.document.Diagrams[0].Description, "Col2: a; Col3: b; Col4: c");
}

TEST(DiagramDataTransfer, ImportPastTheBoundsChangesNothing) {
  TEditor editor;
  editor.form.TableClick({2, 2, 2, 2});
  const TStringGrid temp = editor.form.TempTable, shown = editor.form.Table;
  TDelimitedData data;
  // Short records are padded to the widest, so one record of 600,000 fields
  // needs 600,001 columns.
  data.Records = {{"1"}};
  data.Width = 600'000;
  EXPECT_FALSE(editor.form.ImportData(data));
  ASSERT_EQ(editor.prompts.MessageTexts().size(), 1u);
  EXPECT_NE(editor.prompts.MessageTexts()[0].find("more than the 1000000 cells"),
            std::string::npos);
  EXPECT_EQ(editor.form.TempTable, temp);
  EXPECT_EQ(editor.form.Table, shown);
}

TEST(DiagramDataTransfer, PasteTakesTabSeparatedBlocks) {
  const struct {
    const char* name;
    std::string text;
    bool ok;
    std::vector<std::vector<std::string>> cells;  // from the selected cell (2, 1), row by row
  } cases[] = {
      {"a spreadsheet's block", "1\t2\n3\t4\n", true, {{"1", "2"}, {"3", "4"}}},
      {"decimal commas of a German spreadsheet", "1,5\t-2,25\r\n", true, {{"1.5", "-2.25"}}},
      {"commas are no separators", "a,b\tc\n", true, {{"a,b", "c"}}},
      {"the first row is data", "x\ty\n1\t2\n", true, {{"x", "y"}, {"1", "2"}}},
      {"a character a cell cannot hold", "\xE2\x82\xAC\t1\n", false, {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    TEditor editor;
    editor.form.TableClick({2, 1, 2, 1});
    const TStringGrid before = editor.form.TempTable;
    EXPECT_EQ(editor.form.PasteText(c.text), c.ok);
    EXPECT_EQ(editor.prompts.MessageTexts().size(), c.ok ? 0u : 1u);
    if (!c.ok) {
      EXPECT_EQ(editor.form.TempTable, before);
    }
    for (size_t r = 0; r < c.cells.size(); ++r)
      for (size_t k = 0; k < c.cells[r].size(); ++k)
        EXPECT_EQ(editor.form.TempTable.Cells(2 + static_cast<int>(k), 1 + static_cast<int>(r)),
                  c.cells[r][k]);
  }
}

TEST(DiagramDataTransfer, SelectionGoesToTheClipboardAsShownValues) {
  TEditor editor;
  editor.form.TableClick({1, 1, 2, 2});
  EXPECT_EQ(editor.form.SelectionText(), "2\t6\n\t\n");
}

TEST(DiagramDataTransfer, ExportWritesTheChosenCells) {
  TEditor editor;
  editor.form.TableClick({2, 1, 2, 1});
  const struct {
    TExportChoice choice;
    std::string text;
  } cases[] = {
      {{}, "2,6\r\n,\r\n"},
      {{true, false, false, TSeparator::Comma}, "2,Col1*3\r\n,\r\n"},
      {{true, true, true, TSeparator::Semicolon}, "Col2\r\nCol1*3\r\n"},
      {{false, true, false, TSeparator::Tab}, "6\r\n"},
  };
  for (const auto& c : cases) EXPECT_EQ(editor.form.ExportText(c.choice), c.text);

  const fs::path path = TempPath("export.csv");
  editor.prompts.SaveFileAnswers = {path.string()};
  ASSERT_TRUE(editor.form.ExportToFile({}));
  std::ifstream in(path, std::ios::binary);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "2,6\r\n,\r\n");
  fs::remove(path);

  editor.prompts.SaveFileAnswers = {std::nullopt};  // cancelled: nothing written, nothing said
  EXPECT_FALSE(editor.form.ExportToFile({}));
  EXPECT_TRUE(editor.prompts.MessageTexts().empty());
}

TEST(DiagramDataTransfer, AnUnreadableFileIsReportedBeforeTheImportDialog) {
  TEditor editor;
  editor.prompts.FileAnswers = {TempPath("missing.csv").string()};
  std::string bytes;
  EXPECT_FALSE(editor.form.ChooseImportFile(bytes));
  ASSERT_EQ(editor.prompts.MessageTexts().size(), 1u);
  EXPECT_EQ(editor.prompts.MessageTexts()[0].substr(0, 12), "Cannot read ");
}

TEST(ImportDataForm, PreviewShowsTheRowsWhereTheyLand) {
  ScriptedPrompts prompts;
  TImportDataForm form(prompts);
  ASSERT_TRUE(form.FormShow("time;U\n0;1,5\n1;2\n", 2, 3));
  EXPECT_EQ(form.PreviewColumns, (std::vector<std::string>{"Col2 (time)", "Col3 (U)"}));
  EXPECT_EQ(form.PreviewRows, (std::vector<std::string>{"Row3", "Row4"}));
  EXPECT_EQ(form.PreviewCells, (std::vector<std::vector<std::string>>{{"0", "1.5"}, {"1", "2"}}));
  EXPECT_EQ(form.lDetected,
            "Semicolon separated, decimal comma, header line, Latin-1; 2 rows of up to 2 fields.");

  form.cbHeader = static_cast<int>(THeaderChoice::No);
  form.cbDecimal = static_cast<int>(TDecimalChoice::Point);
  form.ChoiceChange();
  EXPECT_EQ(form.PreviewColumns, (std::vector<std::string>{"Col2", "Col3"}));
  EXPECT_EQ(form.PreviewCells.front(), (std::vector<std::string>{"time", "U"}));
  EXPECT_EQ(form.PreviewCells[1], (std::vector<std::string>{"0", "1,5"}));
  ASSERT_TRUE(form.bOkClick());
  EXPECT_EQ(form.Data.Records.size(), 3u);
  EXPECT_TRUE(prompts.MessageTexts().empty());
}

// A line of 100,000 fields fits the table; the preview shows its start.
TEST(ImportDataForm, PreviewOfAWideFileShowsItsFirstColumns) {
  ScriptedPrompts prompts;
  TImportDataForm form(prompts);
  std::string line;
  for (int k = 0; k < 100'000; ++k) line += "1,";
  ASSERT_TRUE(form.FormShow(line + "2\n", 1, 1));
  EXPECT_EQ(form.Data.Width, 100'001);
  EXPECT_EQ(form.PreviewColumns.size(), static_cast<size_t>(PreviewColumnCount));
  ASSERT_EQ(form.PreviewCells.size(), 1u);
  EXPECT_EQ(form.PreviewCells[0].size(), static_cast<size_t>(PreviewColumnCount));
}

TEST(ImportDataForm, RefusalsAreShownAndKeepTheDialogOpen) {
  ScriptedPrompts prompts;
  TImportDataForm form(prompts);
  EXPECT_FALSE(form.FormShow(std::string(64, '\0'), 1, 1));
  ASSERT_TRUE(form.FormShow("x,y\n", 1, 1));
  form.cbHeader = static_cast<int>(THeaderChoice::Yes);
  form.ChoiceChange();
  EXPECT_EQ(form.lDetected, "The file holds no data.");
  EXPECT_TRUE(form.PreviewCells.empty());
  EXPECT_FALSE(form.bOkClick());
  EXPECT_EQ(prompts.MessageTexts(),
            (std::vector<std::string>{"The file is not text and cannot be imported.",
                                      "The file holds no data."}));
}
