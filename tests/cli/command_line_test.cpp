#include "cli/command_line.h"

#include <gtest/gtest.h>

namespace parcyl::cli {
namespace {

using Args = std::vector<std::string>;

TEST(CommandLine, AcceptedArguments) {
  const struct {
    Args arguments;
    bool trace;
    std::optional<char> mark;
    Args values;
  } cases[] = {
      {{"1000", "2000", "1296"}, false, std::nullopt, {"1000", "2000", "1296"}},
      {{"--trace", "1000", "2000", "1296"}, true, std::nullopt, {"1000", "2000", "1296"}},
      {{"--mark", ",", "--trace", "1000,5", "2000", "1296"}, true, ',', {"1000,5", "2000", "1296"}},
      {{"--", "-1000", "2000", "1296"}, false, std::nullopt, {"-1000", "2000", "1296"}},
      {{"--trace", "--", "--trace", "", "-"}, true, std::nullopt, {"--trace", "", "-"}},
      {{"", "", ""}, false, std::nullopt, {"", "", ""}},  // empty fields give the prompt later
  };
  for (const auto& c : cases) {
    const ParseResult result = ParseArguments(c.arguments);
    ASSERT_TRUE(result.options) << result.error;
    EXPECT_FALSE(result.options->help);
    EXPECT_EQ(result.options->trace, c.trace);
    EXPECT_EQ(result.options->mark, c.mark);
    EXPECT_EQ(result.options->values, c.values);
  }
}

TEST(CommandLine, RefusedArguments) {
  const struct {
    Args arguments;
    const char* error;
  } cases[] = {
      {{"1000", "2000"}, "expected 3 values (D W f), got 2"},
      {{"1000", "2000", "1296", "5"}, "expected 3 values (D W f), got 4"},
      {{"1000", "2000", "1296", "--trace"}, "expected 3 values (D W f), got 4"},  // options only before values
      {{"-1000", "2000", "1296"}, "unknown option -1000 (put -- before a value that begins with '-')"},
      {{"--mark"}, "--mark needs a character"},
      {{"--mark", "..", "1", "2", "3"}, "--mark takes one ASCII character, not '..'"},
      {{"--mark", "", "1", "2", "3"}, "--mark takes one ASCII character, not ''"},
      {{"--mark", "\xD9\xAB", "1", "2", "3"}, "--mark takes one ASCII character, not '\xD9\xAB'"},
      {{"--verbose", "1", "2", "3"}, "unknown option --verbose (put -- before a value that begins with '-')"},
  };
  for (const auto& c : cases) {
    const ParseResult result = ParseArguments(c.arguments);
    EXPECT_FALSE(result.options);
    EXPECT_EQ(result.error, c.error);
  }
}

TEST(CommandLine, HelpWinsWhereverItStandsAmongOptions) {
  for (const Args& arguments : {Args{"--help"}, Args{"--trace", "--help"}, Args{"-h", "1"}}) {
    const ParseResult result = ParseArguments(arguments);
    ASSERT_TRUE(result.options);
    EXPECT_TRUE(result.options->help);
  }
}

}  // namespace
}  // namespace parcyl::cli
