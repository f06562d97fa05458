#include "app/RunningCopy.h"

namespace {

const char kMarkName[] = "Local\\TesselVardaConfigurationWizard";

// The process id kept in the mark, or 0 when it cannot be read.
DWORD ReadProcessId(HANDLE mark) {
    DWORD processId = 0;
    if (void* view = MapViewOfFile(mark, FILE_MAP_READ, 0, 0, sizeof processId)) {
        processId = *static_cast<const DWORD*>(view);
        UnmapViewOfFile(view);
    }
    return processId;
}

void WriteProcessId(HANDLE mark, DWORD processId) {
    if (void* view = MapViewOfFile(mark, FILE_MAP_WRITE, 0, 0, sizeof processId)) {
        *static_cast<DWORD*>(view) = processId;
        UnmapViewOfFile(view);
    }
}

struct WindowSearch {
    DWORD processId;
    HWND found = nullptr;
};

// Finds the process's uppermost visible window that takes input: a box over the sheet rather
// than the sheet it disables.
BOOL CALLBACK FindActiveWindow(HWND window, LPARAM lParam) {
    auto& search = *reinterpret_cast<WindowSearch*>(lParam);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != search.processId || !IsWindowVisible(window) || !IsWindowEnabled(window))
        return TRUE;
    search.found = window;
    return FALSE;
}

} // namespace

RunningCopy::RunningCopy()
    : m_mark(CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, sizeof(DWORD),
                                kMarkName)) {
    // Without a mark nothing tells the copies apart: this one runs.
    if (!m_mark)
        return;
    m_otherCopyRuns = GetLastError() == ERROR_ALREADY_EXISTS;
    if (!m_otherCopyRuns)
        WriteProcessId(m_mark, GetCurrentProcessId());
}

RunningCopy::~RunningCopy() {
    if (m_mark)
        CloseHandle(m_mark);
}

void RunningCopy::ActivateOtherCopy() const {
    WindowSearch search{ReadProcessId(m_mark)};
    if (search.processId == 0)
        return;
    EnumWindows(FindActiveWindow, reinterpret_cast<LPARAM>(&search));
    if (!search.found)
        return;
    if (IsIconic(search.found))
        ShowWindow(search.found, SW_RESTORE);
    SetForegroundWindow(search.found);
}
