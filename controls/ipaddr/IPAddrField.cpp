#include "controls/ipaddr/IPAddrCtl.h"

namespace {

constexpr char kDialogClassName[] = "#32770";

bool IsDialogBox(HWND hwnd) {
    return hwnd && fw::GetClassNameOf(hwnd) == kDialogClassName;
}

// The characters the C library's iscntrl accepts: codes 0 to 31 and 127.
bool IsControlCharacter(UINT code) {
    return code < 32 || code == 127;
}

} // namespace

// How keys behave in a field:
// - Digits go in (three at most). Control characters (Backspace, Ctrl+C, Ctrl+V ...) go to the
//   edit control as usual. Anything else beeps and goes nowhere; pasted text is not filtered.
// - A field that holds three characters after a key counts as full: its value is range-checked
//   and the focus moves on to the next field with its text selected.
// - '.' and space move on from a non-empty field; Tab and Shift+Tab leave the control for the
//   parent's next or previous tab stop; Enter does nothing.
// - Left at the first position and Right at the end cross into the neighbouring field, which
//   keeps its own caret.
// - Escape in a page of a sheet (a dialog inside a dialog) cancels the sheet.
LRESULT CIPAddrField::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (!m_owner)
        return Default();
    switch (msg) {
    case WM_CHAR:
        return OnChar(static_cast<UINT>(wParam), lParam);
    case WM_KEYDOWN:
        return OnKeyDown(static_cast<UINT>(wParam));
    default:
        return Default();
    }
}

LRESULT CIPAddrField::OnChar(UINT code, LPARAM keyData) {
    const UINT repeatCount = LOWORD(keyData);
    const UINT flags = HIWORD(keyData);
    switch (code) {
    case VK_TAB:
    case VK_RETURN:
    case ' ':
    case '.':
        m_owner->OnChildChar(code, repeatCount, flags, *this);
        return 0;
    default:
        break;
    }
    if (!(code >= '0' && code <= '9') && !IsControlCharacter(code)) {
        MessageBeep(0xFFFFFFFF);
        return 0;
    }
    const LRESULT result = Default();
    if (TextLength() == kMaxDigits)
        m_owner->OnChildChar(CIPAddrCtl::kFieldFull, 0, flags, *this);
    return result;
}

LRESULT CIPAddrField::OnKeyDown(UINT key) {
    switch (key) {
    case VK_LEFT:
        if (CaretIndex() == 0)
            m_owner->OnChildChar(CIPAddrCtl::kLeftAtStart, 0, 0, *this);
        break;
    case VK_RIGHT:
        if (CaretIndex() == TextLength())
            m_owner->OnChildChar(CIPAddrCtl::kRightAtEnd, 0, 0, *this);
        break;
    case VK_ESCAPE:
        if (CancelEnclosingDialog())
            return 0;
        break;
    default:
        break;
    }
    return Default();
}

int CIPAddrField::CaretIndex() const {
    POINT caret{};
    GetCaretPos(&caret);
    const LRESULT position = SendMessage(
        EM_CHARFROMPOS, 0, MAKELPARAM(static_cast<WORD>(caret.x), static_cast<WORD>(caret.y)));
    return LOWORD(position);
}

int CIPAddrField::TextLength() const {
    return GetWindowTextLengthA(m_hWnd);
}

bool CIPAddrField::CancelEnclosingDialog() const {
    HWND parent = m_owner->GetParent();
    HWND grandparent = parent ? ::GetParent(parent) : nullptr;
    if (!IsDialogBox(parent) || !IsDialogBox(grandparent))
        return false;
    ::SendMessageA(grandparent, WM_COMMAND, IDCANCEL,
                   reinterpret_cast<LPARAM>(::GetDlgItem(grandparent, IDCANCEL)));
    return true;
}
