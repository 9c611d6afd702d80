// The integer path of parsing against the table path it stands in for: both
// must give the same extended value to the bit.
#include "calc/exact_scale.h"

#include <gtest/gtest.h>

#include <cfenv>
#include <cstdint>
#include <random>

#include "calc/fpu_env.h"
#include "calc/scale_power_of_ten.h"

namespace parcyl {
namespace {

Extended TablePath(std::uint64_t v, int n) {
  const FpuScope fpu;
  return ScalePowerOfTen(static_cast<Extended>(v), n);
}

TEST(ExactScale, AgreesWithTheTablesToTheBit) {
  const std::uint64_t mantissas[] = {
      0, 1, 3, 5, 7, 9, 10, 125, 1000, 1296, 10005, 123456789, 999999999999999999u,
      1000000000000000000u, 9007199254740993u /* 2^53 + 1 */, 0x8000000000000000u, 0xFFFFFFFFFFFFFFFFu,
      0xFFFFFFFFFFFFFFFEu, 18446744073709551557u /* prime */, 0x8000000000000001u, 0xC000000000000003u,
  };
  for (const std::uint64_t v : mantissas) {
    for (int n = -kExactScaleLimit; n <= kExactScaleLimit; ++n) {
      const auto exact = ExactScale(v, n);
      ASSERT_TRUE(exact.has_value());
      EXPECT_EQ(*exact, TablePath(v, n)) << v << "e" << n;
    }
  }
}

// Ties: v * 10 with 66 bits, whose two dropped bits are exactly half; the
// kept significand (v * 5) / 2 is even for the first and odd for the second,
// so one rounds down and the other up.
TEST(ExactScale, TiesGoToEven) {
  for (const std::uint64_t v : {4000000000000000001u, 4000000000000000003u}) {
    EXPECT_EQ(*ExactScale(v, 1), TablePath(v, 1)) << v;
  }
}

TEST(ExactScale, RandomMantissasAgree) {
  std::mt19937_64 random(20261211);
  for (int i = 0; i < 20000; ++i) {
    const std::uint64_t v = random() >> (random() % 64);
    const int n = static_cast<int>(random() % (2 * kExactScaleLimit + 1)) - kExactScaleLimit;
    EXPECT_EQ(*ExactScale(v, n), TablePath(v, n)) << v << "e" << n;
  }
}

TEST(ExactScale, OutsideItsRangeItDeclines) {
  EXPECT_FALSE(ExactScale(1, kExactScaleLimit + 1));
  EXPECT_FALSE(ExactScale(1, -kExactScaleLimit - 1));
}

TEST(ExactScale, RaisesNoFlag) {
  std::feclearexcept(FE_ALL_EXCEPT);
  EXPECT_EQ(*ExactScale(1, -1), TablePath(1, -1));  // inexact on the table path only
  std::feclearexcept(FE_ALL_EXCEPT);
  (void)ExactScale(1, -1);
  (void)ExactScale(0xFFFFFFFFFFFFFFFFu, 18);
  EXPECT_EQ(std::fetestexcept(FE_ALL_EXCEPT), 0);
}

}  // namespace
}  // namespace parcyl
