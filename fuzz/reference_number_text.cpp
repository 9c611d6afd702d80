#include "fuzz/reference_number_text.h"

#include <cmath>
#include <cstdint>

#include "calc/power_of_ten_tables.h"

namespace parcyl::fuzz {
namespace {

Extended Scale(Extended x, int n) {
  if (n == 0) return x;
  const int a = n < 0 ? -n : n;
  const auto apply = [&x, n](Extended factor) { x = n > 0 ? x * factor : x / factor; };
  apply(kPowersOfTen1[a % 32]);
  if ((a / 32) % 16 != 0) apply(kPowersOfTen2[(a / 32) % 16 - 1]);
  if (a / 512 != 0) apply(kPowersOfTen3[a / 512 - 1]);
  return x;
}

}  // namespace

std::string ReferenceNumberText(Extended x, char mark) {
  const Extended magnitude = std::fabs(x);
  // 1. k from the logarithm, then set right by the image itself.
  int k = static_cast<int>(std::floor(std::log10(magnitude))) + 1;
  Extended scaled = Scale(magnitude, 18 - k);
  while (scaled >= 1e18L + 0.5L) scaled = Scale(magnitude, 18 - ++k);
  while (scaled < 1e17L - 0.5L) scaled = Scale(magnitude, 18 - --k);
  auto image = static_cast<std::uint64_t>(std::nearbyint(scaled));
  if (image == 1'000'000'000'000'000'000u) {
    image = 100'000'000'000'000'000u;
    ++k;
  }
  // 2. Fifteen digits, rounded half up by the sixteenth.
  std::uint64_t cut = image / 1000 + ((image / 100) % 10 >= 5 ? 1 : 0);
  if (cut == 1'000'000'000'000'000u) {
    cut = 100'000'000'000'000u;
    ++k;
  }
  std::string digits = std::to_string(cut);
  while (digits.back() == '0') digits.pop_back();

  // 3. The text.
  std::string text = std::signbit(x) ? "-" : "";
  if (k > 15 || k < -3) {
    text += digits[0];
    if (digits.size() > 1) text += mark + digits.substr(1);
    text += 'E';
    text += std::to_string(k - 1);
  } else if (k <= 0) {
    text += '0';
    text += mark + std::string(static_cast<std::size_t>(-k), '0') + digits;
  } else if (static_cast<std::size_t>(k) >= digits.size()) {
    text += digits + std::string(static_cast<std::size_t>(k) - digits.size(), '0');
  } else {
    text += digits.substr(0, static_cast<std::size_t>(k)) + mark + digits.substr(static_cast<std::size_t>(k));
  }
  return text;
}

}  // namespace parcyl::fuzz
