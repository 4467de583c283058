// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/delimited_text.h"

#include <csv.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <fstream>
#include <utility>

#include "document/reader.h"

namespace {

constexpr const char* NotText = "The file is not text and cannot be imported.";
constexpr const char* Utf16Text =
    "The file is UTF-16 text, which cannot be imported. Save it as UTF-8 or Latin-1 and import it "
    "again.";
constexpr const char* BadUtf8 = "The file is marked as UTF-8 but is not valid UTF-8.";
constexpr const char* NoData = "The file holds no data.";

std::string TooLargeFile() {
  return "The file is larger than " + std::to_string(MaxImportBytes >> 20) +
         " MB, more than the data table can hold.";
}

std::string TooManyFields() {
  return "The data does not fit into the data table, which holds at most " +
         std::to_string(MaxTableCells) + " cells, headers included.";
}

// libcsv's parser state while it is inside a field; with the field quoted,
// the text ended before the closing quote.
constexpr int LibcsvFieldBegun = 2;

// Separators that detection weighs, in the order that wins a tie: a
// semicolon file with decimal commas has as many commas per line as
// semicolons, and the semicolons are the separators.
constexpr std::array<std::pair<TSeparator, char>, 3> Candidates{
    {{TSeparator::Tab, '\t'}, {TSeparator::Semicolon, ';'}, {TSeparator::Comma, ','}}};

// Detection looks at the start of the text only, so its cost stays small.
constexpr size_t DetectLines = 50;
constexpr size_t DetectBytes = 64 * 1024;

char SeparatorChar(TSeparator separator) {
  switch (separator) {
    case TSeparator::Semicolon: return ';';
    case TSeparator::Tab: return '\t';
    case TSeparator::Blank: return ' ';
    default: return ',';
  }
}

bool IsDigit(char ch) { return ch >= '0' && ch <= '9'; }

// A plain decimal number with point as its decimal separator: sign, digits
// with at most one point, an optional exponent. Integers count.
bool IsNumberText(std::string_view text, char point) {
  size_t k = 0;
  if (k < text.size() && (text[k] == '+' || text[k] == '-')) ++k;
  size_t digits = 0;
  while (k < text.size() && IsDigit(text[k])) ++k, ++digits;
  if (k < text.size() && text[k] == point) {
    ++k;
    while (k < text.size() && IsDigit(text[k])) ++k, ++digits;
  }
  if (digits == 0) return false;
  if (k < text.size() && (text[k] == 'e' || text[k] == 'E')) {
    ++k;
    if (k < text.size() && (text[k] == '+' || text[k] == '-')) ++k;
    size_t exponent = 0;
    while (k < text.size() && IsDigit(text[k])) ++k, ++exponent;
    if (exponent == 0) return false;
  }
  return k == text.size();
}

bool HasDecimal(std::string_view text, char point) {
  return text.find(point) != std::string_view::npos && IsNumberText(text, point);
}

// Strict UTF-8: no overlong forms, no surrogates, nothing past U+10FFFF.
bool IsUtf8(std::string_view text) {
  const auto* p = reinterpret_cast<const unsigned char*>(text.data());
  const auto* end = p + text.size();
  while (p < end) {
    const unsigned char c = *p;
    if (c < 0x80) {
      ++p;
      continue;
    }
    size_t length = 0;
    unsigned char low = 0x80, high = 0xBF;
    if (c >= 0xC2 && c <= 0xDF) {
      length = 2;
    } else if (c >= 0xE0 && c <= 0xEF) {
      length = 3;
      if (c == 0xE0) low = 0xA0;
      if (c == 0xED) high = 0x9F;
    } else if (c >= 0xF0 && c <= 0xF4) {
      length = 4;
      if (c == 0xF0) low = 0x90;
      if (c == 0xF4) high = 0x8F;
    } else {
      return false;
    }
    if (static_cast<size_t>(end - p) < length) return false;
    if (p[1] < low || p[1] > high) return false;
    for (size_t k = 2; k < length; ++k)
      if (p[k] < 0x80 || p[k] > 0xBF) return false;
    p += length;
  }
  return true;
}

std::string CodePointName(uint32_t code) {
  static const char* hex = "0123456789ABCDEF";
  std::string digits;
  for (int shift = code > 0xFFFFF ? 20 : code > 0xFFFF ? 16 : 12; shift >= 0; shift -= 4)
    digits += hex[(code >> shift) & 0xF];
  return "U+" + digits;
}

// Valid UTF-8 into Latin-1; false with the first code point past U+00FF.
bool Utf8ToLatin1(std::string_view text, std::string& latin1, uint32_t& refused) {
  latin1.clear();
  latin1.reserve(text.size());
  const auto* p = reinterpret_cast<const unsigned char*>(text.data());
  const auto* end = p + text.size();
  while (p < end) {
    uint32_t code = *p;
    size_t length = 1;
    if (code >= 0xF0) {
      code &= 0x07;
      length = 4;
    } else if (code >= 0xE0) {
      code &= 0x0F;
      length = 3;
    } else if (code >= 0xC0) {
      code &= 0x1F;
      length = 2;
    }
    for (size_t k = 1; k < length && p + k < end; ++k) code = (code << 6) | (p[k] & 0x3F);
    if (code > 0xFF) {
      refused = code;
      return false;
    }
    latin1 += static_cast<char>(code);
    p += length;
  }
  return true;
}

// The separator the start of the text uses: the candidate whose count per
// line (outside quotes) stays the same over most lines, given the first
// line has one; with none, blanks when a line holds a gap between its
// fields, else comma (one column).
TSeparator DetectSeparator(std::string_view text) {
  std::vector<std::array<size_t, 3>> lines;
  std::array<size_t, 3> counts{};
  bool quoted = false, blankGap = false, content = false, pendingBlank = false;
  for (size_t k = 0; k < text.size() && k < DetectBytes && lines.size() < DetectLines; ++k) {
    const char ch = text[k];
    if (ch == '"') quoted = !quoted;
    if (quoted) continue;
    if (ch == '\r' || ch == '\n') {
      if (content) lines.push_back(counts);
      counts = {};
      content = pendingBlank = false;
      continue;
    }
    for (size_t c = 0; c < Candidates.size(); ++c)
      if (ch == Candidates[c].second) ++counts[c];
    if (ch == ' ' || ch == '\t') {
      pendingBlank = content;
    } else {
      blankGap = blankGap || pendingBlank;
      pendingBlank = false;
      content = true;
    }
  }
  if (content) lines.push_back(counts);

  size_t bestScore = 0;
  TSeparator best = TSeparator::Auto;
  for (size_t c = 0; c < Candidates.size() && !lines.empty(); ++c) {
    const size_t first = lines.front()[c];
    size_t score = 0;
    for (const auto& line : lines) score += first > 0 && line[c] == first ? 1 : 0;
    if (score > bestScore) bestScore = score, best = Candidates[c].first;
  }
  if (best == TSeparator::Auto) {
    // No candidate on the first line: the one found on the most lines.
    for (size_t c = 0; c < Candidates.size(); ++c) {
      const auto score = static_cast<size_t>(
          std::count_if(lines.begin(), lines.end(), [c](const auto& line) { return line[c] > 0; }));
      if (score > bestScore) bestScore = score, best = Candidates[c].first;
    }
  }
  if (best != TSeparator::Auto) return best;
  return blankGap ? TSeparator::Blank : TSeparator::Comma;
}

// Collects libcsv's fields and records, decoding each field as it arrives,
// and stops taking fields once the data cannot fit any table.
class TSplitter {
 public:
  TSplitter(TSeparator separator, bool utf8, std::vector<std::vector<std::string>>& records)
      : blankSeparated_(separator == TSeparator::Blank), utf8_(utf8), records_(records) {
    csv_init(&parser_, CSV_REPALL_NL | CSV_EMPTY_IS_NULL);
    csv_set_delim(&parser_, static_cast<unsigned char>(SeparatorChar(separator)));
  }
  ~TSplitter() { csv_free(&parser_); }
  TSplitter(const TSplitter&) = delete;
  TSplitter& operator=(const TSplitter&) = delete;

  bool Split(std::string_view text, std::string& error) {
    // Line ends become LF before libcsv sees them, so CR LF is one line end
    // and not a line end and an empty line; blanks in blank separated text
    // include tabs.
    std::string chunk;
    chunk.reserve(ChunkBytes);
    for (size_t k = 0; k < text.size() && error_.empty(); ++k) {
      char ch = text[k];
      if (ch == '\r') {
        ch = '\n';
        if (k + 1 < text.size() && text[k + 1] == '\n') ++k;
      } else if (ch == '\t' && blankSeparated_) {
        ch = ' ';
      }
      chunk += ch;
      if (chunk.size() == ChunkBytes) Feed(chunk);
    }
    if (error_.empty()) Feed(chunk);
    if (error_.empty() && parser_.pstate == LibcsvFieldBegun && parser_.quoted)
      error_ =
          "Record " + std::to_string(records_.size() + 1) + " opens a quote that is never closed.";
    if (error_.empty() && csv_fini(&parser_, FieldDone, RecordDone, this) != 0)
      error_ = SplitFailure();
    error = error_;
    return error_.empty();
  }

 private:
  static constexpr size_t ChunkBytes = 64 * 1024;

  void Feed(std::string& chunk) {
    // libcsv grows a field's buffer by a fixed block; a block as large as the
    // buffer makes the growth geometric, so a field that runs to the end of a
    // large file (a quote never closed) is copied a few times, not once for
    // every 128 bytes.
    csv_set_blk_size(&parser_, std::max<size_t>(csv_get_buffer_size(&parser_), ChunkBytes));
    if (csv_parse(&parser_, chunk.data(), chunk.size(), FieldDone, RecordDone, this) !=
            chunk.size() &&
        error_.empty())
      error_ = SplitFailure();
    chunk.clear();
  }

  // Without strict quoting libcsv fails only when it runs out of memory.
  std::string SplitFailure() {
    return std::string("The file could not be split into fields: ") +
           csv_strerror(csv_error(&parser_)) + ".";
  }

  static void FieldDone(void* field, size_t length, void* self) {
    static_cast<TSplitter*>(self)->Field(static_cast<const char*>(field), length);
  }
  static void RecordDone(int, void* self) { static_cast<TSplitter*>(self)->Record(); }

  void Field(const char* field, size_t length) {
    if (!error_.empty()) return;
    // Runs of blanks separate blank separated fields: the empty fields
    // between them are no fields.
    if (field == nullptr && blankSeparated_) return;
    std::string text;
    if (field != nullptr) {
      const std::string_view raw(field, length);
      uint32_t refused = 0;
      if (!utf8_)
        text.assign(raw);
      else if (!Utf8ToLatin1(raw, text, refused)) {
        error_ = "Record " + std::to_string(records_.size() + 1) + ", field " +
                 std::to_string(current_.size() + 1) + " holds the character " +
                 CodePointName(refused) +
                 ", which the data table cannot hold (its cells are Latin-1 text).";
        return;
      }
      std::replace(text.begin(), text.end(), '\n', ' ');
    }
    current_.push_back(std::move(text));
    width_ = std::max(width_, current_.size());
    // However the data lands, the table needs a header column beside the
    // widest record and a row for every record (the first may be the header,
    // and a table has at least one data row below its header row).
    const auto rows = std::max<int64_t>(static_cast<int64_t>(records_.size()) + 1, 2);
    if ((static_cast<int64_t>(width_) + 1) * rows > MaxTableCells) error_ = TooManyFields();
  }

  void Record() {
    if (!error_.empty()) return;
    records_.push_back(std::move(current_));
    current_.clear();
  }

  csv_parser parser_{};
  bool blankSeparated_;
  bool utf8_;
  std::vector<std::vector<std::string>>& records_;
  std::vector<std::string> current_;
  size_t width_ = 0;
  std::string error_;
};

bool DecimalCommaFound(const std::vector<std::vector<std::string>>& records, TSeparator separator) {
  // With commas separating the fields a decimal comma could only stand
  // inside quotes, which spreadsheets do not write.
  if (separator == TSeparator::Comma) return false;
  bool comma = false;
  for (const auto& record : records)
    for (const auto& field : record) {
      if (HasDecimal(field, '.')) return false;
      comma = comma || HasDecimal(field, ',');
    }
  return comma;
}

// A header line holds names, no numbers, above records that hold numbers.
bool HeaderFound(const std::vector<std::vector<std::string>>& records) {
  if (records.size() < 2) return false;
  bool named = false;
  for (const auto& field : records.front()) {
    if (IsNumberText(field, '.')) return false;
    named = named || !field.empty();
  }
  if (!named) return false;
  for (size_t r = 1; r < records.size() && r <= DetectLines; ++r)
    for (const auto& field : records[r])
      if (IsNumberText(field, '.')) return true;
  return false;
}

void AppendUtf8(std::string& out, std::string_view latin1) {
  for (char ch : latin1) {
    const auto code = static_cast<unsigned char>(ch);
    if (code < 0x80) {
      out += ch;
    } else {
      out += static_cast<char>(0xC0 | (code >> 6));
      out += static_cast<char>(0x80 | (code & 0x3F));
    }
  }
}

// A field is quoted wherever reading it back unquoted would change it: a
// separator, quote or line break inside, blanks at either end (reading
// removes them), or a record of one empty field (an empty line).
void AppendField(std::string& out, std::string_view field, char separator, bool aloneInRecord) {
  const bool quote =
      field.find_first_of(std::string{separator, '"', '\r', '\n'}) != std::string_view::npos ||
      (!field.empty() && (field.front() == ' ' || field.front() == '\t' || field.back() == ' ' ||
                          field.back() == '\t')) ||
      (field.empty() && aloneInRecord);
  if (!quote) {
    AppendUtf8(out, field);
    return;
  }
  out += '"';
  for (char ch : field) {
    if (ch == '"') out += '"';
    AppendUtf8(out, std::string_view(&ch, 1));
  }
  out += '"';
}

// Refuses what is no text (too large, UTF-16, NUL bytes, a UTF-8 mark over
// other bytes) and takes a UTF-8 mark off; utf8Text tells whether the bytes
// are UTF-8 with something beyond ASCII.
bool CheckText(std::string_view& bytes, bool& utf8Text, std::string& error) {
  if (bytes.size() > MaxImportBytes) {
    error = TooLargeFile();
    return false;
  }
  if (bytes.starts_with("\xFF\xFE") || bytes.starts_with("\xFE\xFF")) {
    error = Utf16Text;
    return false;
  }
  if (std::memchr(bytes.data(), '\0', bytes.size()) != nullptr) {
    error = NotText;
    return false;
  }
  const bool marked = bytes.starts_with("\xEF\xBB\xBF");
  if (marked) bytes.remove_prefix(3);
  const bool utf8 = IsUtf8(bytes);
  if (marked && !utf8) {
    error = BadUtf8;
    return false;
  }
  utf8Text = utf8 &&
             (marked || std::any_of(bytes.begin(), bytes.end(), [](char ch) { return ch & 0x80; }));
  return true;
}

}  // namespace

bool ReadDelimitedFile(const std::filesystem::path& path, std::string& bytes, std::string& error) {
  std::error_code ignored;
  std::ifstream in(path, std::ios::binary);
  if (!in.is_open() || std::filesystem::is_directory(path, ignored)) {
    error = "Cannot read " + path.string() + ".";
    return false;
  }
  bytes.clear();
  // A regular file too large is refused by its size, unread; a pipe is read
  // up to the limit.
  if (std::filesystem::is_regular_file(path, ignored)) {
    const uintmax_t size = std::filesystem::file_size(path, ignored);
    if (!ignored && size > MaxImportBytes) {
      error = TooLargeFile();
      return false;
    }
    if (!ignored) bytes.reserve(static_cast<size_t>(size));
  } else {
    // Growing by doubling would take twice the limit on the way.
    bytes.reserve(MaxImportBytes + (1 << 16));
  }
  std::string chunk(1 << 16, '\0');
  while (in) {
    in.read(chunk.data(), static_cast<std::streamsize>(chunk.size()));
    bytes.append(chunk.data(), static_cast<size_t>(in.gcount()));
    if (bytes.size() > MaxImportBytes) {
      bytes.clear();
      bytes.shrink_to_fit();
      error = TooLargeFile();
      return false;
    }
  }
  if (in.bad()) {
    error = "Cannot read " + path.string() + ".";
    return false;
  }
  return true;
}

bool ParseDelimitedText(std::string_view bytes, const TImportOptions& options, TDelimitedData& data,
                        std::string& error) {
  data = TDelimitedData();
  if (!CheckText(bytes, data.Utf8, error)) return false;
  data.Separator =
      options.Separator == TSeparator::Auto ? DetectSeparator(bytes) : options.Separator;
  {
    TSplitter splitter(data.Separator, data.Utf8, data.Records);
    if (!splitter.Split(bytes, error)) {
      data.Records.clear();
      return false;
    }
  }
  // Line ends after the last record make no rows.
  while (!data.Records.empty() && data.Records.back().empty()) data.Records.pop_back();

  data.DecimalComma = options.Decimal == TDecimalChoice::Auto
                          ? DecimalCommaFound(data.Records, data.Separator)
                          : options.Decimal == TDecimalChoice::Comma;
  if (data.DecimalComma)
    for (auto& record : data.Records)
      for (auto& field : record)
        if (HasDecimal(field, ',')) std::replace(field.begin(), field.end(), ',', '.');

  data.Header = options.Header == THeaderChoice::Auto
                    ? HeaderFound(data.Records)
                    : options.Header == THeaderChoice::Yes && !data.Records.empty();
  if (data.Header) {
    data.HeaderNames = std::move(data.Records.front());
    data.Records.erase(data.Records.begin());
  }
  for (const auto& record : data.Records)
    data.Width = std::max(data.Width, static_cast<int>(record.size()));
  if (data.Width == 0) {
    data.Records.clear();
    error = NoData;
    return false;
  }
  return true;
}

bool PlaceDelimitedData(TStringGrid& grid, const TDelimitedData& data, int left, int top,
                        std::string& error) {
  left = std::max(left, 1);
  top = std::max(top, 1);
  const int64_t needCols = std::max<int64_t>(grid.ColCount(), int64_t{left} + data.Width);
  const int64_t needRows =
      std::max<int64_t>(grid.RowCount(), int64_t{top} + static_cast<int64_t>(data.Records.size()));
  // The document reader applies the column count while the table has 2 rows.
  if (needCols * needRows > MaxTableCells || needCols * 2 > MaxTableCells) {
    error = "The data needs a table of " + std::to_string(needCols) + " columns and " +
            std::to_string(needRows) + " rows (headers included), more than the " +
            std::to_string(MaxTableCells) + " cells the data table can hold.";
    return false;
  }
  const int oldCols = grid.ColCount(), oldRows = grid.RowCount();
  grid.SetSize(static_cast<int>(needCols), static_cast<int>(needRows));
  for (int c = oldCols; c < grid.ColCount(); ++c) grid.SetCells(c, 0, ColumnHeader(c));
  for (int r = oldRows; r < grid.RowCount(); ++r) grid.SetCells(0, r, RowHeader(r));
  for (size_t r = 0; r < data.Records.size(); ++r) {
    const auto& record = data.Records[r];
    const int row = top + static_cast<int>(r);
    for (int c = 0; c < data.Width; ++c)
      grid.SetCells(
          left + c, row,
          static_cast<size_t>(c) < record.size() ? record[static_cast<size_t>(c)] : std::string());
  }
  return true;
}

std::string DelimitedText(const TStringGrid& grid, const TGridRect& rect, TSeparator separator,
                          bool header, std::string_view lineEnd) {
  const char sep = separator == TSeparator::Semicolon ? ';'
                   : separator == TSeparator::Tab     ? '\t'
                                                      : ',';
  const int left = std::max(rect.Left, 1), top = std::max(rect.Top, 1);
  const int right = std::min(rect.Right, grid.ColCount() - 1),
            bottom = std::min(rect.Bottom, grid.RowCount() - 1);
  std::string out;
  if (left > right) return out;
  auto appendRow = [&](int row) {
    for (int c = left; c <= right; ++c) {
      if (c > left) out += sep;
      AppendField(out, grid.Cells(c, row), sep, left == right);
    }
    out += lineEnd;
  };
  if (header) appendRow(0);
  for (int r = top; r <= bottom; ++r) appendRow(r);
  return out;
}

TGridRect DataCells(const TStringGrid& grid) {
  return {1, 1, grid.ColCount() - 1, grid.RowCount() - 1};
}

const char* SeparatorName(TSeparator separator) {
  switch (separator) {
    case TSeparator::Auto: return "auto";
    case TSeparator::Comma: return "comma";
    case TSeparator::Semicolon: return "semicolon";
    case TSeparator::Tab: return "tab";
    case TSeparator::Blank: return "blank";
  }
  return "comma";
}
