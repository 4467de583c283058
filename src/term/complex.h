// SPDX-License-Identifier: GPL-3.0-or-later
// Complex arithmetic with round-off tidying.
//
// Every value Morvit computes is a TComplex. Operations compute their
// intermediates in the 80-bit extended format (long double) and round only the
// stored components of a result to double. Sums inside products and quotients
// drop an operand that is negligible against the other, and results are tidied
// so that, for instance, i*i is exactly -1 and exp(i*pi) exactly -1.
//
// Operations that would divide by an exact zero or take the logarithm of zero
// return false with the value 0. A result that leaves the double range
// (overflow, or an invalid operation on its way) is an arithmetic error: the
// operation returns false with the value 0 as well, so no TComplex handed out
// ever holds an infinity or a NaN.
#pragma once

#include <cmath>
#include <string>

struct TComplex {
  double Re = 0;
  double Im = 0;
};

using Real = long double;

// Below this ratio one operand or component is negligible against the other.
inline constexpr Real TidyRatio = 1E-15L;
inline constexpr Real Pi = 3.141592653589793238462643383279502884L;
inline constexpr Real HalfPi = Pi / 2;

Real AddTidy(Real a, Real b);
Real SubTidy(Real a, Real b);
void Tidy(TComplex& z);
Real CAbs(TComplex z);
Real CArg(TComplex z);

bool CMul(TComplex a, TComplex b, TComplex& out);
bool CDiv(TComplex a, TComplex b, TComplex& out);
bool CExp(TComplex z, TComplex& out);
bool CLn(TComplex z, TComplex& out);
bool CPower(TComplex base, TComplex w, TComplex& out);
bool CSin(TComplex z, TComplex& out);
bool CCos(TComplex z, TComplex& out);
bool CTan(TComplex z, TComplex& out);
bool CCot(TComplex z, TComplex& out);
bool CSinh(TComplex z, TComplex& out);
bool CCosh(TComplex z, TComplex& out);
bool CTanh(TComplex z, TComplex& out);
bool CCoth(TComplex z, TComplex& out);
bool CArcSin(TComplex z, TComplex& out);
bool CArcCos(TComplex z, TComplex& out);
bool CArcTan(TComplex z, TComplex& out);
bool CArcCot(TComplex z, TComplex& out);
bool CArSinh(TComplex z, TComplex& out);
bool CArCosh(TComplex z, TComplex& out);
bool CArTanh(TComplex z, TComplex& out);
bool CArCoth(TComplex z, TComplex& out);
bool CHeaviside(TComplex z, TComplex& out);

// a + b as the extended sum rounded to double. Where the double sum is exact
// (it gives back both operands) the extended one is that too, and the
// extended format is left out; elsewhere a rounding to the extended format
// before the one to double may decide a tie differently, so it is taken.
inline double SumRounded(double a, double b) {
  const double s = a + b, back = s - a;
  if (back == b && s - back == a) return s;
  return static_cast<double>(Real(a) + b);
}

// The sum and difference of two values, part by part as SumRounded gives
// them (a - b is a + (-b), zeros' signs included).
inline TComplex CAdd(TComplex a, TComplex b) {
  return {SumRounded(a.Re, b.Re), SumRounded(a.Im, b.Im)};
}
inline TComplex CSub(TComplex a, TComplex b) {
  return {SumRounded(a.Re, -b.Re), SumRounded(a.Im, -b.Im)};
}

// True when both components are finite doubles. Inline: every evaluated node
// asks it.
inline bool IsFinite(TComplex z) { return std::isfinite(z.Re) && std::isfinite(z.Im); }

// The value text of a real: at most 15 significant digits, "." as decimal
// point, positional for magnitudes from 1E-4 to below 1E15, otherwise
// scientific such as 1E20 or 2.5E-7.
std::string RealToStr(double x);

// The value text of a complex number: 2+3*i, 2-i, i, -0.5, 0.
std::string ComplexToStr(TComplex z);
