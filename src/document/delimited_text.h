// SPDX-License-Identifier: GPL-3.0-or-later
// Delimited text in and out of the diagram data table: files written by
// spreadsheets and instruments (comma, semicolon, tab or blank separated,
// RFC 4180 quoting) and the tab-separated blocks that spreadsheets put on the
// clipboard.
//
// Reading detects what the text does not say: the separator, a decimal
// comma, a header line, and whether it is UTF-8 or Latin-1. Table cells are
// 8-bit Latin-1, so a character Latin-1 cannot hold refuses the text with a
// message instead of being changed. Every failure is a message for the user;
// nothing here talks to the user or touches a table until the whole text has
// been read.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "document/data_table.h"
#include "document/string_grid.h"

enum class TSeparator : uint8_t { Auto, Comma, Semicolon, Tab, Blank };
enum class TDecimalChoice : uint8_t { Auto, Point, Comma };
enum class THeaderChoice : uint8_t { Auto, Yes, No };

struct TImportOptions {
  TSeparator Separator = TSeparator::Auto;
  TDecimalChoice Decimal = TDecimalChoice::Auto;
  THeaderChoice Header = THeaderChoice::Auto;
};

// What a delimited text holds, as it will land in the table: fields in
// Latin-1, blanks around unquoted fields removed, quotes removed, a line break
// inside a quoted field turned into one blank (a cell is one line of a
// document file), and a decimal comma turned into a point where chosen.
struct TDelimitedData {
  // The choices that were made, detected or given; never Auto.
  TSeparator Separator = TSeparator::Comma;
  bool DecimalComma = false;
  bool Header = false;
  bool Utf8 = false;
  std::vector<std::string> HeaderNames;           // the header line's fields
  std::vector<std::vector<std::string>> Records;  // the data records, in order
  int Width = 0;                                  // fields of the widest record
};

// A file larger than this cannot become a document that could be stored
// again (a document file holds at most as much), so it is refused unread.
inline constexpr uint64_t MaxImportBytes = 64ULL << 20;

// Reads at most MaxImportBytes of the file at path (a pipe works too).
// False with the message when it cannot be read or is larger.
bool ReadDelimitedFile(const std::filesystem::path& path, std::string& bytes, std::string& error);

// Splits and interprets bytes. False with the message when the text is not
// text, never closes a quote, holds a character a cell cannot hold, holds no
// data, or has more fields than the data table could ever hold (the parse
// stops there, so the work and the memory stay bounded).
bool ParseDelimitedText(std::string_view bytes, const TImportOptions& options, TDelimitedData& data,
                        std::string& error);

// Writes data into grid with its first field at cell (left, top): the block
// of data's width and record count is overwritten (short records leave
// their remaining cells empty) and the grid grows to hold it, new columns
// and rows with their headers. False with the message, grid untouched, when
// the grid would pass the data table's bounds.
bool PlaceDelimitedData(TStringGrid& grid, const TDelimitedData& data, int left, int top,
                        std::string& error);

// The cells of rect (clipped to the data cells of grid) as delimited text in
// UTF-8: one record per row, RFC 4180 quoting wherever reading the field back
// would otherwise change it; with header, the column header texts first.
// separator is Comma, Semicolon or Tab (anything else writes commas).
std::string DelimitedText(const TStringGrid& grid, const TGridRect& rect, TSeparator separator,
                          bool header, std::string_view lineEnd);

// The whole table's data cells.
TGridRect DataCells(const TStringGrid& grid);

// Option words as the command line and the import dialog name them.
const char* SeparatorName(TSeparator separator);
