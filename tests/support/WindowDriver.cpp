#include "support/WindowDriver.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <exception>
#include <map>
#include <utility>
#include <vector>

#include "framework/Wnd.h"

namespace test {

namespace {
// comctl32's ids of the wizard frame's own buttons.
constexpr int kBackButton = 0x3023;
constexpr int kNextButton = 0x3024;
constexpr int kFinishButton = 0x3025;

constexpr UINT kScheduleIntervalMs = 10;

struct ScheduledAction {
    std::function<void()> action;
    std::function<bool()> ready;
    DWORD deadline;
};

std::map<UINT_PTR, ScheduledAction>& ScheduledActions() {
    thread_local std::map<UINT_PTR, ScheduledAction> actions;
    return actions;
}

void CALLBACK RunScheduledAction(HWND, UINT, UINT_PTR timer, DWORD) {
    auto found = ScheduledActions().find(timer);
    if (found == ScheduledActions().end()) {
        KillTimer(nullptr, timer);
        return;
    }
    ScheduledAction& scheduled = found->second;
    const bool timedOut = static_cast<LONG>(GetTickCount() - scheduled.deadline) >= 0;
    // A timer procedure is called by DispatchMessage: nothing may unwind through it.
    try {
        if (scheduled.ready && !scheduled.ready()) {
            if (!timedOut)
                return;
            ADD_FAILURE() << "a scheduled action never became ready";
            KillTimer(nullptr, timer);
            ScheduledActions().erase(found);
            return;
        }
        KillTimer(nullptr, timer);
        std::function<void()> action = std::move(scheduled.action);
        ScheduledActions().erase(found);
        action();
    } catch (const std::exception& e) {
        ADD_FAILURE() << "scheduled action threw: " << e.what();
    } catch (...) {
        ADD_FAILURE() << "scheduled action threw";
    }
}

struct ChildSearch {
    int id;
    std::string className;
    HWND found;
};

BOOL CALLBACK MatchChild(HWND hwnd, LPARAM lParam) {
    auto& search = *reinterpret_cast<ChildSearch*>(lParam);
    const bool matches = search.className.empty() ? GetDlgCtrlID(hwnd) == search.id
                                                  : lstrcmpiA(fw::GetClassNameOf(hwnd).c_str(),
                                                              search.className.c_str()) == 0;
    if (!matches)
        return TRUE;
    search.found = hwnd;
    return FALSE;
}

HWND FindDescendant(HWND parent, ChildSearch search) {
    EnumChildWindows(parent, MatchChild, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

struct CaptionSearch {
    const std::string& caption;
    HWND found;
};

BOOL CALLBACK MatchCaption(HWND hwnd, LPARAM lParam) {
    auto& search = *reinterpret_cast<CaptionSearch*>(lParam);
    if (!IsWindowVisible(hwnd) || fw::GetWindowTextOf(hwnd) != search.caption)
        return TRUE;
    search.found = hwnd;
    return FALSE;
}

unsigned Slot(const void* handle) {
    return static_cast<unsigned>(reinterpret_cast<UINT_PTR>(handle) & 0xFFFF);
}

// More objects than a test's work holds at once, so that work only reorders these slots.
constexpr size_t kProbeBatch = 128;

template <typename Make, typename Free> std::vector<unsigned> NextSlots(Make make, Free free) {
    std::vector<decltype(make())> batch;
    for (size_t i = 0; i < kProbeBatch; ++i)
        batch.push_back(make());
    std::vector<unsigned> slots;
    for (const auto& handle : batch)
        slots.push_back(Slot(handle));
    // Freed last to first, the slots go back onto the free list in the order they came.
    for (auto handle = batch.rbegin(); handle != batch.rend(); ++handle)
        free(*handle);
    std::sort(slots.begin(), slots.end());
    return slots;
}
} // namespace

void PumpMessages() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

bool PumpUntil(const std::function<bool()>& condition, DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    for (;;) {
        PumpMessages();
        if (condition())
            return true;
        if (GetTickCount() - start >= timeoutMs)
            return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
}

void RunFromMessageLoop(std::function<void()> action, std::function<bool()> ready,
                        DWORD timeoutMs) {
    const UINT_PTR timer = SetTimer(nullptr, 0, kScheduleIntervalMs, RunScheduledAction);
    ASSERT_NE(0u, timer) << "SetTimer failed";
    ScheduledActions()[timer] = {std::move(action), std::move(ready), GetTickCount() + timeoutMs};
}

bool IsUsable(HWND control) {
    return control && IsWindowVisible(control) && IsWindowEnabled(control);
}

bool Click(HWND button) {
    if (!IsUsable(button))
        return false;
    SendMessageA(button, BM_CLICK, 0, 0);
    PumpMessages();
    return true;
}

HWND WizardButton(HWND sheet, int psbtn) {
    switch (psbtn) {
    case PSBTN_BACK:
        return GetDlgItem(sheet, kBackButton);
    case PSBTN_NEXT:
        return GetDlgItem(sheet, kNextButton);
    case PSBTN_FINISH:
        return GetDlgItem(sheet, kFinishButton);
    case PSBTN_CANCEL:
        return GetDlgItem(sheet, IDCANCEL);
    case PSBTN_HELP:
        return GetDlgItem(sheet, IDHELP);
    default:
        return nullptr;
    }
}

bool PressWizardButton(HWND sheet, int psbtn) {
    if (!IsUsable(WizardButton(sheet, psbtn)))
        return false;
    PostMessageA(sheet, PSM_PRESSBUTTON, static_cast<WPARAM>(psbtn), 0);
    PumpMessages();
    return true;
}

void TypeChars(HWND control, const std::string& text) {
    for (char c : text)
        SendMessageA(control, WM_CHAR, static_cast<WPARAM>(static_cast<unsigned char>(c)), 1);
}

void PressKey(HWND control, UINT virtualKey) {
    const auto scan = static_cast<LPARAM>(MapVirtualKeyA(virtualKey, MAPVK_VK_TO_VSC)) << 16;
    SendMessageA(control, WM_KEYDOWN, virtualKey, 1 | scan);
    SendMessageA(control, WM_KEYUP, virtualKey, 1 | scan | (LPARAM{3} << 30));
}

void Focus(HWND control) {
    SetFocus(control);
    PumpMessages();
}

HWND FindChild(HWND parent, int id) {
    return FindDescendant(parent, {id, {}, nullptr});
}

HWND FindChildByClass(HWND parent, const std::string& className) {
    return FindDescendant(parent, {0, className, nullptr});
}

HWND FindThreadWindow(const std::string& caption) {
    CaptionSearch search{caption, nullptr};
    EnumThreadWindows(GetCurrentThreadId(), MatchCaption, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::vector<unsigned> NextGdiSlots() {
    return NextSlots([] { return CreateSolidBrush(RGB(1, 2, 3)); },
                     [](HBRUSH brush) { DeleteObject(brush); });
}

std::vector<unsigned> NextWindowSlots() {
    return NextSlots(
        [] {
            return CreateWindowExA(0, "STATIC", "", 0, 0, 0, 1, 1, HWND_MESSAGE, nullptr,
                                   GetModuleHandleA(nullptr), nullptr);
        },
        [](HWND window) { DestroyWindow(window); });
}

unsigned ProbeGdiSlot() {
    return NextGdiSlots().back();
}

unsigned ProbeWindowSlot() {
    return NextWindowSlots().back();
}

} // namespace test
