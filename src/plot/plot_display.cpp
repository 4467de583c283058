// SPDX-License-Identifier: GPL-3.0-or-later
#include "plot/plot_display.h"

#include <cstddef>

#include "document/data_table.h"
#include "plot/axes.h"
#include "plot/diagram_plot.h"
#include "plot/graph_sampling.h"

bool PlotDisplay(TDocument& document, int currentDisplay, TObject3D& scene, Prompts& prompts) {
  if (currentDisplay < 0 || static_cast<std::size_t>(currentDisplay) >= document.Displays.size())
    return false;
  TCoordinateSystem& display = document.Displays[static_cast<std::size_t>(currentDisplay)];
  ClearObject(scene);
  display.Origin1 = display.Min1;
  display.Origin2 = display.Min2;
  display.Origin3 = display.Min3;

  AddAxes(display, scene);

  for (const uint16_t index : display.GraphIndices) {
    if (index >= document.Graphs.size()) continue;
    if (AddGraph(document.Graphs[index], display, document.VarTable, scene) ==
        TGraphOutcome::TooManyFreeVariables) {
      ShowError(prompts, TooManyFreeVariablesMessage);
      return false;
    }
  }

  // Evaluated once for all diagrams: the evaluation depends on the table alone.
  TStringGrid table;
  bool evaluated = false;
  for (const uint16_t index : display.DiagramIndices) {
    if (index >= document.Diagrams.size()) continue;
    if (!evaluated) {
      EvaluateTable(document.HiddenTable, table);
      evaluated = true;
    }
    AddDiagram(document.Diagrams[index], display, table, scene);
  }
  return true;
}
