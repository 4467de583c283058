// SPDX-License-Identifier: GPL-3.0-or-later
// The diagram data table's evaluation and the cell operations of the diagram
// data editor, as grid logic without any widget. Every cell is a term that may
// name the columns to its left in the same row by their header texts (Col1,
// Col2, ...).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "document/string_grid.h"

// The evaluated table: same size and headers as source; each data cell holds
// ComplexToStr of its value, or the raw text where compiling or evaluating
// failed. Each row is evaluated left to right against a variable table of its
// own, named by the header texts of row 0 of source; the document's variable
// table is never visible to cells.
void EvaluateTable(const TStringGrid& source, TStringGrid& table);
TStringGrid EvaluateTable(const TStringGrid& source);

// Header texts: "Col" or "Row" followed by the number; empty below 1.
std::string ColumnHeader(int col);
std::string RowHeader(int row);

// A selection of cells, inclusive on all sides.
struct TGridRect {
  int Left = 1;
  int Top = 1;
  int Right = 1;
  int Bottom = 1;

  bool operator==(const TGridRect&) const = default;
};

// Element [i][j] is the cell at column Left + i, row Top + j of the rectangle
// it was taken from.
using TCellClipboard = std::vector<std::vector<std::string>>;

// Grow to at least colCount columns and rowCount rows; every new column and
// row gets its header, its data cells are empty. A smaller count shrinks nothing.
void GrowGrid(TStringGrid& grid, int colCount, int rowCount);
// Grow by n columns or rows, each new one with its header and empty cells.
void AddColumns(TStringGrid& grid, uint16_t n);
void AddRows(TStringGrid& grid, uint16_t n);
// Remove the last n columns or rows; at least one data column or row stays.
void DeleteColumns(TStringGrid& grid, uint16_t n);
void DeleteRows(TStringGrid& grid, uint16_t n);

// The rectangle operations touch only the part of rect that lies inside the
// grid, so a selection reaching past the edge never writes outside it; a rect
// with Left > Right or Top > Bottom selects nothing.

// Every cell of rect gets the raw text of cell (Left, Top).
void FillCells(TStringGrid& grid, const TGridRect& rect);
// Every cell of rect becomes empty.
void DeleteCells(TStringGrid& grid, const TGridRect& rect);
// The clipboard becomes the texts of rect, column by column.
void CopyCells(const TStringGrid& grid, const TGridRect& rect, TCellClipboard& clipboard);
// Writes the clipboard with its first element at (Left, Top); what falls
// outside the grid is dropped and the grid does not grow. Empties the
// clipboard.
void PasteCells(TStringGrid& grid, const TGridRect& rect, TCellClipboard& clipboard);
// Mirrors rect at its top-left cell: the values of the evaluated table (not
// the raw texts of grid) replace the rectangle, transposed, as far as the
// grid reaches. Empties the clipboard (a block copied before is lost) and
// returns the new selection, which may reach past the grid.
TGridRect TransposeCells(TStringGrid& grid, const TStringGrid& table, const TGridRect& rect,
                         TCellClipboard& clipboard);
