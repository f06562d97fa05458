// Row ids, lookup by id and caption, removal, ownership, choices, records, colours and the
// shared font.
#include "GridFixture.h"

#include "controls/ipaddr/IPAddrCtl.h"

using namespace gridtest;

namespace {

// A caller's row that reports its own destruction.
class WatchedRow : public PropertyGridItem {
  public:
    explicit WatchedRow(bool& destroyed) : m_destroyed(destroyed) { m_destroyed = false; }
    ~WatchedRow() override { m_destroyed = true; }

  private:
    bool& m_destroyed;
};

std::vector<std::string> ComboItems(HWND combo) {
    std::vector<std::string> items;
    const auto count = SendMessageA(combo, CB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        std::string text(
            static_cast<size_t>(SendMessageA(combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(i), 0)),
            '\0');
        SendMessageA(combo, CB_GETLBTEXT, static_cast<WPARAM>(i),
                     reinterpret_cast<LPARAM>(&text[0]));
        items.push_back(text);
    }
    return items;
}

class RowsTest : public GridTest {
  protected:
    void SetUp() override {
        GridTest::SetUp();
        CreateGrid(400, HeightShowing(5));
    }
};

} // namespace

TEST_F(RowsTest, IdsRunFromOneInOrderOfAdditionWhateverTheWayOfAdding) {
    bool destroyed = false;
    WatchedRow callerRow(destroyed);
    EXPECT_EQ(1, AddText("first"));
    EXPECT_EQ(2, m_grid.AddItem("second", PIT_LONG, 7));
    EXPECT_EQ(3, m_grid.AddItem(&callerRow));
    EXPECT_EQ(3, m_grid.GetItemCount());
    EXPECT_EQ(&callerRow, m_grid.FindItem(3));
    EXPECT_EQ(7, m_grid.GetItemData(2));
    m_grid.RemoveAllItems();
}

TEST_F(RowsTest, RemoveItemLeavesAGapAndNeverReusesTheId) {
    AddRows(5);
    EXPECT_TRUE(m_grid.RemoveItem(3));
    EXPECT_FALSE(m_grid.RemoveItem(3));
    EXPECT_FALSE(m_grid.ItemExists(3));
    EXPECT_TRUE(m_grid.ItemExists(4));
    EXPECT_EQ(4, m_grid.GetItemCount());
    EXPECT_EQ(6, AddText("after the gap"));
    EXPECT_EQ(nullptr, m_grid.FindItem("Row 3"));
}

TEST_F(RowsTest, RemoveAllItemsNumbersFromOneAgainAndShowsTheTop) {
    AddRows(12);
    Redraw();
    Scroll(SB_BOTTOM);
    ASSERT_GT(FirstShownId(), 1);
    m_grid.RemoveAllItems();
    EXPECT_EQ(0, m_grid.GetItemCount());
    EXPECT_EQ(1, AddText("again"));
    EXPECT_EQ(2, AddText("and again"));
    Redraw();
    EXPECT_EQ(1, FirstShownId());
}

TEST_F(RowsTest, CallerRowsOutliveRemovalAndTheGridItself) {
    bool removedOne = false, removedAll = false, gridGone = false;
    WatchedRow one(removedOne), all(removedAll), last(gridGone);
    const int id = m_grid.AddItem(&one);
    m_grid.AddItem(&all);
    EXPECT_TRUE(m_grid.RemoveItem(id));
    m_grid.RemoveAllItems();
    EXPECT_FALSE(removedOne);
    EXPECT_FALSE(removedAll);
    {
        PropertyGrid shortLived;
        ASSERT_TRUE(shortLived.Create(WS_CHILD, RECT{0, 0, 100, 100}, m_host.GetSafeHwnd(), 7));
        shortLived.AddItem(&last);
    }
    EXPECT_FALSE(gridGone);
}

TEST_F(RowsTest, CallerRowWithAnOpenEditorCommitsWhenRemoved) {
    bool destroyed = false;
    WatchedRow row(destroyed);
    const int id = m_grid.AddItem(&row);
    PropertyItemInfo info;
    info.m_caption = "caller's";
    info.m_type = PIT_TEXT;
    info.m_text = "before";
    m_grid.SetItemInfo(id, info);
    Redraw();
    ClickValue(id);
    ASSERT_NE(nullptr, Editor());
    test::TypeChars(Editor(), "after");
    m_grid.RemoveItem(id);
    EXPECT_EQ(nullptr, Editor());
    EXPECT_EQ("after", row.GetText());
}

TEST_F(RowsTest, EveryNamedOperationFailsWithoutChangeForAnUnknownIdOrCaption) {
    const int id = m_grid.AddItem("known", PIT_TEXT, 5);
    m_grid.SetItemText(id, "kept");
    std::string text = "untouched";
    long longValue = 11;
    int intValue = 12;
    COLORREF color = 13;
    LOGFONT font{};
    font.lfHeight = 14;
    RECT rect{1, 2, 3, 4};
    PropertyItemInfo info;
    info.m_caption = "record";
    const std::vector<std::string> choices{"a"};
    for (int missing : {0, 2, -1}) {
        SCOPED_TRACE(missing);
        EXPECT_FALSE(m_grid.SetItemText(missing, "x"));
        EXPECT_FALSE(m_grid.SetItemLong(missing, 1));
        EXPECT_FALSE(m_grid.SetItemInt(missing, 1));
        EXPECT_FALSE(m_grid.SetItemFont(missing, font));
        EXPECT_FALSE(m_grid.SetItemColor(missing, 1));
        EXPECT_FALSE(m_grid.SetItemChoices(missing, choices));
        EXPECT_FALSE(m_grid.SetItemData(missing, 1));
        EXPECT_FALSE(m_grid.SetItemInfo(missing, info));
        EXPECT_FALSE(m_grid.GetItemText(missing, text));
        EXPECT_FALSE(m_grid.GetItemLong(missing, longValue));
        EXPECT_FALSE(m_grid.GetItemInt(missing, intValue));
        EXPECT_FALSE(m_grid.GetItemColor(missing, color));
        EXPECT_FALSE(m_grid.GetItemFont(missing, font));
        EXPECT_FALSE(m_grid.GetItemRect(missing, rect));
        EXPECT_FALSE(m_grid.GetItemInfo(missing, info));
        EXPECT_FALSE(m_grid.IsItemVisible(missing));
        EXPECT_EQ(0, m_grid.GetItemData(missing));
        EXPECT_EQ(nullptr, m_grid.FindItem(missing));
    }
    for (const std::string missing : {"Known", "known ", ""}) {
        SCOPED_TRACE(missing);
        EXPECT_FALSE(m_grid.SetItemText(missing, "x"));
        EXPECT_FALSE(m_grid.GetItemText(missing, text));
        EXPECT_FALSE(m_grid.SetItemChoices(missing, choices));
        EXPECT_FALSE(m_grid.GetItemLong(missing, longValue));
        EXPECT_EQ(nullptr, m_grid.FindItem(missing));
    }
    EXPECT_EQ("untouched", text);
    EXPECT_EQ(11, longValue);
    EXPECT_EQ(12, intValue);
    EXPECT_EQ(13u, color);
    EXPECT_EQ(14, font.lfHeight);
    EXPECT_EQ(1, rect.left);
    EXPECT_EQ("record", info.m_caption);
    EXPECT_EQ("kept", m_grid.FindItem(id)->GetText());
    EXPECT_EQ(5, m_grid.GetItemData(id));
}

TEST_F(RowsTest, ByIdAndByCaptionReachTheSameRow) {
    m_grid.AddItem("same", PIT_TEXT, 0);
    const int id = m_grid.AddItem("same", PIT_TEXT, 0); // the first match in list order wins
    LOGFONT font{};
    lstrcpynA(font.lfFaceName, "Courier", LF_FACESIZE);
    EXPECT_TRUE(m_grid.SetItemText(id, "by id"));
    EXPECT_TRUE(m_grid.SetItemLong("same", 40L));
    EXPECT_TRUE(m_grid.SetItemInt("same", 41));
    EXPECT_TRUE(m_grid.SetItemColor("same", RGB(1, 2, 3)));
    EXPECT_TRUE(m_grid.SetItemFont("same", font));
    std::string text;
    long longValue = 0;
    int intValue = 0;
    COLORREF color = 0;
    LOGFONT readFont{};
    EXPECT_TRUE(m_grid.GetItemText("same", text));
    EXPECT_EQ("", text) << "the caption names the first row, not the one set by id";
    EXPECT_TRUE(m_grid.GetItemText(id, text));
    EXPECT_EQ("by id", text);
    EXPECT_TRUE(m_grid.GetItemLong(1, longValue));
    EXPECT_TRUE(m_grid.GetItemInt(1, intValue));
    EXPECT_TRUE(m_grid.GetItemColor(1, color));
    EXPECT_TRUE(m_grid.GetItemFont(1, readFont));
    EXPECT_EQ(40, longValue);
    EXPECT_EQ(41, intValue);
    EXPECT_EQ(RGB(1, 2, 3), color);
    EXPECT_STREQ("Courier", readFont.lfFaceName);
    EXPECT_TRUE(m_grid.GetItemLong(id, longValue));
    EXPECT_EQ(0, longValue);
}

TEST_F(RowsTest, AddItemByCaptionGivesTheDefaultRecord) {
    const int id = m_grid.AddItem("defaults", PIT_INT, 99);
    PropertyItemInfo info;
    ASSERT_TRUE(m_grid.GetItemInfo(id, info));
    EXPECT_EQ("defaults", info.m_caption);
    EXPECT_EQ(PIT_INT, info.m_type);
    EXPECT_EQ(99, info.m_data);
    EXPECT_EQ("", info.m_text);
    EXPECT_EQ(TRUE, info.m_openFile);
    EXPECT_EQ(FALSE, info.m_editable);
    EXPECT_EQ(80, info.m_fontValue.lfHeight);
    EXPECT_EQ(400, info.m_fontValue.lfWeight);
    EXPECT_EQ(PROOF_QUALITY, info.m_fontValue.lfQuality);
    EXPECT_STREQ("Arial", info.m_fontValue.lfFaceName);
}

TEST_F(RowsTest, IterationVisitsEveryRowInListOrderAndSkipsRemovedOnes) {
    AddRows(4);
    m_grid.RemoveItem(2);
    std::vector<std::string> captions;
    for (auto pos = m_grid.GetFirstItemPosition(); pos;) {
        PropertyItemInfo info;
        m_grid.GetNextItem(pos)->GetInfo(info);
        captions.push_back(info.m_caption);
    }
    EXPECT_EQ((std::vector<std::string>{"Row 1", "Row 3", "Row 4"}), captions);
    m_grid.RemoveAllItems();
    EXPECT_EQ(0u, m_grid.GetFirstItemPosition());
}

TEST_F(RowsTest, ChoicesAreAppendedNotReplaced) {
    const int id = m_grid.AddItem("choice", PIT_COMBO, 0);
    const std::vector<std::string> choices{"yes", "no"};
    EXPECT_TRUE(m_grid.SetItemChoices(id, choices));
    EXPECT_TRUE(m_grid.SetItemChoices("choice", choices));
    Redraw();
    ClickValue(id);
    EXPECT_EQ((std::vector<std::string>{"yes", "no", "yes", "no"}), ComboItems(Editor()));
}

TEST_F(RowsTest, SetInfoAppendsChoicesAndGetInfoLeavesTheRecordsOwn) {
    PropertyItemInfo info;
    info.m_caption = "choice";
    info.m_type = PIT_COMBO;
    info.m_choices = {"a", "b"};
    const int id = m_grid.AddItem(info);
    EXPECT_TRUE(m_grid.SetItemInfo(id, info));

    PropertyItemInfo readBack;
    readBack.m_choices = {"mine"};
    ASSERT_TRUE(m_grid.GetItemInfo(id, readBack));
    EXPECT_EQ("choice", readBack.m_caption);
    EXPECT_EQ((std::vector<std::string>{"mine"}), readBack.m_choices);

    Redraw();
    ClickValue(id);
    EXPECT_EQ((std::vector<std::string>{"a", "b", "a", "b"}), ComboItems(Editor()));
}

TEST_F(RowsTest, ColoursReachExistingRowsAndCallerRowsButNotLaterRecordRows) {
    const COLORREF red = RGB(200, 0, 0), blue = RGB(0, 0, 200);
    bool destroyed = false;
    WatchedRow before(destroyed), after(destroyed);
    const int recordBefore = AddText("record before");
    m_grid.AddItem(&before);
    m_grid.SetTextColor(red);
    m_grid.SetBkColor(blue);
    const int recordAfter = AddText("record after");
    m_grid.AddItem(&after);

    EXPECT_EQ(red, m_grid.GetTextColor());
    EXPECT_EQ(blue, m_grid.GetBkColor());
    EXPECT_EQ(red, m_grid.FindItem(recordBefore)->GetTextColor());
    EXPECT_EQ(blue, m_grid.FindItem(recordBefore)->GetBkColor());
    EXPECT_EQ(red, before.GetTextColor());
    EXPECT_EQ(red, after.GetTextColor());
    EXPECT_EQ(blue, after.GetBkColor());
    EXPECT_EQ(GetSysColor(COLOR_BTNTEXT), m_grid.FindItem(recordAfter)->GetTextColor());
    EXPECT_EQ(GetSysColor(COLOR_BTNFACE), m_grid.FindItem(recordAfter)->GetBkColor());
    m_grid.RemoveAllItems();
}

TEST_F(RowsTest, SharedFontReachesOnlyRowsAddedLater) {
    fw::CFont first, second;
    ASSERT_TRUE(first.CreatePointFont(90, "Arial"));
    ASSERT_TRUE(second.CreatePointFont(100, "Arial"));
    const int withoutShared = AddText("none");
    EXPECT_EQ(nullptr, m_grid.SetSharedFont(&first));
    const int withFirst = AddText("first");
    EXPECT_EQ(&first, m_grid.SetSharedFont(&second));
    const int withSecond = AddText("second");
    Redraw();

    auto editorFont = [&](int id) {
        ClickValue(id);
        const HWND editor = Editor();
        EXPECT_NE(nullptr, editor) << "row " << id;
        return reinterpret_cast<HFONT>(SendMessageA(editor, WM_GETFONT, 0, 0));
    };
    EXPECT_EQ(first.GetSafeHandle(), editorFont(withFirst));
    EXPECT_EQ(second.GetSafeHandle(), editorFont(withSecond));
    const HFONT own = editorFont(withoutShared);
    EXPECT_NE(nullptr, own);
    EXPECT_NE(first.GetSafeHandle(), own);
    EXPECT_NE(second.GetSafeHandle(), own);
    m_grid.EndEditing();
    // The row's own editor font went with the editor; the shared ones stay the owner's.
    EXPECT_EQ(0, GetObjectType(own));
    EXPECT_EQ(static_cast<DWORD>(OBJ_FONT), GetObjectType(first.GetSafeHandle()));
}

TEST_F(RowsTest, RowsAreThirteenPixelsHighUnderAWindowThatIsNoDialog) {
    AddRows(2);
    RECT before{1, 1, 1, 1};
    EXPECT_TRUE(m_grid.GetItemRect(1, before));
    EXPECT_TRUE(IsRectEmpty(&before)) << "no layout yet";
    Redraw();
    const RECT first = ItemRect(1), second = ItemRect(2);
    EXPECT_EQ(3, first.left);
    EXPECT_EQ(3, first.top);
    EXPECT_EQ(400 - 6, first.right);
    EXPECT_EQ(kRowHeight, first.bottom - first.top);
    EXPECT_EQ(first.bottom, second.top);
}
