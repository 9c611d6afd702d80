#include "cli/command_line.h"

namespace parcyl::cli {
namespace {

constexpr std::size_t kValueCount = 3;

ParseResult Refuse(std::string why) { return {std::nullopt, std::move(why)}; }

}  // namespace

ParseResult ParseArguments(const std::vector<std::string>& arguments) {
  Options options;
  std::size_t i = 0;
  for (; i < arguments.size(); ++i) {
    const std::string& argument = arguments[i];
    if (argument == "--") {
      ++i;
      break;
    }
    if (argument == "--help" || argument == "-h") {
      options.help = true;
      return {options, {}};
    }
    if (argument == "--trace") {
      options.trace = true;
    } else if (argument == "--mark") {
      if (++i == arguments.size()) return Refuse("--mark needs a character");
      const std::string& mark = arguments[i];
      // One character of ASCII: anything longer would silently turn into a
      // point, which is not what a user who typed it meant.
      if (mark.size() != 1 || static_cast<unsigned char>(mark[0]) >= 0x80) {
        return Refuse("--mark takes one ASCII character, not '" + mark + "'");
      }
      options.mark = mark[0];
    } else if (argument.size() > 1 && argument[0] == '-') {
      return Refuse("unknown option " + argument + " (put -- before a value that begins with '-')");
    } else {
      break;
    }
  }
  options.values.assign(arguments.begin() + static_cast<std::ptrdiff_t>(i), arguments.end());
  if (options.values.size() != kValueCount) {
    return Refuse("expected 3 values (D W f), got " + std::to_string(options.values.size()));
  }
  return {options, {}};
}

}  // namespace parcyl::cli
