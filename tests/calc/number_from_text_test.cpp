#include "calc/number_from_text.h"

#include <gtest/gtest.h>

#include <cfenv>
#include <cmath>
#include <string>

#include "calc/errors.h"
#include "calc/fpu_env.h"
#include "tests/calc/mark_fixture.h"

namespace parcyl {
namespace {

using NumberFromTextTest = testing::CommaMark;

std::string MessageOf(const std::string& text) {
  try {
    NumberFromText(text);
  } catch (const EConvertError& e) {
    return e.Message();
  }
  return "(no error)";
}

std::string Expected(const std::string& text) {
  std::string message(1, '\'');
  message += text;
  message += "' is not a valid floating point value";
  return message;
}

struct ValidCase {
  const char* text;
  Extended value;
};

TEST_F(NumberFromTextTest, Basic) {
  const ValidCase cases[] = {
      {"12,5", 12.5L},   {" 12,5 ", 12.5L}, {"   12,5", 12.5L}, {"1e3", 1000},      {"1E+03", 1000},
      {"1e-3", 1e-3L},   {",5", 0.5L},      {"5,", 5},          {",", 0},           {"+5", 5},
      {"1e", 1},         {"1e+", 1},        {"1e-", 1},         {",e5", 0},         {"012", 12},
      {"1000", 1000},    {"-1296", -1296},  {"12,50", 12.5L},   {"1e-4999", 0},     {"0,0000", 0},
  };
  for (const auto& c : cases) EXPECT_EQ(NumberFromText(c.text), c.value) << '"' << c.text << '"';
}

TEST_F(NumberFromTextTest, NegativeZero) {
  for (const char* text : {"-0", "-,", "-0e5", "-,0"}) {
    const Extended v = NumberFromText(text);
    EXPECT_EQ(v, 0) << text;
    EXPECT_TRUE(std::signbit(v)) << text;
  }
}

TEST_F(NumberFromTextTest, InvalidTextsEchoTheWholeText) {
  const char* const texts[] = {
      "12.5", "+", "-", "   ", "", "1,2,3", "12 5", "1 000", "- 5", "--5", "+-5", "E5", "e5", "1e 5", "0x10",
      "\t12", "12\t", "1е5" /* Cyrillic e */, "1Е5" /* Cyrillic E */, "12\xA0", "1e5000", "1e-5000", "1e4933",
      "1e4990", "abc", "inf", "NAN", "1e+-5", "1,5e2,5", " 12.5 ",
  };
  for (const char* text : texts) {
    EXPECT_EQ(MessageOf(text), Expected(text)) << '"' << text << '"';
  }
}

// A NUL inside a field's text is an ordinary character: the number does not
// end there, the text is refused and its message keeps every byte.
TEST_F(NumberFromTextTest, NulByteMakesTheTextInvalid) {
  const std::string text("12\0abc", 6);
  EXPECT_EQ(MessageOf(text), Expected(text));
  EXPECT_EQ(MessageOf(std::string("\0", 1)), Expected(std::string("\0", 1)));
}

TEST_F(NumberFromTextTest, PointMark) {
  testing::UseMark('.');
  EXPECT_EQ(NumberFromText("12.5"), 12.5L);
  EXPECT_EQ(MessageOf("12,5"), "'12,5' is not a valid floating point value");
  // The mark is tested before the exponent letter.
  testing::UseMark('e');
  EXPECT_EQ(NumberFromText("1e5"), 1.5L);
}

TEST_F(NumberFromTextTest, MinMaxOfTheExtendedRange) {
  EXPECT_NEAR(static_cast<double>(NumberFromText("1e4932") / 1e4932L), 1.0, 1e-17);
  EXPECT_NEAR(static_cast<double>(NumberFromText("1e500") / 1e500L), 1.0, 1e-17);
  EXPECT_EQ(NumberFromText("1e500"), NumberFromText("1e0500"));
  EXPECT_EQ(NumberFromText("0,000000000000000000001"), 1 / 1e21L);
  EXPECT_EQ(NumberFromText("1e-21"), 1 / 1e21L);
  // Below the extended range: denormal, then zero.
  EXPECT_GT(NumberFromText("1e-4940"), 0);
  EXPECT_LT(NumberFromText("1e-4940"), 1e-4930L);
  EXPECT_EQ(NumberFromText("1e-4960"), 0);
}

TEST_F(NumberFromTextTest, ExponentIsReadUpToTheDigitThatReachesFiveHundred) {
  EXPECT_EQ(NumberFromText("5e-4999"), 0);
  EXPECT_EQ(NumberFromText("1e0499"), NumberFromText("1e499"));
  EXPECT_EQ(MessageOf("1e50000"), "'1e50000' is not a valid floating point value");
  EXPECT_EQ(MessageOf("1e00005000"), "'1e00005000' is not a valid floating point value");
  EXPECT_EQ(NumberFromText("1e-00004999"), 0);  // leading zeros don't count
  EXPECT_EQ(MessageOf("1e00004999"), "'1e00004999' is not a valid floating point value");  // overflow
}

// A mantissa that overflows is refused even when the fraction would have
// brought the value back into range.
TEST_F(NumberFromTextTest, MantissaOverflowIsInvalid) {
  const std::string long_fraction = "," + std::string(5000, '9');
  EXPECT_NE(MessageOf(long_fraction), "(no error)");
  const std::string zeros_then_one = "," + std::string(100000, '0') + "1";
  EXPECT_EQ(NumberFromText(zeros_then_one), 0);
}

// Each v * 10 + digit is rounded by itself, so a long digit string is not
// the correctly rounded value. The expected bit patterns were worked out
// with exact rational arithmetic, rounding after every step.
TEST_F(NumberFromTextTest, RegressionRoundsAtEveryStep) {
  const ValidCase cases[] = {
      {"123456789012345678901234567890", 0xC77487FB61B9F076p+33L},  // correctly rounded: ...077
      {"18446744073709551617123", 0xFA00000000000000p+10L},         // correctly rounded: ...001
      {"99999999999999999999999", 0xA968163F0A57B400p+13L},
  };
  for (const auto& c : cases) EXPECT_EQ(NumberFromText(c.text), c.value) << c.text;
}

class FlagsAndSettings : public NumberFromTextTest, public ::testing::WithParamInterface<const char*> {};

// Whatever the outcome, the caller's settings come back and no exception
// flag is left set, also when the caller runs with other settings.
TEST_P(FlagsAndSettings, AreLeftAsTheCallerHadThem) {
  const char* text = GetParam();
  const std::uint16_t x87 = X87ControlWord();
  for (const std::uint16_t word : {std::uint16_t{0x037F}, std::uint16_t{0x027F} /* 53-bit */,
                                   std::uint16_t{0x0B7F} /* upward */}) {
    SetX87ControlWord(word);
    std::fesetround(word == 0x0B7F ? FE_UPWARD : FE_TONEAREST);
    std::feclearexcept(FE_ALL_EXCEPT);
    const std::uint32_t mxcsr = Mxcsr();
    Extended value = -1;
    try {
      value = NumberFromText(text);
    } catch (const EConvertError&) {
    }
    EXPECT_EQ(std::fetestexcept(FE_ALL_EXCEPT), 0) << text;
    EXPECT_EQ(X87ControlWord(), word) << text;
    EXPECT_EQ(Mxcsr(), mxcsr) << text;
    SetX87ControlWord(0x037F);
    std::fesetround(FE_TONEAREST);
    if (value != -1) {
      // The same value under any caller's settings.
      const Extended reference = NumberFromText(text);
      EXPECT_TRUE(value == reference || (std::isnan(value) && std::isnan(reference))) << text;
    }
  }
  SetX87ControlWord(x87);
}

INSTANTIATE_TEST_SUITE_P(NumberFromText, FlagsAndSettings,
                         ::testing::Values("12,5", "0,1", "1e4932", "1e4933", "1e-4940", "1e-4999", "abc", "",
                                           "3,14159265358979323846", "1e500"));

}  // namespace
}  // namespace parcyl
