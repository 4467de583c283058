// SPDX-License-Identifier: GPL-3.0-or-later
// Every function of the term language against a multiple-precision reference
// (GNU MPC at 256 bits), over random points on a logarithmic scale from 1E-300
// to 1E300 in both parts and both signs, and near 0, +-1, +-i, the branch cuts
// and the multiples of pi/2. A result must lie within a relative error of
// 1E-13 of the true value wherever that value is a finite double, and must be
// invalid where it is not.
//
// The points per function default to a count that keeps the suite fast; set
// MORVIT_ACCURACY_POINTS for a longer run.
#include <gtest/gtest.h>

#include <cfloat>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "term/compiler.h"
#include "term/evaluator.h"
#include "term/mpc_reference.h"
#include "term/var_table.h"

namespace {

using namespace mpcref;

class TPoints {
 public:
  explicit TPoints(uint64_t seed) : random_(seed) {}

  double Uniform(double from, double to) {
    return std::uniform_real_distribution<double>(from, to)(random_);
  }
  double Sign() { return Uniform(0, 1) < 0.5 ? -1.0 : 1.0; }
  double LogScale() { return Sign() * std::pow(10.0, Uniform(-300, 300)); }

  // One point: a third fully random, the rest a special point moved by a
  // random amount of random size in a random direction, or left exactly.
  TComplex Next() {
    const double pick = Uniform(0, 1);
    if (pick < 0.3) return {LogScale(), LogScale()};
    if (pick < 0.4) return {LogScale(), 0};
    if (pick < 0.5) return {0, LogScale()};
    TComplex c = Special();
    const double move = Uniform(0, 1);
    if (move < 0.15) return c;
    const double size =
        std::pow(10.0, Uniform(-300, 0.5)) * std::max(1.0, std::fabs(c.Re) + std::fabs(c.Im));
    if (move < 0.45) return {c.Re + Sign() * size, c.Im};
    if (move < 0.75) return {c.Re, c.Im + Sign() * size};
    return {c.Re + Sign() * size * Uniform(0, 1), c.Im + Sign() * size * Uniform(0, 1)};
  }

 private:
  TComplex Special() {
    const double pick = Uniform(0, 1);
    if (pick < 0.15) return {0, 0};
    if (pick < 0.3) return {Sign(), 0};
    if (pick < 0.45) return {0, Sign()};
    if (pick < 0.6) {
      // On a cut: real beyond +-1, imaginary beyond +-i, or the segments between.
      const double t = Uniform(0, 1) < 0.5 ? Sign() * (1 + std::pow(10.0, Uniform(-20, 300)))
                                           : Sign() * Uniform(0, 1);
      return Uniform(0, 1) < 0.5 ? TComplex{t, 0} : TComplex{0, t};
    }
    // A multiple of pi/2, small or large, on the real or imaginary axis.
    const double k = Uniform(0, 1) < 0.7 ? std::floor(Uniform(-12, 13))
                                         : Sign() * std::floor(std::pow(10.0, Uniform(0, 15)));
    const double m = static_cast<double>(k * 1.57079632679489661923132169163975144L);
    return Uniform(0, 1) < 0.7 ? TComplex{m, 0} : TComplex{0, m};
  }

  std::mt19937_64 random_;
};

int PointsPerFunction() {
  const char* text = std::getenv("MORVIT_ACCURACY_POINTS");
  const int n = text ? std::atoi(text) : 0;
  return n > 0 ? n : 1500;
}

// Evaluates the compiled term with x (and y) set as given.
bool Evaluate(const TTerm& tree, TVarTable& table, TComplex x, TComplex y, TComplex& v) {
  SetVariable(table, "x", x, x, x);
  SetVariable(table, "y", y, y, y);
  return EvaluateTerm(tree, table, v);
}

std::string Number(double x) {
  char buffer[40];
  std::snprintf(buffer, sizeof buffer, "%.3g", x);
  return buffer;
}

std::string Text(TComplex z) {
  char buffer[80];
  std::snprintf(buffer, sizeof buffer, "%.17g%+.17gi", z.Re, z.Im);
  return buffer;
}

TEST(Accuracy, EveryFunctionIsRightOrRefused) {
  const int n = PointsPerFunction();
  long checked = 0;
  for (const TFunction& f : Functions()) {
    TTerm tree;
    ASSERT_TRUE(CompileTerm(f.term, tree)) << f.term;
    TVarTable table;
    TPoints points(0x5eed + checked);
    const auto start = std::chrono::steady_clock::now();
    int failures = 0;
    for (int k = 0; k < n; ++k) {
      const TComplex z = points.Next();
      TComplex w;
      const bool ok = Evaluate(tree, table, z, {}, w);
      double error;
      const TVerdict verdict = Judge(ok, w, z, f.reference, f.inverted, &error);
      ++checked;
      if (verdict == TVerdict::right) continue;
      if (++failures <= 5)
        ADD_FAILURE() << f.name << "(" << Text(z) << ") = " << (ok ? Text(w) : "invalid")
                      << (verdict == TVerdict::wrong ? " relative error " + Number(error)
                          : verdict == TVerdict::invalidButRepresentable
                              ? " but the value is a double"
                              : " but the value is no double");
    }
    EXPECT_EQ(failures, 0) << f.name << ": " << failures << " of " << n << " points";
    if (std::getenv("MORVIT_ACCURACY_TIMES"))
      std::printf("%s %.3f s\n", f.name,
                  std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
  }
  std::printf("accuracy: %ld points checked\n", checked);
}

// x^y and the logarithm to a base, over pairs of points: exponents that are
// whole reals (small and up to 1E300), halves, and random complex numbers.
TEST(Accuracy, PowersAndLogarithmsToABase) {
  const int n = PointsPerFunction();
  TTerm power, logarithm;
  ASSERT_TRUE(CompileTerm("x^y", power));
  ASSERT_TRUE(CompileTerm("ylg(x)", logarithm));
  TVarTable table;
  TPoints points(4711);
  long checked = 0;
  int powerFailures = 0, logFailures = 0;
  for (int k = 0; k < 2 * n; ++k) {
    const TComplex base = points.Next();
    TComplex exponent;
    const double pick = points.Uniform(0, 1);
    if (pick < 0.3) {
      exponent = {std::floor(points.Uniform(-40, 40)), 0};
    } else if (pick < 0.5) {
      exponent = {std::floor(points.Sign() * std::pow(10.0, points.Uniform(0, 300))), 0};
    } else if (pick < 0.6) {
      exponent = {std::floor(points.Uniform(-40, 40)) + 0.5, 0};
    } else {
      exponent = points.Next();
    }
    // Power: 0^0 = 1, 0^w = 0 for Re w > 0, no value otherwise.
    TComplex w;
    bool ok = Evaluate(power, table, base, exponent, w);
    const auto powerReference = [exponent](mpc_ptr r, mpc_srcptr z) {
      if (mpc_cmp_si(z, 0) == 0) {
        if (exponent.Re == 0 && exponent.Im == 0)
          mpc_set_si(r, 1, MPC_RNDNN);
        else if (exponent.Re > 0)
          mpc_set_si(r, 0, MPC_RNDNN);
        else
          mpc_set_d_d(r, NAN, NAN, MPC_RNDNN);
        return;
      }
      TBig b, e(exponent);
      mpc_set(b.v, z, MPC_RNDNN);
      if (mpfr_zero_p(mpc_imagref(b.v))) mpfr_set_zero(mpc_imagref(b.v), 1);
      mpc_pow(r, b.v, e.v, MPC_RNDNN);
    };
    double error;
    TVerdict verdict = Judge(ok, w, base, powerReference, nullptr, &error);
    // Where |y ln x| exceeds 2^18 the angle of the power depends on digits of
    // ln x beyond the extended format: such a power is refused.
    const double size =
        std::hypot(exponent.Re, exponent.Im) * (std::fabs(std::log(std::hypot(base.Re, base.Im))) +
                                                std::fabs(std::atan2(base.Im, base.Re)));
    if (!ok && size > 0x1p18) verdict = TVerdict::right;
    ++checked;
    if (verdict != TVerdict::right && ++powerFailures <= 8)
      ADD_FAILURE() << "(" << Text(base) << ")^(" << Text(exponent)
                    << ") = " << (ok ? Text(w) : "invalid") << " error " << error << " verdict "
                    << static_cast<int>(verdict);
    // The logarithm of the exponent point to the base point.
    ok = Evaluate(logarithm, table, base, exponent, w);
    const auto logReference = [exponent](mpc_ptr r, mpc_srcptr z) {
      TBig lb, la, a(exponent);
      // ylg(x): the logarithm of x (the point z) to the base y.
      SetLog(la.v, z);
      SetLog(lb.v, a.v);
      if (mpc_cmp_si(lb.v, 0) == 0 || mpc_cmp_si(z, 0) == 0 || mpc_cmp_si(a.v, 0) == 0) {
        mpc_set_d_d(r, NAN, NAN, MPC_RNDNN);
        return;
      }
      mpc_div(r, la.v, lb.v, MPC_RNDNN);
    };
    verdict = Judge(ok, w, base, logReference, nullptr, &error);
    ++checked;
    if (verdict != TVerdict::right && ++logFailures <= 5)
      ADD_FAILURE() << Text(exponent) << " lg " << Text(base) << " = " << (ok ? Text(w) : "invalid")
                    << " error " << error << " verdict " << static_cast<int>(verdict);
  }
  EXPECT_EQ(powerFailures, 0);
  EXPECT_EQ(logFailures, 0);
  std::printf("accuracy: %ld points of powers and logarithms checked\n", checked);
}

}  // namespace
