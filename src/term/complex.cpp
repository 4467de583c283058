// SPDX-License-Identifier: GPL-3.0-or-later
#include "term/complex.h"

#include <bit>
#include <cfloat>
#include <cmath>
#include <complex>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

constexpr TComplex ImagUnit{0, 1};
constexpr TComplex MinusImagUnit{0, -1};
constexpr TComplex OneHalf{0.5, 0};

// The raw operations below follow the algorithms exactly and may leave an
// infinity or a NaN in their output when the double range is left on the way.
// They call each other, so that an overflow inside, say, the exponential of a
// sine reaches the sine's result instead of being replaced by a harmless 0;
// only the public wrappers turn such a result into an arithmetic error.

TComplex Make(Real re, Real im) { return {static_cast<double>(re), static_cast<double>(im)}; }

bool Fail(TComplex& out) {
  out = {};
  return false;
}

// A nonzero finite real result needs no tidying: its imaginary part is a sum
// of zeros, which tidying turns into +0 against a positive modulus, and the
// real part is its whole modulus. Zero and non-finite results take the full
// path, which keeps the signs of zeros and the NaNs exactly.
bool ExactlyReal(double re, TComplex& out) {
  if (re == 0 || !std::isfinite(re)) return false;
  out = {re, 0};
  return true;
}

// Sine and cosine of real arguments.
//
// The library's extended sine and cosine reduce every argument beyond pi/4
// with an exact multi-precision reduction, which costs more than all the rest
// of a typical evaluation. For the arguments plots meet (|x| up to 2^20) a
// three-part Cody-Waite reduction in the extended format and the kernel below
// do the same within a few units in the last extended place. Such a result is
// used only where it is rounded to double and every value within Slack of it
// rounds to the same double: then the library's result, which lies within
// that slack of it too, rounds there as well. Otherwise the library decides.
// Either way the doubles are the library's, bit for bit.

// Relative slack of a value from the reduction and a kernel below: 2^-60 is
// 8 to 16 units in the last extended place, at least twice their few units
// and the library's own together (over millions of arguments the kernels stay
// within 4 units of the library's values).
constexpr Real Slack = 0x1p-60L;
// Of a value composed from several kernels' (a power by products, a root by
// half angles), whose bounds reach 33 units: 2^-58, 32 to 64 units.
constexpr Real CompositeSlack = 0x1p-58L;
constexpr Real TwoOverPi = 0xa2f9836e4e44152ap-64L;
// pi/2 in three parts. The first two have 43 significant bits, so their
// products with a quotient below 2^21 are exact.
constexpr Real HalfPi1 = 0x6487ed5110bp-42L;
constexpr Real HalfPi2 = 0x4611a626331p-86L;
constexpr Real HalfPi3 = 0x8b80dc1cd129024ep-151L;
constexpr Real ReductionLimit = 0x1p20L;

// The double y rounds to, when every value within the slack of y rounds to
// it; false when y lies too near the midpoint of two doubles.
bool RoundsSurely(Real y, double& rounded, Real relativeSlack = Slack) {
  const Real slack = std::fabs(y) * relativeSlack;
  rounded = static_cast<double>(y);
  return static_cast<double>(y - slack) == rounded && static_cast<double>(y + slack) == rounded;
}

// Extended kernels.
//
// The library's extended exponential, logarithm, inverse tangent, sine and
// cosine run in microcoded x87 instructions or long series, and cost more
// than all the arithmetic of a term around them. The kernels below compute
// the same functions in the extended format from a table of nodes and a
// short series, within a few units in the last extended place (relative):
// the node's value and the first term of the series in the extended format,
// the rest of the series, below 2^-14 of the result, in double. Their values
// are used only where RoundsSurely vouches for the double they round to, as
// the reduction above is.

// The nodes, from the library's own extended functions.
struct TKernelNodes {
  Real Sin[52], Cos[52];                  // sin and cos of j/64
  double SinRounded[52], CosRounded[52];  // the same in double
  Real Exp2[64];                          // 2^(j/64)
  Real Log[97], Inv[97];                  // ln m and 1/m for m = 3/4 + j/128
  double InvRounded[97];                  // 1/m in double
  Real Atan[65];                          // arctan(j/64)

  TKernelNodes() {
    for (int j = 0; j < 52; ++j) {
      Sin[j] = std::sin(j * 0x1p-6L);
      Cos[j] = std::cos(j * 0x1p-6L);
      SinRounded[j] = static_cast<double>(Sin[j]);
      CosRounded[j] = static_cast<double>(Cos[j]);
    }
    for (int j = 0; j < 64; ++j) Exp2[j] = std::exp2(j * 0x1p-6L);
    for (int j = 0; j < 97; ++j) {
      const Real m = 0.75L + j * 0x1p-7L;
      Log[j] = std::log(m);
      Inv[j] = 1 / m;
      InvRounded[j] = static_cast<double>(Inv[j]);
    }
    for (int j = 0; j < 65; ++j) Atan[j] = std::atan(j * 0x1p-6L);
  }
};

const TKernelNodes& Nodes() {
  static const TKernelNodes nodes;
  return nodes;
}

// sin and cos of r other than 0 for |r| <= pi/4 (and a little beyond, as a
// reduction may leave it). With r = +-(a + d), a = j/64 and |d| <= 1/128:
//   sin(a + d) = sin a + cos a d + [sin a (cos d - 1) + cos a (sin d - d)]
//   cos(a + d) = cos a - sin a d + [cos a (cos d - 1) - sin a (sin d - d)]
// where the bracket is below 2^-14 of the result (for j = 0 sin r is d plus
// sin d - d, below 2^-16 of d). The series of cos d - 1 and sin d - d stop
// below 2^-70 of the result.
[[gnu::always_inline]] inline void KernelSinCos(Real r, Real* sine, Real* cosine) {
  const TKernelNodes& nodes = Nodes();
  const Real magnitude = std::fabs(r);
  const bool negative = r < 0;  // a zero r takes the library's way
  // The node's index in double, whose conversion is cheap; a node off by a
  // rounding leaves |d| a trifle above 1/128, which the bounds allow for.
  const auto j = static_cast<int>(static_cast<double>(magnitude) * 64 + 0.5);
  // Exact: both lie on the grid of the magnitude's last place.
  const Real d = magnitude - j * 0x1p-6L;
  // The series in pairs of terms, for a short chain of dependent steps.
  const double dd = static_cast<double>(d), d2 = dd * dd, d4 = d2 * d2;
  const double cosMinusOne =
      d2 * (-0.5 + d2 * (1.0 / 24)) + d4 * d2 * (-1.0 / 720 + d2 * (1.0 / 40320));
  const double sinMinusD = dd * d2 * ((-1.0 / 6 + d2 * (1.0 / 120)) + d4 * (-1.0 / 5040));
  const Real s = nodes.Sin[j], c = nodes.Cos[j];
  const double sd = nodes.SinRounded[j], cd = nodes.CosRounded[j];
  if (sine) {
    const Real v = s + (c * d + (sd * cosMinusOne + cd * sinMinusD));
    *sine = negative ? -v : v;
  }
  if (cosine) *cosine = c - (s * d - (cd * cosMinusOne - sd * sinMinusD));
}

// Beyond this magnitude e^x leaves the range of normal doubles.
constexpr double KernelExpLimit = 708;
constexpr Real SixtyFourOverLn2 = 0x2e2a8eca5705fc2fp-55L;
// ln 2 / 64 in two parts; the first has 44 significant bits, so its
// products with a multiple below 2^17 are exact.
constexpr Real Ln2Over64Hi = 0xb17217f7d1dp-50L;
constexpr Real Ln2Over64Lo = -0x8654361c4c67fc0dp-118L;

// e^x for |x| <= KernelExpLimit; false beyond (and for NaN). With
// x = (64 n + j) ln 2 / 64 + r and |r| <= ln 2 / 128:
//   e^x = 2^n 2^(j/64) (1 + r + [r^2/2 + ... + r^7/5040])
// where the bracket is below 2^-16 and its series stops below 2^-75.
[[gnu::always_inline]] inline bool KernelExp(double x, Real& e) {
  if (!(std::fabs(x) <= KernelExpLimit)) return false;
  const double scaled = x * static_cast<double>(SixtyFourOverLn2);
  const auto k = static_cast<long long>(scaled + (scaled >= 0 ? 0.5 : -0.5));
  const Real q = static_cast<Real>(k);
  // The first difference is exact: k ln 2 / 64 lies within a factor of 2 of x.
  const Real r = (x - q * Ln2Over64Hi) - q * Ln2Over64Lo;
  const double rd = static_cast<double>(r);
  // The series in pairs of terms, for a short chain of dependent steps.
  const double r2 = rd * rd, r4 = r2 * r2;
  const double rest = r2 * ((0.5 + rd * (1.0 / 6)) + r2 * (1.0 / 24 + rd * (1.0 / 120)) +
                            r4 * (1.0 / 720 + rd * (1.0 / 5040)));
  const Real node = Nodes().Exp2[k & 63];
  // 2^n as a double: |n| <= 1022.
  const double scale = std::bit_cast<double>(static_cast<uint64_t>((k >> 6) + 1023) << 52);
  e = (node + node * (r + rest)) * scale;
  return true;
}

// ln 2 in two parts; the first has 48 significant bits, so its products with
// every extended exponent are exact.
constexpr Real Ln2Hi = 0xb17217f7d1cfp-48L;
constexpr Real Ln2Lo = 0x79abc9e3b39803f3p-112L;

// ln x for a positive normal x. With x = 2^n m, 3/4 <= m < 3/2,
// m = m_j + d, m_j = 3/4 + j/128 and u = d / m_j:
//   ln x = n ln 2 + ln m_j + u + [ln(1 + u) - u]
// where |u| <= 2^-7.5 and the bracket, below 2^-8 of u, has its first term in
// the extended format; its series stops below 2^-70. Around 1 (m_j = 1,
// n = 0) u is exact; elsewhere |ln x| is at least half of |ln m_j|, so no sum
// cancels.
//
// The logarithm from the node j, the exact offset d and d in double (for the
// series' rest, which needs no more).
[[gnu::always_inline]] inline Real LogFromNode(int n, int j, Real d, double dd) {
  const TKernelNodes& nodes = Nodes();
  const Real u = d * nodes.Inv[j];
  const double ud = dd * nodes.InvRounded[j];
  const Real halfSquare = u * u * 0.5L;
  const double u2 = ud * ud, u4 = u2 * u2;
  const double rest = ud * u2 *
                      ((1.0 / 3 - ud * 0.25) + u2 * (0.2 - ud * (1.0 / 6)) +
                       u4 * ((1.0 / 7 - ud * 0.125) + u2 * (1.0 / 9)));
  const Real big = n * Ln2Hi + nodes.Log[j];
  return big + ((u - halfSquare) + (rest + n * Ln2Lo));
}

// For a positive normal double x, with the exponent, the node and the offset
// taken in double; false otherwise.
[[gnu::always_inline]] inline bool KernelLogOfDouble(double x, Real& l) {
  const auto bits = std::bit_cast<uint64_t>(x);
  const auto biased = static_cast<int>(bits >> 52);
  if (biased == 0 || biased >= 0x7ff) return false;  // zero, denormal, infinite, NaN or negative
  int n = biased - 1023;
  double m = std::bit_cast<double>((bits & 0xfffffffffffffu) | 0x3ff0000000000000u);
  if (m >= 1.5) {
    m *= 0.5;
    ++n;
  }
  const auto j = static_cast<int>((m - 0.75) * 128 + 0.5);
  const double d = m - (0.75 + j * 0x1p-7);  // exact: below 2^-8 on the grid of 2^-53
  l = LogFromNode(n, j, d, d);
  return true;
}

// For a positive extended x whose nearest double is normal; false
// otherwise. ln x is ln of that double plus ln(1 + r), r = (x - double) /
// double, |r| <= 2^-53, which is r - r^2/2 within 2^-159: where the double
// is 1 the sum is that alone, elsewhere |ln x| is at least half of the
// double's logarithm.
[[gnu::always_inline]] inline bool KernelLog(Real x, Real& l) {
  const double nearest = static_cast<double>(x);
  if (!KernelLogOfDouble(nearest, l)) return false;
  const Real r = (x - nearest) / nearest;  // the difference is exact
  l += r - r * r * 0.5L;
  return true;
}

// arctan q for a finite extended q; false otherwise. Beyond 1 it is
// pi/2 - arctan(1/q). With c = j/64 nearest to v = |q| <= 1 and
// u = (v - c) / (1 + v c):
//   arctan v = arctan c + u + [arctan u - u]
// where |u| <= 2^-7, the bracket is below 2^-14 of u and its series stops
// below 2^-70.
[[gnu::always_inline]] inline Real AtanFromNode(int j, Real u) {
  const double ud = static_cast<double>(u), u2 = ud * ud;
  const double rest = ud * u2 * ((-1.0 / 3 + u2 * 0.2) + u2 * u2 * (-1.0 / 7 + u2 * (1.0 / 9)));
  return Nodes().Atan[j] + (u + rest);
}

[[gnu::always_inline]] inline bool KernelAtan(Real q, Real& a) {
  Real v = std::fabs(q);
  if (!(v <= 0x1p16000L)) return false;
  const bool inverted = v > 1;
  if (inverted) v = 1 / v;
  const auto j = static_cast<int>(static_cast<double>(v) * 64 + 0.5);
  const Real c = j * 0x1p-6L;
  Real t = AtanFromNode(j, (v - c) / (1 + v * c));  // the difference is exact
  if (inverted) t = HalfPi - t;
  a = std::signbit(q) ? -t : t;
  return true;
}

// arctan(y/x) of the exact quotient of finite doubles, y and x other than
// 0, which is within a unit of the extended format's last place of arctan of
// the rounded extended quotient. With v = n/d, n and d the smaller and the
// larger magnitude, u = (n - c d) / (d + c n) takes one division, and c d
// (7 and 53 significant bits) and so the difference are exact.
[[gnu::always_inline]] inline bool KernelAtanOfQuotient(double y, double x, Real& a) {
  const double ay = std::fabs(y), ax = std::fabs(x);
  if (!(ay > 0 && ax > 0 && ay <= DBL_MAX && ax <= DBL_MAX)) return false;
  const bool inverted = ay > ax;
  const double n = inverted ? ax : ay, d = inverted ? ay : ax;
  const auto j = static_cast<int>(n / d * 64 + 0.5);
  const Real c = j * 0x1p-6L;
  Real t = AtanFromNode(j, (n - c * d) / (d + c * n));
  if (inverted) t = HalfPi - t;
  a = (y < 0) != (x < 0) ? -t : t;
  return true;
}

// Sine and cosine of x within a few extended units (relative), for
// 0 < |x| <= 2^20; false beyond, where the reduction would lose accuracy.
[[gnu::always_inline]] inline bool NearSinCos(double x, Real* sine, Real* cosine) {
  // Zeros keep their signs the library's way.
  if (!(std::fabs(x) <= static_cast<double>(ReductionLimit)) || x == 0) return false;
  // The quadrant in double, whose conversion is cheap; one off by a rounding
  // leaves |r| a trifle above pi/4, which the kernel allows for.
  const double scaled = x * static_cast<double>(TwoOverPi);
  const auto k = static_cast<long long>(scaled + (scaled >= 0 ? 0.5 : -0.5));
  const Real q = static_cast<Real>(k);
  const Real r = ((x - q * HalfPi1) - q * HalfPi2) - q * HalfPi3;
  // sin(r + k pi/2) and cos(r + k pi/2) by the quadrant k mod 4.
  const unsigned quadrant = static_cast<unsigned>(k) & 3u;
  const bool swap = (quadrant & 1u) != 0;
  Real s, c;
  // The kernel's sine serves the sine in even quadrants, the cosine in odd ones.
  const bool needSine = swap ? cosine != nullptr : sine != nullptr;
  const bool needCosine = swap ? sine != nullptr : cosine != nullptr;
  KernelSinCos(r, needSine ? &s : nullptr, needCosine ? &c : nullptr);
  if (sine) *sine = quadrant >= 2 ? -(swap ? c : s) : (swap ? c : s);
  if (cosine) *cosine = (quadrant == 1 || quadrant == 2) ? -(swap ? s : c) : (swap ? s : c);
  return true;
}

double SinRounded(double x) {
  Real near;
  double rounded;
  if (NearSinCos(x, &near, nullptr) && RoundsSurely(near, rounded)) return rounded;
  return static_cast<double>(std::sin(Real(x)));
}

// CArg rounded to double.
double ArgRounded(TComplex z) {
  // A real's angle is atan(+-0) (the sign of the quotient's zero) or that
  // plus pi.
  if (z.Im == 0 && z.Re > 0) return std::copysign(0.0, z.Im);
  if (z.Im == 0 && z.Re < 0) return static_cast<double>(Pi);
  Real a;
  double rounded;
  if (KernelAtanOfQuotient(z.Im, z.Re, a)) {
    if (z.Re < 0) a = z.Im >= 0 ? a + Pi : a - Pi;
    if (RoundsSurely(a, rounded)) return rounded;
  }
  return static_cast<double>(CArg(z));
}

double AtanRounded(double x) {
  Real a;
  double rounded;
  if (KernelAtan(x, a) && RoundsSurely(a, rounded)) return rounded;
  return static_cast<double>(std::atan(Real(x)));
}

double CosRounded(double x) {
  Real near;
  double rounded;
  if (NearSinCos(x, nullptr, &near) && RoundsSurely(near, rounded)) return rounded;
  return static_cast<double>(std::cos(Real(x)));
}

// The tidying rules without their quotients where products show them clearly
// on one side of the ratio (a factor of 2 or 3 from it, far beyond the
// roundings); the rules themselves decide in between.

// a + b and a - b: neither operand negligible against the other.
inline bool NeitherNegligible(Real a, Real b) {
  constexpr Real Clearly = 2 * TidyRatio;
  const Real fa = std::fabs(a), fb = std::fabs(b);
  return fa >= Clearly * fb && fb >= Clearly * fa && fa > 0 && fb > 0;  // NaN fails
}

inline Real QuickAddTidy(Real a, Real b) { return NeitherNegligible(a, b) ? a + b : AddTidy(a, b); }
inline Real QuickSubTidy(Real a, Real b) { return NeitherNegligible(a, b) ? a - b : SubTidy(a, b); }

// The modulus lies between the larger part and the sum of both, so a part
// above 3E-15 of the other stays; a zero part beside a nonzero one becomes +0,
// and the nonzero one stays (its quotient by the modulus is 1).
inline void QuickTidy(TComplex& z) {
  const double re = std::fabs(z.Re), im = std::fabs(z.Im);
  if (re > 0 && im > 0 && im >= 3E-15 * re && re >= 3E-15 * im) return;  // NaN fails
  if (im == 0 && re > 0) {
    z.Im = 0;
  } else if (re == 0 && im > 0) {
    z.Re = 0;
  } else {
    Tidy(z);
  }
}

bool Mul(TComplex a, TComplex b, TComplex& out) {
  // Two reals: the imaginary products are zeros, which leave the negligible-
  // operand rules and the real product untouched.
  if (a.Im == 0 && b.Im == 0 && ExactlyReal(static_cast<double>(Real(a.Re) * b.Re), out))
    return true;
  // A nonzero real r times a complex c: the products with the real's zero
  // imaginary part are zeros, which the rules leave alone. Where r Im c stays
  // a nonzero double, tidying makes a zero r Re c (of either sign) +0.
  if (a.Im == 0 && b.Im != 0 && a.Re != 0 && IsFinite(b) && std::isfinite(a.Re)) {
    out = {static_cast<double>(Real(a.Re) * b.Re), static_cast<double>(Real(a.Re) * b.Im)};
    if (out.Im != 0) {
      QuickTidy(out);
      return true;
    }
  } else if (b.Im == 0 && a.Im != 0 && b.Re != 0 && IsFinite(a) && std::isfinite(b.Re)) {
    out = {static_cast<double>(Real(a.Re) * b.Re), static_cast<double>(Real(a.Im) * b.Re)};
    if (out.Im != 0) {
      QuickTidy(out);
      return true;
    }
  }
  out = Make(QuickSubTidy(Real(a.Re) * b.Re, Real(a.Im) * b.Im),
             QuickAddTidy(Real(a.Re) * b.Im, Real(a.Im) * b.Re));
  QuickTidy(out);
  return true;
}

bool Div(TComplex a, TComplex b, TComplex& out) {
  // A real by a nonzero real: the same quotient of the product by the square,
  // with the zero products left out.
  if (a.Im == 0 && b.Im == 0 && b.Re != 0 &&
      ExactlyReal(static_cast<double>(Real(a.Re) * b.Re / (Real(b.Re) * b.Re)), out))
    return true;
  if (CAbs(b) == 0) return Fail(out);
  const Real n = QuickAddTidy(Real(b.Re) * b.Re, Real(b.Im) * b.Im);
  out = Make(QuickAddTidy(Real(a.Re) * b.Re, Real(a.Im) * b.Im) / n,
             QuickSubTidy(Real(a.Im) * b.Re, Real(a.Re) * b.Im) / n);
  QuickTidy(out);
  return true;
}

bool Exp(TComplex z, TComplex& out) {
  Real e;
  if (KernelExp(z.Re, e)) {
    if (z.Im == 0) {
      // cos 0 is exactly 1, and the sine's zero is tidied away.
      double re;
      if (RoundsSurely(e, re) && ExactlyReal(re, out)) return true;
    } else {
      Real c, s;
      if (NearSinCos(z.Im, &s, &c) && RoundsSurely(e * c, out.Re) && RoundsSurely(e * s, out.Im)) {
        QuickTidy(out);
        return true;
      }
    }
  }
  // The library decides.
  e = std::exp(Real(z.Re));
  if (z.Im == 0 && ExactlyReal(static_cast<double>(e), out)) return true;
  Real c, s;
  if (!NearSinCos(z.Im, &s, &c) || !RoundsSurely(e * c, out.Re) || !RoundsSurely(e * s, out.Im))
    out = Make(e * std::cos(Real(z.Im)), e * std::sin(Real(z.Im)));
  QuickTidy(out);
  return true;
}

// Inlined into the public operations, which the evaluation of every plotted
// point calls.
[[gnu::always_inline]] inline bool Ln(TComplex z, TComplex& out) {
  const Real modulus = CAbs(z);
  if (modulus == 0) return Fail(out);
  Real l;
  // A real's modulus is its magnitude exactly.
  const bool near = z.Im == 0 ? KernelLogOfDouble(std::fabs(z.Re), l) : KernelLog(modulus, l);
  if (!near || !RoundsSurely(l, out.Re)) out.Re = static_cast<double>(std::log(modulus));
  out.Im = ArgRounded(z);
  QuickTidy(out);
  return true;
}

// x^w for a real x other than 0 and a real w, where the steps below give a
// real number; false where they are to be taken from the start. Where only
// the last rounding is in doubt, the steps go on from w ln x.
//
// For x > 0 they give ln x = (L, 0) with L the rounded ln x, w ln x = (p, 0)
// with p the rounded extended product w L, and e^p, rounded. For x < 0 the
// angle pi rides along: w ln x = (p, w pi) with the same p, and for a whole
// w with |w| <= 4 the product w pi (rounded pi) is exact and e^p (cos, sin)
// of it has a sine below 5E-16 of the cosine, which tidying drops, and a
// cosine of (-1)^w within a unit of the extended format. Tidying leaves L and
// p alone where |L| >= 1E-14, far above 1E-15 of pi.
// e^p for p, the rounded extended product w L of the rounded logarithm L of
// the magnitude, from l, the kernel's logarithm, where the power is a few
// extended operations (w whole up to 4, or 1/2) and |p| <= 6:
//   e^p = magnitude^w e^(p - w ln magnitude)
// whose exponent, below 2^-47, is p - w l within 24 units of the extended
// format's last place and 3 of the product's rounding. False elsewhere.
bool PowerByProducts(Real magnitude, double w, double p, Real l, Real& e) {
  if (!(std::fabs(p) <= 6)) return false;
  Real power;
  if (w == 0.5) {
    power = std::sqrt(magnitude);
  } else {
    const auto whole = static_cast<int>(w);
    if (!(std::fabs(w) <= 4 && whole == w && whole != 0)) return false;
    power = magnitude;
    for (int k = std::abs(whole); k > 1; --k) power *= magnitude;
    if (whole < 0) power = 1 / power;
  }
  e = power + power * (p - Real(w) * l);
  return true;
}

bool RealPower(double x, double w, TComplex& out) {
  double sign = 1;
  if (x < 0) {
    const auto whole = static_cast<int>(w);
    if (!(std::fabs(w) <= 4 && whole == w && whole != 0)) return false;
    sign = (whole & 1) != 0 ? -1 : 1;
  } else if (!(x > 0)) {
    return false;
  }
  Real l, e;
  double logarithm, rounded;
  if (!KernelLogOfDouble(std::fabs(x), l) || !RoundsSurely(l, logarithm)) return false;
  if (!(std::fabs(logarithm) >= (x < 0 ? 1E-14 : 0x1p-1074))) return false;
  const auto p = static_cast<double>(Real(w) * logarithm);
  if (p == 0) return false;
  const bool sure = PowerByProducts(std::fabs(Real(x)), w, p, l, e)
                        ? RoundsSurely(e, rounded, CompositeSlack)
                        : KernelExp(p, e) && RoundsSurely(e, rounded);
  if (sure) {
    out = {sign * rounded, 0};
  } else {
    // The steps from w ln x on: its parts are p and w pi (rounded pi).
    Exp({p, x < 0 ? static_cast<double>(Real(w) * static_cast<double>(Pi)) : 0}, out);
    QuickTidy(out);
  }
  return true;
}

// Whether tidying leaves both parts alone: each above 3E-15 of the other.
bool ClearOfTidying(double a, double b) {
  const double fa = std::fabs(a), fb = std::fabs(b);
  return fa > 0 && fb > 0 && fa >= 3E-15 * fb && fb >= 3E-15 * fa;
}

// pi - Pi, for angles turned by pi whose difference from it matters.
constexpr Real PiLo = -0xece675d1fc8f8cbbp-128L;

// z^(1/2) for z off both axes; false where the steps below are to be taken
// from the start. Where only the last roundings are in doubt, they go on
// from w ln z. They give ln z = (L, t) with L
// the rounded logarithm of the extended modulus M and t the rounded angle,
// halve it exactly, and take e^(L/2) (cos t/2, sin t/2). With L = ln M + d
// and t = phi + f (phi the angle of z), |d| and |f| below 2^-49:
//   e^(L/2) cos(t/2) = A (1 + d/2) - B f/2,   e^(L/2) sin(t/2) = B (1 + d/2) + A f/2
// within 2^-90, where A + iB = sqrt(M) e^(i phi/2) comes from the half-angle
// forms, A = sqrt((M + x)/2) or |y| / (2 sqrt((M - x)/2)) and B = y / (2A),
// within 4 units of the extended format's last place. For |L| <= 3 the
// kernel gives d within 18 units; f it gives within 6 units of the angle's
// distance a from the real axis, which B/A or A/B multiplies by at most
// 1/a: within 6 units of the smaller part.
bool RootByHalfAngles(TComplex z, TComplex& out) {
  const double x = z.Re, y = z.Im;
  if (!(x > 0 || x < 0) || y == 0 || !std::isfinite(y)) return false;
  const Real m = CAbs(z);
  Real l, a;
  double logarithm, angle;
  // Where a kernel's double is not sure, the library's value serves for the
  // step and for the correction alike.
  if (!KernelLog(m, l) || !RoundsSurely(l, logarithm)) {
    l = std::log(m);
    logarithm = static_cast<double>(l);
  }
  if (!(std::fabs(logarithm) <= 3)) return false;
  // The angle as CArg takes it: the inverse tangent of the quotient, turned
  // by pi left of the imaginary axis.
  const Real turn = x > 0 ? 0 : (y > 0 ? Pi : -Pi);
  if (!KernelAtanOfQuotient(y, x, a) || !RoundsSurely(a + turn, angle)) {
    a = std::atan(Real(y) / x);
    angle = static_cast<double>(a + turn);
  }
  if (!ClearOfTidying(logarithm, angle)) return false;
  const Real turnLo = x > 0 ? 0 : (y > 0 ? PiLo : -PiLo);
  const Real halfD = (logarithm - l) * 0.5L, halfF = (((angle - turn) - turnLo) - a) * 0.5L;
  Real re, im;
  if (x > 0) {
    re = std::sqrt((m + x) * 0.5L);
    im = y / (2 * re);
  } else {
    const Real b = std::sqrt((m - x) * 0.5L);
    im = y > 0 ? b : -b;
    re = y / (2 * im);
  }
  if (!RoundsSurely(re + (re * halfD - im * halfF), out.Re, CompositeSlack) ||
      !RoundsSurely(im + (im * halfD + re * halfF), out.Im, CompositeSlack) ||
      !ClearOfTidying(out.Re, out.Im)) {
    // The steps from w ln z = (L/2, t/2) on.
    Exp({logarithm * 0.5, angle * 0.5}, out);
    QuickTidy(out);
  }
  return true;
}

// e^(w ln base) for a base other than 0.
[[gnu::always_inline]] inline bool PowerOfNonzero(TComplex base, TComplex w, TComplex& out) {
  if (base.Im == 0 && w.Im == 0 && RealPower(base.Re, w.Re, out)) return true;
  if (w.Re == 0.5 && w.Im == 0 && RootByHalfAngles(base, out)) return true;
  TComplex t;
  Ln(base, t);
  Mul(w, t, t);
  Exp(t, out);
  QuickTidy(out);
  return true;
}

bool Power(TComplex base, TComplex w, TComplex& out) {
  if (CAbs(base) == 0) {
    // 0^0 is 1; every other power of zero is 0, also for a negative exponent.
    out = CAbs(w) == 0 ? TComplex{1, 0} : TComplex{};
    return true;
  }
  return PowerOfNonzero(base, w, out);
}

// e^(iz) and e^(-iz), shared by the sine and the cosine.
void ExpOfImaginaryMultiples(TComplex z, TComplex& plus, TComplex& minus) {
  Mul(ImagUnit, z, plus);
  Exp(plus, plus);
  Mul(MinusImagUnit, z, minus);
  Exp(minus, minus);
}

bool Sin(TComplex z, TComplex& out) {
  if (z.Im == 0) {
    // Tidying a component beside +0 changes nothing.
    out = {SinRounded(z.Re), 0};
    return true;
  }
  TComplex p, m;
  ExpOfImaginaryMultiples(z, p, m);
  const TComplex d = Make(QuickSubTidy(p.Re, m.Re), QuickSubTidy(p.Im, m.Im));
  Mul(d, TComplex{0, -0.5}, out);
  QuickTidy(out);
  return true;
}

bool Cos(TComplex z, TComplex& out) {
  if (z.Im == 0) {
    out = {CosRounded(z.Re), 0};
    return true;
  }
  TComplex p, m;
  ExpOfImaginaryMultiples(z, p, m);
  const TComplex s = Make(Real(p.Re) + m.Re, Real(p.Im) + m.Im);
  Mul(s, OneHalf, out);
  QuickTidy(out);
  return true;
}

// tan = sin/cos and cot = cos/sin; the divisor's exact zero is a failure.
bool TanOrCot(TComplex z, bool cot, TComplex& out) {
  TComplex s, c;
  Sin(z, s);
  Cos(z, c);
  const TComplex& divisor = cot ? s : c;
  if (CAbs(divisor) == 0) return Fail(out);
  Div(cot ? c : s, divisor, out);
  QuickTidy(out);
  return true;
}

// (e^z - e^-z)/2 or (e^z + e^-z)/2 in plain arithmetic, not tidied.
bool SinhOrCosh(TComplex z, bool cosh, TComplex& out) {
  TComplex p, m;
  Exp(z, p);
  Exp(TComplex{-z.Re, -z.Im}, m);
  const Real sign = cosh ? 1 : -1;
  out = Make((Real(p.Re) + sign * m.Re) * 0.5L, (Real(p.Im) + sign * m.Im) * 0.5L);
  return true;
}

[[gnu::always_inline]] inline bool ArcTan(TComplex z, TComplex& out) {
  out = {};
  if (z.Im == 0) {
    out = {AtanRounded(z.Re), 0};
    return true;
  }
  TComplex u, a, b;
  Mul(ImagUnit, z, u);
  if (!Ln(Make(1 + Real(u.Re), u.Im), a)) return Fail(out);
  if (!Ln(Make(1 - Real(u.Re), -Real(u.Im)), b)) return Fail(out);
  return Div(Make(Real(a.Re) - b.Re, Real(a.Im) - b.Im), TComplex{0, 2}, out);
}

// The common head of the inverse sine and cosine: sqrt(1 - z^2).
TComplex RootOfOneMinusSquare(TComplex z) {
  TComplex w;
  Mul(z, z, w);
  w = Make(1 - Real(w.Re), -Real(w.Im));
  Power(w, OneHalf, w);
  return w;
}

// Whether the sum s of a and b lost more than 9 bits: |s| below 1/512 of
// |a| + |b| (compared squared).
bool Cancelled(TComplex a, TComplex b, TComplex s) {
  const Real scale = Real(a.Re) * a.Re + Real(a.Im) * a.Im + Real(b.Re) * b.Re + Real(b.Im) * b.Im;
  return (Real(s.Re) * s.Re + Real(s.Im) * s.Im) * 0x1p18L < scale;
}

// cancelled (when given) tells whether the logarithm's argument cancelled.
bool ArcSinOrCos(TComplex z, bool arccos, TComplex& out, bool* cancelled = nullptr) {
  out = {};
  TComplex w = RootOfOneMinusSquare(z);
  TComplex term;
  if (arccos) {
    Mul(w, ImagUnit, w);
    term = z;
  } else {
    Mul(ImagUnit, z, term);
  }
  const TComplex root = w;
  w = Make(Real(w.Re) + term.Re, Real(w.Im) + term.Im);
  if (cancelled) *cancelled = Cancelled(root, term, w);
  if (!Ln(w, w)) return Fail(out);
  return Mul(w, MinusImagUnit, out);
}

// ln(z + sqrt(z^2 + 1)) or ln(z + sqrt(z^2 - 1)).
bool ArSinhOrCosh(TComplex z, bool arcosh, TComplex& out, bool* cancelled = nullptr) {
  out = {};
  TComplex w;
  Mul(z, z, w);
  w.Re = static_cast<double>(Real(w.Re) + (arcosh ? -1 : 1));
  Power(w, OneHalf, w);
  const TComplex root = w;
  w = Make(Real(w.Re) + z.Re, Real(w.Im) + z.Im);
  if (cancelled) *cancelled = Cancelled(root, z, w);
  return Ln(w, out);
}

// ln(a/b)/2 with a = 1+z, b = 1-z (artanh) or a = z+1, b = z-1 (arcoth).
bool ArTanhOrCoth(TComplex z, bool arcoth, TComplex& out) {
  TComplex a = Make(1 + Real(z.Re), z.Im);
  const TComplex b = arcoth ? Make(Real(z.Re) - 1, z.Im) : Make(1 - Real(z.Re), -Real(z.Im));
  bool ok = Div(a, b, a);
  if (ok) ok = Ln(a, a);
  out = Make(0.5L * a.Re, 0.5L * a.Im);
  return ok;
}

// Accurate forms for the regions where a formula above loses its digits.
//
// The formulas are kept wherever they are accurate, so that ordinary results
// stay exactly what they always were. Where they fail (cancellation of
// nearly equal terms for tiny arguments and near branch points, a square or
// an exponential that leaves the double range on the way to a representable
// result, a product whose rounding error is multiplied by a large exponent)
// the C library's complex functions in the extended format take over, with
// the same branches on the cuts. Each public operation below decides by the
// region of its argument, or by a cheap look at the formula's own
// intermediate, which of the two it uses.

using TWide = std::complex<Real>;

TWide Wide(TComplex z) { return {Real(z.Re), Real(z.Im)}; }

Real SquaredModulus(TComplex z) { return Real(z.Re) * z.Re + Real(z.Im) * z.Im; }

// |z - (re + i im)| < radius.
bool Near(TComplex z, Real re, Real im, Real radius) {
  const Real dr = z.Re - re, di = z.Im - im;
  return dr * dr + di * di < radius * radius;
}

// Below this modulus a value computed as the difference of two terms of
// about 1 has lost 6 bits, which quotients such as tanh = sinh/cosh
// multiply by a few units more.
constexpr Real SmallValue = 0x1p-6L;
// A sine or cosine computed from e^(iy) alone (no cancellation) loses only
// where tidying drops the component it consists of.
constexpr Real TidiedValue = 1E-14L;
// Below this modulus an inverse function's logarithm of about 1 + z loses.
constexpr Real TinyArgument = 0x1p-7L;
// Within this distance of a branch point the root of the rounded square
// 1 - z^2 (or z^2 + 1) keeps only half of the digits.
constexpr Real BranchRadius = 0x1p-6L;
// Beyond this modulus the square of the argument leaves the double range.
constexpr Real HugeArgument = 0x1p500L;
// Beyond this real (hyperbolic) or imaginary (circular) part e^|part| leaves
// the double range (ln of the largest double is 709.7827...).
constexpr Real ExponentLimit = 709.78L;
// |w ln base| below which the formula's power is accurate (tidying w ln base
// may drop a component of up to 1E-15 of it, which moves the power by as
// much, relatively), and below which the extended form still is (2^-62 of it
// stays below 6E-14).
constexpr Real PlainPowerLimit = 64;
constexpr Real WidePowerLimit = 0x1p18L;

// For sin, cos, tan and cot of a complex z: e^(+-iz) stays in the double
// range.
bool CircularFormulaServes(TComplex z) { return std::fabs(z.Im) <= ExponentLimit; }

// Tidying the product iz drops an imaginary part below 1E-15 of the real
// one; the formula's result then lacks a term of about |Im z| * scale, which
// matters when it exceeds 5E-14 of the result's modulus.
bool LostImaginaryPart(TComplex z, Real scale, Real modulus) {
  // At z = 0 nothing was dropped (and the ratio has no value).
  const auto absolute = CAbs(z);
  return absolute > 0 && std::fabs(z.Im / absolute) < TidyRatio &&
         std::fabs(z.Im) * scale > 5E-14L * modulus;
}

bool Small(TComplex value, Real limit = SmallValue) {
  return SquaredModulus(value) < limit * limit;
}

// sinh, cosh, tanh and coth: the exponentials' difference cancels only with
// a real part; on the imaginary axis only tidying can lose the value.
Real HyperbolicSmall(TComplex z) { return z.Re == 0 ? TidiedValue : SmallValue; }

// The doubles of an extended result, zeros taken as +0 as the formulas give
// them.
bool Store(TWide w, bool tidy, TComplex& out) {
  out = Make(w.real() + 0, w.imag() + 0);
  if (tidy && IsFinite(out)) QuickTidy(out);
  return true;
}

// sin, cos, sinh and cosh from the real functions of the two parts: neither
// cancellation nor an overflowing intermediate.
TWide WideSin(TComplex z) {
  const Real x = z.Re, y = z.Im;
  return {std::sin(x) * std::cosh(y), std::cos(x) * std::sinh(y)};
}
TWide WideCos(TComplex z) {
  const Real x = z.Re, y = z.Im;
  return {std::cos(x) * std::cosh(y), -std::sin(x) * std::sinh(y)};
}
TWide WideSinh(TComplex z) {
  const Real x = z.Re, y = z.Im;
  return {std::sinh(x) * std::cos(y), std::cosh(x) * std::sin(y)};
}
TWide WideCosh(TComplex z) {
  const Real x = z.Re, y = z.Im;
  return {std::cosh(x) * std::cos(y), std::sinh(x) * std::sin(y)};
}

// ln|z| for z near 1: half of log1p((x-1)(x+1) + y^2), whose first terms are
// exact, where the modulus itself would round the small difference away.
Real LogModulusNearOne(TWide z) {
  const Real x = z.real(), y = z.imag();
  return 0.5L * std::log1p((x - 1) * (x + 1) + y * y);
}

Real LogModulus(TWide z) {
  const Real m = std::norm(z);
  if (m > 0.5L && m < 2) return LogModulusNearOne(z);
  return std::log(std::abs(z));
}

// base^w where |w ln base| is large. A whole real exponent first turns the
// base by a power of i into |arg| <= pi/4, whose power is then exact. The
// result is refused where the extended logarithm no longer fixes its angle
// (|w ln base| above WidePowerLimit) unless its modulus surely overflows or
// underflows.
bool WidePower(TComplex base, TComplex w, TComplex& out) {
  TWide b = Wide(base);
  unsigned quarter = 0;  // base = b * i^quarter
  const bool whole = w.Im == 0 && std::nearbyint(w.Re) == w.Re;
  if (whole) {
    if (std::fabs(base.Im) > std::fabs(base.Re)) {
      quarter = base.Im > 0 ? 1 : 3;
      b = base.Im > 0 ? TWide(base.Im, -Real(base.Re)) : TWide(-Real(base.Im), base.Re);
    } else if (base.Re < 0) {
      quarter = 2;
      b = -b;
    }
  }
  const TWide l(LogModulus(b), std::atan2(b.imag(), b.real()));
  const TWide t = TWide(w.Re, w.Im) * l;
  const Real slack = std::abs(TWide(w.Re, w.Im)) * std::abs(l) * 0x1p-62L;
  if (t.real() - slack > 710) return Fail(out);  // beyond the double range
  if (t.real() + slack < -746) {
    out = {};  // below the smallest double
    return true;
  }
  if (slack > WidePowerLimit * 0x1p-62L) return Fail(out);
  const Real m = std::exp(t.real());
  TWide r(m * std::cos(t.imag()), m * std::sin(t.imag()));
  if (quarter != 0) {
    // i^(quarter n) with n mod 4 taken exactly from the whole exponent.
    const auto n = static_cast<unsigned>(std::fmod(std::fmod(Real(w.Re), 4) + 4, 4));
    for (unsigned k = (quarter * n) & 3u; k > 0; --k) r = TWide(-r.imag(), r.real());
  }
  return Store(r, true, out);
}

// An upper bound of |w| (|ln |base|| + |arg base|), cheap for the common
// powers: the exponent of the larger component bounds the logarithm.
bool PlainPowerIsAccurate(TComplex base, TComplex w) {
  const double size = std::fabs(w.Re) + std::fabs(w.Im);
  // The binary exponent from the bits (a denormal counts as 2^-1075).
  const double larger = std::max(std::fabs(base.Re), std::fabs(base.Im));
  const auto biased = static_cast<int>(std::bit_cast<uint64_t>(larger) >> 52);
  const int exponent = biased == 0 ? 1075 : std::abs(biased - 1023) + 1;
  if (size * (exponent * 0.7 + 3.2) <= static_cast<double>(PlainPowerLimit)) return true;
  const TWide b = Wide(base);
  return size * (std::fabs(std::log(std::abs(b))) + std::fabs(std::arg(b))) <= PlainPowerLimit;
}

// The inverse functions on their cuts take the side the formulas take: the
// inverse sine and cosine of a real beyond +-1 the side of -sign(x) i, the
// inverse hyperbolic sine of an imaginary number beyond +-i the side of
// sign(y).
TWide OnRealCut(TComplex z) {
  if (z.Im == 0 && std::fabs(z.Re) > 1) return {Real(z.Re), std::copysign(Real(0), -Real(z.Re))};
  return Wide(z);
}

bool WideArcSinOrCos(TComplex z, bool arccos, TComplex& out) {
  const TWide w = OnRealCut(z);
  return Store(arccos ? std::acos(w) : std::asin(w), true, out);
}

bool WideArSinh(TComplex z, TComplex& out) {
  TWide w = Wide(z);
  if (z.Re == 0 && std::fabs(z.Im) > 1) w = TWide(std::copysign(Real(0), Real(z.Im)), z.Im);
  return Store(std::asinh(w), true, out);
}

// ln(z + sqrt(z^2 - 1)) is the library's inverse hyperbolic cosine a where
// that root has a non-negative real part, and -a (its angle taken back into
// (-pi, pi]) where it is the other root: left of the imaginary axis and on
// its lower half.
bool WideArCosh(TComplex z, TComplex& out) {
  if (z.Im == 0) {
    const Real x = z.Re;
    if (x >= 1) return Store({std::acosh(x), 0}, true, out);
    if (x <= -1) return Store({-std::acosh(-x), Pi}, true, out);
    return Store({0, std::acos(x)}, true, out);
  }
  TWide a = std::acosh(Wide(z));
  if (z.Re < 0 || (z.Re == 0 && z.Im < 0)) a = -a;
  return Store(a, true, out);
}

// What the outside sees: a result that left the double range is an arithmetic
// error and becomes 0 with a false flag.
bool Finish(bool ok, TComplex& out) {
  if (!IsFinite(out)) return Fail(out);
  return ok;
}

}  // namespace

Real AddTidy(Real a, Real b) {
  const Real s = a + b;
  if (a != 0 && b != 0) {
    if (std::fabs(a / b) < TidyRatio) return b;
    if (std::fabs(b / a) < TidyRatio) return a;
  }
  return s;
}

Real SubTidy(Real a, Real b) {
  const Real d = a - b;
  if (a != 0 && b != 0) {
    if (std::fabs(a / b) < TidyRatio) return -b;
    if (std::fabs(b / a) < TidyRatio) return a;
  }
  return d;
}

void Tidy(TComplex& z) {
  // The imaginary part is examined first, so that a real result carrying a
  // round-off imaginary part becomes exactly real.
  Real modulus = CAbs(z);
  if (!(modulus > 0)) return;
  if (std::fabs(z.Im / modulus) < TidyRatio) z.Im = 0;
  modulus = CAbs(z);
  if (std::fabs(z.Re / modulus) < TidyRatio) z.Re = 0;
}

Real CAbs(TComplex z) { return std::sqrt(Real(z.Re) * z.Re + Real(z.Im) * z.Im); }

Real CArg(TComplex z) {
  if (z.Re > 0) return std::atan(Real(z.Im) / z.Re);
  if (z.Re < 0) {
    // A negative real has the argument +pi, also with an imaginary part of -0.
    return z.Im >= 0 ? std::atan(Real(z.Im) / z.Re) + Pi : std::atan(Real(z.Im) / z.Re) - Pi;
  }
  if (z.Im > 0) return HalfPi;
  if (z.Im < 0) return -HalfPi;
  return 0;
}

bool CMul(TComplex a, TComplex b, TComplex& out) { return Finish(Mul(a, b, out), out); }
bool CDiv(TComplex a, TComplex b, TComplex& out) { return Finish(Div(a, b, out), out); }
bool CExp(TComplex z, TComplex& out) { return Finish(Exp(z, out), out); }

bool CLn(TComplex z, TComplex& out) {
  // Near 1 the modulus rounds the small logarithm's real part away.
  if (std::fabs(z.Re - 1) < 0x1p-17 && std::fabs(z.Im) < 0x1p-17) {
    Store({LogModulusNearOne(Wide(z)), CArg(z)}, true, out);
    return Finish(true, out);
  }
  return Finish(Ln(z, out), out);
}

bool CPower(TComplex base, TComplex w, TComplex& out) {
  if (base.Re == 0 && base.Im == 0) {
    // 0^0 is 1 and 0^w is 0 while Re w > 0; any other power of zero has no
    // value, like 1/0.
    if (w.Re == 0 && w.Im == 0) {
      out = {1, 0};
      return true;
    }
    if (w.Re > 0) {
      out = {};
      return true;
    }
    return Fail(out);
  }
  if (PlainPowerIsAccurate(base, w)) return Finish(PowerOfNonzero(base, w, out), out);
  return Finish(WidePower(base, w, out), out);
}

bool CSin(TComplex z, TComplex& out) {
  // The difference of e^iz and e^-iz cancels near the zeros of the sine, and
  // the exponentials overflow before the sine does.
  if (z.Im == 0) {
    // The real sine, as the formula's own first step gives it.
    out = {SinRounded(z.Re), 0};
    return Finish(true, out);
  }
  if (CircularFormulaServes(z) && (Sin(z, out), !Small(out)) &&
      !LostImaginaryPart(z, 1, std::sqrt(SquaredModulus(out))))
    return Finish(true, out);
  return Finish(Store(WideSin(z), true, out), out);
}

bool CCos(TComplex z, TComplex& out) {
  if (z.Im == 0) {
    out = {CosRounded(z.Re), 0};
    return Finish(true, out);
  }
  if (CircularFormulaServes(z) && (Cos(z, out), !Small(out)) &&
      !LostImaginaryPart(z, 1, std::sqrt(SquaredModulus(out))))
    return Finish(true, out);
  return Finish(Store(WideCos(z), true, out), out);
}

namespace {

// tan = sin/cos and cot = cos/sin, by the formula while both are accurate;
// the library's tangent otherwise, which also gives +-i where both overflow.
bool TanOrCotChecked(TComplex z, bool cot, TComplex& out) {
  if (z.Im == 0) return TanOrCot(z, cot, out);
  if (CircularFormulaServes(z)) {
    TComplex s, c;
    Sin(z, s);
    Cos(z, c);
    // tan(x + iy) differs from tan x by about y / cos^2 x.
    if (!Small(s) && !Small(c) &&
        !LostImaginaryPart(z, 1, std::sqrt(SquaredModulus(s) * SquaredModulus(c))))
      return TanOrCot(z, cot, out);
  }
  const TWide t = std::tan(Wide(z));
  return Store(cot ? Real(1) / t : t, true, out);
}

}  // namespace

bool CTan(TComplex z, TComplex& out) { return Finish(TanOrCotChecked(z, false, out), out); }
bool CCot(TComplex z, TComplex& out) { return Finish(TanOrCotChecked(z, true, out), out); }

namespace {

// sinh and cosh by the formula unless the exponentials overflow or their
// difference cancels (a real part is needed for that); not tidied.
bool SinhOrCoshChecked(TComplex z, bool cosh, TComplex& out) {
  if (std::fabs(z.Re) <= ExponentLimit &&
      (SinhOrCosh(z, cosh, out), !Small(out, HyperbolicSmall(z)) || (z.Re == 0 && z.Im == 0)))
    return true;
  return Store(cosh ? WideCosh(z) : WideSinh(z), false, out);
}

}  // namespace

bool CSinh(TComplex z, TComplex& out) { return Finish(SinhOrCoshChecked(z, false, out), out); }
bool CCosh(TComplex z, TComplex& out) { return Finish(SinhOrCoshChecked(z, true, out), out); }

namespace {

// tanh = sinh/cosh and coth = cosh/sinh while both are accurate; the
// library's hyperbolic tangent otherwise, which gives +-1 far out.
bool TanhOrCoth(TComplex z, bool coth, TComplex& out) {
  TComplex s, c;
  SinhOrCosh(z, false, s);
  SinhOrCosh(z, true, c);
  const Real small = HyperbolicSmall(z);
  if (std::fabs(z.Re) <= ExponentLimit &&
      ((!Small(s, small) && !Small(c, small)) || (z.Re == 0 && z.Im == 0)))
    return coth ? Div(c, s, out) : Div(s, c, out);
  const TWide t = std::tanh(Wide(z));
  return Store(coth ? Real(1) / t : t, true, out);
}

}  // namespace

bool CTanh(TComplex z, TComplex& out) { return Finish(TanhOrCoth(z, false, out), out); }
bool CCoth(TComplex z, TComplex& out) { return Finish(TanhOrCoth(z, true, out), out); }

namespace {

// The inverse sine and cosine: the formula except near the branch points
// +-1, for tiny complex arguments of the sine, for huge ones and where the
// logarithm's argument cancels.
bool ArcSinOrCosChecked(TComplex z, bool arccos, TComplex& out) {
  const bool wide = Near(z, 1, 0, BranchRadius) || Near(z, -1, 0, BranchRadius) ||
                    (!arccos && SquaredModulus(z) < TinyArgument * TinyArgument) ||
                    SquaredModulus(z) > HugeArgument * HugeArgument;
  bool cancelled = false;
  if (!wide) {
    const bool ok = ArcSinOrCos(z, arccos, out, &cancelled);
    if (!cancelled) return ok;
  }
  return WideArcSinOrCos(z, arccos, out);
}

}  // namespace

bool CArcSin(TComplex z, TComplex& out) { return Finish(ArcSinOrCosChecked(z, false, out), out); }
bool CArcCos(TComplex z, TComplex& out) { return Finish(ArcSinOrCosChecked(z, true, out), out); }

bool CArcTan(TComplex z, TComplex& out) {
  if (z.Im == 0) {
    // The real inverse tangent, as the formula's own first step gives it.
    out = {AtanRounded(z.Re), 0};
    return Finish(true, out);
  }
  // ln(1 + iz) - ln(1 - iz) cancels for a tiny complex z.
  if (SquaredModulus(z) < TinyArgument * TinyArgument)
    return Finish(Store(std::atan(Wide(z)), true, out), out);
  return Finish(ArcTan(z, out), out);
}

bool CArcCot(TComplex z, TComplex& out) {
  // Right of the imaginary axis and far out pi/2 - arctan z cancels: there it
  // is arctan(1/z), and on the imaginary axis 0 (above) or pi (below) with
  // the imaginary part -artanh(1/y). A real part negligible against the
  // imaginary one counts as on the axis, as in the inverse tangent.
  const auto absolute = CAbs(z);
  const bool onAxis = absolute > 0 && std::fabs(z.Re / absolute) < TidyRatio;
  if ((onAxis || z.Re > 0) && SquaredModulus(z) > 64 * 64) {
    if (onAxis)
      return Finish(Store({z.Im > 0 ? 0 : Pi, -std::atanh(1 / Real(z.Im))}, false, out), out);
    return Finish(Store(std::atan(Real(1) / Wide(z)), false, out), out);
  }
  // A failed inverse tangent leaves 0 behind, so the cotangent's result is
  // then pi/2 with a false flag.
  TComplex r;
  const bool ok = ArcTan(z, r);
  out = Make(HalfPi - r.Re, -Real(r.Im));
  return Finish(ok, out);
}

namespace {

// The inverse hyperbolic sine and cosine: the formula except near the branch
// points (+-i, +-1), for tiny arguments of the sine, for huge ones and where
// the logarithm's argument cancels.
bool ArSinhOrCoshChecked(TComplex z, bool arcosh, TComplex& out) {
  const bool wide = (arcosh ? Near(z, 1, 0, BranchRadius) || Near(z, -1, 0, BranchRadius) ||
                                  // z^2 underflows: z - 1 loses the side of the cut
                                  SquaredModulus(z) < 1 / (HugeArgument * HugeArgument)
                            : Near(z, 0, 1, BranchRadius) || Near(z, 0, -1, BranchRadius) ||
                                  SquaredModulus(z) < TinyArgument * TinyArgument) ||
                    SquaredModulus(z) > HugeArgument * HugeArgument;
  bool cancelled = false;
  if (!wide) {
    const bool ok = ArSinhOrCosh(z, arcosh, out, &cancelled);
    if (!cancelled) return ok;
  }
  return arcosh ? WideArCosh(z, out) : WideArSinh(z, out);
}

}  // namespace

bool CArSinh(TComplex z, TComplex& out) { return Finish(ArSinhOrCoshChecked(z, false, out), out); }
bool CArCosh(TComplex z, TComplex& out) { return Finish(ArSinhOrCoshChecked(z, true, out), out); }

namespace {

// The library's inverse hyperbolic tangent with the formula's side of the
// cut: a real beyond +-1 has +i pi/2.
bool WideArTanh(TWide w, TComplex& out) {
  if (w.imag() == 0) w = TWide(w.real(), 0);
  return Store(std::atanh(w), true, out);
}

// Far from 0 the quotient (1 + z)/(1 - z) lies near -1, and tidying its tiny
// imaginary part can move it to the other side of the logarithm's cut.
constexpr Real FarArgument = 0x1p40L;

// Close to the cut the quotient's imaginary part, about 2 Im z / |1 - z|^2
// against a modulus of |1 + z| / |1 - z|, falls under the tidy ratio: the
// formula then takes the cut's value although z lies off it.
bool QuotientLeavesCut(TComplex z) {
  if (z.Im == 0) return false;
  const Real plus = SquaredModulus({z.Re + 1, z.Im}), minus = SquaredModulus({z.Re - 1, z.Im});
  return Real(z.Im) * z.Im < 1E-28L * plus * minus;
}

}  // namespace

bool CArTanh(TComplex z, TComplex& out) {
  // ln((1 + z)/(1 - z)) of a quotient near 1 loses for a tiny z.
  const Real m = SquaredModulus(z);
  if ((m > 0 && m < TinyArgument * TinyArgument) || m > FarArgument * FarArgument ||
      QuotientLeavesCut(z))
    return Finish(WideArTanh(Wide(z), out), out);
  return Finish(ArTanhOrCoth(z, false, out), out);
}

bool CArCoth(TComplex z, TComplex& out) {
  // (z + 1)/(z - 1) rounds to 1 far out, and lies near -1 close to 0: there
  // arcoth z is artanh(1/z).
  const Real m = SquaredModulus(z);
  if (m > 128 * 128 || (m > 0 && m < 1 / (FarArgument * FarArgument)) || QuotientLeavesCut(z))
    return Finish(WideArTanh(z.Im == 0 ? TWide(1 / Real(z.Re), 0) : Real(1) / Wide(z), out), out);
  return Finish(ArTanhOrCoth(z, true, out), out);
}

bool CHeaviside(TComplex z, TComplex& out) {
  out = {z.Re > 0 ? 1.0 : (z.Re == 0 ? 0.5 : 0.0), 0};
  return true;
}

std::string RealToStr(double x) {
  if (x == 0 || !std::isfinite(x)) return "0";
  // %.14e rounds to 15 significant digits; only the digits and the exponent
  // are taken from it, so the locale's decimal point plays no part.
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.14e", x);
  std::string digits;
  const char* p = buffer;
  for (; *p != 'e' && *p != 'E' && *p != 0; ++p)
    if (*p >= '0' && *p <= '9') digits += *p;
  const int exponent = *p != 0 ? std::atoi(p + 1) : 0;  // value = d.ddd x 10^exponent
  while (digits.size() > 1 && digits.back() == '0') digits.pop_back();

  std::string text = x < 0 ? "-" : "";
  const int e = exponent + 1;  // value = 0.ddd x 10^e
  if (e >= -3 && e <= 15) {
    if (e <= 0) {
      text.append("0.").append(static_cast<size_t>(-e), '0').append(digits);
    } else if (digits.size() <= static_cast<size_t>(e)) {
      text.append(digits).append(static_cast<size_t>(e) - digits.size(), '0');
    } else {
      text.append(digits, 0, static_cast<size_t>(e))
          .append(".")
          .append(digits, static_cast<size_t>(e));
    }
  } else {
    text.append(digits, 0, 1);
    if (digits.size() > 1) text.append(".").append(digits, 1);
    text.append("E").append(std::to_string(exponent));
  }
  return text;
}

std::string ComplexToStr(TComplex z) {
  std::string text;
  if (z.Re != 0 || z.Im == 0) text = RealToStr(z.Re);
  if (z.Im > 0) {
    if (z.Re != 0) text += "+";
    text.append(z.Im == 1 ? "i" : RealToStr(z.Im).append("*i"));
  } else if (z.Im < 0) {
    text.append(z.Im == -1 ? "-i" : RealToStr(z.Im).append("*i"));
  }
  return text;
}
