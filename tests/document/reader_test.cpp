// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/reader.h"

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <sstream>
#include <streambuf>
#include <string>
#include <vector>

#include "document/data_table.h"
#include "term/evaluator.h"

namespace {

using Lines = std::vector<std::string>;

std::string Mvf(const Lines& lines, const char* end = "\r\n") {
  std::string text;
  for (const auto& line : lines) text += line + end;
  return text;
}

Lines Concat(std::initializer_list<Lines> parts) {
  Lines all;
  for (const auto& part : parts) all.insert(all.end(), part.begin(), part.end());
  return all;
}

const Lines Header = {"Morvit V1", "", ""};

// The display block of a new display, 42 lines.
const Lines DefaultDisplay = {
    "-10", "-10", "-10", "-10", "10",  "-10", "10", "-10", "10", "0", "0", "0", "1", "1",
    "1",   "0",   "0",   "0",   "500", "100", "-1", "-1",  "0",  "0", "0", "0", "1", "1",
    "1",   "0",   "10",  "10",  "10",  "2",   "2",  "2",   "1",  "1", "x", "y", "z", "65280"};

// The 58-line file that reads into exactly the document "New document" makes.
const Lines NewDocument = Concat({Header,
                                  {"0"},
                                  DefaultDisplay,
                                  {"-1", "-1", "2", "2", "", "", "", "", "-1", "-1", "-1", "-1"}});

bool SameVarTable(const TVarTable& a, const TVarTable& b) {
  auto same = [](const std::vector<TComplex>& x, const std::vector<TComplex>& y) {
    if (x.size() != y.size()) return false;
    for (size_t k = 0; k < x.size(); ++k)
      if (x[k].Re != y[k].Re || x[k].Im != y[k].Im) return false;
    return true;
  };
  return a.Names == b.Names && same(a.Minimum, b.Minimum) && same(a.Maximum, b.Maximum) &&
         same(a.Actual, b.Actual);
}

bool SameDocument(const TDocument& a, const TDocument& b) {
  return a.Displays == b.Displays && a.Graphs == b.Graphs && a.Diagrams == b.Diagrams &&
         a.HiddenTable == b.HiddenTable && SameVarTable(a.VarTable, b.VarTable);
}

// A document that holds something everywhere, so that a test sees what a read
// replaced and what it kept.
TDocument Populated() {
  TDocument doc;
  CreateDocument(doc);
  doc.Displays.resize(2);
  doc.Displays[0].GraphIndices = {0};
  doc.Graphs.resize(1);
  doc.Diagrams.resize(1);
  doc.HiddenTable.SetSize(3, 3);
  for (int c = 0; c < 3; ++c)
    for (int r = 0; r < 3; ++r)
      doc.HiddenTable.SetCells(c, r, std::to_string(c) + std::to_string(r));
  SetVariable(doc.VarTable, "old", {1, 2}, {3, 4}, {5, 6});
  return doc;
}

// Reads bytes both ways, checks that the stream and buffer readers agree,
// and returns the buffer reader's result.
bool Read(const std::string& bytes, TDocument& doc) {
  TDocument viaStream = doc;
  std::istringstream in(bytes);
  const bool streamOk = ReadDocument(in, viaStream);
  const bool ok = ReadDocument(std::string_view(bytes), doc);
  EXPECT_EQ(ok, streamOk);
  EXPECT_TRUE(SameDocument(doc, viaStream));
  return ok;
}

}  // namespace

TEST(Reader, TheNewDocumentFile) {
  ASSERT_EQ(NewDocument.size(), 58u);
  TDocument doc = Populated();
  ASSERT_TRUE(Read(Mvf(NewDocument), doc));
  TDocument fresh;
  CreateDocument(fresh);
  EXPECT_TRUE(SameDocument(doc, fresh));
  // The same file with CR alone as line end.
  doc = Populated();
  ASSERT_TRUE(Read(Mvf(NewDocument, "\r"), doc));
  EXPECT_TRUE(SameDocument(doc, fresh));
}

TEST(Reader, WrongFirstLine) {
  for (const char* first :
       {"Morvit V1 ", "morvit v1", "Morvit V2", "", " Morvit V1", "Morvit V1\n"}) {
    Lines lines = NewDocument;
    lines[0] = first;
    TDocument doc = Populated();
    EXPECT_FALSE(Read(Mvf(lines), doc)) << first;
    EXPECT_TRUE(doc.Displays.empty());
    EXPECT_TRUE(doc.Graphs.empty());
    EXPECT_TRUE(doc.Diagrams.empty());
    // Cut to 2 by 2; the four remaining cells keep their text.
    EXPECT_EQ(doc.HiddenTable.ColCount(), 2);
    EXPECT_EQ(doc.HiddenTable.RowCount(), 2);
    EXPECT_EQ(doc.HiddenTable.Cells(1, 1), "11");
    EXPECT_EQ(doc.VarTable.Names, TStringArray{"old"});  // untouched
    EXPECT_EQ(doc.VarTable.Actual.size(), 1u);
  }
}

TEST(Reader, LinefeedAloneEndsNoLine) {
  TDocument doc = Populated();
  EXPECT_FALSE(Read(Mvf(NewDocument, "\n"), doc));
  EXPECT_TRUE(doc.Displays.empty());
}

TEST(Reader, AnEmptyFileIsInvalid) {
  TDocument doc = Populated();
  EXPECT_FALSE(Read("", doc));
}

TEST(Reader, FlagsStylesAndIndices) {
  Lines display = DefaultDisplay;
  display[15] = "45";  // Alpha
  display[20] = "3";   // G: four graph indices follow
  display.insert(display.begin() + 21, {"1", "65537", "-1", "70000"});
  // From here on the positions are shifted by 4.
  display[25] = "0";  // H: one diagram index
  display.insert(display.begin() + 26, "2");
  display[27] = "2";               // ThreeAxes: only 1 means true
  display[28] = "1";               // Log1
  display[41] = "7";               // DisplayStyle out of range
  display[42] = "2";               // AxisStyle
  display[43] = "Zeit \xE9t\xE9";  // 8-bit text stays bytes
  TDocument doc;
  ASSERT_TRUE(Read(Mvf(Concat({Header, {"0"}, display})), doc));
  ASSERT_EQ(doc.Displays.size(), 1u);
  const TCoordinateSystem& d = doc.Displays[0];
  EXPECT_EQ(d.Alpha, 45);
  EXPECT_EQ(d.GraphIndices, (std::vector<uint16_t>{1, 1, 65535, 4464}));
  EXPECT_EQ(d.DiagramIndices, std::vector<uint16_t>{2});
  EXPECT_FALSE(d.ThreeAxes);
  EXPECT_TRUE(d.Log1);
  EXPECT_EQ(d.DisplayStyle, 0);
  EXPECT_EQ(d.AxisStyle, 2);
  EXPECT_EQ(d.Label1, "Zeit \xE9t\xE9");
  EXPECT_EQ(d.AxisColor, 65280);
}

TEST(Reader, NumberSyntax) {
  struct Row {
    const char* line;
    bool ok;
    double value;  // as the Min1 real
  };
  const Row rows[] = {
      {"2.5", true, 2.5},
      {"-1E-5", true, -1E-5},
      {"1e3", true, 1000},
      {"+2.5E+3", true, 2500},
      {".5", true, 0.5},
      {"5.", true, 5},
      {"10   remark after the number", true, 10},
      {"  \t7\tremark", true, 7},
      {"1E-400", true, 0},  // below the double range: 0, not an error
      {"1.7976931348623157E308", true, 1.7976931348623157E308},
      {"1,5", false, 0},  // a decimal comma
      {"1E309", false, 0},
      {"-1E309", false, 0},
      {"1E", false, 0},
      {"e5", false, 0},
      {"inf", false, 0},
      {"nan", false, 0},
      {"0x10", false, 0},
      {"1.5.2", false, 0},
      {"--1", false, 0},
      {"- 1", false, 0},
      {"\x7F"
       "1",
       false, 0},
  };
  for (const Row& row : rows) {
    Lines display = DefaultDisplay;
    display[3] = row.line;
    TDocument doc;
    EXPECT_EQ(Read(Mvf(Concat({Header, {"0"}, display})), doc), row.ok) << row.line;
    ASSERT_EQ(doc.Displays.size(), 1u);
    EXPECT_EQ(doc.Displays[0].Min1, row.value) << row.line;
    EXPECT_EQ(doc.Displays[0].Origin3, -10.0);  // read before the failure: stays
    if (!row.ok) {
      EXPECT_EQ(doc.Displays[0].Label1, "") << row.line;  // after it: blank
    }
  }
}

TEST(Reader, IntegerSyntax) {
  struct Row {
    const char* line;
    bool ok;
    int32_t value;  // as the Perspective integer
  };
  const Row rows[] = {
      {"500", true, 500},
      {"+5", true, 5},
      {"-2147483648", true, -2147483647 - 1},
      {"2147483647", true, 2147483647},
      {"000000000000000000000000000042", true, 42},
      {"12 and a remark", true, 12},
      {"12\x01junk", true, 12},  // a control character ends the number
      {"2147483648", false, 0},
      {"-2147483649", false, 0},
      {"99999999999999999999", false, 0},
      {"1.5", false, 0},
      {"1E3", false, 0},
      {"-", false, 0},
      {"12junk", false, 0},
  };
  for (const Row& row : rows) {
    Lines display = DefaultDisplay;
    display[18] = row.line;
    TDocument doc;
    EXPECT_EQ(Read(Mvf(Concat({Header, {"0"}, display})), doc), row.ok) << row.line;
    ASSERT_EQ(doc.Displays.size(), 1u);
    EXPECT_EQ(doc.Displays[0].Perspective, row.value) << row.line;
  }
}

TEST(Reader, BlanksAndEmptyLinesBeforeANumberAreSkipped) {
  // Each number may be preceded by empty lines; they are not values.
  Lines lines = {"Morvit V1", "ignored 1", "ignored 2", "", "   ", "0"};
  for (const auto& value : DefaultDisplay) {
    // Strings take their line as it is, so only numbers get the extra lines.
    const bool number =
        value.empty() || value.find_first_not_of("-0123456789") == std::string::npos;
    if (number) lines.push_back("");
    lines.push_back(value);
  }
  TDocument doc;
  ASSERT_TRUE(Read(Mvf(lines), doc));
  ASSERT_EQ(doc.Displays.size(), 1u);
  EXPECT_EQ(doc.Displays[0], TCoordinateSystem{});
}

TEST(Reader, TableCellOrderAndCounts) {
  const Lines tail = {"3", "2", "a", "b", "c", "d", "Col3", "f", "0", "v",
                      "0", "1", "2", "0", "3", "4", "0",    "5", "6"};
  TDocument doc;
  ASSERT_TRUE(Read(Mvf(Concat({Header, {"-1", "-1", "-1"}, tail})), doc));
  const TStringGrid& t = doc.HiddenTable;
  ASSERT_EQ(t.ColCount(), 3);
  ASSERT_EQ(t.RowCount(), 2);
  EXPECT_EQ(t.Cells(0, 0), "a");
  EXPECT_EQ(t.Cells(0, 1), "b");
  EXPECT_EQ(t.Cells(1, 0), "c");
  EXPECT_EQ(t.Cells(1, 1), "d");
  EXPECT_EQ(t.Cells(2, 0), "Col3");
  EXPECT_EQ(t.Cells(2, 1), "f");
  EXPECT_TRUE(doc.Displays.empty());
  EXPECT_EQ(doc.VarTable.Names, TStringArray{"v"});
  EXPECT_EQ(doc.VarTable.Minimum[0].Re, 1);
  EXPECT_EQ(doc.VarTable.Minimum[0].Im, 2);
  EXPECT_EQ(doc.VarTable.Maximum[0].Im, 4);
  EXPECT_EQ(doc.VarTable.Actual[0].Re, 5);

  // Counts of 0 or below are 1.
  doc = TDocument{};
  ASSERT_TRUE(Read(Mvf(Concat({Header, {"-1", "-1", "-1", "0", "-7", "only"}})), doc));
  EXPECT_EQ(doc.HiddenTable.ColCount(), 1);
  EXPECT_EQ(doc.HiddenTable.RowCount(), 1);
  EXPECT_EQ(doc.HiddenTable.Cells(0, 0), "only");
  EXPECT_EQ(doc.VarTable.Count(), 1);
}

TEST(Reader, AFileEndingAfterTheDisplays) {
  TDocument doc = Populated();
  ASSERT_TRUE(Read(Mvf(Concat({Header, {"0"}, DefaultDisplay})), doc));
  EXPECT_EQ(doc.Displays.size(), 1u);
  ASSERT_EQ(doc.Graphs.size(), 1u);
  EXPECT_EQ(doc.Graphs[0], BlankGraph());
  EXPECT_EQ(doc.Graphs[0].Color1, 0);
  ASSERT_EQ(doc.Diagrams.size(), 1u);
  EXPECT_EQ(doc.Diagrams[0], BlankDiagram());
  EXPECT_EQ(doc.HiddenTable, TStringGrid(1, 1));
  EXPECT_EQ(doc.VarTable.Names, TStringArray{""});
  ASSERT_EQ(doc.VarTable.Actual.size(), 1u);
  EXPECT_EQ(doc.VarTable.Minimum[0].Re, 0);
  EXPECT_EQ(doc.VarTable.Actual[0].Im, 0);
}

TEST(Reader, AFailureKeepsWhatWasRead) {
  // Three displays; the second fails at its Max1; the rest keeps step 2's
  // empties and the old variable table.
  Lines second = DefaultDisplay;
  second[4] = "1,0";
  TDocument doc = Populated();
  EXPECT_FALSE(Read(
      Mvf(Concat(
          {Header, {"2"}, DefaultDisplay, second, DefaultDisplay, {"-1", "-1", "1", "1", "x"}})),
      doc));
  ASSERT_EQ(doc.Displays.size(), 3u);
  EXPECT_EQ(doc.Displays[0], TCoordinateSystem{});
  EXPECT_EQ(doc.Displays[1].Min1, -10);
  EXPECT_EQ(doc.Displays[1].Max1, 0);
  EXPECT_EQ(doc.Displays[1].Label1, "");
  EXPECT_EQ(doc.Displays[2], BlankDisplay());
  EXPECT_TRUE(doc.Graphs.empty());
  EXPECT_EQ(doc.HiddenTable.ColCount(), 2);
  EXPECT_EQ(doc.HiddenTable.Cells(0, 1), "01");
  EXPECT_EQ(doc.VarTable.Names, TStringArray{"old"});
}

TEST(Reader, StringsKeepTheirBytes) {
  const std::string term = std::string("sin(x)\n+\x01\xFF", 10) + '\0' + "\"\\";
  const Lines lines = {"Morvit V1", "", "", "-1", "0", term, "", "\xB5", "255", "16711680"};
  TDocument doc;
  ASSERT_TRUE(Read(Mvf(lines), doc));
  ASSERT_EQ(doc.Graphs.size(), 1u);
  EXPECT_EQ(doc.Graphs[0].Term1, term);
  EXPECT_EQ(doc.Graphs[0].Term2, "");
  EXPECT_EQ(doc.Graphs[0].Term3, "\xB5");
  EXPECT_EQ(doc.Graphs[0].Color1, 255);
  EXPECT_EQ(doc.Graphs[0].Color2, 0xFF0000);
}

TEST(Reader, VariableListsOfDifferentLengthsStayAsRead) {
  const Lines lines = {"Morvit V1", "",  "",  "-1", "-1", "-1", "1", "1", "",  "1", "a", "b",
                       "-1",        "0", "4", "0",  "2",  "7",  "0", "8", "0", "9", "0"};
  TDocument doc;
  ASSERT_TRUE(Read(Mvf(lines), doc));
  const TVarTable& vars = doc.VarTable;
  EXPECT_EQ(vars.Names, (TStringArray{"a", "b"}));
  EXPECT_TRUE(vars.Minimum.empty());
  EXPECT_EQ(vars.Maximum.size(), 1u);
  EXPECT_EQ(vars.Actual.size(), 3u);
  // Nothing may reach outside the lists.
  TComplex mn, mx, ac;
  EXPECT_TRUE(GetVariable(vars, "b", mn, mx, ac));
  EXPECT_EQ(mn.Re, 0);
  EXPECT_EQ(mx.Re, 0);
  EXPECT_EQ(ac.Re, 8);
  TTerm term;
  ASSERT_TRUE(CompileTerm("a+b", term));
  TComplex value;
  ASSERT_TRUE(EvaluateTerm(term, vars, value));
  EXPECT_EQ(value.Re, 15);
  SetVariable(doc.VarTable, "b", {1, 0}, {2, 0}, {3, 0});
  EXPECT_EQ(doc.VarTable.Minimum.size(), 2u);
}

TEST(Reader, OpenDocument) {
  TDocument doc = Populated();
  TStringGrid table(5, 5);
  EXPECT_FALSE(OpenDocument("/nonexistent/file.mvf", doc, table));
  EXPECT_TRUE(doc.Displays.empty());
  EXPECT_EQ(table.ColCount(), 2);
  EXPECT_EQ(table.Cells(1, 1), "11");  // the evaluation of what stayed
  EXPECT_EQ(doc.VarTable.Names, TStringArray{"old"});
  doc = Populated();
  EXPECT_FALSE(OpenDocument(MORVIT_SOURCE_DIR, doc, table));  // a directory
  EXPECT_TRUE(doc.Displays.empty());
}

// Hostile files: each gives "Invalid file." or a document, never a crash, a
// hang or a huge allocation. Every row names what it attacks.
TEST(Reader, HostileFiles) {
  const std::string big = std::to_string(MaxListElements);       // count MaxListElements + 1
  const std::string fits = std::to_string(MaxListElements - 1);  // exactly the bound
  struct Row {
    const char* what;
    std::string bytes;
    bool ok;
    std::function<void(const TDocument&)> check;
  };
  auto mvf = [](const Lines& lines) { return Mvf(lines); };
  const std::vector<Row> rows = {
      {"display count past the bound", mvf({"Morvit V1", "", "", std::to_string(MaxDisplays)}),
       false, [](const TDocument& d) { EXPECT_TRUE(d.Displays.empty()); }},
      {"display count at the bound, then the end",
       mvf({"Morvit V1", "", "", std::to_string(MaxDisplays - 1)}), true,
       [](const TDocument& d) { EXPECT_EQ(d.Displays.size(), size_t(MaxDisplays)); }},
      {"display count below -1", mvf({"Morvit V1", "", "", "-2"}), false,
       [](const TDocument& d) { EXPECT_TRUE(d.Displays.empty()); }},
      {"display count past 32 bits", mvf({"Morvit V1", "", "", "4294967295"}), false, nullptr},
      {"graph count past the bound", mvf({"Morvit V1", "", "", "-1", big}), false,
       [](const TDocument& d) { EXPECT_TRUE(d.Graphs.empty()); }},
      {"graph count at the bound", mvf({"Morvit V1", "", "", "-1", fits}), true,
       [](const TDocument& d) { EXPECT_EQ(d.Graphs.size(), size_t(MaxListElements)); }},
      {"diagram count past the bound", mvf({"Morvit V1", "", "", "-1", "-1", big}), false,
       [](const TDocument& d) { EXPECT_TRUE(d.Diagrams.empty()); }},
      {"index list past the bound",
       mvf(Concat({{"Morvit V1", "", "", "0"}, Lines(20, "1"), {big}})), false,
       [](const TDocument& d) { EXPECT_TRUE(d.Displays.at(0).GraphIndices.empty()); }},
      {"index list of -2", mvf(Concat({{"Morvit V1", "", "", "0"}, Lines(20, "1"), {"-2"}})), false,
       nullptr},
      {"table columns past the bound",
       mvf({"Morvit V1", "", "", "-1", "-1", "-1", std::to_string(MaxTableCells / 2 + 1), "1"}),
       false,
       [](const TDocument& d) {
         EXPECT_EQ(d.HiddenTable.ColCount(), 2);
         EXPECT_EQ(d.HiddenTable.RowCount(), 2);
       }},
      {"table rows past the bound", mvf({"Morvit V1", "", "", "-1", "-1", "-1", "1000", "1001"}),
       false,
       [](const TDocument& d) {
         EXPECT_EQ(d.HiddenTable.ColCount(), 1000);
         EXPECT_EQ(d.HiddenTable.RowCount(), 2);
       }},
      {"table of 2147483647 by 2147483647",
       mvf({"Morvit V1", "", "", "-1", "-1", "-1", "2147483647", "2147483647"}), false, nullptr},
      {"table counts of -2147483648",
       mvf({"Morvit V1", "", "", "-1", "-1", "-1", "-2147483648", "-2147483648"}), true,
       [](const TDocument& d) {
         EXPECT_EQ(d.HiddenTable.ColCount(), 1);
         EXPECT_EQ(d.HiddenTable.RowCount(), 1);
       }},
      {"variable names past the bound",
       mvf({"Morvit V1", "", "", "-1", "-1", "-1", "1", "1", "", big}), false,
       [](const TDocument& d) { EXPECT_EQ(d.VarTable.Names, TStringArray{"old"}); }},
      {"actual values past the bound",
       mvf({"Morvit V1", "", "", "-1", "-1", "-1", "1", "1", "", "-1", "-1", "-1", big}), false,
       nullptr},
      {"a number of 5000 digits", mvf({"Morvit V1", "", "", std::string(MaxNumberLength + 1, '0')}),
       false, nullptr},
      {"a number of MaxNumberLength digits",
       mvf({"Morvit V1", "", "", std::string(MaxNumberLength, '0')}), true,
       [](const TDocument& d) { EXPECT_EQ(d.Displays.size(), 1u); }},
      {"only the signature", "Morvit V1", true,
       [](const TDocument& d) { EXPECT_EQ(d.Displays.size(), 1u); }},
      {"NUL bytes everywhere", "Morvit V1\r" + std::string(1000, '\0'), true, nullptr},
      {"a megabyte first line", std::string(1 << 20, 'M'), false, nullptr},
      {"the signature and more on line 1", "Morvit V1x\r\n", false, nullptr},
      {"the signature cut short", "Morvit V", false, nullptr},
      {"binary noise", std::string("Morvit V1\r\n\r\n\r\n\xFF\xFE\x80\r\n"), false, nullptr},
      {"endless empty lines", "Morvit V1\r\n" + std::string(1 << 20, '\r'), true, nullptr},
      {"trailing bytes after the last value are never read",
       Mvf(NewDocument) + "garbage\r\n\xFF\xFF" + std::string(1000, 'x'), true, nullptr},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    TDocument doc = Populated();
    EXPECT_EQ(Read(row.bytes, doc), row.ok);
    if (row.check) row.check(doc);
    // Whatever was read, the table evaluates and nothing reaches outside.
    const TStringGrid table = EvaluateTable(doc.HiddenTable);
    EXPECT_EQ(table.ColCount(), doc.HiddenTable.ColCount());
  }
}

namespace {

// An endless stream of one byte that holds no memory.
class TEndless : public std::streambuf {
 public:
  explicit TEndless(char fill) { buffer_.assign(4096, fill); }

 protected:
  int_type underflow() override {
    setg(buffer_.data(), buffer_.data(), buffer_.data() + buffer_.size());
    return traits_type::to_int_type(buffer_[0]);
  }

 private:
  std::string buffer_;
};

// An endless stream that starts with given bytes.
class TPrefixed : public TEndless {
 public:
  TPrefixed(std::string prefix, char fill) : TEndless(fill), prefix_(std::move(prefix)) {
    setg(prefix_.data(), prefix_.data(), prefix_.data() + prefix_.size());
  }

 private:
  std::string prefix_;
};

}  // namespace

TEST(Reader, EndlessStreamsEnd) {
  struct Row {
    const char* what;
    std::string prefix;
    char fill;
  };
  const Row rows[] = {
      {"an endless first line", "", 'M'},
      {"endless ignored line", "Morvit V1\r\n", 'x'},
      {"endless blanks before a number", "Morvit V1\r\n\r\n\r\n", ' '},
      {"an endless string", "Morvit V1\r\n\r\n\r\n-1\r\n0\r\n", 's'},
      {"an endless number", "Morvit V1\r\n\r\n\r\n", '0'},
  };
  for (const Row& row : rows) {
    TPrefixed source(row.prefix, row.fill);
    std::istream in(&source);
    TDocument doc;
    const auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(ReadDocument(in, doc)) << row.what;
    const auto seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    EXPECT_LT(seconds, 5.0) << row.what;
  }
}

namespace {

// A stream over fixed bytes that counts how often the reader asks it for more.
class TCountingBuffer : public std::streambuf {
 public:
  explicit TCountingBuffer(std::string bytes) : bytes_(std::move(bytes)) {}
  int Requests() const { return requests_; }

 protected:
  std::streamsize xsgetn(char* out, std::streamsize count) override {
    ++requests_;
    const auto n =
        std::min<std::streamsize>(count, static_cast<std::streamsize>(bytes_.size() - at_));
    bytes_.copy(out, static_cast<size_t>(n), at_);
    at_ += static_cast<size_t>(n);
    return n;
  }
  int_type underflow() override {
    ++requests_;
    return at_ < bytes_.size() ? traits_type::to_int_type(bytes_[at_]) : traits_type::eof();
  }

 private:
  std::string bytes_;
  size_t at_ = 0;
  int requests_ = 0;
};

}  // namespace

// A truncated file reads on with zeros at its end. Once asked a read(2) per
// value, which made a 40-byte file declaring 100,000 graphs take seconds.
TEST(Reader, TheEndOfAStreamIsAskedForOnce) {
  TCountingBuffer buffer(Mvf({"Morvit V1", "", "", "-1", std::to_string(MaxListElements - 1)}));
  std::istream in(&buffer);
  TDocument doc;
  EXPECT_TRUE(ReadDocument(in, doc));
  EXPECT_EQ(doc.Graphs.size(), size_t(MaxListElements));
  EXPECT_LE(buffer.Requests(), 2);
}

TEST(Reader, ByteLimitOfABuffer) {
  // A buffer is cut at MaxFileBytes like a stream: the same endless blanks.
  std::string bytes = "Morvit V1\r\n\r\n\r\n";
  bytes.resize(MaxFileBytes + 10, ' ');
  TDocument doc;
  EXPECT_FALSE(ReadDocument(std::string_view(bytes), doc));
  // One byte less than the limit in all: the end of the file, a count of 0.
  bytes.resize(MaxFileBytes);
  EXPECT_TRUE(ReadDocument(std::string_view(bytes), doc));
  EXPECT_EQ(doc.Displays.size(), 1u);
}

// A megabyte of the costliest kinds of content reads well under a second.
TEST(Reader, AMegabyteReadsQuickly) {
  struct Row {
    const char* what;
    std::string bytes;
  };
  std::string cells = Mvf({"Morvit V1", "", "", "-1", "-1", "-1", "2", std::to_string(250'000)});
  while (cells.size() < (1 << 20)) cells += "Col1*2+1\r";
  std::string indices = Mvf(Concat({{"Morvit V1", "", "", "0"}, Lines(20, "1"), {"99999"}}));
  while (indices.size() < (1 << 20)) indices += "7\r";
  std::string displays = Mvf({"Morvit V1", "", "", std::to_string(MaxDisplays - 1)});
  while (displays.size() < (1 << 20)) displays += "1\r";
  const Row rows[] = {{"table cells", cells}, {"indices", indices}, {"displays", displays}};
  for (const Row& row : rows) {
    TDocument doc;
    const auto start = std::chrono::steady_clock::now();
    std::istringstream in(row.bytes);
    ReadDocument(in, doc);
    const TStringGrid table = EvaluateTable(doc.HiddenTable);
    const auto seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    EXPECT_LT(seconds, 1.0) << row.what;
    RecordProperty(row.what, std::to_string(seconds));
  }
}
