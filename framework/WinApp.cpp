#include "framework/WinApp.h"

#include <commctrl.h>

#include <exception>

#include "framework/Wnd.h"

namespace fw {

namespace {
CWinApp* g_application = nullptr;
}

CWinApp::CWinApp() {
    g_application = this;
}

CWinApp::~CWinApp() {
    if (g_application == this)
        g_application = nullptr;
}

CWinApp* CWinApp::Current() {
    return g_application;
}

HWND MainWindowHandle() {
    const CWinApp* app = CWinApp::Current();
    return app && app->m_pMainWnd ? app->m_pMainWnd->m_hWnd : nullptr;
}

int CWinApp::Run() {
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return static_cast<int>(msg.wParam);
}

int RunApplication() {
    CWinApp* app = CWinApp::Current();
    if (!app)
        return 1;
    try {
        return app->InitInstance() ? app->Run() : 0;
    } catch (const std::exception& e) {
        ReportUnhandledException(e.what());
    } catch (...) {
        ReportUnhandledException("InitInstance");
    }
    return 1;
}

} // namespace fw

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    return fw::RunApplication();
}
