// The rules that every text of NumberToText keeps, checked from the text
// alone, so that the fuzz targets can judge a rendering without rendering.
//
//   "INF", "-INF", "NAN"                      the special values
//   [-]digits[<mark>digits]                   fixed, below 10^15 and from 0.0001
//   [-]d[<mark>digits]E[-]digits              scientific, exponent >= 15 or <= -5
//
// with at most 15 significant digits, no trailing zero after the mark, no
// plus sign, no leading zero in the exponent and no "-0". With a comma:
//   "12,5", "0,0001", "1E15", "9,9999E-5", "-4,94065645841247E-324"  keep them
//   "12,50", "+1", "1E+15", "1E015", "0,00001", "1E14", "-0", "1,"     break them
#pragma once

#include <string_view>

#include "calc/extended.h"

namespace parcyl::fuzz {

// How far, relative to x, the text of x may read back from x: half a unit in
// the 15th significant digit (5E-15), half a unit in the 18th, where the
// 18-digit image is rounded before the cut (5E-18), and the few roundings of
// the parse itself (under 2^-62). The 5E-15 alone is not enough at a tie:
// 100.0001220703125 is written "100,000122070313", which reads back
// 5.00003E-13 away, where 5E-15 of the value is 5.00001E-13.
inline constexpr Extended kReadBackTolerance = 5e-15L + 5e-18L + 0x1p-62L;

enum class Notation { kSpecial, kFixed, kScientific };

struct NumberTextVerdict {
  // Empty when the text keeps the rules; otherwise the first rule it breaks.
  std::string_view fault;
  Notation notation = Notation::kSpecial;
  bool negative = false;
  bool has_mark = false;
};

NumberTextVerdict CheckNumberText(std::string_view text, char mark);

}  // namespace parcyl::fuzz
