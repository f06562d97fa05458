#include "sheet/VPropertySheet.h"

#include "sheet/FontScaler.h"

#include "app/AboutDialog.h"
#include "config/ConfigStore.h"
#include "framework/DialogTemplate.h"
#include "framework/ResourceText.h"
#include "resources/resource.h"

namespace {
// The wizard frame's buttons (comctl32's own ids).
constexpr int ID_WIZBACK = 0x3023;
constexpr int ID_WIZNEXT = 0x3024;
constexpr int ID_WIZFINISH = 0x3025;
// The resize message's wParam when a page has just been shown and is to get the focus.
constexpr WPARAM kFocusPage = 1;

int Width(const RECT& r) {
    return r.right - r.left;
}
int Height(const RECT& r) {
    return r.bottom - r.top;
}

// A rectangle in screen coordinates, converted to the client coordinates of window.
RECT ScreenToClientRect(HWND window, RECT rect) {
    MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

void MoveTo(HWND window, const RECT& rect) {
    MoveWindow(window, rect.left, rect.top, Width(rect), Height(rect), TRUE);
}

int ScreenDpi() {
    fw::ClientDC screen(nullptr);
    return GetDeviceCaps(screen, LOGPIXELSY);
}

bool IsUsable(HWND control) {
    return control && IsWindowVisible(control) && IsWindowEnabled(control);
}

bool IsPushButton(HWND control) {
    const auto code = ::SendMessageA(control, WM_GETDLGCODE, 0, 0);
    return (code & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON)) != 0;
}

HWND FirstTabStop(HWND page) {
    for (HWND child = GetWindow(page, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        if (IsUsable(child) && (GetWindowLongA(child, GWL_STYLE) & WS_TABSTOP))
            return child;
    return nullptr;
}
} // namespace

CVPropertySheet::~CVPropertySheet() = default;

CVPropertyPage* CVPropertySheet::PageAt(int index) const {
    return index >= 0 && index < static_cast<int>(m_pageTable.size())
               ? m_pageTable[static_cast<size_t>(index)].get()
               : nullptr;
}

void CVPropertySheet::AddVPage(std::unique_ptr<CVPropertyPage> page) {
    const auto slot = static_cast<size_t>(GetPageCount());
    AddPage(page.get());
    m_pageTable.at(slot) = std::move(page);
}

void CVPropertySheet::SetIncludedRange(int first, int last, int flag) {
    for (int i = first; i <= last; ++i)
        if (CVPropertyPage* page = PageAt(i))
            page->SetIncluded(flag);
}

void CVPropertySheet::GoNext() {
    int i = GetActiveIndex();
    if (CVPropertyPage* page = PageAt(i))
        page->StoreValues();
    const int count = GetPageCount();
    do {
        ++i;
    } while (i < count && !PageAt(i)->IsIncluded());
    if (i >= count)
        return;
    UpdateWizardButtons(i);
    ShowPage(i);
}

void CVPropertySheet::GoBack() {
    int i = GetActiveIndex();
    if (CVPropertyPage* page = PageAt(i))
        page->StoreValues();
    do {
        --i;
    } while (i > 0 && !PageAt(i)->IsIncluded());
    if (i < 0)
        return;
    UpdateWizardButtons(i);
    ShowPage(i);
}

void CVPropertySheet::StartWizard() {
    LoadConfiguration(m_config);
    SetIncludedRange(0, GetPageCount() - 2, 1);
    GoNext();
}

void CVPropertySheet::StartEditor() {
    LoadConfiguration(m_config);
    SetIncludedRange(1, GetPageCount() - 2, 0);
    GoNext();
}

void CVPropertySheet::ReturnToWelcome() {
    ShowPage(0);
    SetIncludedRange(0, GetPageCount() - 2, 1);
    UpdateWizardButtons(0);
    ShowPage(0);
}

BOOL CVPropertySheet::ShowPage(int index) {
    const BOOL shown = SetActivePage(index);
    // Posted after the page's wizard buttons: the focus may go to one of them.
    PostMessage(WM_RESIZEPAGE, shown ? kFocusPage : 0);
    return shown;
}

void CVPropertySheet::UpdateWizardButtons(int index) {
    const int count = GetPageCount();
    if (index == count - 1 || index == count - 2) {
        PostMessage(PSM_SETWIZBUTTONS, 0, PSWIZB_BACK | PSWIZB_FINISH);
        if (HWND finish = GetDlgItem(ID_WIZFINISH))
            ::SetWindowTextA(finish, fw::LoadResourceString(IDS_FINISH).c_str());
    } else if (index == 0) {
        PostMessage(PSM_SETWIZBUTTONS, 0, 0);
    } else {
        PostMessage(PSM_SETWIZBUTTONS, 0, PSWIZB_BACK | PSWIZB_NEXT);
    }
}

void CVPropertySheet::WinHelp(DWORD_PTR, UINT) {
    AboutDialog about(m_hWnd);
    about.DoModal();
}

BOOL CVPropertySheet::OnCommand(WPARAM wParam, LPARAM) {
    const int id = LOWORD(wParam);
    if (id == ID_WIZBACK || id == ID_WIZNEXT)
        PostMessage(WM_RESIZEPAGE);
    return FALSE;
}

void CVPropertySheet::BuildPropPageArray() {
    fw::CPropertySheet::BuildPropPageArray();
    fw::DialogFont font;
    if (CVPropertyPage* first = PageAt(0);
        first && fw::ReadDialogTemplateFont(first->TemplateId(), font))
        m_pageFont.CreatePointFont(font.pointSize * 10, font.face);
}

BOOL CVPropertySheet::OnInitDialog() {
    SetIcons();
    const int active = GetActiveIndex();
    ApplyPageFont(m_hWnd);
    for (int i = 0; i < GetPageCount(); ++i) {
        SetActivePage(i);
        ApplyPageFont(PageAt(i)->m_hWnd);
    }
    SetActivePage(active);

    ShowWindow(reinterpret_cast<HWND>(SendMessage(PSM_GETTABCONTROL)), SW_HIDE);
    m_pageRect = GetClientRect();
    RECT back{};
    ::GetWindowRect(GetDlgItem(ID_WIZBACK), &back);
    m_pageRect.bottom = ScreenToClientRect(m_hWnd, back).top - 2;
    PlaceActivePage();

    if (HWND help = GetDlgItem(IDHELP))
        ::SetWindowTextA(help, fw::LoadResourceString(IDS_ABOUT_BUTTON).c_str());
    ::SetWindowTextA(GetDlgItem(IDCANCEL), fw::LoadResourceString(IDS_QUIT_ON_WELCOME).c_str());
    // The first page gets its focus once the platform has finished setting up.
    PostMessage(WM_RESIZEPAGE, kFocusPage);
    return TRUE;
}

void CVPropertySheet::SetIcons() {
    m_pageIconPixels = PageIconPixels(ScreenDpi());
    m_pageIcon.Load(IDI_APPLICATION_ICON, m_pageIconPixels);
    m_smallIcon.Load(IDI_APPLICATION_ICON, GetSystemMetrics(SM_CXSMICON));
    m_largeIcon.Load(IDI_APPLICATION_ICON, GetSystemMetrics(SM_CXICON));
    SendMessage(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_smallIcon.GetSafeHandle()));
    SendMessage(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_largeIcon.GetSafeHandle()));
}

// Scales the window and its children from their font to the page font, about the window's
// centre, and gives them the page font.
void CVPropertySheet::ApplyPageFont(HWND window) {
    if (!window || !m_pageFont.GetSafeHandle())
        return;
    const auto currentFont = reinterpret_cast<HFONT>(::SendMessageA(window, WM_GETFONT, 0, 0));
    const FontScaler scale(MeasureOnce(window, currentFont), MeasureOnce(window, m_pageFont));

    RECT frame{}, client{};
    ::GetWindowRect(window, &frame);
    ::GetClientRect(window, &client);
    const int clientWidth = scale.X(Width(client));
    const int clientHeight = scale.Y(Height(client));
    RECT placed{};
    placed.left = frame.left - (clientWidth - Width(client)) / 2;
    placed.top = frame.top - (clientHeight - Height(client)) / 2;
    placed.right = placed.left + clientWidth + (Width(frame) - Width(client));
    placed.bottom = placed.top + clientHeight + (Height(frame) - Height(client));
    if (HWND parent = ::GetParent(window); parent && (GetWindowLongA(window, GWL_STYLE) & WS_CHILD))
        placed = ScreenToClientRect(parent, placed);
    MoveTo(window, placed);

    const auto font = reinterpret_cast<WPARAM>(m_pageFont.GetSafeHandle());
    ::SendMessageA(window, WM_SETFONT, font, TRUE);
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        ::SendMessageA(child, WM_SETFONT, font, TRUE);
        RECT rect{};
        ::GetWindowRect(child, &rect);
        if (lstrcmpiA(fw::GetClassNameOf(child).c_str(), "ComboBox") == 0) {
            RECT dropped{};
            ::SendMessageA(child, CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&dropped));
            rect.right = dropped.right;
            rect.bottom = dropped.bottom;
        }
        rect = ScreenToClientRect(window, rect);
        RECT scaled{scale.X(rect.left), scale.Y(rect.top), scale.X(rect.right),
                    scale.Y(rect.bottom)};
        if (GetDlgCtrlID(child) == IDC_PAGE_ICON) {
            if (m_pageIcon.GetSafeHandle())
                ::SendMessageA(child, STM_SETICON,
                               reinterpret_cast<WPARAM>(m_pageIcon.GetSafeHandle()), 0);
            scaled.right = scaled.left + m_pageIconPixels;
            scaled.bottom = scaled.top + m_pageIconPixels;
        }
        // Fonts that measure alike leave most controls where they are: no move for those,
        // which is a round of window messages saved for every control of every page.
        if (!EqualRect(&scaled, &rect))
            MoveTo(child, scaled);
    }
}

// Every page has a font of its own from its template, but all are alike: each kind of font is
// measured once, on the first window that has it.
FontMeasure CVPropertySheet::MeasureOnce(HWND window, HFONT font) {
    LOGFONTA description{};
    if (font)
        GetObjectA(font, sizeof description, &description);
    std::string key(reinterpret_cast<const char*>(&description), sizeof description);
    if (auto known = m_fontMeasures.find(key); known != m_fontMeasures.end())
        return known->second;
    fw::ClientDC dc(window);
    const FontMeasure measured = MeasureFont(dc, font);
    if (measured.charWidth > 0)
        m_fontMeasures.emplace(std::move(key), measured);
    return measured;
}

void CVPropertySheet::PlaceActivePage() {
    if (CVPropertyPage* page = PageAt(GetActiveIndex()); page && page->m_hWnd)
        MoveTo(page->m_hWnd, m_pageRect);
}

LRESULT CVPropertySheet::OnResizePage(WPARAM what) {
    PlaceActivePage();
    const UINT quit = GetActiveIndex() == 0 ? IDS_QUIT_ON_WELCOME : IDS_QUIT;
    ::SetWindowTextA(GetDlgItem(IDCANCEL), fw::LoadResourceString(quit).c_str());
    if (what == kFocusPage)
        FocusShownPage();
    return 0;
}

// The focus goes to the page's first tab stop or, on a page without one, to the wizard button
// that Enter presses; only that button then shows the default frame. A page that refused to
// be left keeps its focus (on the control that failed).
void CVPropertySheet::FocusShownPage() {
    CVPropertyPage* page = PageAt(GetActiveIndex());
    if (!page || !page->m_hWnd)
        return;
    HWND wizardButton = DefaultWizardButton();
    if (wizardButton)
        SendMessage(DM_SETDEFID, static_cast<WPARAM>(GetDlgCtrlID(wizardButton)));
    HWND target = FirstTabStop(page->m_hWnd);
    if (!target)
        target = wizardButton;
    if (!target)
        return;
    SendMessage(WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(target), TRUE);
    FrameDefaultButton(page->m_hWnd, EnterButton(target));
}

// Finish where it is offered, else Next; null on the welcome page.
HWND CVPropertySheet::DefaultWizardButton() const {
    for (int id : {ID_WIZFINISH, ID_WIZNEXT})
        if (HWND button = GetDlgItem(id); IsUsable(button))
            return button;
    return nullptr;
}

// A focused push button takes Enter itself; from any other control Enter presses the sheet's
// default button.
HWND CVPropertySheet::EnterButton(HWND focus) const {
    if (IsPushButton(focus))
        return focus;
    const auto defId = static_cast<DWORD>(SendMessage(DM_GETDEFID));
    return HIWORD(defId) == DC_HASDEFID ? GetDlgItem(LOWORD(defId)) : nullptr;
}

void CVPropertySheet::FrameDefaultButton(HWND page, HWND enterButton) const {
    for (HWND parent : {m_hWnd, page})
        for (HWND child = GetWindow(parent, GW_CHILD); child;
             child = GetWindow(child, GW_HWNDNEXT)) {
            if (!IsPushButton(child))
                continue;
            const bool framed =
                (GetWindowLongA(child, GWL_STYLE) & BS_TYPEMASK) == BS_DEFPUSHBUTTON;
            if (framed != (child == enterButton))
                ::SendMessageA(child, BM_SETSTYLE,
                               child == enterButton ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, TRUE);
        }
}

LRESULT CVPropertySheet::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_RESIZEPAGE)
        return OnResizePage(wParam);
    return fw::CPropertySheet::WindowProc(msg, wParam, lParam);
}
