// The Configuration Editor page, hosted in a modeless wizard sheet and driven as the operator
// drives it: clicks in the grid's value boxes, typed characters, choices, the wizard buttons.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "config/ConfigStore.h"
#include "controls/ipaddr/IPAddrCtl.h"
#include "controls/propgrid/PropertyGrid.h"
#include "editor/VSummaryPage.h"
#include "resources/resource.h"
#include "sheet/VPropertySheet.h"
#include "support/FloppyDrive.h"
#include "support/MessageBoxRecorder.h"
#include "support/WindowDriver.h"

namespace {

constexpr int kGridId = 1001;
// A floppy file that sets nothing: every setting takes its value for a missing key.
constexpr char kKeylessFile[] = "; notes of the site\r\n";

struct ExpectedRow {
    const char* caption;
    PropertyItemType type;
    const char* text; // the shown text, for every row but the numbers
    long number;      // the shown number of a PIT_LONG row
};

// The rows after a load of the keyless file, in id order.
const ExpectedRow kKeylessRows[] = {
    {"Server Name", PIT_TEXT, "TESSELV", 0},
    {"Domain Name", PIT_TEXT, kDefaultDomainName, 0},
    {"IP Address", PIT_IPADDRESS, "192.168.0.254", 0},
    {"Subnet Mask", PIT_IPADDRESS, "255.255.255.0", 0},
    {"Enable DHCP", PIT_COMBO, "yes", 0},
    {"Copier Type", PIT_COMBO, "Xerox 5750", 0},
    {"WINS Server Address", PIT_IPADDRESS, "", 0},
    {"Gateway Address", PIT_IPADDRESS, "", 0},
    {"Separator Page", PIT_COMBO, "false", 0},
    {"Default Page", PIT_COMBO, "letter", 0},
    {"Force Page", PIT_COMBO, "off", 0},
    {"Fshift", PIT_LONG, nullptr, 0},
    {"Sshift", PIT_LONG, nullptr, 0},
    {"Toner Limit Startpoint", PIT_LONG, nullptr, 190},
    {"Toner Limit Maximum", PIT_LONG, nullptr, 220},
    {"Print Queue Name", PIT_TEXT, "Tessel_print", 0},
    {"Print Queue Networks", PIT_COMBO, "Windows TCP/IP, EtherTalk", 0},
    {"Print Queue Novell Server", PIT_TEXT, "", 0},
    {"Print Queue Novell Queue", PIT_TEXT, "", 0},
    {"Print Queue Novell PrintServer", PIT_TEXT, "", 0},
    {"Hold Queue Name", PIT_TEXT, "Tessel_hold", 0},
    {"Hold Queue Networks", PIT_COMBO, "Windows TCP/IP, EtherTalk", 0},
    {"Hold Queue Novell Server", PIT_TEXT, "", 0},
    {"Hold Queue Novell Queue", PIT_TEXT, "", 0},
    {"Hold Queue Novell PrintServer", PIT_TEXT, "", 0},
    {"Zone Name", PIT_TEXT, "*", 0},
    {"Domain\\Workgroup Name", PIT_TEXT, "workgroup", 0},
};

const std::vector<std::string> kNetworkSetNames = {
    "None",   "Windows TCP/IP",         "EtherTalk",         "Windows TCP/IP, EtherTalk",
    "Novell", "Windows TCP/IP, Novell", "EtherTalk, Novell", "Windows TCP/IP, EtherTalk, Novell",
};

int RowId(const char* caption) {
    for (int i = 0; i < static_cast<int>(std::size(kKeylessRows)); ++i)
        if (std::string(kKeylessRows[i].caption) == caption)
            return i + 1;
    ADD_FAILURE() << "no row " << caption;
    return 0;
}

std::vector<std::string> ComboItems(HWND combo) {
    std::vector<std::string> items;
    const auto count = static_cast<int>(SendMessageA(combo, CB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        const auto length = SendMessageA(combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(i), 0);
        std::string item(static_cast<size_t>(length) + 1, '\0');
        SendMessageA(combo, CB_GETLBTEXT, static_cast<WPARAM>(i),
                     reinterpret_cast<LPARAM>(item.data()));
        item.resize(static_cast<size_t>(length));
        items.push_back(item);
    }
    return items;
}

std::string SelectedChoice(HWND combo) {
    const auto index = SendMessageA(combo, CB_GETCURSEL, 0, 0);
    return index == CB_ERR ? std::string() : ComboItems(combo).at(static_cast<size_t>(index));
}

// Picks a choice in an open drop-down list, as a click on the item of the list does.
void Choose(HWND combo, const std::string& choice) {
    const auto index = SendMessageA(combo, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                    reinterpret_cast<LPARAM>(choice.c_str()));
    ASSERT_NE(CB_ERR, index) << choice;
    SendMessageA(combo, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

class SummaryPageTest : public testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(RegisterIPAddrClass());
        m_floppy.WriteFile("dp.ini", kKeylessFile);
        ASSERT_EQ(1, OpenConfigStore(kFloppyConfigPath));
    }

    void TearDown() override {
        if (m_sheet.m_hWnd)
            DestroyWindow(m_sheet.m_hWnd);
        test::PumpMessages();
    }

    // The operator chooses "Configuration &Editor" on the welcome page: the record is loaded
    // from the working copy and the editor page shown.
    void OpenEditor() {
        if (!m_sheet.m_hWnd) {
            ASSERT_NE(nullptr, m_sheet.Create());
        }
        test::PumpMessages();
        ASSERT_EQ(0, m_sheet.GetActiveIndex());
        ASSERT_TRUE(test::Click(test::FindChild(m_sheet.m_hWnd, IDC_START_EDITOR)));
        ASSERT_TRUE(test::PumpUntil([&] { return EditorShown(); }));
        m_page = dynamic_cast<CVSummaryPage*>(m_sheet.GetActivePage());
        ASSERT_NE(nullptr, m_page);
        m_grid = dynamic_cast<PropertyGrid*>(fw::CWnd::FromHandle(m_page->GetDlgItem(kGridId)));
        ASSERT_NE(nullptr, m_grid) << "no grid on the page";
    }

    // Presses a wizard button as the operator does and lets the sheet act on it.
    void Press(int button) {
        ASSERT_TRUE(test::PressWizardButton(m_sheet.m_hWnd, button));
        test::PumpMessages();
    }
    void PressFinish() { Press(PSBTN_FINISH); }

    bool SheetClosed() const { return m_sheet.IsClosed(); }
    bool EditorShown() const { return m_sheet.GetActiveIndex() == m_sheet.GetPageCount() - 1; }

    // Brings a row into view with the scroll bar's down arrow.
    void ScrollIntoView(int id) {
        const auto bar = reinterpret_cast<LPARAM>(m_grid->GetDlgItem(IDC_GRID_SCROLLBAR));
        RedrawWindow(m_grid->m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        m_grid->SendMessage(WM_VSCROLL, SB_TOP, bar);
        for (int step = 0; step < CVSummaryPage::kFieldCount && !m_grid->IsItemVisible(id); ++step)
            m_grid->SendMessage(WM_VSCROLL, SB_LINEDOWN, bar);
    }

    // Clicks the middle of the row's value box; returns the in-place editor it opened.
    HWND OpenRowEditor(int id) {
        ScrollIntoView(id);
        RECT row{};
        EXPECT_TRUE(m_grid->IsItemVisible(id)) << "row " << id;
        EXPECT_TRUE(m_grid->GetItemRect(id, row)) << "row " << id;
        // The value box runs from 0.4 of the row's edges to the scroll bar's width before its
        // right edge.
        const int valueLeft = (row.left + row.right) * 2 / 5;
        const int valueRight =
            row.right - (GetSystemMetrics(SM_CYHSCROLL) + GetSystemMetrics(SM_CXEDGE));
        const LPARAM point = MAKELPARAM((valueLeft + valueRight) / 2, (row.top + row.bottom) / 2);
        m_grid->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, point);
        m_grid->SendMessage(WM_LBUTTONUP, 0, point);
        test::PumpMessages();
        const HWND editor = m_grid->GetDlgItem(IDC_GRID_EDITOR);
        EXPECT_NE(nullptr, editor) << "no editor opened on row " << id;
        return editor;
    }

    // Clicks a row's value box and replaces its text by typing.
    void TypeIntoRow(int id, const std::string& text) {
        const HWND edit = OpenRowEditor(id);
        ASSERT_NE(nullptr, edit);
        test::TypeChars(edit, text);
    }

    void ChooseInRow(int id, const std::string& choice) {
        const HWND combo = OpenRowEditor(id);
        ASSERT_NE(nullptr, combo);
        Choose(combo, choice);
    }

    std::string RowText(int id) {
        std::string text;
        EXPECT_TRUE(m_grid->GetItemText(id, text)) << "row " << id;
        return text;
    }

    // The record as the floppy now holds it.
    ServerConfig ReloadFromFloppy() {
        EXPECT_EQ(1, OpenConfigStore(kFloppyConfigPath));
        ServerConfig saved;
        LoadConfiguration(saved);
        return saved;
    }

    std::string FloppyFile() const { return m_floppy.ReadFile("dp.ini").value_or(""); }

    test::FloppyDrive m_floppy;
    ServerConfig m_config;
    CVPropertySheet m_sheet{m_config};
    CVSummaryPage* m_page = nullptr;
    PropertyGrid* m_grid = nullptr;
};

TEST_F(SummaryPageTest, ShowsEverySettingAsARowInRecordOrderWithIdsOneToTwentySeven) {
    OpenEditor();
    ASSERT_EQ(CVSummaryPage::kFieldCount, m_grid->GetItemCount());
    for (int id = 1; id <= CVSummaryPage::kFieldCount; ++id) {
        const ExpectedRow& expected = kKeylessRows[id - 1];
        PropertyItemInfo row;
        ASSERT_TRUE(m_grid->GetItemInfo(id, row)) << "row " << id;
        EXPECT_EQ(expected.caption, row.m_caption) << "row " << id;
        EXPECT_EQ(expected.type, row.m_type) << expected.caption;
        if (expected.type == PIT_LONG)
            EXPECT_EQ(expected.number, row.m_long) << expected.caption;
        else
            EXPECT_EQ(expected.text, row.m_text) << expected.caption;
    }
    EXPECT_FALSE(m_grid->ItemExists(CVSummaryPage::kFieldCount + 1));
}

TEST_F(SummaryPageTest, EditorsShowThePagesFontWhichOutlivesEveryRebuild) {
    OpenEditor();
    Press(PSBTN_BACK);
    ASSERT_TRUE(test::PumpUntil([&] { return m_sheet.GetActiveIndex() == 0; }));
    OpenEditor();
    const auto pageFont = reinterpret_cast<HFONT>(m_page->SendMessage(WM_GETFONT));
    ASSERT_NE(nullptr, pageFont);
    // The grid borrows the font: rebuilding the rows must not have deleted it.
    EXPECT_EQ(static_cast<DWORD>(OBJ_FONT), GetObjectType(pageFont));
    for (const char* caption : {"Server Name", "Fshift", "Copier Type", "IP Address"}) {
        const HWND editor = OpenRowEditor(RowId(caption));
        ASSERT_NE(nullptr, editor) << caption;
        // The address editor passes its font on to its four fields.
        const HWND typedInto = test::FindChildByClass(editor, "Edit")
                                   ? test::FindChildByClass(editor, "Edit")
                                   : editor;
        EXPECT_EQ(pageFont, reinterpret_cast<HFONT>(SendMessageA(typedInto, WM_GETFONT, 0, 0)))
            << caption;
        if (lstrcmpiA(fw::GetClassNameOf(editor).c_str(), "Edit") == 0) {
            // Underscores and descenders show: the box is as high as a line of the font.
            fw::ClientDC dc(editor);
            fw::SelectObjectGuard font(dc, pageFont);
            TEXTMETRICA metrics{};
            GetTextMetricsA(dc, &metrics);
            RECT client{};
            GetClientRect(editor, &client);
            EXPECT_GE(client.bottom, metrics.tmHeight) << caption;
        }
    }
}

TEST_F(SummaryPageTest, ChoiceRowsOfferTheirListsInOrderWithTheValueSelected) {
    struct Case {
        const char* caption;
        std::vector<std::string> choices;
    };
    const Case cases[] = {
        {"Enable DHCP", {"yes", "no"}},
        {"Copier Type", {"Xerox 5750", "Xerox 5790", "Xerox 5799"}},
        {"Separator Page", {"false", "true"}},
        {"Default Page", {"letter", "a4"}},
        {"Force Page", {"english", "metric", "off"}},
        {"Print Queue Networks", kNetworkSetNames},
        {"Hold Queue Networks", kNetworkSetNames},
    };
    OpenEditor();
    for (const Case& c : cases) {
        const int id = RowId(c.caption);
        const HWND combo = OpenRowEditor(id);
        ASSERT_NE(nullptr, combo) << c.caption;
        EXPECT_EQ(c.choices, ComboItems(combo)) << c.caption;
        EXPECT_EQ(kKeylessRows[id - 1].text, SelectedChoice(combo)) << c.caption;
        // Typed text is refused: the list takes no text of its own.
        EXPECT_EQ(CBS_DROPDOWNLIST, GetWindowLongA(combo, GWL_STYLE) & 3) << c.caption;
    }
}

struct NetworkChoice {
    const char* choice;
    NetworkSet stored;
    const char* fileLines;
};

void PrintTo(const NetworkChoice& c, std::ostream* os) {
    *os << '"' << c.choice << '"';
}

class NetworkSetRowTest : public SummaryPageTest,
                          public testing::WithParamInterface<NetworkChoice> {};

TEST_P(NetworkSetRowTest, ChoiceForTheHoldQueueIsSavedAsItsValue) {
    const NetworkChoice& c = GetParam();
    OpenEditor();
    ChooseInRow(RowId("Hold Queue Networks"), c.choice);
    PressFinish();
    EXPECT_TRUE(SheetClosed());
    EXPECT_EQ(c.stored, m_config.m_HQ_network_type);
    EXPECT_NE(std::string::npos, FloppyFile().find(c.fileLines)) << FloppyFile();
    EXPECT_EQ(c.stored, ReloadFromFloppy().m_HQ_network_type);
    // The print queue's row was left alone.
    EXPECT_EQ(NET_WINDOWS_TCPIP | NET_ETHERTALK, m_config.m_PQ_network_type);
}

INSTANTIATE_TEST_SUITE_P(
    Choices, NetworkSetRowTest,
    testing::Values(NetworkChoice{"None", 0,
                                  "pq1wintcp=off\r\npq1ethertalk=off\r\npq1novell=off\r\n"},
                    NetworkChoice{"Novell", NET_NOVELL,
                                  "pq1wintcp=off\r\npq1ethertalk=off\r\npq1novell=on\r\n"},
                    NetworkChoice{"Windows TCP/IP, EtherTalk, Novell", 7,
                                  "pq1wintcp=on\r\npq1ethertalk=on\r\npq1novell=on\r\n"}));

TEST_F(SummaryPageTest, TypedShiftIsSavedWithoutAnyLimit) {
    OpenEditor();
    TypeIntoRow(RowId("Fshift"), "100");
    PressFinish();
    EXPECT_EQ(100, m_config.m_SrvD_f_shift);
    EXPECT_NE(std::string::npos, FloppyFile().find("\r\nfshift=100\r\n")) << FloppyFile();
}

TEST_F(SummaryPageTest, FinishSavesTheValueOfAnEditorStillOpen) {
    OpenEditor();
    TypeIntoRow(RowId("Server Name"), "VARDA2");
    ASSERT_NE(nullptr, m_grid->GetDlgItem(IDC_GRID_EDITOR)) << "the editor must still be open";
    PressFinish();
    EXPECT_TRUE(SheetClosed());
    EXPECT_EQ("VARDA2", m_config.m_server_name);
    EXPECT_EQ("VARDA2", ReloadFromFloppy().m_server_name);
}

TEST_F(SummaryPageTest, EditsOfEveryKindReachTheFloppyTogether) {
    OpenEditor();
    TypeIntoRow(RowId("Print Queue Name"), "Laser");
    TypeIntoRow(RowId("Sshift"), "-12");
    ChooseInRow(RowId("Default Page"), "a4");
    ChooseInRow(RowId("Print Queue Networks"), "EtherTalk, Novell");
    // A click in the caption column closes the last editor without opening another.
    m_grid->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(8, 8));
    PressFinish();
    const ServerConfig saved = ReloadFromFloppy();
    EXPECT_EQ("Laser", saved.m_PQ_name);
    EXPECT_EQ(-12, saved.m_SrvD_s_shift);
    EXPECT_EQ("a4", saved.m_SrvD_default_page);
    EXPECT_EQ(NET_ETHERTALK | NET_NOVELL, saved.m_PQ_network_type);
    EXPECT_EQ("TESSELV", saved.m_server_name);
}

TEST_F(SummaryPageTest, EmptiedAddressRowSavesAnEmptyAddress) {
    OpenEditor();
    auto* address =
        dynamic_cast<CIPAddrCtl*>(fw::CWnd::FromHandle(OpenRowEditor(RowId("IP Address"))));
    ASSERT_NE(nullptr, address);
    for (int field = 1; field <= 4; ++field) {
        const HWND edit = address->GetField(field)->m_hWnd;
        test::Focus(edit);
        SendMessageA(edit, EM_SETSEL, 0, -1);
        test::PressKey(edit, VK_DELETE);
    }
    PressFinish();
    EXPECT_EQ("", m_config.m_ip_adress);
    EXPECT_NE(std::string::npos, FloppyFile().find("\r\nipaddress=\r\n")) << FloppyFile();
}

TEST_F(SummaryPageTest, SaveCommandWritesTheRowsToTheFloppy) {
    OpenEditor();
    TypeIntoRow(RowId("Zone Name"), "Design");
    m_page->SendMessage(WM_COMMAND, IDC_SAVE, 0);
    // After the save the sheet shows the welcome page again.
    EXPECT_TRUE(test::PumpUntil([&] { return m_sheet.GetActiveIndex() == 0; }));
    EXPECT_FALSE(SheetClosed());
    EXPECT_EQ("Design", ReloadFromFloppy().m_Zone_name);
}

TEST_F(SummaryPageTest, BackAndEditorAgainReloadTheRecordFromTheWorkingCopy) {
    OpenEditor();
    TypeIntoRow(RowId("Server Name"), "UNSAVED");
    Press(PSBTN_BACK);
    ASSERT_TRUE(test::PumpUntil([&] { return m_sheet.GetActiveIndex() == 0; }));
    // Leaving the page wrote the row into the record...
    EXPECT_EQ("UNSAVED", m_config.m_server_name);
    // ...but choosing the editor again reads the working copy, which has no such edit.
    OpenEditor();
    EXPECT_EQ("TESSELV", RowText(RowId("Server Name")));
    EXPECT_EQ("TESSELV", m_config.m_server_name);
}

TEST_F(SummaryPageTest, FinishWhoseSaveMissesTheFloppyKeepsTheEditorOpenWithItsValues) {
    OpenEditor();
    TypeIntoRow(RowId("Server Name"), "VARDA2");
    if (!m_floppy.WriteProtect())
        GTEST_SKIP() << "the floppy folder cannot be write-protected here";
    {
        test::MessageBoxRecorder boxes(IDCANCEL);
        PressFinish();
        ASSERT_EQ(1u, boxes.Count());
        EXPECT_EQ("Error", boxes.Boxes()[0].caption);
    }
    EXPECT_FALSE(SheetClosed());
    EXPECT_TRUE(EditorShown());
    EXPECT_EQ("VARDA2", RowText(RowId("Server Name")));
    EXPECT_EQ("VARDA2", m_config.m_server_name);
    EXPECT_EQ(kKeylessFile, FloppyFile());

    // The operator frees the floppy and presses Finish again.
    m_floppy.RemoveWriteProtection();
    PressFinish();
    EXPECT_TRUE(SheetClosed());
    EXPECT_EQ("VARDA2", ReloadFromFloppy().m_server_name);
}

} // namespace
