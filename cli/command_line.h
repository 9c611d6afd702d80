// The arguments of parcyl-calc:
//   parcyl-calc [--mark C] [--trace] [--] D W f
// Options come only before the three values; "--" ends them, so a value
// may begin with a minus sign:
//   parcyl-calc --mark , -- -1000 2000 1296
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace parcyl::cli {

struct Options {
  bool help = false;
  bool trace = false;
  std::optional<char> mark;  // none: the user's locale
  std::vector<std::string> values;
};

struct ParseResult {
  std::optional<Options> options;
  std::string error;  // why the arguments were refused, when options is empty
};

ParseResult ParseArguments(const std::vector<std::string>& arguments);

inline constexpr const char* kUsage = "usage: parcyl-calc [--mark C] [--trace] [--] D W f";

}  // namespace parcyl::cli
