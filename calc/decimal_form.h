// DecimalForm: the first stage of writing a number, its significant decimal
// digits and the position of the decimal point, cut to 15 digits.
//
// The value is 0.d1d2d3... * 10^exponent:
//   12.5      -> digits "125", exponent 2
//   0.000123  -> digits "123", exponent -3
//   1e300*1.5 -> digits "15",  exponent 301
//   0, -0, an extended denormal -> digits "", exponent 0
//   +inf / -inf -> exponent 32767, negative as the sign;  NaN -> exponent -32768
//
// The digits come from an 18-digit image N of |x|, the integer nearest to
// |x| * 10^(18-k); its 16th digit rounds the first 15 half away from zero,
// and digits 17 and 18 are never looked at. The double nearest to
// 7.497875084924015 (7.49787508492401499893...) has N = 749787508492401500
// and so becomes "749787508492402", not the correctly rounded ...401.
#pragma once

#include <cstdint>

#include "calc/extended.h"

namespace parcyl {

inline constexpr int kDecimalFormDigits = 15;
inline constexpr std::int16_t kInfinityExponent = 32767;
inline constexpr std::int16_t kNanExponent = -32768;

struct DecimalForm {
  std::int16_t exponent = 0;
  bool negative = false;
  std::uint8_t digit_count = 0;
  char digits[kDecimalFormDigits] = {};  // '1'..'9' first, no trailing '0'
};

DecimalForm DecimalFormOf(Extended x);
// The form of the double's exact extended value. A whole number comes
// straight from the double's bits, with no conversion: a double converted
// to extended for a call goes through memory as 80 bits, and reading those
// bits back as integers stalls until the store is done.
DecimalForm DecimalFormOf(double x);

}  // namespace parcyl
