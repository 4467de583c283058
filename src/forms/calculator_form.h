// SPDX-License-Identifier: GPL-3.0-or-later
// The calculator's logic without widgets: the term list offered in the term
// field, the variable lists, the result lines, and the variables the
// calculator added itself, which go again when it closes. The numerics are
// those of calc/calculator.h; nothing here computes a value of its own.
#pragma once

#include <string>
#include <vector>

#include "document/document.h"
#include "ports/dialog_host.h"
#include "term/var_table.h"

class TCalculatorForm {
 public:
  TCalculatorForm(TDocument& document, TDialogHost& host);

  // Opening: offers the graphs' terms, each once regardless of letter case.
  // The term field keeps its text.
  void FormShow();
  // Closing by any means: the variables that the term field added are
  // removed again, unless the user confirmed them in the variable table
  // dialog. Values confirmed there stay, so the table keeps agreeing with
  // the picture drawn from it; a calculation restores its variable itself.
  void FormClose();

  // The term field was left: the term's unknown variables join the variable
  // table with value 0, and both variable lists are refilled in table order.
  void cbTermExit();
  void bCalculateClick();
  void bCalcDiffClick();
  void bCalcIntClick();
  void bVarTableClick();

  // The controls' contents, read and written by the dialog.
  std::string cbTerm;
  std::vector<std::string> cbTermItems;
  std::vector<std::string> cbDiffVarItems;
  int cbDiffVarIndex = -1;  // -1: nothing selected
  std::vector<std::string> cbIntVarItems;
  int cbIntVarIndex = -1;
  std::string eDiffValue;
  std::string eLow;
  std::string eHigh;
  // One line per result or error; kept across openings.
  std::vector<std::string> mResult;

 private:
  TDocument& document_;
  TDialogHost& host_;
  TStringArray addedNames_;  // added by the term field since opening, not yet confirmed
};
