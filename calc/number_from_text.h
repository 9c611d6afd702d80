// NumberFromText: the number that an input text denotes.
//
// Grammar, with m the DecimalMark at entry and spaces meaning code 32 only:
//   spaces [+|-] digits* [m digits*] [(E|e) [+|-] digits*] spaces
// with at least one digit or the mark before the exponent. Worked examples
// with a comma as the mark:
//   "12,5", " 12,5 "    -> 12.5        ",5" -> 0.5     "5," -> 5     "," -> 0
//   "1e3", "1E+03"      -> 1000        "1e", "1e+" -> 1              "-," -> -0
//   "1e500"             -> 10^500, an extended real beyond the double range
//   "1e-4999"           -> 0           "0,000000000000000000001" -> 1e-21
//   "12.5", "1 000", "- 5", "E5", "1e 5", "0x10", "1e4933", "1e5000", ""
//                       -> EConvertError "'12.5' is not a valid floating point value"
//
// The mantissa is built as v := v * 10 + digit, each step rounded to a 64-bit
// significand, and scaled once by ScalePowerOfTen. This is not a correctly
// rounded conversion, and it is not meant to be: it is the rule every figure
// of the program rests on.
#pragma once

#include <string_view>

#include "calc/extended.h"

namespace parcyl {

// An exponent is read up to and including the first digit that brings it to
// this value or more; a digit after that is left unread and makes the text
// invalid: "1e4999" is read whole, "1e5000" is not.
inline constexpr int kExponentStop = 500;

// Raises EConvertError for a text that is not a number, or whose magnitude
// lies beyond the extended range. Runs under the calculation's floating-point
// settings and leaves the caller's settings as they were and the exception
// flags clear, whatever the outcome.
Extended NumberFromText(std::string_view text);

}  // namespace parcyl
