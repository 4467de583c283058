// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/delimited_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "document/reader.h"

namespace {

using TRecords = std::vector<std::vector<std::string>>;

struct TParseCase {
  const char* name;
  std::string bytes;
  TImportOptions options;
  TRecords records;
  TSeparator separator;
  bool decimalComma;
  std::vector<std::string> header;  // empty: no header line
};

const TImportOptions Auto{};
TImportOptions Sep(TSeparator s) { return {s, TDecimalChoice::Auto, THeaderChoice::Auto}; }
TImportOptions Dec(TDecimalChoice d) { return {TSeparator::Auto, d, THeaderChoice::Auto}; }
TImportOptions Head(THeaderChoice h) { return {TSeparator::Auto, TDecimalChoice::Auto, h}; }

constexpr TSeparator Comma = TSeparator::Comma, Semicolon = TSeparator::Semicolon,
                     Tab = TSeparator::Tab, Blank = TSeparator::Blank;

TEST(DelimitedText, ParsesTheCasesAsTheyWillLand) {
  const TParseCase cases[] = {
      {.name = "comma",
       .bytes = "1,2,3\n4,5,6\n",
       .options = Auto,
       .records = {{"1", "2", "3"}, {"4", "5", "6"}},
       .separator = Comma,
       .decimalComma = false,
       .header = {}},
      {.name = "semicolon",
       .bytes = "1;2\n3;4\n",
       .options = Auto,
       .records = {{"1", "2"}, {"3", "4"}},
       .separator = Semicolon,
       .decimalComma = false,
       .header = {}},
      {.name = "tab keeps inner blanks",
       .bytes = "1\t2 3\n4\t5\n",
       .options = Auto,
       .records = {{"1", "2 3"}, {"4", "5"}},
       .separator = Tab,
       .decimalComma = false,
       .header = {}},
      {.name = "blank runs",
       .bytes = "1   2\n 3 4 \n",
       .options = Auto,
       .records = {{"1", "2"}, {"3", "4"}},
       .separator = Blank,
       .decimalComma = false,
       .header = {}},
      {.name = "tabs separate blank text too",
       .bytes = "  1 \t 2\t3\n",
       .options = Sep(Blank),
       .records = {{"1", "2", "3"}},
       .separator = Blank,
       .decimalComma = false,
       .header = {}},
      {.name = "one column",
       .bytes = "7\n8\n",
       .options = Auto,
       .records = {{"7"}, {"8"}},
       .separator = Comma,
       .decimalComma = false,
       .header = {}},
      {.name = "separator overridden",
       .bytes = "1;2,5\n",
       .options = Sep(Comma),
       .records = {{"1;2", "5"}},
       .separator = Comma,
       .decimalComma = false,
       .header = {}},
      {.name = "quoted separator, quote and line break",
       .bytes = "\"a,b\",\"say \"\"hi\"\"\",\"x\r\ny\"\n",
       .options = Auto,
       .records = {{"a,b", "say \"hi\"", "x y"}},
       .separator = Comma,
       .decimalComma = false,
       .header = {}},
      {.name = "blanks around unquoted fields go, inside quotes stay",
       .bytes = " 1 , \" 2 \" ,3 x\n",
       .options = Auto,
       .records = {{"1", " 2 ", "3 x"}},
       .separator = Comma,
       .decimalComma = false,
       .header = {}},
      {.name = "quoted empty field stays a field in blank text",
       .bytes = "1 \"\" 3\n",
       .options = Sep(Blank),
       .records = {{"1", "", "3"}},
       .separator = Blank,
       .decimalComma = false,
       .header = {}},
      {.name = "CRLF",
       .bytes = "1,2\r\n3,4\r\n",
       .options = Auto,
       .records = {{"1", "2"}, {"3", "4"}},
       .separator = Comma,
       .decimalComma = false,
       .header = {}},
      {.name = "CR alone",
       .bytes = "1,2\r3,4\r",
       .options = Auto,
       .records = {{"1", "2"}, {"3", "4"}},
       .separator = Comma,
       .decimalComma = false,
       .header = {}},
      {.name = "no line end at the end",
       .bytes = "1,2\n3,4",
       .options = Auto,
       .records = {{"1", "2"}, {"3", "4"}},
       .separator = Comma,
       .decimalComma = false,
       .header = {}},
      {.name = "a closed quote at the very end",
       .bytes = "1,\"2\"",
       .options = Auto,
       .records = {{"1", "2"}},
       .separator = Comma,
       .decimalComma = false,
       .header = {}},
      {.name = "empty lines inside stay rows, trailing ones go",
       .bytes = "1,2\n\n\r\n3,4\n\n\n",
       .options = Auto,
       .records = {{"1", "2"}, {}, {}, {"3", "4"}},
       .separator = Comma,
       .decimalComma = false,
       .header = {}},
      {.name = "ragged rows",
       .bytes = "1,2,3\n4\n5,6\n",
       .options = Auto,
       .records = {{"1", "2", "3"}, {"4"}, {"5", "6"}},
       .separator = Comma,
       .decimalComma = false,
       .header = {}},
      {.name = "UTF-8 BOM",
       .bytes = "\xEF\xBB\xBFx,y\n1,2\n",
       .options = Auto,
       .records = {{"1", "2"}},
       .separator = Comma,
       .decimalComma = false,
       .header = {"x", "y"}},
      {.name = "UTF-8 into Latin-1",
       .bytes = "\xC3\xA4\xC3\xB6,\xC2\xB5\n",
       .options = Auto,
       .records = {{"\xE4\xF6", "\xB5"}},
       .separator = Comma,
       .decimalComma = false,
       .header = {}},
      {.name = "Latin-1 stays",
       .bytes = "\xE4\xF6,\xB5\n",
       .options = Auto,
       .records = {{"\xE4\xF6", "\xB5"}},
       .separator = Comma,
       .decimalComma = false,
       .header = {}},
      {.name = "decimal comma with semicolons",
       .bytes = "1,5;2,25\n-3,0e2;4\n",
       .options = Auto,
       .records = {{"1.5", "2.25"}, {"-3.0e2", "4"}},
       .separator = Semicolon,
       .decimalComma = true,
       .header = {}},
      {.name = "decimal comma only in numbers",
       .bytes = "1,5\tsin(1,5)\n",
       .options = Auto,
       .records = {{"1.5", "sin(1,5)"}},
       .separator = Tab,
       .decimalComma = true,
       .header = {}},
      {.name = "a decimal point rules out a decimal comma",
       .bytes = "1,5;2.5\n",
       .options = Auto,
       .records = {{"1,5", "2.5"}},
       .separator = Semicolon,
       .decimalComma = false,
       .header = {}},
      {.name = "decimal comma chosen",
       .bytes = "1,5;2.5\n",
       .options = Dec(TDecimalChoice::Comma),
       .records = {{"1.5", "2.5"}},
       .separator = Semicolon,
       .decimalComma = true,
       .header = {}},
      {.name = "decimal comma refused",
       .bytes = "1,5;2\n",
       .options = Dec(TDecimalChoice::Point),
       .records = {{"1,5", "2"}},
       .separator = Semicolon,
       .decimalComma = false,
       .header = {}},
      {.name = "never a decimal comma between commas",
       .bytes = "\"1,5\",2\n",
       .options = Auto,
       .records = {{"1,5", "2"}},
       .separator = Comma,
       .decimalComma = false,
       .header = {}},
      {.name = "header of names over numbers",
       .bytes = "time;U (V)\n0;1,5\n",
       .options = Auto,
       .records = {{"0", "1.5"}},
       .separator = Semicolon,
       .decimalComma = true,
       .header = {"time", "U (V)"}},
      {.name = "no header when the first line holds a number",
       .bytes = "x,2\n1,2\n",
       .options = Auto,
       .records = {{"x", "2"}, {"1", "2"}},
       .separator = Comma,
       .decimalComma = false,
       .header = {}},
      {.name = "no header over text only",
       .bytes = "a,b\nc,d\n",
       .options = Auto,
       .records = {{"a", "b"}, {"c", "d"}},
       .separator = Comma,
       .decimalComma = false,
       .header = {}},
      {.name = "header chosen",
       .bytes = "1,2\n3,4\n",
       .options = Head(THeaderChoice::Yes),
       .records = {{"3", "4"}},
       .separator = Comma,
       .decimalComma = false,
       .header = {"1", "2"}},
      {.name = "header refused",
       .bytes = "x,y\n1,2\n",
       .options = Head(THeaderChoice::No),
       .records = {{"x", "y"}, {"1", "2"}},
       .separator = Comma,
       .decimalComma = false,
       .header = {}},
      {.name = "a stray quote inside a field is kept",
       .bytes = "5\" pipe,2\n",
       .options = Auto,
       .records = {{"5\" pipe", "2"}},
       .separator = Comma,
       .decimalComma = false,
       .header = {}},
  };
  for (const TParseCase& c : cases) {
    SCOPED_TRACE(c.name);
    TDelimitedData data;
    std::string error;
    ASSERT_TRUE(ParseDelimitedText(c.bytes, c.options, data, error)) << error;
    EXPECT_EQ(data.Records, c.records);
    EXPECT_EQ(data.Separator, c.separator);
    EXPECT_EQ(data.DecimalComma, c.decimalComma);
    EXPECT_EQ(data.Header, !c.header.empty());
    EXPECT_EQ(data.HeaderNames, c.header);
    size_t width = 0;
    for (const auto& record : c.records) width = std::max(width, record.size());
    EXPECT_EQ(data.Width, static_cast<int>(width));
  }
}

TEST(DelimitedText, RefusesWhatCannotLand) {
  const struct {
    const char* name;
    std::string bytes;
    std::string message;  // the start of the message
  } cases[] = {
      {"NUL bytes", std::string(1000, '\0'), "The file is not text"},
      {"a NUL in text", std::string("1,2\n3,\0", 7), "The file is not text"},
      {"UTF-16",
       "\xFF\xFE"
       "1\0,\0"
       "2\0",
       "The file is UTF-16 text"},
      {"broken UTF-8 behind a BOM", "\xEF\xBB\xBF\xE4,1\n", "The file is marked as UTF-8"},
      {"past Latin-1", "1,\xE2\x82\xAC\n", "Record 1, field 2 holds the character U+20AC"},
      {"past Latin-1 further down", "1\n2\n\xF0\x9F\x98\x80\n",
       "Record 3, field 1 holds the character U+1F600"},
      {"quote never closed", "1,2\n\"3,4\n5,6\n", "Record 2 opens a quote that is never closed."},
      {"empty", "", "The file holds no data."},
      {"only line ends", "\r\n\n\n", "The file holds no data."},
      {"only a header", "x,y\n", "The file holds no data."},
      {"wider than any table", std::string(1'000'000, ','), "The data does not fit"},
      {"longer than any table",
       [] {
         std::string text;
         for (int k = 0; k < 600'000; ++k) text += "1,2\n";
         return text;
       }(),
       "The data does not fit"},
      {"larger than a document", std::string(MaxImportBytes + 1, 'x'),
       "The file is larger than 64 MB"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    TDelimitedData data;
    std::string error;
    EXPECT_FALSE(ParseDelimitedText(c.bytes, Head(THeaderChoice::Yes), data, error));
    EXPECT_EQ(error.substr(0, c.message.size()), c.message) << error;
    EXPECT_TRUE(data.Records.empty());
  }
}

TEST(DelimitedText, PlacesTheBlockAtTheCellAndGrows) {
  TStringGrid grid(3, 3);
  grid.SetCells(1, 1, "keep");
  grid.SetCells(2, 2, "over");
  TDelimitedData data;
  std::string error;
  ASSERT_TRUE(ParseDelimitedText("a,b,c\nd\n", Auto, data, error));
  ASSERT_TRUE(PlaceDelimitedData(grid, data, 2, 2, error)) << error;
  EXPECT_EQ(grid.ColCount(), 5);
  EXPECT_EQ(grid.RowCount(), 4);
  EXPECT_EQ(grid.Cells(1, 1), "keep");
  EXPECT_EQ(grid.Cells(2, 2), "a");
  EXPECT_EQ(grid.Cells(4, 2), "c");
  EXPECT_EQ(grid.Cells(2, 3), "d");
  EXPECT_EQ(grid.Cells(3, 3), "");  // the short record is padded
  EXPECT_EQ(grid.Cells(4, 0), "Col4");
  EXPECT_EQ(grid.Cells(0, 3), "Row3");
}

TEST(DelimitedText, RefusesABlockPastTheBoundsAndLeavesTheGrid) {
  TStringGrid grid(3, 3);
  grid.SetCells(1, 1, "keep");
  const TStringGrid before = grid;
  TDelimitedData data;
  data.Records = {{"1", "2"}};
  data.Width = 2;
  std::string error;
  // Fits at (1, 1), not with its first field 999,999 rows down.
  EXPECT_TRUE(PlaceDelimitedData(grid, data, 1, 1, error));
  grid = before;
  EXPECT_FALSE(PlaceDelimitedData(grid, data, 1, 999'999, error));
  EXPECT_NE(error.find("more than the 1000000 cells"), std::string::npos) << error;
  EXPECT_EQ(grid, before);
}

TStringGrid WithHeaders(int cols, int rows) {
  TStringGrid grid(cols, rows);
  for (int c = 1; c < cols; ++c) grid.SetCells(c, 0, ColumnHeader(c));
  return grid;
}

// Whatever cells hold, writing them out and reading them back gives the same
// texts, for every separator the export offers.
TEST(DelimitedText, ExportThenImportGivesBackTheCells) {
  TStringGrid grid = WithHeaders(5, 5);
  const char* texts[4][4] = {{"1", "2.5", "-3e-7", "Col1*2"},
                             {"a,b", "say \"hi\"", " padded ", "semi;colon"},
                             {"", "tab\there", "\xE4\xB5\xFF", "1,5"},
                             {"", "", "", ""}};
  for (int c = 1; c <= 4; ++c)
    for (int r = 1; r <= 4; ++r) grid.SetCells(c, r, texts[r - 1][c - 1]);
  for (TSeparator separator : {Comma, Semicolon, Tab}) {
    SCOPED_TRACE(SeparatorName(separator));
    const std::string text = DelimitedText(grid, DataCells(grid), separator, true, "\r\n");
    TDelimitedData data;
    std::string error;
    ASSERT_TRUE(ParseDelimitedText(text, {separator, TDecimalChoice::Point, THeaderChoice::Yes},
                                   data, error))
        << error;
    EXPECT_TRUE(data.Utf8);
    EXPECT_EQ(data.HeaderNames, (std::vector<std::string>{"Col1", "Col2", "Col3", "Col4"}));
    TStringGrid back(2, 2);
    ASSERT_TRUE(PlaceDelimitedData(back, data, 1, 1, error));
    for (int c = 1; c <= 4; ++c)
      for (int r = 1; r <= 4; ++r) EXPECT_EQ(back.Cells(c, r), grid.Cells(c, r)) << c << "," << r;
  }
}

TEST(DelimitedText, SingleColumnKeepsItsEmptyCells) {
  TStringGrid grid(2, 4);
  grid.SetCells(1, 1, "1");
  grid.SetCells(1, 3, "3");
  const std::string text = DelimitedText(grid, DataCells(grid), Comma, false, "\n");
  EXPECT_EQ(text, "1\n\"\"\n3\n");
  TDelimitedData data;
  std::string error;
  ASSERT_TRUE(ParseDelimitedText(text, Auto, data, error));
  EXPECT_EQ(data.Records, (TRecords{{"1"}, {""}, {"3"}}));
}

TEST(DelimitedText, ExportsTheSelectionInUtf8) {
  TStringGrid grid = WithHeaders(4, 3);
  grid.SetCells(2, 1, "\xE4");
  grid.SetCells(3, 1, "x");
  grid.SetCells(2, 2, "y");
  EXPECT_EQ(DelimitedText(grid, {2, 1, 3, 2}, Semicolon, true, "\n"),
            "Col2;Col3\n\xC3\xA4;x\ny;\n");
}

}  // namespace
