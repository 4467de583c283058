#include "forms/calculator_form.h"

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

}  // namespace

TCalculatorForm::TCalculatorForm(TDocument& document, TDialogHost& host)
    : document_(document), host_(host) {}

void TCalculatorForm::FormShow() {
  CopyVarTable(document_.VarTable, savedVarTable_);
  TStringArray terms;
  CollectGraphTerms(document_.Graphs, terms);
  cbTermItems.clear();
  AddTermsIgnoringCase(terms, cbTermItems);
}

void TCalculatorForm::FormClose() { CopyVarTable(savedVarTable_, document_.VarTable); }

void TCalculatorForm::cbTermExit() {
  CalcTermExit(document_.VarTable, cbTerm);
  RefillNames(cbDiffVarItems, cbDiffVarIndex, document_.VarTable);
  RefillNames(cbIntVarItems, cbIntVarIndex, document_.VarTable);
}

void TCalculatorForm::bCalculateClick() {
  cbTermExit();
  mResult.push_back(CalcEvaluate(document_.VarTable, cbTerm));
}

void TCalculatorForm::bCalcDiffClick() {
  mResult.push_back(CalcDifferentiate(document_.VarTable, cbTerm,
                                      SelectedName(cbDiffVarItems, cbDiffVarIndex), eDiffValue));
}

void TCalculatorForm::bCalcIntClick() {
  mResult.push_back(CalcIntegrate(document_.VarTable, cbTerm,
                                  SelectedName(cbIntVarItems, cbIntVarIndex), eLow, eHigh));
}

void TCalculatorForm::bVarTableClick() {
  cbTermExit();
  host_.OpenVariableTable();
}
