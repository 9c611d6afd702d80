#include "calc/exact_scale.h"

#include <bit>
#include <cstring>

namespace parcyl {
namespace {

__extension__ using Uint128 = unsigned __int128;

constexpr int kSignificandBits = 64;
constexpr int kExponentBias = 16383;

constexpr std::uint64_t PowerOfTen(int n) {
  std::uint64_t p = 1;
  for (int i = 0; i < n; ++i) p *= 10;
  return p;
}

// significand * 2^binary_exponent as an extended value; the significand has
// its top bit set, and the value lies well inside the normal range.
Extended Compose(std::uint64_t significand, int binary_exponent) {
  const auto sign_exponent = static_cast<std::uint16_t>(binary_exponent + 63 + kExponentBias);
  Extended x = 0;
  std::memcpy(&x, &significand, sizeof significand);
  std::memcpy(reinterpret_cast<char*>(&x) + 8, &sign_exponent, sizeof sign_exponent);
  return x;
}

// Rounds value * 2^scale, value > 0, to 64 significant bits, to nearest,
// ties to even; sticky says whether anything nonzero lies below value's
// last bit (a remainder of the division).
int BitLength(Uint128 value) {
  const auto high = static_cast<std::uint64_t>(value >> 64);
  return high != 0 ? 128 - std::countl_zero(high) : 64 - std::countl_zero(static_cast<std::uint64_t>(value));
}

Extended RoundToExtended(Uint128 value, int scale, bool sticky) {
  const int length = BitLength(value);
  if (length <= kSignificandBits) {
    // Exact (a product that fits; a quotient always has more bits).
    const int shift = kSignificandBits - length;
    return Compose(static_cast<std::uint64_t>(value) << shift, scale - shift);
  }
  const int dropped_bits = length - kSignificandBits;
  auto significand = static_cast<std::uint64_t>(value >> dropped_bits);
  const Uint128 dropped = value & ((Uint128{1} << dropped_bits) - 1);
  const Uint128 half = Uint128{1} << (dropped_bits - 1);
  if (dropped > half || (dropped == half && (sticky || (significand & 1) != 0))) {
    if (++significand == 0) {  // carried out of the top bit
      significand = std::uint64_t{1} << 63;
      ++scale;
    }
  }
  return Compose(significand, scale + dropped_bits);
}

}  // namespace

std::optional<Extended> ExactScale(std::uint64_t v, int n) {
  if (n > kExactScaleLimit || n < -kExactScaleLimit) return std::nullopt;
  if (v == 0) return Extended{0};
  if (n >= 0) return RoundToExtended(Uint128{v} * PowerOfTen(n), 0, false);
  // v / 10^a: v is first moved to the top of 64 bits and then 64 more; with
  // 10^a below 2^60 the quotient has at least 68 bits, so its own dropped
  // bits decide the rounding and the remainder only breaks a tie.
  const int normalise = std::countl_zero(v);
  const Uint128 numerator = Uint128{v << normalise} << 64;
  const std::uint64_t divisor = PowerOfTen(-n);
  const Uint128 quotient = numerator / divisor;
  const bool remainder = numerator % divisor != 0;
  return RoundToExtended(quotient, -normalise - 64, remainder);
}

}  // namespace parcyl
