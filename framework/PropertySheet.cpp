#include "framework/PropertySheet.h"

#include "framework/ResourceText.h"

#include <utility>

namespace fw {

namespace {
// Posted by the help key to the sheet it belongs to.
constexpr UINT WM_HELPKEY = WM_APP + 0x3FFF;
// Posted by the system for a typed F1 (not in the SDK headers).
constexpr UINT WM_KEYF1 = 0x004D;
// The sheet whose help key is installed on this thread (the innermost one).
thread_local CPropertySheet* t_helpSheet = nullptr;

bool IsInside(HWND window, HWND sheet) {
    return window == sheet || IsChild(sheet, window);
}
} // namespace

CPropertyPage::CPropertyPage(UINT templateId) : CDialog(templateId) {
    m_psp.dwSize = sizeof m_psp;
    m_psp.dwFlags = PSP_HASHELP;
    m_psp.hInstance = GetModuleHandleA(nullptr);
    m_psp.pszTemplate = MAKEINTRESOURCEA(templateId);
    m_psp.pfnDlgProc = PageProc;
    m_psp.lParam = reinterpret_cast<LPARAM>(this);
}

INT_PTR CALLBACK CPropertyPage::PageProc(HWND hwnd, UINT msg, WPARAM, LPARAM lParam) {
    if (msg != WM_INITDIALOG)
        return FALSE;
    auto* page =
        reinterpret_cast<CPropertyPage*>(reinterpret_cast<PROPSHEETPAGEA*>(lParam)->lParam);
    page->m_activatedBefore = false;
    return page->AttachAtInitDialog(hwnd);
}

BOOL CPropertyPage::OnSetActive() {
    if (std::exchange(m_activatedBefore, true))
        UpdateData(FALSE);
    return TRUE;
}

BOOL CPropertyPage::OnKillActive() {
    return UpdateData(TRUE);
}

LRESULT CPropertyPage::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_NOTIFY) {
        const auto& header = *reinterpret_cast<const NMHDR*>(lParam);
        // Only the page's own sheet speaks PSN_ to it.
        if (header.hwndFrom == GetParent() && header.code >= PSN_LAST && header.code <= PSN_FIRST)
            return OnSheetNotify(header);
    }
    return CDialog::WindowProc(msg, wParam, lParam);
}

LRESULT CPropertyPage::OnSheetNotify(const NMHDR& header) {
    switch (header.code) {
    case PSN_SETACTIVE:
        return OnSetActive() ? 0 : -1;
    case PSN_KILLACTIVE:
        return OnKillActive() ? FALSE : TRUE;
    case PSN_WIZBACK:
        return OnWizardBack();
    case PSN_WIZNEXT:
        return OnWizardNext();
    case PSN_WIZFINISH:
        return OnWizardFinish() ? FALSE : TRUE;
    case PSN_QUERYCANCEL:
        return OnQueryCancel() ? FALSE : TRUE;
    case PSN_RESET:
        OnReset();
        return 0;
    case PSN_HELP:
        if (m_sheet)
            m_sheet->WinHelp(0, HELP_CONTEXT);
        return 0;
    default:
        return Default();
    }
}

CPropertySheet::CPropertySheet(UINT captionId, HWND parent, UINT startPage)
    : m_caption(LoadResourceString(captionId)), m_parent(parent), m_startPage(startPage) {}

void CPropertySheet::AddPage(CPropertyPage* page) {
    page->m_sheet = this;
    m_pages.push_back(page);
}

CPropertyPage* CPropertySheet::GetPage(int index) const {
    return index >= 0 && index < GetPageCount() ? m_pages[static_cast<size_t>(index)] : nullptr;
}

void CPropertySheet::BuildPropPageArray() {
    m_pageDescs.clear();
    for (CPropertyPage* page : m_pages)
        m_pageDescs.push_back(page->m_psp);
}

INT_PTR CPropertySheet::DoModal() {
    return Run(0, m_parent);
}

HWND CPropertySheet::Create(HWND parent) {
    Run(PSH_MODELESS, parent);
    return m_hWnd;
}

CPropertySheet::~CPropertySheet() {
    // Only a modeless sheet can outlive its run: its window belongs to this object.
    if (m_hWnd)
        DestroyWindow();
}

INT_PTR CPropertySheet::Run(DWORD extraFlags, HWND parent) {
    if (m_hWnd)
        return -1;
    BuildPropPageArray();
    PROPSHEETHEADERA header{};
    header.dwSize = sizeof header;
    header.dwFlags = PSH_PROPSHEETPAGE | m_dwFlags | extraFlags;
    header.hwndParent = parent;
    header.hInstance = GetModuleHandleA(nullptr);
    header.pszCaption = m_caption.c_str();
    header.nPages = static_cast<UINT>(m_pageDescs.size());
    header.nStartPage = m_startPage;
    header.ppsp = m_pageDescs.data();
    // The sheet's dialog is the first window PropertySheet creates. Attached from its first
    // message on, the object sees WM_INITDIALOG and can run OnInitDialog after comctl32 has
    // built the sheet and its first page (comctl32's own callback comes before the page).
    CreationAttachment attachment(*this);
    if (!attachment.Active())
        return -1;
    return PropertySheetA(&header);
}

bool CPropertySheet::IsClosed() const {
    return !m_hWnd || !SendMessage(PSM_GETCURRENTPAGEHWND);
}

BOOL CPropertySheet::SetActivePage(int index) {
    return static_cast<BOOL>(SendMessage(PSM_SETCURSEL, static_cast<WPARAM>(index), 0));
}

int CPropertySheet::GetActiveIndex() const {
    if (!m_hWnd)
        return static_cast<int>(m_startPage);
    const auto page = static_cast<WPARAM>(SendMessage(PSM_GETCURRENTPAGEHWND));
    return static_cast<int>(SendMessage(PSM_HWNDTOINDEX, page));
}

void CPropertySheet::WinHelp(DWORD_PTR, UINT) {}

void CPropertySheet::HelpKey::Install(CPropertySheet& sheet) {
    if (m_hook)
        return;
    m_hook = SetWindowsHookExA(WH_GETMESSAGE, Hook, nullptr, GetCurrentThreadId());
    if (m_hook)
        m_outerSheet = std::exchange(t_helpSheet, &sheet);
}

void CPropertySheet::HelpKey::Remove() {
    if (!m_hook)
        return;
    UnhookWindowsHookEx(std::exchange(m_hook, nullptr));
    t_helpSheet = m_outerSheet;
}

LRESULT CALLBACK CPropertySheet::HelpKey::Hook(int code, WPARAM wParam, LPARAM lParam) {
    auto& msg = *reinterpret_cast<MSG*>(lParam);
    // WM_KEYF1, on its way to WM_HELP, follows a typed F1 whose key has asked for help already.
    const bool f1 = (msg.message == WM_KEYDOWN && msg.wParam == VK_F1) || msg.message == WM_KEYF1;
    if (code == HC_ACTION && wParam == PM_REMOVE && f1 && t_helpSheet &&
        IsInside(msg.hwnd, t_helpSheet->m_hWnd)) {
        if (msg.message == WM_KEYDOWN)
            t_helpSheet->PostMessage(WM_HELPKEY);
        msg.message = WM_NULL;
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

LRESULT CPropertySheet::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_INITDIALOG: {
        m_helpKey.Install(*this);
        const LRESULT result = Default();
        OnInitDialog();
        // comctl32 has placed the focus itself.
        return result;
    }
    case WM_COMMAND:
        if (OnCommand(wParam, lParam))
            return 0;
        break;
    case WM_HELP:
        WinHelp(0, HELP_CONTEXT);
        return TRUE;
    case WM_HELPKEY:
        WinHelp(0, HELP_CONTEXT);
        return 0;
    case WM_NCDESTROY:
        m_helpKey.Remove();
        break;
    default:
        break;
    }
    return Default();
}

} // namespace fw
