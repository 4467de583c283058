// SPDX-License-Identifier: GPL-3.0-or-later
// A rectangular grid of text cells, the shape of the diagram data table.
// Cell (c, r) is column c, row r, both from 0; row 0 holds the column headers
// and column 0 the row headers. Cells hold 8-bit text as raw bytes.
#pragma once

#include <string>
#include <vector>

class TStringGrid {
 public:
  // A 1 by 1 grid with one empty cell.
  TStringGrid() = default;
  TStringGrid(int colCount, int rowCount);

  int ColCount() const { return colCount_; }
  int RowCount() const { return rowCount_; }

  // Counts of 0 or below become 1. Cells that fall outside are discarded;
  // new cells are empty.
  void SetColCount(int count);
  void SetRowCount(int count);
  void SetSize(int colCount, int rowCount);

  bool Contains(int col, int row) const {
    return col >= 0 && row >= 0 && col < colCount_ && row < rowCount_;
  }
  // The text of a cell; empty for a position outside the grid.
  const std::string& Cells(int col, int row) const;
  // Writing outside the grid does nothing.
  void SetCells(int col, int row, std::string text);

  // Every cell becomes empty; the size stays.
  void ClearCells();

  bool operator==(const TStringGrid&) const = default;

 private:
  int colCount_ = 1;
  int rowCount_ = 1;
  std::vector<std::string> cells_ = std::vector<std::string>(1);  // column by column
};
