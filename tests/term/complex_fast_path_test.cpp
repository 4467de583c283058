// SPDX-License-Identifier: GPL-3.0-or-later
// The fast paths of the complex operations against the plain algorithms, bit
// for bit, on millions of operands: reals (with +0 and -0 imaginary parts),
// zeros of both signs, denormals, operands near the double range's ends and
// ordinary complex numbers. Where an operation leaves the plain algorithm
// because that loses its digits, the plain result must indeed be off: by more
// than 1E-15 from the multiple-precision reference, a value where none
// exists, or no value where one does.
#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "term/complex.h"
#include "term/mpc_reference.h"
#include "term/plain_complex.h"

namespace {

class OperandSource {
 public:
  explicit OperandSource(uint64_t seed) : random_(seed) {}

  double Component() {
    const double sign = Uniform(0, 1) < 0.5 ? -1.0 : 1.0;
    const double pick = Uniform(0, 1);
    if (pick < 0.2) return sign * 0.0;
    if (pick < 0.35) return static_cast<double>(static_cast<int>(Uniform(-6, 6)));
    if (pick < 0.45) {
      constexpr double special[] = {1E-15,
                                    1E-16,
                                    0.5,
                                    3.141592653589793,
                                    1.5707963267948966,
                                    1E154,
                                    1E200,
                                    1E300,
                                    std::numeric_limits<double>::max(),
                                    std::numeric_limits<double>::min(),
                                    std::numeric_limits<double>::denorm_min(),
                                    4.9E-320,
                                    709.78,
                                    710,
                                    1E-160};
      return sign * special[static_cast<size_t>(Uniform(0, std::size(special) - 0.001))];
    }
    if (pick < 0.75) return sign * Uniform(0, 10);
    return sign * Uniform(1, 10) * std::pow(10.0, std::floor(Uniform(-320, 308)));
  }

  TComplex Operand() {
    const double re = Component();
    // Half of all operands are real, as every grid point of a plotted surface is.
    if (Uniform(0, 1) < 0.5) return {re, Uniform(0, 1) < 0.5 ? 0.0 : -0.0};
    return {re, Component()};
  }

 private:
  double Uniform(double from, double to) {
    return std::uniform_real_distribution<double>(from, to)(random_);
  }
  std::mt19937_64 random_;
};

bool SameBits(TComplex a, TComplex b) {
  return std::bit_cast<uint64_t>(a.Re) == std::bit_cast<uint64_t>(b.Re) &&
         std::bit_cast<uint64_t>(a.Im) == std::bit_cast<uint64_t>(b.Im);
}

using Unary = bool (*)(TComplex, TComplex&);
using Binary = bool (*)(TComplex, TComplex, TComplex&);

struct UnaryPair {
  const char* name;
  Unary fast;
  Unary reference;
  int operands;
};

struct BinaryPair {
  const char* name;
  Binary fast;
  Binary reference;
  int operands;
};

// How a replaced plain result compares with its replacement.
enum class TChange { repair, luckyPlain, worse };

// A replacement must repair a plain result that was off: a value where none
// exists, no value where one does, or more than 1E-15 from the true value.
// Within rounding of an inverse function's cut either side's value is right.
// A plain result that happened to be within 1E-15 in a region where the
// formula loses (lucky) may be replaced by one at least as close.
TChange Classify(const mpcref::TReference& reference, const mpcref::TReference& inverted,
                 TComplex z, bool plainOk, TComplex plain, bool ok, TComplex value) {
  mpcref::TBig a(z), exact;
  reference(exact.v, a.v);
  if (!mpcref::Representable(exact.v)) return plainOk ? TChange::repair : TChange::worse;
  if (!plainOk) return TChange::repair;
  const double modulus = std::hypot(z.Re, z.Im);
  if (inverted && (std::fabs(z.Im) <= 1E-15 * modulus || std::fabs(z.Re) <= 1E-15 * modulus))
    return TChange::repair;
  const double before = mpcref::RelativeError(plain, exact.v);
  const double after = ok ? mpcref::RelativeError(value, exact.v) : INFINITY;
  if (after > std::max(before, 1E-15)) return TChange::worse;
  return before > 1E-15 ? TChange::repair : TChange::luckyPlain;
}

TChange Classify(const char* name, TComplex z, bool plainOk, TComplex plain, bool ok,
                 TComplex value) {
  static const std::vector<mpcref::TFunction> functions = mpcref::Functions();
  for (const mpcref::TFunction& f : functions)
    if (std::string(f.name) == name)
      return Classify(f.reference, f.inverted, z, plainOk, plain, ok, value);
  return TChange::worse;
}

// Counts of replaced plain results. The reference is costly, so only the
// first Checked replacements of an operation are measured against it.
struct TReplaced {
  static constexpr int Checked = 2000;
  int repaired = 0;
  int lucky = 0;
  int unchecked = 0;
};

// Whether the fast and the plain operation agree on z, flag and bits, or the
// operation replaced a wrong plain result; the first few disagreements are
// reported with their operands. repaired counts the replaced results.
bool SameResult(const UnaryPair& pair, TComplex z, bool report, TReplaced* replaced = nullptr) {
  TComplex fast{7, 7}, reference{7, 7};
  const bool fastOk = pair.fast(z, fast);
  const bool referenceOk = pair.reference(z, reference);
  if (fastOk == referenceOk && SameBits(fast, reference)) return true;
  if (replaced && replaced->repaired + replaced->lucky >= TReplaced::Checked) {
    ++replaced->unchecked;
    return true;
  }
  if (replaced) {
    const TChange change = Classify(pair.name, z, referenceOk, reference, fastOk, fast);
    replaced->repaired += change == TChange::repair;
    replaced->lucky += change == TChange::luckyPlain;
    if (change != TChange::worse) return true;
  }
  if (report)
    ADD_FAILURE() << pair.name << "(" << z.Re << ", " << z.Im << "): " << fast.Re << ", " << fast.Im
                  << " against " << reference.Re << ", " << reference.Im;
  return false;
}

TEST(ComplexFastPath, UnaryOperationsGiveThePlainBits) {
  // Every operation that uses a product, a quotient, an exponential, a sine or
  // a cosine inside.
  const UnaryPair pairs[] = {
      {"exp", CExp, plain::CExp, 400000},          {"sin", CSin, plain::CSin, 400000},
      {"cos", CCos, plain::CCos, 400000},          {"tan", CTan, plain::CTan, 200000},
      {"cot", CCot, plain::CCot, 200000},          {"sinh", CSinh, plain::CSinh, 100000},
      {"cosh", CCosh, plain::CCosh, 100000},       {"tanh", CTanh, plain::CTanh, 100000},
      {"coth", CCoth, plain::CCoth, 100000},       {"arcsin", CArcSin, plain::CArcSin, 100000},
      {"arccos", CArcCos, plain::CArcCos, 100000}, {"arctan", CArcTan, plain::CArcTan, 100000},
      {"arccot", CArcCot, plain::CArcCot, 100000}, {"arsinh", CArSinh, plain::CArSinh, 100000},
      {"arcosh", CArCosh, plain::CArCosh, 100000}, {"artanh", CArTanh, plain::CArTanh, 100000},
      {"arcoth", CArCoth, plain::CArCoth, 100000}, {"ln", CLn, plain::CLn, 100000},
  };
  OperandSource source(20261207);
  for (const UnaryPair& pair : pairs) {
    int differ = 0;
    TReplaced replaced;
    for (int k = 0; k < pair.operands; ++k) {
      const TComplex z = source.Operand();
      differ += !SameResult(pair, z, differ < 3, &replaced);
    }
    EXPECT_EQ(differ, 0) << pair.name;
    // Lucky plain results lie on the borders of the regions the formula
    // loses in; they stay a small share of the replacements.
    EXPECT_LT(replaced.lucky, TReplaced::Checked / 10) << pair.name;
    std::printf("%s: of %d results %d replaced; of those checked %d were off, %d within 1E-15\n",
                pair.name, pair.operands, replaced.repaired + replaced.lucky + replaced.unchecked,
                replaced.repaired, replaced.lucky);
  }
}

TEST(ComplexFastPath, BinaryOperationsGiveThePlainBits) {
  const BinaryPair pairs[] = {
      {"mul", CMul, plain::CMul, 2000000},
      {"div", CDiv, plain::CDiv, 2000000},
      {"power", CPower, plain::CPower, 200000},
  };
  OperandSource source(7);
  for (const BinaryPair& pair : pairs) {
    int differ = 0;
    for (int k = 0; k < pair.operands; ++k) {
      const TComplex a = source.Operand();
      const TComplex b = source.Operand();
      TComplex fast{7, 7}, reference{7, 7};
      const bool fastOk = pair.fast(a, b, fast);
      const bool referenceOk = pair.reference(a, b, reference);
      if (pair.fast == CPower) {
        // Powers keep the plain algorithm where |w| (|ln |a|| + pi) is at
        // most 64 and the base is not 0; the accuracy test covers the rest.
        const double size = (std::fabs(b.Re) + std::fabs(b.Im)) *
                            (std::fabs(std::log(std::hypot(a.Re, a.Im))) + 3.1415926535897932);
        if (!(size <= 64) || (a.Re == 0 && a.Im == 0)) continue;
      }
      if (fastOk != referenceOk || !SameBits(fast, reference)) {
        if (++differ <= 3)
          ADD_FAILURE() << pair.name << "(" << a.Re << ", " << a.Im << "; " << b.Re << ", " << b.Im
                        << "): " << fast.Re << ", " << fast.Im << " against " << reference.Re
                        << ", " << reference.Im;
      }
    }
    EXPECT_EQ(differ, 0) << pair.name;
  }
}

// The cases the fast paths hand back to the full path: signed zeros, results
// that underflow to zero or overflow, and zero divisors.
TEST(ComplexFastPath, BorderOperandsGiveThePlainBits) {
  const double tiny = std::numeric_limits<double>::denorm_min();
  const double huge = std::numeric_limits<double>::max();
  const struct {
    TComplex a, b;
  } rows[] = {
      {{-0.0, 0}, {3, -0.0}},  {{0, -0.0}, {-0.0, -0.0}}, {{tiny, 0}, {tiny, 0}},
      {{huge, 0}, {2, 0}},     {{huge, -0.0}, {0.5, 0}},  {{1, 0}, {0, 0}},
      {{1, 0}, {-0.0, 0}},     {{tiny, 0}, {huge, 0}},    {{1E-300, 0}, {1E300, -0.0}},
      {{-5, -0.0}, {-0.0, 0}}, {{2, 0}, {tiny, 0}},       {{710, 0}, {1, 0}},
  };
  for (const auto& row : rows) {
    for (const BinaryPair& pair :
         {BinaryPair{"mul", CMul, plain::CMul, 1}, BinaryPair{"div", CDiv, plain::CDiv, 1}}) {
      TComplex f, r;
      EXPECT_EQ(pair.fast(row.a, row.b, f), pair.reference(row.a, row.b, r)) << pair.name;
      EXPECT_TRUE(SameBits(f, r)) << pair.name << " " << row.a.Re << " " << row.b.Re;
    }
    for (const UnaryPair& pair :
         {UnaryPair{"exp", CExp, plain::CExp, 1}, UnaryPair{"sin", CSin, plain::CSin, 1},
          UnaryPair{"cos", CCos, plain::CCos, 1}}) {
      TComplex f, r;
      EXPECT_EQ(pair.fast(row.a, f), pair.reference(row.a, r)) << pair.name;
      EXPECT_TRUE(SameBits(f, r)) << pair.name << " " << row.a.Re;
    }
  }
}

}  // namespace

namespace {

// Sines and cosines of reals reduced by the short reduction, and exponentials
// whose imaginary part it reduces: every binade it serves, the doubles next to
// multiples of pi/2 (where the reduced argument is smallest), the grid of the
// benchmark surfaces and the products x*y over it.
TEST(ComplexFastPath, ShortReductionGivesTheLibraryBits) {
  std::vector<double> arguments;
  std::mt19937_64 random(314159);
  std::uniform_real_distribution<double> unit(0, 1);
  for (int k = 0; k < 600000; ++k) {
    const double magnitude = std::ldexp(1 + unit(random), static_cast<int>(unit(random) * 21) - 1);
    arguments.push_back(unit(random) < 0.5 ? -magnitude : magnitude);
  }
  for (long long k = 1; k < 1300000; k = k * 9 / 8 + 1) {
    double near = static_cast<double>(k * 1.5707963267948966192313216916397514L);
    for (int step = 0; step < 4; ++step) near = std::nextafter(near, 0.0);
    for (int step = 0; step < 9; ++step) {
      arguments.push_back(near);
      arguments.push_back(-near);
      near = std::nextafter(near, 1e300);
    }
  }
  for (int row = 0; row < 301; ++row)
    for (int column = 0; column < 301; ++column) {
      const double x = -10 + 20.0 * column / 300, y = -10 + 20.0 * row / 300;
      arguments.push_back(x);
      arguments.push_back(x * y);
    }
  for (const double limit : {0x1p20, 0.7853981633974483, 0.7853981633974484, 1.5707963267948966})
    for (const double a : {limit, std::nextafter(limit, 0.0), std::nextafter(limit, 1e300)}) {
      arguments.push_back(a);
      arguments.push_back(-a);
    }

  const UnaryPair pairs[] = {
      {"sin", CSin, plain::CSin, 0}, {"cos", CCos, plain::CCos, 0}, {"exp", CExp, plain::CExp, 0}};
  for (const UnaryPair& pair : pairs) {
    int differ = 0;
    for (const double a : arguments) {
      // The exponential reduces its imaginary part; its real part scales.
      const TComplex z = pair.fast == CExp ? TComplex{a / 1e5, a} : TComplex{a, 0};
      differ += !SameResult(pair, z, differ < 3);
    }
    EXPECT_EQ(differ, 0) << pair.name << " over " << arguments.size() << " arguments";
  }
}

}  // namespace

namespace {

// Arguments for the extended kernels: every binade, the borders between the
// kernels' nodes (where the series reach farthest), the ends of their ranges
// and the values of the benchmark surfaces.
std::vector<double> KernelArguments(uint64_t seed) {
  std::vector<double> arguments;
  std::mt19937_64 random(seed);
  std::uniform_real_distribution<double> unit(0, 1);
  const auto around = [&](double center) {
    double a = center;
    for (int step = 0; step < 3; ++step) a = std::nextafter(a, 0.0);
    for (int step = 0; step < 7; ++step, a = std::nextafter(a, 1e300)) {
      arguments.push_back(a);
      arguments.push_back(-a);
    }
  };
  for (int k = 0; k < 200000; ++k) {
    const double magnitude =
        std::ldexp(1 + unit(random), static_cast<int>(unit(random) * 2098) - 1075);
    arguments.push_back(unit(random) < 0.5 ? -magnitude : magnitude);
    arguments.push_back((unit(random) - 0.5) * 1420);  // the exponential's range
    arguments.push_back(1 +
                        (unit(random) - 0.5) * std::ldexp(1, -static_cast<int>(unit(random) * 53)));
  }
  for (int j = 0; j <= 192; ++j) {
    // Node borders of the sine (j/64 + 1/128), the logarithm (3/4 + j/128 +
    // 1/256, in several binades) and the inverse tangent (and their inverses).
    const double border = j * 0x1p-6 + 0x1p-7;
    around(border);
    around(1 / border);
    around(std::ldexp(0.75 + j * 0x1p-7 + 0x1p-8, j % 9 - 4));
  }
  for (long long k = -65000; k <= 65000; k += 97) around((k + 0.5) * 0.0108304246962491474);
  for (const double limit : {708.0, 709.78, 0x1p-1022, 0x1p1023, 1.0, 0.75, 1.5, 0.0})
    around(limit);
  for (int k = 0; k < 301; ++k) {
    const double x = -10 + 20.0 * k / 300;
    arguments.push_back(x);
    arguments.push_back(x / 20);
    if (x != -1) arguments.push_back(x / (x + 1));  // no pole among the arguments
  }
  return arguments;
}

TEST(ComplexFastPath, ExtendedKernelsGiveTheLibraryBits) {
  const std::vector<double> arguments = KernelArguments(271828);
  const UnaryPair pairs[] = {
      {"exp", CExp, plain::CExp, 0},          {"ln", CLn, plain::CLn, 0},
      {"arctan", CArcTan, plain::CArcTan, 0}, {"sin", CSin, plain::CSin, 0},
      {"cos", CCos, plain::CCos, 0},
  };
  for (const UnaryPair& pair : pairs) {
    int differ = 0;
    // Around 1 the logarithm leaves the plain algorithm for an accurate form.
    const auto nearOne = [&](TComplex z) {
      return pair.fast == CLn && std::fabs(z.Re - 1) < 0x1p-17 && std::fabs(z.Im) < 0x1p-17;
    };
    for (size_t k = 0; k < arguments.size(); ++k) {
      const TComplex real{arguments[k], 0};
      if (!nearOne(real)) differ += !SameResult(pair, real, differ < 3);
      // A complex argument: the logarithm's angle takes the inverse tangent
      // of the quotient of the parts, the exponential the sine and cosine.
      const TComplex z{arguments[(k * 7919) % arguments.size()], arguments[k]};
      if ((pair.fast == CLn || pair.fast == CExp) && !nearOne(z))
        differ += !SameResult(pair, z, differ < 3);
    }
    EXPECT_EQ(differ, 0) << pair.name << " over " << arguments.size() << " arguments";
  }
}

// Powers of real and complex bases take the logarithm and the exponential:
// squares and roots over the benchmark grid and over the kernel arguments.
TEST(ComplexFastPath, PowersThroughTheKernelsGiveThePlainBits) {
  const std::vector<double> arguments = KernelArguments(161803);
  std::vector<TComplex> bases;
  for (int row = 0; row < 301; ++row)
    for (int column = 0; column < 301; ++column)
      bases.push_back({-10 + 20.0 * column / 300, -10 + 20.0 * row / 300});
  for (size_t k = 0; k < arguments.size(); k += 3) {
    bases.push_back({arguments[k], 0});
    bases.push_back({arguments[k], arguments[(k * 7919) % arguments.size()]});
  }
  int differ = 0;
  for (const TComplex base : bases)
    // Whole exponents up to 4 take the real path for negative bases too; 5
    // and the halves do not, -0 imaginary parts take the real path.
    for (const TComplex w :
         {TComplex{2, 0}, TComplex{0.5, 0}, TComplex{3, -0.0}, TComplex{-4, 0}, TComplex{-1, 0},
          TComplex{5, 0}, TComplex{-2.5, 0}, TComplex{-1.5, 0.5}}) {
      TComplex fast{7, 7}, reference{7, 7};
      const bool fastOk = CPower(base, w, fast);
      const bool referenceOk = plain::CPower(base, w, reference);
      const double size = (std::fabs(w.Re) + std::fabs(w.Im)) *
                          (std::fabs(std::log(std::hypot(base.Re, base.Im))) + 3.1415926535897932);
      if (!(size <= 64) || (base.Re == 0 && base.Im == 0)) continue;  // the accurate power
      if ((fastOk != referenceOk || !SameBits(fast, reference)) && ++differ <= 3)
        ADD_FAILURE() << "(" << base.Re << ", " << base.Im << ")^(" << w.Re << ", " << w.Im
                      << "): " << fast.Re << ", " << fast.Im << " against " << reference.Re << ", "
                      << reference.Im;
    }
  EXPECT_EQ(differ, 0);
}

}  // namespace

namespace {

// Sums and differences in double where they are exact, against the extended
// sum rounded to double: random operands, and sums whose extended rounding
// lands on a tie of two doubles (1 + 2^-53 + 2^-80 rounds to 1 that way, to
// 1 + 2^-52 directly).
TEST(ComplexFastPath, SumsGiveTheExtendedBits) {
  const auto extended = [](TComplex a, TComplex b, double sign) {
    return TComplex{static_cast<double>(Real(a.Re) + sign * b.Re),
                    static_cast<double>(Real(a.Im) + sign * b.Im)};
  };
  std::vector<std::pair<TComplex, TComplex>> operands = {
      {{1, 0}, {0x1p-53 + 0x1p-80, 0}},   {{1, -0.0}, {-0x1p-54 - 0x1p-90, -0.0}},
      {{0x1p52, 3}, {0.5 + 0x1p-20, -3}}, {{-0.0, 0}, {0, -0.0}},
      {{1e308, 1}, {1e308, -1}},          {{-1e308, 0}, {1e308, 0}},
  };
  OperandSource source(99);
  for (int k = 0; k < 1000000; ++k) operands.push_back({source.Operand(), source.Operand()});
  int differ = 0;
  for (const auto& [a, b] : operands) {
    differ += !SameBits(CAdd(a, b), extended(a, b, 1));
    differ += !SameBits(CSub(a, b), extended(a, b, -1));
    // The difference of a number and its neighbour, and sums of nearly
    // cancelling parts.
    differ += !SameBits(CAdd(a, {-b.Re * (1 + 0x1p-52), b.Im}),
                        extended(a, {-b.Re * (1 + 0x1p-52), b.Im}, 1));
  }
  EXPECT_EQ(differ, 0);
}

}  // namespace
