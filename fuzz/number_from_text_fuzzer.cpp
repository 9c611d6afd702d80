// NumberFromText on arbitrary bytes. The first byte is the decimal-symbol
// setting (ReadDecimalMark: a byte below 0x80 other than NUL is the mark,
// anything else gives "."), the rest is the text.
//
// Invariants:
//   - it returns a value or raises EConvertError, whose message is exactly
//     "'" + text + "' is not a valid floating point value";
//   - it refuses exactly the texts outside the grammar, and of the others
//     only those whose mantissa or value lies beyond the extended range;
//   - an accepted text gives, to the bit, the value of the rule itself:
//     v := v * 10 + digit in extended, each step rounded, then scaled by
//     the power-of-ten tables, each factor rounded (a second, plain
//     implementation here; the library's may take faster roads to it);
//   - an accepted text gives the sign it was written with, zero exactly when
//     all its digits are zero (or its scale is below the tables), otherwise
//     a value within its decimal decade;
//   - afterwards the exception flags are clear and the caller's settings
//     unchanged, and the outcome is the same under any caller's settings.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>

#include "calc/decimal_mark.h"
#include "calc/errors.h"
#include "calc/number_from_text.h"
#include "calc/power_of_ten_tables.h"
#include "calc/scale_power_of_ten.h"
#include "fuzz/fpu_state.h"
#include "fuzz/fuzz_check.h"

namespace parcyl::fuzz {
namespace {

// The largest extended value is about 1.19E4932: 4932 digits always fit,
// 4934 never do, 4933 may or may not.
constexpr std::int64_t kLongestFittingDigits = 4932;

// What the grammar says of a text, and the value by the plain rule.
struct Shape {
  bool valid = false;
  bool negative = false;
  bool nonzero = false;           // some mantissa digit is not 0
  std::int64_t significant = 0;   // mantissa digits from the first nonzero one
  std::int64_t decade = 0;        // 10^(decade-1) <= |value| < 10^decade, if nonzero
  std::int64_t scale = 0;         // the exponent less the fraction digits
  Extended mantissa = 0;          // v, one rounded step per digit
};

// x * 10^n by the tables: 10^(n mod 32), then 10^(32 ((n div 32) mod 16)),
// then 10^(512 (n div 512)), each a multiplication or a division rounded by
// itself; zero from -5120 down.
Extended ScaleByTheTables(Extended x, std::int64_t n) {
  if (n == 0) return x;
  if (n <= -5120) return 0;
  const std::int64_t a = n < 0 ? -n : n;
  const auto apply = [&x, n](Extended factor) { x = n > 0 ? x * factor : x / factor; };
  apply(kPowersOfTen1[a % 32]);
  if ((a / 32) % 16 != 0) apply(kPowersOfTen2[(a / 32) % 16 - 1]);
  if (a / 512 != 0) apply(kPowersOfTen3[a / 512 - 1]);
  return x;
}

// A second reading of the grammar, written from the rules, not the parser:
// spaces, a sign, digits, the mark and digits (at least one of these), an
// exponent read until a digit brings it to 500, spaces, and nothing else.
Shape ShapeOf(std::string_view s, char mark) {
  Shape shape;
  std::size_t i = 0;
  const auto digit_at = [&s](std::size_t j) { return j < s.size() && s[j] >= '0' && s[j] <= '9'; };
  while (i < s.size() && s[i] == ' ') ++i;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) shape.negative = s[i++] == '-';
  const std::size_t mantissa_start = i;
  std::int64_t integer_significant = 0;
  for (; digit_at(i); ++i) {
    shape.mantissa = shape.mantissa * 10 + (s[i] - '0');
    if (shape.nonzero || s[i] != '0') {
      shape.nonzero = true;
      ++integer_significant;
    }
  }
  std::int64_t fraction_digits = 0;
  std::int64_t fraction_leading_zeros = 0;
  if (i < s.size() && s[i] == mark) {
    for (++i; digit_at(i); ++i, ++fraction_digits) {
      shape.mantissa = shape.mantissa * 10 + (s[i] - '0');
      if (shape.nonzero || s[i] != '0') {
        shape.nonzero = true;
      } else {
        ++fraction_leading_zeros;
      }
    }
  }
  if (i == mantissa_start) return shape;
  shape.significant =
      integer_significant > 0 ? integer_significant + fraction_digits : fraction_digits - fraction_leading_zeros;
  std::int64_t exponent = 0;
  if (i < s.size() && (s[i] == 'E' || s[i] == 'e')) {
    ++i;
    bool exponent_negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) exponent_negative = s[i++] == '-';
    for (; exponent < kExponentStop && digit_at(i); ++i) exponent = exponent * 10 + (s[i] - '0');
    if (exponent_negative) exponent = -exponent;
  }
  while (i < s.size() && s[i] == ' ') ++i;
  if (i != s.size()) return shape;
  shape.valid = true;
  shape.decade = (integer_significant > 0 ? integer_significant : -fraction_leading_zeros) + exponent;
  shape.scale = exponent - fraction_digits;
  return shape;
}

struct Outcome {
  std::optional<Extended> value;
  std::string message;
};

Outcome ParseUnder(const FpuSettings& settings, std::string_view text) {
  LoadSettings(settings);
  RaiseAllFlags();
  Outcome outcome;
  try {
    outcome.value = NumberFromText(text);
  } catch (const EConvertError& e) {
    outcome.message = e.Message();
  }
  Require(FlagsClear(), "an exception flag is left set", text);
  Require(SameSettings(CurrentSettings(), settings), "the caller's settings changed", text);
  LoadSettings(CallerSettings(0));
  return outcome;
}

bool SameBits(Extended a, Extended b) {
  // Only the 80 bits of the value; the padding of the type is not compared.
  return std::memcmp(&a, &b, 10) == 0;
}

// The rule's value, infinite when the mantissa or the scaled value overflows.
Extended RuleValue(const Shape& shape) {
  if (std::isinf(shape.mantissa)) return shape.mantissa;
  const Extended magnitude = ScaleByTheTables(shape.mantissa, shape.scale);
  return shape.negative ? -magnitude : magnitude;
}

void CheckValue(Extended value, const Shape& shape, std::string_view text) {
  Require(std::isfinite(value), "an accepted text gives no finite value", text);
  Require(SameBits(value, RuleValue(shape)), "the value differs from the rule's, v * 10 + digit and the tables",
          text);
  Require(std::signbit(value) == shape.negative, "the sign differs from the text's", text);
  if (!shape.nonzero || shape.scale <= kScaleToZeroExponent) {
    // A scale beyond the tables gives zero: only a run of fraction digits
    // over 5120 long gets there.
    Require(value == 0, "zero digits or a scale beyond the tables give no zero", text);
    return;
  }
  // Well above the extended denormals the value keeps its decade, give or
  // take the roundings at its edges ("9,99999999999999999999" gives 10).
  if (shape.decade - 1 > -4930) {
    const Extended decade = std::log10(std::fabs(value));
    Require(decade >= static_cast<Extended>(shape.decade - 1) - 1e-12L &&
                decade <= static_cast<Extended>(shape.decade) + 1e-12L,
            "the value lies outside the decade its digits give", text);
  }
}

}  // namespace
}  // namespace parcyl::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace parcyl;
  using namespace parcyl::fuzz;
  if (size == 0) return 0;
  const std::string setting(1, static_cast<char>(data[0]));
  ReadDecimalMark([&setting] { return std::optional<std::string>(setting); });
  const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);
  LoadSettings(CallerSettings(0));  // the rule's arithmetic: 64 bits, to nearest
  const Shape shape = ShapeOf(text, DecimalMark());

  const Outcome outcome = ParseUnder(CallerSettings(0), text);
  const Outcome elsewhere = ParseUnder(CallerSettings(static_cast<unsigned>(size)), text);
  Require(outcome.value.has_value() == elsewhere.value.has_value() && outcome.message == elsewhere.message &&
              (!outcome.value || SameBits(*outcome.value, *elsewhere.value)),
          "the outcome depends on the caller's settings", text);

  if (!outcome.value) {
    Require(outcome.message == "'" + std::string(text) + "' is not a valid floating point value",
            "the message is not the whole text in its frame", text);
  }
  if (!shape.valid) {
    Require(!outcome.value, "a text outside the grammar is accepted", text);
    return 0;
  }
  const bool may_overflow = shape.significant > kLongestFittingDigits ||
                            (shape.nonzero && shape.decade > kLongestFittingDigits);
  const bool must_overflow = shape.significant > kLongestFittingDigits + 1 ||
                             (shape.nonzero && shape.decade > kLongestFittingDigits + 1);
  if (!outcome.value) {
    Require(may_overflow, "a text of the grammar within the range is refused", text);
    Require(std::isinf(RuleValue(shape)), "a text is refused whose value by the rule is finite", text);
    return 0;
  }
  Require(!must_overflow, "a text beyond the extended range is accepted", text);
  CheckValue(*outcome.value, shape, text);
  return 0;
}
