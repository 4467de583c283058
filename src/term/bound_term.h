// SPDX-License-Identifier: GPL-3.0-or-later
// A compiled term bound to the rows of one variable table, for the many
// evaluations of a plot.
//
// Binding looks every variable name up once, so an evaluation reads the
// actual values by position. For a grid of points the term can also hoist
// its subtrees: one that uses neither stepped variable is computed once, one
// that uses only the inner (column) variable once per column, one that uses
// only the outer (row) variable once per row. Every operation is a function
// of its operands alone, so the values and flags are those of EvaluateTerm
// at every point, bit for bit.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "term/compiler.h"
#include "term/var_table.h"

class TBoundTerm {
 public:
  // Binds tree to the names the table holds now. Tree and table must outlive
  // this object, and the table's names must stay as they are while it is
  // used; its actual values may change between evaluations.
  TBoundTerm(const TTermElement* tree, const TVarTable& table);

  // The value and flag EvaluateTerm gives for the tree and the table. After
  // Hoist the constant subtrees keep their hoisted values, and those of the
  // outer variable the values of the last PinRow.
  bool Evaluate(TComplex& value);

  // Prepares a grid whose inner variable has the table position inner and
  // whose outer variable has the position outer (-1: there is none, as for a
  // curve), and computes the subtrees that use neither, with the table's
  // current values.
  void Hoist(int inner, int outer);
  // With the inner variable at the value of this column: keeps the values of
  // the subtrees that use it alone for the column.
  void TabulateColumn(std::size_t column);
  // With the outer variable at this row's value: computes the subtrees that
  // use it alone.
  void PinRow();
  // The value at the column of the current row; the table holds that point.
  bool EvaluateAt(std::size_t column, TComplex& value);

 private:
  struct TNode {
    TComplex Value;     // a constant leaf's value
    int32_t Left = -1;  // operand indices; -1 for none
    int32_t Right = -1;
    int32_t Parent = -1;
    int32_t Slot = -1;  // a variable leaf's table row; -1 when the name is missing
    uint8_t Operation = opLeaf;
    bool IsVariable = false;
  };
  struct TKnown {
    TComplex Value;
    bool Valid = false;
  };

  int32_t Flatten(const TTermElement* element, int32_t parent, const TVarTable& table);
  bool EvaluateNode(int32_t index, TComplex& v);
  void Pin(int32_t index);

  const TVarTable& table_;
  std::vector<TNode> nodes_;
  int32_t root_ = -1;
  // A pinned node gives its known value instead of being evaluated.
  std::vector<TKnown> known_;
  std::vector<uint8_t> pinned_;
  std::vector<int32_t> innerRoots_;  // maximal subtrees that use the inner variable alone
  std::vector<int32_t> outerRoots_;  // and the outer variable alone
  std::vector<TKnown> columns_;      // per column, the values of innerRoots_ in order
};
