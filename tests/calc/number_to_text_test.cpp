#include "calc/number_to_text.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstring>
#include <limits>

#include "calc/number_from_text.h"
#include "tests/calc/mark_fixture.h"

namespace parcyl {
namespace {

using NumberToTextTest = testing::CommaMark;

struct RenderCase {
  Extended value;
  const char* text;
};

TEST_F(NumberToTextTest, Basic) {
  const RenderCase cases[] = {
      {0.0L, "0"},
      {-0.0L, "0"},
      {12.5L, "12,5"},
      {-12.5L, "-12,5"},
      {100, "100"},
      {1e14L, "100000000000000"},
      {999999999999999.0L, "999999999999999"},
      {1e15L, "1E15"},
      {static_cast<double>(999999999999999.9L), "1E15"},
      {1234567890123456.0L, "1,23456789012346E15"},
      {123456789012345678.0L, "1,23456789012346E17"},
      {static_cast<double>(0.0001L), "0,0001"},
      {static_cast<double>(-0.0001L), "-0,0001"},
      {static_cast<double>(0.000123L), "0,000123"},
      {static_cast<double>(0.00001L), "1E-5"},
      {static_cast<double>(0.000099999L), "9,9999E-5"},
      {1.0 / 3.0, "0,333333333333333"},
      {2.0 / 3.0, "0,666666666666667"},
      {0.1, "0,1"},
      {0.3, "0,3"},
      {1.5e300, "1,5E300"},
      {-1e20, "-1E20"},
      {1e200, "1E200"},
      {363.0, "363"},
      {-1, "-1"},
  };
  for (const auto& c : cases) EXPECT_EQ(NumberToText(c.value), c.text) << static_cast<double>(c.value);
}

TEST_F(NumberToTextTest, MinMax) {
  const RenderCase cases[] = {
      {DBL_MAX, "1,79769313486232E308"},
      {-DBL_MAX, "-1,79769313486232E308"},
      {DBL_MIN, "2,2250738585072E-308"},
      {std::numeric_limits<double>::denorm_min(), "4,94065645841247E-324"},
      {-std::numeric_limits<double>::denorm_min(), "-4,94065645841247E-324"},
      {LDBL_MAX, "1,18973149535723E4932"},
      {LDBL_MIN, "3,36210314311209E-4932"},
  };
  for (const auto& c : cases) EXPECT_EQ(NumberToText(c.value), c.text);
  EXPECT_EQ(NumberToText(-std::numeric_limits<double>::denorm_min()).size(), kLongestDoubleText);
}

TEST_F(NumberToTextTest, SpecialValues) {
  EXPECT_EQ(NumberToText(INFINITY), "INF");
  EXPECT_EQ(NumberToText(-INFINITY), "-INF");
  EXPECT_EQ(NumberToText(NAN), "NAN");
  EXPECT_EQ(NumberToText(-NAN), "NAN");
  // An extended denormal is written as zero.
  EXPECT_EQ(NumberToText(LDBL_MIN / 4), "0");
  EXPECT_EQ(NumberToText(-LDBL_MIN / 4), "0");
}

// 80-bit patterns that no arithmetic makes: the unit refuses them as
// operands, so they are written without being computed with.
TEST_F(NumberToTextTest, NonCanonicalEncodings) {
  struct Pattern {
    std::uint64_t significand;
    std::uint16_t sign_exponent;
    const char* text;
  };
  const Pattern patterns[] = {
      {0x4000000000000000u, 0x3FFF, "NAN"},  // unnormal
      {0x0000000000000000u, 0x7FFF, "NAN"},  // pseudo-infinity
      {0x4000000000000000u, 0x7FFF, "NAN"},  // pseudo-NaN
      {0x8000000000000000u, 0x0000, "0"},    // pseudo-denormal
      {0x0000000000000000u, 0x4000, "NAN"},  // unnormal zero significand
  };
  for (const auto& p : patterns) {
    Extended x = 0;
    std::memcpy(&x, &p.significand, 8);
    std::memcpy(reinterpret_cast<char*>(&x) + 8, &p.sign_exponent, 2);
    EXPECT_EQ(NumberToText(x), p.text) << std::hex << p.sign_exponent << ':' << p.significand;
  }
}

// The 16th digit of an 18-digit image rounds half away from zero; this is
// not a correct rounding of the exact value.
TEST_F(NumberToTextTest, RegressionRoundsAtTheSixteenthDigitOfTheImage) {
  EXPECT_EQ(NumberToText(7.497875084924015), "7,49787508492402");
  EXPECT_EQ(NumberToText(0.9999999999999996), "1");  // 0,999999999999999555...
  EXPECT_EQ(NumberToText(0.9999999999999994), "0,999999999999999");  // 0,999999999999999444...
  EXPECT_EQ(NumberToText(9.999999999999995e22), "1E23");
}

TEST_F(NumberToTextTest, PointMark) {
  testing::UseMark('.');
  EXPECT_EQ(NumberToText(1000.5), "1000.5");
  EXPECT_EQ(NumberToText(1.5e300), "1.5E300");
  EXPECT_EQ(NumberToText(0.000123), "0.000123");
}

// A text typed, stored as a double and shown again unrounded.
TEST_F(NumberToTextTest, TypedTextsShownAgain) {
  const struct {
    const char* typed;
    const char* shown;
  } cases[] = {
      {"12,50", "12,5"},
      {"012", "12"},
      {"1e3", "1000"},
      {"0,00001", "1E-5"},
      {"3,14159265358979323846", "3,14159265358979"},
      {"7,497875084924015", "7,49787508492402"},
      {"1234567890123456789", "1,23456789012346E18"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(NumberToText(static_cast<double>(NumberFromText(c.typed))), c.shown) << c.typed;
  }
}

TEST_F(NumberToTextTest, FloorThenText) {
  const struct {
    double value;
    const char* text;
  } cases[] = {
      {4545.45, "4545"}, {2.9999999, "2"}, {-0.5, "-1"}, {-0.0, "0"}, {-23.148, "-24"},
      {0x1p53 + 2, "9,00719925474099E15"}, {1e300, "1E300"}, {INFINITY, "INF"}, {NAN, "NAN"},
  };
  for (const auto& c : cases) EXPECT_EQ(NumberToText(FloorDouble(c.value)), c.text) << c.value;
  EXPECT_TRUE(std::signbit(FloorDouble(-0.0)));
  EXPECT_EQ(FloorDouble(-1e-300), -1);
}

}  // namespace
}  // namespace parcyl
