#include "calc/number_to_text.h"

#include <cmath>

#include "calc/decimal_mark.h"

namespace parcyl {
namespace {

void AppendUnsigned(std::string& out, unsigned value) {
  char buffer[10];
  int n = 0;
  do {
    buffer[n++] = static_cast<char>('0' + value % 10);
    value /= 10;
  } while (value != 0);
  while (n > 0) out += buffer[--n];
}

}  // namespace

void AppendNumberText(std::string& out, Extended x) {
  const char mark = DecimalMark();
  const DecimalForm form = DecimalFormOf(x);
  const int exponent = form.exponent;
  const int count = form.digit_count;
  const char* digits = form.digits;

  if (exponent == kInfinityExponent) {
    out += form.negative ? "-INF" : "INF";
    return;
  }
  if (exponent == kNanExponent) {
    out += "NAN";
    return;
  }
  if (form.negative) out += '-';

  if (exponent > kFixedNotationHighest || exponent < kFixedNotationLowest) {
    // Scientific: d[,ddd]E[-]n with n = exponent - 1, no plus, no leading zeros.
    out += digits[0];
    if (count > 1) {
      out += mark;
      out.append(digits + 1, static_cast<std::size_t>(count - 1));
    }
    out += 'E';
    const int power = exponent - 1;
    if (power < 0) out += '-';
    AppendUnsigned(out, static_cast<unsigned>(power < 0 ? -power : power));
  } else if (exponent <= 0) {
    // 0[,000ddd]: as many zeros after the mark as the exponent is below 0.
    out += '0';
    if (count > 0) {
      out += mark;
      out.append(static_cast<std::size_t>(-exponent), '0');
      out.append(digits, static_cast<std::size_t>(count));
    }
  } else {
    // ddd[000][,ddd]: the integer part filled with zeros up to its length.
    const int integer_digits = exponent < count ? exponent : count;
    out.append(digits, static_cast<std::size_t>(integer_digits));
    out.append(static_cast<std::size_t>(exponent - integer_digits), '0');
    if (count > exponent) {
      out += mark;
      out.append(digits + exponent, static_cast<std::size_t>(count - exponent));
    }
  }
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
