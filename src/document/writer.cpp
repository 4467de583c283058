// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/writer.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstring>
#include <ostream>
#include <string_view>
#include <system_error>
#include <type_traits>
#include <vector>

#include "document/reader.h"

#ifndef MORVIT_VERSION
#define MORVIT_VERSION "0"
#endif

namespace {

constexpr std::string_view LineEnd = "\r\n";
constexpr std::string_view ProgramName = "Morvit";
constexpr std::string_view ProgramVersion = MORVIT_VERSION;

bool HoldsLineBreak(std::string_view text) {
  return text.find_first_of("\r\n") != std::string_view::npos;
}

// The document's texts with what they are to the user, for the message.
struct TNamedText {
  std::string What;
  const std::string* Text;
};

std::vector<TNamedText> Texts(const TDocument& document) {
  std::vector<TNamedText> texts;
  for (size_t k = 0; k < document.Displays.size(); ++k) {
    const auto& d = document.Displays[k];
    const std::string display = "Display" + std::to_string(k + 1);
    texts.push_back({"the label of axis 1 in " + display, &d.Label1});
    texts.push_back({"the label of axis 2 in " + display, &d.Label2});
    texts.push_back({"the label of axis 3 in " + display, &d.Label3});
  }
  for (size_t k = 0; k < document.Graphs.size(); ++k) {
    const auto& g = document.Graphs[k];
    const std::string graph = "graph " + std::to_string(k + 1);
    texts.push_back({"a term of " + graph, &g.Term1});
    texts.push_back({"a term of " + graph, &g.Term2});
    texts.push_back({"a term of " + graph, &g.Term3});
  }
  for (size_t k = 0; k < document.Diagrams.size(); ++k)
    texts.push_back(
        {"the description of diagram " + std::to_string(k + 1), &document.Diagrams[k].Description});
  const auto& table = document.HiddenTable;
  for (int c = 0; c < table.ColCount(); ++c)
    for (int r = 0; r < table.RowCount(); ++r)
      texts.push_back(
          {"cell (" + std::to_string(c) + ", " + std::to_string(r) + ") of the data table",
           &table.Cells(c, r)});
  for (const auto& name : document.VarTable.Names) texts.push_back({"a variable name", &name});
  return texts;
}

std::vector<double> Reals(const TDocument& document) {
  std::vector<double> reals;
  const auto collect = [&reals](const char*, const auto& field) {
    if constexpr (std::is_same_v<std::decay_t<decltype(field)>, double>) reals.push_back(field);
    return true;
  };
  for (const auto& d : document.Displays) VisitDisplayFields(d, collect);
  for (const auto& m : document.Diagrams) VisitDiagramFields(m, collect);
  const auto& vars = document.VarTable;
  for (const auto* list : {&vars.Minimum, &vars.Maximum, &vars.Actual})
    for (const auto& value : *list) reals.insert(reals.end(), {value.Re, value.Im});
  return reals;
}

std::string TooMany(std::string_view what, size_t count, int64_t bound) {
  return "The document holds " + std::to_string(count) + " " + std::string(what) +
         "; a file holds at most " + std::to_string(bound) + ".";
}

// One value per line, appended to the file's bytes.
class TLineWriter {
 public:
  explicit TLineWriter(std::string& bytes) : bytes_(bytes) {}

  void String(std::string_view text) {
    bytes_ += text;
    bytes_ += LineEnd;
  }
  void Integer(int64_t value) { String(std::to_string(value)); }
  void Flag(bool value) { String(value ? "1" : "0"); }
  void Count(size_t elements) { Integer(static_cast<int64_t>(elements) - 1); }

  // Seventeen significant digits always read back to the same double, also
  // through the reader's long double (the decimal stays within 0.45 units in
  // the last place, far from a rounding boundary). to_chars ignores the
  // locale, so the decimal point stays "." in any country.
  void Real(double value) {
    char text[64];
    const auto result =
        std::to_chars(text, text + sizeof text, value, std::chars_format::general, 17);
    String(std::string_view(text, static_cast<size_t>(result.ptr - text)));
  }

 private:
  std::string& bytes_;
};

// Writes one field of a record by its type.
class TFieldWriter {
 public:
  explicit TFieldWriter(TLineWriter& out) : out_(out) {}
  template <class Field>
  bool operator()(const char*, const Field& field) {
    Write(field);
    return true;
  }

 private:
  void Write(double value) { out_.Real(value); }
  void Write(int32_t value) { out_.Integer(value); }
  void Write(bool flag) { out_.Flag(flag); }
  void Write(uint8_t style) { out_.Integer(style); }
  void Write(const std::string& text) { out_.String(text); }
  void Write(const std::vector<uint16_t>& list) {
    out_.Count(list.size());
    for (uint16_t index : list) out_.Integer(index);
  }

  TLineWriter& out_;
};

void WriteComplexList(TLineWriter& out, const std::vector<TComplex>& list) {
  out.Count(list.size());
  for (const auto& value : list) {
    out.Real(value.Re);
    out.Real(value.Im);
  }
}

std::string DocumentBytes(const TDocument& document) {
  std::string bytes;
  TLineWriter out(bytes);
  out.String(FileSignature);
  out.String(ProgramName);
  out.String(ProgramVersion);
  out.Count(document.Displays.size());
  for (const auto& display : document.Displays) VisitDisplayFields(display, TFieldWriter(out));
  out.Count(document.Graphs.size());
  for (const auto& graph : document.Graphs) VisitGraphFields(graph, TFieldWriter(out));
  out.Count(document.Diagrams.size());
  for (const auto& diagram : document.Diagrams) VisitDiagramFields(diagram, TFieldWriter(out));
  const auto& table = document.HiddenTable;
  out.Integer(table.ColCount());
  out.Integer(table.RowCount());
  for (int c = 0; c < table.ColCount(); ++c)
    for (int r = 0; r < table.RowCount(); ++r) out.String(table.Cells(c, r));
  const auto& vars = document.VarTable;
  out.Count(vars.Names.size());
  for (const auto& name : vars.Names) out.String(name);
  WriteComplexList(out, vars.Minimum);
  WriteComplexList(out, vars.Maximum);
  WriteComplexList(out, vars.Actual);
  return bytes;
}

// The bytes of a storable document, or the reason it is not.
bool ComposeFile(const TDocument& document, std::string& bytes, std::string& error) {
  error = UnstorableReason(document);
  if (!error.empty()) return false;
  bytes = DocumentBytes(document);
  if (bytes.size() > MaxFileBytes) {
    error = "The document is too large to be stored (" + std::to_string(bytes.size() >> 20) +
            " MB; a file holds at most " + std::to_string(MaxFileBytes >> 20) + " MB).";
    return false;
  }
  return true;
}

std::string SystemMessage(int code) { return std::generic_category().message(code); }

bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = ::write(fd, bytes.data(), bytes.size());
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return false;
    bytes.remove_prefix(static_cast<size_t>(written));
  }
  return true;
}

}  // namespace

std::string UnstorableReason(const TDocument& document) {
  for (const auto& text : Texts(document))
    if (HoldsLineBreak(*text.Text))
      return "The document cannot be stored: " + text.What +
             " holds a line break. Remove it and save again.";
  for (double value : Reals(document))
    if (!std::isfinite(value))
      return "The document cannot be stored: it holds a number without a finite value.";

  if (document.Displays.size() > static_cast<size_t>(MaxDisplays))
    return TooMany("displays", document.Displays.size(), MaxDisplays);
  const auto limit = static_cast<size_t>(MaxListElements);
  if (document.Graphs.size() > limit) return TooMany("graphs", document.Graphs.size(), limit);
  if (document.Diagrams.size() > limit) return TooMany("diagrams", document.Diagrams.size(), limit);
  for (const auto& d : document.Displays)
    if (d.GraphIndices.size() > limit || d.DiagramIndices.size() > limit)
      return TooMany("entries in one display",
                     std::max(d.GraphIndices.size(), d.DiagramIndices.size()), limit);
  const auto& vars = document.VarTable;
  for (size_t count :
       {vars.Names.size(), vars.Minimum.size(), vars.Maximum.size(), vars.Actual.size()})
    if (count > limit) return TooMany("variables", count, limit);
  // The reader applies the column count while the table still has 2 rows.
  const auto& table = document.HiddenTable;
  const int64_t cells = int64_t{table.ColCount()} * table.RowCount();
  if (int64_t{table.ColCount()} * 2 > MaxTableCells || cells > MaxTableCells)
    return TooMany("data table cells",
                   static_cast<size_t>(std::max<int64_t>(cells, int64_t{table.ColCount()} * 2)),
                   MaxTableCells);
  return {};
}

bool WriteDocument(std::ostream& out, const TDocument& document, std::string& error) {
  std::string bytes;
  if (!ComposeFile(document, bytes, error)) return false;
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  out.flush();
  if (!out) {
    error = "The document could not be written.";
    return false;
  }
  return true;
}

bool SaveDocument(const std::filesystem::path& path, const TDocument& document,
                  std::string& error) {
  std::string bytes;
  return ComposeFile(document, bytes, error) && ReplaceFile(path, bytes, error);
}

bool ReplaceFile(const std::filesystem::path& path, const std::string& bytes, std::string& error) {
  // A link stays a link: the file it names is the one replaced.
  std::error_code ignored;
  std::filesystem::path target = std::filesystem::weakly_canonical(path, ignored);
  if (target.empty()) target = path;
  if (std::filesystem::is_directory(target, ignored)) {
    error = "Cannot write " + path.string() + ": it is a folder.";
    return false;
  }
  std::filesystem::path folder = target.parent_path();
  if (folder.empty()) folder = ".";
  std::string pattern = (folder / ("." + target.filename().string() + ".XXXXXX")).string();
  const int fd = ::mkstemp(pattern.data());
  if (fd < 0) {
    error = "Cannot write into " + folder.string() + ": " + SystemMessage(errno) + ".";
    return false;
  }
  // The replacement keeps the permissions of the file it replaces.
  struct stat old {};
  const mode_t mode = ::stat(target.c_str(), &old) == 0 ? (old.st_mode & 07777) : 0644;
  bool ok = ::fchmod(fd, mode) == 0 && WriteAll(fd, bytes) && ::fsync(fd) == 0;
  int code = errno;
  if (::close(fd) != 0 && ok) {
    ok = false;
    code = errno;
  }
  if (ok && ::rename(pattern.c_str(), target.c_str()) != 0) {
    ok = false;
    code = errno;
  }
  if (!ok) {
    ::unlink(pattern.c_str());
    error = "Cannot write " + path.string() + ": " + SystemMessage(code) +
            ". The file was left as it was.";
  }
  return ok;
}
