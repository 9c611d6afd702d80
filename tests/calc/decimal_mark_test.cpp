#include "calc/decimal_mark.h"

#include <gtest/gtest.h>

#include "calc/number_from_text.h"
#include "calc/number_to_text.h"
#include "tests/calc/mark_fixture.h"

namespace parcyl {
namespace {

using DecimalMarkTest = testing::CommaMark;

TEST_F(DecimalMarkTest, OneCharacterBecomesTheMarkAnythingElseAPoint) {
  const struct {
    std::optional<std::string> setting;
    char mark;
  } cases[] = {
      {",", ','},
      {".", '.'},
      {"'", '\''},
      {"", '.'},
      {"..", '.'},
      {", ", '.'},
      {"\xD9\xAB", '.'},       // Arabic decimal separator: two bytes
      {"\xC2", '.'},           // a lone byte of a multi-byte character
      {std::string(1, '\0'), '.'},
      {std::nullopt, '.'},
  };
  for (const auto& c : cases) {
    testing::UseMark(',');
    ReadDecimalMark([&] { return c.setting; });
    EXPECT_EQ(DecimalMark(), c.mark) << (c.setting ? *c.setting : "(none)");
  }
  ReadDecimalMark(nullptr);
  EXPECT_EQ(DecimalMark(), '.');
}

// A change of settings applies to parsing and rendering alike from the next
// conversion on.
TEST_F(DecimalMarkTest, ChangeAppliesToBothDirections) {
  EXPECT_EQ(NumberToText(NumberFromText("1000,5")), "1000,5");
  testing::UseMark('.');
  EXPECT_EQ(NumberToText(NumberFromText("1000.5")), "1000.5");
}

}  // namespace
}  // namespace parcyl
