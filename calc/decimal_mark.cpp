#include "calc/decimal_mark.h"

#include <atomic>

namespace parcyl {
namespace {

// Written and read on the user-interface thread only; atomic so that a
// front end that did use another thread could not tear it.
std::atomic<char> g_decimal_mark{kFallbackDecimalMark};

char MarkFromSetting(const std::optional<std::string>& setting) {
  if (!setting || setting->size() != 1) return kFallbackDecimalMark;
  const auto c = static_cast<unsigned char>((*setting)[0]);
  if (c == 0 || c >= 0x80) return kFallbackDecimalMark;
  return static_cast<char>(c);
}

}  // namespace

char DecimalMark() { return g_decimal_mark.load(std::memory_order_relaxed); }

void ReadDecimalMark(const DecimalMarkSource& source) {
  g_decimal_mark.store(MarkFromSetting(source ? source() : std::nullopt),
                       std::memory_order_relaxed);
}

}  // namespace parcyl
