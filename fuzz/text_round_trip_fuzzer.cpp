// The text round trip of a double. The first eight bytes are the double's
// bits, the ninth picks the mark: "," when it is odd, "." otherwise.
//
// For every finite double x, with t = NumberToText(x):
//   - t is the text the rule gives written out plainly, and the one that
//     AppendDoubleText writes, the road the result labels take;
//   - t keeps the rendering rules and is at most 22 characters long;
//   - NumberFromText(t) is accepted, renders as t again, and lies within
//     5E-15 of x, relatively, give or take the roundings after the 15th
//     digit (kReadBackTolerance);
//   - the floor of x renders without a mark below 10^15, as the result
//     labels show their figures.
#include <bit>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string>

#include "calc/decimal_mark.h"
#include "calc/errors.h"
#include "calc/number_from_text.h"
#include "calc/number_to_text.h"
#include "fuzz/fuzz_check.h"
#include "fuzz/number_text_rules.h"
#include "fuzz/reference_number_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace parcyl;
  using namespace parcyl::fuzz;
  if (size != 9) return 0;
  std::uint64_t bits;
  std::memcpy(&bits, data, sizeof bits);
  const double x = std::bit_cast<double>(bits);
  if (!std::isfinite(x)) return 0;
  const char mark = (data[8] & 1) != 0 ? ',' : '.';
  ReadDecimalMark([mark] { return std::optional<std::string>(std::string(1, mark)); });

  const std::string text = NumberToText(x);
  Require(text == (x == 0 ? "0" : ReferenceNumberText(x, mark)), "the text differs from the rule's", text);
  std::string appended = "=  ";
  AppendDoubleText(appended, x);
  Require(appended == "=  " + text, "AppendDoubleText writes another text than NumberToText", appended);
  const NumberTextVerdict verdict = CheckNumberText(text, mark);
  Require(verdict.fault.empty(), verdict.fault, text);
  Require(text.size() <= kLongestDoubleText, "the text of a double is longer than 22 characters", text);
  Require(verdict.notation != Notation::kSpecial, "a finite double shows as a special value", text);

  Extended parsed = 0;
  try {
    parsed = NumberFromText(text);
  } catch (const EConvertError&) {
    Fail("the text of a double is refused", text);
  }
  Require(NumberToText(parsed) == text, "the parsed text renders differently", text);
  const Extended error = std::fabs(parsed - static_cast<Extended>(x));
  Require(error <= kReadBackTolerance * std::fabs(static_cast<Extended>(x)),
          "the parsed text is further from the double than its 15 digits allow", text);

  const double floored = FloorDouble(x);
  const std::string floored_text = NumberToText(floored);
  std::string floored_appended;
  AppendDoubleText(floored_appended, floored);
  Require(floored_appended == floored_text, "AppendDoubleText writes another text than NumberToText", floored_text);
  const NumberTextVerdict floored_verdict = CheckNumberText(floored_text, mark);
  Require(floored_verdict.fault.empty(), floored_verdict.fault, floored_text);
  Require(std::fabs(floored) >= 1e15 || (!floored_verdict.has_mark && floored_verdict.notation == Notation::kFixed),
          "a floored value below 10^15 shows a mark or an exponent", floored_text);
  // Below 2^53 in magnitude floored + 1 is exact; above it every double is
  // a whole number and its own floor.
  Require(floored == x || (floored < x && floored + 1 > x && floored == std::trunc(floored)),
          "the floor is not the largest whole number not above the value", floored_text);
  return 0;
}
