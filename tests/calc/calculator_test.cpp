#include "calc/calculator.h"

#include <gtest/gtest.h>

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
      {"point past the double range", "x^2", "x", "1E400", nullptr, "Error: Invalid value entered."},
      {"bad term", "x^", "x", "3", nullptr, "Error: Invalid term entered."},
      {"no variable", "x^2", "", "3", nullptr, "Error: No variable for differentiation selected."},
      // The point is checked before the term, the term before the variable.
      {"order of checks", "x^", "", "z", nullptr, "Error: Invalid value entered."},
      // Either side of the point invalid: no quotient over an unusable value.
      {"invalid beside the point", "1/h(x)", "x", "0", nullptr, "Error: Result cannot be calculated."},
      {"invalid on both sides", "ln(0*x)", "x", "1", nullptr, "Error: Result cannot be calculated."},
      // Too large for the 64-bit rounding step: shown unrounded.
      {"huge slope", "1E20*x", "x", "0", nullptr, "1E20"},
      {"slope past the double range", "1E303*x^3", "x", "1E2", nullptr, "Error: Result cannot be calculated."},
  };
  for (const auto& c : cases) {
    TVarTable table;
    CalcTermExit(table, c.term);
    EXPECT_EQ(CalcDifferentiate(table, c.term, c.variable, c.first), c.line) << c.name;
  }
}

TEST(Calculator, Integrals) {
  const LineCase cases[] = {
      {"parabola", "x^2", "x", "0", "1", "0.333333"},
      {"sine over half a turn", "sin(x)", "x", "0", "3.14159265358979", "2"},
      {"reversed bounds", "x^2", "x", "1", "0", "-0.333333"},
      {"empty interval", "x^2", "x", "2", "2", "0"},
      {"unused variable", "3", "x", "0", "2", "6"},
      // The first slice needs ln 0 and is skipped silently.
      {"logarithm from 0", "ln(x)", "x", "0", "1", "-0.992093"},
      {"complex values", "i*x", "x", "0", "2", "2*i"},
      {"bad lower bound", "x", "x", "a", "1", "Error: Invalid value entered."},
      {"bad upper bound", "x", "x", "0", "", "Error: Invalid value entered."},
      {"bound past the double range", "x", "x", "0", "1E400", "Error: Invalid value entered."},
      {"bad term", "sin(", "x", "0", "1", "Error: Invalid term entered."},
      {"no variable", "x", "", "0", "1", "Error: No variable for integration selected."},
      {"too large to round", "1E13", "x", "0", "1", "10000000000000"},
      {"sum past the double range", "1E308", "x", "0", "1E10", "Error: Result cannot be calculated."},
  };
  for (const auto& c : cases) {
    TVarTable table;
    CalcTermExit(table, c.term);
    EXPECT_EQ(CalcIntegrate(table, c.term, c.variable, c.first, c.second), c.line) << c.name;
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
  EXPECT_EQ(CalcDifferentiate(table, "a*x", "x", "2"), "3");
  EXPECT_EQ(CalcIntegrate(table, "a*x", "x", "0", "2"), "6");
  EXPECT_EQ(table.Minimum[0].Re, -1);
  EXPECT_EQ(table.Maximum[0].Re, 1);
  EXPECT_EQ(table.Actual[0].Re, 0.5);
  // A variable that was not in the table stays behind with the last point.
  EXPECT_EQ(CalcDifferentiate(table, "a", "w", "2"), "0");
  EXPECT_EQ(table.Count(), 3);
}

TEST(Calculator, ErrorLines) {
  EXPECT_TRUE(IsCalcErrorLine("Error: Invalid term entered."));
  EXPECT_FALSE(IsCalcErrorLine("-0.5"));
}

}  // namespace
