// SPDX-License-Identifier: GPL-3.0-or-later
// The document: displays, graphs, diagrams, the diagram data table and the
// variable table, with the whole-document operations. Plain data; nothing here
// draws or talks to the user.
//
// Colours are int32 values packing red + 256 * green + 65536 * blue (so
// 0xFF0000 is pure blue). Axes are numbered 1 (X), 2 (Y), 3 (Z).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "document/string_grid.h"
#include "term/var_table.h"

// A default-constructed TGraph is a new graph as the graph input dialog makes
// it. The document reader starts from BlankGraph() instead.
struct TGraph {
  std::string Term1;  // axis 1 (X); an empty term counts as "0"
  std::string Term2;  // axis 2 (Y)
  std::string Term3;  // axis 3 (Z), used only in a 3D display
  int32_t Color1 = 0xFF0000;
  int32_t Color2 = 0xFF0000;

  bool operator==(const TGraph&) const = default;
};

// A default-constructed TDiagram is a new diagram as the diagram data editor
// makes it. Columns are data-table column numbers (1 to column count - 1); an
// error column below 1 or past the last column means no error bar.
struct TDiagram {
  int32_t Column1 = 1;
  int32_t Column2 = 1;
  int32_t Column3 = 1;
  int32_t ErrorHigh1 = 0;  // upward deviation column ("High:")
  int32_t ErrorLow1 = 0;   // downward deviation column ("Low:")
  int32_t ErrorHigh2 = 0;
  int32_t ErrorLow2 = 0;
  int32_t ErrorHigh3 = 0;
  int32_t ErrorLow3 = 0;
  double Constant1 = 0.0;  // value of every point on axis 1 unless UseColumn1
  double Constant2 = 0.0;
  double Constant3 = 0.0;
  bool UseColumn1 = false;
  bool UseColumn2 = false;
  bool UseColumn3 = false;
  bool ShowPoints = true;
  bool ConnectPoints = true;
  std::string Description;
  int32_t Color1 = 0xFF0000;  // markers, lines and error bars
  int32_t Color2 = 0xFF0000;  // kept and stored, never shown

  bool operator==(const TDiagram&) const = default;
};

// One display (coordinate system, one tab). A default-constructed record holds
// exactly what SetDisplayDefaults stores. While LogN is true, MinN, MaxN and
// OriginN are exponents to the base MajorIntervalN, not values.
struct TCoordinateSystem {
  double Origin1 = -10.0;  // the plotting driver sets it to Min1 at every drawing
  double Origin2 = -10.0;
  double Origin3 = -10.0;
  double Min1 = -10.0;
  double Max1 = 10.0;
  double Min2 = -10.0;
  double Max2 = 10.0;
  double Min3 = -10.0;
  double Max3 = 10.0;
  double Shift1 = 0.0;  // view translation in model units, added before scaling
  double Shift2 = 0.0;
  double Shift3 = 0.0;
  double Zoom1 = 1.0;
  double Zoom2 = 1.0;
  double Zoom3 = 1.0;
  int32_t Alpha = 0;  // rotation angles in whole degrees
  int32_t Beta = 0;
  int32_t Gamma = 0;
  int32_t Perspective = 500;             // eye distance; 0 or below means parallel projection
  int32_t Resolution = 100;              // sample points per direction
  std::vector<uint16_t> GraphIndices;    // positions in Graphs, in drawing order
  std::vector<uint16_t> DiagramIndices;  // positions in Diagrams
  bool ThreeAxes = false;
  bool Log1 = false;
  bool Log2 = false;
  bool Log3 = false;
  bool Markings1 = true;
  bool Markings2 = true;
  bool Markings3 = true;
  bool ForceEqualScale = false;
  double MajorInterval1 = 10.0;  // on a logarithmic axis: the base
  double MajorInterval2 = 10.0;
  double MajorInterval3 = 10.0;
  double MinorInterval1 = 2.0;
  double MinorInterval2 = 2.0;
  double MinorInterval3 = 2.0;
  uint8_t DisplayStyle = 1;  // DisplayStyleWireframe, DisplayStyleSolid, DisplayStylePoints
  uint8_t AxisStyle = 1;     // AxisStyleMarkings, AxisStyleRaster, AxisStyleAxesOnly
  std::string Label1 = "x";
  std::string Label2 = "y";
  std::string Label3 = "z";
  int32_t AxisColor = 0x00FF00;

  bool operator==(const TCoordinateSystem&) const = default;
};

inline constexpr uint8_t DisplayStyleWireframe = 0;
inline constexpr uint8_t DisplayStyleSolid = 1;
inline constexpr uint8_t DisplayStylePoints = 2;
inline constexpr uint8_t AxisStyleMarkings = 0;
inline constexpr uint8_t AxisStyleRaster = 1;
inline constexpr uint8_t AxisStyleAxesOnly = 2;

// Resolution is the number of steps per direction. A file may carry any
// number; sampling and the settings dialog take it within these bounds so
// that a graph neither vanishes nor asks for millions of points.
inline constexpr int32_t MinResolution = 1;
inline constexpr int32_t MaxResolution = 2000;

// The one document of the process, owned by the main window.
struct TDocument {
  std::vector<TCoordinateSystem> Displays;  // element i is the tab "Display<i+1>"
  std::vector<TGraph> Graphs;
  std::vector<TDiagram> Diagrams;
  TStringGrid HiddenTable;  // the diagram data as typed (raw texts)
  TVarTable VarTable;
};
using Document = TDocument;

// The fields of each record in the order a file stores them, with their
// names (the dump's keys). The reader, the writer and the dump all walk these
// lists, so the file order is written down once. visit(name, field) returns
// false to stop; the walk returns false when it was stopped. The record may
// be const.
template <class Graph, class Visit>
bool VisitGraphFields(Graph& g, Visit&& visit) {
  return visit("Term1", g.Term1) && visit("Term2", g.Term2) && visit("Term3", g.Term3) &&
         visit("Color1", g.Color1) && visit("Color2", g.Color2);
}

template <class Diagram, class Visit>
bool VisitDiagramFields(Diagram& m, Visit&& visit) {
  return visit("Column1", m.Column1) && visit("Column2", m.Column2) &&
         visit("Column3", m.Column3) && visit("ErrorHigh1", m.ErrorHigh1) &&
         visit("ErrorLow1", m.ErrorLow1) && visit("ErrorHigh2", m.ErrorHigh2) &&
         visit("ErrorLow2", m.ErrorLow2) && visit("ErrorHigh3", m.ErrorHigh3) &&
         visit("ErrorLow3", m.ErrorLow3) && visit("Constant1", m.Constant1) &&
         visit("Constant2", m.Constant2) && visit("Constant3", m.Constant3) &&
         visit("UseColumn1", m.UseColumn1) && visit("UseColumn2", m.UseColumn2) &&
         visit("UseColumn3", m.UseColumn3) && visit("ShowPoints", m.ShowPoints) &&
         visit("ConnectPoints", m.ConnectPoints) && visit("Description", m.Description) &&
         visit("Color1", m.Color1) && visit("Color2", m.Color2);
}

// The two uint8_t fields are the styles; the two index lists are
// std::vector<uint16_t>.
template <class Display, class Visit>
bool VisitDisplayFields(Display& d, Visit&& visit) {
  return visit("Origin1", d.Origin1) && visit("Origin2", d.Origin2) &&
         visit("Origin3", d.Origin3) && visit("Min1", d.Min1) && visit("Max1", d.Max1) &&
         visit("Min2", d.Min2) && visit("Max2", d.Max2) && visit("Min3", d.Min3) &&
         visit("Max3", d.Max3) && visit("Shift1", d.Shift1) && visit("Shift2", d.Shift2) &&
         visit("Shift3", d.Shift3) && visit("Zoom1", d.Zoom1) && visit("Zoom2", d.Zoom2) &&
         visit("Zoom3", d.Zoom3) && visit("Alpha", d.Alpha) && visit("Beta", d.Beta) &&
         visit("Gamma", d.Gamma) && visit("Perspective", d.Perspective) &&
         visit("Resolution", d.Resolution) && visit("GraphIndices", d.GraphIndices) &&
         visit("DiagramIndices", d.DiagramIndices) && visit("ThreeAxes", d.ThreeAxes) &&
         visit("Log1", d.Log1) && visit("Log2", d.Log2) && visit("Log3", d.Log3) &&
         visit("Markings1", d.Markings1) && visit("Markings2", d.Markings2) &&
         visit("Markings3", d.Markings3) && visit("ForceEqualScale", d.ForceEqualScale) &&
         visit("MajorInterval1", d.MajorInterval1) && visit("MajorInterval2", d.MajorInterval2) &&
         visit("MajorInterval3", d.MajorInterval3) && visit("MinorInterval1", d.MinorInterval1) &&
         visit("MinorInterval2", d.MinorInterval2) && visit("MinorInterval3", d.MinorInterval3) &&
         visit("DisplayStyle", d.DisplayStyle) && visit("AxisStyle", d.AxisStyle) &&
         visit("Label1", d.Label1) && visit("Label2", d.Label2) && visit("Label3", d.Label3) &&
         visit("AxisColor", d.AxisColor);
}

// Records with every field zero, false or empty: what the reader fills.
TGraph BlankGraph();
TDiagram BlankDiagram();
TCoordinateSystem BlankDisplay();

// Stores every field's default (ranges first, origins from the minimums,
// shifts from the ranges); empties both index lists.
void SetDisplayDefaults(TCoordinateSystem& display);

// Start-up: one default display, no graphs or diagrams, an empty variable
// table and a 2 by 2 data table of empty cells.
void CreateDocument(TDocument& document);

// "New document", in this order: index lists, table
// cells and size, lists and variables, then the defaults of the one display.
void ResetDocument(TDocument& document);

// Closing: index lists, then all lists, then the variable table.
void ReleaseDocument(TDocument& document);

// The displays (their index lists first), graphs and diagrams emptied: the
// lists closing and reading a file begin with.
void ClearDocumentLists(TDocument& document);

// True when the two documents hold the same work: every stored field, numbers
// bit for bit, except the origins, which every drawing derives from the
// minimums and which therefore change without the user changing anything.
// The window compares its document with the one last opened or saved to know
// whether closing it would lose work.
bool SameWork(const TDocument& a, const TDocument& b);
