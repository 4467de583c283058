// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/axis.h"

#include <gtest/gtest.h>

// Every field written through an axis lands in that axis's numbered field and
// nowhere else: a swapped pair in the adapters would move one axis's setting
// to another.
TEST(Axis, EachAxisReachesItsOwnNumberedFields) {
  TCoordinateSystem display = BlankDisplay();
  TDiagram diagram = BlankDiagram();
  TGraph graph = BlankGraph();
  for (TAxis axis : AllAxes) {
    const int n = AxisNumber(axis);
    const TDisplayAxis d = DisplayAxis(display, axis);
    d.Origin = n + 0.1;
    d.Min = n + 0.2;
    d.Max = n + 0.3;
    d.Shift = n + 0.4;
    d.Zoom = n + 0.5;
    d.MajorInterval = n + 0.6;
    d.MinorInterval = n + 0.7;
    d.Log = n != 2;
    d.Markings = n == 2;
    d.Label = "label" + std::to_string(n);
    const TDiagramAxis m = DiagramAxis(diagram, axis);
    m.Column = 10 * n + 1;
    m.Constant = n + 0.8;
    m.UseColumn = n == 3;
    m.ErrorLow = 10 * n + 2;
    m.ErrorHigh = 10 * n + 3;
    GraphTerm(graph, axis) = "term" + std::to_string(n);
  }

  TCoordinateSystem expected = BlankDisplay();
  expected.Origin1 = 1.1, expected.Origin2 = 2.1, expected.Origin3 = 3.1;
  expected.Min1 = 1.2, expected.Min2 = 2.2, expected.Min3 = 3.2;
  expected.Max1 = 1.3, expected.Max2 = 2.3, expected.Max3 = 3.3;
  expected.Shift1 = 1.4, expected.Shift2 = 2.4, expected.Shift3 = 3.4;
  expected.Zoom1 = 1.5, expected.Zoom2 = 2.5, expected.Zoom3 = 3.5;
  expected.MajorInterval1 = 1.6, expected.MajorInterval2 = 2.6, expected.MajorInterval3 = 3.6;
  expected.MinorInterval1 = 1.7, expected.MinorInterval2 = 2.7, expected.MinorInterval3 = 3.7;
  expected.Log1 = true, expected.Log2 = false, expected.Log3 = true;
  expected.Markings1 = false, expected.Markings2 = true, expected.Markings3 = false;
  expected.Label1 = "label1", expected.Label2 = "label2", expected.Label3 = "label3";
  EXPECT_EQ(display, expected);

  TDiagram expectedDiagram = BlankDiagram();
  expectedDiagram.Column1 = 11, expectedDiagram.Column2 = 21, expectedDiagram.Column3 = 31;
  expectedDiagram.Constant1 = 1.8, expectedDiagram.Constant2 = 2.8, expectedDiagram.Constant3 = 3.8;
  expectedDiagram.UseColumn3 = true;
  expectedDiagram.ErrorLow1 = 12, expectedDiagram.ErrorLow2 = 22, expectedDiagram.ErrorLow3 = 32;
  expectedDiagram.ErrorHigh1 = 13, expectedDiagram.ErrorHigh2 = 23, expectedDiagram.ErrorHigh3 = 33;
  EXPECT_EQ(diagram, expectedDiagram);

  EXPECT_EQ(graph.Term1, "term1");
  EXPECT_EQ(graph.Term2, "term2");
  EXPECT_EQ(graph.Term3, "term3");

  // The read-only view of a const record names the same fields.
  const TCoordinateSystem& constDisplay = display;
  const TDiagram& constDiagram = diagram;
  for (TAxis axis : AllAxes) {
    EXPECT_EQ(&DisplayAxis(constDisplay, axis).Label, &DisplayAxis(display, axis).Label);
    EXPECT_EQ(&DiagramAxis(constDiagram, axis).ErrorHigh, &DiagramAxis(diagram, axis).ErrorHigh);
  }
}
