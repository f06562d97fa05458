// The grid at the keyboard: the current row, its movement and scrolling, keys that open,
// commit and cancel editors, and the wheel. Keys go to the window that has the focus.
#include "GridFixture.h"

#include "support/WindowDriver.h"

using namespace gridtest;

namespace {

constexpr int kShown = 5;
constexpr int kRows = 20;

class KeyboardTest : public GridTest {
  protected:
    void SetUp() override {
        GridTest::SetUp();
        CreateGrid(400, HeightShowing(kShown));
        AddRows(kRows);
        Redraw();
        test::Focus(m_grid.GetSafeHwnd());
    }

    static void Press(UINT key) { test::PressKey(GetFocus(), key); }
    static void Type(const std::string& text) { test::TypeChars(GetFocus(), text); }
    void Wheel(int delta) const {
        m_grid.SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(delta)), 0);
    }
    int Current() const { return m_grid.GetCurrentItem(); }
    std::string Text(int id) {
        std::string text;
        m_grid.GetItemText(id, text);
        return text;
    }
};

struct MoveCase {
    const char* name;
    std::vector<UINT> keys;
    int current;
    int firstShown;
};

TEST_F(KeyboardTest, KeysMoveTheCurrentRowAndKeepItInView) {
    const MoveCase cases[] = {
        {"focus alone", {}, 1, 1},
        {"Up on the first row", {VK_UP}, 1, 1},
        {"Down", {VK_DOWN}, 2, 1},
        {"Down past the window", {VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN}, 6, 2},
        {"Page Down", {VK_NEXT}, 5, 1},
        {"Page Down past the last page",
         {VK_NEXT, VK_NEXT, VK_NEXT, VK_NEXT, VK_NEXT, VK_NEXT},
         kRows,
         kRows - kShown + 1},
        {"End", {VK_END}, kRows, kRows - kShown + 1},
        {"End, Page Up", {VK_END, VK_PRIOR}, kRows - 4, kRows - kShown + 1},
        {"End, Home", {VK_END, VK_HOME}, 1, 1},
        {"Down at the end", {VK_END, VK_DOWN}, kRows, kRows - kShown + 1},
    };
    for (const MoveCase& c : cases) {
        SCOPED_TRACE(c.name);
        Press(VK_HOME);
        for (UINT key : c.keys)
            Press(key);
        EXPECT_EQ(c.current, Current());
        EXPECT_EQ(c.firstShown, FirstShownId());
        EXPECT_EQ(m_grid.GetSafeHwnd(), GetFocus());
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
        {"a notch down", 3, {-WHEEL_DELTA}, 4},
        {"two half notches", 3, {-WHEEL_DELTA / 2, -WHEEL_DELTA / 2}, 4},
        {"up at the top", 3, {WHEEL_DELTA}, 1},
        {"past the end", 3, std::vector<int>(8, -WHEEL_DELTA), kRows - kShown + 1},
        {"a screen at a time", WHEEL_PAGESCROLL, {-WHEEL_DELTA}, kShown},
        {"a half notch", 3, {-WHEEL_DELTA / 2}, 1}, // last: its half stays with the grid
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SystemParametersInfoA(SPI_SETWHEELSCROLLLINES, c.rowsPerNotch, nullptr, 0);
        Press(VK_HOME);
        ClickValue(1);
        Type("w");
        for (int delta : c.deltas)
            Wheel(delta);
        EXPECT_EQ(c.firstShown, FirstShownId());
        EXPECT_EQ(nullptr, Editor());
        EXPECT_EQ("w", Text(1)) << "the open editor commits first";
        EXPECT_EQ(m_grid.GetSafeHwnd(), GetFocus());
    }
    SystemParametersInfoA(SPI_SETWHEELSCROLLLINES, saved, nullptr, 0);
}

TEST_F(KeyboardTest, EveryMoveCommitsTheOpenEditorAndKeepsTheFocusOnTheGrid) {
    for (UINT key : {VK_DOWN, VK_UP, VK_NEXT, VK_END, VK_HOME}) {
        SCOPED_TRACE(key);
        m_grid.SetItemText(3, "");
        Press(VK_HOME);
        Press(VK_DOWN);
        Press(VK_DOWN);
        Press(VK_F2);
        ASSERT_NE(nullptr, Editor());
        Type("v");
        // From the editor for the arrows; from the grid (focus moved back to it) for the rest.
        if (key != VK_UP && key != VK_DOWN)
            test::Focus(m_grid.GetSafeHwnd());
        Press(key);
        EXPECT_EQ(nullptr, Editor());
        EXPECT_EQ("v", Text(3));
        EXPECT_EQ(m_grid.GetSafeHwnd(), GetFocus());
    }
}

TEST_F(KeyboardTest, EnterCommitsAndEscapeCancelsWithTheFocusBackOnTheGrid) {
    struct Case {
        UINT key;
        const char* kept;
    };
    for (const Case& c : {Case{VK_RETURN, "typed"}, Case{VK_ESCAPE, "before"}}) {
        SCOPED_TRACE(c.key);
        m_grid.SetItemText(2, "before");
        Press(VK_HOME);
        Press(VK_DOWN);
        Press(VK_RETURN);
        const HWND editor = Editor();
        ASSERT_NE(nullptr, editor);
        EXPECT_EQ(editor, GetFocus());
        Type("typed");
        Press(c.key);
        EXPECT_EQ(nullptr, Editor());
        EXPECT_EQ(c.kept, Text(2));
        EXPECT_EQ(2, Current());
        EXPECT_EQ(m_grid.GetSafeHwnd(), GetFocus());
    }
}

TEST_F(KeyboardTest, ACharacterStartsTheEditorWithItAloneAndTheCaretAfterIt) {
    m_grid.SetItemText(1, "old");
    Type("n");
    const HWND editor = Editor();
    ASSERT_NE(nullptr, editor);
    Type("ew");
    EXPECT_EQ("new", WindowText(editor));
}

TEST_F(KeyboardTest, ChoiceOpensDroppedAndSpaceTogglesABoolean) {
    m_grid.RemoveAllItems();
    PropertyItemInfo choice;
    choice.m_caption = "choice";
    choice.m_type = PIT_COMBO;
    choice.m_text = "b";
    choice.m_choices = {"a", "b"};
    m_grid.AddItem(choice);
    m_grid.AddItem("yes or no", PIT_YESNO, 0);
    Redraw();
    for (bool alt : {true, false}) {
        SCOPED_TRACE(alt ? "Alt+Down" : "F4");
        Press(VK_HOME);
        if (alt)
            m_grid.SendMessage(WM_SYSKEYDOWN, VK_DOWN, 0x20000001);
        else
            Press(VK_F4);
        const HWND editor = Editor();
        ASSERT_NE(nullptr, editor);
        EXPECT_TRUE(SendMessageA(editor, CB_GETDROPPEDSTATE, 0, 0));
        EXPECT_EQ("b", WindowText(editor));
        Press(VK_ESCAPE); // closes the list only
        EXPECT_EQ(editor, Editor());
        Press(VK_ESCAPE);
        EXPECT_EQ(nullptr, Editor());
    }
    Press(VK_DOWN);
    Type(" ");
    EXPECT_TRUE(m_grid.FindItem(2)->GetBool());
    EXPECT_EQ(nullptr, Editor());
}

TEST_F(KeyboardTest, AQuickSecondClickOnABooleanIsASecondClick) {
    const int id = m_grid.AddItem("yes or no", PIT_YESNO, 0);
    Press(VK_END);
    const LPARAM where = MAKELPARAM(ValuePoint(id).x, ValuePoint(id).y);
    for (UINT msg : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP})
        m_grid.SendMessage(msg, MK_LBUTTON, where);
    EXPECT_FALSE(m_grid.FindItem(id)->GetBool());
    EXPECT_EQ(id, Current());
}

TEST_F(KeyboardTest, TheDialogManagerKeepsTabAndEscapeButGivesTheRestToTheGrid) {
    const auto code = [&](UINT key) {
        MSG message{m_grid.GetSafeHwnd(), WM_KEYDOWN, key, 0, 0, {}};
        return m_grid.SendMessage(WM_GETDLGCODE, key, reinterpret_cast<LPARAM>(&message));
    };
    EXPECT_EQ(DLGC_WANTARROWS | DLGC_WANTCHARS, code(VK_TAB));
    EXPECT_EQ(DLGC_WANTARROWS | DLGC_WANTCHARS, code(VK_ESCAPE));
    EXPECT_TRUE(code(VK_RETURN) & DLGC_WANTMESSAGE) << "Enter never reaches the default button";
}

TEST_F(KeyboardTest, TheCurrentRowIsHighlightedWhileTheGridHasTheFocus) {
    Press(VK_DOWN);
    const RECT caption{ItemRect(2).left + 2, ItemRect(2).top + 1, ItemRect(2).left + 40,
                       ItemRect(2).bottom};
    const COLORREF highlight = GetSysColor(COLOR_HIGHLIGHT);
    Picture focused(400, HeightShowing(kShown));
    PaintInto(focused);
    EXPECT_GT(focused.Count(caption, highlight), 0);
    EXPECT_EQ(
        0, focused.Count(RECT{caption.left, ItemRect(1).top + 1, caption.right, ItemRect(1).bottom},
                         highlight));
    SetFocus(m_host.GetSafeHwnd());
    Picture plain(400, HeightShowing(kShown));
    PaintInto(plain);
    EXPECT_EQ(0, plain.Count(caption, highlight));
}

} // namespace
