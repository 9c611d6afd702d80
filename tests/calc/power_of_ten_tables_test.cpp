// Recomputes every entry of the power-of-ten tables from scratch and checks
// that it is the extended value nearest to its power of ten, ties to even.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "calc/power_of_ten_tables.h"
#include "calc/scale_power_of_ten.h"
#include "tests/calc/big_uint.h"

namespace parcyl {
namespace {

using testing::BigUint;

struct Decomposed {
  std::uint64_t significand;
  int exponent;  // value = significand * 2^exponent
};

Decomposed Decompose(Extended x) {
  Decomposed d{};
  std::uint16_t sign_exponent = 0;
  std::memcpy(&d.significand, &x, 8);
  std::memcpy(&sign_exponent, reinterpret_cast<const char*>(&x) + 8, 2);
  d.exponent = (sign_exponent & 0x7FFF) - 16383 - 63;
  return d;
}

::testing::AssertionResult IsNearestToPowerOfTen(Extended entry, int n) {
  const Decomposed d = Decompose(entry);
  if (!(d.significand >> 63)) return ::testing::AssertionFailure() << "1e" << n << " is not normalized";
  const BigUint exact = BigUint::PowerOfTen(n);
  if (d.exponent <= 0) {
    // Small powers are integers below 2^64 and must be exact.
    if (d.significand % (std::uint64_t{1} << -d.exponent) != 0 ||
        BigUint::Compare(BigUint(d.significand >> -d.exponent), exact) != 0) {
      return ::testing::AssertionFailure() << "1e" << n << " is not exact";
    }
    return ::testing::AssertionSuccess();
  }
  // Twice the distance to the exact power against one unit in the last place.
  const BigUint twice_distance =
      BigUint::Distance(exact, BigUint(d.significand).ShiftedLeft(d.exponent)).ShiftedLeft(1);
  const int versus_ulp = BigUint::Compare(twice_distance, BigUint::PowerOfTwo(d.exponent));
  if (versus_ulp < 0 || (versus_ulp == 0 && d.significand % 2 == 0)) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "1e" << n << " is not the nearest extended value";
}

TEST(PowerOfTenTables, EveryEntryIsTheNearestExtendedValue) {
  for (int k = 0; k < 32; ++k) EXPECT_TRUE(IsNearestToPowerOfTen(kPowersOfTen1[k], k));
  for (int j = 1; j <= 15; ++j) EXPECT_TRUE(IsNearestToPowerOfTen(kPowersOfTen2[j - 1], 32 * j));
  for (int i = 1; i <= 9; ++i) EXPECT_TRUE(IsNearestToPowerOfTen(kPowersOfTen3[i - 1], 512 * i));
}

TEST(PowerOfTenTables, PowersUpToTwentySevenAreExact) {
  Extended exact = 1;
  for (int k = 0; k <= 27; ++k, exact *= 10) EXPECT_EQ(kPowersOfTen1[k], exact) << "1e" << k;
}

// The check above must be able to fail: a neighbour of a correct entry is
// refused.
TEST(PowerOfTenTables, TheCheckRefusesANeighbour) {
  EXPECT_FALSE(IsNearestToPowerOfTen(std::nextafter(kPowersOfTen2[4], 0.0L), 160));
  EXPECT_FALSE(IsNearestToPowerOfTen(std::nextafter(kPowersOfTen3[3], INFINITY), 2048));
  EXPECT_FALSE(IsNearestToPowerOfTen(std::nextafter(kPowersOfTen1[5], 0.0L), 5));
}

struct ScaleCase {
  Extended x;
  int n;
  Extended expected;
};

TEST(ScalePowerOfTen, UsesEachTableOnceInOrder) {
  const ScaleCase cases[] = {
      {7, 0, 7},
      {125, -1, 12.5L},
      {3, 5, 300000},
      {1, 32, kPowersOfTen2[0]},
      {1, 33, 10 * kPowersOfTen2[0]},
      {1, 512, kPowersOfTen3[0]},
      {1, 4932, 1e4L * kPowersOfTen2[9] * kPowersOfTen3[8]},
      {1, -4932, 1 / 1e4L / kPowersOfTen2[9] / kPowersOfTen3[8]},
      {7, -5119, 7 / 1e31L / kPowersOfTen2[14] / kPowersOfTen3[8]},
      {7, -5120, 0},
      {7, -99999, 0},
  };
  for (const auto& c : cases) EXPECT_EQ(ScalePowerOfTen(c.x, c.n), c.expected) << c.x << "e" << c.n;
}

}  // namespace
}  // namespace parcyl
