#include "framework/Wnd.h"

#include <commctrl.h>

#include <exception>
#include <utility>
#include <vector>

namespace fw {

namespace {
constexpr const char kObjectProperty[] = "fw.CWnd";
constexpr UINT_PTR kSubclassId = 0x4657; // 'FW'
constexpr const char kPlainClassName[] = "fw.Window";

// A child class with no background brush: its users paint every pixel themselves.
const char* PlainWindowClass() {
    static const ATOM atom = [] {
        WNDCLASSA wc{};
        wc.style = CS_DBLCLKS;
        wc.lpfnWndProc = DefWindowProcA;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
        wc.lpszClassName = kPlainClassName;
        return RegisterClassA(&wc);
    }();
    return atom ? kPlainClassName : nullptr;
}
} // namespace

CWnd::~CWnd() {
    if (!m_hWnd)
        return;
    if (m_ownsWindow)
        DestroyWindow();
    else
        UnsubclassWindow();
}

CWnd* CWnd::FromHandle(HWND hwnd) {
    return hwnd ? static_cast<CWnd*>(GetPropA(hwnd, kObjectProperty)) : nullptr;
}

bool CWnd::SubclassWindow(HWND hwnd) {
    if (!hwnd || m_hWnd || FromHandle(hwnd))
        return false;
    if (!SetPropA(hwnd, kObjectProperty, this))
        return false;
    if (!SetWindowSubclass(hwnd, SubclassProc, kSubclassId, reinterpret_cast<DWORD_PTR>(this))) {
        RemovePropA(hwnd, kObjectProperty);
        return false;
    }
    m_hWnd = hwnd;
    return true;
}

bool CWnd::SubclassDlgItem(int id, const CWnd& parent) {
    return SubclassWindow(parent.GetDlgItem(id));
}

HWND CWnd::UnsubclassWindow() {
    HWND hwnd = m_hWnd;
    if (hwnd)
        Detach();
    return hwnd;
}

void CWnd::Detach() {
    RemoveWindowSubclass(m_hWnd, SubclassProc, kSubclassId);
    RemovePropA(m_hWnd, kObjectProperty);
    m_hWnd = nullptr;
    m_ownsWindow = false;
}

namespace {
// The attachment waiting for its window. Its hook attaches the object to the new window before
// the window's first message, so the object sees WM_NCCREATE and WM_CREATE.
thread_local CreationAttachment* t_pendingAttachment = nullptr;
} // namespace

LRESULT CALLBACK CreationAttachment::CreationHook(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_CREATEWND && t_pendingAttachment)
        std::exchange(t_pendingAttachment, nullptr)->AttachTo(reinterpret_cast<HWND>(wParam));
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

void CreationAttachment::AttachTo(HWND hwnd) {
    m_object.SubclassWindow(hwnd);
    // The hook has done its work: left in place it would slow every later window creation,
    // activation and focus change of the thread (a property sheet's whole modal run).
    UnhookWindowsHookEx(std::exchange(m_hook, nullptr));
}

CreationAttachment::CreationAttachment(CWnd& object)
    : m_object(object),
      m_hook(SetWindowsHookExA(WH_CBT, CreationHook, nullptr, GetCurrentThreadId())),
      m_outerPending(t_pendingAttachment) {
    if (m_hook)
        t_pendingAttachment = this;
}

CreationAttachment::~CreationAttachment() {
    t_pendingAttachment = m_outerPending;
    if (m_hook)
        UnhookWindowsHookEx(m_hook);
}

bool CWnd::CreateEx(DWORD exStyle, const char* className, const char* windowName, DWORD style,
                    const RECT& rect, HWND parent, UINT id, void* param) {
    if (m_hWnd)
        return false;
    if (!className)
        className = PlainWindowClass();
    HMENU menuOrId =
        (style & WS_CHILD) ? reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)) : nullptr;
    HWND hwnd = nullptr;
    {
        CreationAttachment attachment(*this);
        if (!attachment.Active())
            return false;
        hwnd = CreateWindowExA(exStyle, className, windowName ? windowName : "", style, rect.left,
                               rect.top, rect.right - rect.left, rect.bottom - rect.top, parent,
                               menuOrId, GetModuleHandleA(nullptr), param);
    }
    if (hwnd && m_hWnd != hwnd)
        ::DestroyWindow(hwnd);
    if (!hwnd || m_hWnd != hwnd)
        return false;
    m_ownsWindow = true;
    return true;
}

bool CWnd::DestroyWindow() {
    return m_hWnd && ::DestroyWindow(m_hWnd);
}

std::string CWnd::GetWindowText() const {
    return GetWindowTextOf(m_hWnd);
}

RECT CWnd::GetClientRect() const {
    RECT rect{};
    ::GetClientRect(m_hWnd, &rect);
    return rect;
}

RECT CWnd::GetWindowRect() const {
    RECT rect{};
    ::GetWindowRect(m_hWnd, &rect);
    return rect;
}

void CWnd::MoveWindow(const RECT& rect, bool repaint) const {
    ::MoveWindow(m_hWnd, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
                 repaint);
}

LRESULT CWnd::WindowProc(UINT, WPARAM, LPARAM) {
    return Default();
}

LRESULT CWnd::Default() {
    return DefSubclassProc(m_hWnd, m_current.msg, m_current.wParam, m_current.lParam);
}

LRESULT CALLBACK CWnd::SubclassProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                    DWORD_PTR refData) {
    auto* self = reinterpret_cast<CWnd*>(refData);
    const Message outer = std::exchange(self->m_current, Message{msg, wParam, lParam});
    ++self->m_messageDepth;
    LRESULT result = 0;
    try {
        result = self->WindowProc(msg, wParam, lParam);
    } catch (const std::exception& e) {
        ReportUnhandledException(e.what());
    } catch (...) {
        ReportUnhandledException("unknown exception");
    }
    self->m_current = outer;
    --self->m_messageDepth;
    if (msg == WM_NCDESTROY && self->m_hWnd == hwnd) {
        self->Detach();
        self->m_finalMessagePending = true;
    }
    // OnFinalMessage may delete the object: only the outermost of its messages calls it, as
    // the last thing that touches the object (a handler may destroy its own window).
    if (self->m_messageDepth == 0 && std::exchange(self->m_finalMessagePending, false))
        self->OnFinalMessage(hwnd);
    return result;
}

std::string GetWindowTextOf(HWND hwnd) {
    const int length = GetWindowTextLengthA(hwnd);
    if (length <= 0)
        return {};
    std::vector<char> buffer(static_cast<size_t>(length) + 1);
    const int copied = GetWindowTextA(hwnd, buffer.data(), length + 1);
    return std::string(buffer.data(), static_cast<size_t>(copied > 0 ? copied : 0));
}

std::string GetClassNameOf(HWND hwnd) {
    char name[257] = {}; // window class names are limited to 256 characters
    const int length = GetClassNameA(hwnd, name, sizeof name);
    return std::string(name, static_cast<size_t>(length > 0 ? length : 0));
}

void ReportUnhandledException(const char* where) noexcept {
    OutputDebugStringA("Unhandled exception in a window procedure: ");
    OutputDebugStringA(where);
    OutputDebugStringA("\n");
}

} // namespace fw
