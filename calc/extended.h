// The 80-bit extended real that the whole calculation runs in.
//
// Every formula is carried out with a 64-bit significand and rounded to
// nearest after each operation. On x86-64 with GCC that is `long double`,
// evaluated on the x87 unit; on any other format the figures would differ in
// their last digits, so the build refuses to go on.
#pragma once

#include <limits>

namespace parcyl {

using Extended = long double;

static_assert(std::numeric_limits<Extended>::digits == 64 &&
                  std::numeric_limits<Extended>::max_exponent == 16384,
              "parcyl needs the x87 80-bit extended format for long double "
              "(64-bit significand, 15-bit exponent): build on x86-64 with GCC or Clang");

}  // namespace parcyl
