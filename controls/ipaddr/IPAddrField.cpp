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

// Ctrl+Enter types a line feed, which a multi-line field would take as a line break.
constexpr UINT kLineFeed = 10;

// Keys that keep their dialog meaning in a field, as in any one-line edit box.
bool IsDialogKey(const MSG* message) {
    if (!message || message->message != WM_KEYDOWN)
        return false;
    switch (message->wParam) {
    case VK_TAB:
    case VK_RETURN:
    case VK_EXECUTE:
    case VK_ESCAPE:
    case VK_CANCEL:
        return true;
    default:
        return false;
    }
}

// Keys that type a separator: the grace after a full field lasts through them.
bool TypesSeparator(UINT key) {
    return key == VK_OEM_PERIOD || key == VK_DECIMAL || key == VK_SPACE || key == VK_SHIFT;
}

} // namespace

// How keys behave in a field:
// - Digits go in (three at most). Control characters (Backspace, Ctrl+C, Ctrl+V ...) but the
//   line feed of Ctrl+Enter go to the edit control as usual. Anything else beeps and goes
//   nowhere; pasted text is not filtered.
// - A field that holds three characters after a key counts as full: its value is range-checked
//   and the focus moves on to the next field with its text selected. A '.' or space typed
//   next is the one the operator meant for that step, and is ignored once.
// - '.' and space move on from a non-empty field. In a dialog, Tab, Enter and Escape are the
//   dialog's (next control, default button, Cancel); a Tab or Enter that reaches a field
//   anyway moves to the parent's next or previous tab stop, or does nothing.
// - Left at the first position and Right at the end cross into the neighbouring field, which
//   keeps its own caret.
// - Escape in a page of a sheet (a dialog inside a dialog) cancels the sheet.
LRESULT CIPAddrField::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (!m_owner)
        return Default();
    switch (msg) {
    case WM_GETDLGCODE:
        return OnGetDlgCode(reinterpret_cast<const MSG*>(lParam));
    case WM_CHAR:
        return OnChar(static_cast<UINT>(wParam), lParam);
    case WM_KEYDOWN:
        return OnKeyDown(static_cast<UINT>(wParam));
    case WM_LBUTTONDOWN:
        m_owner->ForgetStep();
        return Default();
    default:
        return Default();
    }
}

LRESULT CIPAddrField::OnGetDlgCode(const MSG* message) {
    // A multi-line edit asks for every key; these stay the dialog's.
    const LRESULT code = Default();
    return IsDialogKey(message) ? code & ~(DLGC_WANTALLKEYS | DLGC_WANTTAB) : code;
}

LRESULT CIPAddrField::OnChar(UINT code, LPARAM keyData) {
    if (!m_owner->TakeCharacter(code, *this))
        return 0;
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
    if ((!(code >= '0' && code <= '9') && !IsControlCharacter(code)) || code == kLineFeed) {
        MessageBeep(0xFFFFFFFF);
        return 0;
    }
    const LRESULT result = Default();
    if (TextLength() == kMaxDigits)
        m_owner->OnChildChar(CIPAddrCtl::kFieldFull, 0, flags, *this);
    return result;
}

LRESULT CIPAddrField::OnKeyDown(UINT key) {
    if (!TypesSeparator(key))
        m_owner->ForgetStep();
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
