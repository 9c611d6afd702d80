// The compute command on the window: labels, the prompt, the error dialog
// and the math boxes, through the application's dialogs.
#include <QLineEdit>

#include "app/form_label.h"
#include "main_window_fixture.h"

namespace parcyl::testing {
namespace {

struct ExpectedLabel {
  const char* label;
  const char* text;
};

// 1000, 2000, 1296: what every result label reads afterwards.
const ExpectedLabel kResults1000[] = {
    {"Label3", "Размеры антенны"},
    {"Label4", "Размер раскрыва антенны D =  1000 мм"},
    {"Label5", "Фокусное расстояние         F =  363 мм"},
    {"Label6", "Глубина рефлектора          H =  171 мм"},
    {"Label9", "Длина рабочей волны         L =  23 см"},
    {"Label10", "Площадь полотна антенны S =  20000 кв. см"},
    {"Label11", "К.н.д антенны  = 304 раз = 24 децибелл"},
    {"Label15", "Координаты точек для построения параболы"},
    {"Label12",
     "      1     2     3     4     5      6       7       8        9      10      11     12"},
    {"Label13", "X    2     5   10   20   30   50    100   200   300  400    500    600"},
    {"Label14",
     "Y     53    85   120   170   208   269     381     539      660    762     852      934"},
    {"Label16", "Все размеры в миллиметрах"},
};

ShownDialog Error(const char* text) {
  return {ShownDialog::Kind::kError, QStringLiteral("Parcyl"), QString::fromUtf8(text)};
}
ShownDialog MathBox(const char* text) {
  return {ShownDialog::Kind::kMath, QStringLiteral("Parcyl.Test.bin"), QString::fromUtf8(text)};
}

class CalculationTest : public MainWindowTest {
 protected:
  void ExpectResultsOf1000() {
    for (const ExpectedLabel& expected : kResults1000) {
      EXPECT_EQ(LabelText(expected.label), QString::fromUtf8(expected.text)) << expected.label;
      auto* label = Control<FormLabel>(expected.label);
      EXPECT_EQ(label->width(), label->fontMetrics().horizontalAdvance(label->text()))
          << expected.label;
    }
  }

  void ExpectStartTexts() {
    EXPECT_EQ(LabelText("Label3"), QStringLiteral("Для справки нажимайте F1"));
    for (const ExpectedLabel& result : kResults1000) {
      if (QString::fromLatin1(result.label) != u"Label3") {
        EXPECT_EQ(LabelText(result.label), QString()) << result.label;
      }
    }
  }
};

TEST_F(CalculationTest, TypedInputsComputedByAClickLandInTheLabels) {
  Type("Edit1", QStringLiteral("1000"));
  Type("Edit2", QStringLiteral("2000"));
  Type("Edit3", QStringLiteral("1296"));
  Click(Control("Button1"));
  EXPECT_TRUE(dialogs_.shown.empty());
  ExpectResultsOf1000();
  EXPECT_EQ(Focus(), Control("Button1"));
}

TEST_F(CalculationTest, AnEmptyFieldPromptsAndChangesNoLabel) {
  const QString inputs[3] = {QStringLiteral("1000"), QStringLiteral("2000"),
                             QStringLiteral("1296")};
  for (int empty = 0; empty < 3; ++empty) {
    SCOPED_TRACE(empty);
    dialogs_.shown.clear();
    Compute(empty == 0 ? QString() : inputs[0], empty == 1 ? QString() : inputs[1],
            empty == 2 ? QString() : inputs[2]);
    EXPECT_EQ(
        dialogs_.shown,
        (std::vector<ShownDialog>{{ShownDialog::Kind::kPrompt, QStringLiteral("Parcyl"),
                                   QStringLiteral("Введите величину раскрыва антенны в мм")}}));
    ExpectStartTexts();
  }
}

TEST_F(CalculationTest, AnErrorEndsTheCommandInTheErrorDialogWithItsFullStop) {
  struct Case {
    const char* aperture;
    const char* width;
    const char* frequency;
    const char* dialog;
  };
  const Case cases[] = {
      {"abc", "2000", "1296", "'abc' is not a valid floating point value."},
      {"1000", "2000", "   ", "'   ' is not a valid floating point value."},
      {"0", "abc", "1296", "Invalid floating point operation."},
      {"1000", "2000", "0", "Floating point division by zero."},
      {"1e309", "2000", "1296", "Floating point overflow."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.dialog);
    dialogs_.shown.clear();
    Compute(QString::fromUtf8(c.aperture), QString::fromUtf8(c.width),
            QString::fromUtf8(c.frequency));
    EXPECT_EQ(dialogs_.shown, (std::vector<ShownDialog>{Error(c.dialog)}));
    ExpectStartTexts();
    EXPECT_TRUE(form_->isVisible());
  }
}

TEST_F(CalculationTest, AfterAnErrorTheNextCalculationIsAsInAFreshProgram) {
  Compute(QStringLiteral("1000"), QStringLiteral("2000"), QStringLiteral("0"));
  ASSERT_EQ(dialogs_.shown, (std::vector<ShownDialog>{Error("Floating point division by zero.")}));
  dialogs_.shown.clear();
  Compute(QStringLiteral("1000"), QStringLiteral("2000"), QStringLiteral("1296"));
  EXPECT_TRUE(dialogs_.shown.empty());
  ExpectResultsOf1000();
}

TEST_F(CalculationTest, AnErrorAfterTheValueLabelsKeepsTheTableOfTheRunBefore) {
  Compute(QStringLiteral("1000"), QStringLiteral("2000"), QStringLiteral("1296"));
  Compute(QStringLiteral("1e306"), QStringLiteral("2000"), QStringLiteral("1296"));
  EXPECT_EQ(dialogs_.shown, (std::vector<ShownDialog>{MathBox("pow: OVERFLOW error"),
                                                      Error("Floating point overflow.")}));
  EXPECT_EQ(LabelText("Label4"), QStringLiteral("Размер раскрыва антенны D =  1E306 мм"));
  EXPECT_EQ(LabelText("Label14"), QString::fromUtf8(kResults1000[10].text));
}

TEST_F(CalculationTest, MathBoxesComeInOrderAtTheirMomentOfTheRun) {
  // What Label4 read while each box was open.
  std::vector<QString> label4_while_open;
  dialogs_.while_open = [&](const ShownDialog&) {
    label4_while_open.push_back(LabelText("Label4"));
  };
  Compute(QStringLiteral("-1000"), QStringLiteral("2000"), QStringLiteral("1296"));

  std::vector<ShownDialog> expected{MathBox("log10: DOMAIN error")};
  for (int point = 0; point < 12; ++point) expected.push_back(MathBox("sqrt: DOMAIN error"));
  EXPECT_EQ(dialogs_.shown, expected);
  ASSERT_EQ(label4_while_open.size(), 13u);
  EXPECT_EQ(label4_while_open[0], QString());  // before the value labels
  EXPECT_EQ(label4_while_open[1], QStringLiteral("Размер раскрыва антенны D =  -1000 мм"));
  EXPECT_EQ(LabelText("Label14"),
            QStringLiteral("Y     NAN    NAN   NAN   NAN   NAN   NAN     NAN     NAN      NAN    "
                           "NAN     NAN      NAN"));
}

TEST_F(CalculationTest, TheDecimalMarkOfTheLocaleReadsAndWritesTheNumbers) {
  ReadDecimalMark([] { return std::optional<std::string>(","); });
  Compute(QStringLiteral("1000,5"), QStringLiteral("2000"), QStringLiteral("1296"));
  EXPECT_EQ(LabelText("Label4"), QStringLiteral("Размер раскрыва антенны D =  1000,5 мм"));
  ReadDecimalMark([] { return std::optional<std::string>("."); });
  Compute(QStringLiteral("1000.5"), QStringLiteral("2000"), QStringLiteral("1296"));
  EXPECT_EQ(LabelText("Label4"), QStringLiteral("Размер раскрыва антенны D =  1000.5 мм"));
}

}  // namespace
}  // namespace parcyl::testing
