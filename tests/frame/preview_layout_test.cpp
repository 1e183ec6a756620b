#include "frame/preview_layout.h"

#include <gtest/gtest.h>

namespace obrazac {
namespace {

TEST(PreviewLayoutTest, DefaultViewTilesOnePageFromTheFirst) {
  PreviewLayout l(10);
  l.start(0, 1, 1, 1);
  EXPECT_TRUE(l.tiled());
  EXPECT_EQ(l.zoomListText(), "Tile pages");
  EXPECT_EQ(l.zoomStatus(), "Zoom: Tile Pages");
  EXPECT_EQ(l.pageStatus(), "Page 1 of 10");
  EXPECT_FALSE(l.canPrevious());
  EXPECT_TRUE(l.canNext());
  EXPECT_TRUE(l.layoutSpinsEnabled());
  EXPECT_TRUE(l.canChangeDisplay());
}

TEST(PreviewLayoutTest, OnePageDisablesPagingAndLayout) {
  PreviewLayout l(1);
  l.start(0, 1, 1, 1);
  EXPECT_FALSE(l.canPrevious());
  EXPECT_FALSE(l.canNext());
  EXPECT_FALSE(l.canJump());
  EXPECT_FALSE(l.pageSpinEnabled());
  EXPECT_FALSE(l.layoutSpinsEnabled());
  EXPECT_FALSE(l.canChangeDisplay());
}

TEST(PreviewLayoutTest, ZoomByRowOrByTypedPercentage) {
  PreviewLayout l(10);
  l.start(0, 3, 1, 1);
  ASSERT_TRUE(l.setZoomText("150"));
  EXPECT_EQ(l.zoomListText(), "150% Zoom");
  EXPECT_EQ(l.zoomStatus(), "Zoom: 150%");
  EXPECT_EQ(l.zoomIndex(), 0);
  EXPECT_EQ(l.pageStatus(), "Page 3 of 10");
  EXPECT_FALSE(l.layoutSpinsEnabled());
  ASSERT_TRUE(l.setZoomText("Page Width"));
  EXPECT_EQ(l.zoomIndex(), 2);
  EXPECT_EQ(l.zoomStatus(), "Zoom: Page Width");
  EXPECT_FALSE(l.setZoomText("big"));
  EXPECT_EQ(l.zoomIndex(), 2);
  EXPECT_FALSE(l.setZoomText("0"));
}

TEST(PreviewLayoutTest, TiledViewShowsItsRangeAndStaysWithinTheReport) {
  PreviewLayout l(10);
  l.start(0, 1, 2, 2);
  EXPECT_EQ(l.pageStatus(), "Page 1-4 of 10");
  l.goToPage(3);  // shown already: only the focus moves
  EXPECT_EQ(l.firstPage(), 1);
  EXPECT_EQ(l.currentPage(), 3);
  l.goToPage(9);  // 9..12 would run past 10: the view starts at 7
  EXPECT_EQ(l.firstPage(), 7);
  EXPECT_EQ(l.pageStatus(), "Page 7-10 of 10");
  l.next();
  EXPECT_EQ(l.currentPage(), 10);
  EXPECT_FALSE(l.canNext());
  l.changeDisplay(3, 1);
  EXPECT_EQ(l.currentPage(), 1);
  EXPECT_EQ(l.pageStatus(), "Page 1-3 of 10");
}

TEST(PreviewLayoutTest, LayoutThatRunsPastTheLastPageShrinksTheChangedValue) {
  const struct {
    int pages, across, down;
    bool changeAcross;
    int value, wantAcross, wantDown;
  } cases[] = {
      {3, 2, 1, false, 2, 2, 1},  // 2 x 2 would show 4 of 3: down goes back to 1
      {3, 1, 2, true, 3, 1, 2},   // lowered until one value is 1
      {10, 2, 2, true, 3, 3, 2},  // 6 of 10 fits
      {4, 2, 2, true, 4, 2, 2},   // 8 of 4: back to 2 across
  };
  for (const auto& c : cases) {
    PreviewLayout l(c.pages);
    l.start(0, 1, c.across, c.down);
    if (c.changeAcross)
      l.setAcross(c.value);
    else
      l.setDown(c.value);
    EXPECT_EQ(l.across(), c.wantAcross) << c.pages << " " << c.value;
    EXPECT_EQ(l.down(), c.wantDown) << c.pages << " " << c.value;
  }
}

}  // namespace
}  // namespace obrazac
