// SPDX-License-Identifier: GPL-3.0-or-later
// Document files from anywhere: read the bytes as a .mvf file, evaluate the
// data table, then plot and draw every display (sampling, axes, diagrams,
// clipping, the depth sort and the projection all see the hostile values).
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "document/data_table.h"
#include "document/reader.h"
#include "null_canvas.h"
#include "plot/picture.h"
#include "plot/plot_display.h"
#include "support/silent_prompts.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  TDocument document;
  CreateDocument(document);
  ReadDocument(std::string_view(reinterpret_cast<const char*>(data), size), document);
  TStringGrid table = EvaluateTable(document.HiddenTable);

  // The variable table operations on whatever lists the file left behind.
  TVarTable vars = document.VarTable;
  TComplex minimum, maximum, actual;
  for (size_t k = 0; k < vars.Names.size() && k < 64; ++k) {
    const std::string name = vars.Names[k];
    GetVariable(vars, name, minimum, maximum, actual);
    SetVariable(vars, name, minimum, maximum, actual);
  }
  if (!vars.Names.empty()) DeleteVariable(vars, std::string(vars.Names.front()));

  SilentPrompts prompts;
  NullCanvas canvas(160, 120);
  TGraphic3D graphic;
  InitGraphic3D(graphic, canvas);
  TObject3D scene, view;
  // Every display once; a file with thousands of displays is cut short so a
  // single input stays quick.
  const int displays = static_cast<int>(document.Displays.size());
  for (int d = 0; d < displays && d < 4; ++d) {
    if (PlotDisplay(document, d, scene, prompts))
      DrawPicture(graphic, canvas, document.Displays[static_cast<size_t>(d)], scene, true, view);
  }
  return 0;
}
