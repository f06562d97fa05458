// What ends an open editor besides clicks and scrolling: the focus moving to the grid's own
// scroll bar, resizing, closing and destroying the grid. The focus moving elsewhere does not.
#include "GridFixture.h"

using namespace gridtest;

namespace {

class EndEditingTest : public GridTest {
  protected:
    void SetUp() override {
        GridTest::SetUp();
        CreateGrid(400, HeightShowing(5));
        m_id = AddText("text", "old");
        Redraw();
        ClickValue(m_id);
        ASSERT_NE(nullptr, Editor());
        test::TypeChars(Editor(), "new");
    }

    std::string Value() { return m_grid.FindItem(m_id)->GetText(); }

    int m_id = 0;
};

} // namespace

TEST_F(EndEditingTest, FocusMovingElsewhereKeepsTheEditorOpen) {
    HWND other = CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VISIBLE, 0, 500, 50, 20,
                                 m_host.GetSafeHwnd(), nullptr, GetModuleHandleA(nullptr), nullptr);
    SetFocus(other);
    EXPECT_NE(nullptr, Editor());
    SetFocus(m_grid.GetSafeHwnd());
    SetFocus(other);
    EXPECT_NE(nullptr, Editor()) << "the grid losing the focus to another control";
    EXPECT_EQ("old", Value());
    DestroyWindow(other);
}

TEST_F(EndEditingTest, FocusMovingFromTheGridToItsScrollBarCommits) {
    SetFocus(m_grid.GetSafeHwnd());
    EXPECT_NE(nullptr, Editor());
    SetFocus(ScrollBar());
    EXPECT_EQ(nullptr, Editor());
    EXPECT_EQ("new", Value());
}

TEST_F(EndEditingTest, ResizingCommitsAndPlacesTheScrollBar) {
    m_grid.MoveWindow(RECT{10, 10, 310, 210});
    EXPECT_EQ(nullptr, Editor());
    EXPECT_EQ("new", Value());
    RECT bar = fw::CWnd::FromHandle(ScrollBar())->GetWindowRect();
    MapWindowPoints(nullptr, m_grid.GetSafeHwnd(), reinterpret_cast<POINT*>(&bar), 2);
    EXPECT_EQ(300 - 20, bar.left);
    EXPECT_EQ(5, bar.top);
    EXPECT_EQ(15, bar.right - bar.left);
    EXPECT_EQ(200 - 10, bar.bottom - bar.top);
}

TEST_F(EndEditingTest, ClosingTheGridCommitsAndDestroysIt) {
    m_grid.SendMessage(WM_CLOSE);
    EXPECT_EQ(nullptr, m_grid.GetSafeHwnd());
    EXPECT_EQ("new", Value());
}

TEST_F(EndEditingTest, DestroyingTheParentCommitsBeforeTheEditorGoes) {
    m_host.DestroyWindow();
    EXPECT_EQ(nullptr, m_grid.GetSafeHwnd());
    EXPECT_EQ("new", Value());
}

TEST_F(EndEditingTest, CommitEditsCommitsAndKeepsTheRowsClosed) {
    m_grid.CommitEdits();
    EXPECT_EQ(nullptr, Editor());
    EXPECT_EQ("new", Value());
    m_grid.EndEditing();
    EXPECT_EQ("new", Value());
}
