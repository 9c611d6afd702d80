// x * 10^n by the power-of-ten tables, each multiplication or division
// rounded by itself. Shared by parsing and rendering, so that a number read
// and a number written are scaled the same way.
//
//   ScalePowerOfTen(125, -1)   -> 12.5
//   ScalePowerOfTen(1, 4932)   -> about 1.0e4932 (x * 10^4 * 10^320 * 10^4608)
//   ScalePowerOfTen(7, -5120)  -> 0 (only a long run of fraction digits gets here)
#pragma once

#include "calc/extended.h"

namespace parcyl {

// n at or below this gives zero without scaling.
inline constexpr int kScaleToZeroExponent = -5120;

// Callers keep |n| below 5120; parsing stops an exponent before 5000 and
// rendering asks for at most 18 + 4951.
Extended ScalePowerOfTen(Extended x, int n);

}  // namespace parcyl
