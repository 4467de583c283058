#include "forms/var_input_form.h"

#include "term/compiler.h"
#include "term/evaluator.h"

TVarInputForm::TVarInputForm(TVarTable& table, Prompts& prompts) : table_(table), prompts_(prompts) {}

void TVarInputForm::Load() {
  Rows.clear();
  Rows.reserve(table_.Names.size() + 1);
  for (size_t k = 0; k < table_.Names.size(); ++k) {
    Rows.push_back({table_.Names[k], ComplexToStr(ValueAt(table_.Minimum, k)),
                    ComplexToStr(ValueAt(table_.Maximum, k)), ComplexToStr(ValueAt(table_.Actual, k))});
  }
  if (Rows.empty()) Rows.emplace_back();
}

bool TVarInputForm::Store() {
  // The table is read by index while rows are stored; storing never adds or
  // removes a row (the name exists), so the indices stay valid.
  for (size_t k = 0; k < table_.Names.size(); ++k) {
    const TVarInputRow row = k < Rows.size() ? Rows[k] : TVarInputRow{};
    TComplex minimum, maximum, actual;
    const bool accepted = ReadConstantCell(row.Minimum, table_, minimum) &&
                          ReadConstantCell(row.Maximum, table_, maximum) &&
                          ReadConstantCell(row.Actual, table_, actual);
    if (!accepted) {
      ShowError(prompts_, "Error at \"" + table_.Names[k] + "\".\nValues for variable cannot be saved.");
      return false;
    }
    // A range that runs backwards would leave the graphs nothing to sample;
    // only the real parts are ordered, the imaginary part of the minimum stays.
    if (minimum.Re > maximum.Re) minimum.Re = maximum.Re;
    const std::string name = table_.Names[k];
    SetVariable(table_, name, minimum, maximum, actual);
  }
  return true;
}

bool ReadConstantCell(const std::string& text, const TVarTable& table, TComplex& value) {
  value = TComplex{};
  TTerm tree;
  if (!CompileTerm(text, tree)) return false;
  TStringArray names;
  CollectVariables(tree.get(), names);
  if (!names.empty()) return false;
  if (!EvaluateTerm(tree, table, value)) {
    value = TComplex{};
    return false;
  }
  return true;
}
