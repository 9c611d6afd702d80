// The calculation command through a recording view: the worked examples,
// the order of its events and every way a run can end.
#include "calc/calculation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "tests/calc/mark_fixture.h"
#include "tests/support/recording_view.h"

namespace parcyl {
namespace {

using testing::Events;
using Strings = std::vector<std::string>;

using CalculationTest = testing::CommaMark;

std::string Label(const Strings& events, const std::string& name) {
  const std::string key = "label\t" + name + "\t";
  for (auto it = events.rbegin(); it != events.rend(); ++it) {
    if (it->rfind(key, 0) == 0) return it->substr(key.size());
  }
  return "(unwritten)";
}

Strings Boxes(const Strings& events) {
  Strings boxes;
  for (const auto& e : events) {
    if (e.rfind("box\t", 0) == 0) boxes.push_back(e.substr(4));
  }
  return boxes;
}

std::string Ending(const Strings& events) {
  return events.empty() || events.back().rfind("label\t", 0) == 0 ? "(completed)" : events.back();
}

// The Y row as the window shows it, built from the figures with the row's
// fixed gaps.
std::string YRow(const Strings& figures) {
  const int gaps[] = {4, 3, 3, 3, 3, 5, 5, 6, 4, 5, 6};
  std::string row = "Y     " + figures[0];
  for (std::size_t i = 1; i < figures.size(); ++i) row += std::string(gaps[i - 1], ' ') + figures[i];
  return row;
}

struct WorkedExample {
  const char *d, *w, *f;
  const char *shown_d, *focal, *depth, *wavelength, *area, *ratio, *decibels;
  Strings ordinates;
};

TEST_F(CalculationTest, WorkedExamples) {
  const WorkedExample examples[] = {
      {"1000", "2000", "1296", "1000", "363", "171", "23", "20000", "304", "24",
       {"53", "85", "120", "170", "208", "269", "381", "539", "660", "762", "852", "934"}},
      {"600", "1000", "2400", "600", "218", "103", "12", "6000", "313", "24",
       {"41", "66", "93", "132", "161", "208", "295", "417", "511", "590", "660", "723"}},
      {"1200", "1500", "435", "1200", "436", "206", "68", "18000", "30", "14",
       {"59", "93", "132", "186", "228", "295", "417", "590", "723", "835", "934", "1023"}},
      {"100", "100", "10000", "100", "36", "17", "3", "100", "90", "19",
       {"17", "26", "38", "53", "66", "85", "120", "170", "208", "241", "269", "295"}},
      {"1500", "3000", "145", "1500", "545", "257", "206", "45000", "8", "9",
       {"66", "104", "147", "208", "255", "330", "467", "660", "809", "934", "1044", "1144"}},
      {"1000,5", "2000", "1296", "1000,5", "363", "171", "23", "20010", "304", "24",
       {"53", "85", "120", "170", "208", "269", "381", "539", "660", "762", "853", "934"}},
  };
  for (const auto& x : examples) {
    SCOPED_TRACE(std::string(x.d) + " " + x.w + " " + x.f);
    const Strings events = Events(x.d, x.w, x.f);
    EXPECT_EQ(Label(events, "Label4"), std::string("Размер раскрыва антенны D =  ") + x.shown_d + " мм");
    EXPECT_EQ(Label(events, "Label5"), std::string("Фокусное расстояние         F =  ") + x.focal + " мм");
    EXPECT_EQ(Label(events, "Label6"), std::string("Глубина рефлектора          H =  ") + x.depth + " мм");
    EXPECT_EQ(Label(events, "Label9"), std::string("Длина рабочей волны         L =  ") + x.wavelength + " см");
    EXPECT_EQ(Label(events, "Label10"), std::string("Площадь полотна антенны S =  ") + x.area + " кв. см");
    EXPECT_EQ(Label(events, "Label11"),
              std::string("К.н.д антенны  = ") + x.ratio + " раз = " + x.decibels + " децибелл");
    EXPECT_EQ(Label(events, "Label14"), YRow(x.ordinates));
    EXPECT_TRUE(Boxes(events).empty());
  }
}

TEST_F(CalculationTest, FullRunWritesBothGroupsInOrder) {
  const Strings expected = {
      "label\tLabel3\tРазмеры антенны",
      "label\tLabel4\tРазмер раскрыва антенны D =  1000 мм",
      "label\tLabel5\tФокусное расстояние         F =  363 мм",
      "label\tLabel6\tГлубина рефлектора          H =  171 мм",
      "label\tLabel9\tДлина рабочей волны         L =  23 см",
      "label\tLabel10\tПлощадь полотна антенны S =  20000 кв. см",
      "label\tLabel11\tК.н.д антенны  = 304 раз = 24 децибелл",
      "label\tLabel15\tКоординаты точек для построения параболы",
      "label\tLabel12\t      1     2     3     4     5      6       7       8        9      10      11     12",
      "label\tLabel13\tX    2     5   10   20   30   50    100   200   300  400    500    600",
      "label\tLabel14\tY     53    85   120   170   208   269     381     539      660    762     852      934",
      "label\tLabel16\tВсе размеры в миллиметрах",
  };
  EXPECT_EQ(Events("1000", "2000", "1296"), expected);
  EXPECT_EQ(Label(Events("1500", "3000", "145"), "Label14"),
            "Y     66    104   147   208   255   330     467     660      809    934     1044      1144");
}

// Lengths in characters, not bytes: the Cyrillic letters take two bytes each.
std::size_t Characters(const std::string& utf8) {
  return static_cast<std::size_t>(
      std::count_if(utf8.begin(), utf8.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

TEST_F(CalculationTest, FixedPiecesHaveTheirLengths) {
  const Strings events = Events("1000", "2000", "1296");
  const struct {
    const char* label;
    std::size_t prefix_characters;  // up to and including "=  "
  } prefixes[] = {{"Label4", 29}, {"Label5", 33}, {"Label6", 33}, {"Label9", 33}, {"Label10", 29}};
  for (const auto& p : prefixes) {
    const std::string text = Label(events, p.label);
    const std::string prefix = text.substr(0, text.find("=  ") + 3);
    EXPECT_EQ(Characters(prefix), p.prefix_characters) << p.label;
  }
  EXPECT_EQ(Characters(Label(events, "Label12")), 86u);
  EXPECT_EQ(Characters(Label(events, "Label13")), 70u);
}

TEST_F(CalculationTest, ApertureIsShownAsTypedNumberWithTheMark) {
  EXPECT_EQ(Label(Events("1e3", "2000", "1296"), "Label4"), "Размер раскрыва антенны D =  1000 мм");
  testing::UseMark('.');
  EXPECT_EQ(Label(Events("1000.5", "2000", "1296"), "Label4"), "Размер раскрыва антенны D =  1000.5 мм");
}

struct EndingCase {
  const char *d, *w, *f;
  Strings boxes;
  const char* ending;  // the last event when the run did not complete
  bool labels_written;
};

TEST_F(CalculationTest, WaysARunEnds) {
  const char* prompt = "prompt\tВведите величину раскрыва антенны в мм";
  const char* invalid = "error\tInvalid floating point operation.";
  const char* zero_divide = "error\tFloating point division by zero.";
  const char* overflow = "error\tFloating point overflow.";
  const EndingCase cases[] = {
      {"", "2000", "1296", {}, prompt, false},
      {"1000", "", "1296", {}, prompt, false},
      {"1000", "2000", "", {}, prompt, false},
      {"", "", "", {}, prompt, false},
      {"   ", "2000", "1296", {}, "error\t'   ' is not a valid floating point value.", false},
      {"abc", "2000", "1296", {}, "error\t'abc' is not a valid floating point value.", false},
      {"1000", "2000", "12.5", {}, "error\t'12.5' is not a valid floating point value.", false},
      {"0", "2000", "1296", {}, invalid, false},
      {"-0", "2000", "1296", {}, invalid, false},
      {"1e-400", "2000", "1296", {}, invalid, false},
      {"0", "abc", "1296", {}, invalid, false},  // W is never converted
      {"1000", "2000", "0", {}, zero_divide, false},
      {"1000", "2000", "-0", {}, zero_divide, false},
      {"1e309", "2000", "1296", {}, overflow, false},
      {"1000", "1e308", "1296", {}, overflow, false},
      {"1e307", "2000", "1296", {"pow: OVERFLOW error"}, overflow, false},
      {"1000", "2000", "1e157", {}, overflow, false},
      {"1000", "2000", "1e300", {}, zero_divide, false},
      {"1000", "2000", "1e400", {}, zero_divide, false},
      {"1000", "0", "1e400", {}, invalid, false},
      {"1000", "2000", "1e-310", {}, overflow, false},  // L beyond the double range
      {"1e306", "2000", "1296", {"pow: OVERFLOW error"}, overflow, true},
      {"1000", "abc", "1296", {}, "error\t'abc' is not a valid floating point value.", false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.d) + " | " + c.w + " | " + c.f);
    const Strings events = Events(c.d, c.w, c.f);
    EXPECT_EQ(Boxes(events), c.boxes);
    EXPECT_EQ(Ending(events), c.ending);
    EXPECT_EQ(Label(events, "Label3") != "(unwritten)", c.labels_written);
  }
}

// D = 1e306 fails at the eighth profile point, after the value labels.
TEST_F(CalculationTest, ProfileOverflowLeavesTheTableUnwritten) {
  const Strings events = Events("1e306", "2000", "1296");
  EXPECT_EQ(Label(events, "Label11"), "К.н.д антенны  = 3,047196672E305 раз = 3054 децибелл");
  EXPECT_EQ(Label(events, "Label14"), "(unwritten)");
  EXPECT_EQ(Label(events, "Label15"), "(unwritten)");
}

struct CompletedCase {
  const char *d, *w, *f;
  Strings boxes;
  Strings labels;  // "LabelN=text" pairs that must hold
};

TEST_F(CalculationTest, RunsThatCompleteThroughMathBoxes) {
  const std::string nan_row = "Y     NAN    NAN   NAN   NAN   NAN   NAN     NAN     NAN      NAN    NAN     NAN      NAN";
  const Strings twelve_sqrt(12, "sqrt: DOMAIN error");
  Strings log_then_sqrt = {"log10: DOMAIN error"};
  log_then_sqrt.insert(log_then_sqrt.end(), twelve_sqrt.begin(), twelve_sqrt.end());
  const CompletedCase cases[] = {
      {"1000", "0", "1296", {"log10: SING error"},
       {"Label10=Площадь полотна антенны S =  0 кв. см", "Label11=К.н.д антенны  = 0 раз = -INF децибелл",
        "Label14=Y     53    85   120   170   208   269     381     539      660    762     852      934"}},
      {"1000", "-2000", "1296", {"log10: DOMAIN error"},
       {"Label10=Площадь полотна антенны S =  -20000 кв. см", "Label11=К.н.д антенны  = -305 раз = NAN децибелл",
        "Label5=Фокусное расстояние         F =  363 мм"}},
      {"-1000", "2000", "1296", log_then_sqrt,
       {"Label4=Размер раскрыва антенны D =  -1000 мм", "Label5=Фокусное расстояние         F =  -364 мм",
        "Label6=Глубина рефлектора          H =  -172 мм", "Label9=Длина рабочей волны         L =  23 см",
        "Label10=Площадь полотна антенны S =  -20000 кв. см",
        "Label11=К.н.д антенны  = -305 раз = NAN децибелл", "Label14=" + nan_row}},
      {"-1000", "-2000", "1296", twelve_sqrt,
       {"Label10=Площадь полотна антенны S =  20000 кв. см", "Label11=К.н.д антенны  = 304 раз = 24 децибелл",
        "Label14=" + nan_row}},
      {"1000", "2000", "-1296", {},
       {"Label9=Длина рабочей волны         L =  -24 см", "Label11=К.н.д антенны  = 304 раз = 24 децибелл",
        "Label14=Y     53    85   120   170   208   269     381     539      660    762     852      934"}},
      {"1000", "2000", "1", {},
       {"Label9=Длина рабочей волны         L =  30000 см", "Label11=К.н.д антенны  = 0 раз = -38 децибелл"}},
      {"1e200", "2000", "1296", {"pow: OVERFLOW error"},
       {"Label4=Размер раскрыва антенны D =  1E200 мм",
        "Label5=Фокусное расстояние         F =  3,63636363636364E199 мм",
        "Label6=Глубина рефлектора          H =  INF мм", "Label10=Площадь полотна антенны S =  2E201 кв. см",
        "Label11=К.н.д антенны  = 3,047196672E199 раз = 1994 децибелл"}},
      {"1000", "2000", "1e-300", {"pow: OVERFLOW error", "log10: SING error"},
       {"Label9=Длина рабочей волны         L =  3E304 см", "Label11=К.н.д антенны  = 0 раз = -INF децибелл"}},
      {"1e-200", "2000", "1296", {},
       {"Label5=Фокусное расстояние         F =  0 мм", "Label6=Глубина рефлектора          H =  0 мм",
        "Label10=Площадь полотна антенны S =  0 кв. см", "Label11=К.н.д антенны  = 0 раз = -2006 децибелл",
        "Label14=Y     0    0   0   0   0   0     0     0      0    0     0      0"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.d) + " | " + c.w + " | " + c.f);
    const Strings events = Events(c.d, c.w, c.f);
    EXPECT_EQ(Boxes(events), c.boxes);
    EXPECT_EQ(Ending(events), "(completed)");
    for (const auto& pair : c.labels) {
      const auto eq = pair.find('=');
      EXPECT_EQ(Label(events, pair.substr(0, eq)), pair.substr(eq + 1));
    }
  }
  // The first profile point of D = 1e200.
  EXPECT_EQ(Label(Events("1e200", "2000", "1296"), "Label14").substr(0, 26), "Y     1,70560573084488E100");
}

// No label changes before the last box of the value group: the boxes of
// D = -1000 come before any label, the sqrt boxes between the two groups.
TEST_F(CalculationTest, BoxesComeAtTheMomentOfTheirCall) {
  const Strings events = Events("-1000", "2000", "1296");
  ASSERT_EQ(events.size(), 1u + 7u + 12u + 5u);
  EXPECT_EQ(events[0], "box\tlog10: DOMAIN error");
  EXPECT_EQ(events[1].rfind("label\tLabel3\t", 0), 0u);
  for (int i = 8; i < 20; ++i) EXPECT_EQ(events[i], "box\tsqrt: DOMAIN error");
  EXPECT_EQ(events[20].rfind("label\tLabel15\t", 0), 0u);
}

// Each of these figures depends on the exact order of the roundings.
TEST_F(CalculationTest, RegressionRoundingOrder) {
  const struct {
    const char *d, *w, *f, *label, *text;
  } cases[] = {
      {"5696", "2000", "1296", "Label6", "Глубина рефлектора          H =  978 мм"},  // 11D/64 = 979
      {"4,1", "5000", "1296", "Label10", "Площадь полотна антенны S =  204 кв. см"},
      {"0,7", "1000", "1296", "Label10", "Площадь полотна антенны S =  7 кв. см"},
      {"10000", "1000", "4500", "Label11", "К.н.д антенны  = 18369 раз = 42 децибелл"},
  };
  for (const auto& c : cases) EXPECT_EQ(Label(Events(c.d, c.w, c.f), c.label), c.text) << c.d;
  const struct {
    const char* d;
    const char* third_point;
  } points[] = {{"53,9", "27"}, {"1057,1", "124"}};
  for (const auto& p : points) {
    const std::string row = Label(Events(p.d, "2000", "1296"), "Label14");
    // "Y", five spaces, Y1, four spaces, Y2, three spaces, Y3 ...
    std::string rest = row.substr(6);
    rest = rest.substr(rest.find(' ')).substr(4);
    rest = rest.substr(rest.find(' ')).substr(3);
    EXPECT_EQ(rest.substr(0, rest.find(' ')), p.third_point) << p.d;
  }
}

TEST_F(CalculationTest, SameInputsWriteTheSameTextsAgain) {
  EXPECT_EQ(Events("1000", "2000", "1296"), Events("1000", "2000", "1296"));
  Events("1000", "2000", "0");  // a division by zero leaves nothing behind
  EXPECT_EQ(Events("600", "1000", "2400"), Events("600", "1000", "2400"));
}

}  // namespace
}  // namespace parcyl
