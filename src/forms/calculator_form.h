// The calculator's logic without widgets: the term list offered in the term
// field, the variable lists, the result lines, and the variable table that is
// put back as it was when the calculator closes. The numerics are those of
// calc/calculator.h; nothing here computes a value of its own.
#pragma once

#include <string>
#include <vector>

#include "document/document.h"
#include "ports/dialog_host.h"
#include "term/var_table.h"

class TCalculatorForm {
 public:
  TCalculatorForm(TDocument& document, TDialogHost& host);

  // Opening: saves the variable table and offers the graphs' terms, each
  // once regardless of letter case. The term field keeps its text.
  void FormShow();
  // Closing by any means: the variable table as it was at opening, so that
  // variables the term field or the variable table dialog added are gone.
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
  TVarTable savedVarTable_;
};
