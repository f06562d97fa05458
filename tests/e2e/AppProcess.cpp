#include "AppProcess.h"

#include "DriverError.h"
#include "support/FloppyDrive.h"

namespace e2e {

namespace {

struct WindowSearch {
    DWORD processId;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectVisibleWindow(HWND window, LPARAM lParam) {
    auto& search = *reinterpret_cast<WindowSearch*>(lParam);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == search.processId && IsWindowVisible(window))
        search.found.push_back(window);
    return TRUE;
}

BOOL CALLBACK CollectDescendant(HWND window, LPARAM lParam) {
    reinterpret_cast<std::vector<HWND>*>(lParam)->push_back(window);
    return TRUE;
}

std::vector<HWND> DescendantsOf(HWND window) {
    std::vector<HWND> descendants;
    EnumChildWindows(window, CollectDescendant, reinterpret_cast<LPARAM>(&descendants));
    return descendants;
}

LONGLONG CounterNow() {
    LARGE_INTEGER now{};
    QueryPerformanceCounter(&now);
    return now.QuadPart;
}

} // namespace

AppProcess::AppProcess(const std::string& hostPath) : m_name(hostPath) {
    std::string commandLine = "\"" + test::WindowsPathOfHost(hostPath) + "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    m_startCounter = CounterNow();
    if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &m_process))
        throw DriverError("cannot start " + hostPath + " (error " + std::to_string(GetLastError()) +
                          ")");
}

AppProcess::~AppProcess() {
    Kill();
    CloseHandle(m_process.hThread);
    CloseHandle(m_process.hProcess);
}

bool AppProcess::HasExited() const {
    return WaitForSingleObject(m_process.hProcess, 0) == WAIT_OBJECT_0;
}

DWORD AppProcess::WaitForExit(DWORD timeoutMs) const {
    if (WaitForSingleObject(m_process.hProcess, timeoutMs) != WAIT_OBJECT_0)
        throw DriverError("the program did not end");
    DWORD code = 0;
    GetExitCodeProcess(m_process.hProcess, &code);
    return code;
}

void AppProcess::Kill() {
    if (HasExited())
        return;
    TerminateProcess(m_process.hProcess, 1);
    WaitForSingleObject(m_process.hProcess, kStepTimeoutMs);
}

std::vector<HWND> AppProcess::VisibleWindows() const {
    WindowSearch search{m_process.dwProcessId, {}};
    EnumWindows(CollectVisibleWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND AppProcess::FindDialog(const std::string& caption) const {
    for (HWND window : VisibleWindows()) {
        if (fw::GetClassNameOf(window) == "#32770" && CaptionOf(window) == caption)
            return window;
    }
    return nullptr;
}

HWND AppProcess::WaitForDialog(const std::string& caption, DWORD timeoutMs) const {
    HWND found = nullptr;
    WaitUntil([&] { return (found = FindDialog(caption)) != nullptr || HasExited(); }, timeoutMs);
    if (found)
        return found;
    throw DriverError("no window \"" + caption + "\" appeared" +
                      (HasExited() ? " (the program ended)" : ""));
}

void AppProcess::WaitUntilGone(HWND window) const {
    if (!WaitUntil([&] { return !IsWindow(window) || !IsWindowVisible(window); }))
        throw DriverError("the window \"" + TextOrCaption(window) + "\" stays on screen");
}

std::string AppProcess::DescribeScreen() const {
    if (HasExited()) {
        DWORD code = 0;
        GetExitCodeProcess(m_process.hProcess, &code);
        return m_name + " has ended with exit code " + std::to_string(code);
    }
    std::string screen;
    for (HWND window : VisibleWindows()) {
        // A program that does not answer (crashed, in a debugger) shows the captions only.
        const bool answers = Answers(window);
        const auto text = [answers](HWND w) { return answers ? TextOf(w) : CaptionOf(w); };
        screen += "[" + fw::GetClassNameOf(window) + "] \"" + text(window) + "\"" +
                  (answers ? "" : " (not answering)") + "\n";
        for (HWND control : DescendantsOf(window))
            if (IsWindowVisible(control))
                screen += "    " + fw::GetClassNameOf(control) + " " +
                          std::to_string(GetDlgCtrlID(control)) +
                          (IsWindowEnabled(control) ? "" : " (disabled)") + ": \"" + text(control) +
                          "\"\n";
    }
    return screen.empty() ? "no visible window" : screen;
}

std::string MessageBoxText(HWND box) {
    std::string text;
    for (HWND control : ChildrenOf(box))
        if (fw::GetClassNameOf(control) == "Static" && !TextOf(control).empty())
            text = TextOf(control);
    return text;
}

} // namespace e2e
