// SPDX-License-Identifier: GPL-3.0-or-later
// The reader of document files (".mvf", first line "Morvit V1"): the document
// part of the main window's OpenFile. It only reports; the caller shows
// "Invalid file.", selects the first tab and refreshes.
//
// The file is 8-bit text whose lines end with CR; an LF directly after a CR
// belongs to the line end, an LF alone ends no line. Strings keep their bytes.
// A number or string read at the end of the file reads as 0 or empty without
// error, so a truncated file loads without a message.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <iosfwd>
#include <string_view>

#include "document/document.h"
#include "document/string_grid.h"

// Bounds against hostile files. Every count is checked before anything is
// allocated for it; a count past its bound is "too large to hold" and fails
// the read like a malformed number. Real documents stay far below each bound,
// while the worst file within them still reads in bounded memory (a few
// hundred MB at most) and well under a second per megabyte.

// A display is a tab of the main window; nobody works with thousands of tabs.
inline constexpr int32_t MaxDisplays = 10'000;
// Graphs, diagrams, each display's two index lists and each of the four
// variable lists. Indices are 16-bit, so longer index lists add nothing.
inline constexpr int32_t MaxListElements = 100'000;
// The data table's cells (column count x row count), checked after each of
// the two counts is applied in file order (so at most 500,000 columns, as
// the row count is 2 when the column count arrives). Every cell is compiled
// and evaluated at each drawing; a million cells already take seconds.
inline constexpr int64_t MaxTableCells = 1'000'000;
// Bytes consumed from the stream. Skipping blanks and ignored lines costs no
// memory, but without a limit an endless stream (a pipe, /dev/zero) would
// never end the read. Anything after the last value is never read, so
// trailing bytes beyond this do not count.
inline constexpr uint64_t MaxFileBytes = 64ULL << 20;
// The text of one number: longer is malformed. No double or 32-bit integer
// needs more than a few dozen characters.
inline constexpr size_t MaxNumberLength = 4096;

inline constexpr std::string_view FileSignature = "Morvit V1";
inline constexpr std::string_view InvalidFileMessage = "Invalid file.";

// Reading a document file: empties the document (index lists, displays,
// graphs, diagrams; the data table becomes 2 by 2 keeping those four cells;
// the variable table stays) and reads the stream into it. Returns true when
// the read went through; false when "Invalid file." must be shown. On a
// failure reading stops there and what was read so far stays.
bool ReadDocument(std::istream& in, TDocument& document);
bool ReadDocument(std::string_view bytes, TDocument& document);

// What the document holds before the first value of a file is read.
void EmptyDocumentForReading(TDocument& document);

// OpenFile without its window: opens path (a file that cannot be opened
// empties the document and fails), reads it, and evaluates the data table
// into table with EvaluateTable, as opening a file does. Returns false when
// "Invalid file." must be shown.
bool OpenDocument(const std::filesystem::path& path, TDocument& document, TStringGrid& table);
