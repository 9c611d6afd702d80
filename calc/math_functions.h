// The square root, the base-10 logarithm and the square that the
// calculation uses. They never raise an error: outside their domain, at a
// singularity or on overflow they report "name: KIND error" through the
// caller's report and go on with a substitute result. Underflow reports
// nothing and gives 0.
//
//   Sqrt(-1)        -> report "sqrt: DOMAIN error", NaN
//   Sqrt(-0), Sqrt(-1e-310) -> the argument itself, no report (tiny)
//   Log10(0), Log10(-0)     -> report "log10: SING error", -inf
//   Log10(-5)       -> report "log10: DOMAIN error", NaN
//   Pow2(-5)        -> 25
//   Pow2(1e200), Pow2(1.34e154) -> report "pow: OVERFLOW error", +inf
//   Pow2(1e-200)    -> 0, no report (underflow)
//
// Arguments are doubles; results are extended, and the caller goes on with
// the extended value.
#pragma once

#include <functional>
#include <string_view>

#include "calc/extended.h"

namespace parcyl {

// Receives the text of a failing call, at the moment of the call; the
// function returns its substitute once the report returns.
using MathErrorReport = std::function<void(std::string_view text)>;

// A nonzero double below 2^-1026 in magnitude. The square root and the
// logarithm look only at the sign, the exponent and the top four mantissa
// bits, and so take such a value for zero.
bool IsTinyDouble(double x);

// 2 ln|x| at or beyond this is an overflow, at or below its negative an
// underflow: the extended value with binary exponent 9 and top sixteen
// significand bits 0xB172, just below ln(DBL_MAX) = 709.7827...
inline constexpr Extended kPowLogLimit = 709.78125L;

Extended Sqrt(double x, const MathErrorReport& report);
Extended Log10(double x, const MathErrorReport& report);
// x to the power 2, the only power the calculation takes.
Extended Pow2(double x, const MathErrorReport& report);

}  // namespace parcyl
