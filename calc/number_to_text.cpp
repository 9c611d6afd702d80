#include "calc/number_to_text.h"

#include <cmath>
#include <cstdint>
#include <cstring>

#include "calc/decimal_mark.h"

namespace parcyl {
namespace {

// The longest text of any extended value: a sign, 15 digits, the mark, "E",
// a minus and four exponent digits (E-4932).
constexpr std::size_t kLongestText = 23;
// Digits and zeros are copied sixteen at a time, whatever their count, and
// the pointer moves on by the count: a fixed copy is two moves, where a
// copy of a varying length is a call.
constexpr std::size_t kCopyWidth = 16;

char* WriteUnsigned(char* out, unsigned value) {
  char buffer[10];
  int n = 0;
  do {
    buffer[n++] = static_cast<char>('0' + value % 10);
    value /= 10;
  } while (value != 0);
  while (n > 0) *out++ = buffer[--n];
  return out;
}

// count <= 16; out has room for 16.
char* WriteZeros(char* out, std::size_t count) {
  std::memset(out, '0', kCopyWidth);
  return out + count;
}

// The fifteen digits of a form in a register, the first in the lowest byte,
// zeros after the last. Read as the two words DecimalFormOf writes them:
// one wide load over narrow stores would wait for them to complete.
__extension__ using Characters = unsigned __int128;

Characters DigitsOf(const DecimalForm& form) {
  std::uint64_t head;  // characters 0 to 7
  std::uint64_t tail;  // characters 7 to 14
  std::memcpy(&head, form.digits, 8);
  std::memcpy(&tail, form.digits + 7, 8);
  return (Characters{tail} << 56) | head;
}

// The digits from the first-th on, count <= 16 of them; out has room for 16.
char* WriteDigits(char* out, Characters digits, int first, std::size_t count) {
  const Characters part = digits >> (8 * first);
  std::memcpy(out, &part, kCopyWidth);
  return out + count;
}

// The text is built in a buffer on the stack and appended in one step.
void AppendForm(std::string& out, const DecimalForm& form, char mark) {
  const int exponent = form.exponent;
  const int count = form.digit_count;
  const Characters digits = DigitsOf(form);

  if (exponent == kInfinityExponent) {
    out += form.negative ? "-INF" : "INF";
    return;
  }
  if (exponent == kNanExponent) {
    out += "NAN";
    return;
  }
  char text[kLongestText + kCopyWidth];
  char* p = text;
  if (form.negative) *p++ = '-';

  if (exponent > kFixedNotationHighest || exponent < kFixedNotationLowest) {
    // Scientific: d[,ddd]E[-]n with n = exponent - 1, no plus, no leading zeros.
    *p++ = static_cast<char>(digits);
    if (count > 1) {
      *p++ = mark;
      p = WriteDigits(p, digits, 1, static_cast<std::size_t>(count - 1));
    }
    *p++ = 'E';
    const int power = exponent - 1;
    if (power < 0) *p++ = '-';
    p = WriteUnsigned(p, static_cast<unsigned>(power < 0 ? -power : power));
  } else if (exponent <= 0) {
    // 0[,000ddd]: as many zeros after the mark as the exponent is below 0.
    *p++ = '0';
    if (count > 0) {
      *p++ = mark;
      p = WriteZeros(p, static_cast<std::size_t>(-exponent));
      p = WriteDigits(p, digits, 0, static_cast<std::size_t>(count));
    }
  } else {
    // ddd[000][,ddd]: the integer part filled with zeros up to its length.
    const int integer_digits = exponent < count ? exponent : count;
    p = WriteDigits(p, digits, 0, static_cast<std::size_t>(integer_digits));
    p = WriteZeros(p, static_cast<std::size_t>(exponent - integer_digits));
    if (count > exponent) {
      *p++ = mark;
      p = WriteDigits(p, digits, exponent, static_cast<std::size_t>(count - exponent));
    }
  }
  out.append(text, static_cast<std::size_t>(p - text));
}

}  // namespace

void AppendNumberText(std::string& out, Extended x) {
  const char mark = DecimalMark();
  AppendForm(out, DecimalFormOf(x), mark);
}

void AppendDoubleText(std::string& out, double x) {
  const char mark = DecimalMark();
  AppendForm(out, DecimalFormOf(x), mark);
}

std::string NumberToText(Extended x) {
  std::string text;
  AppendNumberText(text, x);
  return text;
}

double FloorDouble(double x) {
  // std::floor is exact and keeps the sign of zero; values of 2^53 and more,
  // infinities and NaN come back unchanged.
  return std::floor(x);
}

}  // namespace parcyl
