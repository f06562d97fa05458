#pragma once
// CWinApp: the program's one application object. The framework's WinMain calls its
// InitInstance; a FALSE result ends the program without a message loop.
#include <windows.h>

namespace fw {

class CWnd;

class CWinApp {
  public:
    CWinApp();
    virtual ~CWinApp();
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    // The application object, or null before it is constructed.
    static CWinApp* Current();

    // Start-up. Return FALSE to end the program, TRUE to enter the message loop.
    virtual BOOL InitInstance() = 0;
    // The message loop; returns the exit code.
    virtual int Run();

    CWnd* m_pMainWnd = nullptr;
};

// The application's main window while it exists, else null: the owner for boxes of code that
// has no window of its own, so they are modal to the program.
HWND MainWindowHandle();

// The program entry: runs the application object. Returns the process exit code.
int RunApplication();

} // namespace fw
