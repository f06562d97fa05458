// Clicks in value boxes: which editor opens for each row type, what it shows, and what a
// click elsewhere commits.
#include "GridFixture.h"

#include "controls/ipaddr/IPAddrCtl.h"

using namespace gridtest;

namespace {

class EditorTest : public GridTest {
  protected:
    void SetUp() override {
        GridTest::SetUp();
        CreateGrid(400, HeightShowing(8));
    }

    // A row of that type with a text value; ids of earlier rows are unaffected.
    int AddRow(int type, const std::string& text = {}, std::vector<std::string> choices = {},
               BOOL editable = FALSE) {
        PropertyItemInfo info;
        info.m_caption = "row";
        info.m_type = type;
        info.m_text = text;
        info.m_choices = std::move(choices);
        info.m_editable = editable;
        return m_grid.AddItem(info);
    }

    // Opens the row's editor with a click in its value box; null when none opened.
    HWND Open(int id) {
        Redraw();
        ClickValue(id);
        return Editor();
    }

    // Commits with a click in the row's caption column, as the operator would.
    void CommitByCaptionClick(int id) {
        ClickCaption(id);
        EXPECT_EQ(nullptr, Editor()) << "a click anywhere in the grid closes the editor";
    }

    CIPAddrCtl* AddressEditor() const {
        return dynamic_cast<CIPAddrCtl*>(fw::CWnd::FromHandle(Editor()));
    }
    void SetFields(CIPAddrCtl& control, const std::vector<std::string>& fields) {
        for (int n = 1; n <= 4; ++n)
            SetWindowTextA(control.GetField(n)->GetSafeHwnd(), fields[n - 1].c_str());
    }
};

std::string SelectedText(HWND edit) {
    DWORD start = 0, end = 0;
    SendMessageA(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return WindowText(edit).substr(start, end - start);
}

} // namespace

TEST_F(EditorTest, EachTypeOpensItsOwnEditorOrNone) {
    struct Case {
        int type;
        const char* editorClass; // null: no editor opens
    };
    const Case cases[] = {
        {PIT_TEXT, "Edit"},
        {PIT_INT, "Edit"},
        {PIT_LONG, "Edit"},
        {PIT_FILE, "Edit"},
        {PIT_COMBO, "ComboBox"},
        {PIT_IPADDRESS, "CIPAddrCtl"},
        {PIT_FONT, nullptr},
        {PIT_COLOR, nullptr},
        {PIT_TRUEFALSE, nullptr},
        {PIT_YESNO, nullptr},
        {PIT_ONOFF, nullptr},
        {0, nullptr},
        {8, nullptr},
        {9, nullptr},
        {14, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.type);
        m_grid.RemoveAllItems();
        const int id = AddRow(c.type);
        const HWND editor = Open(id);
        if (!c.editorClass) {
            EXPECT_EQ(nullptr, editor);
            continue;
        }
        ASSERT_NE(nullptr, editor);
        const fw::CWnd* object = fw::CWnd::FromHandle(editor);
        const std::string kind = std::string(c.editorClass) == "CIPAddrCtl" && object
                                     ? object->GetRuntimeClassName()
                                     : ClassOf(editor);
        EXPECT_EQ(c.editorClass, kind);
        EXPECT_EQ(m_grid.GetSafeHwnd(), GetParent(editor));
        EXPECT_TRUE(IsChild(editor, GetFocus()) || GetFocus() == editor) << "editor has focus";
        m_grid.EndEditing();
        EXPECT_EQ(nullptr, Editor());
    }
}

TEST_F(EditorTest, TextEditorsCommitWhatWasTypedByTheirTypesRules) {
    struct Case {
        int type;
        const char* start; // the row's value before, as a text
        const char* shown; // what the editor shows, fully selected
        const char* typed;
        const char* committed; // the row's value after, as a text
    };
    const Case cases[] = {
        {PIT_TEXT, "old", "old", "new text", "new text"},
        {PIT_FILE, "a.txt", "a.txt", "b.txt", "b.txt"},
        {PIT_INT, "-5", "-5", "abc", "0"},
        {PIT_INT, "7", "7", "12abc", "12"},
        {PIT_INT, "7", "7", "  -31", "-31"},
        {PIT_LONG, "100", "100", "-2147483648", "-2147483648"},
        {PIT_LONG, "3", "3", "x9", "0"},
        {PIT_LONG, "3", "3", "", "0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.type) + " typed " + c.typed);
        m_grid.RemoveAllItems();
        const int id = AddRow(c.type, c.start);
        m_grid.SetItemInt(id, std::atoi(c.start));
        m_grid.SetItemLong(id, std::atol(c.start));
        const HWND editor = Open(id);
        ASSERT_NE(nullptr, editor);
        EXPECT_EQ(c.shown, WindowText(editor));
        EXPECT_EQ(c.shown, SelectedText(editor));
        // The whole text is selected: typing replaces it.
        if (*c.typed)
            test::TypeChars(editor, c.typed);
        else
            SendMessageA(editor, WM_CHAR, VK_BACK, 1);
        CommitByCaptionClick(id);
        const PropertyGridItem& row = *m_grid.FindItem(id);
        const std::string value = c.type == PIT_INT    ? std::to_string(row.GetInt())
                                  : c.type == PIT_LONG ? std::to_string(row.GetLong())
                                                       : row.GetText();
        EXPECT_EQ(c.committed, value);
    }
}

TEST_F(EditorTest, ClickingAnotherRowsValueCommitsTheFirstAndOpensTheSecond) {
    const int first = AddRow(PIT_TEXT, "one");
    const int second = AddRow(PIT_TEXT, "two");
    test::TypeChars(Open(first), "changed");
    ClickValue(second);
    EXPECT_EQ("changed", m_grid.FindItem(first)->GetText());
    ASSERT_NE(nullptr, Editor());
    EXPECT_EQ("two", WindowText(Editor()));
    int editors = 0;
    for (HWND child = GetWindow(m_grid.GetSafeHwnd(), GW_CHILD); child;
         child = GetWindow(child, GW_HWNDNEXT))
        editors += GetDlgCtrlID(child) == static_cast<int>(IDC_GRID_EDITOR) ? 1 : 0;
    EXPECT_EQ(1, editors) << "at most one editor is open in the grid";
}

TEST_F(EditorTest, ClickOnTheValueBoxEdgesFollowsTheRectangleRule) {
    const int id = AddRow(PIT_TEXT, "x");
    Redraw();
    const RECT box = ValueBox(id);
    struct Case {
        const char* name;
        POINT point;
        bool opens;
    };
    const Case cases[] = {
        {"left edge", {box.left, box.top + 3}, true},
        {"top edge", {box.left + 20, box.top}, true},
        {"left of it", {box.left - 1, box.top + 3}, false},
        {"right edge", {box.right, box.top + 3}, false},
        {"last column", {box.right - 1, box.top + 3}, true},
        {"bottom edge", {box.left + 20, box.bottom}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Click(c.point);
        EXPECT_EQ(c.opens, Editor() != nullptr);
        m_grid.EndEditing();
    }
}

TEST_F(EditorTest, BooleanRowsToggleAtEachClickWithoutAnEditor) {
    for (int type : {PIT_TRUEFALSE, PIT_YESNO, PIT_ONOFF}) {
        SCOPED_TRACE(type);
        m_grid.RemoveAllItems();
        const int id = AddRow(type);
        Redraw();
        PropertyGridItem& row = *m_grid.FindItem(id);
        ClickValue(id);
        EXPECT_EQ(TRUE, row.GetBool());
        EXPECT_EQ(nullptr, Editor());
        ClickValue(id);
        EXPECT_EQ(FALSE, row.GetBool());
        ClickCaption(id);
        EXPECT_EQ(FALSE, row.GetBool()) << "a caption click does not toggle";
    }
}

TEST_F(EditorTest, DropDownListSelectsTheExactChoiceOnly) {
    struct Case {
        const char* value;
        std::vector<std::string> choices;
        LRESULT selected; // CB_ERR: nothing selected
        const char* committedUnchanged;
    };
    const Case cases[] = {
        {"no", {"yes", "no"}, 1, "no"},
        {"Yes", {"yes", "no"}, CB_ERR, ""}, // case matters
        {"a", {"a", "b", "a"}, 2, "a"},     // the last match is remembered
        {"", {"x"}, CB_ERR, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value);
        m_grid.RemoveAllItems();
        const int id = AddRow(PIT_COMBO, c.value, c.choices);
        const HWND combo = Open(id);
        ASSERT_NE(nullptr, combo);
        EXPECT_EQ(c.selected, SendMessageA(combo, CB_GETCURSEL, 0, 0));
        EXPECT_FALSE(SendMessageA(combo, CB_GETDROPPEDSTATE, 0, 0)) << "the list stays closed";
        CommitByCaptionClick(id);
        EXPECT_EQ(c.committedUnchanged, m_grid.FindItem(id)->GetText());
    }
}

TEST_F(EditorTest, DropDownListCommitsTheChosenItem) {
    const int id = AddRow(PIT_COMBO, "Yes", {"yes", "no"});
    const HWND combo = Open(id);
    ASSERT_NE(nullptr, combo);
    // The keyboard picks from a closed drop-down list as a click in its list would.
    SendMessageA(combo, WM_KEYDOWN, VK_DOWN, 1);
    SendMessageA(combo, WM_KEYDOWN, VK_DOWN, 1);
    CommitByCaptionClick(id);
    EXPECT_EQ("no", m_grid.FindItem(id)->GetText());
}

TEST_F(EditorTest, EditableDropDownKeepsTypedTextOutsideItsChoices) {
    const int id = AddRow(PIT_COMBO, "letter", {"letter", "a4"}, TRUE);
    const HWND combo = Open(id);
    ASSERT_NE(nullptr, combo);
    EXPECT_EQ("letter", WindowText(combo));
    EXPECT_EQ(CB_ERR, SendMessageA(combo, CB_GETCURSEL, 0, 0)) << "typed text is not a choice";
    const HWND typing = GetFocus();
    ASSERT_TRUE(IsChild(combo, typing)) << "the focus is in the drop-down's edit box";
    SendMessageA(typing, EM_SETSEL, 0, -1);
    test::TypeChars(typing, "legal");
    CommitByCaptionClick(id);
    EXPECT_EQ("legal", m_grid.FindItem(id)->GetText());
}

TEST_F(EditorTest, AddressEditorShowsTheValueAndFocusesTheFirstField) {
    struct Case {
        const char* value;
        std::vector<std::string> fields;
        const char* committedUnchanged;
    };
    const Case cases[] = {
        {"", {"0", "0", "0", "0"}, "0.0.0.0"},
        {"10.1", {"10", "1", "0", "0"}, "10.1.0.0"},
        {"192.168.1.5", {"192", "168", "1", "5"}, "192.168.1.5"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value);
        m_grid.RemoveAllItems();
        const int id = AddRow(PIT_IPADDRESS, c.value);
        ASSERT_NE(nullptr, Open(id));
        CIPAddrCtl* control = AddressEditor();
        ASSERT_NE(nullptr, control);
        for (int n = 1; n <= 4; ++n)
            EXPECT_EQ(c.fields[n - 1], WindowText(control->GetField(n)->GetSafeHwnd()));
        EXPECT_EQ(control->GetField(1)->GetSafeHwnd(), GetFocus());
        CommitByCaptionClick(id);
        EXPECT_EQ(c.committedUnchanged, m_grid.FindItem(id)->GetText());
    }
}

TEST_F(EditorTest, AddressEditorCommitsOnlyWholeAddressesOrAClearedOne) {
    struct Case {
        const char* name;
        std::vector<std::string> fields;
        const char* committed;
    };
    const Case cases[] = {
        {"changed address", {"10", "0", "0", "254"}, "10.0.0.254"},
        {"leading zeros", {"010", "001", "0", "7"}, "10.1.0.7"},
        {"a field left empty keeps the old value", {"10", "", "0", "1"}, "192.168.1.5"},
        {"the last field empty", {"10", "0", "0", ""}, "192.168.1.5"},
        {"a field above 255 keeps the old value", {"10", "300", "0", "1"}, "192.168.1.5"},
        {"all four fields empty clear it", {"", "", "", ""}, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        m_grid.RemoveAllItems();
        const int id = AddRow(PIT_IPADDRESS, "192.168.1.5");
        ASSERT_NE(nullptr, Open(id));
        CIPAddrCtl* control = AddressEditor();
        ASSERT_NE(nullptr, control);
        SetFields(*control, c.fields); // as pasted: a field takes any text
        CommitByCaptionClick(id);
        EXPECT_EQ(c.committed, m_grid.FindItem(id)->GetText());
    }
}

RECT PlacedInGrid(HWND window, HWND grid) {
    RECT placed{};
    GetWindowRect(window, &placed);
    MapWindowPoints(nullptr, grid, reinterpret_cast<POINT*>(&placed), 2);
    return placed;
}

// Rows here are 13 pixels, lower than a line of the font: editors keep inside the value box.
TEST_F(EditorTest, AddressEditorFillsTheValueBoxAsWideAsItsFieldsNeed) {
    const int id = AddRow(PIT_IPADDRESS, "1.2.3.4");
    ASSERT_NE(nullptr, Open(id));
    const RECT placed = PlacedInGrid(Editor(), m_grid.GetSafeHwnd());
    const RECT box = ValueBox(id);
    EXPECT_EQ(
        RECT({box.left + 2, box.top, box.left + 2 + AddressEditor()->MinimumWidth(), box.bottom}),
        placed);
}

TEST_F(EditorTest, TextEditorStaysInsideTheValueBoxAndItsEdge) {
    const int id = AddRow(PIT_TEXT, "x");
    const HWND editor = Open(id);
    ASSERT_NE(nullptr, editor);
    const RECT box = ValueBox(id);
    EXPECT_EQ(RECT({box.left + 4, box.top + 2, box.right - 4, box.bottom - 2}),
              PlacedInGrid(editor, m_grid.GetSafeHwnd()));
    EXPECT_EQ(0, GetWindowLongA(editor, GWL_STYLE) & WS_BORDER);
}
