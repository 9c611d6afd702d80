// NumberToText on arbitrary 80-bit patterns, the non-canonical encodings
// included (pseudo-denormals, unnormals, pseudo-infinities, pseudo-NaNs).
// The first ten bytes are the value, little-endian as the unit stores it;
// the eleventh picks the mark (",": odd, ".": even) and the caller's
// floating-point settings.
//
// Invariants:
//   - the text is, to the character, the one the rule gives written out
//     plainly (reference_number_text.h);
//   - the text keeps the rendering rules: no trailing zero after the mark,
//     no plus sign, at most 15 significant digits, and "INF", "-INF" or
//     "NAN" for the special values (every pattern the unit would refuse as
//     an operand shows as "NAN");
//   - zero, denormals and pseudo-denormals show as "0"; otherwise the text
//     carries the value's sign;
//   - a value that is exactly a double has a text of at most 22 characters;
//   - a canonical normal value reads back within 5E-15, relatively (give
//     or take kReadBackTolerance), unless
//     its text rounds beyond the extended range;
//   - the caller's settings come back, and rendering raises no exception
//     flag of its own (flags the caller had are its own business).
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string>

#include "calc/decimal_mark.h"
#include "calc/errors.h"
#include "calc/fpu_env.h"
#include "calc/number_from_text.h"
#include "calc/number_to_text.h"
#include "fuzz/fpu_state.h"
#include "fuzz/fuzz_check.h"
#include "fuzz/number_text_rules.h"
#include "fuzz/reference_number_text.h"

namespace parcyl::fuzz {
namespace {

// The largest extended value is 1.18973149535723176502E4932: a text that
// rounds above it cannot be read back.
constexpr Extended kLargestReadableText = 1.18973149535723e4932L;

enum class Kind { kZero, kInfinity, kNan, kNormal };

// From the bits alone; the non-canonical patterns are invalid operands.
Kind KindOf(std::uint64_t significand, unsigned exponent) {
  const bool integer_bit = (significand >> 63) != 0;
  if (exponent == 0) return Kind::kZero;  // zero, denormal, pseudo-denormal
  if (!integer_bit) return Kind::kNan;    // unnormal, pseudo-infinity, pseudo-NaN
  if (exponent == 0x7FFF) return (significand << 1) == 0 ? Kind::kInfinity : Kind::kNan;
  return Kind::kNormal;
}

}  // namespace
}  // namespace parcyl::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace parcyl;
  using namespace parcyl::fuzz;
  if (size != 11) return 0;
  Extended x = 0;
  std::memcpy(&x, data, 10);
  std::uint64_t significand;
  std::uint16_t sign_exponent;
  std::memcpy(&significand, data, sizeof significand);
  std::memcpy(&sign_exponent, data + 8, sizeof sign_exponent);
  const bool negative = (sign_exponent & 0x8000) != 0;
  const Kind kind = KindOf(significand, sign_exponent & 0x7FFFu);
  const char mark = (data[10] & 1) != 0 ? ',' : '.';
  ReadDecimalMark([mark] { return std::optional<std::string>(std::string(1, mark)); });

  const FpuSettings caller = CallerSettings(data[10] >> 1);
  LoadSettings(caller);
  ClearFpuExceptionFlags();
  const std::string text = NumberToText(x);
  const bool flags_clear = FlagsClear();
  const bool settings_kept = SameSettings(CurrentSettings(), caller);
  LoadSettings(CallerSettings(0));
  Require(flags_clear, "rendering raised an exception flag", text);
  Require(settings_kept, "the caller's settings changed", text);

  const NumberTextVerdict verdict = CheckNumberText(text, mark);
  Require(verdict.fault.empty(), verdict.fault, text);
  switch (kind) {
    case Kind::kZero:
      Require(text == "0", "zero or a denormal does not show as \"0\"", text);
      return 0;
    case Kind::kInfinity:
      Require(text == (negative ? "-INF" : "INF"), "an infinity does not show as \"INF\" or \"-INF\"", text);
      return 0;
    case Kind::kNan:
      Require(text == "NAN", "a NaN or an invalid operand does not show as \"NAN\"", text);
      return 0;
    case Kind::kNormal:
      break;
  }
  Require(text == ReferenceNumberText(x, mark), "the text differs from the rule's", text);
  Require(verdict.notation != Notation::kSpecial, "a finite value shows as a special one", text);
  Require(verdict.negative == negative, "the text does not carry the value's sign", text);
  if (static_cast<Extended>(static_cast<double>(x)) == x) {
    Require(text.size() <= kLongestDoubleText, "the text of a double is longer than 22 characters", text);
  }

  Extended parsed = 0;
  try {
    parsed = NumberFromText(text);
  } catch (const EConvertError&) {
    Require(std::fabs(x) > kLargestReadableText, "the text of a value in range is refused", text);
    return 0;
  }
  Require(std::fabs(parsed - x) <= kReadBackTolerance * std::fabs(x),
          "the text reads back further from the value than its 15 digits allow", text);
  return 0;
}
