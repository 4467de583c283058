// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/var_input_form.h"

#include "term/compiler.h"
#include "term/evaluator.h"

TVarInputForm::TVarInputForm(TVarTable& table, Prompts& prompts)
    : table_(table), prompts_(prompts) {}

void TVarInputForm::FormShow() {
  Rows.clear();
  Rows.reserve(table_.Names.size() + 1);
  for (size_t k = 0; k < table_.Names.size(); ++k) {
    Rows.push_back({table_.Names[k], ComplexToStr(ValueAt(table_.Minimum, k)),
                    ComplexToStr(ValueAt(table_.Maximum, k)),
                    ComplexToStr(ValueAt(table_.Actual, k))});
  }
  if (Rows.empty()) Rows.emplace_back();
}

bool TVarInputForm::bOkClick() {
  // Every row is read before any is stored: a refused OK leaves the table as
  // it was, so Cancel after a refusal really changes nothing.
  struct TValues {
    TComplex Minimum, Maximum, Actual;
  };
  std::vector<TValues> values(table_.Names.size());
  for (size_t k = 0; k < table_.Names.size(); ++k) {
    const TVarInputRow row = k < Rows.size() ? Rows[k] : TVarInputRow{};
    TValues& v = values[k];
    const bool accepted = ReadConstantCell(row.Minimum, table_, v.Minimum) &&
                          ReadConstantCell(row.Maximum, table_, v.Maximum) &&
                          ReadConstantCell(row.Actual, table_, v.Actual);
    if (!accepted) {
      ShowError(prompts_,
                "Error at \"" + table_.Names[k] + "\".\nValues for variable cannot be saved.");
      return false;
    }
    // A range that runs backwards would leave the graphs nothing to sample;
    // only the real parts are ordered, the imaginary part of the minimum stays.
    if (v.Minimum.Re > v.Maximum.Re) v.Minimum.Re = v.Maximum.Re;
  }
  for (size_t k = 0; k < values.size(); ++k) {
    const std::string name = table_.Names[k];
    SetVariable(table_, name, values[k].Minimum, values[k].Maximum, values[k].Actual);
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
