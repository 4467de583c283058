// SPDX-License-Identifier: GPL-3.0-or-later
#include "term/evaluator.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <new>
#include <string>

namespace {

TVarTable TableXY() {
  TVarTable table;
  SetVariable(table, "x", {}, {}, {2, 0});
  SetVariable(table, "y", {}, {}, {0, 1});
  return table;
}

TEST(EvaluateTerm, Values) {
  const struct {
    const char* term;
    bool ok;
    TComplex value;
  } cases[] = {
      {"log(100)", true, {2, 0}},
      {"2lg(8)", true, {3, 0}},
      {"re(2+3*i)", true, {2, 0}},
      {"im(2+3*i)", true, {3, 0}},
      {"abs(3+4*i)", true, {5, 0}},
      {"arg(-1)", true, {3.141592653589793, 0}},
      {"sqrt(-4)", true, {0, 2}},
      {"h(0)", true, {0.5, 0}},
      {"e^(i*pi)", true, {-1, 0}},
      {"0^(-1)", false, {0, 0}},
      {"x*y", true, {0, 2}},
      {"x^2", true, {4, 0}},
      {"1/0", false, {0, 0}},
      {"ln(0)", false, {0, 0}},
      {"log(0)", false, {0, 0}},
      {"0lg(5)", false, {0, 0}},
      {"1lg(5)", false, {0, 0}},
      {"exp(1000)", false, {0, 0}},
      {"1E300*1E300", false, {0, 0}},
      {"1E308+1E308", false, {0, 0}},
      {"abs(1.5E308+1.5E308*i)", false, {0, 0}},
      // The argument's invalidity passes through re, im, abs and arg.
      {"re(1/0)", false, {0, 0}},
      {"abs(ln(0))", false, {0, 0}},
      {"z", false, {0, 0}},
      {"X", false, {0, 0}},       // names are case-sensitive
      {"2sin(0)", true, {0, 0}},  // the partial tree of a refused term still evaluates
  };
  const TVarTable table = TableXY();
  for (const auto& c : cases) {
    TTerm tree;
    CompileTerm(c.term, tree);
    TComplex v{99, 99};
    EXPECT_EQ(EvaluateTerm(tree, table, v), c.ok) << c.term;
    EXPECT_EQ(v.Re, c.value.Re) << c.term;
    EXPECT_EQ(v.Im, c.value.Im) << c.term;
  }
}

TEST(EvaluateTerm, NullTreeIsInvalid) {
  TComplex v{1, 1};
  EXPECT_FALSE(EvaluateTerm(nullptr, TVarTable{}, v));
  EXPECT_EQ(v.Re, 0);
}

TEST(EvaluateTerm, DuplicateNamesReadTheLastRow) {
  TVarTable table;
  table.Names = {"x", "x"};
  table.Minimum = table.Maximum = {{}, {}};
  table.Actual = {{1, 0}, {2, 0}};
  TTerm tree;
  ASSERT_TRUE(CompileTerm("x", tree));
  TComplex v;
  ASSERT_TRUE(EvaluateTerm(tree, table, v));
  EXPECT_EQ(v.Re, 2);
}

TEST(EvaluateTerm, RaggedTableStaysInBounds) {
  TVarTable table;
  table.Names = {"x", "y"};
  table.Actual = {{1, 0}};
  TTerm tree;
  ASSERT_TRUE(CompileTerm("y", tree));
  TComplex v;
  EXPECT_FALSE(EvaluateTerm(tree, table, v));
}

TEST(EvaluateTerm, DeepestAcceptedTreeEvaluates) {
  std::string text;
  for (int k = 0; k < MaxTermDepth - 1; ++k) text += "-(";
  text += "1";
  TTerm tree;
  ASSERT_TRUE(CompileTerm(text, tree));
  TComplex v;
  ASSERT_TRUE(EvaluateTerm(tree, TVarTable{}, v));
  EXPECT_EQ(v.Re, (MaxTermDepth - 1) % 2 == 0 ? 1 : -1);
}

std::atomic<long> allocations{0};

}  // namespace

// Counts every allocation of the test program, so the evaluator can be shown
// to allocate nothing. The replacements are kept out of line: inlined into a
// caller, their malloc and free would look to GCC like releases mismatched
// with new and delete (-Wmismatched-new-delete), which they are not.
__attribute__((noinline)) void* operator new(std::size_t size) {
  allocations.fetch_add(1, std::memory_order_relaxed);
  if (void* p = std::malloc(size == 0 ? 1 : size)) return p;
  throw std::bad_alloc();
}
__attribute__((noinline)) void operator delete(void* p) noexcept { std::free(p); }
__attribute__((noinline)) void operator delete(void* p, std::size_t) noexcept { std::free(p); }

namespace {

TEST(EvaluateTerm, AllocatesNothing) {
  const TVarTable table = TableXY();
  for (const char* text : {"sin(x)*cos(y)", "exp(-(x^2+y^2)/20)*cos(x*y)", "abs(sqrt(x+y*i))",
                           "re(ln(x+i*y)*arctan(x/(y+1)))", "2lg(8)+arcosh(x)-1/0"}) {
    TTerm tree;
    CompileTerm(text, tree);
    TComplex v;
    const long before = allocations.load();
    for (int k = 0; k < 100; ++k) EvaluateTerm(tree, table, v);
    EXPECT_EQ(allocations.load(), before) << text;
  }
}

TEST(Variables, CollectAndUse) {
  TTerm tree;
  ASSERT_TRUE(CompileTerm("y*x+x^2", tree));
  TStringArray names;
  CollectVariables(tree.get(), names);
  EXPECT_EQ(names, (TStringArray{"y", "x"}));
  CollectVariables(tree.get(), names);
  EXPECT_EQ(names, (TStringArray{"y", "x"}));
  EXPECT_TRUE(UsesVariable(tree.get(), "x"));
  EXPECT_FALSE(UsesVariable(tree.get(), "X"));
  EXPECT_FALSE(UsesVariable(nullptr, "x"));
  FreeTerm(tree);
  EXPECT_EQ(tree, nullptr);
  FreeTerm(tree);  // null is accepted
}

}  // namespace
