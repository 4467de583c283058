// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/document_check.h"

#include <cstddef>

std::string DocumentFault(const TDocument& document, int currentDisplay, int tabCount,
                          bool windowOpen) {
  const std::size_t displays = document.Displays.size();
  for (std::size_t d = 0; d < displays; ++d) {
    const TCoordinateSystem& display = document.Displays[d];
    const std::string which = "display " + std::to_string(d);
    for (const auto index : display.GraphIndices)
      if (index >= document.Graphs.size())
        return which + " lists graph " + std::to_string(index) + " of " +
               std::to_string(document.Graphs.size());
    for (const auto index : display.DiagramIndices)
      if (index >= document.Diagrams.size())
        return which + " lists diagram " + std::to_string(index) + " of " +
               std::to_string(document.Diagrams.size());
  }
  const TVarTable& vars = document.VarTable;
  const std::size_t names = vars.Names.size();
  if (vars.Minimum.size() != names || vars.Maximum.size() != names || vars.Actual.size() != names)
    return "the variable table is not rectangular: " + std::to_string(names) + " names, " +
           std::to_string(vars.Minimum.size()) + " minimums, " +
           std::to_string(vars.Maximum.size()) + " maximums, " +
           std::to_string(vars.Actual.size()) + " values";
  const TStringGrid& table = document.HiddenTable;
  if (table.ColCount() < 0 || table.RowCount() < 0) return "the data table has a negative size";
  // Reading every cell: a grid whose storage disagrees with its size fails
  // here (under the address sanitizer, at the first cell outside it).
  // Tables beyond a few million cells are left unread: the check runs after
  // every step.
  std::size_t characters = 0;
  const bool readable = static_cast<double>(table.ColCount()) * table.RowCount() <= 4e6;
  for (int c = 0; readable && c < table.ColCount(); ++c)
    for (int r = 0; r < table.RowCount(); ++r) characters += table.Cells(c, r).size();
  (void)characters;
  if (!windowOpen) return {};
  if (currentDisplay < -1 || currentDisplay >= static_cast<int>(displays))
    return "the current display " + std::to_string(currentDisplay) + " is not one of " +
           std::to_string(displays);
  if ((currentDisplay == -1) != (displays == 0))
    return "the current display is " + std::to_string(currentDisplay) + " with " +
           std::to_string(displays) + " displays";
  if (tabCount != static_cast<int>(displays))
    return std::to_string(tabCount) + " tabs for " + std::to_string(displays) + " displays";
  return {};
}
