// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/diagram_input_form.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "support/recording_host.h"
#include "support/scripted_prompts.h"

namespace {

// A data table of cols x rows data cells (plus headers) holding the given
// texts row by row; headers as a document file might bring them.
TStringGrid Grid(int cols, int rows, const std::vector<std::string>& texts = {}) {
  TStringGrid grid(cols + 1, rows + 1);
  for (size_t k = 0; k < texts.size(); ++k)
    grid.SetCells(static_cast<int>(k) % cols + 1, static_cast<int>(k) / cols + 1, texts[k]);
  return grid;
}

struct TFixture {
  TDocument Document;
  ScriptedPrompts Prompts;
  TRecordingHost Host;
  TDiagramInputForm Form{Document, Prompts, Host};

  explicit TFixture(TStringGrid table = Grid(1, 1), std::vector<TDiagram> diagrams = {}) {
    CreateDocument(Document);
    Document.HiddenTable = std::move(table);
    Document.Diagrams = std::move(diagrams);
  }
};

TDiagram ColumnDiagram() {
  TDiagram d;
  d.UseColumn1 = true;
  d.Column1 = 2;
  d.UseColumn2 = false;
  d.Constant2 = 1.5;
  d.UseColumn3 = true;
  d.Column3 = -4;
  d.ErrorHigh1 = 3;
  d.ErrorLow1 = 4;
  d.ErrorHigh3 = 7;
  d.Description = "first";
  d.Color1 = 0x00FF00;
  d.Color2 = 0x123456;
  d.ShowPoints = false;
  return d;
}

}  // namespace

TEST(DiagramInputForm, OpeningLoadsTheSelectedDiagram) {
  struct Case {
    const char* name;
    std::vector<TDiagram> diagrams;
    int tabBefore;  // the tab selected when the editor last closed
    std::vector<std::string> tabs;
    int tab;
    std::string description;
    std::array<int, 3> choices;
    std::array<std::string, 3> axes;
    std::array<std::string, 3> labels;
    std::array<std::string, 3> lows;
    std::array<std::string, 3> highs;
    int32_t color1;
    int32_t color2;
    bool showPoints;
  };
  TDiagram huge;
  huge.Constant1 = 1E20;
  huge.Constant2 = -2.5E-7;
  huge.Constant3 = 1.0 / 3.0;
  const Case cases[] = {
      {.name = "no diagrams: a new one with the defaults",
       .diagrams = {},
       .tabBefore = -1,
       .tabs = {"Diagram1"},
       .tab = 0,
       .description = "",
       .choices = {AxisConstant, AxisConstant, AxisConstant},
       .axes = {"0", "0", "0"},
       .labels = {"Axis 1 value:", "Axis 2 value:", "Axis 3 value:"},
       .lows = {"0", "0", "0"},
       .highs = {"0", "0", "0"},
       .color1 = 0xFF0000,
       .color2 = 0xFF0000,
       .showPoints = true},
      {.name = "columns, constants and error columns",
       .diagrams = {ColumnDiagram(), TDiagram()},
       .tabBefore = -1,
       .tabs = {"Diagram1", "Diagram2"},
       .tab = 0,
       .description = "first",
       .choices = {AxisDataColumn, AxisConstant, AxisDataColumn},
       .axes = {"2", "1.5", "-4"},
       .labels = {"Axis 1 column:", "Axis 2 value:", "Axis 3 column:"},
       .lows = {"4", "0", "0"},
       .highs = {"3", "0", "7"},
       .color1 = 0x00FF00,
       .color2 = 0x123456,
       .showPoints = false},
      {.name = "constants in general format",
       .diagrams = {huge},
       .tabBefore = -1,
       .tabs = {"Diagram1"},
       .tab = 0,
       .description = "",
       .choices = {AxisConstant, AxisConstant, AxisConstant},
       .axes = {"1E20", "-2.5E-7", "0.333333333333333"},
       .labels = {"Axis 1 value:", "Axis 2 value:", "Axis 3 value:"},
       .lows = {"0", "0", "0"},
       .highs = {"0", "0", "0"},
       .color1 = 0xFF0000,
       .color2 = 0xFF0000,
       .showPoints = true},
      {.name = "the last tab when the remembered one is gone",
       .diagrams = {TDiagram(), ColumnDiagram()},
       .tabBefore = 5,
       .tabs = {"Diagram1", "Diagram2"},
       .tab = 1,
       .description = "first",
       .choices = {AxisDataColumn, AxisConstant, AxisDataColumn},
       .axes = {"2", "1.5", "-4"},
       .labels = {"Axis 1 column:", "Axis 2 value:", "Axis 3 column:"},
       .lows = {"4", "0", "0"},
       .highs = {"3", "0", "7"},
       .color1 = 0x00FF00,
       .color2 = 0x123456,
       .showPoints = false},
  };
  for (const Case& c : cases) {
    TFixture f(Grid(1, 1), c.diagrams);
    f.Form.TabIndex = c.tabBefore;
    f.Form.FormShow();
    EXPECT_EQ(f.Form.Tabs, c.tabs) << c.name;
    EXPECT_EQ(f.Form.TabIndex, c.tab) << c.name;
    EXPECT_TRUE(f.Form.TabControlVisible) << c.name;
    EXPECT_EQ(f.Form.eDescription, c.description) << c.name;
    EXPECT_EQ(f.Form.rgAxis, c.choices) << c.name;
    EXPECT_EQ(f.Form.eAxis, c.axes) << c.name;
    EXPECT_EQ(f.Form.lAxis, c.labels) << c.name;
    EXPECT_EQ(f.Form.eErrorMin, c.lows) << c.name;
    EXPECT_EQ(f.Form.eErrorMax, c.highs) << c.name;
    EXPECT_EQ(f.Form.pColor1, c.color1) << c.name;
    EXPECT_EQ(f.Form.pColor2, c.color2) << c.name;
    EXPECT_EQ(f.Form.cbShowPoints, c.showPoints) << c.name;
    EXPECT_TRUE(f.Form.cbConnectPoints) << c.name;
    // Opening creates a diagram only in the working copy.
    EXPECT_EQ(f.Document.Diagrams, c.diagrams) << c.name;
  }
}

TEST(DiagramInputForm, OpeningRewritesHeadersAndEvaluatesTheCopy) {
  TStringGrid table = Grid(3, 2, {"2", "Col1*3", "Col3+1", "x", "1,5", ""});
  table.SetCells(0, 0, "corner");
  table.SetCells(1, 0, "A");
  table.SetCells(2, 0, "Col1");  // a file may bring any header text
  table.SetCells(0, 2, "second");
  TFixture f(table);
  SetVariable(f.Document.VarTable, "x", {5, 0}, {5, 0}, {5, 0});
  f.Form.FormShow();

  const std::vector<std::vector<std::string>> headers = {{"", "Col1", "Col2", "Col3"}};
  for (int c = 0; c < 4; ++c)
    EXPECT_EQ(f.Form.TempTable.Cells(c, 0), headers[0][static_cast<size_t>(c)]);
  EXPECT_EQ(f.Form.TempTable.Cells(0, 1), "Row1");
  EXPECT_EQ(f.Form.TempTable.Cells(0, 2), "Row2");
  // Only the working copy: the document keeps its own headers until OK.
  EXPECT_EQ(f.Document.HiddenTable, table);
  const struct {
    int col, row;
    const char* shown;
  } cells[] = {{1, 1, "2"}, {2, 1, "6"}, {3, 1, "Col3+1"}, {1, 2, "x"}, {2, 2, "1,5"}, {3, 2, ""}};
  for (const auto& cell : cells) EXPECT_EQ(f.Form.Table.Cells(cell.col, cell.row), cell.shown);
  // The cell field shows the raw text of the selected cell.
  EXPECT_EQ(f.Form.eCell, "2");
  EXPECT_TRUE(f.Form.CellFocusWanted);
}

TEST(DiagramInputForm, StoreStepChecksEveryNumericalField) {
  struct Case {
    const char* name;
    std::array<int, 3> choices;
    std::array<std::string, 3> axes;
    std::array<std::string, 3> lows;
    std::array<std::string, 3> highs;
    bool stored;
    // Expected after the store: columns, constants, error columns (low, high) of axis 1.
    std::array<int32_t, 3> columns;
    std::array<double, 3> constants;
    int32_t low1;
    int32_t high1;
  };
  // The diagram starts as ColumnDiagram(): columns 2, 1, -4; constants 0, 1.5, 0.
  const std::array<int, 3> cdc = {AxisDataColumn, AxisConstant, AxisDataColumn};
  const std::array<std::string, 3> zeros = {"0", "0", "0"};
  const Case cases[] = {
      {.name = "unchanged fields",
       .choices = cdc,
       .axes = {"2", "1.5", "-4"},
       .lows = {"4", "0", "0"},
       .highs = {"3", "0", "7"},
       .stored = true,
       .columns = {2, 1, -4},
       .constants = {0, 1.5, 0},
       .low1 = 4,
       .high1 = 3},
      {.name = "1.5 as a column",
       .choices = cdc,
       .axes = {"1.5", "1.5", "-4"},
       .lows = zeros,
       .highs = zeros,
       .stored = false,
       .columns = {2, 1, -4},
       .constants = {0, 1.5, 0},
       .low1 = 4,
       .high1 = 3},
      {.name = "1.5 as a constant",
       .choices = {AxisConstant, AxisConstant, AxisDataColumn},
       .axes = {"1.5", "2", "9"},
       .lows = zeros,
       .highs = zeros,
       .stored = true,
       .columns = {2, 1, 9},
       .constants = {1.5, 2, 0},
       .low1 = 0,
       .high1 = 0},
      // Only the label changed when the choice switched; the old text becomes the constant.
      {.name = "column switched to constant keeps the column",
       .choices = {AxisConstant, AxisDataColumn, AxisConstant},
       .axes = {"2", "3", "-0.5"},
       .lows = zeros,
       .highs = zeros,
       .stored = true,
       .columns = {2, 3, -4},
       .constants = {2, 1.5, -0.5},
       .low1 = 0,
       .high1 = 0},
      {.name = "blanks and signs",
       .choices = cdc,
       .axes = {" +3 ", "  -1e2", "-0"},
       .lows = {"7 ", "0", "0"},
       .highs = {" 8", "0", "0"},
       .stored = true,
       .columns = {3, 1, 0},
       .constants = {0, -100, 0},
       .low1 = 7,
       .high1 = 8},
      {.name = "columns outside the table are stored",
       .choices = cdc,
       .axes = {"0", "1", "2147483647"},
       .lows = {"-2147483648", "0", "0"},
       .highs = zeros,
       .stored = true,
       .columns = {0, 1, 2147483647},
       .constants = {0, 1, 0},
       .low1 = -2147483648,
       .high1 = 0},
      {.name = "column past the 32-bit range",
       .choices = cdc,
       .axes = {"2147483648", "1", "1"},
       .lows = zeros,
       .highs = zeros,
       .stored = false,
       .columns = {2, 1, -4},
       .constants = {0, 1.5, 0},
       .low1 = 4,
       .high1 = 3},
      {.name = "a thousand digits",
       .choices = cdc,
       .axes = {std::string(1000, '9'), "1", "1"},
       .lows = zeros,
       .highs = zeros,
       .stored = false,
       .columns = {2, 1, -4},
       .constants = {0, 1.5, 0},
       .low1 = 4,
       .high1 = 3},
      {.name = "exponent in a column",
       .choices = cdc,
       .axes = {"1e3", "1", "1"},
       .lows = zeros,
       .highs = zeros,
       .stored = false,
       .columns = {2, 1, -4},
       .constants = {0, 1.5, 0},
       .low1 = 4,
       .high1 = 3},
      {.name = "empty axis field",
       .choices = cdc,
       .axes = {"", "1", "1"},
       .lows = zeros,
       .highs = zeros,
       .stored = false,
       .columns = {2, 1, -4},
       .constants = {0, 1.5, 0},
       .low1 = 4,
       .high1 = 3},
      {.name = "constant past the double range",
       .choices = cdc,
       .axes = {"1", "1E400", "1"},
       .lows = zeros,
       .highs = zeros,
       .stored = false,
       .columns = {2, 1, -4},
       .constants = {0, 1.5, 0},
       .low1 = 4,
       .high1 = 3},
      {.name = "constant nan",
       .choices = cdc,
       .axes = {"1", "nan", "1"},
       .lows = zeros,
       .highs = zeros,
       .stored = false,
       .columns = {2, 1, -4},
       .constants = {0, 1.5, 0},
       .low1 = 4,
       .high1 = 3},
      {.name = "constant inf",
       .choices = cdc,
       .axes = {"1", "inf", "1"},
       .lows = zeros,
       .highs = zeros,
       .stored = false,
       .columns = {2, 1, -4},
       .constants = {0, 1.5, 0},
       .low1 = 4,
       .high1 = 3},
      {.name = "constant with a comma",
       .choices = cdc,
       .axes = {"1", "1,5", "1"},
       .lows = zeros,
       .highs = zeros,
       .stored = false,
       .columns = {2, 1, -4},
       .constants = {0, 1.5, 0},
       .low1 = 4,
       .high1 = 3},
      {.name = "a term is no constant",
       .choices = cdc,
       .axes = {"1", "pi", "1"},
       .lows = zeros,
       .highs = zeros,
       .stored = false,
       .columns = {2, 1, -4},
       .constants = {0, 1.5, 0},
       .low1 = 4,
       .high1 = 3},
      {.name = "decimal error column",
       .choices = cdc,
       .axes = {"2", "1.5", "-4"},
       .lows = {"0", "0", "0"},
       .highs = {"0", "0", "2.0"},
       .stored = false,
       .columns = {2, 1, -4},
       .constants = {0, 1.5, 0},
       .low1 = 4,
       .high1 = 3},
      {.name = "empty error column",
       .choices = cdc,
       .axes = {"2", "1.5", "-4"},
       .lows = {"0", "", "0"},
       .highs = zeros,
       .stored = false,
       .columns = {2, 1, -4},
       .constants = {0, 1.5, 0},
       .low1 = 4,
       .high1 = 3},
  };
  for (const Case& c : cases) {
    TFixture f(Grid(1, 1), {ColumnDiagram()});
    f.Form.FormShow();
    f.Form.rgAxis = c.choices;
    f.Form.eAxis = c.axes;
    f.Form.eErrorMin = c.lows;
    f.Form.eErrorMax = c.highs;
    f.Form.eDescription = "edited";
    EXPECT_EQ(f.Form.TabControlChanging(), c.stored) << c.name;
    const TDiagram& d = f.Form.WorkDiagrams[0];
    EXPECT_EQ((std::array<int32_t, 3>{d.Column1, d.Column2, d.Column3}), c.columns) << c.name;
    EXPECT_EQ((std::array<double, 3>{d.Constant1, d.Constant2, d.Constant3}), c.constants)
        << c.name;
    EXPECT_EQ(d.ErrorLow1, c.low1) << c.name;
    EXPECT_EQ(d.ErrorHigh1, c.high1) << c.name;
    if (c.stored) {
      EXPECT_EQ(d.UseColumn1, c.choices[0] == AxisDataColumn) << c.name;
      EXPECT_EQ(d.UseColumn3, c.choices[2] == AxisDataColumn) << c.name;
      EXPECT_EQ(d.Description, "edited") << c.name;
      EXPECT_TRUE(f.Prompts.Records.empty()) << c.name;
    } else {
      // Nothing of the tab is stored, and the texts stay as typed.
      EXPECT_EQ(d, ColumnDiagram()) << c.name;
      EXPECT_EQ(f.Form.eAxis, c.axes) << c.name;
      EXPECT_EQ(f.Prompts.MessageTexts(),
                std::vector<std::string>{"Invalid value in numerical input field."})
          << c.name;
      ASSERT_EQ(f.Prompts.Records.size(), 1u);
      EXPECT_EQ(f.Prompts.Records[0].Kind, TMessageKind::Error);
      EXPECT_EQ(f.Prompts.Records[0].Buttons, mbOk);
    }
  }
}

TEST(DiagramInputForm, TabChangeStoresThenLoads) {
  TFixture f(Grid(1, 1), {ColumnDiagram(), TDiagram()});
  f.Form.FormShow();
  f.Form.eDescription = "renamed";
  f.Form.rgAxis[1] = AxisDataColumn;
  f.Form.rgAxisClick(TAxis::Second);
  EXPECT_EQ(f.Form.lAxis[1], "Axis 2 column:");
  EXPECT_EQ(f.Form.eAxis[1], "1.5");  // the label changes, the text does not
  // 1.5 is no column: the change is refused and the first tab stays.
  EXPECT_FALSE(f.Form.TabControlChanging());
  EXPECT_EQ(f.Form.TabIndex, 0);
  f.Form.eAxis[1] = "5";
  ASSERT_TRUE(f.Form.TabControlChanging());
  f.Form.TabControlChange(1);
  EXPECT_EQ(f.Form.TabIndex, 1);
  EXPECT_EQ(f.Form.eDescription, "");
  EXPECT_EQ(f.Form.lAxis[1], "Axis 2 value:");
  ASSERT_TRUE(f.Form.TabControlChanging());
  f.Form.TabControlChange(0);
  EXPECT_EQ(f.Form.eDescription, "renamed");
  EXPECT_EQ(f.Form.eAxis[1], "5");
  EXPECT_EQ(f.Form.WorkDiagrams[0].Constant2, 1.5);  // kept for a switch back
}

TEST(DiagramInputForm, CountPrompts) {
  enum class TButton { AddCol, AddRow, DeleteCol, DeleteRow };
  struct Case {
    const char* name;
    TButton button;
    int cols, rows;                     // data cells before
    std::optional<std::string> answer;  // nullopt: cancelled
    int colsAfter, rowsAfter;           // grid size after, headers included
    bool refused;
  };
  const Case cases[] = {
      {"add columns", TButton::AddCol, 1, 1, "2", 4, 2, false},
      {"add rows", TButton::AddRow, 1, 1, "3", 2, 5, false},
      {"zero changes nothing", TButton::AddCol, 1, 1, "0", 2, 2, false},
      {"cancel counts the preset 0", TButton::AddRow, 1, 1, std::nullopt, 2, 2, false},
      {"blanks around the count", TButton::AddCol, 1, 1, " 1 ", 3, 2, false},
      {"not a whole number", TButton::AddCol, 1, 1, "two", 2, 2, true},
      {"a decimal number", TButton::AddRow, 1, 1, "1.0", 2, 2, true},
      {"empty answer", TButton::AddRow, 1, 1, "", 2, 2, true},
      {"negative", TButton::DeleteRow, 3, 3, "-1", 4, 4, true},
      {"largest 16-bit count", TButton::AddCol, 1, 1, "65535", 65537, 2, false},
      {"past the 16-bit range", TButton::AddCol, 1, 1, "65536", 2, 2, true},
      {"far past any range", TButton::AddRow, 1, 1, "99999999999999999999999", 2, 2, true},
      // Growing past a million cells is refused rather than exhausting memory.
      {"too many cells", TButton::AddRow, 999, 1, "999", 1000, 2, true},
      {"just enough cells", TButton::AddRow, 999, 1, "998", 1000, 1000, false},
      {"delete more columns than there are", TButton::DeleteCol, 2, 1, "5", 2, 2, false},
      {"delete rows", TButton::DeleteRow, 1, 4, "2", 2, 3, false},
      {"delete from one data column", TButton::DeleteCol, 1, 1, "1", 2, 2, false},
  };
  const struct {
    TButton button;
    const char* caption;
    const char* question;
  } prompts[] = {
      {TButton::AddCol, "Add columns", "Enter number of columns to add:"},
      {TButton::AddRow, "Add rows", "Enter number of rows to add:"},
      {TButton::DeleteCol, "Delete columns", "Enter number of columns to delete:"},
      {TButton::DeleteRow, "Delete rows", "Enter number of rows to delete:"},
  };
  for (const Case& c : cases) {
    TFixture f(Grid(c.cols, c.rows));
    f.Form.FormShow();
    f.Prompts.TextAnswers.push_back(c.answer);
    switch (c.button) {
      case TButton::AddCol: f.Form.bAddColClick(); break;
      case TButton::AddRow: f.Form.bAddRowClick(); break;
      case TButton::DeleteCol: f.Form.bDeleteColClick(); break;
      case TButton::DeleteRow: f.Form.bDeleteRowClick(); break;
    }
    EXPECT_EQ(f.Form.TempTable.ColCount(), c.colsAfter) << c.name;
    EXPECT_EQ(f.Form.TempTable.RowCount(), c.rowsAfter) << c.name;
    EXPECT_EQ(f.Form.Table.ColCount(), c.colsAfter) << c.name;
    EXPECT_EQ(f.Form.Table.RowCount(), c.rowsAfter) << c.name;
    ASSERT_FALSE(f.Prompts.Records.empty()) << c.name;
    for (const auto& p : prompts)
      if (p.button == c.button) {
        EXPECT_EQ(f.Prompts.Records[0].Caption, p.caption) << c.name;
        EXPECT_EQ(f.Prompts.Records[0].Text, p.question) << c.name;
      }
    EXPECT_EQ(f.Prompts.MessageTexts(), c.refused
                                            ? std::vector<std::string>{"Invalid number entered."}
                                            : std::vector<std::string>{})
        << c.name;
    // New columns and rows carry the header of their position.
    EXPECT_EQ(f.Form.Table.Cells(c.colsAfter - 1, 0), ColumnHeader(c.colsAfter - 1)) << c.name;
    EXPECT_EQ(f.Form.Table.Cells(0, c.rowsAfter - 1), RowHeader(c.rowsAfter - 1)) << c.name;
  }
}

TEST(DiagramInputForm, EnterCommitsAndMovesOn) {
  struct Case {
    const char* name;
    TGridRect selection;
    TGridRect after;
  };
  // Three data columns, two data rows.
  const Case cases[] = {
      {"down the column", {2, 1, 2, 1}, {2, 2, 2, 2}},
      {"last row: first data row of the next column", {1, 2, 1, 2}, {2, 1, 2, 1}},
      {"last row of the last column: stays", {3, 2, 3, 2}, {3, 2, 3, 2}},
      {"a block: below its top-left cell", {1, 1, 3, 2}, {1, 2, 1, 2}},
  };
  for (const Case& c : cases) {
    TFixture f(Grid(3, 2, {"1", "2", "3", "4", "5", "6"}));
    f.Form.FormShow();
    f.Form.TableClick(c.selection);
    f.Form.eCell = "Col1+10";
    f.Form.bEnterClick();
    EXPECT_EQ(f.Form.TempTable.Cells(c.selection.Left, c.selection.Top), "Col1+10") << c.name;
    EXPECT_EQ(f.Form.Selection, c.after) << c.name;
    EXPECT_EQ(f.Form.eCell, f.Form.TempTable.Cells(c.after.Left, c.after.Top)) << c.name;
    // The evaluated table follows at once.
    const std::string shown = f.Form.Table.Cells(c.selection.Left, c.selection.Top);
    EXPECT_EQ(shown, c.selection.Left == 1
                         ? "Col1+10"
                         : std::to_string(std::stoi(f.Form.Table.Cells(1, c.selection.Top)) + 10))
        << c.name;
  }
}

TEST(DiagramInputForm, ToolButtonsWorkOnTheSelection) {
  enum class TButton { Fill, Copy, Paste, Transpose, Delete };
  struct Step {
    TButton button;
    TGridRect selection;
  };
  struct Case {
    const char* name;
    std::vector<Step> steps;
    std::vector<std::string> cells;  // data cells after, row by row (3 x 3)
    TGridRect selection;
    std::string cell;
    bool pasteEnabled;
  };
  const Case cases[] = {
      {.name = "fill a column from its top cell",
       .steps = {{TButton::Fill, {1, 1, 1, 3}}},
       .cells = {"1", "2", "3", "1", "5", "6", "1", "8", "9"},
       .selection = {1, 1, 1, 3},
       .cell = "1",
       .pasteEnabled = true},
      {.name = "delete a block",
       .steps = {{TButton::Delete, {2, 2, 3, 3}}},
       .cells = {"1", "2", "3", "4", "", "", "7", "", ""},
       .selection = {2, 2, 3, 3},
       .cell = "",
       .pasteEnabled = true},
      {.name = "copy and paste",
       .steps = {{TButton::Copy, {1, 1, 2, 1}}, {TButton::Paste, {2, 3, 2, 3}}},
       .cells = {"1", "2", "3", "4", "5", "6", "7", "1", "2"},
       .selection = {2, 3, 2, 3},
       .cell = "1",
       .pasteEnabled = false},
      // Only the first clipboard column lands inside the table.
      {.name = "paste past the edge",
       .steps = {{TButton::Copy, {1, 1, 2, 2}}, {TButton::Paste, {3, 2, 3, 2}}},
       .cells = {"1", "2", "3", "4", "5", "1", "7", "8", "4"},
       .selection = {3, 2, 3, 2},
       .cell = "1",
       .pasteEnabled = false},
      {.name = "a second paste pastes nothing",
       .steps = {{TButton::Copy, {1, 1, 1, 1}},
                 {TButton::Paste, {2, 2, 2, 2}},
                 {TButton::Paste, {3, 3, 3, 3}}},
       .cells = {"1", "2", "3", "4", "1", "6", "7", "8", "9"},
       .selection = {3, 3, 3, 3},
       .cell = "9",
       .pasteEnabled = false},
      {.name = "transpose a column",
       .steps = {{TButton::Transpose, {1, 1, 1, 3}}},
       .cells = {"1", "4", "7", "", "5", "6", "", "8", "9"},
       .selection = {1, 1, 3, 1},
       .cell = "1",
       .pasteEnabled = true},
      // The rectangle reaches past the table, which grows by a column (see
      // TransposeNeverLosesACell); the 3 x 3 part is shown here.
      {.name = "transpose past the edge",
       .steps = {{TButton::Transpose, {2, 1, 2, 3}}},
       .cells = {"1", "2", "5", "4", "", "6", "7", "", "9"},
       .selection = {2, 1, 4, 1},
       .cell = "2",
       .pasteEnabled = true},
      {.name = "copy, transpose, paste pastes nothing",
       .steps = {{TButton::Copy, {1, 1, 1, 1}},
                 {TButton::Transpose, {2, 2, 2, 2}},
                 {TButton::Paste, {3, 3, 3, 3}}},
       .cells = {"1", "2", "3", "4", "5", "6", "7", "8", "9"},
       .selection = {3, 3, 3, 3},
       .cell = "9",
       .pasteEnabled = false},
  };
  for (const Case& c : cases) {
    TFixture f(Grid(3, 3, {"1", "2", "3", "4", "5", "6", "7", "8", "9"}));
    f.Form.FormShow();
    for (const Step& step : c.steps) {
      f.Form.TableClick(step.selection);
      switch (step.button) {
        case TButton::Fill: f.Form.bFillClick(); break;
        case TButton::Copy: f.Form.bCopyClick(); break;
        case TButton::Paste: f.Form.bPasteClick(); break;
        case TButton::Transpose: f.Form.bTransposeClick(); break;
        case TButton::Delete: f.Form.bDeleteClick(); break;
      }
    }
    std::vector<std::string> cells;
    for (int r = 1; r <= 3; ++r)
      for (int col = 1; col <= 3; ++col) cells.push_back(f.Form.TempTable.Cells(col, r));
    EXPECT_EQ(cells, c.cells) << c.name;
    EXPECT_EQ(f.Form.Table, EvaluateTable(f.Form.TempTable)) << c.name;
    EXPECT_EQ(f.Form.Selection, c.selection) << c.name;
    EXPECT_EQ(f.Form.eCell, c.cell) << c.name;
    EXPECT_EQ(f.Form.bPasteEnabled, c.pasteEnabled) << c.name;
  }
}

TEST(DiagramInputForm, TransposeNeverLosesACell) {
  struct Case {
    const char* name;
    TStringGrid table;
    TGridRect selection;
    int cols, rows;  // the table's size afterwards, headers included
    std::vector<std::pair<TGridRect, std::string>> cells;  // a cell and its text afterwards
  };
  const Case cases[] = {
      {.name = "a column in the last column grows the table to the right",
       .table = Grid(3, 3, {"1", "2", "3", "4", "5", "6", "7", "8", "9"}),
       .selection = {3, 1, 3, 3},
       .cols = 6,
       .rows = 4,
       .cells = {{{3, 1, 3, 1}, "3"},
                 {{4, 1, 4, 1}, "6"},
                 {{5, 1, 5, 1}, "9"},
                 {{3, 2, 3, 2}, ""},
                 {{4, 0, 4, 0}, "Col4"},
                 {{5, 0, 5, 0}, "Col5"}}},
      {.name = "a row in the last row grows the table downwards",
       .table = Grid(2, 2, {"1", "2", "3", "4"}),
       .selection = {1, 2, 2, 2},
       .cols = 3,
       .rows = 4,
       .cells =
           {{{1, 2, 1, 2}, "3"}, {{1, 3, 1, 3}, "4"}, {{2, 2, 2, 2}, ""}, {{0, 3, 0, 3}, "Row3"}}},
      {.name = "a block that fits changes no size",
       .table = Grid(3, 3, {"1", "2", "3", "4", "5", "6", "7", "8", "9"}),
       .selection = {1, 1, 2, 1},
       .cols = 4,
       .rows = 4,
       .cells = {{{1, 1, 1, 1}, "1"}, {{1, 2, 1, 2}, "2"}, {{2, 1, 2, 1}, ""}}},
  };
  for (const Case& c : cases) {
    TFixture f(c.table);
    f.Form.FormShow();
    f.Form.TableClick(c.selection);
    f.Form.bTransposeClick();
    EXPECT_TRUE(f.Prompts.Records.empty()) << c.name;
    EXPECT_EQ(f.Form.TempTable.ColCount(), c.cols) << c.name;
    EXPECT_EQ(f.Form.TempTable.RowCount(), c.rows) << c.name;
    EXPECT_EQ(f.Form.Table, EvaluateTable(f.Form.TempTable)) << c.name;
    for (const auto& [cell, text] : c.cells)
      EXPECT_EQ(f.Form.TempTable.Cells(cell.Left, cell.Top), text)
          << c.name << " " << cell.Left << "," << cell.Top;
  }

  // A block whose mirror would take the table past its bounds is refused
  // before anything changes: a row of 1000 cells would need 1001 columns of
  // 1001 rows, past the million cells a table may hold.
  TFixture f(Grid(1000, 1));
  f.Form.FormShow();
  f.Form.TableClick({1, 1, 1000, 1});
  f.Form.eCell = "7";
  f.Form.eCellExit();
  const TStringGrid before = f.Form.TempTable;
  f.Form.bTransposeClick();
  ASSERT_EQ(f.Prompts.Records.size(), 1u);
  EXPECT_EQ(f.Prompts.Records[0].Kind, TMessageKind::Error);
  EXPECT_EQ(f.Form.TempTable, before);
  EXPECT_EQ(f.Form.Selection, (TGridRect{1, 1, 1000, 1}));
}

TEST(DiagramInputForm, DeletingTheSelectedRowNeverWritesIntoItsNeighbour) {
  TFixture f(Grid(2, 3, {"a", "b", "c", "d", "e", "f"}));
  f.Form.FormShow();
  f.Form.TableClick({2, 3, 2, 3});
  EXPECT_EQ(f.Form.eCell, "f");
  f.Prompts.TextAnswers.push_back("1");
  f.Form.bDeleteRowClick();
  // The row holding "f" is gone; the field now shows the cell selected instead.
  EXPECT_EQ(f.Form.Selection, (TGridRect{2, 2, 2, 2}));
  EXPECT_EQ(f.Form.eCell, "d");
  f.Form.eCellExit();
  EXPECT_EQ(f.Form.TempTable.Cells(2, 2), "d");
  f.Prompts.TextAnswers.push_back("1");
  f.Form.bDeleteColClick();
  EXPECT_EQ(f.Form.Selection, (TGridRect{1, 2, 1, 2}));
  EXPECT_EQ(f.Form.eCell, "c");
}

TEST(DiagramInputForm, OkWritesBackAndAssignsTheSelectedDiagram) {
  struct Case {
    const char* name;
    int diagrams;
    std::vector<std::vector<uint16_t>> indices;  // one list per display
    int tab;
    std::vector<std::vector<uint16_t>> after;
  };
  const Case cases[] = {
      {"first diagram goes to the only display", 0, {{}}, 0, {{0}}},
      {"listed already", 2, {{1}, {0}}, 0, {{1}, {0}}},
      {"to the last display, not the current one", 3, {{0}, {}, {}}, 2, {{0}, {}, {2}}},
      // Diagram 1 is listed nowhere but not selected: it stays unlisted.
      {"only the selected one", 3, {{}, {2}}, 2, {{}, {2}}},
      {"no displays", 1, {}, 0, {}},
  };
  for (const Case& c : cases) {
    TFixture f(Grid(1, 1), std::vector<TDiagram>(static_cast<size_t>(c.diagrams)));
    f.Document.Displays.resize(c.indices.size());
    for (size_t d = 0; d < c.indices.size(); ++d)
      f.Document.Displays[d].DiagramIndices = c.indices[d];
    f.Form.FormShow();
    f.Form.TabIndex = c.tab;
    f.Form.TabControlChange(c.tab);
    f.Form.eDescription = "typed";
    f.Form.TableClick({1, 1, 1, 1});
    f.Form.eCell = "42";
    f.Form.eCellExit();
    ASSERT_TRUE(f.Form.bOkClick()) << c.name;
    EXPECT_EQ(f.Host.Redraws, 1) << c.name;
    std::vector<std::vector<uint16_t>> after;
    for (const auto& display : f.Document.Displays) after.push_back(display.DiagramIndices);
    EXPECT_EQ(after, c.after) << c.name;
    EXPECT_EQ(f.Document.HiddenTable.Cells(1, 1), "42") << c.name;
    ASSERT_EQ(f.Document.Diagrams.size(), static_cast<size_t>(std::max(c.diagrams, 1))) << c.name;
    EXPECT_EQ(f.Document.Diagrams[static_cast<size_t>(c.tab)].Description, "typed") << c.name;
  }
}

TEST(DiagramInputForm, RefusedOkAndCancelLeaveTheDocumentAsBefore) {
  for (const bool refusedOk : {true, false}) {
    // Headers as the editor writes them, so that the next opening shows
    // exactly the document's table.
    TStringGrid table = Grid(2, 2, {"1", "2", "3", "4"});
    for (int c = 1; c < 3; ++c) table.SetCells(c, 0, ColumnHeader(c));
    for (int r = 1; r < 3; ++r) table.SetCells(0, r, RowHeader(r));
    TFixture f(table, {ColumnDiagram()});
    f.Document.Displays[0].DiagramIndices = {0};
    f.Form.FormShow();
    const TDocument before = f.Document;

    f.Prompts.TextAnswers.push_back("3");
    f.Form.bAddColClick();
    f.Form.TableClick({4, 2, 4, 2});
    f.Form.eCell = "Col1*2";
    f.Form.eCellExit();
    f.Form.eDescription = "changed";
    f.Prompts.ColorAnswers.push_back(0x0000FF);
    f.Form.pColor1Click();
    f.Form.rgAxis[0] = AxisConstant;
    f.Form.eAxis[0] = refusedOk ? "oops" : "7";
    ASSERT_TRUE(f.Form.TabControlChanging() || refusedOk);
    if (refusedOk) {
      EXPECT_FALSE(f.Form.bOkClick());
    }
    f.Form.FormClose();

    EXPECT_EQ(f.Document.HiddenTable, before.HiddenTable) << refusedOk;
    EXPECT_EQ(f.Document.Diagrams, before.Diagrams) << refusedOk;
    EXPECT_EQ(f.Document.Displays, before.Displays) << refusedOk;
    EXPECT_EQ(f.Host.Redraws, 0) << refusedOk;
    EXPECT_TRUE(f.Form.WorkDiagrams.empty());
    EXPECT_TRUE(f.Form.WorkDiagramIndices.empty());
    EXPECT_TRUE(f.Form.CellClipboard.empty());

    // The next opening starts from the document again.
    f.Form.FormShow();
    EXPECT_EQ(f.Form.TempTable, before.HiddenTable);
    EXPECT_EQ(f.Form.eDescription, "first");
  }
}

TEST(DiagramInputForm, OwnColumnNamesSurviveCancelAndAreRewrittenByOk) {
  // A document may name its columns itself, and its cells may use the names.
  TStringGrid table = Grid(2, 1, {"3", "Time*2"});
  table.SetCells(1, 0, "Time");
  for (const bool ok : {false, true}) {
    TFixture f(table);
    f.Form.FormShow();
    EXPECT_EQ(f.Document.HiddenTable, table) << ok;
    if (ok) {
      EXPECT_TRUE(f.Form.bOkClick());
      EXPECT_EQ(f.Document.HiddenTable.Cells(1, 0), "Col1");
      EXPECT_EQ(f.Document.HiddenTable.Cells(0, 1), "Row1");
      EXPECT_EQ(f.Document.HiddenTable.Cells(2, 1), "Time*2");
    } else {
      f.Form.FormClose();  // Cancel and the close box
      EXPECT_EQ(f.Document.HiddenTable, table);
      EXPECT_EQ(EvaluateTable(f.Document.HiddenTable).Cells(2, 1), "6");
    }
  }
}

TEST(DiagramInputForm, ColourSwatches) {
  TFixture f(Grid(1, 1), {ColumnDiagram()});
  f.Form.FormShow();
  f.Prompts.ColorAnswers = {0x0000FF, std::nullopt, 0x00FFFF};
  f.Form.pColor1Click();
  f.Form.pColor1Click();  // cancelled: the swatch keeps the chosen colour
  f.Form.pColor2Click();
  EXPECT_EQ(f.Form.pColor1, 0x0000FF);
  EXPECT_EQ(f.Form.pColor2, 0x00FFFF);
  EXPECT_EQ(f.Form.WorkDiagrams[0].Color1, 0x00FF00);  // not before the store step
  ASSERT_TRUE(f.Form.bOkClick());
  EXPECT_EQ(f.Document.Diagrams[0].Color1, 0x0000FF);
  EXPECT_EQ(f.Document.Diagrams[0].Color2, 0x00FFFF);
}

TEST(DiagramInputForm, SelectionKeptInsideAShrunkTable) {
  TFixture f(Grid(4, 4));
  f.Form.FormShow();
  f.Form.TableClick({3, 3, 4, 4});
  f.Form.FormClose();
  f.Document.HiddenTable = Grid(2, 1, {"p", "q"});
  f.Form.FormShow();
  EXPECT_EQ(f.Form.Selection, (TGridRect{2, 1, 2, 1}));
  EXPECT_EQ(f.Form.eCell, "q");
  // A table without data cells: the cell field edits nothing.
  f.Form.FormClose();
  f.Document.HiddenTable = TStringGrid(1, 1);
  f.Form.FormShow();
  f.Form.eCell = "lost";
  f.Form.eCellExit();
  EXPECT_EQ(f.Form.TempTable, TStringGrid(1, 1));
}
