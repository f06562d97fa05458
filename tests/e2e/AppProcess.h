#pragma once
// A program under test, started as its own process, and its top-level windows. Whatever happens
// to a walk, the destructor ends a process that still runs, so nothing is left waiting for
// input.
#include <windows.h>

#include <string>
#include <vector>

#include "RemoteWindows.h"

namespace e2e {

class AppProcess {
  public:
    // Starts the program at hostPath (a host path of a Windows executable).
    explicit AppProcess(const std::string& hostPath);
    ~AppProcess();
    AppProcess(const AppProcess&) = delete;
    AppProcess& operator=(const AppProcess&) = delete;

    // Performance-counter reading taken just before the process was created.
    LONGLONG StartCounter() const { return m_startCounter; }

    bool HasExited() const;
    // Waits until the process ends and returns its exit code; throws when it does not.
    DWORD WaitForExit(DWORD timeoutMs = kStepTimeoutMs) const;
    void Kill();

    // The process's visible top-level windows, in z-order.
    std::vector<HWND> VisibleWindows() const;
    // A visible top-level dialog box (#32770) of the process with exactly that caption, or null.
    HWND FindDialog(const std::string& caption) const;
    // Waits for that dialog box; throws when it does not come or the process ends.
    HWND WaitForDialog(const std::string& caption, DWORD timeoutMs = kStepTimeoutMs) const;
    // Waits until a window is gone or hidden; throws otherwise.
    void WaitUntilGone(HWND window) const;

    // Everything a person would see: each visible top-level window with its class and caption,
    // and under it its visible controls with their texts. Used in failure reports.
    std::string DescribeScreen() const;

  private:
    PROCESS_INFORMATION m_process{};
    LONGLONG m_startCounter = 0;
    std::string m_name;
};

// A message box's text (the static control that is not its icon).
std::string MessageBoxText(HWND box);

} // namespace e2e
