// SPDX-License-Identifier: GPL-3.0-or-later
// The variable table dialog without widgets: the grid's texts loaded from the
// variable table, and OK's row-by-row check and store.
#pragma once

#include <string>
#include <vector>

#include "ports/prompts.h"
#include "term/var_table.h"

// One data row of the grid: the name and the three value texts as shown or typed.
struct TVarInputRow {
  std::string Name;
  std::string Minimum;
  std::string Maximum;
  std::string Actual;

  bool operator==(const TVarInputRow&) const = default;
};

class TVarInputForm {
 public:
  TVarInputForm(TVarTable& table, Prompts& prompts);

  // The grid's data rows; row k shows row k of the table. An empty table
  // still shows one blank row.
  std::vector<TVarInputRow> Rows;

  // Fills Rows from the table, values as ComplexToStr shows them.
  void FormShow();

  // Checks the rows in table order and stores them only when every
  // row is accepted. The first faulty row is reported, nothing is stored and
  // false is returned. True when every row was stored (the caller then
  // redraws and closes).
  bool bOkClick();

 private:
  TVarTable& table_;
  Prompts& prompts_;
};

// A value cell is accepted when it compiles, names no variable at all and
// evaluates validly; false with value 0 otherwise.
bool ReadConstantCell(const std::string& text, const TVarTable& table, TComplex& value);
