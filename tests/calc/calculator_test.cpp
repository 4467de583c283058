// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/calculator.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <optional>

#include "term/compiler.h"
#include "term/evaluator.h"

namespace {

struct LineCase {
  const char* name;
  const char* term;
  const char* variable;
  const char* first;   // x0, or the lower bound
  const char* second;  // the upper bound (integration only)
  const char* line;
};

TEST(Calculator, Derivatives) {
  const LineCase cases[] = {
      {"parabola", "x^2", "x", "3", nullptr, "6"},
      {"imaginary slope", "i*x", "x", "0", nullptr, "i"},
      {"unused variable", "5*y", "x", "1", nullptr, "0"},
      {"blanks and exponent", "x^3", "x", " 1e0 ", nullptr, "3"},
      {"bad point", "x^2", "x", "3,5", nullptr, "Error: Invalid value entered."},
      {"point past the double range", "x^2", "x", "1E400", nullptr,
       "Error: Invalid value entered."},
      {"bad term", "x^", "x", "3", nullptr, "Error: Invalid term entered."},
      {"no variable", "x^2", "", "3", nullptr, "Error: No variable for differentiation selected."},
      // The point is checked before the term, the term before the variable.
      {"order of checks", "x^", "", "z", nullptr, "Error: Invalid value entered."},
      // Either side of the point invalid: no quotient over an unusable value.
      {"invalid beside the point", "1/h(x)", "x", "0", nullptr,
       "Error: Result cannot be calculated."},
      {"invalid on both sides", "ln(0*x)", "x", "1", nullptr,
       "Error: Result cannot be calculated."},
      // Too large for the 64-bit rounding step: shown unrounded.
      {"huge slope", "1E20*x", "x", "0", nullptr, "1E20"},
      // A step of 1E-6 vanished in the rounding of large points: the slope of
      // x was 1.0002 at 1E7, 0.9537 at 1E9 and 0 at 1E11.
      {"large point", "x", "x", "1E7", nullptr, "1"},
      {"larger point", "x", "x", "-1E9", nullptr, "1"},
      {"point where 1E-6 vanishes", "x", "x", "1E11", nullptr, "1"},
      {"near the largest double", "x", "x", "1.7E308", nullptr, "1"},
      {"no room for a step beyond the point", "x", "x", "1.79769E308", nullptr,
       "Error: No difference quotient can be formed at this point."},
      // Undefined at the point itself, or real on one side only.
      {"pole at the point", "1/x", "x", "0", nullptr, "Error: Result cannot be calculated."},
      {"square root at 0", "sqrt(x)", "x", "0", nullptr,
       "Error: Term is real on one side of the point only."},
      {"slope past the double range", "1E303*x^3", "x", "1E2", nullptr,
       "Error: Result cannot be calculated."},
  };
  for (const auto& c : cases) {
    TVarTable table;
    CalcTermExit(table, c.term);
    EXPECT_EQ(CalcDifferentiate(table, c.term, c.variable, c.first), TCalcLines{c.line}) << c.name;
  }
}

TEST(Calculator, Integrals) {
  const LineCase cases[] = {
      {"parabola", "x^2", "x", "0", "1", "0.333333"},
      {"sine over half a turn", "sin(x)", "x", "0", "3.14159265358979", "2"},
      {"reversed bounds", "x^2", "x", "1", "0", "-0.333333"},
      {"empty interval", "x^2", "x", "2", "2", "0"},
      {"unused variable", "3", "x", "0", "2", "6"},
      // Once the slice needing ln 0 was skipped silently, showing -0.992093
      // for the true -1; and 1/x, which has no integral there, showed 6.909167.
      {"logarithm from 0", "ln(x)", "x", "0", "1",
       "Error: Term cannot be calculated at every point of the interval."},
      {"pole at the bound", "1/x", "x", "0", "1",
       "Error: Term cannot be calculated at every point of the interval."},
      {"pole inside", "1/(x-0.5)", "x", "0", "1",
       "Error: Term cannot be calculated at every point of the interval."},
      {"complex values", "i*x", "x", "0", "2", "2*i"},
      {"bad lower bound", "x", "x", "a", "1", "Error: Invalid value entered."},
      {"bad upper bound", "x", "x", "0", "", "Error: Invalid value entered."},
      {"bound past the double range", "x", "x", "0", "1E400", "Error: Invalid value entered."},
      {"bad term", "sin(", "x", "0", "1", "Error: Invalid term entered."},
      {"no variable", "x", "", "0", "1", "Error: No variable for integration selected."},
      {"too large to round", "1E13", "x", "0", "1", "10000000000000"},
      {"sum past the double range", "1E308", "x", "0", "1E10",
       "Error: Result cannot be calculated."},
  };
  for (const auto& c : cases) {
    TVarTable table;
    CalcTermExit(table, c.term);
    EXPECT_EQ(CalcIntegrate(table, c.term, c.variable, c.first, c.second), TCalcLines{c.line})
        << c.name;
  }
}

// How a calculation's lines must relate to the true value: a result right to
// its last shown digit stands alone; a wrong one is followed by a warning or
// replaced by an error line. The result lines are pinned, so a right result
// is also proven unchanged.
struct AccuracyCase {
  const char* term;
  const char* first;              // x0, or the lower bound
  const char* second;             // the upper bound (integration only)
  const char* line;               // the first line
  std::optional<TComplex> truth;  // none: no derivative or no integral exists
};

void CheckAccuracy(const AccuracyCase& c, const TCalcLines& lines, double halfUnit, int& right,
                   int& wrong) {
  ASSERT_FALSE(lines.empty()) << c.term;
  EXPECT_EQ(lines[0], c.line) << c.term << " " << c.first;
  TTerm tree;
  TComplex value;
  const bool isResult = !IsCalcErrorLine(lines[0]);
  bool isRight = false;
  if (isResult && c.truth) {
    ASSERT_TRUE(CompileTerm(lines[0], tree) && EvaluateTerm(tree, TVarTable(), value)) << lines[0];
    const double magnitude = std::max(std::fabs(c.truth->Re), std::fabs(c.truth->Im));
    // Half a unit of the last shown place, or of the 15th significant digit.
    const double unit = std::max(
        halfUnit, magnitude > 0 ? 0.5 * std::pow(10.0, std::floor(std::log10(magnitude)) - 14) : 0);
    isRight = std::hypot(value.Re - c.truth->Re, value.Im - c.truth->Im) <= unit * (1 + 1E-9);
  }
  (isRight ? right : wrong)++;
  if (isRight || !isResult) {
    EXPECT_EQ(lines.size(), 1u) << c.term << " " << c.first << ": "
                                << (lines.size() > 1 ? lines[1] : "");
  } else {
    ASSERT_EQ(lines.size(), 2u) << c.term << " " << c.first << " is wrong and not warned";
    EXPECT_EQ(lines[1].rfind("Warning: ", 0), 0u) << lines[1];
  }
}

// True values to 17 digits, from closed forms.
TEST(Calculator, IntegralsAreRightOrWarned) {
  const std::optional<TComplex> none;
  const AccuracyCase cases[] = {
      // Smooth integrands: right, no alarm.
      {"x^2", "0", "1", "0.333333", TComplex{1.0 / 3, 0}},
      {"sin(x)", "0", "3.14159265358979", "2", TComplex{2, 0}},
      {"exp(x)", "0", "1", "1.718282", TComplex{1.7182818284590452, 0}},
      {"1/(1+x^2)", "0", "1", "0.785398", TComplex{0.78539816339744831, 0}},
      {"1/(1+x)", "0", "1", "0.693147", TComplex{0.69314718055994531, 0}},
      {"sqrt(1+x)", "0", "1", "1.218951", TComplex{1.2189514164974601, 0}},
      {"x*exp(x)", "0", "1", "1", TComplex{1, 0}},
      {"ln(x)", "1", "2", "0.386294", TComplex{0.38629436111989062, 0}},
      {"exp(-x^2)", "0", "1", "0.746824", TComplex{0.74682413281242703, 0}},
      {"1/(1+x^4)", "0", "1", "0.866973", TComplex{0.86697298733991104, 0}},
      {"2/(2+sin(10*pi*x))", "0", "1", "1.154701", TComplex{1.1547005383792515, 0}},
      {"1/(x^4+x^2+0.9)", "-1", "1", "1.582233", TComplex{1.5822329637296729, 0}},
      {"x^1.5", "0", "1", "0.4", TComplex{0.4, 0}},
      {"23/25*cosh(x)-cos(x)", "-1", "1", "0.479428", TComplex{0.47942822668880167, 0}},
      {"x^10", "0", "1", "0.090909", TComplex{0.090909090909090909, 0}},
      {"exp(x)*cos(x)", "0", "3.14159265358979", "-12.070346", TComplex{-12.07034631638956, 0}},
      {"1/(1+25*x^2)", "-1", "1", "0.54936", TComplex{0.54936030677800634, 0}},
      {"x^3", "-1", "2", "3.75", TComplex{3.75, 0}},
      {"abs(x)", "-1", "1", "1", TComplex{1, 0}},
      {"abs(x-1/3)", "0", "1", "0.277778", TComplex{0.27777777777777778, 0}},
      {"exp(i*x)", "0", "3.14159265358979", "2*i", TComplex{0, 2}},
      {"sin(100*x)", "0", "1", "0.001377", TComplex{0.0013768112771231607, 0}},
      {"exp(-x)", "0", "10", "0.999955", TComplex{0.99995460007023752, 0}},
      {"exp(-100*x^2)", "-1", "1", "0.177245", TComplex{0.1772453850905516, 0}},
      {"exp(-1000*x^2)", "-1", "1", "0.05605", TComplex{0.056049912163979287, 0}},
      {"sin(x)^2", "0", "3.14159265358979", "1.570796", TComplex{1.5707963267948966, 0}},
      {"1/(1.005+sin(x))", "0", "3.14159265358979", "1.993357", TComplex{1.9933565812804315, 0}},
      {"1/(1E-3+x^2)", "-1", "1", "97.346549", TComplex{97.346548924913171, 0}},
      {"1E13", "0", "1", "10000000000000", TComplex{1E13, 0}},
      // Singular at a bound, too coarse a grid, or a period that fits it:
      // the number stays as it was, with a warning.
      {"sqrt(x)", "0", "1", "0.666666", TComplex{2.0 / 3, 0}},
      {"x^0.25", "0", "1", "0.799987", TComplex{0.8, 0}},
      {"sqrt(1-x^2)", "-1", "1", "1.570789", TComplex{1.5707963267948966, 0}},
      {"sqrt(abs(x))", "-1", "1", "1.333328", TComplex{4.0 / 3, 0}},
      {"ln(x)", "1E-9", "1", "-1.001765", TComplex{-0.99999997827673416, 0}},
      {"1/(1+x)", "0", "1000", "6.910167", TComplex{6.9087547793152206, 0}},
      {"1/(1+x^2)", "-1000", "1000", "3.060672", TComplex{3.1395931358725648, 0}},
      {"sin(x)", "0", "1000", "0.437778", TComplex{0.43762092370929701, 0}},
      {"cos(4000*pi*x)", "0", "1", "1", TComplex{0, 0}},
      {"cos(2000*pi*x)", "0", "1", "-0.333333", TComplex{0, 0}},
      {"x^2", "1E6", "2E6", "2.33333333333331E18", TComplex{7E18 / 3, 0}},
      {"exp(x)", "0", "30", "10686474584528.9", TComplex{10686474581523.4, 0}},
      // A point where the term fails: no number at all.
      {"ln(x)", "0", "1", "Error: Term cannot be calculated at every point of the interval.",
       TComplex{-1, 0}},
      {"1/x", "0", "1", "Error: Term cannot be calculated at every point of the interval.", none},
      {"1/sqrt(x)", "0", "1", "Error: Term cannot be calculated at every point of the interval.",
       TComplex{2, 0}},
  };
  int right = 0, wrong = 0;
  for (const AccuracyCase& c : cases) {
    TVarTable table;
    CalcTermExit(table, c.term);
    CheckAccuracy(c, CalcIntegrate(table, c.term, "x", c.first, c.second), 5E-7, right, wrong);
  }
  EXPECT_EQ(right, 29);
  EXPECT_EQ(wrong, 15);
}

TEST(Calculator, DerivativesAreRightOrWarned) {
  const std::optional<TComplex> none;
  const AccuracyCase cases[] = {
      {"x^2", "3", nullptr, "6", TComplex{6, 0}},
      {"sin(x)", "0", nullptr, "1", TComplex{1, 0}},
      {"exp(x)", "1", nullptr, "2.7183", TComplex{2.7182818284590452, 0}},
      {"ln(x)", "2", nullptr, "0.5", TComplex{0.5, 0}},
      {"x^3", "10", nullptr, "300", TComplex{300, 0}},
      {"sqrt(x)", "4", nullptr, "0.25", TComplex{0.25, 0}},
      {"arctan(x)", "1", nullptr, "0.5", TComplex{0.5, 0}},
      {"1/x", "2", nullptr, "-0.25", TComplex{-0.25, 0}},
      {"cos(x)", "1", nullptr, "-0.8415", TComplex{-0.84147098480789651, 0}},
      {"tan(x)", "0.5", nullptr, "1.2984", TComplex{1.2984464104095248, 0}},
      {"exp(x)", "-5", nullptr, "0.0067", TComplex{0.0067379469990854671, 0}},
      {"sinh(x)", "2", nullptr, "3.7622", TComplex{3.7621956910836315, 0}},
      {"i*x", "0", nullptr, "i", TComplex{0, 1}},
      {"exp(i*x)", "0", nullptr, "i", TComplex{0, 1}},
      {"abs(x)", "1", nullptr, "1", TComplex{1, 0}},
      {"x^5-3*x", "-2", nullptr, "77", TComplex{77, 0}},
      {"sin(x)", "1000", nullptr, "0.5624", TComplex{0.56237907629070299, 0}},
      {"ln(x)", "1E6", nullptr, "0", TComplex{1E-6, 0}},
      {"1/(1+x^2)", "0.3", nullptr, "-0.505", TComplex{-0.50500799595993603, 0}},
      {"exp(-x^2)", "-0.7", nullptr, "0.8577", TComplex{0.8576769518581825, 0}},
      {"x*ln(x)", "0.01", nullptr, "-3.6052", TComplex{-3.6051701859880914, 0}},
      // Right now, wrong with the fixed step of 1E-6 (1.0002, 0.9537, 0, 199999.8093).
      {"x", "1E7", nullptr, "1", TComplex{1, 0}},
      {"x", "1E9", nullptr, "1", TComplex{1, 0}},
      {"x", "1E11", nullptr, "1", TComplex{1, 0}},
      {"x^2", "1E5", nullptr, "200000", TComplex{200000, 0}},
      // A corner, a pole nearby, a period near the step, a jump: warned.
      {"abs(x)", "0", nullptr, "0", none},
      {"abs(sin(x))", "3.14159265358979", nullptr, "0", none},
      {"abs(x-1E-7)", "0", nullptr, "-0.1", TComplex{-1, 0}},
      {"h(x)", "0", nullptr, "500000", none},
      {"1/x", "1E-5", nullptr, "-10101010101.0101", TComplex{-1E10, 0}},
      {"1/x^2", "1E-4", nullptr, "-2000400060008.03", TComplex{-2E12, 0}},
      {"ln(x)", "1E-5", nullptr, "100335.3477", TComplex{1E5, 0}},
      {"sin(1E6*x)", "0", nullptr, "841470.9848", TComplex{1E6, 0}},
      {"sin(1E5*x)", "0", nullptr, "99833.4166", TComplex{1E5, 0}},
      {"exp(x)", "20", nullptr, "485165195.4417", TComplex{485165195.40979028, 0}},
      {"exp(x)", "30", nullptr, "10686474583119.4", TComplex{10686474581524.462, 0}},
      // Undefined at the point, or real on one side only: an error line.
      {"sqrt(x)", "0", nullptr, "Error: Term is real on one side of the point only.", none},
      {"x^(1/3)", "0", nullptr, "Error: Term is real on one side of the point only.", none},
      {"ln(x)", "1E-7", nullptr, "Error: Term is real on one side of the point only.",
       TComplex{1E7, 0}},
      {"ln(x)", "0", nullptr, "Error: Result cannot be calculated.", none},
      {"1/x", "0", nullptr, "Error: Result cannot be calculated.", none},
      {"sin(x)/x", "0", nullptr, "Error: Result cannot be calculated.", none},
  };
  int right = 0, wrong = 0;
  for (const AccuracyCase& c : cases) {
    TVarTable table;
    CalcTermExit(table, c.term);
    CheckAccuracy(c, CalcDifferentiate(table, c.term, "x", c.first), 5E-5, right, wrong);
  }
  EXPECT_EQ(right, 25);
  EXPECT_EQ(wrong, 17);
}

// Up to |x0| = 1 the quotient is the one the calculator always showed:
// the values at x0 ± 1E-6 over 2E-6, rounded to 4 places.
TEST(Calculator, DerivativeNearZeroUnchanged) {
  const char* const terms[] = {"x^2",        "sin(x)",     "exp(3*x)", "1/(x+2)",
                               "x*exp(i*x)", "1E6*sin(x)", "tan(x)"};
  for (const char* term : terms)
    for (int k = -40; k <= 40; ++k) {
      // The point as the field holds it, and as it reads back.
      const std::string point = RealToStr(k / 40.0 + (k % 3) * 1E-9);
      const double x0 = std::stod(point);
      TTerm tree;
      ASSERT_TRUE(CompileTerm(term, tree));
      TVarTable table;
      TComplex plus, minus;
      const auto xp = static_cast<double>(x0 + 1E-6L);
      const auto xm = static_cast<double>(x0 - 1E-6L);
      SetVariable(table, "x", {xp, 0}, {xp, 0}, {xp, 0});
      ASSERT_TRUE(EvaluateTerm(tree, table, plus));
      SetVariable(table, "x", {xm, 0}, {xm, 0}, {xm, 0});
      ASSERT_TRUE(EvaluateTerm(tree, table, minus));
      auto component = [](double p, double m) {
        return static_cast<double>(std::llrint((Real(p) - m) * 10000 / 2E-6L)) / 10000;
      };
      const TComplex expected{component(plus.Re, minus.Re), component(plus.Im, minus.Im)};
      EXPECT_EQ(CalcDifferentiate(table, term, "x", point).front(), ComplexToStr(expected))
          << term << " " << point;
    }
}

TEST(Calculator, EvaluateMakesVariablesKnownFirst) {
  TVarTable table;
  EXPECT_EQ(CalcEvaluate(table, "t"), "0");
  EXPECT_EQ(table.Names, (TStringArray{"t"}));
  EXPECT_EQ(CalcEvaluate(table, "2+3*i"), "2+3*i");
  EXPECT_EQ(CalcEvaluate(table, "1/0"), "Error: Result cannot be calculated.");
  EXPECT_EQ(CalcEvaluate(table, "2sin(x)"), "Error: Result cannot be calculated.");
  // A term that does not compile adds no variables.
  EXPECT_EQ(CalcEvaluate(table, "q+"), "Error: Result cannot be calculated.");
  EXPECT_EQ(table.Names, (TStringArray{"t"}));
}

TEST(Calculator, ChosenVariableIsRestored) {
  TVarTable table;
  SetVariable(table, "x", {-1, 0}, {1, 0}, {0.5, 0});
  SetVariable(table, "a", {}, {}, {3, 0});
  EXPECT_EQ(CalcDifferentiate(table, "a*x", "x", "2"), TCalcLines{"3"});
  EXPECT_EQ(CalcIntegrate(table, "a*x", "x", "0", "2"), TCalcLines{"6"});
  EXPECT_EQ(table.Minimum[0].Re, -1);
  EXPECT_EQ(table.Maximum[0].Re, 1);
  EXPECT_EQ(table.Actual[0].Re, 0.5);
  // A variable that was not in the table stays behind with the last point.
  EXPECT_EQ(CalcDifferentiate(table, "a", "w", "2"), TCalcLines{"0"});
  EXPECT_EQ(table.Count(), 3);
}

TEST(Calculator, ErrorLines) {
  EXPECT_TRUE(IsCalcErrorLine("Error: Invalid term entered."));
  EXPECT_FALSE(IsCalcErrorLine("-0.5"));
}

}  // namespace
