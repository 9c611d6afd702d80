#include "calc/number_from_text.h"

#include <cmath>
#include <cstdint>
#include <string>

#include "calc/decimal_mark.h"
#include "calc/errors.h"
#include "calc/fpu_env.h"
#include "calc/scale_power_of_ten.h"

namespace parcyl {
namespace {

[[noreturn]] void ThrowNotANumber(std::string_view text) {
  std::string message;
  message.reserve(text.size() + 40);
  message += '\'';
  message += text;
  message += "' is not a valid floating point value";
  throw EConvertError(std::move(message));
}

// Walks the text once; every character is looked at at most once, so the
// work is linear in the length whatever the text holds.
class Cursor {
 public:
  explicit Cursor(std::string_view text) : text_(text) {}

  bool AtEnd() const { return pos_ == text_.size(); }
  std::size_t Position() const { return pos_; }
  bool Take(char c) {
    if (AtEnd() || text_[pos_] != c) return false;
    ++pos_;
    return true;
  }
  // The digit under the cursor, taken; -1 when there is none.
  int TakeDigit() {
    if (AtEnd()) return -1;
    const char c = text_[pos_];
    if (c < '0' || c > '9') return -1;
    ++pos_;
    return c - '0';
  }
  void SkipSpaces() {
    while (Take(' ')) {
    }
  }

 private:
  std::string_view text_;
  std::size_t pos_ = 0;
};

// The mantissa v := v * 10 + digit. While v stays below 2^64 every step is
// exact in the 64-bit significand, so those steps are taken in an integer
// and converted once, which is exact too; the steps after that are rounded
// one by one, as the rule says. "12345678901234567890" never leaves the
// integer; "123456789012345678901" takes its last step in extended.
class Mantissa {
 public:
  void Append(int digit) {
    if (!rounded_) {
      if (exact_ <= kExactLimit) {
        exact_ = exact_ * 10 + static_cast<unsigned>(digit);
        return;
      }
      value_ = static_cast<Extended>(exact_);
      rounded_ = true;
    }
    value_ = value_ * 10 + digit;
  }
  Extended Value() const { return rounded_ ? value_ : static_cast<Extended>(exact_); }

 private:
  // Up to this, v * 10 + 9 still fits in 64 bits.
  static constexpr std::uint64_t kExactLimit = (UINT64_MAX - 9) / 10;
  std::uint64_t exact_ = 0;
  bool rounded_ = false;
  Extended value_ = 0;
};

}  // namespace

Extended NumberFromText(std::string_view text) {
  const char mark = DecimalMark();
  const FpuScope fpu;
  Cursor in(text);

  // 1. Leading spaces, then one optional sign with no space after it.
  in.SkipSpaces();
  bool negative = false;
  if (in.Take('-')) {
    negative = true;
  } else {
    in.Take('+');
  }

  // 2. Integer digits, then the mark and fraction digits, all into one
  //    mantissa v; each v * 10 and each + digit is rounded by itself.
  const std::size_t mantissa_start = in.Position();
  Mantissa mantissa;
  for (int d; (d = in.TakeDigit()) >= 0;) mantissa.Append(d);
  std::int64_t fraction_digits = 0;
  if (in.Take(mark)) {
    for (int d; (d = in.TakeDigit()) >= 0; ++fraction_digits) mantissa.Append(d);
  }
  // A lone mark is a valid zero; a text with neither digit nor mark is not.
  if (in.Position() == mantissa_start) ThrowNotANumber(text);
  const Extended v = mantissa.Value();

  // 3. The exponent: stops right after the digit that reaches 500, so that
  //    a longer exponent leaves a digit unread and fails in step 4.
  int exponent = 0;
  if (in.Take('E') || in.Take('e')) {
    bool exponent_negative = false;
    if (in.Take('-')) {
      exponent_negative = true;
    } else {
      in.Take('+');
    }
    for (int d; exponent < kExponentStop && (d = in.TakeDigit()) >= 0;) exponent = exponent * 10 + d;
    if (exponent_negative) exponent = -exponent;
  }

  // 4. Trailing spaces, and nothing else.
  in.SkipSpaces();
  if (!in.AtEnd()) ThrowNotANumber(text);

  // 5. A mantissa that overflowed is refused even when the scale would
  //    bring it to zero; so is a scaled value beyond the extended range.
  if (std::isinf(v)) ThrowNotANumber(text);
  const std::int64_t scale = exponent - fraction_digits;
  const Extended magnitude =
      ScalePowerOfTen(v, scale <= kScaleToZeroExponent ? kScaleToZeroExponent : static_cast<int>(scale));
  if (std::isinf(magnitude)) ThrowNotANumber(text);
  return negative ? -magnitude : magnitude;
}

}  // namespace parcyl
