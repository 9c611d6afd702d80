// Texts nobody types but anybody can paste into a field: megabytes of
// digits or garbage, long fraction runs, blanks only, characters outside
// code page 1251, control characters and NUL bytes. Each one either reads as
// its number or fails with the whole text in the message, never cut short.
//
// Linear time is shown by size, not by a clock: the long texts here are
// 16 MiB, which a single pass reads in well under a second, while a parser
// that went back over the text for each character would need at least
// n^2/2 = 1.4 * 10^14 steps, days, far beyond CTest's timeout.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "calc/errors.h"
#include "calc/number_from_text.h"
#include "tests/calc/mark_fixture.h"
#include "tests/support/recording_view.h"

namespace parcyl {
namespace {

using LongAndStrangeInput = testing::CommaMark;
using testing::Events;

constexpr std::size_t kHuge = std::size_t{16} << 20;  // 16 MiB
constexpr std::size_t kMegabyte = std::size_t{1} << 20;

std::string ExpectedMessage(const std::string& text) { return "'" + text + "' is not a valid floating point value"; }

// The outcome of one parse: a value or the message. Long texts are compared
// with == under EXPECT_TRUE, so that a failure does not print megabytes.
struct Outcome {
  bool refused = false;
  Extended value = 0;
  std::string message;
};

Outcome Parse(const std::string& text) {
  Outcome outcome;
  try {
    outcome.value = NumberFromText(text);
  } catch (const EConvertError& e) {
    outcome.refused = true;
    outcome.message = e.Message();
  }
  return outcome;
}

void ExpectRefusedWhole(const std::string& text, const std::string& name) {
  const Outcome outcome = Parse(text);
  ASSERT_TRUE(outcome.refused) << name;
  EXPECT_EQ(outcome.message.size(), text.size() + 38) << name;
  EXPECT_TRUE(outcome.message == ExpectedMessage(text)) << name << ": the message does not hold the text whole";
}

struct LongCase {
  const char* name;
  std::function<std::string()> text;
  bool refused;
  Extended value;  // when accepted
};

TEST_F(LongAndStrangeInput, SixteenMebibyteTextsReadInOnePass) {
  const std::string zeros(kHuge, '0');
  const std::string spaces(kHuge / 2, ' ');
  const LongCase cases[] = {
      // Accepted: leading zeros and blanks cost nothing but the reading.
      {"zeros", [&] { return zeros; }, false, 0},
      {"leading zeros", [&] { return zeros + "1296"; }, false, 1296},
      {"blanks around", [&] { return spaces + "12,5" + spaces; }, false, 12.5L},
      {"zero fraction", [&] { return "0," + zeros + "1"; }, false, 0},
      {"exponent of zeros", [&] { return "1e" + zeros; }, false, 1},
      {"exponent after zeros", [&] { return "1e" + zeros + "5"; }, false, 1e5L},
      // Refused: the mantissa overflows, or the text is not a number.
      {"ones", [] { return std::string(kHuge, '1'); }, true, 0},
      {"fraction of fives", [] { return "1," + std::string(kHuge, '5'); }, true, 0},
      {"letters", [] { return std::string(kHuge, 'x'); }, true, 0},
      {"blanks", [] { return std::string(kHuge, ' '); }, true, 0},
      {"minus signs", [] { return std::string(kHuge, '-'); }, true, 0},
      {"digits then a letter", [&] { return zeros + "x"; }, true, 0},
      {"a letter then digits", [&] { return "x" + zeros; }, true, 0},
      {"exponent then a sixth digit", [&] { return "1e" + zeros + "50000"; }, true, 0},
  };
  for (const auto& c : cases) {
    const std::string text = c.text();
    if (c.refused) {
      ExpectRefusedWhole(text, c.name);
    } else {
      const Outcome outcome = Parse(text);
      ASSERT_FALSE(outcome.refused) << c.name;
      EXPECT_EQ(outcome.value, c.value) << c.name;
    }
  }
}

// Every digit after the first nonzero one goes into the mantissa, so a run
// of significant digits is read up to the 4932 that the extended range
// holds (10^4932 - 1 < 1.19 * 10^4932) and refused from 4933 on, even where
// the value itself is about 1. Leading zeros in the fraction are no such
// digits: 100,000 of them read as zero.
TEST_F(LongAndStrangeInput, HundredThousandFractionDigits) {
  EXPECT_NEAR(static_cast<double>(NumberFromText("," + std::string(4932, '9'))), 1.0, 1e-15);
  ExpectRefusedWhole("," + std::string(4933, '9'), "4933 nines");
  ExpectRefusedWhole("1," + std::string(100000, '0'), "a one and 100,000 zeros");
  ExpectRefusedWhole("0," + std::string(100000, '3'), "100,000 threes");
  EXPECT_EQ(NumberFromText("0," + std::string(100000, '0')), 0);
  const Extended small = NumberFromText("0," + std::string(4900, '0') + "125");
  EXPECT_GT(small, 0);
  EXPECT_NEAR(static_cast<double>(small * 1e4901L), 1.25, 1e-12);
}

TEST_F(LongAndStrangeInput, TextsOfBlanksOnly) {
  for (const std::size_t n : {std::size_t{1}, std::size_t{3}, kMegabyte}) {
    ExpectRefusedWhole(std::string(n, ' '), std::to_string(n) + " blanks");
  }
}

// UTF-8 texts, and bytes that are not even UTF-8 (a byte-order mark of the
// wrong width, an overlong slash, a cut sequence): every byte of a
// character outside ASCII is 0x80 or more and so no digit, sign, mark or
// exponent letter, wherever it stands.
TEST_F(LongAndStrangeInput, CharactersOutsideTheCodePage) {
  const char* const texts[] = {
      "😀",          "12,5😀",       "😀12,5",        "12😀,5",
      "１２９６",    "１e3",         "一千",          "12,5千",
      "12٫5",        "−5",           "12,5\u00A0",    "\u00A012,5",
      "1\u20005",    "\u200B12,5",   "12,5\uFEFF",    "\xFF\xFE\x31\x32" /* FF FE "12" */,
      "\xC0\xAF",    "12\xE2\x80",
  };
  for (const char* text : texts) ExpectRefusedWhole(text, text);
}

TEST_F(LongAndStrangeInput, ControlCharacters) {
  std::vector<char> controls;
  for (int c = 1; c < 0x20; ++c) controls.push_back(static_cast<char>(c));
  controls.push_back('\x7F');
  for (const char c : controls) {
    const std::string code = "code " + std::to_string(static_cast<int>(c));
    ExpectRefusedWhole(std::string(1, c) + "12,5", code + " before");
    ExpectRefusedWhole("12" + std::string(1, c) + ",5", code + " inside");
    ExpectRefusedWhole("12,5" + std::string(1, c), code + " after");
    ExpectRefusedWhole("1e" + std::string(1, c) + "3", code + " in the exponent");
  }
}

// A NUL does not end the text: the number is refused and the message keeps
// every byte after it too.
TEST_F(LongAndStrangeInput, NulBytesAnywhere) {
  const std::string nul(1, '\0');
  const std::string texts[] = {"12,5" + nul, nul + "12,5", "12" + nul + ",5", "1e3" + nul + "999",
                               nul + nul + nul, std::string(kMegabyte, '\0')};
  for (const std::string& text : texts) ExpectRefusedWhole(text, std::to_string(text.size()) + " bytes");
}

// The command with megabyte fields: padding that the grammar allows changes
// nothing shown, and a refused field is named whole in the one error event,
// with the full stop of the error dialog after it.
TEST_F(LongAndStrangeInput, CommandWithMegabyteFields) {
  const std::vector<std::string> plain = Events("1000", "2000", "1296");
  ASSERT_EQ(plain.size(), 12u);
  EXPECT_EQ(Events(std::string(kMegabyte, '0') + "1000", std::string(kMegabyte, ' ') + "2000",
                   "1296," + std::string(4000, '0')),
            plain);

  const std::string refused_texts[] = {std::string(kMegabyte, '7'), std::string(kMegabyte, ' '),
                                       "1000," + std::string(100000, '0'), std::string(kMegabyte, '\0'),
                                       "1000" + std::string(kMegabyte, 'x')};
  for (const std::string& text : refused_texts) {
    for (int field = 0; field < 3; ++field) {
      std::string fields[3] = {"1000", "2000", "1296"};
      fields[field] = text;
      const std::vector<std::string> events = Events(fields[0], fields[1], fields[2]);
      ASSERT_EQ(events.size(), 1u) << "field " << field;
      EXPECT_TRUE(events[0] == "error\t" + ExpectedMessage(text) + ".")
          << "field " << field << ": the error does not name the text whole";
    }
  }
}

// Only the empty text asks for a value; blanks, a NUL or a control
// character are text, and fail in conversion.
TEST_F(LongAndStrangeInput, FieldsThatLookEmptyAreNot) {
  const std::string nul(1, '\0');
  for (const std::string& text : {std::string(" "), nul, std::string("\t"), std::string("\u200B")}) {
    const std::vector<std::string> events = Events("1000", text, "1296");
    ASSERT_EQ(events.size(), 1u);
    EXPECT_TRUE(events[0] == "error\t" + ExpectedMessage(text) + ".") << text.size() << " bytes";
  }
}

}  // namespace
}  // namespace parcyl
