#include "term/complex.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

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
// three-part Cody-Waite reduction in the extended format does the same within
// a few units in the last extended place. Such a result is used only where it
// is rounded to double and every value within Slack of it rounds to the same
// double: then the library's result, which lies within that slack of it too,
// rounds there as well. Otherwise the library decides. Either way the doubles
// are the library's, bit for bit.

// Relative slack: 2^-58 is 32 to 64 units in the last extended place, far
// above the few units of the reduction and the kernel together.
constexpr Real Slack = 0x1p-58L;
constexpr Real TwoOverPi = 0xa2f9836e4e44152ap-64L;
// pi/2 in three parts. The first two have 43 significant bits, so their
// products with a quotient below 2^21 are exact.
constexpr Real HalfPi1 = 0x6487ed5110bp-42L;
constexpr Real HalfPi2 = 0x4611a626331p-86L;
constexpr Real HalfPi3 = 0x8b80dc1cd129024ep-151L;
constexpr Real QuarterPi = 0.785398163397448309615660845819875721L;
constexpr Real ReductionLimit = 0x1p20L;

// The double y rounds to, when every value within the slack of y rounds to
// it; false when y lies too near the midpoint of two doubles.
bool RoundsSurely(Real y, double& rounded) {
  const Real slack = std::fabs(y) * Slack;
  rounded = static_cast<double>(y);
  return static_cast<double>(y - slack) == rounded && static_cast<double>(y + slack) == rounded;
}

// Sine and cosine of x within a few extended units (relative), for
// pi/4 < |x| <= 2^20; false outside that range, where the library's own
// functions are as fast or the reduction would lose accuracy.
bool NearSinCos(double x, Real* sine, Real* cosine) {
  const Real magnitude = std::fabs(Real(x));
  if (!(magnitude > QuarterPi && magnitude <= ReductionLimit)) return false;
  const long long k = std::llrint(Real(x) * TwoOverPi);
  const Real q = static_cast<Real>(k);
  const Real r = ((x - q * HalfPi1) - q * HalfPi2) - q * HalfPi3;
  // sin(r + k pi/2) and cos(r + k pi/2) by the quadrant k mod 4.
  const unsigned quadrant = static_cast<unsigned>(k) & 3u;
  const bool swap = (quadrant & 1u) != 0;
  if (sine) {
    const Real s = swap ? std::cos(r) : std::sin(r);
    *sine = quadrant >= 2 ? -s : s;
  }
  if (cosine) {
    const Real c = swap ? std::sin(r) : std::cos(r);
    *cosine = (quadrant == 1 || quadrant == 2) ? -c : c;
  }
  return true;
}

double SinRounded(double x) {
  Real near;
  double rounded;
  if (NearSinCos(x, &near, nullptr) && RoundsSurely(near, rounded)) return rounded;
  return static_cast<double>(std::sin(Real(x)));
}

double CosRounded(double x) {
  Real near;
  double rounded;
  if (NearSinCos(x, nullptr, &near) && RoundsSurely(near, rounded)) return rounded;
  return static_cast<double>(std::cos(Real(x)));
}

bool Mul(TComplex a, TComplex b, TComplex& out) {
  // Two reals: the imaginary products are zeros, which leave the negligible-
  // operand rules and the real product untouched.
  if (a.Im == 0 && b.Im == 0 && ExactlyReal(static_cast<double>(Real(a.Re) * b.Re), out))
    return true;
  out = Make(SubTidy(Real(a.Re) * b.Re, Real(a.Im) * b.Im),
             AddTidy(Real(a.Re) * b.Im, Real(a.Im) * b.Re));
  Tidy(out);
  return true;
}

bool Div(TComplex a, TComplex b, TComplex& out) {
  // A real by a nonzero real: the same quotient of the product by the square,
  // with the zero products left out.
  if (a.Im == 0 && b.Im == 0 && b.Re != 0 &&
      ExactlyReal(static_cast<double>(Real(a.Re) * b.Re / (Real(b.Re) * b.Re)), out))
    return true;
  if (CAbs(b) == 0) return Fail(out);
  const Real n = AddTidy(Real(b.Re) * b.Re, Real(b.Im) * b.Im);
  out = Make(AddTidy(Real(a.Re) * b.Re, Real(a.Im) * b.Im) / n,
             SubTidy(Real(a.Im) * b.Re, Real(a.Re) * b.Im) / n);
  Tidy(out);
  return true;
}

bool Exp(TComplex z, TComplex& out) {
  const Real e = std::exp(Real(z.Re));
  // cos 0 is exactly 1, and the sine's zero is tidied away.
  if (z.Im == 0 && ExactlyReal(static_cast<double>(e), out)) return true;
  Real c, s;
  if (!NearSinCos(z.Im, &s, &c) || !RoundsSurely(e * c, out.Re) || !RoundsSurely(e * s, out.Im))
    out = Make(e * std::cos(Real(z.Im)), e * std::sin(Real(z.Im)));
  Tidy(out);
  return true;
}

bool Ln(TComplex z, TComplex& out) {
  const Real modulus = CAbs(z);
  if (modulus == 0) return Fail(out);
  out = Make(std::log(modulus), CArg(z));
  Tidy(out);
  return true;
}

bool Power(TComplex base, TComplex w, TComplex& out) {
  if (CAbs(base) == 0) {
    // 0^0 is 1; every other power of zero is 0, also for a negative exponent.
    out = CAbs(w) == 0 ? TComplex{1, 0} : TComplex{};
    return true;
  }
  TComplex t;
  Ln(base, t);
  Mul(w, t, t);
  Exp(t, out);
  Tidy(out);
  return true;
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
  const TComplex d = Make(SubTidy(p.Re, m.Re), SubTidy(p.Im, m.Im));
  Mul(d, TComplex{0, -0.5}, out);
  Tidy(out);
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
  Tidy(out);
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
  Tidy(out);
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

bool ArcTan(TComplex z, TComplex& out) {
  out = {};
  if (z.Im == 0) {
    out = Make(std::atan(Real(z.Re)), 0);
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

bool ArcSinOrCos(TComplex z, bool arccos, TComplex& out) {
  out = {};
  TComplex w = RootOfOneMinusSquare(z);
  if (arccos) {
    Mul(w, ImagUnit, w);
    w = Make(Real(w.Re) + z.Re, Real(w.Im) + z.Im);
  } else {
    TComplex iz;
    Mul(ImagUnit, z, iz);
    w = Make(Real(w.Re) + iz.Re, Real(w.Im) + iz.Im);
  }
  if (!Ln(w, w)) return Fail(out);
  return Mul(w, MinusImagUnit, out);
}

// ln(z + sqrt(z^2 + 1)) or ln(z + sqrt(z^2 - 1)).
bool ArSinhOrCosh(TComplex z, bool arcosh, TComplex& out) {
  out = {};
  TComplex w;
  Mul(z, z, w);
  w.Re = static_cast<double>(Real(w.Re) + (arcosh ? -1 : 1));
  Power(w, OneHalf, w);
  w = Make(Real(w.Re) + z.Re, Real(w.Im) + z.Im);
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

// What the outside sees: a result that left the double range is an arithmetic
// error and becomes 0 with a false flag.
bool Finish(bool ok, TComplex& out) {
  if (!IsFinite(out)) return Fail(out);
  return ok;
}

}  // namespace

bool IsFinite(TComplex z) { return std::isfinite(z.Re) && std::isfinite(z.Im); }

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
bool CLn(TComplex z, TComplex& out) { return Finish(Ln(z, out), out); }
bool CPower(TComplex base, TComplex w, TComplex& out) { return Finish(Power(base, w, out), out); }
bool CSin(TComplex z, TComplex& out) { return Finish(Sin(z, out), out); }
bool CCos(TComplex z, TComplex& out) { return Finish(Cos(z, out), out); }
bool CTan(TComplex z, TComplex& out) { return Finish(TanOrCot(z, false, out), out); }
bool CCot(TComplex z, TComplex& out) { return Finish(TanOrCot(z, true, out), out); }
bool CSinh(TComplex z, TComplex& out) { return Finish(SinhOrCosh(z, false, out), out); }
bool CCosh(TComplex z, TComplex& out) { return Finish(SinhOrCosh(z, true, out), out); }

bool CTanh(TComplex z, TComplex& out) {
  TComplex s, c;
  SinhOrCosh(z, false, s);
  SinhOrCosh(z, true, c);
  return Finish(Div(s, c, out), out);
}

bool CCoth(TComplex z, TComplex& out) {
  TComplex s, c;
  SinhOrCosh(z, false, s);
  SinhOrCosh(z, true, c);
  return Finish(Div(c, s, out), out);
}

bool CArcSin(TComplex z, TComplex& out) { return Finish(ArcSinOrCos(z, false, out), out); }
bool CArcCos(TComplex z, TComplex& out) { return Finish(ArcSinOrCos(z, true, out), out); }
bool CArcTan(TComplex z, TComplex& out) { return Finish(ArcTan(z, out), out); }

bool CArcCot(TComplex z, TComplex& out) {
  // A failed inverse tangent leaves 0 behind, so the cotangent's result is
  // then pi/2 with a false flag.
  TComplex r;
  const bool ok = ArcTan(z, r);
  out = Make(HalfPi - r.Re, -Real(r.Im));
  return Finish(ok, out);
}

bool CArSinh(TComplex z, TComplex& out) { return Finish(ArSinhOrCosh(z, false, out), out); }
bool CArCosh(TComplex z, TComplex& out) { return Finish(ArSinhOrCosh(z, true, out), out); }
bool CArTanh(TComplex z, TComplex& out) { return Finish(ArTanhOrCoth(z, false, out), out); }
bool CArCoth(TComplex z, TComplex& out) { return Finish(ArTanhOrCoth(z, true, out), out); }

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
      text.append(digits, 0, static_cast<size_t>(e)).append(".").append(digits, static_cast<size_t>(e));
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
