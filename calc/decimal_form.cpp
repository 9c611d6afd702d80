#include "calc/decimal_form.h"

#include <array>
#include <bit>
#include <cmath>
#include <cstring>

#include "calc/fpu_env.h"
#include "calc/scale_power_of_ten.h"

namespace parcyl {
namespace {

constexpr std::int64_t kImageLow = 100'000'000'000'000'000;    // 10^17
constexpr std::int64_t kImageHigh = 1'000'000'000'000'000'000;  // 10^18
constexpr std::int64_t kCutHigh = 1'000'000'000'000'000;        // 10^15
// Scaled values that round to an image beyond 18 digits, or below 18 digits;
// both are exact in the extended format.
constexpr Extended kImageHighRounding = 1e18L + 0.5L;
constexpr Extended kImageLowRounding = 1e17L - 0.5L;

// The bits of an 80-bit value, read without arithmetic: non-canonical
// encodings that the x87 unit refuses as operands must not reach it.
struct Bits {
  std::uint64_t significand;
  std::uint16_t sign_exponent;
};

Bits BitsOf(Extended x) {
  Bits bits{};
  std::memcpy(&bits.significand, &x, sizeof bits.significand);
  std::memcpy(&bits.sign_exponent, reinterpret_cast<const char*>(&x) + 8, sizeof bits.sign_exponent);
  return bits;
}

enum class Kind { kZero, kInfinity, kNan, kFinite };

Kind KindOf(const Bits& bits) {
  constexpr std::uint64_t kIntegerBit = std::uint64_t{1} << 63;
  const int exponent = bits.sign_exponent & 0x7FFF;
  const bool integer_bit = (bits.significand & kIntegerBit) != 0;
  // Zero, a denormal and a pseudo-denormal all show as zero.
  if (exponent == 0) return Kind::kZero;
  // An integer bit of zero with a nonzero exponent (unnormals, pseudo
  // infinities and pseudo-NaNs) is an invalid operand: shown as NaN.
  if (!integer_bit) return Kind::kNan;
  if (exponent == 0x7FFF) return (bits.significand << 1) == 0 ? Kind::kInfinity : Kind::kNan;
  return Kind::kFinite;
}

// floor(e log10 2) + 1 for a binary exponent e, with log10 2 taken as
// 1292913986 / 2^32: over the whole exponent range of the format this gives
// the same k as the floor of the extended product e * log10 2, with no
// switch of the rounding direction.
int DecimalExponentGuess(int binary_exponent) {
  return static_cast<int>((std::int64_t{binary_exponent} * 1292913986) >> 32) + 1;
}

// The integer nearest, ties to even, under the scope's rounding to nearest:
// one fistp, what llrint does without the call.
std::int64_t NearestInteger(Extended x) {
  std::int64_t n;
  asm("fistpll %0" : "=m"(n) : "t"(x) : "st");
  return n;
}

// "00" to "99" as 16-bit words, the first digit in the low byte, so that
// the digits are made two at a time.
constexpr std::array<std::uint16_t, 100> kDigitPairs = [] {
  std::array<std::uint16_t, 100> pairs{};
  for (int i = 0; i < 100; ++i) pairs[i] = static_cast<std::uint16_t>(('0' + i / 10) | ('0' + i % 10) << 8);
  return pairs;
}();

// The eight decimal characters of a value below 10^8, leading zeros
// included, as a 64-bit word with the first character in the low byte:
//   12345678 -> the bytes "12345678"     363 -> "00000363"
std::uint64_t EightDigits(std::uint32_t value) {
  const std::uint32_t high = value / 10000;
  const std::uint32_t low = value % 10000;
  return std::uint64_t{kDigitPairs[high / 100]} | std::uint64_t{kDigitPairs[high % 100]} << 16 |
         std::uint64_t{kDigitPairs[low / 100]} << 32 | std::uint64_t{kDigitPairs[low % 100]} << 48;
}

// Puts the digits of 0 < value < 10^15 into the form, without leading or
// trailing zeros, and returns how many digits the value has:
//   363 -> "363", 3     20000 -> "2", 5     100000000000001 -> 15 digits, 15
// The sixteen characters of two 8-digit blocks are handled as one 128-bit
// word, the first character in the lowest byte, so that finding and
// dropping the zeros takes no loop and no branch on the digits.
int SetDigits(DecimalForm& form, std::uint64_t value) {
  static_assert(std::endian::native == std::endian::little);
  constexpr std::uint64_t kZeroCharacters = 0x3030'3030'3030'3030;
  if (value < 100'000'000) {
    // Up to eight digits, the most common: one block, one 64-bit word.
    const std::uint64_t block = EightDigits(static_cast<std::uint32_t>(value));
    const std::uint64_t nonzero = block ^ kZeroCharacters;
    const int first = std::countr_zero(nonzero) / 8;
    const int count = 8 - std::countl_zero(nonzero) / 8 - first;
    const std::uint64_t kept =
        (block >> (8 * first)) & (count == 8 ? ~std::uint64_t{0} : (std::uint64_t{1} << (8 * count)) - 1);
    // Zeros at 7 to 14 first, then the digits at 0 to 7 over them.
    const std::uint64_t none = 0;
    std::memcpy(form.digits + 7, &none, 8);
    std::memcpy(form.digits, &kept, 8);
    form.digit_count = static_cast<std::uint8_t>(count);
    return 8 - first;
  }
  const std::uint64_t head_block = EightDigits(static_cast<std::uint32_t>(value / 100'000'000));
  const std::uint64_t tail_block = EightDigits(static_cast<std::uint32_t>(value % 100'000'000));
  // Nonzero bytes where a character is not '0'; the value has at least one.
  const std::uint64_t head = head_block ^ kZeroCharacters;
  const std::uint64_t tail = tail_block ^ kZeroCharacters;
  const int first = head != 0 ? std::countr_zero(head) / 8 : 8 + std::countr_zero(tail) / 8;
  const int end = tail != 0 ? 16 - std::countl_zero(tail) / 8 : 8 - std::countl_zero(head) / 8;
  const int count = end - first;

  __extension__ using Characters = unsigned __int128;
  const Characters all = (Characters{tail_block} << 64) | head_block;
  const Characters kept = (all >> (8 * first)) & ((Characters{1} << (8 * count)) - 1);
  // Characters 0 to 7 and 7 to 14, zeros after the digits as before; two
  // stores straight from the registers.
  const auto head_store = static_cast<std::uint64_t>(kept);
  const auto tail_store = static_cast<std::uint64_t>(kept >> 56);
  std::memcpy(form.digits, &head_store, 8);
  std::memcpy(form.digits + 7, &tail_store, 8);
  form.digit_count = static_cast<std::uint8_t>(count);
  return 16 - first;
}

// A whole number below 10^15, read from the bits. Its 18-digit image is the
// number followed by zeros, formed without rounding, and the cut at the 16th
// digit keeps it whole; so its digits are its own decimal digits, found
// without any arithmetic on the x87 unit. Most figures a run writes are such
// numbers, floored.
bool IsSmallWholeNumber(const Bits& bits, std::uint64_t& value) {
  const int binary_exponent = (bits.sign_exponent & 0x7FFF) - 16383;
  // 2^50 is above 10^15; below 2^0 nothing is whole but zero.
  if (binary_exponent < 0 || binary_exponent >= 50) return false;
  if ((bits.significand << (binary_exponent + 1)) != 0) return false;  // a fraction
  value = bits.significand >> (63 - binary_exponent);
  return value < static_cast<std::uint64_t>(kCutHigh);
}

// The same test on a double: a significand of 52 stored bits.
bool IsSmallWholeDouble(std::uint64_t bits, std::uint64_t& value) {
  const int binary_exponent = static_cast<int>((bits >> 52) & 0x7FF) - 1023;
  if (binary_exponent < 0 || binary_exponent >= 50) return false;
  const std::uint64_t significand = (bits & 0x000F'FFFF'FFFF'FFFF) | 0x0010'0000'0000'0000;
  if ((significand << (binary_exponent + 12)) != 0) return false;  // a fraction
  value = significand >> (52 - binary_exponent);
  return value < static_cast<std::uint64_t>(kCutHigh);
}

}  // namespace

DecimalForm DecimalFormOf(double x) {
  // One object, returned from one place, so that it is built where the
  // caller receives it: a copy would read back in one wide load what was
  // written in narrow stores, and wait for them.
  DecimalForm form;
  const auto bits = std::bit_cast<std::uint64_t>(x);
  if (std::uint64_t whole; IsSmallWholeDouble(bits, whole)) {
    form.negative = (bits >> 63) != 0;
    form.exponent = static_cast<std::int16_t>(SetDigits(form, whole));
  } else {
    form = DecimalFormOf(static_cast<Extended>(x));
  }
  return form;
}

DecimalForm DecimalFormOf(Extended x) {
  DecimalForm form;
  const Bits bits = BitsOf(x);
  const bool negative = (bits.sign_exponent & 0x8000) != 0;
  switch (KindOf(bits)) {
    case Kind::kZero:
      return form;
    case Kind::kInfinity:
      form.exponent = kInfinityExponent;
      form.negative = negative;
      return form;
    case Kind::kNan:
      form.exponent = kNanExponent;
      return form;
    case Kind::kFinite:
      break;
  }
  form.negative = negative;

  if (std::uint64_t whole; IsSmallWholeNumber(bits, whole)) {
    form.exponent = static_cast<std::int16_t>(SetDigits(form, whole));
    return form;
  }

  const FpuScope fpu;
  const Extended magnitude = std::fabs(x);

  // 1. k, the decimal exponent with 10^(k-1) <= |x| < 10^k. From the binary
  //    exponent e, |x| lies in [2^e, 2^(e+1)), so k is floor(e log10 2) + 1
  //    or one more; the image tells which.
  const int binary_exponent = (bits.sign_exponent & 0x7FFF) - 16383;
  int k = DecimalExponentGuess(binary_exponent);
  Extended scaled = ScalePowerOfTen(magnitude, 18 - k);
  if (scaled > kImageHighRounding) {
    scaled = ScalePowerOfTen(magnitude, 18 - ++k);
  } else if (scaled < kImageLowRounding) {
    scaled = ScalePowerOfTen(magnitude, 18 - --k);
  }
  // The integer nearest, ties to even, under the scope's rounding to nearest.
  std::int64_t image = NearestInteger(scaled);
  // 2. An image that rounds up to 10^18 is 10^17 one place further on.
  if (image >= kImageHigh) {
    image = kImageLow;
    ++k;
  }

  // 3. Cut to 15 digits by the 16th: half away from zero; a carry out of the
  //    first digit leaves the single digit 1.
  std::int64_t cut = image / 1000;
  if ((image / 100) % 10 >= 5) ++cut;
  if (cut == kCutHigh) {
    cut = kCutHigh / 10;
    ++k;
  }

  // 4. The digits, without trailing zeros; the cut has 15 of them.
  SetDigits(form, static_cast<std::uint64_t>(cut));
  form.exponent = static_cast<std::int16_t>(k);
  return form;
}

}  // namespace parcyl
