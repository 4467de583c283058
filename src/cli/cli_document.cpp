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

 private:
  std::string& text_;
  bool first_ = true;
};

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

void AppendDisplay(std::string& text, const TCoordinateSystem& d) {
  TJsonObject o(text);
  o.Add("Origin1", d.Origin1);
  o.Add("Origin2", d.Origin2);
  o.Add("Origin3", d.Origin3);
  o.Add("Min1", d.Min1);
  o.Add("Max1", d.Max1);
  o.Add("Min2", d.Min2);
  o.Add("Max2", d.Max2);
  o.Add("Min3", d.Min3);
  o.Add("Max3", d.Max3);
  o.Add("Shift1", d.Shift1);
  o.Add("Shift2", d.Shift2);
  o.Add("Shift3", d.Shift3);
  o.Add("Zoom1", d.Zoom1);
  o.Add("Zoom2", d.Zoom2);
  o.Add("Zoom3", d.Zoom3);
  o.Add("Alpha", d.Alpha);
  o.Add("Beta", d.Beta);
  o.Add("Gamma", d.Gamma);
  o.Add("Perspective", d.Perspective);
  o.Add("Resolution", d.Resolution);
  AppendIndices(o.Key("GraphIndices"), d.GraphIndices);
  AppendIndices(o.Key("DiagramIndices"), d.DiagramIndices);
  o.Add("ThreeAxes", d.ThreeAxes);
  o.Add("Log1", d.Log1);
  o.Add("Log2", d.Log2);
  o.Add("Log3", d.Log3);
  o.Add("Markings1", d.Markings1);
  o.Add("Markings2", d.Markings2);
  o.Add("Markings3", d.Markings3);
  o.Add("ForceEqualScale", d.ForceEqualScale);
  o.Add("MajorInterval1", d.MajorInterval1);
  o.Add("MajorInterval2", d.MajorInterval2);
  o.Add("MajorInterval3", d.MajorInterval3);
  o.Add("MinorInterval1", d.MinorInterval1);
  o.Add("MinorInterval2", d.MinorInterval2);
  o.Add("MinorInterval3", d.MinorInterval3);
  o.Add("DisplayStyle", int32_t{d.DisplayStyle});
  o.Add("AxisStyle", int32_t{d.AxisStyle});
  o.Add("Label1", d.Label1);
  o.Add("Label2", d.Label2);
  o.Add("Label3", d.Label3);
  o.Add("AxisColor", d.AxisColor);
}

void AppendGraph(std::string& text, const TGraph& g) {
  TJsonObject o(text);
  o.Add("Term1", g.Term1);
  o.Add("Term2", g.Term2);
  o.Add("Term3", g.Term3);
  o.Add("Color1", g.Color1);
  o.Add("Color2", g.Color2);
}

void AppendDiagram(std::string& text, const TDiagram& m) {
  TJsonObject o(text);
  o.Add("Column1", m.Column1);
  o.Add("Column2", m.Column2);
  o.Add("Column3", m.Column3);
  o.Add("ErrorHigh1", m.ErrorHigh1);
  o.Add("ErrorLow1", m.ErrorLow1);
  o.Add("ErrorHigh2", m.ErrorHigh2);
  o.Add("ErrorLow2", m.ErrorLow2);
  o.Add("ErrorHigh3", m.ErrorHigh3);
  o.Add("ErrorLow3", m.ErrorLow3);
  o.Add("Constant1", m.Constant1);
  o.Add("Constant2", m.Constant2);
  o.Add("Constant3", m.Constant3);
  o.Add("UseColumn1", m.UseColumn1);
  o.Add("UseColumn2", m.UseColumn2);
  o.Add("UseColumn3", m.UseColumn3);
  o.Add("ShowPoints", m.ShowPoints);
  o.Add("ConnectPoints", m.ConnectPoints);
  o.Add("Description", m.Description);
  o.Add("Color1", m.Color1);
  o.Add("Color2", m.Color2);
}

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
                [&](const TCoordinateSystem& d) { AppendDisplay(text, d); });
    AppendArray(o.Key("Graphs"), document.Graphs, [&](const TGraph& g) { AppendGraph(text, g); });
    AppendArray(o.Key("Diagrams"), document.Diagrams,
                [&](const TDiagram& m) { AppendDiagram(text, m); });
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
