// SPDX-License-Identifier: GPL-3.0-or-later
// The bound and hoisted evaluation of a term against EvaluateTerm, bit for
// bit, at every point of grids that pass zeros, poles, branch cuts and the
// ends of the double range.
#include "term/bound_term.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <string>
#include <vector>

#include "term/evaluator.h"

namespace {

bool SameBits(TComplex a, TComplex b) {
  return std::bit_cast<uint64_t>(a.Re) == std::bit_cast<uint64_t>(b.Re) &&
         std::bit_cast<uint64_t>(a.Im) == std::bit_cast<uint64_t>(b.Im);
}

// Terms over x and y with constants, a fixed variable a and a missing one.
const char* const Terms[] = {
    "sin(x)*cos(y)",
    "exp(-(x^2+y^2)/20)*cos(x*y)",
    "abs(sqrt(x+y*i))",
    "re(ln(x+i*y)*arctan(x/(y+1)))",
    "x",
    "y",
    "a",
    "3",
    "2*pi+e",
    "missing*x",
    "x+missing",
    "re(1/x)*y",
    "im(y/x)+abs(x/0)",
    "(x+1)/(y-1)",
    "x^y",
    "y^(x*i)",
    "2lg(x)+ylg(8)",
    "xlg(y)",
    "log(x*y)",
    "sqrt(a*x)+sqrt(a)*y",
    "tan(x)*cot(y)",
    "tanh(x/y)+coth(y)",
    "arcsin(x)*arccos(y)",
    "arctan(x*i)-arccot(y*i)",
    "arsinh(x)+arcosh(y)+artanh(x/10)+arcoth(y/10)",
    "h(x)*h(y)",
    "arg(x+i*y)",
    "sinh(x*100)*cosh(y)",
    "exp(x*y*10)",
    "sin(x+cos(y+sin(a)))*cos(2*pi)",
    "(x*(y*(x*(y*a))))",
    "x*x*x*y*y*y*a*a",
    "ln(a)*x+ln(a+1)*y+ln(2)",
    // Defective texts compile to partial trees, which still evaluate.
    "x+",
    "*y",
    "sin()",
    "x+(y",
    "1lg(x)",
};

struct TGrid {
  std::vector<double> columns;  // values of x
  std::vector<double> rows;     // values of y
};

TGrid GridOf(double from, double to, int steps) {
  TGrid grid;
  for (int k = 0; k <= steps; ++k) {
    grid.columns.push_back(from + (to - from) * k / steps);
    grid.rows.push_back(from + (to - from) * k / steps);
  }
  // Exact zeros and ones, where poles and branch cuts sit.
  for (double v : {0.0, -0.0, 1.0, -1.0, 1E-300, 700.0}) {
    grid.columns.push_back(v);
    grid.rows.push_back(v);
  }
  return grid;
}

struct TTableCase {
  const char* name;
  TVarTable table;
  int x, y;  // positions of the stepped variables
};

std::vector<TTableCase> Tables() {
  std::vector<TTableCase> cases;
  TVarTable plain;
  SetVariable(plain, "x", {}, {}, {});
  SetVariable(plain, "y", {}, {}, {});
  SetVariable(plain, "a", {}, {}, {2, 0.5});
  cases.push_back({"x y a", plain, 0, 1});
  TVarTable swapped;
  SetVariable(swapped, "a", {}, {}, {-3, 0});
  SetVariable(swapped, "y", {}, {}, {});
  SetVariable(swapped, "x", {}, {}, {});
  cases.push_back({"a y x", swapped, 2, 1});
  // A file may hold a name twice; the last row is the one read.
  TVarTable twice = plain;
  twice.Names.push_back("x");
  twice.Minimum.push_back({});
  twice.Maximum.push_back({});
  twice.Actual.push_back({});
  cases.push_back({"x twice", twice, 3, 1});
  return cases;
}

struct TOutcome {
  bool ok;
  TComplex value;
};

void ExpectSame(const TOutcome& plain, const TOutcome& other, const char* how, const char* term,
                double x, double y, int& failures) {
  if (plain.ok == other.ok && SameBits(plain.value, other.value)) return;
  if (++failures <= 5)
    ADD_FAILURE() << how << " " << term << " at x = " << x << ", y = " << y << ": " << other.ok
                  << " " << other.value.Re << " " << other.value.Im << " against " << plain.ok
                  << " " << plain.value.Re << " " << plain.value.Im;
}

TEST(BoundTerm, GivesTheValuesOfEvaluateTermAtEveryGridPoint) {
  const TGrid grid = GridOf(-10, 10, 24);
  for (TTableCase& tc : Tables()) {
    for (const char* text : Terms) {
      TTerm tree;
      CompileTerm(text, tree);
      TVarTable& table = tc.table;
      const auto sx = static_cast<std::size_t>(tc.x);
      const auto sy = static_cast<std::size_t>(tc.y);
      int failures = 0;

      // Hoisted with x inner and y outer, then with y inner and x outer.
      for (const bool xInner : {true, false}) {
        const std::vector<double>& inner = xInner ? grid.columns : grid.rows;
        const std::vector<double>& outer = xInner ? grid.rows : grid.columns;
        const std::size_t si = xInner ? sx : sy;
        const std::size_t so = xInner ? sy : sx;
        TBoundTerm hoisted(tree.get(), table);
        TBoundTerm bound(tree.get(), table);
        table.Actual[so] = {outer[0], 0};
        hoisted.Hoist(static_cast<int>(si), static_cast<int>(so));
        for (std::size_t c = 0; c < inner.size(); ++c) {
          table.Actual[si] = {inner[c], 0};
          hoisted.TabulateColumn(c);
        }
        for (std::size_t r = 0; r < outer.size(); ++r) {
          table.Actual[so] = {outer[r], 0};
          hoisted.PinRow();
          for (std::size_t c = 0; c < inner.size(); ++c) {
            table.Actual[si] = {inner[c], 0};
            TOutcome plain, b, h;
            plain.ok = EvaluateTerm(tree.get(), table, plain.value);
            b.ok = bound.Evaluate(b.value);
            h.ok = hoisted.EvaluateAt(c, h.value);
            const double x = table.Actual[sx].Re, y = table.Actual[sy].Re;
            ExpectSame(plain, b, "bound", text, x, y, failures);
            ExpectSame(plain, h, "hoisted", text, x, y, failures);
          }
        }
      }

      // A curve: x stepped, y fixed at a complex value.
      TBoundTerm curve(tree.get(), table);
      table.Actual[sy] = {0.5, -2};
      curve.Hoist(tc.x, -1);
      for (double x : grid.columns) {
        table.Actual[sx] = {x, 0};
        TOutcome plain, c;
        plain.ok = EvaluateTerm(tree.get(), table, plain.value);
        c.ok = curve.Evaluate(c.value);
        ExpectSame(plain, c, "curve", text, x, 0.5, failures);
      }
      EXPECT_EQ(failures, 0) << tc.name << ": " << text;
    }
  }
}

// Hostile terms: more single-variable subtrees than are tabulated, and a
// null tree.
TEST(BoundTerm, HostileTermsStillMatch) {
  std::string many = "x*y";
  for (int k = 0; k < 100; ++k) many = "(" + many + ")+x*y";
  const std::string texts[] = {many, "", "((((((((x))))))))*y"};
  TVarTable table;
  SetVariable(table, "x", {}, {}, {});
  SetVariable(table, "y", {}, {}, {});
  for (const std::string& text : texts) {
    TTerm tree;
    CompileTerm(text, tree);
    TBoundTerm hoisted(tree.get(), table);
    hoisted.Hoist(0, 1);
    for (std::size_t c = 0; c < 5; ++c) {
      table.Actual[0] = {c * 1.5, 0};
      hoisted.TabulateColumn(c);
    }
    int failures = 0;
    for (int r = 0; r < 5; ++r) {
      table.Actual[1] = {r - 2.0, 0};
      hoisted.PinRow();
      // Column 7 was never tabulated: it is evaluated in full.
      for (std::size_t c : {0, 1, 2, 3, 4, 7}) {
        table.Actual[0] = {c * 1.5, 0};
        TOutcome plain, h;
        plain.ok = EvaluateTerm(tree.get(), table, plain.value);
        h.ok = hoisted.EvaluateAt(c, h.value);
        ExpectSame(plain, h, "hoisted", text.c_str(), c * 1.5, r - 2.0, failures);
      }
    }
    EXPECT_EQ(failures, 0) << text.substr(0, 40);
  }
}

}  // namespace
