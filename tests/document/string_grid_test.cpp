// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/string_grid.h"

#include <gtest/gtest.h>

TEST(StringGrid, CountsOfZeroOrBelowGiveOne) {
  struct Row {
    int cols, rows, wantCols, wantRows;
  };
  for (const Row& row : {Row{0, 0, 1, 1}, Row{-5, 3, 1, 3}, Row{4, -1, 4, 1}, Row{3, 2, 3, 2}}) {
    const TStringGrid grid(row.cols, row.rows);
    EXPECT_EQ(grid.ColCount(), row.wantCols) << row.cols;
    EXPECT_EQ(grid.RowCount(), row.wantRows) << row.rows;
  }
  TStringGrid grid(2, 2);
  grid.SetColCount(0);
  EXPECT_EQ(grid.ColCount(), 1);
  grid.SetRowCount(-7);
  EXPECT_EQ(grid.RowCount(), 1);
}

TEST(StringGrid, ShrinkingDiscardsAndGrowingGivesEmptyCells) {
  TStringGrid grid(3, 3);
  for (int c = 0; c < 3; ++c)
    for (int r = 0; r < 3; ++r) grid.SetCells(c, r, std::to_string(10 * c + r));
  grid.SetColCount(2);
  grid.SetRowCount(2);
  grid.SetSize(3, 3);
  EXPECT_EQ(grid.Cells(0, 0), "0");
  EXPECT_EQ(grid.Cells(1, 1), "11");
  EXPECT_EQ(grid.Cells(0, 1), "1");
  EXPECT_EQ(grid.Cells(1, 0), "10");
  for (int k = 0; k < 3; ++k) {
    EXPECT_EQ(grid.Cells(2, k), "");
    EXPECT_EQ(grid.Cells(k, 2), "");
  }
}

TEST(StringGrid, OutsideReadsEmptyAndWritesNothing) {
  TStringGrid grid(2, 2);
  grid.SetCells(2, 0, "x");
  grid.SetCells(0, -1, "x");
  EXPECT_EQ(grid, TStringGrid(2, 2));
  EXPECT_EQ(grid.Cells(5, 5), "");
  EXPECT_EQ(grid.Cells(-1, 0), "");
}

TEST(StringGrid, KeepsBytes) {
  TStringGrid grid(1, 1);
  const std::string bytes("a\0\xE9\n\xFF", 5);
  grid.SetCells(0, 0, bytes);
  EXPECT_EQ(grid.Cells(0, 0), bytes);
}
