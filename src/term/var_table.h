// SPDX-License-Identifier: GPL-3.0-or-later
// The variable table: named complex variables with a minimum, a maximum and
// an actual value. Names are compared exactly (case-sensitive). Rows stay in
// insertion order; the document reader may fill the arrays directly, so the
// operations below also define what happens with duplicate names and with
// lists of different lengths (a hostile file): they never reach outside a list.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "term/complex.h"

using TStringArray = std::vector<std::string>;

struct TVarTable {
  TStringArray Names;
  std::vector<TComplex> Minimum;
  std::vector<TComplex> Maximum;
  std::vector<TComplex> Actual;  // the value the evaluator uses

  int Count() const { return static_cast<int>(Names.size()); }
};

// Writes the three values into every row with that name, or appends a row when
// there is none. Returns true when a row existed; an empty name does nothing.
// A value list too short to hold the row is first lengthened with zeros.
bool SetVariable(TVarTable& table, const std::string& name, TComplex minimum, TComplex maximum,
                 TComplex actual);

// Outputs start at 0; every matching row is copied in turn, so the last one
// wins. False for an empty name or a name the table does not hold. A value
// list too short to hold the row gives 0 for that output.
bool GetVariable(const TVarTable& table, const std::string& name, TComplex& minimum,
                 TComplex& maximum, TComplex& actual);

// Removes the first row with that name; true when a row was removed.
bool DeleteVariable(TVarTable& table, const std::string& name);

void ClearVarTable(TVarTable& table);

// Index of the row whose actual value a variable of this name reads (the last
// match), or -1.
int FindVariable(const TVarTable& table, std::string_view name);

// The value of row k in one of the three value lists, or 0 where a table read
// from a file has a shorter list than its names.
TComplex ValueAt(const std::vector<TComplex>& values, size_t k);

// Makes the three value lists as long as the names, padding with zeros, so a
// table read from a file can be edited row by row.
void EvenOutVarTable(TVarTable& table);

double MinReal(double a, double b);
double MaxReal(double a, double b);
