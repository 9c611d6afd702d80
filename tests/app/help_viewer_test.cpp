// The bundled help viewer and its book.
#include <gtest/gtest.h>

#include <QTest>
#include <QTextBrowser>
#include <QWidget>

#include "app/bundled_help_viewer.h"
#include "qt_test_application.h"

namespace parcyl::testing {
namespace {

const QString kHelpFile = QStringLiteral(R"(G:\moi_proekty\parcyl1\PARCYL1.HLP)");

class HelpViewerTest : public ::testing::Test {
 protected:
  void SetUp() override { QtTestApplication(); }
  BundledHelpViewer viewer_;
};

TEST_F(HelpViewerTest, FindsTheBookByTheFileNameAfterTheLastBackslashIgnoringCase) {
  EXPECT_EQ(viewer_.FindBook(kHelpFile), QStringLiteral(":/help/parcyl1.hlp"));
  EXPECT_EQ(viewer_.FindBook(QStringLiteral(R"(C:\other\Parcyl1.Hlp)")),
            QStringLiteral(":/help/parcyl1.hlp"));
  EXPECT_EQ(viewer_.FindBook(QStringLiteral("parcyl1.hlp")), QStringLiteral(":/help/parcyl1.hlp"));
  EXPECT_EQ(viewer_.FindBook(QStringLiteral(R"(G:\moi_proekty\parcyl1\PARCYL2.HLP)")), QString());
  EXPECT_EQ(viewer_.FindBook(QStringLiteral(R"(G:\parcyl1.hlp\)")), QString());
  EXPECT_EQ(viewer_.FindBook(QString()), QString());
}

TEST_F(HelpViewerTest, OpensContext1OnThePageThatExplainsTheWindow) {
  EXPECT_EQ(viewer_.Window(), nullptr);  // nothing is built before the first request
  EXPECT_FALSE(viewer_.IsWindowOpen());
  viewer_.ShowContext(kHelpFile, 1);
  ASSERT_TRUE(viewer_.IsWindowOpen());
  const QString page = viewer_.Browser()->toPlainText();
  EXPECT_EQ(viewer_.Browser()->documentTitle(),
            QStringLiteral("Расчет параболоцилиндрической антенны"));
  // The page names what the window shows: its inputs, results, table and keys.
  for (const char* text :
       {"Введите величину раскрыва антенны в мм", "Введите ширину рефлектора антенны в мм",
        "Введите рабочую частоту антенны в МГц", "Фокусное расстояние F", "Глубина рефлектора H",
        "Длина рабочей волны L", "Площадь полотна антенны S", "К.н.д антенны",
        "Координаты точек для построения параболы", "F1", "Tab"}) {
    EXPECT_TRUE(page.contains(QString::fromUtf8(text))) << text;
  }
  viewer_.Quit();
  EXPECT_FALSE(viewer_.IsWindowOpen());
}

TEST_F(HelpViewerTest, AMissingBookOrTopicShowsTheViewersOwnMessage) {
  viewer_.ShowContext(QStringLiteral(R"(G:\moi_proekty\parcyl1\PARCYL2.HLP)"), 1);
  EXPECT_TRUE(viewer_.IsWindowOpen());
  EXPECT_EQ(viewer_.Browser()->toPlainText(),
            QStringLiteral("Не найден файл справки «PARCYL2.HLP»."));
  viewer_.ShowContext(kHelpFile, 7);
  EXPECT_EQ(viewer_.Browser()->toPlainText(),
            QStringLiteral("В файле справки «PARCYL1.HLP» нет раздела с номером 7."));
  viewer_.ShowContext(kHelpFile, 1);
  EXPECT_EQ(viewer_.Browser()->documentTitle(),
            QStringLiteral("Расчет параболоцилиндрической антенны"));
}

TEST_F(HelpViewerTest, QuitBeforeAnyRequestDoesNothing) {
  viewer_.Quit();
  EXPECT_EQ(viewer_.Window(), nullptr);
}

}  // namespace
}  // namespace parcyl::testing
