// SPDX-License-Identifier: GPL-3.0-or-later
#include "term/compiler.h"

#include <gtest/gtest.h>

#include <string>

#include "term/prefix_form.h"

namespace {

struct CompileCase {
  std::string text;
  bool ok;
  const char* tree;  // prefix form of the returned tree
};

TEST(CompileTerm, TreesAndFlags) {
  const CompileCase cases[] = {
      {"-x^2", true, "(- 0 (^ x 2))"},
      {"(x+1)*2", true, "(* (+ x 1) 2)"},
      {"2*(-3)", true, "(* 2 (- 0 3))"},
      {"x*(-y+1)", true, "(* x (+ (- 0 y) 1))"},
      {"sin(x)^2", true, "(^ (sin x) 2)"},
      {"2^3^2", true, "(^ (^ 2 3) 2)"},
      {"a-b-c", true, "(- (- a b) c)"},
      {"a/b/c", true, "(/ (/ a b) c)"},
      {"1E-5", true, "1E-5"},
      {"1E+5", true, "100000"},
      {"1.5E3", true, "1500"},
      {".5", true, "0.5"},
      {"5.", true, "5"},
      {"2lg(8)", true, "(lg 2 8)"},
      {"2lg(8)lg(4)", true, "(lg (lg 2 8) 4)"},
      {"SIN(X)", true, "(sin X)"},
      {"I", true, "i"},
      {"Pi", true, "3.14159265358979"},
      {"E", true, "E"},
      {"e", true, "2.71828182845905"},
      {"x+1)", true, "(+ x 1)"},
      {"(x+1", true, "(+ x 1)"},
      {"1 + 2", true, "(+ 1 2)"},
      {"sin(x)+cos(y)", true, "(+ (sin x) (cos y))"},
      {"sin(cos(x))", true, "(sin (cos x))"},
      {"((sin(x)))", true, "(sin x)"},
      {"sinh(x)", true, "(sinh x)"},
      {"arcsinh(x)", false, "(sinh x)"},
      {"ArcTan(x)", true, "(arctan x)"},
      {"x_1*y2", true, "(* x_1 y2)"},
      {"h(x)", true, "(h x)"},
      {"re(x)*im(x)", true, "(* (re x) (im x))"},
      // Among ln, lg, re, im and h the last one at the same depth is the root.
      {"ln(x)re(x)", false, "(re x)"},
      // Among the longer names the first one is the root.
      {"sin(x)cos(x)", false, "(sin (cos x))"},
      // A surplus ")" wraps the depth, so what follows ranks as deeply bracketed.
      {")x+1", false, "(+ 0 1)"},
      {"x)+1", true, "(+ x 1)"},
      // After the wrap, the "(" brings the depth back to 0, below the "*".
      {"x)*(y+1", true, "(+ (* x y) 1)"},
      // Refusals.
      {"", false, "_"},
      {"2*", false, "(* 2 _)"},
      {"*2", false, "(* _ 2)"},
      {"2**3", false, "(* (* 2 _) 3)"},
      {"--x", false, "(- (- 0 _) x)"},
      {"x^-2", false, "(- (^ x _) 2)"},
      {"2*-3", false, "(- (* 2 _) 3)"},
      {"lg(8)", false, "(lg _ 8)"},
      {"()", false, "_"},
      {"sin()", false, "(sin _)"},
      {"x y", false, "0"},
      {"x + 1", false, "(+ 0 1)"},
      {"sin x", false, "0"},
      {"x(y)", false, "0"},
      {"E+1", false, "0"},
      {"x+E+1", false, "(+ x 0)"},
      {"1e5", false, "0"},
      {"2x", false, "0"},
      {"1.2.3", false, "0"},
      {"_a", false, "0"},
      {"2sin(x)", false, "(sin x)"},
      {"asin(x)", false, "(sin x)"},
      {"2(x)", false, "0"},
      {"2pi", false, "0"},
      // Text before h( is refused like before any other function.
      {"3h(x)", false, "(h x)"},
      {"th(x)", false, "(h x)"},
      {"(h(x))", true, "(h x)"},
      // A literal beyond the double range is refused instead of overflowing.
      {"1E400", false, "0"},
      {"1E5000", false, "0"},
      {"1E-400", true, "0"},
      // A sign directly after "(" is unary only with nothing but opening
      // brackets in front; a misspelt function or an operand before that
      // bracket refuses the term instead of being dropped.
      {"sqr(-4)", false, "(- 0 4)"},
      {"sgn(-x)", false, "(- 0 x)"},
      {"2(-3)", false, "(- 0 3)"},
      {"x(-2)", false, "(- 0 2)"},
      {"x(+2)", false, "(+ 0 2)"},
      {"(x)(-2)", false, "(- 0 2)"},
      {"(a+b)(-c)", false, "(- 0 c)"},
      {"1+sqr(-4)", false, "(+ 1 (- 0 4))"},
      {"(-x)", true, "(- 0 x)"},
      {"((+2))", true, "(+ 0 2)"},
      {"-(-x)", true, "(- 0 (- 0 x))"},
      {"((-x)+1)", true, "(+ (- 0 x) 1)"},
      {"sin(-x)", true, "(sin (- 0 x))"},
      {"x^(-2)", true, "(^ x (- 0 2))"},
      {"2lg(-8)", true, "(lg 2 (- 0 8))"},
      {"h(-x)", true, "(h (- 0 x))"},
  };
  for (const auto& c : cases) {
    TTerm tree;
    EXPECT_EQ(CompileTerm(c.text, tree), c.ok) << c.text;
    EXPECT_EQ(PrefixForm(tree.get()), c.tree) << c.text;
  }
}

// A signed term behind any number of opening brackets compiles to the same
// tree as the bare term.
TEST(CompileTerm, SignsAfterOpeningBracketsStayUnary) {
  const char* bodies[] = {"-x", "+2", "-x^2+1", "-(y)", "-sin(x)*2", "+1E-5", "-x-y"};
  for (const char* body : bodies) {
    TTerm bare;
    ASSERT_TRUE(CompileTerm(body, bare)) << body;
    for (int depth = 1; depth <= 4; ++depth) {
      const std::string text = std::string(depth, '(') + body + std::string(depth, ')');
      TTerm tree;
      EXPECT_TRUE(CompileTerm(text, tree)) << text;
      EXPECT_EQ(PrefixForm(tree.get()), PrefixForm(bare.get())) << text;
      TTerm product;
      EXPECT_TRUE(CompileTerm("3*" + text, product)) << text;
      EXPECT_EQ(PrefixForm(product.get()), "(* 3 " + PrefixForm(bare.get()) + ")") << text;
    }
  }
}

TEST(CompileTerm, FindSplitPositions) {
  const struct {
    const char* text;
    size_t position;
  } cases[] = {
      {"x", 0},      {"x+y*z", 2},  {"x*y+z", 4},      {"(x+y)*z", 6},      {"1E-5", 0},
      {"sin(x)", 1}, {"2lg(8)", 2}, {"ln(x)lg(y)", 6}, {"sin(x)cos(y)", 1}, {"-x", 1},
      {"x^y^z", 4},  {"h(x)", 1},
  };
  for (const auto& c : cases) EXPECT_EQ(FindSplit(c.text), c.position) << c.text;
}

TEST(CompileTerm, NameMatchesAndBrackets) {
  EXPECT_TRUE(NameMatches("SiN", "sin"));
  EXPECT_FALSE(NameMatches("", ""));
  EXPECT_FALSE(NameMatches("sin", "sinh"));
  EXPECT_FALSE(NameMatches("[", "{"));  // codes differ by 32 but are no letters
  EXPECT_FALSE(NameMatches("@", "`"));
  EXPECT_TRUE(OnlyOpenBrackets(""));
  EXPECT_TRUE(OnlyOpenBrackets("(("));
  EXPECT_FALSE(OnlyOpenBrackets("(2"));
}

TEST(CompileTerm, HostileTermsAreRefusedWithoutExhaustingTheStack) {
  std::string nested;
  for (int k = 0; k < 200000; ++k) nested += "sin(";
  nested += "x";
  std::string megabyte;
  while (megabyte.size() < 1000000) megabyte += "sin(";

  std::string chain = "1";
  for (int k = 0; k < 5000; ++k) chain += "+1";
  std::string brackets(8000, '(');
  brackets += "x" + std::string(8000, ')');
  std::string deep;
  for (int k = 0; k < MaxTermDepth - 1; ++k) deep += "-(";
  deep += "1";

  const struct {
    const char* name;
    std::string text;
    bool ok;
  } cases[] = {
      {"nested sin", nested, false},
      {"one megabyte", megabyte, false},
      {"long chain of sums", chain, false},
      {"many brackets around a leaf", brackets, true},
      {"just within the depth limit", deep, true},
      {"one level deeper", "-(" + deep, false},
      {"longer than the length limit", std::string(MaxTermLength + 1, 'x'), false},
      {"as long as the length limit", std::string(MaxTermLength, 'x'), true},
  };
  for (const auto& c : cases) {
    TTerm tree;
    EXPECT_EQ(CompileTerm(c.text, tree), c.ok) << c.name;
  }
}

TEST(TextToReal, NumberTexts) {
  const struct {
    const char* text;
    bool ok;
    double value;
  } cases[] = {
      {"3", true, 3},     {" -2.5 ", true, -2.5}, {"1e3", true, 1000},   {"1E-3", true, 0.001},
      {"+.5", true, 0.5}, {".", true, 0},         {"", false, 0},        {"  ", false, 0},
      {"1,5", false, 0},  {"1E", false, 0},       {"1 2", false, 0},     {"0x10", false, 0},
      {"inf", false, 0},  {"nan", false, 0},      {"1E99999", false, 0}, {"--1", false, 0},
  };
  for (const auto& c : cases) {
    Real v = -1;
    EXPECT_EQ(TextToReal(c.text, v), c.ok) << c.text;
    if (c.ok) {
      EXPECT_EQ(static_cast<double>(v), c.value) << c.text;
    }
  }
}

}  // namespace
