// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/data_table.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// A grid with the editor's headers and the given data rows (row 1 onwards,
// column 1 onwards).
TStringGrid MakeTable(const std::vector<std::vector<std::string>>& rows, int cols) {
  TStringGrid grid(cols + 1, static_cast<int>(rows.size()) + 1);
  for (int c = 1; c <= cols; ++c) grid.SetCells(c, 0, ColumnHeader(c));
  for (size_t r = 0; r < rows.size(); ++r) {
    grid.SetCells(0, static_cast<int>(r) + 1, RowHeader(static_cast<int>(r) + 1));
    for (size_t c = 0; c < rows[r].size(); ++c)
      grid.SetCells(static_cast<int>(c) + 1, static_cast<int>(r) + 1, rows[r][c]);
  }
  return grid;
}

std::vector<std::string> DataRow(const TStringGrid& grid, int row) {
  std::vector<std::string> cells;
  for (int c = 1; c < grid.ColCount(); ++c) cells.push_back(grid.Cells(c, row));
  return cells;
}

}  // namespace

TEST(DataTable, Headers) {
  EXPECT_EQ(ColumnHeader(3), "Col3");
  EXPECT_EQ(RowHeader(12), "Row12");
  EXPECT_EQ(ColumnHeader(0), "");
  EXPECT_EQ(RowHeader(-1), "");
}

TEST(DataTable, EvaluateRows) {
  struct Row {
    std::vector<std::string> cells;
    std::vector<std::string> want;
  };
  const std::vector<Row> rows = {
      // A cell cannot use its own column or one to its right.
      {{"2", "Col1*3", "Col3+1"}, {"2", "6", "Col3+1"}},
      {{"Col2", "5", "Col2-Col1"}, {"Col2", "5", "Col2-Col1"}},  // Col1 failed: not in the row
      {{"", "1,5", "i*i"}, {"", "1,5", "-1"}},                   // shown as typed
      {{"x", "1/0", "sqrt(-4)"}, {"x", "1/0", "2*i"}},           // no document variables
      {{"col1", "3", "Col2^2"}, {"col1", "3", "9"}},             // names are exact
      {{"1E400", "0.5", "Col2*2"}, {"1E400", "0.5", "1"}},
  };
  std::vector<std::vector<std::string>> cells;
  for (const auto& row : rows) cells.push_back(row.cells);
  const TStringGrid source = MakeTable(cells, 3);
  const TStringGrid table = EvaluateTable(source);
  ASSERT_EQ(table.ColCount(), 4);
  ASSERT_EQ(table.RowCount(), static_cast<int>(rows.size()) + 1);
  for (int c = 0; c < 4; ++c) EXPECT_EQ(table.Cells(c, 0), source.Cells(c, 0));
  for (size_t r = 0; r < rows.size(); ++r) {
    const int row = static_cast<int>(r) + 1;
    EXPECT_EQ(table.Cells(0, row), RowHeader(row));
    EXPECT_EQ(DataRow(table, row), rows[r].want) << "row " << row;
  }
}

TEST(DataTable, ColumnNamesAreTheHeaderTextsOfTheSource) {
  // A file may bring other headers; they name the columns until the editor
  // rewrites them.
  TStringGrid source(3, 2);
  source.SetCells(1, 0, "t");
  source.SetCells(2, 0, "Col1");
  source.SetCells(0, 1, "first");
  source.SetCells(1, 1, "4");
  source.SetCells(2, 1, "t+Col1");
  TStringGrid table;
  EvaluateTable(source, table);
  EXPECT_EQ(table.Cells(0, 1), "first");
  EXPECT_EQ(table.Cells(1, 1), "4");
  EXPECT_EQ(table.Cells(2, 1), "t+Col1");  // Col1 names no column here
  source.SetCells(2, 1, "t^2");
  EXPECT_EQ(EvaluateTable(source).Cells(2, 1), "16");
}

TEST(DataTable, EvaluateIntoItself) {
  TStringGrid grid = MakeTable({{"2", "Col1*3"}}, 2);
  const TStringGrid want = EvaluateTable(grid);
  EvaluateTable(grid, grid);
  EXPECT_EQ(grid, want);
  EXPECT_EQ(grid.Cells(2, 1), "6");
}

TEST(DataTable, EvaluationDoesNotLeakBetweenRows) {
  const TStringGrid source = MakeTable({{"7", ""}, {"", "Col1"}}, 2);
  const TStringGrid table = EvaluateTable(source);
  EXPECT_EQ(table.Cells(2, 2), "Col1");
}

TEST(DataTable, DeleteLimits) {
  struct Row {
    int cols;
    uint16_t n;
    int want;
  };
  for (const Row& row :
       {Row{3, 5, 2}, Row{2, 1, 2}, Row{1, 1, 1}, Row{6, 2, 4}, Row{6, 0, 6}, Row{6, 65535, 2}}) {
    TStringGrid grid(row.cols, row.cols);
    DeleteColumns(grid, row.n);
    EXPECT_EQ(grid.ColCount(), row.want) << row.cols << " - " << row.n;
    DeleteRows(grid, row.n);
    EXPECT_EQ(grid.RowCount(), row.want) << row.cols << " - " << row.n;
  }
}

TEST(DataTable, AddAfterDeleteBringsNothingBack) {
  TStringGrid grid = MakeTable({{"1", "2", "3"}, {"4", "5", "6"}}, 3);
  grid.SetCells(3, 0, "custom");
  DeleteColumns(grid, 1);
  DeleteRows(grid, 1);
  AddColumns(grid, 2);
  AddRows(grid, 1);
  EXPECT_EQ(grid.ColCount(), 5);
  EXPECT_EQ(grid.RowCount(), 3);
  EXPECT_EQ(grid.Cells(3, 0), "Col3");
  EXPECT_EQ(grid.Cells(4, 0), "Col4");
  EXPECT_EQ(grid.Cells(0, 2), "Row2");
  EXPECT_EQ(grid.Cells(3, 1), "");
  EXPECT_EQ(grid.Cells(1, 2), "");
  EXPECT_EQ(grid.Cells(2, 1), "2");
}

TEST(DataTable, FillAndDelete) {
  TStringGrid grid = MakeTable({{"1", "Col1*2"}, {"3", "x"}, {"5", "y"}}, 2);
  FillCells(grid, {2, 1, 2, 3});
  EXPECT_EQ(DataRow(EvaluateTable(grid), 3), (std::vector<std::string>{"5", "10"}));
  DeleteCells(grid, {1, 2, 2, 3});
  EXPECT_EQ(DataRow(grid, 1), (std::vector<std::string>{"1", "Col1*2"}));
  EXPECT_EQ(DataRow(grid, 2), (std::vector<std::string>{"", ""}));
  EXPECT_EQ(DataRow(grid, 3), (std::vector<std::string>{"", ""}));
  // A selection reaching past the edge touches only the inside.
  FillCells(grid, {1, 1, 100, 100});
  EXPECT_EQ(DataRow(grid, 3), (std::vector<std::string>{"1", "1"}));
  EXPECT_EQ(grid.ColCount(), 3);
  EXPECT_EQ(grid.RowCount(), 4);
}

TEST(DataTable, CopyPasteAndTheClipboardsLife) {
  TStringGrid grid = MakeTable({{"a", "b", "c"}, {"d", "e", "f"}, {"", "", ""}}, 3);
  TCellClipboard clipboard;
  CopyCells(grid, {1, 1, 3, 2}, clipboard);
  ASSERT_EQ(clipboard.size(), 3u);
  EXPECT_EQ(clipboard[0], (std::vector<std::string>{"a", "d"}));
  EXPECT_EQ(clipboard[2], (std::vector<std::string>{"c", "f"}));

  // Top-left in the last column: only the first clipboard column lands; the
  // table does not grow.
  PasteCells(grid, {3, 2, 3, 2}, clipboard);
  EXPECT_TRUE(clipboard.empty());
  EXPECT_EQ(grid.ColCount(), 4);
  EXPECT_EQ(grid.RowCount(), 4);
  EXPECT_EQ(DataRow(grid, 2), (std::vector<std::string>{"d", "e", "a"}));
  EXPECT_EQ(DataRow(grid, 3), (std::vector<std::string>{"", "", "d"}));
  AddColumns(grid, 1);
  EXPECT_EQ(grid.Cells(4, 2), "");
  EXPECT_EQ(grid.Cells(4, 3), "");

  // The clipboard was emptied: a second paste changes nothing.
  const TStringGrid before = grid;
  PasteCells(grid, {1, 1, 1, 1}, clipboard);
  EXPECT_EQ(grid, before);
}

TEST(DataTable, TransposeWritesValuesAndSelectsTheMirror) {
  // A 1 by 3 selection at (2, 1) in a table of 4 columns (3 data columns).
  TStringGrid grid = MakeTable({{"1", "2", "x"}, {"3", "Col1+1", ""}, {"", "7", ""}}, 3);
  const TStringGrid table = EvaluateTable(grid);
  TCellClipboard clipboard;
  const TGridRect selection = TransposeCells(grid, table, {2, 1, 2, 3}, clipboard);
  EXPECT_EQ(selection, (TGridRect{2, 1, 4, 1}));
  EXPECT_TRUE(clipboard.empty());
  EXPECT_EQ(DataRow(grid, 1), (std::vector<std::string>{"1", "2", "4"}));  // (4,1) lies outside
  EXPECT_EQ(grid.Cells(2, 2), "");
  EXPECT_EQ(grid.Cells(2, 3), "");
  EXPECT_EQ(grid.ColCount(), 4);
}

TEST(DataTable, TransposeRectangle) {
  TStringGrid grid = MakeTable({{"1", "2", "3"}, {"4", "5", "6"}, {"", "", ""}}, 3);
  TCellClipboard clipboard;
  const TGridRect selection = TransposeCells(grid, EvaluateTable(grid), {1, 1, 3, 2}, clipboard);
  EXPECT_EQ(selection, (TGridRect{1, 1, 2, 3}));
  EXPECT_EQ(DataRow(grid, 1), (std::vector<std::string>{"1", "4", ""}));
  EXPECT_EQ(DataRow(grid, 2), (std::vector<std::string>{"2", "5", ""}));
  EXPECT_EQ(DataRow(grid, 3), (std::vector<std::string>{"3", "6", ""}));
}

TEST(DataTable, CopyTransposePastePastesNothing) {
  TStringGrid grid = MakeTable({{"1", "2"}, {"3", "4"}}, 2);
  TCellClipboard clipboard;
  CopyCells(grid, {1, 1, 2, 1}, clipboard);
  TransposeCells(grid, EvaluateTable(grid), {1, 2, 1, 2}, clipboard);
  const TStringGrid before = grid;
  PasteCells(grid, {1, 1, 1, 1}, clipboard);
  EXPECT_EQ(grid, before);
}

TEST(DataTable, SelectionsOutsideTheGridWriteNothing) {
  TStringGrid grid = MakeTable({{"1", "2"}, {"3", "4"}}, 2);
  const TStringGrid before = grid;
  TCellClipboard clipboard;
  for (const TGridRect rect : {TGridRect{5, 5, 9, 9}, TGridRect{2, 2, 1, 1},
                               TGridRect{-3, -3, -1, -1}, TGridRect{1, 9, 2, 2000000000}}) {
    FillCells(grid, rect);
    DeleteCells(grid, rect);
    CopyCells(grid, rect, clipboard);
    EXPECT_TRUE(clipboard.empty());
    PasteCells(grid, rect, clipboard);
    EXPECT_EQ(grid, before);
  }
  clipboard = {{"a", "b"}, {"c"}};
  PasteCells(grid, {2000000000, 2000000000, 2000000000, 2000000000}, clipboard);
  EXPECT_EQ(grid, before);
}
