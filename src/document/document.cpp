// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/document.h"

#include <bit>
#include <cstdint>

TGraph BlankGraph() {
  TGraph graph;
  graph.Color1 = graph.Color2 = 0;
  return graph;
}

TDiagram BlankDiagram() {
  TDiagram diagram;
  diagram.Column1 = diagram.Column2 = diagram.Column3 = 0;
  diagram.ShowPoints = diagram.ConnectPoints = false;
  diagram.Color1 = diagram.Color2 = 0;
  return diagram;
}

TCoordinateSystem BlankDisplay() {
  TCoordinateSystem d;
  d.Origin1 = d.Origin2 = d.Origin3 = 0;
  d.Min1 = d.Max1 = d.Min2 = d.Max2 = d.Min3 = d.Max3 = 0;
  d.Zoom1 = d.Zoom2 = d.Zoom3 = 0;
  d.Perspective = d.Resolution = 0;
  d.Markings1 = d.Markings2 = d.Markings3 = false;
  d.MajorInterval1 = d.MajorInterval2 = d.MajorInterval3 = 0;
  d.MinorInterval1 = d.MinorInterval2 = d.MinorInterval3 = 0;
  d.DisplayStyle = d.AxisStyle = 0;
  d.Label1.clear();
  d.Label2.clear();
  d.Label3.clear();
  d.AxisColor = 0;
  return d;
}

void SetDisplayDefaults(TCoordinateSystem& display) {
  TCoordinateSystem& d = display;
  d.Min1 = -10.0;
  d.Max1 = 10.0;
  d.Min2 = -10.0;
  d.Max2 = 10.0;
  d.Min3 = -10.0;
  d.Max3 = 10.0;
  d.Origin1 = d.Min1;
  d.Origin2 = d.Min2;
  d.Origin3 = d.Min3;
  d.Shift1 = -(d.Max1 + d.Min1) / 2;
  d.Shift2 = -(d.Max2 + d.Min2) / 2;
  d.Shift3 = 0.0;
  d.Zoom1 = d.Zoom2 = d.Zoom3 = 1.0;
  d.Alpha = d.Beta = d.Gamma = 0;
  d.Perspective = 500;
  d.Resolution = 100;
  d.GraphIndices.clear();
  d.DiagramIndices.clear();
  d.ThreeAxes = false;
  d.Log1 = d.Log2 = d.Log3 = false;
  d.Markings1 = d.Markings2 = d.Markings3 = true;
  d.ForceEqualScale = false;
  d.MajorInterval1 = d.MajorInterval2 = d.MajorInterval3 = 10.0;
  d.MinorInterval1 = d.MinorInterval2 = d.MinorInterval3 = 2.0;
  d.DisplayStyle = DisplayStyleSolid;
  d.AxisStyle = AxisStyleRaster;
  d.Label1 = "x";
  d.Label2 = "y";
  d.Label3 = "z";
  d.AxisColor = 0x00FF00;
}

void CreateDocument(TDocument& document) {
  document.Displays.assign(1, TCoordinateSystem{});
  SetDisplayDefaults(document.Displays[0]);
  document.Graphs.clear();
  document.Diagrams.clear();
  ClearVarTable(document.VarTable);
  document.HiddenTable = TStringGrid(2, 2);
}

void ResetDocument(TDocument& document) {
  for (auto& display : document.Displays) {
    display.GraphIndices.clear();
    display.DiagramIndices.clear();
  }
  document.HiddenTable.ClearCells();
  document.HiddenTable.SetSize(2, 2);
  document.Displays.resize(1);
  document.Graphs.clear();
  document.Diagrams.clear();
  ClearVarTable(document.VarTable);
  SetDisplayDefaults(document.Displays[0]);
}

void ClearDocumentLists(TDocument& document) {
  for (auto& display : document.Displays) {
    display.GraphIndices.clear();
    display.DiagramIndices.clear();
  }
  document.Displays.clear();
  document.Graphs.clear();
  document.Diagrams.clear();
}

void ReleaseDocument(TDocument& document) {
  ClearDocumentLists(document);
  ClearVarTable(document.VarTable);
}

namespace {

bool SameBits(double a, double b) {
  return std::bit_cast<uint64_t>(a) == std::bit_cast<uint64_t>(b);
}

bool SameValues(const std::vector<TComplex>& a, const std::vector<TComplex>& b) {
  if (a.size() != b.size()) return false;
  for (size_t k = 0; k < a.size(); ++k)
    if (!SameBits(a[k].Re, b[k].Re) || !SameBits(a[k].Im, b[k].Im)) return false;
  return true;
}

bool SameDisplay(const TCoordinateSystem& a, TCoordinateSystem b) {
  b.Origin1 = a.Origin1;
  b.Origin2 = a.Origin2;
  b.Origin3 = a.Origin3;
  return a == b;
}

}  // namespace

bool SameWork(const TDocument& a, const TDocument& b) {
  if (a.Displays.size() != b.Displays.size()) return false;
  for (size_t k = 0; k < a.Displays.size(); ++k)
    if (!SameDisplay(a.Displays[k], b.Displays[k])) return false;
  return a.Graphs == b.Graphs && a.Diagrams == b.Diagrams && a.HiddenTable == b.HiddenTable &&
         a.VarTable.Names == b.VarTable.Names &&
         SameValues(a.VarTable.Minimum, b.VarTable.Minimum) &&
         SameValues(a.VarTable.Maximum, b.VarTable.Maximum) &&
         SameValues(a.VarTable.Actual, b.VarTable.Actual);
}
