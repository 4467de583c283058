#include "term/var_table.h"

bool SetVariable(TVarTable& table, const std::string& name, TComplex minimum, TComplex maximum,
                 TComplex actual) {
  if (name.empty()) return false;
  bool found = false;
  for (size_t k = 0; k < table.Names.size(); ++k) {
    if (table.Names[k] != name) continue;
    table.Minimum[k] = minimum;
    table.Maximum[k] = maximum;
    table.Actual[k] = actual;
    found = true;
  }
  if (!found) {
    table.Names.push_back(name);
    table.Minimum.push_back(minimum);
    table.Maximum.push_back(maximum);
    table.Actual.push_back(actual);
  }
  return found;
}

bool GetVariable(const TVarTable& table, const std::string& name, TComplex& minimum,
                 TComplex& maximum, TComplex& actual) {
  minimum = maximum = actual = {};
  const int k = FindVariable(table, name);
  if (k < 0) return false;
  minimum = table.Minimum[static_cast<size_t>(k)];
  maximum = table.Maximum[static_cast<size_t>(k)];
  actual = table.Actual[static_cast<size_t>(k)];
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
    const auto at = static_cast<std::ptrdiff_t>(k);
    table.Names.erase(table.Names.begin() + at);
    table.Minimum.erase(table.Minimum.begin() + at);
    table.Maximum.erase(table.Maximum.begin() + at);
    table.Actual.erase(table.Actual.begin() + at);
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

void CopyVarTable(const TVarTable& source, TVarTable& destination) { destination = source; }

double MinReal(double a, double b) { return a < b ? a : b; }
double MaxReal(double a, double b) { return a > b ? a : b; }
