#include "PageHost.h"

#include <commctrl.h>

#include "controls/ipaddr/IPAddrCtl.h"
#include "framework/Wnd.h"
#include "resources/resource.h"
#include "support/WindowDriver.h"

namespace pagetest {

bool EnsureIPAddrClass() {
    static const bool registered = RegisterIPAddrClass();
    return registered;
}

PageHost::PageHost() : m_sheet(IDS_SHEET_CAPTION, nullptr, 0) {
    m_sheet.m_dwFlags = PSH_WIZARD;
}

bool PageHost::Open() {
    const bool created = m_sheet.Create() != nullptr;
    test::PumpMessages();
    return created;
}

void PageHost::Show(int index) {
    m_sheet.SetActivePage(index);
    test::PumpMessages();
}

void PageHost::StoreAndShow(int index) {
    if (auto* page = dynamic_cast<CVPropertyPage*>(m_sheet.GetActivePage()))
        page->StoreValues();
    Show(index);
}

bool PageHost::PressFinish() {
    m_sheet.SendMessage(PSM_SETWIZBUTTONS, 0, PSWIZB_BACK | PSWIZB_FINISH);
    return test::PressWizardButton(m_sheet.m_hWnd, PSBTN_FINISH);
}

void ReplaceText(HWND control, const std::string& text) {
    SendMessageA(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

std::string TextOf(HWND control) {
    return fw::GetWindowTextOf(control);
}

bool IsTicked(HWND checkBox) {
    return SendMessageA(checkBox, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

HWND AddressField(HWND control, int n) {
    return GetDlgItem(control, n);
}

std::string AddressFieldsOf(HWND control) {
    std::string text;
    for (int n = 1; n <= 4; ++n)
        text += (n > 1 ? "." : "") + TextOf(AddressField(control, n));
    return text;
}

std::string SelectionOf(HWND edit) {
    DWORD first = 0;
    DWORD last = 0;
    SendMessageA(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&first),
                 reinterpret_cast<LPARAM>(&last));
    return std::to_string(first) + "-" + std::to_string(last);
}

} // namespace pagetest
