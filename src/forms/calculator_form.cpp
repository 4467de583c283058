// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/calculator_form.h"

#include <algorithm>
#include <cstddef>

#include "calc/calculator.h"
#include "forms/graph_terms.h"

namespace {

std::string SelectedName(const std::vector<std::string>& items, int index) {
  if (index < 0 || index >= static_cast<int>(items.size())) return {};
  return items[static_cast<size_t>(index)];
}

// The remembered position is selected again when it still exists.
void RefillNames(std::vector<std::string>& items, int& index, const TVarTable& table) {
  items = table.Names;
  if (index >= static_cast<int>(items.size())) index = -1;
}

bool SameValues(const std::vector<TComplex>& a, const std::vector<TComplex>& b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                    [](TComplex x, TComplex y) { return x.Re == y.Re && x.Im == y.Im; });
}

bool SameTable(const TVarTable& a, const TVarTable& b) {
  return a.Names == b.Names && SameValues(a.Minimum, b.Minimum) &&
         SameValues(a.Maximum, b.Maximum) && SameValues(a.Actual, b.Actual);
}

}  // namespace

TCalculatorForm::TCalculatorForm(TDocument& document, TDialogHost& host)
    : document_(document), host_(host) {}

void TCalculatorForm::FormShow() {
  addedNames_.clear();
  TStringArray terms;
  CollectGraphTerms(document_.Graphs, terms);
  cbTermItems.clear();
  AddTermsIgnoringCase(terms, cbTermItems);
}

void TCalculatorForm::FormClose() {
  for (const std::string& name : addedNames_) DeleteVariable(document_.VarTable, name);
  addedNames_.clear();
}

void TCalculatorForm::cbTermExit() {
  const size_t known = document_.VarTable.Names.size();
  CalcTermExit(document_.VarTable, cbTerm);
  const TStringArray& names = document_.VarTable.Names;
  addedNames_.insert(addedNames_.end(),
                     names.begin() + static_cast<std::ptrdiff_t>(std::min(known, names.size())),
                     names.end());
  RefillNames(cbDiffVarItems, cbDiffVarIndex, document_.VarTable);
  RefillNames(cbIntVarItems, cbIntVarIndex, document_.VarTable);
}

void TCalculatorForm::bCalculateClick() {
  cbTermExit();
  mResult.push_back(CalcEvaluate(document_.VarTable, cbTerm));
}

void TCalculatorForm::bCalcDiffClick() {
  const TCalcLines lines = CalcDifferentiate(
      document_.VarTable, cbTerm, SelectedName(cbDiffVarItems, cbDiffVarIndex), eDiffValue);
  mResult.insert(mResult.end(), lines.begin(), lines.end());
}

void TCalculatorForm::bCalcIntClick() {
  const TCalcLines lines = CalcIntegrate(document_.VarTable, cbTerm,
                                         SelectedName(cbIntVarItems, cbIntVarIndex), eLow, eHigh);
  mResult.insert(mResult.end(), lines.begin(), lines.end());
}

void TCalculatorForm::bVarTableClick() {
  cbTermExit();
  const TVarTable shown = document_.VarTable;
  host_.OpenVariableTable();
  // A changed table means the user confirmed it with OK, and the picture was
  // redrawn with it: every row it showed is now the user's, also the ones
  // this calculator added, and stays when the calculator closes.
  if (!SameTable(shown, document_.VarTable)) addedNames_.clear();
}
