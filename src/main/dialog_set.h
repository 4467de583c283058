// SPDX-License-Identifier: GPL-3.0-or-later
// The dialogs the main window opens. The window creates them after itself, in
// a fixed order, and talks to them only through this interface.
#pragma once

class TDialogSet {
 public:
  virtual ~TDialogSet() = default;
  virtual void EditGraphs() = 0;     // modeless, stays on top
  virtual void EditDiagrams() = 0;   // modal
  virtual void VariableTable() = 0;  // modal
  virtual void Calculator() = 0;     // modal
  virtual void AxisSettings() = 0;   // modal
  // New document or Open replaced the document under the open dialogs.
  virtual void DocumentReplaced() = 0;
};
