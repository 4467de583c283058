// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/calculator.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <complex>
#include <limits>

#include "term/evaluator.h"
#include "term/number_text.h"

namespace {

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

using TWide = std::complex<Real>;

TWide Wide(TComplex z) { return {z.Re, z.Im}; }

// Half a unit of the last digit the result line shows: of the given decimal
// place, or of the 15th significant digit where that is coarser.
Real HalfUnitShown(TComplex value, int decimals) {
  const Real decimal = Real(0.5) * std::pow(Real(10), -decimals);
  const Real magnitude = std::max(std::fabs(Real(value.Re)), std::fabs(Real(value.Im)));
  if (magnitude == 0) return decimal;
  return std::max(decimal, Real(0.5) * std::pow(Real(10), std::floor(std::log10(magnitude)) - 14));
}

// An error estimate to two significant digits, in the system's number form;
// one beyond the double range shows as the largest double.
std::string EstimateText(Real estimate) {
  const auto value =
      static_cast<double>(std::min(estimate, Real(std::numeric_limits<double>::max())));
  char buffer[32];
  const auto written =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, 1);
  // Two digits of the largest double round up beyond the range ("1.8e+308"),
  // where the estimate keeps all its digits instead of reading as 0.
  double shown = value;
  TextToNearestDouble(std::string_view(buffer, static_cast<size_t>(written.ptr - buffer)), shown);
  return RealToStr(shown);
}

std::string InaccurateWarning(Real estimate) {
  if (!std::isfinite(estimate))
    return std::string(CalcWarningPrefix) +
           "Result may be inaccurate; its error cannot be estimated.";
  return std::string(CalcWarningPrefix) + "Result may be inaccurate, estimated error " +
         EstimateText(estimate) + ".";
}

// The warning for a derivative by central quotient from the term's values f
// at the five points x, or empty: a corner (the one-sided slopes differ) or
// a truncation error beyond the digits shown.
std::string DerivativeWarning(const std::array<double, 5>& x, const std::array<TComplex, 5>& f,
                              const TComplex& derivative) {
  auto slope = [&](int from, int to) {
    return (Wide(f[to]) - Wide(f[from])) / (Real(x[to]) - x[from]);
  };
  // The central quotient's error shrinks with h squared, so the quotient over
  // the double step is off by about three times as much (Richardson).
  const Real truncation = std::abs(slope(1, 3) - slope(0, 4)) / 3;
  // The one-sided slopes differ by about h·f'' on a smooth curve and by twice
  // that over the double step; at a corner they differ by the jump in slope
  // over both steps alike. The mix below cancels the smooth part and leaves
  // the jump; the other one cancels a jump and leaves the smooth part.
  const TWide spread = slope(2, 3) - slope(1, 2);
  const TWide spread2 = slope(2, 4) - slope(0, 2);
  const Real corner = std::abs(Real(2) * spread - spread2);
  const Real smooth = std::abs(spread2 - spread);
  // Rounding of the values alone moves these slopes by about this much.
  Real largest = 0;
  for (const TComplex& value : f) largest = std::max(largest, std::abs(Wide(value)));
  const Real noise = 16 * std::numeric_limits<double>::epsilon() * largest / (Real(x[3]) - x[2]);
  const Real tolerance = HalfUnitShown(derivative, 4);
  if (corner > std::max(tolerance, noise) && corner > smooth)
    return std::string(CalcWarningPrefix) + "Left and right slopes differ by " +
           EstimateText(corner) + "; the derivative may not exist.";
  if (!(truncation <= tolerance)) return InaccurateWarning(truncation);
  return {};
}

constexpr int SimpsonIntervals = 1000;

// Simpson's rule over SimpsonIntervals slices from a to b: the sum, the slice
// width h (negative when b < a) and the term at the slices' ends. False when
// the term fails at one of the points.
bool SimpsonSum(const TTerm& tree, TVarTable& table, const std::string& variable, double a,
                double b, double& h, std::vector<TComplex>& nodes, TComplex& sum) {
  h = static_cast<double>((Real(b) - a) / SimpsonIntervals);
  nodes.assign(SimpsonIntervals + 1, TComplex{});
  sum = {};
  for (int k = 0; k < SimpsonIntervals; ++k) {
    const auto x = static_cast<double>(Real(k) * h + a);
    const auto m = static_cast<double>(Real(h) / 2 + x);
    const auto x1 = static_cast<double>(Real(x) + h);
    TComplex fx, fm, fx1;
    SetAll(table, variable, x);
    if (!EvaluateTerm(tree, table, fx)) return false;
    SetAll(table, variable, m);
    if (!EvaluateTerm(tree, table, fm)) return false;
    SetAll(table, variable, x1);
    if (!EvaluateTerm(tree, table, fx1)) return false;
    nodes[static_cast<size_t>(k)] = fx;
    if (k == SimpsonIntervals - 1) nodes[SimpsonIntervals] = fx1;
    sum.Re = static_cast<double>(Real(sum.Re) + (Real(fx.Re) + 4 * Real(fm.Re) + fx1.Re) * h / 6);
    sum.Im = static_cast<double>(Real(sum.Im) + (Real(fx.Im) + 4 * Real(fm.Im) + fx1.Im) * h / 6);
  }
  return true;
}

// Both Simpson rules see the term only at the same grid, so a period that
// fits the grid (cos(4000·pi·x) on [0, 1]) fools them alike. Two-point Gauss
// panels of another width put every node off that grid. False when the term
// fails at one of the nodes.
bool GaussSum(const TTerm& tree, TVarTable& table, const std::string& variable, double a, double b,
              TWide& gauss) {
  constexpr int GaussPanels = 997;
  const Real panel = (Real(b) - a) / GaussPanels;
  const Real offset = panel / (2 * std::sqrt(Real(3)));
  gauss = {};
  for (int j = 0; j < GaussPanels; ++j) {
    const Real centre = a + (j + Real(0.5)) * panel;
    for (const Real node : {centre - offset, centre + offset}) {
      TComplex value;
      SetAll(table, variable, static_cast<double>(node));
      if (!EvaluateTerm(tree, table, value)) return false;
      gauss += Wide(value) * (panel / 2);
    }
  }
  return true;
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

TCalcLines CalcDifferentiate(TVarTable& table, std::string_view term, const std::string& variable,
                             std::string_view x0Text) {
  double x0 = 0;
  if (!TextToDouble(x0Text, x0)) return {std::string(CalcErrorValue)};
  TTerm tree;
  if (!CompileTerm(term, tree)) return {std::string(CalcErrorTerm)};
  if (variable.empty()) return {std::string(CalcErrorDiffVar)};

  TSavedVariable saved(table, variable);
  // A fixed step vanishes in the rounding of a large x0 (x0 + 1E-6 is x0
  // from about 1E10 on), so beyond 1 it grows with |x0|.
  const Real h = std::fabs(x0) > 1 ? 1E-6L * std::fabs(x0) : 1E-6L;
  // x0 - 2h, x0 - h, x0, x0 + h, x0 + 2h, each as the double the variable holds.
  std::array<double, 5> x{};
  std::array<TComplex, 5> f{};
  for (int k = 0; k < 5; ++k) {
    x[k] = k == 2 ? x0 : static_cast<double>(x0 + (k - 2) * h);
    if (!std::isfinite(x[k])) return {std::string(CalcErrorDiffPoint)};
  }
  for (int k = 0; k < 5; ++k) {
    SetAll(table, variable, x[k]);
    // A quotient over an invalid value would be meaningless, and a term
    // undefined at the point has no derivative there.
    if (!EvaluateTerm(tree, table, f[k])) return {std::string(CalcErrorResult)};
  }
  // Real on one side and complex on the other (sqrt(x) at 0): the quotient
  // would mix two different functions.
  auto real = [&](int k) { return f[k].Im == 0; };
  const bool leftReal = real(0) && real(1);
  const bool rightReal = real(3) && real(4);
  if (leftReal != rightReal) return {std::string(CalcErrorDiffComplex)};

  // Beyond |x0| = 1 the points' rounding to doubles moves the step taken
  // between them noticeably away from 2h, so the quotient divides by the
  // step actually taken. Up to 1 it moves by less than 1E-10 of it, below the
  // quotient's own rounding noise, and the quotient stays what it always was.
  const Real step = std::fabs(x0) > 1 ? Real(x[3]) - x[1] : 2 * h;
  auto component = [step](double p, double m) {
    const Real difference = Real(p) - m;
    return static_cast<double>(RoundScaled(difference * 10000 / step, 10000, difference / step));
  };
  const TComplex derivative{component(f[3].Re, f[1].Re), component(f[3].Im, f[1].Im)};
  TCalcLines lines{ResultLine(derivative)};
  if (IsCalcErrorLine(lines[0])) return lines;

  const std::string warning = DerivativeWarning(x, f, derivative);
  if (!warning.empty()) lines.push_back(warning);
  return lines;
}

TCalcLines CalcIntegrate(TVarTable& table, std::string_view term, const std::string& variable,
                         std::string_view lowText, std::string_view highText) {
  double a = 0, b = 0;
  if (!TextToDouble(lowText, a) || !TextToDouble(highText, b)) return {std::string(CalcErrorValue)};
  TTerm tree;
  if (!CompileTerm(term, tree)) return {std::string(CalcErrorTerm)};
  if (variable.empty()) return {std::string(CalcErrorIntVar)};

  TSavedVariable saved(table, variable);
  // A point where the term fails (ln 0, a pole) leaves the integral
  // unknown: skipping its slice would show a wrong number as a result.
  const TCalcLines failed{std::string(CalcErrorIntPoint)};
  double h = 0;
  std::vector<TComplex> nodes;
  TComplex sum;
  if (!SimpsonSum(tree, table, variable, a, b, h, nodes, sum)) return failed;
  auto rounded = [](double c) {
    return static_cast<double>(RoundScaled(Real(c) * 1000000, 1000000, c));
  };
  const TComplex result{rounded(sum.Re), rounded(sum.Im)};
  TCalcLines lines{ResultLine(result)};
  if (IsCalcErrorLine(lines[0])) return lines;

  TWide gauss;
  if (!GaussSum(tree, table, variable, a, b, gauss)) return failed;
  // Simpson on every second slice end, over intervals twice as wide: its
  // error is 16 times that of the full rule, so their difference over 15
  // estimates the full rule's error (Richardson).
  TWide half;
  for (size_t j = 0; j + 2 < nodes.size(); j += 2)
    half += (Wide(nodes[j]) + Real(4) * Wide(nodes[j + 1]) + Wide(nodes[j + 2])) * (Real(h) / 3);
  const Real richardson = std::abs(Wide(sum) - half) / 15;
  const Real aliasing = std::abs(Wide(sum) - gauss);
  const Real estimate = std::max(richardson, aliasing);
  if (!(estimate <= HalfUnitShown(result, 6))) lines.push_back(InaccurateWarning(estimate));
  return lines;
}

bool IsCalcErrorLine(std::string_view line) { return line.substr(0, 7) == "Error: "; }
