// SPDX-License-Identifier: GPL-3.0-or-later
// dump: the document reader, and the document as JSON.
#include <ostream>
#include <string>
#include <vector>

#include "cli/cli_commands.h"
#include "cli/cli_json.h"
#include "document/data_table.h"
#include "document/document.h"
#include "document/reader.h"

namespace {

template <typename List, typename Write>
void AppendArray(std::string& text, const List& list, Write write) {
  text += '[';
  bool first = true;
  for (const auto& element : list) {
    if (!first) text += ", ";
    first = false;
    write(element);
  }
  text += ']';
}

void AppendIndices(std::string& text, const std::vector<uint16_t>& list) {
  AppendArray(text, list, [&](uint16_t index) { text += JsonNumber(int64_t{index}); });
}

// Writes one JSON object member by member, in the order given.
class TJsonObject {
 public:
  explicit TJsonObject(std::string& text) : text_(text) { text_ += '{'; }
  ~TJsonObject() { text_ += '}'; }
  TJsonObject(const TJsonObject&) = delete;
  TJsonObject& operator=(const TJsonObject&) = delete;

  std::string& Key(const char* name) {
    if (!first_) text_ += ", ";
    first_ = false;
    text_ += JsonString(name);
    text_ += ": ";
    return text_;
  }
  void Add(const char* name, double value) { Key(name) += JsonNumber(value); }
  void Add(const char* name, int32_t value) { Key(name) += JsonNumber(int64_t{value}); }
  void Add(const char* name, bool value) { Key(name) += value ? "true" : "false"; }
  void Add(const char* name, const std::string& value) { Key(name) += JsonString(value); }
  void Add(const char* name, uint8_t value) { Add(name, int32_t{value}); }
  void Add(const char* name, const std::vector<uint16_t>& list) { AppendIndices(Key(name), list); }

  // As the visitor of a record's field walk: one member per field.
  template <class Field>
  bool operator()(const char* name, const Field& field) {
    Add(name, field);
    return true;
  }

 private:
  std::string& text_;
  bool first_ = true;
};

// Column by column, each from row 0 down: the order of the file.
void AppendGrid(std::string& text, const TStringGrid& grid) {
  text += '[';
  for (int c = 0; c < grid.ColCount(); ++c) {
    if (c > 0) text += ", ";
    text += '[';
    for (int r = 0; r < grid.RowCount(); ++r) {
      if (r > 0) text += ", ";
      text += JsonString(grid.Cells(c, r));
    }
    text += ']';
  }
  text += ']';
}

void AppendComplexList(std::string& text, const std::vector<TComplex>& list) {
  AppendArray(text, list, [&](const TComplex& z) {
    text += '[' + JsonNumber(z.Re) + ", " + JsonNumber(z.Im) + ']';
  });
}

}  // namespace

std::string DocumentJson(const TDocument& document, const TStringGrid& table) {
  std::string text;
  {
    TJsonObject o(text);
    AppendArray(o.Key("Displays"), document.Displays,
                [&](const TCoordinateSystem& d) { VisitDisplayFields(d, TJsonObject(text)); });
    AppendArray(o.Key("Graphs"), document.Graphs,
                [&](const TGraph& g) { VisitGraphFields(g, TJsonObject(text)); });
    AppendArray(o.Key("Diagrams"), document.Diagrams,
                [&](const TDiagram& m) { VisitDiagramFields(m, TJsonObject(text)); });
    AppendGrid(o.Key("HiddenTable"), document.HiddenTable);
    AppendGrid(o.Key("Table"), table);
    std::string& vars = o.Key("VarTable");
    TJsonObject v(vars);
    AppendArray(v.Key("Names"), document.VarTable.Names,
                [&](const std::string& name) { vars += JsonString(name); });
    AppendComplexList(v.Key("Minimum"), document.VarTable.Minimum);
    AppendComplexList(v.Key("Maximum"), document.VarTable.Maximum);
    AppendComplexList(v.Key("Actual"), document.VarTable.Actual);
  }
  text += '\n';
  return text;
}

int CliDump(const TCliArgs& args, std::ostream& out, std::ostream& err) {
  if (args.size() != 1) {
    err << "morvit-cli dump: expects exactly one FILE\n";
    PrintUsage(err, "dump");
    return ExitUsage;
  }
  TDocument document;
  CreateDocument(document);
  TStringGrid table;
  const bool ok = OpenDocument(args[0], document, table);
  out << DocumentJson(document, table);
  if (!ok) {
    err << InvalidFileMessage << "\n";
    return ExitFailed;
  }
  return ExitOk;
}
