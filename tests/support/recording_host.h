// SPDX-License-Identifier: GPL-3.0-or-later
// The main window as the dialogs and their forms see it, for tests: it
// answers with a chosen current display, counts redraws and openings of the
// variable table dialog, and lets a test act while that dialog is "open"
// (look at the table or change it).
#pragma once

#include <functional>

#include "ports/dialog_host.h"

class TRecordingHost : public TDialogHost {
 public:
  int Current = 0;  // what CurrentDisplay answers; -1 for none
  int Redraws = 0;
  int VariableTables = 0;  // openings of the variable table dialog
  std::function<void()> OnVariableTable;

  int CurrentDisplay() const override { return Current; }
  void Redraw() override { ++Redraws; }
  void OpenVariableTable() override {
    ++VariableTables;
    if (OnVariableTable) OnVariableTable();
  }
};
