// SPDX-License-Identifier: GPL-3.0-or-later
// The complex operations exactly as their algorithms read, without any fast
// path: every product and quotient goes through the negligible-operand rules
// and every result through tidying. The library's fast paths must give the
// same bits as these on every input.
#pragma once

#include <cmath>

#include "term/complex.h"

namespace plain {

inline constexpr TComplex ImagUnit{0, 1};
inline constexpr TComplex MinusImagUnit{0, -1};
inline constexpr TComplex OneHalf{0.5, 0};

// The raw operations below follow the algorithms exactly and may leave an
// infinity or a NaN in their output when the double range is left on the way.
// They call each other, so that an overflow inside, say, the exponential of a
// sine reaches the sine's result instead of being replaced by a harmless 0;
// only the public wrappers turn such a result into an arithmetic error.

inline TComplex Make(Real re, Real im) {
  return {static_cast<double>(re), static_cast<double>(im)};
}

inline bool Fail(TComplex& out) {
  out = {};
  return false;
}

inline bool Mul(TComplex a, TComplex b, TComplex& out) {
  out = Make(SubTidy(Real(a.Re) * b.Re, Real(a.Im) * b.Im),
             AddTidy(Real(a.Re) * b.Im, Real(a.Im) * b.Re));
  Tidy(out);
  return true;
}

inline bool Div(TComplex a, TComplex b, TComplex& out) {
  if (CAbs(b) == 0) return Fail(out);
  const Real n = AddTidy(Real(b.Re) * b.Re, Real(b.Im) * b.Im);
  out = Make(AddTidy(Real(a.Re) * b.Re, Real(a.Im) * b.Im) / n,
             SubTidy(Real(a.Im) * b.Re, Real(a.Re) * b.Im) / n);
  Tidy(out);
  return true;
}

inline bool Exp(TComplex z, TComplex& out) {
  const Real e = std::exp(Real(z.Re));
  out = Make(e * std::cos(Real(z.Im)), e * std::sin(Real(z.Im)));
  Tidy(out);
  return true;
}

inline bool Ln(TComplex z, TComplex& out) {
  const Real modulus = CAbs(z);
  if (modulus == 0) return Fail(out);
  out = Make(std::log(modulus), CArg(z));
  Tidy(out);
  return true;
}

inline bool Power(TComplex base, TComplex w, TComplex& out) {
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
inline void ExpOfImaginaryMultiples(TComplex z, TComplex& plus, TComplex& minus) {
  Mul(ImagUnit, z, plus);
  Exp(plus, plus);
  Mul(MinusImagUnit, z, minus);
  Exp(minus, minus);
}

inline bool Sin(TComplex z, TComplex& out) {
  if (z.Im == 0) {
    out = Make(std::sin(Real(z.Re)), 0);
  } else {
    TComplex p, m;
    ExpOfImaginaryMultiples(z, p, m);
    const TComplex d = Make(SubTidy(p.Re, m.Re), SubTidy(p.Im, m.Im));
    Mul(d, TComplex{0, -0.5}, out);
  }
  Tidy(out);
  return true;
}

inline bool Cos(TComplex z, TComplex& out) {
  if (z.Im == 0) {
    out = Make(std::cos(Real(z.Re)), 0);
  } else {
    TComplex p, m;
    ExpOfImaginaryMultiples(z, p, m);
    const TComplex s = Make(Real(p.Re) + m.Re, Real(p.Im) + m.Im);
    Mul(s, OneHalf, out);
  }
  Tidy(out);
  return true;
}

// tan = sin/cos and cot = cos/sin; the divisor's exact zero is a failure.
inline bool TanOrCot(TComplex z, bool cot, TComplex& out) {
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
inline bool SinhOrCosh(TComplex z, bool cosh, TComplex& out) {
  TComplex p, m;
  Exp(z, p);
  Exp(TComplex{-z.Re, -z.Im}, m);
  const Real sign = cosh ? 1 : -1;
  out = Make((Real(p.Re) + sign * m.Re) * 0.5L, (Real(p.Im) + sign * m.Im) * 0.5L);
  return true;
}

inline bool ArcTan(TComplex z, TComplex& out) {
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
inline TComplex RootOfOneMinusSquare(TComplex z) {
  TComplex w;
  Mul(z, z, w);
  w = Make(1 - Real(w.Re), -Real(w.Im));
  Power(w, OneHalf, w);
  return w;
}

inline bool ArcSinOrCos(TComplex z, bool arccos, TComplex& out) {
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
inline bool ArSinhOrCosh(TComplex z, bool arcosh, TComplex& out) {
  out = {};
  TComplex w;
  Mul(z, z, w);
  w.Re = static_cast<double>(Real(w.Re) + (arcosh ? -1 : 1));
  Power(w, OneHalf, w);
  w = Make(Real(w.Re) + z.Re, Real(w.Im) + z.Im);
  return Ln(w, out);
}

// ln(a/b)/2 with a = 1+z, b = 1-z (artanh) or a = z+1, b = z-1 (arcoth).
inline bool ArTanhOrCoth(TComplex z, bool arcoth, TComplex& out) {
  TComplex a = Make(1 + Real(z.Re), z.Im);
  const TComplex b = arcoth ? Make(Real(z.Re) - 1, z.Im) : Make(1 - Real(z.Re), -Real(z.Im));
  bool ok = Div(a, b, a);
  if (ok) ok = Ln(a, a);
  out = Make(0.5L * a.Re, 0.5L * a.Im);
  return ok;
}

// What the outside sees: a result that left the double range is an arithmetic
// error and becomes 0 with a false flag.
inline bool Finish(bool ok, TComplex& out) {
  if (!IsFinite(out)) return Fail(out);
  return ok;
}

inline bool CMul(TComplex a, TComplex b, TComplex& out) { return Finish(Mul(a, b, out), out); }
inline bool CDiv(TComplex a, TComplex b, TComplex& out) { return Finish(Div(a, b, out), out); }
inline bool CExp(TComplex z, TComplex& out) { return Finish(Exp(z, out), out); }
inline bool CLn(TComplex z, TComplex& out) { return Finish(Ln(z, out), out); }
inline bool CPower(TComplex base, TComplex w, TComplex& out) {
  return Finish(Power(base, w, out), out);
}
inline bool CSin(TComplex z, TComplex& out) { return Finish(Sin(z, out), out); }
inline bool CCos(TComplex z, TComplex& out) { return Finish(Cos(z, out), out); }
inline bool CTan(TComplex z, TComplex& out) { return Finish(TanOrCot(z, false, out), out); }
inline bool CCot(TComplex z, TComplex& out) { return Finish(TanOrCot(z, true, out), out); }
inline bool CSinh(TComplex z, TComplex& out) { return Finish(SinhOrCosh(z, false, out), out); }
inline bool CCosh(TComplex z, TComplex& out) { return Finish(SinhOrCosh(z, true, out), out); }

inline bool CTanh(TComplex z, TComplex& out) {
  TComplex s, c;
  SinhOrCosh(z, false, s);
  SinhOrCosh(z, true, c);
  return Finish(Div(s, c, out), out);
}

inline bool CCoth(TComplex z, TComplex& out) {
  TComplex s, c;
  SinhOrCosh(z, false, s);
  SinhOrCosh(z, true, c);
  return Finish(Div(c, s, out), out);
}

inline bool CArcSin(TComplex z, TComplex& out) { return Finish(ArcSinOrCos(z, false, out), out); }
inline bool CArcCos(TComplex z, TComplex& out) { return Finish(ArcSinOrCos(z, true, out), out); }
inline bool CArcTan(TComplex z, TComplex& out) { return Finish(ArcTan(z, out), out); }

inline bool CArcCot(TComplex z, TComplex& out) {
  // A failed inverse tangent leaves 0 behind, so the cotangent's result is
  // then pi/2 with a false flag.
  TComplex r;
  const bool ok = ArcTan(z, r);
  out = Make(HalfPi - r.Re, -Real(r.Im));
  return Finish(ok, out);
}

inline bool CArSinh(TComplex z, TComplex& out) { return Finish(ArSinhOrCosh(z, false, out), out); }
inline bool CArCosh(TComplex z, TComplex& out) { return Finish(ArSinhOrCosh(z, true, out), out); }
inline bool CArTanh(TComplex z, TComplex& out) { return Finish(ArTanhOrCoth(z, false, out), out); }
inline bool CArCoth(TComplex z, TComplex& out) { return Finish(ArTanhOrCoth(z, true, out), out); }

}  // namespace plain
