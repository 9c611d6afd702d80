#include "fuzz/number_text_rules.h"

#include <cstddef>

namespace parcyl::fuzz {
namespace {

constexpr int kMostDigits = 15;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Reads a run of digits from pos on.
std::string_view DigitsAt(std::string_view text, std::size_t& pos) {
  const std::size_t start = pos;
  while (pos < text.size() && IsDigit(text[pos])) ++pos;
  return text.substr(start, pos - start);
}

NumberTextVerdict Fault(NumberTextVerdict verdict, std::string_view fault) {
  verdict.fault = fault;
  return verdict;
}

}  // namespace

NumberTextVerdict CheckNumberText(std::string_view text, char mark) {
  NumberTextVerdict verdict;
  if (text == "INF" || text == "-INF" || text == "NAN") {
    verdict.negative = text[0] == '-';
    return verdict;
  }
  std::size_t pos = 0;
  if (pos < text.size() && text[pos] == '-') {
    verdict.negative = true;
    ++pos;
  }
  const std::string_view integer = DigitsAt(text, pos);
  std::string_view fraction;
  if (pos < text.size() && text[pos] == mark) {
    verdict.has_mark = true;
    ++pos;
    fraction = DigitsAt(text, pos);
    if (fraction.empty()) return Fault(verdict, "a mark without digits after it");
    if (fraction.back() == '0') return Fault(verdict, "a trailing zero after the mark");
  }
  if (integer.empty()) return Fault(verdict, "no digit before the mark");

  if (pos < text.size() && text[pos] == 'E') {
    verdict.notation = Notation::kScientific;
    ++pos;
    const bool negative_power = pos < text.size() && text[pos] == '-';
    if (negative_power) ++pos;
    const std::string_view power = DigitsAt(text, pos);
    if (pos != text.size()) return Fault(verdict, "characters after the exponent");
    if (power.empty()) return Fault(verdict, "an exponent without digits");
    if (power[0] == '0') return Fault(verdict, "a leading zero in the exponent");
    if (integer.size() != 1 || integer[0] == '0') return Fault(verdict, "a scientific mantissa not of one nonzero digit");
    if (1 + fraction.size() > kMostDigits) return Fault(verdict, "more than 15 significant digits");
    // Fixed notation covers the exponents from -4 to 14.
    int value = 0;
    for (const char c : power) value = value > 100000 ? value : value * 10 + (c - '0');
    if (negative_power ? value < 5 : value < 15) return Fault(verdict, "scientific notation for a fixed-notation exponent");
    return verdict;
  }

  verdict.notation = Notation::kFixed;
  if (pos != text.size()) return Fault(verdict, "characters after the number");
  if (integer.size() > 1 && integer[0] == '0') return Fault(verdict, "a leading zero");
  if (integer.size() > kMostDigits) return Fault(verdict, "more than 15 integer digits: 10^15 or more in fixed notation");
  if (integer == "0") {
    if (fraction.empty()) {
      if (verdict.negative) return Fault(verdict, "a negative zero");
      return verdict;
    }
    const std::size_t zeros = fraction.find_first_not_of('0');
    if (zeros > 3) return Fault(verdict, "fixed notation below 0.0001");
    if (fraction.size() - zeros > kMostDigits) return Fault(verdict, "more than 15 significant digits");
    return verdict;
  }
  if (!fraction.empty() && integer.size() + fraction.size() > kMostDigits) {
    return Fault(verdict, "more than 15 significant digits");
  }
  return verdict;
}

}  // namespace parcyl::fuzz
