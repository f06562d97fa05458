// Escape in a field: a page inside a sheet is cancelled as by the sheet's Cancel button;
// anywhere else the key stays with the field.
#include "IPAddrFixture.h"

#include "framework/PropertySheet.h"
#include "support/DialogTemplateBuilder.h"
#include "support/WindowDriver.h"

namespace test {
namespace {

DialogTemplateBuilder PageTemplate() {
    DialogTemplateBuilder page(WS_CHILD | DS_CONTROL, 150, 40, "");
    page.Add(kAddressId, "IPAddr", "", kTemplateAddressStyle, 5, 5, 75, 12);
    return page;
}

TEST(IPAddrEscape, InADialogInsideADialogCancelsTheOuterOne) {
    ASSERT_TRUE(RegisterIPAddrClass());
    DialogTemplateBuilder outer(WS_POPUP | WS_VISIBLE | WS_CAPTION, 200, 80, "Sheet");
    outer.Add(IDOK, "BUTTON", "OK", WS_TABSTOP, 80, 60, 50, 14)
        .Add(IDCANCEL, "BUTTON", "Cancel", WS_TABSTOP, 140, 60, 50, 14);
    CommandLog outerLog;
    CommandLog innerLog;
    HWND sheet = CreateDialogIndirectParamA(GetModuleHandleA(nullptr), outer.Get(), nullptr,
                                            LoggingDialogProc, reinterpret_cast<LPARAM>(&outerLog));
    ASSERT_NE(nullptr, sheet);
    const DialogTemplateBuilder inner = PageTemplate();
    HWND page = CreateDialogIndirectParamA(GetModuleHandleA(nullptr), inner.Get(), sheet,
                                           LoggingDialogProc, reinterpret_cast<LPARAM>(&innerLog));
    ASSERT_NE(nullptr, page);
    HWND field = GetDlgItem(GetDlgItem(page, kAddressId), 2);
    SetFocus(field);
    SetWindowTextA(field, "12");

    PressKey(field, VK_ESCAPE);

    ASSERT_EQ(1u, outerLog.commands.size());
    EXPECT_EQ(static_cast<WPARAM>(IDCANCEL), outerLog.commands[0].first);
    EXPECT_EQ(reinterpret_cast<LPARAM>(GetDlgItem(sheet, IDCANCEL)), outerLog.commands[0].second);
    EXPECT_TRUE(innerLog.commands.empty());
    EXPECT_EQ("12", fw::GetWindowTextOf(field));
    DestroyWindow(sheet);
}

TEST(IPAddrEscape, InAPageOfAPropertySheetClosesTheSheet) {
    ASSERT_TRUE(RegisterIPAddrClass());
    const DialogTemplateBuilder pageTemplate = PageTemplate();
    fw::CPropertyPage page(0);
    page.m_psp.dwFlags |= PSP_DLGINDIRECT;
    page.m_psp.pResource = pageTemplate.Get();
    fw::CPropertySheet sheet(0, nullptr, 0);
    sheet.AddPage(&page);
    HWND sheetWindow = sheet.Create();
    ASSERT_NE(nullptr, sheetWindow);
    PumpMessages();
    ASSERT_FALSE(sheet.IsClosed());
    HWND control = GetDlgItem(page.m_hWnd, kAddressId);
    ASSERT_NE(nullptr, ControlOf(control));
    Focus(control);

    PressKey(GetFocus(), VK_ESCAPE);
    PumpMessages();

    EXPECT_TRUE(sheet.IsClosed());
    DestroyWindow(sheetWindow);
}

TEST_F(IPAddrTest, EscapeInADialogWithoutAnOuterDialogIsLeftToTheField) {
    SetFields({"1", "2", "3", "4"});
    PutCaret(2, 1);
    PressKeyInFocus(VK_ESCAPE);
    for (const auto& [wParam, lParam] : m_log.commands)
        EXPECT_NE(IDCANCEL, LOWORD(wParam)) << "command " << wParam << " " << lParam;
    EXPECT_EQ(2, FocusedField());
    EXPECT_EQ(std::vector<std::string>({"1", "2", "3", "4"}), Fields());
}

TEST(IPAddrEscape, InAControlWhoseParentIsNoDialogDoesNothing) {
    // The grid's in-place editor: the control's parent is a plain window inside a dialog.
    CommandLog log;
    DialogTemplateBuilder outer(WS_POPUP | WS_VISIBLE | WS_CAPTION, 200, 80, "Editor");
    outer.Add(IDCANCEL, "BUTTON", "Cancel", WS_TABSTOP, 140, 60, 50, 14);
    HWND dialog = CreateDialogIndirectParamA(GetModuleHandleA(nullptr), outer.Get(), nullptr,
                                             LoggingDialogProc, reinterpret_cast<LPARAM>(&log));
    ASSERT_NE(nullptr, dialog);
    fw::CWnd grid;
    ASSERT_TRUE(
        grid.CreateEx(0, nullptr, "", WS_CHILD | WS_VISIBLE, RECT{0, 0, 200, 50}, dialog, 1000));
    auto* editor = new CIPAddrCtl;
    ASSERT_TRUE(editor->Create(WS_CHILD | WS_VISIBLE, RECT{2, 2, 150, 22}, grid.m_hWnd, 1001));
    Focus(editor->m_hWnd);

    PressKey(GetFocus(), VK_ESCAPE);

    EXPECT_TRUE(log.commands.empty());
    EXPECT_EQ(editor->GetField(1)->m_hWnd, GetFocus());
    delete editor;
    DestroyWindow(dialog);
}

} // namespace
} // namespace test
