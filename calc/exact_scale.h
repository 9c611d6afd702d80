// The common case of parsing done without the x87 unit: a mantissa v that
// fits 64 bits, scaled by 10^n with |n| <= 18.
//
// There the rule's arithmetic is one operation on exact operands: v is
// exact, 10^|n| is exact in the table, and v * 10^n or v / 10^-n is rounded
// once to a 64-bit significand, to nearest, ties to even. That is the
// correctly rounded product or quotient, which integer arithmetic gives
// just as well, with no floating-point flag raised and so nothing to clear:
//   v = 125,  n = -1  -> 12.5        (exact)
//   v = 1,    n = -1  -> 0xCCCCCCCCCCCCCCCDp-67, the extended nearest 0.1
//   v = 2^64-1, n = 18 -> 18446744073709551615 * 10^18 rounded to 64 bits
// Anything else takes the table path of ScalePowerOfTen.
#pragma once

#include <cstdint>
#include <optional>

#include "calc/extended.h"

namespace parcyl {

// The largest |n| taken here: 10^18 lies below 2^60, so a product stays
// within 128 bits and a quotient keeps at least 68 bits.
inline constexpr int kExactScaleLimit = 18;

// v * 10^n rounded once to the extended format, or nothing when n lies
// outside the range above.
std::optional<Extended> ExactScale(std::uint64_t v, int n);

}  // namespace parcyl
