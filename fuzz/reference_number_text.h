// NumberToText written out plainly from its rule, as the fuzz targets'
// yardstick for the library's faster roads to the same text:
//   1. k with 10^(k-1) <= |x| < 10^k; N, the integer nearest to |x| scaled
//      by the tables to 18 digits, ties to even (10^18 becomes 10^17, k + 1);
//   2. the first 15 digits of N, one more in the last place when the 16th
//      is 5 or more (a carry out of the first leaves "1", k + 1), trailing
//      zeros dropped;
//   3. fixed notation for k from -3 to 15, else d[<mark>ddd]E[-]n with n = k - 1.
// For a canonical finite normal value only; the caller has loaded the
// calculation's floating-point settings.
#pragma once

#include <string>

#include "calc/extended.h"

namespace parcyl::fuzz {

std::string ReferenceNumberText(Extended x, char mark);

}  // namespace parcyl::fuzz
