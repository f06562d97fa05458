#pragma once
// Reading and driving the windows of another process as a person would: clicks, key strokes
// and characters arrive as posted messages, the way input reaches a program; what the driver
// reads (texts, focus, check states) it asks for without changing anything.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "framework/Wnd.h"

namespace e2e {

// How long one step of a walk may take before the walk counts as stuck.
constexpr DWORD kStepTimeoutMs = 15000;

// Polls condition until it holds or timeoutMs has passed; returns its last result.
bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs = kStepTimeoutMs);

// Sends a message that only asks something and returns the answer; throws when the window does
// not answer within a few seconds.
LRESULT Ask(HWND window, UINT msg, WPARAM wParam = 0, LPARAM lParam = 0);

// The window's text, asked of the window itself (WM_GETTEXT, which Wine carries across
// processes): an edit control's content, a combo box's selected item, a caption.
std::string TextOf(HWND window);
// Whether the window's thread answers a message at once (a crashed or hung program does not).
bool Answers(HWND window);
// The caption the system keeps for a window, read without asking the window.
std::string CaptionOf(HWND window);
// TextOf when the window answers, else its caption.
std::string TextOrCaption(HWND window);
// The direct children of a window, in z-order.
std::vector<HWND> ChildrenOf(HWND parent);
// A direct child with that control id; throws when there is none.
HWND ChildWithId(HWND parent, int id);

// The window that has the keyboard focus in the thread that owns window, or null.
HWND FocusOf(HWND window);
// Waits until window has the focus; throws otherwise.
void WaitForFocus(HWND window);

// A person can use a control only when it is shown and enabled.
bool IsUsable(HWND control);

// A click on a button (BM_CLICK); throws when the button is hidden or disabled.
void Click(HWND button);
// A left click at a point of window's client area.
void ClickAt(HWND window, POINT point);
// Characters typed into window, one WM_CHAR each ('\b' is Backspace).
void TypeChars(HWND window, const std::string& text);
// One key stroke (WM_KEYDOWN, WM_KEYUP).
void PressKey(HWND window, UINT virtualKey);

// Keys as a person's keyboard delivers them: the window's top-level window is brought to the
// front and each key goes through the system's input queue (SendInput) to whatever has the
// focus when the program reads it, so the dialog manager, mnemonics and Shift all take part.
// Returns as soon as the keys are queued.
void PressKeys(HWND window, const std::vector<UINT>& virtualKeys);
// One key with a modifier held (VK_SHIFT, VK_MENU for Alt, VK_CONTROL).
void PressChord(HWND window, UINT modifier, UINT virtualKey);
// Text typed on the keyboard, key by key (Shift where the character needs it).
void TypeOnKeyboard(HWND window, const std::string& text);
// Tab pressed until window has the focus (a dozen at most); throws when it never gets it.
void TabTo(HWND window);
// Wheel notches at a window, as the system hands them to the focused one (positive turns away
// from the operator, scrolling up).
void TurnWheel(HWND window, int notches);

// Clicks into an edit box, clears it with End and Backspace, types text; waits until the box
// holds exactly that.
void ReplaceText(HWND edit, const std::string& text);
// Moves the selection of a drop-down list to item with the arrow keys; waits until it shows.
void ChooseListItem(HWND comboBox, const std::string& item);
// Clicks a check box until it shows the wanted state.
void SetChecked(HWND checkBox, bool checked);
// The four fields of an IP address control as a dotted text.
std::string AddressShown(HWND control);
// Types a dotted address into an IP address control field by field: clicks field 1 unless a
// field already has the focus, then End, Backspace and the digits in each field, with "."
// where a field is not filled up. Waits until the four fields show the address.
void EnterIpAddress(HWND control, const std::string& dotted);

} // namespace e2e
