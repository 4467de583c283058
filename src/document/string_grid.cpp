// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/string_grid.h"

#include <algorithm>
#include <utility>

namespace {

int AtLeastOne(int count) { return count < 1 ? 1 : count; }

const std::string EmptyCell;

}  // namespace

TStringGrid::TStringGrid(int colCount, int rowCount) { SetSize(colCount, rowCount); }

void TStringGrid::SetColCount(int count) { SetSize(count, rowCount_); }

void TStringGrid::SetRowCount(int count) { SetSize(colCount_, count); }

void TStringGrid::SetSize(int colCount, int rowCount) {
  colCount = AtLeastOne(colCount);
  rowCount = AtLeastOne(rowCount);
  if (rowCount == rowCount_) {
    // Column by column storage: whole columns come and go at the end.
    cells_.resize(static_cast<size_t>(colCount) * static_cast<size_t>(rowCount));
    colCount_ = colCount;
    return;
  }
  std::vector<std::string> cells(static_cast<size_t>(colCount) * static_cast<size_t>(rowCount));
  const int keepCols = std::min(colCount, colCount_);
  const int keepRows = std::min(rowCount, rowCount_);
  for (int c = 0; c < keepCols; ++c)
    for (int r = 0; r < keepRows; ++r)
      cells[static_cast<size_t>(c) * static_cast<size_t>(rowCount) + static_cast<size_t>(r)] =
          std::move(cells_[static_cast<size_t>(c) * static_cast<size_t>(rowCount_) +
                           static_cast<size_t>(r)]);
  cells_ = std::move(cells);
  colCount_ = colCount;
  rowCount_ = rowCount;
}

const std::string& TStringGrid::Cells(int col, int row) const {
  if (!Contains(col, row)) return EmptyCell;
  return cells_[static_cast<size_t>(col) * static_cast<size_t>(rowCount_) +
                static_cast<size_t>(row)];
}

void TStringGrid::SetCells(int col, int row, std::string text) {
  if (!Contains(col, row)) return;
  cells_[static_cast<size_t>(col) * static_cast<size_t>(rowCount_) + static_cast<size_t>(row)] =
      std::move(text);
}

void TStringGrid::ClearCells() {
  for (auto& cell : cells_) cell.clear();
}
