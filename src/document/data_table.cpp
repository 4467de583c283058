// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/data_table.h"

#include <algorithm>
#include <utility>

#include "term/compiler.h"
#include "term/evaluator.h"
#include "term/var_table.h"

namespace {

// The part of rect inside the grid; false when nothing is left.
bool ClipToGrid(const TStringGrid& grid, const TGridRect& rect, TGridRect& clipped) {
  clipped.Left = std::max(rect.Left, 0);
  clipped.Top = std::max(rect.Top, 0);
  clipped.Right = std::min(rect.Right, grid.ColCount() - 1);
  clipped.Bottom = std::min(rect.Bottom, grid.RowCount() - 1);
  return clipped.Left <= clipped.Right && clipped.Top <= clipped.Bottom;
}

// Writes the clipboard with element [i][j] at (col(i, j), row(i, j)) where
// that lies inside the grid. Only the clipboard columns and strings that can
// land inside are visited, so a huge clipboard costs no more than the grid.
template <typename Place>
void WriteClipboard(TStringGrid& grid, TCellClipboard& clipboard, Place place) {
  for (size_t i = 0; i < clipboard.size(); ++i)
    for (size_t j = 0; j < clipboard[i].size(); ++j) {
      const auto [col, row] = place(static_cast<long long>(i), static_cast<long long>(j));
      if (col < 0 || row < 0 || col >= grid.ColCount() || row >= grid.RowCount()) continue;
      grid.SetCells(static_cast<int>(col), static_cast<int>(row), std::move(clipboard[i][j]));
    }
}

}  // namespace

std::string ColumnHeader(int col) { return col < 1 ? std::string() : "Col" + std::to_string(col); }

std::string RowHeader(int row) { return row < 1 ? std::string() : "Row" + std::to_string(row); }

void EvaluateTable(const TStringGrid& source, TStringGrid& table) {
  if (&source == &table) {
    // Evaluating a grid into itself would empty its cells before reading them.
    table = EvaluateTable(TStringGrid(source));
    return;
  }
  const int cols = source.ColCount();
  const int rows = source.RowCount();
  table = TStringGrid(cols, rows);
  for (int c = 0; c < cols; ++c) table.SetCells(c, 0, source.Cells(c, 0));
  for (int r = 1; r < rows; ++r) table.SetCells(0, r, source.Cells(0, r));

  TVarTable row;
  for (int r = 1; r < rows; ++r) {
    ClearVarTable(row);
    for (int c = 1; c < cols; ++c) {
      const std::string& text = source.Cells(c, r);
      TTerm term;
      TComplex value;
      if (CompileTerm(text, term) && EvaluateTerm(term, row, value)) {
        SetVariable(row, table.Cells(c, 0), value, value, value);
        table.SetCells(c, r, ComplexToStr(value));
      } else {
        table.SetCells(c, r, text);
      }
      FreeTerm(term);
    }
  }
}

TStringGrid EvaluateTable(const TStringGrid& source) {
  TStringGrid table;
  EvaluateTable(source, table);
  return table;
}

void GrowGrid(TStringGrid& grid, int colCount, int rowCount) {
  const int firstCol = grid.ColCount();
  const int firstRow = grid.RowCount();
  grid.SetSize(std::max(colCount, firstCol), std::max(rowCount, firstRow));
  for (int c = firstCol; c < grid.ColCount(); ++c) grid.SetCells(c, 0, ColumnHeader(c));
  for (int r = firstRow; r < grid.RowCount(); ++r) grid.SetCells(0, r, RowHeader(r));
}

void AddColumns(TStringGrid& grid, uint16_t n) {
  GrowGrid(grid, grid.ColCount() + n, grid.RowCount());
}

void AddRows(TStringGrid& grid, uint16_t n) {
  GrowGrid(grid, grid.ColCount(), grid.RowCount() + n);
}

void DeleteColumns(TStringGrid& grid, uint16_t n) {
  const int count = std::clamp(static_cast<int>(n), 0, std::max(grid.ColCount() - 2, 0));
  grid.SetColCount(grid.ColCount() - count);
}

void DeleteRows(TStringGrid& grid, uint16_t n) {
  const int count = std::clamp(static_cast<int>(n), 0, std::max(grid.RowCount() - 2, 0));
  grid.SetRowCount(grid.RowCount() - count);
}

void FillCells(TStringGrid& grid, const TGridRect& rect) {
  TGridRect inside;
  if (!ClipToGrid(grid, rect, inside)) return;
  const std::string text = grid.Cells(rect.Left, rect.Top);
  for (int c = inside.Left; c <= inside.Right; ++c)
    for (int r = inside.Top; r <= inside.Bottom; ++r) grid.SetCells(c, r, text);
}

void DeleteCells(TStringGrid& grid, const TGridRect& rect) {
  TGridRect inside;
  if (!ClipToGrid(grid, rect, inside)) return;
  for (int c = inside.Left; c <= inside.Right; ++c)
    for (int r = inside.Top; r <= inside.Bottom; ++r) grid.SetCells(c, r, std::string());
}

void CopyCells(const TStringGrid& grid, const TGridRect& rect, TCellClipboard& clipboard) {
  clipboard.clear();
  TGridRect inside;
  if (!ClipToGrid(grid, rect, inside)) return;
  // A rectangle reaching past the grid is taken from its part inside, so the
  // clipboard's size is bounded by the grid's.
  clipboard.resize(static_cast<size_t>(inside.Right - inside.Left + 1));
  for (int c = inside.Left; c <= inside.Right; ++c) {
    auto& column = clipboard[static_cast<size_t>(c - inside.Left)];
    column.reserve(static_cast<size_t>(inside.Bottom - inside.Top + 1));
    for (int r = inside.Top; r <= inside.Bottom; ++r) column.push_back(grid.Cells(c, r));
  }
}

void PasteCells(TStringGrid& grid, const TGridRect& rect, TCellClipboard& clipboard) {
  const long long left = rect.Left;
  const long long top = rect.Top;
  WriteClipboard(grid, clipboard, [&](long long i, long long j) {
    return std::pair{left + i, top + j};
  });
  clipboard.clear();
}

TGridRect TransposeCells(TStringGrid& grid, const TStringGrid& table, const TGridRect& rect,
                         TCellClipboard& clipboard) {
  if (rect.Left > rect.Right || rect.Top > rect.Bottom) {
    clipboard.clear();
    return rect;
  }
  CopyCells(table, rect, clipboard);
  const int w = rect.Right - rect.Left;
  const int h = rect.Bottom - rect.Top;
  DeleteCells(grid, rect);
  TGridRect inside;
  ClipToGrid(table, rect, inside);
  // The clipboard starts at the clipped corner, which is where it was taken.
  const long long left = rect.Left;
  const long long top = rect.Top;
  const long long di = inside.Left - rect.Left;
  const long long dj = inside.Top - rect.Top;
  WriteClipboard(grid, clipboard, [&](long long i, long long j) {
    return std::pair{left + j + dj, top + i + di};
  });
  clipboard.clear();
  return TGridRect{rect.Left, rect.Top, rect.Left + h, rect.Top + w};
}
