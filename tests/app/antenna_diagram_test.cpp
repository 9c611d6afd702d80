// Key pixels of the picture.
#include "app/antenna_diagram.h"

#include <gtest/gtest.h>

#include <QColor>
#include <QImage>

#include "qt_test_application.h"

namespace parcyl::testing {
namespace {

class AntennaDiagramTest : public ::testing::Test {
 protected:
  void SetUp() override {
    QtTestApplication();
    image_ = DrawAntennaDiagram();
  }
  bool Black(int x, int y) const { return image_.pixelColor(x, y) == QColor(Qt::black); }
  QImage image_;
};

TEST_F(AntennaDiagramTest, IsBlackOnWhiteInItsSize) {
  ASSERT_EQ(image_.size(), QSize(271, 413));
  for (int y = 0; y < image_.height(); ++y) {
    for (int x = 0; x < image_.width(); ++x) {
      const QColor c = image_.pixelColor(x, y);
      ASSERT_TRUE(c == QColor(Qt::black) || c == QColor(Qt::white)) << x << "," << y;
    }
  }
  // The four bottom rows are blank: the control cuts them off.
  for (int y = 409; y < 413; ++y) {
    for (int x = 0; x < image_.width(); ++x) ASSERT_FALSE(Black(x, y)) << x << "," << y;
  }
}

TEST_F(AntennaDiagramTest, DrawsTheLinesAndPointsWhereTheDescriptionPutsThem) {
  struct Point {
    int x;
    int y;
    const char* what;
  };
  const Point black[] = {
      {23, 9, "top of the y axis"},
      {23, 401, "bottom of the y axis"},
      {23, 300, "y axis"},
      {8, 206, "left end of the x axis"},
      {258, 206, "right end of the x axis"},
      {23, 206, "vertex"},
      {98, 78, "upper rim"},
      {98, 337, "lower rim"},
      {98, 47, "top of the aperture line"},
      {98, 200, "aperture line"},
      {60, 52, "depth dimension line"},
      {236, 78, "upper extension line"},
      {236, 337, "lower extension line"},
      {234, 200, "aperture dimension line"},
      {185, 206, "focus"},
      {187, 206, "focus dot"},
      {185, 380, "foot of the focus line"},
      {100, 368, "focal length dimension line"},
      {35, 119, "abscissa of the marked point"},
      {47, 119, "marked point"},
      {47, 296, "its mirror image"},
      {47, 200, "the line between them"},
      {35, 296, "back to the axis"},
  };
  for (const Point& p : black) EXPECT_TRUE(Black(p.x, p.y)) << p.what;

  const Point white[] = {
      {0, 0, "top-left corner"},           {270, 0, "top-right corner"},
      {23, 2, "above the y axis"},         {265, 206, "right of the x axis"},
      {99, 40, "above the aperture line"}, {185, 390, "below the focus line"},
      {150, 150, "inside the aperture"},
  };
  for (const Point& p : white) EXPECT_FALSE(Black(p.x, p.y)) << p.what;
}

TEST_F(AntennaDiagramTest, TheProfileIsAboutThreePixelsThick) {
  // Across the upper branch between the marked point and the rim.
  int run = 0;
  for (int y = 90; y < 120; ++y) run += Black(70, y) ? 1 : 0;
  EXPECT_GE(run, 3);
  EXPECT_LE(run, 5);
}

}  // namespace
}  // namespace parcyl::testing
