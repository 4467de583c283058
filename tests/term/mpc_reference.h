// SPDX-License-Identifier: GPL-3.0-or-later
// GNU MPC references of the term language's functions, with the branch
// conventions of the system, and the verdict on one computed result.
#pragma once

#include <mpc.h>

#include <cfloat>
#include <cmath>
#include <functional>
#include <vector>

#include "term/complex.h"

namespace mpcref {

inline constexpr mpfr_prec_t Precision = 256;
inline constexpr double Tolerance = 1E-13;

// An MPC number that frees itself.
struct TBig {
  mpc_t v;
  TBig() { mpc_init2(v, Precision); }
  explicit TBig(TComplex z) : TBig() { mpc_set_d_d(v, z.Re, z.Im, MPC_RNDNN); }
  TBig(const TBig&) = delete;
  TBig& operator=(const TBig&) = delete;
  ~TBig() { mpc_clear(v); }
};

// The system's logarithm and root take a negative real with the imaginary
// part -0 as lying above the cut (argument +pi).
inline void SetLog(mpc_ptr r, mpc_srcptr z) {
  TBig t;
  mpc_set(t.v, z, MPC_RNDNN);
  if (mpfr_zero_p(mpc_imagref(t.v))) mpfr_set_zero(mpc_imagref(t.v), 1);
  mpc_log(r, t.v, MPC_RNDNN);
}

inline void SetSqrt(mpc_ptr r, mpc_srcptr z) {
  TBig t;
  mpc_set(t.v, z, MPC_RNDNN);
  if (mpfr_zero_p(mpc_imagref(t.v))) mpfr_set_zero(mpc_imagref(t.v), 1);
  mpc_sqrt(r, t.v, MPC_RNDNN);
}

// The hyperbolic tangent; far from the imaginary axis as s(1 - t)/(1 + t)
// with t = exp(-2sw), s the sign of Re w, where the library would labour on
// an overflowing exponential.
inline void SetTanh(mpc_ptr r, mpc_srcptr w) {
  if (mpfr_cmpabs_ui(mpc_realref(w), 20) <= 0) {
    mpc_tanh(r, w, MPC_RNDNN);
    return;
  }
  const int s = mpfr_sgn(mpc_realref(w));
  if (mpfr_cmpabs_ui(mpc_realref(w), 100000) > 0) {
    mpc_set_si(r, s, MPC_RNDNN);  // e^-200000 is far below the precision
    return;
  }
  TBig t, numerator, denominator;
  mpc_mul_si(t.v, w, -2 * s, MPC_RNDNN);
  mpc_exp(t.v, t.v, MPC_RNDNN);
  mpc_ui_sub(numerator.v, 1, t.v, MPC_RNDNN);
  mpc_add_ui(denominator.v, t.v, 1, MPC_RNDNN);
  mpc_div(r, numerator.v, denominator.v, MPC_RNDNN);
  mpc_mul_si(r, r, s, MPC_RNDNN);
}

// tan z = -i tanh(iz)
inline void SetTan(mpc_ptr r, mpc_srcptr z) {
  TBig w;
  mpc_mul_i(w.v, z, 1, MPC_RNDNN);
  SetTanh(r, w.v);
  mpc_mul_i(r, r, -1, MPC_RNDNN);
}

// r / ln(base), or r * ln(base).
inline void ScaleByLn(mpc_ptr r, unsigned long base, bool divide) {
  mpfr_t l;
  mpfr_init2(l, Precision);
  mpfr_set_ui(l, base, MPFR_RNDN);
  mpfr_log(l, l, MPFR_RNDN);
  if (divide)
    mpc_div_fr(r, r, l, MPC_RNDNN);
  else
    mpc_mul_fr(r, r, l, MPC_RNDNN);
  mpfr_clear(l);
}

using TReference = std::function<void(mpc_ptr, mpc_srcptr)>;

// ln(z + sqrt(z^2 - 1)): the library's inverse hyperbolic cosine a where
// that root is the principal one, which holds right of the imaginary axis and
// on its upper half; elsewhere the other root, giving -a with its angle in
// (-pi, pi].
inline void RefArCosh(mpc_ptr r, mpc_srcptr z) {
  mpc_acosh(r, z, MPC_RNDNN);
  const int re = mpfr_sgn(mpc_realref(z)), im = mpfr_sgn(mpc_imagref(z));
  if (mpfr_zero_p(mpc_realref(r)) || !(re < 0 || (re == 0 && im < 0))) return;
  mpc_neg(r, r, MPC_RNDNN);
  mpfr_t pi;
  mpfr_init2(pi, Precision);
  mpfr_const_pi(pi, MPFR_RNDN);
  mpfr_neg(pi, pi, MPFR_RNDN);
  if (mpfr_cmp(mpc_imagref(r), pi) <= 0) mpfr_neg(mpc_imagref(r), mpc_imagref(r), MPFR_RNDN);
  mpfr_clear(pi);
}

inline void RefArcCot(mpc_ptr r, mpc_srcptr z) {
  // pi/2 - arctan z; for Re z != 0 the same as arctan(1/z) (+ pi for
  // Re z < 0), which does not cancel for large z.
  TBig t;
  if (mpfr_zero_p(mpc_realref(z))) {
    mpc_atan(t.v, z, MPC_RNDNN);
    mpc_neg(t.v, t.v, MPC_RNDNN);
    mpfr_t half;
    mpfr_init2(half, Precision);
    mpfr_const_pi(half, MPFR_RNDN);
    mpfr_div_ui(half, half, 2, MPFR_RNDN);
    mpc_add_fr(r, t.v, half, MPC_RNDNN);
    mpfr_clear(half);
    return;
  }
  mpc_ui_div(t.v, 1, z, MPC_RNDNN);
  mpc_atan(r, t.v, MPC_RNDNN);
  if (mpfr_sgn(mpc_realref(z)) < 0) {
    mpfr_t pi;
    mpfr_init2(pi, Precision);
    mpfr_const_pi(pi, MPFR_RNDN);
    mpc_add_fr(r, r, pi, MPC_RNDNN);
    mpfr_clear(pi);
  }
}

struct TFunction {
  const char* name;
  const char* term;  // in the variable x
  TReference reference;
  // For an inverse function with a branch cut, the function it inverts: a
  // point within rounding of a cut may take a value of either side, or any
  // value that the inverted function maps back to the point.
  TReference inverted;
};

inline std::vector<TFunction> Functions() {
  return {
      {"sqrt", "sqrt(x)", [](mpc_ptr r, mpc_srcptr z) { SetSqrt(r, z); },
       [](mpc_ptr r, mpc_srcptr w) { mpc_sqr(r, w, MPC_RNDNN); }},
      {"exp", "exp(x)", [](mpc_ptr r, mpc_srcptr z) { mpc_exp(r, z, MPC_RNDNN); }, nullptr},
      {"ln", "ln(x)", [](mpc_ptr r, mpc_srcptr z) { SetLog(r, z); },
       [](mpc_ptr r, mpc_srcptr w) { mpc_exp(r, w, MPC_RNDNN); }},
      {"log", "log(x)",
       [](mpc_ptr r, mpc_srcptr z) {
         SetLog(r, z);
         ScaleByLn(r, 10, true);
       },
       [](mpc_ptr r, mpc_srcptr w) {
         TBig t;
         mpc_set(t.v, w, MPC_RNDNN);
         ScaleByLn(t.v, 10, false);
         mpc_exp(r, t.v, MPC_RNDNN);
       }},
      {"sin", "sin(x)", [](mpc_ptr r, mpc_srcptr z) { mpc_sin(r, z, MPC_RNDNN); }, nullptr},
      {"cos", "cos(x)", [](mpc_ptr r, mpc_srcptr z) { mpc_cos(r, z, MPC_RNDNN); }, nullptr},
      {"tan", "tan(x)", [](mpc_ptr r, mpc_srcptr z) { SetTan(r, z); }, nullptr},
      {"cot", "cot(x)",
       [](mpc_ptr r, mpc_srcptr z) {
         SetTan(r, z);
         mpc_ui_div(r, 1, r, MPC_RNDNN);
       },
       nullptr},
      {"re", "re(x)",
       [](mpc_ptr r, mpc_srcptr z) {
         mpc_real(mpc_realref(r), z, MPFR_RNDN);
         mpfr_set_zero(mpc_imagref(r), 1);
       },
       nullptr},
      {"im", "im(x)",
       [](mpc_ptr r, mpc_srcptr z) {
         mpc_imag(mpc_realref(r), z, MPFR_RNDN);
         mpfr_set_zero(mpc_imagref(r), 1);
       },
       nullptr},
      {"abs", "abs(x)",
       [](mpc_ptr r, mpc_srcptr z) {
         mpc_abs(mpc_realref(r), z, MPFR_RNDN);
         mpfr_set_zero(mpc_imagref(r), 1);
       },
       nullptr},
      {"arg", "arg(x)",
       [](mpc_ptr r, mpc_srcptr z) {
         TBig t;
         SetLog(t.v, z);
         mpfr_set(mpc_realref(r), mpc_imagref(t.v), MPFR_RNDN);
         mpfr_set_zero(mpc_imagref(r), 1);
       },
       nullptr},
      {"arcsin", "arcsin(x)", [](mpc_ptr r, mpc_srcptr z) { mpc_asin(r, z, MPC_RNDNN); },
       [](mpc_ptr r, mpc_srcptr w) { mpc_sin(r, w, MPC_RNDNN); }},
      {"arccos", "arccos(x)", [](mpc_ptr r, mpc_srcptr z) { mpc_acos(r, z, MPC_RNDNN); },
       [](mpc_ptr r, mpc_srcptr w) { mpc_cos(r, w, MPC_RNDNN); }},
      {"arctan", "arctan(x)", [](mpc_ptr r, mpc_srcptr z) { mpc_atan(r, z, MPC_RNDNN); },
       [](mpc_ptr r, mpc_srcptr w) { SetTan(r, w); }},
      {"arccot", "arccot(x)", RefArcCot,
       [](mpc_ptr r, mpc_srcptr w) {
         SetTan(r, w);
         mpc_ui_div(r, 1, r, MPC_RNDNN);
       }},
      {"sinh", "sinh(x)", [](mpc_ptr r, mpc_srcptr z) { mpc_sinh(r, z, MPC_RNDNN); }, nullptr},
      {"cosh", "cosh(x)", [](mpc_ptr r, mpc_srcptr z) { mpc_cosh(r, z, MPC_RNDNN); }, nullptr},
      {"tanh", "tanh(x)", [](mpc_ptr r, mpc_srcptr z) { SetTanh(r, z); }, nullptr},
      {"coth", "coth(x)",
       [](mpc_ptr r, mpc_srcptr z) {
         SetTanh(r, z);
         mpc_ui_div(r, 1, r, MPC_RNDNN);
       },
       nullptr},
      {"arsinh", "arsinh(x)", [](mpc_ptr r, mpc_srcptr z) { mpc_asinh(r, z, MPC_RNDNN); },
       [](mpc_ptr r, mpc_srcptr w) { mpc_sinh(r, w, MPC_RNDNN); }},
      {"arcosh", "arcosh(x)", RefArCosh,
       [](mpc_ptr r, mpc_srcptr w) { mpc_cosh(r, w, MPC_RNDNN); }},
      {"artanh", "artanh(x)", [](mpc_ptr r, mpc_srcptr z) { mpc_atanh(r, z, MPC_RNDNN); },
       [](mpc_ptr r, mpc_srcptr w) { SetTanh(r, w); }},
      {"arcoth", "arcoth(x)",
       [](mpc_ptr r, mpc_srcptr z) {
         TBig t;
         mpc_ui_div(t.v, 1, z, MPC_RNDNN);
         mpc_atanh(r, t.v, MPC_RNDNN);
       },
       [](mpc_ptr r, mpc_srcptr w) {
         SetTanh(r, w);
         mpc_ui_div(r, 1, r, MPC_RNDNN);
       }},
      {"h", "h(x)",
       [](mpc_ptr r, mpc_srcptr z) {
         const int s = mpfr_sgn(mpc_realref(z));
         mpc_set_d(r, s > 0 ? 1 : s == 0 ? 0.5 : 0, MPC_RNDNN);
       },
       nullptr},
  };
}

// The outcome of one point: the system's result against the reference.
enum class TVerdict { right, wrong, invalidButRepresentable, validButNotRepresentable };

// Whether the reference is a finite double pair; true values below the normal
// range count as representable.
inline bool Representable(mpc_srcptr ref) {
  for (mpfr_srcptr part : {mpc_realref(ref), mpc_imagref(ref)}) {
    if (!mpfr_number_p(part)) return false;
    if (mpfr_cmp_d(part, DBL_MAX) > 0 || mpfr_cmp_d(part, -DBL_MAX) < 0) return false;
  }
  return true;
}

// Relative error of w against ref (normwise), with an absolute slack of 16
// units of the smallest denormal for true values near the bottom of the range.
inline double RelativeError(TComplex w, mpc_srcptr ref) {
  TBig d(w);
  mpc_sub(d.v, d.v, ref, MPC_RNDNN);
  mpfr_t e, m;
  mpfr_inits2(Precision, e, m, static_cast<mpfr_ptr>(nullptr));
  mpc_abs(e, d.v, MPFR_RNDN);
  mpc_abs(m, ref, MPFR_RNDN);
  mpfr_add_d(m, m, 0x1p-1070 / Tolerance, MPFR_RNDN);
  mpfr_div(e, e, m, MPFR_RNDN);
  const double error = mpfr_get_d(e, MPFR_RNDN);
  mpfr_clears(e, m, static_cast<mpfr_ptr>(nullptr));
  return error;
}

// Close to the double range's end either answer is accepted: rounding decides.
inline bool NearOverflow(mpc_srcptr ref) {
  for (mpfr_srcptr part : {mpc_realref(ref), mpc_imagref(ref)}) {
    if (!mpfr_number_p(part)) continue;
    const double near = std::fabs(mpfr_get_d(part, MPFR_RNDN));
    if (mpfr_cmpabs_ui(part, 1) > 0 && mpfr_get_exp(part) <= 1025 && near > DBL_MAX * (1 - 1E-12))
      return true;
  }
  return false;
}

// Whether f(w) is z within rounding: |f(w) - z| within the tolerance of |z|
// plus |w f'(w)|, the change of f(w) when w moves by its own relative amount.
inline bool MapsBack(TComplex w, TComplex z, const TReference& inverted) {
  TBig a(w), fa, b(w), fb, target(z);
  inverted(fa.v, a.v);
  mpfr_t step;
  mpfr_init2(step, Precision);
  mpfr_set_ui(step, 1, MPFR_RNDN);
  mpfr_add_d(step, step, 0x1p-60, MPFR_RNDN);
  mpc_mul_fr(b.v, b.v, step, MPC_RNDNN);
  mpfr_clear(step);
  inverted(fb.v, b.v);
  mpfr_t miss, slope, size;
  mpfr_inits2(Precision, miss, slope, size, static_cast<mpfr_ptr>(nullptr));
  mpc_sub(fb.v, fb.v, fa.v, MPC_RNDNN);
  mpc_abs(slope, fb.v, MPFR_RNDN);
  mpfr_mul_2si(slope, slope, 60, MPFR_RNDN);
  mpc_abs(size, target.v, MPFR_RNDN);
  mpfr_add(size, size, slope, MPFR_RNDN);
  mpc_sub(fa.v, fa.v, target.v, MPC_RNDNN);
  mpc_abs(miss, fa.v, MPFR_RNDN);
  mpfr_mul_d(size, size, Tolerance, MPFR_RNDN);
  const bool back = mpfr_number_p(miss) && mpfr_cmp(miss, size) <= 0;
  mpfr_clears(miss, slope, size, static_cast<mpfr_ptr>(nullptr));
  return back;
}

// Checks one result against the reference of the point and, for a function
// with a cut, against the values on either side of a cut that the point lies
// within rounding of, or by mapping it back with the inverted function.
inline TVerdict Judge(bool ok, TComplex w, TComplex z, const TReference& reference,
                      const TReference& inverted, double* error) {
  std::vector<TComplex> points{z};
  const double modulus = std::hypot(z.Re, z.Im);
  const bool nearCut =
      inverted && (std::fabs(z.Im) <= 1E-15 * modulus || std::fabs(z.Re) <= 1E-15 * modulus);
  if (nearCut) {
    for (const double sign : {1.0, -1.0}) {
      if (std::fabs(z.Im) <= 1E-15 * modulus) points.push_back({z.Re, sign * 0.0});
      if (std::fabs(z.Re) <= 1E-15 * modulus) points.push_back({sign * 0.0, z.Im});
    }
    if (ok && MapsBack(w, z, inverted)) return TVerdict::right;
  }
  TVerdict verdict = TVerdict::wrong;
  *error = INFINITY;
  for (size_t k = 0; k < points.size(); ++k) {
    TBig a(points[k]), ref;
    reference(ref.v, a.v);
    if (!Representable(ref.v)) {
      if (!ok || NearOverflow(ref.v)) return TVerdict::right;
      if (k == 0) verdict = TVerdict::validButNotRepresentable;
      continue;
    }
    if (!ok) {
      if (NearOverflow(ref.v)) return TVerdict::right;
      if (k == 0) verdict = TVerdict::invalidButRepresentable;
      continue;
    }
    const double e = RelativeError(w, ref.v);
    if (k == 0 || e < *error) *error = e;
    if (e <= Tolerance) return TVerdict::right;
  }
  return verdict;
}

}  // namespace mpcref
