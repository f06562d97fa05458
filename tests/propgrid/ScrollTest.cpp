// Which rows show, the scroll bar's visibility and range, and scrolling by its codes.
#include "GridFixture.h"

using namespace gridtest;

namespace {

constexpr int kShown = 5;

class ScrollTest : public GridTest {
  protected:
    void SetUp() override {
        GridTest::SetUp();
        CreateGrid(400, HeightShowing(kShown));
    }

    std::pair<int, int> BarRange() const {
        int low = 0, high = 0;
        GetScrollRange(ScrollBar(), SB_CTL, &low, &high);
        return {low, high};
    }
};

} // namespace

TEST_F(ScrollTest, RowsShowWhileTheirBottomLiesAboveTheClientBottom) {
    AddRows(kShown + 2);
    Redraw();
    for (int id = 1; id <= kShown; ++id)
        EXPECT_TRUE(m_grid.IsItemVisible(id)) << "row " << id;
    EXPECT_FALSE(m_grid.IsItemVisible(kShown + 1));
    EXPECT_FALSE(m_grid.IsItemVisible(kShown + 2));
    // Rows below the window still get their rectangles.
    EXPECT_EQ(kFirstRowTop + (kShown + 1) * kRowHeight, ItemRect(kShown + 2).top);
}

TEST_F(ScrollTest, RowEndingExactlyOnTheClientBottomIsNotShown) {
    m_grid.MoveWindow(RECT{10, 10, 410, 10 + HeightShowing(kShown) - 1});
    AddRows(kShown);
    Redraw();
    EXPECT_TRUE(m_grid.IsItemVisible(kShown - 1));
    EXPECT_FALSE(m_grid.IsItemVisible(kShown));
}

TEST_F(ScrollTest, ScrollBarHiddenWhileAllRowsFitShownWithRangeOtherwise) {
    struct Case {
        int rows;
        bool shown;
        int high;
    };
    const Case cases[] = {
        {0, false, 0}, {kShown, false, 0}, {kShown + 1, true, 2}, {kShown + 7, true, 8}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.rows);
        m_grid.RemoveAllItems();
        AddRows(c.rows);
        Redraw();
        EXPECT_EQ(c.shown, ScrollBarShown());
        if (c.shown) {
            EXPECT_EQ(std::make_pair(1, c.high), BarRange());
        }
    }
}

TEST_F(ScrollTest, ScrollBarTracksTheTopRow) {
    AddRows(kShown + 7);
    Redraw();
    Scroll(SB_LINEDOWN);
    Scroll(SB_LINEDOWN);
    EXPECT_EQ(3, FirstShownId());
    EXPECT_EQ(3, GetScrollPos(ScrollBar(), SB_CTL));
}

TEST_F(ScrollTest, EachCodeMovesTheTopRowWithinItsLimits) {
    // 12 rows, 5 shown: the last top row is 12 - 5 + 1 = 8; a page is 4 rows.
    AddRows(12);
    struct Case {
        const char* name;
        int startTop;
        int code;
        int position;
        int expectedTop;
    };
    const Case cases[] = {
        {"line up", 3, SB_LINEUP, 0, 2},
        {"line up at the top", 1, SB_LINEUP, 0, 1},
        {"line down", 3, SB_LINEDOWN, 0, 4},
        {"line down at the end", 8, SB_LINEDOWN, 0, 8},
        {"page up", 7, SB_PAGEUP, 0, 3},
        {"page up from 2", 2, SB_PAGEUP, 0, 1},
        {"page down", 1, SB_PAGEDOWN, 0, 5},
        {"page down near the end", 6, SB_PAGEDOWN, 0, 8},
        {"page down at the end", 8, SB_PAGEDOWN, 0, 8},
        {"thumb position", 1, SB_THUMBPOSITION, 6, 6},
        {"thumb track", 1, SB_THUMBTRACK, 4, 4},
        {"top", 6, SB_TOP, 0, 1},
        {"bottom", 2, SB_BOTTOM, 0, 8},
        {"end scroll", 5, SB_ENDSCROLL, 0, 5},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Redraw();
        Scroll(SB_THUMBPOSITION, c.startTop);
        ASSERT_EQ(c.startTop, FirstShownId());
        Scroll(c.code, c.position);
        Redraw();
        EXPECT_EQ(c.expectedTop, FirstShownId());
    }
}

TEST_F(ScrollTest, BottomAfterRemovalsLeavesAnEmptySlotPerRemovedRow) {
    AddRows(12);
    m_grid.RemoveItem(10);
    m_grid.RemoveItem(11);
    Redraw();
    Scroll(SB_BOTTOM); // the last top id is still 12 - 5 + 1 = 8
    Redraw();
    EXPECT_EQ(8, FirstShownId());
    EXPECT_TRUE(m_grid.IsItemVisible(12));
    // Rows 8, 9 and 12 fill three of the five slots.
    EXPECT_EQ(kFirstRowTop + 2 * kRowHeight, ItemRect(12).top);
}

TEST_F(ScrollTest, ScrollingCommitsTheOpenEditorEvenWhenTheTopStays) {
    const int id = AddText("text", "old");
    Redraw();
    ClickValue(id);
    ASSERT_NE(nullptr, Editor());
    test::TypeChars(Editor(), "new");
    Scroll(SB_LINEUP); // already at the top
    EXPECT_EQ(nullptr, Editor());
    EXPECT_EQ("new", m_grid.FindItem(id)->GetText());
}

TEST_F(ScrollTest, RowScrolledOutOfViewIgnoresClicksAtItsOldPlace) {
    AddRows(12);
    Redraw();
    const POINT firstRowValue = ValuePoint(1);
    ClickValue(1);
    ASSERT_NE(nullptr, Editor());
    test::TypeChars(Editor(), "one");
    Scroll(SB_PAGEDOWN);
    EXPECT_EQ("one", m_grid.FindItem(1)->GetText());
    ASSERT_FALSE(m_grid.IsItemVisible(1));

    Click(firstRowValue); // now over the value box of row 5, the new top row
    ASSERT_NE(nullptr, Editor());
    test::TypeChars(Editor(), "five");
    m_grid.EndEditing();
    EXPECT_EQ("five", m_grid.FindItem(5)->GetText());
    EXPECT_EQ("one", m_grid.FindItem(1)->GetText());
}
