#include "calc/number_from_text.h"

#include <cmath>
#include <cstdint>
#include <optional>
#include <string>

#include "calc/decimal_mark.h"
#include "calc/errors.h"
#include "calc/exact_scale.h"
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
//
// The first rounded step opens the floating-point scope, so a text that
// never needs the x87 unit never pays for saving and restoring it.
class Mantissa {
 public:
  explicit Mantissa(std::optional<FpuScope>& fpu) : fpu_(fpu) {}

  void Append(int digit) {
    if (!rounded_) {
      if (exact_ <= kExactLimit) {
        exact_ = exact_ * 10 + static_cast<unsigned>(digit);
        return;
      }
      if (!fpu_) fpu_.emplace();
      value_ = static_cast<Extended>(exact_);
      rounded_ = true;
    }
    value_ = value_ * 10 + digit;
  }
  bool Exact() const { return !rounded_; }
  std::uint64_t ExactValue() const { return exact_; }
  Extended Value() const { return rounded_ ? value_ : static_cast<Extended>(exact_); }

 private:
  std::optional<FpuScope>& fpu_;
  // Up to this, v * 10 + 9 still fits in 64 bits.
  static constexpr std::uint64_t kExactLimit = (UINT64_MAX - 9) / 10;
  std::uint64_t exact_ = 0;
  bool rounded_ = false;
  Extended value_ = 0;
};

}  // namespace

Extended NumberFromText(std::string_view text) {
  const char mark = DecimalMark();
  // The scope is opened before the first operation on the x87 unit and
  // restores the caller's settings; the flags are left clear on every way
  // out, also when the text never needed the unit (inside a calculation
  // run the run's own scope clears them at its end).
  struct ClearFlagsOnExit {
    ~ClearFlagsOnExit() { ClearFpuExceptionFlagsOutsideScopes(); }
  } const clear_flags_on_exit;
  std::optional<FpuScope> fpu;
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
  Mantissa mantissa(fpu);
  for (int d; (d = in.TakeDigit()) >= 0;) mantissa.Append(d);
  std::int64_t fraction_digits = 0;
  if (in.Take(mark)) {
    for (int d; (d = in.TakeDigit()) >= 0; ++fraction_digits) mantissa.Append(d);
  }
  // A lone mark is a valid zero; a text with neither digit nor mark is not.
  if (in.Position() == mantissa_start) ThrowNotANumber(text);

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

  // 5. A short mantissa with a small scale is one exactly rounded operation,
  //    done in integers (exact_scale.h).
  const std::int64_t scale = exponent - fraction_digits;
  if (mantissa.Exact() && scale >= -kExactScaleLimit && scale <= kExactScaleLimit) {
    const Extended magnitude = *ExactScale(mantissa.ExactValue(), static_cast<int>(scale));
    return negative ? -magnitude : magnitude;
  }

  // 6. Otherwise the tables. A mantissa that overflowed is refused even
  //    when the scale would bring it to zero; so is a scaled value beyond
  //    the extended range.
  if (!fpu) fpu.emplace();
  const Extended v = mantissa.Value();
  if (std::isinf(v)) ThrowNotANumber(text);
  const Extended magnitude =
      ScalePowerOfTen(v, scale <= kScaleToZeroExponent ? kScaleToZeroExponent : static_cast<int>(scale));
  if (std::isinf(magnitude)) ThrowNotANumber(text);
  return negative ? -magnitude : magnitude;
}

}  // namespace parcyl
