// SPDX-License-Identifier: GPL-3.0-or-later
// Delimited text as a user's file or the clipboard brings it: the first byte
// picks the import choices, the rest is the text. Whatever it holds, the
// import ends in a message or in data that fits the table; data that landed
// and is written out again reads back to the same cells.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "document/delimited_text.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const uint8_t choice = data[0];
  const TImportOptions options{static_cast<TSeparator>(choice % 5),
                               static_cast<TDecimalChoice>((choice / 5) % 3),
                               static_cast<THeaderChoice>((choice / 15) % 3)};
  const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);
  TDelimitedData imported;
  std::string error;
  if (!ParseDelimitedText(text, options, imported, error)) {
    if (error.empty() || !imported.Records.empty()) std::abort();
    return 0;
  }
  if (imported.Width < 1 || imported.Separator == TSeparator::Auto) std::abort();
  TStringGrid grid(2, 2);
  if (!PlaceDelimitedData(grid, imported, 1, 1, error)) return 0;
  for (int c = 1; c < grid.ColCount(); ++c) grid.SetCells(c, 0, ColumnHeader(c));

  for (TSeparator separator : {TSeparator::Comma, TSeparator::Semicolon, TSeparator::Tab}) {
    const std::string written = DelimitedText(grid, DataCells(grid), separator, true, "\r\n");
    TDelimitedData back;
    if (!ParseDelimitedText(written, {separator, TDecimalChoice::Point, THeaderChoice::Yes}, back,
                            error))
      std::abort();
    TStringGrid again(2, 2);
    if (!PlaceDelimitedData(again, back, 1, 1, error)) std::abort();
    for (int c = 1; c < grid.ColCount(); ++c)
      for (int r = 1; r < grid.RowCount(); ++r)
        if (again.Cells(c, r) != grid.Cells(c, r)) std::abort();
  }
  return 0;
}
