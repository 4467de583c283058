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
