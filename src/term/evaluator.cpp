// SPDX-License-Identifier: GPL-3.0-or-later
#include "term/evaluator.h"

#include <algorithm>
#include <cmath>

#include "term/node_walk.h"

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
  if (node->Operation == opLeaf) {
    if (!node->IsVariable) {
      v = node->Value;
      return true;
    }
    return VariableValue(table.Actual, FindVariable(table, node->Name), v);
  }
  return EvaluateOperation(
      node->Operation,
      [node, &table](TOperandSide side, TComplex& value) {
        return EvaluateTerm(side == sideLeft ? node->Left.get() : node->Right.get(), table, value);
      },
      v);
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
