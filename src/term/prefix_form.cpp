// SPDX-License-Identifier: GPL-3.0-or-later
#include "term/prefix_form.h"

#include <iterator>

namespace {

// The name of an operation as the tree prints it: the operator sign, or the
// function name as a term writes it.
const char* OperationName(uint8_t operation) {
  static const char* const names[] = {
      "",     "+",    "-",    "*",      "/",      "^",      "sqrt",   "exp",
      "ln",   "log",  "lg",   "sin",    "cos",    "tan",    "cot",    "re",
      "im",   "abs",  "arg",  "arcsin", "arccos", "arctan", "arccot", "sinh",
      "cosh", "tanh", "coth", "arsinh", "arcosh", "artanh", "arcoth", "h"};
  return operation < std::size(names) ? names[operation] : "?";
}

}  // namespace

std::string PrefixForm(const TTermElement* node) {
  if (node == nullptr) return "_";
  if (node->Operation == opLeaf) return node->IsVariable ? node->Name : ComplexToStr(node->Value);
  std::string text = "(";
  text += OperationName(node->Operation);
  if (node->Operation <= opPower || node->Operation == opLg)
    text += " " + PrefixForm(node->Left.get());
  text += " " + PrefixForm(node->Right.get()) + ")";
  return text;
}
