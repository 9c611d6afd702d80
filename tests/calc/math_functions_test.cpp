#include "calc/math_functions.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <string>
#include <vector>

namespace parcyl {
namespace {

// Records what a function reported, in order.
struct Reports {
  std::vector<std::string> texts;
  MathErrorReport Sink() {
    return [this](std::string_view text) { texts.emplace_back(text); };
  }
};

enum class Fn { kSqrt, kLog10, kPow2 };

Extended Call(Fn fn, double x, const MathErrorReport& report) {
  switch (fn) {
    case Fn::kSqrt:
      return Sqrt(x, report);
    case Fn::kLog10:
      return Log10(x, report);
    case Fn::kPow2:
      return Pow2(x, report);
  }
  return 0;
}

struct MathCase {
  Fn fn;
  double x;
  const char* report;  // "" for none
  Extended result;     // NaN: any NaN
  bool negative_zero = false;
};

TEST(MathFunctions, ResultsSubstitutesAndReports) {
  const Extended nan = NAN;
  const Extended inf = INFINITY;
  const MathCase cases[] = {
      {Fn::kSqrt, 4, "", 2},
      {Fn::kSqrt, 2, "", std::sqrt(2.0L)},
      {Fn::kSqrt, -1, "sqrt: DOMAIN error", nan},
      {Fn::kSqrt, -1e-300, "sqrt: DOMAIN error", nan},
      {Fn::kSqrt, 0, "", 0},
      {Fn::kSqrt, -0.0, "", 0, true},
      {Fn::kSqrt, -1e-310, "", static_cast<Extended>(-1e-310)},  // tiny: handed back as it is
      {Fn::kSqrt, 1e-310, "", static_cast<Extended>(1e-310)},
      {Fn::kSqrt, 0x1p-1025, "", std::sqrt(0x1p-1025L)},  // subnormal but not tiny
      {Fn::kLog10, 100, "", 2},
      {Fn::kLog10, 0.5, "", -0x9A209A84FBCFF799p-65L},  // -log10 2, as the unit holds it
      {Fn::kLog10, 0, "log10: SING error", -inf},
      {Fn::kLog10, -0.0, "log10: SING error", -inf},
      {Fn::kLog10, 1e-310, "log10: SING error", -inf},
      {Fn::kLog10, -1e-310, "log10: SING error", -inf},
      {Fn::kLog10, -5, "log10: DOMAIN error", nan},
      {Fn::kPow2, -5, "", 25},
      {Fn::kPow2, 1000, "", 1e6L},
      {Fn::kPow2, 0, "", 0},
      {Fn::kPow2, -0.0, "", 0},
      {Fn::kPow2, 4.9e-324, "", 0},
      {Fn::kPow2, 1e200, "pow: OVERFLOW error", inf},
      {Fn::kPow2, -1e200, "pow: OVERFLOW error", inf},
      {Fn::kPow2, 1.34e154, "pow: OVERFLOW error", inf},  // its square would still fit a double
      {Fn::kPow2, 1e-200, "", 0},
      {Fn::kPow2, -1e-200, "", 0},
  };
  for (const auto& c : cases) {
    Reports reports;
    const Extended result = Call(c.fn, c.x, reports.Sink());
    const std::string where = std::to_string(static_cast<int>(c.fn)) + " of " + std::to_string(c.x);
    if (std::isnan(c.result)) {
      EXPECT_TRUE(std::isnan(result)) << where;
    } else {
      EXPECT_EQ(result, c.result) << where;
    }
    if (c.negative_zero) {
      EXPECT_TRUE(std::signbit(result)) << where;
    }
    EXPECT_EQ(reports.texts, c.report[0] ? std::vector<std::string>{c.report} : std::vector<std::string>{})
        << where;
  }
}

// The limits are tests on 2 ln|x| against 709.78125, not on the decimal
// figures that describe them, and not on ln(DBL_MAX).
TEST(MathFunctions, PowLimitsAreOnTwiceTheLogarithm) {
  const double overflow_edge = std::exp(static_cast<double>(kPowLogLimit) / 2);  // about 1.33980044e154
  Reports reports;
  const Extended below = Pow2(overflow_edge * (1 - 1e-12), reports.Sink());
  EXPECT_TRUE(reports.texts.empty());
  EXPECT_NEAR(static_cast<double>(below / (static_cast<Extended>(overflow_edge) * overflow_edge)), 1, 1e-11);
  EXPECT_TRUE(std::isinf(Pow2(overflow_edge * (1 + 1e-12), reports.Sink())));
  EXPECT_EQ(reports.texts.size(), 1u);
  EXPECT_LT(Pow2(1.3398e154, nullptr), DBL_MAX);

  const double underflow_edge = std::exp(-static_cast<double>(kPowLogLimit) / 2);  // about 7.4638e-155
  EXPECT_EQ(Pow2(underflow_edge * (1 - 1e-12), reports.Sink()), 0);
  EXPECT_GT(Pow2(underflow_edge * (1 + 1e-12), reports.Sink()), 0);
  EXPECT_EQ(reports.texts.size(), 1u);  // underflow reports nothing
}

// Both paths of the square agree far below the 15 digits that are shown.
TEST(MathFunctions, PowPathsAgreeWithTheProduct) {
  for (const double x : {0x1p256, 1e100, 3.7e120, 1e154, 0x1p-257, 1e-100, 2.5e-150}) {
    const Extended square = static_cast<Extended>(x) * x;
    EXPECT_NEAR(static_cast<double>(Pow2(x, nullptr) / square), 1.0, 1e-16) << x;
  }
}

// log10 2 * log2 x lands a hair above some powers of ten (1000 gives
// 3.0000000000000000002); the decibels are stored as a double before they
// are floored, and that store must bring them back to whole numbers.
TEST(MathFunctions, DecibelsOfPowersOfTenAreWhole) {
  for (int k = 0; k <= 22; ++k) {
    EXPECT_EQ(static_cast<double>(Log10(std::pow(10.0, k), nullptr) * 10), 10.0 * k) << k;
  }
}

}  // namespace
}  // namespace parcyl
