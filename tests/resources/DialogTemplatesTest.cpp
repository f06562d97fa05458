#include <windows.h>

#include <gtest/gtest.h>

#include <vector>

#include "ResourceSupport.h"
#include "framework/Wnd.h"
#include "resources/resource.h"

namespace {

using test::DialogItem;
using test::DialogTemplate;
using test::LoadDialogTemplate;
using test::Window;

const DWORD kPageStyle = WS_CHILD | WS_DISABLED | WS_CAPTION | DS_SETFONT;
const DWORD kPageExStyle = 0x00040000;
const DWORD kEditStyle = WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL;
const DWORD kDropDownStyle = CBS_DROPDOWNLIST | CBS_SORT | WS_VSCROLL | WS_TABSTOP;
const DWORD kCheckBoxStyle = BS_AUTOCHECKBOX | WS_TABSTOP;
const DWORD kIPAddrStyle = WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP;
const DWORD kShownAndEnabled = WS_VISIBLE | WS_DISABLED;

struct PageCase {
    UINT id;
    const char* title;
};

const PageCase kPages[] = {
    {IDD_WELCOME, "Tessel Varda Configuration Wizard"},
    {IDD_COPIER_MODEL, "Copier Model Configuration"},
    {IDD_FORCE_PAGE, "Force Page Configuration"},
    {IDD_DEFAULT_PAPER, "Default Paper Size Configuration"},
    {IDD_PQ_NAME, "Print Queue Name Configuration"},
    {IDD_PQ_NETWORKS, "Print Queue Network Configuration"},
    {IDD_PQ_NOVELL, "Print Queue Novell Configuration"},
    {IDD_HQ_NAME, "Hold Queue Name Configuration"},
    {IDD_HQ_NETWORKS, "Hold Queue Network Configuration"},
    {IDD_HQ_NOVELL, "Hold Queue Novell Configuration"},
    {IDD_TCPIP_ADDRESS, "TCP/IP Address Configuration"},
    {IDD_SERVER_NAME, "Server Name Configuration"},
    {IDD_DOMAIN_NAME, "TCP/IP Domain Name Configuration"},
    {IDD_WORKGROUP, "Windows Domain Configuration"},
    {IDD_ZONE, "EtherTalk Zone Name Configuration"},
    {IDD_CLOSING, "Configuration Wizard Summary"},
    {IDD_SUMMARY, "Configuration Summary"},
};

TEST(DialogTemplates, EveryPageHasThePageFrameAndItsTitle) {
    for (const PageCase& page : kPages) {
        SCOPED_TRACE("dialog " + std::to_string(page.id));
        const auto dialog = LoadDialogTemplate(page.id);
        ASSERT_TRUE(dialog);
        EXPECT_EQ(kPageStyle, dialog->style);
        EXPECT_EQ(kPageExStyle, dialog->exStyle);
        EXPECT_EQ(280, dialog->cx);
        EXPECT_EQ(191, dialog->cy);
        EXPECT_EQ("MS Sans Serif", dialog->fontFace);
        EXPECT_EQ(8, dialog->pointSize);
        EXPECT_EQ(page.title, dialog->caption);
        const DialogItem* icon = dialog->Find(IDC_PAGE_ICON);
        ASSERT_NE(nullptr, icon);
        EXPECT_EQ("Static", icon->className);
        EXPECT_EQ(static_cast<DWORD>(SS_ICON), icon->style & SS_TYPEMASK);
        EXPECT_EQ("#" + std::to_string(IDI_APPLICATION_ICON), icon->text);
    }
}

TEST(DialogTemplates, AboutBoxIsAModalFrameWithTheIconAndOk) {
    const auto about = LoadDialogTemplate(IDD_ABOUT);
    ASSERT_TRUE(about);
    const DWORD frame = DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_SETFONT;
    EXPECT_EQ(frame, about->style & frame);
    EXPECT_EQ("About", about->caption);
    EXPECT_EQ(235, about->cx);
    EXPECT_EQ(55, about->cy);
    EXPECT_EQ("MS Sans Serif", about->fontFace);
    const DialogItem* icon = about->Find(IDC_PAGE_ICON);
    ASSERT_NE(nullptr, icon);
    EXPECT_EQ("#" + std::to_string(IDI_APPLICATION_ICON), icon->text);
    const DialogItem* ok = about->Find(IDOK);
    ASSERT_NE(nullptr, ok);
    EXPECT_EQ("OK", ok->text);
    EXPECT_EQ(static_cast<DWORD>(BS_DEFPUSHBUTTON), ok->style & BS_TYPEMASK);
}

// The controls the code finds by id. `mask` picks the style bits that must equal `style`.
struct ControlCase {
    UINT dialog;
    DWORD id;
    const char* className;
    DWORD mask;
    DWORD style;
};

ControlCase Edit(UINT dialog, DWORD id) {
    return {dialog, id, "Edit", kEditStyle | kShownAndEnabled, kEditStyle | WS_VISIBLE};
}
ControlCase DropDown(UINT dialog) {
    return {dialog, IDC_CHOICE, "ComboBox", kDropDownStyle | CBS_DROPDOWN | kShownAndEnabled,
            kDropDownStyle | WS_VISIBLE};
}
ControlCase CheckBox(UINT dialog, DWORD id) {
    return {dialog, id, "Button", kCheckBoxStyle | BS_TYPEMASK | kShownAndEnabled,
            kCheckBoxStyle | WS_VISIBLE};
}
ControlCase IPAddr(UINT dialog, DWORD id) {
    return {dialog, id, "IPAddr", kIPAddrStyle | WS_DISABLED, kIPAddrStyle};
}

const std::vector<ControlCase>& Controls() {
    static const std::vector<ControlCase> controls = {
        {IDD_WELCOME, IDC_START_WIZARD, "Button", BS_TYPEMASK | kShownAndEnabled,
         BS_DEFPUSHBUTTON | WS_VISIBLE},
        {IDD_WELCOME, IDC_START_EDITOR, "Button", BS_TYPEMASK | kShownAndEnabled,
         BS_PUSHBUTTON | WS_VISIBLE},
        {IDD_WELCOME, IDCANCEL, "Button", kShownAndEnabled, WS_DISABLED}, // never shown
        DropDown(IDD_COPIER_MODEL),
        DropDown(IDD_FORCE_PAGE),
        DropDown(IDD_DEFAULT_PAPER),
        Edit(IDD_PQ_NAME, IDC_TEXT),
        CheckBox(IDD_PQ_NETWORKS, IDC_NET_WINDOWS_TCPIP),
        CheckBox(IDD_PQ_NETWORKS, IDC_NET_ETHERTALK),
        CheckBox(IDD_PQ_NETWORKS, IDC_NET_NOVELL),
        Edit(IDD_PQ_NOVELL, IDC_NOVELL_SERVER),
        Edit(IDD_PQ_NOVELL, IDC_NOVELL_QUEUE),
        Edit(IDD_PQ_NOVELL, IDC_NOVELL_PSERVER),
        Edit(IDD_HQ_NAME, IDC_TEXT),
        CheckBox(IDD_HQ_NETWORKS, IDC_NET_WINDOWS_TCPIP),
        CheckBox(IDD_HQ_NETWORKS, IDC_NET_ETHERTALK),
        CheckBox(IDD_HQ_NETWORKS, IDC_NET_NOVELL),
        Edit(IDD_HQ_NOVELL, IDC_NOVELL_SERVER),
        Edit(IDD_HQ_NOVELL, IDC_NOVELL_QUEUE),
        Edit(IDD_HQ_NOVELL, IDC_NOVELL_PSERVER),
        IPAddr(IDD_TCPIP_ADDRESS, IDC_IP_ADDRESS),
        IPAddr(IDD_TCPIP_ADDRESS, IDC_SUBNET_MASK),
        CheckBox(IDD_TCPIP_ADDRESS, IDC_ENABLE_DHCP),
        Edit(IDD_SERVER_NAME, IDC_TEXT),
        Edit(IDD_DOMAIN_NAME, IDC_TEXT),
        Edit(IDD_WORKGROUP, IDC_TEXT),
        Edit(IDD_ZONE, IDC_TEXT),
        {IDD_SUMMARY, IDC_GRID_FRAME, "Static", SS_TYPEMASK | kShownAndEnabled,
         SS_BLACKFRAME | WS_DISABLED}, // a hidden placeholder
    };
    return controls;
}

TEST(DialogTemplates, ControlsTheCodeUsesHaveTheirClassAndStyle) {
    for (const ControlCase& control : Controls()) {
        SCOPED_TRACE("dialog " + std::to_string(control.dialog) + ", control " +
                     std::to_string(control.id));
        const auto dialog = LoadDialogTemplate(control.dialog);
        ASSERT_TRUE(dialog);
        const DialogItem* item = dialog->Find(control.id);
        ASSERT_NE(nullptr, item);
        // windres writes custom class names in capitals; window classes ignore case.
        EXPECT_EQ(0, lstrcmpiA(control.className, item->className.c_str()));
        EXPECT_EQ(control.style, item->style & control.mask);
    }
}

TEST(DialogTemplates, IPAddressControlsAreSeventyFiveByTwelve) {
    const auto dialog = LoadDialogTemplate(IDD_TCPIP_ADDRESS);
    ASSERT_TRUE(dialog);
    for (DWORD id : {IDC_IP_ADDRESS, IDC_SUBNET_MASK}) {
        const DialogItem* item = dialog->Find(id);
        ASSERT_NE(nullptr, item);
        EXPECT_EQ(75, item->cx);
        EXPECT_EQ(12, item->cy);
    }
}

TEST(DialogTemplates, NetworkCheckBoxesSitInsideTheirGroupBox) {
    for (UINT id : {IDD_PQ_NETWORKS, IDD_HQ_NETWORKS}) {
        SCOPED_TRACE("dialog " + std::to_string(id));
        const auto dialog = LoadDialogTemplate(id);
        ASSERT_TRUE(dialog);
        const DialogItem* group = nullptr;
        for (const DialogItem& item : dialog->items) {
            if (item.className == "Button" && (item.style & BS_TYPEMASK) == BS_GROUPBOX)
                group = &item;
        }
        ASSERT_NE(nullptr, group);
        EXPECT_EQ("Network Configuration", group->text);
        for (DWORD box : {IDC_NET_WINDOWS_TCPIP, IDC_NET_ETHERTALK, IDC_NET_NOVELL}) {
            const DialogItem* item = dialog->Find(box);
            ASSERT_NE(nullptr, item);
            EXPECT_GT(item->x, group->x);
            EXPECT_GT(item->y, group->y);
            EXPECT_LT(item->x + item->cx, group->x + group->cx);
            EXPECT_LT(item->y + item->cy, group->y + group->cy);
        }
    }
}

// Tab goes through the enabled, visible tab stops in template order.
struct TabOrderCase {
    UINT dialog;
    std::vector<DWORD> ids;
};

TEST(DialogTemplates, TabOrderFollowsTheValueControlsInReadingOrder) {
    const std::vector<DWORD> text = {IDC_TEXT};
    const std::vector<DWORD> choice = {IDC_CHOICE};
    const std::vector<DWORD> networks = {IDC_NET_WINDOWS_TCPIP, IDC_NET_ETHERTALK, IDC_NET_NOVELL};
    const std::vector<DWORD> novell = {IDC_NOVELL_SERVER, IDC_NOVELL_QUEUE, IDC_NOVELL_PSERVER};
    const TabOrderCase cases[] = {
        {IDD_ABOUT, {IDOK}},
        {IDD_WELCOME, {IDC_START_WIZARD, IDC_START_EDITOR}},
        {IDD_COPIER_MODEL, choice},
        {IDD_FORCE_PAGE, choice},
        {IDD_DEFAULT_PAPER, choice},
        {IDD_PQ_NAME, text},
        {IDD_PQ_NETWORKS, networks},
        {IDD_PQ_NOVELL, novell},
        {IDD_HQ_NAME, text},
        {IDD_HQ_NETWORKS, networks},
        {IDD_HQ_NOVELL, novell},
        {IDD_TCPIP_ADDRESS, {IDC_IP_ADDRESS, IDC_SUBNET_MASK, IDC_ENABLE_DHCP}},
        {IDD_SERVER_NAME, text},
        {IDD_DOMAIN_NAME, text},
        {IDD_WORKGROUP, text},
        {IDD_ZONE, text},
        {IDD_CLOSING, {}},
        {IDD_SUMMARY, {}},
    };
    for (const TabOrderCase& expected : cases) {
        SCOPED_TRACE("dialog " + std::to_string(expected.dialog));
        const auto dialog = LoadDialogTemplate(expected.dialog);
        ASSERT_TRUE(dialog);
        std::vector<DWORD> stops;
        for (const DialogItem& item : dialog->items) {
            if ((item.style & (WS_TABSTOP | kShownAndEnabled)) == (WS_TABSTOP | WS_VISIBLE))
                stops.push_back(item.id);
        }
        EXPECT_EQ(expected.ids, stops);
    }
}

// Texts that are easy to get wrong in a resource script: quotes, apostrophes, odd spellings.
TEST(DialogTemplates, TextsAreExactlyTheProductsOwn) {
    const struct {
        UINT dialog;
        const char* text;
    } cases[] = {
        {IDD_ABOUT, "Tessel Varda Configuration Wizard Version 1.0"},
        {IDD_WELCOME, "Configuration &Wizard"},
        {IDD_WELCOME, "Configuration &Editor"},
        {IDD_PQ_NAME, "What name do you wish to use for the Tessel Varda' Print Queue?"},
        {IDD_TCPIP_ADDRESS, "The Tessel Varda Server requires a valid IP addess and subnet "
                            "mask.  You may need the assistance of your network administrator "
                            "to complete this form."},
        {IDD_ZONE, "To specify that the Tessel Varda Color Server come up in the default "
                   "EtherTalk zone, enter \"*\" (asterisk)."},
        {IDD_ZONE, "What is the name of the EtherTalk Zone you would like the Tessel Varda to "
                   "reside in? "},
        {IDD_CLOSING, "Congratulations! You have sucessfully configured your Tessel Varda color "
                      "server. Press the Finish button to save your settings to the floppy "
                      "disk."},
    };
    for (const auto& expected : cases) {
        SCOPED_TRACE(expected.text);
        const auto dialog = LoadDialogTemplate(expected.dialog);
        ASSERT_TRUE(dialog);
        bool found = false;
        for (const DialogItem& item : dialog->items)
            found = found || item.text == expected.text;
        EXPECT_TRUE(found);
    }
}

// Creating the templates for real: a page is a child window, so it needs a parent; the "IPAddr"
// class of the address page is a stub here.
class CreatedDialogs : public testing::Test {
  protected:
    static void SetUpTestSuite() {
        WNDCLASSA stub{};
        stub.lpfnWndProc = DefWindowProcA;
        stub.hInstance = GetModuleHandleA(nullptr);
        stub.lpszClassName = "IPAddr";
        RegisterClassA(&stub);
    }
    static void TearDownTestSuite() { UnregisterClassA("IPAddr", GetModuleHandleA(nullptr)); }

    test::DialogHost m_dialogs;
};

TEST_F(CreatedDialogs, EveryTemplateCreatesItsWindowAndCaption) {
    ASSERT_TRUE(m_dialogs.Ready());
    Window about = m_dialogs.Create(IDD_ABOUT);
    ASSERT_TRUE(about);
    EXPECT_EQ("About", fw::GetWindowTextOf(about.get()));
    for (const PageCase& page : kPages) {
        SCOPED_TRACE("dialog " + std::to_string(page.id));
        Window dialog = m_dialogs.Create(page.id);
        ASSERT_TRUE(dialog);
        EXPECT_EQ(page.title, fw::GetWindowTextOf(dialog.get()));
    }
}

TEST_F(CreatedDialogs, ControlsTheCodeUsesAreWindowsOfTheirClass) {
    ASSERT_TRUE(m_dialogs.Ready());
    for (const ControlCase& control : Controls()) {
        SCOPED_TRACE("dialog " + std::to_string(control.dialog) + ", control " +
                     std::to_string(control.id));
        Window dialog = m_dialogs.Create(control.dialog);
        ASSERT_TRUE(dialog);
        const HWND item = GetDlgItem(dialog.get(), static_cast<int>(control.id));
        ASSERT_NE(nullptr, item);
        EXPECT_EQ(control.className, fw::GetClassNameOf(item));
    }
}

} // namespace
