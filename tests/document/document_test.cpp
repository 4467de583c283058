// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/document.h"

#include <gtest/gtest.h>

TEST(Document, SetDisplayDefaultsOverwritesEveryField) {
  TCoordinateSystem d = BlankDisplay();
  d.ThreeAxes = true;
  d.Log1 = d.Log2 = d.Log3 = true;
  d.Min1 = 0.5;
  d.Max2 = 3;
  d.Shift1 = 7;
  d.Shift3 = -2;
  d.Label1 = "t";
  d.Label3 = "w";
  d.GraphIndices = {0, 1, 2};
  d.DiagramIndices = {4};
  d.DisplayStyle = 2;
  SetDisplayDefaults(d);
  EXPECT_EQ(d, TCoordinateSystem{});
  EXPECT_EQ(d.Origin1, -10.0);
  EXPECT_EQ(d.Shift1, 0.0);
  EXPECT_EQ(d.Shift2, 0.0);
  EXPECT_EQ(d.Shift3, 0.0);
  EXPECT_EQ(d.Label1, "x");
  EXPECT_EQ(d.Label2, "y");
  EXPECT_EQ(d.Label3, "z");
  EXPECT_TRUE(d.GraphIndices.empty());
  EXPECT_EQ(d.AxisColor, 0x00FF00);
  EXPECT_EQ(d.DisplayStyle, DisplayStyleSolid);
  EXPECT_EQ(d.AxisStyle, AxisStyleRaster);
  EXPECT_EQ(d.Perspective, 500);
  EXPECT_EQ(d.Resolution, 100);
}

TEST(Document, NewRecordsCarryTheDialogDefaults) {
  const TGraph g;
  EXPECT_EQ(g.Color1, 0xFF0000);
  EXPECT_EQ(g.Color2, 0xFF0000);
  EXPECT_TRUE(g.Term1.empty());
  const TDiagram m;
  EXPECT_EQ(m.Column1, 1);
  EXPECT_EQ(m.ErrorHigh1, 0);
  EXPECT_FALSE(m.UseColumn1);
  EXPECT_TRUE(m.ShowPoints);
  EXPECT_TRUE(m.ConnectPoints);
  EXPECT_EQ(m.Color1, 0xFF0000);
}

TEST(Document, BlankRecordsAreAllZero) {
  const TGraph g = BlankGraph();
  EXPECT_EQ(g.Color1, 0);
  EXPECT_EQ(g.Color2, 0);
  const TDiagram m = BlankDiagram();
  EXPECT_EQ(m.Column1, 0);
  EXPECT_FALSE(m.ShowPoints);
  EXPECT_FALSE(m.ConnectPoints);
  EXPECT_EQ(m.Color2, 0);
  const TCoordinateSystem d = BlankDisplay();
  EXPECT_EQ(d.Min1, 0.0);
  EXPECT_EQ(d.Max3, 0.0);
  EXPECT_EQ(d.Zoom2, 0.0);
  EXPECT_EQ(d.MajorInterval1, 0.0);
  EXPECT_EQ(d.Perspective, 0);
  EXPECT_EQ(d.Resolution, 0);
  EXPECT_FALSE(d.Markings1);
  EXPECT_EQ(d.DisplayStyle, 0);
  EXPECT_EQ(d.AxisStyle, 0);
  EXPECT_TRUE(d.Label1.empty());
  EXPECT_EQ(d.AxisColor, 0);
}

TEST(Document, CreateResetRelease) {
  TDocument doc;
  CreateDocument(doc);
  ASSERT_EQ(doc.Displays.size(), 1u);
  EXPECT_EQ(doc.Displays[0], TCoordinateSystem{});
  EXPECT_EQ(doc.HiddenTable, TStringGrid(2, 2));

  doc.Displays.resize(3);
  doc.Displays[2].ThreeAxes = true;
  doc.Displays[0].Label1 = "u";
  doc.Displays[0].GraphIndices = {0, 1};
  doc.Graphs.resize(2);
  doc.Diagrams.resize(1);
  doc.HiddenTable.SetSize(5, 4);
  doc.HiddenTable.SetCells(1, 1, "3");
  SetVariable(doc.VarTable, "a", {1, 0}, {2, 0}, {1.5, 0});

  ResetDocument(doc);
  ASSERT_EQ(doc.Displays.size(), 1u);
  EXPECT_EQ(doc.Displays[0], TCoordinateSystem{});
  EXPECT_TRUE(doc.Graphs.empty());
  EXPECT_TRUE(doc.Diagrams.empty());
  EXPECT_EQ(doc.VarTable.Count(), 0);
  EXPECT_EQ(doc.HiddenTable, TStringGrid(2, 2));
  EXPECT_EQ(doc.HiddenTable.Cells(1, 1), "");

  // "New document" after a failed read that left no display.
  doc.Displays.clear();
  ResetDocument(doc);
  ASSERT_EQ(doc.Displays.size(), 1u);
  EXPECT_EQ(doc.Displays[0], TCoordinateSystem{});

  ReleaseDocument(doc);
  EXPECT_TRUE(doc.Displays.empty());
  EXPECT_EQ(doc.VarTable.Count(), 0);
}

TEST(Document, AGraphListedInTwoDisplaysSurvivesOneList) {
  TDocument doc;
  CreateDocument(doc);
  doc.Graphs.resize(1);
  doc.Displays.resize(2);
  doc.Displays[0].GraphIndices = {0};
  doc.Displays[1].GraphIndices = {0};
  doc.Displays[0].GraphIndices.clear();
  EXPECT_EQ(doc.Graphs.size(), 1u);
  EXPECT_EQ(doc.Displays[1].GraphIndices, std::vector<uint16_t>{0});
}
