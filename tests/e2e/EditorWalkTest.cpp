// Whole walks through the Configuration Editor of the real program: rows edited in place with
// the mouse and the keyboard, Finish, and the bytes of the floppy file afterwards.
#include "EditorGrid.h"
#include "FloppyFile.h"
#include "ProgramWalk.h"

namespace e2e {
namespace {

const std::string kEditorPage = "Configuration Summary";
constexpr int kGridId = 1001;
constexpr int kRowCount = 27;

// Rows by id, in the editor's order.
constexpr int kServerNameRow = 1;
constexpr int kDomainNameRow = 2;
constexpr int kIpAddressRow = 3;
constexpr int kGatewayRow = 8;
constexpr int kSeparatorPageRow = 9;
constexpr int kFshiftRow = 12;
constexpr int kHoldQueueNetworksRow = 22;

class EditorWalk : public ProgramWalk {
  protected:
    // Chooses the editor on the welcome page; returns its grid.
    EditorGrid ChooseEditor() {
        Click(Sheet().Control(kEditorButton));
        Sheet().WaitForPage(kEditorPage);
        EXPECT_EQ("Back Finish", Sheet().WaitForButtons("Back Finish"));
        return EditorGrid(Sheet().Control(kGridId), kRowCount);
    }

    // Presses Tab until the window has the focus.
    void TabTo(HWND window) {
        for (int i = 0; i < 12 && FocusOf(window) != window; ++i) {
            const HWND before = FocusOf(window);
            PressKeys(window, {VK_TAB});
            WaitUntil([&] { return FocusOf(window) != before; }, 2000);
        }
        WaitForFocus(window);
    }

    // Opens the current row's editor by keys and checks it stands in that row.
    HWND OpenByKeys(EditorGrid& grid, const std::vector<UINT>& keys, int row) {
        PressKeys(Sheet().Window(), keys);
        const HWND editor = grid.WaitForEditor();
        EXPECT_EQ(row, grid.RowOf(editor));
        return editor;
    }

    static void WaitForText(HWND window, const std::string& text) {
        if (!WaitUntil([&] { return TextOf(window) == text; }))
            ADD_FAILURE() << "expected \"" << text << "\", the window shows \"" << TextOf(window)
                          << "\"";
    }

    static void WaitForAddress(HWND control, const std::string& dotted) {
        const auto shown = [&] {
            std::string text;
            for (int n = 1; n <= 4; ++n)
                text += (n > 1 ? "." : "") + TextOf(ChildWithId(control, n));
            return text;
        };
        if (!WaitUntil([&] { return shown() == dotted; }))
            ADD_FAILURE() << "typed " << dotted << ", the fields show " << shown();
    }
};

TEST_F(EditorWalk, EveryKindOfRowChangedByKeysAloneReachesTheFloppy) {
    StartAtWelcome(SampleFloppyFile());
    EditorGrid grid = ChooseEditor();
    const HWND gridWindow = Sheet().Control(kGridId);
    TabTo(gridWindow);

    // The first row is current once the grid has the focus; typing replaces the value shown.
    HWND editor = OpenByKeys(grid, {VK_F2}, kServerNameRow);
    TypeOnKeyboard(editor, "VARDA-KB");
    WaitForText(editor, "VARDA-KB");
    PressKeys(editor, {VK_RETURN});
    grid.WaitForEditorClosed();

    // A character starts the editor; Escape throws the edit away and keeps the page.
    PressKeys(gridWindow, {VK_DOWN});
    TypeOnKeyboard(gridWindow, "lost");
    editor = grid.WaitForEditor();
    EXPECT_EQ(kDomainNameRow, grid.RowOf(editor));
    WaitForText(editor, "lost");
    PressKeys(editor, {VK_ESCAPE});
    grid.WaitForEditorClosed();

    // An address typed over the one shown, dots and all.
    editor = OpenByKeys(grid, {VK_DOWN, VK_RETURN}, kIpAddressRow);
    TypeOnKeyboard(editor, "192.168.100.254");
    WaitForAddress(editor, "192.168.100.254");
    PressKeys(editor, {VK_RETURN});
    grid.WaitForEditorClosed();

    // An address edit thrown away: the gateway stays empty.
    editor =
        OpenByKeys(grid, {VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN, VK_RETURN}, kGatewayRow);
    TypeOnKeyboard(editor, "10.9.8.7");
    WaitForAddress(editor, "10.9.8.7");
    PressKeys(editor, {VK_ESCAPE});
    grid.WaitForEditorClosed();
    EXPECT_EQ(kEditorPage, Sheet().Title());

    // Alt+Down drops the list; Enter first closes the list, then commits.
    PressKeys(gridWindow, {VK_DOWN});
    PressChord(gridWindow, VK_MENU, VK_DOWN);
    editor = grid.WaitForEditor();
    EXPECT_EQ(kSeparatorPageRow, grid.RowOf(editor));
    EXPECT_TRUE(WaitUntil([&] { return Ask(editor, CB_GETDROPPEDSTATE) != 0; }));
    PressKeys(editor, {VK_DOWN, VK_RETURN});
    EXPECT_TRUE(WaitUntil([&] { return Ask(editor, CB_GETDROPPEDSTATE) == 0; }));
    WaitForText(editor, "true");
    PressKeys(editor, {VK_RETURN});
    grid.WaitForEditorClosed();

    PressKeys(gridWindow, {VK_DOWN, VK_DOWN, VK_DOWN});
    TypeOnKeyboard(gridWindow, "-7");
    editor = grid.WaitForEditor();
    EXPECT_EQ(kFshiftRow, grid.RowOf(editor));
    WaitForText(editor, "-7");
    PressKeys(editor, {VK_RETURN});
    grid.WaitForEditorClosed();

    // The wheel scrolls three rows a notch.
    const int top = grid.TopRow();
    TurnWheel(gridWindow, -1);
    EXPECT_TRUE(WaitUntil([&] { return grid.TopRow() == top + 3; })) << grid.TopRow();

    // Down in a drop-down changes its choice.
    std::vector<UINT> keys(kHoldQueueNetworksRow - kFshiftRow, VK_DOWN);
    keys.push_back(VK_RETURN);
    editor = OpenByKeys(grid, keys, kHoldQueueNetworksRow);
    PressKeys(editor, {VK_DOWN});
    WaitForText(editor, "Novell");
    // Tab commits and moves on to the page's next control.
    PressKeys(editor, {VK_TAB});
    EXPECT_TRUE(WaitUntil([&] {
        const HWND focus = FocusOf(gridWindow);
        return !IsWindow(editor) && focus && focus != gridWindow && !IsChild(gridWindow, focus);
    }));

    const HWND finish = Sheet().Button(kFinishButton);
    TabTo(finish);
    PressKeys(finish, {VK_SPACE});
    ExpectProgramEnds();
    ExpectFloppyFile(WithValues(SampleFloppyFile(), {{"hostname", "VARDA-KB"},
                                                     {"ipaddress", "192.168.100.254"},
                                                     {"separator", "true"},
                                                     {"fshift", "-7"},
                                                     {"pq1wintcp", "off"},
                                                     {"pq1ethertalk", "off"},
                                                     {"pq1novell", "on"}}),
                     Floppy().ReadFile(kConfigFile));
}

TEST_F(EditorWalk, EscapeInAnAddressEditorThenAClickAndFinishKeepTheAddress) {
    StartAtWelcome(SampleFloppyFile());
    EditorGrid grid = ChooseEditor();
    const HWND editor = grid.OpenEditor(kIpAddressRow);
    TypeOnKeyboard(editor, "10");
    PressKeys(editor, {VK_ESCAPE});
    grid.WaitForEditorClosed();
    grid.ClickCaption(kServerNameRow);
    Sheet().Press(kFinishButton);
    ExpectProgramEnds();
    ExpectFloppyFile(SampleFloppyFile(), Floppy().ReadFile(kConfigFile));
}

TEST_F(EditorWalk, OneRowOfEachKindEditedInPlaceReachesTheFloppy) {
    StartAtWelcome(SampleFloppyFile());
    EditorGrid grid = ChooseEditor();

    ReplaceText(grid.OpenEditor(kServerNameRow), "VARDA-ED");
    grid.ClickCaption(kServerNameRow);
    EnterIpAddress(grid.OpenEditor(kGatewayRow), "10.0.0.1");
    grid.ClickCaption(kGatewayRow);
    ChooseListItem(grid.OpenEditor(kSeparatorPageRow), "true");
    grid.ClickCaption(kSeparatorPageRow);
    ReplaceText(grid.OpenEditor(kFshiftRow), "-12");
    grid.ClickCaption(kFshiftRow);
    // The last edit stays open: Finish commits it.
    ChooseListItem(grid.OpenEditor(kHoldQueueNetworksRow), "Novell");
    Sheet().Press(kFinishButton);
    ExpectProgramEnds();

    ExpectFloppyFile(WithValues(SampleFloppyFile(), {{"hostname", "VARDA-ED"},
                                                     {"defaultgateway0", "10.0.0.1"},
                                                     {"separator", "true"},
                                                     {"fshift", "-12"},
                                                     {"pq1wintcp", "off"},
                                                     {"pq1ethertalk", "off"},
                                                     {"pq1novell", "on"}}),
                     Floppy().ReadFile(kConfigFile));
    EXPECT_EQ(std::vector<std::string>{"dp.ini"}, Floppy().FileNames());
}

TEST_F(EditorWalk, FinishWithoutChangesWritesOnlyTheStoresNormalisations) {
    const std::vector<std::string> original = {
        "; written by hand",
        "hostname=TESSELV",
        "domain=print.example.com",
        "ipaddress=0.0.0.0",
        "subnetmask=0.0.0.0",
        "dhcp_client=YES",
        "wins_server=0.0.0.0",
        "defaultgateway0=",
        "defaultpage=A4",
        "forcepage=off",
        "pq0device=1234",
        "pq0type=LOW",
        "pq0=Tessel_print",
        "pq0novserver=",
        "pq0novqueue=",
        "pq0novpserver=",
        "pq0wintcp=ON",
        "pq0ethertalk=yes",
        "pq0novell=off",
        "",
        "pq1type=HOLD",
        "pq1=Tessel_hold",
        "pq1wintcp=on",
        "pq1ethertalk=On",
        "pq1novell=OFF",
        "zone=*",
        "workgroup=workgroup",
        "site_note=keep",
        "fshift=40",
        "sshift=-36",
        "tonerlimit=Default",
    };
    StartAtWelcome(JoinLines(original));
    ChooseEditor();
    Sheet().Press(kFinishButton);
    ExpectProgramEnds();

    std::string expected = WithValues(JoinLines(original), {{"ipaddress", ""},
                                                            {"wins_server", ""},
                                                            {"pq0device", "5799"},
                                                            {"pq0wintcp", "on"},
                                                            {"pq0ethertalk", "off"},
                                                            {"pq1ethertalk", "on"},
                                                            {"pq1novell", "off"},
                                                            {"fshift", "0"},
                                                            {"tonerlimit", "190,220"}});
    // Keys the file lacked come after its last line, in the order the program writes keys.
    expected += JoinLines(
        {"separator=false", "pq1device=5799", "pq1novserver=", "pq1novqueue=", "pq1novpserver="});
    ExpectFloppyFile(expected, Floppy().ReadFile(kConfigFile));
}

TEST_F(EditorWalk, RetryAfterTheWriteProtectionIsLiftedSavesTheEdits) {
    StartAtWelcome(SampleFloppyFile());
    EditorGrid grid = ChooseEditor();
    ReplaceText(grid.OpenEditor(kServerNameRow), "VARDA-RETRY");
    grid.ClickCaption(kServerNameRow);
    ASSERT_TRUE(Floppy().WriteProtect()) << "chattr +i has no effect here";
    Sheet().Press(kFinishButton);

    HWND box = App().WaitForDialog("Error");
    ExpectFloppyFile(SampleFloppyFile(), Floppy().ReadFile(kConfigFile));
    Floppy().RemoveWriteProtection();
    Click(ChildWithId(box, IDRETRY));
    ExpectProgramEnds();
    ExpectFloppyFile(WithValues(SampleFloppyFile(), {{"hostname", "VARDA-RETRY"}}),
                     Floppy().ReadFile(kConfigFile));
}

} // namespace
} // namespace e2e
