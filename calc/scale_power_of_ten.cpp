#include "calc/scale_power_of_ten.h"

#include "calc/power_of_ten_tables.h"

namespace parcyl {

Extended ScalePowerOfTen(Extended x, int n) {
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
