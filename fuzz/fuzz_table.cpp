// SPDX-License-Identifier: GPL-3.0-or-later
// The data table under a sequence of cell operations decoded from the bytes:
// typing cells, growing and shrinking, fill, delete, copy, paste and
// transpose over selections that may reach past the edges, with evaluations
// in between. The grid must stay consistent and nothing may write outside it.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "document/data_table.h"

namespace {

class Bytes {
 public:
  Bytes(const uint8_t* data, size_t size) : data_(data), size_(size) {}
  bool Empty() const { return at_ >= size_; }
  uint8_t Next() { return at_ < size_ ? data_[at_++] : 0; }
  // A coordinate around the grid: mostly inside, sometimes past an edge.
  int Coordinate() { return static_cast<int>(Next() % 40) - 4; }
  std::string Text() {
    const size_t length = Next() % 24;
    std::string text;
    for (size_t k = 0; k < length && !Empty(); ++k) text += static_cast<char>(Next());
    return text;
  }

 private:
  const uint8_t* data_;
  size_t size_;
  size_t at_ = 0;
};

void CheckShape(const TStringGrid& grid) {
  if (grid.ColCount() < 1 || grid.RowCount() < 1) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  Bytes bytes(data, size);
  TStringGrid grid(3, 3);
  TCellClipboard clipboard;
  int steps = 0;
  while (!bytes.Empty() && steps++ < 200) {
    const uint8_t op = bytes.Next() % 10;
    TGridRect rect{bytes.Coordinate(), bytes.Coordinate(), bytes.Coordinate(), bytes.Coordinate()};
    switch (op) {
      case 0: {
        const int col = bytes.Coordinate(), row = bytes.Coordinate();
        if (grid.Contains(col, row)) grid.SetCells(col, row, bytes.Text());
        break;
      }
      case 1: AddColumns(grid, bytes.Next() % 8); break;
      case 2: AddRows(grid, bytes.Next() % 8); break;
      case 3: DeleteColumns(grid, bytes.Next() % 8); break;
      case 4: DeleteRows(grid, bytes.Next() % 8); break;
      case 5: FillCells(grid, rect); break;
      case 6: DeleteCells(grid, rect); break;
      case 7: CopyCells(grid, rect, clipboard); break;
      case 8: PasteCells(grid, rect, clipboard); break;
      case 9: {
        const TStringGrid table = EvaluateTable(grid);
        TransposeCells(grid, table, rect, clipboard);
        break;
      }
    }
    CheckShape(grid);
  }
  const TStringGrid table = EvaluateTable(grid);
  if (table.ColCount() != grid.ColCount() || table.RowCount() != grid.RowCount()) std::abort();
  return 0;
}
