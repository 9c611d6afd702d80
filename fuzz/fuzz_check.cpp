#include "fuzz/fuzz_check.h"

#include <cstdio>
#include <cstdlib>

namespace parcyl::fuzz {

void Fail(std::string_view what, std::string_view text) {
  std::fprintf(stderr, "invariant failed: %.*s\ntext (%zu bytes): \"", static_cast<int>(what.size()), what.data(),
               text.size());
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte >= 0x20 && byte < 0x7F && byte != '\\' && byte != '"') {
      std::fputc(byte, stderr);
    } else {
      std::fprintf(stderr, "\\x%02X", byte);
    }
  }
  std::fputs("\"\n", stderr);
  std::abort();
}

}  // namespace parcyl::fuzz
