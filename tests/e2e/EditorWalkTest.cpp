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
};

// One edit by keys: keys on the grid (and Alt+Down), characters, keys in the editor that
// opened in `row`, what it then shows, and the key that ends it.
struct KeyEdit {
    const char* name;
    std::vector<UINT> open;
    bool altDown;
    std::string typed;
    std::vector<UINT> inside;
    int row;
    std::string shown;
    UINT end;
};

TEST_F(EditorWalk, EveryKindOfRowChangedByKeysAloneReachesTheFloppy) {
    std::vector<UINT> down10(10, VK_DOWN);
    down10.push_back(VK_RETURN);
    const KeyEdit edits[] = {
        {"F2 on the first row", {VK_F2}, false, "VARDA-KB", {}, 1, "VARDA-KB", VK_RETURN},
        {"a character opens, Escape drops", {VK_DOWN}, false, "lost", {}, 2, "lost", VK_ESCAPE},
        {"an address typed over",
         {VK_DOWN, VK_RETURN},
         false,
         "192.168.100.254",
         {},
         3,
         "192.168.100.254",
         VK_RETURN},
        {"an address dropped",
         {VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN, VK_RETURN},
         false,
         "10.9.8.7",
         {},
         8,
         "10.9.8.7",
         VK_ESCAPE},
        // Enter first closes the dropped list; the second commits.
        {"Alt+Down", {VK_DOWN}, true, "", {VK_DOWN, VK_RETURN}, 9, "true", VK_RETURN},
        {"a number", {VK_DOWN, VK_DOWN, VK_DOWN}, false, "-7", {}, 12, "-7", VK_RETURN},
        {"Down in a choice, Tab", down10, false, "", {VK_DOWN}, 22, "Novell", VK_TAB},
    };
    StartAtWelcome(SampleFloppyFile());
    EditorGrid grid = ChooseEditor();
    const HWND gridWindow = Sheet().Control(kGridId);
    TabTo(gridWindow);
    for (const KeyEdit& edit : edits) {
        SCOPED_TRACE(edit.name);
        PressKeys(gridWindow, edit.open);
        if (edit.altDown)
            PressChord(gridWindow, VK_MENU, VK_DOWN);
        TypeOnKeyboard(gridWindow, edit.typed);
        const HWND editor = grid.WaitForEditor();
        EXPECT_EQ(edit.row, grid.RowOf(editor));
        PressKeys(editor, edit.inside);
        const auto shown = [&] {
            return GetDlgItem(editor, 4) ? AddressShown(editor) : TextOf(editor);
        };
        EXPECT_TRUE(WaitUntil([&] { return shown() == edit.shown; })) << shown();
        PressKeys(editor, {edit.end});
        if (edit.end != VK_TAB)
            grid.WaitForEditorClosed();
    }
    // Tab has left the grid for the page's next control.
    EXPECT_TRUE(WaitUntil([&] { return FocusOf(gridWindow) != gridWindow && !grid.Editor(); }));
    const int top = grid.TopRow();
    TurnWheel(gridWindow, 1);
    EXPECT_TRUE(WaitUntil([&] { return grid.TopRow() == top - 3; })) << grid.TopRow();

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
