#include "forms/calculator_form.h"

#include <set>

#include "calc/calculator.h"

namespace {

// Terms are ASCII; bytes beyond it are compared as they stand.
std::string LowerAscii(std::string text) {
  for (char& ch : text)
    if (ch >= 'A' && ch <= 'Z') ch = static_cast<char>(ch - 'A' + 'a');
  return text;
}

// The non-empty axis terms, graph by graph and axis 1 to 3 within a graph,
// each kept once ignoring letter case (the first spelling wins). A set keeps
// a document with many graphs from costing quadratic time.
std::vector<std::string> DistinctGraphTerms(const std::vector<TGraph>& graphs) {
  std::vector<std::string> terms;
  std::set<std::string> seen;
  for (const TGraph& graph : graphs)
    for (const std::string* term : {&graph.Term1, &graph.Term2, &graph.Term3})
      if (!term->empty() && seen.insert(LowerAscii(*term)).second) terms.push_back(*term);
  return terms;
}

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
  cbTermItems = DistinctGraphTerms(document_.Graphs);
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
