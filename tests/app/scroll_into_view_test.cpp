#include "app/scroll_into_view.h"

#include <gtest/gtest.h>

namespace parcyl {
namespace {

TEST(OffsetToShowTest, MovesByTheLeastAmountWithoutAMargin) {
  struct Case {
    int offset, visible, start, end, expected;
    const char* what;
  };
  const Case cases[] = {
      {0, 561, 472, 577, 16, "right edge to the visible right edge"},
      {16, 561, 600, 678, 117, "further right"},
      {117, 561, 376, 433, 117, "already in view"},
      {117, 561, 8, 431, 8, "left edge to the visible left edge"},
      {117, 561, 117, 678, 117, "exactly in view"},
      {0, 100, 472, 577, 472, "wider than the view: left edge"},
      {500, 100, 472, 577, 472, "wider and partly left of the view: left edge"},
      {0, 105, 472, 577, 472, "exactly as wide as the view"},
      {0, 86, 96, 120, 34, "bottom edge to the visible bottom"},
      {34, 86, 32, 65, 32, "top edge to the visible top"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(OffsetToShow(c.offset, c.visible, c.start, c.end), c.expected) << c.what;
  }
}

}  // namespace
}  // namespace parcyl
