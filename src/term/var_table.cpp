// SPDX-License-Identifier: GPL-3.0-or-later
#include "term/var_table.h"

namespace {

// A document file may give the four lists different lengths. Writing row k
// first lengthens a shorter list to reach it (with zeros), so a set always
// takes effect and nothing is written outside a list.
void SetAt(std::vector<TComplex>& list, size_t k, TComplex value) {
  if (list.size() <= k) list.resize(k + 1);
  list[k] = value;
}

TComplex At(const std::vector<TComplex>& list, size_t k) {
  return k < list.size() ? list[k] : TComplex{};
}

template <typename List>
void EraseAt(List& list, size_t k) {
  if (k < list.size()) list.erase(list.begin() + static_cast<std::ptrdiff_t>(k));
}

}  // namespace

bool SetVariable(TVarTable& table, const std::string& name, TComplex minimum, TComplex maximum,
                 TComplex actual) {
  if (name.empty()) return false;
  bool found = false;
  for (size_t k = 0; k < table.Names.size(); ++k) {
    if (table.Names[k] != name) continue;
    SetAt(table.Minimum, k, minimum);
    SetAt(table.Maximum, k, maximum);
    SetAt(table.Actual, k, actual);
    found = true;
  }
  if (!found) {
    const size_t k = table.Names.size();
    table.Names.push_back(name);
    SetAt(table.Minimum, k, minimum);
    SetAt(table.Maximum, k, maximum);
    SetAt(table.Actual, k, actual);
  }
  return found;
}

bool GetVariable(const TVarTable& table, const std::string& name, TComplex& minimum,
                 TComplex& maximum, TComplex& actual) {
  minimum = maximum = actual = {};
  const int k = FindVariable(table, name);
  if (k < 0) return false;
  minimum = At(table.Minimum, static_cast<size_t>(k));
  maximum = At(table.Maximum, static_cast<size_t>(k));
  actual = At(table.Actual, static_cast<size_t>(k));
  return true;
}

int FindVariable(const TVarTable& table, std::string_view name) {
  if (name.empty()) return -1;
  for (size_t k = table.Names.size(); k-- > 0;)
    if (table.Names[k] == name) return static_cast<int>(k);
  return -1;
}

bool DeleteVariable(TVarTable& table, const std::string& name) {
  for (size_t k = 0; k < table.Names.size(); ++k) {
    if (table.Names[k] != name) continue;
    EraseAt(table.Names, k);
    EraseAt(table.Minimum, k);
    EraseAt(table.Maximum, k);
    EraseAt(table.Actual, k);
    return true;
  }
  return false;
}

void ClearVarTable(TVarTable& table) {
  table.Names.clear();
  table.Minimum.clear();
  table.Maximum.clear();
  table.Actual.clear();
}

TComplex ValueAt(const std::vector<TComplex>& values, size_t k) {
  return k < values.size() ? values[k] : TComplex{};
}

void EvenOutVarTable(TVarTable& table) {
  const size_t rows = table.Names.size();
  table.Minimum.resize(rows);
  table.Maximum.resize(rows);
  table.Actual.resize(rows);
}

double MinReal(double a, double b) { return a < b ? a : b; }
double MaxReal(double a, double b) { return a > b ? a : b; }
