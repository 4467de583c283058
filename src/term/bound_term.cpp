// SPDX-License-Identifier: GPL-3.0-or-later
#include "term/bound_term.h"

#include <algorithm>

#include "term/evaluator.h"

namespace {

// Which stepped variables a subtree uses.
enum TUses : uint8_t { usesNone = 0, usesInner = 1, usesOuter = 2, usesBoth = 3 };

// A term with more single-variable subtrees than this is a hostile one; its
// column table would cost more memory than the hoisting saves in time.
constexpr std::size_t MaxTabulatedSubtrees = 64;

}  // namespace

TBoundTerm::TBoundTerm(const TTermElement* tree, const TVarTable& table) : table_(table) {
  root_ = Flatten(tree, -1, table);
  known_.resize(nodes_.size());
  pinned_.assign(nodes_.size(), 0);
}

// Pre-order: a node's index is below those of its whole subtree. The tree is
// never deeper than the compiler's depth bound.
int32_t TBoundTerm::Flatten(const TTermElement* element, int32_t parent, const TVarTable& table) {
  if (element == nullptr) return -1;
  const auto index = static_cast<int32_t>(nodes_.size());
  nodes_.emplace_back();
  TNode node;
  node.Parent = parent;
  node.Operation = element->Operation;
  node.IsVariable = element->IsVariable;
  node.Value = element->Value;
  if (element->Operation == opLeaf && element->IsVariable)
    node.Slot = FindVariable(table, element->Name);
  if (element->Operation != opLeaf) {
    node.Left = Flatten(element->Left.get(), index, table);
    node.Right = Flatten(element->Right.get(), index, table);
  }
  nodes_[static_cast<std::size_t>(index)] = node;
  return index;
}

bool TBoundTerm::Evaluate(TComplex& value) { return EvaluateNode(root_, value); }

// The steps of EvaluateTerm, node by node, reading variables by position.
bool TBoundTerm::EvaluateNode(int32_t index, TComplex& v) {
  if (index < 0) return InvalidNode(v);
  const auto i = static_cast<std::size_t>(index);
  if (pinned_[i]) {
    v = known_[i].Value;
    return known_[i].Valid;
  }
  const TNode& node = nodes_[i];
  const uint8_t operation = node.Operation;
  if (operation == opLeaf) {
    if (!node.IsVariable) {
      v = node.Value;
      return true;
    }
    if (node.Slot < 0 || static_cast<std::size_t>(node.Slot) >= table_.Actual.size())
      return InvalidNode(v);
    v = table_.Actual[static_cast<std::size_t>(node.Slot)];
    return NodeResult(true, v);
  }
  if (operation == opLg) {
    TComplex b, a, lb, la;
    if (!EvaluateNode(node.Left, b) || !CLn(b, lb)) return InvalidNode(v);
    if (!EvaluateNode(node.Right, a) || !CLn(a, la)) return InvalidNode(v);
    return NodeResult(CDiv(la, lb, v), v);
  }
  if (operation <= opPower) {
    TComplex a, b;
    if (!EvaluateNode(node.Left, a)) return InvalidNode(v);
    if (!EvaluateNode(node.Right, b)) return InvalidNode(v);
    switch (operation) {
      case opAdd: v = CAdd(a, b); return NodeResult(true, v);
      case opSub: v = CSub(a, b); return NodeResult(true, v);
      case opMul: return NodeResult(CMul(a, b, v), v);
      case opDiv: return NodeResult(CDiv(a, b, v), v);
      default: return NodeResult(CPower(a, b, v), v);
    }
  }
  TComplex a;
  const bool argumentValid = EvaluateNode(node.Right, a);
  switch (operation) {
    case opRe: v = {a.Re, 0}; return NodeResult(argumentValid, v);
    case opIm: v = {a.Im, 0}; return NodeResult(argumentValid, v);
    case opAbs: v = {static_cast<double>(CAbs(a)), 0}; return NodeResult(argumentValid, v);
    case opArg: v = {static_cast<double>(CArg(a)), 0}; return NodeResult(argumentValid, v);
    default: break;
  }
  if (!argumentValid) return InvalidNode(v);
  return NodeResult(ApplyFunction(operation, a, v), v);
}

void TBoundTerm::Pin(int32_t index) {
  const auto i = static_cast<std::size_t>(index);
  pinned_[i] = 0;
  TComplex v;
  known_[i].Valid = EvaluateNode(index, v);
  known_[i].Value = v;
  pinned_[i] = 1;
}

void TBoundTerm::Hoist(int inner, int outer) {
  std::fill(pinned_.begin(), pinned_.end(), 0);
  innerRoots_.clear();
  outerRoots_.clear();
  columns_.clear();
  std::vector<uint8_t> uses(nodes_.size(), usesNone);
  for (std::size_t i = 0; i < nodes_.size(); ++i) {
    const TNode& node = nodes_[i];
    if (node.Operation == opLeaf) {
      if (node.IsVariable && node.Slot >= 0 && node.Slot == inner) uses[i] = usesInner;
      if (node.IsVariable && node.Slot >= 0 && node.Slot == outer) uses[i] = usesOuter;
    }
  }
  for (std::size_t i = nodes_.size(); i-- > 0;) {
    // In reverse index order every subtree is complete before its parent
    // takes it in.
    const int32_t parent = nodes_[i].Parent;
    if (parent >= 0) uses[static_cast<std::size_t>(parent)] |= uses[i];
  }
  // A subtree is hoisted whole when its parent uses more than it does.
  for (std::size_t i = 0; i < nodes_.size(); ++i) {
    const int32_t parent = nodes_[i].Parent;
    if (uses[i] == usesBoth) continue;
    if (parent >= 0 && uses[static_cast<std::size_t>(parent)] == uses[i]) continue;
    if (uses[i] == usesInner) innerRoots_.push_back(static_cast<int32_t>(i));
    if (uses[i] == usesOuter) outerRoots_.push_back(static_cast<int32_t>(i));
  }
  if (innerRoots_.size() > MaxTabulatedSubtrees) innerRoots_.clear();
  // Constant subtrees are computed now, each maximal one once.
  for (std::size_t i = nodes_.size(); i-- > 0;) {
    const int32_t parent = nodes_[i].Parent;
    if (uses[i] == usesNone && (parent < 0 || uses[static_cast<std::size_t>(parent)] != usesNone))
      Pin(static_cast<int32_t>(i));
  }
}

void TBoundTerm::TabulateColumn(std::size_t column) {
  if (innerRoots_.empty()) return;
  const std::size_t first = column * innerRoots_.size();
  if (columns_.size() < first + innerRoots_.size()) columns_.resize(first + innerRoots_.size());
  for (std::size_t k = 0; k < innerRoots_.size(); ++k) {
    const auto i = static_cast<std::size_t>(innerRoots_[k]);
    pinned_[i] = 0;
    columns_[first + k].Valid = EvaluateNode(innerRoots_[k], columns_[first + k].Value);
  }
}

void TBoundTerm::PinRow() {
  for (const int32_t index : outerRoots_) Pin(index);
}

bool TBoundTerm::EvaluateAt(std::size_t column, TComplex& value) {
  const std::size_t first = column * innerRoots_.size();
  if (!innerRoots_.empty() && first + innerRoots_.size() <= columns_.size()) {
    for (std::size_t k = 0; k < innerRoots_.size(); ++k) {
      const auto i = static_cast<std::size_t>(innerRoots_[k]);
      known_[i] = columns_[first + k];
      pinned_[i] = 1;
    }
  } else {
    // A column that was never tabulated is evaluated in full.
    for (const int32_t index : innerRoots_) pinned_[static_cast<std::size_t>(index)] = 0;
  }
  return EvaluateNode(root_, value);
}
