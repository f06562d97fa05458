#pragma once
// Drives real windows the way a person would, from the test's own (user-interface) thread:
// messages are pumped here, and work that must happen inside a modal loop is scheduled on a
// thread timer rather than on a second thread.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace test {

// Dispatches every waiting message of this thread, and the messages they cause.
void PumpMessages();
// Pumps messages until condition holds or timeoutMs has passed; returns the last result.
bool PumpUntil(const std::function<bool()>& condition, DWORD timeoutMs = 5000);

// Runs action once from whatever message loop this thread is in (DoModal, PropertySheet, a
// message box), as soon as ready holds (checked every 10 ms; no ready: at once). A modal loop
// shows its window only after it started, so an action that needs the window waits for it.
// When ready does not hold within timeoutMs, the test fails and the action is dropped.
void RunFromMessageLoop(std::function<void()> action, std::function<bool()> ready = {},
                        DWORD timeoutMs = 5000);

// A person can use a control only when it is both visible and enabled.
bool IsUsable(HWND control);

// Clicks a button (BM_CLICK) if it is usable, then pumps; returns whether it clicked.
bool Click(HWND button);
// The wizard frame's button for PSBTN_BACK, PSBTN_NEXT, PSBTN_FINISH, PSBTN_CANCEL or
// PSBTN_HELP, or null.
HWND WizardButton(HWND sheet, int psbtn);
// Presses a wizard button (PSM_PRESSBUTTON) only when it is usable, then pumps; returns
// whether it pressed. comctl32 would act on a disabled or hidden button; a person cannot.
bool PressWizardButton(HWND sheet, int psbtn);

// Types text into a control, one WM_CHAR per character.
void TypeChars(HWND control, const std::string& text);
// A key stroke: WM_KEYDOWN then WM_KEYUP.
void PressKey(HWND control, UINT virtualKey);
// Gives a control the focus (SetFocus), then pumps.
void Focus(HWND control);

// The first descendant with that control id, or null.
HWND FindChild(HWND parent, int id);
// The first descendant of that window class (compared without case), or null.
HWND FindChildByClass(HWND parent, const std::string& className);
// A visible top-level window of this thread with that caption, or null.
HWND FindThreadWindow(const std::string& caption);

// Leak checks (GetGuiResources answers 0 under Wine). Wine hands out the most recently freed
// slot of its handle tables first (one table for GDI objects, one for windows, hooks, menus
// and cursors). These return the slots (low 16 bits of the handles), sorted, that the next
// objects made would get: work that frees everything it takes only reorders them, while a
// leak takes one away and a deeper slot shows up. Run the work once before the first probe,
// so that caches made on first use do not count.
std::vector<unsigned> NextGdiSlots();
std::vector<unsigned> NextWindowSlots();
// The highest of those slots: equal before and after work that leaks nothing.
unsigned ProbeGdiSlot();
unsigned ProbeWindowSlot();

} // namespace test
