#include "calc/decimal_form.h"

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

}  // namespace

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

  const FpuScope fpu;
  const Extended magnitude = std::fabs(x);

  // 1. k, the decimal exponent with 10^(k-1) <= |x| < 10^k. From the binary
  //    exponent e, |x| lies in [2^e, 2^(e+1)), so k is floor(e log10 2) + 1
  //    or one more; the image tells which.
  const int binary_exponent = (bits.sign_exponent & 0x7FFF) - 16383;
  int k = static_cast<int>(std::floor(binary_exponent * 0.30102999566398119521L)) + 1;
  Extended scaled = ScalePowerOfTen(magnitude, 18 - k);
  if (scaled > kImageHighRounding) {
    scaled = ScalePowerOfTen(magnitude, 18 - ++k);
  } else if (scaled < kImageLowRounding) {
    scaled = ScalePowerOfTen(magnitude, 18 - --k);
  }
  // The integer nearest, ties to even, under the scope's rounding to nearest.
  std::int64_t image = std::llrint(scaled);
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

  // 4. The digits, without trailing zeros.
  char digits[kDecimalFormDigits];
  for (int i = kDecimalFormDigits - 1; i >= 0; --i, cut /= 10) digits[i] = static_cast<char>('0' + cut % 10);
  int count = kDecimalFormDigits;
  while (count > 0 && digits[count - 1] == '0') --count;

  form.exponent = static_cast<std::int16_t>(k);
  form.negative = negative;
  form.digit_count = static_cast<std::uint8_t>(count);
  std::memcpy(form.digits, digits, static_cast<std::size_t>(count));
  return form;
}

}  // namespace parcyl
