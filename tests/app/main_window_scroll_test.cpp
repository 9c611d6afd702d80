// Scrolling of the window's content.
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionSlider>

#include "app/form_label.h"
#include "main_window_fixture.h"

namespace parcyl::testing {
namespace {

// Right and bottom edge of Image1: 472 + 273 and 88 + 409.
constexpr QSize kContentExtent(745, 497);

QRect SubControl(QScrollBar* bar, QStyle::SubControl part) {
  QStyleOptionSlider option;
  option.initFrom(bar);
  option.subControls = QStyle::SC_All;
  option.orientation = bar->orientation();
  option.minimum = bar->minimum();
  option.maximum = bar->maximum();
  option.sliderPosition = bar->sliderPosition();
  option.sliderValue = bar->value();
  option.singleStep = bar->singleStep();
  option.pageStep = bar->pageStep();
  option.upsideDown = bar->invertedAppearance();
  if (bar->orientation() == Qt::Horizontal) option.state |= QStyle::State_Horizontal;
  return bar->style()->subControlRect(QStyle::CC_ScrollBar, &option, part, bar);
}

TEST_F(MainWindowTest, OpensAtTheTopWithButton1sRightEdgeAtTheVisibleRightEdge) {
  EXPECT_EQ(Area()->ContentExtent(), kContentExtent);
  EXPECT_TRUE(HBar()->isVisible());
  EXPECT_TRUE(VBar()->isVisible());
  EXPECT_EQ(VBar()->value(), 0);
  EXPECT_EQ(HBar()->value(), 577 - VisibleWidth());
  EXPECT_EQ(Control("Button1")->mapTo(Area()->viewport(), QPoint(105, 0)).x(), VisibleWidth());
}

TEST_F(MainWindowTest, FocusScrollsAControlIntoViewByTheLeastAmount) {
  Key(Qt::Key_Tab);  // Button2: its right edge 678 comes to the visible right edge
  EXPECT_EQ(HBar()->value(), 678 - VisibleWidth());
  Key(Qt::Key_Tab);  // Edit1 is wholly visible then
  EXPECT_EQ(HBar()->value(), 678 - VisibleWidth());
  EXPECT_EQ(VBar()->value(), 0);
}

TEST_F(MainWindowTest, AControlLeftOfOrAboveTheViewComesToItsLeftOrTopEdge) {
  ResizeClient(300, 100);
  Control("Button2")->setFocus(Qt::OtherFocusReason);
  EXPECT_EQ(HBar()->value(), 678 - VisibleWidth());
  Key(Qt::Key_Tab);  // Edit1 at 376 lies left of the view
  EXPECT_EQ(HBar()->value(), 376);

  Key(Qt::Key_Tab);
  Key(Qt::Key_Tab);  // Edit3, content y 96 to 120, lies below the view
  EXPECT_EQ(VBar()->value(), 120 - VisibleHeight());
  Key(Qt::Key_Tab);  // Button1 at content y 32 lies above it
  EXPECT_EQ(VBar()->value(), 32);
}

TEST_F(MainWindowTest, AControlWiderThanTheViewComesToTheLeftEdge) {
  ResizeClient(90, 300);
  ASSERT_LT(VisibleWidth(), 105);
  Control("Edit1")->setFocus(Qt::OtherFocusReason);
  Key(Qt::Key_Backtab, Qt::ShiftModifier);
  Key(Qt::Key_Backtab, Qt::ShiftModifier);  // Button1, 105 wide, from the left
  EXPECT_EQ(Focus(), Control("Button1"));
  EXPECT_EQ(HBar()->value(), 472);
}

TEST_F(MainWindowTest, ScrollBarsHideWhenTheContentFitsAndComeBackLimited) {
  HBar()->setValue(HBar()->maximum());
  VBar()->setValue(VBar()->maximum());
  ResizeClient(kContentExtent.width(), kContentExtent.height());
  EXPECT_FALSE(HBar()->isVisible());
  EXPECT_FALSE(VBar()->isVisible());
  EXPECT_EQ(HBar()->value(), 0);
  EXPECT_EQ(VBar()->value(), 0);
  EXPECT_EQ(Control("Label1")->mapTo(form_.get(), QPoint(0, 0)), QPoint(8, 0));

  // One pixel short in height: the vertical bar takes room from the width,
  // so both come back.
  ResizeClient(kContentExtent.width(), kContentExtent.height() - 1);
  EXPECT_TRUE(VBar()->isVisible());
  EXPECT_TRUE(HBar()->isVisible());
  EXPECT_EQ(HBar()->maximum(), kContentExtent.width() - VisibleWidth());
  EXPECT_EQ(VBar()->maximum(), kContentExtent.height() - VisibleHeight());

  ResizeClient(400, 300);
  HBar()->setValue(HBar()->maximum());
  ResizeClient(600, 300);
  EXPECT_EQ(HBar()->value(), kContentExtent.width() - VisibleWidth());
}

TEST_F(MainWindowTest, TheContentGrowsWithALabelsText) {
  auto* label = Control<FormLabel>("Label11");
  label->SetCaption(QString(300, u'W'));
  const int right = label->x() + label->width();
  ASSERT_GT(right, kContentExtent.width());
  EXPECT_EQ(Area()->ContentExtent(), QSize(right, kContentExtent.height()));
  EXPECT_EQ(HBar()->maximum(), right - VisibleWidth());
  label->SetCaption(QString());
  EXPECT_EQ(Area()->ContentExtent(), kContentExtent);
}

TEST_F(MainWindowTest, AnArrowMoves8PixelsAndAClickBesideTheThumbAVisibleSize) {
  QScrollBar* bar = VBar();
  EXPECT_EQ(bar->singleStep(), 8);
  EXPECT_EQ(bar->pageStep(), VisibleHeight());
  EXPECT_EQ(HBar()->pageStep(), VisibleWidth());

  const QRect down_arrow = SubControl(bar, QStyle::SC_ScrollBarAddLine);
  Click(bar, down_arrow.center());
  EXPECT_EQ(bar->value(), 8);
  Click(bar, SubControl(bar, QStyle::SC_ScrollBarSubLine).center());
  EXPECT_EQ(bar->value(), 0);

  const int offset = HBar()->value();
  Click(HBar(), SubControl(HBar(), QStyle::SC_ScrollBarSubPage).center());
  EXPECT_EQ(HBar()->value(), std::max(0, offset - VisibleWidth()));

  bar->triggerAction(QAbstractSlider::SliderToMaximum);
  EXPECT_EQ(bar->value(), kContentExtent.height() - VisibleHeight());
  bar->triggerAction(QAbstractSlider::SliderToMinimum);
  EXPECT_EQ(bar->value(), 0);
}

TEST_F(MainWindowTest, DraggingTheThumbScrollsOnlyWhenItIsReleased) {
  QScrollBar* bar = VBar();
  const QPoint grab = SubControl(bar, QStyle::SC_ScrollBarSlider).center();
  const QPoint label_at = Control("Label1")->mapTo(form_.get(), QPoint(0, 0));
  QTest::mousePress(bar, Qt::LeftButton, Qt::NoModifier, grab);
  QMouseEvent move(QEvent::MouseMove, QPointF(grab + QPoint(0, 20)),
                   QPointF(bar->mapToGlobal(grab + QPoint(0, 20))), Qt::NoButton, Qt::LeftButton,
                   Qt::NoModifier);
  QApplication::sendEvent(bar, &move);
  EXPECT_GT(bar->sliderPosition(), 0);
  EXPECT_EQ(bar->value(), 0);
  EXPECT_EQ(Control("Label1")->mapTo(form_.get(), QPoint(0, 0)), label_at);
  QTest::mouseRelease(bar, Qt::LeftButton, Qt::NoModifier, grab + QPoint(0, 20));
  EXPECT_GT(bar->value(), 0);
  EXPECT_EQ(Control("Label1")->mapTo(form_.get(), QPoint(0, 0)),
            label_at - QPoint(0, bar->value()));
}

}  // namespace
}  // namespace parcyl::testing
