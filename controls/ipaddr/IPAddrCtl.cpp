#include "controls/ipaddr/IPAddrCtl.h"

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <new>
#include <utility>

#include "framework/Gdi.h"
#include "framework/MessageBox.h"

namespace {

constexpr char kClassName[] = "IPAddr";
// The class of controls made by Create: the same look as "IPAddr", but a plain default
// procedure, because the object is attached before the window's first message.
constexpr char kRuntimeClassName[] = "IPAddr.Runtime";
constexpr UINT kClassStyle = CS_GLOBALCLASS | CS_HREDRAW | CS_VREDRAW;
constexpr DWORD kFieldStyle = WS_CHILD | WS_VISIBLE | ES_MULTILINE | ES_CENTER;
constexpr int kFieldCount = 4;
constexpr char kMissingValueText[] = "Missing value in IP address";

const char* RuntimeWindowClass() {
    static const ATOM atom = [] {
        WNDCLASSA wc{};
        wc.style = kClassStyle;
        wc.lpfnWndProc = DefWindowProcA;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.hCursor = LoadCursorA(nullptr, IDC_IBEAM);
        // Never seen: the control erases its own background.
        wc.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_WINDOWTEXT + 1));
        wc.lpszClassName = kRuntimeClassName;
        return RegisterClassA(&wc);
    }();
    return atom ? kRuntimeClassName : nullptr;
}

// A field's number: -1 when it is empty, else its text read as atoi reads it (leading blanks,
// a sign, digits up to the first other character; none give 0), without atoi's overflow.
int FieldValue(HWND field) {
    const std::string text = fw::GetWindowTextOf(field);
    if (text.empty())
        return -1;
    const long value = std::strtol(text.c_str(), nullptr, 10);
    return static_cast<int>(std::clamp<long>(value, INT_MIN, INT_MAX));
}

bool IsOctet(int value) {
    return value >= 0 && value <= 255;
}

std::string OutOfRangeText(int value) {
    return std::to_string(value) +
           " is not a valid entry.  Please specify a value between 0 and 255 for this field.";
}

// Reads "%u.%u.%u.%u" leniently: parsing stops at the first part that does not match, the
// parts not read stay 0, and each part keeps its low 8 bits (300 becomes 44).
std::array<BYTE, 4> ParseDottedAddress(const std::string& text) {
    std::array<BYTE, 4> octets{};
    const char* cursor = text.c_str();
    for (size_t i = 0; i < octets.size(); ++i) {
        if (i > 0 && *cursor++ != '.')
            break;
        char* end = nullptr;
        const unsigned long part = std::strtoul(cursor, &end, 10);
        if (end == cursor)
            break;
        octets[i] = static_cast<BYTE>(part & 0xFF);
        cursor = end;
    }
    return octets;
}

std::string FormatDottedAddress(const BYTE (&octets)[4]) {
    std::string text;
    for (BYTE octet : octets)
        text += (text.empty() ? "" : ".") + std::to_string(octet);
    return text;
}

void SendAddress(HWND control, const std::string& text) {
    const std::array<BYTE, 4> octets = ParseDottedAddress(text);
    SendMessageA(control, IPAC_SETADDRESS, 0, reinterpret_cast<LPARAM>(octets.data()));
}

bool IsIndex(int n) {
    return n >= 1 && n <= kFieldCount;
}

} // namespace

bool RegisterIPAddrClass() {
    static const ATOM atom = [] {
        WNDCLASSA wc{};
        wc.style = kClassStyle;
        wc.lpfnWndProc = CIPAddrCtl::ClassWindowProc;
        wc.hCursor = LoadCursorA(nullptr, IDC_IBEAM);
        wc.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_WINDOW + 1));
        wc.lpszClassName = kClassName;
        return RegisterClassA(&wc);
    }();
    return atom != 0;
}

LRESULT CALLBACK CIPAddrCtl::ClassWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg != WM_NCCREATE)
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    auto* control = new (std::nothrow) CIPAddrCtl;
    if (!control)
        return FALSE;
    if (!control->SubclassWindow(hwnd)) {
        delete control;
        return FALSE;
    }
    control->m_deleteWithWindow = true;
    return TRUE;
}

CIPAddrCtl::~CIPAddrCtl() {
    for (CIPAddrField& field : m_fields)
        field.DestroyWindow();
    // Detached first, so the window's last message does not free this object a second time.
    if (HWND hwnd = UnsubclassWindow())
        ::DestroyWindow(hwnd);
}

BOOL CIPAddrCtl::Create(DWORD style, const RECT& rect, HWND parent, UINT id, DWORD exStyle) {
    const char* className = RuntimeWindowClass();
    return className && CreateEx(exStyle, className, "", style, rect, parent, id) ? TRUE : FALSE;
}

void CIPAddrCtl::OnFinalMessage(HWND) {
    if (m_deleteWithWindow)
        delete this;
}

LRESULT CIPAddrCtl::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_CREATE:
        return OnCreate(*reinterpret_cast<const CREATESTRUCTA*>(lParam));
    case WM_SIZE:
        Default();
        OnSize();
        return 0;
    case WM_ERASEBKGND:
        return OnEraseBackground(reinterpret_cast<HDC>(wParam));
    case WM_PAINT: {
        fw::PaintDC dc(m_hWnd);
        PaintDots(dc);
        return 0;
    }
    case WM_PRINTCLIENT: // the same dots into a caller's context (PrintWindow, WM_PRINT)
        PaintDots(reinterpret_cast<HDC>(wParam));
        return 0;
    case WM_ENABLE:
        Default();
        OnEnable(wParam != 0);
        return 0;
    case WM_SETFONT:
        OnSetFont(reinterpret_cast<HFONT>(wParam), lParam);
        return 0;
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(m_font);
    case WM_CLOSE:
        // A multi-line field posts this to its parent on Escape in a dialog. The control ends
        // only with its owner, never by itself.
        return 0;
    case WM_SETFOCUS:
        Default();
        OnSetFocus();
        return 0;
    case IPAC_GETADDRESS:
        return OnGetAddress(wParam != 0, reinterpret_cast<IPAddrResult*>(lParam));
    case IPAC_SETADDRESS:
        return OnSetAddress(reinterpret_cast<const BYTE*>(lParam));
    case IPAC_SETREADONLY:
        return OnSetReadOnly(wParam);
    default:
        return Default();
    }
}

LRESULT CIPAddrCtl::OnCreate(const CREATESTRUCTA& create) {
    if (Default() == -1)
        return -1;
    m_noValidate = (create.style & IPACS_NOVALIDATE) ? TRUE : FALSE;
    // A control created disabled starts with disabled fields and the disabled look.
    m_enabled = (create.style & WS_DISABLED) ? FALSE : TRUE;
    const LONG_PTR exStyle = GetWindowLongPtrA(m_hWnd, GWL_EXSTYLE);
    SetWindowLongPtrA(m_hWnd, GWL_EXSTYLE, exStyle | WS_EX_CLIENTEDGE | WS_EX_NOPARENTNOTIFY);
    const DWORD fieldStyle = kFieldStyle | (m_enabled ? 0 : WS_DISABLED);
    for (int i = 0; i < kFieldCount; ++i) {
        CIPAddrField& field = m_fields[static_cast<size_t>(i)];
        field.m_owner = this;
        if (!field.CreateEx(0, "EDIT", "", fieldStyle, RECT{}, m_hWnd, static_cast<UINT>(i + 1)))
            return -1;
        field.SendMessage(EM_LIMITTEXT, CIPAddrField::kMaxDigits);
    }
    return 0;
}

int CIPAddrCtl::DotWidth() const {
    fw::ClientDC dc(m_hWnd);
    fw::SelectObjectGuard font(dc, m_font);
    return fw::MeasureText(dc, ".").cx;
}

int CIPAddrCtl::MinimumWidth() const {
    fw::ClientDC dc(m_hWnd);
    fw::SelectObjectGuard font(dc, m_font);
    int digitWidth = 0;
    for (char digit = '0'; digit <= '9'; ++digit)
        digitWidth = std::max(digitWidth, static_cast<int>(fw::MeasureText(dc, {digit}).cx));
    const auto margins = static_cast<DWORD>(m_fields[0].SendMessage(EM_GETMARGINS));
    // A multi-line field refuses a character that would wrap: room for the caret as well.
    constexpr int kCaretRoom = 2;
    const int field =
        CIPAddrField::kMaxDigits * digitWidth + LOWORD(margins) + HIWORD(margins) + kCaretRoom;
    const RECT frame = GetWindowRect();
    const RECT client = GetClientRect();
    const int frameWidth = (frame.right - frame.left) - client.right;
    return kFieldCount * field + 3 * fw::MeasureText(dc, ".").cx + frameWidth;
}

int CIPAddrCtl::MinimumHeight() const {
    fw::ClientDC dc(m_hWnd);
    fw::SelectObjectGuard font(dc, m_font);
    TEXTMETRICA metrics{};
    GetTextMetricsA(dc, &metrics);
    const RECT frame = GetWindowRect();
    const RECT client = GetClientRect();
    const int frameHeight = (frame.bottom - frame.top) - client.bottom;
    // The fields start one edge down.
    return metrics.tmHeight + GetSystemMetrics(SM_CYEDGE) + frameHeight;
}

bool CIPAddrCtl::GrowToMinimumWidth() {
    const RECT frame = GetWindowRect();
    const int width = MinimumWidth();
    if (frame.right - frame.left >= width)
        return false;
    SetWindowPos(m_hWnd, nullptr, 0, 0, width, frame.bottom - frame.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    return true;
}

void CIPAddrCtl::OnSize() {
    // Until a font arrives the fields show the system font, which no caller keeps: no reason
    // to grow for it. The nested WM_SIZE of a growth lays the fields out.
    if (m_font && GrowToMinimumWidth())
        return;
    const int dotWidth = DotWidth();
    const RECT client = GetClientRect();
    const int edge = GetSystemMetrics(SM_CYEDGE);
    // A control narrower than its dots gets empty fields rather than negative widths.
    const int fieldWidth = std::max(0, static_cast<int>(client.right - 3 * dotWidth) / 4);
    for (size_t i = 0; i < m_fieldRects.size(); ++i) {
        const int left = static_cast<int>(i) * (fieldWidth + dotWidth);
        m_fieldRects[i] = {left, edge, left + fieldWidth, client.bottom};
        m_fields[i].MoveWindow(m_fieldRects[i], true);
    }
    for (size_t j = 0; j < m_dotRects.size(); ++j) {
        const int left = fieldWidth + static_cast<int>(j) * (fieldWidth + dotWidth);
        m_dotRects[j] = {left, 0, left + dotWidth, client.bottom};
    }
}

LRESULT CIPAddrCtl::OnEraseBackground(HDC dc) const {
    const RECT client = GetClientRect();
    const int color = m_enabled && !m_readOnly ? COLOR_WINDOW : COLOR_BTNFACE;
    FillRect(dc, &client, GetSysColorBrush(color));
    return TRUE;
}

void CIPAddrCtl::PaintDots(HDC dc) const {
    fw::SelectObjectGuard font(dc, m_font);
    const int oldMode = SetBkMode(dc, TRANSPARENT);
    const COLORREF oldColor =
        SetTextColor(dc, GetSysColor(m_enabled ? COLOR_WINDOWTEXT : COLOR_GRAYTEXT));
    for (RECT dot : m_dotRects)
        DrawTextA(dc, ".", 1, &dot, DT_CENTER | DT_BOTTOM | DT_SINGLELINE);
    SetTextColor(dc, oldColor);
    SetBkMode(dc, oldMode);
}

void CIPAddrCtl::OnEnable(bool enabled) {
    if (enabled != (m_enabled != FALSE)) {
        m_enabled = enabled ? TRUE : FALSE;
        for (CIPAddrField& field : m_fields)
            EnableWindow(field.m_hWnd, m_enabled);
    }
    InvalidateRect(m_hWnd, nullptr, TRUE);
}

LRESULT CIPAddrCtl::OnSetReadOnly(WPARAM readOnly) {
    m_readOnly = readOnly ? TRUE : FALSE;
    for (CIPAddrField& field : m_fields)
        field.SendMessage(EM_SETREADONLY, readOnly);
    InvalidateRect(m_hWnd, nullptr, TRUE);
    return 1;
}

// The font stays its sender's: the fields and the dots use it, nobody here deletes it.
void CIPAddrCtl::OnSetFont(HFONT font, LPARAM redraw) {
    m_font = font;
    for (CIPAddrField& field : m_fields)
        field.SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(font), redraw);
    // The dots and the fields' room follow the font.
    OnSize();
    if (redraw)
        InvalidateRect(m_hWnd, nullptr, TRUE);
}

void CIPAddrCtl::OnSetFocus() {
    ForgetStep();
    FocusField(1, true);
    m_fields[0].SendMessage(EM_SCROLLCARET);
}

LRESULT CIPAddrCtl::OnSetAddress(const BYTE* octets) {
    if (!octets)
        return 0;
    for (size_t i = 0; i < m_fields.size(); ++i)
        m_fields[i].SetWindowText(std::to_string(octets[i]));
    return 1;
}

LRESULT CIPAddrCtl::OnGetAddress(bool reportErrors, IPAddrResult* result) {
    if (!result)
        return 0;
    *result = IPAddrResult{};
    std::array<int, kFieldCount> values{};
    for (int n = 1; n <= kFieldCount; ++n) {
        const int value = FieldValue(m_fields[static_cast<size_t>(n - 1)].m_hWnd);
        if (!IsOctet(value)) {
            result->errorField = n;
            if (reportErrors)
                ShowError(value < 0 ? kMissingValueText : OutOfRangeText(value));
            FocusField(n, true);
            return 0;
        }
        values[static_cast<size_t>(n - 1)] = value;
    }
    for (size_t i = 0; i < values.size(); ++i)
        result->octet[i] = static_cast<BYTE>(values[i]);
    return 1;
}

BOOL CIPAddrCtl::GetAddressText(BOOL reportErrors, std::string& text) {
    IPAddrResult result{};
    const BOOL valid = SendMessage(IPAC_GETADDRESS, static_cast<WPARAM>(reportErrors),
                                   reinterpret_cast<LPARAM>(&result))
                           ? TRUE
                           : FALSE;
    text = valid ? FormatDottedAddress(result.octet) : std::string();
    return valid;
}

void CIPAddrCtl::SetAddressText(const std::string& text) {
    SendAddress(m_hWnd, text);
}

CIPAddrField* CIPAddrCtl::GetField(int n) {
    return IsIndex(n) ? &m_fields[static_cast<size_t>(n - 1)] : nullptr;
}

void CIPAddrCtl::FocusField(int n, bool selectAll) {
    CIPAddrField* field = GetField(n);
    if (!field)
        return;
    SetFocus(field->m_hWnd);
    if (selectAll)
        field->SendMessage(EM_SETSEL, 0, -1);
}

void CIPAddrCtl::MoveToNextField(int n, bool selectAll) {
    CIPAddrField* field = GetField(n);
    if (n < kFieldCount && field && GetWindowTextLengthA(field->m_hWnd) > 0)
        FocusField(n + 1, selectAll);
}

void CIPAddrCtl::MoveToNeighbourTabStop(bool previous) const {
    if (HWND next = GetNextDlgTabItem(GetParent(), m_hWnd, previous ? TRUE : FALSE))
        SetFocus(next);
}

bool CIPAddrCtl::CheckFullField(CIPAddrField& field) {
    const int value = FieldValue(field.m_hWnd);
    if (IsOctet(value))
        return true;
    ShowError(OutOfRangeText(value));
    SetFocus(field.m_hWnd);
    field.SendMessage(EM_SETSEL, 0, -1);
    return false;
}

void CIPAddrCtl::ShowError(const std::string& text) const {
    fw::ShowMessageBox(m_hWnd, text, "Error", MB_ICONEXCLAMATION);
}

void CIPAddrCtl::OnChildChar(UINT code, UINT, UINT, CIPAddrField& sender) {
    const int n = GetDlgCtrlID(sender.m_hWnd);
    switch (code) {
    case VK_TAB:
        MoveToNeighbourTabStop(GetKeyState(VK_SHIFT) < 0);
        break;
    case VK_RETURN:
        break;
    case ' ':
    case '.':
        MoveToNextField(n, true);
        break;
    case kRightAtEnd:
        MoveToNextField(n, false);
        break;
    case kLeftAtStart:
        if (n > 1)
            FocusField(n - 1, false);
        break;
    case kFieldFull:
        if (m_noValidate || CheckFullField(sender)) {
            MoveToNextField(n, true);
            m_steppedInto = GetFocus() == sender.m_hWnd ? 0 : n + 1;
        }
        break;
    default:
#ifndef NDEBUG
        OutputDebugStringA("Unexpected call to CIPAddrCtl::OnChildChar!\n");
#endif
        break;
    }
}

bool CIPAddrCtl::TakeCharacter(UINT code, const CIPAddrField& field) {
    const bool separator = code == '.' || code == ' ';
    const bool stepped = std::exchange(m_steppedInto, 0) == GetDlgCtrlID(field.m_hWnd);
    return !(separator && stepped);
}

void DDX_IPAddrCtl(fw::CDataExchange* pDX, int id, std::string& value, bool reportErrors) {
    if (pDX->Failed())
        return;
    HWND control = pDX->PrepareCtrl(id);
    if (!pDX->SavingAndValidating()) {
        SendAddress(control, value);
        return;
    }
    IPAddrResult result{};
    if (SendMessageA(control, IPAC_GETADDRESS, reportErrors ? TRUE : FALSE,
                     reinterpret_cast<LPARAM>(&result))) {
        value = FormatDottedAddress(result.octet);
        return;
    }
    pDX->PrepareWindow(GetDlgItem(control, result.errorField), true);
    pDX->Fail();
}
