// SPDX-License-Identifier: GPL-3.0-or-later
// The evaluation rule of one node, shared by every walk over a compiled term:
// EvaluateTerm over the tree, TBoundTerm over its flattened copy. Internal to
// the term layer; callers outside it use those two.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "term/compiler.h"
#include "term/evaluator.h"

// A variable leaf's value from the table row slot; invalid when the name was
// missing (slot -1) or the row holds no actual value.
[[gnu::always_inline]] inline bool VariableValue(const std::vector<TComplex>& actual, int slot,
                                                 TComplex& v) {
  // A negative slot turns into a huge index, so one comparison refuses both.
  if (static_cast<std::size_t>(slot) >= actual.size()) return InvalidNode(v);
  v = actual[static_cast<std::size_t>(slot)];
  return NodeResult(true, v);
}

// Which operand of a node: the left one (the base of lg) or the right one
// (the argument of a function).
enum TOperandSide : uint8_t { sideLeft, sideRight };

// The value and flag of a node with this operation (not a leaf);
// operand(side, value) evaluates one of its operands the walk's own way, and
// only when it is needed. Forced inline into each walk, so that neither pays a call
// per node for the sharing (left to itself the compiler keeps it apart).
template <class TOperand>
[[gnu::always_inline]] inline bool EvaluateOperation(uint8_t operation, TOperand&& operand,
                                                     TComplex& v) {
  if (operation == opLg) {
    // The logarithm of the argument over the logarithm of the base: base 1
    // and base 0 are invalid.
    TComplex b, a, lb, la;
    if (!operand(sideLeft, b) || !CLn(b, lb)) return InvalidNode(v);
    if (!operand(sideRight, a) || !CLn(a, la)) return InvalidNode(v);
    return NodeResult(CDiv(la, lb, v), v);
  }
  if (operation <= opPower) {
    TComplex a, b;
    if (!operand(sideLeft, a)) return InvalidNode(v);
    if (!operand(sideRight, b)) return InvalidNode(v);
    switch (operation) {
      case opAdd: v = CAdd(a, b); return NodeResult(true, v);
      case opSub: v = CSub(a, b); return NodeResult(true, v);
      case opMul: return NodeResult(CMul(a, b, v), v);
      case opDiv: return NodeResult(CDiv(a, b, v), v);
      default: return NodeResult(CPower(a, b, v), v);
    }
  }
  TComplex a;
  const bool argumentValid = operand(sideRight, a);
  switch (operation) {
    // Real part, imaginary part, modulus and argument pass the argument's
    // validity on: re(1/0) is invalid although a value is computed.
    case opRe: v = {a.Re, 0}; return NodeResult(argumentValid, v);
    case opIm: v = {a.Im, 0}; return NodeResult(argumentValid, v);
    case opAbs: v = {static_cast<double>(CAbs(a)), 0}; return NodeResult(argumentValid, v);
    case opArg: v = {static_cast<double>(CArg(a)), 0}; return NodeResult(argumentValid, v);
    default: break;
  }
  if (!argumentValid) return InvalidNode(v);
  return NodeResult(ApplyFunction(operation, a, v), v);
}
