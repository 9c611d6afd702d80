#include "calc/math_functions.h"

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>

namespace parcyl {
namespace {

constexpr Extended kNan = std::numeric_limits<Extended>::quiet_NaN();
constexpr Extended kInfinity = std::numeric_limits<Extended>::infinity();

// 2^-256 and 2^256: between them a square is one extended product that can
// neither overflow nor lose its significand.
constexpr double kDirectSquareLow = 0x1p-256;
constexpr double kDirectSquareHigh = 0x1p256;

void Report(const MathErrorReport& report, std::string_view text) {
  if (report) report(text);
}

// y * log2(x) on the x87 unit (fyl2x), with y one of its own constants.
Extended Log10Of(Extended x) {
  Extended result;
  asm("fldlg2\n\tfxch %%st(1)\n\tfyl2x" : "=t"(result) : "0"(x));
  return result;
}

Extended LnOf(Extended x) {
  Extended result;
  asm("fldln2\n\tfxch %%st(1)\n\tfyl2x" : "=t"(result) : "0"(x));
  return result;
}

}  // namespace

bool IsTinyDouble(double x) {
  std::uint64_t bits;
  std::memcpy(&bits, &x, sizeof bits);
  // Sign, 11 exponent bits and the top four mantissa bits all zero but the
  // sign: the magnitude is below 2^-1026.
  return (bits & 0x7FFF'0000'0000'0000u) == 0 && x != 0;
}

Extended Sqrt(double x, const MathErrorReport& report) {
  if (std::isnan(x)) return x;
  if (x == 0 || IsTinyDouble(x)) return x;
  if (x < 0) {
    Report(report, "sqrt: DOMAIN error");
    return kNan;
  }
  return std::sqrt(static_cast<Extended>(x));  // fsqrt: correctly rounded to 64 bits
}

Extended Log10(double x, const MathErrorReport& report) {
  if (std::isnan(x)) return x;
  if (x == 0 || IsTinyDouble(x)) {
    Report(report, "log10: SING error");
    return -kInfinity;
  }
  if (x < 0) {
    Report(report, "log10: DOMAIN error");
    return kNan;
  }
  if (std::isinf(x)) return x;
  return Log10Of(x);
}

Extended Pow2(double x, const MathErrorReport& report) {
  if (std::isnan(x)) return x;
  const double magnitude = std::fabs(x);
  if (std::isinf(magnitude)) return kInfinity;
  // 1. Zero and subnormal doubles square to zero.
  if (magnitude < std::numeric_limits<double>::min()) return 0;
  // 2. The middle range: one extended product.
  if (magnitude >= kDirectSquareLow && magnitude < kDirectSquareHigh) {
    return static_cast<Extended>(x) * static_cast<Extended>(x);
  }
  // 3. Far out: by e^(2 ln|x|), with the limits tested on 2 ln|x| itself.
  const Extended twice_ln = 2 * LnOf(magnitude);
  if (twice_ln >= kPowLogLimit) {
    Report(report, "pow: OVERFLOW error");
    return kInfinity;
  }
  if (twice_ln <= -kPowLogLimit) return 0;
  return std::exp(twice_ln);
}

}  // namespace parcyl
