// SPDX-License-Identifier: GPL-3.0-or-later
// Evaluation of compiled terms against a variable table, and the questions
// the dialogs ask of a term's variables.
#pragma once

#include <string>

#include "term/compiler.h"
#include "term/var_table.h"

// The value of the term; false when it is invalid (a defective tree, a
// variable missing from the table, a failed operation, or a result beyond the
// double range anywhere in the tree). The value is 0 when the result is
// invalid. Allocates nothing.
bool EvaluateTerm(const TTermElement* tree, const TVarTable& table, TComplex& value);
inline bool EvaluateTerm(const TTerm& tree, const TVarTable& table, TComplex& value) {
  return EvaluateTerm(tree.get(), table, value);
}

// A node's outcome: valid only when its operation succeeded and the value
// stayed within the double range; otherwise the value becomes 0. Shared by
// every way of walking a tree, so that all give the same flags and values.
inline bool InvalidNode(TComplex& v) {
  v = {};
  return false;
}
inline bool NodeResult(bool ok, TComplex& v) {
  if (ok && IsFinite(v)) return true;
  return InvalidNode(v);
}

// One function of a valid argument (sqrt, exp, ln, log, the trigonometric,
// hyperbolic and inverse functions, h): the operation's value and flag.
// Invalid for any other operation code.
bool ApplyFunction(uint8_t operation, TComplex a, TComplex& v);

// Releases the whole tree and leaves the reference null; null is accepted.
void FreeTerm(TTerm& tree);

// Appends each variable name of the tree that the list does not yet hold, in
// the order of first appearance from left to right. The list is not cleared.
void CollectVariables(const TTermElement* tree, TStringArray& names);

// True when some variable leaf has exactly this name.
bool UsesVariable(const TTermElement* tree, const std::string& name);
