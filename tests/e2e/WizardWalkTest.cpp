// Whole walks through the Configuration Wizard of the real program, checked on the bytes of the
// floppy file afterwards.
#include "FloppyFile.h"
#include "ProgramWalk.h"

namespace e2e {
namespace {

// Page titles, in the wizard's order.
const std::string kCopierPage = "Copier Model Configuration";
const std::string kForcePagePage = "Force Page Configuration";
const std::string kPaperSizePage = "Default Paper Size Configuration";
const std::string kPrintQueueNamePage = "Print Queue Name Configuration";
const std::string kPrintQueueNetworksPage = "Print Queue Network Configuration";
const std::string kPrintQueueNovellPage = "Print Queue Novell Configuration";
const std::string kHoldQueueNamePage = "Hold Queue Name Configuration";
const std::string kHoldQueueNetworksPage = "Hold Queue Network Configuration";
const std::string kAddressPage = "TCP/IP Address Configuration";
const std::string kServerNamePage = "Server Name Configuration";
const std::string kDomainPage = "TCP/IP Domain Name Configuration";
const std::string kWorkgroupPage = "Windows Domain Configuration";
const std::string kZonePage = "EtherTalk Zone Name Configuration";
const std::string kClosingPage = "Configuration Wizard Summary";

// Controls of the pages.
constexpr int kListBox = 1010;
constexpr int kTextBox = 1011;
constexpr int kNovellPrintServer = 1001;
constexpr int kNovellServer = 1002;
constexpr int kNovellQueue = 1003;
constexpr int kIpAddress = 1011;
constexpr int kSubnetMask = 1005;
constexpr int kEnableDhcp = 1004;
constexpr int kWindowsTcpip = 1101;
constexpr int kEtherTalk = 1102;
constexpr int kNovell = 1103;

const char kCannotWriteFloppy[] =
    "The Configuration Wizard could not write the data to the floppy disk. Ensure that the "
    "floppy disk is inserted and not write-protected.";

class WizardWalk : public ProgramWalk {
  protected:
    void ChooseWizard() {
        Click(Sheet().Control(kWizardButton));
        Sheet().WaitForPage(kCopierPage);
    }

    // Next from a page in the middle of the wizard, which offers Back and Next.
    void NextTo(const std::string& title) {
        EXPECT_EQ("Back Next", Sheet().WaitForButtons("Back Next")) << "on " << Sheet().Title();
        Sheet().Press(kNextButton);
        Sheet().WaitForPage(title);
    }

    // Next through the pages of a floppy file whose queues both offer Windows TCP/IP and
    // EtherTalk, and no Novell, from the first page to the closing page.
    void NextToClosingPage() {
        for (const std::string& title :
             {kForcePagePage, kPaperSizePage, kPrintQueueNamePage, kPrintQueueNetworksPage,
              kHoldQueueNamePage, kHoldQueueNetworksPage, kAddressPage, kServerNamePage,
              kDomainPage, kWorkgroupPage, kZonePage, kClosingPage})
            NextTo(title);
    }

    void EnterText(int id, const std::string& text) { ReplaceText(Sheet().Control(id), text); }
};

TEST_F(WizardWalk, ValueChangedOnEveryPageReachesTheFloppyAndNothingElseChanges) {
    StartAtWelcome(SampleFloppyFile());
    ChooseWizard();
    ChooseListItem(Sheet().Control(kListBox), "Xerox 5790");
    NextTo(kForcePagePage);
    ChooseListItem(Sheet().Control(kListBox), "metric");
    NextTo(kPaperSizePage);
    ChooseListItem(Sheet().Control(kListBox), "a4");
    NextTo(kPrintQueueNamePage);
    EnterText(kTextBox, "Color_Queue");
    NextTo(kPrintQueueNetworksPage);
    // Ticking Novell brings in the print queue's Novell page at once.
    SetChecked(Sheet().Control(kNovell), true);
    NextTo(kPrintQueueNovellPage);
    EnterText(kNovellServer, "NW-MAIN");
    EnterText(kNovellQueue, "COLOR_Q");
    EnterText(kNovellPrintServer, "PSERVER 1");
    NextTo(kHoldQueueNamePage);
    EnterText(kTextBox, "Held_Jobs");
    NextTo(kHoldQueueNetworksPage);
    SetChecked(Sheet().Control(kEtherTalk), false);
    // The hold queue offers no Novell: its Novell page is skipped.
    NextTo(kAddressPage);
    EnterIpAddress(Sheet().Control(kIpAddress), "10.1.2.30");
    EnterIpAddress(Sheet().Control(kSubnetMask), "255.255.0.0");
    SetChecked(Sheet().Control(kEnableDhcp), false);
    NextTo(kServerNamePage);
    EnterText(kTextBox, "VARDA-2");
    NextTo(kDomainPage);
    EnterText(kTextBox, "lab.example.org");
    NextTo(kWorkgroupPage);
    EnterText(kTextBox, "PRINTERS");
    NextTo(kZonePage);
    EnterText(kTextBox, "Floor 3");
    NextTo(kClosingPage);
    EXPECT_EQ("Back Finish", Sheet().WaitForButtons("Back Finish"));
    Sheet().Press(kFinishButton);
    ExpectProgramEnds();

    ExpectFloppyFile(WithValues(SampleFloppyFile(), {{"pq0device", "5790"},
                                                     {"pq1device", "5790"},
                                                     {"forcepage", "metric"},
                                                     {"defaultpage", "a4"},
                                                     {"pq0", "Color_Queue"},
                                                     {"pq0novell", "on"},
                                                     {"pq0novserver", "NW-MAIN"},
                                                     {"pq0novqueue", "COLOR_Q"},
                                                     {"pq0novpserver", "PSERVER 1"},
                                                     {"pq1", "Held_Jobs"},
                                                     {"pq1ethertalk", "off"},
                                                     {"ipaddress", "10.1.2.30"},
                                                     {"subnetmask", "255.255.0.0"},
                                                     {"dhcp_client", "no"},
                                                     {"hostname", "VARDA-2"},
                                                     {"domain", "lab.example.org"},
                                                     {"workgroup", "PRINTERS"},
                                                     {"zone", "Floor 3"}}),
                     Floppy().ReadFile(kConfigFile));
    EXPECT_EQ(std::vector<std::string>{"dp.ini"}, Floppy().FileNames());
}

TEST_F(WizardWalk, AnAddressTypedOverTheOneShownAndEnterReachTheFloppy) {
    StartAtWelcome(WithValues(SampleFloppyFile(), {{"ipaddress", "10.20.30.40"}}));
    ChooseWizard();
    for (const std::string& title :
         {kForcePagePage, kPaperSizePage, kPrintQueueNamePage, kPrintQueueNetworksPage,
          kHoldQueueNamePage, kHoldQueueNetworksPage, kAddressPage})
        NextTo(title);
    const HWND address = Sheet().Control(kIpAddress);
    WaitForFocus(ChildWithId(address, 1));
    // A full field moves on by itself; the dot typed after it must not skip a field.
    TypeOnKeyboard(address, "192.168.100.254");
    EXPECT_TRUE(WaitUntil([&] { return AddressShown(address) == "192.168.100.254"; }))
        << AddressShown(address);
    // Enter in a field is the page's Next.
    PressKeys(address, {VK_RETURN});
    Sheet().WaitForPage(kServerNamePage);
    for (const std::string& title : {kDomainPage, kWorkgroupPage, kZonePage, kClosingPage})
        NextTo(title);
    Sheet().Press(kFinishButton);
    ExpectProgramEnds();
    ExpectFloppyFile(WithValues(SampleFloppyFile(), {{"ipaddress", "192.168.100.254"}}),
                     Floppy().ReadFile(kConfigFile));
}

TEST_F(WizardWalk, QuitOnAMiddlePageLeavesTheFloppyUntouched) {
    StartAtWelcome(SampleFloppyFile());
    ChooseWizard();
    ChooseListItem(Sheet().Control(kListBox), "Xerox 5799");
    NextTo(kForcePagePage);
    NextTo(kPaperSizePage);
    NextTo(kPrintQueueNamePage);
    EnterText(kTextBox, "Never_Saved");
    NextTo(kPrintQueueNetworksPage);
    SetChecked(Sheet().Control(kWindowsTcpip), false);
    Sheet().Press(kQuitButton);
    ExpectProgramEnds();

    ExpectFloppyFile(SampleFloppyFile(), Floppy().ReadFile(kConfigFile));
    EXPECT_EQ(std::vector<std::string>{"dp.ini"}, Floppy().FileNames());
}

TEST_F(WizardWalk, WriteProtectedFloppyKeepsTheSheetOpenUntilASaveSucceeds) {
    StartAtWelcome(SampleFloppyFile());
    ChooseWizard();
    ChooseListItem(Sheet().Control(kListBox), "Xerox 5790");
    NextToClosingPage();
    ASSERT_TRUE(Floppy().WriteProtect()) << "chattr +i has no effect here";
    Sheet().Press(kFinishButton);

    HWND box = App().WaitForDialog("Error");
    EXPECT_EQ(kCannotWriteFloppy, MessageBoxText(box));
    // Modal to the sheet: Finish cannot be pressed again while the box is up.
    EXPECT_EQ(Sheet().Window(), GetWindow(box, GW_OWNER));
    EXPECT_FALSE(IsWindowEnabled(Sheet().Window()));
    EXPECT_TRUE(IsUsable(ChildWithId(box, IDRETRY)));
    Click(ChildWithId(box, IDCANCEL));
    App().WaitUntilGone(box);
    // The save did not happen: the sheet stays on the closing page, the floppy as it was.
    Sleep(500);
    ASSERT_FALSE(App().HasExited()) << "Cancel in the error box ended the program";
    Sheet().WaitForPage(kClosingPage);
    EXPECT_EQ("Back Finish", Sheet().WaitForButtons("Back Finish"));
    Floppy().RemoveWriteProtection();
    ExpectFloppyFile(SampleFloppyFile(), Floppy().ReadFile(kConfigFile));

    Sheet().Press(kFinishButton);
    ExpectProgramEnds();
    EXPECT_EQ(nullptr, App().FindDialog("Error"));
    ExpectFloppyFile(WithValues(SampleFloppyFile(), {{"pq0device", "5790"}, {"pq1device", "5790"}}),
                     Floppy().ReadFile(kConfigFile));
}

TEST_F(WizardWalk, FinishWithoutAFloppyFileWritesTheDefaultSettings) {
    Start();
    HWND warning = App().WaitForDialog("Warning");
    Click(ChildWithId(warning, IDOK));
    WaitForWelcomePage();
    ChooseWizard();
    NextToClosingPage();
    Sheet().Press(kFinishButton);
    ExpectProgramEnds();

    const std::optional<std::string> written = Floppy().ReadFile(kConfigFile);
    ASSERT_TRUE(written.has_value());
    std::vector<std::string> lines = SplitLines(*written);
    // The default domain is the program's own choice; its line stands second.
    ASSERT_GE(lines.size(), 2u);
    EXPECT_EQ(0u, lines[1].rfind("domain=", 0)) << lines[1];
    lines[1] = "domain=";
    EXPECT_EQ(SplitLines(JoinLines({"hostname=TESSELV",
                                    "domain=",
                                    "ipaddress=192.168.0.254",
                                    "subnetmask=255.255.255.0",
                                    "dhcp_client=yes",
                                    "wins_server=",
                                    "defaultgateway0=",
                                    "defaultpage=letter",
                                    "forcepage=off",
                                    "separator=false",
                                    "pq0device=5750",
                                    "pq0type=LOW",
                                    "pq0=Tessel_print",
                                    "pq0novserver=",
                                    "pq0novqueue=",
                                    "pq0novpserver=",
                                    "pq0wintcp=on",
                                    "pq0ethertalk=on",
                                    "pq0novell=off",
                                    "pq1type=HOLD",
                                    "pq1device=5750",
                                    "pq1=Tessel_hold",
                                    "pq1novserver=",
                                    "pq1novqueue=",
                                    "pq1novpserver=",
                                    "pq1wintcp=on",
                                    "pq1ethertalk=on",
                                    "pq1novell=off",
                                    "zone=*",
                                    "workgroup=workgroup",
                                    "fshift=0",
                                    "sshift=0",
                                    "tonerlimit=190,220"})),
              lines);
    EXPECT_EQ(std::string::npos, written->find("[Varda]")) << "no section header on the floppy";
}

} // namespace
} // namespace e2e
