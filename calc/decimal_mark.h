// DecimalMark: the one character that parsing and rendering use as decimal
// mark, taken from the user's regional settings. Process-wide; each
// conversion reads it once at its start, so one conversion never mixes two.
#pragma once

#include <functional>
#include <optional>
#include <string>

namespace parcyl {

inline constexpr char kFallbackDecimalMark = '.';

// Where the mark comes from: the decimal symbol of the user's settings as a
// UTF-8 text, or nothing when the setting cannot be had. The window passes
// the user's locale; the command line may pass a mark of its own.
using DecimalMarkSource = std::function<std::optional<std::string>()>;

char DecimalMark();

// Reads the mark from the source. One character (one byte below 0x80, not
// NUL) becomes the mark; anything else gives '.':
//   ","  -> ','     "."  -> '.'     ""  -> '.'
//   ".." -> '.'     "٫" (two bytes) -> '.'     no setting -> '.'
void ReadDecimalMark(const DecimalMarkSource& source);

}  // namespace parcyl
