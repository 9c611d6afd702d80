// What a fuzz target does when an invariant fails: say which, show the
// input's text, and abort, so that libFuzzer keeps the input as a crash.
#pragma once

#include <string_view>

namespace parcyl::fuzz {

// Prints "invariant failed: <what>" and the text with every byte that is not
// printable ASCII escaped as \xHH, then aborts.
[[noreturn]] void Fail(std::string_view what, std::string_view text);

inline void Require(bool holds, std::string_view what, std::string_view text) {
  if (!holds) Fail(what, text);
}

}  // namespace parcyl::fuzz
