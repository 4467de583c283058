// SPDX-License-Identifier: GPL-3.0-or-later
// Terms from anywhere: compile, evaluate against a small variable table, turn
// the value into text, release. Nothing may crash, hang or leak.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "term/evaluator.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  TVarTable table;
  SetVariable(table, "x", {-1, 0}, {1, 0}, {0.5, 0});
  SetVariable(table, "y", {0, 0}, {0, 0}, {2, -3});
  SetVariable(table, "E", {0, 0}, {0, 0}, {1E300, 1E-300});
  TTerm tree;
  CompileTerm(text, tree);
  TComplex value;
  if (EvaluateTerm(tree, table, value) && !IsFinite(value)) __builtin_trap();
  TStringArray names;
  CollectVariables(tree.get(), names);
  (void)ComplexToStr(value);
  FreeTerm(tree);
  return 0;
}
