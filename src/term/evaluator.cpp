// SPDX-License-Identifier: GPL-3.0-or-later
#include "term/evaluator.h"

#include <algorithm>
#include <cmath>

bool ApplyFunction(uint8_t operation, TComplex a, TComplex& v) {
  switch (operation) {
    case opSqrt: return CPower(a, TComplex{0.5, 0}, v);
    case opExp: return CExp(a, v);
    case opLn: return CLn(a, v);
    case opLog: {
      TComplex l;
      if (!CLn(a, l)) return InvalidNode(v);
      return CDiv(l, TComplex{static_cast<double>(std::log(10.0L)), 0}, v);
    }
    case opSin: return CSin(a, v);
    case opCos: return CCos(a, v);
    case opTan: return CTan(a, v);
    case opCot: return CCot(a, v);
    case opArcSin: return CArcSin(a, v);
    case opArcCos: return CArcCos(a, v);
    case opArcTan: return CArcTan(a, v);
    case opArcCot: return CArcCot(a, v);
    case opSinh: return CSinh(a, v);
    case opCosh: return CCosh(a, v);
    case opTanh: return CTanh(a, v);
    case opCoth: return CCoth(a, v);
    case opArSinh: return CArSinh(a, v);
    case opArCosh: return CArCosh(a, v);
    case opArTanh: return CArTanh(a, v);
    case opArCoth: return CArCoth(a, v);
    case opHeaviside: return CHeaviside(a, v);
    default: return InvalidNode(v);
  }
}

bool EvaluateTerm(const TTermElement* node, const TVarTable& table, TComplex& v) {
  if (node == nullptr) return InvalidNode(v);
  const uint8_t operation = node->Operation;
  if (operation == opLeaf) {
    if (!node->IsVariable) {
      v = node->Value;
      return true;
    }
    const int k = FindVariable(table, node->Name);
    if (k < 0 || static_cast<size_t>(k) >= table.Actual.size()) return InvalidNode(v);
    v = table.Actual[static_cast<size_t>(k)];
    return NodeResult(true, v);
  }
  if (operation == opLg) {
    // The logarithm of the argument over the logarithm of the base: base 1
    // and base 0 are invalid.
    TComplex b, a, lb, la;
    if (!EvaluateTerm(node->Left.get(), table, b) || !CLn(b, lb)) return InvalidNode(v);
    if (!EvaluateTerm(node->Right.get(), table, a) || !CLn(a, la)) return InvalidNode(v);
    return NodeResult(CDiv(la, lb, v), v);
  }
  if (operation <= opPower) {
    TComplex a, b;
    if (!EvaluateTerm(node->Left.get(), table, a)) return InvalidNode(v);
    if (!EvaluateTerm(node->Right.get(), table, b)) return InvalidNode(v);
    switch (operation) {
      case opAdd: v = CAdd(a, b); return NodeResult(true, v);
      case opSub: v = CSub(a, b); return NodeResult(true, v);
      case opMul: return NodeResult(CMul(a, b, v), v);
      case opDiv: return NodeResult(CDiv(a, b, v), v);
      default: return NodeResult(CPower(a, b, v), v);
    }
  }
  TComplex a;
  const bool argumentValid = EvaluateTerm(node->Right.get(), table, a);
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

void FreeTerm(TTerm& tree) { tree.reset(); }

void CollectVariables(const TTermElement* node, TStringArray& names) {
  if (node == nullptr) return;
  if (node->Operation != opLeaf) {
    CollectVariables(node->Left.get(), names);
    CollectVariables(node->Right.get(), names);
  } else if (node->IsVariable && std::find(names.begin(), names.end(), node->Name) == names.end()) {
    names.push_back(node->Name);
  }
}

bool UsesVariable(const TTermElement* node, const std::string& name) {
  if (node == nullptr) return false;
  if (node->Operation == opLeaf) return node->IsVariable && node->Name == name;
  return UsesVariable(node->Left.get(), name) || UsesVariable(node->Right.get(), name);
}
