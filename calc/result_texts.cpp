#include "calc/result_texts.h"

#include "calc/number_to_text.h"

namespace parcyl {
namespace {

// Room for a prefix, a figure of at most 22 characters and a suffix, so
// that building a text allocates once.
constexpr std::size_t kFigureRoom = 24;

}  // namespace

std::string ApertureText(double aperture) {
  std::string text;
  text.reserve(result_text::kAperturePrefix.size() + kFigureRoom + result_text::kMillimetres.size());
  text += result_text::kAperturePrefix;
  AppendDoubleText(text, aperture);
  text += result_text::kMillimetres;
  return text;
}

std::string FlooredValueText(std::string_view prefix, double value, std::string_view suffix) {
  std::string text;
  text.reserve(prefix.size() + kFigureRoom + suffix.size());
  text += prefix;
  AppendDoubleText(text, FloorDouble(value));
  text += suffix;
  return text;
}

std::string DirectivityText(double ratio, double decibels) {
  using namespace result_text;
  std::string text;
  text.reserve(kDirectivityPrefix.size() + kDirectivityMiddle.size() + kDirectivitySuffix.size() + 2 * kFigureRoom);
  text += kDirectivityPrefix;
  AppendDoubleText(text, FloorDouble(ratio));
  text += kDirectivityMiddle;
  AppendDoubleText(text, FloorDouble(decibels));
  text += kDirectivitySuffix;
  return text;
}

std::string OrdinateRowText(const std::array<double, kProfilePoints>& ordinates) {
  using namespace result_text;
  std::string text;
  text.reserve(kOrdinateRowStart.size() + kProfilePoints * (kFigureRoom + 6));
  text += kOrdinateRowStart;
  for (int i = 0; i < kProfilePoints; ++i) {
    if (i > 0) text.append(static_cast<std::size_t>(kOrdinateGaps[i - 1]), ' ');
    AppendDoubleText(text, FloorDouble(ordinates[i]));
  }
  return text;
}

}  // namespace parcyl
