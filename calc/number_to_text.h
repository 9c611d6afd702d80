// NumberToText: a number written in the general format with 15 significant
// digits, the DecimalMark of the moment, no digit-group separators and the
// letter E for exponents. Never fails. Worked examples with a comma:
//   0, -0              -> "0"
//   12.5 / -12.5       -> "12,5" / "-12,5"
//   999999999999999    -> "999999999999999"
//   1e15               -> "1E15"        (fixed notation stops below 10^15,
//   999999999999999.9  -> "1E15"         judged after the cut to 15 digits)
//   1234567890123456   -> "1,23456789012346E15"
//   0.0001             -> "0,0001"
//   0.00001            -> "1E-5"
//   1/3                -> "0,333333333333333"
//   the largest double -> "1,79769313486232E308"
//   the least double   -> "4,94065645841247E-324"   (22 characters, the longest)
//   +inf, -inf, NaN    -> "INF", "-INF", "NAN"
//
// FloorDouble: the largest integer not above the value; infinities, NaN and
// magnitudes of 2^53 or more pass unchanged, and the sign of zero survives:
//   4545.45 -> 4545    2.9999999 -> 2    -0.5 -> -1    -0 -> -0
#pragma once

#include <string>

#include "calc/decimal_form.h"
#include "calc/extended.h"

namespace parcyl {

// Exponents of the DecimalForm that are written in fixed notation.
inline constexpr int kFixedNotationLowest = -3;
inline constexpr int kFixedNotationHighest = 15;

// The longest text NumberToText writes for a value that is exactly a double.
inline constexpr std::size_t kLongestDoubleText = 22;

std::string NumberToText(Extended x);

// Appends the text to out, so a caller that builds a longer text allocates once.
void AppendNumberText(std::string& out, Extended x);
// The same text for the double's exact extended value, faster for a whole
// number: AppendDoubleText(out, 363.0) appends what AppendNumberText does.
void AppendDoubleText(std::string& out, double x);

double FloorDouble(double x);

}  // namespace parcyl
