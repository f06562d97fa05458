#pragma once
// CWnd: one C++ object per HWND. Messages reach the object through a window subclass
// (SetWindowSubclass), go to the virtual WindowProc, and fall back to the window's
// original procedure through Default().
#include <windows.h>

#include <string>

namespace fw {

class CWnd {
  public:
    CWnd() = default;
    // Destroys the window only when this object created it (CreateEx); an attached
    // window is detached and left alone.
    virtual ~CWnd();
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    HWND m_hWnd = nullptr;
    HWND GetSafeHwnd() const { return m_hWnd; }

    // The object attached to a window, or null.
    static CWnd* FromHandle(HWND hwnd);

    // Attaches this object to an existing window and routes its messages here.
    bool SubclassWindow(HWND hwnd);
    // Attaches to the dialog's child with that id.
    bool SubclassDlgItem(int id, const CWnd& parent);
    // Stops routing messages here; returns the window.
    HWND UnsubclassWindow();

    // Creates a window with a framework class (no background of its own) when className is
    // null, and attaches this object to it. The object then owns the window.
    bool CreateEx(DWORD exStyle, const char* className, const char* windowName, DWORD style,
                  const RECT& rect, HWND parent, UINT id, void* param = nullptr);
    bool DestroyWindow();

    // Name of the class as text, for run-time type checks ("CWnd", "CIPAddrCtl", ...).
    virtual const char* GetRuntimeClassName() const { return "CWnd"; }

    HWND GetDlgItem(int id) const { return ::GetDlgItem(m_hWnd, id); }
    HWND GetParent() const { return ::GetParent(m_hWnd); }
    LRESULT SendMessage(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0) const {
        return ::SendMessageA(m_hWnd, msg, wParam, lParam);
    }
    BOOL PostMessage(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0) const {
        return ::PostMessageA(m_hWnd, msg, wParam, lParam);
    }
    std::string GetWindowText() const;
    void SetWindowText(const std::string& text) const { ::SetWindowTextA(m_hWnd, text.c_str()); }
    RECT GetClientRect() const;
    RECT GetWindowRect() const;
    void MoveWindow(const RECT& rect, bool repaint = true) const;

  protected:
    // Every message of the attached window. The default hands it to Default().
    virtual LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam);
    // Runs the window's original procedure with the message being handled.
    LRESULT Default();
    // Called once the window's last message (WM_NCDESTROY) has been handled and the object
    // detached, and every message handler of the object has returned. An object that owns
    // itself deletes itself here.
    virtual void OnFinalMessage(HWND) {}

  private:
    static LRESULT CALLBACK SubclassProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam,
                                         UINT_PTR id, DWORD_PTR refData);
    void Detach();

    struct Message {
        UINT msg;
        WPARAM wParam;
        LPARAM lParam;
    };
    Message m_current{};
    // Messages of this object being handled, nested ones included.
    int m_messageDepth = 0;
    bool m_finalMessagePending = false;
    bool m_ownsWindow = false;
};

// While it lives, attaches an object to the next window created on this thread, before that
// window's first message: for windows the platform creates on the object's behalf (the
// dialog of a property sheet). CreateEx uses it too.
class CreationAttachment {
  public:
    explicit CreationAttachment(CWnd& object);
    ~CreationAttachment();
    CreationAttachment(const CreationAttachment&) = delete;
    CreationAttachment& operator=(const CreationAttachment&) = delete;
    // False when the creation hook could not be installed.
    bool Active() const { return m_hook != nullptr; }

  private:
    static LRESULT CALLBACK CreationHook(int code, WPARAM wParam, LPARAM lParam);
    void AttachTo(HWND hwnd);

    CWnd& m_object;
    HHOOK m_hook;
    CreationAttachment* m_outerPending;
};

// Text of any window, whole at any length.
std::string GetWindowTextOf(HWND hwnd);
// Window class name, for comparisons such as "#32770" or "ComboBox".
std::string GetClassNameOf(HWND hwnd);

// Logs an exception that reached a window procedure; no exception leaves one.
void ReportUnhandledException(const char* where) noexcept;

} // namespace fw
