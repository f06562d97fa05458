// The grid at the keyboard: the current row and scrolling it into view, the wheel, and the
// keys that open, commit and cancel editors. Keys go to the window that has the focus.
#include "GridFixture.h"

#include "support/WindowDriver.h"

using namespace gridtest;

namespace {

constexpr int kShown = 5;
constexpr int kRows = 20;
constexpr int kLastTop = kRows - kShown + 1;

class KeyboardTest : public GridTest {
  protected:
    void SetUp() override {
        GridTest::SetUp();
        CreateGrid(400, HeightShowing(kShown));
        AddRows(kRows);
        Redraw();
        test::Focus(m_grid.GetSafeHwnd());
    }

    static void Press(std::initializer_list<UINT> keys) {
        for (UINT key : keys)
            test::PressKey(GetFocus(), key);
    }
    static void Type(const std::string& text) { test::TypeChars(GetFocus(), text); }
    void Wheel(int delta) const {
        m_grid.SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(delta)), 0);
    }
    std::string Text(int id) { return m_grid.FindItem(id)->GetText(); }
};

TEST_F(KeyboardTest, KeysMoveTheCurrentRowAndKeepItInView) {
    struct Case {
        const char* name;
        std::initializer_list<UINT> keys;
        int current;
        int firstShown;
    };
    const Case cases[] = {
        {"Up on the first row", {VK_UP}, 1, 1},
        {"Down past the window", {VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN}, 6, 2},
        {"Page Down", {VK_NEXT}, 5, 1},
        {"Page Down past the last page",
         {VK_NEXT, VK_NEXT, VK_NEXT, VK_NEXT, VK_NEXT, VK_NEXT},
         kRows,
         kLastTop},
        {"End, Down", {VK_END, VK_DOWN}, kRows, kLastTop},
        {"End, Page Up", {VK_END, VK_PRIOR}, kRows - 4, kLastTop},
        {"End, Home", {VK_END, VK_HOME}, 1, 1},
    };
    EXPECT_EQ(1, m_grid.GetCurrentItem()) << "the focus makes the first row current";
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Press({VK_HOME});
        Press(c.keys);
        EXPECT_EQ(c.current, m_grid.GetCurrentItem());
        EXPECT_EQ(c.firstShown, FirstShownId());
    }
}

TEST_F(KeyboardTest, WheelScrollsBySystemStepsAndCommitsFirst) {
    UINT saved = 3;
    SystemParametersInfoA(SPI_GETWHEELSCROLLLINES, 0, &saved, 0);
    struct Case {
        const char* name;
        UINT rowsPerNotch;
        std::vector<int> deltas;
        int firstShown;
    };
    const Case cases[] = {
        {"two half notches", 3, {-WHEEL_DELTA / 2, -WHEEL_DELTA / 2}, 4},
        {"past the end", 3, std::vector<int>(8, -WHEEL_DELTA), kLastTop},
        {"a screen at a time", WHEEL_PAGESCROLL, {-WHEEL_DELTA}, kShown},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SystemParametersInfoA(SPI_SETWHEELSCROLLLINES, c.rowsPerNotch, nullptr, 0);
        Press({VK_HOME, VK_F2});
        Type("w");
        for (int delta : c.deltas)
            Wheel(delta);
        EXPECT_EQ(c.firstShown, FirstShownId());
        EXPECT_EQ("w", Text(1)) << "the open editor commits first";
        EXPECT_EQ(m_grid.GetSafeHwnd(), GetFocus());
    }
    SystemParametersInfoA(SPI_SETWHEELSCROLLLINES, saved, nullptr, 0);
}

TEST_F(KeyboardTest, KeysInAnEditorCommitOrCancelAndGiveTheFocusBackToTheGrid) {
    struct Case {
        UINT key;
        const char* kept;
        int current;
    };
    for (const Case& c : {Case{VK_RETURN, "typed", 2}, Case{VK_ESCAPE, "before", 2},
                          Case{VK_DOWN, "typed", 3}, Case{VK_UP, "typed", 1}}) {
        SCOPED_TRACE(c.key);
        m_grid.SetItemText(2, "before");
        Press({VK_HOME, VK_DOWN, VK_RETURN});
        ASSERT_NE(nullptr, Editor());
        EXPECT_EQ(Editor(), GetFocus());
        Type("typed");
        Press({c.key});
        EXPECT_EQ(nullptr, Editor());
        EXPECT_EQ(c.kept, Text(2));
        EXPECT_EQ(c.current, m_grid.GetCurrentItem());
        EXPECT_EQ(m_grid.GetSafeHwnd(), GetFocus());
    }
}

TEST_F(KeyboardTest, AltDownDropsAChoiceAndSpaceOrAQuickDoubleClickTogglesABoolean) {
    PropertyItemInfo choice;
    choice.m_type = PIT_COMBO;
    choice.m_text = "b";
    choice.m_choices = {"a", "b"};
    const int choiceId = m_grid.AddItem(choice);
    const int booleanId = m_grid.AddItem("yes or no", PIT_YESNO, 0);
    Press({VK_END, VK_UP});
    m_grid.SendMessage(WM_SYSKEYDOWN, VK_DOWN, 0x20000001);
    ASSERT_NE(nullptr, Editor());
    EXPECT_TRUE(SendMessageA(Editor(), CB_GETDROPPEDSTATE, 0, 0));
    Press({VK_ESCAPE}); // closes the list only
    EXPECT_EQ("b", WindowText(Editor()));
    Press({VK_ESCAPE, VK_DOWN});
    EXPECT_EQ(choiceId + 1, m_grid.GetCurrentItem());

    Type(" ");
    EXPECT_TRUE(m_grid.FindItem(booleanId)->GetBool());
    const LPARAM where = MAKELPARAM(ValuePoint(booleanId).x, ValuePoint(booleanId).y);
    for (UINT msg : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP})
        m_grid.SendMessage(msg, MK_LBUTTON, where);
    EXPECT_TRUE(m_grid.FindItem(booleanId)->GetBool()) << "two toggles";
}

} // namespace
