// x * 10^n by the power-of-ten tables, each multiplication or division
// rounded by itself. Shared by parsing and rendering, so that a number read
// and a number written are scaled the same way.
//
//   ScalePowerOfTen(125, -1)   -> 12.5
//   ScalePowerOfTen(1, 4932)   -> about 1.0e4932 (x * 10^4 * 10^320 * 10^4608)
//   ScalePowerOfTen(7, -5120)  -> 0 (only a long run of fraction digits gets here)
//
// Inline, so that x stays in an x87 register: passed to a function, an
// extended value goes through memory both ways.
#pragma once

#include "calc/extended.h"
#include "calc/power_of_ten_tables.h"

namespace parcyl {

// n at or below this gives zero without scaling.
inline constexpr int kScaleToZeroExponent = -5120;

// Callers keep |n| below 5120; parsing stops an exponent before 5000 and
// rendering asks for at most 18 + 4951.
inline Extended ScalePowerOfTen(Extended x, int n) {
  if (n == 0) return x;
  if (n <= kScaleToZeroExponent) return 0;
  const bool up = n > 0;
  const int a = up ? n : -n;
  // 1. The exponent splits into a = 512*i + 32*j + k, the smallest power
  //    first: while it is exact (k <= 27) nothing is lost before the
  //    rounded factors come in.
  const Extended small = kPowersOfTen1[a % 32];
  x = up ? x * small : x / small;
  // 2. Then 10^(32j), skipped when j is 0 so that no factor of one is applied.
  if (const int j = (a / 32) % 16; j != 0) {
    const Extended middle = kPowersOfTen2[j - 1];
    x = up ? x * middle : x / middle;
  }
  // 3. Then 10^(512i).
  if (const int i = a / 512; i != 0) {
    const Extended large = kPowersOfTen3[i - 1];
    x = up ? x * large : x / large;
  }
  return x;
}

}  // namespace parcyl
