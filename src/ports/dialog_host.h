// SPDX-License-Identifier: GPL-3.0-or-later
// What a dialog needs of the main window that opened it: which display is
// current, a redraw after OK, and the variable table dialog, which the graph
// input dialog and the calculator open on top of themselves.
#pragma once

class TDialogHost {
 public:
  virtual ~TDialogHost() = default;

  // Index of the current display in the document's Displays; -1 for none.
  virtual int CurrentDisplay() const = 0;

  // Rebuilds the current display's picture (PlotDisplay) and shows it.
  virtual void Redraw() = 0;

  // Shows the variable table dialog modally and returns when it closes.
  virtual void OpenVariableTable() = 0;
};
