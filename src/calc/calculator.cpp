#include "calc/calculator.h"

#include <cmath>

#include "term/evaluator.h"

namespace {

// A number field: a plain real within the double range.
bool ReadNumberField(std::string_view text, double& value) {
  Real v = 0;
  if (!TextToReal(text, v) || !FitsDouble(v)) return false;
  value = static_cast<double>(v);
  return true;
}

// round(value * scale) / scale with halves to even, as long as the scaled
// value fits the 64-bit integer of the rounding step; beyond that the value
// is shown unrounded rather than overflowing.
Real RoundScaled(Real scaled, Real scale, Real unrounded) {
  if (!(std::fabs(scaled) < 9.2E18L)) return unrounded;
  return static_cast<Real>(std::llrint(scaled)) / scale;
}

void SetAll(TVarTable& table, const std::string& name, double x) {
  const TComplex z{x, 0};
  SetVariable(table, name, z, z, z);
}

// Saves a variable's three values and writes them back when it goes out of
// scope, so a chosen variable is changed only while a line is computed.
class TSavedVariable {
 public:
  TSavedVariable(TVarTable& table, const std::string& name) : table_(table), name_(name) {
    found_ = GetVariable(table, name, minimum_, maximum_, actual_);
  }
  ~TSavedVariable() {
    if (found_) SetVariable(table_, name_, minimum_, maximum_, actual_);
  }
  TSavedVariable(const TSavedVariable&) = delete;
  TSavedVariable& operator=(const TSavedVariable&) = delete;

 private:
  TVarTable& table_;
  const std::string& name_;
  TComplex minimum_, maximum_, actual_;
  bool found_;
};

std::string ResultLine(TComplex value) {
  if (!IsFinite(value)) return std::string(CalcErrorResult);
  return ComplexToStr(value);
}

}  // namespace

void CalcTermExit(TVarTable& table, std::string_view term) {
  TTerm tree;
  if (!CompileTerm(term, tree)) return;
  TStringArray names;
  CollectVariables(tree.get(), names);
  TComplex minimum, maximum, actual;
  for (const auto& name : names)
    if (!GetVariable(table, name, minimum, maximum, actual)) SetVariable(table, name, {}, {}, {});
}

std::string CalcEvaluate(TVarTable& table, std::string_view term) {
  CalcTermExit(table, term);
  TTerm tree;
  TComplex value;
  if (!CompileTerm(term, tree) || !EvaluateTerm(tree, table, value))
    return std::string(CalcErrorResult);
  return ComplexToStr(value);
}

std::string CalcDifferentiate(TVarTable& table, std::string_view term, const std::string& variable,
                              std::string_view x0Text) {
  double x0 = 0;
  if (!ReadNumberField(x0Text, x0)) return std::string(CalcErrorValue);
  TTerm tree;
  if (!CompileTerm(term, tree)) return std::string(CalcErrorTerm);
  if (variable.empty()) return std::string(CalcErrorDiffVar);

  TSavedVariable saved(table, variable);
  constexpr Real h = 1E-6L;
  TComplex plus, minus;
  SetAll(table, variable, static_cast<double>(x0 + h));
  const bool plusValid = EvaluateTerm(tree, table, plus);
  SetAll(table, variable, static_cast<double>(x0 - h));
  const bool minusValid = EvaluateTerm(tree, table, minus);
  // A quotient over an invalid value would be meaningless.
  if (!plusValid || !minusValid) return std::string(CalcErrorResult);

  auto component = [](double p, double m) {
    const Real difference = Real(p) - m;
    return static_cast<double>(RoundScaled(difference * 10000 / 2E-6L, 10000, difference / 2E-6L));
  };
  return ResultLine({component(plus.Re, minus.Re), component(plus.Im, minus.Im)});
}

std::string CalcIntegrate(TVarTable& table, std::string_view term, const std::string& variable,
                          std::string_view lowText, std::string_view highText) {
  double a = 0, b = 0;
  if (!ReadNumberField(lowText, a) || !ReadNumberField(highText, b))
    return std::string(CalcErrorValue);
  TTerm tree;
  if (!CompileTerm(term, tree)) return std::string(CalcErrorTerm);
  if (variable.empty()) return std::string(CalcErrorIntVar);

  TSavedVariable saved(table, variable);
  constexpr int Intervals = 1000;
  const auto h = static_cast<double>((Real(b) - a) / Intervals);  // negative when b < a
  TComplex sum;
  for (int k = 0; k < Intervals; ++k) {
    const auto x = static_cast<double>(Real(k) * h + a);
    const auto m = static_cast<double>(Real(h) / 2 + x);
    const auto x1 = static_cast<double>(Real(x) + h);
    TComplex fx, fm, fx1;
    SetAll(table, variable, x);
    if (!EvaluateTerm(tree, table, fx)) continue;
    SetAll(table, variable, m);
    if (!EvaluateTerm(tree, table, fm)) continue;
    SetAll(table, variable, x1);
    if (!EvaluateTerm(tree, table, fx1)) continue;
    // A slice with an invalid point contributes nothing, silently: ln(x)
    // from 0 still integrates over the other slices.
    sum.Re = static_cast<double>(Real(sum.Re) + (Real(fx.Re) + 4 * Real(fm.Re) + fx1.Re) * h / 6);
    sum.Im = static_cast<double>(Real(sum.Im) + (Real(fx.Im) + 4 * Real(fm.Im) + fx1.Im) * h / 6);
  }
  auto rounded = [](double c) {
    return static_cast<double>(RoundScaled(Real(c) * 1000000, 1000000, c));
  };
  return ResultLine({rounded(sum.Re), rounded(sum.Im)});
}

bool IsCalcErrorLine(std::string_view line) { return line.substr(0, 7) == "Error: "; }
