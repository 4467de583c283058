// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/reader.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <fstream>
#include <istream>
#include <limits>
#include <string>
#include <vector>

#include "document/data_table.h"
#include "term/number_text.h"

namespace {

constexpr char CR = '\r';
constexpr char LF = '\n';

// Blanks and control characters: skipped before a number, and a number ends
// at the first of them.
bool IsSeparator(char c) { return static_cast<unsigned char>(c) <= 0x20; }

// The bytes of the file, a window at a time from a stream or a buffer, never
// more than MaxFileBytes of them.
class TByteSource {
 public:
  explicit TByteSource(std::istream& in) : in_(&in) {}
  explicit TByteSource(std::string_view bytes) : rest_(bytes) {}

  // The next byte without taking it; false at the end of the file or when
  // the byte limit is reached (which TooLarge then tells).
  bool Peek(char& c) {
    if (next_ == end_ && !Refill()) return false;
    c = *next_;
    return true;
  }
  void Take() { ++next_; }
  bool TooLarge() const { return tooLarge_; }

  // Takes blanks, control characters and line ends up to the next other byte.
  void TakeSeparators() {
    while (next_ != end_ || Refill()) {
      while (next_ != end_ && IsSeparator(*next_)) ++next_;
      if (next_ != end_) return;
    }
  }

  // Takes the bytes up to the next CR (or the end), leaving the CR; appends
  // them to text unless it is null. A window at a time, as lines may be long.
  void TakeUntilCR(std::string* text) {
    while (next_ != end_ || Refill()) {
      const auto* cr =
          static_cast<const char*>(std::memchr(next_, CR, static_cast<size_t>(end_ - next_)));
      const char* stop = cr != nullptr ? cr : end_;
      if (text != nullptr) text->append(next_, stop);
      next_ = stop;
      if (cr != nullptr) return;
    }
  }

 private:
  // Called only when the window is used up.
  bool Refill() {
    // A truncated file reads on at its end with zeros and empty texts: every
    // one of those reads comes here, and must not ask the stream again.
    if (ended_) return false;
    consumed_ += static_cast<uint64_t>(end_ - begin_);
    begin_ = next_ = end_ = nullptr;
    if (consumed_ >= MaxFileBytes) {
      tooLarge_ = MoreAvailable();
      ended_ = true;
      return false;
    }
    const size_t wanted =
        static_cast<size_t>(std::min<uint64_t>(chunk_.size(), MaxFileBytes - consumed_));
    if (in_ != nullptr) {
      std::streamsize got = 0;
      if (in_->rdbuf() != nullptr)
        got = in_->rdbuf()->sgetn(chunk_.data(), static_cast<std::streamsize>(wanted));
      begin_ = chunk_.data();
      end_ = begin_ + std::max<std::streamsize>(got, 0);
    } else {
      const std::string_view window = rest_.substr(0, wanted);
      rest_.remove_prefix(window.size());
      begin_ = window.data();
      end_ = begin_ + window.size();
    }
    next_ = begin_;
    ended_ = next_ == end_;
    return !ended_;
  }

  bool MoreAvailable() {
    if (in_ == nullptr) return !rest_.empty();
    return in_->rdbuf() != nullptr && in_->rdbuf()->sgetc() != std::char_traits<char>::eof();
  }

  std::istream* in_ = nullptr;
  std::string_view rest_;
  std::array<char, 1 << 16> chunk_{};
  const char* begin_ = nullptr;
  const char* next_ = nullptr;
  const char* end_ = nullptr;
  uint64_t consumed_ = 0;  // bytes of the windows before the current one
  bool tooLarge_ = false;
  bool ended_ = false;
};

// The three kinds of value. Each read takes its whole line, line end
// included; a failed read sets the failure, and reading stops there.
class TValueReader {
 public:
  explicit TValueReader(TByteSource& source) : source_(source) {}

  bool Failed() const { return failed_ || source_.TooLarge(); }

  // The rest of the line up to the CR, bytes as they are.
  std::string ReadString() {
    std::string text;
    source_.TakeUntilCR(&text);
    SkipLineEnd();
    return text;
  }

  void SkipLine() {
    source_.TakeUntilCR(nullptr);
    SkipLineEnd();
  }

  // True when line 1 is the signature. A longer line is refused as soon as
  // it is longer, so a file without line ends is not read in whole for it.
  bool ReadSignature() {
    std::string line;
    char c;
    while (source_.Peek(c) && c != CR) {
      if (line.size() == FileSignature.size()) return false;
      line += c;
      source_.Take();
    }
    SkipLineEnd();
    return line == FileSignature && !Failed();
  }

  int32_t ReadInteger() {
    std::string token;
    if (!ReadToken(token)) return 0;
    int32_t value = 0;
    if (!TextToInteger(token, value)) return Fail();
    return value;
  }

  double ReadReal() {
    std::string token;
    if (!ReadToken(token)) return 0;
    double value = 0;
    if (!TextToDouble(token, value)) return Fail();
    return value;
  }

  bool ReadFlag() { return ReadInteger() == 1; }

  // A list's highest index as its element count; fails for a count below
  // -1 or above the bound, so the caller allocates nothing for it.
  size_t ReadCount(int32_t bound) {
    const int32_t highest = ReadInteger();
    if (highest < -1 || highest >= bound) {
      Fail();
      return 0;
    }
    return static_cast<size_t>(highest + 1);
  }

  int32_t Fail() {
    failed_ = true;
    return 0;
  }

 private:
  void SkipLineEnd() {
    char c;
    if (!source_.Peek(c) || c != CR) return;
    source_.Take();
    if (source_.Peek(c) && c == LF) source_.Take();
  }

  // Skips blanks and empty lines, takes the number's text up to the first
  // blank or control character and skips the rest of its line. False at the
  // end of the file (the value is then 0) or on a failure.
  bool ReadToken(std::string& token) {
    source_.TakeSeparators();
    char c;
    while (source_.Peek(c) && !IsSeparator(c)) {
      if (token.size() == MaxNumberLength) {
        Fail();
        return false;
      }
      token += c;
      source_.Take();
    }
    SkipLine();
    return !token.empty() && !Failed();
  }

  TByteSource& source_;
  bool failed_ = false;
};

void ReadIndexList(TValueReader& in, std::vector<uint16_t>& list) {
  const size_t count = in.ReadCount(MaxListElements);
  if (in.Failed()) return;
  list.assign(count, 0);
  for (auto& index : list) {
    // Indices are kept in their low 16 bits, as the file's writer stored them.
    index = static_cast<uint16_t>(static_cast<uint32_t>(in.ReadInteger()));
    if (in.Failed()) return;
  }
}

uint8_t ReadStyle(TValueReader& in) {
  const int32_t style = in.ReadInteger();
  return style >= 0 && style <= 2 ? static_cast<uint8_t>(style) : 0;
}

// Reads one field of a record by its type; false on a failure, where
// reading stops.
class TFieldReader {
 public:
  explicit TFieldReader(TValueReader& in) : in_(in) {}
  bool operator()(const char*, double& field) {
    field = in_.ReadReal();
    return !in_.Failed();
  }
  bool operator()(const char*, int32_t& field) {
    field = in_.ReadInteger();
    return !in_.Failed();
  }
  bool operator()(const char*, bool& field) {
    field = in_.ReadFlag();
    return !in_.Failed();
  }
  bool operator()(const char*, uint8_t& style) {
    style = ReadStyle(in_);
    return !in_.Failed();
  }
  bool operator()(const char*, std::string& field) {
    field = in_.ReadString();
    return !in_.Failed();
  }
  bool operator()(const char*, std::vector<uint16_t>& list) {
    ReadIndexList(in_, list);
    return !in_.Failed();
  }

 private:
  TValueReader& in_;
};

// Sets one count of the table, which must stay within MaxTableCells.
bool SetTableCount(TValueReader& in, TStringGrid& table, bool columns) {
  const int32_t count = std::max(in.ReadInteger(), int32_t{1});
  if (in.Failed()) return false;
  const int64_t other = columns ? table.RowCount() : table.ColCount();
  if (int64_t{count} * other > MaxTableCells) return in.Fail(), false;
  if (columns)
    table.SetColCount(count);
  else
    table.SetRowCount(count);
  return true;
}

bool ReadTable(TValueReader& in, TStringGrid& table) {
  if (!SetTableCount(in, table, true) || !SetTableCount(in, table, false)) return false;
  for (int c = 0; c < table.ColCount(); ++c)
    for (int r = 0; r < table.RowCount(); ++r) {
      table.SetCells(c, r, in.ReadString());
      if (in.Failed()) return false;
    }
  return true;
}

bool ReadComplexList(TValueReader& in, std::vector<TComplex>& list) {
  const size_t count = in.ReadCount(MaxListElements);
  if (in.Failed()) return false;
  list.assign(count, TComplex{});
  for (auto& value : list) {
    value.Re = in.ReadReal();
    if (in.Failed()) return false;
    value.Im = in.ReadReal();
    if (in.Failed()) return false;
  }
  return true;
}

bool ReadVariables(TValueReader& in, TVarTable& vars) {
  const size_t count = in.ReadCount(MaxListElements);
  if (in.Failed()) return false;
  vars.Names.assign(count, std::string());
  for (auto& name : vars.Names) {
    name = in.ReadString();
    if (in.Failed()) return false;
  }
  return ReadComplexList(in, vars.Minimum) && ReadComplexList(in, vars.Maximum) &&
         ReadComplexList(in, vars.Actual);
}

// The file from its signature on: the displays, graphs,
// diagrams, data table and variables in file order; false on a failure.
bool ReadBody(TValueReader& in, TDocument& document) {
  if (!in.ReadSignature()) return false;
  in.SkipLine();
  in.SkipLine();

  const size_t displays = in.ReadCount(MaxDisplays);
  if (in.Failed()) return false;
  document.Displays.assign(displays, BlankDisplay());
  for (auto& display : document.Displays)
    if (!VisitDisplayFields(display, TFieldReader(in))) return false;

  const size_t graphs = in.ReadCount(MaxListElements);
  if (in.Failed()) return false;
  document.Graphs.assign(graphs, BlankGraph());
  for (auto& graph : document.Graphs)
    if (!VisitGraphFields(graph, TFieldReader(in))) return false;

  const size_t diagrams = in.ReadCount(MaxListElements);
  if (in.Failed()) return false;
  document.Diagrams.assign(diagrams, BlankDiagram());
  for (auto& diagram : document.Diagrams)
    if (!VisitDiagramFields(diagram, TFieldReader(in))) return false;

  return ReadTable(in, document.HiddenTable) && ReadVariables(in, document.VarTable);
}

bool Read(TByteSource& source, TDocument& document) {
  EmptyDocumentForReading(document);
  TValueReader in(source);
  return ReadBody(in, document) && !in.Failed();
}

}  // namespace

void EmptyDocumentForReading(TDocument& document) {
  ClearDocumentLists(document);
  document.HiddenTable.SetSize(2, 2);
}

bool ReadDocument(std::istream& in, TDocument& document) {
  TByteSource source(in);
  return Read(source, document);
}

bool ReadDocument(std::string_view bytes, TDocument& document) {
  TByteSource source(bytes);
  return Read(source, document);
}

bool OpenDocument(const std::filesystem::path& path, TDocument& document, TStringGrid& table) {
  bool ok = false;
  std::ifstream file(path, std::ios::binary);
  std::error_code error;
  if (file.is_open() && !std::filesystem::is_directory(path, error)) {
    ok = ReadDocument(file, document);
  } else {
    EmptyDocumentForReading(document);
  }
  EvaluateTable(document.HiddenTable, table);
  return ok;
}
