// The configuration sheet driven as an operator would: mode buttons, Back and Next, Quit and
// About, on the real pages, with drive A: mapped to a fresh folder.
#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include <vector>

#include "config/ConfigStore.h"
#include "controls/ipaddr/IPAddrCtl.h"
#include "resources/resource.h"
#include "sheet/FontScaler.h"
#include "sheet/VPropertySheet.h"
#include "support/FloppyDrive.h"
#include "support/MessageBoxRecorder.h"
#include "support/WindowDriver.h"

namespace {

constexpr int kClosingPage = 15;
constexpr int kEditorPage = 16;

// The floppy file a site starts from: print queue on Windows TCP/IP and EtherTalk, hold queue
// likewise, no Novell.
const char kFloppyFile[] = "hostname=TESSELV\r\n"
                           "pq0=Tessel_print\r\n"
                           "pq0wintcp=on\r\npq0ethertalk=on\r\npq0novell=off\r\n"
                           "pq1=Tessel_hold\r\n"
                           "pq1wintcp=on\r\npq1ethertalk=on\r\npq1novell=off\r\n";

class SheetTest : public testing::Test {
  protected:
    static void SetUpTestSuite() { ASSERT_TRUE(RegisterIPAddrClass()); }

    void SetUp() override {
        m_floppy.WriteFile("dp.ini", kFloppyFile);
        ASSERT_EQ(1, OpenConfigStore(kFloppyConfigPath));
        m_window = m_sheet.Create();
        ASSERT_NE(nullptr, m_window);
        test::PumpMessages();
    }

    void TearDown() override {
        if (IsWindow(m_window))
            DestroyWindow(m_window);
        test::PumpMessages();
    }

    HWND Page() const {
        return reinterpret_cast<HWND>(SendMessageA(m_window, PSM_GETCURRENTPAGEHWND, 0, 0));
    }
    int Active() const { return m_sheet.GetActiveIndex(); }
    bool Press(int button) { return test::PressWizardButton(m_window, button); }
    bool ClickOnPage(int id) { return test::Click(GetDlgItem(Page(), id)); }
    std::string ButtonText(int button) const {
        return fw::GetWindowTextOf(test::WizardButton(m_window, button));
    }

    void StartWizard() { ASSERT_TRUE(ClickOnPage(IDC_START_WIZARD)); }

    // Presses Next until the closing page, recording every page shown on the way.
    std::vector<int> WalkForward() {
        std::vector<int> shown{Active()};
        while (Active() != kClosingPage && Press(PSBTN_NEXT))
            shown.push_back(Active());
        return shown;
    }
    std::vector<int> WalkBack() {
        std::vector<int> shown{Active()};
        while (Active() != 0 && Press(PSBTN_BACK))
            shown.push_back(Active());
        return shown;
    }

    // Sets the three network boxes of a queue network page (5 or 8) as a person would.
    void SetNetworks(bool windows, bool etherTalk, bool novell) {
        const std::pair<int, bool> boxes[] = {{IDC_NET_WINDOWS_TCPIP, windows},
                                              {IDC_NET_ETHERTALK, etherTalk},
                                              {IDC_NET_NOVELL, novell}};
        for (const auto& [id, checked] : boxes) {
            HWND box = GetDlgItem(Page(), id);
            if ((SendMessageA(box, BM_GETCHECK, 0, 0) == BST_CHECKED) != checked)
                test::Click(box);
        }
    }

    void GoTo(int page) {
        while (Active() < page && Press(PSBTN_NEXT)) {
        }
        ASSERT_EQ(page, Active());
    }

    test::FloppyDrive m_floppy;
    ServerConfig m_config;
    CVPropertySheet m_sheet{m_config};
    HWND m_window = nullptr;
};

TEST_F(SheetTest, WelcomePageOffersOnlyTheModeButtonsQuitAndAbout) {
    EXPECT_EQ(0, Active());
    EXPECT_FALSE(test::IsUsable(test::WizardButton(m_window, PSBTN_BACK)));
    EXPECT_FALSE(test::IsUsable(test::WizardButton(m_window, PSBTN_NEXT)));
    EXPECT_EQ(GetDlgItem(Page(), IDC_START_WIZARD), GetFocus());
    EXPECT_EQ("Quit", ButtonText(PSBTN_CANCEL));
    EXPECT_EQ("About...", ButtonText(PSBTN_HELP));
    EXPECT_TRUE(test::IsUsable(test::WizardButton(m_window, PSBTN_HELP)));
    EXPECT_FALSE(test::IsUsable(GetDlgItem(Page(), IDCANCEL)))
        << "the page's own Quit stays hidden";
}

TEST_F(SheetTest, WizardWalksEveryPageThatItsNetworksNeed) {
    StartWizard();
    EXPECT_EQ(1, Active());
    const std::vector<int> forward = WalkForward();
    EXPECT_EQ((std::vector<int>{1, 2, 3, 4, 5, 7, 8, 10, 11, 12, 13, 14, 15}), forward);
    EXPECT_TRUE(test::IsUsable(test::WizardButton(m_window, PSBTN_FINISH)));
    EXPECT_EQ("Finish", ButtonText(PSBTN_FINISH));
    EXPECT_EQ("Quit", ButtonText(PSBTN_CANCEL));
    EXPECT_EQ("About...", ButtonText(PSBTN_HELP));
    const std::vector<int> back = WalkBack();
    EXPECT_EQ((std::vector<int>{15, 14, 13, 12, 11, 10, 8, 7, 5, 4, 3, 2, 1, 0}), back);
    EXPECT_FALSE(test::IsUsable(test::WizardButton(m_window, PSBTN_BACK)));
    EXPECT_EQ(GetDlgItem(Page(), IDC_START_WIZARD), GetFocus());
}

TEST_F(SheetTest, MiddlePagesOfferBackAndNext) {
    StartWizard();
    for (int page = 1; page < kClosingPage; page = Active()) {
        EXPECT_TRUE(test::IsUsable(test::WizardButton(m_window, PSBTN_BACK))) << "page " << page;
        EXPECT_TRUE(test::IsUsable(test::WizardButton(m_window, PSBTN_NEXT))) << "page " << page;
        ASSERT_TRUE(Press(PSBTN_NEXT));
    }
}

TEST_F(SheetTest, QueuesWithoutNetworksSkipNovellWorkgroupAndZone) {
    StartWizard();
    GoTo(5);
    SetNetworks(false, false, false);
    ASSERT_TRUE(Press(PSBTN_NEXT));
    EXPECT_EQ(7, Active());
    GoTo(8);
    SetNetworks(false, false, false);
    const std::vector<int> rest = WalkForward();
    EXPECT_EQ((std::vector<int>{8, 10, 11, 12, 15}), rest);
    ASSERT_TRUE(Press(PSBTN_BACK));
    EXPECT_EQ(12, Active()) << "Back from the closing page skips workgroup and zone";
    EXPECT_EQ(0, m_config.m_PQ_network_type);
    EXPECT_EQ(0, m_config.m_HQ_network_type);
}

TEST_F(SheetTest, NovellTickedOnAQueueShowsItsNovellPageUntilUnticked) {
    StartWizard();
    GoTo(5);
    SetNetworks(true, false, true);
    ASSERT_TRUE(Press(PSBTN_NEXT));
    EXPECT_EQ(6, Active()) << "the print queue's Novell page follows at once";
    ASSERT_TRUE(Press(PSBTN_NEXT));
    GoTo(8);
    ASSERT_TRUE(Press(PSBTN_NEXT));
    EXPECT_EQ(10, Active()) << "the hold queue has no Novell: its page is skipped";
    // Back to the networks of the print queue, untick Novell: its page is gone both ways.
    while (Active() > 5 && Press(PSBTN_BACK)) {
    }
    ASSERT_EQ(5, Active());
    SetNetworks(true, false, false);
    ASSERT_TRUE(Press(PSBTN_NEXT));
    EXPECT_EQ(7, Active());
    ASSERT_TRUE(Press(PSBTN_BACK));
    EXPECT_EQ(5, Active());
}

TEST_F(SheetTest, WorkgroupAndZoneFollowTheNetworksOfEitherQueue) {
    StartWizard();
    GoTo(5);
    SetNetworks(false, true, false); // print queue: EtherTalk only
    GoTo(8);
    SetNetworks(true, false, false); // hold queue: Windows TCP/IP only
    EXPECT_EQ((std::vector<int>{8, 10, 11, 12, 13, 14, 15}), WalkForward());
}

TEST_F(SheetTest, EditorModeGoesStraightToTheEditorAndBack) {
    ASSERT_TRUE(ClickOnPage(IDC_START_EDITOR));
    EXPECT_EQ(kEditorPage, Active());
    EXPECT_TRUE(test::IsUsable(test::WizardButton(m_window, PSBTN_BACK)));
    EXPECT_TRUE(test::IsUsable(test::WizardButton(m_window, PSBTN_FINISH)));
    EXPECT_EQ("Quit", ButtonText(PSBTN_CANCEL));
    ASSERT_TRUE(Press(PSBTN_BACK));
    EXPECT_EQ(0, Active());
    // The wizard pattern is set afresh by its button.
    StartWizard();
    EXPECT_EQ(1, Active());
}

TEST_F(SheetTest, ChoosingAModeAgainReloadsTheRecordFromTheWorkingCopy) {
    StartWizard();
    GoTo(4);
    HWND name = GetDlgItem(Page(), IDC_TEXT);
    SetWindowTextA(name, "Edited_queue");
    ASSERT_TRUE(Press(PSBTN_NEXT));
    EXPECT_EQ("Edited_queue", m_config.m_PQ_name);
    while (Active() != 0 && Press(PSBTN_BACK)) {
    }
    StartWizard();
    EXPECT_EQ("Tessel_print", m_config.m_PQ_name) << "unsaved edits are dropped";
}

TEST_F(SheetTest, QuitOnAMiddlePageClosesWithoutWriting) {
    StartWizard();
    GoTo(4);
    SetWindowTextA(GetDlgItem(Page(), IDC_TEXT), "Never_saved");
    ASSERT_TRUE(Press(PSBTN_CANCEL));
    EXPECT_TRUE(m_sheet.IsClosed());
    EXPECT_EQ(std::string(kFloppyFile), m_floppy.ReadFile("dp.ini").value_or(""));
}

TEST_F(SheetTest, ACancelCommandReachingAPageClosesTheSheet) {
    StartWizard();
    SendMessageA(Page(), WM_COMMAND, IDCANCEL, 0);
    EXPECT_TRUE(test::PumpUntil([&] { return m_sheet.IsClosed(); }));
}

TEST_F(SheetTest, AboutOpensOverTheSheetAndReturnsToTheSamePage) {
    StartWizard();
    GoTo(3);
    bool aboutShown = false;
    test::RunFromMessageLoop(
        [&] {
            HWND about = test::FindThreadWindow("About");
            aboutShown = true;
            EXPECT_NE(nullptr, FindWindowExA(about, nullptr, "Static",
                                             "Tessel Varda Configuration Wizard Version 1.0"));
            test::Click(GetDlgItem(about, IDOK));
        },
        [] { return test::FindThreadWindow("About") != nullptr; });
    ASSERT_TRUE(Press(PSBTN_HELP));
    EXPECT_TRUE(aboutShown);
    EXPECT_EQ(nullptr, test::FindThreadWindow("About"));
    EXPECT_EQ(3, Active());
}

TEST_F(SheetTest, FinishOnTheClosingPageWritesTheFloppyAndCloses) {
    StartWizard();
    GoTo(kClosingPage);
    ASSERT_TRUE(Press(PSBTN_FINISH));
    EXPECT_TRUE(m_sheet.IsClosed());
    const std::string written = m_floppy.ReadFile("dp.ini").value_or("");
    EXPECT_NE(std::string::npos, written.find("pq0=Tessel_print\r\n"));
    EXPECT_NE(std::string::npos, written.find("tonerlimit=190,220\r\n"));
}

TEST_F(SheetTest, FinishThatCouldNotWriteKeepsTheSheetOpenForAnotherTry) {
    if (!m_floppy.WriteProtect())
        GTEST_SKIP() << "chattr +i is not available here";
    StartWizard();
    GoTo(4);
    SetWindowTextA(GetDlgItem(Page(), IDC_TEXT), "Kept_queue");
    GoTo(kClosingPage);
    {
        test::MessageBoxRecorder boxes(IDCANCEL);
        ASSERT_TRUE(Press(PSBTN_FINISH));
        ASSERT_EQ(1u, boxes.Count());
        EXPECT_EQ("Error", boxes.Boxes()[0].caption);
    }
    EXPECT_FALSE(m_sheet.IsClosed());
    EXPECT_EQ(kClosingPage, Active());
    EXPECT_EQ("Kept_queue", m_config.m_PQ_name);
    m_floppy.RemoveWriteProtection();
    ASSERT_TRUE(Press(PSBTN_FINISH));
    EXPECT_TRUE(m_sheet.IsClosed());
    EXPECT_NE(std::string::npos,
              m_floppy.ReadFile("dp.ini").value_or("").find("pq0=Kept_queue\r\n"));
}

TEST_F(SheetTest, FontPassGivesEveryPageIconTheSizeOfTheDisplaysDpi) {
    HDC screen = GetDC(nullptr);
    const int pixels = PageIconPixels(GetDeviceCaps(screen, LOGPIXELSY));
    ReleaseDC(nullptr, screen);
    for (int index = 0; index < m_sheet.GetPageCount(); ++index) {
        HWND icon = GetDlgItem(m_sheet.PageAt(index)->m_hWnd, IDC_PAGE_ICON);
        ASSERT_NE(nullptr, icon) << "page " << index;
        RECT rect{};
        GetWindowRect(icon, &rect);
        EXPECT_EQ(pixels, rect.right - rect.left) << "page " << index;
        EXPECT_EQ(pixels, rect.bottom - rect.top) << "page " << index;
    }
}

} // namespace
