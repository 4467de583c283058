// SPDX-License-Identifier: GPL-3.0-or-later
#include "term/complex.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

using Op = bool (*)(TComplex, TComplex&);

struct UnaryCase {
  const char* name;
  Op op;
  TComplex z;
  TComplex expected;
  bool ok;
};

TEST(Complex, UnaryOperationsGiveExactTidiedResults) {
  const double pi = 3.141592653589793;
  const UnaryCase cases[] = {
      // e^(i*pi) carries a round-off imaginary part of 1.2E-16 that tidying removes.
      {"exp(i pi)", CExp, {0, pi}, {-1, 0}, true},
      // Tidying is relative to the modulus: the sine of the double nearest pi stays.
      {"sin(pi)", CSin, {pi, 0}, {1.2246467991473532E-16, 0}, true},
      {"ln(0)", CLn, {0, 0}, {0, 0}, false},
      {"ln(-1)", CLn, {-1, 0}, {0, pi}, true},
      {"arctan(i)", CArcTan, {0, 1}, {0, 0}, false},
      {"arctan(-i)", CArcTan, {0, -1}, {0, 0}, false},
      {"artanh(1)", CArTanh, {1, 0}, {0, 0}, false},
      {"artanh(-1)", CArTanh, {-1, 0}, {0, 0}, false},
      {"arcoth(1)", CArCoth, {1, 0}, {0, 0}, false},
      {"arccot(0)", CArcCot, {0, 0}, {pi / 2, 0}, true},
      // A failed inverse tangent leaves pi/2 as the inverse cotangent.
      {"arccot(i)", CArcCot, {0, 1}, {pi / 2, 0}, false},
      {"h(5i)", CHeaviside, {0, 5}, {0.5, 0}, true},
      {"h(-2)", CHeaviside, {-2, 7}, {0, 0}, true},
      {"h(3)", CHeaviside, {3, 0}, {1, 0}, true},
      {"cos(0)", CCos, {0, 0}, {1, 0}, true},
      {"tan(0)", CTan, {0, 0}, {0, 0}, true},
      {"cot(0)", CCot, {0, 0}, {0, 0}, false},
      {"coth(0)", CCoth, {0, 0}, {0, 0}, false},
      {"sinh(0)", CSinh, {0, 0}, {0, 0}, true},
      {"cosh(0)", CCosh, {0, 0}, {1, 0}, true},
      // Overflow past the double range is an arithmetic error, never an infinity.
      {"exp(1000)", CExp, {1000, 0}, {0, 0}, false},
      {"sinh(800)", CSinh, {800, 0}, {0, 0}, false},
      // The hyperbolic tangent itself stays within the range.
      {"tanh(800)", CTanh, {800, 0}, {1, 0}, true},
      {"sin(800i)", CSin, {0, 800}, {0, 0}, false},
      {"exp(-1000)", CExp, {-1000, 0}, {0, 0}, true},  // underflow is silent
  };
  for (const auto& c : cases) {
    TComplex out{99, 99};
    EXPECT_EQ(c.op(c.z, out), c.ok) << c.name;
    EXPECT_EQ(out.Re, c.expected.Re) << c.name;
    EXPECT_EQ(out.Im, c.expected.Im) << c.name;
  }
}

TEST(Complex, BinaryOperations) {
  struct Case {
    const char* name;
    bool (*op)(TComplex, TComplex, TComplex&);
    TComplex a, b, expected;
    bool ok;
  } const cases[] = {
      {"i*i", CMul, {0, 1}, {0, 1}, {-1, 0}, true},
      // The real product 1E-20 is negligible against -1 and drops out.
      {"(1E-10+i)^2", CMul, {1E-10, 1}, {1E-10, 1}, {-1, 2E-10}, true},
      {"1/0", CDiv, {1, 0}, {0, 0}, {0, 0}, false},
      {"(1+i)/(1-i)", CDiv, {1, 1}, {1, -1}, {0, 1}, true},
      {"0^0", CPower, {0, 0}, {0, 0}, {1, 0}, true},
      // Zero to a power with Re w <= 0 (other than 0^0) has no value, like 1/0.
      {"0^-1", CPower, {0, 0}, {-1, 0}, {0, 0}, false},
      {"0^i", CPower, {0, 0}, {0, 1}, {0, 0}, false},
      {"0^-0.5", CPower, {0, 0}, {-0.5, 0}, {0, 0}, false},
      {"0^(2+i)", CPower, {0, 0}, {2, 1}, {0, 0}, true},
      {"(-4)^0.5", CPower, {-4, 0}, {0.5, 0}, {0, 2}, true},
      {"1E200*1E200", CMul, {1E200, 0}, {1E200, 0}, {0, 0}, false},
  };
  for (const auto& c : cases) {
    TComplex out{99, 99};
    EXPECT_EQ(c.op(c.a, c.b, out), c.ok) << c.name;
    EXPECT_EQ(out.Re, c.expected.Re) << c.name;
    EXPECT_EQ(out.Im, c.expected.Im) << c.name;
  }
}

TEST(Complex, OutputMayAliasInput) {
  TComplex z{0, 1};
  ASSERT_TRUE(CMul(z, z, z));
  EXPECT_EQ(z.Re, -1);
  EXPECT_EQ(z.Im, 0);
}

TEST(Complex, ArgumentAndTidyRules) {
  const Real pi = Pi;
  EXPECT_EQ(CArg({0, 0}), 0);
  EXPECT_EQ(CArg({-1, 0}), pi);
  EXPECT_EQ(CArg({-1, -0.0}), pi);  // -0 imaginary part still gives +pi
  EXPECT_EQ(CArg({0, -2}), -pi / 2);
  EXPECT_EQ(AddTidy(1, 1E-16L), 1);
  EXPECT_EQ(AddTidy(1E-16L, 1), 1);
  EXPECT_EQ(SubTidy(1E-16L, 1), -1);
  EXPECT_EQ(SubTidy(0, 5), -5);
  TComplex z{1, 1E-16};
  Tidy(z);
  EXPECT_EQ(z.Im, 0);
  TComplex small{1E-300, 1E-300};  // equal parts are never negligible
  Tidy(small);
  EXPECT_EQ(small.Re, 1E-300);
  EXPECT_EQ(small.Im, 1E-300);
}

TEST(Complex, ArcSinOfTwoIsComplex) {
  TComplex out;
  ASSERT_TRUE(CArcSin({2, 0}, out));
  EXPECT_NEAR(out.Re, 1.5707963267948966, 1E-15);
  EXPECT_NEAR(std::fabs(out.Im), 1.3169578969248166, 1E-14);
}

TEST(ComplexToStr, Texts) {
  const struct {
    TComplex z;
    const char* text;
  } cases[] = {
      {{0, 0}, "0"},
      {{-0.0, 0}, "0"},
      {{3, 0}, "3"},
      {{0, 1}, "i"},
      {{0, -1}, "-i"},
      {{2, 1}, "2+i"},
      {{2, -1}, "2-i"},
      {{2, 3}, "2+3*i"},
      {{2, -3.5}, "2-3.5*i"},
      {{0, 2}, "2*i"},
      {{-0.5, 0}, "-0.5"},
      {{100, 0}, "100"},
      {{1E20, 0}, "1E20"},
      {{1E15, 0}, "1E15"},
      {{999999999999999, 0}, "999999999999999"},
      {{1E-5, 0}, "1E-5"},
      {{1E-4, 0}, "0.0001"},
      {{1.0 / 3, 0}, "0.333333333333333"},
      {{2.5E-7, 0}, "2.5E-7"},
      {{-1.5E300, 0}, "-1.5E300"},
      {{123.456, 0}, "123.456"},
      {{0.1 + 0.2, 0}, "0.3"},
      {{9.9999999999999999E14, 0}, "1E15"},  // rounding to 15 digits carries over
      {{5E-324, 0}, "4.94065645841247E-324"},
      {{1.7976931348623157E308, 0}, "1.79769313486232E308"},
  };
  for (const auto& c : cases) EXPECT_EQ(ComplexToStr(c.z), c.text) << c.text;
}

// The regions where the plain formulas lost every digit or failed, from
// tiny to huge arguments: right within 1E-13 now, or refused where no double
// value exists.
TEST(Complex, RegionsWhereTheFormulasLoseAreRightOrRefused) {
  using Unary = bool (*)(TComplex, TComplex&);
  const struct {
    const char* name;
    Unary op;
    TComplex z;
    TComplex expected;
    bool ok;
  } cases[] = {
      {"sinh(1E-300)", CSinh, {1E-300, 0}, {1E-300, 0}, true},
      {"tanh(1E-300)", CTanh, {1E-300, 0}, {1E-300, 0}, true},
      {"arsinh(1E-300)", CArSinh, {1E-300, 0}, {1E-300, 0}, true},
      {"artanh(1E-300)", CArTanh, {1E-300, 0}, {1E-300, 0}, true},
      {"sin(1E-300 i)", CSin, {0, 1E-300}, {0, 1E-300}, true},
      {"tan(1E-300 i)", CTan, {0, 1E-300}, {0, 1E-300}, true},
      {"arctan(1E-300 i)", CArcTan, {0, 1E-300}, {0, 1E-300}, true},
      {"coth(1E-16)", CCoth, {1E-16, 0}, {1E16, 0}, true},
      {"sinh(1E-5)", CSinh, {1E-5, 0}, {1.0000000000166667E-5, 0}, true},
      // 1+1E-10 is the double 1.000000000100000008.
      {"arccos(1+1E-10)", CArcCos, {1 + 1E-10, 0}, {0, 1.4142136208675862E-5}, true},
      {"arccot(1E300)", CArcCot, {1E300, 0}, {1E-300, 0}, true},
      {"arcoth(2.5E268)", CArCoth, {2.5E268, 0}, {4E-269, 0}, true},
      {"arcsin(-1E100)", CArcSin, {-1E100, 0}, {-1.5707963267948966, 230.95165647996496}, true},
      {"arsinh(-1E100)", CArSinh, {-1E100, 0}, {-230.95165647996496, 0}, true},
      {"tanh(1E300)", CTanh, {1E300, 0}, {1, 0}, true},
      {"coth(-1E300)", CCoth, {-1E300, 0}, {-1, 0}, true},
      {"sinh(710)", CSinh, {710, 0}, {1.1169973830808557E308, 0}, true},
      {"tan(1000 i)", CTan, {0, 1000}, {0, 1}, true},
      {"cot(-1000 i)", CCot, {0, -1000}, {0, 1}, true},
      {"arcsin(1E200)", CArcSin, {1E200, 0}, {1.5707963267948966, -461.21016577936911}, true},
      {"arcosh(1E200)", CArCosh, {1E200, 0}, {461.21016577936911, 0}, true},
      {"ln(1+1E-10 i)", CLn, {1, 1E-10}, {5E-21, 1E-10}, true},
      {"sin(1E150-1E20 i)", CSin, {1E150, -1E20}, {0, 0}, false},
      {"cos(1E300+1E20 i)", CCos, {1E300, 1E20}, {0, 0}, false},
  };
  for (const auto& c : cases) {
    TComplex out{99, 99};
    EXPECT_EQ(c.op(c.z, out), c.ok) << c.name;
    const double error = std::hypot(out.Re - c.expected.Re, out.Im - c.expected.Im);
    EXPECT_LE(error, 1E-13 * std::hypot(c.expected.Re, c.expected.Im))
        << c.name << ": " << out.Re << " " << out.Im;
  }
}

// Powers with a real whole exponent are exact however large the exponent,
// and x^y is refused where no double value exists.
TEST(Complex, PowersWithWholeExponents) {
  const struct {
    TComplex base, w, expected;
    bool ok;
  } cases[] = {
      {{-1, 0}, {1E15, 0}, {1, 0}, true},
      {{-1, 0}, {1E15 + 1, 0}, {-1, 0}, true},
      {{0, 1}, {1E15 + 2, 0}, {-1, 0}, true},
      {{0, -1}, {4E15 + 3, 0}, {0, 1}, true},
      {{-2, 0}, {1001, 0}, {-std::ldexp(1.0, 1001), 0}, true},
      {{2, 0}, {-1074, 0}, {std::ldexp(1.0, -1074), 0}, true},
      {{-1, 0}, {1E300, 0}, {1, 0}, true},
      {{10, 0}, {400, 0}, {0, 0}, false},
  };
  for (const auto& c : cases) {
    TComplex out{99, 99};
    EXPECT_EQ(CPower(c.base, c.w, out), c.ok) << c.base.Re << "^" << c.w.Re;
    EXPECT_EQ(out.Re, c.expected.Re) << c.base.Re << "^" << c.w.Re;
    EXPECT_EQ(out.Im, c.expected.Im) << c.base.Re << "^" << c.w.Re;
  }
}

}  // namespace
